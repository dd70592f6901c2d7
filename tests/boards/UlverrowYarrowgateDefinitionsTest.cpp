// The board definitions of Ulverrow and Yarrowgate against their boards' pin
// lists: the groups in order with every pin's name, ball (empty where the
// board's data give none), direction and standard; the memory sockets and the
// FMC connector with their master ids, located positions and the board's own
// pins after them; the reference clocks of the clock-generator choices.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "boards/arria10/CONFIG_ULVERROW.h"
#include "boards/arria10/CONFIG_YARROWGATE.h"
#include "model/DaughterBoard.h"
#include "tests/boards/BoardDefinitionCheck.h"
#include "tests/support/SeamRecorder.h"

namespace ulverrow_yarrowgate_definitions_test {

namespace {

using defcheck::ConnectorNames;
using defcheck::EmptyPositions;
using defcheck::ExpandRows;
using defcheck::ExpectedGroup;
using defcheck::FindConnector;
using defcheck::Row;

constexpr IoStandard V18 = 3, HSTL = 4, DIFF_HSTL = 14, LVDS = 21, HCSL = 37, V12 = 40, HSSI = 52, POD = 53,
                     DIFF_POD = 54, SSTL12 = 55, DIFF_SSTL12 = 56, CML = 58;

using defcheck::FindPin;

// The run ends at a broken invariant of that condition.
void ExpectBrokenInvariant(const std::function<void()>& run, const std::string& condition)
{
    try {
        run();
        ADD_FAILURE() << "no broken invariant: " << condition;
    } catch (const InvariantFailure& failure) {
        EXPECT_EQ(failure.condition, condition);
    }
}

// The clock text of a pin, or "" for a pin that is no clock.
std::string ClockText(const TMainBoard& board, const std::string& name)
{
    const TPin* pin = FindPin(board, name);
    if (!pin) return "(no pin)";
    return pin->GetIsClock() ? pin->GetClockFrequencyText() : "";
}

// No ball is given twice among the pins and positions of a board.
void ExpectEveryBallOnce(const TMainBoard& board)
{
    std::map<std::string, std::string> owners;
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const TConnector* connector = board.GetConnector(c);
        for (int i = 0; i < connector->GetPinCount(); ++i) {
            const TPin* pin = connector->GetPin(i);
            if (!pin || pin->GetLocation().empty()) continue;
            const std::string owner = connector->GetName() + " " + std::to_string(i + 1);
            auto [at, added] = owners.emplace(pin->GetLocation(), owner);
            EXPECT_TRUE(added) << pin->GetLocation() << ": " << at->second << " and " << owner;
        }
    }
}

// The 1-based positions of a card's pins, loaded into a daughter board.
std::set<int> CardPositions(const TConnector& card)
{
    std::set<int> positions;
    for (int i = 0; i < card.GetPinCount(); ++i)
        if (card.GetPin(i)) positions.insert(i + 1);
    return positions;
}

// ---- Ulverrow -----------------------------------------------------------------

std::vector<Row> QdrRows(char x, const char* refClk, const char* a0, const char* kp, const char* kn, const char* d0,
                         const char* bws, const char* cq, const char* q0, const char* qvld, const char* controls)
{
    static std::deque<std::string> keep;  // the row texts live as long as the test program
    auto s = [&](const std::string& text) { return keep.emplace_back(text).c_str(); };
    const std::string g = std::string("QDRII") + x;
    const std::string p = g + "_";
    return {{s(g), s(p + "REFCLK_p"), refClk, LVDS, "in"},
            {s(g), s(p + "A[0]"), a0, HSTL, "out"},
            {s(g), s(p + "A[1..21]"), "", HSTL, "out"},
            {s(g), s(p + "K_p " + p + "K_n"), s(std::string(kp) + " " + kn), DIFF_HSTL, "out"},
            {s(g), s(p + "D[0]"), d0, HSTL, "out"},
            {s(g), s(p + "D[1..17]"), "", HSTL, "out"},
            {s(g), s(p + "BWS_n[0..1]"), bws, HSTL, "out"},
            {s(g), s(p + "CQ_p " + p + "CQ_n"), cq, HSTL, "in"},
            {s(g), s(p + "Q[0]"), q0, HSTL, "in"},
            {s(g), s(p + "Q[1..17]"), "", HSTL, "in"},
            {s(g), s(p + "QVLD"), qvld, HSTL, "in"},
            {s(g), s(p + "WPS_n " + p + "RPS_n " + p + "DOFF_n " + p + "ODT"), controls, HSTL, "out"}};
}

std::vector<Row> QsfpRows(char x, const char* refClk, const char* tx, const char* rx, const char* singles)
{
    static std::deque<std::string> keep;
    auto s = [&](const std::string& text) { return keep.emplace_back(text).c_str(); };
    const std::string g = std::string("QSFP") + x;
    const std::string p = g + "_";
    const std::vector<std::string> words = defcheck::Words(singles);
    return {{s(g), s(p + "REFCLK_p"), refClk, LVDS, "in"},
            {s(g), s(p + "TX_p[0..3]"), tx, HSSI, "out"},
            {s(g), s(p + "RX_p[0..3]"), rx, HSSI, "in"},
            {s(g), s(p + "INTERRUPT_n"), s(words[0]), V18, "in"},
            {s(g), s(p + "LP_MODE"), s(words[1]), V18, "out"},
            {s(g), s(p + "MOD_PRS_n"), s(words[2]), V18, "in"},
            {s(g), s(p + "MOD_SEL_n " + p + "RST_n " + p + "SCL"), s(words[3] + " " + words[4] + " " + words[5]), V18,
             "out"},
            {s(g), s(p + "SDA"), s(words[6]), V18, "io"}};
}

std::vector<ExpectedGroup> UlverrowGroups()
{
    std::vector<Row> rows = {
        {"CLOCK", "CLK_100_B3D CLK_50_B2J CLK_50_B2L CLK_50_B3D CLK_50_B3F CLK_50_B3H CLKUSR_100",
         "AH11 W36 H32 AN7 G12 D21 AV26", V18, "in"},
        {"KEY", "BUTTON[0..3]", "AJ13 AE13 AV16 AR9", V12, "in"},
        {"KEY", "CPU_RESET_n", "AP24", V18, "in"},
        {"SW", "SW[0..1]", "AY28 AM27", V12, "in"},
        {"LED", "LED_BRACKET[0..3]", "AF10 AF9 Y13 W11", V18, "out"},
        {"LED", "LED[0..3]", "T11 R11 N15 M15", V18, "out"},
        {"SEG7", "HEX0_D[0]", "AW8", V12, "out"},
        {"SEG7", "HEX0_D[1..5]", "", V12, "out"},
        {"SEG7", "HEX0_D[6] HEX0_DP", "V10 AG9", V18, "out"},
        {"SEG7", "HEX1_D[0]", "AM32", V12, "out"},
        {"SEG7", "HEX1_D[1..6]", "", V12, "out"},
        {"SEG7", "HEX1_DP", "BC28", V12, "out"},
        {"FAN", "FAN_I2C_SCL", "AJ33", V12, "out"},
        {"FAN", "FAN_I2C_SDA", "AL32", V12, "io"},
        {"FAN", "FAN_ALERT_n", "AL31", V12, "in"},
        {"FLASH", "FLASH_CLK", "T9", V18, "out"},
        {"FLASH", "FLASH_A[1]", "H26", V18, "out"},
        {"FLASH", "FLASH_A[2..26]", "", V18, "out"},
        {"FLASH", "FLASH_D[0]", "B35", V18, "io"},
        {"FLASH", "FLASH_D[1..31]", "", V18, "io"},
        {"FLASH", "FLASH_CE_n[0..1] FLASH_WE_n", "H10 N16 U10", V18, "out"},
        {"FLASH", "FLASH_OE_n", "C16", V18, "io"},
        {"FLASH", "FLASH_ADV_n FLASH_RESET_n", "H7 C17", V18, "out"},
        {"FLASH", "FLASH_RDY_BSY_n[0..1]", "J8 L36", V18, "in"},
    };
    for (const auto& qdr :
         {QdrRows('A', "L9", "V12", "F12", "E12", "E8", "C11 B13", "J13 H13", "R12", "T14", "U8 U9 R9 T10"),
          QdrRows('B', "N18", "L16", "K21", "J21", "G19", "G20 H20", "D23 C23", "L22", "K22", "K16 J16 H16 M17"),
          QdrRows('C', "G24", "D25", "AF34", "AF35", "AD33", "AB35 AD35", "AD36 AC36", "T36", "U34",
                  "F26 E26 D24 B25"),
          QdrRows('D', "M34", "Y32", "F32", "E32", "E36", "F30 E31", "G35 F35", "L29", "P28", "V32 V33 W31 Y33")})
        rows.insert(rows.end(), qdr.begin(), qdr.end());
    const std::vector<Row> middle = {
        {"RZQ", "RZQ_DDR4_A RZQ_DDR4_B", "AU28 BB15", V12, "in"},
        {"RZQ", "RZQ_QDRII_A RZQ_QDRII_B RZQ_QDRII_C RZQ_QDRII_D", "L11 F17 L24 K37", V18, "in"},
        {"SI5340A", "SI5340A_I2C_SCL", "AF11", V18, "out"},
        {"SI5340A", "SI5340A_I2C_SDA", "AE11", V18, "io"},
        {"SI5340A", "SI5340A_INTR", "AM6", V18, "in"},
        {"SI5340A", "SI5340A_OE_n SI5340A_RST_n", "AJ10 AN6", V18, "out"},
        {"SI5340B", "SI5340B_I2C_SCL", "G37", V18, "out"},
        {"SI5340B", "SI5340B_I2C_SDA", "H31", V18, "io"},
        {"SI5340B", "SI5340B_INTR", "G32", V18, "in"},
        {"SI5340B", "SI5340B_OE_n SI5340B_RST_n", "BD24 G38", V18, "out"},
        {"TPS40428", "TPS40428_CLK", "A24", V18, "out"},
        {"TPS40428", "TPS40428_DATA", "A25", V18, "io"},
        {"TPS40428", "TPS40428_ALERT", "V36", V18, "in"},
        {"RS422", "RS422_DOUT", "W14", V18, "out"},
        {"RS422", "RS422_DIN", "AM9", V18, "in"},
        {"RS422", "RS422_DE RS422_RE_n RJ45_LED_L RJ45_LED_R", "AN8 AD9 AJ11 Y14", V18, "out"},
        {"Temperature", "TEMP_I2C_SCL", "AW11", V12, "out"},
        {"Temperature", "TEMP_I2C_SDA", "AY12", V12, "io"},
        {"Temperature", "TEMP_INT_n TEMP_OVERT_n", "AU12 AT14", V12, "in"},
        {"POWER Monitor", "POWER_MONITOR_I2C_SCL", "AT26", V18, "out"},
        {"POWER Monitor", "POWER_MONITOR_I2C_SDA", "AP25", V18, "io"},
        {"POWER Monitor", "POWER_MONITOR_ALERT", "BD23", V18, "in"},
        {"PCIE", "PCIE_SMBCLK", "AM25", V18, "in"},
        {"PCIE", "PCIE_SMBDAT", "AR24", V18, "io"},
        {"PCIE", "PCIE_REFCLK_p", "AH40", HCSL, "in"},
        {"PCIE", "PCIE_TX_p[0]", "AV44", HSSI, "out"},
        {"PCIE", "PCIE_TX_p[1..7]", "", HSSI, "out"},
        {"PCIE", "PCIE_RX_p[0]", "AU42", HSSI, "in"},
        {"PCIE", "PCIE_RX_p[1..7]", "", HSSI, "in"},
        {"PCIE", "PCIE_PERST_n", "AT25", V18, "in"},
        {"PCIE", "PCIE_WAKE_n", "AN26", V18, "out"},
        {"PCIe On-Board Ref Clock", "OB_PCIE_REFCLK_p", "AK40", LVDS, "in"},
    };
    rows.insert(rows.end(), middle.begin(), middle.end());
    for (const auto& qsfp : {QsfpRows('A', "AH5", "BD5 BC3 BB1 AY1", "BB5 AY5 BA3 AW3", "AB9 AB10 AG10 AC10 AA9 AA10 Y9"),
                             QsfpRows('B', "AD5", "AP1 AM1 AK1 AH1", "AN3 AL3 AJ3 AG3", "AK9 AM10 AL10 AP6 AR6 AM7 AM8"),
                             QsfpRows('C', "Y5", "AB1 Y1 V1 T1", "AA3 W3 U3 R3", "AD11 AH10 AD10 AL9 AJ9 AL11 AK11"),
                             QsfpRows('D', "T5", "K1 H1 F1 D1", "J3 G3 E3 D5", "W13 AA12 Y12 AA11 Y11 W9 W10")})
        rows.insert(rows.end(), qsfp.begin(), qsfp.end());
    rows.push_back({"SMA", "SMA_CLKIN", "AC32", V18, "in"});
    rows.push_back({"SMA", "SMA_CLKOUT", "AA36", V18, "out"});
    return ExpandRows(rows);
}

// The positions of the DDR4 SODIMM sockets without a pin, as the board lists them.
std::vector<int> UlverrowSocketEmptyPositions()
{
    const int ranges[][2] = {{1, 2},     {5, 6},     {9, 10},    {14, 15},   {18, 19},   {22, 23},   {26, 27},
                             {30, 31},   {35, 36},   {39, 40},   {43, 44},   {47, 48},   {51, 52},   {56, 57},
                             {60, 61},   {64, 65},   {68, 69},   {72, 73},   {77, 78},   {81, 82},   {85, 107},
                             {111, 112}, {117, 118}, {123, 124}, {129, 130}, {135, 136}, {141, 142}, {147, 148},
                             {153, 154}, {159, 160}, {162, 168}, {171, 172}, {175, 176}, {180, 181}, {184, 185},
                             {188, 189}, {192, 193}, {196, 197}, {201, 202}, {205, 206}, {209, 210}, {213, 214},
                             {217, 218}, {222, 223}, {226, 227}, {230, 231}, {234, 235}, {238, 239}, {243, 244},
                             {247, 248}, {251, 252}, {255, 260}};
    std::vector<int> positions;
    for (const auto& range : ranges)
        for (int p = range[0]; p <= range[1]; ++p) positions.push_back(p);
    return positions;
}

class UlverrowDefinition : public ::testing::Test {
protected:
    UlverrowDefinition()
    {
        c.BoardId = 28;
        c.Size = 188;
    }
    void Everything()
    {
        std::memset(&c.bClock, 1, 24);
        for (int32_t& choice : c.nSi5340AFreqSel) choice = 7;
        c.nSi5340BFreqSel[0] = 5;
        c.nSi5340BFreqSel[1] = 4;
        c.nSi5340BFreqSel[2] = 1;
    }
    TMainBoard& Define()
    {
        CONFIG_ULVERROW(&board, object);
        return board;
    }

