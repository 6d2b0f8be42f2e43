#include "bank/DrawOrder.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace DrawOrder {

namespace {

// One stable counting pass on the digit `digitOf` gives each record.
template <size_t Buckets, typename Digit>
void Pass(std::vector<Record>& from, std::vector<Record>& to, Digit digitOf)
{
    std::array<size_t, Buckets + 1> start{};
    for (const Record& r : from) ++start[digitOf(r) + 1];
    std::partial_sum(start.begin(), start.end(), start.begin());
    for (const Record& r : from) to[start[digitOf(r)]++] = r;
    from.swap(to);
}

}  // namespace

std::vector<uint32_t> Sort(const std::vector<Record>& records)
{
    // Least significant first, every pass stable, so equal keys keep the order given:
    // the random key in two passes, then each byte of the sorter key from the last,
    // skipping the bytes every record shares (most of them: few keys differ much).
    std::vector<Record> a = records;
    std::vector<Record> b(a.size());
    static_assert(MaxRandom < (1 << 18));
    Pass<512>(a, b, [](const Record& r) { return static_cast<size_t>(r.random) & 511u; });
    Pass<512>(a, b, [](const Record& r) { return static_cast<size_t>(r.random) >> 9; });
    for (size_t byte = sizeof(Record::order); byte-- > 0;) {
        const bool same = std::all_of(a.begin(), a.end(), [&](const Record& r) { return r.order[byte] == a[0].order[byte]; });
        if (!same) Pass<256>(a, b, [byte](const Record& r) { return static_cast<size_t>(static_cast<unsigned char>(r.order[byte])); });
    }
    std::vector<uint32_t> positions(a.size());
    for (size_t i = 0; i < a.size(); ++i) positions[i] = a[i].position;
    return positions;
}

}  // namespace DrawOrder
