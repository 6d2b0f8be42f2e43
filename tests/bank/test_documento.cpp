// Loading a data file into the document, its topic list alone, topic ranges and
// a fresh statistics file.

#include "bank/cDocumento.h"
#include "bank/cRecordBase.h"
#include "bank/ProgramFolder.h"

#include "BankTestSupport.h"
#include "Fixtures.h"

#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

using banktest::BankText;
using banktest::ReadBytes;
using banktest::TempDir;
using banktest::WriteBytes;
using Encoder::Encode;

namespace {

// Everything the loader sets, as one comparable text per question.
std::vector<std::string> Snapshot(const cDocumento& doc)
{
    std::vector<std::string> out;
    for (const auto& t : doc.Argomenti()) out.push_back("AM " + std::to_string(t->ID) + " " + t->Nome);
    out.push_back("NR " + std::to_string(doc.NumRisposte()));
    for (const auto& q : *doc.Quesiti())
        out.push_back(q->Serial() + "|" + q->Note + "|" + q->Brano + "|" + q->Hint + "|" + q->Immagine + "|"
                      + (q->Argomento() ? std::to_string(q->Argomento()->ID) : "-"));
    return out;
}

class Documento : public ::testing::Test {
protected:
    std::filesystem::path Write(const std::string& name, const std::string& bytes)
    {
        const auto path = dir / name;
        WriteBytes(path, bytes);
        return path;
    }

    TempDir dir;
    cDocumento doc;
};

}  // namespace

TEST_F(Documento, LoadsAWellFormedBank)
{
    doc.LoadFromText(Fixtures::Small());
    ASSERT_EQ(doc.Argomenti().Count(), 3);
    EXPECT_EQ(doc.Argomenti().Item(2)->Nome, "Diritto amministrativo");
    EXPECT_EQ(doc.Argomenti().Item("Logica e cultura generale")->ID, 3);
    EXPECT_EQ(doc.NumRisposte(), 4);
    EXPECT_EQ(doc.Quesiti()->NumRisposte, 4);
    ASSERT_EQ(doc.Quesiti()->Count(), 12);
    int codice = 0;
    for (const auto& q : *doc.Quesiti()) EXPECT_EQ(q->Codice, ++codice);

    const auto& q1 = *doc.Quesiti()->Item(1);
    EXPECT_EQ(q1.IDGazzetta, 1);
    EXPECT_EQ(q1.Argomento(), doc.Argomenti().Item(1)) << "the topic object itself";
    EXPECT_EQ(q1.Difficolta, 1);
    EXPECT_EQ(q1.RispostaCorretta, 2);
    EXPECT_EQ(q1.RispostaData, 0);
    // Texts stay in their stored form.
    EXPECT_EQ(q1.Descrizione, Encode("Chi rappresenta legalmente il Comune?"));
    EXPECT_EQ(q1.VisualRisposta(q1.RispostaCorretta), "Il Sindaco");
    EXPECT_EQ(q1.Risposta(5), "");
    EXPECT_TRUE(q1.Note.empty() && q1.Brano.empty() && q1.Hint.empty() && q1.Immagine.empty());

    EXPECT_EQ(doc.Quesiti()->Item(4)->Difficolta, 9);
    EXPECT_EQ(doc.Quesiti()->Item(5)->VisualBrano(),
              "Ove non sia diversamente stabilito, i procedimenti amministrativi si concludono entro trenta giorni.");
    const auto& q6 = *doc.Quesiti()->Item("cod6");
    EXPECT_EQ(q6.IDGazzetta, 102);
    EXPECT_EQ(q6.Argomento()->Nome, "Diritto amministrativo");
    EXPECT_EQ(q6.VisualNote(), "Domanda frequente nelle prove scritte.");
    EXPECT_EQ(q6.VisualHint().substr(0, 34), "In mancanza di designazione \xE8 resp");
    EXPECT_EQ(doc.Quesiti()->Item(7)->VisualDescrizione(),
              "L'atto <<nullo>> \xE8 quello che \xABmanca degli elementi essenziali\xBB?");
    EXPECT_EQ(doc.Quesiti()->Item(9)->Immagine, Encode("sequenza.png"));
    EXPECT_EQ(doc.Quesiti()->Item(10)->VisualDescrizione(),
              "Quanto vale 3 \xD7 4 \xF7 2?\r\nScegliere la risposta esatta.");
    const auto& q12 = *doc.Quesiti()->Item(12);
    EXPECT_EQ(q12.IDGazzetta, 204);
    EXPECT_EQ(q12.Argomento(), doc.Argomenti().Item(3));
    EXPECT_EQ(q12.VisualRisposta(4), "L'euro (\x80)");
}

