#include "setup/AnswerLog.h"

#include "setup/Clock.h"
#include "setup/SettingsLine.h"

#include <algorithm>
#include <charconv>
#include <fstream>

namespace {
constexpr std::string_view Prefix = "DOM:";
}

void AnswerLog::WriteBuild(const TestRequest& request) const { Append(BuildLine(request, Clock::NowText())); }

void AnswerLog::WriteAnswer(int32_t codice, bool right) const { Append(Line(Clock::NowText(), codice, right)); }

void AnswerLog::WriteReset(int32_t topic) const { Append(ResetLine(Clock::NowText(), topic)); }

std::string AnswerLog::ResetLine(const std::string& when, int32_t topic)
{
    return std::string(Prefix) + when + "|AZZERA|" + std::to_string(std::max(topic, 0));
}

std::string AnswerLog::BuildLine(const TestRequest& request, const std::string& when)
{
    return std::string(Prefix) + SettingsLine::DescribeSettings(request, when);
}

std::string AnswerLog::Line(const std::string& when, int32_t codice, bool right)
{
    return std::string(Prefix) + when + "|" + std::to_string(codice) + "|" + (right ? "1" : "0");
}

void AnswerLog::Append(const std::string& line) const
{
    if (m_file.empty()) return;
    std::ofstream out(m_file, std::ios::binary | std::ios::app);
    if (out) out << line << "\r\n";
}

std::optional<AnswerLog::Answer> AnswerLog::Parse(std::string_view line)
{
    if (line.substr(0, Prefix.size()) != Prefix) return std::nullopt;
    line.remove_prefix(Prefix.size());
    // Exactly three fields; a test-build line has ten.
    const size_t bar1 = line.find('|');
    if (bar1 == std::string_view::npos) return std::nullopt;
    const size_t bar2 = line.find('|', bar1 + 1);
    if (bar2 == std::string_view::npos || line.find('|', bar2 + 1) != std::string_view::npos) return std::nullopt;

    const std::string_view outcome = line.substr(bar2 + 1);
    if (outcome != "1" && outcome != "0") return std::nullopt;
    const std::string_view code = line.substr(bar1 + 1, bar2 - bar1 - 1);
    Answer answer;
    const auto [end, error] = std::from_chars(code.data(), code.data() + code.size(), answer.codice);
    if (code.empty() || code[0] == '-' || error != std::errc() || end != code.data() + code.size()) return std::nullopt;
    const auto day = Clock::DayNumber(line.substr(0, bar1));
    if (!day) return std::nullopt;
    answer.day = *day;
    answer.right = outcome == "1";
    return answer;
}