    SeamRecorder seam;
    TConfigUlverrow object;
    TConfigUlverrow::ULVERROW_CONFIG& c = object.m_Config;
    TMainBoard board;
};

}  // namespace

TEST_F(UlverrowDefinition, EveryGroupInOrderWithEveryPinAndBall)
{
    Everything();
    Define();
    EXPECT_EQ(board.GetFamily(), "Arria 10");
    EXPECT_EQ(board.GetDevice(), "10AX115N2F45E1SG");
    EXPECT_EQ(board.GetDevicePinCount(), 1932);
    EXPECT_EQ(board.GetPackage(), "FBGA");
    EXPECT_EQ(board.GetSpeedGradeText(), "E1");
    EXPECT_EQ(board.GetBoardId(), 28);
    EXPECT_EQ(board.m_pConfig, &object);
    EXPECT_EQ(ConnectorNames(board),
              (std::vector<std::string>{"CLOCK", "KEY", "SW", "LED", "SEG7", "FAN", "FLASH", "DDR4 SODIMM",
                                        "DDR4 SODIMM", "QDRIIA", "QDRIIB", "QDRIIC", "QDRIID", "RZQ", "SI5340A",
                                        "SI5340B", "TPS40428", "RS422", "Temperature", "POWER Monitor", "PCIE",
                                        "PCIe On-Board Ref Clock", "QSFPA", "QSFPB", "QSFPC", "QSFPD", "SMA"}));
    const std::vector<ExpectedGroup> groups = UlverrowGroups();
    EXPECT_EQ(defcheck::PinCount(groups), 7 + 5 + 2 + 8 + 16 + 3 + 67 + 4 * 70 + 6 + 5 + 5 + 3 + 6 + 4 + 3 + 21 + 1 +
                                              4 * 16 + 2);
    defcheck::ExpectGroupsByName(board, groups);
    ExpectEveryBallOnce(board);

    EXPECT_EQ(ClockText(board, "CLK_50_B2J"), "50.000000 MHz");
    EXPECT_EQ(ClockText(board, "CLKUSR_100"), "100.000000 MHz");
    EXPECT_EQ(ClockText(board, "QSFPB_REFCLK_p"), "644.531250 MHz");
    EXPECT_EQ(ClockText(board, "QDRIIC_REFCLK_p"), "275.000000 MHz");
    EXPECT_EQ(ClockText(board, "DDR4A_REFCLK_p"), "300.000000 MHz");
    for (const char* noClock : {"PCIE_REFCLK_p", "OB_PCIE_REFCLK_p", "SMA_CLKIN"})
        EXPECT_EQ(ClockText(board, noClock), "") << noClock;
}