TEST_F(Documento, AnswerCountLine)
{
    doc.LoadFromText(Fixtures::Three());
    EXPECT_EQ(doc.NumRisposte(), 3);
    EXPECT_EQ(doc.Quesiti()->NumRisposte, 3);
    ASSERT_EQ(doc.Quesiti()->Count(), 3);
    EXPECT_EQ(doc.Quesiti()->Item(3)->NumRisposte(), 3);
    EXPECT_EQ(doc.Quesiti()->Item(3)->VisualRisposta(3), "Qual \xE8");

    doc.LoadFromText(Fixtures::Five());
    EXPECT_EQ(doc.NumRisposte(), 5);
    EXPECT_EQ(doc.Quesiti()->Item(1)->VisualRisposta(5), "Dodici");
    EXPECT_EQ(doc.Quesiti()->Item(1)->RispostaCorretta, 5);

    // Not a number: the count stays 4.
    doc.LoadFromText(Write("nrx.dat", BankText({"NR:tre", "QI:1,1,1,1"})));
    EXPECT_EQ(doc.NumRisposte(), 4);
    EXPECT_EQ(doc.Quesiti()->NumRisposte, 4);
}

TEST_F(Documento, MalformedLinesLeaveTheirItemsUnset)
{
    doc.LoadFromText(Write("odd.dat", BankText({
                                          "QD:prima di ogni quesito",
                                          "R1:anche questa",
                                          "AM:Alfa",
                                          "AM:Alfa",
                                          "AM:Beta",
                                          "QI:12,2,1",
                                          "QD:x",
                                          "R1:a",
                                          "R2:",
                                          "R3:c",
                                          "R4:d",
                                          "QI:13,7,2,1",
                                          "QD:y",
                                          "qd:minuscolo",
                                          "R6:sesta",
                                          "XX:ignota",
                                          "",
                                          "Q",
                                          "QI:abc,,x,2",
                                          "QI:",
                                          "QI:14, 2 ,3,4,99",
                                      })));
    ASSERT_EQ(doc.Argomenti().Count(), 2);
    EXPECT_EQ(doc.Argomenti().Item("Beta")->ID, 2);
    ASSERT_EQ(doc.Quesiti()->Count(), 5);

    const auto& q1 = *doc.Quesiti()->Item(1);
    EXPECT_EQ(q1.IDGazzetta, 12);
    EXPECT_EQ(q1.Argomento(), doc.Argomenti().Item(2));
    EXPECT_EQ(q1.Difficolta, 1);
    EXPECT_EQ(q1.RispostaCorretta, 0);
    EXPECT_EQ(q1.VisualDescrizione(), "x");
    EXPECT_EQ(q1.Risposta(2), "");
    EXPECT_EQ(q1.NumRisposte(), 3);

    const auto& q2 = *doc.Quesiti()->Item(2);
    EXPECT_EQ(q2.IDGazzetta, 13);
    EXPECT_EQ(q2.Argomento(), nullptr) << "topic 7 does not exist";
    EXPECT_EQ(q2.VisualDescrizione(), "y");
    EXPECT_EQ(q2.NumRisposte(), 0);

    const auto& q3 = *doc.Quesiti()->Item(3);
    EXPECT_EQ(q3.IDGazzetta, 0);
    EXPECT_EQ(q3.Argomento(), nullptr);
    EXPECT_EQ(q3.Difficolta, 0);
    EXPECT_EQ(q3.RispostaCorretta, 2);

    EXPECT_EQ(doc.Quesiti()->Item(4)->Codice, 4);
    EXPECT_EQ(doc.Quesiti()->Item(4)->IDGazzetta, 0);

    const auto& q5 = *doc.Quesiti()->Item(5);
    EXPECT_EQ(q5.IDGazzetta, 14);
    EXPECT_EQ(q5.Argomento()->Nome, "Beta");
    EXPECT_EQ(q5.Difficolta, 3);
    EXPECT_EQ(q5.RispostaCorretta, 4);
}

