#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Date and time as text ("dd/MM/yyyy HH:mm:ss") for log lines and suspended
// tests. Tests fix the time.
namespace Clock {

std::string NowText();

// An empty text returns to the real clock.
void SetFixedNowText(const std::string& text);

// The day of a "dd/MM/yyyy HH:mm:ss" text, in days since 1 January 1970;
// nothing unless the whole text has that form with a real date and time.
std::optional<int32_t> DayNumber(std::string_view text);

// The "dd/MM/yyyy" of a day number, DayNumber's inverse for the date part.
std::string DateText(int32_t day);

// The day of NowText().
int32_t Today();

}  // namespace Clock
