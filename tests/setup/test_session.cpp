// The suspended-test file: what SaveSession writes, and what loading rebuilds
// from it in both layouts, including every refusal.

#include "setup/SessionLoader.h"

#include "SetupTestSupport.h"

#include <csignal>
#include <initializer_list>
#include <map>
#include <sys/resource.h>

using namespace setuptest;
using ModFunzioni::EstraiQuesiti;
using ModFunzioni::SaveSession;
using Status = SessionLoadResult::Status;
namespace G = ModGlobal;

namespace {

using CodeList = std::vector<int32_t>;

std::string Lines(std::initializer_list<std::string> lines)
{
    std::string out;
    for (const auto& l : lines) out += l + "\r\n";
    return out;
}

// What a user must find again after a resume: per code, the given answer and
// the text of the correct answer with its position.
struct Snapshot {
    CodeList codes;
    std::map<int32_t, int32_t> data;
    std::map<int32_t, int32_t> correct;
    std::map<int32_t, std::string> correctText;
};

Snapshot Take()
{
    Snapshot s;
    for (const auto& q : *G::TestSet) {
        s.codes.push_back(q->Codice);
        s.data[q->Codice] = q->RispostaData;
        s.correct[q->Codice] = q->RispostaCorretta;
        s.correctText[q->Codice] = q->Risposta(q->RispostaCorretta);
    }
    return s;
}

class SessionTest : public SetupTest {
protected:
    fs::path SessionPath() const { return folder / "prova.test"; }

    SessionLoadResult LoadText(const std::string& content)
    {
        WriteBytes(SessionPath(), content);
        return SessionLoader::Load(SessionPath());
    }

