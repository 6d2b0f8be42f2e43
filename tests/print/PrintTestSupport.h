#pragma once

// Shared by the print tests: a scratch folder, suspended-test files for the
// fixture banks, generated banks, a recording opener, a builder whose word
// processor logs its calls and saves into the scratch folder, and the parts
// of a saved .docx.

#include "bank/BankRandom.h"
#include "bank/ProgramFolder.h"

#include "print/Application.h"
#include "print/CPaginatrice.h"
#include "print/DocumentOpener.h"

#include "tools/SourceCompiler.h"

#include "Fixtures.h"
#include "TestFiles.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <vector>
#include <zip.h>

namespace printtest {

namespace fs = std::filesystem;
using testfiles::TempDir;
using testfiles::ReadBytes;
using testfiles::WriteBytes;

// A suspended-test file as the start screen writes it for printing.
inline void WriteSession(const fs::path& path, const std::string& dataFile, const std::string& codes,
                         const std::string& magic = "tessarondequiz RCV SaveFile")
{
    WriteBytes(path, magic + "\r\n05/03/2024 09:07:02|0|" + dataFile + "|0|0|False|True|0|0|0\r\n0\r\n" + codes +
                         "\r\n\r\n\r\n");
}

inline std::string CodeList(int first, int last)
{
    std::string codes;
    for (int c = first; c <= last; ++c) codes += std::to_string(c) + ";";
    return codes;
}

// A data file of n questions over two topics, compiled from readable text.
// Question c reads "Domanda c?", its answers "Risposta c.j"; the correct one is (c % 4) + 1.
inline std::string GeneratedBank(int n)
{
    std::string source = "AM:Cultura generale\nAM:Lingua italiana\n";
    for (int c = 1; c <= n; ++c) {
        source += "QI:" + std::to_string(100 + c) + "," + std::to_string(c % 2 + 1) + ",1," +
                  std::to_string(c % 4 + 1) + "\nQD:Domanda " + std::to_string(c) + "?\n";
        for (int j = 1; j <= 4; ++j)
            source += "R" + std::to_string(j) + ":Risposta " + std::to_string(c) + "." + std::to_string(j) + "\n";
    }
    const auto compiled = SourceCompiler::Compile(source, "generated.txt");
    EXPECT_TRUE(compiled.Ok());
    return compiled.data;
}

class RecordingOpener : public word::DocumentOpener {
public:
    bool Open(const fs::path& document) override
    {
        opened.push_back(document);
        return succeed;
    }
    bool succeed = true;
    std::vector<fs::path> opened;
};

// The parts of a zip file by name.
inline std::map<std::string, std::string> ReadZip(const fs::path& path)
{
    std::map<std::string, std::string> parts;
    int error = 0;
    zip_t* zip = zip_open(path.c_str(), ZIP_RDONLY, &error);
    if (!zip) {
        ADD_FAILURE() << "not a zip file: " << path;
        return parts;
    }
    for (zip_int64_t i = 0; i < zip_get_num_entries(zip, 0); ++i) {
        zip_stat_t st;
        zip_stat_index(zip, static_cast<zip_uint64_t>(i), 0, &st);
        std::string content(st.size, '\0');
        zip_file_t* f = zip_fopen_index(zip, static_cast<zip_uint64_t>(i), 0);
        zip_fread(f, content.data(), st.size);
        zip_fclose(f);
        parts[st.name] = std::move(content);
    }
    zip_close(zip);
    return parts;
}

// The fixture banks' folder stands for the program folder; documents are saved
// in the scratch folder with a fixed date; the word processor logs its calls.
class PrintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fs::exists(Fixtures::Small())) << "fixture banks not built";
        m_oldFolder = ProgramFolder::Get();
        ProgramFolder::Set(Fixtures::Dir());
        BankRandom::SetTestSeed(11);
    }
    void TearDown() override
    {
        BankRandom::ClearTestSeed();
        ProgramFolder::Set(m_oldFolder);
    }

    std::unique_ptr<CPaginatrice> Builder()
    {
        return std::make_unique<CPaginatrice>([this] {
            word::SaveOptions options;
            options.folder = temp / "Documenti";
            options.baseName = "Prova - quiz";
            options.opener = opener;
            options.now = [] { return std::chrono::system_clock::from_time_t(1796552100); };
            auto app = std::make_shared<word::Application>(std::move(options));
            app->SetCallLog(&log);
            return app;
        });
    }

    // A builder loaded with the given codes of a fixture bank, options set, not built.
    std::unique_ptr<CPaginatrice> Loaded(const std::string& bank, const std::string& codes, int32_t formato)
    {
        WriteSession(temp / "print.test", bank + ".dat", codes);
        auto builder = Builder();
        EXPECT_TRUE(builder->CaricaQuesitiDaSessione(temp / "print.test", false));
        builder->Formato = formato;
        builder->MostraArgomenti = true;
        builder->MostraCodici = true;
        return builder;
    }

    // Log entries starting with the prefix, in order.
    std::vector<std::string> Entries(const std::string& prefix) const
    {
        std::vector<std::string> out;
        for (const auto& e : log.Entries())
            if (e.rfind(prefix, 0) == 0) out.push_back(e);
        return out;
    }

    // The texts inserted, in order.
    std::vector<std::string> Inserted() const
    {
        std::vector<std::string> out;
        for (const auto& e : log.Entries()) {
            const auto at = e.find(".InsertBefore(\"");
            if (at != std::string::npos) out.push_back(e.substr(at + 15, e.size() - at - 17));
        }
        return out;
    }

    TempDir temp;
    word::CallLog log;
    std::shared_ptr<RecordingOpener> opener = std::make_shared<RecordingOpener>();

private:
    fs::path m_oldFolder;
};

}  // namespace printtest
