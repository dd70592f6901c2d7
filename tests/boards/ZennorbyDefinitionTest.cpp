// The board definition of Zennorby: the groups in their order with their pin
// counts, every ball the board's data give (and no other), directions,
// standards, the banks that follow the memory sockets, clock texts and the
// four memory-socket masters.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "boards/stratix10_agilex/CONFIG_ZENNORBY.h"
#include "tests/boards/DefinitionCheck.h"
#include "tests/boards/Stratix10AgilexRecords.h"
#include "tests/support/SeamRecorder.h"

namespace zennorby_definition_test {

namespace {

constexpr IoStandard V18 = 3, V12 = 40, LVDS = 21, HCSL = 37, HSSI = 52, LVTTL30 = 57, CML = 58;

// Every named pin whose ball the board's data give.
const std::vector<ExpectedBoardPin> kGivenBalls = {
    {"CLK_50_B2C", "AW38", PIN_DIR_INPUT, V12},     {"CLK_50_B2L", "J25", PIN_DIR_INPUT, V12},
    {"CLK_50_B3C", "BF21", PIN_DIR_INPUT, V12},     {"CLK_50_B3L", "J20", PIN_DIR_INPUT, V12},
    {"CLK_50_B3I", "M24", PIN_DIR_INPUT, V18},      {"CLK_100_B3I", "U24", PIN_DIR_INPUT, V18},
    {"BUTTON[0]", "D24", PIN_DIR_INPUT, V18},       {"BUTTON[1]", "D23", PIN_DIR_INPUT, V18},
    {"CPU_RESET_n", "BF27", PIN_DIR_INPUT, V18},    {"SW[0]", "C23", PIN_DIR_INPUT, V18},
    {"SW[1]", "B23", PIN_DIR_INPUT, V18},           {"LED[0]", "B24", PIN_DIR_OUTPUT, V18},
    {"LED[1]", "A24", PIN_DIR_OUTPUT, V18},         {"LED[2]", "A25", PIN_DIR_OUTPUT, V18},
    {"LED[3]", "A26", PIN_DIR_OUTPUT, V18},         {"FAN_ALERT_n", "BE26", PIN_DIR_INPUT, V18},
    {"FAN_I2C_SCL", "BD26", PIN_DIR_INOUT, V18},    {"FAN_I2C_SDA", "BE27", PIN_DIR_INOUT, V18},
    {"UFL_CLKIN_p", "AN27", PIN_DIR_INOUT, V18},    {"UFL_CLKIN_n", "AN28", PIN_DIR_INOUT, V18},
    {"TEMP_I2C_SCL", "E22", PIN_DIR_INOUT, V18},    {"TEMP_I2C_SDA", "E23", PIN_DIR_INOUT, V18},
    {"SI5340A0_I2C_SCL", "BJ25", PIN_DIR_INOUT, V18}, {"SI5340A0_I2C_SDA", "BJ26", PIN_DIR_INOUT, V18},
    {"SI5340A0_INTR", "BH26", PIN_DIR_INPUT, V18},  {"SI5340A0_OE_n", "BH25", PIN_DIR_OUTPUT, V18},
    {"SI5340A0_RST_n", "BH27", PIN_DIR_OUTPUT, V18}, {"SI5340A1_I2C_SCL", "G22", PIN_DIR_INOUT, V18},
    {"SI5340A1_I2C_SDA", "H22", PIN_DIR_INOUT, V18}, {"SI5340A1_INTR", "H23", PIN_DIR_INPUT, V18},
    {"SI5340A1_OE_n", "G23", PIN_DIR_OUTPUT, V18},  {"SI5340A1_RST_n", "G24", PIN_DIR_OUTPUT, V18},
    {"GPIO_CLK[0]", "BA27", PIN_DIR_INOUT, V18},    {"GPIO_CLK[1]", "BA26", PIN_DIR_INOUT, V18},
    {"GPIO_P[0]", "BB25", PIN_DIR_INOUT, V18},      {"GPIO_P[1]", "BC26", PIN_DIR_INOUT, V18},
    {"GPIO_P[2]", "BC25", PIN_DIR_INOUT, V18},      {"GPIO_P[3]", "BA25", PIN_DIR_INOUT, V18},
    {"POWER_MONITOR_I2C_SCL", "F24", PIN_DIR_INOUT, V18}, {"POWER_MONITOR_I2C_SDA", "F22", PIN_DIR_INOUT, V18},
    {"POWER_MONITOR_ALERT_n", "E24", PIN_DIR_INPUT, V18}, {"EXP_EN", "BG25", PIN_DIR_INPUT, V18},
    {"FLASH_A[1]", "V22", PIN_DIR_OUTPUT, V18},     {"FLASH_A[27]", "N22", PIN_DIR_OUTPUT, V18},
    {"FLASH_CLK", "U23", PIN_DIR_OUTPUT, V18},      {"FLASH_D[0]", "N23", PIN_DIR_INOUT, V18},
    {"FLASH_CE_n", "AR26", PIN_DIR_OUTPUT, V18},    {"FLASH_WE_n", "AT25", PIN_DIR_OUTPUT, V18},
    {"FLASH_OE_n", "AV25", PIN_DIR_OUTPUT, V18},    {"FLASH_ADV_n", "AU25", PIN_DIR_OUTPUT, V18},
    {"FLASH_RESET_n", "AP25", PIN_DIR_OUTPUT, V18}, {"FLASH_RDY_BSY_n", "AW26", PIN_DIR_INPUT, V18},
    {"PCIE_SMBCLK", "BA39", PIN_DIR_INOUT, V12},    {"PCIE_SMBDAT", "BF40", PIN_DIR_INOUT, V12},
    {"PCIE_REFCLK_p", "AM41", PIN_DIR_INPUT, HCSL}, {"PCIE_TX_p[0]", "BJ46", PIN_DIR_OUTPUT, HSSI},
    {"PCIE_RX_p[0]", "BH41", PIN_DIR_INPUT, CML},   {"PCIE_PERST_n", "AJ34", PIN_DIR_INPUT, LVTTL30},
    {"PCIE_WAKE_n", "BC33", PIN_DIR_OUTPUT, V12},
    {"QSFP28A_REFCLK_p", "T41", PIN_DIR_INPUT, LVDS}, {"QSFP28A_TX_p[0]", "F49", PIN_DIR_OUTPUT, HSSI},
    {"QSFP28A_RX_p[0]", "G43", PIN_DIR_INPUT, HSSI}, {"QSFP28A_INTERRUPT_n", "AB35", PIN_DIR_INPUT, LVTTL30},
    {"QSFP28B_REFCLK_p", "AM38", PIN_DIR_INPUT, LVDS}, {"QSFP28B_TX_p[0]", "AK49", PIN_DIR_OUTPUT, HSSI},
    {"QSFP28B_RX_p[0]", "AL43", PIN_DIR_INPUT, HSSI}, {"QSFP28B_INTERRUPT_n", "AF17", PIN_DIR_INPUT, LVTTL30},
    {"QSFP28C_REFCLK_p", "AM12", PIN_DIR_INPUT, LVDS}, {"QSFP28C_TX_p[0]", "AK1", PIN_DIR_OUTPUT, HSSI},
    {"QSFP28C_RX_p[0]", "AL7", PIN_DIR_INPUT, HSSI}, {"QSFP28C_INTERRUPT_n", "AF16", PIN_DIR_INPUT, LVTTL30},
    {"QSFP28D_REFCLK_p", "T9", PIN_DIR_INPUT, LVDS}, {"QSFP28D_TX_p[0]", "F1", PIN_DIR_OUTPUT, HSSI},
    {"QSFP28D_RX_p[0]", "G7", PIN_DIR_INPUT, HSSI}, {"QSFP28D_INTERRUPT_n", "AD14", PIN_DIR_INPUT, LVTTL30},
    {"DDR4A_RZQ", "P34", PIN_DIR_INPUT, V12},       {"DDR4B_RZQ", "L15", PIN_DIR_INPUT, V12},
    {"DDR4C_RZQ", "BJ35", PIN_DIR_INPUT, V12},      {"DDR4D_RZQ", "AN17", PIN_DIR_INPUT, V12},
    {"DDR4A_REFCLK_p", "M35", PIN_DIR_INPUT, LVDS}, {"DDR4B_REFCLK_p", "J16", PIN_DIR_INPUT, LVDS},
    {"DDR4C_REFCLK_p", "BH33", PIN_DIR_INPUT, LVDS}, {"DDR4D_REFCLK_p", "AT17", PIN_DIR_INPUT, LVDS},
};

class ZennorbyDefinition : public ::testing::Test {
protected:
    ZennorbyDefinition() { c = ZennorbyDefaults(); }
    TMainBoard& Define()
    {
        CONFIG_ZENNORBY(&board, object);
        return board;
    }
    const TPin& Pin(const std::string& name)
    {
        static TPin none;
        const auto pins = PinsOf(board);
        const auto it = pins.find(name);
        EXPECT_NE(it, pins.end()) << name;
        return it == pins.end() ? none : *it->second;
    }

