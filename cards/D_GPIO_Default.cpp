// The GPIO Default card (cards 1, 85, 86, 87): a plain name for every
// signal position of a 40-pin GPIO header. Positions 11, 12, 29 and 30 are
// the header's power and ground pins and carry no signal.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"

namespace {

constexpr int kPositions = 40;
using namespace card_dir;

// The 36 signal positions, counted from 0 in position order.
constexpr const char* kSignalPositions = "1-10, 13-28, 31-40";

const CardPinRow kCountedNames[] = {
    {kSignalPositions, "GPIO", "0-35", Inout},
};

// The individual names of the first boards.
const CardPinRow kOlderNames[] = {
    {"1", "GPIO_CLKIN[0]", nullptr, In},
    {"3", "GPIO_CLKIN[1]", nullptr, In},
    {"2, 4-10, 13-18, 20, 22-28, 31-40", "GPIO_D", "0-31", Inout},
    {"19", "GPIO_CLKOUT[0]", nullptr, Out},
    {"21", "GPIO_CLKOUT[1]", nullptr, Out},
};

// Bare names: the prefix of the copy onto the header completes them
// ("GPIO" gives GPIO[0] ... GPIO[33], GPIO_IN[0] and GPIO_IN[1]).
const CardPinRow kNamesWithInputs[] = {
    {"1", "_IN[0]", nullptr, In},
    {"3", "_IN[1]", nullptr, In},
    {"2, 4-10, 13-28, 31-40", "", "0-33", Inout},
};

}  // namespace

void AddGpioDefaultPins(TConnector* connector, uint8_t indexedNames, IoStandard ioStandard)
{
    if (indexedNames)
        AddCardPinTable(connector, kPositions, kCountedNames, ioStandard);
    else
        AddCardPinTable(connector, kPositions, kOlderNames, ioStandard);
}

void AddGpioDefaultPrefixedPins(TConnector* connector, const char* nameBase, IoStandard ioStandard)
{
    // The board forms pass "GPIO_0" and "GPIO_1"; a name base so long that
    // "%s[%d]" passes 128 characters is refused by the generation run.
    const CardPinRow rows[] = {
        {kSignalPositions, nameBase ? nameBase : "", "0-35", Inout},
    };
    AddCardPinTable(connector, kPositions, rows, ioStandard);
}

void AddGpioDefaultPinsWithInputs(TConnector* connector)
{
    AddCardPinTable(connector, kPositions, kNamesWithInputs, IO_STD_3V3_LVTTL);
}
