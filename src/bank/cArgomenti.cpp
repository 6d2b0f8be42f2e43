#include "bank/cArgomenti.h"

#include "bank/BankError.h"

std::shared_ptr<cArgomento> cArgomenti::Find(int32_t index) const
{
    if (index < 1 || index > Count()) return nullptr;
    return m_items[static_cast<size_t>(index - 1)];
}

std::shared_ptr<cArgomento> cArgomenti::Item(int32_t index) const
{
    auto topic = Find(index);
    if (!topic) throw BankError(BankError::Kind::TopicIndex, std::to_string(index));
    return topic;
}

std::shared_ptr<cArgomento> cArgomenti::Item(const std::string& nome) const
{
    const auto it = m_byName.find(nome);
    if (it == m_byName.end()) throw BankError(BankError::Kind::TopicName, nome);
    return m_items[it->second];
}

std::shared_ptr<cArgomento> cArgomenti::Add(const std::string& nome)
{
    if (const auto it = m_byName.find(nome); it != m_byName.end()) return m_items[it->second];
    auto topic = std::make_shared<cArgomento>();
    topic->ID = Count() + 1;
    topic->Nome = nome;
    m_byName.emplace(nome, m_items.size());
    m_items.push_back(topic);
    return topic;
}

void cArgomenti::Clear()
{
    m_items.clear();
    m_byName.clear();
}
