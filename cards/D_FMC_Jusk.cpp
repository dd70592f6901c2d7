// Jusk-FMC (card 78): an 8-megapixel MIPI camera, an HDMI transmitter and the
// data lines of a 2x6 header, every signal single-ended.
#include "cards/CardMaps.h"
#include "cards/FmcPinTable.h"

namespace {

using namespace card_dir;
using namespace fmc_card;

// clang-format off
constexpr FmcPinRow kJuskRows[] = {
    {"90",                          "MIPI_PIXEL_D",   "9",     In,    kArg, kSingle},
    {"91",                          "MIPI_PIXEL_D",   "6",     In,    kArg, kSingle},
    {"94-95",                       "MIPI_PIXEL_D",   "1-2",   In,    kArg, kSingle},
    {"98",                          "MIPI_PIXEL_VS",  nullptr, In,    kArg, kSingle},
    {"99",                          "MIPI_PIXEL_HS",  nullptr, In,    kArg, kSingle},
    {"102-103",                     "YARVEL_D",       "0-1",   Inout, kArg, kSingle},
    {"106",                         "HDMI_TX_D",      "3",     Out,   kArg, kSingle},
    {"107",                         "CAMERA_PWDN_n",  nullptr, Out,   kArg, kSingle},
    {"134-135",                     "HDMI_TX_D",      "17-16", Out,   kArg, kSingle},
    {"137",                         "HDMI_TX_D",      "13",    Out,   kArg, kSingle},
    {"138",                         "HDMI_TX_D",      "10",    Out,   kArg, kSingle},
    {"140, 276",                    "HDMI_I2S",       "1-2",   Out,   kArg, kSingle},
    {"141",                         "HDMI_MCLK",      nullptr, Out,   kArg, kSingle},
    {"143",                         "HDMI_TX_CLK",    nullptr, Out,   kArg, kSingle},
    {"144",                         "HDMI_TX_D",      "7",     Out,   kArg, kSingle},
    {"146",                         "HDMI_TX_D",      "5",     Out,   kArg, kSingle},
    {"147",                         "HDMI_TX_D",      "2",     Out,   kArg, kSingle},
    {"155",                         "YARVEL_D",       "3",     Inout, kArg, kSingle},
    {"242-243",                     "YARVEL_D",       "6-7",   Inout, kArg, kSingle},
    {"246",                         "YARVEL_D",       "2",     Inout, kArg, kSingle},
    {"249-250",                     "MIPI_PIXEL_D",   "8-7",   In,    kArg, kSingle},
    {"252-253",                     "MIPI_PIXEL_D",   "4-5",   In,    kArg, kSingle},
    {"255",                         "MIPI_PIXEL_D",   "3",     In,    kArg, kSingle},
    {"256",                         "MIPI_PIXEL_D",   "0",     In,    kArg, kSingle},
    {"258",                         "MIPI_REFCLK",    nullptr, Out,   kArg, kSingle},
    {"259",                         "HDMI_TX_INT",    nullptr, In,    kArg, kSingle},
    {"261",                         "MIPI_I2C_SCL",   nullptr, Inout, kArg, kSingle},
    {"262",                         "MIPI_I2C_SDA",   nullptr, Inout, kArg, kSingle},
    {"264",                         "MIPI_RESET_n",   nullptr, Out,   kArg, kSingle},
    {"265",                         "MIPI_CS_n",      nullptr, Out,   kArg, kSingle},
    {"267",                         "CAMERA_I2C_SCL", nullptr, Inout, kArg, kSingle},
    {"268",                         "CAMERA_I2C_SDA", nullptr, Inout, kArg, kSingle},
    {"270",                         "HDMI_I2C_SDA",   nullptr, Inout, kArg, kSingle},
    {"271",                         "HDMI_I2C_SCL",   nullptr, Inout, kArg, kSingle},
    {"273",                         "MIPI_PIXEL_CLK", nullptr, In,    kArg, kSingle},
    {"274",                         "HDMI_TX_VS",     nullptr, Out,   kArg, kSingle},
    {"277",                         "HDMI_SCLK",      nullptr, Out,   kArg, kSingle},
    {"284-285",                     "YARVEL_D",       "4-5",   Inout, kArg, kSingle},
    {"287-288, 290-291, 293-294",   "HDMI_TX_D",      "23-18", Out,   kArg, kSingle},
    {"296-297",                     "HDMI_TX_D",      "15-14", Out,   kArg, kSingle},
    {"299-300",                     "HDMI_TX_D",      "12-11", Out,   kArg, kSingle},
    {"302-303",                     "HDMI_TX_D",      "9-8",   Out,   kArg, kSingle},
    {"305",                         "HDMI_TX_D",      "6",     Out,   kArg, kSingle},
    {"306",                         "HDMI_TX_D",      "4",     Out,   kArg, kSingle},
    {"308-309",                     "HDMI_TX_D",      "1-0",   Out,   kArg, kSingle},
    {"311",                         "HDMI_TX_DE",     nullptr, Out,   kArg, kSingle},
    {"312",                         "HDMI_TX_HS",     nullptr, Out,   kArg, kSingle},
    {"314",                         "HDMI_SPDIF",     nullptr, Out,   kArg, kSingle},
    {"315",                         "HDMI_I2S",       "0",     Out,   kArg, kSingle},
    {"317",                         "HDMI_I2S",       "3",     Out,   kArg, kSingle},
    {"318",                         "HDMI_LRCLK",     nullptr, Out,   kArg, kSingle},
};
// clang-format on

constexpr auto kJuskTable = BuildFmcPinTable<FMC_HPC_PIN_NUM, kFmcLongName>(kJuskRows);

}  // namespace

void AddCamera8MFmcCardPins(TConnector* connector, IoStandard ioStandard)
{
    AddFmcCardTablePins(connector, kJuskTable, ioStandard);
}
