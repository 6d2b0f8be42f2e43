// Suspended-test files, good and refused: each case folder of
// tests/fixtures/sessions holds a file and what it gives to the reader,
// WouldLoad, the start screen's loader and print loading, in expected.txt.
// Then what saving writes, reads back and keeps when it fails.

#include "bank/BankRandom.h"
#include "bank/Cp1252.h"

#include "setup/SessionFile.h"
#include "setup/SessionLoader.h"
#include "setup/TestMessages.h"

#include "print/CPaginatrice.h"

#include "support/ProgramTest.h"

#include <csignal>
#include <sstream>
#include <sys/resource.h>

namespace {

using namespace support;

std::string Text(const Failure& f)
{
    const char* kinds[] = {"Failed", "NotASession", "WrongDataFile", "NothingFound", "Damaged", "Missing", "Exists", "Refused"};
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

std::string Report(const fs::path& path, const TestRequest& current)
{
    std::ostringstream out;
    const auto file = SessionFile::Read(path, current);
    if (file) {
        const TestRecord& rec = file->record;
        const TestRequest& r = rec.Request;
        out << "file: " << (file->legacy ? "legacy" : "current") << ", " << r.CurrentDataFile << ", topic "
            << r.TopicFilter << ", order " << r.OrderMode << ", count " << r.QuestionCount << ", keep "
            << r.KeepAnswerOrder << ", wrong " << r.RecordWrongAnswers << ", position " << rec.Position << "\n  codes";
        std::string given, correct;
        for (const auto& item : rec.Items) {
            out << " " << (item.Codice > 0 ? std::to_string(item.Codice) : "-");
            given += item.Given < 0 ? '-' : static_cast<char>('0' + item.Given);
            correct += item.Correct < 0 ? '-' : static_cast<char>('0' + item.Correct);
        }
        out << ", answers " << given << ", correct " << correct << "\n";
        if (rec.HasOrdine || rec.HasViews || rec.Passed >= 0 || rec.SecondsLeft >= 0 || !rec.Started.empty()) {
            out << "  exact:";
            if (rec.HasOrdine)
                for (const auto& item : rec.Items) {
                    out << " ";
                    for (const int8_t k : item.Ordine) out << int(k);
                }
            if (rec.HasViews) {
                out << ", views ";
                for (const auto& item : rec.Items) out << item.ViewCounted;
            }
            out << ", passed " << rec.Passed << ", seconds " << rec.SecondsLeft << ", started " << rec.Started << "\n";
        }
        if (file->extrasDamaged) out << "  extra lines damaged\n";
    } else {
        out << "file: " << Text(file.error()) << "\n";
    }
    const SessionLoader::Check check{current, "rcv14.dat"};
    for (const auto mode : {SessionLoader::Mode::Suspended, SessionLoader::Mode::Interrupted}) {
        const bool suspended = mode == SessionLoader::Mode::Suspended;
        const char* name = suspended ? "load" : "resume";
        // The check made without reading the bank, then the load.
        const auto readable = SessionLoader::Readable(path, check, mode);
        out << name << " check: " << (readable ? "yes" : Text(readable.error())) << "\n";
        const auto loaded = SessionLoader::Load(path, check, mode);
        if (!loaded) {
            const char* icons[] = {"", "Information", "Exclamation", "Critical", "Question"};
            const UserMessage m = suspended ? TestMessages::SessionNotLoaded(loaded.error())
                                            : TestMessages::InterruptedNotResumed(loaded.error());
            out << name << ": " << Text(loaded.error()) << " | " << m.title << " | " << icons[static_cast<int>(m.icon)]
                << " | " << m.text << "\n";
            continue;
        }
        const TestRequest& r = loaded->Request;
        out << name << ": topic " << r.TopicFilter << ", order " << r.OrderMode << ", count " << r.QuestionCount
            << ", keep " << r.KeepAnswerOrder << ", wrong " << r.RecordWrongAnswers << ", time " << r.TimeLimitHours
            << ":" << r.TimeLimitMinutes << ", resume at " << loaded->ResumeIndex << " with " << loaded->ResumeCorrect
            << " right\n"
            << Questions(*loaded->Test.TestSet);
    }

    // Shuffled as the start screen asks: when the test's answers were.
    CPaginatrice printer;
    const auto printed = printer.CaricaQuesitiDaSessione(path, file && !file->record.Request.KeepAnswerOrder);
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
    // The start screen's options before the load: the file's must replace them.
    TestRequest current = Request(3, OrderMenoProposti, 30);
    current.TimeLimitHours = 1;
    current.TimeLimitMinutes = 15;
    for (std::string key; setup >> key;) {
        int32_t a = 0, b = 0, c = 0, d = 0, e = 0;
        if (key == "exam" && setup >> a >> b >> c) current.ExamSets = {cSetEsame{a, b, c}};
        if (key == "stat" && setup >> a >> b >> c >> d >> e) stats.emplace_back(a, Record(b, c, d, e));
    }
    WriteStats(stats);
    ExpectFile(GetParam() / "expected.txt", Report(GetParam() / "session.test", current));
}

INSTANTIATE_TEST_SUITE_P(Sessions, SessionCase, ::testing::ValuesIn(Fixtures::Cases("sessions")),
                         [](const auto& info) { return info.param.filename().string(); });

using SaveSession = ProgramTest;

TEST_F(SaveSession, WritesSixLinesThatLoadBackIntoTheSameTest)
{
    auto request = Request(2, OrderGazzetta, 30);
    request.KeepAnswerOrder = true;
    request.RecordWrongAnswers = false;
    request.TimeLimitMinutes = 15;
    const auto built = Build(request);
    built.TestSet->Item(1)->RispostaData = 2;
    built.TestSet->Item(3)->RispostaData = 3;
    const fs::path path = TempFolder() / "prova.test";
    ASSERT_TRUE(SessionFile::Write(path, TestRecord::Of(request, *built.TestSet, 3)));
    ExpectFile(Fixtures::Source("sessions/saved.test"), ReadBytes(path));

    // Shuffled answers come back where they were shown, on another day's shuffle.
    request = Request(0, OrderCasuale, 8);
    const auto other = Build(request);
    for (int32_t i : {1, 2, 4}) other.TestSet->Item(i)->RispostaData = 1 + i % 4;
    const std::string before = Questions(*other.TestSet);
    ASSERT_TRUE(SessionFile::Write(path, TestRecord::Of(request, *other.TestSet, 5)));
    BankRandom::SetTestSeed(12345);
    const auto loaded = SessionLoader::Load(path, {Request(0, OrderCasuale), "rcv14.dat"}, SessionLoader::Mode::Suspended);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(Questions(*loaded->Test.TestSet), before);
    EXPECT_EQ(loaded->ResumeIndex, 4);
    // Answered questions show their answers in the order they were shown, so
    // the review names the text the candidate chose.
    for (int32_t i : {1, 2, 4})
        EXPECT_EQ(loaded->Test.TestSet->Item(i)->VisualRisposta(1), other.TestSet->Item(i)->VisualRisposta(1)) << i;
}

TEST_F(SaveSession, ThatFailsKeepsTheFileThere)
{
    const auto request = Request(0, OrderCasuale);
    const auto built = Build(request);
    const fs::path path = TempFolder() / "prova.test";
    ASSERT_TRUE(SessionFile::Write(path, TestRecord::Of(request, *built.TestSet, 1)));
    const std::string old = ReadBytes(path);

    // Files may not grow past 64 bytes: the save breaks half-way, as on a full disk.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &small);
    const auto result = SessionFile::Write(path, TestRecord::Of(request, *built.TestSet, 2));
    setrlimit(RLIMIT_FSIZE, &saved);

    ASSERT_FALSE(result);
    EXPECT_EQ(result.error().description, "scrittura non riuscita su prova.test");
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(TempFolder()), fs::directory_iterator()), 1) << "nothing left behind";
}

}  // namespace
