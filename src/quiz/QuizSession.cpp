#include "quiz/QuizSession.h"

#include "bank/cTema.h"
#include "bank/DataFileFormat.h"

#include "setup/Clock.h"
#include "setup/Scoring.h"
#include "setup/SessionFile.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

namespace {

constexpr int32_t Cancelled = DataFileFormat::Annullato;
constexpr int32_t Marked = cRecordSpec::Marked;

}  // namespace

QuizSession::QuizSession(IQuizView& view, QuizInputs inputs)
    : m_view(view),
      m_inputs(std::move(inputs)),
      m_set(m_inputs.questions ? m_inputs.questions : std::make_shared<cQuesiti>())
{
    m_viewed.assign(static_cast<size_t>(m_set->Count()) + 1, false);
    m_late.assign(m_viewed.size(), false);
}

cRecordSpec QuizSession::ReadRecord(int32_t codice) const
{
    return m_inputs.store ? m_inputs.store->ReadRecord(codice) : cRecordSpec{};
}

void QuizSession::WriteRecord(int32_t codice, const cRecordSpec& rec)
{
    const auto& store = m_inputs.store;
    // A store that never opened was told when the test started.
    if (!store || !store->Initialized() || store->WriteRecord(codice, rec) || m_statisticsWarned) return;
    m_statisticsWarned = true;
    m_view.ShowWarning("Non è stato possibile aggiornare il file delle statistiche (disco pieno o file non "
                       "scrivibile).\r\nIl test prosegue, ma le risposte potrebbero non essere registrate.");
}

void QuizSession::StartTest(int32_t resumeIndex, int32_t resumeCorrect)
{
    const bool resumed = resumeIndex != -1;
    m_started = Clock::NowText();
    m_questionLength = 0;
    m_view.SetPointerTracking(false);
    m_currentIndex = m_correctCount = m_passedCount = 0;
    // Set before anything is shown: a resumed test holding every answer ends at once, with its score.
    if (resumed) m_correctCount = resumeCorrect;
    // Set before the first question, which is kept with the time it has.
    const TestRequest& r = m_inputs.request;
    if (r.TimeLimitHours != 0 || r.TimeLimitMinutes != 0)
        StartCountdown(r.TimeLimitHours * 3600 + r.TimeLimitMinutes * 60);
    NextQuestion(false);
    if (m_finished) return;

    if (resumed) {
        // The first pending question has had its view counted above; the
        // resumed one is shown without counting another.
        m_currentIndex = resumeIndex;
        NextQuestion(true);
        // An answer beyond the question shown means the test had gone round
        // once: every question has been passed, and the score never tops 100%.
        for (int32_t p = m_currentIndex + 1; p <= m_set->Count(); ++p)
            if (m_set->Item(p)->RispostaData != 0) {
                UpdateCounter(m_set->Count() + 1);
                break;
            }
        KeepProgress();
    }
}

void QuizSession::ResumeTest(const TestRecord& record)
{
    m_started = record.Started.empty() ? Clock::NowText() : record.Started;
    m_questionLength = 0;
    m_view.SetPointerTracking(false);
    for (size_t i = 0; i < record.Items.size() && i + 1 < m_viewed.size(); ++i) {
        m_viewed[i + 1] = record.Items[i].ViewCounted;
        m_late[i + 1] = record.TimedOut && record.Items[i].Late;
    }
    m_timedOut = record.TimedOut;
    m_correctCount = m_set->NumRisposteEsatte();
    m_passedCount = std::max(record.Passed, 0);

    const int32_t count = m_set->Count();
    const int32_t position = std::clamp(record.Position, 1, std::max(count, 1));
    const bool onScreen = position <= count && m_set->Item(position)->RispostaData == 0 && m_viewed[position];
    const TestRequest& r = m_inputs.request;
    if (r.TimeLimitHours != 0 || r.TimeLimitMinutes != 0)
        StartCountdown(record.SecondsLeft >= 0 ? record.SecondsLeft : r.TimeLimitHours * 3600 + r.TimeLimitMinutes * 60);
    m_currentIndex = position - 1;
    // The question on screen when the test was left had its view counted then.
    NextQuestion(onScreen);
    // A record that does not say how far the test went: an answer beyond the
    // question shown means it had gone round once.
    if (record.Passed < 0 && !m_finished)
        for (int32_t p = m_currentIndex + 1; p <= count; ++p)
            if (m_set->Item(p)->RispostaData != 0) {
                UpdateCounter(count + 1);
                break;
            }
}

