#pragma once

#include "bank/DataFileFormat.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Makes the bytes of a data file in the order DataFileFormat describes: call
// Topic for every topic, then NumRisposte, then Question for every question.
// Texts are given plain (cp1252) and written in the codec's stored form. The
// writer lays the lines out and checks nothing: DataFileRules says what a
// valid bank is.
class DataFileWriter {
public:
    // A question's texts by tag, QD: to R5: (the other slots are not written).
    struct Texts {
        std::array<std::string, DataFileFormat::TagCount> byTag;
        std::string& operator[](DataFileFormat::Tag tag) { return byTag[DataFileFormat::IndexOf(tag)]; }
        const std::string& operator[](DataFileFormat::Tag tag) const { return byTag[DataFileFormat::IndexOf(tag)]; }
    };

    void Topic(std::string_view name);
    // The "NR:" line, written only when n is not the default 4.
    void NumRisposte(int32_t n);
    // "QI:", "QD:", the optional texts that are not empty, and the answer lines
    // R1: to R4: (R5: too in a bank of five answers), empty ones included.
    void Question(const DataFileFormat::QiFields& fields, const Texts& texts);

    const std::string& Data() const { return m_data; }
    std::string Take() { return std::move(m_data); }

private:
    std::string m_data;
    int32_t m_numRisposte = DataFileFormat::DefaultNumRisposte;
};
