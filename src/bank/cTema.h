#pragma once

#include <cstdint>
#include <string>

// A colour as 0x00BBGGRR: red in the lowest byte.
using TemaColor = uint32_t;

constexpr TemaColor RGB(uint32_t r, uint32_t g, uint32_t b) { return r | (g << 8) | (b << 16); }

// A colour theme of the quiz screen.
struct cTema {
    std::string Chiave;
    std::string Nome;
    TemaColor Color_Background = 0;
    TemaColor Color_LeftBand = 0;
    TemaColor Color_QuestionFore = 0;
    TemaColor Color_Argomento = 0;
    TemaColor Color_TopB_Background = 0;
    TemaColor Color_TopB_Logo = 0;
    TemaColor Color_TopB_Counter = 0;
    TemaColor Color_TopB_NumeroDom = 0;
    TemaColor Color_S0_AnswerSide = 0;
    TemaColor Color_S0_AnswerLetter = 0;
    TemaColor Color_S0_AnswerBox = 0;
    TemaColor Color_S0_AnswerText = 0;
    TemaColor Color_S1_AnswerSide = 0;
    TemaColor Color_S1_AnswerLetter = 0;
    TemaColor Color_S1_AnswerBox = 0;
    TemaColor Color_S1_AnswerText = 0;
    TemaColor Color_S2_AnswerSide = 0;
    TemaColor Color_S2_AnswerLetter = 0;
    TemaColor Color_S2_AnswerBox = 0;
    TemaColor Color_S2_AnswerText = 0;
    bool Flag_DarkStats = false;
};
