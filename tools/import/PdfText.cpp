#include "tools/import/PdfText.h"

#include "tools/import/TextTools.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <spawn.h>
#include <thread>
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

// An unlinked scratch file: the child writes into it, the parent reads it back.
int ScratchFile()
{
    char name[] = "/tmp/tq-pdftotext-XXXXXX";
    const int fd = mkstemp(name);
    if (fd >= 0) unlink(name);
    return fd;
}

std::string ReadBack(int fd)
{
    std::string data;
    char buffer[65536];
    lseek(fd, 0, SEEK_SET);
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) != 0;) {
        if (n < 0) {
            if (errno == EINTR) continue;
            break;
        }
        data.append(buffer, static_cast<size_t>(n));
    }
    close(fd);
    return data;
}

// The programs run at the same time with these arguments (no shell), each one's
// output and error output read whole once all have ended.
std::vector<Run> RunPrograms(const std::vector<std::vector<std::string>>& commands)
{
    struct Child {
        pid_t pid = 0;
        int out = -1, err = -1;
    };
    std::vector<Run> runs(commands.size());
    std::vector<Child> children(commands.size());
    for (size_t k = 0; k < commands.size(); ++k) {
        Child& c = children[k];
        c.out = ScratchFile();
        c.err = ScratchFile();
        if (c.out < 0 || c.err < 0) {
            runs[k].err = "cannot start pdftotext: no temporary file";
            continue;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, c.out, STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&actions, c.err, STDERR_FILENO);
        std::vector<char*> argv;
        for (const auto& a : commands[k]) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        const int spawned = posix_spawnp(&c.pid, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (spawned != 0) {
            runs[k].err = spawned == ENOENT ? commands[k][0] + " not found: install poppler-utils"
                                            : "cannot start " + commands[k][0];
            c.pid = 0;
        }
    }
    for (size_t k = 0; k < commands.size(); ++k) {
        Child& c = children[k];
        if (c.pid > 0) {
            int status = 0;
            while (waitpid(c.pid, &status, 0) < 0 && errno == EINTR) {}
            runs[k].started = true;
            runs[k].status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        if (c.out >= 0) runs[k].out = ReadBack(c.out);
        if (c.err >= 0) runs[k].err += ReadBack(c.err);
    }
    return runs;
}

Run RunProgram(const std::vector<std::string>& args) { return std::move(RunPrograms({args}).front()); }

std::string Failure(const Run& run)
{
    if (!run.started) return run.err;
    if (run.status < 0) return "pdftotext ended abnormally";
    std::string why(Trim(run.err));
    if (const size_t nl = why.find('\n'); nl != std::string::npos) why.erase(nl);
    return "poppler cannot read the PDF" + (why.empty() ? std::string() : ": " + why);
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
    // An absolute path never reads as an option.
    const std::string path = std::filesystem::absolute(pdf).string();
    const auto info = RunProgram({"pdfinfo", path});
    if (info.status != 0) {
        result.error = Failure(info);
        return result;
    }
    int pages = 0;
    if (const size_t at = info.out.find("\nPages:"); at != std::string::npos) pages = std::atoi(info.out.c_str() + at + 7);
    // pdftotext reads one page after the other: a share of the pages for each core.
    const int parts = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 4);
    const int per = std::max(1, (pages + parts - 1) / parts);
    std::vector<std::vector<std::string>> commands;
    for (int first = 1; first <= std::max(pages, 1); first += per)
        commands.push_back({"pdftotext", "-enc", "UTF-8", "-bbox-layout", "-f", std::to_string(first), "-l",
                            std::to_string(std::max(first + per - 1, first)), path, "-"});
    int pageBase = 0;
    for (const auto& run : RunPrograms(commands)) {
        if (run.status != 0) {
            result.lines.clear();
            result.error = Failure(run);
            return result;
        }
        auto lines = LinesFromBoxes(run.out);
        int last = 0;
        for (auto& line : lines) {
            last = std::max(last, line.page);
            line.page += pageBase;
        }
        pageBase += std::max(last, per);
        result.lines.insert(result.lines.end(), std::make_move_iterator(lines.begin()), std::make_move_iterator(lines.end()));
    }
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
