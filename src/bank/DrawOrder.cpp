#include "bank/DrawOrder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <numeric>
#include <unordered_map>
#include <utility>

namespace DrawOrder {

namespace {

// A sorter key as two numbers whose order is the text's byte order.
struct Key {
    uint64_t high = 0;
    uint64_t low = 0;
    bool operator==(const Key&) const = default;
    bool operator<(const Key& other) const { return high != other.high ? high < other.high : low < other.low; }
};

struct KeyHash {
    size_t operator()(const Key& k) const { return std::hash<uint64_t>()(k.high * 0x9E3779B97F4A7C15ull ^ k.low); }
};

uint64_t BigEndian(const char* bytes)
{
    uint64_t value = 0;
    for (int i = 0; i < 8; ++i) value = value << 8 | static_cast<unsigned char>(bytes[i]);
    return value;
}

Key KeyOf(const Record& r) { return {BigEndian(r.order), BigEndian(r.order + 8)}; }

// Each record's sorter key replaced by its rank among the distinct keys; few distinct
// keys are the rule (one for a plain draw), so ranking them costs little.
std::vector<uint32_t> Ranks(const std::vector<Record>& records, uint64_t& distinct)
{
    std::vector<uint32_t> rank(records.size(), 0);
    distinct = 1;
    const Key first = records.empty() ? Key{} : KeyOf(records.front());
    if (std::all_of(records.begin(), records.end(), [&](const Record& r) { return KeyOf(r) == first; })) return rank;
    std::unordered_map<Key, uint32_t, KeyHash> ids;
    std::vector<Key> keys;
    for (size_t i = 0; i < records.size(); ++i) {
        const Key key = KeyOf(records[i]);
        const auto [it, added] = ids.emplace(key, static_cast<uint32_t>(keys.size()));
        if (added) keys.push_back(key);
        rank[i] = it->second;
    }
    std::vector<uint32_t> byKey(keys.size());
    std::iota(byKey.begin(), byKey.end(), 0u);
    std::sort(byKey.begin(), byKey.end(), [&](uint32_t a, uint32_t b) { return keys[a] < keys[b]; });
    std::vector<uint32_t> rankOfId(keys.size());
    for (size_t r = 0; r < byKey.size(); ++r) rankOfId[byKey[r]] = static_cast<uint32_t>(r);
    for (uint32_t& r : rank) r = rankOfId[r];
    distinct = keys.size();
    return rank;
}

}  // namespace

std::vector<uint32_t> Sort(const std::vector<Record>& records)
{
    uint64_t distinct = 0;
    const std::vector<uint32_t> rank = Ranks(records, distinct);
    constexpr uint64_t randoms = MaxRandom + 1;
    std::vector<std::pair<uint64_t, uint32_t>> a(records.size());
    for (size_t i = 0; i < records.size(); ++i)
        a[i] = {rank[i] * randoms + static_cast<uint64_t>(records[i].random), records[i].position};

    // Least significant digit first, each pass stable: equal keys keep the order given.
    constexpr int bitsPerPass = 11;
    constexpr size_t buckets = size_t{1} << bitsPerPass;
    const int bits = std::bit_width(distinct * randoms - 1);
    std::vector<std::pair<uint64_t, uint32_t>> b(a.size());
    for (int shift = 0; shift < bits; shift += bitsPerPass) {
        std::array<size_t, buckets + 1> start{};
        for (const auto& e : a) ++start[(e.first >> shift & (buckets - 1)) + 1];
        std::partial_sum(start.begin(), start.end(), start.begin());
        for (const auto& e : a) b[start[e.first >> shift & (buckets - 1)]++] = e;
        a.swap(b);
    }
    std::vector<uint32_t> positions(a.size());
    for (size_t i = 0; i < a.size(); ++i) positions[i] = a[i].second;
    return positions;
}

}  // namespace DrawOrder
