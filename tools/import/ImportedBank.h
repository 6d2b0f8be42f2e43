#pragma once

#include "bank/Diagnostic.h"

#include <string>
#include <vector>

// A bank as an importer reads it, before it becomes readable source: texts in
// UTF-8, plain, one line each; answers in their order, the right one 1-based.
namespace Import {

struct Question {
    int line = 0;          // where the question starts in the input; 0 when unknown
    int numero = 0;        // gazette number; 0 = not given, numbered in input order
    std::string argomento; // topic name; empty = the range or default topic
    int difficolta = 0;    // 0 = not given
    int esatta = 0;        // right answer, 1-based; 0 = unknown
    std::string domanda;
    std::vector<std::string> risposte;
    std::string spiegazione, brano, immagine, nota;
};

struct Bank {
    std::string input;  // labels the diagnostics
    std::vector<std::string> argomenti;
    std::vector<Question> quesiti;
    Diagnostics skipped;  // every item not imported, with its reason
    Diagnostics notes;    // told but imported all the same

    void Skip(int line, std::string reason) { skipped.push_back({input, line, std::move(reason)}); }
    void Note(int line, std::string reason) { notes.push_back({input, line, std::move(reason)}); }
};

}  // namespace Import
