// The board definition of the Quillomar module: the groups in their order
// under their conditions, every pin with the ball the board's data give (and
// none where it gives none), the bank-dependent I/O standards, the clock
// texts of the Si5341A choices, and the FMC and FMC+ master connectors.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "boards/stratix10_agilex/CONFIG_RENNACRE.h"
#include "model/DaughterBoard.h"
#include "tests/boards/BoardDefinitionCheck.h"
#include "tests/boards/QuillomarRecord.h"
#include "tests/support/SeamRecorder.h"

namespace quillomar_definition_test {

using namespace defcheck;

namespace {

using RENNACRE_CONFIG = TConfig_Rennacre::RENNACRE_CONFIG;

constexpr IoStandard k1V8 = 3, kLvds = 21, k1V2 = 40, kPod = 53, kDiffPod = 54, kSstl12 = 55, kDiffSstl = 56,
                     k3V0 = 57;

// The groups of the default record (Si5341A used through DDR4B, HPS set),
// as the board's pin list gives them.
const std::vector<Row> kDefaultRows = {
    {"CLOCK", "CLK_100_B3I CLK_50_B2F", "L24 BA27", k1V8, "in"},
    {"CLOCK", "CLK_50_B2L CLK_50_B3C", "J25 BF21", k1V2, "in"},
    {"CLOCK", "CLK_50_B3I", "M24", k1V8, "in"},
    {"CLOCK", "LVDS_REFCLK_p", "U24", kLvds, "in"},
    {"BUTTON", "BUTTON[0..1] CPU_RESET_n", "AE36 AG34 AC35", k3V0, "in"},
    {"SW", "SW[0..1]", "AG35 AH33", k3V0, "in"},
    {"LED", "LED[0..1]", "AH32 AC33", k3V0, "out"},
    {"SI5341A Configure", "SI5341A_I2C_SCL SI5341A_I2C_SDA", "BH13 BE14", k1V2, "io"},
    {"SI5341A Configure", "SI5341A_OE_n SI5341A_RST_n", "AV21 BB20", k1V2, "out"},
    {"System Info", "INFO_SPI_MISO INFO_SPI_CS_n INFO_SPI_SCLK", "AB12 AD15 AC15", k3V0, "out"},
    {"System Info", "INFO_SPI_MOSI", "AF15", k3V0, "in"},
    {"DDR4A, DDR4 for HPS", "DDR4A_REFCLK_p", "M35", kLvds, "in"},
    {"DDR4A, DDR4 for HPS", "DDR4A_A[0]", "K38", kSstl12, "out"},
    {"DDR4A, DDR4 for HPS", "DDR4A_A[1..17]", "", kSstl12, "out"},
    {"DDR4A, DDR4 for HPS", "DDR4A_BA[0..1] DDR4A_BG[0..1]", "L36 T35 R36 D40", kSstl12, "out"},
    {"DDR4A, DDR4 for HPS", "DDR4A_CK DDR4A_CK_n", "F39 G39", kDiffSstl, "out"},
    {"DDR4A, DDR4 for HPS", "DDR4A_CKE[0..1]", "L40 K40", kSstl12, "out"},
    {"DDR4A, DDR4 for HPS", "DDR4A_DQS[0]", "A36", kDiffPod, "io"},
    {"DDR4A, DDR4 for HPS", "DDR4A_DQS[1..8]", "", kDiffPod, "io"},
    {"DDR4A, DDR4 for HPS", "DDR4A_DQS_n[0]", "A35", kDiffPod, "io"},
    {"DDR4A, DDR4 for HPS", "DDR4A_DQS_n[1..8]", "", kDiffPod, "io"},
    {"DDR4A, DDR4 for HPS", "DDR4A_DQ[0]", "B35", kPod, "io"},
    {"DDR4A, DDR4 for HPS", "DDR4A_DQ[1..71]", "", kPod, "io"},
    {"DDR4A, DDR4 for HPS", "DDR4A_DBI_n[0]", "C36", kPod, "io"},
    {"DDR4A, DDR4 for HPS", "DDR4A_DBI_n[1..8]", "", kPod, "io"},
    {"DDR4A, DDR4 for HPS", "DDR4A_CS_n[0..1]", "G38 J40", kSstl12, "out"},
    {"DDR4A, DDR4 for HPS", "DDR4A_RESET_n", "E40", k1V2, "out"},
    {"DDR4A, DDR4 for HPS", "DDR4A_ODT[0..1] DDR4A_PAR", "G40 F40 H40", kSstl12, "out"},
    {"DDR4A, DDR4 for HPS", "DDR4A_ALERT_n", "A38", k1V2, "in"},
    {"DDR4A, DDR4 for HPS", "DDR4A_ACT_n", "H38", kSstl12, "out"},
    {"DDR4A, DDR4 for HPS", "DDR4A_RZQ", "P34", k1V2, "in"},
    {"DDR4B, DDR4 for FPGA", "DDR4B_REFCLK_p", "AT17", kLvds, "in"},
    {"DDR4B, DDR4 for FPGA", "DDR4B_A[0]", "AY11", kSstl12, "out"},
    {"DDR4B, DDR4 for FPGA", "DDR4B_A[1..17]", "", kSstl12, "out"},
    {"DDR4B, DDR4 for FPGA", "DDR4B_BA[0..1] DDR4B_BG[0..1]", "AU14 AP18 AR18 BF11", kSstl12, "out"},
    {"DDR4B, DDR4 for FPGA", "DDR4B_CK DDR4B_CK_n", "BC12 BB12", kDiffSstl, "out"},
    {"DDR4B, DDR4 for FPGA", "DDR4B_CKE[0..1]", "BC10 BB10", kSstl12, "out"},
    {"DDR4B, DDR4 for FPGA", "DDR4B_DQS[0]", "BJ19", kDiffPod, "io"},
    {"DDR4B, DDR4 for FPGA", "DDR4B_DQS[1..8]", "", kDiffPod, "io"},
    {"DDR4B, DDR4 for FPGA", "DDR4B_DQS_n[0]", "BJ20", kDiffPod, "io"},
    {"DDR4B, DDR4 for FPGA", "DDR4B_DQS_n[1..8]", "", kDiffPod, "io"},
    {"DDR4B, DDR4 for FPGA", "DDR4B_DQ[0]", "BH20", kPod, "io"},
    {"DDR4B, DDR4 for FPGA", "DDR4B_DQ[1..71]", "", kPod, "io"},
    {"DDR4B, DDR4 for FPGA", "DDR4B_DBI_n[0]", "BH17", kPod, "io"},
    {"DDR4B, DDR4 for FPGA", "DDR4B_DBI_n[1..8]", "", kPod, "io"},
    {"DDR4B, DDR4 for FPGA", "DDR4B_CS_n[0..1]", "BE10 BD11", kSstl12, "out"},
    {"DDR4B, DDR4 for FPGA", "DDR4B_RESET_n", "BF10", k1V2, "out"},
    {"DDR4B, DDR4 for FPGA", "DDR4B_ODT[0..1] DDR4B_PAR", "BE12 BE11 BC11", kSstl12, "out"},
    {"DDR4B, DDR4 for FPGA", "DDR4B_ALERT_n", "BH18", k1V2, "in"},
    {"DDR4B, DDR4 for FPGA", "DDR4B_ACT_n", "BD10", kSstl12, "out"},
    {"DDR4B, DDR4 for FPGA", "DDR4B_RZQ", "AN17", k1V2, "in"},
    {"HPS", "HPS_ENET_MDC HPS_ENET_MDIO HPS_ENET_RX_CLK HPS_ENET_RX_CTL", "B28 K31 G28 F30", k1V8, "io"},
    {"HPS", "HPS_ENET_RX_DATA[0]", "B34", k1V8, "io"},
    {"HPS", "HPS_ENET_RX_DATA[1..3]", "", k1V8, "io"},
    {"HPS", "HPS_ENET_TX_CLK HPS_ENET_TX_CTL", "F31 R29", k1V8, "io"},
    {"HPS", "HPS_ENET_TX_DATA[0]", "J28", k1V8, "io"},
    {"HPS", "HPS_ENET_TX_DATA[1..3]", "", k1V8, "io"},
    {"HPS", "HPS_GPIO[0]", "B29", k1V8, "io"},
    {"HPS", "HPS_GPIO[1..3]", "", k1V8, "io"},
    {"HPS", "HPS_I2C_SCL HPS_I2C_SDA HPS_KEY HPS_LED HPS_OSC_CLK HPS_SD_CLK HPS_SD_CMD",
     "H31 B33 C28 G30 N30 A31 J30", k1V8, "io"},
    {"HPS", "HPS_SD_DATA[0]", "P30", k1V8, "io"},
    {"HPS", "HPS_SD_DATA[1..3]", "", k1V8, "io"},
    {"HPS", "HPS_UART_RX HPS_UART_TX HPS_USB_CLK", "K29 F32 E29", k1V8, "io"},
    {"HPS", "HPS_USB_DATA[0]", "A30", k1V8, "io"},
    {"HPS", "HPS_USB_DATA[1..7]", "", k1V8, "io"},
    {"HPS", "HPS_USB_DIR HPS_USB_NXT HPS_USB_STP", "D30 A27 C33", k1V8, "io"},
};


std::string ClockText(const TMainBoard& board, const std::string& name)
{
    const TPin* pin = FindPin(board, name);
    if (!pin) return "(no pin)";
    return pin->GetIsClock() ? pin->GetClockFrequencyText() : "(no clock)";
}

// "A2" -> 1-based position.
int Position(const std::string& label)
{
    const std::string rows = "ABCDEFGHJKLMYZ";
    return 40 * static_cast<int>(rows.find(label[0])) + std::stoi(label.substr(1));
}

// The number of located positions (placeholders) of each row of a master.
std::map<char, int> LocatedPerRow(const TConnector* master)
{
    const std::string rows = "ABCDEFGHJKLMYZ";
    std::map<char, int> counts;
    for (int i = 0; i < master->GetPinCount(); ++i)
        if (master->GetPin(i)) ++counts[rows[static_cast<std::size_t>(i / 40)]];
    return counts;
}

class QuillomarDefinition : public ::testing::Test {
protected:
    void SetUp() override { object.m_Config = QuillomarDefaultRecord(); }
    void Define() { CONFIG_RENNACRE(&board, object); }

