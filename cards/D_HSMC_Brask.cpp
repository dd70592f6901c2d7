// Brask high-speed ADC/DAC card (card 8): two 14-bit ADC channels, two
// 14-bit DAC channels, the converters' serial port and the audio codec
// ("AIC_"). Only the two-wire pair at 33 and 34 takes the map's I/O
// standard; every other pin is 2.5 V.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"
#include "cards/HsmcLayout.h"

namespace {

using namespace card_dir;
constexpr IoStandard Arg = card_io::Arg;

const CardPinRow kBraskPins[] = {
    {"33", "SDA", nullptr, Inout, Arg},
    {"34", "SCL", nullptr, Out, Arg},
    {"39", "CLKOUT0", nullptr, Out, 6},
    {"40", "CLKIN1", nullptr, In, 6},
    {"41, 43, 47, 49, 53, 55, 59, 61, 65, 67, 71, 73, 77, 79", "ADA_D", "13-0", In, 6},
    {"42, 44, 48, 50, 54, 56, 60, 62, 66, 68, 72, 74, 78, 80", "ADB_D", "13-0", In, 6},
    {"83", "ADA_OR", nullptr, In, 6},
    {"84", "ADB_OR", nullptr, In, 6},
    {"85", "ADA_OE", nullptr, Out, 6},
    {"86", "ADB_OE", nullptr, Out, 6},
    {"89", "ADA_SPI_CS", nullptr, Out, 6},
    {"90", "ADB_SPI_CS", nullptr, Out, 6},
    {"91", "AD_SDIO", nullptr, Inout, 6},
    {"92", "AD_SCLK", nullptr, Inout, 6},
    {"95", "FPGA_CLK_A_P", nullptr, Inout, 6},
    {"96", "XT_IN_P", nullptr, In, 6},
    {"97", "FPGA_CLK_A_N", nullptr, Inout, 6},
    {"98", "XT_IN_N", nullptr, In, 6},
    {"101, 103, 107, 109, 113, 115, 119, 121, 125, 127, 131, 133, 137, 139", "DA", "13-0", Out, 6},
    {"102, 104, 108, 110, 114, 116, 120, 122, 126, 128, 132, 134, 138, 140", "DB", "13-0", Out, 6},
    {"143", "AIC_DIN", nullptr, Out, 6},
    {"144", "AIC_DOUT", nullptr, In, 6},
    {"145", "AIC_LRCIN", nullptr, Inout, 6},
    {"146", "AIC_LRCOUT", nullptr, Inout, 6},
    {"149", "AIC_BCLK", nullptr, Inout, 6},
    {"150", "AIC_XCLK", nullptr, Out, 6},
    {"151", "AIC_SPI_CS", nullptr, Out, 6},
    {"152", "J1_152", nullptr, Inout, 6},
    {"155", "FPGA_CLK_B_P", nullptr, Inout, 6},
    {"156", "ADA_DCO", nullptr, In, 6},
    {"157", "FPGA_CLK_B_N", nullptr, Inout, 6},
    {"158", "ADB_DCO", nullptr, In, 6},
};

}  // namespace

void AddAdcDacHsmcFastCardPins(TConnector* connector, IoStandard ioStandard)
{
    AddCardPinTable(connector, hsmc::kPositions, kBraskPins, ioStandard);
}
