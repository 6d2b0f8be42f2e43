#include "ui/Prompts.h"

#include "ui/QtText.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeView>

#include <algorithm>

namespace {

QMessageBox::Icon ToQt(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QWidget* DialogParent()
{
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

IPrompts* g_installed = nullptr;

// The toolkit's own dialog sizes its columns for English headers: "Dimensione" and
// Italian dates would be cut. Each column but the name takes what its header and
// contents need, once the folder is read; the name takes the rest.
void FitColumns(QFileDialog& dialog)
{
    auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    auto* model = dialog.findChild<QFileSystemModel*>();
    if (!view || !model) return;  // the desktop's own dialog
    const auto fit = [view] {
        QHeaderView* header = view->header();
        for (int column = 1; column < header->count(); ++column) view->resizeColumnToContents(column);
        header->setStretchLastSection(false);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
    };
    QObject::connect(model, &QFileSystemModel::directoryLoaded, view, fit);
    fit();
    dialog.resize(std::max(dialog.sizeHint().width(), 860), std::max(dialog.sizeHint().height(), 480));
}

}  // namespace

PromptAnswer QtPrompts::Message(const MessageRequest& request)
{
    // The texts keep their CR LF line breaks; a label wants plain LF.
    QString text = request.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(ToQt(request.icon), request.title, text, QMessageBox::NoButton, DialogParent());
    box.setTextFormat(Qt::PlainText);
    if (request.buttons == PromptButtons::YesNo) {
        QPushButton* yes = box.addButton(QStringLiteral("Sì"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
        box.setDefaultButton(request.defaultButton == PromptAnswer::Yes ? yes : no);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? PromptAnswer::Yes : PromptAnswer::No;
    }
    box.addButton(QMessageBox::Ok);
    box.exec();
    return PromptAnswer::Ok;
}

QString QtPrompts::File(const FileRequest& request)
{
    QFileDialog dialog(DialogParent(), request.title, request.suggested, request.filter);
    const bool save = request.mode == FileDialogMode::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // Added before the dialog asks whether to replace a file, so it asks about the right one.
    dialog.setDefaultSuffix(request.suffix);
    FitColumns(dialog);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

namespace Prompts {

IPrompts& Current()
{
    static QtPrompts real;
    return g_installed ? *g_installed : real;
}

void Install(IPrompts* prompts) { g_installed = prompts; }

PromptAnswer Show(const MessageRequest& request) { return Current().Message(request); }

void Tell(const QString& title, const QString& text, MessageIcon icon)
{
    Show({title, text, icon, PromptButtons::Ok, PromptAnswer::Ok});
}

void Tell(const UserMessage& message)
{
    Tell(QtText::FromUtf8(message.title), QtText::FromUtf8(message.text), message.icon);
}

bool Confirm(const QString& title, const QString& text, MessageIcon icon)
{
    return Show({title, text, icon, PromptButtons::YesNo, PromptAnswer::No}) == PromptAnswer::Yes;
}

QString OpenFile(const QString& title, const QString& filter)
{
    return Current().File({title, filter, FileDialogMode::Open, {}, {}});
}

QString SaveFile(const QString& title, const QString& filter, const QString& suffix, const QString& suggested)
{
    QString file = Current().File({title, filter, FileDialogMode::Save, suffix, suggested});
    // A name the load dialog's filter would hide, were it kept without its extension.
    if (!file.isEmpty() && !suffix.isEmpty() && QFileInfo(file).suffix().isEmpty()) file += '.' + suffix;
    return file;
}

QString SessionFileFilter() { return QStringLiteral("Test in sospeso (*.test)"); }

}  // namespace Prompts
