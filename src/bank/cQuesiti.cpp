#include "bank/cQuesiti.h"

#include "bank/BankError.h"
#include "bank/BankRandom.h"
#include "bank/DrawOrder.h"
#include "bank/IQuesitoSorter.h"
#include "bank/TextConvert.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr int32_t Cancelled = 9;

int32_t DigitAt(const std::string& digits, size_t i)
{
    if (i >= digits.size() || digits[i] < '0' || digits[i] > '9')
        throw BankError(BankError::Kind::AnswerDigits, std::to_string(i + 1));
    return digits[i] - '0';
}

int32_t TopicId(const cQuesito& q) { return q.Argomento() ? q.Argomento()->ID : 0; }

}  // namespace

const cQuesiti::Ptr& cQuesiti::Item(int32_t index) const
{
    if (index < 1 || index > Count()) throw BankError(BankError::Kind::QuestionIndex, std::to_string(index));
    return m_items[static_cast<size_t>(index - 1)];
}

const cQuesiti::Ptr& cQuesiti::Item(const std::string& key) const
{
    if (key.size() > 3 && TextConvert::EqualsIgnoreCase(std::string_view(key).substr(0, 3), "cod")) {
        if (const auto codice = TextConvert::ToInt32(std::string_view(key).substr(3));
            codice && std::to_string(*codice) == key.substr(3)) {
            EnsureIndex();
            if (const size_t at = m_byCodice.Find(*codice); at != CodiceIndex::None) return m_items[at];
        }
    }
    throw BankError(BankError::Kind::QuestionKey, key);
}

cQuesiti::Ptr cQuesiti::ItemByCodice(int32_t codice) const
{
    EnsureIndex();
    const size_t at = m_byCodice.Find(codice);
    return at == CodiceIndex::None ? nullptr : m_items[at];
}

cQuesiti::Ptr cQuesiti::Add(int32_t codice)
{
    auto q = std::make_shared<cQuesito>();
    q->Codice = codice;
    return AddObject(std::move(q));
}

cQuesiti::Ptr cQuesiti::AddObject(Ptr oQuesito)
{
    if (!oQuesito) throw BankError(BankError::Kind::MissingQuestion);
    EnsureIndex();
    if (!m_byCodice.Insert(oQuesito->Codice, m_items.size()))
        throw BankError(BankError::Kind::DuplicateQuestion, std::to_string(oQuesito->Codice));
    m_items.push_back(oQuesito);
    return oQuesito;
}

void cQuesiti::Clear()
{
    m_items.clear();
    m_byCodice.Clear();
    m_indexStale = false;
}

void cQuesiti::AppendUnique(const Ptr& oQuesito)
{
    m_items.push_back(oQuesito);
    m_indexStale = true;
}

void cQuesiti::EnsureIndex() const
{
    if (!m_indexStale) return;
    m_byCodice.Clear();
    m_byCodice.SetSize(m_items.size());
    for (size_t i = 0; i < m_items.size(); ++i) m_byCodice.Insert(m_items[i]->Codice, i);
    m_indexStale = false;
}

std::string cQuesiti::RisposteDate() const
{
    std::string s;
    s.reserve(m_items.size());
    for (const auto& q : m_items) s += std::to_string(q->RispostaData);
    return s;
}

void cQuesiti::SetRisposteDate(const std::string& digits)
{
    // Check the whole string first so that a bad one changes nothing.
    for (size_t i = 0; i < m_items.size(); ++i) DigitAt(digits, i);
    for (size_t i = 0; i < m_items.size(); ++i) m_items[i]->RispostaData = DigitAt(digits, i);
}

std::string cQuesiti::RisposteCorrette() const
{
    std::string s;
    s.reserve(m_items.size());
    for (const auto& q : m_items) s += std::to_string(q->RispostaCorretta);
    return s;
}

void cQuesiti::RisposteCorretteFix(const std::string& digits)
{
    for (size_t i = 0; i < m_items.size(); ++i) {
        cQuesito& q = *m_items[i];
        const int32_t target = DigitAt(digits, i);
        if (q.RispostaCorretta != target && q.RispostaData != 0) {
            std::string atCorrect = q.Risposta(q.RispostaCorretta);
            std::string atTarget = q.Risposta(target);
            q.SetRisposta(q.RispostaCorretta, std::move(atTarget));
            q.SetRisposta(target, std::move(atCorrect));
            q.RispostaCorretta = target;
        }
    }
}

int32_t cQuesiti::NumRisposteEsatte() const
{
    return static_cast<int32_t>(std::count_if(m_items.begin(), m_items.end(), [](const Ptr& q) {
        return q->RispostaData != 0 && q->RispostaData == q->RispostaCorretta;
    }));
}

void cQuesiti::ShuffleAnswers()
{
    BankRandom::SeedOnce();
    for (const auto& q : m_items) q->ShuffleAnswers(q->NumRisposte());
}

