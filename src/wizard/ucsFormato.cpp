#include "wizard/ucsFormato.h"

#include "ui/Controls.h"
#include "ui/Prompts.h"

#include "print/CPaginatrice.h"
#include "wizard/ModPrint.h"

#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QColor kPicChosen(128, 255, 160);
const QColor kPicOther(128, 128, 128);
const QColor kLabelChosen(160, 255, 160);
const QColor kLabelOther(160, 160, 160);
// The stage the previews stand on: dark, so the light captions read well.
const QColor kStage(52, 56, 64);

constexpr QSize kPreview(150, 190);

// A sheet of paper with the body of a document in one of the two layouts.
QPixmap Preview(bool table)
{
    QPixmap picture(kPreview);
    picture.fill(Qt::white);
    QPainter p(&picture);
    const QColor ink(70, 70, 70);
    const QColor grey(170, 170, 170);
    if (!table) {
        // Questions in bold, their answers indented beneath.
        qreal y = 14;
        for (int q = 0; q < 5 && y < kPreview.height() - 20; ++q) {
            p.fillRect(QRectF(10, y, q % 2 ? 118 : 130, 4), ink);
            y += 8;
            p.fillRect(QRectF(10, y, 70, 4), ink);
            y += 9;
            for (int a = 0; a < 3; ++a) {
                p.fillRect(QRectF(22, y, 4, 3), grey);
                p.fillRect(QRectF(30, y, 60 + 17 * ((q + a) % 3), 3), grey);
                y += 6;
            }
            y += 6;
        }
        return picture;
    }
    // One row per question: number, question, answers.
    const qreal left = 8, right = kPreview.width() - 8, top = 12;
    const qreal columns[] = {left, 22, 78, 102, 126, right};
    const int rows = 11;
    const qreal rowHeight = 15;
    p.fillRect(QRectF(left, top, right - left, rowHeight), QColor(225, 225, 225));
    p.setPen(QPen(ink, 1));
    for (int r = 0; r <= rows; ++r) p.drawLine(QPointF(left, top + r * rowHeight), QPointF(right, top + r * rowHeight));
    for (const qreal x : columns) p.drawLine(QPointF(x, top), QPointF(x, top + rows * rowHeight));
    for (int r = 0; r < rows; ++r) {
        const qreal y = top + r * rowHeight + 6;
        const QColor fill = r == 0 ? ink : grey;
        p.fillRect(QRectF(left + 3, y, 8, 3), fill);
        p.fillRect(QRectF(columns[1] + 3, y, r == 0 ? 24 : 44 - 9 * (r % 3), 3), fill);
        for (int c = 2; c < 5; ++c) {
            const qreal room = columns[c + 1] - columns[c] - 6;
            p.fillRect(QRectF(columns[c] + 3, y, r == 0 ? 6 : std::min<qreal>(14 + 3 * ((r + c) % 2), room), 3), fill);
        }
    }
    return picture;
}

void Paint(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

}  // namespace

ucsFormato::ucsFormato(QWidget* parent) : QWidget(parent)
{
    setObjectName("ucsFormato");
    lbTitolo = Controls::Label(this, "lbTitolo", QStringLiteral("In quale formato vuoi stampare i quiz?"));
    QFont titleFont = lbTitolo->font();
    titleFont.setBold(true);
    lbTitolo->setFont(titleFont);

    auto* stage = Controls::Named(new QWidget(this), "picStage");
    stage->setAutoFillBackground(true);
    Paint(stage, QPalette::Window, kStage);
    auto* grid = new QGridLayout(stage);
    grid->setContentsMargins(24, 16, 24, 12);
    grid->setHorizontalSpacing(40);
    grid->setVerticalSpacing(8);

    const QString captions[2] = {QStringLiteral("Su più righe"), QStringLiteral("Su più colonne")};
    for (int i = 0; i < 2; ++i) {
        picFormat[i] = Controls::Named(new QLabel(stage), QStringLiteral("picFormat%1").arg(i), captions[i]);
        picFormat[i]->setPixmap(Preview(i == 1));
        // The picture box's colour shows as a frame round the preview.
        picFormat[i]->setMargin(5);
        picFormat[i]->setAutoFillBackground(true);
        Paint(picFormat[i], QPalette::Window, kPicOther);
        picFormat[i]->setCursor(Qt::PointingHandCursor);
        picFormat[i]->setFocusPolicy(Qt::StrongFocus);
        picFormat[i]->installEventFilter(this);

        lbHeaderFormato[i] = Controls::Label(stage, QStringLiteral("lbHeaderFormato%1").arg(i), captions[i]);
        lbHeaderFormato[i]->setAlignment(Qt::AlignCenter);
        lbHeaderFormato[i]->setCursor(Qt::PointingHandCursor);
        Paint(lbHeaderFormato[i], QPalette::WindowText, kLabelOther);
        // Room for the bold caption, so choosing one does not shift the row.
        QFont bold = lbHeaderFormato[i]->font();
        bold.setBold(true);
        lbHeaderFormato[i]->setMinimumWidth(QFontMetrics(bold).horizontalAdvance(captions[i]) + 8);
        lbHeaderFormato[i]->installEventFilter(this);

        grid->addWidget(picFormat[i], 0, i, Qt::AlignHCenter);
        grid->addWidget(lbHeaderFormato[i], 1, i, Qt::AlignHCenter);
    }

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(stage);
    row->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);
    layout->addWidget(lbTitolo);
    layout->addLayout(row);
    layout->addStretch(1);
}

void ucsFormato::Enter()
{
    if (ModPrint::PrintOptions.Formato == 0) ModPrint::EnableButtons(true, false, true);
}

bool ucsFormato::eventFilter(QObject* watched, QEvent* event)
{
    for (int i = 0; i < 2; ++i) {
        if (watched != picFormat[i] && watched != lbHeaderFormato[i]) continue;
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            Choose(i);
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
                Choose(i);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ucsFormato::Choose(int index)
{
    for (int i = 0; i < 2; ++i) {
        const bool chosen = i == index;
        Paint(picFormat[i], QPalette::Window, chosen ? kPicChosen : kPicOther);
        QFont font = lbHeaderFormato[i]->font();
        font.setBold(chosen);
        lbHeaderFormato[i]->setFont(font);
        Paint(lbHeaderFormato[i], QPalette::WindowText, chosen ? kLabelChosen : kLabelOther);
    }
    ModPrint::EnableButtons(true, true, true);
    ModPrint::PrintOptions.Formato = index == 0 ? 1 : 2;
}

bool ucsFormato::Validate()
{
    if (ModPrint::PrintOptions.Formato != 1 || !ModPrint::Printer ||
        ModPrint::Printer->Quesiti().Count() < LargeListWarning)
        return true;
    const MessageRequest question{
        QStringLiteral("Attenzione!"),
        QStringLiteral("Per il formato selezionato e il numero di quesiti da stampare, l'operazione potrebbe "
                       "richiedere alcuni minuti.\r\nSi vuole proseguire?"),
        MessageIcon::Exclamation, PromptButtons::YesNo, PromptAnswer::No};
    return Prompts::Show(question) == PromptAnswer::Yes;
}
