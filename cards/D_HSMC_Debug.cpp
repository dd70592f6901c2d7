// HSMC debug card (card 18): clock lines, the 38-bit bus "HSM_D" and the
// LED bus "HSM_D_LED" (elements 40 to 79). On Ormsgill and Quenwick the last
// "HSM_D" line is an input of its own name. Every pin is 2.5 V.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"
#include "cards/HsmcLayout.h"
#include "model/MainBoard.h"

namespace {

using namespace card_dir;

const CardPinRow kDebugPins[] = {
    {"39", "HSM_CLKCOUT0", nullptr, Inout},
    {"40", "HSM_CLKIN0", nullptr, Inout},
    {"41-44, 47-50, 53-56, 59-62, 65-68, 71-74, 77-80, 83-86, 89-92, 95, 96", "HSM_D", "0-37", Inout},
    {"101-104, 107-110, 113-116, 119-122, 125-128, 131-134, 137-140, 143-146, 149-152, 155-158", "HSM_D_LED",
     "40-79", Inout},
    {"160", "HSM_PSNTn", nullptr, In},
};

const CardPinRow kOrmsgillQuenwickInput[] = {
    {"96", "HSM_D_IN[37]", nullptr, In},
};

}  // namespace

void AddHsmcDebugCardPins(TConnector* connector, int32_t board)
{
    CardPinTable table(hsmc::kPositions, {6});
    table.Add(kDebugPins);
    if (board == MAINBOARD_ORMSGILL || board == MAINBOARD_QUENWICK) table.Replace(kOrmsgillQuenwickInput);
    table.AppendTo(connector);
}
