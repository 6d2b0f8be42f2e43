#include "windows/StartRules.h"

#include "bank/cArgomenti.h"
#include "bank/ModThemes.h"
#include "bank/TextConvert.h"

#include "ui/QtText.h"

namespace StartRules {

const QStringList& Orderings()
{
    static const QStringList rows = {
        QStringLiteral("Casuale"),
        QStringLiteral("Prima le risposte errate"),
        QStringLiteral("Prima i quesiti meno proposti"),
        QStringLiteral("Originale come da gazzetta"),
        QStringLiteral("Solo le risposte errate"),
        QStringLiteral("SIMULAZIONE ESAME"),
        QStringLiteral("RIPASSO PROGRAMMATO"),
    };
    return rows;
}

std::optional<int32_t> WholeNumber(const QString& text) { return TextConvert::ToInt32(QtText::ToCp1252(text)); }

Expected<TimeLimit> ParseTimeLimit(bool enabled, const QString& hours, const QString& minutes)
{
    if (!enabled) return TimeLimit{};
    auto number = [](const QString& text) -> std::optional<TextConvert::Decimal> {
        const QString t = text.trimmed();
        const auto value = t.isEmpty() ? TextConvert::Decimal{} : TextConvert::ToDecimal(QtText::ToCp1252(t));
        // A negative time is no time limit the user could mean.
        if (value && value->negative && (value->whole != 0 || value->fraction != TextConvert::Decimal::Fraction::None))
            return std::nullopt;
        return value;
    };
    auto h = number(hours);
    if (!h) return Fail(Failure::Kind::Refused, "Ore non indicate correttamente!");
    auto m = number(minutes);
    if (!m) return Fail(Failure::Kind::Refused, "Minuti non indicati correttamente!");
    // Whole hours carry before rounding: 2.5 hours and 90 minutes are 3.5 hours and 30 minutes.
    h->whole += m->whole / 60;
    m->whole %= 60;
    const auto hv = TextConvert::Round(*h);
    const auto mv = TextConvert::Round(*m);
    // 59.5 minutes round to a whole hour.
    const int64_t total = hv ? int64_t{*hv} + (*mv == 60) : INT64_MAX;
    if (total > INT32_MAX) return Fail(Failure::Kind::Refused, "Ore non indicate correttamente!");
    return TimeLimit{static_cast<int32_t>(total), *mv % 60};
}

bool ReducedRandomness(bool keepAnswerOrder, int orderMode) { return keepAnswerOrder || orderMode == 3; }

QString ReducedRandomnessQuestion()
{
    return QStringLiteral(
        "Per via delle impostazioni selezionate, il livello di casualità del test sarà ridotto.\r\n\r\n"
        "Si vuole iniziare il test con queste impostazioni?");
}

Expected<void> Printable(int32_t questions)
{
    if (questions > 1000)
        return Fail(Failure::Kind::Refused, "E' possibile stampare solo fino a 1000 quesiti per volta.");
    return {};
}

int FilterRow(const QString& stored, int rowCount)
{
    const auto f = WholeNumber(stored);
    if (!f || *f < 0) return 0;
    return rowCount > 2 && rowCount > *f ? *f : 0;
}

int NumeroRow(const QString& stored, const QStringList& rows)
{
    const int at = rows.indexOf(stored.trimmed());
    return at < 0 ? 0 : at;
}

int TemaRow(const QString& stored, const cTemi& themes)
{
    const std::string key = QtText::ToCp1252(stored.trimmed());
    int row = 0;
    for (const auto& theme : themes) {
        if (theme->Chiave == key) return row;
        ++row;
    }
    return 0;
}

int OrdineRow(const QString& stored, int rowCount)
{
    const auto v = WholeNumber(stored);
    return v && *v >= 0 && *v < rowCount ? *v : 0;
}

bool StoredFlag(const QString& stored, bool defaultValue)
{
    return TextConvert::ToBool(QtText::ToCp1252(stored)).value_or(defaultValue);
}

std::optional<QString> FilterCaption(const cFiltroMain& filter, const cArgomenti& topics)
{
    const QString pattern = QtText::FromCp1252(filter.Descrizione);
    const bool needsTopic = pattern.isEmpty() || pattern.contains(QLatin1Char('*'));
    if (!needsTopic) return pattern;
    const auto topic = topics.Find(filter.PrimoArg);
    if (!topic) return std::nullopt;
    const QString name = QtText::FromCp1252(topic->Nome);
    if (pattern.isEmpty()) return name;
    QString caption = pattern;
    if (caption.contains(QStringLiteral("*U"))) return caption.replace(QStringLiteral("*U"), name.toUpper());
    return caption.replace(QLatin1Char('*'), name);
}

}  // namespace StartRules
