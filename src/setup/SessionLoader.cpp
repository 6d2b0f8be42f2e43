#include "setup/SessionLoader.h"

#include "bank/ErrorText.h"
#include "bank/TextConvert.h"
#include "bank/TextFile.h"

#include "setup/ModFunzioni.h"
#include "setup/ModGlobal.h"
#include "setup/TestSettings.h"

#include <stdexcept>
#include <vector>

using namespace ModGlobal;

UserMessage SessionLoadResult::Message() const
{
    switch (status) {
    case Status::Loaded:
        return {};
    case Status::NotASession:
        return {"Attenzione!", "Il file selezionato non è una sessione creata con questo programma!",
                MessageIcon::Critical};
    case Status::WrongDataFile:
        return {"Attenzione!", "Il file selezionato non è relativo alla lingua straniera selezionata.",
                MessageIcon::Exclamation};
    case Status::Empty:
        return {"Attenzione!", "Nessun quesito trovato per i filtri impostati!", MessageIcon::Exclamation};
    case Status::Failed:
        break;
    }
    return {"Tessarondequiz", "Errore inaspettato nel caricamento della sessione: " + errorDescription + ".",
            MessageIcon::Critical};
}

namespace SessionLoader {

namespace {

// A failure with the description the user sees.
struct LoadFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Lines {
public:
    explicit Lines(std::string data) : m_data(std::move(data)), m_lines(TextFile::SplitLines(m_data)) {}
    std::string Next()
    {
        if (m_next >= m_lines.size()) throw LoadFailure("lettura oltre la fine del file");
        return std::string(m_lines[m_next++]);
    }

private:
    std::string m_data;
    std::vector<std::string_view> m_lines;
    size_t m_next = 0;
};

std::vector<std::string> Split(const std::string& text, char sep)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const size_t at = text.find(sep, start);
        parts.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) return parts;
        start = at + 1;
    }
}

int32_t Number(const std::string& text)
{
    const auto v = TextConvert::ToInt32(text);
    if (!v) throw LoadFailure("valore non numerico: \"" + text + "\"");
    return *v;
}

bool Boolean(const std::string& text)
{
    const auto v = TextConvert::ToBool(text);
    if (!v) throw LoadFailure("valore non valido: \"" + text + "\"");
    return *v;
}

const std::string& Field(const std::vector<std::string>& fields, size_t k)
{
    if (k >= fields.size()) throw LoadFailure("riga delle impostazioni incompleta");
    return fields[k];
}

bool DataFileMatches(const std::string& name)
{
    return name == CurrentDataFile || (AltDataFileName.empty() && name == DataFileName);
}

// Rebuilds the test and restores the stored order and answers.
SessionLoadResult Restore(Lines& lines, const std::string& codesLine, int32_t entries, bool tolerant)
{
    ModFunzioni::EstraiQuesiti();
    // An exam is a fresh random draw each time: its questions are found among
    // the whole bank's instead, or most of them would be lost.
    const auto pool = OrderMode == OrderEsame ? Document->Quesiti()->EliminaQuesitiAnnullati() : TestSet;
    const auto codes = Split(codesLine, ';');
    // "Tutti" takes every stored code: the rebuilt set may be smaller than the
    // saved test (marks removed since) and still hold codes further down the list.
    // The older layout takes as many as the rebuilt set has.
    const int32_t count = entries != 0 ? entries : tolerant ? static_cast<int32_t>(codes.size()) : pool->Count();
    auto restored = std::make_shared<cQuesiti>();
    std::vector<size_t> storedAt;  // position of each restored question in the file's lists
    for (int32_t i = 0; i < count; ++i) {
        const std::string* entry = static_cast<size_t>(i) < codes.size() ? &codes[static_cast<size_t>(i)] : nullptr;
        const auto code = entry ? TextConvert::ToInt32(*entry) : std::nullopt;
        const auto q = code ? pool->ItemByCodice(*code) : nullptr;
        if (!q || restored->ItemByCodice(q->Codice)) {
            if (tolerant) continue;
            throw LoadFailure("il quesito " + (entry ? *entry : std::string("?")) + " non è presente");
        }
        restored->AddObject(q);
        storedAt.push_back(static_cast<size_t>(i));
    }
    // A question left out must not pass its answer on to the next one: each
    // restored question takes the digits stored at its own position.
    auto own = [&storedAt](const std::string& digits) {
        std::string picked;
        for (const size_t at : storedAt) {
            if (at >= digits.size()) throw LoadFailure("risposte registrate incomplete");
            picked += digits[at];
        }
        return picked;
    };
    restored->SetRisposteDate(own(lines.Next()));
    restored->RisposteCorretteFix(own(lines.Next()));

    if (restored->Count() == 0) return {SessionLoadResult::Status::Empty, {}};
    // A position beyond the restored test resumes at its first pending question.
    if (ResumeIndex >= restored->Count()) ResumeIndex = restored->Count() - 1;
    if (ResumeIndex < -1) ResumeIndex = -1;
    ResumeCorrect = restored->NumRisposteEsatte();
    TestSet = restored;
    return {SessionLoadResult::Status::Loaded, {}};
}

