#include "quiz/QuizSession.h"

#include "bank/cTema.h"

#include "setup/AnswerLog.h"
#include "setup/Clock.h"
#include "setup/ModFunzioni.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

namespace {

constexpr int32_t Cancelled = 9;

cRecordSpec ReadRecord(const std::shared_ptr<cRecordBase>& store, int32_t codice)
{
    return store ? store->ReadRecord(codice) : cRecordSpec{};
}

void WriteRecord(const std::shared_ptr<cRecordBase>& store, int32_t codice, const cRecordSpec& rec)
{
    if (store) store->WriteRecord(codice, rec);
}

}  // namespace

QuizSession::QuizSession(IQuizView& view, std::shared_ptr<cQuesiti> testSet, std::shared_ptr<cRecordBase> store,
                         int32_t bankAnswers)
    : m_view(view),
      m_set(testSet ? std::move(testSet) : std::make_shared<cQuesiti>()),
      m_store(std::move(store)),
      m_bankAnswers(bankAnswers)
{
}

void QuizSession::StartTest(int32_t timeHours, int32_t timeMinutes, int32_t resumeIndex, int32_t resumeCorrect,
                            bool resumeShowsNext)
{
    const bool resumed = resumeIndex != -1;
    m_questionLength = 0;
    m_view.SetPointerTracking(false);
    m_currentIndex = m_correctCount = m_passedCount = 0;
    // Set before anything is shown: a resumed test holding every answer ends at once, with its score.
    if (resumed) m_correctCount = resumeCorrect;
    if (resumed && resumeShowsNext) m_currentIndex = resumeIndex;
    NextQuestion(false);
    if (m_finished) return;

    if (timeHours != 0 || timeMinutes != 0) {
        m_timeHours = timeHours;
        m_timeMinutes = timeMinutes;
        m_timeSeconds = 0;
        m_view.ShowTime(TimeText());
        m_countdown = true;
    }

    if (resumed && !resumeShowsNext) {
        // The first pending question has had its view counted above; the
        // resumed one is shown without counting another.
        m_currentIndex = resumeIndex;
        NextQuestion(true);
    }
    if (resumed) {
        // An answer beyond the question shown means the test had gone round
        // once: every question has been passed, and the score never tops 100%.
        for (int32_t p = m_currentIndex + 1; p <= m_set->Count(); ++p)
            if (m_set->Item(p)->RispostaData != 0) {
                UpdateCounter(m_set->Count() + 1);
                break;
            }
    }
}

std::shared_ptr<cQuesito> QuizSession::Current() const
{
    if (m_finished || m_currentIndex < 1 || m_currentIndex > m_set->Count()) return nullptr;
    return m_set->Item(m_currentIndex);
}

int32_t QuizSession::NextPending(int32_t from, bool& wrapped) const
{
    const int32_t count = m_set->Count();
    wrapped = false;
    for (int32_t p = std::max(from, 0) + 1; p <= count; ++p)
        if (m_set->Item(p)->RispostaData == 0) return p;
    wrapped = true;
    for (int32_t p = 1; p <= count; ++p)
        if (m_set->Item(p)->RispostaData == 0) return p;
    return 0;
}

void QuizSession::NextQuestion(bool noCount)
{
    bool wrapped = false;
    const int32_t next = NextPending(m_currentIndex, wrapped);
    if (next == 0) {
        EndTest();
        return;
    }
    // Past the end: every question has been passed once.
    if (wrapped) UpdateCounter(m_set->Count() + 1);
    m_currentIndex = next;
    ShowQuestion(m_currentIndex, noCount);
    m_view.SetPointerTracking(true);
}

void QuizSession::KeepProgress()
{
    if (m_progressFile.empty()) return;
    bool wrapped = false;
    const int32_t next = NextPending(m_currentIndex, wrapped);
    const auto kept = ModFunzioni::SaveSession(m_progressFile, next != 0 ? next : m_currentIndex);
    if (kept || m_progressWarned) return;
    m_progressWarned = true;
    m_view.ShowWarning("Non è stato possibile conservare il test in corso (" + kept.error().description +
                       ").\r\nSe il programma si chiude prima della fine, il test non potrà essere ripreso.");
}

void QuizSession::ShowQuestion(int32_t position, bool noCount)
{
    const cQuesito& q = *m_set->Item(position);
    cRecordSpec rec = ReadRecord(m_store, q.Codice);

    QuestionDisplay d;
    d.position = position;
    d.views = rec.nVisualizzate;
    d.correct = rec.nEsatte;
    d.wrong = rec.nSbagliate;
    if (!noCount) {
        ++rec.nVisualizzate;
        WriteRecord(m_store, q.Codice, rec);
    }
    UpdateCounter(position);

    d.numberLine = "Quesito n." + std::to_string(position) + " su " + std::to_string(m_set->Count())
                   + " totali - (codice " + std::to_string(q.IDGazzetta) + ")";
    d.passageButton = !q.Brano.empty() || !q.Hint.empty() || !q.Immagine.empty();
    d.passageCaption = !q.Brano.empty() ? "Leggi Brano" : !q.Hint.empty() ? "Spiegazione" : "Vedi immagine";
    switch (q.Difficolta) {
    case 1:
        d.difficultyWord = "facile";
        d.difficultyColour = RGB(0, 192, 0);
        break;
    case 2:
        d.difficultyWord = "media";
        d.difficultyColour = RGB(192, 192, 0);
        break;
    case 3:
        d.difficultyWord = "difficile";
        d.difficultyColour = RGB(192, 0, 0);
        break;
    default:
        break;
    }
    d.text = q.VisualDescrizione();
    m_questionLength = static_cast<int32_t>(d.text.size());
    const int32_t answers = q.NumRisposte();
    d.boxVisible[3] = answers >= 4;
    d.boxVisible[4] = answers >= 5;
    d.topic = q.Argomento() ? q.Argomento()->Nome : std::string();
    for (int i = 0; i < 5; ++i) d.answers[i] = q.VisualRisposta(i + 1);
    m_view.DisplayQuestion(d);
    ShowMark(q);

    if (q.Difficolta == Cancelled) {
        std::string text = "Il quesito attualmente visualizzato è stato ufficialmente annullato.\r\n"
                           "Esso NON verrà proposto in sede d'esame, e quindi NON è necessario memorizzarlo.\r\n\r\n"
                           "In questo test la risposta esatta è la lettera  --";
        text += Letter(q.RispostaCorretta);
        text += "--";
        m_view.ShowCancelledNotice(text);
    }
}

