// CSV (RFC 4180, read by libcsv): a header row naming the columns, then one question a row.

#include "tools/import/HtmlText.h"
#include "tools/import/Readers.h"
#include "tools/import/TextTools.h"

#include "bank/DataFileFormat.h"

#include <csv.h>

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <optional>

namespace Import {

namespace {

enum Column { Argomento, Numero, Domanda, A, B, C, D, E, Esatta, Spiegazione, Brano, Immagine, ColumnCount };

constexpr std::array<std::string_view, ColumnCount> ColumnNames = {
    "argomento", "numero", "domanda", "a", "b", "c", "d", "e", "esatta", "spiegazione", "brano", "immagine"};

std::string Lower(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

struct Row {
    int line = 0;
    std::vector<std::string> cells;
};

class CsvReader {
public:
    CsvReader(const std::string& input, bool* unreadable) : m_unreadable(unreadable) { m_bank.input = input; }

    Bank Run(std::string_view text)
    {
        csv_parser parser;
        const unsigned char separator = Separator(text);
        const auto start = [&] {
            csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI | CSV_APPEND_NULL);
            csv_set_delim(&parser, separator);
        };
        start();
        const std::unique_ptr<csv_parser, decltype(&csv_free)> owner(&parser, csv_free);

        int lineNo = 0;
        size_t offset = 0;
        while (offset < text.size()) {
            ++lineNo;
            const size_t nl = text.find('\n', offset);
            const size_t end = nl == std::string_view::npos ? text.size() : nl + 1;
            const std::string_view line = text.substr(offset, end - offset);
            if (m_rowStart == 0 && !Trim(line).empty()) m_rowStart = lineNo;
            if (csv_parse(&parser, line.data(), line.size(), Field, RowEnd, this) != line.size()) {
                // A quote out of place: that row is lost, reading goes on with the next line.
                m_bank.Skip(m_rowStart, "a quote out of place (RFC 4180) on line " + std::to_string(lineNo)
                                            + ": the row is skipped");
                csv_free(&parser);
                start();
                m_cells.clear();
                m_rowStart = 0;
            }
            offset = end;
        }
        if (csv_fini(&parser, Field, RowEnd, this) != 0)
            m_bank.Skip(m_rowStart, "quoted field never closed: the rest of the file is skipped");
        return Done();
    }

private:
    Bank Done()
    {
        if (!m_header && m_unreadable && m_bank.skipped.empty()) {
            m_bank.Skip(0, "no header row");
            *m_unreadable = true;
        }
        return std::move(m_bank);
    }

    // Spreadsheets in Italian write ";": the header row tells which.
    static unsigned char Separator(std::string_view text)
    {
        const std::string_view first = text.substr(0, text.find('\n'));
        return std::count(first.begin(), first.end(), ';') > std::count(first.begin(), first.end(), ',') ? ';' : ',';
    }

    static void Field(void* data, size_t size, void* self)
    {
        static_cast<CsvReader*>(self)->m_cells.emplace_back(static_cast<const char*>(data), size);
    }

    static void RowEnd(int, void* self)
    {
        auto& r = *static_cast<CsvReader*>(self);
        Row row{r.m_rowStart, std::move(r.m_cells)};
        r.m_cells.clear();
        r.m_rowStart = 0;
        if (r.m_unreadable && *r.m_unreadable) return;
        if (!r.m_header) r.Header(row);
        else r.Question(row);
    }

    void Header(const Row& row)
    {
        m_header = true;
        m_width = row.cells.size();
        std::map<std::string, size_t> seen;
        for (size_t k = 0; k < row.cells.size(); ++k) {
            const std::string name = Lower(Trim(row.cells[k]));
            const auto known = std::find(ColumnNames.begin(), ColumnNames.end(), name);
            if (known == ColumnNames.end()) {
                m_bank.Note(row.line, "unknown column \"" + std::string(Trim(row.cells[k])) + "\" ignored");
                continue;
            }
            if (!seen.emplace(name, k).second) {
                m_bank.Note(row.line, "column \"" + name + "\" given twice: the first is used");
                continue;
            }
            m_columns[static_cast<size_t>(known - ColumnNames.begin())] = k;
        }
        for (const Column required : {Domanda, A, B, Esatta})
            if (!m_columns[required]) {
                m_bank.Skip(row.line, "no column \"" + std::string(ColumnNames[required]) + "\" in the header row");
                if (m_unreadable) *m_unreadable = true;
            }
    }

    std::string Cell(const Row& row, Column c) const
    {
        const auto k = m_columns[c];
        return k && *k < row.cells.size() ? row.cells[*k] : std::string();
    }

    void Question(const Row& row)
    {
        if (std::all_of(row.cells.begin(), row.cells.end(), [](const std::string& c) { return Trim(c).empty(); })) return;
        for (size_t k = m_width; k < row.cells.size(); ++k)
            if (!Trim(row.cells[k]).empty())
                return m_bank.Skip(row.line, "row of " + std::to_string(row.cells.size()) + " fields, the header has "
                                                 + std::to_string(m_width) + " (an unquoted separator?)");
        Import::Question q;
        q.line = row.line;
        const std::string numero(Trim(Cell(row, Numero)));
        if (!numero.empty()) {
            const auto n = DataFileFormat::StrictInt(numero);
            if (!n || *n < 1) return m_bank.Skip(row.line, "numero \"" + numero + "\" is not a positive number");
            q.numero = *n;
        }
        q.argomento = CollapseBlanks(Cell(row, Argomento));
        q.domanda = PlainToText(Cell(row, Domanda));
        for (const Column c : {A, B, C, D, E}) q.risposte.push_back(PlainToText(Cell(row, c)));
        while (!q.risposte.empty() && q.risposte.back().empty()) q.risposte.pop_back();
        const std::string esatta(Trim(Cell(row, Esatta)));
        if (esatta.size() == 1 && ((esatta[0] >= 'A' && esatta[0] <= 'E') || (esatta[0] >= 'a' && esatta[0] <= 'e')))
            q.esatta = (esatta[0] | 0x20) - 'a' + 1;
        else if (esatta.size() == 1 && esatta[0] >= '1' && esatta[0] <= '5')
            q.esatta = esatta[0] - '0';
        else if (!esatta.empty())
            return m_bank.Skip(row.line, "esatta \"" + esatta + "\" is neither a letter A to E nor a number 1 to 5");
        q.spiegazione = PlainToText(Cell(row, Spiegazione));
        q.brano = PlainToText(Cell(row, Brano));
        q.immagine = std::string(Trim(Cell(row, Immagine)));
        m_bank.quesiti.push_back(std::move(q));
    }

    Bank m_bank;
    bool* m_unreadable;
    bool m_header = false;
    size_t m_width = 0;
    std::array<std::optional<size_t>, ColumnCount> m_columns{};
    std::vector<std::string> m_cells;
    int m_rowStart = 0;
};

}  // namespace

Bank ReadCsv(std::string_view text, const std::string& input, bool* unreadable)
{
    return CsvReader(input, unreadable).Run(text);
}

}  // namespace Import
