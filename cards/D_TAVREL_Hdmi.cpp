// HDMI full-HD TX/RX card for the Tavrel connector (card 15): an HDMI
// receiver and an HDMI transmitter. Every pin is 3.3-V LVTTL.
#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"

namespace {

using namespace card_dir;
constexpr int kPositions = 180;

const CardPinRow kHdmiPins[] = {
    {"3", "HDMI_RX_I2S[3]", nullptr, In},
    {"4", "HDMI_RX_SCK", nullptr, In},
    {"5", "HDMI_RX_WS", nullptr, In},
    {"6", "HDMI_RX_MCLK", nullptr, In},
    {"9", "HDMI_RX_RD[0]", nullptr, In},
    {"10, 11", "HDMI_RX_GD", "10-11", In},
    {"12, 16, 18", "HDMI_RX_GD", "9-7", In},
    {"15, 17", "HDMI_RX_RD", "2-1", In},
    {"21, 23", "HDMI_RX_RD", "4-3", In},
    {"22, 99", "HDMI_RX_HPD_N", "1-0", Out},
    {"24, 102", "HDMI_RX_CEC", "1-0", Inout},
    {"27, 29", "HDMI_RX_I2S", "1-2", In},
    {"28", "HDMI_RX_RST_N", nullptr, Out},
    {"30", "HDMI_RX_SCDT", nullptr, In},
    {"33", "HDMI_RX_SPDIF", nullptr, In},
    {"34", "HDMI_RX_INT_N", nullptr, In},
    {"35", "HDMI_RX_I2S[0]", nullptr, In},
    {"36, 40, 42, 45, 46, 48, 52", "HDMI_RX_RD", "11-5", In},
    {"39", "HDMI_RX_MUTE", nullptr, In},
    {"41", "HDMI_RX_DSD", nullptr, In},
    {"53", "HDMI_EDID_WP", nullptr, Out},
    {"54", "HDMI_RX_GD[3]", nullptr, In},
    {"57", "HDMI_RX_GD[1]", nullptr, In},
    {"58", "HDMI_RX_GD[5]", nullptr, In},
    {"59", "HDMI_RX_GD[2]", nullptr, In},
    {"60", "HDMI_RX_GD[6]", nullptr, In},
    {"63", "HDMI_RX_GD[0]", nullptr, In},
    {"64", "HDMI_RX_GD[4]", nullptr, In},
    {"65", "HDMI_RX_BD[10]", nullptr, In},
    {"66", "HDMI_RX_PCLK", nullptr, In},
    {"69", "HDMI_RX_BD[8]", nullptr, In},
    {"70", "HDMI_RX_BD[11]", nullptr, In},
    {"71", "HDMI_RX_BD[9]", nullptr, In},
    {"72, 75, 76, 78", "HDMI_RX_BD", "3-0", In},
    {"77", "HDMI_RX_DE", nullptr, In},
    {"81", "HDMI_RX_PCSDA", nullptr, Inout},
    {"82", "HDMI_RX_HS", nullptr, In},
    {"83, 94, 96, 100", "HDMI_RX_BD", "4-7", In},
    {"84", "HDMI_RX_PCSCL", nullptr, Out},
    {"87, 93", "HDMI_RX_DDC_SDA", "1-0", Inout},
    {"88", "HDMI_RX_EVENODD", nullptr, In},
    {"89, 95", "HDMI_RX_DDC_SCL", "1-0", Inout},
    {"90", "HDMI_RX_VS", nullptr, In},
    {"101, 105, 106, 108", "HDMI_TX_GD", "8-11", Out},
    {"107", "HDMI_TX_RD[0]", nullptr, Out},
    {"111", "HDMI_TX_RD[3]", nullptr, Out},
    {"112", "HDMI_TX_RD[1]", nullptr, Out},
    {"113", "HDMI_TX_RD[6]", nullptr, Out},
    {"114", "HDMI_TX_RD[2]", nullptr, Out},
    {"117", "HDMI_TX_RD[8]", nullptr, Out},
    {"118", "HDMI_TX_RD[4]", nullptr, Out},
    {"119", "HDMI_TX_RD[9]", nullptr, Out},
    {"120", "HDMI_TX_RD[5]", nullptr, Out},
    {"123", "HDMI_TX_RD[7]", nullptr, Out},
    {"131", "HDMI_SDA", nullptr, Inout},
    {"132", "HDMI_SCL", nullptr, Out},
    {"133, 135", "HDMI_TX_RD", "11-10", Out},
    {"134, 136", "HDMI_TX_GD", "6-5", Out},
    {"137", "HDMI_TX_GD[7]", nullptr, Out},
    {"138, 142, 144, 146, 148", "HDMI_TX_GD", "4-0", Out},
    {"139", "HDMI_TX_PCSCL", nullptr, Out},
    {"140", "HDMI_TX_PCSDA", nullptr, Inout},
    {"141", "HDMI_TX_RST_N", nullptr, Out},
    {"143", "HDMI_TX_INT_N", nullptr, In},
    {"145, 149, 153, 157", "HDMI_TX_DSD_L", "3-0", Out},
    {"147, 151, 155, 159", "HDMI_TX_DSD_R", "3-0", Out},
    {"150, 152, 154, 158, 160, 162, 164, 166, 168, 170, 172, 174", "HDMI_TX_BD", "11-0", Out},
    {"156", "HDMI_TX_PCLK", nullptr, Out},
    {"161", "HDMI_TX_DCLK", nullptr, Out},
    {"163", "HDMI_TX_SCK", nullptr, Out},
    {"165", "HDMI_TX_WS", nullptr, Out},
    {"167", "HDMI_TX_MCLK", nullptr, Out},
    {"169, 171, 173, 175", "HDMI_TX_I2S", "0-3", Out},
    {"176", "HDMI_TX_DE", nullptr, Out},
    {"177", "HDMI_TX_VS", nullptr, Out},
    {"178", "HDMI_TX_HS", nullptr, Out},
    {"179", "HDMI_TX_SPDIF", nullptr, Out},
    {"180", "HDMI_TX_CEC", nullptr, Inout},
};

}  // namespace

void AddTavrelHdmiCardPins(TConnector* connector)
{
    AddCardPinTable(connector, kPositions, kHdmiPins, IO_STD_3V3_LVTTL);
}
