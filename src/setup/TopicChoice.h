#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The topic combo of the statistics and progress windows: "TUTTI GLI
// ARGOMENTI", then every topic of the bank when it has two or more, so that
// row n is topic n.
struct TopicChoice {
    std::vector<std::string> rows;  // cp1252
    // The row of the topic asked for; 0 when the combo does not offer it, so
    // that what the combo shows is what the window lists.
    int32_t selected = 0;

    // From the topic list of a data file.
    static TopicChoice Load(const std::string& dataFile, int32_t topic);
};
