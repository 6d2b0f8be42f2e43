#include "tools/Commands.h"
#include "tools/OutputFile.h"
#include "tools/SourceCompiler.h"
#include "tools/import/BankRules.h"
#include "tools/import/BankUpdate.h"
#include "tools/import/DataFileBank.h"
#include "tools/import/PdfText.h"
#include "tools/import/Readers.h"
#include "tools/import/SourceWriter.h"
#include "tools/import/TextTools.h"

#include "bank/TextFile.h"

#include <algorithm>
#include <iostream>

namespace BankTool {

namespace {

constexpr const char* ImportUsage =
    "Usage: tessarondequiz-bank import FORMAT INPUT [-o SOURCE.txt] [OPTIONS]\n"
    "FORMAT: aiken, gift, moodle-xml, csv, pdf\n"
    "Options:\n"
    "  -o SOURCE.txt            write the readable bank there (default: standard output)\n"
    "  --encoding utf-8|cp1252  the text input's encoding (default utf-8)\n"
    "  --topic \"NAME=FIRST-LAST\" questions numbered FIRST to LAST belong to topic NAME (repeatable)\n"
    "  --default-topic NAME     the topic of questions that have none (default \"Generale\")\n"
    "  --update OLD.dat         keep the positions of the questions of an existing bank\n"
    "  --correct-first          pdf: the right answer is always the first\n"
    "  --key FILE               pdf: the answer key, lines of number and letter (text or PDF)\n"
    "  --text                   pdf: print the text as read, in reading order, and stop\n"
    "A pdf INPUT may also be that text (pages begin with a form feed). Items not imported\n"
    "are told on standard error as INPUT:LINE: reason; exit status 0 when everything was\n"
    "imported, 1 when something was skipped, 2 for bad usage or an unreadable input.\n";

constexpr const char* Formats[] = {"aiken", "gift", "moodle-xml", "csv", "pdf"};

struct ImportOptions {
    std::string format;
    std::filesystem::path input, output, update, key;
    bool cp1252 = false, correctFirst = false, text = false;
    Import::Rules rules;
};

bool Parse(const Args& args, ImportOptions& o, std::string& why)
{
    std::vector<std::string> positional;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if ((a == "-o" || a == "--encoding" || a == "--topic" || a == "--default-topic" || a == "--update"
             || a == "--key")
            && !hasValue) {
            why = a + " needs a value";
            return false;
        }
        if (a == "-o") o.output = args[++i];
        else if (a == "--encoding") {
            const std::string& e = args[++i];
            if (e == "cp1252" || e == "windows-1252") o.cp1252 = true;
            else if (e != "utf-8" && e != "UTF-8") return why = "unknown encoding \"" + e + "\"", false;
        } else if (a == "--topic") {
            const auto range = Import::ParseTopicRange(args[++i]);
            if (!range) return why = "--topic \"" + args[i] + "\" is not NAME=FIRST-LAST", false;
            o.rules.ranges.push_back(*range);
        } else if (a == "--default-topic") {
            o.rules.defaultTopic = std::string(Import::Trim(args[++i]));
            if (o.rules.defaultTopic.empty()) return why = "--default-topic needs a name", false;
        } else if (a == "--update") o.update = args[++i];
        else if (a == "--key") o.key = args[++i];
        else if (a == "--correct-first") o.correctFirst = true;
        else if (a == "--text") o.text = true;
        else if (a.starts_with("-") && a != "-") return why = "unknown option " + a, false;
        else positional.push_back(a);
    }
    for (const auto& name : [&] {
             std::vector<std::string> names = {o.rules.defaultTopic};
             for (const auto& r : o.rules.ranges) names.push_back(r.name);
             return names;
         }())
        if (const auto problem = Import::TextProblem(name)) return why = "topic \"" + name + "\": " + *problem, false;
    if (positional.size() != 2) return why = "FORMAT and INPUT are needed", false;
    o.format = positional[0];
    o.input = positional[1];
    if (std::find(std::begin(Formats), std::end(Formats), o.format) == std::end(Formats))
        return why = "unknown format \"" + o.format + "\"", false;
    const bool pdf = o.format == "pdf";
    if (!pdf && (o.correctFirst || !o.key.empty() || o.text)) return why = "--correct-first, --key and --text are for pdf", false;
    if (pdf && o.correctFirst == !o.key.empty()) return why = "pdf needs either --correct-first or --key FILE", false;
    return true;
}

void Print(const Diagnostics& diagnostics, const char* suffix)
{
    for (const auto& d : diagnostics) std::cerr << d.ToString() << suffix << "\n";
}

// Line order; what concerns the whole input last.
void Sort(Diagnostics& d)
{
    std::stable_sort(d.begin(), d.end(), [](const Diagnostic& a, const Diagnostic& b) {
        return (a.line == 0 ? INT32_MAX : a.line) < (b.line == 0 ? INT32_MAX : b.line);
    });
}

std::optional<std::string> ReadText(const std::filesystem::path& path, bool cp1252)
{
    auto data = TextFile::ReadAll(path);
    if (!data) return std::nullopt;
    return Import::InputText(std::move(*data), cp1252);
}

// The bank the input holds, or nothing after a message when it cannot be read.
std::optional<Import::Bank> Read(const ImportOptions& o)
{
    const std::string input = o.input.string();
    bool unreadable = false;
    if (o.format == "pdf") {
        Import::PdfOptions pdf;
        pdf.correctFirst = o.correctFirst;
        Diagnostics keyProblems;
        if (!o.key.empty()) {
            std::string keyText;
            if (Import::IsPdf(o.key)) {
                const auto read = Import::ReadPdfLayoutText(o.key, keyText);
                if (!read.error.empty()) return std::cerr << o.key.string() << ": " << read.error << "\n", std::nullopt;
            } else if (const auto text = ReadText(o.key, o.cp1252)) {
                keyText = *text;
            } else {
                return std::cerr << o.key.string() << ": cannot read the file\n", std::nullopt;
            }
            pdf.key = Import::ParseAnswerKey(keyText, o.key.string(), keyProblems);
            if (pdf.key.empty()) return std::cerr << o.key.string() << ": no answers (number and letter) found\n", std::nullopt;
        }
        // A PDF, or its text as --text prints it (corrected by hand, say).
        std::vector<Import::PdfLine> lines;
        if (Import::IsPdf(o.input)) {
            auto read = Import::ReadPdfText(o.input);
            if (!read.error.empty()) return std::cerr << input << ": " << read.error << "\n", std::nullopt;
            lines = std::move(read.lines);
        } else if (const auto text = ReadText(o.input, o.cp1252)) {
            lines = Import::LinesFromText(*text);
        } else {
            return std::cerr << input << ": cannot read the file\n", std::nullopt;
        }
        if (o.text) {
            int page = 1;
            for (const auto& line : lines) {
                for (; page < line.page; ++page) std::cout << '\f';
                std::cout << line.text << "\n";
            }
            return Import::Bank{};
        }
        auto bank = Import::ReadPdfLines(lines, input, pdf);
        bank.notes.insert(bank.notes.end(), keyProblems.begin(), keyProblems.end());
        return bank;
    }
    const auto text = ReadText(o.input, o.cp1252);
    if (!text) return std::cerr << input << ": cannot read the file\n", std::nullopt;
    Import::Bank bank;
    if (o.format == "aiken") bank = Import::ReadAiken(*text, input);
    else if (o.format == "gift") bank = Import::ReadGift(*text, input);
    else if (o.format == "csv") bank = Import::ReadCsv(*text, input, &unreadable);
    else bank = Import::ReadMoodleXml(*text, input, &unreadable);
    if (unreadable) {
        Print(bank.skipped, "");
        return std::nullopt;
    }
    return bank;
}

}  // namespace

