#include "QuizSession.h"

#include "AnswerLog.h"
#include "Clock.h"
#include "ModFunzioni.h"

#include "cTema.h"

#include <cstdio>

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

void QuizSession::StartTest(int32_t timeHours, int32_t timeMinutes, int32_t resumeIndex, int32_t resumeCorrect)
{
    m_questionLength = 0;
    m_view.SetPointerTracking(false);
    m_currentIndex = m_correctCount = m_passedCount = 0;
    NextQuestion(false);
    if (m_finished) return;

    if (timeHours != 0 || timeMinutes != 0) {
        m_timeHours = timeHours;
        m_timeMinutes = timeMinutes;
        m_timeSeconds = 0;
        m_view.ShowTime(TimeText());
        m_countdown = true;
    }

    if (resumeIndex != -1) {
        // The first pending question has had its view counted above; the
        // resumed one is shown without counting another.
        m_currentIndex = resumeIndex;
        m_correctCount = resumeCorrect;
        NextQuestion(true);
    }
}

std::shared_ptr<cQuesito> QuizSession::Current() const
{
    if (m_finished || m_currentIndex < 1 || m_currentIndex > m_set->Count()) return nullptr;
    return m_set->Item(m_currentIndex);
}

void QuizSession::NextQuestion(bool noCount)
{
    for (;;) {
        // Past the end (or at it), wrap round to the first pending question.
        if (m_currentIndex >= m_set->Count() || m_currentIndex < 0) {
            int32_t pending = -1;
            for (int32_t k = 0; k < m_set->Count(); ++k)
                if (m_set->Item(k + 1)->RispostaData == 0) {
                    pending = k;
                    break;
                }
            if (pending < 0) {
                EndTest();
                return;
            }
            UpdateCounter(m_currentIndex + 1);
            m_currentIndex = pending;
        }
        ++m_currentIndex;
        if (m_set->Item(m_currentIndex)->RispostaData == 0) {
            ShowQuestion(m_currentIndex, noCount);
            m_view.SetPointerTracking(true);
            return;
        }
    }
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

    m_view.ShowAnswerResult(q->RispostaData, q->RispostaCorretta);
    NextQuestion(false);
}

void QuizSession::Defer()
{
    if (!Current()) return;
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

bool QuizSession::SaveSession(const std::filesystem::path& path, std::string* error) const
{
    return ModFunzioni::SaveSession(path, m_currentIndex, error);
}
