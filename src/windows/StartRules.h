#pragma once

#include "bank/Failure.h"

#include "setup/cFiltroMain.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

class cArgomenti;
class cTemi;

// The start screen's small decisions, apart from its widgets.
namespace StartRules {

// The rows of "Sequenza dei quesiti", by OrderMode.
const QStringList& Orderings();

struct TimeLimit {
    int32_t hours = 0;
    int32_t minutes = 0;  // always below 60
};

// The time limit typed on the start screen; a clear box means no limit.
// Hours are checked before minutes; whole hours of the minutes carry into the
// hours before either is rounded (halves to even). Refused, with the message.
Expected<TimeLimit> ParseTimeLimit(bool enabled, const QString& hours, const QString& minutes);

// "Per via delle impostazioni selezionate..." is asked when answers keep their
// order or the published order is chosen.
bool ReducedRandomness(bool keepAnswerOrder, int orderMode);
QString ReducedRandomnessQuestion();

// A test of this many questions can be printed; refused, with the message, when it cannot.
Expected<void> Printable(int32_t questions);

// Rows restored from the stored settings.
int FilterRow(const QString& stored, int rowCount);
int NumeroRow(const QString& stored, const QStringList& rows);
int TemaRow(const QString& stored, const cTemi& themes);
int OrdineRow(const QString& stored, int rowCount);
// A stored Boolean; the default when the text does not convert.
bool StoredFlag(const QString& stored, bool defaultValue);

// The text of a topic-list row, or nothing when it names a topic the bank lacks.
std::optional<QString> FilterCaption(const cFiltroMain& filter, const cArgomenti& topics);

// A whole number as the start screen reads one from a control.
std::optional<int32_t> WholeNumber(const QString& text);

}  // namespace StartRules