    SeamRecorder seam;
    TConfigZennorby object;
    TConfigZennorby::ZENNORBY_CONFIG& c = object.m_Config;
    TMainBoard board;
};

}  // namespace

TEST_F(ZennorbyDefinition, EverythingGivesTheGroupsInOrderWithEveryGivenBallAndNoOther)
{
    Define();
    EXPECT_EQ(board.m_pConfig, &object);
    EXPECT_EQ(board.GetBoardId(), 37);
    EXPECT_EQ(board.GetFamily(), "Stratix 10");
    EXPECT_EQ(board.GetDevice(), "1SX280HU2F50E1VG");
    EXPECT_EQ(board.GetPackage(), "");
    EXPECT_EQ(board.GetDevicePinCount(), 0);
    EXPECT_EQ(board.GetSpeedGrade(), 0);
    EXPECT_EQ(board.GetSpeedGradeText(), "");
    EXPECT_EQ(GroupsOf(board), (Groups{{"CLOCK", 6},
                                       {"BUTTON", 3},
                                       {"SW", 2},
                                       {"LED", 4},
                                       {"FAN", 3},
                                       {"UFL", 2},
                                       {"Temperature Monitor", 2},
                                       {"SI5340A0", 5},
                                       {"SI5340A1", 5},
                                       {"2x5 GPIO Header", 6},
                                       {"POWER Monitor", 4},
                                       {"FLASH", 50},
                                       {"PCIE Gen3 x16", 37},
                                       {"QSFP28A", 16},
                                       {"QSFP28B", 16},
                                       {"QSFP28C", 16},
                                       {"QSFP28D", 16},
                                       {"RZQ of Memory Modules", 4},
                                       {"Referece Clock of Memory Modules", 4},
                                       {"DDR4 SODIMM with ECC", 260},
                                       {"DDR4 SODIMM with ECC", 260},
                                       {"DDR4 SODIMM with ECC", 260},
                                       {"DDR4 SODIMM with ECC", 260},
                                       {"HPS", 40}}));
    const auto pins = PinsOf(board);
    for (const ExpectedBoardPin& row : kGivenBalls) ExpectPins(pins, {row});
    int located = 0;
    for (const auto& [name, pin] : pins) located += pin->GetLocation().empty() ? 0 : 1;
    EXPECT_EQ(located, static_cast<int>(kGivenBalls.size()));
    // Members between the given ones keep their names and standards.
    ExpectPins(pins, {{"FLASH_A[2]", "", PIN_DIR_OUTPUT, V18},
                      {"FLASH_D[15]", "", PIN_DIR_INOUT, V18},
                      {"PCIE_TX_p[15]", "", PIN_DIR_OUTPUT, HSSI},
                      {"PCIE_RX_p[1]", "", PIN_DIR_INPUT, CML},
                      {"QSFP28C_TX_p[3]", "", PIN_DIR_OUTPUT, HSSI},
                      {"QSFP28B_RX_p[2]", "", PIN_DIR_INPUT, HSSI},
                      {"QSFP28D_LP_MODE", "", PIN_DIR_OUTPUT, LVTTL30},
                      {"QSFP28A_MOD_PRS_n", "", PIN_DIR_INPUT, LVTTL30},
                      {"QSFP28A_MOD_SEL_n", "", PIN_DIR_OUTPUT, LVTTL30},
                      {"QSFP28A_RST_n", "", PIN_DIR_OUTPUT, LVTTL30},
                      {"QSFP28A_SCL", "", PIN_DIR_INOUT, LVTTL30},
                      {"QSFP28A_SDA", "", PIN_DIR_INOUT, LVTTL30},
                      {"HPS_SD_CLK", "", PIN_DIR_OUTPUT, V18},
                      {"HPS_USB0_DATA[7]", "", PIN_DIR_INOUT, V18},
                      {"HPS_EMAC0_RXD[3]", "", PIN_DIR_INPUT, V18},
                      {"HPS_CARD_PRSNT_n", "", PIN_DIR_INOUT, V18}});
    // The address bus of the flash has no bit 0.
    EXPECT_EQ(pins.count("FLASH_A[0]"), 0u);
    EXPECT_EQ(pins.count("FLASH_A[28]"), 0u);
}

TEST_F(ZennorbyDefinition, ClockTextsFollowTheChoices)
{
    c.nQsfp28RefClk[0] = 1;
    c.nQsfp28RefClk[3] = 4;
    c.nMemRefClk[1] = 2;
    c.nMemRefClk[2] = 3;
    Define();
    const struct {
        const char* pin;
        const char* text;
    } clocks[] = {{"CLK_50_B2C", "50.000000 MHz"},        {"CLK_100_B3I", "100.000000 MHz"},
                  {"PCIE_REFCLK_p", "100.000000 MHz"},     {"QSFP28A_REFCLK_p", "322.265625 MHz"},
                  {"QSFP28B_REFCLK_p", "644.531250 MHz"},  {"QSFP28D_REFCLK_p", "100.000000 MHz"},
                  {"DDR4A_REFCLK_p", "166.666672 MHz"},    {"DDR4B_REFCLK_p", "266.666656 MHz"},
                  {"DDR4C_REFCLK_p", "233.333328 MHz"}};
    for (const auto& clock : clocks) {
        EXPECT_TRUE(Pin(clock.pin).GetIsClock()) << clock.pin;
        EXPECT_EQ(Pin(clock.pin).GetClockFrequencyText(), clock.text) << clock.pin;
    }
    EXPECT_FALSE(Pin("UFL_CLKIN_p").GetIsClock());
}

TEST_F(ZennorbyDefinition, BanksBesideAQdrIIModuleRunAt1V8)
{
    struct Case {
        uint8_t socketA, socketC;
        IoStandard b3l, others, rzqA, rzqC;
    };
    const Case cases[] = {{80, 80, V12, V12, V12, V12}, {83, 80, V18, V12, V18, V12}, {80, 83, V12, V18, V12, V18},
                          {84, 79, V12, V12, V12, V12}, {83, 83, V18, V18, V18, V18}};
    for (const Case& test : cases) {
        c.nMemoryModuleId[0] = test.socketA;
        c.nMemoryModuleId[2] = test.socketC;
        board.ClearConnectors();
        Define();
        EXPECT_EQ(Pin("CLK_50_B3L").GetIoStandard(), test.b3l);
        for (const char* pin : {"CLK_50_B2C", "CLK_50_B2L", "CLK_50_B3C", "PCIE_SMBCLK", "PCIE_SMBDAT", "PCIE_WAKE_n"})
            EXPECT_EQ(Pin(pin).GetIoStandard(), test.others) << pin << " " << int(test.socketC);
        EXPECT_EQ(Pin("DDR4A_RZQ").GetIoStandard(), test.rzqA);
        EXPECT_EQ(Pin("DDR4C_RZQ").GetIoStandard(), test.rzqC);
        EXPECT_EQ(Pin("CLK_50_B3I").GetIoStandard(), V18);
    }
}

TEST_F(ZennorbyDefinition, TheControllersBringTheClockAndButtonGroups)
{
    std::memset(&c.bClock, 0, 12);
    for (int i = 0; i < 4; ++i) {
        c.bQsfp28[i] = 0;
        c.nMemoryModuleId[i] = 0;
    }
    c.bQsfp28[0] = 1;
    Define();
    EXPECT_EQ(GroupsOf(board), (Groups{{"CLOCK", 6}, {"BUTTON", 3}, {"SI5340A0", 5}, {"QSFP28A", 16}}));

    c.bQsfp28[0] = 0;
    c.nMemoryModuleId[3] = 84;
    Define();
    EXPECT_EQ(GroupsOf(board), (Groups{{"CLOCK", 6},
                                       {"BUTTON", 3},
                                       {"SI5340A1", 5},
                                       {"RZQ of Memory Modules", 1},
                                       {"Referece Clock of Memory Modules", 1},
                                       {"QDR-IV Module", 260}}));

    c.nMemoryModuleId[3] = 0;
    Define();
    EXPECT_TRUE(GroupsOf(board).empty());
}

TEST_F(ZennorbyDefinition, PrefixesNameThePinsAsStoredEmptyOrNot)
{
    std::memset(c.szMemoryPrefixName[1], 0, 128);
    std::memset(c.szMemoryPrefixName[3], 0, 128);
    // Conversion characters in a stored prefix are plain text.
    std::strcpy(c.szMemoryPrefixName[2], "%s%n%d_");
    Define();
    const TConnector* rzq = board.GetConnector(17);
    const TConnector* refClk = board.GetConnector(18);
    ASSERT_EQ(rzq->GetName(), "RZQ of Memory Modules");
    std::vector<std::string> names, clocks;
    for (int i = 0; i < 4; ++i) {
        names.push_back(rzq->GetPin(i)->GetName());
        clocks.push_back(refClk->GetPin(i)->GetName());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"DDR4A_RZQ", "RZQ", "%s%n%d_RZQ", "RZQ"}));
    EXPECT_EQ(clocks, (std::vector<std::string>{"DDR4A_REFCLK_p", "REFCLK_p", "%s%n%d_REFCLK_p", "REFCLK_p"}));
    EXPECT_NE(object.GetQsfText().find("set_instance_assignment -name INPUT_TERMINATION DIFFERENTIAL -to "
                                       "%s%n%d_REFCLK_p\r\n"),
              std::string::npos);
}

