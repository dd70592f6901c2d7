// HDMI-FMC (card 49): an HDMI transmitter and an HDMI receiver with their
// video, audio and control lines, every one single-ended.
#include "cards/CardMaps.h"
#include "cards/FmcPinTable.h"

namespace {

using namespace card_dir;
using namespace fmc_card;

// clang-format off
constexpr FmcPinRow kHdmiRows[] = {
    // The buses, bit k at the k-th listed position.
    {"90, 290, 314, 312",                                      "TX_I2S", "0-3",  Out, kArg, kSingle},
    {"137, 296, 256, 255, 132, 91, 94, 134, 98, 95, 131, 294",   "TX_BD",  "0-11", Out, kArg, kSingle},
    {"302, 143, 103, 102, 141, 261, 140, 300, 106, 318, 317, 315", "TX_RD", "0-11", Out, kArg, kSingle},
    {"293, 252, 291, 250, 267, 308, 147, 107, 265, 144, 303, 262", "TX_GD", "0-11", Out, kArg, kSingle},
    {"170, 167, 169, 166, 329, 326, 207, 220, 190, 229, 350, 270, 271, 231, 232, 196",
                                                               "RX_GD",  "0-15", In,  kArg, kSingle},
    {"208, 179, 181, 219, 259, 178, 258, 217, 211, 176, 335, 216, 173, 175, 172, 332",
                                                               "RX_BD",  "0-15", In,  kArg, kSingle},
    {"182, 338, 222, 223, 184, 225",                           "RX_AP",  "0-5",  In,  kArg, kSingle},
    {"235, 234, 347, 276, 237, 356, 277, 238, 228, 268, 188, 187, 226, 344, 323, 322",
                                                               "RX_RD",  "0-15", In,  kArg, kSingle},
    // The other signals.
    {"99",       "TX_HS",            nullptr, Out,   kArg, kSingle},
    {"110",      "FMC_I2C_SCL",      nullptr, Out,   kArg, kSingle},
    {"111",      "FMC_I2C_SDA",      nullptr, Inout, kArg, kSingle},
    {"114, 155", "FMC_GA",           "0-1",   Out,   kArg, kSingle},
    {"128",      "TX_PCLK",          nullptr, Out,   kArg, kSingle},
    {"129",      "SII9136_RST_n",    nullptr, Out,   kArg, kSingle},
    {"135",      "TX_MCLK",          nullptr, Out,   kArg, kSingle},
    {"138",      "SII9136_INT",      nullptr, In,    kArg, kSingle},
    {"146",      "SII9136_CSDA_FMC", nullptr, Inout, kArg, kSingle},
    {"162",      "ADV7619_CSDA_FMC", nullptr, Inout, kArg, kSingle},
    {"185",      "RX_SCLK",          nullptr, In,    kArg, kSingle},
    {"193",      "RX0_DDC_SCL",      nullptr, Out,   kArg, kSingle},
    {"194",      "RX0_DDC_SDA",      nullptr, Inout, kArg, kSingle},
    {"204",      "ADV7619_CSCL_FMC", nullptr, Inout, kArg, kSingle},
    {"205",      "RX_MCLK",          nullptr, In,    kArg, kSingle},
    {"210",      "RX_DE",            nullptr, In,    kArg, kSingle},
    {"213",      "RX_VS",            nullptr, In,    kArg, kSingle},
    {"214",      "RX_HS",            nullptr, In,    kArg, kSingle},
    {"246",      "RX_PCLK",          nullptr, In,    kArg, kSingle},
    {"249",      "ADV7619_CS_n",     nullptr, Out,   kArg, kSingle},
    {"253",      "ADV7619_RESET_n",  nullptr, Out,   kArg, kSingle},
    {"264",      "ADV7619_INT",      nullptr, In,    kArg, kSingle},
    {"273",      "RX1_DDC_SCL",      nullptr, Inout, kArg, kSingle},
    {"274",      "RX1_DDC_SDA",      nullptr, Inout, kArg, kSingle},
    {"287",      "TX_SCK",           nullptr, Out,   kArg, kSingle},
    {"288",      "TX_WS",            nullptr, Out,   kArg, kSingle},
    {"297",      "TX_VS",            nullptr, Out,   kArg, kSingle},
    {"299",      "TX_DE",            nullptr, Out,   kArg, kSingle},
    {"305",      "TX_DSR3L",         nullptr, Out,   kArg, kSingle},
    {"306",      "TX_DSR3R",         nullptr, Out,   kArg, kSingle},
    {"309",      "SII9136_CSCL_FMC", nullptr, Inout, kArg, kSingle},
    {"311",      "TX_SPDIF",         nullptr, Out,   kArg, kSingle},
};
// clang-format on

constexpr auto kHdmiTable = BuildFmcPinTable<FMC_HPC_PIN_NUM, kFmcLongName>(kHdmiRows);

}  // namespace

void AddFmcHdmiCardPins(TConnector* connector, IoStandard ioStandard)
{
    AddFmcCardTablePins(connector, kHdmiTable, ioStandard);
}
