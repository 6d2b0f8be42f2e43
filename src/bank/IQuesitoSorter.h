#pragma once

#include <string>

class cQuesito;

// Ordering key of a question for a draw, or SkipKey to leave it out.
class IQuesitoSorter {
public:
    static constexpr const char* SkipKey = "_SKIP_";

    virtual ~IQuesitoSorter() = default;
    virtual std::string GetOrder(const cQuesito& oQuesito) = 0;

    // Around the GetOrder calls of one draw: a sorter may fetch what it needs once here
    // instead of once per question.
    virtual void BeginDraw() {}
    virtual void EndDraw() {}
};
