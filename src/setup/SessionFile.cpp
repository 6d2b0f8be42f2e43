#include "setup/SessionFile.h"

#include "bank/ErrorText.h"
#include "bank/ReplaceFile.h"
#include "bank/TextConvert.h"
#include "bank/TextFile.h"


#include "setup/Clock.h"
#include "setup/SettingsLine.h"

#include <optional>

namespace SessionFile {

namespace {

// Takes the lines in order and keeps the first problem met; the values read
// after it are defaults, and only the problem counts.
class Reader {
public:
    explicit Reader(std::string_view data) : m_lines(TextFile::SplitLines(data)) {}

    std::string_view Line()
    {
        if (m_next < m_lines.size()) return m_lines[m_next++];
        Problem("lettura oltre la fine del file");
        return {};
    }
    bool More() const { return m_next < m_lines.size(); }

    int32_t Number(std::string_view text)
    {
        const auto v = TextConvert::ToInt32(text);
        if (!v) Problem("valore non numerico: \"" + std::string(text) + "\"");
        return v.value_or(0);
    }

    std::string_view Digits(std::string_view text)
    {
        for (size_t i = 0; i < text.size(); ++i)
            if (text[i] < '0' || text[i] > '9')
                Problem(ErrorText::DescribeBankError(BankError::Kind::AnswerDigits, std::to_string(i + 1)));
        return text;
    }

