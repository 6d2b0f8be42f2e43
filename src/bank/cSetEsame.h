#pragma once

#include <cstdint>

// One entry of the exam composition.
struct cSetEsame {
    int32_t IDArgomento = 0;  // 0 = any topic
    int32_t Difficolta = 0;   // 0 = any difficulty
    int32_t NumeroDomande = 0;
};
