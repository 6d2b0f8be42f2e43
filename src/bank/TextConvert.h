#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Conversions between text and numbers with the lenient rules the data and
// settings files were written with: blanks around a number are allowed and a
// fractional value rounds to the nearest whole number, halves to even.
namespace TextConvert {

std::optional<int32_t> ToInt32(std::string_view text);

// A number as typed, before rounding: its whole part and where its fraction
// stands against one half, which is all that rounding needs.
struct Decimal {
    enum class Fraction { None, BelowHalf, Half, AboveHalf };
    bool negative = false;
    int64_t whole = 0;
    Fraction fraction = Fraction::None;
};
std::optional<Decimal> ToDecimal(std::string_view text);
// The nearest whole number, halves to even; nothing outside 32 bits.
std::optional<int32_t> Round(const Decimal& value);

// "True"/"False"/"Vero"/"Falso" in any case, or a number (0 = false).
std::optional<bool> ToBool(std::string_view text);

// The form booleans are written in.
inline const char* FromBool(bool value) { return value ? "True" : "False"; }

std::string_view TrimBlanks(std::string_view text);

bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// Every occurrence of `what` replaced by `with`, matching ASCII letters in any case.
std::string ReplaceIgnoreCase(std::string_view text, std::string_view what, std::string_view with);

std::string ToLowerAscii(std::string_view text);

}  // namespace TextConvert
