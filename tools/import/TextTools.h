#pragma once

#include <string>
#include <string_view>

// Small text helpers the importers share (UTF-8 in, UTF-8 out).
namespace Import {

std::string_view Trim(std::string_view s);

// Runs of blanks, tabs and line breaks as one blank, none at either end.
std::string CollapseBlanks(std::string_view s);

// Joins two pieces of a wrapped text with one blank.
void AppendWrapped(std::string& text, std::string_view piece);

bool StartsWithNoCase(std::string_view s, std::string_view prefix);

// "A) text" or "A. text" (the letter upper case): the letter's number 1..26 and
// where the text starts; 0 when the line is no choice.
int ChoiceLetter(std::string_view line, size_t* textStart, bool lowerToo = false);

// The topic of a question category path: "$course$/top/Diritto/Civile" is "Diritto/Civile".
std::string CategoryTopic(std::string_view path);

// The input as UTF-8: without a byte-order mark, converted from cp1252 when asked.
std::string InputText(std::string data, bool cp1252);

}  // namespace Import
