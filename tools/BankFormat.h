#pragma once

#include <optional>
#include <string_view>
#include <vector>

// Facts about the data file's lines shared by the compiler and the checker.
namespace BankFormat {

// Position of a question line in the order the data file requires; nothing for
// AM:, NR: and unknown tags.
enum class Slot { QI, QD, NO, LE, HI, IM, R1, R2, R3, R4, R5 };

std::optional<Slot> QuestionSlot(std::string_view tag);
std::string_view TagOf(Slot slot);
inline int AnswerOf(Slot slot) { return static_cast<int>(slot) - static_cast<int>(Slot::R1) + 1; }
inline bool IsAnswer(Slot slot) { return slot >= Slot::R1; }

// A strict decimal integer: an optional '-' and 1 to 9 digits, nothing else.
std::optional<int> StrictInt(std::string_view text);

// The four "QI:" fields when the value is exactly four strict integers separated by ",".
std::optional<std::vector<int>> QiFields(std::string_view value);

inline bool ValidDifficolta(int d) { return (d >= 1 && d <= 3) || d == 9; }

}  // namespace BankFormat
