// frmMain: its controls, colours and layout.
#include "ui/Controls.h"
#include "ui/ModGlobal.h"
#include "ui/Twips.h"

#include "quiz/frmMain.h"
#include "quiz/QuizColours.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>

using Controls::Label;
using Controls::Named;

namespace {

int T(int twips) { return Twips::ToPixels(twips); }

// Design sizes, in twips.
constexpr int kBoxHeight = 1200;
constexpr int kStripWidth = 555;
constexpr int kAnswerTextLeft = 675;
constexpr int kAnswerTextTop = 60;
constexpr int kBandButtonLeft = 90;
constexpr int kBandButtonWidth = 1620;
constexpr int kMinFontSize = 8;

// Design colours of the band's labels; the bright look darkens them.
constexpr TemaColor kHeaderColour = RGB(192, 192, 192);
// Never darkened: a colour that reads on the dark and the light bands alike.
constexpr TemaColor kVisualColour = RGB(208, 48, 208);
constexpr TemaColor kEsatteColour = RGB(0, 255, 0);
constexpr TemaColor kErrateColour = RGB(255, 112, 112);
constexpr TemaColor kHdrTempoColour = RGB(255, 255, 192);
constexpr TemaColor kTempoColour = RGB(255, 255, 255);
constexpr TemaColor kRevealColour = RGB(255, 128, 255);

QFont Font(const char* family, int pointSize, QFont::Weight weight = QFont::Normal)
{
    QFont font{QString::fromLatin1(family)};
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(pointSize);
    font.setWeight(weight);
    return font;
}

void SetTextColour(QWidget* w, const QColor& colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    w->setPalette(p);
}

void SetBackground(QWidget* w, const QColor& colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    p.setColor(QPalette::Button, colour);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

// A command of the side band: flat in its own background colour (a platform
// bevel would paint its gradient over it), its caption wrapped and, when the
// band is narrow, set smaller until it fits.
class BandButton : public QPushButton {
public:
    BandButton(const QString& text, TemaColor colour, QWidget* parent) : QPushButton(text, parent)
    {
        setFont(Font("Tahoma", 8, QFont::Bold));
        setFocusPolicy(Qt::TabFocus);
        QPalette p = palette();
        p.setColor(QPalette::Button, QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF));
        p.setColor(QPalette::ButtonText, Qt::black);
        setPalette(p);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QColor fill = palette().color(QPalette::Button);
        painter.fillRect(rect(), isDown() ? fill.darker(120) : fill);
        // Dark edges show on the light bands; on the dark ones the colour itself does.
        painter.setPen(QColor(64, 64, 64));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        const QRect area = rect().adjusted(4, 2, -4, -2);
        const int flags = Qt::AlignCenter | Qt::TextWordWrap;
        QFont f = font();
        for (int size = f.pointSize(); size > 6; --size) {
            f.setPointSize(size);
            const QRect need = QFontMetrics(f).boundingRect(area, flags, text());
            if (need.height() <= area.height() && need.width() <= area.width()) break;
        }
        painter.setFont(f);
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(area, flags, text());
        // As the platform styles do: the focus is marked once the keyboard has moved it.
        if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
            painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
            painter.drawRect(rect().adjusted(2, 2, -3, -3));
        }
    }
};

// An answer box: a click anywhere on it, its strip, letter or text answers.
class AnswerBox : public QAbstractButton {
public:
    using QAbstractButton::QAbstractButton;

protected:
    void paintEvent(QPaintEvent*) override {}
};

// Text filled in its colour and outlined in another, so that pale letters stay
// legible on pale boxes (answer letters) and the difficulty word on any band.
class OutlinedLabel : public QLabel {
public:
    using QLabel::QLabel;
    void SetOutline(const QColor& colour, qreal width = 1.2)
    {
        if (colour == m_outline && width == m_width) return;
        m_outline = colour;
        m_width = width;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (text().isEmpty()) return;
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QFontMetrics fm(font());
        const QRect bounds = fm.tightBoundingRect(text());
        const qreal x = alignment() & Qt::AlignHCenter ? (width() - bounds.width()) / 2.0 - bounds.left() : 1.0;
        QPainterPath path;
        path.addText(QPointF(x, (height() - bounds.height()) / 2.0 - bounds.top()), font(), text());
        painter.setPen(QPen(m_outline, m_width));
        painter.setBrush(palette().color(QPalette::WindowText));
        painter.drawPath(path);
    }

