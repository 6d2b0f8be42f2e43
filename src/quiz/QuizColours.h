#pragma once

#include "cTema.h"

// Colour steps of the quiz screen's "bright" look: labels meant for a dark
// band are darkened, the reveal button is lightened.
namespace QuizColours {

// Each channel halved, rounded to nearest with ties to even.
TemaColor DarkenColour(TemaColor colour);
// Each channel × 4/3, rounded to nearest, capped at 255.
TemaColor LightenColour(TemaColor colour);

}  // namespace QuizColours
