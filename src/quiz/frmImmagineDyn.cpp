#include "quiz/frmImmagineDyn.h"

#include "bank/cQuesito.h"
#include "bank/ModEncoding.h"

#include "ui/Controls.h"
#include "ui/ModGlobal.h"
#include "ui/QtText.h"
#include "ui/Twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace {

int T(int twips) { return Twips::ToPixels(twips); }

}  // namespace

frmImmagineDyn::frmImmagineDyn(std::shared_ptr<cQuesito> question, QWidget* parent)
    : QDialog(parent), m_question(std::move(question))
{
    setObjectName(QStringLiteral("frmImmagineDyn"));
    setWindowTitle(QStringLiteral("Immagine"));
    setModal(true);

    picImg = Controls::Named(new QLabel(this), "picImg", QStringLiteral("Immagine del quesito"));
    cmdChiudi = Controls::Named(new QPushButton(QStringLiteral("Chiudi"), this), "cmdChiudi");
    cmdChiudi->setDefault(true);
    cmdChiudi->resize(T(1215), T(375));
    connect(cmdChiudi, &QPushButton::clicked, this, &QDialog::accept);

    QPixmap picture;
    if (m_question) {
        // Any failure leaves the picture empty.
        const QString path = QtText::FromPath(ImagePath(*m_question));
        if (!picture.load(path)) picture = QPixmap();
    }
    // A picture larger than the screen is shown scaled down to fit.
    if (const QScreen* s = QGuiApplication::primaryScreen(); s && !picture.isNull()) {
        const QSize room = s->availableGeometry().size() - QSize(T(240), T(1200) + cmdChiudi->height());
        if (room.isValid() && (picture.width() > room.width() || picture.height() > room.height()))
            picture = picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    picImg->setPixmap(picture);
    picImg->resize(picture.isNull() ? QSize(0, 0) : picture.size());
    LayoutWindow();
}

std::filesystem::path frmImmagineDyn::ImagePath(const cQuesito& question)
{
    // The stored name is padded with blanks to whole groups, which a file name
    // never ends with; it may carry Windows separators.
    QString name = QtText::FromCp1252(ModEncoding::Decode(question.Immagine)).trimmed();
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    // Images lie beside their bank.
    return ModGlobal::Shared().CurrentFiles().data.parent_path() / QtText::ToPath(name);
}

void frmImmagineDyn::LayoutWindow()
{
    const int width = std::max(picImg->width(), T(1800)) + T(240);
    const int height = cmdChiudi->height() + picImg->height() + T(800);
    if (size() != QSize(width, height)) setFixedSize(width, height);
    picImg->move((width - picImg->width()) / 2, T(60));
    cmdChiudi->move((width - cmdChiudi->width()) / 2, height - cmdChiudi->height() - T(600));
}

void frmImmagineDyn::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    LayoutWindow();
}
