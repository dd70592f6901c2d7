// NET-FMC (card 52): four Ethernet ports, NET0 to NET3, with the same signals
// each; the port digit p of NETp is the element of the rows below.
#include "cards/CardMaps.h"
#include "cards/FmcPinTable.h"

namespace {

using namespace card_dir;
using namespace fmc_io;
using namespace fmc_lvds_card;

// clang-format off
constexpr FmcPinRow kNetRows[] = {
    // Signal X of port p at the p-th listed position (NET0, NET1, NET2, NET3).
    {"284, 94, 305, 267",   "NET%d_INTN",     "0-3", In,    k2V5,  kSingle},
    {"249, 95, 306, 309",   "NET%d_MDC",      "0-3", Out,   k2V5,  kSingle},
    {"252, 98, 300, 276",   "NET%d_TX_EN",    "0-3", Out,   k2V5,  kSingle},
    {"138, 256, 314, 103",  "NET%d_RX_CLK",   "0-3", In,    k2V5,  kSingle},
    {"128, 129, 258, 315",  "NET%d_GTX_CLK",  "0-3", Out,   k2V5,  kSingle},
    {"132, 297, 273, 144",  "NET%d_RX_DV",    "0-3", In,    k2V5,  kSingle},
    {"287, 134, 264, 268",  "NET%d_RESETN",   "0-3", Out,   k2V5,  kSingle},
    {"288, 135, 265, 308",  "NET%d_MDIO",     "0-3", Inout, k2V5,  kSingle},
    {"178, 341, 353, 143",  "NET%d_RX_ER",    "0-3", In,    k2V5,  kSingle},
    {"246, 242, 162, 196",  "NET%d_S_CLKP",   "0-3", In,    kLvds, kLvdsLeg},
    {"166, 169, 172, 175",  "NET%d_S_RX_P",   "0-3", In,    kLvds, kLvdsLeg},
    {"322, 185, 191, 237",  "NET%d_RX_CRS",   "0-3", In,    k2V5,  kSingle},
    {"323, 187, 193, 238",  "NET%d_RX_COL",   "0-3", In,    k2V5,  kSingle},
    {"207, 210, 213, 216",  "NET%d_S_TX_P",   "0-3", Out,   kLvds, kLvdsLeg},
    {"335, 222, 219, 356",  "NET%d_TX_ER",    "0-3", Out,   k2V5,  kSingle},
    {"332, 220, 338, 235",  "NET%d_TX_CLK",   "0-3", In,    k2V5,  kSingle},
    {"367, 368, 370, 371",  "NET%d_LINK1000", "0-3", In,    k2V5,  kSingle},
    // The N legs of the LVDS lines, each after its P leg.
    {"247, 243, 163, 197",  "NET%d_S_CLKN",   "0-3", In,    kLvds, kLvdsLeg},
    {"167, 170, 173, 176",  "NET%d_S_RX_N",   "0-3", In,    kLvds, kLvdsLeg},
    {"208, 211, 214, 217",  "NET%d_S_TX_N",   "0-3", Out,   kLvds, kLvdsLeg},
    // The data bits, bit k at the k-th listed position.
    {"91, 131, 291, 90, 205, 329, 326, 204",    "NET0_RX_D", "0-7", In,  k2V5, kSingle},
    {"253, 290, 250, 137, 179, 182, 181, 184",  "NET0_TX_D", "0-7", Out, k2V5, kSingle},
    {"255, 296, 294, 293, 225, 190, 226, 188",  "NET1_RX_D", "0-7", In,  k2V5, kSingle},
    {"99, 140, 141, 102, 228, 347, 229, 350",   "NET1_TX_D", "0-7", Out, k2V5, kSingle},
    {"271, 312, 311, 270, 231, 234, 232, 194",  "NET2_RX_D", "0-7", In,  k2V5, kSingle},
    {"259, 299, 261, 262, 302, 303, 223, 344",  "NET2_TX_D", "0-7", Out, k2V5, kSingle},
    {"107, 106, 146, 147, 330, 336, 333, 327",  "NET3_RX_D", "0-7", In,  k2V5, kSingle},
    {"317, 274, 277, 318, 339, 345, 342, 351",  "NET3_TX_D", "0-7", Out, k2V5, kSingle},
    // The other signals.
    {"110",      "FMC_I2C_SCL", nullptr, Inout, k2V5, kSingle},
    {"111",      "FMC_I2C_SDA", nullptr, Inout, k2V5, kSingle},
    {"114, 155", "FMC_GA",      "0-1",   Out,   k2V5, kSingle},
};
// clang-format on

constexpr auto kNetTable = BuildFmcPinTable<FMC_HPC_PIN_NUM, kFmcLongName>(kNetRows);

}  // namespace

void AddFmcEthernetCardPins(TConnector* connector)
{
    AddFmcCardPinsWithoutNegLegs(connector, kNetTable, 'N');
}
