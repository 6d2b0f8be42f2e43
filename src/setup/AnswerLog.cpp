#include "setup/AnswerLog.h"

#include "setup/Clock.h"
#include "setup/SettingsLine.h"

#include <algorithm>
#include <charconv>
#include <fstream>

namespace {

constexpr std::string_view Prefix = "DOM:";

// A whole field of decimal digits, no sign.
std::optional<int32_t> Number(std::string_view field)
{
    int32_t value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (field.empty() || field[0] == '-' || error != std::errc() || end != field.data() + field.size())
        return std::nullopt;
    return value;
}

}  // namespace

void AnswerLog::WriteBuild(const TestRequest& request) const { Append(BuildLine(request, Clock::NowText())); }

void AnswerLog::WriteAnswer(int32_t codice, bool right) const { Append(Line(Clock::NowText(), codice, right)); }

void AnswerLog::WriteReset(int32_t topic) const { Append(ResetLine(Clock::NowText(), topic)); }

std::string AnswerLog::BuildLine(const TestRequest& request, const std::string& when)
{
    return std::string(Prefix) + SettingsLine::DescribeSettings(request, when);
}

std::string AnswerLog::Line(const std::string& when, int32_t codice, bool right)
{
    return std::string(Prefix) + when + "|" + std::to_string(codice) + "|" + (right ? "1" : "0");
}

std::string AnswerLog::ResetLine(const std::string& when, int32_t topic)
{
    return std::string(Prefix) + when + "|AZZERA|" + std::to_string(std::max(topic, 0));
}

void AnswerLog::Append(const std::string& line) const
{
    if (m_file.empty()) return;
    std::ofstream out(m_file, std::ios::binary | std::ios::app);
    if (out) out << line << "\r\n";
}

std::optional<AnswerLog::Entry> AnswerLog::Parse(std::string_view line)
{
    if (line.substr(0, Prefix.size()) != Prefix) return std::nullopt;
    line.remove_prefix(Prefix.size());
    // Exactly three fields; a test-build line has ten.
    const size_t bar1 = line.find('|');
    if (bar1 == std::string_view::npos) return std::nullopt;
    const size_t bar2 = line.find('|', bar1 + 1);
    if (bar2 == std::string_view::npos || line.find('|', bar2 + 1) != std::string_view::npos) return std::nullopt;

    const std::string_view middle = line.substr(bar1 + 1, bar2 - bar1 - 1);
    const std::string_view last = line.substr(bar2 + 1);
    const auto day = Clock::DayNumber(line.substr(0, bar1));
    if (!day) return std::nullopt;
    if (middle == "AZZERA") {
        const auto topic = Number(last);
        if (!topic) return std::nullopt;
        return Reset{*day, *topic};
    }
    if (last != "1" && last != "0") return std::nullopt;
    const auto codice = Number(middle);
    if (!codice) return std::nullopt;
    return Answer{*day, *codice, last == "1"};
}