void QuizSession::ShowMark(const cQuesito& q) { m_view.SetErrataMark(ReadRecord(m_store, q.Codice).bnUltimoEsito == 2); }

void QuizSession::GiveAnswer(int index)
{
    const auto q = Current();
    if (!q || index < 0 || index > 4) return;
    m_view.SetPointerTracking(false);
    for (int i = 0; i < 5; ++i) m_view.SetAnswerState(i, i == index ? 2 : 0);

    q->RispostaData = index + 1;
    const bool right = q->RispostaData == q->RispostaCorretta;
    ModFunzioni::WriteLog(AnswerLog::Line(Clock::NowText(), q->Codice, right));
    if (right) ++m_correctCount;

    cRecordSpec rec = ReadRecord(m_store, q->Codice);
    if (right) {
        ++rec.nEsatte;
    } else {
        rec.bnUltimoEsito = 2;
        ++rec.nSbagliate;
    }
    WriteRecord(m_store, q->Codice, rec);
    // Kept before the result window: a test killed while it is open keeps this answer.
    KeepProgress();

    m_view.ShowAnswerResult(q->RispostaData, q->RispostaCorretta);
    NextQuestion(false);
}

void QuizSession::Defer()
{
    if (!Current()) return;
    // An earlier interrupted test is replaced only once this one holds an answer.
    if (std::any_of(m_set->begin(), m_set->end(), [](const auto& q) { return q->RispostaData != 0; }))
        KeepProgress();
    NextQuestion(false);
}

void QuizSession::ToggleMark()
{
    const auto q = Current();
    if (!q) return;
    cRecordSpec rec = ReadRecord(m_store, q->Codice);
    rec.bnUltimoEsito = rec.bnUltimoEsito != 2 ? 2 : 1;
    WriteRecord(m_store, q->Codice, rec);
    ShowMark(*q);
}

void QuizSession::UpdateCounter(int32_t position)
{
    if (position - 1 > m_passedCount) m_passedCount = position - 1;
    std::string text = "Risposte esatte: " + std::to_string(m_correctCount) + " su " + std::to_string(m_passedCount);
    if (m_passedCount >= 1) text += "  (" + std::to_string(m_correctCount * 100 / m_passedCount) + "%)";
    m_view.SetCounterText(text);
}

void QuizSession::EndTest()
{
    m_finished = true;
    m_countdown = false;
    m_view.StopCountdown();
    m_view.SetPointerTracking(false);
    if (!m_progressFile.empty()) {
        std::error_code ec;
        std::filesystem::remove(m_progressFile, ec);
    }
    const int32_t total = m_set->Count();
    // An empty test cannot reach here from the start screen; never divide by zero.
    const int32_t percent = total > 0 ? m_correctCount * 100 / total : 0;
    m_view.FinishTest("  TEST COMPLETATO!\r\n\r\nSono stati indovinati " + std::to_string(m_correctCount)
                      + " quesiti, pari al " + std::to_string(percent) + "% delle " + std::to_string(total)
                      + " domande totali.");
}

void QuizSession::CountdownTick()
{
    if (!m_countdown) return;
    if (--m_timeSeconds < 0) {
        m_timeSeconds = 59;
        if (--m_timeMinutes < 0) {
            m_timeMinutes = 59;
            if (--m_timeHours < 0) m_timeHours = 0;
        }
    }
    m_view.ShowTime(TimeText());
    if (m_timeHours == 0 && m_timeMinutes == 0 && m_timeSeconds == 0) {
        // Stopped before the message so that no tick arrives while it is open.
        m_countdown = false;
        m_view.StopCountdown();
        m_view.ShowTimeExpired();
    }
}

std::string QuizSession::TimeText() const
{
    char buf[48];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", m_timeHours, m_timeMinutes, m_timeSeconds);
    return buf;
}

int QuizSession::RevealIndex() const
{
    const auto q = Current();
    return q ? q->RispostaCorretta - 1 : -1;
}

std::string QuizSession::CorrectAnswerText() const
{
    const auto q = Current();
    if (!q) return {};
    return std::string("La risposta corretta per questa domanda è la '") + Letter(q->RispostaCorretta) + "'.";
}

Expected<void> QuizSession::SaveSession(const std::filesystem::path& path) const
{
    return ModFunzioni::SaveSession(path, m_currentIndex);
}
