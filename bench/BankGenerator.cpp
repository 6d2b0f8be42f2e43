#include "BankGenerator.h"

#include "bank/DataFileWriter.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <random>
#include <string_view>

namespace BankGenerator {

namespace {

// cp1252 bytes: \xE0 à, \xE8 è, \xE9 é, \xEC ì, \xF2 ò, \xF9 ù.
constexpr std::array<std::string_view, 96> Words{
    "il", "la", "di", "del", "della", "dei", "che", "per", "nel", "con", "un", "una", "e", "o", "non",
    "\xE8", "pi\xF9", "gi\xE0", "cos\xEC", "per\xF2", "perch\xE9", "pu\xF2", "poich\xE9", "cio\xE8",
    "comune", "sindaco", "giunta", "consiglio", "comunale", "dirigente", "responsabile", "servizio",
    "procedimento", "amministrativo", "provvedimento", "atto", "delibera", "determinazione",
    "competenza", "funzione", "ente", "locale", "statuto", "regolamento", "legge", "decreto",
    "articolo", "comma", "termine", "giorni", "pubblicazione", "albo", "pretorio", "accesso",
    "documenti", "interessati", "istanza", "ricorso", "tribunale", "regionale", "bilancio",
    "previsione", "rendiconto", "spesa", "entrata", "tributi", "contratto", "appalto", "gara",
    "offerta", "trasparenza", "anticorruzione", "dipendente", "pubblico", "concorso", "graduatoria",
    "nomina", "revoca", "annullamento", "d'ufficio", "autotutela", "silenzio", "assenso",
    "citt\xE0", "attivit\xE0", "responsabilit\xE0", "facolt\xE0", "pubblicit\xE0", "legittimit\xE0",
    "validit\xE0", "efficacia", "virt\xF9", "propriet\xE0", "modalit\xE0", "necessit\xE0", "capacit\xE0",
};

constexpr std::array<std::string_view, 8> TopicNames{
    "Ordinamento degli enti locali",
    "Diritto amministrativo e procedimento",
    "Logica e cultura generale",
    "Contabilit\xE0 e tributi locali",
    "Contratti pubblici",
    "Pubblico impiego",
    "Trasparenza e anticorruzione",
    "Servizi demografici",
};

constexpr std::array<std::string_view, 5> Openings{
    "Ai sensi dell'art. 107 del d.lgs. 267/2000, ",
    "Secondo la legge 241/1990, ",
    "Nel comune di Roccalvento, ",
    "Quale tra le seguenti affermazioni \xE8 corretta? ",
    "",
};

class Writer {
public:
    explicit Writer(uint32_t seed) : m_rng(seed) {}

    // A number in [lo, hi]; modulo bias is irrelevant here and keeps the output the same
    // with any standard library.
    int32_t Between(int32_t lo, int32_t hi) { return lo + static_cast<int32_t>(m_rng() % static_cast<uint32_t>(hi - lo + 1)); }
    bool Chance(int32_t percentTimesTen) { return Between(0, 999) < percentTimesTen; }

    // Plain text of minLen..maxLen characters, closed by `end`.
    std::string Sentence(int32_t minLen, int32_t maxLen, char end, std::string_view opening = {})
    {
        const auto target = static_cast<size_t>(Between(minLen, maxLen)) - 1;
        std::string s(opening);
        while (true) {
            const std::string_view w = Words[static_cast<size_t>(Between(0, Words.size() - 1))];
            const size_t add = w.size() + (s.empty() || s.back() == ' ' ? 0 : 1);
            if (s.size() + add > target) break;
            if (!s.empty() && s.back() != ' ') s += ' ';
            s += w;
        }
        // Short fillers until the minimum is reached; never past target (minLen <= target + 1).
        while (s.size() + 1 < static_cast<size_t>(minLen)) s += s.size() + 2 <= target ? " e" : "a";
        if (!s.empty() && s[0] >= 'a' && s[0] <= 'z') s[0] = static_cast<char>(s[0] - 'a' + 'A');
        s += end;
        return s;
    }

    std::string Markup(std::string text)
    {
        // A few texts carry the markup and entities the display cleaning handles.
        if (Chance(30)) text.insert(text.size() / 2, " <i>vedi nota</i> ");
        if (Chance(20)) text.insert(text.size() / 3, " 1.000 &euro; ");
        if (Chance(10)) text.insert(0, "<u>NON</u> ");
        return text;
    }

    std::mt19937 m_rng;
};

}  // namespace

std::string Generate(const Options& options)
{
    using DataFileFormat::Tag;
    Writer w(options.seed);
    const int32_t topics = std::max(1, options.topics);
    const int32_t n = std::max(0, options.questions);
    DataFileWriter out;

    for (int32_t t = 0; t < topics; ++t) {
        std::string name(TopicNames[static_cast<size_t>(t) % TopicNames.size()]);
        if (t >= static_cast<int32_t>(TopicNames.size())) name += " " + std::to_string(t / TopicNames.size() + 1);
        out.Topic(name);
    }
    out.NumRisposte(DataFileFormat::DefaultNumRisposte);

    for (int32_t i = 0; i < n; ++i) {
        // Topics come in blocks, gazette numbers run through the whole bank.
        const int32_t topic = static_cast<int32_t>(static_cast<int64_t>(i) * topics / std::max(n, 1)) + 1;
        const int32_t difficolta = w.Chance(10) ? DataFileFormat::Annullato : w.Between(1, 3);
        const int32_t corretta = w.Between(1, 4);
        DataFileWriter::Texts texts;
        const auto opening = Openings[static_cast<size_t>(w.Between(0, Openings.size() - 1))];
        texts[Tag::QD] = w.Markup(w.Sentence(150, 400, '?', opening));
        if (w.Chance(20)) texts[Tag::NO] = w.Sentence(20, 100, '.');
        if (w.Chance(30)) {
            std::string brano;
            for (int32_t p = w.Between(2, 5); p > 0; --p) {
                if (!brano.empty()) brano += "<br>";
                brano += w.Sentence(200, 500, '.');
            }
            texts[Tag::LE] = brano;
        }
        if (w.Chance(100)) texts[Tag::HI] = w.Markup(w.Sentence(80, 400, '.'));
        if (w.Chance(5)) texts[Tag::IM] = "figura" + std::to_string(i + 1) + ".jpg";
        for (int32_t r = 1; r <= 4; ++r) texts[DataFileFormat::AnswerTag(r)] = w.Sentence(20, 150, '.');
        out.Question({i + 1, topic, difficolta, corretta}, texts);
    }
    return out.Take();
}

bool WriteFile(const std::filesystem::path& path, const Options& options)
{
    const std::string data = Generate(options);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
    out.close();
    return static_cast<bool>(out);
}

}  // namespace BankGenerator