    void Problem(std::string description)
    {
        if (!m_problem) m_problem = std::move(description);
    }
    const std::optional<std::string>& FirstProblem() const { return m_problem; }

private:
    std::vector<std::string_view> m_lines;
    size_t m_next = 0;
    std::optional<std::string> m_problem;
};

// The code list: one entry per ";" terminated code; a last entry without its
// ";" counts too. An entry that is no number names no question (Codice 0).
std::vector<TestItem> Codes(std::string_view line)
{
    std::vector<TestItem> items;
    if (line.empty()) return items;
    if (line.back() == ';') line.remove_suffix(1);
    for (const std::string_view entry : TextFile::SplitFields(line, ';')) {
        TestItem item;
        item.Codice = std::max(TextConvert::ToInt32(entry).value_or(0), 0);
        items.push_back(item);
    }
    return items;
}

// Digit i of a line to each item; -1 where the line is too short.
template <typename Field>
void Spread(std::string_view digits, std::vector<TestItem>& items, Field field)
{
    for (size_t i = 0; i < items.size(); ++i) items[i].*field = i < digits.size() ? digits[i] - '0' : -1;
}

// The "name=value" lines past the sixth; false when one of ours does not read.
bool ReadExtras(Reader& r, TestRecord& record)
{
    bool ok = true;
    const size_t n = record.Items.size();
    while (r.More()) {
        const std::string_view line = r.Line();
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        const std::string_view name = line.substr(0, eq);
        const std::string_view value = line.substr(eq + 1);
        if (name == "ordine") {
            const auto entries = value.empty() ? std::vector<std::string_view>{} : TextFile::SplitFields(value, ';');
            bool good = entries.size() == n;
            std::vector<cQuesito::Ordine> orders(n);
            for (size_t i = 0; good && i < n; ++i) {
                good = entries[i].size() == orders[i].size();
                for (size_t k = 0; good && k < orders[i].size(); ++k) {
                    good = entries[i][k] >= '1' && entries[i][k] <= '5';
                    orders[i][k] = static_cast<int8_t>(entries[i][k] - '0');
                }
            }
            if (good)
                for (size_t i = 0; i < n; ++i) record.Items[i].Ordine = orders[i];
            record.HasOrdine = good;
            ok &= good;
        } else if (name == "viste") {
            bool good = value.size() == n && value.find_first_not_of("01") == std::string_view::npos;
            for (size_t i = 0; good && i < n; ++i) record.Items[i].ViewCounted = value[i] == '1';
            record.HasViews = good;
            ok &= good;
        } else if (name == "tardive") {
            bool good = value.size() == n && value.find_first_not_of("01") == std::string_view::npos;
            for (size_t i = 0; good && i < n; ++i) record.Items[i].Late = value[i] == '1';
            record.TimedOut = good;
            ok &= good;
        } else if (name == "passati" || name == "tempo") {
            const auto v = TextConvert::ToInt32(value);
            const bool good = v && *v >= 0;
            (name == "passati" ? record.Passed : record.SecondsLeft) = good ? *v : -1;
            ok &= good;
        } else if (name == "iniziato") {
            const bool good = Clock::DayNumber(value).has_value();
            record.Started = good ? std::string(value) : std::string();
            ok &= good;
        }
    }
    return ok;
}

std::string Extras(const TestRecord& record)
{
    std::string out;
    const auto line = [&out](const std::string& name, const std::string& value) {
        out += name + "=" + value + "\r\n";
    };
    if (record.HasOrdine) {
        std::string value;
        for (const auto& item : record.Items) {
            if (!value.empty()) value += ';';
            for (const int8_t k : item.Ordine) value += static_cast<char>('0' + k);
        }
        line("ordine", value);
    }
    if (record.HasViews) {
        std::string value;
        for (const auto& item : record.Items) value += item.ViewCounted ? '1' : '0';
        line("viste", value);
    }
    if (record.TimedOut) {
        std::string value;
        for (const auto& item : record.Items) value += item.Late ? '1' : '0';
        line("tardive", value);
    }
    if (record.Passed >= 0) line("passati", std::to_string(record.Passed));
    if (record.SecondsLeft >= 0) line("tempo", std::to_string(record.SecondsLeft));
    if (!record.Started.empty()) line("iniziato", record.Started);
    return out;
}

}  // namespace

Expected<Contents> Read(const std::filesystem::path& path, const TestRequest& base)
{
    const auto data = TextFile::ReadAll(path);
    if (!data) return Fail("impossibile aprire il file " + path.filename().string());
    Reader r(*data);
    Contents c;
    TestRecord& record = c.record;
    record.Request = base;
    const std::string_view magic = r.Line();
    if (magic == LegacyMagic) {
        c.legacy = true;
        // What the older layout does not store is read as it always was.
        record.Request.CurrentDataFile = r.Line();
        record.Request.TopicFilter = r.Number(r.Line());
        record.Request.OrderMode = OrderCasuale;
        record.Request.QuestionCount = 0;
        record.Request.KeepAnswerOrder = false;
        record.Request.RecordWrongAnswers = true;
    } else if (magic == Magic) {
        const auto settings = SettingsLine::Read(r.Line(), base);
        if (settings) {
            record.Written = settings->when;
            record.Request = settings->request;
        } else {
            r.Problem(settings.error().description);
        }
    } else if (!r.FirstProblem()) {
        return Fail(Failure::Kind::NotASession);
    }
    record.Position = r.Number(r.Line());
    record.Items = Codes(r.Line());
    Spread(r.Digits(r.Line()), record.Items, &TestItem::Given);
    Spread(r.Digits(r.Line()), record.Items, &TestItem::Correct);
    if (const auto& problem = r.FirstProblem()) return Fail(*problem);
    if (!c.legacy) c.extrasDamaged = !ReadExtras(r, record);
    return c;
}

Expected<void> Write(const std::filesystem::path& path, const TestRecord& record)
{
    std::string codes, given, correct;
    for (const auto& item : record.Items) {
        codes += std::to_string(item.Codice) + ";";
        given += std::to_string(std::max(item.Given, 0));
        correct += std::to_string(std::max(item.Correct, 0));
    }
    std::string content;
    for (const std::string& line : {std::string(Magic), SettingsLine::DescribeSettings(record.Request, record.Written),
                                    std::to_string(record.Position), codes, given, correct}) {
        content += line;
        content += "\r\n";
    }
    content += Extras(record);
    return ReplaceFile::Replace(path, content);
}

}  // namespace SessionFile