    QSize sizeHint() const override { return QLabel::sizeHint() + QSize(3, 2); }
    QSize minimumSizeHint() const override { return sizeHint(); }

private:
    QColor m_outline = Qt::black;
    qreal m_width = 1.2;
};

}  // namespace

QColor frmMain::Colour(uint32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

void frmMain::BuildControls()
{
    picSide = Named(new QWidget(this), "picSide", QStringLiteral("Comandi"));
    picTop = Named(new QWidget(this), "picTop", QStringLiteral("Intestazione"));
    picTop->setAutoFillBackground(true);

    lbLogoTR = Label(picTop, "lbLogoTR", QStringLiteral("tessarondequiz"));
    // The logo takes the band's width over the commands, in the largest size that fits.
    QFont logo = Font("Arial", 13, QFont::Bold);
    logo.setItalic(true);
    while (logo.pointSize() > 7 && QFontMetrics(logo).horizontalAdvance(lbLogoTR->text()) > T(1800) - 4)
        logo.setPointSize(logo.pointSize() - 1);
    lbLogoTR->setFont(logo);
    lbNumero = Label(picTop, "lbNumero");
    lbNumero->setFont(Font("Tahoma", 9, QFont::Bold));
    lbDifficolta = Named(new OutlinedLabel(picTop), "lbDifficolta");
    lbDifficolta->setFont(Font("Tahoma", 10, QFont::Bold));
    lbDifficolta->setAccessibleDescription(QStringLiteral("Difficoltà"));
    lbContaRisposte = Label(picTop, "lbContaRisposte");
    lbContaRisposte->setFont(Font("Tahoma", 9, QFont::Bold));
    auto* top = new QHBoxLayout(picTop);
    top->setContentsMargins(T(300), 0, T(300), 0);
    top->setSpacing(T(315));
    lbLogoTR->setFixedWidth(T(1800));
    top->addWidget(lbLogoTR);
    top->addWidget(lbNumero);
    top->addWidget(lbDifficolta);
    top->addStretch(1);
    top->addWidget(lbContaRisposte);

    lbArgomento = Label(this, "lbArgomento");
    lbArgomento->setFont(Font("Tahoma", 8, QFont::Bold));
    lbQuesito = Label(this, "lbQuesito");
    lbQuesito->setFont(Font("Tahoma", 13));
    lbQuesito->setWordWrap(true);
    lbQuesito->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    for (int i = 0; i < 5; ++i) {
        const QString letter(QChar(u'A' + i));
        auto* box = Named(new AnswerBox(this), QStringLiteral("picBoxRisposta%1").arg(i),
                          QStringLiteral("Risposta ") + letter);
        box->setFocusPolicy(Qt::NoFocus);
        box->setAutoFillBackground(true);
        connect(box, &QAbstractButton::clicked, this, [this, i] { AnswerChosen(i); });
        picBoxRisposta[i] = box;
        picRispSide[i] = Named(new QWidget(box), QStringLiteral("picRispSide%1").arg(i),
                               QStringLiteral("Lato della risposta ") + letter);
        picRispSide[i]->setAutoFillBackground(true);
        lbLetter[i] = Named(new OutlinedLabel(letter, box), QStringLiteral("lbLetter%1").arg(i));
        lbLetter[i]->setAlignment(Qt::AlignCenter);
        lbLetter[i]->setFont(Font("Arial Black", 18, QFont::Black));
        lbRisposta[i] = Label(box, QStringLiteral("lbRisposta%1").arg(i));
        lbRisposta[i]->setFont(Font("Tahoma", 11));
        lbRisposta[i]->setWordWrap(true);
        lbRisposta[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        for (QWidget* part : {picRispSide[i], static_cast<QWidget*>(lbLetter[i]), static_cast<QWidget*>(lbRisposta[i])})
            part->setAttribute(Qt::WA_TransparentForMouseEvents);
        // Inside a button a label would write in the button's text colour.
        lbLetter[i]->setForegroundRole(QPalette::WindowText);
        lbRisposta[i]->setForegroundRole(QPalette::WindowText);
    }
    m_firstBoxHeight = kBoxHeight;

    picStatDomanda = Named(new QWidget(picSide), "picStatDomanda", QStringLiteral("Statistiche del quesito"));
    picStatDomanda->setAutoFillBackground(true);
    auto* stats = new QGridLayout(picStatDomanda);
    stats->setContentsMargins(T(90), T(60), T(90), T(60));
    stats->setVerticalSpacing(T(45));
    stats->setHorizontalSpacing(T(45));
    auto addRow = [&](int row, QLabel*& header, const char* headerName, const QString& caption, QLabel*& value,
                      const char* valueName) {
        header = Label(picStatDomanda, headerName, caption);
        header->setFont(Font("Tahoma", 8));
        value = Label(picStatDomanda, valueName, QStringLiteral("0"));
        value->setFont(Font("Tahoma", 9, QFont::Bold));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setAccessibleDescription(caption);
        stats->addWidget(header, row, 0);
        stats->addWidget(value, row, 1);
    };
    addRow(0, lbhdrVisual, "lbhdrVisual", QStringLiteral("Visualizzazioni:"), lbnVisual, "lbnVisual");
    addRow(1, lbhdrEsatte, "lbhdrEsatte", QStringLiteral("Esatte:"), lbnEsatte, "lbnEsatte");
    addRow(2, lbhdrErrate, "lbhdrErrate", QStringLiteral("Errate:"), lbnErrate, "lbnErrate");
    stats->setColumnStretch(0, 1);

    cmdSalva = Named(new BandButton(QStringLiteral("Registra sessione"), RGB(255, 192, 192), picSide), "cmdSalva");
    cmdRispDopo =
        Named(new BandButton(QStringLiteral("F3 - Rispondi DOPO"), RGB(255, 224, 192), picSide), "cmdRispDopo");
    cmdLeggiBrano = Named(new BandButton(QStringLiteral("Leggi Brano"), RGB(255, 0, 0), picSide), "cmdLeggiBrano");
    cmdLeggiBrano->setVisible(false);
    cmdRispostaCorretta = Named(
        new BandButton(QStringLiteral("Spostare QUI il mouse per visualizzare la Risposta Corretta !"), kRevealColour,
                       picSide),
        "cmdRispostaCorretta");

    lbHdrTempo = Label(picSide, "lbHdrTempo", QStringLiteral("TEMPO"));
    lbHdrTempo->setFont(Font("Tahoma", 9, QFont::Bold));
    lbHdrTempo->setAlignment(Qt::AlignCenter);
    lbTempo = Label(picSide, "lbTempo");
    lbTempo->setFont(Font("Tahoma", 14, QFont::Bold));
    lbTempo->setAlignment(Qt::AlignCenter);
    lbTempo->setAccessibleDescription(QStringLiteral("Tempo rimasto"));

    picErrata = Named(new QWidget(this), "picErrata", QStringLiteral("Contrassegno ERRATA"));
    picErrata->setAutoFillBackground(true);
    lbDaRipetere = Label(picErrata, "lbDaRipetere");
    lbDaRipetere->setFont(Font("Arial", 8, QFont::Bold));
    lbDaRipetere->setWordWrap(true);
    lbDaRipetere->setAlignment(Qt::AlignCenter);
    SetTextColour(lbDaRipetere, QColor(255, 0, 0));
    cmdAddRipetere = Named(new BandButton(QString(), RGB(192, 192, 255), picErrata), "cmdAddRipetere");

    timCountDown = new QTimer(this);
    timCountDown->setObjectName(QStringLiteral("timCountDown"));
    timCountDown->setInterval(1000);
    timUI = new QTimer(this);
    timUI->setObjectName(QStringLiteral("timUI"));
    timUI->setInterval(40);

    // The band sits under the top band and the marking panel.
    picSide->lower();
    picTop->raise();
    picErrata->raise();
    LayoutSideBand();
}

void frmMain::LayoutSideBand()
{
    picStatDomanda->setGeometry(0, T(840), T(1800), T(1260));
    cmdSalva->setGeometry(T(kBandButtonLeft), T(2260), T(kBandButtonWidth), T(390));
    cmdRispDopo->setGeometry(T(kBandButtonLeft), T(2840), T(kBandButtonWidth), T(390));
    cmdLeggiBrano->setGeometry(T(kBandButtonLeft), T(3400), T(kBandButtonWidth), T(450));
    cmdRispostaCorretta->setGeometry(T(kBandButtonLeft), T(7000), T(kBandButtonWidth), T(1100));
    // With a time limit the two labels sit 3000 twips lower, below the reveal button.
    const int shift = m_timeShown ? 3000 : 0;
    lbHdrTempo->setGeometry(0, T(5400 + shift), T(1800), T(300));
    lbTempo->setGeometry(0, T(5700 + shift), T(1800), T(450));
    lbDaRipetere->setGeometry(T(kBandButtonLeft), T(30), T(kBandButtonWidth), T(720));
}

void frmMain::PlaceErrataButton(bool marked)
{
    // Both placements end at 1545 twips; unmarked, the button covers the label's place.
    if (marked)
        cmdAddRipetere->setGeometry(T(kBandButtonLeft), T(750), T(kBandButtonWidth), T(795));
    else
        cmdAddRipetere->setGeometry(T(kBandButtonLeft), T(30), T(kBandButtonWidth), T(1515));
}

void frmMain::ApplyTheme()
{
    const cTema& t = *m_theme;
    SetBackground(this, Colour(t.Color_Background));
    SetBackground(picErrata, Colour(t.Color_Background));
    SetBackground(picSide, Colour(t.Color_LeftBand));
    SetBackground(picStatDomanda, Colour(t.Color_LeftBand));
    // Texts that carry information keep their theme colour unless it would
    // hardly stand out from its band; the logo is decoration.
    using QuizColours::Legible;
    SetTextColour(lbQuesito, Colour(Legible(t.Color_QuestionFore, t.Color_Background)));
    SetTextColour(lbArgomento, Colour(Legible(t.Color_Argomento, t.Color_Background)));
    SetBackground(picTop, Colour(t.Color_TopB_Background));
    SetTextColour(lbLogoTR, Colour(t.Color_TopB_Logo));
    SetTextColour(lbContaRisposte, Colour(Legible(t.Color_TopB_Counter, t.Color_TopB_Background)));
    SetTextColour(lbNumero, Colour(Legible(t.Color_TopB_NumeroDom, t.Color_TopB_Background)));

    // Labels drawn for a dark band are darkened on a light one.
    auto stat = [&](QLabel* label, TemaColor design) {
        SetTextColour(label, Colour(t.Flag_DarkStats ? QuizColours::DarkenColour(design) : design));
    };
    stat(lbhdrVisual, kHeaderColour);
    stat(lbhdrEsatte, kHeaderColour);
    stat(lbhdrErrate, kHeaderColour);
    stat(lbnEsatte, kEsatteColour);
    stat(lbnErrate, kErrateColour);
    stat(lbHdrTempo, kHdrTempoColour);
    stat(lbTempo, kTempoColour);
    SetTextColour(lbnVisual, Colour(kVisualColour));
    if (t.Flag_DarkStats) {
        QPalette p = cmdRispostaCorretta->palette();
        p.setColor(QPalette::Button, Colour(QuizColours::LightenColour(kRevealColour)));
        cmdRispostaCorretta->setPalette(p);
    }

    for (int i = 0; i < 5; ++i) {
        m_state[i] = -1;
        SetAnswerState(i, 0);
    }
}

void frmMain::SetDifficultyColour(const QColor& colour)
{
    SetTextColour(lbDifficolta, colour);
    // Half as bright around the edge: the pale words stay legible on a pale band.
    static_cast<OutlinedLabel*>(lbDifficolta)->SetOutline(QColor(colour.red() / 2, colour.green() / 2, colour.blue() / 2), 0.6);
}

frmMain::AnswerColours frmMain::StateColours(int state) const
{
    const cTema& t = *m_theme;
    switch (state) {
    case 1:
        return {Colour(t.Color_S1_AnswerSide), Colour(t.Color_S1_AnswerLetter), Colour(t.Color_S1_AnswerBox),
                Colour(t.Color_S1_AnswerText)};
    case 2:
        return {Colour(t.Color_S2_AnswerSide), Colour(t.Color_S2_AnswerLetter), Colour(t.Color_S2_AnswerBox),
                Colour(t.Color_S2_AnswerText)};
    default:
        return {Colour(t.Color_S0_AnswerSide), Colour(t.Color_S0_AnswerLetter), Colour(t.Color_S0_AnswerBox),
                Colour(t.Color_S0_AnswerText)};
    }
}

void frmMain::SetAnswerState(int index, int state)
{
    if (index < 0 || index > 4 || state < 0 || state > 2) return;
    // Only what changes is written, so a tick with nothing new repaints nothing.
    const AnswerColours wanted = StateColours(state);
    AnswerColours& now = m_applied[index];
    if (now.side != wanted.side) SetBackground(picRispSide[index], now.side = wanted.side);
    if (now.letter != wanted.letter) SetTextColour(lbLetter[index], now.letter = wanted.letter);
    if (now.box != wanted.box) SetBackground(picBoxRisposta[index], now.box = wanted.box);
    if (now.text != wanted.text) {
        SetTextColour(lbRisposta[index], now.text = wanted.text);
        static_cast<OutlinedLabel*>(lbLetter[index])->SetOutline(wanted.text);
    }
    m_state[index] = state;
}

int frmMain::FitQuestionFont() const
{
    int size = width() > 1100 ? 13 : 10;
    const int length = m_session ? m_session->QuestionLength() : 0;
    if (length > 300) --size;
    if (length > 500) --size;
    if (length > 720 && size > 8) --size;
    return std::max(size, 10);
}

int frmMain::FitAnswerFont(int index) const
{
    const bool longText = lbRisposta[index]->text().size() > 200;
    if (width() > 1000) return longText ? 9 : 11;
    return longText ? 8 : 10;
}

int frmMain::TextHeight(const QLabel* label, int pointSize, int width) const
{
    QFont font = label->font();
    font.setPointSize(pointSize);
    const QRect need = QFontMetrics(font).boundingRect(QRect(0, 0, std::max(width, 1), 1 << 20),
                                                       Qt::AlignLeft | Qt::TextWordWrap, label->text());
    return need.height() + 2;
}

void frmMain::LayoutControls()
{
    if (!lbQuesito) return;
    const int W = width();
    const int H = height();
    picTop->setGeometry(0, T(30), W, T(435));
    picSide->setGeometry(T(300), 0, T(1800), H);
    picErrata->setGeometry(T(300), T(5000), T(1800), T(1575));
    const int topicWidth = std::max(0, W - T(2415) - T(300));
    lbArgomento->setGeometry(T(2415), T(495), topicWidth, T(195));

    // The sizes of the rules first; a text that would not fit then gets
    // smaller, and only after that does the window grow.
    int questionSize = FitQuestionFont();
    int answerSize = 100;
    for (int i = 0; i < 5; ++i) answerSize = std::min(answerSize, FitAnswerFont(i));
    const int questionTop = T(690);
    const int questionWidth = std::max(T(1200), W - T(2700));
    const int boxWidth = std::max(T(1800), W - T(3300));
    const int textWidth = boxWidth - T(kAnswerTextLeft) - T(90);
    const int shown = static_cast<int>(std::count(std::begin(m_boxShown), std::end(m_boxShown), true));
    const int room = H - T(120);
    int questionHeight = 0;
    int boxHeight = 0;
    int answersHeight = 0;
    for (;;) {
        const int questionNeed = TextHeight(lbQuesito, questionSize, questionWidth);
        int answerNeed = 0;
        for (int i = 0; i < 5; ++i)
            if (m_boxShown[i])
                answerNeed = std::max(answerNeed, TextHeight(lbRisposta[i], answerSize, textWidth) + T(kAnswerTextTop) +
                                                      T(90));
        boxHeight = std::max(T(m_firstBoxHeight), answerNeed);
        answersHeight = T(60) + shown * boxHeight + std::max(0, shown - 1) * T(30);
        questionHeight = std::max(T(2100), questionNeed);
        if (questionTop + questionHeight + answersHeight <= room) break;
        // Short of room: the question area gives up its spare space first.
        questionHeight = std::max(questionNeed, room - questionTop - answersHeight);
        if (questionTop + questionHeight + answersHeight <= room) break;
        if (questionSize > kMinFontSize && questionSize >= answerSize)
            --questionSize;
        else if (answerSize > kMinFontSize)
            --answerSize;
        else
            break;
    }

    auto applySize = [](QLabel* label, int size) {
        if (label->font().pointSize() == size) return;
        QFont f = label->font();
        f.setPointSize(size);
        label->setFont(f);
    };
    applySize(lbQuesito, questionSize);
    lbQuesito->setGeometry(T(2400), questionTop, questionWidth, questionHeight);
    for (int i = 0; i < 5; ++i) {
        applySize(lbRisposta[i], answerSize);
        const int top = questionTop + questionHeight + T(60) + i * (boxHeight + T(30));
        picBoxRisposta[i]->setGeometry(T(2700), top, boxWidth, boxHeight);
        picRispSide[i]->setGeometry(0, 0, T(kStripWidth), boxHeight);
        lbLetter[i]->setGeometry(0, 0, T(kStripWidth), boxHeight);
        lbRisposta[i]->setGeometry(T(kAnswerTextLeft), T(kAnswerTextTop), textWidth,
                                   boxHeight - T(kAnswerTextTop) - T(90));
    }

    // What still does not fit makes the window taller, as far as the screen allows.
    const int needed = questionTop + questionHeight + answersHeight + T(120);
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const int screenHeight = screen ? screen->availableGeometry().height() : needed;
    const int minimum = std::max(T(9300), needed > H ? std::min(needed, screenHeight) : 0);
    if (minimumHeight() != minimum) setMinimumHeight(minimum);
}
