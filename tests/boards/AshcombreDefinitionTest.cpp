// The board definition of Ashcombre: the groups in their order with their
// pin counts, every ball the board's data give (and no other), the groups
// that the power-on reset and the clock controller need, clock texts and the
// four DDR4 SODIMM masters.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "boards/stratix10_agilex/CONFIG_ASHCOMBRE.h"
#include "tests/boards/DefinitionCheck.h"
#include "tests/support/SeamRecorder.h"

namespace ashcombre_definition_test {

namespace {

constexpr IoStandard V18 = 3, LVPECL = 20, HCSL = 37, V12 = 40, SSTL12D = 56, HSDIO = 59, TDS = 60;

const std::vector<ExpectedBoardPin> kGivenBalls = {
    {"CLK_100_B2A", "CU50", PIN_DIR_INPUT, TDS},
    {"CLK_50_B3A", "G52", PIN_DIR_INPUT, V12},
    {"CLK_50_B3C", "G26", PIN_DIR_INPUT, V12},
    {"CLK_30M72", "CU24", PIN_DIR_INPUT, V12},
    {"CLK_from_SI5397A_p[0]", "DC22", PIN_DIR_INPUT, TDS},
    {"CLK_from_SI5397A_p[1]", "A24", PIN_DIR_INPUT, TDS},
    {"CLK_to_SI5397A_p[0]", "CU26", PIN_DIR_OUTPUT, SSTL12D},
    {"CLK_to_SI5397A_p[1]", "CU28", PIN_DIR_OUTPUT, SSTL12D},
    {"QSFPDDRSV_REFCLK_p", "AR14", PIN_DIR_INPUT, LVPECL},
    {"BUTTON[0]", "J54", PIN_DIR_INPUT, V12},
    {"BUTTON[1]", "G54", PIN_DIR_INPUT, V12},
    {"CPU_RESET_n", "G56", PIN_DIR_INPUT, V12},
    {"SW[0]", "H51", PIN_DIR_INPUT, V12},
    {"EXP_EN", "A20", PIN_DIR_INPUT, V12},
    {"LED[0]", "CR54", PIN_DIR_OUTPUT, V12},
    {"LED_BRACKET[0]", "CT57", PIN_DIR_OUTPUT, V12},
    {"UFL_CLKIN", "DC52", PIN_DIR_INPUT, V12},
    {"INFO_SPI_SCLK", "CU18", PIN_DIR_OUTPUT, V12},
    {"INFO_SPI_MISO", "CV29", PIN_DIR_INPUT, V12},
    {"INFO_SPI_MOSI", "CV17", PIN_DIR_OUTPUT, V12},
    {"INFO_SPI_CS_n", "CR18", PIN_DIR_OUTPUT, V12},
    {"SI5397A_OE_n", "CT45", PIN_DIR_OUTPUT, V12},
    {"SI5397A_RST_n", "CU46", PIN_DIR_OUTPUT, V12},
    {"SI5397A_I2C_SCL", "CV47", PIN_DIR_INOUT, V12},
    {"SI5397A_I2C_SDA", "CR46", PIN_DIR_INOUT, V12},
    {"SI5397A_LOL_A", "CT19", PIN_DIR_INPUT, V12},
    {"SI5397A_LOL_B", "CV21", PIN_DIR_INPUT, V12},
    {"SI5397A_LOL_C", "DB17", PIN_DIR_INPUT, V12},
    {"SI5397A_LOL_D", "CT27", PIN_DIR_INPUT, V12},
    {"SI5397A_LOS_XAXB", "CV19", PIN_DIR_INPUT, V12},
    {"GPIO_CLK[0]", "CV27", PIN_DIR_INOUT, V12},
    {"GPIO_p[0]", "CY21", PIN_DIR_INOUT, V12},
    {"AG_UART_TX", "D23", PIN_DIR_OUTPUT, V12},
    {"AG_UART_RX", "A22", PIN_DIR_INPUT, V12},
    {"AG_UART_CTS", "B23", PIN_DIR_INPUT, V12},
    {"AG_UART_RTS", "C22", PIN_DIR_OUTPUT, V12},
    {"QSPI_CLK", "CT53", PIN_DIR_OUTPUT, V12},
    {"QSPI_NCSO", "CV53", PIN_DIR_OUTPUT, V12},
    {"QSPI_DATA[0]", "CT55", PIN_DIR_INOUT, V12},
    {"PCIE_SMBCLK", "G50", PIN_DIR_INOUT, V12},
    {"PCIE_SMBDAT", "J52", PIN_DIR_INOUT, V12},
    {"PCIE_REFCLK_p[0]", "AJ48", PIN_DIR_INPUT, HCSL},
    {"PCIE_REFCLK_p[1]", "AE48", PIN_DIR_INPUT, HCSL},
    {"PCIE_TX_p[0]", "BP55", PIN_DIR_OUTPUT, HSDIO},
    {"PCIE_TX_p[15]", "AE52", PIN_DIR_OUTPUT, HSDIO},
    {"PCIE_TX_n[0]", "BR56", PIN_DIR_OUTPUT, HSDIO},
    {"PCIE_TX_n[15]", "AD53", PIN_DIR_OUTPUT, HSDIO},
    {"PCIE_RX_p[0]", "BP61", PIN_DIR_INPUT, HSDIO},
    {"PCIE_RX_p[15]", "AE58", PIN_DIR_INPUT, HSDIO},
    {"PCIE_RX_n[0]", "BR62", PIN_DIR_INPUT, HSDIO},
    {"PCIE_RX_n[15]", "AD59", PIN_DIR_INPUT, HSDIO},
    {"PCIE_PERST_n", "BU58", PIN_DIR_INPUT, V18},
    {"PCIE_WAKE_n", "J50", PIN_DIR_OUTPUT, V12},
    {"PCIE_CLKREQ_n", "F55", PIN_DIR_OUTPUT, V12},
    {"QSFPDDA_REFCLK_p", "AJ12", PIN_DIR_INPUT, LVPECL},
    {"QSFPDDA_TX_p[0]", "BF1", PIN_DIR_OUTPUT, HSDIO},
    {"QSFPDDA_TX_n[0]", "BE2", PIN_DIR_OUTPUT, HSDIO},
    {"QSFPDDA_RX_p[0]", "BF7", PIN_DIR_INPUT, HSDIO},
    {"QSFPDDA_RX_n[0]", "BE8", PIN_DIR_INPUT, HSDIO},
    {"QSFPDDA_INTERRUPT_n", "CV25", PIN_DIR_INPUT, V12},
    {"QSFPDDA_INITMODE", "DB21", PIN_DIR_OUTPUT, V12},
    {"QSFPDDA_MOD_PRS_n", "CT29", PIN_DIR_INPUT, V12},
    {"QSFPDDA_MOD_SEL_n", "DB19", PIN_DIR_OUTPUT, V12},
    {"QSFPDDA_RST_n", "DA20", PIN_DIR_OUTPUT, V12},
    {"QSFPDDA_SCL", "H21", PIN_DIR_INOUT, V12},
    {"QSFPDDA_SDA", "H23", PIN_DIR_INOUT, V12},
    {"QSFPDDB_REFCLK_p", "AT13", PIN_DIR_INPUT, LVPECL},
    {"QSFPDDB_TX_p[0]", "AK1", PIN_DIR_OUTPUT, HSDIO},
    {"QSFPDDB_TX_n[0]", "AJ2", PIN_DIR_OUTPUT, HSDIO},
    {"QSFPDDB_RX_p[0]", "AK7", PIN_DIR_INPUT, HSDIO},
    {"QSFPDDB_RX_n[0]", "AJ8", PIN_DIR_INPUT, HSDIO},
    {"QSFPDDB_INTERRUPT_n", "DC18", PIN_DIR_INPUT, V12},
    {"QSFPDDB_INITMODE", "DA18", PIN_DIR_OUTPUT, V12},
    {"QSFPDDB_MOD_PRS_n", "CY19", PIN_DIR_INPUT, V12},
    {"QSFPDDB_MOD_SEL_n", "CR22", PIN_DIR_OUTPUT, V12},
    {"QSFPDDB_RST_n", "CU22", PIN_DIR_OUTPUT, V12},
    {"QSFPDDB_SCL", "CY17", PIN_DIR_INOUT, V12},
    {"QSFPDDB_SDA", "H19", PIN_DIR_INOUT, V12},
    {"DDR4A_RZQ", "B9", PIN_DIR_INPUT, V12},
    {"DDR4B_RZQ", "M41", PIN_DIR_INPUT, V12},
    {"DDR4C_RZQ", "DB7", PIN_DIR_INPUT, V12},
    {"DDR4D_RZQ", "CM39", PIN_DIR_INPUT, V12},
    {"DDR4A_REFCLK_p", "A10", PIN_DIR_INPUT, TDS},
    {"DDR4B_REFCLK_p", "L40", PIN_DIR_INPUT, TDS},
    {"DDR4C_REFCLK_p", "DC8", PIN_DIR_INPUT, TDS},
    {"DDR4D_REFCLK_p", "CN38", PIN_DIR_INPUT, TDS},
};

class AshcombreDefinition : public ::testing::Test {
protected:
    AshcombreDefinition()
    {
        c.BoardId = 40;
        c.Size = 300;
        std::strcpy(c.szFpgaPart, "AGFB014R24B1E1V");
    }
    // Every group, the RSV clock (which programs the chip) and all sockets.
    void Everything()
    {
        std::memset(&c.bClock, 1, &c.bDdr4Socket[3] - &c.bClock + 1);
        c.bQsfpdd[0] = c.bQsfpdd[1] = 1;
        c.nQsfpddRefClk[0] = c.nQsfpddRefClk[1] = 7;
        c.bQsfpddRsvRefClk = 1;
    }
    TMainBoard& Define()
    {
        CONFIG_ASHCOMBRE(&board, object);
        return board;
    }
    std::vector<std::string> NamesOf(const std::string& group)
    {
        std::vector<std::string> names;
        for (int i = 0; i < board.GetConnectorCount(); ++i) {
            const TConnector* connector = board.GetConnector(i);
            if (connector->GetName() != group) continue;
            for (int p = 0; p < connector->GetPinCount(); ++p) names.push_back(connector->GetPin(p)->GetName());
        }
        return names;
    }

