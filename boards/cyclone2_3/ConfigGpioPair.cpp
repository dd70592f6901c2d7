#include "boards/cyclone2_3/ConfigGpioPair.h"

namespace {

// The ball of bit n of an entry.
const char* BallOf(const TGroupEntry& entry, int n)
{
    return static_cast<std::size_t>(n) < entry.Balls.size() ? entry.Balls[static_cast<std::size_t>(n)]
                                                             : kUnknownBall;
}

void AddEntry(TPinGroup& group, const TGroupEntry& entry)
{
    if (entry.Width == 0) {
        PL_ASSERT(entry.Balls.size() <= 1);
        if (entry.ClockPeriodNs > 0)
            group.Clock(entry.Name, BallOf(entry, 0), IO_3V3_LVTTL, entry.ClockPeriodNs);
        else
            group.Pin(entry.Name, BallOf(entry, 0), entry.Direction, IO_3V3_LVTTL);
        return;
    }
    // The table of a bus holds at most its width; clocks are single pins.
    const int nNum = entry.Width;
    PL_ASSERT(static_cast<int>(entry.Balls.size()) <= nNum);
    PL_ASSERT(entry.ClockPeriodNs == 0);
    std::vector<const char*> balls;
    for (int n = 0; n < nNum; ++n) balls.push_back(BallOf(entry, n));
    group.Bus(entry.Name, balls.data(), nNum, entry.Direction, IO_3V3_LVTTL);
}

}  // namespace

void AddGroupTable(TMainBoard* board, const void* record, const std::vector<TGroupRow>& rows)
{
    const auto* bytes = static_cast<const uint8_t*>(record);
    for (const TGroupRow& row : rows) {
        const std::string name = row.NameOf ? row.NameOf(bytes) : bytes[row.Flag] != 0 ? row.Name : "";
        if (name.empty()) continue;
        TPinGroup group(name);
        for (const TGroupEntry& entry : row.Entries) AddEntry(group, entry);
        group.AddTo(board);
    }
}

std::vector<const char*> GpioHeaderLocations(std::initializer_list<TGivenBall> given)
{
    return MasterLocations(40, GpioHeaderPositionsWithoutPin(), given);
}