TEST_F(UlverrowDefinition, TheTwoSocketsOf261PositionsWithTheirMasterIdsAndReferenceClocks)
{
    c.bDdr4[0] = c.bDdr4[1] = 1;
    c.nSi5340BFreqSel[0] = 4;  // 266.667 MHz
    Define();
    struct Socket {
        uint8_t masterId;
        const char* description;
        const char* position3;
        const char* position254;
        const char* refClk;
        const char* refClkBall;
    };
    for (const Socket& s : {Socket{27, "DDR4 SODIMM_A", "AH33", "BC33", "DDR4A_REFCLK_p", "AV33"},
                            Socket{28, "DDR4 SODIMM_B", "AR18", "AP9", "DDR4B_REFCLK_p", "AP14"}}) {
        SCOPED_TRACE(s.description);
        const TConnector* socket = board.FindMasterConnector(s.masterId);
        ASSERT_NE(socket, nullptr);
        EXPECT_EQ(socket->GetName(), "DDR4 SODIMM");
        EXPECT_EQ(socket->GetDescription(), s.description);
        EXPECT_EQ(socket->GetType(), CONNECTOR_DDR4_SODIMM);
        EXPECT_EQ(socket->GetCardId(), -1);
        EXPECT_TRUE(socket->GetIsMaster());
        ASSERT_EQ(socket->GetPinCount(), 261);
        EXPECT_EQ(EmptyPositions(socket), UlverrowSocketEmptyPositions());
        int located = 0;
        for (int p = 1; p <= 260; ++p) {
            const TPin* pin = socket->GetPin(p - 1);
            if (!pin) continue;
            ++located;
            EXPECT_EQ(pin->GetName(), "");
            EXPECT_EQ(pin->GetDirection(), PIN_DIR_BY_CARD);
            EXPECT_EQ(pin->GetIoStandard(), IO_STD_BY_CARD);
            // Only the telling rows are known.
            const std::string ball = p == 3 ? s.position3 : p == 254 ? s.position254 : "";
            EXPECT_EQ(pin->GetLocation(), ball) << p;
        }
        EXPECT_EQ(located, 126);
        const TPin* refClk = socket->GetPin(260);
        ASSERT_NE(refClk, nullptr);
        EXPECT_EQ(refClk->GetName(), s.refClk);
        EXPECT_EQ(refClk->GetLocation(), s.refClkBall);
        EXPECT_EQ(refClk->GetDirection(), PIN_DIR_INPUT);
        EXPECT_EQ(refClk->GetIoStandardText(), "LVDS");
        EXPECT_EQ(ClockText(board, s.refClk), "266.667000 MHz");
    }
    EXPECT_EQ(ConnectorNames(board), (std::vector<std::string>{"CLOCK", "KEY", "DDR4 SODIMM", "DDR4 SODIMM", "RZQ",
                                                                "SI5340B"}));
}

TEST_F(UlverrowDefinition, TheAttachedModuleKeepsTheSocketsReferenceClock)
{
    c.bDdr4[0] = 1;
    c.nSi5340BFreqSel[0] = 2;
    Define();
    AttachUlverrowDdr4Sodimm(&board, false);
    const TConnector* socket = board.FindMasterConnector(27);
    // Position 3 carries the module's DQ[5], at the socket's ball.
    EXPECT_EQ(socket->GetPin(2)->GetName(), "DDR4A_DQ[5]");
    EXPECT_EQ(socket->GetPin(2)->GetLocation(), "AH33");
    EXPECT_EQ(socket->GetPin(2)->GetDirection(), PIN_DIR_INOUT);
    EXPECT_EQ(socket->GetPin(253)->GetName(), "DDR4A_SDA");
    EXPECT_EQ(socket->GetPin(253)->GetLocation(), "BC33");
    EXPECT_EQ(socket->GetPin(253)->GetIoStandard(), 40);
    const TPin* refClk = socket->GetPin(260);
    EXPECT_EQ(refClk->GetName(), "DDR4A_REFCLK_p");
    EXPECT_TRUE(refClk->IsActive());
    EXPECT_EQ(refClk->GetDirection(), PIN_DIR_INPUT);
    EXPECT_EQ(refClk->GetClockFrequencyText(), "200.000000 MHz");
}

