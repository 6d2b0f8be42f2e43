#include "setup/SettingsLine.h"

#include "bank/TextConvert.h"
#include "bank/TextFile.h"

#include <vector>

namespace SettingsLine {

std::string DescribeSettings(const TestRequest& r, const std::string& when)
{
    std::string s = when;
    for (const std::string& field :
         {std::to_string(r.TopicFilter), r.CurrentDataFile, std::to_string(r.OrderMode), std::to_string(r.QuestionCount),
          std::string(TextConvert::FromBool(r.KeepAnswerOrder)), std::string(TextConvert::FromBool(r.RecordWrongAnswers)),
          std::to_string(r.TimeLimitHours), std::to_string(r.TimeLimitMinutes), std::to_string(r.StartNumber)}) {
        s += '|';
        s += field;
    }
    return s;
}

Expected<Fields> Read(std::string_view line, const TestRequest& base)
{
    const auto f = TextFile::SplitFields(line, '|');
    if (f.size() < 7) return Fail("riga delle impostazioni incompleta");
    const auto number = [](std::string_view text) -> Expected<int32_t> {
        if (const auto v = TextConvert::ToInt32(text)) return *v;
        return Fail("valore non numerico: \"" + std::string(text) + "\"");
    };
    const auto flag = [](std::string_view text) -> Expected<bool> {
        if (const auto v = TextConvert::ToBool(text)) return *v;
        return Fail("valore non valido: \"" + std::string(text) + "\"");
    };
    Fields out;
    out.when = f[0];
    out.request = base;
    TestRequest& r = out.request;
    const auto topic = number(f[1]);
    if (!topic) return tl::unexpected(topic.error());
    r.TopicFilter = *topic;
    r.CurrentDataFile = f[2];
    for (const auto& [text, target] : {std::pair{f[3], &r.OrderMode}, std::pair{f[4], &r.QuestionCount}}) {
        const auto v = number(text);
        if (!v) return tl::unexpected(v.error());
        *target = *v;
    }
    for (const auto& [text, target] : {std::pair{f[5], &r.KeepAnswerOrder}, std::pair{f[6], &r.RecordWrongAnswers}}) {
        const auto v = flag(text);
        if (!v) return tl::unexpected(v.error());
        *target = *v;
    }
    if (f.size() >= 10) {
        const auto hours = TextConvert::ToInt32(f[7]);
        const auto minutes = TextConvert::ToInt32(f[8]);
        const auto start = TextConvert::ToInt32(f[9]);
        if (hours && minutes && start && *hours >= 0 && *minutes >= 0 && *minutes < 60) {
            r.TimeLimitHours = *hours;
            r.TimeLimitMinutes = *minutes;
            r.StartNumber = *start;
            out.complete = true;
        }
    }
    return out;
}

}  // namespace SettingsLine
