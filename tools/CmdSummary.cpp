#include "bank/cDocumento.h"
#include "bank/Cp1252.h"
#include "bank/DataFileFormat.h"

#include "tools/Commands.h"

#include <algorithm>
#include <iostream>
#include <map>

namespace BankTool {

namespace {

struct TopicFigures {
    int questions = 0;
    int32_t firstGazette = 0;
    int32_t lastGazette = 0;
};

std::string Count(int n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

int Summary(const Args& args)
{
    cDocumento document;
    if (!LoadBank(args[0], document)) return ProblemFound;

    std::map<int32_t, TopicFigures> byTopic;  // 0: no topic
    std::map<int32_t, int> byDifficolta;
    int brani = 0, hints = 0, immagini = 0, note = 0;
    for (const auto& q : *document.Quesiti()) {
        auto& t = byTopic[q->Argomento() ? q->Argomento()->ID : 0];
        t.firstGazette = t.questions == 0 ? q->IDGazzetta : std::min(t.firstGazette, q->IDGazzetta);
        t.lastGazette = t.questions == 0 ? q->IDGazzetta : std::max(t.lastGazette, q->IDGazzetta);
        ++t.questions;
        ++byDifficolta[q->Difficolta];
        brani += !q->Brano.empty();
        hints += !q->Hint.empty();
        immagini += !q->Immagine.empty();
        note += !q->Note.empty();
    }

    const int total = document.Quesiti()->Count();
    std::cout << args[0] << ": " << Count(total, "question", "questions") << " in "
              << Count(document.Argomenti().Count(), "topic", "topics") << ", " << document.NumRisposte()
              << " answers per question\n";
    for (const auto& topic : document.Argomenti()) {
        const auto& t = byTopic[topic->ID];
        std::cout << "  " << topic->ID << ". " << Cp1252::ToUtf8(topic->Nome) << ": "
                  << Count(t.questions, "question", "questions");
        if (t.questions > 0) std::cout << ", gazette " << t.firstGazette << "-" << t.lastGazette;
        std::cout << "\n";
    }
    if (byTopic.contains(0)) std::cout << "  without a topic: " << byTopic[0].questions << "\n";
    using namespace DataFileFormat;
    std::cout << "Difficulty: " << byDifficolta[Facile] << " easy, " << byDifficolta[Media] << " medium, "
              << byDifficolta[Difficile] << " hard, " << byDifficolta[Annullato] << " cancelled";
    const int other =
        total - byDifficolta[Facile] - byDifficolta[Media] - byDifficolta[Difficile] - byDifficolta[Annullato];
    if (other > 0) std::cout << ", " << other << " other";
    std::cout << "\nWith a passage: " << brani << ", an explanation: " << hints << ", an image: " << immagini
              << ", a note: " << note << "\n";
    return Success;
}

}  // namespace BankTool
