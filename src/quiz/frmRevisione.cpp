#include "quiz/frmRevisione.h"

#include "bank/cQuesiti.h"

#include "setup/TestResult.h"

#include "ui/Controls.h"
#include "ui/QtText.h"

#include "quiz/frmImmagineDyn.h"
#include "quiz/ReviewTableModel.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTableView>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

QString Html(const std::string& cp1252)
{
    QString text = QtText::FromCp1252(cp1252).toHtmlEscaped();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
    text.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    return text;
}

// The question as on the quiz screen, its answers with the right one in green
// and a wrong one given in red (named too, for those who cannot see colours),
// then its explanation and passage.
QString Detail(const ReviewRow& row)
{
    const cQuesito& q = *row.question;
    QString html;
    if (q.Argomento())
        html += QStringLiteral("<p style=\"color:#606060\">%1</p>").arg(Html(q.Argomento()->Nome));
    html += QStringLiteral("<p><b>%1</b></p>").arg(Html(q.VisualDescrizione()));
    for (int32_t i = 1; i <= q.NumRisposte(); ++i) {
        const QString letter(QChar(u'A' + i - 1));
        QString line = QStringLiteral("<b>%1</b>&nbsp;&nbsp;%2").arg(letter, Html(q.VisualRisposta(i)));
        if (i == q.RispostaCorretta)
            line = QStringLiteral("<span style=\"color:#007000\">%1 <i>(risposta corretta)</i></span>").arg(line);
        else if (i == q.RispostaData)
            line = QStringLiteral("<span style=\"color:#c00000\">%1 <i>(risposta data)</i></span>").arg(line);
        html += QStringLiteral("<p>%1</p>").arg(line);
    }
    if (!q.Hint.empty()) html += QStringLiteral("<h3>Spiegazione</h3><p>%1</p>").arg(Html(q.VisualHint()));
    if (!q.Brano.empty()) html += QStringLiteral("<h3>Brano</h3><p>%1</p>").arg(Html(q.VisualBrano()));
    return html;
}

}  // namespace

frmRevisione::frmRevisione(const cQuesiti& test, const HistoryEntry& result, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmRevisione"));
    setWindowTitle(QStringLiteral("Revisione del test"));
    setModal(true);

    QStringList lines;
    for (const std::string& line : TestResult::Lines(result)) lines << QtText::FromUtf8(line).toHtmlEscaped();
    // The verdict stands out.
    if (result.Exam() && lines.size() > 2) lines[2] = QStringLiteral("<b>%1</b>").arg(lines[2]);
    lbRisultato = Controls::Label(this, "lbRisultato", lines.join(QStringLiteral("<br>")));
    lbRisultato->setTextFormat(Qt::RichText);
    lbRisultato->setWordWrap(true);

    m_model = new ReviewTableModel(ReviewRows(test, result.Items), this);
    m_filter = new QSortFilterProxyModel(this);
    m_filter->setSourceModel(m_model);
    m_filter->setFilterKeyColumn(ReviewTableModel::Esito);

    lvRevisione = Controls::Named(new QTableView(this), "lvRevisione", QStringLiteral("Quesiti del test"));
    lvRevisione->setModel(m_filter);
    lvRevisione->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvRevisione->setSelectionMode(QAbstractItemView::SingleSelection);
    lvRevisione->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvRevisione->setAlternatingRowColors(true);
    lvRevisione->verticalHeader()->hide();
    lvRevisione->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    lvRevisione->horizontalHeader()->setStretchLastSection(true);

    txtDettaglio = Controls::Named(new QTextBrowser(this), "txtDettaglio", QStringLiteral("Quesito selezionato"));
    txtDettaglio->setOpenLinks(false);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(lvRevisione);
    splitter->addWidget(txtDettaglio);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);
    splitter->setChildrenCollapsible(false);

    ckSoloErrate = Controls::Named(new QCheckBox(QStringLiteral("Solo le risposte errate"), this), "ckSoloErrate");
    cmdImmagine = Controls::Named(new QPushButton(QStringLiteral("Vedi immagine"), this), "cmdImmagine");
    cmdImmagine->setAutoDefault(false);
    QSizePolicy keep = cmdImmagine->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    cmdImmagine->setSizePolicy(keep);
    cmdChiudi = Controls::Named(new QPushButton(QStringLiteral("Chiudi"), this), "cmdChiudi");
    cmdChiudi->setAutoDefault(false);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(ckSoloErrate);
    bottom->addStretch();
    bottom->addWidget(cmdImmagine);
    bottom->addWidget(cmdChiudi);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lbRisultato);
    layout->addWidget(splitter, 1);
    layout->addLayout(bottom);

    connect(ckSoloErrate, &QCheckBox::toggled, this, [this](bool onlyWrong) {
        // Wrong and blank: what "Ripeti le errate" would ask again.
        m_filter->setFilterRegularExpression(onlyWrong ? QStringLiteral("^(Errata|In bianco)") : QString());
        if (m_filter->rowCount() > 0) lvRevisione->selectRow(0);
        ShowSelected();
    });
    connect(lvRevisione->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &frmRevisione::ShowSelected);
    connect(cmdImmagine, &QPushButton::clicked, this, &frmRevisione::OpenImage);
    connect(cmdChiudi, &QPushButton::clicked, this, &QDialog::accept);

    // Up and Down move between rows wherever the focus is.
    for (QWidget* w : {static_cast<QWidget*>(ckSoloErrate), static_cast<QWidget*>(cmdImmagine),
                       static_cast<QWidget*>(cmdChiudi), static_cast<QWidget*>(txtDettaglio)})
        w->installEventFilter(this);

    QSize size(900, 700);
    if (const QScreen* s = QGuiApplication::primaryScreen())
        size = size.boundedTo(s->availableGeometry().size() - QSize(40, 60));
    resize(size);
    if (m_filter->rowCount() > 0) lvRevisione->selectRow(0);
    ShowSelected();
    lvRevisione->setFocus();
}

bool frmRevisione::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            QCoreApplication::sendEvent(lvRevisione, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmRevisione::ShowSelected()
{
    const QModelIndex current = lvRevisione->currentIndex();
    m_shown = current.isValid() ? m_model->Row(m_filter->mapToSource(current).row()).question : nullptr;
    if (!m_shown) {
        txtDettaglio->setHtml(m_filter->rowCount() == 0 && ckSoloErrate->isChecked()
                                  ? QStringLiteral("<p>Nessuna risposta errata.</p>")
                                  : QString());
        cmdImmagine->setVisible(false);
        return;
    }
    txtDettaglio->setHtml(Detail(m_model->Row(m_filter->mapToSource(current).row())));
    cmdImmagine->setVisible(!m_shown->Immagine.empty());
}

void frmRevisione::OpenImage()
{
    if (!m_shown || m_shown->Immagine.empty()) return;
    frmImmagineDyn viewer(m_shown, this);
    viewer.exec();
}
