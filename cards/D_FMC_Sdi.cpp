// 12G SDI-FMC (card 48): two 12G-SDI and two 3G-SDI channels on transceivers,
// with their cable drivers and equalisers, a video clock generator and a
// jitter-cleaning clock chip.
#include "cards/CardMaps.h"
#include "cards/FmcPinTable.h"

namespace {

using namespace card_dir;
using namespace fmc_io;
using namespace fmc_card;

// clang-format off
constexpr FmcPinRow kSdiRows[] = {
    {"10, 86",   "SDI_3G_RX_p",          "1-0",   In,    kHsDiff, kLane,     kNegLeg},
    {"26, 38",   "SDI_12G_TX_p",         "0-1",   Out,   kHsDiff, kLane,     kNegLeg},
    {"30, 82",   "SDI_3G_TX_p",          "1-0",   Out,   kHsDiff, kLane,     kNegLeg},
    {"48, 56",   "SDI_12G_RX_p",         "0-1",   In,    kHsDiff, kLane,     kNegLeg},
    {"60, 124",  "GBTCLK_M2C_p",         "1-0",   In,    kLvds,   kRefClock, kNegLeg},
    {"90",       "VCG_INIT",             nullptr, Out,   kArg,    kSingle},
    {"91, 253",  "SDI_12G_RC_ALARM_n",   "0-1",   In,    kArg,    kSingle},
    {"94, 252",  "SDI_12G_RC_LOS",       "0-1",   In,    kArg,    kSingle},
    {"95, 98",   "SDI_12G_RX_LOS",       "0-1",   In,    kArg,    kSingle},
    {"99, 255",  "SDI_12G_RX_ALARM_n",   "1-0",   In,    kArg,    kSingle},
    {"102-103",  "AES_IN",               "0-1",   In,    kArg,    kSingle},
    {"106-107",  "AES_OUT",              "0-1",   Out,   kArg,    kSingle},
    {"110",      "FMC_I2C_SCL",          nullptr, Out,   kArg,    kSingle},
    {"111",      "FMC_I2C_SDA",          nullptr, Inout, kArg,    kSingle},
    {"114, 155", "FMC_GA",               "0-1",   Out,   kArg,    kSingle},
    {"134",      "VSS_OE",               nullptr, In,    kArg,    kSingle},
    {"135",      "VSS_VF",               nullptr, In,    kArg,    kSingle},
    {"137, 277", "SI5344_IN_SEL",        "1-0",   Out,   kArg,    kSingle},
    {"138",      "SI5344_INTR_n",        nullptr, In,    kArg,    kSingle},
    {"140",      "SDI_12G_SPI_SCLK",     nullptr, Out,   kArg,    kSingle},
    {"141",      "SDI_12G_SPI_CS_n",     nullptr, Out,   kArg,    kSingle},
    {"143-144",  "CLKSEL_S2",            "0-1",   Out,   kArg,    kSingle},
    {"146",      "SDI_3G_SPI_SCK",       nullptr, Out,   kArg,    kSingle},
    {"147",      "SDI_3G_SPI_MISO",      nullptr, In,    kArg,    kSingle},
    {"242, 284", "CLK_M2C_p",            "1-0",   In,    kLvds,   kClock,    kNegLeg},
    {"249",      "VCG_NO_LOCK",          nullptr, In,    kArg,    kSingle},
    {"250",      "VCG_NO_ALIGN",         nullptr, In,    kArg,    kSingle},
    {"256, 259", "SDI_12G_RX_SD_XHD",    "0-1",   In,    kArg,    kSingle},
    {"261, 265", "SDI_3G_SPI_SS_n",      "0-1",   Out,   kArg,    kSingle},
    {"262, 267", "SDI_3G_TX_EN",         "0-1",   Out,   kArg,    kSingle},
    {"264, 268", "SDI_3G_TX_RATE_SEL",   "0-1",   Out,   kArg,    kSingle},
    {"270",      "SI5344_I2C_SEL",       nullptr, Out,   kArg,    kSingle},
    {"271",      "SI5344_A1_SDO",        nullptr, Inout, kArg,    kSingle},
    {"273",      "SI5344_A0_CS_n",       nullptr, Out,   kArg,    kSingle},
    {"274",      "SI5344_RST_n",         nullptr, Out,   kArg,    kSingle},
    {"276",      "SI5344_OE_n",          nullptr, Out,   kArg,    kSingle},
    {"287",      "VCG_H",                nullptr, Out,   kArg,    kSingle},
    {"288",      "VCG_V",                nullptr, Out,   kArg,    kSingle},
    {"291",      "VCG_F",                nullptr, Out,   kArg,    kSingle},
    {"293",      "FPGA_CLK_p",           nullptr, Out,   kLvds,   kClock,    kNegLeg},
    {"296",      "VSS_VS",               nullptr, In,    kArg,    kSingle},
    {"297",      "VSS_HS",               nullptr, In,    kArg,    kSingle},
    {"299",      "SI5344_LOL_n",         nullptr, In,    kArg,    kSingle},
    {"300",      "SI5344_LOL_XTAL_n",    nullptr, In,    kArg,    kSingle},
    {"302",      "SDI_12G_SPI_SDO",      nullptr, Inout, kArg,    kSingle},
    {"303",      "SDI_12G_SPI_SDI",      nullptr, Inout, kArg,    kSingle},
    {"305-306",  "CLKSEL_S1",            "0-1",   Out,   kArg,    kSingle},
    {"308",      "VCG_NO_REF",           nullptr, In,    kArg,    kSingle},
    {"309",      "SDI_3G_SPI_MOSI",      nullptr, Out,   kArg,    kSingle},
    {"311-312",  "SDI_3G_CD_n",          "0-1",   In,    kArg,    kSingle},
    {"314",      "VCG_I2C_SDA",          nullptr, Inout, kArg,    kSingle},
    {"315",      "VCG_I2C_SCL",          nullptr, Inout, kArg,    kSingle},
    {"317",      "SI5344_I2C_SDA",       nullptr, Inout, kArg,    kSingle},
    {"318",      "SI5344_I2C_SCL",       nullptr, Inout, kArg,    kSingle},
};
// clang-format on

constexpr auto kSdiTable = BuildFmcPinTable<FMC_HPC_PIN_NUM, kFmcLongName>(kSdiRows);

}  // namespace

void AddFmcSdiCardPins(TConnector* connector, IoStandard ioStandard)
{
    AddFmcCardTablePins(connector, kSdiTable, ioStandard);
}
