// The signal names of the Kilverne board's BBB header (two headers of 46
// positions, P8 and P9) in the header modes that name them from a table.
#pragma once

#include <cstdint>
#include <string>

// Mode codes of the tables.
constexpr uint8_t BBB_MODE_WIFI_BLE = 2;
constexpr uint8_t BBB_MODE_7 = 10;
constexpr int BBB_HEADER_PINS = 46;

// The row of a position (1 to 46) of header 0 (P8) or 1 (P9) in the tables of
// a mode: name (empty where the mode has no signal), direction and I/O
// standard. Mode codes 2 and 10 read their tables and return true; any other
// code but 1 returns false and leaves the outputs as they were. A position
// outside 1 to 46, mode code 1 or another header are programming errors.
bool GetBbbPinOut(uint8_t ModeCode, uint8_t Header, int32_t PinIndex, std::string& Name, int32_t& Direction,
                  int32_t& IoStandard);
