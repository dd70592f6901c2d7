// ADC-FMC (card 54): two dual 14-bit converters, their sample clocks and a
// clock generator; a 1.8-V card.
#include "cards/CardMaps.h"
#include "cards/FmcPinTable.h"

namespace {

using namespace card_dir;
using namespace fmc_io;
using namespace fmc_card;

// clang-format off
constexpr FmcPinRow kAdcRows[] = {
    // The buses, bit k at the k-th listed position.
    {"143, 258, 259, 299, 267, 144, 99, 262, 300, 138, 265, 305, 146, 264",  "ADC_B_D", "0-13", In, k1V8, kSingle},
    {"308, 276, 311, 273, 309, 147, 270, 271, 312, 318, 274, 317, 314, 277", "ADC_A_D", "0-13", In, k1V8, kSingle},
    {"210, 172, 170, 208, 169, 173, 329, 175, 211, 179, 213, 217, 332, 220", "ADC_C_D", "0-13", In, k1V8, kSingle},
    {"182, 188, 176, 341, 222, 184, 185, 181, 219, 178, 187, 226, 225, 344", "ADC_D_D", "0-13", In, k1V8, kSingle},
    // The other signals.
    {"90",       "SI5340B_I2C_SDA", nullptr, Inout, k1V8,     kSingle},
    {"91",       "ADC1_PDWN",       nullptr, Out,   k1V8,     kSingle},
    {"98",       "ADC1_SDIO_DCS",   nullptr, Inout, k1V8,     kSingle},
    {"135, 296", "ADC1_CK_S",       "1-0",   Out,   k1V8,     kSingle},
    {"137",      "ADC1_SCLK_DFS",   nullptr, Out,   k1V8,     kSingle},
    {"166, 322", "ADC2_CK_S",       "1-0",   Out,   k1V8,     kSingle},
    {"167",      "ADC2_SDIO_DCS",   nullptr, Inout, k1V8,     kSingle},
    {"204",      "FPGA_CLK_ADC2_p", nullptr, Out,   kSstl18I, kClock, kNegLeg},
    {"207",      "ADC2_SYNC",       nullptr, Out,   k1V8,     kSingle},
    {"214",      "ADC_C_DCOC",      nullptr, In,    k1V8,     kSingle},
    {"216",      "ADC_C_ORC",       nullptr, In,    k1V8,     kSingle},
    {"223",      "ADC_D_DCOD",      nullptr, In,    k1V8,     kSingle},
    {"252",      "SI5340B_INTR",    nullptr, In,    k1V8,     kSingle},
    {"253",      "SI5340B_RST_n",   nullptr, Out,   k1V8,     kSingle},
    {"255",      "ADC1_CSB",        nullptr, Out,   k1V8,     kSingle},
    {"256",      "ADC1_OEB",        nullptr, Out,   k1V8,     kSingle},
    {"261",      "ADC_B_DCOB",      nullptr, In,    k1V8,     kSingle},
    {"268",      "ADC_A_DCOA",      nullptr, In,    k1V8,     kSingle},
    {"293",      "SI5340B_OE_n",    nullptr, Out,   k1V8,     kSingle},
    {"294",      "SI5340B_I2C_SCL", nullptr, Inout, k1V8,     kSingle},
    {"297",      "ADC1_SYNC",       nullptr, Out,   k1V8,     kSingle},
    {"302",      "FPGA_CLK_ADC1_p", nullptr, Out,   kSstl18I, kClock, kNegLeg},
    {"306",      "ADC_B_ORB",       nullptr, In,    k1V8,     kSingle},
    {"315",      "ADC_A_ORA",       nullptr, In,    k1V8,     kSingle},
    {"323",      "ADC2_PDWN",       nullptr, Out,   k1V8,     kSingle},
    {"326",      "ADC2_SCLK_DFS",   nullptr, Out,   k1V8,     kSingle},
    {"335",      "ADC2_OEB",        nullptr, Out,   k1V8,     kSingle},
    {"338",      "ADC2_CSB",        nullptr, Out,   k1V8,     kSingle},
    {"347",      "ADC_D_ORD",       nullptr, In,    k1V8,     kSingle},
};
// clang-format on

constexpr auto kAdcTable = BuildFmcPinTable<FMC_HPC_PIN_NUM, kFmcLongName>(kAdcRows);

}  // namespace

void AddFmcAdcCardPins(TConnector* connector)
{
    AddFmcCardTablePins(connector, kAdcTable, std::nullopt);
}
