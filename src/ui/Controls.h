#pragma once

#include <QLabel>
#include <QString>

// How every window and wizard page makes its controls: each carries its form
// name (the tab order and tests find it by that), and a screen reader gets a
// name for every control whose own text does not say what it is.
namespace Controls {

// `control` with its form name and, when given, the name a screen reader reads.
template <typename W>
W* Named(W* control, const QString& name, const QString& accessibleName = {})
{
    control->setObjectName(name);
    if (!accessibleName.isEmpty()) control->setAccessibleName(accessibleName);
    return control;
}

// A label of plain text: nothing it shows is taken for markup.
QLabel* Label(QWidget* parent, const QString& name, const QString& text = {});

// The name a caption gives its control: "Numero di quesiti: " reads "Numero di quesiti".
QString CaptionName(const QString& caption);

// A control named by the caption beside it: the caption's buddy (Alt and a
// mnemonic reach it) read by a screen reader under the caption's words.
template <typename W>
W* Captioned(QLabel* caption, W* control, const QString& name)
{
    caption->setBuddy(control);
    return Named(control, name, CaptionName(caption->text()));
}

}  // namespace Controls
