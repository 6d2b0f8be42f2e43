#pragma once

#include "bank/cTema.h"

#include <memory>
#include <string>
#include <vector>

// The themes in their fixed order, found by position (from 1) or by key.
class cTemi {
public:
    // A BankError when absent.
    std::shared_ptr<cTema> Item(int32_t index) const;
    std::shared_ptr<cTema> Item(const std::string& chiave) const;
    int32_t Count() const { return static_cast<int32_t>(m_items.size()); }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

    // Appends a theme for its colours to be set; a key already present is a BankError.
    std::shared_ptr<cTema> NewTheme(const std::string& chiave, const std::string& nome);

private:
    std::vector<std::shared_ptr<cTema>> m_items;
};

namespace ModThemes {

// "default", "bright" and "dark", in this order.
std::shared_ptr<cTemi> InitThemes();

}  // namespace ModThemes
