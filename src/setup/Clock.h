#pragma once

#include <string>

// Date and time as text ("dd/MM/yyyy HH:mm:ss") for log lines and suspended
// tests. Tests fix the time.
namespace Clock {

std::string NowText();

// An empty text returns to the real clock.
void SetFixedNowText(const std::string& text);

}  // namespace Clock