void QuizSession::StartCountdown(int32_t seconds)
{
    m_timed = true;
    m_timeHours = seconds / 3600;
    m_timeMinutes = seconds / 60 % 60;
    m_timeSeconds = seconds % 60;
    m_view.ShowTime(TimeText());
    // A test that ran out of time before it was left comes back at 00:00:00, stopped.
    m_countdown = seconds > 0;
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

TestRecord QuizSession::Record(int32_t position) const
{
    TestRecord record = TestRecord::Of(m_inputs.request, *m_set, position);
    record.HasViews = true;
    record.TimedOut = m_timedOut;
    for (size_t i = 0; i < record.Items.size(); ++i) {
        record.Items[i].ViewCounted = m_viewed[i + 1];
        record.Items[i].Late = m_late[i + 1];
    }
    record.Passed = m_passedCount;
    record.SecondsLeft = SecondsLeft();
    record.Started = m_started;
    return record;
}

void QuizSession::KeepProgress()
{
    if (m_inputs.progressFile.empty() || m_finished) return;
    const auto kept = SessionFile::Write(m_inputs.progressFile, Record(m_currentIndex));
    if (kept || m_progressWarned) return;
    m_progressWarned = true;
    m_view.ShowWarning("Non è stato possibile conservare il test in corso (" + kept.error().description +
                       ").\r\nSe il programma si chiude prima della fine, il test non potrà essere ripreso.");
}

void QuizSession::ShowQuestion(int32_t position, bool noCount)
{
    const cQuesito& q = *m_set->Item(position);
    cRecordSpec rec = ReadRecord(q.Codice);

    QuestionDisplay d;
    d.position = position;
    d.views = rec.nVisualizzate;
    d.correct = rec.nEsatte;
    d.wrong = rec.nSbagliate;
    if (!noCount) {
        ++rec.nVisualizzate;
        WriteRecord(q.Codice, rec);
        m_viewed[static_cast<size_t>(position)] = true;
    }
    UpdateCounter(position);
    // Kept once the view is counted: a test left now comes back at this question, not counted again.
    if (!noCount) KeepProgress();

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

void QuizSession::ShowMark(const cQuesito& q) { m_view.SetErrataMark(ReadRecord(q.Codice).bnUltimoEsito == Marked); }

void QuizSession::GiveAnswer(int index)
{
    const auto q = Current();
    if (!q || index < 0 || index > 4) return;
    m_view.SetPointerTracking(false);
    for (int i = 0; i < 5; ++i) m_view.SetAnswerState(i, i == index ? 2 : 0);

    q->RispostaData = index + 1;
    m_late[static_cast<size_t>(m_currentIndex)] = m_timedOut;
    const bool right = q->RispostaData == q->RispostaCorretta;
    m_inputs.log.WriteAnswer(q->Codice, right);
    if (right) ++m_correctCount;

    cRecordSpec rec = ReadRecord(q->Codice);
    if (right) {
        ++rec.nEsatte;
    } else {
        rec.bnUltimoEsito = Marked;
        ++rec.nSbagliate;
    }
    WriteRecord(q->Codice, rec);
    // Kept before the result window: a test killed while it is open keeps this answer.
    KeepProgress();

    m_view.ShowAnswerResult(q->RispostaData, q->RispostaCorretta);
    NextQuestion(false);
}

void QuizSession::Defer()
{
    if (!Current()) return;
    NextQuestion(false);
}

void QuizSession::HandIn()
{
    if (m_finished) return;
    m_handedIn = true;
    EndTest();
}

void QuizSession::ToggleMark()
{
    const auto q = Current();
    if (!q) return;
    cRecordSpec rec = ReadRecord(q->Codice);
    rec.bnUltimoEsito = rec.bnUltimoEsito != Marked ? Marked : cRecordSpec::MarkRemoved;
    WriteRecord(q->Codice, rec);
    ShowMark(*q);
}

void QuizSession::UpdateCounter(int32_t position)
{
    if (position - 1 > m_passedCount) m_passedCount = position - 1;
    std::string text = "Risposte esatte: " + std::to_string(m_correctCount) + " su " + std::to_string(m_passedCount);
    if (m_passedCount >= 1) text += "  (" + std::to_string(Scoring::Percent(m_correctCount, m_passedCount)) + "%)";
    m_view.SetCounterText(text);
}

void QuizSession::EndTest()
{
    m_finished = true;
    m_countdown = false;
    m_view.StopCountdown();
    m_view.SetPointerTracking(false);
    const HistoryEntry result = Result();
    // The test goes into the history before its interrupted copy goes: a kill
    // in between loses neither.
    if (!m_inputs.historyFile.empty())
        if (const auto kept = HistoryFile::Append(m_inputs.historyFile, result); !kept)
            m_view.ShowWarning("Non è stato possibile registrare il test nello storico (" + kept.error().description
                               + ").");
    if (!m_inputs.progressFile.empty()) {
        std::error_code ec;
        std::filesystem::remove(m_inputs.progressFile, ec);
    }
    const int32_t total = m_set->Count();
    m_view.FinishTest("  TEST COMPLETATO!\r\n\r\nSono stati indovinati " + std::to_string(m_correctCount)
                          + " quesiti, pari al " + std::to_string(Scoring::Percent(m_correctCount, total))
                          + "% delle " + std::to_string(total) + " domande totali.",
                      result);
}

HistoryEntry QuizSession::Result() const
{
    HistoryEntry entry;
    entry.Started = m_started;
    entry.Ended = Clock::NowText();
    entry.Request = m_inputs.request;
    entry.HandedIn = m_handedIn;
    entry.TimedOut = m_timedOut;
    entry.Repeat = !m_inputs.request.Codes.empty();
    entry.Items = Record(0).Items;
    return entry;
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
        // The exam's verdict is taken now; the test goes on as practice.
        if (m_inputs.request.OrderMode == OrderEsame) m_timedOut = true;
        m_view.StopCountdown();
        m_view.ShowTimeExpired();
    }
}

int32_t QuizSession::SecondsLeft() const
{
    return m_timed ? m_timeHours * 3600 + m_timeMinutes * 60 + m_timeSeconds : -1;
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
    return SessionFile::Write(path, Record(m_currentIndex));
}
