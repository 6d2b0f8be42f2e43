#include "bank/DisplayCleaning.h"

#include "bank/TextConvert.h"

#include <array>
#include <utility>

using TextConvert::ReplaceIgnoreCase;

namespace {

// Applied in this order; replacements are cp1252 bytes.
constexpr std::array<std::pair<std::string_view, std::string_view>, 37> Entities{{
    {"&alpha;", "alfa"},      {"&beta;", "beta"},       {"&gamma;", "gamma"},
    {"&delta;", "delta"},     {"&iquest;", "\xBF"},     {"&iexcl;", "\xA1"},
    {"&laquo;", "\xAB"},      {"&raquo;", "\xBB"},      {"&sect;", "\xA7"},
    {"&szlig;", "\xDF"},      {"&yen;", "\xA5"},        {"&times;", "\xD7"},
    {"&divide;", "\xF7"},     {"&plusmn;", "\xB1"},     {"&deg;", "\xB0"},
    {"&middot;", "\xB7"},     {"&sup1;", "\xB9"},       {"&sup2;", "\xB2"},
    {"&sup3;", "\xB3"},       {"&gt;", ">"},            {"&lt;", "<"},
    {"&le;", "<="},           {"&ge;", ">="},           {"&ne;", "<>"},
    {"&infin;", "[infinito]"}, {"&amp;", "&"},          {"&pound;", "\xA3"},
    {"&pi;", "[pi greco]"},   {"&euro;", "\x80"},       {"&#36;", "$"},
    {"&#64;", "@"},           {"&copy;", "\xA9"},       {"&rarr;", "-->"},
    {"&lambda;", "[lambda]"}, {"&sigma;", "[sigma]"},   {"&xi;", "[xi]"},
    {"&psi;", "[psi]"},
}};

std::string CollapseBlanks(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text)
        if (!(c == ' ' && !out.empty() && out.back() == ' ')) out.push_back(c);
    return out;
}

}  // namespace

std::string CleanForDisplay(std::string_view decoded)
{
    std::string t = ReplaceIgnoreCase(decoded, "<u>", "<<");
    t = ReplaceIgnoreCase(t, "</u>", ">>");
    t = ReplaceIgnoreCase(t, "<i>", "");
    t = ReplaceIgnoreCase(t, "</i>", "\r\n");
    t = CollapseBlanks(t);
    t = ReplaceIgnoreCase(t, "\x85", "...");
    t = ReplaceIgnoreCase(t, "<br>", "\r\n");
    if (t.find('&') != std::string::npos)
        for (const auto& [entity, replacement] : Entities) t = ReplaceIgnoreCase(t, entity, replacement);
    for (char& c : t)
        if (c == '\x93' || c == '\x94') c = '"';
    return std::string(TextConvert::TrimBlanks(t));
}
