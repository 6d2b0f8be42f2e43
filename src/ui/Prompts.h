#pragma once

#include "bank/UserMessage.h"

#include <QString>

// Every message box and file dialog of the program goes through here, so
// tests can answer them and read back exactly what the user was asked.

enum class PromptButtons { Ok, YesNo };
enum class PromptAnswer { Ok, Yes, No };

struct MessageRequest {
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::None;
    PromptButtons buttons = PromptButtons::Ok;
    PromptAnswer defaultButton = PromptAnswer::Ok;
};

enum class FileDialogMode { Open, Save };

struct FileRequest {
    QString title;
    QString filter;  // Qt form: "Test in sospeso (*.test)"
    FileDialogMode mode = FileDialogMode::Open;
    // Saving: the extension a name typed without one gets ("test"), and the
    // path offered at first (a folder, or a folder and a name); both may be empty.
    QString suffix;
    QString suggested;
};

class IPrompts {
public:
    virtual ~IPrompts() = default;
    virtual PromptAnswer Message(const MessageRequest& request) = 0;
    // The chosen path, or empty when the user cancelled.
    virtual QString File(const FileRequest& request) = 0;
};

// Real message boxes and file dialogs.
class QtPrompts : public IPrompts {
public:
    PromptAnswer Message(const MessageRequest& request) override;
    QString File(const FileRequest& request) override;
};

namespace Prompts {

// The prompts in force: the real ones unless a test installed others.
IPrompts& Current();
// Null puts the real ones back.
void Install(IPrompts* prompts);

// Shorthands for the usual cases.
PromptAnswer Show(const MessageRequest& request);
void Tell(const UserMessage& message);
void Tell(const QString& title, const QString& text, MessageIcon icon);
// Yes/No with No as the default; true on "Sì".
bool Confirm(const QString& title, const QString& text, MessageIcon icon);
QString OpenFile(const QString& title, const QString& filter);
// The chosen name gets "." + suffix when it has no extension of its own.
QString SaveFile(const QString& title, const QString& filter, const QString& suffix,
                 const QString& suggested = {});

// The filter of suspended-test files.
QString SessionFileFilter();

}  // namespace Prompts
