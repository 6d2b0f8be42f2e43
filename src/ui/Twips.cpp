#include "ui/Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace Twips {

namespace {

double ScreenDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}

}  // namespace

int ToPixels(int twips, double logicalDpi)
{
    return static_cast<int>(std::lround(twips * logicalDpi / PerInch));
}

int FromPixels(int pixels, double logicalDpi)
{
    return logicalDpi > 0 ? static_cast<int>(std::lround(pixels * PerInch / logicalDpi)) : 0;
}

int ToPixels(int twips) { return ToPixels(twips, ScreenDpi()); }

int FromPixels(int pixels) { return FromPixels(pixels, ScreenDpi()); }

}  // namespace Twips