template <typename Keep>
std::shared_ptr<cQuesiti> cQuesiti::Where(Keep keep) const
{
    auto result = std::make_shared<cQuesiti>();
    result->m_items.reserve(m_items.size());
    for (const auto& q : m_items)
        if (keep(*q)) result->AppendUnique(q);
    return result;
}

std::shared_ptr<cQuesiti> cQuesiti::GetFirstN(int32_t quanti) const
{
    auto result = std::make_shared<cQuesiti>();
    const int32_t n = std::min(std::max(quanti, 0), Count());
    result->m_items.reserve(static_cast<size_t>(n));
    for (int32_t i = 0; i < n; ++i) result->AppendUnique(m_items[static_cast<size_t>(i)]);
    return result;
}

std::shared_ptr<cQuesiti> cQuesiti::EliminaQuesitiAnnullati() const
{
    return Where([](const cQuesito& q) { return q.Difficolta != Cancelled; });
}

std::shared_ptr<cQuesiti> cQuesiti::GetRangeGazzetta(int32_t nQuesito1, int32_t nQuesito2) const
{
    const int32_t upper = nQuesito2 <= 0 ? 999999 : nQuesito2;
    return Where([&](const cQuesito& q) {
        return q.IDGazzetta >= nQuesito1 && q.IDGazzetta <= upper && q.Difficolta != Cancelled;
    });
}

std::shared_ptr<cQuesiti> cQuesiti::FilterByArgomento(const std::shared_ptr<cArgomento>& oArgomento) const
{
    return Where([&](const cQuesito& q) { return oArgomento && q.Argomento() == oArgomento; });
}

std::shared_ptr<cQuesiti> cQuesiti::FilterByRangeArgomenti(int32_t nArgomento1, int32_t nArgomento2,
                                                           int32_t nArgomentoExtra) const
{
    return Where([&](const cQuesito& q) {
        const int32_t id = TopicId(q);
        return (id >= nArgomento1 && id <= nArgomento2) || (nArgomentoExtra >= 1 && id == nArgomentoExtra);
    });
}

std::shared_ptr<cQuesiti> cQuesiti::FilterByRangeIDGazzetta(int32_t nQuesito1, int32_t nQuesito2) const
{
    return Where([&](const cQuesito& q) { return q.IDGazzetta >= nQuesito1 && q.IDGazzetta <= nQuesito2; });
}

std::shared_ptr<cQuesiti> cQuesiti::GetRandomized(IQuesitoSorter* sorter) const
{
    BankRandom::SeedOnce();
    auto result = std::make_shared<cQuesiti>();
    try {
        // The sorter's draw ends however this one does.
        struct DrawScope {
            IQuesitoSorter* sorter;
            explicit DrawScope(IQuesitoSorter* s) : sorter(s)
            {
                if (sorter) sorter->BeginDraw();
            }
            ~DrawScope()
            {
                if (sorter) sorter->EndDraw();
            }
        } scope(sorter);
        // On a large bank a draw waits mostly for each question to come from memory: each is
        // asked for a few questions ahead, and taken (its count raised) while it is at hand.
        constexpr size_t ahead = 16;
        std::vector<DrawOrder::Record> records;
        std::vector<Ptr> kept;
        records.reserve(m_items.size());
        kept.reserve(m_items.size());
        for (size_t i = 0; i < m_items.size(); ++i) {
            if (i + ahead < m_items.size()) __builtin_prefetch(m_items[i + ahead].get());
            const auto& q = m_items[i];
            if (q->Difficolta == Cancelled) continue;
            DrawOrder::Record rec{};
            // Every question not cancelled takes its random number, skipped or not.
            rec.random = static_cast<int32_t>(std::lround(BankRandom::Next() * DrawOrder::MaxRandom));
            rec.position = static_cast<uint32_t>(kept.size());
            std::memset(rec.order, ' ', sizeof rec.order);
            if (sorter) {
                const std::string key = sorter->GetOrder(*q);
                // A fixed-width field: longer keys are cut, shorter ones padded with blanks.
                std::memcpy(rec.order, key.data(), std::min(key.size(), sizeof rec.order));
                if (TextConvert::TrimBlanks(std::string_view(rec.order, sizeof rec.order)) == IQuesitoSorter::SkipKey)
                    continue;
            }
            records.push_back(rec);
            kept.push_back(q);
        }
        const std::vector<uint32_t> order = DrawOrder::Sort(records);
        result->m_items.reserve(order.size());
        for (size_t k = 0; k < order.size(); ++k) {
            if (k + ahead < order.size()) __builtin_prefetch(&kept[order[k + ahead]]);
            result->m_items.push_back(std::move(kept[order[k]]));
        }
        result->m_indexStale = true;
    } catch (const std::exception&) {
        // A failed draw returns what was gathered so far: nothing, or every question.
        result->Clear();
    }
    return result;
}
