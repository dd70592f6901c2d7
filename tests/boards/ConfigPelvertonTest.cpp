// The Pelverton definition: one node of the record at a time, groups in
// order, the balls the board's data gives, the shared I2C bus, the DDR2 and
// HSMC masters and the invariants of the record.
#include <gtest/gtest.h>

#include <cstring>

#include "boards/cyclone4_stratix4/CONFIG_PELVERTON.h"
#include "boards/frame/ConfigFrame.h"
#include "tests/boards/DefinitionCheck.h"
#include "tests/support/SeamRecorder.h"

namespace config_pelverton_test {

namespace {

void SetNodeDefaults(PELVERTON_FPGA_CONFIG& n)
{
    n.bClock = n.bLed = n.bButton = n.bSwitch = n.bSdCard = n.bSma = n.bUsb = n.bTemp = 1;
    n.bFan = n.bSsram = n.bFlash = n.bLcd = n.bEthernet = n.bEeprom = 1;
}

PELVERTON_CONFIG Defaults()
{
    PELVERTON_CONFIG r{};
    r.BoardId = MAINBOARD_PELVERTON;
    r.Size = sizeof r;
    SetNodeDefaults(r.F[0]);
    SetNodeDefaults(r.F[1]);
    return r;
}

const Groups kDefaultGroups = {{"CLOCK", 7},
                               {"SMA", 8},
                               {"LED x 8", 8},
                               {"BUTTON x 8", 8},
                               {"SWITCH x 8", 8},
                               {"Temperature", 3},
                               {"Fan", 1},
                               {"16x2 Character LCD", 2},
                               {"LCD+Temperatur+EEPROM I2C Shared Bus", 2},
                               {"High-Speed USB-FIFO", 16},
                               {"SDCARD", 7},
                               {"Ethernet x 4", 20},
                               {"Flash and SRAM Address/Data Share Bus", 41},
                               {"Flash Control", 7},
                               {"SSRAM Control", 8}};

}  // namespace

TEST(ConfigPelverton, DefaultNodeGroupsAndBalls)
{
    TMainBoard board;
    const PELVERTON_CONFIG r = Defaults();
    CONFIG_PELVERTON(&board, &r, 0);
    EXPECT_EQ(board.GetBoardId(), MAINBOARD_PELVERTON);
    EXPECT_EQ(board.GetFamily(), "Stratix IV");
    EXPECT_EQ(board.GetDevice(), "EP4SGX230KF40C2");
    EXPECT_EQ(board.GetPackage(), "FBGA");
    EXPECT_EQ(board.GetDevicePinCount(), 1517);
    EXPECT_EQ(board.GetSpeedGradeText(), "");
    EXPECT_EQ(board.GetSpeedGrade(), 2);
    EXPECT_EQ(GroupsOf(board), kDefaultGroups);
    ExpectPins(board, {{"OSC_B[2]", "AC35", DIR_IN, IO_3V3_LVTTL},
                       {"OSC_B[3]", "AW22", DIR_IN, IO_3V3_LVTTL},
                       {"OSC_B[4]", "AW19", DIR_IN, IO_3V3_LVTTL},
                       {"OSC_B[5]", "AC6", DIR_IN, IO_3V3_LVTTL},
                       {"OSC_B[6]", "AB6", DIR_IN, IO_3V3_LVTTL},
                       {"OSC_B[7]", "A19", DIR_IN, IO_3V3_LVTTL},
                       {"CPU_RESET_n", "V34", DIR_IN, IO_3V3_LVTTL},
                       {"SMA_CLKIN_n", "A22", DIR_IN, IO_LVDS},
                       {"SMA_CLKOUT_n", "L20", DIR_OUT, IO_LVDS},
                       {"SMA_GXBCLK_p[0]", "G38", DIR_IN, IO_LVDS},
                       {"SMA_GXBCLK_n[1]", "W1", DIR_IN, IO_LVDS},
                       {"LED[0]", "AG30", DIR_OUT, IO_3V3_LVTTL},
                       {"LED[7]", "AB10", DIR_OUT, IO_3V3_LVTTL},
                       {"BUTTON[0]", "AB13", DIR_IN, IO_3V3_LVTTL},
                       {"BUTTON[7]", "K7", DIR_IN, IO_3V3_LVTTL},
                       {"SW[0]", "J7", DIR_IN, IO_3V3_LVTTL},
                       {"SW[7]", "J27", DIR_IN, IO_3V3_LVTTL},
                       {"TEMP_CLK", "P4", DIR_OUT, IO_3V3_LVTTL},
                       {"TEMP_DATA", "P1", DIR_INOUT, IO_3V3_LVTTL},
                       {"TEMP_INT_n", "N2", DIR_IN, IO_3V3_LVTTL},
                       {"FAN_PWR_ON", "AP20", DIR_OUT, IO_3V3_LVTTL},
                       {"LCD_PWR_ON", "P4", DIR_OUT, IO_3V3_LVTTL},
                       {"LCD_BL_ON", "P4", DIR_OUT, IO_3V3_LVTTL},
                       {"I2C_SDA", "P4", DIR_INOUT, IO_3V3_LVTTL},
                       {"I2C_SCL", "P4", DIR_OUT, IO_3V3_LVTTL},
                       {"USB_D[0]", "AD19", DIR_INOUT, IO_3V3_LVTTL},
                       {"USB_D[7]", "AU18", DIR_INOUT, IO_3V3_LVTTL},
                       {"USB_CLKOUT", "AV19", DIR_IN, IO_3V3_LVTTL},
                       {"USB_SIWU_n", "AM19", DIR_OUT, IO_3V3_LVTTL},
                       {"USB_RESET_n", "", DIR_OUT, IO_3V3_LVTTL},
                       {"SD_CMD", "AV20", DIR_INOUT, IO_3V3_LVTTL},
                       {"SD_DAT[3]", "AU20", DIR_INOUT, IO_3V3_LVTTL},
                       {"ETH_RX_p[0]", "N33", DIR_IN, IO_3V3_LVTTL},
                       {"ETH_RX_n[0]", "N34", DIR_IN, IO_3V3_LVTTL},
                       {"ETH_TX_p[0]", "M32", DIR_OUT, IO_3V3_LVTTL},
                       {"ETH_TX_n[0]", "L32", DIR_OUT, IO_3V3_LVTTL},
                       {"ETH_TX_n[2]", "", DIR_OUT, IO_3V3_LVTTL},
                       {"ETH_RX_p[3]", "U31", DIR_IN, IO_3V3_LVTTL},
                       {"ETH_TX_n[3]", "R33", DIR_OUT, IO_3V3_LVTTL},
                       {"ETH_INT", "M34", DIR_IN, IO_3V3_LVTTL},
                       {"ETH_MDIO", "M33", DIR_INOUT, IO_3V3_LVTTL},
                       {"ETH_MDC", "R30", DIR_OUT, IO_3V3_LVTTL},
                       {"ETH_RST_n", "", DIR_OUT, IO_3V3_LVTTL},
                       {"FSM_D[0]", "J25", DIR_INOUT, IO_3V3_LVTTL},
                       {"FSM_D[15]", "F24", DIR_INOUT, IO_3V3_LVTTL},
                       {"FSM_A[1]", "M21", DIR_OUT, IO_3V3_LVTTL},
                       {"FSM_A[20]", "C22", DIR_OUT, IO_3V3_LVTTL},
                       {"FSM_A[25]", "D26", DIR_OUT, IO_3V3_LVTTL},
                       {"FLASH_RYBY_n", "L35", DIR_IN, IO_3V3_LVTTL},
                       {"FLASH_RST_n", "W28", DIR_OUT, IO_3V3_LVTTL},
                       {"FLASH_OE_n", "", DIR_OUT, IO_3V3_LVTTL},
                       {"FLASH_CS_n", "V28", DIR_OUT, IO_3V3_LVTTL},
                       {"SSRAM_BWB_n", "", DIR_OUT, IO_3V3_LVTTL},
                       {"SSRAM_CLK", "N20", DIR_OUT, IO_3V3_LVTTL},
                       {"SSRAM_OE_n", "P20", DIR_OUT, IO_3V3_LVTTL},
                       {"SSRAM_CE_n", "", DIR_OUT, IO_3V3_LVTTL},
                       {"SSRAM_ADV", "E25", DIR_OUT, IO_3V3_LVTTL}});
    // The only repeated ball is the P4 of the data; the run keeps it with the
    // first of its pins.
    EXPECT_EQ(RepeatedBalls(board), std::set<std::string>{"P4"});
    const auto pins = PinsOf(board);
    for (int n = 2; n <= 7; ++n) {
        const TPin* clock = pins.at("OSC_B[" + std::to_string(n) + "]");
        EXPECT_TRUE(clock->GetIsClock());
        EXPECT_EQ(clock->GetClockPeriodNs(), 20);
    }
    EXPECT_FALSE(pins.at("CPU_RESET_n")->GetIsClock());
    EXPECT_FALSE(pins.at("SW[0]")->GetIsClock());
    EXPECT_EQ(pins.count("OSC_B[1]"), 0u);
}

TEST(ConfigPelverton, OnlyTheChosenNodeIsRead)
{
    PELVERTON_CONFIG r = Defaults();
    TMainBoard first, second;
    CONFIG_PELVERTON(&first, &r, 0);
    CONFIG_PELVERTON(&second, &r, 1);
    EXPECT_EQ(GroupsOf(first), GroupsOf(second));

    std::memset(&r.F[0].bClock, 0, 20);
    r.F[0].bMax2 = 1;  // another node's flag is not checked
    r.F[1].nHsmcDaughterId[2] = 2;
    TMainBoard board;
    CONFIG_PELVERTON(&board, &r, 1);
    ASSERT_EQ(GroupsOf(board).size(), kDefaultGroups.size() + 2);
    CONFIG_PELVERTON(&board, &r, 1);  // a second run replaces the first
    EXPECT_EQ(GroupsOf(board).back(), (std::pair<std::string, int>{"HSMC I2C", 2}));
    SeamRecorder seam;
    EXPECT_THROW(CONFIG_PELVERTON(&board, &r, 0), InvariantFailure);
}

TEST(ConfigPelverton, EveryGroupWithTheMemoriesAndFourHsmcCards)
{
    PELVERTON_CONFIG r = Defaults();
    PELVERTON_FPGA_CONFIG& n = r.F[1];
    n.bDdr2 = n.bDdr3 = n.bPcie = n.bFpgaBridge = 1;
    n.nHsmcDaughterId[0] = n.nHsmcDaughterId[1] = n.nHsmcDaughterId[2] = n.nHsmcDaughterId[3] = 2;
    r.nBoardType = 1;
    TMainBoard board;
    CONFIG_PELVERTON(&board, &r, 1);
    EXPECT_EQ(board.GetDevice(), "EP4SGX530KH40C2");
    Groups expected(kDefaultGroups.begin(), kDefaultGroups.begin() + 12);
    for (const auto& group : Groups{{"PCIe x 8", 22},
                                    {"FPGA Bridge (Transceiver x 8)", 17},
                                    {"Flash and SRAM Address/Data Share Bus", 41},
                                    {"Flash Control", 7},
                                    {"SSRAM Control", 8},
                                    {"DDR3", 71},
                                    {"DDR2 SODIMM", 200},
                                    {"HSMC-A", 160},
                                    {"HSMC-B", 160},
                                    {"HSMC-C", 160},
                                    {"HSMC-D", 160},
                                    {"HSMC I2C", 2}})
        expected.push_back(group);
    EXPECT_EQ(GroupsOf(board), expected);
    ExpectPins(board, {{"PCIE_RX_p[0]", "AU38", DIR_IN, IO_1V4_PCML},
                       {"PCIE_TX_p[0]", "AT36", DIR_OUT, IO_1V4_PCML},
                       {"PCIE_TX_p[7]", "P36", DIR_OUT, IO_1V4_PCML},
                       {"PCIE_REFCLKI_p", "AN38", DIR_IN, IO_HCSL},
                       {"PCIE_REFCLKI_n", "AN39", DIR_IN, IO_HCSL},
                       {"PCIE_RESET_n", "", DIR_OUT, IO_3V3_LVTTL},
                       {"PCIE_PREST_n", "", DIR_IN, IO_3V3_LVTTL},
                       {"PCIE_PWRON", "", DIR_IN, IO_3V3_LVTTL},
                       {"PCIE_WAKE_n", "", DIR_OUT, IO_3V3_LVTTL},
                       {"FPGA_RX_p[0]", "AE2", DIR_IN, IO_1V4_PCML},
                       {"FPGA_TX_p[0]", "AD4", DIR_OUT, IO_1V4_PCML},
                       {"FPGA_RX_p[7]", "C2", DIR_IN, IO_1V4_PCML},
                       {"FPGA_TX_p[7]", "B4", DIR_OUT, IO_1V4_PCML},
                       {"FPGA_REFCLK_p", "AA22", DIR_IN, IO_HCSL},
                       {"DDR3_ba[2]", "K14", DIR_OUT, IO_SSTL15_I},
                       {"DDR3_dm[1]", "B11", DIR_OUT, IO_SSTL15_I},
                       {"DDR3_dqs[2]", "K16", DIR_INOUT, IO_DIFF_1V5_SSTL_I},
                       {"DDR3_dqsn[3]", "C15", DIR_INOUT, IO_DIFF_1V5_SSTL_I},
                       {"DDR3_cke[0]", "A16", DIR_OUT, IO_SSTL15_I},
                       {"DDR3_clk[0]", "L13", DIR_INOUT, IO_DIFF_1V5_SSTL_I},
                       {"DDR3_clk_n[0]", "K13", DIR_INOUT, IO_DIFF_1V5_SSTL_I},
                       {"DDR3_odt", "G20", DIR_OUT, IO_SSTL15_I},
                       {"DDR3_dq[0]", "E14", DIR_INOUT, IO_SSTL15_I},
                       {"DDR3_dq[31]", "F15", DIR_INOUT, IO_SSTL15_I},
                       {"DDR3_addr[0]", "N15", DIR_OUT, IO_SSTL15_I},
                       {"DDR3_addr[14]", "P18", DIR_OUT, IO_SSTL15_I},
                       {"HSMC_SCL", "G26", DIR_OUT, IO_2V5},
                       {"HSMC_SDA", "F26", DIR_INOUT, IO_2V5}});
    const std::vector<std::string> ddr3 = NamesOf(ConnectorNamed(board, "DDR3"));
    EXPECT_EQ((std::vector<std::string>{ddr3.begin() + 7, ddr3.begin() + 11}),
              (std::vector<std::string>{"DDR3_dqs[0]", "DDR3_dqsn[0]", "DDR3_dqs[1]", "DDR3_dqsn[1]"}));

    const MasterSpec masters[] = {
        {1, "DDR2 SODIMM", "DDR2 SODIMM", CONNECTOR_DDR2_SODIMM, 124, {}, {{4, "AW34"}, {200, "AW25"}}},
        {8, "HSMC-A", "HSMC-A connect to HSMC Default", CONNECTOR_HSMC, 98, HsmcEmpty([] {
             auto e = Positions(1, 16);
             for (int p : Positions(33, 38)) e.push_back(p);
             return e;
         }()),
         {{17, "M36"}, {158, "W5"}}},
        {9, "HSMC-B", "HSMC-B connect to HSMC Default", CONNECTOR_HSMC, 98, {}, {{17, "AT4"}, {158, "AE5"}}},
        {10, "HSMC-C", "HSMC-C connect to HSMC Default", CONNECTOR_HSMC, 82, HsmcEmpty(Positions(1, 38)),
         {{39, "AF29"}, {158, "AE35"}}},
        {11, "HSMC-D", "HSMC-D connect to HSMC Default", CONNECTOR_HSMC, 82, {}, {{39, "W32"}, {158, "W35"}}},
    };
    for (const MasterSpec& m : masters) ExpectMaster(board, m);
    EXPECT_EQ(RepeatedBalls(board), std::set<std::string>{"P4"});
}

TEST(ConfigPelverton, TheSharedI2cBusIsNamedAfterItsDevices)
{
    struct Case {
        uint8_t lcd, temp, eeprom;
        std::vector<std::string> groups;  // the groups between "Fan" and "High-Speed USB-FIFO"
    };
    const Case cases[] = {
        {1, 1, 1, {"Temperature", "16x2 Character LCD", "LCD+Temperatur+EEPROM I2C Shared Bus"}},
        {0, 0, 1, {"16x2 Character LCD", "EEPROM I2C Shared Bus"}},
        {0, 1, 0, {"Temperature", "Temperatur I2C Shared Bus"}},
        {1, 0, 0, {"16x2 Character LCD", "LCD I2C Shared Bus"}},
        {0, 1, 1, {"Temperature", "16x2 Character LCD", "Temperatur+EEPROM I2C Shared Bus"}},
        {0, 0, 0, {}},
    };
    for (const Case& c : cases) {
        PELVERTON_CONFIG r{};
        r.BoardId = MAINBOARD_PELVERTON;
        r.Size = sizeof r;
        r.F[0].bLcd = c.lcd;
        r.F[0].bTemp = c.temp;
        r.F[0].bEeprom = c.eeprom;
        TMainBoard board;
        CONFIG_PELVERTON(&board, &r, 0);
        std::vector<std::string> names;
        for (const auto& group : GroupsOf(board)) names.push_back(group.first);
        EXPECT_EQ(names, c.groups);
    }
}

TEST(ConfigPelverton, SsramAloneAndTheDeviceByTheHead)
{
    PELVERTON_CONFIG r{};
    r.BoardId = MAINBOARD_PELVERTON;
    r.Size = sizeof r;
    r.F[0].bSsram = 1;
    r.nBoardType = 7;
    TMainBoard board;
    CONFIG_PELVERTON(&board, &r, 0);
    EXPECT_EQ(board.GetDevice(), "");
    EXPECT_EQ(GroupsOf(board), (Groups{{"Flash and SRAM Address/Data Share Bus", 36}, {"SSRAM Control", 8}}));
    ExpectPins(board, {{"FSM_A[20]", "C22", DIR_OUT, IO_3V3_LVTTL}});

    SeamRecorder seam;
    r.Size = 1335;
    EXPECT_THROW(CONFIG_PELVERTON(&board, &r, 0), InvariantFailure);
}

}  // namespace config_pelverton_test
