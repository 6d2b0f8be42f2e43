// Loading a data file into the document, its topic list alone, topic ranges and
// a fresh statistics file.

#include "bank/cDocumento.h"
#include "bank/Cp1252.h"
#include "bank/ModEncoding.h"

#include "support/ProgramTest.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using namespace support;

// Everything the loader sets, readable: the document's texts as the candidate sees them.
std::string Snapshot(const cDocumento& doc)
{
    std::string out = "NR " + std::to_string(doc.NumRisposte()) + "\n";
    for (const auto& t : doc.Argomenti()) out += "AM " + std::to_string(t->ID) + " " + t->Nome + "\n";
    for (const auto& q : *doc.Quesiti()) {
        out += "QI " + std::to_string(q->Codice) + ": " + std::to_string(q->IDGazzetta) + ","
               + (q->Argomento() ? std::to_string(q->Argomento()->ID) : "-") + "," + std::to_string(q->Difficolta)
               + "," + std::to_string(q->RispostaCorretta) + "\n";
        const std::pair<const char*, std::string> texts[] = {
            {"QD", q->VisualDescrizione()}, {"NO", q->VisualNote()}, {"LE", q->VisualBrano()},
            {"HI", q->VisualHint()},        {"IM", ModEncoding::Decode(q->Immagine)}};
        for (const auto& [tag, text] : texts)
            if (!text.empty()) out += std::string("  ") + tag + " " + text + "\n";
        for (int i = 1; i <= cQuesito::MaxRisposte; ++i)
            if (!q->Risposta(i).empty()) out += "  R" + std::to_string(i) + " " + q->VisualRisposta(i) + "\n";
    }
    return Cp1252::ToUtf8(out);
}

std::string Loaded(std::string_view data)
{
    cDocumento doc;
    doc.LoadFromData(data);
    return Snapshot(doc);
}

class Documento : public ProgramTest {
protected:
    cDocumento doc;
};

TEST_F(Documento, BanksLoadAsTheirExpectedFilesSay)
{
    for (const std::string name : {"small", "five", "three"}) {
        doc.LoadFromText(Fixtures::Bank(name));
        ExpectFile(Fixtures::Source("loader/" + name + ".expected"), Snapshot(doc));
    }
    // Loading again starts afresh: the same document loads every case.
    for (const auto& dir : Fixtures::Cases("loader")) {
        WriteBank(ReadableBank(dir / "bank.txt"));
        doc.LoadFromText(DataPath());
        ExpectFile(dir / "expected.txt", Snapshot(doc));
    }
    doc.LoadFromText(root / "missing.dat");
    EXPECT_EQ(Snapshot(doc), "NR 4\n");
}

TEST_F(Documento, LineEndsDoNotMatterAndDamageNeverThrows)
{
    const std::string bytes = ReadBytes(Fixtures::Bank("small"));
    std::string lf;
    for (const char c : bytes)
        if (c != '\r') lf.push_back(c);
    EXPECT_EQ(Loaded(lf), Loaded(bytes));
    EXPECT_EQ(Loaded(bytes.substr(0, bytes.size() - 2)), Loaded(bytes));

    // Every cut and random damage loads what is there, numbered from 1, and never throws.
    std::mt19937 random(1234);
    for (size_t cut = 0; cut <= bytes.size(); cut += 7) {
        std::string damaged = bytes.substr(0, cut);
        for (int k = 0; k < 8 && !damaged.empty(); ++k) damaged[random() % damaged.size()] = char(random() & 0xFF);
        cDocumento d;
        ASSERT_NO_THROW(d.LoadFromData(damaged)) << cut;
        ASSERT_NO_THROW(Snapshot(d));
        int32_t codice = 0;
        for (const auto& q : *d.Quesiti()) ASSERT_EQ(q->Codice, ++codice);
    }
}

TEST_F(Documento, TopicListAloneUpToTheFirstOtherLine)
{
    doc.LoadFromText(DataPath());
    WriteBank(BankText({"; intestazione", "QI:1,1,1,1", "AM:Uno", "AM:Due", "NR:3", "AM:Tre"}));
    doc.LoadArgomentiFromText("rcv14.dat");
    ASSERT_EQ(doc.Argomenti().Count(), 2);
    EXPECT_EQ(doc.Argomenti().Item(2)->Nome, "Due");
    EXPECT_EQ(doc.Quesiti()->Count(), 12) << "questions left alone";
    doc.LoadArgomentiFromText("missing.dat");
    EXPECT_EQ(doc.Argomenti().Count(), 0);
}

TEST_F(Documento, RangeOfATopicIsItsFirstRun)
{
    WriteBank(BankText({"AM:A", "AM:B", "QI:11,1,1,1", "QI:12,1,1,1", "QI:13,2,1,1", "QI:14,1,1,1"}));
    doc.LoadFromText(DataPath());
    int32_t primo = -1, ultimo = -1;
    doc.GetRangePerArgomento(doc.Argomenti().Item(1), primo, ultimo);
    EXPECT_EQ(std::pair(primo, ultimo), std::pair(11, 12));
    // A topic that only looks the same has no range.
    doc.GetRangePerArgomento(std::make_shared<cArgomento>(*doc.Argomenti().Item(1)), primo, ultimo);
    EXPECT_EQ(std::pair(primo, ultimo), std::pair(0, 0));
}

TEST_F(Documento, FreshStatisticsFileOfZeros)
{
    doc.LoadFromText(Fixtures::Bank("three"));
    // Missing, longer and read-only, shorter: replaced all the same.
    EXPECT_TRUE(doc.InitializeRecordBase(RecPath()));
    EXPECT_EQ(ReadBytes(RecPath()), std::string(60, '\0'));
    WriteBytes(RecPath(), std::string(100, '\xFF'));
    fs::permissions(RecPath(), fs::perms::owner_read);
    EXPECT_TRUE(doc.InitializeRecordBase(RecPath()));
    EXPECT_EQ(ReadBytes(RecPath()), std::string(60, '\0'));
    WriteBytes(RecPath(), "\x01");
    EXPECT_TRUE(doc.InitializeRecordBase(RecPath()));
    EXPECT_EQ(ReadBytes(RecPath()), std::string(60, '\0'));
    const auto nowhere = doc.InitializeRecordBase(root / "no-such-folder" / "x.rec");
    ASSERT_FALSE(nowhere);
    EXPECT_EQ(nowhere.error().description, "impossibile creare il file x.rec: file o cartella inesistente");
}

}  // namespace