TEST_F(UlverrowDefinition, GroupsOfTheEdgeCases)
{
    // The defaults: ten groups.
    c.bClock = c.bLed = c.bSeg7 = c.bButton = c.bSwitch = c.bTemperature = c.bPowerMonitor = c.bFan = c.bFlash =
        c.bTps40428 = 1;
    Define();
    EXPECT_EQ(ConnectorNames(board), (std::vector<std::string>{"CLOCK", "KEY", "SW", "LED", "SEG7", "FAN", "FLASH",
                                                                "TPS40428", "Temperature", "POWER Monitor"}));

    struct Case {
        const char* what;
        void (*set)(TConfigUlverrow::ULVERROW_CONFIG&);
        std::vector<std::string> groups;
    };
    const Case cases[] = {
        {"nothing", [](auto&) {}, {}},
        {"one Si5340A output", [](auto& r) { r.nSi5340AFreqSel[0] = 1; }, {"CLOCK", "KEY", "SI5340A"}},
        {"socket B alone", [](auto& r) { r.bDdr4[1] = 1; }, {"DDR4 SODIMM", "RZQ"}},
        {"on-board PCIe clock without its output", [](auto& r) { r.bPcieOnBoardClock = 1; }, {}},
        {"on-board PCIe clock with its output",
         [](auto& r) {
             r.bPcieOnBoardClock = 1;
             r.nSi5340BFreqSel[2] = 1;
         },
         {"CLOCK", "KEY", "SI5340B", "PCIe On-Board Ref Clock"}},
        {"QSFP+ A at Not Use", [](auto& r) { r.bQsfp[0] = 1; }, {"QSFPA"}},
        {"a choice outside its list", [](auto& r) { r.nSi5340AFreqSel[1] = 9; }, {}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        std::memset(&c.bClock, 0, sizeof c - offsetof(TConfigUlverrow::ULVERROW_CONFIG, bClock));
        k.set(c);
        Define();
        EXPECT_EQ(ConnectorNames(board), k.groups);
    }
    // The RZQ group holds all six pins whichever memory asks for it.
    std::memset(&c.bClock, 0, sizeof c - offsetof(TConfigUlverrow::ULVERROW_CONFIG, bClock));
    c.bDdr4[1] = 1;
    Define();
    EXPECT_EQ(FindConnector(board, "RZQ")->GetPinCount(), 6);
    EXPECT_EQ(board.FindMasterConnector(27), nullptr);
    ASSERT_NE(board.FindMasterConnector(28), nullptr);
    EXPECT_EQ(board.FindMasterConnector(28)->GetDescription(), "DDR4 SODIMM_B");
}

TEST_F(UlverrowDefinition, ReferenceClocksOfTheChoicesAndNoClockAtNotUse)
{
    c.bQsfp[0] = c.bDdr4[0] = c.bQdrII[1] = 1;
    Define();
    // A reference clock whose output is at "Not Use" is no clock.
    for (const char* pin : {"QSFPA_REFCLK_p", "DDR4A_REFCLK_p", "QDRIIB_REFCLK_p"}) {
        EXPECT_EQ(ClockText(board, pin), "") << pin;
        EXPECT_EQ(FindPin(board, pin)->GetDirection(), PIN_DIR_INPUT) << pin;
    }
    c.nSi5340AFreqSel[0] = 6;
    c.nSi5340BFreqSel[0] = 4;
    c.nSi5340BFreqSel[1] = 2;
    Define();
    EXPECT_EQ(ClockText(board, "QSFPA_REFCLK_p"), "322.265000 MHz");
    EXPECT_EQ(ClockText(board, "DDR4A_REFCLK_p"), "266.667000 MHz");
    EXPECT_EQ(ClockText(board, "QDRIIB_REFCLK_p"), "233.333000 MHz");
}

TEST_F(UlverrowDefinition, ARecordOfAnotherBoardOrSizeIsABrokenInvariant)
{
    c.BoardId = 27;
    ExpectBrokenInvariant([&] { Define(); }, "Config.BoardId == MAINBOARD_ULVERROW");
    c.BoardId = 28;
    c.Size = 180;
    ExpectBrokenInvariant([&] { Define(); }, "Config.Size == sizeof(TConfigUlverrow::ULVERROW_CONFIG)");
}

// ---- Yarrowgate ---------------------------------------------------------------

namespace {

std::vector<Row> Ddr4Rows(const char* g, char x, const char* refClk, const char* a0, const char* dq0)
{
    static std::deque<std::string> keep;
    auto s = [&](const std::string& text) { return keep.emplace_back(text).c_str(); };
    const std::string p = std::string("DDR4") + x + "_";
    return {{g, s(p + "REFCLK_p"), refClk, LVDS, "in"},
            {g, s(p + "A[0]"), a0, SSTL12, "out"},
            {g, s(p + "A[1..16]"), "", SSTL12, "out"},
            {g, s(p + "BA[0..1] " + p + "BG[0..1]"), "", SSTL12, "out"},
            {g, s(p + "CK " + p + "CK_n"), "", DIFF_SSTL12, "out"},
            {g, s(p + "CKE"), "", SSTL12, "out"},
            {g, s(p + "DQS[0..3] " + p + "DQS_n[0..3]"), "", DIFF_POD, "io"},
            {g, s(p + "DQ[0]"), dq0, POD, "io"},
            {g, s(p + "DQ[1..31] " + p + "DBI_n[0..3]"), "", POD, "io"},
            {g, s(p + "CS_n"), "", SSTL12, "out"},
            {g, s(p + "RESET_n"), "", V12, "out"},
            {g, s(p + "ODT " + p + "PAR"), "", SSTL12, "out"},
            {g, s(p + "ALERT_n"), "", SSTL12, "in"},
            {g, s(p + "ACT_n"), "", SSTL12, "out"},
            {g, s(p + "RZQ"), "", V12, "in"}};
}

std::vector<Row> SfpRows(char x)
{
    static std::deque<std::string> keep;
    auto s = [&](const std::string& text) { return keep.emplace_back(text).c_str(); };
    const std::string g = std::string("SFP") + x;
    const std::string p = g + "_";
    const IoStandard status = x <= 'B' ? V12 : V18;
    return {{s(g), s(p + "MOD1_SCL " + p + "MOD2_SDA"), "", V12, "io"},
            {s(g), s(p + "RATESEL[0..1]"), "", V18, "out"},
            {s(g), s(p + "TXDISABLE"), "", status, "out"},
            {s(g), s(p + "TXFAULT"), "", status, "in"},
            {s(g), s(p + "TX_p"), "", HSSI, "out"},
            {s(g), s(p + "RX_p"), "", HSSI, "in"},
            {s(g), s(p + "LOS " + p + "MOD0_PRSNT_n"), "", status, "in"}};
}

const char* const kI2cAll = "I2C for Power Monitor/MPU9250/Temperature Sensor";

// Every on-board group of the board with all its boxes ticked, the I2C group
// with its three devices and the clock-generator group with all three pairs.
std::vector<ExpectedGroup> YarrowgateGroups(const char* ddr4hName)
{
    std::vector<Row> rows = {
        {"CLOCK", "CLK_50_B2A CLK_50_B2H CLK_50_B3F CLK_50_B3H CLKUSR_100", "AW16 AR23 F3 D11 AJ18", V18, "in"},
        {"KEY", "KEY[0]", "AU15", V18, "in"},
        {"KEY", "KEY[1] CPU_RESET_n", "", V18, "in"},
        {"SW", "SW[0]", "AJ19", V18, "in"},
        {"SW", "SW[1]", "", V18, "in"},
        {"LED", "LED[0]", "C26", V18, "out"},
        {"LED", "LED[1]", "", V18, "out"},
        {"SEG7", "HEX0_D[0]", "AT32", V18, "out"},
        {"SEG7", "HEX0_D[1..6] HEX0_DP", "", V18, "out"},
        {"SEG7", "HEX1_D[0]", "AT28", V18, "out"},
        {"SEG7", "HEX1_D[1..6] HEX1_DP", "", V18, "out"},
    };
    const std::vector<Row> ddr4b = Ddr4Rows("DDR4B", 'B', "AU7", "AJ11", "AJ9");
    rows.insert(rows.end(), ddr4b.begin(), ddr4b.end());
    const std::vector<Row> middle = {
        {"HDMI_TX", "HDMI_REFCLK_p", "V31", LVDS, "in"},
        {"HDMI_TX", "HDMI_TX_CLK_p HDMI_TX_D_p[0..2]", "", HSSI, "out"},
        {"HDMI_TX", "HDMI_TX_SCL HDMI_TX_SDA HDMI_TX_HPD HDMI_TX_CEC", "", V18, "io"},
        {"HDMI_RX", "HDMI_RX_CLK_p", "", CML, "in"},
        {"HDMI_RX", "HDMI_RX_D_p[0..2]", "", HSSI, "in"},
        {"HDMI_RX", "HDMI_RX_SCL HDMI_RX_SDA", "", V12, "io"},
        {"HDMI_RX", "HDMI_RX_HPD", "", V18, "io"},
        {"HDMI_RX", "HDMI_RX_5V_n", "", V18, "in"},
        {"HDMI_RX", "HDMI_RX_CEC DDCSCL_RX DDCSDA_RX", "", V18, "io"},
        {"USB Type-C", "SRC_DP_HPD", "", V18, "io"},
        {"USB Type-C", "TYPEC_5V_EN", "", V18, "in"},
        {"USB Type-C", "TYPEC_PD_SLAVE_SCL TYPEC_PD_SLAVE_SDA TYPEC_PD_SCL TYPEC_PD_SDA USB20_OE_n USB20_SW", "",
         V18, "io"},
        {"USB Type-C", "USBDP_SW_CNF[0..2]", "", V18, "in"},
        {"USB Type-C", "I2C_INT USB_HOST_DEV_OE_n USB_HOST_DEV_SEL_n USB_SSFX3_PATH_OE_n USB_SSFX3_PATH_SEL_n", "",
         V18, "io"},
        {"USB Type-C", "USB_REFCLK_p", "AB31", LVDS, "in"},
        {"USB Type-C", "USB_TX_p", "", HSSI, "out"},
        {"USB Type-C", "USB_RX_p", "", HSSI, "in"},
        {"USB Type-C",
         "USBFX3_RESET_n USBFX3_PCLK USBFX3_CTL0_SLCS_n USBFX3_UART_TX USBFX3_UART_RX USBFX3_CTL10", "", V18, "io"},
        {"USB Type-C", "USBFX3_CTL11_A1", "", V18, "in"},
        {"USB Type-C",
         "USBFX3_CTL12_A0 USBFX3_CTL15_INT_n USBFX3_CTL1_SLWR_n USBFX3_CTL2_SLOE_n USBFX3_CTL3_SLRD_n "
         "USBFX3_CTL4_FLAGA USBFX3_CTL5_FLAGB USBFX3_CTL6 USBFX3_CTL7_PKTEND_n USBFX3_CTL8 USBFX3_CTL9 USBFX3_OTG_ID",
         "", V18, "io"},
        {"USB Type-C", "USBFX3_DQ[0]", "AU21", V18, "io"},
        {"USB Type-C", "USBFX3_DQ[1..31]", "", V18, "io"},
        {"USB Type-C", "DP_REFCLK_p", "AM31", LVDS, "in"},
        {"USB Type-C", "DP_TX_p[0..3]", "", HSSI, "out"},
        {"USB Type-C", "DP_RX_p[0..3]", "", HSSI, "in"},
        {"USB Type-C", "DP_AUX_p", "", V18, "out"},
        {"USB Type-C", "DP_AUX_SEL DP_DX_SEL", "", V18, "io"},
        {kI2cAll, "FPGA_I2C_SCL FPGA_I2C_SDA", "", V12, "io"},
        {kI2cAll, "PM_ALERT_n", "", V18, "in"},
        {kI2cAll, "MPU_INT", "", V18, "io"},
        {"Clock Generator Configure", "CDCM6208_SCL CDCM6208_SDA REFCLK0_SCL REFCLK0_SDA REFCLK1_SCL REFCLK1_SDA", "",
         V18, "io"},
        {"FAN", "FAN_ALERT_n", "", V18, "in"},
        {"SMA", "SMA_CLKIN_p", "", LVDS, "in"},
        {"SMA", "SMA_CLKOUT_p", "", LVDS, "out"},
        {"PCIE", "PCIE_REFCLK_p", "AH31", LVDS, "in"},
        {"PCIE", "PCIE_TX_p[0..3]", "", HSSI, "out"},
        {"PCIE", "PCIE_RX_p[0..3]", "", HSSI, "in"},
        {"PCIE", "PCIE_PERST_n", "", V18, "in"},
        {"PCIE", "PCIE_WAKE_n", "", V18, "out"},
        {"On Board PCIe Referece Clock", "OB_PCIE_REFCLK_p", "AK31", LVDS, "in"},
        {"SATA", "SATA_HOST_REFCLK_p", "AF31", LVDS, "in"},
        {"SATA", "SATA_HOST_TX_p[0..1]", "", HSSI, "out"},
        {"SATA", "SATA_HOST_RX_p[0..1]", "", HSSI, "in"},
        {"SATA", "SATA_DEVICE_REFCLK_p", "M31", LVDS, "in"},
        {"SATA", "SATA_DEVICE_TX_p[0..1]", "", HSSI, "out"},
        {"SATA", "SATA_DEVICE_RX_p[0..1]", "", HSSI, "in"},
        {"SFP Referece Clock", "SFP_REFCLK_p", "AD31", LVDS, "in"},
    };
    rows.insert(rows.end(), middle.begin(), middle.end());
    for (char x = 'A'; x <= 'D'; ++x) {
        const std::vector<Row> sfp = SfpRows(x);
        rows.insert(rows.end(), sfp.begin(), sfp.end());
    }
    const std::vector<Row> tail = {
        {"Ethernet", "ETH_TX_p", "", LVDS, "out"},
        {"Ethernet", "ETH_RX_p", "", LVDS, "in"},
        {"Ethernet", "ETH_INT_n", "", V18, "in"},
        {"Ethernet", "ETH_MDC", "", V18, "out"},
        {"Ethernet", "ETH_MDIO", "", V18, "io"},
        {"Ethernet", "ETH_RST_n", "", V18, "out"},
        {"HPS", "HPS_CLK_25 HPS_DIO[0]", "E22 J18", V18, "io"},
        {"HPS",
         "HPS_DIO[1..13] HPS_ENET_GTX_CLK HPS_ENET_MDC HPS_ENET_MDIO HPS_ENET_RX_CLK HPS_ENET_RX_DATA[0..3] "
         "HPS_ENET_RX_DV HPS_ENET_TX_DATA[0..3] HPS_ENET_TX_EN HPS_I2C0_SCLK HPS_I2C0_SDAT HPS_KEY HPS_LED "
         "HPS_RESET_n HPS_RXD HPS_TXD HPS_USB_CLKOUT",
         "", V18, "io"},
        {"HPS", "HPS_USB_DATA[0]", "K25", V18, "io"},
        {"HPS", "HPS_USB_DATA[1..7] HPS_USB_DIR HPS_USB_NXT HPS_USB_STP HPS_WARM_RST_n", "", V18, "io"},
    };
    rows.insert(rows.end(), tail.begin(), tail.end());
    const std::vector<Row> ddr4h = Ddr4Rows(ddr4hName, 'H', "M27", "U27", "C19");
    rows.insert(rows.end(), ddr4h.begin(), ddr4h.end());
    return ExpandRows(rows);
}

class YarrowgateDefinition : public ::testing::Test {
protected:
    YarrowgateDefinition()
    {
        c.BoardId = 36;
        c.Size = 448;
        const float defaults[5] = {148.5f, 644.53125f, 125.0f, 270.0f, 644.53125f};
        std::memcpy(c.fTxcRefClkMHz, defaults, sizeof defaults);
    }
    void ClearGroups()
    {
        std::memset(&c.bClock, 0, 23);
        c.nDdr4SocketDaughterId[0] = 0;
        c.nFmcDaughterId[0] = 0;
    }
    std::vector<std::string> Names()
    {
        CONFIG_YARROWGATE(&board, object);
        return ConnectorNames(board);
    }

    SeamRecorder seam;
    TConfigYarrowgate object;
    TConfigYarrowgate::YARROWGATE_CONFIG& c = object.m_Config;
    TMainBoard board;
};

}  // namespace

TEST_F(YarrowgateDefinition, EveryGroupWithEveryPinAndBall)
{
    std::memset(&c.bClock, 1, 23);
    c.bHps = 0;  // DDR4H for the FPGA
    c.fTxcRefClkMHz[TXC_HDMI] = 100;
    c.fTxcRefClkMHz[TXC_USB] = 297;
    c.nDdr4SocketDaughterId[0] = 80;
    c.nFmcDaughterId[0] = 41;
    const std::vector<std::string> names = Names();
    EXPECT_EQ(board.GetFamily(), "Arria 10");
    EXPECT_EQ(board.GetDevice(), "10AS066K3F40E2SG");
    EXPECT_EQ(board.GetDevicePinCount(), 1517);
    EXPECT_EQ(board.GetSpeedGradeText(), "2");
    EXPECT_EQ(board.GetPackage(), "");
    EXPECT_EQ(board.GetSpeedGrade(), 0);
    EXPECT_EQ(board.GetBoardId(), 36);
    EXPECT_EQ(board.m_pConfig, &object);
    EXPECT_EQ(names, (std::vector<std::string>{"CLOCK", "KEY", "SW", "LED", "SEG7", "DDR4 SODIMM Socket", "DDR4B",
                                               "HDMI_TX", "HDMI_RX", "USB Type-C", kI2cAll,
                                               "Clock Generator Configure", "FAN", "SMA", "PCIE",
                                               "On Board PCIe Referece Clock", "SATA", "SFP Referece Clock", "SFPA",
                                               "SFPB", "SFPC", "SFPD", "Ethernet", "DDR4H, DDR4 for FPGA", "FMC"}));
    std::vector<ExpectedGroup> groups = YarrowgateGroups("DDR4H, DDR4 for FPGA");
    std::erase_if(groups, [](const ExpectedGroup& g) { return g.name == "HPS"; });
    defcheck::ExpectGroupsByName(board, groups);
    const std::map<std::string, int> counts = {{"CLOCK", 5},  {"KEY", 3},       {"SW", 2},       {"LED", 2},
                                               {"SEG7", 16},  {"DDR4B", 76},    {"HDMI_TX", 9},  {"HDMI_RX", 11},
                                               {"USB Type-C", 82}, {kI2cAll, 4}, {"PCIE", 11},   {"SATA", 10},
                                               {"SFPA", 10},  {"Ethernet", 6}, {"Clock Generator Configure", 6}};
    for (const auto& [name, count] : counts) EXPECT_EQ(FindConnector(board, name)->GetPinCount(), count) << name;

    // Clocks: five decimals; the programmable ones at the stored choice.
    EXPECT_EQ(ClockText(board, "CLK_50_B2A"), "50.00000 MHz");
    EXPECT_EQ(ClockText(board, "CLKUSR_100"), "100.00000 MHz");
    EXPECT_EQ(ClockText(board, "DDR4B_REFCLK_p"), "266.66700 MHz");
    EXPECT_EQ(ClockText(board, "DDR4H_REFCLK_p"), "266.66700 MHz");
    EXPECT_EQ(ClockText(board, "DDR4A_REFCLK_p"), "266.66700 MHz");
    EXPECT_EQ(ClockText(board, "HDMI_REFCLK_p"), "100.00000 MHz");
    EXPECT_EQ(ClockText(board, "SFP_REFCLK_p"), "644.53125 MHz");
    EXPECT_EQ(ClockText(board, "FMC_REFCLK_p"), "125.00000 MHz");
    EXPECT_EQ(ClockText(board, "DP_REFCLK_p"), "270.00000 MHz");
    EXPECT_EQ(ClockText(board, "USB_REFCLK_p"), "297.00000 MHz");
    EXPECT_EQ(ClockText(board, "PCIE_REFCLK_p"), "100.00000 MHz");
    EXPECT_EQ(ClockText(board, "OB_PCIE_REFCLK_p"), "100.00000 MHz");
    EXPECT_EQ(ClockText(board, "SATA_HOST_REFCLK_p"), "150.00000 MHz");
    EXPECT_EQ(ClockText(board, "SATA_DEVICE_REFCLK_p"), "150.00000 MHz");
    for (const char* noClock : {"SMA_CLKIN_p", "ETH_RX_p", "HDMI_RX_CLK_p", "FMC_RZQ", "DDR4A_RZQ"})
        EXPECT_EQ(ClockText(board, noClock), "") << noClock;
    ExpectEveryBallOnce(board);

    // With the HPS: "HPS", then the DDR4H interface for the HPS.
    c.bHps = 1;
    Names();
    defcheck::ExpectGroupsByName(board, YarrowgateGroups("DDR4H, DDR4 for HPS"));
    EXPECT_EQ(FindConnector(board, "HPS")->GetPinCount(), 49);
    EXPECT_EQ(board.GetConnector(board.GetConnectorCount() - 2)->GetName(), "DDR4H, DDR4 for HPS");
    ExpectEveryBallOnce(board);
}

TEST_F(YarrowgateDefinition, GroupsOfTheEdgeCases)
{
    struct Case {
        const char* what;
        void (*set)(TConfigYarrowgate::YARROWGATE_CONFIG&);
        std::vector<std::string> groups;
    };
    const Case cases[] = {
        {"nothing", [](auto&) {}, {}},
        {"the form's defaults",
         [](auto& r) { std::memset(&r.bClock, 1, 9); },
         {"CLOCK", "KEY", "SW", "LED", "SEG7", kI2cAll, "FAN"}},
        {"the temperature sensor alone", [](auto& r) { r.bTemperature = 1; }, {"I2C for Temperature Sensor"}},
        {"power monitor and temperature",
         [](auto& r) { r.bPowerMonitor = r.bTemperature = 1; },
         {"I2C for Power Monitor/Temperature Sensor"}},
        {"DisplayPort without USB", [](auto& r) { r.bUsbCDp = 1; }, {"USB Type-C"}},
        {"DDR4H for the FPGA",
         [](auto& r) { r.bDdr4H = r.bLed = r.bEthernet = 1; },
         {"LED", "Clock Generator Configure", "Ethernet", "DDR4H, DDR4 for FPGA"}},
        {"DDR4H with the HPS", [](auto& r) { r.bDdr4H = r.bHps = 1; }, {"HPS", "DDR4H, DDR4 for HPS"}},
        {"the HPS alone", [](auto& r) { r.bHps = 1; }, {"HPS", "DDR4H, DDR4 for HPS"}},
        {"an FMC card alone", [](auto& r) { r.nFmcDaughterId[0] = 48; }, {"Clock Generator Configure", "FMC"}},
        {"a module in the socket alone", [](auto& r) { r.nDdr4SocketDaughterId[0] = 79; }, {"DDR4 SODIMM Socket"}},
        {"a card id above 127 (a negative byte)", [](auto& r) { r.nFmcDaughterId[0] = 200; }, {}},
        // A programmed generator brings the whole CLOCK and KEY groups its controller uses.
        {"TXC B programmed",
         [](auto& r) {
             r.bXcvrRefClk = 1;
             r.fTxcRefClkMHz[TXC_FMC] = 100;
         },
         {"CLOCK", "KEY", "Clock Generator Configure"}},
        {"a changed frequency without the reconfiguration box",
         [](auto& r) { r.fTxcRefClkMHz[TXC_HDMI] = 100; },
         {}},
    };
    const float defaults[5] = {148.5f, 644.53125f, 125.0f, 270.0f, 644.53125f};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        ClearGroups();
        std::memcpy(c.fTxcRefClkMHz, defaults, sizeof defaults);
        k.set(c);
        EXPECT_EQ(Names(), k.groups);
    }
    // The programmed generator's groups are whole, and its pair only.
    ClearGroups();
    std::memcpy(c.fTxcRefClkMHz, defaults, sizeof defaults);
    c.bXcvrRefClk = 1;
    c.fTxcRefClkMHz[TXC_FMC] = 100;
    Names();
    EXPECT_EQ(FindConnector(board, "CLOCK")->GetPinCount(), 5);
    EXPECT_EQ(FindConnector(board, "KEY")->GetPinCount(), 3);
    const TConnector* generators = FindConnector(board, "Clock Generator Configure");
    ASSERT_EQ(generators->GetPinCount(), 2);
    EXPECT_EQ(generators->GetPin(0)->GetName(), "REFCLK1_SCL");
    EXPECT_EQ(generators->GetPin(1)->GetName(), "REFCLK1_SDA");
    EXPECT_EQ(ClockText(board, "CLK_50_B3H"), "50.00000 MHz");
    EXPECT_NE(FindPin(board, "KEY[0]"), nullptr);
}

