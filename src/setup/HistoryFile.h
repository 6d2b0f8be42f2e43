#pragma once

#include "bank/Failure.h"

#include "setup/Scoring.h"
#include "setup/TestRecord.h"
#include "setup/TestRequest.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One finished test, as "Storico dei test" lists it and shows its review again.
struct HistoryEntry {
    std::string Started;  // "dd/MM/yyyy HH:mm:ss"
    std::string Ended;
    // What the test was asked as: topic filters, ordering, count, start number,
    // time limit, answer order.
    TestRequest Request;
    bool HandedIn = false;  // "Consegna": the unanswered questions count as blank
    bool TimedOut = false;  // an exam simulation whose time ran out (TestItem::Late)
    bool Repeat = false;    // "Ripeti le errate" of an earlier test
    std::vector<TestItem> Items;  // Codice, Ordine, Given, Correct, Late

    TestScore Score() const { return Scoring::Of(Items); }
    // From start to end; 0 when a time does not read.
    int64_t DurationSeconds() const;
    bool Exam() const { return Request.OrderMode == OrderEsame; }
};

// The bank's history file (BankFiles' `history`): one line per finished test,
// cp1252, CR LF, only ever appended to. A line carries the number of its
// questions and ends with a check of what comes before, so that a line a kill
// or a full disk cut short is known and skipped, and the next test starts a
// line of its own.
namespace HistoryFile {

std::string Line(const HistoryEntry& entry);
// Nothing for a line that is damaged, cut short or of another kind.
std::optional<HistoryEntry> Parse(std::string_view line);

Expected<void> Append(const std::filesystem::path& file, const HistoryEntry& entry);

struct Contents {
    std::vector<HistoryEntry> entries;  // oldest first, as written
    int32_t damaged = 0;                // lines skipped
};
// A missing file is an empty history.
Contents Read(const std::filesystem::path& file);

}  // namespace HistoryFile
