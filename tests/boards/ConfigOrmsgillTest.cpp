// The Ormsgill definition: device, groups in order, the balls the board's
// data gives, the groups the external-PLL block needs, the DDR2, GPIO and
// HSMC masters and the invariants of the record.
#include <gtest/gtest.h>

#include <cstring>

#include "boards/cyclone4_stratix4/CONFIG_ORMSGILL.h"
#include "boards/frame/ConfigFrame.h"
#include "tests/boards/DefinitionCheck.h"
#include "tests/generate/GenerateSupport.h"

namespace config_ormsgill_test {

namespace {

ORMSGILL_CONFIG Defaults()
{
    ORMSGILL_CONFIG r{};
    r.BoardId = MAINBOARD_ORMSGILL;
    r.Size = sizeof r;
    r.bClock = r.bLed = r.bSeg7 = r.bButton = r.bSwitch = r.bSlideSwitch = 1;
    r.bEthernet = r.bSdCard = r.bUsbOtg = r.bCurrent = r.bTemp = 1;
    r.bFan = r.bSsram = r.bFlash = r.bEeprom = r.bExtPll = r.bRs232 = 1;
    r.nExtPllFreq[0] = r.nExtPllFreq[1] = r.nExtPllFreq[2] = 4;
    return r;
}

}  // namespace

TEST(ConfigOrmsgill, DefaultsGiveEighteenGroupsInOrder)
{
    TMainBoard board;
    const ORMSGILL_CONFIG r = Defaults();
    CONFIG_ORMSGILL(&board, &r);
    EXPECT_EQ(board.GetBoardId(), MAINBOARD_ORMSGILL);
    EXPECT_EQ(board.GetFamily(), "Stratix IV");
    EXPECT_EQ(board.GetDevice(), "EP4SGX230KF40C2");
    EXPECT_EQ(board.GetPackage(), "FBGA");
    EXPECT_EQ(board.GetDevicePinCount(), 1517);
    EXPECT_EQ(board.GetSpeedGradeText(), "");
    EXPECT_EQ(board.GetSpeedGrade(), 2);
    EXPECT_EQ(GroupsOf(board), (Groups{{"CLOCK", 9},
                                       {"External PLL", 2},
                                       {"LED x 8", 8},
                                       {"BUTTON x 4, EXT_IO and CPU_RESET_n", 6},
                                       {"DIP SWITCH x 8", 8},
                                       {"SLIDE SWITCH x 4", 4},
                                       {"SEG7", 16},
                                       {"Temperature", 3},
                                       {"Current", 6},
                                       {"Fan", 1},
                                       {"EEPROM", 2},
                                       {"SDCARD", 7},
                                       {"RS232", 4},
                                       {"Ethernet x 4", 21},
                                       {"Flash and SRAM Address/Data Share Bus", 41},
                                       {"Flash Control", 7},
                                       {"SSRAM Control", 8},
                                       {"3-Ports High-Speed USB OTG", 59}}));
    // The definition copies the whole record for the external-PLL block.
    EXPECT_EQ(std::memcmp(board.m_OrmsgillConfig.bytes, &r, sizeof r), 0);
    EXPECT_TRUE(RepeatedBalls(board).empty());
    // Inner bus members and Ethernet ports 1 and 2 are the balls we lack:
    // LED 6, SW 6, SEG 10, Ethernet 10, FSM_D 14, FSM_A 22, OTG_D 30, OTG_A 15.
    EXPECT_EQ(UnknownBalls(board), 113);
    ExpectPins(board, {{"OSC_50_BANK2", "AC35", DIR_IN, IO_2V5},
                       {"OSC_50_BANK3", "AV22", DIR_IN, IO_1V8},
                       {"OSC_50_BANK4", "AV19", DIR_IN, IO_1V8},
                       {"OSC_50_BANK5", "AC6", DIR_IN, IO_3V0_PCIX},
                       {"OSC_50_BANK6", "AB6", DIR_IN, IO_2V5},
                       {"OSC_50_BANK7", "A19", DIR_IN, IO_1V8},
                       {"GCLKOUT_FPGA", "AH19", DIR_OUT, IO_1V8},
                       {"GCLKIN", "A21", DIR_IN, IO_1V8},
                       {"PLL_CLKIN_p", "B22", DIR_IN, IO_LVDS},
                       {"MAX_I2C_SCLK", "AP24", DIR_OUT, IO_1V8},
                       {"MAX_I2C_SDAT", "AN22", DIR_INOUT, IO_1V8},
                       {"LED[0]", "V28", DIR_OUT, IO_2V5},
                       {"LED[3]", "", DIR_OUT, IO_2V5},
                       {"LED[7]", "N30", DIR_OUT, IO_2V5},
                       {"BUTTON[1]", "AG5", DIR_IN, IO_3V0_PCIX},
                       {"BUTTON[3]", "AG8", DIR_IN, IO_3V0_PCIX},
                       {"EXT_IO", "AC11", DIR_INOUT, IO_3V0_PCIX},
                       {"CPU_RESET_n", "V34", DIR_IN, IO_2V5},
                       {"SW[0]", "AB13", DIR_IN, IO_3V0_PCIX},
                       {"SW[7]", "AG6", DIR_IN, IO_3V0_PCIX},
                       {"SLIDE_SW[1]", "K7", DIR_IN, IO_2V5},
                       {"SLIDE_SW[2]", "AK6", DIR_IN, IO_3V0_PCIX},
                       {"SLIDE_SW[3]", "L7", DIR_IN, IO_2V5},
                       {"SEG0_D[0]", "L34", DIR_OUT, IO_2V5},
                       {"SEG0_D[6]", "K32", DIR_OUT, IO_2V5},
                       {"SEG0_DP", "AL34", DIR_OUT, IO_2V5},
                       {"SEG1_D[0]", "E31", DIR_OUT, IO_2V5},
                       {"SEG1_D[6]", "D34", DIR_OUT, IO_2V5},
                       {"SEG1_DP", "AL35", DIR_OUT, IO_2V5},
                       {"TEMP_SMDAT", "AP18", DIR_INOUT, IO_1V8},
                       {"CSENSE_SDO", "AK14", DIR_IN, IO_1V8},
                       {"CSENSE_CS_n[1]", "AG15", DIR_OUT, IO_1V8},
                       {"FAN_CTRL", "AP20", DIR_OUT, IO_1V8},
                       {"EEP_SCL", "G33", DIR_OUT, IO_2V5},
                       {"EEP_SDA", "F33", DIR_INOUT, IO_2V5},
                       {"SD_WP_n", "AH18", DIR_IN, IO_1V8},
                       {"SD_DAT[2]", "AU19", DIR_INOUT, IO_1V8},
                       {"UART_RTS", "AH33", DIR_IN, IO_2V5},
                       {"UART_CTS", "AN35", DIR_OUT, IO_2V5},
                       {"ETH_RX_p[0]", "U31", DIR_IN, IO_LVDS},
                       {"ETH_TX_p[0]", "T30", DIR_OUT, IO_LVDS},
                       {"ETH_MDIO[0]", "W32", DIR_INOUT, IO_2V5},
                       {"ETH_MDC[0]", "R30", DIR_OUT, IO_2V5},
                       {"ETH_INT_n[0]", "B20", DIR_IN, IO_1V8},
                       {"ETH_INT_n[1]", "", DIR_IN, IO_2V5},
                       {"ETH_RX_p[3]", "J34", DIR_IN, IO_LVDS},
                       {"ETH_TX_p[3]", "P31", DIR_OUT, IO_LVDS},
                       {"ETH_MDIO[3]", "N8", DIR_INOUT, IO_2V5},
                       {"ETH_MDC[3]", "N7", DIR_OUT, IO_2V5},
                       {"ETH_INT_n[3]", "AE31", DIR_IN, IO_2V5},
                       {"ETH_RST_n", "V29", DIR_OUT, IO_2V5},
                       {"FSM_D[0]", "K29", DIR_INOUT, IO_2V5},
                       {"FSM_D[15]", "D31", DIR_INOUT, IO_2V5},
                       {"FSM_A[1]", "G22", DIR_OUT, IO_2V5},
                       {"FSM_A[20]", "T28", DIR_OUT, IO_2V5},
                       {"FSM_A[25]", "C22", DIR_OUT, IO_2V5},
                       {"FLASH_RYBY_n", "G21", DIR_IN, IO_2V5},
                       {"FLASH_CE_n", "F23", DIR_OUT, IO_2V5},
                       {"SSRAM_BWA_n", "R27", DIR_OUT, IO_2V5},
                       {"SSRAM_ADV", "H35", DIR_OUT, IO_2V5},
                       {"OTG_D[0]", "AF16", DIR_INOUT, IO_1V8},
                       {"OTG_D[31]", "L26", DIR_INOUT, IO_1V8},
                       {"OTG_A[1]", "K26", DIR_OUT, IO_1V8},
                       {"OTG_A[17]", "F16", DIR_OUT, IO_1V8},
                       {"OTG_DC_DREQ", "AP21", DIR_IN, IO_1V8},
                       {"OTG_WE_n", "AR22", DIR_OUT, IO_1V8}});
    const auto pins = PinsOf(board);
    EXPECT_EQ(pins.count("OTG_A[0]"), 0u);
    EXPECT_EQ(pins.count("FSM_A[0]"), 0u);
    for (const char* clock : {"OSC_50_BANK2", "OSC_50_BANK5", "OSC_50_BANK7"}) {
        EXPECT_TRUE(pins.at(clock)->GetIsClock()) << clock;
        EXPECT_EQ(pins.at(clock)->GetClockPeriodNs(), 20) << clock;
    }
    EXPECT_FALSE(pins.at("GCLKIN")->GetIsClock());
    EXPECT_EQ(NamesOf(ConnectorNamed(board, "Ethernet x 4"))[4], "ETH_INT_n[0]");
}

TEST(ConfigOrmsgill, TheExternalPllBlockHasItsPortsWithoutClockOrButtonGroups)
{
    ORMSGILL_CONFIG r = Defaults();
    r.bClock = r.bButton = 0;
    r.bSma = 1;
    TMainBoard board;
    CONFIG_ORMSGILL(&board, &r);
    const Groups groups = GroupsOf(board);
    ASSERT_GE(groups.size(), 6u);
    EXPECT_EQ((Groups{groups.begin(), groups.begin() + 6}),
              (Groups{{"CLOCK", 1}, {"External PLL", 2}, {"SMA", 3}, {"LED x 8", 8}, {"CPU_RESET_n", 1},
                      {"DIP SWITCH x 8", 8}}));
    EXPECT_EQ(NamesOf(ConnectorNamed(board, "CLOCK")), (std::vector<std::string>{"OSC_50_BANK2"}));
    ExpectPins(board, {{"OSC_50_BANK2", "AC35", DIR_IN, IO_2V5},
                       {"CPU_RESET_n", "V34", DIR_IN, IO_2V5},
                       {"SMA_CLKIN_p", "B23", DIR_IN, IO_LVDS},
                       {"SMA_CLKOUT_p", "M20", DIR_OUT, IO_LVDS},
                       {"SMA_GXBCLK_p", "W2", DIR_IN, IO_LVDS}});

    // Without the PLL neither stands in.
    r.bExtPll = 0;
    CONFIG_ORMSGILL(&board, &r);
    EXPECT_EQ(ConnectorNamed(board, "CLOCK"), nullptr);
    EXPECT_EQ(ConnectorNamed(board, "CPU_RESET_n"), nullptr);
    EXPECT_EQ(ConnectorNamed(board, "External PLL"), nullptr);
}

TEST(ConfigOrmsgill, MemoriesSataAndPcie)
{
    ORMSGILL_CONFIG r{};
    r.BoardId = MAINBOARD_ORMSGILL;
    r.Size = sizeof r;
    r.nBoardType = 1;
    r.bSsram = 1;
    r.bSataDevice[1] = 1;
    r.bPcie = 1;
    TMainBoard board;
    CONFIG_ORMSGILL(&board, &r);
    EXPECT_EQ(board.GetDevice(), "EP4SGX530KH40C2");
    EXPECT_EQ(GroupsOf(board), (Groups{{"PCIe x 8", 21},
                                       {"Flash and SRAM Address/Data Share Bus", 36},
                                       {"SSRAM Control", 8},
                                       {"SATA", 3}}));
    EXPECT_EQ(NamesOf(ConnectorNamed(board, "SATA")),
              (std::vector<std::string>{"SATA_DEVICE_RX_p[1]", "SATA_DEVICE_TX_p[1]", "SATA_REFCLK_p"}));
    ExpectPins(board, {{"FSM_A[20]", "T28", DIR_OUT, IO_2V5},
                       {"SATA_DEVICE_RX_p[1]", "AJ2", DIR_IN, IO_1V4_PCML},
                       {"SATA_DEVICE_TX_p[1]", "AH4", DIR_OUT, IO_1V4_PCML},
                       {"SATA_REFCLK_p", "AN2", DIR_IN, IO_1V4_PCML},
                       {"PCIE_RX_p[0]", "AU38", DIR_IN, IO_1V4_PCML},
                       {"PCIE_TX_p[0]", "AT36", DIR_OUT, IO_1V4_PCML},
                       {"PCIE_RX_p[4]", "", DIR_IN, IO_1V4_PCML},
                       {"PCIE_RX_p[7]", "R38", DIR_IN, IO_1V4_PCML},
                       {"PCIE_TX_p[7]", "P36", DIR_OUT, IO_1V4_PCML},
                       {"PCIE_REFCLK_p", "AN38", DIR_IN, IO_HCSL},
                       {"PCIE_PREST_n", "V30", DIR_IN, IO_2V5},
                       {"PCIE_WAKE_n", "U35", DIR_OUT, IO_2V5},
                       {"PCIE_SMBCLK", "R31", DIR_IN, IO_2V5},
                       {"PCIE_SMBDAT", "W33", DIR_INOUT, IO_2V5}});
    EXPECT_EQ(PinsOf(board).count("FSM_A[21]"), 0u);

    for (uint8_t& f : r.bSataHost) f = 1;
    for (uint8_t& f : r.bSataDevice) f = 1;
    CONFIG_ORMSGILL(&board, &r);
    EXPECT_EQ(NamesOf(ConnectorNamed(board, "SATA")),
              (std::vector<std::string>{"SATA_HOST_RX_p[0]", "SATA_HOST_TX_p[0]", "SATA_HOST_RX_p[1]",
                                        "SATA_HOST_TX_p[1]", "SATA_DEVICE_RX_p[0]", "SATA_DEVICE_TX_p[0]",
                                        "SATA_DEVICE_RX_p[1]", "SATA_DEVICE_TX_p[1]", "SATA_REFCLK_p"}));
}

TEST(ConfigOrmsgill, DdrGpioAndHsmcMastersFollowTheGroups)
{
    ORMSGILL_CONFIG r = Defaults();
    r.bDdr2[0] = r.bDdr2[1] = 1;
    r.nGpioDaughterId[0] = r.nGpioDaughterId[1] = 85;
    r.nHsmcDaughterId[0] = 2;
    r.nHsmcDaughterId[1] = 3;
    TMainBoard board;
    CONFIG_ORMSGILL(&board, &r);
    const Groups groups = GroupsOf(board);
    ASSERT_EQ(groups.size(), 18u + 9u);
    EXPECT_EQ((Groups{groups.begin() + 18, groups.end()}),
              (Groups{{"DDR2 SODIMM", 200},
                      {"DDR2 SODIMM_0 RUP/RDN", 2},
                      {"DDR2 SODIMM", 200},
                      {"DDR2 SODIMM_1 RUP/RDN", 2},
                      {"GPIO_0", 40},
                      {"GPIO_1", 40},
                      {"HSMC-A", 160},
                      {"HSMC-B", 160},
                      {"HSMC I2C", 2}}));
    const MasterSpec masters[] = {
        {2, "DDR2 SODIMM", "DDR2 SODIMM_0", CONNECTOR_DDR2_SODIMM, 124, {}, {{4, "AW34"}, {200, "AW25"}}},
        {3, "DDR2 SODIMM", "DDR2 SODIMM_1", CONNECTOR_DDR2_SODIMM, 124, {}, {{4, "J12"}, {200, "B19"}}},
        {16, "GPIO_0", "GPIO_0 connect to GPIO Default - 2.5V", CONNECTOR_GPIO40, 36, {11, 12, 29, 30},
         {{1, "AF6"}, {40, "AD13"}}},
        {17, "GPIO_1", "GPIO_1 connect to GPIO Default - 2.5V", CONNECTOR_GPIO40, 36, {11, 12, 29, 30},
         {{1, "AW5"}, {40, "AE11"}}},
        {8, "HSMC-A", "HSMC-A connect to HSMC Default", CONNECTOR_HSMC, 99, HsmcEmpty([] {
             auto e = Positions(1, 16);
             for (int p : Positions(33, 37)) e.push_back(p);
             return e;
         }()),
         {{17, "B36"}, {40, "AC34"}, {96, "AB34"}, {98, "AA35"}, {158, "AE35"}}},
        {9, "HSMC-B", "HSMC-B connect to HSMC Default With Transceiver", CONNECTOR_HSMC, 114,
         HsmcEmpty(Positions(33, 38)), {{1, "B4"}, {40, "AA5"}, {96, "W34"}, {98, "W35"}, {158, "W5"}}},
    };
    for (const MasterSpec& m : masters) ExpectMaster(board, m);
    ExpectPins(board, {{"M1_DDR2_oct_rup", "AF25", DIR_IN, IO_1V8},
                       {"M1_DDR2_oct_rdn", "AG25", DIR_IN, IO_1V8},
                       {"M2_DDR2_oct_rup", "P14", DIR_IN, IO_1V8},
                       {"M2_DDR2_oct_rdn", "N14", DIR_IN, IO_1V8},
                       {"HSMC_SCL", "L19", DIR_OUT, IO_1V8},
                       {"HSMC_SDA", "M19", DIR_INOUT, IO_1V8}});
    EXPECT_TRUE(RepeatedBalls(board).empty());

    // A card pin at HSMC position 40, 96 or 98 is an input whatever the card says.
    TConnector* hsmcB = board.FindMasterConnector(9);
    AttachOutputsCard(hsmcB, {39, 40, 96, 98});
    EXPECT_EQ(hsmcB->GetPin(38)->GetDirection(), PIN_DIR_OUTPUT);
    for (int position : {40, 96, 98}) {
        EXPECT_EQ(hsmcB->GetPin(position - 1)->GetDirection(), PIN_DIR_INPUT);
        EXPECT_EQ(hsmcB->GetPin(position - 1)->GetIoStandard(), kLvttl);
    }
}

TEST(ConfigOrmsgill, TheDdr2SocketWiresExactlyTheModulesSignals)
{
    ORMSGILL_CONFIG r{};
    r.BoardId = MAINBOARD_ORMSGILL;
    r.Size = sizeof r;
    r.bDdr2[1] = 1;
    TMainBoard board;
    CONFIG_ORMSGILL(&board, &r);
    TConnector* master = board.FindMasterConnector(3);
    ASSERT_NE(master, nullptr);
    AttachWithLoader(board, 3, "M2_DDR2_", [](TDaughterBoard& d) {
        d.LoadDdr2Sodimm({.differential = true, .busStandard = 3, .addressStandard = 3});
    });
    TDaughterBoard module;
    module.LoadDdr2Sodimm({.differential = true, .busStandard = 3, .addressStandard = 3});
    for (int p = 0; p < 200; ++p) {
        const TPin* card = module.GetPin(p);
        const TPin* slot = master->GetPin(p);
        EXPECT_EQ(card != nullptr, slot != nullptr) << "position " << p + 1;
        if (card && slot) {
            EXPECT_EQ(slot->GetName(), "M2_DDR2_" + card->GetName());
        }
    }
}

TEST(ConfigOrmsgill, RecordsOutsideTheFormsLimitsAreBrokenInvariants)
{
    SeamRecorder seam;
    TMainBoard board;
    ORMSGILL_CONFIG r = Defaults();
    r.bMax2 = 1;
    EXPECT_THROW(CONFIG_ORMSGILL(&board, &r), InvariantFailure);
    r = Defaults();
    r.nBoardType = 2;
    EXPECT_THROW(CONFIG_ORMSGILL(&board, &r), InvariantFailure);
    r = Defaults();
    r.BoardId = MAINBOARD_BRACKWELL;
    try {
        CONFIG_ORMSGILL(&board, &r);
        ADD_FAILURE();
    } catch (const InvariantFailure& failure) {
        EXPECT_EQ(failure.condition, "Config.BoardId == MAINBOARD_ORMSGILL");
    }
}

}  // namespace config_ormsgill_test