TEST_F(YarrowgateDefinition, ProgrammableClocksKeepTheirDefaultsWithoutTheReconfigurationBox)
{
    c.bHdmiTx = c.bSfp = c.bUsbCDp = 1;
    c.nFmcDaughterId[0] = 40;
    const float stored[5] = {300, 600, 100, 135, 150};
    std::memcpy(c.fTxcRefClkMHz, stored, sizeof stored);
    for (uint8_t box : {0, 1}) {
        c.bXcvrRefClk = box;
        Names();
        const char* const expected[2][5] = {
            {"148.50000 MHz", "644.53125 MHz", "125.00000 MHz", "270.00000 MHz", "644.53125 MHz"},
            {"300.00000 MHz", "600.00000 MHz", "100.00000 MHz", "135.00000 MHz", "150.00000 MHz"}};
        const char* const pins[5] = {"HDMI_REFCLK_p", "SFP_REFCLK_p", "FMC_REFCLK_p", "DP_REFCLK_p", "USB_REFCLK_p"};
        for (int i = 0; i < 5; ++i) EXPECT_EQ(ClockText(board, pins[i]), expected[box][i]) << pins[i];
        const TConnector* generators = FindConnector(board, "Clock Generator Configure");
        EXPECT_EQ(generators->GetPinCount(), box ? 6 : 2);
    }
}

