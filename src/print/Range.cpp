#include "print/Range.h"

#include "print/Paragraphs.h"
#include "print/PrintError.h"

#include <algorithm>

namespace word {

namespace {

// Byte offset of the n-th character of a UTF-8 text.
size_t ByteOffset(const std::string& utf8, int64_t chars)
{
    size_t i = 0;
    for (int64_t n = 0; i < utf8.size(); ++i) {
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) continue;
        if (n++ == chars) return i;
    }
    return utf8.size();
}

std::vector<std::string> Split(const std::string& text, const std::string& separator)
{
    std::vector<std::string> cells;
    size_t start = 0;
    for (;;) {
        const size_t at = text.find(separator, start);
        cells.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) return cells;
        start = at + separator.size();
    }
}

}  // namespace

std::string Range::Owner() const { return "Range(" + std::to_string(m_start) + ", " + std::to_string(m_end) + ")"; }

Paragraphs Range::Paragraphs() { return {m_document, m_start, m_end}; }

void Range::InsertBefore(const std::string& text)
{
    m_document->app->Log([&] { return Owner() + ".InsertBefore(" + Quote(text) + ")"; });
    const auto located = m_document->Locate(m_start);
    auto* target = std::get_if<std::shared_ptr<ParagraphData>>(&m_document->blocks[located.index]);
    if (!target) throw PrintError(PrintError::CommandFailed, "Impossibile inserire testo in questo punto di una tabella.");
    std::string inserted = text;
    std::replace(inserted.begin(), inserted.end(), '\r', '\v');
    std::replace(inserted.begin(), inserted.end(), '\n', '\v');
    std::string& paragraph = (*target)->text;
    const int64_t offset = std::min(m_start - located.start, CharCount(paragraph));
    paragraph.insert(ByteOffset(paragraph, offset), inserted);
    const int64_t added = CharCount(inserted);
    m_document->length += added;
    m_end += added;
}

void Range::InsertBreak(int32_t type)
{
    m_document->app->Log([&] { return Owner() + ".InsertBreak(" + std::to_string(type) + ")"; });
    const char mark = type == 7 ? '\f' : type == 6 ? '\v' : '\0';
    if (!mark) throw PrintError(PrintError::InvalidArgument, "Tipo di interruzione non disponibile: " + std::to_string(type) + ".");
    const auto located = m_document->Locate(m_start);
    auto* target = std::get_if<std::shared_ptr<ParagraphData>>(&m_document->blocks[located.index]);
    if (!target) throw PrintError(PrintError::CommandFailed, "Impossibile inserire un'interruzione in una tabella.");
    std::string& paragraph = (*target)->text;
    const int64_t chars = CharCount(paragraph);
    const int64_t from = std::min(m_start - located.start, chars);
    const int64_t to = std::clamp(m_end - located.start, from, chars);
    const size_t a = ByteOffset(paragraph, from), b = ByteOffset(paragraph, to);
    paragraph.replace(a, b - a, 1, mark);
    m_document->length += 1 - (to - from);
    m_end = m_start + 1;
}

ParagraphFormat Range::ParagraphFormat()
{
    return {m_document->app, m_document, Owner(), nullptr, m_document->ParagraphsIn(m_start, m_end)};
}

Table Range::ConvertToTable(const std::string& separator)
{
    m_document->app->Log([&] { return Owner() + ".ConvertToTable(" + Quote(separator) + ")"; });
    if (separator.empty()) throw PrintError(PrintError::InvalidArgument, "Separatore di colonna vuoto.");
    auto& blocks = m_document->blocks;
    const size_t first = m_document->Locate(m_start).index;
    // The final paragraph is never part of a table.
    const size_t last = std::min(m_document->Locate(std::max(m_start, m_end - 1)).index, blocks.size() - 2);
    auto table = std::make_shared<TableData>();
    table->owner = m_document;
    table->borders[6].lineStyle = table->borders[7].lineStyle = 0;
    if (blocks.size() < 2 || first > last) return {m_document->app, m_document, table};

    size_t columns = 0;
    int64_t removed = 0;
    for (size_t i = first; i <= last; ++i) {
        const auto* p = std::get_if<std::shared_ptr<ParagraphData>>(&blocks[i]);
        if (!p) throw PrintError(PrintError::CommandFailed, "L'intervallo contiene già una tabella.");
        removed += (*p)->Length();
        std::vector<ParagraphData> row;
        for (auto& text : Split((*p)->text, separator)) row.push_back({std::move(text), (*p)->style, (*p)->direct});
        columns = std::max(columns, row.size());
        table->rows.push_back(std::move(row));
    }
    for (auto& row : table->rows) row.resize(columns, ParagraphData{{}, row.front().style, row.front().direct});
    table->columnWidths.assign(columns, m_document->page.TextWidth() / static_cast<double>(columns));

    blocks.erase(blocks.begin() + static_cast<std::ptrdiff_t>(first), blocks.begin() + static_cast<std::ptrdiff_t>(last + 1));
    blocks.insert(blocks.begin() + static_cast<std::ptrdiff_t>(first), table);
    m_document->length += table->Length() - removed;
    return {m_document->app, m_document, table};
}

void Range::Select()
{
    m_document->app->Log([&] { return Owner() + ".Select"; });
    SelectionData& s = m_document->app->selection;
    s = {};
    s.document = m_document;
    s.start = m_start;
    s.end = m_end;
}

}  // namespace word
