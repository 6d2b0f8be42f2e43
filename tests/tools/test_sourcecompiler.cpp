#include "bank/cDocumento.h"
#include "bank/Cp1252.h"
#include "bank/TextFile.h"

#include "tools/BankChecker.h"
#include "tools/SourceCompiler.h"

#include "Fixtures.h"
#include "ToolTestSupport.h"

#include <gtest/gtest.h>

namespace {

using tooltest::TempDir;

cDocumento Load(const std::string& data)
{
    TempDir dir;
    tooltest::WriteBytes(dir / "bank.dat", data);
    cDocumento document;
    document.LoadFromText(dir / "bank.dat");
    return document;
}

std::string Cp(const char* utf8) { return *Cp1252::FromUtf8(utf8); }

TEST(SourceCompiler, TextsComeBackThroughTheProgramsLoader)
{
    const auto result = SourceCompiler::CompileFile(Fixtures::Source("small"));
    ASSERT_TRUE(result.Ok()) << result.errors.front().ToString();
    const auto document = Load(result.data);

    ASSERT_EQ(document.Argomenti().Count(), 3);
    EXPECT_EQ(document.Argomenti().Item(2)->Nome, "Diritto amministrativo");
    ASSERT_EQ(document.Quesiti()->Count(), 12);
    EXPECT_EQ(document.NumRisposte(), 4);

    const auto& q6 = document.Quesiti()->Item(6);
    EXPECT_EQ(q6->Codice, 6);
    EXPECT_EQ(q6->IDGazzetta, 102);
    EXPECT_EQ(q6->Argomento()->ID, 2);
    EXPECT_EQ(q6->Difficolta, 1);
    EXPECT_EQ(q6->RispostaCorretta, 2);
    EXPECT_EQ(q6->VisualDescrizione(), Cp("Chi è il responsabile del procedimento, se non è stato designato?"));
    EXPECT_EQ(q6->VisualNote(), "Domanda frequente nelle prove scritte.");
    EXPECT_EQ(q6->VisualHint(), Cp("In mancanza di designazione è responsabile il dirigente dell'unità "
                                   "organizzativa competente."));
    EXPECT_EQ(q6->VisualRisposta(2), Cp("Il dirigente dell'unità organizzativa"));
    EXPECT_EQ(q6->VisualRisposta(5), "");

    EXPECT_EQ(document.Quesiti()->Item(4)->Difficolta, 9);
    EXPECT_FALSE(document.Quesiti()->Item(5)->Brano.empty());
    EXPECT_EQ(document.Quesiti()->Item(7)->VisualDescrizione(),
              Cp("L'atto <<nullo>> è quello che «manca degli elementi essenziali»?"));
    EXPECT_EQ(document.Quesiti()->Item(12)->VisualRisposta(4), Cp("L'euro (€)"));
}

TEST(SourceCompiler, WritesTheDataFilesLineOrderWhateverTheSourcesOrder)
{
    const auto result = SourceCompiler::Compile("AM:T\r\n"
                                                "# a comment\n"
                                                "\n"
                                                "QI:7,1,2,1\n"
                                                "R2:b\n"
                                                "IM:x.png\n"
                                                "R1:a\n"
                                                "HI:h\n"
                                                "QD:q\n"
                                                "LE:l\n"
                                                "NO:n\n",
                                                "s.txt");
    ASSERT_TRUE(result.Ok()) << result.errors.front().ToString();
    std::string tags;
    for (const auto line : TextFile::SplitLines(result.data)) tags += std::string(line.substr(0, 3));
    EXPECT_EQ(tags, "AM:QI:QD:NO:LE:HI:IM:R1:R2:R3:R4:");
    EXPECT_EQ(result.data.find('\n'), result.data.find("\r\n") + 1) << "lines end in CR LF";
    EXPECT_NE(result.data.find("R3:\r\nR4:\r\n"), std::string::npos) << "absent answers written empty";
    EXPECT_TRUE(BankChecker::Check(result.data, "out.dat").empty());
}

TEST(SourceCompiler, AnswerCountDecidesTheNrLineAndTheAnswerLines)
{
    const auto five = SourceCompiler::CompileFile(Fixtures::Source("five"));
    ASSERT_TRUE(five.Ok());
    EXPECT_NE(five.data.find("NR:5\r\n"), std::string::npos);
    EXPECT_NE(five.data.find("\r\nR5:"), std::string::npos);
    EXPECT_EQ(Load(five.data).Quesiti()->Item(1)->VisualRisposta(5), "Dodici");

    const auto three = SourceCompiler::CompileFile(Fixtures::Source("three"));
    ASSERT_TRUE(three.Ok());
    EXPECT_EQ(Load(three.data).NumRisposte(), 3);
    EXPECT_EQ(three.data.find("R5:"), std::string::npos);
    EXPECT_NE(three.data.find("R4:\r\n"), std::string::npos);

    const auto four = SourceCompiler::Compile("AM:T\nNR:4\nQI:1,1,1,1\nQD:q\nR1:a\n", "s.txt");
    ASSERT_TRUE(four.Ok());
    EXPECT_EQ(four.data.find("NR:"), std::string::npos) << "four answers is the default, not written";
}

TEST(SourceCompiler, WarnsOfImagesMissingBesideTheSource)
{
    EXPECT_TRUE(SourceCompiler::CompileFile(Fixtures::Source("small")).warnings.empty());

    TempDir dir;
    tooltest::WriteBytes(dir / "b.txt", "AM:A\nQI:1,1,1,1\nQD:q\nIM:manca.png\nR1:a\n");
    const auto result = SourceCompiler::CompileFile(dir / "b.txt");
    EXPECT_TRUE(result.Ok());
    ASSERT_EQ(result.warnings.size(), 1u);
    EXPECT_EQ(result.warnings[0].line, 4);
}

struct Refusal {
    const char* name;
    const char* source;
    int line;
    const char* message;
};

void PrintTo(const Refusal& c, std::ostream* os) { *os << c.name; }

class SourceCompilerRefuses : public testing::TestWithParam<Refusal> {};

TEST_P(SourceCompilerRefuses, WithTheLineNumber)
{
    const auto& c = GetParam();
    const auto result = SourceCompiler::Compile(c.source, "bank.txt");
    EXPECT_TRUE(result.data.empty());
    ASSERT_EQ(result.errors.size(), 1u) << (result.errors.empty() ? "" : result.errors.back().ToString());
    const std::string text = result.errors[0].ToString();
    EXPECT_EQ(result.errors[0].line, c.line) << text;
    EXPECT_NE(text.find(c.message), std::string::npos) << text;
    if (c.line > 0) {
        EXPECT_EQ(text.rfind("bank.txt:" + std::to_string(c.line) + ": ", 0), 0u) << text;
    }
}

// Every source has two topics and NR: absent; "# x" keeps line numbers easy to read.
INSTANTIATE_TEST_SUITE_P(
    Cases, SourceCompilerRefuses,
    testing::Values(
        Refusal{"NotCp1252", "AM:A\nAM:B\nQI:1,1,1,1\nQD:Il simbolo ☃\nR1:a\n", 4, "column 15: character \"☃\""},
        Refusal{"InvalidUtf8", "AM:A\nAM:B\nQI:1,1,1,1\nQD:caff\xE8\nR1:a\n", 4, "invalid UTF-8"},
        Refusal{"QiThreeFields", "AM:A\nAM:B\nQI:1,1,1\nQD:q\nR1:a\n", 3, "four integers"},
        Refusal{"QiNotNumbers", "AM:A\nAM:B\nQI:1,uno,1,1\nQD:q\nR1:a\n", 3, "four integers"},
        Refusal{"QiFiveFields", "AM:A\nAM:B\nQI:1,1,1,1,1\nQD:q\nR1:a\n", 3, "four integers"},
        Refusal{"TopicMissing", "AM:A\nAM:B\n# x\nQI:1,3,1,1\nQD:q\nR1:a\n", 4, "topic 3 does not exist"},
        Refusal{"TopicZero", "AM:A\nAM:B\nQI:1,0,1,1\nQD:q\nR1:a\n", 3, "topic 0 does not exist"},
        Refusal{"CorrectEmpty", "AM:A\nAM:B\nQI:1,1,1,2\nQD:q\nR1:a\nR2:\n", 3, "correct answer 2 has no text"},
        Refusal{"CorrectAbsent", "AM:A\nAM:B\nQI:1,1,1,4\nQD:q\nR1:a\n", 3, "correct answer 4 has no text"},
        Refusal{"CorrectOutside", "AM:A\nAM:B\nQI:1,1,1,5\nQD:q\nR1:a\n", 3, "outside 1..4"},
        Refusal{"NoQd", "AM:A\nAM:B\nQI:1,1,1,1\nR1:a\nQI:2,1,1,1\nQD:q\nR1:a\n", 3, "without a QD:"},
        Refusal{"UnknownTag", "AM:A\nAM:B\nQI:1,1,1,1\nQD:q\nRX:a\nR1:a\n", 5, "unknown tag \"RX:\""},
        Refusal{"Untagged", "AM:A\nAM:B\nQI:1,1,1,1\nQD:q\nil seguito\nR1:a\n", 5, "unknown tag"},
        Refusal{"LowerCaseTag", "AM:A\nAM:B\nQI:1,1,1,1\nqd:q\nQD:q\nR1:a\n", 4, "unknown tag"},
        Refusal{"TextBeforeQi", "AM:A\nAM:B\nQD:q\nQI:1,1,1,1\nQD:q\nR1:a\n", 3, "before the first QI:"},
        Refusal{"DuplicateTopic", "AM:A\nAM:A\nQI:1,1,1,1\nQD:q\nR1:a\n", 2, "duplicate topic"},
        Refusal{"TopicAfterQuestions", "AM:A\nAM:B\nQI:1,1,1,1\nQD:q\nR1:a\nAM:C\n", 6, "after the first question"},
        Refusal{"SecondQd", "AM:A\nAM:B\nQI:1,1,1,1\nQD:q\nQD:r\nR1:a\n", 5, "second QD:"},
        Refusal{"AnswerBeyondNr", "AM:A\nAM:B\nNR:3\nQI:1,1,1,1\nQD:q\nR1:a\nR4:d\n", 7, "answer 4 in a bank of 3"},
        Refusal{"BadNr", "AM:A\nAM:B\nNR:7\nQI:1,1,1,1\nQD:q\nR1:a\n", 3, "from 2 to 5"},
        Refusal{"BadDifficulty", "AM:A\nAM:B\nQI:1,1,4,1\nQD:q\nR1:a\n", 3, "difficulty 4"},
        Refusal{"ControlCharacter", "AM:A\nAM:B\nQI:1,1,1,1\nQD:q\x01\nR1:a\n", 4, "control character"},
        Refusal{"GazetteTwice", "AM:A\nAM:B\nQI:7,1,1,1\nQD:q\nR1:a\nQI:7,2,1,1\nQD:q\nR1:a\n", 6,
                "gazette number 7 already used on line 3"},
        Refusal{"NoQuestions", "AM:A\nAM:B\n", 0, "no questions"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SourceCompiler, ReportsEveryErrorInLineOrder)
{
    const auto result = SourceCompiler::Compile("AM:A\nQI:1,2,1,1\nR1:a\nQI:x\nQD:€ ☃\nR1:b\n", "b.txt");
    ASSERT_EQ(result.errors.size(), 4u);
    EXPECT_EQ(result.errors[0].line, 2);  // topic 2
    EXPECT_EQ(result.errors[1].line, 2);  // no QD
    EXPECT_EQ(result.errors[2].line, 4);  // malformed QI
    EXPECT_EQ(result.errors[3].line, 5);  // snowman
}

}  // namespace
