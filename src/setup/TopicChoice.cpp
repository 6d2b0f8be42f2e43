#include "setup/TopicChoice.h"

#include "bank/cDocumento.h"

TopicChoice TopicChoice::Load(const std::string& dataFile, int32_t topic)
{
    cDocumento document;
    document.LoadArgomentiFromText(dataFile);
    TopicChoice choice;
    choice.rows.emplace_back("TUTTI GLI ARGOMENTI");
    if (document.Argomenti().Count() < 2) return choice;
    for (const auto& argomento : document.Argomenti()) {
        choice.rows.push_back(argomento->Nome);
        if (argomento->ID == topic) choice.selected = static_cast<int32_t>(choice.rows.size()) - 1;
    }
    return choice;
}
