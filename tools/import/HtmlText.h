#pragma once

#include <string>
#include <string_view>

namespace Import {

// The text of an HTML fragment: tags stripped, entities decoded, blanks
// collapsed as a browser does; line breaks (<br>, paragraphs, list items)
// become the bank's own "<br>".
std::string HtmlToText(std::string_view html);

// A plain text's line breaks as the bank's "<br>", other blanks collapsed.
std::string PlainToText(std::string_view plain);

}  // namespace Import