    SeamRecorder seam;
    TConfigAshcombre object;
    TConfigAshcombre::ASHCOMBRE_CONFIG& c = object.m_Config;
    TMainBoard board;
};

}  // namespace

TEST_F(AshcombreDefinition, EverythingGivesTheGroupsInOrderWithEveryGivenBallAndNoOther)
{
    Everything();
    Define();
    EXPECT_EQ(board.m_pConfig, &object);
    EXPECT_EQ(board.GetBoardId(), 40);
    EXPECT_EQ(board.GetFamily(), "Agilex");
    EXPECT_EQ(board.GetDevice(), "AGFB014R24B1E1V");
    EXPECT_EQ(board.GetPackage(), "");
    EXPECT_EQ(board.GetDevicePinCount(), 0);
    EXPECT_EQ(board.GetSpeedGradeText(), "");
    EXPECT_EQ(GroupsOf(board), (Groups{{"CLOCK", 9},
                                       {"BUTTON", 3},
                                       {"SW", 3},
                                       {"LED, Low Active", 8},
                                       {"UFL", 1},
                                       {"System Information Interface", 4},
                                       {"SI5397A", 9},
                                       {"2x5 GPIO Header", 6},
                                       {"UART", 4},
                                       {"User QSPI Flash", 6},
                                       {"PCIE Gen4 x16", 71},
                                       {"QSFPDD A", 40},
                                       {"QSFPDD B", 40},
                                       {"RZQ for DDR4-SODIMM", 4},
                                       {"Referemce Clock for DDR4-SODIMM", 4},
                                       {"Single-Rank DDR4-2666 SODIMM with ECC", 260},
                                       {"Single-Rank DDR4-2666 SODIMM with ECC", 260},
                                       {"Single-Rank DDR4-2666 SODIMM with ECC", 260},
                                       {"Single-Rank DDR4-2666 SODIMM with ECC", 260}}));
    const auto pins = PinsOf(board);
    for (const ExpectedBoardPin& row : kGivenBalls) ExpectPins(pins, {row});
    int located = 0;
    for (const auto& [name, pin] : pins) located += pin->GetLocation().empty() ? 0 : 1;
    EXPECT_EQ(located, static_cast<int>(kGivenBalls.size()));
    ExpectPins(pins, {{"SW[1]", "", PIN_DIR_INPUT, V12},
                      {"LED[3]", "", PIN_DIR_OUTPUT, V12},
                      {"LED_BRACKET[1]", "", PIN_DIR_OUTPUT, V12},
                      {"GPIO_p[3]", "", PIN_DIR_INOUT, V12},
                      {"QSPI_DATA[3]", "", PIN_DIR_INOUT, V12},
                      {"PCIE_TX_p[14]", "", PIN_DIR_OUTPUT, HSDIO},
                      {"PCIE_RX_n[1]", "", PIN_DIR_INPUT, HSDIO},
                      {"QSFPDDB_TX_n[7]", "", PIN_DIR_OUTPUT, HSDIO},
                      {"QSFPDDA_RX_p[7]", "", PIN_DIR_INPUT, HSDIO}});
    EXPECT_EQ(NamesOf("CLOCK").back(), "QSFPDDRSV_REFCLK_p");
}

TEST_F(AshcombreDefinition, ClockTexts)
{
    Everything();
    c.nQsfpddRefClk[0] = 4;
    c.nQsfpddRefClk[1] = 6;
    c.nIoClockSource[0] = 3;
    c.nIoClockSource[1] = 1;
    Define();
    const auto pins = PinsOf(board);
    const struct {
        const char* pin;
        const char* text;
    } clocks[] = {{"CLK_100_B2A", "100.000000 MHz"},       {"CLK_50_B3A", "50.000000 MHz"},
                  {"CLK_30M72", "30.720000 MHz"},          {"CLK_from_SI5397A_p[0]", "50.000000 MHz"},
                  {"CLK_from_SI5397A_p[1]", "50.000000 MHz"}, {"QSFPDDRSV_REFCLK_p", "156.250000 MHz"},
                  {"UFL_CLKIN", "50.000000 MHz"},          {"PCIE_REFCLK_p[1]", "100.000000 MHz"},
                  {"QSFPDDA_REFCLK_p", "307.200012 MHz"},  {"QSFPDDB_REFCLK_p", "184.320007 MHz"},
                  {"DDR4C_REFCLK_p", "33.333000 MHz"}};
    for (const auto& clock : clocks) {
        ASSERT_TRUE(pins.count(clock.pin)) << clock.pin;
        EXPECT_TRUE(pins.at(clock.pin)->GetIsClock()) << clock.pin;
        EXPECT_EQ(pins.at(clock.pin)->GetClockFrequencyText(), clock.text) << clock.pin;
    }
    EXPECT_FALSE(pins.at("CLK_to_SI5397A_p[0]")->GetIsClock());
    c.nQsfpddRefClk[1] = 8;
    Define();
    EXPECT_EQ(PinsOf(board).at("QSFPDDB_REFCLK_p")->GetClockFrequencyText(), "153.600006 MHz");
}

TEST_F(AshcombreDefinition, ThePortsOfThePowerOnResetAndTheControllerAreAlwaysDeclared)
{
    struct Case {
        const char* what;
        uint8_t clock, button, vhdl;
        int32_t refClkA;  // QSFPDD A ticked at this choice (7: unprogrammed)
        Groups groups;
        std::vector<std::string> buttons;
    };
    const Case cases[] = {
        {"nothing", 0, 0, 0, 7, {{"CLOCK", 8}, {"BUTTON", 1}, {"SI5397A", 2}, {"QSFPDD A", 40}}, {"CPU_RESET_n"}},
        {"clock without buttons", 1, 0, 0, 7, {{"CLOCK", 8}, {"BUTTON", 1}, {"SI5397A", 2}, {"QSFPDD A", 40}},
         {"CPU_RESET_n"}},
        {"a Verilog controller", 0, 0, 0, 0, {{"CLOCK", 8}, {"BUTTON", 3}, {"SI5397A", 9}, {"QSFPDD A", 40}},
         {"BUTTON[0]", "BUTTON[1]", "CPU_RESET_n"}},
        {"a VHDL controller", 0, 0, 1, 0, {{"CLOCK", 8}, {"BUTTON", 1}, {"SI5397A", 9}, {"QSFPDD A", 40}},
         {"CPU_RESET_n"}},
        {"buttons", 0, 1, 1, 7, {{"CLOCK", 8}, {"BUTTON", 3}, {"SI5397A", 2}, {"QSFPDD A", 40}},
         {"BUTTON[0]", "BUTTON[1]", "CPU_RESET_n"}},
    };
    for (const Case& test : cases) {
        c.bClock = test.clock;
        c.bButton = test.button;
        c.bVhdlTopFile = test.vhdl;
        c.bQsfpdd[0] = 1;
        c.nQsfpddRefClk[0] = test.refClkA;
        c.nQsfpddRefClk[1] = 7;
        Define();
        EXPECT_EQ(GroupsOf(board), test.groups) << test.what;
        EXPECT_EQ(NamesOf("BUTTON"), test.buttons) << test.what;
    }
    c.bQsfpdd[0] = 0;
    Define();
    EXPECT_EQ(NamesOf("SI5397A"), (std::vector<std::string>{"SI5397A_OE_n", "SI5397A_RST_n"}));
}

TEST_F(AshcombreDefinition, DualRankSocketsBAndD)
{
    c.bDdr4Socket[1] = c.bDdr4Socket[3] = 1;
    c.bDdr4DualRank = 1;
    Define();
    EXPECT_EQ(NamesOf("RZQ for DDR4-SODIMM"), (std::vector<std::string>{"DDR4B_RZQ", "DDR4D_RZQ"}));
    EXPECT_EQ(NamesOf("Referemce Clock for DDR4-SODIMM"),
              (std::vector<std::string>{"DDR4B_REFCLK_p", "DDR4D_REFCLK_p"}));
    EXPECT_EQ(board.FindMasterConnector(36), nullptr);
    EXPECT_EQ(board.FindMasterConnector(38), nullptr);
    for (int i : {1, 3}) {
        const TConnector* master = board.FindMasterConnector(36 + i);
        ASSERT_NE(master, nullptr);
        EXPECT_EQ(master->GetName(), "Dual-Rank DDR4-2400 SODIMM with ECC");
        EXPECT_EQ(master->GetDescription(), std::string("located at DDR4-SODIMM Socket ") + char('A' + i));
        EXPECT_EQ(master->GetType(), CONNECTOR_DDR4_IF_ECC);
    }
}

TEST_F(AshcombreDefinition, SocketMastersCarryTheSameOneHundredAndFiftyNinePositions)
{
    for (uint8_t& socket : c.bDdr4Socket) socket = 1;
    Define();
    const std::vector<std::pair<int, int>> withPin = {
        {3, 4},     {7, 8},     {11, 13},   {16, 17},   {20, 21},   {24, 25},   {28, 29},   {32, 34},
        {37, 38},   {41, 42},   {45, 46},   {49, 50},   {53, 55},   {58, 59},   {62, 63},   {66, 67},
        {70, 71},   {74, 76},   {79, 80},   {83, 84},   {87, 88},   {91, 92},   {95, 97},   {100, 101},
        {104, 105}, {108, 165}, {169, 170}, {173, 174}, {177, 179}, {182, 183}, {186, 187}, {190, 191},
        {194, 195}, {198, 200}, {203, 204}, {207, 208}, {211, 212}, {215, 216}, {219, 221}, {224, 225},
        {228, 229}, {232, 233}, {236, 237}, {240, 242}, {245, 246}, {249, 250}, {253, 254}};
    std::vector<int> empty;
    for (int p = 1; p <= 260; ++p) {
        bool carried = false;
        for (const auto& [first, last] : withPin) carried = carried || (p >= first && p <= last);
        if (!carried) empty.push_back(p);
    }
    ASSERT_EQ(empty.size(), 101u);
    const char* const p3[4] = {"V17", "F45", "CF25", "CE56"};
    const char* const p137[4] = {"B13", "M37", "DB11", "CM35"};
    for (int i = 0; i < 4; ++i) {
        const TConnector* master = board.FindMasterConnector(36 + i);
        ASSERT_NE(master, nullptr);
        const MasterShape shape = ShapeOf(*master);
        EXPECT_EQ(shape.Positions, 260);
        EXPECT_EQ(shape.Placeholders, 159);
        EXPECT_EQ(shape.Empty, empty);
        EXPECT_EQ(shape.Balls, (std::map<int, std::string>{{3, p3[i]}, {137, p137[i]}}));
        EXPECT_EQ(master->GetPin(2)->GetDirection(), PIN_DIR_BY_CARD);
        EXPECT_EQ(master->GetPin(2)->GetIoStandard(), IO_STD_BY_CARD);
    }
}

TEST_F(AshcombreDefinition, ARecordOfAnotherBoardOrSizeIsAProgrammingError)
{
    c.BoardId = 39;
    try {
        Define();
        ADD_FAILURE();
    } catch (const InvariantFailure& failure) {
        EXPECT_EQ(failure.condition, "Config.BoardId == MAINBOARD_ASHCOMBRE");
    }
    c.BoardId = 40;
    c.Size = 301;
    try {
        Define();
        ADD_FAILURE();
    } catch (const InvariantFailure& failure) {
        EXPECT_EQ(failure.condition, "Config.Size == sizeof(TConfigAshcombre::ASHCOMBRE_CONFIG)");
    }
}

}  // namespace ashcombre_definition_test
