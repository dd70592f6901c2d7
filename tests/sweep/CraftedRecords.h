// Settings files crafted from a board's own record, for the crafted-settings
// sweep and as the seeds of the settings fuzz target.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sweep {

struct TCraftedRecord {
    std::string what;   // how it was made, for messages
    std::string bytes;  // as long as the record
};

// A few hundred records of the record's size from a fixed seed: every byte
// one value (0, 1, 0x7F, 0x80, 0xFF, a letter: texts without a zero), every
// four-byte word the largest or smallest int32, each with the record's head
// (board id, size) kept and overwritten; random bytes; the record with
// random bytes, a mix of extremes or a run of letters written over it; and
// the record carrying another board id in its head.
std::vector<TCraftedRecord> CraftedRecords(const std::string& record, uint32_t seed);
// Files that cannot be the record: empty, a byte short, a byte long, twice
// as long.
std::vector<std::string> WrongSizes(const std::string& record);

}  // namespace sweep
