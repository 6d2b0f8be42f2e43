#include "tools/BankChecker.h"
#include "tools/Encoder.h"

#include "Fixtures.h"

#include <gtest/gtest.h>
#include <random>

namespace {

std::string E(std::string_view plain) { return Encoder::Encode(plain); }

// A clean two-topic bank of one question; each case below breaks one thing.
std::string Bank(const std::string& question = "")
{
    return "AM:Uno\r\nAM:Due\r\n"
           + (question.empty() ? "QI:1,1,1,1\r\nQD:" + E("Domanda?") + "\r\nR1:" + E("Sì") + "\r\nR2:" + E("No")
                                     + "\r\nR3:\r\nR4:\r\n"
                               : question);
}

TEST(BankChecker, AcceptsWellFormedBanks)
{
    EXPECT_TRUE(BankChecker::Check(Bank(), "ok.dat").empty());
    for (const char* name : {"small", "five", "three"}) {
        BankChecker::Summary summary;
        const auto problems = BankChecker::CheckFile(Fixtures::Bank(name), &summary);
        EXPECT_TRUE(problems.empty()) << name << ": " << problems.front().ToString();
        EXPECT_GT(summary.questions, 0) << name;
    }
}

TEST(BankChecker, TheShippedBankPasses)
{
    BankChecker::Summary summary;
    const auto problems = BankChecker::CheckFile(Fixtures::Shipped(), &summary);
    for (const auto& p : problems) ADD_FAILURE() << p.ToString();
    EXPECT_GE(summary.topics, 3);
}

struct Broken {
    const char* name;
    std::string data;
    int line;
    const char* message;
};

void PrintTo(const Broken& c, std::ostream* os) { *os << c.name; }

class BankCheckerFinds : public testing::TestWithParam<Broken> {};

TEST_P(BankCheckerFinds, TheProblemOnItsLine)
{
    const auto& c = GetParam();
    const auto problems = BankChecker::Check(c.data, "bank.dat");
    ASSERT_EQ(problems.size(), 1u) << (problems.empty() ? "no problem found" : problems.back().ToString());
    EXPECT_EQ(problems[0].line, c.line) << problems[0].ToString();
    EXPECT_NE(problems[0].message.find(c.message), std::string::npos) << problems[0].ToString();
}

const std::string QI = "QI:1,1,1,1\r\n", QD = "QD:" + E("Domanda?") + "\r\n", R1 = "R1:" + E("Sì") + "\r\n",
                  R234 = "R2:\r\nR3:\r\nR4:\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, BankCheckerFinds,
    testing::Values(
        Broken{"UnknownTag", Bank(QI + QD + "XX:abc\r\n" + R1 + R234), 5, "unknown tag \"XX:\""},
        Broken{"LowerCaseTag", Bank(QI + "qd:" + E("q") + "\r\n" + QD + R1 + R234), 4, "unknown tag"},
        Broken{"QiThreeFields", Bank("QI:1,1,1\r\n" + QD + R1 + R234), 3, "malformed QI:"},
        Broken{"QiBlank", Bank("QI:1, 1,1,1\r\n" + QD + R1 + R234), 3, "malformed QI:"},
        Broken{"TopicMissing", Bank("QI:1,3,1,1\r\n" + QD + R1 + R234), 3, "topic 3 does not exist"},
        Broken{"BadDifficulty", Bank("QI:1,1,0,1\r\n" + QD + R1 + R234), 3, "difficulty 0"},
        Broken{"OutsideAlphabet", Bank(QI + "QD:" + E("ab") + "I" + E("c").substr(1) + "\r\n" + R1 + R234), 4,
               "outside the codec alphabet"},
        Broken{"LowerCaseDigits", Bank(QI + "QD:q7m2x\r\n" + R1 + R234), 4, "not in stored form (it decodes): column 4"},
        Broken{"Separator", Bank(QI + "QD:" + E("abc") + "-" + E("def") + "\r\n" + R1 + R234), 4,
               "not in stored form (it decodes): column 9: separator"},
        Broken{"SeparatorInBrokenText", Bank(QI + QD + "R1:" + E("abc") + "-AAAAA\r\n" + R234), 5,
               "undecodable text: group AAAAA decodes to a character code above 255"},
        Broken{"PartialGroup", Bank(QI + "QD:" + E("abcd").substr(0, 7) + "\r\n" + R1 + R234), 4,
               "not a whole number of 5-character groups"},
        Broken{"CodeAbove255", Bank(QI + QD + "R1:AAAAA\r\n" + R234), 5, "above 255"},
        Broken{"UndefinedByte", Bank(QI + QD + "R1:" + E("a\x81") + "\r\n" + R234), 5, "0x81"},
        Broken{"NulInText", Bank(QI + QD + "R1:" + E(std::string("a\0b", 3)) + "\r\n" + R234), 5, "0x00"},
        Broken{"GazetteTwice", Bank() + QI + QD + R1 + R234, 9, "gazette number 1 already used on line 3"},
        Broken{"DuplicateTopic", "AM:Uno\r\nAM:Uno\r\n" + QI + QD + R1 + R234, 2, "duplicate topic"},
        Broken{"AnswerLineMissing", Bank(QI + QD + R1 + "R2:\r\nR3:\r\n"), 3, "answer line missing: R4:"},
        Broken{"CorrectIsEmpty", Bank("QI:1,1,1,3\r\n" + QD + R1 + R234), 3, "points at an empty answer"},
        Broken{"CorrectOutside", Bank("QI:1,1,1,5\r\n" + QD + R1 + R234), 3, "outside 1..4"},
        Broken{"NoQd", Bank(QI + R1 + R234), 3, "without a QD:"},
        Broken{"TextBeforeQi", "AM:Uno\r\n" + QD + QI + QD + R1 + R234, 2, "before the first QI:"},
        Broken{"OutOfOrder", Bank(QI + R1 + QD + R234), 5, "QD: line out of order: after R1:"},
        Broken{"SecondQd", Bank(QI + QD + QD + R1 + R234), 5, "second QD:"},
        Broken{"EmptyOptional", Bank(QI + QD + "HI:\r\n" + R1 + R234), 5, "empty HI:"},
        Broken{"R5InFourAnswerBank", Bank(QI + QD + R1 + R234 + "R5:\r\n"), 9, "R5: line in a bank of 4"},
        Broken{"AnswerBeyondNr", "AM:Uno\r\nNR:3\r\n" + QI + QD + R1 + "R2:\r\nR3:\r\nR4:" + E("d") + "\r\n", 8,
               "answer 4 in a bank of 3"},
        Broken{"TopicAfterNr", "AM:Uno\r\nNR:3\r\nAM:Due\r\n" + QI + QD + R1 + R234, 3, "AM: line after the NR:"},
        Broken{"NrAfterQuestions", Bank() + "NR:4\r\n", 9, "NR: line after the first question"},
        Broken{"LfOnly", "AM:Uno\nAM:Due\r\n" + QI + QD + R1 + R234, 1, "LF alone"},
        Broken{"EmptyLine", Bank() + "\r\n", 9, "empty line"},
        Broken{"NoFinalLineEnd", Bank().substr(0, Bank().size() - 2), 8, "no line end"},
        Broken{"ByteOrderMark", "\xEF\xBB\xBF" + Bank(), 1, "byte-order mark"},
        Broken{"NoQuestions", "AM:Uno\r\n", 0, "no questions"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BankChecker, ArbitraryBytesAreReportedNeverFatal)
{
    const std::string good = Bank() + Bank(QI + QD + R1 + R234).substr(16);
    // Every truncation, and random damage, of a good file.
    for (size_t n = 0; n < good.size(); ++n) BankChecker::Check(good.substr(0, n), "t.dat");
    std::mt19937 random(20240601);
    for (int round = 0; round < 2000; ++round) {
        std::string damaged = good;
        for (int k = 0; k < 4; ++k) damaged[random() % damaged.size()] = static_cast<char>(random() & 0xFF);
        BankChecker::Check(damaged, "d.dat");
    }
    const auto problems = BankChecker::Check(std::string("\0\xFF\n\r\r\nQI:\n:::", 12), "g.dat");
    EXPECT_FALSE(problems.empty());
}

}  // namespace