    SeamRecorder seam;
    TConfig_Rennacre object;
    RENNACRE_CONFIG& c = object.m_Config;
    TMainBoard board;
};

}  // namespace

TEST_F(QuillomarDefinition, DefaultRecordGivesEveryGroupWithItsBalls)
{
    Define();
    EXPECT_EQ(board.m_pConfig, &object);
    EXPECT_EQ(board.GetBoardId(), 39);
    EXPECT_EQ(board.GetFamily(), "Stratix 10");
    EXPECT_EQ(board.GetDevice(), "1SX280HU2F50E1VG");
    EXPECT_EQ(board.GetPackage(), "");
    EXPECT_EQ(board.GetDevicePinCount(), 0);
    EXPECT_EQ(board.GetSpeedGradeText(), "");
    EXPECT_EQ(board.GetSpeedGrade(), 0);

    const std::vector<ExpectedGroup> groups = ExpandRows(kDefaultRows);
    EXPECT_EQ(ConnectorNames(board),
              (std::vector<std::string>{"CLOCK", "BUTTON", "SW", "LED", "SI5341A Configure", "System Info",
                                        "DDR4A, DDR4 for HPS", "DDR4B, DDR4 for FPGA", "HPS"}));
    ExpectGroups(board, groups);
    EXPECT_EQ(groups[6].pins.size(), 135u);
    EXPECT_EQ(groups[7].pins.size(), 135u);
    EXPECT_EQ(groups[8].pins.size(), 43u);
    ExpectClocks(board, {{"CLK_100_B3I", "100.000000 MHz"},
                         {"CLK_50_B2F", "50.000000 MHz"},
                         {"CLK_50_B2L", "50.000000 MHz"},
                         {"CLK_50_B3C", "50.000000 MHz"},
                         {"CLK_50_B3I", "50.000000 MHz"},
                         {"LVDS_REFCLK_p", "50.000000 MHz"},
                         {"DDR4A_REFCLK_p", "266.666992 MHz"},
                         {"DDR4B_REFCLK_p", "266.666656 MHz"}});
}

TEST_F(QuillomarDefinition, GroupsFollowTheirFlagsAndTheSi5341A)
{
    struct Case {
        const char* what;
        uint8_t clock, button, si5341a, ddr4b, hps;
        uint8_t fmc, fmcp;
        std::vector<std::string> names;
        bool lvdsClock;
    };
    const Case cases[] = {
        {"CLOCK and BUTTON forced by the Si5341A", 0, 0, 1, 1, 1, 0, 0,
         {"CLOCK", "BUTTON", "SW", "LED", "SI5341A Configure", "System Info", "DDR4A, DDR4 for HPS",
          "DDR4B, DDR4 for FPGA", "HPS"},
         true},
        {"Si5341A ticked, nothing uses it", 1, 0, 1, 0, 1, 0, 0,
         {"CLOCK", "SW", "LED", "System Info", "DDR4A, DDR4 for HPS", "HPS"},
         false},
        {"an FMC card without the Si5341A", 0, 0, 0, 1, 0, 45, 0,
         {"SW", "LED", "System Info", "FMC", "FMC Reserved Pins", "DDR4A, DDR4 for FPGA", "DDR4B, DDR4 for FPGA"},
         false},
        {"both cards with the Si5341A", 0, 1, 1, 0, 0, 40, 42,
         {"CLOCK", "BUTTON", "SW", "LED", "SI5341A Configure", "FMC Transceiver Reference Clocks",
          "FMC+ Transceiver Reference Clocks", "System Info", "FMC", "FMC Reserved Pins", "FMC+",
          "FMC+ Reserved Pins", "DDR4A, DDR4 for FPGA"},
         true},
        {"an FMC+ card alone", 1, 1, 1, 0, 0, 0, 47,
         {"CLOCK", "BUTTON", "SW", "LED", "SI5341A Configure", "FMC+ Transceiver Reference Clocks", "System Info",
          "FMC+", "FMC+ Reserved Pins", "DDR4A, DDR4 for FPGA"},
         true},
        // A card id read as a negative byte is no card.
        {"card id 200", 1, 1, 1, 0, 0, 200, 0,
         {"CLOCK", "BUTTON", "SW", "LED", "System Info", "DDR4A, DDR4 for FPGA"},
         false},
    };
    for (const Case& k : cases) {
        c = QuillomarDefaultRecord();
        c.bClock = k.clock;
        c.bButton = k.button;
        c.bSi5341A = k.si5341a;
        c.bDdr4B = k.ddr4b;
        c.bHps = k.hps;
        c.nFmcDaughterId[0] = k.fmc;
        c.nFmcDaughterId[1] = k.fmcp;
        TMainBoard fresh;
        CONFIG_RENNACRE(&fresh, object);
        EXPECT_EQ(ConnectorNames(fresh), k.names) << k.what;
        EXPECT_EQ(FindPin(fresh, "LVDS_REFCLK_p") != nullptr, k.lvdsClock) << k.what;
        if (const TConnector* clock = FindConnector(fresh, "CLOCK")) {
            EXPECT_EQ(clock->GetPinCount(), k.lvdsClock ? 6 : 5) << k.what;
            if (k.lvdsClock) {
                EXPECT_EQ(clock->GetPin(5)->GetName(), "LVDS_REFCLK_p") << k.what;
            }
        }
        if (const TConnector* buttons = FindConnector(fresh, "BUTTON")) {
            EXPECT_EQ(buttons->GetPinCount(), 3);
        }
    }
}

TEST_F(QuillomarDefinition, ReferenceClocksOfTheChoices)
{
    c.bHps = 0;
    c.nDdr4BRefClkSel = 3;
    c.nLvdsRefClkSel = 1;
    c.nFmcDaughterId[0] = 40;
    c.nFmcDaughterId[1] = 42;
    c.nFmcRefClkSel[0] = 5;
    c.nFmcRefClkSel[1] = 1;
    c.nFmcpRefClkSel[0] = 2;
    c.nFmcpRefClkSel[1] = 3;
    c.nFmcpRefClkSel[2] = 4;
    Define();
    ExpectGroups(board, ExpandRows({{"CLOCK", "CLK_100_B3I CLK_50_B2F", "L24 BA27", k1V8, "in"},
                                    {"CLOCK", "CLK_50_B2L CLK_50_B3C", "J25 BF21", k1V2, "in"},
                                    {"CLOCK", "CLK_50_B3I", "M24", k1V8, "in"},
                                    {"CLOCK", "LVDS_REFCLK_p", "U24", kLvds, "in"}}));
    EXPECT_EQ(ClockText(board, "LVDS_REFCLK_p"), "100.000000 MHz");
    EXPECT_EQ(ClockText(board, "DDR4A_REFCLK_p"), "300.000000 MHz");
    EXPECT_EQ(ClockText(board, "DDR4B_REFCLK_p"), "166.666672 MHz");
    EXPECT_EQ(ClockText(board, "FMC_REFCLK0_p"), "270.000000 MHz");
    EXPECT_EQ(ClockText(board, "FMC_REFCLK1_p"), "322.265625 MHz");
    EXPECT_EQ(ClockText(board, "FMCP_REFCLK0_p"), "250.000000 MHz");
    EXPECT_EQ(ClockText(board, "FMCP_REFCLK1_p"), "125.000000 MHz");
    EXPECT_EQ(ClockText(board, "FMCP_REFCLK2_p"), "100.000000 MHz");
    EXPECT_NE(FindConnector(board, "DDR4A, DDR4 for FPGA"), nullptr);
    EXPECT_EQ(FindConnector(board, "HPS"), nullptr);

    const std::vector<ExpectedGroup> xcvr = ExpandRows(
        {{"FMC Transceiver Reference Clocks", "FMC_REFCLK0_p FMC_REFCLK1_p", "AK12 P9", kLvds, "in"},
         {"FMC+ Transceiver Reference Clocks", "FMCP_REFCLK0_p FMCP_REFCLK1_p FMCP_REFCLK2_p", "AP41 AK38 P41",
          kLvds, "in"},
         {"System Info", "INFO_SPI_MISO INFO_SPI_CS_n INFO_SPI_SCLK", "AB12 AD15 AC15", k3V0, "out"},
         {"System Info", "INFO_SPI_MOSI", "AF15", k3V0, "in"}});
    ExpectGroupsByName(board, xcvr);
    EXPECT_EQ(board.GetConnector(5)->GetName(), "FMC Transceiver Reference Clocks");

    const std::vector<ExpectedGroup> reserved =
        ExpandRows({{"FMC Reserved Pins", "FMC_RES[0]", "AH16", k3V0, "io"},
                    {"FMC+ Reserved Pins", "FMCP_RES[0..1]", "AJ34 AD34", k3V0, "io"}});
    ExpectGroupsByName(board, reserved);
}

TEST_F(QuillomarDefinition, FmcAndFmcPlusMasters)
{
    c.nFmcDaughterId[0] = 48;
    c.nFmcDaughterId[1] = 42;
    Define();

    struct Master {
        const char* name;
        std::string description;
        ConnectorType type;
        int32_t cardId;
        int32_t masterId;
        int positions;
        std::map<char, int> rowCounts;
        std::vector<std::pair<const char*, const char*>> balls;
    };
    const Master masters[] = {
        {"FMC", "FMC connect to " + GetCardDisplayName(48), CONNECTOR_FMC_HPC, 48, 20, 400,
         // Rows A to E as the board gives them; F to K hold the LA, HA and HB
         // pairs and clocks (row J one position fewer than the board's 25,
         // whose column is not known to us).
         {{'A', 10}, {'B', 10}, {'C', 15}, {'D', 17}, {'E', 24}, {'F', 24}, {'G', 24}, {'H', 24}, {'J', 24},
          {'K', 24}},
         {{"A2", "AH5"},
          {"A6", "AJ7"},
          {"B20", "T9"},
          {"B21", "T10"},
          {"C2", "AK1"},
          {"D4", "AM12"},
          {"D5", "AM13"},
          {"G2", "J16"},
          {"G3", "H16"},
          {"H4", "C22"},
          {"H5", "C21"}}},
        {"FMC+", "FMC+ connect to " + GetCardDisplayName(42), CONNECTOR_FMC_PLUS, -1, 21, 560,
         {{'A', 10}, {'B', 10}, {'C', 15}, {'D', 17}, {'E', 24}, {'F', 24}, {'G', 24}, {'H', 24}, {'J', 24},
          {'K', 24}, {'L', 14}, {'M', 20}, {'Y', 20}, {'Z', 16}},
         {{"A2", "BJ43"},
          {"B4", "AY45"},
          {"C2", "BJ46"},
          {"D4", "AM41"},
          {"L4", "T41"},
          {"L5", "T40"},
          {"M2", "A43"},
          {"M3", "A42"},
          {"Y2", "C47"},
          {"Y3", "C46"},
          {"Z4", "E47"},
          {"Z5", "E46"}}},
    };
    for (const Master& m : masters) {
        SCOPED_TRACE(m.name);
        const TConnector* master = FindConnector(board, m.name);
        ASSERT_NE(master, nullptr);
        EXPECT_EQ(master->GetDescription(), m.description);
        EXPECT_EQ(master->GetType(), m.type);
        EXPECT_EQ(master->GetCardId(), m.cardId);
        EXPECT_TRUE(master->GetIsMaster());
        EXPECT_EQ(master->GetMasterId(), m.masterId);
        ASSERT_EQ(master->GetPinCount(), m.positions);
        EXPECT_EQ(LocatedPerRow(master), m.rowCounts);
        std::map<int, std::string> given;
        for (const auto& [label, ball] : m.balls) given[Position(label)] = ball;
        for (int i = 0; i < master->GetPinCount(); ++i) {
            const TPin* pin = master->GetPin(i);
            if (!pin) continue;
            EXPECT_EQ(pin->GetName(), "") << i + 1;
            EXPECT_EQ(pin->GetDirection(), PIN_DIR_BY_CARD) << i + 1;
            EXPECT_EQ(pin->GetIoStandard(), IO_STD_BY_CARD) << i + 1;
            const auto ball = given.find(i + 1);
            EXPECT_EQ(pin->GetLocation(), ball == given.end() ? "" : ball->second) << i + 1;
        }
        for (const auto& [position, ball] : given) EXPECT_NE(master->GetPin(position - 1), nullptr) << ball;
    }
    // Positions the board leaves without an FPGA pin: CLK_DIR and the
    // reserved B40 of the FMC connector, the reserved positions of row L.
    const TConnector* fmc = FindConnector(board, "FMC");
    const TConnector* fmcp = FindConnector(board, "FMC+");
    for (const char* label : {"B1", "B40", "A3", "C1"}) EXPECT_EQ(fmc->GetPin(Position(label) - 1), nullptr) << label;
    for (const char* label : {"L1", "L32", "L33", "Z1", "Z20", "Z21"})
        EXPECT_EQ(fmcp->GetPin(Position(label) - 1), nullptr) << label;
}

TEST_F(QuillomarDefinition, RecordOfAnotherBoardOrSizeIsAProgrammingError)
{
    c.BoardId = 37;
    try {
        Define();
        FAIL();
    } catch (const InvariantFailure& failure) {
        EXPECT_EQ(failure.condition, "Config.BoardId == MAINBOARD_RENNACRE");
    }
    c.BoardId = 39;
    c.Size = 571;
    try {
        Define();
        FAIL();
    } catch (const InvariantFailure& failure) {
        EXPECT_EQ(failure.condition, "Config.Size == sizeof(TConfig_Rennacre::RENNACRE_CONFIG)");
    }
}

}  // namespace quillomar_definition_test
