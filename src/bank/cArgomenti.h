#pragma once

#include "bank/cArgomento.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

// The ordered list of topics, keyed by name.
class cArgomenti {
public:
    // By 1-based position; anything else is a BankError.
    std::shared_ptr<cArgomento> Item(int32_t index) const;
    // By name; a missing name is a BankError.
    std::shared_ptr<cArgomento> Item(const std::string& nome) const;
    // Null instead of an error.
    std::shared_ptr<cArgomento> Find(int32_t index) const;

    int32_t Count() const { return static_cast<int32_t>(m_items.size()); }

    // An existing name returns its topic and adds nothing.
    std::shared_ptr<cArgomento> Add(const std::string& nome);
    void Clear();

    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    std::vector<std::shared_ptr<cArgomento>> m_items;
    std::unordered_map<std::string, size_t> m_byName;
};