TEST_F(ZennorbyDefinition, SocketMastersFollowTheModuleAndTheLocationTables)
{
    c.nMemoryModuleId[0] = 79;
    c.nMemoryModuleId[1] = 80;
    c.nMemoryModuleId[2] = 83;
    c.nMemoryModuleId[3] = 84;
    Define();
    const struct {
        const char* name;
        ConnectorType type;
        const char* p3;
        const char* p4;
        const char* shared;
        const char* p116;
    } sockets[4] = {{"DDR4 SODIMM without ECC", CONNECTOR_DDR4_IF, "C38", "B38", "T15", "A38"},
                    {"DDR4 SODIMM with ECC", CONNECTOR_DDR4_IF_ECC, "W18", "U19", "T15", "T15"},
                    {"QDR-II+ Module", CONNECTOR_DDR4_IF_ECC, "AR37", "AN33", "BH18", "AP34"},
                    {"QDR-IV Module", CONNECTOR_DDR4_IF_ECC, "BH17", "BG18", "BH18", "BH18"}};
    const std::vector<int> empty = {1, 2, 110, 138, 140, 157, 161, 251, 255, 257, 258, 259, 260};
    const int sharedPositions[] = {111, 112, 117, 118, 123, 124, 129, 130, 135, 136,
                                   141, 142, 147, 148, 153, 154, 159, 160, 163};
    for (int i = 0; i < 4; ++i) {
        const TConnector* master = board.FindMasterConnector(40 + i);
        ASSERT_NE(master, nullptr) << i;
        EXPECT_EQ(master->GetName(), sockets[i].name);
        EXPECT_EQ(master->GetDescription(), std::string("located at DDR4-SODIMM Socket ") + char('A' + i));
        EXPECT_EQ(master->GetType(), sockets[i].type);
        EXPECT_EQ(master->GetCardId(), -1);
        EXPECT_TRUE(master->GetIsMaster());
        const MasterShape shape = ShapeOf(*master);
        EXPECT_EQ(shape.Positions, 260);
        EXPECT_EQ(shape.Empty, empty);
        EXPECT_EQ(shape.Placeholders, 247);
        std::map<int, std::string> balls = {{3, sockets[i].p3}, {4, sockets[i].p4}, {116, sockets[i].p116}};
        for (int p : sharedPositions) balls[p] = sockets[i].shared;
        EXPECT_EQ(shape.Balls, balls) << i;
        const TPin* placeholder = master->GetPin(2);
        EXPECT_EQ(placeholder->GetName(), "");
        EXPECT_EQ(placeholder->GetDirection(), PIN_DIR_BY_CARD);
        EXPECT_EQ(placeholder->GetIoStandard(), IO_STD_BY_CARD);
    }
    // The masters follow the RZQ and clock groups and come before the HPS.
    EXPECT_EQ(board.GetConnector(19), board.FindMasterConnector(40));
    EXPECT_EQ(board.GetConnector(23)->GetName(), "HPS");
}

TEST_F(ZennorbyDefinition, ARecordOfAnotherBoardOrSizeIsAProgrammingError)
{
    c.BoardId = 36;
    try {
        Define();
        ADD_FAILURE();
    } catch (const InvariantFailure& failure) {
        EXPECT_EQ(failure.condition, "Config.BoardId == MAINBOARD_ZENNORBY");
    }
    c.BoardId = 37;
    c.Size = 831;
    try {
        Define();
        ADD_FAILURE();
    } catch (const InvariantFailure& failure) {
        EXPECT_EQ(failure.condition, "Config.Size == sizeof(TConfigZennorby::ZENNORBY_CONFIG)");
    }
}

TEST_F(ZennorbyDefinition, TheDeviceIsThePartNumberOfEachRow)
{
    for (const char* part : {"revD GX, 1SG280HU1F50E1VG", "revC GX, 1SG165HU2F50E2VG", "revB GX, 1SG280LU2F50E1VG"}) {
        std::strcpy(c.szFpgaPart, part);
        Define();
        EXPECT_EQ(board.GetDevice(), std::string(part).substr(9));
    }
}

}  // namespace zennorby_definition_test
