// Culm high-speed ADC/DAC card for HSMC (card 10). Only the two-wire pair at
// 33 and 34 takes the map's I/O standard; every other pin is 2.5 V. The
// input buses run from element 13 down to 0, the output buses upwards.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"
#include "cards/HsmcLayout.h"

namespace {

using namespace card_dir;
constexpr IoStandard Arg = card_io::Arg;

const CardPinRow kCulmPins[] = {
    {"33", "CULM_SDA", nullptr, Inout, Arg},
    {"34", "CULM_SCL", nullptr, Out, Arg},
    {"47, 49, 53, 55, 59, 61, 65, 67, 71, 73, 77, 79, 83, 85", "DAC_DA", "0-13", Out, 6},
    {"48, 50, 54, 56, 60, 62, 66, 68, 72, 74, 78, 80, 84, 86", "DAC_DB", "0-13", Out, 6},
    {"89", "DAC_WRT_A", nullptr, Out, 6},
    {"90", "DAC_WRT_B", nullptr, Out, 6},
    {"91", "DAC_MODE", nullptr, Out, 6},
    {"95", "DAC_CLK_A", nullptr, Out, 6},
    {"96", "OSC_SMA_ADC4", nullptr, In, 6},
    {"97", "DAC_CLK_B", nullptr, Out, 6},
    {"98", "SMA_DAC4", nullptr, In, 6},
    {"108", "ADC_OEB_A", nullptr, Out, 6},
    {"110", "ADC_OEB_B", nullptr, Out, 6},
    {"113, 115, 119, 121, 125, 127, 131, 133, 137, 139, 143, 145, 149, 151", "ADC_DB", "13-0", In, 6},
    {"114, 116, 120, 122, 126, 128, 132, 134, 138, 140, 144, 146, 150, 152", "ADC_DA", "13-0", In, 6},
    {"155", "ADC_CLK_B", nullptr, Out, 6},
    {"156", "ADC_OTR_B", nullptr, In, 6},
    {"157", "ADC_CLK_A", nullptr, Out, 6},
    {"158", "ADC_OTR_A", nullptr, In, 6},
};

}  // namespace

void AddAdcDacHsmcCardPins(TConnector* connector, IoStandard ioStandard)
{
    AddCardPinTable(connector, hsmc::kPositions, kCulmPins, ioStandard);
}
