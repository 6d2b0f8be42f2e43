#include "print/DocumentData.h"

#include <cmath>
#include <cstdio>

namespace word {

int64_t CharCount(std::string_view utf8)
{
    int64_t n = 0;
    for (const char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

int64_t ParagraphData::Length() const { return CharCount(text) + 1; }

int64_t TableData::Length() const
{
    int64_t n = 0;
    for (const auto& row : rows) {
        for (const auto& cell : row) n += cell.Length();
        ++n;
    }
    return n;
}

DocumentData::DocumentData(ApplicationState* application) : app(application)
{
    auto normal = std::make_unique<StyleData>();
    normal->name = "Normal";
    normal->id = "Normal";
    normal->font.name = "Arial";
    normal->font.size = 10;
    styles.push_back(std::move(normal));
    auto last = std::make_shared<ParagraphData>();
    length = last->Length();
    blocks.emplace_back(std::move(last));
}

StyleData* DocumentData::FindStyle(std::string_view name) const
{
    for (const auto& s : styles)
        if (s->name == name) return s.get();
    return nullptr;
}

const StyleData& DocumentData::StyleOf(const ParagraphData& paragraph) const
{
    if (!paragraph.style.empty())
        if (const StyleData* s = FindStyle(paragraph.style)) return *s;
    return *styles.front();
}

namespace {

int64_t BlockLength(const Block& block)
{
    return std::visit([](const auto& b) { return b->Length(); }, block);
}

}  // namespace

DocumentData::Located DocumentData::Locate(int64_t position) const
{
    int64_t start = length;
    for (size_t i = blocks.size(); i-- > 0;) {
        start -= BlockLength(blocks[i]);
        if (position >= start || i == 0) return {i, start};
    }
    return {0, 0};
}

size_t DocumentData::IndexOf(const ParagraphData* paragraph) const
{
    for (size_t i = blocks.size(); i-- > 0;) {
        const auto* p = std::get_if<std::shared_ptr<ParagraphData>>(&blocks[i]);
        if (p && p->get() == paragraph) return i;
    }
    return blocks.size();
}

int64_t DocumentData::StartOf(size_t index) const
{
    int64_t start = length;
    for (size_t i = blocks.size(); i-- > index;) start -= BlockLength(blocks[i]);
    return start;
}

std::vector<ParagraphData*> DocumentData::ParagraphsIn(int64_t start, int64_t end) const
{
    std::vector<ParagraphData*> out;
    const Located first = Locate(start);
    int64_t at = first.start;
    for (size_t i = first.index; i < blocks.size(); ++i) {
        if (i > first.index && at >= end) break;
        if (const auto* p = std::get_if<std::shared_ptr<ParagraphData>>(&blocks[i])) out.push_back(p->get());
        at += BlockLength(blocks[i]);
    }
    return out;
}

std::string Quote(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\t') out += "\\t";
        else if (c == '"') out += "\\\"";
        else out += c;
    }
    return out + "\"";
}

std::string Num(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", std::round(value * 100) / 100);
    std::string s = buffer;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    if (s == "-0") s = "0";
    return s;
}

}  // namespace word
