#include "app/CommandLine.h"

#include "setup/BuildConstants.h"

#include <string_view>
#include <system_error>
#include <vector>

namespace CommandLine {

namespace {

std::string VersionLine()
{
    return std::string(BuildConstants::ProductName) + " " + TQ_VERSION + "\n";
}

std::string HelpText()
{
    return "Uso: tessarondequiz [FILE.test]\n"
           "     tessarondequiz --help | --version\n\n" +
           VersionLine() +
           "Esercitazione alla prova scritta a quiz del concorso\n\"" +
           std::string(BuildConstants::CompetitionTitle) +
           "\".\n"
           "Senza argomenti apre la finestra iniziale, dove si sceglie il test;\n"
           "con FILE.test riprende quel test in sospeso.\n\n"
           "Opzioni:\n"
           "  -h, --help   mostra questo aiuto ed esce\n"
           "  --version    mostra la versione ed esce\n\n"
           "Le statistiche, il registro, il test interrotto e lo storico stanno accanto all'archivio\n"
           "dei quesiti; se quella cartella è di sola lettura, in\n"
           "$XDG_DATA_HOME/Tessarondequiz (di norma ~/.local/share/Tessarondequiz).\n";
}

Request Refuse(const std::string& what)
{
    return {BadUsage, "", "tessarondequiz: " + what + "\nPer l'elenco delle opzioni: tessarondequiz --help\n", {}};
}

}  // namespace

Request Parse(int argc, const char* const* argv)
{
    std::vector<std::string_view> files;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            if (arg == "--help" || arg == "-h") return {0, HelpText(), "", {}};
            if (arg == "--version") return {0, VersionLine(), "", {}};
            if (arg == "--") {
                optionsEnded = true;
                continue;
            }
            return Refuse("opzione sconosciuta \"" + std::string(arg) + "\"");
        }
        files.push_back(arg);
    }
    if (files.size() > 1) return Refuse("si può indicare un solo test in sospeso");
    Request request;
    if (!files.empty()) {
        std::error_code error;
        const std::filesystem::path file(files.front());
        request.sessionFile = std::filesystem::absolute(file, error);
        if (error) request.sessionFile = file;
    }
    return request;
}

}  // namespace CommandLine
