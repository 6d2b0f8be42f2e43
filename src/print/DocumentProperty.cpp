#include "print/DocumentProperty.h"

#include <array>

namespace word {

bool DocumentProperty::IsKnown(std::string_view name)
{
    constexpr std::array<std::string_view, 8> Known = {"Title",    "Subject",  "Author",  "Keywords",
                                                       "Comments", "Category", "Company", "Manager"};
    for (const auto k : Known)
        if (k == name) return true;
    return false;
}

std::string DocumentProperty::Value() const
{
    for (const auto& [name, value] : m_document->properties)
        if (name == m_name) return value;
    return {};
}

void DocumentProperty::SetValue(const std::string& value)
{
    m_document->app->Log([&] { return "BuiltInDocumentProperties(" + Quote(m_name) + ").Value = " + Quote(value); });
    for (auto& [name, stored] : m_document->properties) {
        if (name == m_name) {
            stored = value;
            return;
        }
    }
    m_document->properties.emplace_back(m_name, value);
}

}  // namespace word
