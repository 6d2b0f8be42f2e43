#pragma once

#include <cstdint>
#include <string>

// One entry of the start screen's topic list.
struct cFiltroMain {
    // Empty: the topic's name; "*U": the name in upper case; "*": the name.
    std::string Descrizione;
    int32_t PrimoArg = 0;
    int32_t UltimoArg = 0;
    int32_t ExtraArg = 0;
    int32_t PrimoIDGazzetta = -1;
    int32_t UltimoIDGazzetta = -1;
};