TEST_F(Documento, LineEndsAndReloading)
{
    const std::string bytes = ReadBytes(Fixtures::Small());
    ASSERT_NE(bytes.find("\r\n"), std::string::npos);
    doc.LoadFromText(Write("crlf.dat", bytes));
    const auto crlf = Snapshot(doc);
    ASSERT_EQ(doc.Quesiti()->Count(), 12);

    std::string lf;
    for (const char c : bytes)
        if (c != '\r') lf.push_back(c);
    cDocumento other;
    other.LoadFromText(Write("lf.dat", lf));
    EXPECT_EQ(Snapshot(other), crlf);

    std::string noFinalEol = bytes;
    noFinalEol.resize(noFinalEol.size() - 2);
    other.LoadFromText(Write("noeol.dat", noFinalEol));
    EXPECT_EQ(Snapshot(other), crlf);

    // Loading again starts afresh: nothing merges.
    doc.LoadFromText(dir / "crlf.dat");
    EXPECT_EQ(Snapshot(doc), crlf);
    doc.LoadFromText(Write("one.dat", BankText({"AM:Solo", "NR:3", "QI:7,1,1,1", "QD:z", "R1:a"})));
    EXPECT_EQ(doc.Argomenti().Count(), 1);
    EXPECT_EQ(doc.Quesiti()->Count(), 1);
    EXPECT_EQ(doc.Quesiti()->Item(1)->Codice, 1);
    // A missing file leaves an empty document with four answers.
    doc.LoadFromText(dir / "missing.dat");
    EXPECT_EQ(doc.Argomenti().Count(), 0);
    EXPECT_EQ(doc.Quesiti()->Count(), 0);
    EXPECT_EQ(doc.NumRisposte(), 4);
    EXPECT_NO_THROW(doc.LoadFromText(dir.path()));
    EXPECT_EQ(doc.Quesiti()->Count(), 0);
}

TEST_F(Documento, TruncatedFilesLoadWhatIsThere)
{
    const std::string full = ReadBytes(Fixtures::Small());
    const auto expected = Snapshot([&] {
        cDocumento d;
        d.LoadFromText(Write("full.dat", full));
        return d;
    }());
    for (size_t cut = 0; cut <= full.size(); cut += 3) {
        cDocumento d;
        ASSERT_NO_THROW(d.LoadFromText(Write("cut.dat", full.substr(0, cut)))) << cut;
        const auto got = Snapshot(d);
        ASSERT_LE(got.size(), expected.size());
        int codice = 0;
        for (const auto& q : *d.Quesiti()) {
            EXPECT_EQ(q->Codice, ++codice);
            EXPECT_NO_THROW(q->VisualDescrizione());
        }
    }
    // Cut inside the second question's text: it exists, with what was read of it.
    const size_t at = full.find("QI:2,");
    const size_t qd = full.find("QD:", at) + 3;
    cDocumento d;
    d.LoadFromText(Write("cut.dat", full.substr(0, qd + 22)));
    ASSERT_EQ(d.Quesiti()->Count(), 2);
    EXPECT_EQ(d.Quesiti()->Item(2)->Descrizione, full.substr(qd, 22));
    EXPECT_EQ(d.Quesiti()->Item(2)->VisualDescrizione(), "Quale organo");
    EXPECT_EQ(d.Quesiti()->Item(2)->NumRisposte(), 0);
    EXPECT_EQ(d.Argomenti().Count(), 3);
}

TEST_F(Documento, GarbageNeverThrows)
{
    const char* pieces[] = {"AM:", "QI:", "NR:", "QD:", "R1:", "R5:", "IM:", "1", ",", "-",
                            "99999999999", "\r\n", "\n", "\r", "Q7M2X", "\0", "\xFF", " "};
    std::mt19937 rng(1234);
    for (int file = 0; file < 200; ++file) {
        std::string bytes;
        while (bytes.size() < 600) {
            if (rng() % 4 == 0) bytes.push_back(static_cast<char>(rng() & 0xFF));
            else {
                const char* p = pieces[rng() % std::size(pieces)];
                bytes.append(p, *p ? std::strlen(p) : 1);
            }
        }
        cDocumento d;
        ASSERT_NO_THROW(d.LoadFromText(Write("junk.dat", bytes))) << file;
        int codice = 0;
        for (const auto& q : *d.Quesiti()) {
            ASSERT_EQ(q->Codice, ++codice);
            ASSERT_NO_THROW(q->VisualDescrizione());
            for (int i = 1; i <= 5; ++i) ASSERT_NO_THROW(q->VisualRisposta(i));
        }
        ASSERT_NO_THROW(d.LoadArgomentiFromPath(dir / "junk.dat"));
    }
}

