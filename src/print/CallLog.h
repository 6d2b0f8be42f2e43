#pragma once

#include <string>
#include <vector>

namespace word {

// Every call the object model receives, one line each ("Styles.Add(\"Domanda\")",
// "PageSetup.TopMargin = 34.02"), when a log is attached to the application.
class CallLog {
public:
    void Add(std::string entry) { m_entries.push_back(std::move(entry)); }
    const std::vector<std::string>& Entries() const { return m_entries; }
    void Clear() { m_entries.clear(); }

private:
    std::vector<std::string> m_entries;
};

}  // namespace word
