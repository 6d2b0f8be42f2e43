#include "ui/Controls.h"

namespace Controls {

QLabel* Label(QWidget* parent, const QString& name, const QString& text)
{
    auto* label = Named(new QLabel(text, parent), name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QString CaptionName(const QString& caption)
{
    QString name = caption.trimmed();
    if (name.endsWith(QLatin1Char(':'))) name.chop(1);
    return name.trimmed();
}

}  // namespace Controls
