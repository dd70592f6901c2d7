// Eskel multimedia card (card 14): audio codec, video decoder, VGA, LCD,
// Ethernet, SD card, PS/2, UART and touch ADC. Only the two-wire pair at 33
// and 34 takes the map's I/O standard; every other pin is 2.5 V.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"
#include "cards/HsmcLayout.h"

namespace {

using namespace card_dir;
constexpr IoStandard Arg = card_io::Arg;

const CardPinRow kEskelPins[] = {
    {"33", "HC_I2C_SDAT", nullptr, Inout, Arg},
    {"34", "HC_I2C_SCLK", nullptr, Out, Arg},
    {"39", "HC_AUD_XCK", nullptr, Out, 6},
    {"40", "HC_AUD_ADCDAT", nullptr, In, 6},
    {"41", "HC_ID_I2CSCL", nullptr, Out, 6},
    {"42", "HC_ID_I2CDAT", nullptr, Inout, 6},
    {"43", "HC_PS2_CLK", nullptr, Out, 6},
    {"44", "HC_SD_CMD", nullptr, Inout, 6},
    {"47", "HC_PS2_DAT", nullptr, Inout, 6},
    {"48", "HC_SD_DAT", nullptr, Inout, 6},
    {"49", "HC_MDIO", nullptr, Inout, 6},
    {"50", "HC_SDA", nullptr, Inout, 6},
    {"53", "HC_SD_DAT3", nullptr, Inout, 6},
    {"54", "HC_VGA_HS", nullptr, Out, 6},
    {"55", "HC_VGA_VS", nullptr, Out, 6},
    {"56, 60, 62, 66, 68, 72, 74, 78", "HC_TD_D", "0-7", In, 6},
    {"59", "HC_VGA_BLANK", nullptr, Out, 6},
    {"61", "HC_VGA_SYNC", nullptr, Out, 6},
    {"65, 67, 71, 73, 77, 79, 83, 85, 89, 91", "HC_VGA_DATA", "0-9", Out, 6},
    {"80", "HC_TD_RESET", nullptr, Out, 6},
    {"84", "HC_TD_VS", nullptr, In, 6},
    {"86", "HC_TD_HS", nullptr, In, 6},
    {"90", "HC_RX_ERR", nullptr, In, 6},
    {"92", "HC_RX_CRS", nullptr, In, 6},
    {"95", "HC_NCLK", nullptr, Out, 6},
    {"96", "HC_RX_CLK", nullptr, In, 6},
    {"97", "HC_VGA_CLOCK", nullptr, Out, 6},
    {"98", "HC_TD_27MHZ", nullptr, In, 6},
    {"101", "HC_SD_CLK", nullptr, Out, 6},
    {"102, 104, 108, 110", "HC_RXD", "0-3", In, 6},
    {"103", "HC_AUD_ADCLRCK", nullptr, Out, 6},
    {"107", "HC_AUD_DACLRCK", nullptr, Out, 6},
    {"109", "HC_AUD_DACDAT", nullptr, Out, 6},
    {"113", "HC_AUD_BCLK", nullptr, Out, 6},
    {"114", "HC_RX_COL", nullptr, In, 6},
    {"115", "HC_UART_RXD", nullptr, In, 6},
    {"116", "HC_RX_DV", nullptr, In, 6},
    {"119", "HC_UART_TXD", nullptr, Out, 6},
    {"120", "HC_ADC_BUSY", nullptr, In, 6},
    {"121", "HC_ETH_RESET_N", nullptr, Out, 6},
    {"122", "HC_ADC_DOUT", nullptr, In, 6},
    {"125", "HC_TX_EN", nullptr, Out, 6},
    {"126, 128, 146, 150, 152", "HC_LCD_DATA", "3-7", Out, 6},
    {"127, 131, 133, 137", "HC_TXD", "0-3", Out, 6},
    {"132", "HC_VD", nullptr, Out, 6},
    {"134", "HC_HD", nullptr, Out, 6},
    {"138", "HC_DEN", nullptr, Out, 6},
    {"139", "HC_MDC", nullptr, Out, 6},
    {"140", "HC_GRESET", nullptr, Out, 6},
    {"143", "HC_ADC_CS_n", nullptr, Out, 6},
    {"144", "HC_SCEN", nullptr, Out, 6},
    {"145, 149, 151", "HC_LCD_DATA", "0-2", Out, 6},
    {"155", "HC_ADC_DIN", nullptr, Out, 6},
    {"156", "HC_ADC_PENIRQ_n", nullptr, In, 6},
    {"157", "HC_ADC_DCLK", nullptr, Out, 6},
    {"158", "HC_TX_CLK", nullptr, In, 6},
};

}  // namespace

void AddMultimediaCardPins(TConnector* connector, IoStandard ioStandard)
{
    AddCardPinTable(connector, hsmc::kPositions, kEskelPins, ioStandard);
}