int Import(const Args& args)
{
    if (std::find(args.begin(), args.end(), "--help") != args.end()) {
        std::cout << ImportUsage;
        return Success;
    }
    ImportOptions o;
    std::string why;
    if (!Parse(args, o, why)) {
        std::cerr << "tessarondequiz-bank import: " << why << "\n" << ImportUsage;
        return BadUsage;
    }
    std::optional<Import::Bank> old;
    if (!o.update.empty() && !(old = Import::LoadDataFile(o.update))) {
        std::cerr << o.update.string() << ": cannot read the file\n";
        return BadUsage;
    }
    auto bank = Read(o);
    if (!bank) return BadUsage;
    if (o.text) return Success;

    Import::Settle(*bank, o.rules);
    std::string update;
    if (old) {
        const auto c = Import::Update(*bank, *old);
        update = "; " + std::to_string(c.kept) + " kept, " + std::to_string(c.corrected) + " corrected, "
                 + std::to_string(c.appended) + " appended, " + std::to_string(c.cancelled) + " cancelled";
    }
    const std::string heading = "Imported from " + o.input.filename().string() + " (" + o.format + ")"
                                + (old ? ", positions kept from " + o.update.filename().string() : "");
    const std::string source = Import::WriteSource(*bank, heading);

    Sort(bank->skipped);
    Sort(bank->notes);
    Print(bank->skipped, "");
    Print(bank->notes, " (note)");
    std::cerr << o.input.string() << ": " << bank->quesiti.size() << (bank->quesiti.size() == 1 ? " question in " : " questions in ") << bank->argomenti.size()
              << (bank->argomenti.size() == 1 ? " topic, " : " topics, ") << bank->skipped.size() << " skipped" << update
              << "\n";

    if (bank->quesiti.empty()) {
        std::cerr << o.input.string() << ": no question could be imported; nothing written\n";
        return ProblemFound;
    }
    // What is written must compile; anything else is a fault of the importer, not of the input.
    const auto compiled = SourceCompiler::Compile(source, o.output.empty() ? "output" : o.output.string());
    if (!compiled.Ok()) {
        Print(compiled.errors, " (internal error)");
        return ProblemFound;
    }
    if (o.output.empty()) std::cout << source;
    else if (!WriteReplacing(o.output, source)) return ProblemFound;
    return bank->skipped.empty() ? Success : ProblemFound;
}

}  // namespace BankTool