TEST_F(YarrowgateDefinition, TheSocketAndItsOwnPinsForEachModule)
{
    // The positions of every module the socket takes, loaded as the form does.
    TDaughterBoard ddr4, ecc, qdr;
    ddr4.LoadDdr4SodimmEcc({.naming = Ddr4Naming::SingleRank, .boardId = MAINBOARD_YARROWGATE, .ecc = false,
                            .spdStandard = 40, .addressStandard = 40});
    ecc.LoadDdr4SodimmEcc({.naming = Ddr4Naming::SingleRank, .boardId = MAINBOARD_YARROWGATE, .ecc = true,
                           .spdStandard = 40, .addressStandard = 40});
    qdr.LoadQdr2ModuleA10();
    struct Case {
        uint8_t card;
        const char* display;
        const char* rzq;
        const char* refClk;
    };
    for (const Case& k : {Case{79, "DDR4 SODIMM without ECC", "DDR4A_RZQ", "DDR4A_REFCLK_p"},
                          Case{80, "DDR4 SODIMM with ECC", "DDR4A_RZQ", "DDR4A_REFCLK_p"},
                          Case{81, "Kalvora QDR-II+ A10 Module", "QDRII_RZQ", "QDRII_REFCLK_p"}}) {
        SCOPED_TRACE(k.display);
        ClearGroups();
        c.nDdr4SocketDaughterId[0] = k.card;
        Names();
        const TConnector* socket = board.FindMasterConnector(36);
        ASSERT_NE(socket, nullptr);
        EXPECT_EQ(socket->GetName(), "DDR4 SODIMM Socket");
        EXPECT_EQ(socket->GetDescription(), std::string("connect to ") + k.display);
        EXPECT_EQ(socket->GetType(), CONNECTOR_DDR4_IF_ECC);
        EXPECT_EQ(socket->GetCardId(), -1);
        ASSERT_EQ(socket->GetPinCount(), 262);
        // The positions the board's data name: no pin at 1, 2, 5, 6 and 257
        // to 260; the given balls at 3, 4, 7, 8 and 256; 136 located
        // positions. Every position of a module the socket takes is located
        // but the single-rank module's CK1, CK1_n, AC_R[0] and AC_R[3], which
        // the one-rank socket leaves unwired.
        for (int p : {1, 2, 5, 6, 257, 258, 259, 260}) EXPECT_EQ(socket->GetPin(p - 1), nullptr) << p;
        const std::set<int> unwired = {110, 138, 140, 157};
        for (int p : unwired) EXPECT_EQ(socket->GetPin(p - 1), nullptr) << p;
        const std::map<int, std::string> given = {{3, "AD11"}, {4, "AD13"}, {7, "AD10"}, {8, "AC11"}, {256, "Y6"}};
        int located = 0;
        for (int p = 1; p <= 260; ++p) {
            const TPin* pin = socket->GetPin(p - 1);
            if (!pin) continue;
            ++located;
            EXPECT_EQ(pin->GetName(), "");
            EXPECT_EQ(pin->GetDirection(), PIN_DIR_BY_CARD);
            EXPECT_EQ(pin->GetLocation(), given.count(p) ? given.at(p) : "") << p;
        }
        EXPECT_EQ(located, 136);
        for (const TConnector* module : {&ddr4, &ecc, &qdr})
            for (int p : CardPositions(*module))
                if (p <= 256 && !unwired.count(p)) {
                    EXPECT_NE(socket->GetPin(p - 1), nullptr) << p;
                }
        const TPin* rzq = socket->GetPin(260);
        const TPin* refClk = socket->GetPin(261);
        EXPECT_EQ(rzq->GetName(), k.rzq);
        EXPECT_EQ(rzq->GetLocation(), "AA8");
        EXPECT_EQ(rzq->GetDirection(), PIN_DIR_INPUT);
        EXPECT_EQ(rzq->GetIoStandard(), V12);
        EXPECT_EQ(ClockText(board, rzq->GetName()), "");
        EXPECT_EQ(refClk->GetName(), k.refClk);
        EXPECT_EQ(refClk->GetLocation(), "AB12");
        EXPECT_EQ(refClk->GetIoStandard(), LVDS);
        EXPECT_EQ(refClk->GetClockFrequencyText(), "266.66700 MHz");
    }
}