    // Answers the question at position i (0-based) right or wrong.
    static void Answer(size_t i, bool right)
    {
        const auto& q = G::TestSet->Item(static_cast<int32_t>(i) + 1);
        q->RispostaData = right ? q->RispostaCorretta : q->RispostaCorretta % 4 + 1;
    }
};

TEST_F(SessionTest, SaveWritesTheSixLinesExactly)
{
    G::KeepAnswerOrder = true;
    G::RecordWrongAnswers = false;
    G::TimeLimitHours = 1;
    G::TimeLimitMinutes = 15;
    Choose(2, OrderGazzetta, 30);
    EstraiQuesiti();
    ASSERT_EQ(Codes(), (CodeList{5, 6, 7, 8}));
    G::TestSet->Item(1)->RispostaData = 2;
    G::TestSet->Item(3)->RispostaData = 3;

    ASSERT_TRUE(SaveSession(SessionPath(), 3));
    EXPECT_EQ(ReadBytes(SessionPath()), Lines({"tessarondequiz RCV SaveFile",
                                               "05/03/2024 09:07:02|2|rcv14.dat|3|30|True|False|1|15|1", "3",
                                               "5;6;7;8;", "2030", "1234"}));

    // An empty test still writes every line.
    G::TestSet = std::make_shared<cQuesiti>();
    ASSERT_TRUE(SaveSession(SessionPath(), 0));
    EXPECT_EQ(ReadBytes(SessionPath()), Lines({"tessarondequiz RCV SaveFile",
                                               "05/03/2024 09:07:02|2|rcv14.dat|3|30|True|False|1|15|1", "0",
                                               "", "", ""}));
}

TEST_F(SessionTest, RoundTripRestoresOrderAnswersAndCorrectPositions)
{
    Choose(0, OrderCasuale, 8);
    G::RecordWrongAnswers = false;
    EstraiQuesiti();
    Answer(0, true);
    Answer(1, false);
    Answer(3, true);
    Answer(4, false);
    const Snapshot saved = Take();
    const std::string answers = G::TestSet->RisposteDate();
    ASSERT_TRUE(SaveSession(SessionPath(), 5));

    // Another day: other options on the start screen, another shuffle.
    G::ResetTestSettings();
    Choose(3, OrderMenoProposti, 50);
    G::KeepAnswerOrder = true;
    G::TimeLimitMinutes = 20;
    BankRandom::SetTestSeed(12345);

    const auto result = SessionLoader::Load(SessionPath());
    ASSERT_TRUE(result.ok()) << result.Message().text;
    const Snapshot loaded = Take();
    EXPECT_EQ(loaded.codes, saved.codes);
    EXPECT_EQ(loaded.data, saved.data);
    EXPECT_EQ(G::TestSet->RisposteDate(), answers);
    for (const auto& [codice, given] : saved.data) {
        if (given == 0) continue;
        EXPECT_EQ(loaded.correct.at(codice), saved.correct.at(codice)) << "code " << codice;
    }
    // Every correct answer keeps its text, answered or not.
    const auto ref = Reference(DataPath());
    for (const auto& q : *G::TestSet) {
        const auto& r = ref->Quesiti()->ItemByCodice(q->Codice);
        EXPECT_EQ(q->Risposta(q->RispostaCorretta), r->Risposta(r->RispostaCorretta)) << "code " << q->Codice;
    }

    EXPECT_EQ(G::ResumeIndex, 4);
    EXPECT_EQ(G::ResumeCorrect, 2);
    EXPECT_EQ(G::OrderMode, OrderCasuale);
    EXPECT_EQ(G::TopicFilter, 0);
    EXPECT_EQ(G::QuestionCount, 0);
    EXPECT_FALSE(G::KeepAnswerOrder);
    EXPECT_FALSE(G::RecordWrongAnswers);
    EXPECT_EQ(G::TimeLimitHours, 0);
    EXPECT_EQ(G::TimeLimitMinutes, 0);
}

TEST_F(SessionTest, PrintFileCarriesTheFreshTest)
{
    Choose(1, OrderGazzetta);
    EstraiQuesiti();
    ASSERT_TRUE(SaveSession(ModFunzioni::PrintTempPath(), 0));
    EXPECT_EQ(ModFunzioni::PrintTempPath(), folder / "trprint2.tmp");
    const auto result = SessionLoader::Load(ModFunzioni::PrintTempPath());
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(Codes(), (CodeList{1, 2, 3}));
    EXPECT_EQ(G::ResumeIndex, -1);
    EXPECT_EQ(G::ResumeCorrect, 0);
}

TEST_F(SessionTest, LegacyLayout)
{
    const std::string file = Lines({"__tr_dummyRCV SaveFile", "rcv14.dat", "2", "3", "8;5;7;6;", "4020", "4132"});
    const auto result = LoadText(file);
    ASSERT_TRUE(result.ok()) << result.Message().text;
    EXPECT_EQ(Codes(), (CodeList{8, 5, 7, 6}));
    EXPECT_EQ(G::TestSet->RisposteDate(), "4020");
    EXPECT_EQ(G::TestSet->Item(1)->RispostaCorretta, 4);
    EXPECT_EQ(G::TestSet->Item(3)->RispostaCorretta, 3);
    const auto ref = Reference(DataPath());
    for (const auto& q : *G::TestSet) {
        const auto& r = ref->Quesiti()->ItemByCodice(q->Codice);
        EXPECT_EQ(q->Risposta(q->RispostaCorretta), r->Risposta(r->RispostaCorretta));
    }
    EXPECT_EQ(G::TopicFilter, 2);
    EXPECT_EQ(G::ResumeIndex, 2);
    EXPECT_EQ(G::ResumeCorrect, 1);
    EXPECT_EQ(G::OrderMode, 0);
    EXPECT_FALSE(G::KeepAnswerOrder);
    EXPECT_TRUE(G::RecordWrongAnswers);

    // In the older layout every code must be found again.
    const auto missing = LoadText(Lines({"__tr_dummyRCV SaveFile", "rcv14.dat", "2", "1", "8;5;1;6;", "0000", "1111"}));
    EXPECT_EQ(missing.status, Status::Failed);
    const auto other = LoadText(Lines({"__tr_dummyRCV SaveFile", "rcv15.dat", "2", "1", "7;", "0", "1"}));
    EXPECT_EQ(other.status, Status::WrongDataFile);
}

TEST_F(SessionTest, RefusedFiles)
{
    const std::string settings = "01/01/2024 10:00:00|2|rcv14.dat|3|0|True|True|0|0|1";
    WriteBytes(folder / "rcv15.dat", ReadBytes(DataPath()));
    struct Case {
        const char* what;
        std::string content;
        Status status;
    };
    const std::vector<Case> cases = {
        {"blanks after the magic line", Lines({"tessarondequiz RCV SaveFile ", settings, "1", "7;", "0", "4"}),
         Status::NotASession},
        {"another file", Lines({"AM:Diritto amministrativo", "QI:1,1,1,1"}), Status::NotASession},
        {"magic in another case", Lines({"TESSARONDEQUIZ RCV SAVEFILE", settings, "1", "7;", "0", "4"}),
         Status::NotASession},
        {"another data file, even one that exists",
         Lines({"tessarondequiz RCV SaveFile", "01/01/2024 10:00:00|2|rcv15.dat|3|0|True|True|0|0|1", "1", "7;", "0",
                "4"}),
         Status::WrongDataFile},
        {"empty file", "", Status::Failed},
        {"truncated after the codes", Lines({"tessarondequiz RCV SaveFile", settings, "1", "7;8;"}), Status::Failed},
        {"truncated settings", Lines({"tessarondequiz RCV SaveFile", "01/01/2024|2|rcv14.dat", "1", "7;", "0", "4"}),
         Status::Failed},
        {"topic not a number",
         Lines({"tessarondequiz RCV SaveFile", "01/01/2024 10:00:00|due|rcv14.dat|3|0|True|True|0|0|1", "1", "7;",
                "0", "4"}),
         Status::Failed},
        {"position not a number", Lines({"tessarondequiz RCV SaveFile", settings, "terzo", "7;", "0", "4"}),
         Status::Failed},
        {"count not a number",
         Lines({"tessarondequiz RCV SaveFile", "01/01/2024 10:00:00|2|rcv14.dat|3|x|True|True|0|0|1", "1", "7;", "0",
                "4"}),
         Status::Failed},
        {"boolean not a boolean",
         Lines({"tessarondequiz RCV SaveFile", "01/01/2024 10:00:00|2|rcv14.dat|3|0|forse|True|0|0|1", "1", "7;", "0",
                "4"}),
         Status::Failed},
        {"answers not digits", Lines({"tessarondequiz RCV SaveFile", settings, "1", "7;8;", "1x", "44"}),
         Status::Failed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        G::ResetTestSettings();
        const auto before = std::make_shared<cQuesiti>();
        G::TestSet = before;
        const auto result = LoadText(c.content);
        EXPECT_EQ(result.status, c.status);
        if (c.status != Status::Failed) {
            EXPECT_EQ(G::TestSet, before) << "a refused file changes nothing";
            EXPECT_EQ(G::TopicFilter, 0);
            EXPECT_EQ(G::ResumeIndex, -1);
        }
    }

    const auto none = SessionLoader::Load(folder / "assente.test");
    EXPECT_EQ(none.status, Status::Failed);
}

TEST_F(SessionTest, WouldLoadReadsTheFileButNeitherTheBankNorTheSettings)
{
    const std::string settings = "01/01/2024 10:00:00|2|rcv14.dat|3|0|True|True|0|0|1";
    const std::vector<std::pair<std::string, bool>> cases = {
        {Lines({"tessarondequiz RCV SaveFile", settings, "1", "7;", "0", "4"}), true},
        {Lines({"tessarondequiz RCV SaveFile", settings, "1", "999;", "0", "4"}), true},  // Load: Empty
        {Lines({"__tr_dummyRCV SaveFile", "rcv14.dat", "2", "3", "8;5;", "40", "41"}), true},
        {Lines({"tessarondequiz RCV SaveFile", settings, "1", "7;", "0"}), false},
        {Lines({"__tr_dummyRCV SaveFile", "rcv14.dat", "2", "3", "8;5;", "40"}), false},
        {Lines({"tessarondequiz RCV SaveFile", "x|2|rcv15.dat|3|0|True|True|0|0|1", "1", "7;", "0", "4"}), false},
        {Lines({"tessarondequiz RCV SaveFile", settings, "primo", "7;", "0", "4"}), false},
        {Lines({"AM:Diritto amministrativo"}), false},
    };
    for (const auto& [content, would] : cases) {
        SCOPED_TRACE(content);
        WriteBytes(SessionPath(), content);
        EXPECT_EQ(SessionLoader::WouldLoad(SessionPath()), would);
        EXPECT_FALSE(G::TestSet);
        EXPECT_EQ(G::TopicFilter, 0);
        EXPECT_EQ(G::ResumeIndex, -1);
    }
    EXPECT_FALSE(SessionLoader::WouldLoad(folder / "assente.test"));
}

TEST_F(SessionTest, MessagesTheUserSees)
{
    auto message = [](Status s, const std::string& why = {}) { return SessionLoadResult{s, why}.Message(); };
    const auto notSession = message(Status::NotASession);
    EXPECT_EQ(notSession.title, "Attenzione!");
    EXPECT_EQ(notSession.text, "Il file selezionato non è una sessione creata con questo programma!");
    EXPECT_EQ(notSession.icon, MessageIcon::Critical);
    const auto wrongFile = message(Status::WrongDataFile);
    EXPECT_EQ(wrongFile.title, "Attenzione!");
    EXPECT_EQ(wrongFile.text, "Il file selezionato non è relativo alla lingua straniera selezionata.");
    EXPECT_EQ(wrongFile.icon, MessageIcon::Exclamation);

    const auto damaged =
        LoadText(Lines({"tessarondequiz RCV SaveFile", "x|2|rcv14.dat|0|0|True|True|0|0|1", "1", "7;8;", "1x", "44"}));
    const auto failed = damaged.Message();
    EXPECT_EQ(failed.title, "Tessarondequiz");
    EXPECT_EQ(failed.icon, MessageIcon::Critical);
    EXPECT_EQ(failed.text,
              "Errore inaspettato nel caricamento della sessione: risposte registrate non valide alla posizione 2.");
}

TEST_F(SessionTest, AllQuestionsOfABankThatGrew)
{
    Choose(2, OrderGazzetta);
    EstraiQuesiti();
    Answer(0, true);
    const std::string answers = G::TestSet->RisposteDate();
    ASSERT_TRUE(SaveSession(SessionPath(), 2));

    AppendToBank({{105, 2, 1, 1}, {106, 2, 1, 2}});
    const auto result = SessionLoader::Load(SessionPath());
    ASSERT_TRUE(result.ok()) << result.Message().text;
    EXPECT_EQ(Codes(), (CodeList{5, 6, 7, 8})) << "the new questions find no entry";
    EXPECT_EQ(G::TestSet->RisposteDate(), answers);
    EXPECT_EQ(G::ResumeCorrect, 1);
}

TEST_F(SessionTest, CountedTestTakesItsOwnQuestionsOnly)
{
    Choose(0, OrderGazzetta, 3);
    EstraiQuesiti();
    ASSERT_TRUE(SaveSession(SessionPath(), 1));
    const auto result = SessionLoader::Load(SessionPath());
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(Codes(), (CodeList{1, 2, 3}));
    EXPECT_EQ(G::ResumeIndex, 0);
}

TEST_F(SessionTest, ExamComesBackWholeWithEachAnswerOnItsQuestion)
{
    std::vector<Question> big;
    for (int i = 1; i <= 120; ++i) big.push_back({i, 1 + i % 3, 1, 1 + i % 4});
    WriteBytes(DataPath(), GeneratedBank(big));
    Choose(0, OrderEsame, 50);
    EstraiQuesiti();
    // Each question answered by a rule of its own code, so a shift shows.
    for (const auto& q : *G::TestSet) q->RispostaData = q->Codice % 4 + 1;
    const Snapshot saved = Take();
    ASSERT_TRUE(SaveSession(SessionPath(), 10));

    BankRandom::SetTestSeed(99);
    const auto result = SessionLoader::Load(SessionPath());
    ASSERT_TRUE(result.ok()) << result.Message().text;
    const Snapshot loaded = Take();
    EXPECT_EQ(loaded.codes, saved.codes) << "not only the questions a new draw happens to share";
    EXPECT_EQ(loaded.data, saved.data);
    EXPECT_EQ(loaded.correct, saved.correct);
    int32_t right = 0;
    for (const auto& q : *G::TestSet) right += q->RispostaData == q->RispostaCorretta;
    EXPECT_EQ(G::ResumeCorrect, right);
    EXPECT_EQ(G::OrderMode, OrderEsame);
}

TEST_F(SessionTest, OnlyWrongIsLookedUpAmongTheQuestionsStillMarked)
{
    auto wrong = [](int32_t sbagliate) { return cRecordSpec{1, 0, 0, sbagliate, 2}; };
    WriteStats({{2, wrong(3)}, {3, wrong(4)}, {6, wrong(1)}});
    Choose(0, OrderSoloErrate);
    EstraiQuesiti();
    ASSERT_EQ(Codes(), (CodeList{3, 2, 6}));
    for (const auto& q : *G::TestSet) q->RispostaData = q->Codice % 3 + 1;
    ASSERT_TRUE(SaveSession(SessionPath(), 3));

    // Code 2 answered right since: its mark is gone.
    {
        cRecordBase store;
        ASSERT_TRUE(store.OpenExisting(RecPath()));
        store.WriteRecord(2, cRecordSpec{2, 0, 1, 3, 1});
    }
    auto result = SessionLoader::Load(SessionPath());
    ASSERT_TRUE(result.ok()) << result.Message().text;
    EXPECT_EQ(Codes(), (CodeList{3, 6})) << "6 is still marked, after the one that is not";
    for (const auto& q : *G::TestSet) EXPECT_EQ(q->RispostaData, q->Codice % 3 + 1) << "code " << q->Codice;

    // With no mark left nothing can be resumed.
    G::RecordStore.reset();
    WriteStats({});
    result = SessionLoader::Load(SessionPath());
    EXPECT_EQ(result.status, Status::Empty);
}

TEST_F(SessionTest, FailedSaveKeepsTheOldFile)
{
    Choose(0, OrderGazzetta);
    EstraiQuesiti();
    ASSERT_TRUE(SaveSession(SessionPath(), 1));
    const std::string old = ReadBytes(SessionPath());

    // Files may not grow past 64 bytes: the save breaks half-way, as on a full disk.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &small);
    std::string why;
    G::TestSet->Item(1)->RispostaData = 1;
    const bool ok = SaveSession(SessionPath(), 2, &why);
    setrlimit(RLIMIT_FSIZE, &saved);

    EXPECT_FALSE(ok);
    EXPECT_FALSE(why.empty());
    EXPECT_EQ(ReadBytes(SessionPath()), old);
    for (const auto& entry : fs::directory_iterator(folder))
        EXPECT_TRUE(entry.path().extension() != ".tmp~" && entry.path().filename().string().find('~') == std::string::npos)
            << "left behind: " << entry.path();

    // A save that works replaces the file.
    ASSERT_TRUE(SaveSession(SessionPath(), 2));
    EXPECT_NE(ReadBytes(SessionPath()), old);

    // Nothing to save is refused without touching the file.
    G::TestSet.reset();
    EXPECT_FALSE(SaveSession(SessionPath(), 2));
    EXPECT_TRUE(fs::exists(SessionPath()));
}

}  // namespace
