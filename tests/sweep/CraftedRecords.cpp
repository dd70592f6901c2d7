#include "tests/sweep/CraftedRecords.h"

#include <algorithm>
#include <random>

namespace sweep {

namespace {

// The head of a record: board id, three reserved bytes, its size.
constexpr size_t kHeadSize = 8;

std::string Repeated(const std::string& unit, size_t size)
{
    std::string bytes;
    while (bytes.size() < size) bytes += unit;
    return bytes.substr(0, size);
}

std::string WithHead(std::string bytes, const std::string& record)
{
    std::copy_n(record.begin(), std::min({kHeadSize, record.size(), bytes.size()}), bytes.begin());
    return bytes;
}

}  // namespace

std::vector<TCraftedRecord> CraftedRecords(const std::string& record, uint32_t seed)
{
    std::vector<TCraftedRecord> records;
    const size_t size = record.size();
    std::mt19937 random(seed);
    auto byte = [&random] { return static_cast<char>(random() & 0xFF); };
    auto below = [&random](size_t n) { return n == 0 ? 0 : static_cast<size_t>(random() % n); };

    // One value throughout, with and without the record's head.
    const std::pair<const char*, std::string> units[] = {
        {"zero bytes", std::string(1, '\0')},      {"bytes 0x01", "\x01"},
        {"bytes 0x7F", "\x7F"},                     {"bytes 0x80", "\x80"},
        {"bytes 0xFF", "\xFF"},                     {"letters without a zero", "A"},
        {"the largest int32", "\xFF\xFF\xFF\x7F"}, {"the smallest int32", std::string("\0\0\0\x80", 4)},
    };
    for (const auto& [what, unit] : units) {
        records.push_back({std::string(what) + " throughout", Repeated(unit, size)});
        records.push_back({std::string(what) + " after the head", WithHead(Repeated(unit, size), record)});
    }
    // Random bytes.
    for (int i = 0; i < 24; ++i) {
        std::string bytes(size, '\0');
        std::generate(bytes.begin(), bytes.end(), byte);
        records.push_back({"random bytes " + std::to_string(i), bytes});
        records.push_back({"random bytes after the head " + std::to_string(i), WithHead(bytes, record)});
    }
    // The record with a few random bytes written over it.
    for (int i = 0; i < 100; ++i) {
        std::string bytes = record;
        const size_t count = 1 + below(16);
        for (size_t k = 0; k < count; ++k) bytes[kHeadSize + below(size > kHeadSize ? size - kHeadSize : 0)] = byte();
        records.push_back({"the record with random bytes " + std::to_string(i), bytes.substr(0, size)});
    }
    // Every field at an extreme: each word of the record the largest or
    // smallest int32, zero or all ones, or each byte 0, 1, 0x7F, 0x80, 0xFF.
    static const char* const kWords[] = {"\xFF\xFF\xFF\x7F", "\0\0\0\x80", "\0\0\0\0", "\xFF\xFF\xFF\xFF"};
    static const char kBytes[] = {0, 1, 0x7F, static_cast<char>(0x80), static_cast<char>(0xFF)};
    for (int i = 0; i < 60; ++i) {
        std::string bytes = record;
        for (size_t at = kHeadSize; at < size; at += 4) {
            if (i % 2 == 0) {
                const char* word = kWords[below(4)];
                for (size_t k = 0; k < 4 && at + k < size; ++k) bytes[at + k] = word[k];
            } else {
                for (size_t k = 0; k < 4 && at + k < size; ++k) bytes[at + k] = kBytes[below(5)];
            }
        }
        records.push_back({"every field at an extreme " + std::to_string(i), bytes});
    }
    // A run of letters without a zero over each stretch of the record.
    const size_t step = std::max<size_t>(1, size / 40);
    for (size_t at = kHeadSize; at < size; at += step) {
        std::string bytes = record;
        std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                  bytes.begin() + static_cast<std::ptrdiff_t>(std::min(size, at + 140)), 'W');
        records.push_back({"letters from byte " + std::to_string(at), bytes});
    }
    // The record under the head of another board.
    for (int id : {0, 1, 5, 12, 16, 17, 21, 27, 33, 35, 38, 39, 50, 100, 101, 255}) {
        std::string bytes = record;
        if (!bytes.empty() && static_cast<uint8_t>(bytes[0]) == id) continue;
        if (!bytes.empty()) bytes[0] = static_cast<char>(id);
        records.push_back({"the record as board " + std::to_string(id), bytes});
    }
    return records;
}

std::vector<std::string> WrongSizes(const std::string& record)
{
    return {std::string(), record.substr(0, record.size() - 1), record + '\0', record + record};
}

}  // namespace sweep
