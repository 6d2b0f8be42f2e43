#pragma once

#include "print/CallLog.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

// What the word-processor objects act on: a document made of paragraphs and
// tables, with its styles, page setup and properties. Lengths are in points.
namespace word {

inline constexpr int32_t ColorAutomatic = -16777216;

constexpr double CmToPoints(double cm) { return cm / 2.54 * 72.0; }

// Unset members come from the style, and the style's from Normal.
struct ParagraphProps {
    std::optional<double> spaceBefore;
    std::optional<double> spaceAfter;
    std::optional<double> leftIndent;
    std::optional<double> firstLineIndent;  // negative: a hanging indent
    std::optional<int32_t> alignment;       // 0 left, 1 centre, 2 right, 3 justified
};

struct FontProps {
    std::string name;
    std::optional<bool> bold;
    std::optional<bool> italic;
    std::optional<double> size;
};

struct StyleData {
    std::string name;
    std::string id;  // the name as the file format identifies it
    FontProps font;
    ParagraphProps paragraph;
    std::string next;  // name of the style of the following paragraph; empty: the same
};

// Text is UTF-8: "\t" a tab, "\f" a page break, "\v" a line break.
struct ParagraphData {
    std::string text;
    std::string style;  // empty: Normal
    ParagraphProps direct;

    // Characters plus the paragraph mark, as positions count them.
    int64_t Length() const;
};

struct BorderData {
    int32_t lineStyle = 1;  // 0 none, 1 single, 2 dotted, 3 dash small gap, 4 dashed, 5 dot-dash, 6 dot-dot-dash, 7 double
    int32_t lineWidth = 4;  // eighths of a point
    int32_t color = ColorAutomatic;
};

struct DocumentData;

// A table as text-to-table conversion makes it: every row has one cell per column.
struct TableData {
    DocumentData* owner = nullptr;
    std::vector<std::vector<ParagraphData>> rows;
    std::vector<double> columnWidths;
    double topPadding = 0;
    double bottomPadding = 0;
    double leftPadding = CmToPoints(0.19);
    double rightPadding = CmToPoints(0.19);
    double spacing = 0;
    bool allowBreakAcrossPages = true;
    bool allowAutoFit = false;
    // Top, left, bottom, right, inside horizontal, inside vertical, diagonal down, diagonal up.
    std::array<BorderData, 8> borders{};
    bool shadow = false;

    // Each cell's characters and end mark, plus one end-of-row mark per row.
    int64_t Length() const;
    size_t ColumnCount() const { return columnWidths.size(); }
};

struct PageSetupData {
    bool lineNumbering = false;
    int32_t orientation = 0;  // 0 portrait, 1 landscape
    double topMargin = CmToPoints(2.5);
    double bottomMargin = CmToPoints(2);
    double leftMargin = CmToPoints(2);
    double rightMargin = CmToPoints(2);
    double gutter = 0;
    double headerDistance = CmToPoints(1.25);
    double footerDistance = CmToPoints(1.25);
    double pageWidth = CmToPoints(21);
    double pageHeight = CmToPoints(29.7);
    int32_t firstPageTray = 0;
    int32_t otherPagesTray = 0;
    int32_t sectionStart = 2;  // 0 continuous, 1 new column, 2 new page, 3 even page, 4 odd page
    bool oddAndEvenPagesHeaderFooter = false;
    bool differentFirstPageHeaderFooter = false;
    int32_t verticalAlignment = 0;  // 0 top, 1 centre, 2 justified, 3 bottom
    bool suppressEndnotes = false;
    bool mirrorMargins = false;
    bool twoPagesOnOne = false;
    bool bookFoldPrinting = false;
    bool bookFoldRevPrinting = false;
    int32_t bookFoldPrintingSheets = 1;
    int32_t gutterPos = 0;  // 0 left, 1 top, 2 right

    double TextWidth() const { return pageWidth - leftMargin - rightMargin - gutter; }
};

using Block = std::variant<std::shared_ptr<ParagraphData>, std::shared_ptr<TableData>>;

// What a selection covers: a stretch of a document, or cells of a table.
struct SelectionData {
    DocumentData* document = nullptr;
    int64_t start = 0;
    int64_t end = 0;
    std::shared_ptr<TableData> table;
    std::vector<std::pair<size_t, size_t>> cells;  // row, column
};

struct ApplicationState {
    CallLog* log = nullptr;
    SelectionData selection;

    void Log(const std::function<std::string()>& entry) const
    {
        if (log) log->Add(entry());
    }
};

struct DocumentData {
    explicit DocumentData(ApplicationState* application);

    ApplicationState* app;
    // Always ends with the final paragraph, which nothing is added after.
    std::vector<Block> blocks;
    int64_t length = 0;
    std::vector<std::unique_ptr<StyleData>> styles;  // the first is Normal
    PageSetupData page;
    std::vector<std::pair<std::string, std::string>> properties;  // built-in name, value
    bool showGrammaticalErrors = true;
    bool showSpellingErrors = true;
    bool templateSaved = false;
    std::filesystem::path fullName;  // where it was saved

    StyleData* FindStyle(std::string_view name) const;
    // Normal when the name is empty.
    const StyleData& StyleOf(const ParagraphData& paragraph) const;

    struct Located {
        size_t index;
        int64_t start;
    };
    // The block holding a position (the final paragraph for positions past the end).
    // Searches from the end, where the builder works.
    Located Locate(int64_t position) const;
    size_t IndexOf(const ParagraphData* paragraph) const;
    int64_t StartOf(size_t index) const;

    // Document paragraphs (not table cells) that the stretch touches, in order.
    std::vector<ParagraphData*> ParagraphsIn(int64_t start, int64_t end) const;
};

// Log formatting: texts quoted, numbers with at most two decimals, booleans as the automation shows them.
std::string Quote(std::string_view text);
std::string Num(double value);
inline const char* Bool(bool value) { return value ? "True" : "False"; }

// Characters of a UTF-8 text.
int64_t CharCount(std::string_view utf8);

}  // namespace word
