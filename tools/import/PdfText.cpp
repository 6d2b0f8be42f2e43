#include "tools/import/PdfText.h"

#include "tools/import/TextTools.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace Import {

namespace {

struct Run {
    std::string out, err;
    bool started = false;
    int status = -1;  // exit status; -1 when killed
};

// The program run with these arguments (no shell), its output and error output read whole.
Run RunProgram(const std::vector<std::string>& args)
{
    Run run;
    char errName[] = "/tmp/tq-pdftotext-XXXXXX";
    const int errFd = mkstemp(errName);
    int out[2];
    if (errFd < 0 || pipe(out) != 0) {
        if (errFd >= 0) close(errFd), unlink(errName);
        run.err = "cannot start pdftotext";
        return run;
    }
    unlink(errName);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errFd, STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<char*> argv;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        close(errFd);
        run.err = spawned == ENOENT ? "pdftotext not found: install poppler-utils" : "cannot start pdftotext";
        return run;
    }
    run.started = true;
    char buffer[65536];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) != 0;) {
        if (n < 0) {
            if (errno == EINTR) continue;
            break;
        }
        run.out.append(buffer, static_cast<size_t>(n));
    }
    close(out[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {}
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    lseek(errFd, 0, SEEK_SET);
    for (ssize_t n; (n = read(errFd, buffer, sizeof buffer)) > 0;) run.err.append(buffer, static_cast<size_t>(n));
    close(errFd);
    return run;
}

std::string Failure(const Run& run)
{
    if (!run.started) return run.err;
    std::string why(Trim(run.err));
    if (const size_t nl = why.find('\n'); nl != std::string::npos) why.erase(nl);
    return "pdftotext could not read it" + (why.empty() ? std::string() : ": " + why);
}

struct Box {
    double xMin, yMin, xMax;
    std::string text;
};

// A page's lines: across the middle they divide the page into bands; within a
// band the left column is read before the right one.
void OrderPage(std::vector<Box>& boxes, double width, int page, std::vector<PdfLine>& lines)
{
    std::stable_sort(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) { return a.yMin < b.yMin; });
    const double middle = width / 2;
    std::vector<const Box*> left, right;
    const auto flush = [&] {
        for (const auto* column : {&left, &right})
            for (const Box* b : *column) lines.push_back({page, b->text});
        left.clear();
        right.clear();
    };
    for (const Box& b : boxes) {
        if (b.xMax <= middle) left.push_back(&b);
        else if (b.xMin >= middle) right.push_back(&b);
        else {
            flush();
            lines.push_back({page, b.text});
        }
    }
    flush();
}

}  // namespace

std::vector<PdfLine> LinesFromBoxes(std::string_view xhtml)
{
    std::vector<PdfLine> lines;
    pugi::xml_document doc;
    if (!doc.load_buffer(xhtml.data(), xhtml.size(), pugi::parse_default, pugi::encoding_utf8)) return lines;
    int page = 0;
    for (const pugi::xpath_node p : doc.select_nodes("//page")) {
        ++page;
        std::vector<Box> boxes;
        for (const pugi::xpath_node l : p.node().select_nodes(".//line")) {
            const pugi::xml_node line = l.node();
            Box box{line.attribute("xMin").as_double(), line.attribute("yMin").as_double(),
                    line.attribute("xMax").as_double(), {}};
            for (const pugi::xml_node word : line.children("word")) AppendWrapped(box.text, word.child_value());
            if (!box.text.empty()) boxes.push_back(std::move(box));
        }
        OrderPage(boxes, p.node().attribute("width").as_double(), page, lines);
    }
    return lines;
}

PdfTextResult ReadPdfText(const std::filesystem::path& pdf)
{
    PdfTextResult result;
    const auto run = RunProgram({"pdftotext", "-enc", "UTF-8", "-bbox-layout", std::filesystem::absolute(pdf).string(), "-"});
    if (run.status != 0) {
        result.error = Failure(run);
        return result;
    }
    result.lines = LinesFromBoxes(run.out);
    if (result.lines.empty()) result.error = "no text in the PDF (a scanned document?)";
    return result;
}

PdfTextResult ReadPdfLayoutText(const std::filesystem::path& pdf, std::string& text)
{
    PdfTextResult result;
    const auto run = RunProgram({"pdftotext", "-enc", "UTF-8", "-layout", std::filesystem::absolute(pdf).string(), "-"});
    if (run.status != 0) result.error = Failure(run);
    text = run.out;
    return result;
}

bool IsPdf(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    char head[5] = {};
    in.read(head, 5);
    return in.gcount() == 5 && std::string_view(head, 5) == "%PDF-";
}

}  // namespace Import
