#include "tools/import/TextTools.h"

#include "bank/Cp1252.h"

namespace Import {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

}  // namespace

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::string CollapseBlanks(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    bool blank = false;
    for (const char c : Trim(s)) {
        if (IsBlank(c)) {
            blank = true;
            continue;
        }
        if (blank) out.push_back(' ');
        blank = false;
        out.push_back(c);
    }
    return out;
}

void AppendWrapped(std::string& text, std::string_view piece)
{
    piece = Trim(piece);
    if (piece.empty()) return;
    if (!text.empty()) text.push_back(' ');
    text.append(piece);
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix)
{
    if (s.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        char a = s[i], b = prefix[i];
        if (a >= 'a' && a <= 'z') a = static_cast<char>(a - 'a' + 'A');
        if (b >= 'a' && b <= 'z') b = static_cast<char>(b - 'a' + 'A');
        if (a != b) return false;
    }
    return true;
}

int ChoiceLetter(std::string_view line, size_t* textStart, bool lowerToo)
{
    size_t i = 0;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    if (i + 1 >= line.size()) return 0;
    char c = line[i];
    if (lowerToo && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c < 'A' || c > 'Z' || (line[i + 1] != ')' && line[i + 1] != '.')) return 0;
    // "A)" then a blank, or the end of the line (an empty choice).
    if (i + 2 < line.size() && line[i + 2] != ' ' && line[i + 2] != '\t') return 0;
    if (textStart) *textStart = i + 2;
    return c - 'A' + 1;
}

std::string CategoryTopic(std::string_view path)
{
    path = Trim(path);
    while (path.starts_with("$")) {
        const size_t slash = path.find('/');
        if (path.find('$', 1) == std::string_view::npos || slash == std::string_view::npos) break;
        path.remove_prefix(slash + 1);
    }
    if (path.starts_with("top/")) path.remove_prefix(4);
    if (path == "top") path = {};
    return CollapseBlanks(path);
}

std::string InputText(std::string data, bool cp1252)
{
    if (cp1252) return Cp1252::ToUtf8(data);
    if (data.starts_with("\xEF\xBB\xBF")) data.erase(0, 3);
    return data;
}

}  // namespace Import
