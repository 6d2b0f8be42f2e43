#include "ui/Prompts.h"

#include "ui/QtText.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

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
    // No default suffix is added: the name is used as typed.
    if (request.mode == FileDialogMode::Open)
        return QFileDialog::getOpenFileName(DialogParent(), request.title, QString(), request.filter);
    return QFileDialog::getSaveFileName(DialogParent(), request.title, QString(), request.filter);
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
    return Current().File({title, filter, FileDialogMode::Open});
}

QString SaveFile(const QString& title, const QString& filter)
{
    return Current().File({title, filter, FileDialogMode::Save});
}

QString SessionFileFilter() { return QStringLiteral("Test in sospeso (*.test)"); }

}  // namespace Prompts
