#pragma once

// Window positions are given in twips (1440 per inch); the screen counts pixels.
namespace Twips {

inline constexpr int PerInch = 1440;

// From the logical DPI: 15 twips per pixel at 96 DPI.
int ToPixels(int twips, double logicalDpi);
int FromPixels(int pixels, double logicalDpi);

// The same with the primary screen's logical DPI (96 when there is no screen).
int ToPixels(int twips);
int FromPixels(int pixels);

}  // namespace Twips
