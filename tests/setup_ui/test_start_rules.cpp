#include "bank/cArgomenti.h"
#include "bank/ModThemes.h"

#include "setup/StartRules.h"

#include <gtest/gtest.h>

using StartRules::ParseTimeLimit;

TEST(StartRules, TimeLimitParsing)
{
    struct Case {
        bool enabled;
        const char* hours;
        const char* minutes;
        int32_t h, m;
    };
    const Case accepted[] = {
        {false, "abc", "xyz", 0, 0},  // a clear box ignores the fields
        {true, "", "", 0, 0},
        {true, "", "150", 2, 30},
        {true, " 1 ", "59", 1, 59},
        {true, "0", "50", 0, 50},
        {true, "1", "120", 3, 0},
        {true, "2.5", "", 2, 0},  // halves round to even
        {true, "2.5", "90", 4, 30},  // whole hours carry before rounding
        {true, "", "59.5", 1, 0},
        {true, "", "10,6", 0, 11},
    };
    for (const Case& c : accepted) {
        const auto t = ParseTimeLimit(c.enabled, c.hours, c.minutes);
        ASSERT_TRUE(t) << c.hours << "/" << c.minutes;
        EXPECT_EQ(t->hours, c.h) << c.hours << "/" << c.minutes;
        EXPECT_EQ(t->minutes, c.m) << c.hours << "/" << c.minutes;
    }

    const char* ore = "Ore non indicate correttamente!";
    const char* minuti = "Minuti non indicati correttamente!";
    const std::pair<std::pair<const char*, const char*>, const char*> refused[] = {
        {{"abc", "xyz"}, ore},  // hours are looked at first
        {{"1h", "10"}, ore},
        {{"-1", "10"}, ore},
        {{"99999999999", "0"}, ore},
        {{"1", "dieci"}, minuti},
        {{"", "-5"}, minuti},
    };
    for (const auto& [fields, text] : refused) {
        const auto t = ParseTimeLimit(true, fields.first, fields.second);
        ASSERT_FALSE(t) << fields.first << "/" << fields.second;
        EXPECT_EQ(t.error().description, text);
    }
}

TEST(StartRules, RestoredRows)
{
    EXPECT_EQ(StartRules::FilterRow("3", 4), 3);
    EXPECT_EQ(StartRules::FilterRow("4", 4), 0);
    EXPECT_EQ(StartRules::FilterRow("7", 4), 0);
    EXPECT_EQ(StartRules::FilterRow("1", 2), 0);  // two rows: always the first
    EXPECT_EQ(StartRules::FilterRow("-1", 4), 0);
    EXPECT_EQ(StartRules::FilterRow("tre", 4), 0);

    const QStringList numeri = {"Tutti", "30", "50", "80"};
    EXPECT_EQ(StartRules::NumeroRow(" 50 ", numeri), 2);
    EXPECT_EQ(StartRules::NumeroRow("75", numeri), 0);

    const auto themes = ModThemes::InitThemes();
    EXPECT_EQ(StartRules::TemaRow("dark", *themes), 2);
    EXPECT_EQ(StartRules::TemaRow(" bright ", *themes), 1);
    EXPECT_EQ(StartRules::TemaRow("Dark", *themes), 0);

    EXPECT_EQ(StartRules::OrdineRow("5", 6), 5);
    EXPECT_EQ(StartRules::OrdineRow("6", 6), 0);

    EXPECT_TRUE(StartRules::StoredFlag("Vero", false));
    EXPECT_FALSE(StartRules::StoredFlag("0", true));
    EXPECT_TRUE(StartRules::StoredFlag("boh", true));
}

TEST(StartRules, FilterCaptions)
{
    cArgomenti topics;
    topics.Add("Contabilit\xE0 pubblica");  // cp1252 "à"
    cFiltroMain f;
    f.PrimoArg = 1;

    f.Descrizione = "   *";
    EXPECT_EQ(StartRules::FilterCaption(f, topics), QString("   Contabilità pubblica"));
    f.Descrizione = "*U (tutti)";
    EXPECT_EQ(StartRules::FilterCaption(f, topics), QString("CONTABILITÀ PUBBLICA (tutti)"));
    f.Descrizione = "";
    EXPECT_EQ(StartRules::FilterCaption(f, topics), QString("Contabilità pubblica"));
    f.Descrizione = "TUTTI I QUESITI";
    f.PrimoArg = 7;
    EXPECT_EQ(StartRules::FilterCaption(f, topics), QString("TUTTI I QUESITI"));
    // A row naming a topic the bank does not have is left out.
    f.Descrizione = "   *";
    EXPECT_EQ(StartRules::FilterCaption(f, topics), std::nullopt);
}

TEST(StartRules, ReducedRandomness)
{
    EXPECT_FALSE(StartRules::ReducedRandomness(false, 0));
    EXPECT_TRUE(StartRules::ReducedRandomness(true, 0));
    EXPECT_TRUE(StartRules::ReducedRandomness(false, 3));
    EXPECT_FALSE(StartRules::ReducedRandomness(false, 5));
}
