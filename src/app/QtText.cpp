#include "QtText.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace QtText {

QString FromCp1252(std::string_view text)
{
    QStringDecoder decoder("windows-1252");
    return decoder.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
}

std::string ToCp1252(const QString& text)
{
    QStringEncoder encoder("windows-1252", QStringConverter::Flag::Default);
    const QByteArray bytes = encoder.encode(text);
    std::string out(bytes.constData(), static_cast<size_t>(bytes.size()));
    // The converter marks what it cannot encode with SUB; a file wants a plain "?".
    for (char& c : out)
        if (c == '\x1A') c = '?';
    return out;
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
