// SDI card (card 22): two serial-digital-interface channels on transceiver
// lanes 2 and 1 (both legs named, at the map's I/O standard), their LEDs
// and controls, the AES audio lines and the clock chip. The LVDS clock
// input at 156 and 158 is "LVDS"; every other pin is 2.5 V.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"
#include "cards/HsmcLayout.h"

namespace {

using namespace card_dir;
constexpr IoStandard Arg = card_io::Arg;

const CardPinRow kSdiPins[] = {
    {"25, 29", "SDI_TX_P", "2-1", Out, Arg},
    {"26, 30", "SDI_EQOUT_P", "2-1", In, Arg},
    {"27, 31", "SDI_TX_N", "2-1", Out, Arg},
    {"28, 32", "SDI_EQOUT_N", "2-1", In, Arg},
    {"41, 43", "SDI_LED_TX_R", "1-2", Out, 6},
    {"47, 49", "SDI_LED_TX_G", "1-2", Out, 6},
    {"53, 59", "SDI_LED_RX_R", "2-1", Out, 6},
    {"55, 61", "SDI_LED_RX_G", "2-1", Out, 6},
    {"71, 73", "SDI_RATE_SEL", "1-2", Out, 6},
    {"77, 79", "SDI_BYPASS", "1-2", Out, 6},
    {"83, 85, 89", "AES_CLK_S", "0-2", Out, 6},
    {"91", "AES_CLK_PDTSn", nullptr, Out, 6},
    {"96", "AES_CLK", nullptr, In, 6},
    {"101, 103", "AES_OUT", "1-2", Out, 6},
    {"102, 104", "AES_IN", "1-2", In, 6},
    {"107", "AES_VCXO_UP", nullptr, Out, 6},
    {"109", "AES_VCXO_DN", nullptr, Out, 6},
    {"113", "SDI_CLK_SEL", nullptr, Out, 6},
    {"115", "SDI_XTAL_SEL", nullptr, Out, 6},
    {"119, 121", "SDI_CLK_BP", "0-1", Out, 6},
    {"127, 131", "SDI_CLK_N", "0-1", Out, 6},
    {"133, 137, 139, 143", "SDI_CLK_V", "0-3", Out, 6},
    {"144", "ODDEVEN", nullptr, In, 6},
    {"145", "SDI_CLK_MLTF", nullptr, Out, 6},
    {"146", "VFORMAT", nullptr, In, 6},
    {"149", "SDI_CLK_RST", nullptr, Out, 6},
    {"150", "VSYNC", nullptr, In, 6},
    {"151", "SDI_CLK_OE", nullptr, Out, 6},
    {"152", "HSYNC", nullptr, In, 6},
    {"155", "SDI_HSMC_CLK", nullptr, Out, 6},
    {"156", "SDI_HSMC_CLK_P", nullptr, In, 21},
    {"158", "SDI_HSMC_CLK_N", nullptr, In, 21},
    {"160", "SDI_PSNTn", nullptr, Out, 6},
};

}  // namespace

void AddSdiCardPins(TConnector* connector, IoStandard ioStandard)
{
    AddCardPinTable(connector, hsmc::kPositions, kSdiPins, ioStandard);
}
