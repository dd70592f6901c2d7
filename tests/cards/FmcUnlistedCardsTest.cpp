// The FMC cards that no card list shows: the JESD adapter for TI (50), the
// adapter with the ADC34J45 module (51) and USBC-FMC (53).
#include <gtest/gtest.h>

#include "cards/CardMaps.h"
#include "model/DaughterBoard.h"
#include "model/MainBoard.h"
#include "tests/cards/FmcMapCheck.h"

namespace fmc_unlisted_cards_test {

namespace {

constexpr IoStandard k2V5 = 6;
constexpr IoStandard kLvds = 21;
constexpr IoStandard kPcml15 = 36;

}  // namespace

TEST(FmcUnlistedCards, LoaderGivesTheCardsWhateverItIsGiven)
{
    struct Case {
        DaughterId card;
        const char* name;
        int pins;
    };
    const Case cases[] = {
        {50, "JESD-FMC Adapter for TI", 93}, {51, "JESD-FMC + TI ADC34J45 EVM", 27}, {53, "USBC-FMC", 97}};
    for (const Case& k : cases) {
        TDaughterBoard reference;
        reference.LoadCard(k.card, MAINBOARD_HOLLARNE, nullptr, 8, 0);
        ExpectFmcMapShape(reference, 400, k.pins);
        EXPECT_EQ(reference.GetName(), k.name);
        EXPECT_EQ(reference.GetType(), CONNECTOR_FMC_HPC);
        TDaughterBoard other;
        other.LoadCard(k.card, MAINBOARD_COLVENNA, nullptr, 3, 0);
        ExpectSameEntries(reference, other);
    }
}

TEST(JesdAdapterCard, LanesLvdsPairsAndModulePositionNames)
{
    TConnector c("", "", CONNECTOR_FMC_HPC, -1);
    AddFmcJesdAdapterPins(&c);
    ExpectFmcMapShape(c, 400, 93);
    // Both legs of the ten lanes in each direction, at the VITA lane positions.
    EXPECT_EQ(PinsPerStandard(c).at(kPcml15), 40);
    ExpectPins(c,
               {{86, "DP0_M2C_P", kIn},
                {87, "DP0_M2C_N", kIn},
                {2, "DP1_M2C_P", kIn},
                {48, "DP8_M2C_P", kIn},
                {49, "DP8_M2C_N", kIn},
                {44, "DP9_M2C_P", kIn},
                {82, "DP0_C2M_P", kOut},
                {22, "DP1_C2M_P", kOut},
                {64, "DP9_C2M_P", kOut},
                {65, "DP9_C2M_N", kOut}},
               kPcml15);
    ExpectPins(c,
               {{124, "GTX_CLKP", kIn},
                {249, "CAR_SYSREFP", kIn},
                {252, "ALT_DAC_SYNCP", kOut},
                {270, "DAC_SYNC_P", kOut},
                {302, "FPGA_CLK1P", kOut},
                {305, "SYNCP", kOut},
                {311, "ALT_SYNCP", kOut},
                {322, "FPGA_CLK2P", kOut}},
               kLvds);
    ExpectEmptyPositions(c, {125, 250, 253, 271, 303, 306, 312, 323});
    ExpectPins(c,
               {{90, "ADBUS4", kIn},
                {98, "LED_SYNC1", kOut},
                {99, "C19", kInout},
                {121, "D1", kIn},
                {132, "D12", kOut},
                {179, "E19", kInout},
                {201, "FMC_F1", kIn},
                {207, "K20", kInout},
                {246, "CLK_LA0_0P", kIn},
                {247, "CLK_LA0_0M", kIn},
                {282, "PRESENT", kIn},
                {288, "ADBUS2", kOut},
                {299, "P", kInout},
                {300, "M", kInout},
                {314, "SYNC", kIn},
                {315, "F1", kOut},
                {318, "H38", kInout},
                {341, "OVRD", kIn}},
               k2V5);
}

TEST(JesdAdcEvmCard, RemapMovesTheModulesPositions)
{
    // The 14 moved positions, as table indexes (position - 1).
    const std::pair<int32_t, int32_t> moves[] = {
        {379, 206}, {382, 207}, {218, 251}, {219, 252}, {209, 269}, {251, 304}, {252, 305},
        {210, 270}, {378, 272}, {341, 273}, {363, 301}, {364, 302}, {381, 313}, {200, 314},
    };
    for (const auto& [from, to] : moves) EXPECT_EQ(AdcEvmRemapIndex(from), to) << from;
    for (int32_t i : {0, 1, 206, 207, 272, 304, 314, 339, 399}) EXPECT_EQ(AdcEvmRemapIndex(i), i) << i;

    TConnector remapped("", "", CONNECTOR_FMC_HPC, -1);
    AddFmcJesdAdcEvmPins(&remapped, 1);
    ExpectFmcMapShape(remapped, 400, 27);
    // Descending order: the module's SYNCP goes from G12 to H25 before F19
    // comes to G12.
    ExpectPins(remapped, {{305, "SYNCP", kOut}, {124, "GTX_CLKP", kIn}, {246, "CLK_LA0_0P", kIn}}, kLvds);
    ExpectPins(remapped,
               {{273, "OVRA", kIn},
                {274, "OVRC", kIn},
                {314, "SYNC", kInout},
                {341, "OVRD", kIn},
                {94, "FMC_SCLK", kInout},
                {297, "FMC_DIR_CONTROL", kInout}},
               k2V5);
    ExpectPins(remapped, {{2, "DB0P", kIn}, {3, "DB0M", kIn}, {86, "DA0P", kIn}, {87, "DA0M", kIn}}, kPcml15);
    ExpectEmptyPositions(remapped, {252, 253, 306, 342, 379, 382, 219, 125, 247, 250});

    TConnector module("", "", CONNECTOR_FMC_HPC, -1);
    AddFmcJesdAdcEvmPins(&module, 0);
    ExpectFmcMapShape(module, 400, 27);
    ExpectPins(module, {{252, "SYNCP", kOut}}, kLvds);
    ExpectPins(module, {{342, "OVRC", kIn}, {379, "OVRA", kIn}, {382, "SYNC", kInout}}, k2V5);
    ExpectEmptyPositions(module, {273, 274, 305, 314});

    TConnector again("", "", CONNECTOR_FMC_HPC, -1);
    AddFmcJesdAdcEvmPins(&again, 1);
    ExpectSameEntries(remapped, again);
}

TEST(UsbCFmcCard, LanesKeepBothLegs)
{
    TConnector c("", "", CONNECTOR_FMC_HPC, -1);
    AddFmcUsbCCardPins(&c);
    ExpectFmcMapShape(c, 400, 97);
    EXPECT_EQ(PinsPerStandard(c), (std::map<IoStandard, int>{{k2V5, 77}, {kPcml15, 20}}));
    ExpectPins(c,
               {{2, "DP_RX_p[1]", kIn},
                {3, "DP_RX_n[1]", kIn},
                {11, "DP_RX_n[3]", kIn},
                {19, "USB_RX_n", kIn},
                {31, "DP_TX_n[3]", kOut},
                {38, "USB_TX_p", kOut},
                {83, "DP_TX_n[0]", kOut},
                {87, "DP_RX_n[0]", kIn}},
               kPcml15);
    ExpectPins(c,
               {{264, "DP_AUX_p", kInout},
                {265, "DP_AUX_n", kInout},
                {138, "USBFX3_DQ[0]", kInout},
                {300, "USBFX3_DQ[13]", kInout},
                {309, "USBFX3_DQ[31]", kInout},
                {234, "FMC_MAX_BUS[0]", kInout},
                {344, "FMC_MAX_BUS[8]", kInout},
                {190, "FMC_MAX_BUS[15]", kInout},
                {90, "USBFX3_CTL[10]", kOut},
                {91, "USBFX3_CTL[9]", kOut},
                {249, "USBFX3_CTL[6]", kOut},
                {98, "USBFX3_CTL11_A[1]", kOut},
                {252, "USBFX3_CTL12_A[0]", kOut},
                {99, "USBFX3_CTL4_FLAGA", kIn},
                {107, "UART_RXD_F", kIn},
                {259, "USBFX3_CTL15_INT_n", kIn},
                {270, "USB_PD_I2C_INT", kIn}},
               k2V5);
    EXPECT_EQ(PositionsOfPinsNamed(c, "USBFX3_DQ[").size(), 32u);
    EXPECT_EQ(PositionsOfPinsNamed(c, "FMC_MAX_BUS[").size(), 16u);
}

}  // namespace fmc_unlisted_cards_test
