#include "bank/DataFileWriter.h"

#include "bank/ModEncoding.h"

#include <algorithm>

using namespace DataFileFormat;

void DataFileWriter::Topic(std::string_view name) { AppendLine(m_data, Tag::AM, name); }

void DataFileWriter::NumRisposte(int32_t n)
{
    m_numRisposte = n;
    if (n != DefaultNumRisposte) AppendLine(m_data, Tag::NR, std::to_string(n));
}

void DataFileWriter::Question(const QiFields& fields, const Texts& texts)
{
    AppendLine(m_data, Tag::QI, QiValue(fields));
    const Tag lastAnswer = AnswerTag(std::clamp(m_numRisposte, DefaultNumRisposte, MaxNumRisposte));
    for (size_t k = IndexOf(Tag::QD); k <= IndexOf(lastAnswer); ++k) {
        const auto tag = static_cast<Tag>(k);
        if (IsOptionalText(tag) && texts[tag].empty()) continue;
        AppendLine(m_data, tag, ModEncoding::Encode(texts[tag]));
    }
}