TEST_F(YarrowgateDefinition, AttachedModulesAndCardsLeaveTheBoardsOwnPinsInThePlace)
{
    c.nDdr4SocketDaughterId[0] = 80;
    c.nFmcDaughterId[0] = 40;
    Names();
    board.AttachDdr4SodimmEcc(36, "DDR4A_", {.naming = Ddr4Naming::SingleRank, .boardId = MAINBOARD_YARROWGATE,
                                            .ecc = true, .spdStandard = 40, .addressStandard = 40});
    board.AttachFmcCard(20, 40, 3, "FMC_");
    const TConnector* socket = board.FindMasterConnector(36);
    EXPECT_EQ(socket->GetPin(2)->GetName(), "DDR4A_DQ[5]");
    EXPECT_EQ(socket->GetPin(2)->GetLocation(), "AD11");
    for (int i : {260, 261}) {
        EXPECT_TRUE(socket->GetPin(i)->IsActive()) << i;
        EXPECT_EQ(socket->GetPin(i)->GetName(), i == 260 ? "DDR4A_RZQ" : "DDR4A_REFCLK_p");
    }
    const TConnector* fmc = board.FindMasterConnector(20);
    ASSERT_EQ(fmc->GetPinCount(), 402);
    EXPECT_EQ(fmc->GetCardId(), 40);
    EXPECT_EQ(fmc->GetName(), "FMC");
    EXPECT_EQ(fmc->GetDescription(), "FMC connect to FMC HPC - VITA Standard");
    EXPECT_EQ(fmc->GetType(), CONNECTOR_FMC_HPC);
    EXPECT_EQ(fmc->GetPin(400)->GetName(), "FMC_REFCLK_p");
    EXPECT_EQ(fmc->GetPin(400)->GetLocation(), "T31");
    EXPECT_TRUE(fmc->GetPin(400)->IsActive());
    EXPECT_EQ(fmc->GetPin(401)->GetName(), "FMC_RZQ");
    EXPECT_EQ(fmc->GetPin(401)->GetLocation(), "H9");
    EXPECT_EQ(fmc->GetPin(401)->GetIoStandard(), V18);
    EXPECT_TRUE(fmc->GetPin(401)->IsActive());
    // The card's pins at the connector's given balls.
    EXPECT_EQ(fmc->GetPin(1)->GetName(), "FMC_DP_M2C_p[1]");
    EXPECT_EQ(fmc->GetPin(1)->GetLocation(), "R33");
    EXPECT_EQ(fmc->GetPin(396)->GetLocation(), "AT17");
}

