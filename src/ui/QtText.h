#pragma once

#include <QString>

#include <filesystem>
#include <string>
#include <string_view>

// The one place where the core's text meets Qt: bank strings are cp1252
// bytes, the core's own messages are UTF-8.
namespace QtText {

QString FromCp1252(std::string_view text);
// Characters cp1252 cannot hold become "?".
std::string ToCp1252(const QString& text);

QString FromUtf8(std::string_view text);

// Paths in the local 8-bit file-name encoding.
std::filesystem::path ToPath(const QString& path);
QString FromPath(const std::filesystem::path& path);

}  // namespace QtText
