// Suspended-test files, good and refused: each case folder of
// tests/fixtures/sessions holds a file and what it gives to the reader,
// WouldLoad, the start screen's loader and print loading, in expected.txt.
// Then what saving writes, reads back and keeps when it fails.

#include "bank/BankRandom.h"
#include "bank/Cp1252.h"

#include "setup/ModFunzioni.h"
#include "setup/ModGlobal.h"
#include "setup/SessionFile.h"
#include "setup/SessionLoader.h"
#include "setup/TestSettings.h"

#include "print/CPaginatrice.h"

#include "support/ProgramTest.h"

#include <sstream>

namespace {

using namespace support;
namespace G = ModGlobal;

std::string Text(const Failure& f)
{
    const char* kinds[] = {"Failed", "NotASession", "WrongDataFile", "NothingFound", "Exists", "Refused"};
    return std::string(kinds[static_cast<int>(f.kind)]) + (f.description.empty() ? "" : ": " + f.description);
}

// Code, given answer / where the correct one stands (answered questions only:
// the others may be shuffled), and the correct answer's text.
std::string Questions(const cQuesiti& set)
{
    std::ostringstream out;
    for (const auto& q : set)
        out << "  " << q->Codice << " " << q->RispostaData << "/"
            << (q->RispostaData ? std::to_string(q->RispostaCorretta) : "-") << " "
            << Cp1252::ToUtf8(q->VisualRisposta(q->RispostaCorretta)) << "\n";
    return out.str();
}

std::string Report(const fs::path& path)
{
    std::ostringstream out;
    const auto file = SessionFile::Read(path);
    if (file) {
        out << "file: " << (file->legacy ? "legacy" : "current") << ", " << file->dataFile << ", topic "
            << file->topicFilter << ", order " << file->orderMode << ", count " << file->questionCount << ", keep "
            << file->keepAnswerOrder << ", wrong " << file->recordWrongAnswers << ", position " << file->position
            << "\n  codes";
        for (const auto& code : file->codes) out << " " << (code ? std::to_string(*code) : "-");
        out << ", answers " << file->answers << ", correct " << file->correct << "\n";
    } else {
        out << "file: " << Text(file.error()) << "\n";
    }
    out << "would load: " << (SessionLoader::WouldLoad(path) ? "yes" : "no") << "\n";

    const auto loaded = SessionLoader::Load(path);
    if (!loaded) {
        const char* icons[] = {"", "Information", "Exclamation", "Critical", "Question"};
        const UserMessage m = SessionLoader::Message(loaded.error());
        out << "load: " << m.title << " | " << icons[static_cast<int>(m.icon)] << " | " << m.text << "\n";
    }
    out << "settings: topic " << G::TopicFilter << ", order " << G::OrderMode << ", count " << G::QuestionCount
        << ", keep " << G::KeepAnswerOrder << ", wrong " << G::RecordWrongAnswers << ", time " << G::TimeLimitHours
        << ":" << G::TimeLimitMinutes << ", resume at " << G::ResumeIndex << " with " << G::ResumeCorrect
        << " right\n";
    if (loaded) out << Questions(*G::TestSet);

    // Shuffled as the start screen asks: when the test's answers were.
    CPaginatrice printer;
    const auto printed = printer.CaricaQuesitiDaSessione(path, file && !file->keepAnswerOrder);
    out << "print:";
    if (!printed) out << " " << Text(printed.error());
    for (const auto& q : printer.Quesiti()) out << " " << q->Codice << ":" << q->RispostaCorretta;
    out << (printed ? ", " + std::to_string(printer.Quesiti().NumRisposte) + " answers\n" : "\n");
    return out.str();
}

// setup.txt: "exam TOPIC DIFFICULTY COUNT" (the exam composition),
// "stat CODE VIEWS RIGHT WRONG MARK" (statistics records).
class SessionCase : public ProgramTest, public ::testing::WithParamInterface<fs::path> {};

TEST_P(SessionCase, GivesWhatItsExpectedFileSays)
{
    std::istringstream setup(ReadBytes(GetParam() / "setup.txt"));
    std::vector<std::pair<int32_t, cRecordSpec>> stats;
    for (std::string key; setup >> key;) {
        int32_t a = 0, b = 0, c = 0, d = 0, e = 0;
        if (key == "exam" && setup >> a >> b >> c) G::ExamSets = {cSetEsame{a, b, c}};
        if (key == "stat" && setup >> a >> b >> c >> d >> e) stats.emplace_back(a, Record(b, c, d, e));
    }
    WriteStats(stats);
    // The start screen's options before the load: the file's must replace them.
    Choose(3, OrderMenoProposti, 30);
    G::TimeLimitHours = 1;
    G::TimeLimitMinutes = 15;
    ExpectFile(GetParam() / "expected.txt", Report(GetParam() / "session.test"));
}

INSTANTIATE_TEST_SUITE_P(Sessions, SessionCase, ::testing::ValuesIn(Fixtures::Cases("sessions")),
                         [](const auto& info) { return info.param.filename().string(); });

using SaveSession = ProgramTest;

TEST_F(SaveSession, WritesSixLinesThatLoadBackIntoTheSameTest)
{
    G::KeepAnswerOrder = true;
    G::RecordWrongAnswers = false;
    G::TimeLimitMinutes = 15;
    Choose(2, OrderGazzetta, 30);
    ModFunzioni::EstraiQuesiti();
    G::TestSet->Item(1)->RispostaData = 2;
    G::TestSet->Item(3)->RispostaData = 3;
    const fs::path path = TempFolder() / "prova.test";
    ASSERT_TRUE(ModFunzioni::SaveSession(path, 3));
    ExpectFile(Fixtures::Source("sessions/saved.test"), ReadBytes(path));

    // Shuffled answers come back where they were answered, on another day's shuffle.
    G::ResetTestSettings();
    Choose(0, OrderCasuale, 8);
    ModFunzioni::EstraiQuesiti();
    for (int32_t i : {1, 2, 4}) G::TestSet->Item(i)->RispostaData = 1 + i % 4;
    const std::string before = Questions(*G::TestSet);
    ASSERT_TRUE(ModFunzioni::SaveSession(path, 5));
    BankRandom::SetTestSeed(12345);
    ASSERT_TRUE(SessionLoader::Load(path));
    EXPECT_EQ(Questions(*G::TestSet), before);
    EXPECT_EQ(G::ResumeIndex, 4);
}

TEST_F(SaveSession, ThatFailsKeepsTheFileThere)
{
    ModFunzioni::EstraiQuesiti();
    const fs::path path = TempFolder() / "prova.test";
    ASSERT_TRUE(ModFunzioni::SaveSession(path, 1));
    const std::string old = ReadBytes(path);

    // Files may not grow past 64 bytes: the save breaks half-way, as on a full disk.
    Expected<void> result;
    WithFileSizeLimit(64, [&] { result = ModFunzioni::SaveSession(path, 2); });

    ASSERT_FALSE(result);
    EXPECT_EQ(result.error().description, "scrittura non riuscita su prova.test: file troppo grande");
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(TempFolder()), fs::directory_iterator()), 1) << "nothing left behind";
}

}  // namespace