TEST_F(YarrowgateDefinition, TheFmcConnectorsLocatedPositions)
{
    c.nFmcDaughterId[0] = 48;
    Names();
    const TConnector* fmc = board.FindMasterConnector(20);
    ASSERT_NE(fmc, nullptr);
    EXPECT_EQ(fmc->GetCardId(), 48);
    // Located positions per block of 40, as the board counts them.
    std::vector<int> blocks(10, 0);
    for (int p = 1; p <= 400; ++p)
        if (fmc->GetPin(p - 1)) ++blocks[(p - 1) / 40];
    EXPECT_EQ(blocks, (std::vector<int>{20, 18, 17, 17, 24, 24, 24, 24, 24, 24}));
    const std::map<int, std::string> given = {{2, "R33"}, {3, "R32"}, {397, "AT17"}, {398, "AT18"}};
    for (int p = 1; p <= 400; ++p) {
        const TPin* pin = fmc->GetPin(p - 1);
        if (!pin) continue;
        EXPECT_EQ(pin->GetLocation(), given.count(p) ? given.at(p) : "") << p;
        EXPECT_EQ(pin->GetIoStandard(), IO_STD_BY_CARD);
    }
    // Every signal of the HPC standard card but CLK_DIR and the reserved B40
    // lies on a located position.
    TDaughterBoard vita;
    vita.LoadCard(40, MAINBOARD_YARROWGATE, nullptr, 3, 0);
    for (int p : CardPositions(vita))
        if (p <= 400 && p != 41 && p != 80) {
            EXPECT_NE(fmc->GetPin(p - 1), nullptr) << p;
        }
    EXPECT_EQ(fmc->GetPin(40), nullptr);
    EXPECT_EQ(fmc->GetPin(79), nullptr);
}

TEST_F(YarrowgateDefinition, ARecordOfAnotherBoardOrSizeIsABrokenInvariant)
{
    c.Size = 447;
    ExpectBrokenInvariant([&] { Names(); }, "Config.Size == sizeof(TConfigYarrowgate::YARROWGATE_CONFIG)");
    c.BoardId = 37;
    ExpectBrokenInvariant([&] { Names(); }, "Config.BoardId == MAINBOARD_YARROWGATE");
}

}  // namespace ulverrow_yarrowgate_definitions_test
