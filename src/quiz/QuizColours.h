#pragma once

#include "bank/cTema.h"

// Colour steps of the quiz screen's "bright" look: labels meant for a dark
// band are darkened, the reveal button is lightened.
namespace QuizColours {

// Each channel halved, rounded to nearest with ties to even.
TemaColor DarkenColour(TemaColor colour);
// Each channel × 4/3, rounded to nearest, capped at 255.
TemaColor LightenColour(TemaColor colour);

// From 1 (same luminance) to 21 (black on white).
double Contrast(TemaColor a, TemaColor b);

// The text colour itself when it stands out from the background by at least
// minRatio (contrast as the accessibility guidelines measure it); otherwise
// the same colour moved towards white or black until it does.
TemaColor Legible(TemaColor text, TemaColor background, double minRatio = 3.0);

}  // namespace QuizColours
