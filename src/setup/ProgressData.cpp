#include "setup/ProgressData.h"

#include "bank/cDocumento.h"
#include "bank/cRecordBase.h"
#include "bank/DataFileFormat.h"

#include "setup/AnswerLog.h"
#include "setup/ExamForecast.h"
#include "setup/Scoring.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

void AddRow(ProgressRow& total, const ProgressRow& row)
{
    total.quesiti += row.quesiti;
    total.maiVisti += row.maiVisti;
    total.esatte += row.esatte;
    total.daRipassare += row.daRipassare;
    total.chanceSum += row.chanceSum;
}

// Log lines are mostly in date order: a day is added once per run of it.
void NoteDay(std::vector<int32_t>& days, int32_t day)
{
    if (days.empty() || days.back() != day) days.push_back(day);
}

void SortUnique(std::vector<int32_t>& days)
{
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
}

}  // namespace

std::string ProgressView::Summary() const
{
    return "Ultimi 7 giorni: " + std::to_string(answers7) + " risposte, " + std::to_string(Scoring::Percent(right7, answers7)) +
           "% esatte - Giorni di pratica: " + std::to_string(practiceDays);
}

std::string ProgressRow::MeanChance() const
{
    if (quesiti <= 0) return {};
    return std::to_string(std::lround(100.0 * chanceSum / quesiti)) + "%";
}

std::string ProgressView::Forecast() const
{
    char mean[32];
    std::snprintf(mean, sizeof mean, "%.1f", examMean);
    std::string text = mean;
    std::replace(text.begin(), text.end(), '.', ',');
    return "Se l'esame fosse oggi: " + text + "/30 in media - probabilità di superarlo: " +
           std::to_string(std::lround(100.0 * examPass)) + "%";
}

void ProgressData::Load(const std::filesystem::path& dataFile, const std::filesystem::path& recordFile,
                        const std::filesystem::path& logFile, int32_t today, const std::vector<cSetEsame>& exam)
{
    m_today = today;
    m_allPracticeDays.clear();
    cDocumento document;
    document.LoadFromText(dataFile);
    const cArgomenti& topics = document.Argomenti();
    m_figures.assign(static_cast<size_t>(topics.Count()) + 1, Figures{});
    for (const auto& topic : topics) m_figures[static_cast<size_t>(topic->ID)].row.argomento = topic->Nome;

    int32_t maxCodice = 0;
    for (const auto& q : *document.Quesiti()) maxCodice = std::max(maxCodice, q->Codice);
    // The figures each question counts in, by Codice; -1 where the bank has no such question.
    std::vector<int32_t> bucketOf(static_cast<size_t>(maxCodice) + 1, -1);
    const std::vector<cRecordSpec> records = cRecordBase::ReadAllRecords(recordFile);
    for (const auto& q : *document.Quesiti()) {
        if (q->Codice < 1) continue;
        const auto topic = q->Argomento();
        const int32_t bucket = topic && topic->ID >= 1 && topic->ID <= topics.Count() ? topic->ID : 0;
        bucketOf[static_cast<size_t>(q->Codice)] = bucket;
        if (q->Difficolta == DataFileFormat::Annullato) continue;
        const cRecordSpec rec =
            static_cast<size_t>(q->Codice) <= records.size() ? records[static_cast<size_t>(q->Codice) - 1] : cRecordSpec{};
        ProgressRow& row = m_figures[static_cast<size_t>(bucket)].row;
        ++row.quesiti;
        if (rec.nVisualizzate <= 0) ++row.maiVisti;
        if (rec.bnUltimoEsito == cRecordSpec::Marked) ++row.daRipassare;
    }

    // One pass over the log: the days practised, and every question's memory.
    BankMemory memory;
    memory.Load(logFile, *document.Quesiti(), [&](const AnswerLog::Answer& answer) { CountDay(answer, bucketOf); });
    const int32_t numRisposte = document.NumRisposte();
    std::vector<ForecastQuestion> chances;
    chances.reserve(static_cast<size_t>(document.Quesiti()->Count()));
    for (const auto& q : *document.Quesiti()) {
        if (q->Codice < 1 || q->Difficolta == DataFileFormat::Annullato) continue;
        const QuestionMemory& m = memory.Of(q->Codice);
        ProgressRow& row = m_figures[static_cast<size_t>(bucketOf[static_cast<size_t>(q->Codice)])].row;
        if (m.Answered() && m.lastRight) ++row.esatte;
        const double chance = memory.Chance(q->Codice, today, numRisposte);
        row.chanceSum += chance;
        chances.push_back({q->Argomento() ? q->Argomento()->ID : 0, q->Difficolta, chance});
    }
    const ExamForecast forecast = ExamForecast::Compute(chances, exam);
    m_examMean = forecast.meanScore;
    m_examPass = forecast.passProbability;
    for (Figures& f : m_figures) SortUnique(f.practiceDays);
    SortUnique(m_allPracticeDays);
}

void ProgressData::CountDay(const AnswerLog::Answer& answer, const std::vector<int32_t>& bucketOf)
{
    const int32_t bucket = bucketOf[static_cast<size_t>(answer.codice)];
    Figures& f = m_figures[static_cast<size_t>(bucket)];
    NoteDay(f.practiceDays, answer.day);
    NoteDay(m_allPracticeDays, answer.day);
    const int32_t first = m_today - (kDays - 1);
    if (answer.day >= first && answer.day <= m_today) {
        ProgressDay& day = f.days[static_cast<size_t>(answer.day - first)];
        ++day.answers;
        if (answer.right) ++day.right;
    }
}

ProgressView ProgressData::View(int32_t topic) const
{
    ProgressView view;
    const bool one = topic >= 1 && static_cast<size_t>(topic) < m_figures.size();
    view.days.resize(kDays);
    for (int32_t i = 0; i < kDays; ++i) view.days[static_cast<size_t>(i)].day = m_today - (kDays - 1) + i;
    ProgressRow total;
    total.argomento = "Totale";
    for (size_t t = 0; t < m_figures.size(); ++t) {
        if (one && t != static_cast<size_t>(topic)) continue;
        const Figures& f = m_figures[t];
        for (size_t i = 0; i < view.days.size(); ++i) {
            view.days[i].answers += f.days[i].answers;
            view.days[i].right += f.days[i].right;
        }
        if (t > 0) view.rows.push_back(f.row);
        AddRow(total, f.row);
    }
    view.rows.push_back(total);
    for (size_t i = kDays - kRecentDays; i < view.days.size(); ++i) {
        view.answers7 += view.days[i].answers;
        view.right7 += view.days[i].right;
    }
    view.examMean = m_examMean;
    view.examPass = m_examPass;
    view.practiceDays =
        static_cast<int32_t>(one ? m_figures[static_cast<size_t>(topic)].practiceDays.size() : m_allPracticeDays.size());
    return view;
}
