#include "ui/QtText.h"

#include "bank/Cp1252.h"

#include <QFile>

namespace QtText {

QString FromCp1252(std::string_view text) { return FromUtf8(Cp1252::ToUtf8(text)); }

std::string ToCp1252(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return Cp1252::FromUtf8Lenient(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::filesystem::path ToPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString FromPath(const std::filesystem::path& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

}  // namespace QtText
