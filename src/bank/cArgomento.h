#pragma once

#include <cstdint>
#include <string>

// A topic of the bank; ID is its 1-based position in the document's list.
struct cArgomento {
    int32_t ID = 0;
    std::string Nome;
};
