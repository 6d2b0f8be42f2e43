#include "setup/SessionLoader.h"

#include "bank/ErrorText.h"

#include "setup/ModFunzioni.h"
#include "setup/ModGlobal.h"
#include "setup/SessionFile.h"
#include "setup/TestSettings.h"

#include <algorithm>

using namespace ModGlobal;

namespace SessionLoader {

namespace {

bool DataFileMatches(const std::string& name)
{
    return name == CurrentDataFile || (AltDataFileName.empty() && name == DataFileName);
}

// The file, when it is a session of this bank.
Expected<SessionFile::Contents> ReadOwn(const std::filesystem::path& path)
{
    auto file = SessionFile::Read(path);
    if (file && !DataFileMatches(file->dataFile)) return Fail(Failure::Kind::WrongDataFile);
    return file;
}

// Rebuilds the test and restores the stored order and answers.
Expected<void> Restore(const SessionFile::Contents& file)
{
    ModFunzioni::EstraiQuesiti();
    // An exam is a fresh random draw each time: its questions are found among
    // the whole bank's instead, or most of them would be lost.
    const auto pool = OrderMode == OrderEsame ? Document->Quesiti()->EliminaQuesitiAnnullati() : TestSet;
    // "Tutti" takes every stored code: the rebuilt set may be smaller than the
    // saved test (marks removed since) and still hold codes further down the list.
    // The older layout takes as many as the rebuilt set has, and each must be there.
    // A count beyond the stored codes adds nothing: it is cut to them.
    const bool tolerant = !file.legacy;
    const size_t all = tolerant ? file.codes.size() : static_cast<size_t>(pool->Count());
    const size_t count =
        file.questionCount == 0 ? all : std::min(all, static_cast<size_t>(std::max(file.questionCount, 0)));
    auto restored = std::make_shared<cQuesiti>();
    std::string answers, correct;  // each restored question takes the digits stored at its own position
    for (size_t i = 0; i < count; ++i) {
        const auto code = i < file.codes.size() ? file.codes[i] : std::nullopt;
        const auto q = code ? pool->ItemByCodice(*code) : nullptr;
        if (!q || restored->ItemByCodice(q->Codice)) {
            if (tolerant) continue;
            return Fail("il quesito " + (code ? std::to_string(*code) : std::string("?")) + " non è presente");
        }
        if (i >= file.answers.size() || i >= file.correct.size()) return Fail("risposte registrate incomplete");
        const int32_t given = file.answers[i] - '0';
        const int32_t right = file.correct[i] - '0';
        if (given > q->NumRisposte() || (given != 0 && (right < 1 || right > q->NumRisposte())))
            return Fail(ErrorText::DescribeBankError(BankError::Kind::AnswerDigits, std::to_string(i + 1)));
        restored->AddObject(q);
        answers += file.answers[i];
        correct += file.correct[i];
    }
    restored->SetRisposteDate(answers);
    restored->RisposteCorretteFix(correct);

    if (restored->Count() == 0) return Fail(Failure::Kind::NothingFound);
    // A position beyond the restored test resumes at its first pending question.
    if (ResumeIndex >= restored->Count()) ResumeIndex = restored->Count() - 1;
    if (ResumeIndex < -1) ResumeIndex = -1;
    ResumeCorrect = restored->NumRisposteEsatte();
    TestSet = restored;
    return {};
}

}  // namespace

Expected<void> Load(const std::filesystem::path& path)
{
    try {
        const auto file = ReadOwn(path);
        if (!file) return tl::unexpected(file.error());
        TopicFilter = file->topicFilter;
        ResumeIndex = file->position - 1;
        ResumeCorrect = 0;
        OrderMode = file->orderMode;
        QuestionCount = 0;
        KeepAnswerOrder = file->keepAnswerOrder;
        RecordWrongAnswers = file->recordWrongAnswers;
        TimeLimitHours = TimeLimitMinutes = 0;
        return Restore(*file);
    } catch (const std::exception& e) {
        return Fail(ErrorText::Describe(e));
    }
}

bool WouldLoad(const std::filesystem::path& path) { return ReadOwn(path).has_value(); }

UserMessage Message(const Failure& failure)
{
    switch (failure.kind) {
    case Failure::Kind::NotASession:
        return {"Attenzione!", "Il file selezionato non è una sessione creata con questo programma!",
                MessageIcon::Critical};
    case Failure::Kind::WrongDataFile:
        return {"Attenzione!", "Il file selezionato non è relativo alla lingua straniera selezionata.",
                MessageIcon::Exclamation};
    case Failure::Kind::NothingFound:
        return {"Attenzione!", "Nessun quesito trovato per i filtri impostati!", MessageIcon::Exclamation};
    default:
        return UnexpectedError("Errore inaspettato nel caricamento della sessione", failure.description);
    }
}

}  // namespace SessionLoader
