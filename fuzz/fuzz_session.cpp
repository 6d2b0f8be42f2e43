// The suspended-test reader on arbitrary bytes (it reads the interrupted-test file too), then
// what the quiz does with a test it loaded: resume it, answer a few questions while keeping
// its progress, and read that progress back.
#include "bank/BankRandom.h"
#include "bank/ProgramFolder.h"

#include "setup/ModGlobal.h"
#include "setup/SessionLoader.h"
#include "setup/TestSettings.h"

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
    void FinishTest(const std::string&) override {}
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

// The loaded test as the quiz screen takes it; its progress, kept after an answer, loads again
// into the same questions with the same answers.
void TakeTest(bool resumeShowsNext)
{
    const auto set = ModGlobal::TestSet;
    const int32_t count = set->Count();
    for (const ReviewRow& row : ReviewRows(*set)) FUZZ_CHECK(row.correct.size() == 1 && row.given.size() <= 1);

    QuietView view;
    QuizSession session(view, set, ModGlobal::RecordStore, ModGlobal::Document->NumRisposte());
    session.KeepProgressIn(ProgressPath());
    session.StartTest(0, 0, ModGlobal::ResumeIndex, ModGlobal::ResumeCorrect, resumeShowsNext);
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
    FUZZ_CHECK(SessionLoader::WouldLoad(ProgressPath()));
    // An exam is looked up in a fresh draw, and the statistics may have changed what the others select.
    if (ModGlobal::OrderMode == OrderEsame || ModGlobal::OrderMode == OrderSoloErrate) return;
    const std::string codes = Codes(*set);
    const std::string answers = set->RisposteDate();
    ModGlobal::ResetTestSettings();
    FUZZ_CHECK(SessionLoader::Load(ProgressPath()));
    FUZZ_CHECK(Codes(*ModGlobal::TestSet) == codes);
    FUZZ_CHECK(ModGlobal::TestSet->RisposteDate() == answers);
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
    ModGlobal::InitGlobals();
    ModGlobal::CurrentDataFile = ModGlobal::DataFileName;
    BankRandom::SetTestSeed(1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Write(SessionPath(), data, size);
    std::error_code ec;
    fs::remove(g_folder / "rcv14.log", ec);
    ModGlobal::ResetTestSettings();
    ModGlobal::TestSet.reset();

    const bool would = SessionLoader::WouldLoad(SessionPath());
    FUZZ_CHECK(!ModGlobal::TestSet && ModGlobal::ResumeIndex == -1);
    const auto loaded = SessionLoader::Load(SessionPath());
    if (!loaded) {
        FUZZ_CHECK(!SessionLoader::Message(loaded.error()).text.empty());
        if (loaded.error().kind == Kind::NotASession || loaded.error().kind == Kind::WrongDataFile) FUZZ_CHECK(!would);
        return 0;
    }
    FUZZ_CHECK(would);

    const auto& set = *ModGlobal::TestSet;
    FUZZ_CHECK(set.Count() > 0);
    FUZZ_CHECK(ModGlobal::ResumeIndex >= -1 && ModGlobal::ResumeIndex < set.Count());
    FUZZ_CHECK(ModGlobal::ResumeCorrect == set.NumRisposteEsatte());
    TakeTest(size % 2 == 1);
    return 0;
}
