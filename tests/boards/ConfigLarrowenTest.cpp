// The Larrowen definition: device, groups in order with their counts, the
// balls the board's data gives, clocks with their banks, the PCIe and shared
// bus variants, the masters with the fixed input at HSMC 40, "Fan Control"
// always last, and the record copy.
#include <gtest/gtest.h>

#include <cstring>

#include "boards/cyclone4_stratix4/CONFIG_LARROWEN.h"
#include "tests/boards/DefinitionCheck.h"
#include "tests/support/SeamRecorder.h"

namespace config_larrowen_test {

namespace {

constexpr PinDirection IN = PIN_DIR_INPUT;
constexpr PinDirection OUT = PIN_DIR_OUTPUT;
constexpr PinDirection INOUT = PIN_DIR_INOUT;
constexpr IoStandard V25 = 6;    // "2.5 V"
constexpr IoStandard LVTTL = 8;  // "3.3-V LVTTL"
constexpr IoStandard PCML = 36;  // "1.5-V PCML"
constexpr IoStandard HCSL = 37;  // "HCSL"
constexpr IoStandard PCIX = 39;  // "3.0-V PCI-X"

// The form's defaults: every group but PCIe.
LARROWEN_CONFIG Defaults()
{
    LARROWEN_CONFIG r{};
    r.BoardId = MAINBOARD_LARROWEN;
    r.Size = sizeof r;
    std::memset(&r.bCLOCK, 1, LARROWEN_FLAG_COUNT - 2);
    return r;
}

LARROWEN_CONFIG Empty()
{
    LARROWEN_CONFIG r{};
    r.BoardId = MAINBOARD_LARROWEN;
    r.Size = sizeof r;
    return r;
}

const TConnector* FindGroup(const TMainBoard& board, const std::string& name)
{
    for (int c = 0; c < board.GetConnectorCount(); ++c)
        if (board.GetConnector(c)->GetName() == name) return board.GetConnector(c);
    return nullptr;
}

}  // namespace

TEST(ConfigLarrowen, DefaultsGive339PinsInTheBoardOrder)
{
    const LARROWEN_CONFIG r = Defaults();
    TMainBoard board;
    CONFIG_LARROWEN(&board, &r);
    EXPECT_EQ(board.GetBoardId(), MAINBOARD_LARROWEN);
    EXPECT_EQ(board.GetFamily(), "Cyclone IV GX");
    EXPECT_EQ(board.GetDevice(), "EP4CGX150DF31C7");
    EXPECT_EQ(board.GetDevicePinCount(), 896);
    EXPECT_EQ(board.GetPackage(), "FBGA");
    EXPECT_EQ(board.GetSpeedGrade(), 7);
    EXPECT_EQ(GroupsOf(board), (Groups{{"CLOCK", 3},
                                       {"SMA", 2},
                                       {"LED (High Active)", 27},
                                       {"KEY (Active Low)", 4},
                                       {"SW", 18},
                                       {"SEG7 (Low Active)", 56},
                                       {"LCD", 12},
                                       {"RS232", 4},
                                       {"SDCARD", 7},
                                       {"VGA", 29},
                                       {"I2C for EEPROM (I2C ADDRESS W/R = 0xA0/0xA1)", 2},
                                       {"Ethernet", 22},
                                       {"TV Decoder (I2C ADDRESS W/R = 0x40/0x41)", 14},
                                       {"IR Receiver", 1},
                                       {"SDRAM", 57},
                                       {"SSRAM", 13},
                                       {"Flash", 6},
                                       {"Data and Address bus shared by Flash & SSRAM", 58},
                                       {"G-Sensor", 3},
                                       {"Fan Control", 1}}));
    EXPECT_EQ(GroupPinCount(board), 339);
    EXPECT_EQ(std::memcmp(board.m_LarrowenConfig.bytes, &r, sizeof r), 0);

    LARROWEN_CONFIG hard = r;
    hard.bPCIEHARDIP = 1;
    TMainBoard withPcie;
    CONFIG_LARROWEN(&withPcie, &hard);
    EXPECT_EQ(GroupPinCount(withPcie), 346);
}

TEST(ConfigLarrowen, GivenBallsClocksAndStandards)
{
    LARROWEN_CONFIG r = Defaults();
    r.bPCIEHARDIP = 1;
    TMainBoard board;
    CONFIG_LARROWEN(&board, &r);
    const auto pins = PinsOf(board);
    ExpectPins(pins, {{"CLOCK_50", "AJ16", IN, LVTTL},
                      {"CLOCK2_50", "A15", IN, LVTTL},
                      {"CLOCK3_50", "V11", IN, V25},
                      {"SMA_CLKIN", "AK16", IN, LVTTL},
                      {"SMA_CLKOUT", "AF25", OUT, LVTTL},
                      {"LEDR[0]", "T23", OUT, V25},
                      {"LEDG[0]", "AA25", OUT, V25},
                      {"KEY[0]", "AA26", IN, V25},
                      {"SW[0]", "V28", IN, V25},
                      {"HEX0[0]", "E15", OUT, V25},
                      {"LCD_ON", "AF27", OUT, V25},
                      {"UART_TXD", "H24", OUT, LVTTL},
                      {"DRAM_DQ[4]", "AE7", INOUT, LVTTL},
                      {"FS_ADDR[1]", "AB22", OUT, LVTTL},
                      {"PCIE_REFCLK_P", "V15", IN, HCSL},
                      {"PCIE_TX_P[0]", "AB4", OUT, PCML},
                      {"PCIE_RX_P[0]", "AC2", IN, PCML},
                      {"FAN_CTRL", "AF28", INOUT, V25},
                      // Pins whose ball the board's data leaves out.
                      {"LEDG[8]", "", OUT, V25},
                      {"HEX7[6]", "", OUT, V25},
                      {"LCD_DATA[7]", "", INOUT, LVTTL},
                      {"UART_RTS", "", OUT, LVTTL},
                      {"VGA_B[7]", "", OUT, LVTTL},
                      {"EEP_I2C_SDAT", "", INOUT, LVTTL},
                      {"ENET_RST_N", "", OUT, V25},
                      {"TD_CLK27", "", IN, LVTTL},
                      {"I2C_SDAT", "", INOUT, LVTTL},
                      {"IRDA_RXD", "", IN, LVTTL},
                      {"SSRAM_BE[3]", "", OUT, LVTTL},
                      {"FL_RY", "", IN, LVTTL},
                      {"FS_DQ[31]", "", INOUT, LVTTL},
                      {"PCIE_WAKE_N", "", OUT, V25},
                      {"PCIE_PERST_N", "", IN, V25},
                      {"PCIE_RX_P[1]", "", IN, PCML},
                      {"G_SENSOR_SDAT", "", INOUT, LVTTL},
                      {"G_SENSOR_INT1", "", IN, V25}});
    int located = 0;
    for (const auto& [name, pin] : pins) located += pin->GetLocation().empty() ? 0 : 1;
    EXPECT_EQ(located, 18);
    EXPECT_EQ(pins.count("FS_ADDR[0]"), 0u);

    const std::pair<const char*, const char*> banks[] = {
        {"CLOCK_50", "BANK 4"}, {"CLOCK2_50", "BANK 7"}, {"CLOCK3_50", "BANK 3A"}};
    for (const auto& [name, bank] : banks) {
        EXPECT_TRUE(pins.at(name)->GetIsClock()) << name;
        EXPECT_EQ(pins.at(name)->GetClockPeriodNs(), 20) << name;
        EXPECT_EQ(pins.at(name)->GetClockFrequencyText(), "") << name;
        EXPECT_EQ(pins.at(name)->GetIoBank(), bank) << name;
    }
}

TEST(ConfigLarrowen, PcieFlashAndSsramVariants)
{
    struct Case {
        bool hard, soft, flash, ssram;
        int pcie;  // pins of the PCIe group, 0 for none
        bool flashGroup, ssramGroup, sharedBus;
    };
    const Case cases[] = {
        {false, true, false, false, 3, false, false, false}, {true, false, false, false, 7, false, false, false},
        {true, true, false, false, 7, false, false, false},  {false, false, false, true, 0, false, true, true},
        {false, false, true, false, 0, true, false, true},   {false, false, true, true, 0, true, true, true},
    };
    for (const Case& c : cases) {
        LARROWEN_CONFIG r = Empty();
        r.bPCIEHARDIP = c.hard;
        r.bPCIESOFTIP = c.soft;
        r.bFLASH = c.flash;
        r.bSSRAM = c.ssram;
        TMainBoard board;
        CONFIG_LARROWEN(&board, &r);
        const TConnector* pcie = FindGroup(board, "PCIe");
        EXPECT_EQ(pcie ? pcie->GetPinCount() : 0, c.pcie);
        EXPECT_EQ(FindGroup(board, "Flash") != nullptr, c.flashGroup);
        EXPECT_EQ(FindGroup(board, "SSRAM") != nullptr, c.ssramGroup);
        int buses = 0;
        for (const auto& group : GroupsOf(board)) buses += group.first == "Data and Address bus shared by Flash & SSRAM";
        EXPECT_EQ(buses, c.sharedBus ? 1 : 0);
        EXPECT_EQ(GroupsOf(board).back().first, "Fan Control");
    }
    // Nothing chosen: the fan alone.
    const LARROWEN_CONFIG r = Empty();
    TMainBoard board;
    CONFIG_LARROWEN(&board, &r);
    EXPECT_EQ(GroupsOf(board), (Groups{{"Fan Control", 1}}));
}

TEST(ConfigLarrowen, MastersBeforeTheFanAndTheFixedInputAtHsmc40)
{
    LARROWEN_CONFIG r = Defaults();
    r.nGpioDaughterId = 1;
    r.nHsmcDaughterId = 19;
    TMainBoard board;
    CONFIG_LARROWEN(&board, &r);
    const Groups groups = GroupsOf(board);
    EXPECT_EQ(Groups(groups.end() - 3, groups.end()), (Groups{{"GPIO", 40}, {"HSMC", 160}, {"Fan Control", 1}}));

    const TConnector* gpio = board.FindMasterConnector(16);
    ASSERT_NE(gpio, nullptr);
    EXPECT_EQ(gpio->GetDescription(), "GPIO connect to GPIO Default");
    EXPECT_EQ(gpio->GetType(), CONNECTOR_GPIO40);
    const MasterShape gpioShape = ShapeOf(*gpio);
    EXPECT_EQ(gpioShape.Placeholders, 36);
    EXPECT_EQ(gpioShape.Empty, (std::vector<int>{11, 12, 29, 30}));
    EXPECT_EQ(gpioShape.Balls, (std::map<int, std::string>{{1, "G16"}, {40, "Y21"}}));

    TConnector* hsmc = board.FindMasterConnector(8);
    ASSERT_NE(hsmc, nullptr);
    EXPECT_EQ(hsmc->GetDescription(), "HSMC connect to HSMC Loopback");
    EXPECT_EQ(hsmc->GetType(), CONNECTOR_HSMC);
    const MasterShape shape = ShapeOf(*hsmc);
    EXPECT_EQ(shape.Placeholders, 84);
    EXPECT_EQ(shape.Empty, HsmcEmptyPositions(false, true));
    EXPECT_EQ(shape.Balls, (std::map<int, std::string>{{33, "AD25"}, {34, "AD26"}, {39, "G6"}, {40, "K15"}}));
    EXPECT_EQ(hsmc->GetPin(39 - 1)->GetDirection(), PIN_DIR_BY_CARD);
    EXPECT_EQ(hsmc->GetPin(40 - 1)->GetDirection(), IN);
    EXPECT_EQ(hsmc->GetPin(40 - 1)->GetIoStandard(), V25);

    // A card that drives position 40 still meets an input at 2.5 V there.
    TDaughterBoard card;
    card.SetType(CONNECTOR_HSMC);
    for (int p = 1; p <= 40; ++p)
        card.AddPin(p >= 39 ? new TPin(p == 39 ? "CLK_OUT" : "CLK_OUT2", OUT, PCIX, p, 0) : nullptr);
    ASSERT_TRUE(card.UpdateMasterConnector(hsmc, "X_"));
    EXPECT_EQ(hsmc->GetPin(39 - 1)->GetName(), "X_CLK_OUT");
    EXPECT_EQ(hsmc->GetPin(39 - 1)->GetDirection(), OUT);
    EXPECT_EQ(hsmc->GetPin(40 - 1)->GetName(), "X_CLK_OUT2");
    EXPECT_EQ(hsmc->GetPin(40 - 1)->GetDirection(), IN);
    EXPECT_EQ(hsmc->GetPin(40 - 1)->GetIoStandard(), V25);
}

TEST(ConfigLarrowen, TheCopyIsMadeBeforeTheRecordChecks)
{
    SeamRecorder seam;
    for (int spoil = 0; spoil < 2; ++spoil) {
        LARROWEN_CONFIG r = Defaults();
        if (spoil == 0) r.BoardId = MAINBOARD_GORSEWIN;
        if (spoil == 1) r.Size = 412;
        TMainBoard board;
        try {
            CONFIG_LARROWEN(&board, &r);
            ADD_FAILURE() << spoil;
        } catch (const InvariantFailure& failure) {
            EXPECT_EQ(failure.condition, spoil == 0 ? "Config.BoardId == MAINBOARD_LARROWEN"
                                                    : "Config.Size == sizeof(LARROWEN_CONFIG)");
        }
        EXPECT_EQ(std::memcmp(board.m_LarrowenConfig.bytes, &r, sizeof r), 0);
        EXPECT_EQ(board.GetBoardId(), MAINBOARD_LARROWEN);
    }
}

}  // namespace config_larrowen_test
