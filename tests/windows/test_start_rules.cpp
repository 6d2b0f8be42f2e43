// The start screen's rules, apart from its widgets: the cases of tests/fixtures/start/rules.txt.
#include "bank/cArgomenti.h"
#include "bank/ModThemes.h"

#include "windows/StartRules.h"

#include "ui/QtText.h"

#include "support/WindowTest.h"

namespace {

QString Bool(bool value) { return value ? "True" : "False"; }

// What a rule gives for these arguments, as the table writes it.
QString Apply(const QString& rule, const QStringList& a)
{
    const auto n = [&a](int i) { return a[i].toInt(); };
    if (rule == "Tempo") {
        const auto t = StartRules::ParseTimeLimit(a[0] == "1", a[1], a[2]);
        if (t) return QString("%1:%2").arg(t->hours).arg(t->minutes);
        EXPECT_EQ(t.error().kind, Failure::Kind::Refused);
        return QtText::FromUtf8(t.error().description);
    }
    if (rule == "FilterRow") return QString::number(StartRules::FilterRow(a[0], n(1)));
    if (rule == "OrdineRow") return QString::number(StartRules::OrdineRow(a[0], n(1)));
    if (rule == "NumeroRow") return QString::number(StartRules::NumeroRow(a[0], {"Tutti", "30", "50", "80"}));
    if (rule == "TemaRow") return QString::number(StartRules::TemaRow(a[0], *ModThemes::InitThemes()));
    if (rule == "StoredFlag") return Bool(StartRules::StoredFlag(a[0], a[1] == "True"));
    if (rule == "FilterCaption") {
        cArgomenti topics;
        topics.Add("Contabilit\xE0 pubblica");  // cp1252
        cFiltroMain filter;
        filter.Descrizione = QtText::ToCp1252(a[0]);
        filter.PrimoArg = n(1);
        return StartRules::FilterCaption(filter, topics).value_or("(nessuna riga)");
    }
    if (rule == "ReducedRandomness") return Bool(StartRules::ReducedRandomness(a[0] == "True", n(1)));
    if (rule == "Printable") {
        const auto printable = StartRules::Printable(n(0));
        return printable ? QString() : QtText::FromUtf8(printable.error().description);
    }
    ADD_FAILURE() << "unknown rule " << rule.toStdString();
    return {};
}

TEST(StartRules, EveryCaseOfTheTable)
{
    const auto table = support::Table(support::Fixtures::Source("start/rules.txt"));
    ASSERT_FALSE(table.empty());
    for (const auto& row : table) {
        QStringList cells;
        for (const auto& cell : row) cells << QtText::FromCp1252(cell);
        const QString rule = cells.takeFirst(), expected = cells.takeLast();
        EXPECT_EQ(Apply(rule, cells), expected) << (rule + " " + cells.join("|")).toStdString();
    }
}

}  // namespace
