#pragma once

#include <string_view>

// What makes this build the build of one competition.
namespace BuildConstants {

inline constexpr std::string_view CompetitionTitle = "Comune di Roccalvento - 14 istruttori amministrativi";
inline constexpr std::string_view DataFileName = "rcv14.dat";
inline constexpr std::string_view ProductName = "Tessarondequiz";
// Data file of the second language area; this competition has none.
inline constexpr std::string_view AltDataFileName = "";

// Exam simulation: one entry drawing 50 questions of any topic and difficulty, in 0 h 50 min.
inline constexpr int ExamTopic = 0;
inline constexpr int ExamDifficulty = 0;
inline constexpr int ExamQuestions = 50;
inline constexpr int ExamHours = 0;
inline constexpr int ExamMinutes = 50;

// The competition's scoring: points for a right, a wrong and a blank answer,
// and the pass mark in thirtieths.
inline constexpr double PointsRight = 1.0;
inline constexpr double PointsWrong = -0.33;
inline constexpr double PointsBlank = 0.0;
inline constexpr double PassMark = 21.0;
inline constexpr double MarkScale = 30.0;

// Topics covered by "TUTTI I QUESITI".
inline constexpr int FirstTopic = 1;
inline constexpr int LastTopic = 3;

}  // namespace BuildConstants
