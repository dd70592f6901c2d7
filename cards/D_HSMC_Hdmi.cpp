// HDMI transmitter card (card 31) and HDMI receiver card (card 32). Only the
// two-wire pair at 33 and 34 takes the map's I/O standard; every other pin
// is 2.5 V.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"
#include "cards/HsmcLayout.h"

namespace {

using namespace card_dir;
constexpr IoStandard Arg = card_io::Arg;

const CardPinRow kHdmiTxPins[] = {
    {"33", "HDMI_TX_SDA", nullptr, Inout, Arg},
    {"34", "HDMI_TX_SCL", nullptr, Out, Arg},
    {"42", "TX_PCSCL", nullptr, Out, 6},
    {"44", "TX_PCSDA", nullptr, Inout, 6},
    {"48", "TX_CEC", nullptr, Inout, 6},
    {"50", "TX_RST_N", nullptr, Out, 6},
    {"53, 55, 59, 61, 65, 67, 71, 73, 77, 79, 83, 85", "TX_RD", "11-0", Out, 6},
    {"54", "TX_INT_N", nullptr, In, 6},
    {"56", "TX_DSR3L", nullptr, Out, 6},
    {"60", "TX_DSR3R", nullptr, Out, 6},
    {"62", "TX_DSR2L", nullptr, Out, 6},
    {"66", "TX_DSR2R", nullptr, Out, 6},
    {"78", "TX_DSR1L", nullptr, Out, 6},
    {"80", "TX_DSR1R", nullptr, Out, 6},
    {"86", "TX_DSR0L", nullptr, Out, 6},
    {"90", "TX_PCLK", nullptr, Out, 6},
    {"92", "TX_SCK", nullptr, Out, 6},
    {"101, 103, 107, 109, 113, 115, 119, 121, 125, 127, 131, 133", "TX_GD", "11-0", Out, 6},
    {"102, 104", "TX_I2S", "0-1", Out, 6},
    {"108, 110, 114, 116, 120, 122, 126, 128, 132, 134, 138", "TX_BD", "10-0", Out, 6},
    {"137", "TX_BD[11]", nullptr, Out, 6},
    {"140", "TX_DE", nullptr, Out, 6},
    {"144", "TX_HS", nullptr, Out, 6},
    {"145", "TX_SPDIF", nullptr, Out, 6},
    {"146", "TX_VS", nullptr, Out, 6},
    {"149, 151", "TX_I2S", "3-2", Out, 6},
    {"150", "TX_WS", nullptr, Out, 6},
    {"152", "TX_DSR0R", nullptr, Out, 6},
    {"155", "TX_MCLK", nullptr, Out, 6},
    {"157", "TX_DCLK", nullptr, Out, 6},
};

const CardPinRow kHdmiRxPins[] = {
    {"33", "HDMI_RX_SDA", nullptr, Inout, Arg},
    {"34", "HDMI_RX_SCL", nullptr, Out, Arg},
    {"55", "RX_RST_N", nullptr, Out, 6},
    {"56", "EDID_WP_N", nullptr, Out, 6},
    {"59", "RX_SCDT", nullptr, In, 6},
    {"60", "RX1_CEC", nullptr, Inout, 6},
    {"61", "RX_INT_N", nullptr, In, 6},
    {"62", "RX1_HPD_N", nullptr, Out, 6},
    {"65, 67, 71, 73, 77, 79, 83, 85, 89, 91, 101, 103", "RX_RD", "11-0", In, 6},
    {"66", "RX_MUTE", nullptr, In, 6},
    {"68", "RX_DSD", nullptr, In, 6},
    {"72", "RX_SPDIF", nullptr, In, 6},
    {"74", "RX_I2S[0]", nullptr, In, 6},
    {"78", "RX_WS", nullptr, In, 6},
    {"80, 84, 86", "RX_I2S", "3-1", In, 6},
    {"90", "RX0_HPD_N", nullptr, Out, 6},
    {"92", "RX0_CEC", nullptr, Inout, 6},
    {"96", "RX_MCLK", nullptr, In, 6},
    {"98", "RX_SCK", nullptr, In, 6},
    {"102", "RX_PCSCL", nullptr, Out, 6},
    {"104", "RX_PCSDA", nullptr, Inout, 6},
    {"107, 109, 113, 115, 119, 121, 125, 127, 131, 133, 137, 139", "RX_GD", "11-0", In, 6},
    {"108", "RX_EVENODD", nullptr, In, 6},
    {"110", "RX_VS", nullptr, In, 6},
    {"114", "RX_HS", nullptr, In, 6},
    {"116", "RX_DE", nullptr, In, 6},
    {"120, 122, 126, 128, 132, 134, 138, 140", "RX_BD", "0-7", In, 6},
    {"143", "RX0_DDC_SCL", nullptr, Inout, 6},
    {"144, 146, 150, 152", "RX_BD", "11-8", In, 6},
    {"145", "RX0_DDC_SDA", nullptr, Inout, 6},
    {"149", "RX1_DDC_SCL", nullptr, Inout, 6},
    {"151", "RX1_DDC_SDA", nullptr, Inout, 6},
    {"156", "RX_PCLK", nullptr, In, 6},
};

}  // namespace

void AddHdmiTxCardPins(TConnector* connector, IoStandard ioStandard)
{
    AddCardPinTable(connector, hsmc::kPositions, kHdmiTxPins, ioStandard);
}

void AddHdmiRxCardPins(TConnector* connector, IoStandard ioStandard)
{
    AddCardPinTable(connector, hsmc::kPositions, kHdmiRxPins, ioStandard);
}
