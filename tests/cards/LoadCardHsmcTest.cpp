// The card loader for the HSMC and Tavrel cards: which standards, flags and
// board ids it hands each map on which main board.
#include <gtest/gtest.h>

#include "cards/CardMaps.h"
#include "model/DaughterBoard.h"
#include "model/MainBoard.h"
#include "tests/cards/CardMapCheck.h"

namespace load_card_hsmc_test {

TEST(LoadCardHsmc, BoardValuesReachTheMaps)
{
    struct Case {
        DaughterId card;
        uint8_t board;
        IoStandard asked;
        int32_t option;
        int position;
        const char* name;
        PinDirection direction;
        IoStandard ioStandard;
        int active;
    };
    const Case cases[] = {
        // The HSMC standard: 1.8 V on Ormsgill, else 2.5 V.
        {6, MAINBOARD_HOLLARNE, 8, 0, 33, "DVI_HSMC_SDA", kInout, 6, 77},
        {6, MAINBOARD_ORMSGILL, 8, 0, 33, "DVI_HSMC_SDA", kInout, 3, 77},
        {7, MAINBOARD_ORMSGILL, 8, 0, 34, "NET_HSMC_SCL", kOut, 3, 74},
        {7, MAINBOARD_BRACKWELL, 8, 0, 34, "NET_HSMC_SCL", kOut, 6, 74},
        {8, MAINBOARD_ORMSGILL, 8, 0, 33, "SDA", kInout, 3, 84},
        {10, MAINBOARD_ORMSGILL, 8, 0, 34, "CULM_SCL", kOut, 3, 71},
        {14, MAINBOARD_ORMSGILL, 8, 0, 33, "HC_I2C_SDAT", kInout, 3, 84},
        {27, MAINBOARD_ORMSGILL, 8, 0, 33, "DOVRA_SDA", kInout, 3, 83},
        {28, MAINBOARD_ORMSGILL, 8, 0, 33, "QUORRIL_SDA", kInout, 6, 83},
        {31, MAINBOARD_ORMSGILL, 8, 0, 33, "HDMI_TX_SDA", kInout, 3, 64},
        {32, MAINBOARD_ORMSGILL, 8, 0, 34, "HDMI_RX_SCL", kOut, 3, 67},
        {56, MAINBOARD_ORMSGILL, 8, 0, 33, "SDA", kInout, 3, 84},
        {56, MAINBOARD_HOLLARNE, 8, 0, 34, "SCL", kInout, 6, 84},
        {61, MAINBOARD_ORMSGILL, 8, 0, 41, "MIPI_I2C_SCL", kInout, 6, 74},
        {23, MAINBOARD_ORMSGILL, 8, 0, 33, "SATA_HSM_SDA", kInout, 3, 85},
        // The transceiver standard: 1.4-V PCML on Pelverton, Ormsgill and
        // Brackwell, HSSI on Yarrowgate and Rennacre, else 1.5-V PCML.
        {23, MAINBOARD_HOLLARNE, 8, 0, 1, "SATA_HSM_TX_P[7]", kOut, 36, 85},
        {23, MAINBOARD_PELVERTON, 8, 0, 1, "SATA_HSM_TX_P[7]", kOut, 35, 85},
        {23, MAINBOARD_YARROWGATE, 8, 0, 4, "SATA_HSM_RX_N[7]", kIn, 52, 85},
        {21, MAINBOARD_RENNACRE, 8, 0, 13, "XCVR_TX4p", kOut, 52, 83},
        {21, MAINBOARD_BRACKWELL, 8, 0, 13, "XCVR_TX4p", kOut, 35, 83},
        {26, MAINBOARD_ORMSGILL, 8, 0, 17, "TX_P[3]", kOut, 35, 15},
        {26, MAINBOARD_COLVENNA, 8, 0, 17, "TX_P[3]", kOut, 36, 15},
        {37, MAINBOARD_ORMSGILL, 8, 0, 1, "L_P[7]", kOut, 35, 99},
        {37, MAINBOARD_YARROWGATE, 8, 0, 2, "R_P[7]", kIn, 52, 99},
        {19, MAINBOARD_ORMSGILL, 8, 0, 39, "L_CLK0", kInout, 6, 83},
        {2, MAINBOARD_YARROWGATE, 8, 0, 1, "TX_p[7]", kOut, 52, 117},
        {3, MAINBOARD_PELVERTON, 8, 0, 2, "RX_p[7]", kIn, 35, 117},
        {4, MAINBOARD_RENNACRE, 8, 0, 1, "TX_p[7]", kOut, 52, 62},
        // The SDI card always gets 1.4-V PCML.
        {22, MAINBOARD_HOLLARNE, 8, 0, 25, "SDI_TX_P[2]", kOut, 35, 52},
        {22, MAINBOARD_YARROWGATE, 8, 0, 25, "SDI_TX_P[2]", kOut, 35, 52},
        // The adaptor cards take the form's standard, replaced on some boards.
        {17, MAINBOARD_HOLLARNE, 8, 0, 47, "GPIO1_35", kInout, 8, 72},
        {17, MAINBOARD_HOLLARNE, 6, 0, 47, "GPIO1_35", kInout, 6, 72},
        {17, MAINBOARD_PELVERTON, 8, 0, 47, "GPIO1_35", kInout, 39, 72},
        {17, MAINBOARD_QUENWICK, 8, 0, 47, "GPIO1_35", kInout, 39, 72},
        {17, MAINBOARD_COLVENNA, 8, 0, 47, "GPIO1_35", kInout, 6, 72},
        {17, MAINBOARD_KESTLEFORD, 8, 0, 98, "GPIO1_0", kIn, 8, 72},
        {57, MAINBOARD_BRACKWELL, 8, 0, 158, "IVREL_PIXCLK", kIn, 39, 57},
        {58, MAINBOARD_COLVENNA, 8, 0, 98, "IVREL_PIXCLK", kIn, 6, 57},
        {59, MAINBOARD_ORMSGILL, 6, 0, 98, "IVREL_1_PIXCLK", kIn, 39, 42},
        // Board ids and the option.
        {18, MAINBOARD_QUENWICK, 8, 0, 96, "HSM_D_IN[37]", kIn, 6, 81},
        {18, MAINBOARD_ORMSGILL, 8, 0, 96, "HSM_D_IN[37]", kIn, 6, 81},
        {18, MAINBOARD_HOLLARNE, 8, 0, 96, "HSM_D[37]", kInout, 6, 81},
        {2, MAINBOARD_QUENWICK, 8, 1, 155, "OUT_p2", kOut, 6, 117},
        {2, MAINBOARD_QUENWICK, 8, 0, 155, "CLKOUT_p2", kOut, 6, 117},
        {90, MAINBOARD_QUENWICK, 8, 1, 157, "OUT_n2", kOut, 8, 117},
        {96, MAINBOARD_QUENWICK, 8, 1, 157, "OUT_n2", kOut, 0, 117},
        {2, MAINBOARD_KESTLEFORD, 8, 0, 47, "TX_D_P[0]", kInout, 6, 117},
        {2, MAINBOARD_GORSEWIN, 8, 0, 160, "PRSNT_N", kIn, 6, 117},
        {98, MAINBOARD_IVENHOLD, 8, 0, 95, "CLKOUT_P[1]", kOut, 39, 101},
        {3, MAINBOARD_IVENHOLD, 8, 0, 95, "CLKOUT_p[1]", kOut, 6, 101},
        {91, MAINBOARD_ESTOVER, 8, 0, 1, "GXB_TX_p[7]", kOut, 36, 101},
        {4, MAINBOARD_BRACKWELL, 8, 0, 39, "OUT0", kOut, 6, 100},
        // The Tavrel cards fix their standards.
        {15, MAINBOARD_HOLLARNE, 6, 0, 180, "HDMI_TX_CEC", kInout, 8, 129},
        {15, MAINBOARD_ORMSGILL, 6, 0, 3, "HDMI_RX_I2S[3]", kIn, 8, 129},
        {16, MAINBOARD_ORMSGILL, 6, 0, 121, "TAVREL_POWER_ON", kInout, 8, 137},
        {20, MAINBOARD_ORMSGILL, 8, 0, 33, "DVI_HSMC_SDA", kInout, 6, 77},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE("card " + std::to_string(k.card) + " on board " + std::to_string(k.board));
        TDaughterBoard c;
        c.LoadCard(k.card, k.board, nullptr, k.asked, k.option);
        ExpectPins(c, {{k.position, k.name, k.direction}}, k.ioStandard);
        EXPECT_EQ(c.GetActivePinCount(), k.active);
    }
}

}  // namespace load_card_hsmc_test
