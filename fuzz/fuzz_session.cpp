// The suspended-test reader on arbitrary bytes (it reads the interrupted-test file too), then
// what the quiz does with a test it loaded: resume it, answer a few questions while keeping
// its progress, and read that progress back.
#include "bank/BankRandom.h"
#include "bank/ProgramFolder.h"

#include "setup/Competition.h"
#include "setup/SessionLoader.h"
#include "setup/TestMessages.h"

#include "quiz/QuizSession.h"
#include "quiz/ReviewRows.h"

#include "FuzzSupport.h"
#include "BankGenerator.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;
using Kind = Failure::Kind;

namespace {

class QuietView : public IQuizView {
public:
    void DisplayQuestion(const QuestionDisplay&) override {}
    void SetCounterText(const std::string&) override {}
    void SetErrataMark(bool) override {}
    void SetAnswerState(int, int) override {}
    void SetPointerTracking(bool) override {}
    void ShowAnswerResult(int32_t, int32_t) override {}
    void ShowCancelledNotice(const std::string&) override {}
    void ShowTime(const std::string&) override {}
    void StopCountdown() override {}
    void ShowTimeExpired() override {}
    void ShowWarning(const std::string&) override { FUZZ_CHECK(false); }
    void FinishTest(const std::string&, const HistoryEntry&) override {}
};

fs::path g_folder;

fs::path SessionPath() { return g_folder / "fuzz.test"; }
fs::path ProgressPath() { return g_folder / "rcv14.dat.interrotto.test"; }

void Write(const fs::path& path, const uint8_t* data, size_t size)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

std::string Codes(const cQuesiti& set)
{
    std::string codes;
    for (const auto& q : set) codes += std::to_string(q->Codice) + ";";
    return codes;
}

// The answers shown of every question, in order: the texts the candidate saw.
std::string Shown(const cQuesiti& set)
{
    std::string shown;
    for (const auto& q : set) {
        for (const int8_t k : q->OrdineRisposte()) shown += static_cast<char>('0' + k);
        shown += static_cast<char>('0' + q->RispostaData);
        shown += static_cast<char>('0' + q->RispostaCorretta);
        shown += ';';
    }
    return shown;
}

const SessionLoader::Check& Check()
{
    static const SessionLoader::Check check = [] {
        SessionLoader::Check c;
        c.current.CurrentDataFile = c.dataFileName = "rcv14.dat";
        c.current.ExamSets = Competition::ExamSets();
        return c;
    }();
    return check;
}

// The loaded test as the quiz screen takes it; its progress, kept after every view and
// answer, resumes exactly: the same questions, answers and answer orders.
void TakeTest(const SessionLoader::LoadedTest& loaded, SessionLoader::Mode mode)
{
    const auto set = loaded.Test.TestSet;
    const int32_t count = set->Count();
    for (const ReviewRow& row : ReviewRows(*set)) FUZZ_CHECK(row.correct.size() == 1 && row.given.size() <= 1);

    QuietView view;
    QuizSession session(view, QuizInputs{set, loaded.Test.RecordStore, AnswerLog(g_folder / "rcv14.log"),
                                         ProgressPath(), loaded.Request, loaded.Test.Document->NumRisposte()});
    if (mode == SessionLoader::Mode::Interrupted)
        session.ResumeTest(loaded.Record);
    else
        session.StartTest(loaded.ResumeIndex, loaded.ResumeCorrect);
    for (int answers = 0; answers < 3 && !session.Finished(); ++answers) {
        FUZZ_CHECK(session.Current() && session.Current()->RispostaData == 0);
        FUZZ_CHECK(session.CorrectCount() <= session.PassedCount() && session.PassedCount() <= count);
        session.GiveAnswer(answers % 2);
    }
    FUZZ_CHECK(session.CorrectCount() <= count);
    if (session.Finished()) {
        FUZZ_CHECK(!fs::exists(ProgressPath()));
        return;
    }
    const auto kept = SessionLoader::Load(ProgressPath(), Check(), SessionLoader::Mode::Interrupted);
    FUZZ_CHECK(kept);
    FUZZ_CHECK(Codes(*kept->Test.TestSet) == Codes(*set));
    FUZZ_CHECK(Shown(*kept->Test.TestSet) == Shown(*set));
    FUZZ_CHECK(kept->Record.Position == session.CurrentIndex());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    g_folder = fs::temp_directory_path() / ("tq-fuzz-session-" + std::to_string(getpid()));
    fs::create_directories(g_folder);
    std::atexit([] {
        std::error_code ec;
        fs::remove_all(g_folder, ec);
    });
    // As many questions as the shipped bank, so that files the program saved find theirs.
    if (!BankGenerator::WriteFile(g_folder / "rcv14.dat", {340, 3, 14})) std::abort();
    ProgramFolder::Set(g_folder);
    BankRandom::SetTestSeed(1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Write(SessionPath(), data, size);
    std::error_code ec;
    fs::remove(g_folder / "rcv14.log", ec);
    fs::remove(ProgressPath(), ec);

    // Read both ways: as a suspended test and as the interrupted one.
    for (const auto mode : {SessionLoader::Mode::Suspended, SessionLoader::Mode::Interrupted}) {
        const bool readable = SessionLoader::Readable(SessionPath(), Check(), mode).has_value();
        const auto loaded = SessionLoader::Load(SessionPath(), Check(), mode);
        if (!loaded) {
            const Kind kind = loaded.error().kind;
            FUZZ_CHECK(!TestMessages::SessionNotLoaded(loaded.error()).text.empty());
            if (kind == Kind::NotASession || kind == Kind::WrongDataFile) FUZZ_CHECK(!readable);
            if (mode == SessionLoader::Mode::Interrupted)
                FUZZ_CHECK(kind == Kind::Damaged || kind == Kind::Missing || kind == Kind::NothingFound
                           || kind == Kind::WrongDataFile || kind == Kind::Failed);
            continue;
        }
        FUZZ_CHECK(readable);
        const auto& set = *loaded->Test.TestSet;
        FUZZ_CHECK(set.Count() > 0);
        FUZZ_CHECK(loaded->ResumeIndex >= -1 && loaded->ResumeIndex < set.Count());
        FUZZ_CHECK(loaded->ResumeCorrect == set.NumRisposteEsatte());
        TakeTest(*loaded, mode);
    }
    return 0;
}
