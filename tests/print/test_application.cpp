// The word processor made visible: each document saved under a new name and
// opened; what cannot be saved or opened is an error the user is told about.

#include "print/Application.h"
#include "print/CPaginatrice.h"

#include "support/Files.h"

#include <gtest/gtest.h>

using namespace support;

namespace {

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

class ApplicationTest : public ::testing::Test {
protected:
    // A one-paragraph document shown by a new application.
    Expected<void> Show()
    {
        word::SaveOptions options;
        options.folder = temp / "Documenti";
        options.baseName = "Prova - quiz";
        options.opener = opener;
        options.now = [] { return std::chrono::system_clock::from_time_t(1796552100); };
        word::Application app(std::move(options));
        app.Documents().Add().Range().Paragraphs().Add().Range().InsertBefore("Domanda");
        return app.SetVisible(true);
    }

    TempDir temp;
    std::shared_ptr<RecordingOpener> opener = std::make_shared<RecordingOpener>();
};

}  // namespace

TEST_F(ApplicationTest, SavesUnderANewNameEachTimeOpensAndReportsWhatFails)
{
    EXPECT_TRUE(Show());
    EXPECT_TRUE(Show());
    ASSERT_EQ(opener->opened.size(), 2u);
    // The date and time are local: "Prova - quiz 2026-12-06 10.15.docx" in Rome.
    const std::string first = opener->opened[0].filename().string();
    EXPECT_TRUE(first.starts_with("Prova - quiz 2026-12-0") && first.ends_with(".15.docx")) << first;
    EXPECT_EQ(opener->opened[0].parent_path(), temp / "Documenti");
    EXPECT_EQ(opener->opened[1].filename().string(), opener->opened[0].stem().string() + " (2).docx");
    EXPECT_TRUE(fs::exists(opener->opened[0]) && fs::exists(opener->opened[1]));

    // Nothing opens it: the user learns where it was saved.
    opener->succeed = false;
    auto shown = Show();
    ASSERT_FALSE(shown);
    ASSERT_EQ(opener->opened.size(), 3u);
    EXPECT_TRUE(fs::exists(opener->opened[2]));
    UserMessage message = CPaginatrice::BuildFailureMessage(shown.error(), opener->opened[2]);
    EXPECT_EQ(message.title, "Attenzione!");
    EXPECT_EQ(message.icon, MessageIcon::Critical);
    EXPECT_EQ(message.text,
              "Errore in fase di creazione del documento: non è stato possibile aprirlo, perché sul computer manca "
              "un programma che apra i documenti .docx.\r\n\r\nInstallarne uno, ad esempio LibreOffice Writer, e "
              "riprovare.\r\n\r\nIl documento è stato comunque salvato in:\r\n" +
                  opener->opened[2].string());

    // A folder that cannot be made: any other error has its number and description.
    fs::rename(temp / "Documenti", temp / "Altro");
    WriteBytes(temp / "Documenti", "a file where the folder should be");
    shown = Show();
    ASSERT_FALSE(shown);
    EXPECT_EQ(opener->opened.size(), 3u);
    message = CPaginatrice::BuildFailureMessage(shown.error(), {});
    EXPECT_EQ(message.icon, MessageIcon::Critical);
    EXPECT_TRUE(message.text.starts_with("Errore inaspettato in fase di creazione del documento: 75 - Impossibile "
                                         "creare la cartella \"" + (temp / "Documenti").string() + "\": "))
        << message.text;
}
