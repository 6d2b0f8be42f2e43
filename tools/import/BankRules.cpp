#include "tools/import/BankRules.h"

#include "bank/Cp1252.h"

#include "bank/DataFileFormat.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace Import {

namespace {

// The code point of the UTF-8 character at i and its length; (0xFFFD, 1) for a bad byte.
std::pair<uint32_t, size_t> CodePointAt(std::string_view s, size_t i)
{
    const auto b = static_cast<unsigned char>(s[i]);
    const size_t n = b < 0x80 ? 1 : (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return {0xFFFD, 1};
    uint32_t cp = n == 1 ? b : n == 2 ? (b & 0x1F) : n == 3 ? (b & 0x0F) : (b & 0x07);
    for (size_t k = 1; k < n; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80) return {0xFFFD, 1};
        cp = (cp << 6) | (c & 0x3F);
    }
    // Overlong forms, surrogates and code points past Unicode are no UTF-8.
    const uint32_t least = n == 2 ? 0x80 : n == 3 ? 0x800 : n == 4 ? 0x10000 : 0;
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {0xFFFD, 1};
    return {cp, n};
}

std::string CodePointName(uint32_t cp)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", cp);
    return buf;
}

std::string Trimmed(const std::string& s)
{
    const size_t a = s.find_first_not_of(" \t");
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(" \t") - a + 1);
}

// The first reason this question cannot be imported, or nothing.
std::optional<std::string> QuestionProblem(const Question& q)
{
    if (q.domanda.empty()) return "no question text";
    const int n = static_cast<int>(q.risposte.size());
    if (n == 0) return "no answers";
    if (n < 2) return "only 1 answer: at least 2 are needed";
    if (n > 5) return std::to_string(n) + " answers: the bank holds at most 5";
    for (int k = 0; k < n; ++k)
        if (q.risposte[k].empty()) return "answer " + Letter(k + 1) + " is empty";
    if (q.esatta == 0) return "no right answer";
    if (q.esatta < 1 || q.esatta > n)
        return "right answer " + Letter(std::clamp(q.esatta, 1, 26)) + " has no choice (answers A to " + Letter(n) + ")";
    // Pictures are looked up in the program folder and nowhere else.
    if (!q.immagine.empty()
        && (q.immagine[0] == '/' || q.immagine[0] == '\\' || q.immagine.find("..") != std::string::npos
            || q.immagine.find(':') != std::string::npos))
        return "image name \"" + q.immagine + "\" is not a file name in the program folder";
    const std::pair<const char*, const std::string*> texts[] = {
        {"question", &q.domanda}, {"explanation", &q.spiegazione}, {"passage", &q.brano},
        {"image name", &q.immagine}, {"note", &q.nota}, {"topic", &q.argomento}};
    for (const auto& [what, text] : texts)
        if (const auto problem = TextProblem(*text)) return std::string(what) + ": " + *problem;
    for (int k = 0; k < n; ++k)
        if (const auto problem = TextProblem(q.risposte[k])) return "answer " + Letter(k + 1) + ": " + *problem;
    return std::nullopt;
}

}  // namespace

std::optional<TopicRange> ParseTopicRange(const std::string& text)
{
    const size_t eq = text.rfind('=');
    if (eq == std::string::npos || eq == 0) return std::nullopt;
    const std::string range = text.substr(eq + 1);
    const size_t dash = range.find('-');
    if (dash == std::string::npos) return std::nullopt;
    const auto first = DataFileFormat::StrictInt(range.substr(0, dash));
    const auto last = DataFileFormat::StrictInt(range.substr(dash + 1));
    if (!first || !last || *first < 1 || *last < *first) return std::nullopt;
    TopicRange r{Trimmed(text.substr(0, eq)), *first, *last};
    if (r.name.empty()) return std::nullopt;
    return r;
}

std::optional<std::string> TextProblem(const std::string& utf8)
{
    for (size_t i = 0; i < utf8.size();) {
        const auto [cp, n] = CodePointAt(utf8, i);
        if (cp == 0xFFFD && n == 1) return "invalid UTF-8";
        if ((cp < 0x20 && cp != '\t') || cp == 0x7F) return "control character " + CodePointName(cp);
        if (cp >= 0x80 && !Cp1252::FromUtf8(std::string_view(utf8).substr(i, n)))
            return "character \"" + utf8.substr(i, n) + "\" (" + CodePointName(cp)
                   + ") is not in the Windows-1252 code page";
        i += n;
    }
    return std::nullopt;
}

void Settle(Bank& bank, const Rules& rules)
{
    std::vector<Question> kept;
    kept.reserve(bank.quesiti.size());
    for (auto& q : bank.quesiti) {
        q.domanda = Trimmed(q.domanda);
        for (auto& r : q.risposte) r = Trimmed(r);
        for (auto* text : {&q.spiegazione, &q.brano, &q.immagine, &q.nota, &q.argomento}) *text = Trimmed(*text);
        if (const auto problem = QuestionProblem(q)) {
            bank.Skip(q.line, (q.numero > 0 ? "question " + std::to_string(q.numero) + ": " : "") + *problem);
            continue;
        }
        kept.push_back(std::move(q));
    }

    // Numbers given first, so that a numbered question keeps its own.
    int next = 1;
    for (const auto& q : kept) next = std::max(next, q.numero + 1);
    std::map<int, int> used;  // number -> line
    std::vector<Question> numbered;
    numbered.reserve(kept.size());
    for (auto& q : kept) {
        if (q.numero == 0) q.numero = next++;
        const auto [it, added] = used.emplace(q.numero, q.line);
        if (!added) {
            bank.Skip(q.line, "question " + std::to_string(q.numero) + ": number already used"
                                  + (it->second > 0 ? " on line " + std::to_string(it->second) : std::string()));
            continue;
        }
        numbered.push_back(std::move(q));
    }

    std::vector<std::string> topics;
    for (auto& q : numbered) {
        for (const auto& r : rules.ranges)
            if (q.numero >= r.first && q.numero <= r.last) {
                q.argomento = r.name;
                break;
            }
        if (q.argomento.empty()) q.argomento = rules.defaultTopic;
        if (q.difficolta == 0) q.difficolta = rules.defaultDifficolta;
        if (std::find(topics.begin(), topics.end(), q.argomento) == topics.end()) topics.push_back(q.argomento);
    }
    bank.argomenti = std::move(topics);
    bank.quesiti = std::move(numbered);
}

int NumRisposte(const Bank& bank)
{
    size_t n = 2;
    for (const auto& q : bank.quesiti) n = std::max(n, q.risposte.size());
    return static_cast<int>(n);
}

}  // namespace Import
