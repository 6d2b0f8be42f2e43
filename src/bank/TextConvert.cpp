#include "bank/TextConvert.h"

#include <cmath>
#include <cstdlib>

namespace TextConvert {

namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsAsciiLetter(char c) { return LowerAscii(c) >= 'a' && LowerAscii(c) <= 'z'; }

// Where `what` next occurs in `text` from `from` on, in any case. What starts
// with a sign ("<", "&") is looked for with a plain search, which is far quicker.
size_t FindIgnoreCase(std::string_view text, std::string_view what, size_t from)
{
    const char first = what[0];
    for (size_t i = from; i + what.size() <= text.size(); ++i) {
        if (!IsAsciiLetter(first)) {
            i = text.find(first, i);
            if (i == std::string_view::npos || i + what.size() > text.size()) return std::string_view::npos;
        } else if (LowerAscii(text[i]) != LowerAscii(first)) {
            continue;
        }
        if (EqualsIgnoreCase(text.substr(i, what.size()), what)) return i;
    }
    return std::string_view::npos;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::optional<Decimal> ToDecimal(std::string_view text)
{
    text = TrimBlanks(text);
    if (text.empty()) return std::nullopt;
    Decimal value;
    size_t i = 0;
    if (text[0] == '+' || text[0] == '-') {
        value.negative = text[0] == '-';
        ++i;
    }
    size_t digits = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits) {
        value.whole = value.whole * 10 + (text[i] - '0');
        if (value.whole > 4294967296LL) return std::nullopt;
    }
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        ++i;
        const size_t fracStart = i;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits) {}
        const std::string_view frac = text.substr(fracStart, i - fracStart);
        const size_t nonZero = frac.find_first_not_of('0');
        if (nonZero != std::string_view::npos) {
            if (frac[0] > '5') value.fraction = Decimal::Fraction::AboveHalf;
            else if (frac[0] < '5') value.fraction = Decimal::Fraction::BelowHalf;
            else if (frac.find_first_not_of('0', 1) == std::string_view::npos) value.fraction = Decimal::Fraction::Half;
            else value.fraction = Decimal::Fraction::AboveHalf;
        }
    }
    if (digits == 0 || i != text.size()) return std::nullopt;
    return value;
}

std::optional<int32_t> Round(const Decimal& value)
{
    int64_t whole = value.whole;
    using F = Decimal::Fraction;
    if (value.fraction == F::AboveHalf || (value.fraction == F::Half && whole % 2 == 1)) ++whole;
    if (value.negative) whole = -whole;
    if (whole < INT32_MIN || whole > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(whole);
}

std::optional<int32_t> ToInt32(std::string_view text)
{
    const auto value = ToDecimal(text);
    return value ? Round(*value) : std::nullopt;
}

std::optional<bool> ToBool(std::string_view text)
{
    const auto t = TrimBlanks(text);
    if (EqualsIgnoreCase(t, "true") || EqualsIgnoreCase(t, "vero")) return true;
    if (EqualsIgnoreCase(t, "false") || EqualsIgnoreCase(t, "falso")) return false;
    if (const auto n = ToInt32(t)) return *n != 0;
    return std::nullopt;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

std::string ToLowerAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out) c = LowerAscii(c);
    return out;
}

std::string ReplaceIgnoreCase(std::string_view text, std::string_view what, std::string_view with)
{
    if (what.empty()) return std::string(text);
    // Copied in runs between matches: most texts hold none, and every
    // displayed text passes through here dozens of times.
    std::string out;
    size_t copied = 0;
    for (size_t i = FindIgnoreCase(text, what, 0); i != std::string_view::npos;
         i = FindIgnoreCase(text, what, copied)) {
        out.append(text.substr(copied, i - copied)).append(with);
        copied = i + what.size();
    }
    if (copied == 0) return std::string(text);
    return out.append(text.substr(copied));
}

}  // namespace TextConvert