// The answer lines are there; what they hold is checked against the rebuilt test.
SessionLoadResult AnswerLinesPresent(Lines& lines, int answerLines)
{
    for (int i = 0; i < answerLines; ++i) lines.Next();
    return {SessionLoadResult::Status::Loaded, {}};
}

// checkOnly reads the file through without applying it or reading the bank.
SessionLoadResult LoadCurrent(Lines& lines, bool checkOnly)
{
    const auto fields = Split(lines.Next(), '|');
    if (!DataFileMatches(Field(fields, 2))) return {SessionLoadResult::Status::WrongDataFile, {}};
    const int32_t topic = Number(Field(fields, 1));
    const int32_t position = Number(lines.Next());
    const int32_t order = Number(Field(fields, 3));
    const int32_t entries = Number(Field(fields, 4));
    const bool keepOrder = Boolean(Field(fields, 5));
    const bool recordWrong = Boolean(Field(fields, 6));
    const std::string codes = lines.Next();
    if (checkOnly) return AnswerLinesPresent(lines, 2);
    TopicFilter = topic;
    ResumeIndex = position - 1;
    ResumeCorrect = 0;
    OrderMode = order;
    QuestionCount = 0;
    KeepAnswerOrder = keepOrder;
    RecordWrongAnswers = recordWrong;
    TimeLimitHours = TimeLimitMinutes = 0;
    return Restore(lines, codes, entries, true);
}

SessionLoadResult LoadLegacy(Lines& lines, bool checkOnly)
{
    if (!DataFileMatches(lines.Next())) return {SessionLoadResult::Status::WrongDataFile, {}};
    const int32_t topic = Number(lines.Next());
    const int32_t position = Number(lines.Next());
    const std::string codes = lines.Next();
    if (checkOnly) return AnswerLinesPresent(lines, 2);
    TopicFilter = topic;
    ResumeIndex = position - 1;
    ResumeCorrect = 0;
    OrderMode = 0;
    QuestionCount = 0;
    KeepAnswerOrder = false;
    RecordWrongAnswers = true;
    TimeLimitHours = TimeLimitMinutes = 0;
    return Restore(lines, codes, 0, false);
}

SessionLoadResult Read(const std::filesystem::path& path, bool checkOnly)
{
    try {
        auto data = TextFile::ReadAll(path);
        if (!data) throw LoadFailure("impossibile aprire il file " + path.filename().string());
        Lines lines(std::move(*data));
        const std::string magic = lines.Next();
        if (magic == LegacySessionMagic) return LoadLegacy(lines, checkOnly);
        if (magic != SessionMagic) return {SessionLoadResult::Status::NotASession, {}};
        return LoadCurrent(lines, checkOnly);
    } catch (const LoadFailure& e) {
        return {SessionLoadResult::Status::Failed, e.what()};
    } catch (const std::exception& e) {
        return {SessionLoadResult::Status::Failed, ErrorText::Describe(e)};
    }
}

}  // namespace

SessionLoadResult Load(const std::filesystem::path& path) { return Read(path, false); }

bool WouldLoad(const std::filesystem::path& path) { return Read(path, true).ok(); }

}  // namespace SessionLoader
