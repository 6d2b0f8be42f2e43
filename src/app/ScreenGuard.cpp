#include "app/ScreenGuard.h"

#include "app/CommandLine.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace ScreenGuard {

namespace {

bool g_armed = false;

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// What could not be opened, as the user set it up.
std::string Reason()
{
    const std::string platform = Environment("QT_QPA_PLATFORM");
    if (!platform.empty() && platform.rfind("xcb", 0) != 0 && platform.rfind("wayland", 0) != 0)
        return "piattaforma grafica \"" + platform + "\" non disponibile";
    const std::string display = Environment("DISPLAY");
    if (!display.empty()) return display;
    const std::string wayland = Environment("WAYLAND_DISPLAY");
    if (!wayland.empty()) return wayland;
    return "la variabile DISPLAY non è impostata";
}

void Handler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (g_armed && type == QtFatalMsg) {
        std::fprintf(stderr, "Impossibile aprire lo schermo: %s\n", Reason().c_str());
        std::fflush(stderr);
        // The toolkit is half started: no destructor may run now.
        std::_Exit(CommandLine::NoScreen);
    }
    const bool platformNoise = context.category && std::string_view(context.category).rfind("qt.qpa", 0) == 0;
    if (g_armed && platformNoise) return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

void Arm()
{
    g_armed = true;
    qInstallMessageHandler(Handler);
}

void Disarm()
{
    g_armed = false;
    qInstallMessageHandler(nullptr);
}

}  // namespace ScreenGuard
