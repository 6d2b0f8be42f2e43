#include "tools/import/HtmlText.h"

#include "tools/import/TextTools.h"

#include <libxml/HTMLparser.h>

#include <climits>
#include <cstring>
#include <memory>

namespace Import {

namespace {

bool IsBlock(const char* name)
{
    static constexpr const char* Blocks[] = {"p", "div", "li", "tr", "h1", "h2", "h3", "h4", "h5", "h6",
                                             "ul", "ol", "table", "blockquote", "pre", "dd", "dt"};
    for (const char* b : Blocks)
        if (std::strcmp(name, b) == 0) return true;
    return false;
}

void Walk(const xmlNode* node, std::string& out, int depth)
{
    // Hostile nesting ends here rather than in a stack overflow.
    if (depth > 200) return;
    for (; node; node = node->next) {
        if (node->type == XML_TEXT_NODE || node->type == XML_CDATA_SECTION_NODE) {
            if (node->content) out += reinterpret_cast<const char*>(node->content);
        } else if (node->type == XML_ELEMENT_NODE) {
            const char* name = reinterpret_cast<const char*>(node->name);
            if (std::strcmp(name, "script") == 0 || std::strcmp(name, "style") == 0) continue;
            if (std::strcmp(name, "br") == 0) {
                out += '\n';
                continue;
            }
            const bool block = IsBlock(name);
            if (block) out += '\n';
            Walk(node->children, out, depth + 1);
            if (block) out += '\n';
        }
    }
}

// Lines of collapsed blanks joined with "<br>", empty lines dropped.
std::string JoinLines(std::string_view text)
{
    std::string out;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t nl = text.find('\n', start);
        const size_t end = nl == std::string_view::npos ? text.size() : nl;
        const std::string line = CollapseBlanks(text.substr(start, end - start));
        if (!line.empty()) {
            if (!out.empty()) out += "<br>";
            out += line;
        }
        if (nl == std::string_view::npos) break;
        start = nl + 1;
    }
    return out;
}

}  // namespace

std::string HtmlToText(std::string_view html)
{
    if (Trim(html).empty()) return {};
    if (html.size() > INT_MAX) return {};
    const std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)> doc(
        htmlReadMemory(html.data(), static_cast<int>(html.size()), nullptr, "UTF-8",
                       HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET | HTML_PARSE_NOBLANKS),
        xmlFreeDoc);
    if (!doc) return {};
    std::string text;
    Walk(xmlDocGetRootElement(doc.get()), text, 0);
    // A non-breaking space is a blank here.
    for (size_t at; (at = text.find("\xC2\xA0")) != std::string::npos;) text.replace(at, 2, " ");
    return JoinLines(text);
}

std::string PlainToText(std::string_view plain)
{
    std::string text(plain);
    for (char& c : text)
        if (c == '\r') c = '\n';
    return JoinLines(text);
}

}  // namespace Import
