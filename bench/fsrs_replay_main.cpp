// tq-fsrs-replay: reads histories on standard input, one a line,
// "TODAY DAY GRADE DAY GRADE ..." (days since 1 January 1970, grade 1 for a
// wrong answer, 3 for a right one, oldest first), replays them as log lines
// through the program's own replay, and prints for each line the stability,
// difficulty and retrievability on TODAY. For bench/peers/fsrs_peer.mjs.
#include "setup/BankMemory.h"
#include "setup/Clock.h"

#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

int main()
{
    std::vector<int32_t> todays;
    std::string log;
    for (std::string line; std::getline(std::cin, line);) {
        std::istringstream in(line);
        int32_t today = 0;
        if (!(in >> today)) continue;
        todays.push_back(today);
        const auto codice = std::to_string(todays.size());
        for (int32_t day = 0, grade = 0; in >> day >> grade;)
            log += "DOM:" + Clock::DateText(day) + " 12:00:00|" + codice + "|" + (grade >= 3 ? "1" : "0") + "\r\n";
    }
    std::vector<int32_t> topicOf(todays.size() + 1, 1);
    topicOf[0] = -1;
    BankMemory memory;
    memory.Replay(log, topicOf);
    for (size_t i = 0; i < todays.size(); ++i) {
        const QuestionMemory& m = memory.Of(static_cast<int32_t>(i + 1));
        std::printf("%.17g %.17g %.17g\n", m.state.stability, m.state.difficulty, m.Retrievability(todays[i]));
    }
    return 0;
}
