#pragma once

#include <cstdint>
#include <vector>

// The sort of a draw (cQuesiti::GetRandomized): records ordered by their
// sorter key, a fixed-width text compared byte by byte, then by their random
// key, records with equal keys in the order given. In time linear in the
// number of records: a comparison sort grew faster than the bank.
namespace DrawOrder {

struct Record {
    char order[16];  // blank-padded
    int32_t random;  // 0 to MaxRandom
    uint32_t position;
};

inline constexpr int32_t MaxRandom = 99000;

// The positions of the records in sorted order.
std::vector<uint32_t> Sort(const std::vector<Record>& records);

}  // namespace DrawOrder