TEST_F(Documento, TopicListAloneFromTheProgramFolder)
{
    const auto saved = ProgramFolder::Get();
    ProgramFolder::Set(dir.path());
    doc.LoadFromText(Fixtures::Small());
    doc.SetNumRisposte(5);
    std::filesystem::copy_file(Fixtures::Small(), dir / "small.dat");
    doc.LoadArgomentiFromText("small.dat");
    ASSERT_EQ(doc.Argomenti().Count(), 3);
    EXPECT_EQ(doc.Argomenti().Item(3)->Nome, "Logica e cultura generale");

    Write("topics.dat", BankText({"; intestazione", "QI:1,1,1,1", "AM:Uno", "AM:Due", "NR:3", "AM:Tre"}));
    doc.LoadArgomentiFromText("topics.dat");
    ASSERT_EQ(doc.Argomenti().Count(), 2);
    EXPECT_EQ(doc.Argomenti().Item(1)->Nome, "Uno");
    EXPECT_EQ(doc.Argomenti().Item(2)->Nome, "Due");
    EXPECT_EQ(doc.Quesiti()->Count(), 12) << "questions left alone";
    EXPECT_EQ(doc.NumRisposte(), 5);

    // An empty line ends the list too.
    Write("gap.dat", "AM:Uno\nAM:Uno\n\nAM:Due\n");
    doc.LoadArgomentiFromText("gap.dat");
    ASSERT_EQ(doc.Argomenti().Count(), 1);

    doc.LoadArgomentiFromText("missing.dat");
    EXPECT_EQ(doc.Argomenti().Count(), 0);
    ProgramFolder::Set(saved);
}

TEST_F(Documento, RangeOfATopicIsItsFirstRun)
{
    doc.LoadFromText(Write("runs.dat", BankText({"AM:A", "AM:B", "AM:C", "QI:11,1,1,1", "QI:12,1,1,1", "QI:13,2,1,1",
                                                 "QI:14,1,1,1", "QI:15,1,1,1", "QI:16,2,1,1"})));
    int32_t first = -1;
    int32_t last = -1;
    doc.GetRangePerArgomento(doc.Argomenti().Item(1), first, last);
    EXPECT_EQ(first, 11);
    EXPECT_EQ(last, 12);
    doc.GetRangePerArgomento(doc.Argomenti().Item(2), first, last);
    EXPECT_EQ(first, 13);
    EXPECT_EQ(last, 13);
    doc.GetRangePerArgomento(doc.Argomenti().Item(3), first, last);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(last, 0);
    // A topic that looks the same but belongs to another document.
    const auto lookalike = std::make_shared<cArgomento>(*doc.Argomenti().Item(1));
    doc.GetRangePerArgomento(lookalike, first, last);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(last, 0);
    doc.GetRangePerArgomento(nullptr, first, last);
    EXPECT_EQ(first, 0);
}

TEST_F(Documento, FreshStatisticsFile)
{
    doc.LoadFromText(Fixtures::Three());
    const auto rec = dir / "three.dat.rec";
    EXPECT_TRUE(doc.InitializeRecordBase(rec));
    EXPECT_EQ(ReadBytes(rec), std::string(60, '\0'));

    // An existing file, longer and read-only, is replaced.
    WriteBytes(rec, std::string(100, '\xFF'));
    std::filesystem::permissions(rec, std::filesystem::perms::owner_read);
    EXPECT_TRUE(doc.InitializeRecordBase(rec));
    EXPECT_EQ(ReadBytes(rec), std::string(60, '\0'));
    // And a shorter one.
    WriteBytes(rec, std::string(7, '\x01'));
    EXPECT_TRUE(doc.InitializeRecordBase(rec));
    EXPECT_EQ(ReadBytes(rec), std::string(60, '\0'));

    cRecordBase store;
    ASSERT_TRUE(store.OpenExisting(rec));
    EXPECT_EQ(store.ReadRecord(3), cRecordSpec{});
    store.CloseRecordBase();

    cDocumento empty;
    EXPECT_TRUE(empty.InitializeRecordBase(rec));
    EXPECT_TRUE(std::filesystem::exists(rec));
    EXPECT_EQ(std::filesystem::file_size(rec), 0u);

    EXPECT_FALSE(doc.InitializeRecordBase(dir / "no-such-folder" / "x.rec"));
}
