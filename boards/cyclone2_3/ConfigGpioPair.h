// The shape of the definitions of the four boards with a pair of 40-pin GPIO
// headers (CONFIG_AVEMOR, CONFIG_FENNICK, CONFIG_ISSELMONT, CONFIG_JARROWBY):
// m_BoardId from the board's constant, the record head (CHECK_RECORD_HEAD),
// then DefineGpioPairBoard: the device, a fixed table of on-board groups each
// switched by a flag of the record (or named and switched by several flags),
// and the masters of the two headers (AddGpioHeaderPair). Every on-board pin
// is 3.3-V LVTTL; where the board's data gives no ball, kUnknownBall.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "boards/cyclone2_3/GpioPairConfigs.h"
#include "boards/frame/ConfigFrame.h"

// One entry of an on-board group: a single pin (Width 0) or a bus
// NAME[0..Width-1] named from a format with "%d".
struct TGroupEntry {
    const char* Name;  // "CLOCK_50", "LEDR[%d]"
    int Width;
    PinDirection Direction;
    // The balls from bit 0 (of the pin, for a single pin); kUnknownBall where
    // the board's data gives none, and every member past the list likewise.
    std::vector<const char*> Balls;
    int32_t ClockPeriodNs = 0;  // above 0: a clock input of this period
};

// One row of a board's group table: the group is made when the record's
// flag byte at Flag is non-zero; a row with NameOf is made when NameOf gives
// a name for the record (an empty name: no group).
struct TGroupRow {
    std::size_t Flag;
    const char* Name;
    std::vector<TGroupEntry> Entries;
    std::string (*NameOf)(const uint8_t* record) = nullptr;
};

// The rows of a table whose condition holds, in table order.
void AddGroupTable(TMainBoard* board, const void* record, const std::vector<TGroupRow>& rows);

// What a GPIO-pair definition names of its board besides its id and record.
struct TGpioPairBoard {
    TDevice Device;
    const std::vector<TGroupRow>& Groups;
    const std::vector<const char*>& Gpio0;  // 40 locations each (GpioHeaderLocations)
    const std::vector<const char*>& Gpio1;
};

// The locations of a GPIO header: every position located but 11, 12, 29 and
// 30, the balls given by position, the others kUnknownBall.
std::vector<const char*> GpioHeaderLocations(std::initializer_list<TGivenBall> given);

// The steps of a GPIO-pair definition after m_BoardId and the record head:
// the board emptied, the device, the group table, the headers.
template <class X_CONFIG>
void DefineGpioPairBoard(TMainBoard* board, const X_CONFIG& Config, const TGpioPairBoard& data)
{
    board->ClearConnectors();
    SetDevice(board, data.Device);
    AddGroupTable(board, &Config, data.Groups);
    AddGpioHeaderPair(board, Config.nGpioDaughterId, data.Gpio0, data.Gpio1);
}
