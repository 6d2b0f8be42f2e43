#include "app/ToolkitTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <array>

namespace ToolkitTranslations {

namespace {

// Words the toolkit asks for that Debian's Italian catalogue (qtbase_it) lacks:
// the file dialog's "Type" column names folders with them.
class Supplement : public QTranslator {
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* sourceText, const char* /*disambiguation*/,
                      int /*n*/) const override
    {
        struct Entry {
            const char* context;
            const char* source;
            const char* italian;
        };
        static constexpr std::array<Entry, 3> Entries{{
            {"QAbstractFileIconProvider", "Folder", "Cartella"},
            {"QAbstractFileIconProvider", "Drive", "Unità"},
            {"QAbstractFileIconProvider", "Unknown", "Sconosciuto"},
        }};
        for (const Entry& e : Entries)
            if (qstrcmp(context, e.context) == 0 && qstrcmp(sourceText, e.source) == 0)
                return QString::fromUtf8(e.italian);
        return {};
    }
};

}  // namespace

void Install()
{
    static bool installed = false;
    if (installed) return;
    installed = true;
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    QLocale::setDefault(italian);
    auto* catalogue = new QTranslator(QCoreApplication::instance());
    if (catalogue->load(italian, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(catalogue);
    else
        delete catalogue;
    // Installed last, so asked first; it answers only for its own few words.
    QCoreApplication::installTranslator(new Supplement(QCoreApplication::instance()));
}

}  // namespace ToolkitTranslations
