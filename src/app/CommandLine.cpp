#include "app/CommandLine.h"

#include "setup/BuildConstants.h"

#include <string_view>

namespace CommandLine {

namespace {

std::string VersionLine()
{
    return std::string(BuildConstants::ProductName) + " " + TQ_VERSION + "\n";
}

std::string HelpText()
{
    return "Uso: tessarondequiz [--help | --version]\n\n" + VersionLine() +
           "Esercitazione alla prova scritta a quiz del concorso\n\"" +
           std::string(BuildConstants::CompetitionTitle) +
           "\".\n"
           "Senza opzioni apre la finestra iniziale, dove si sceglie il test.\n\n"
           "Opzioni:\n"
           "  --help      mostra questo aiuto ed esce\n"
           "  --version   mostra la versione ed esce\n\n"
           "Le statistiche e il registro stanno accanto all'archivio dei quesiti;\n"
           "se quella cartella è di sola lettura, in ~/.local/share/Tessarondequiz.\n";
}

}  // namespace

std::optional<std::string> InfoText(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") return HelpText();
        if (arg == "--version") return VersionLine();
    }
    return std::nullopt;
}

}  // namespace CommandLine
