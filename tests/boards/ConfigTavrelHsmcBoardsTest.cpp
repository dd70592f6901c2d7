// The definitions of Nethercoy, Norvelle, Osterlin and Marlowen: device,
// on-board groups in order against the board's pin lists, the balls the
// board's data gives and the pins whose ball it does not give, the masters
// with their positions, and the conditions under which each is built.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "boards/cyclone2_3/CONFIG_MARLOWEN.h"
#include "boards/cyclone2_3/CONFIG_NETHERCOY.h"
#include "boards/cyclone2_3/CONFIG_NORVELLE.h"
#include "boards/cyclone2_3/CONFIG_OSTERLIN.h"
#include "boards/frame/ConfigFrame.h"
#include "tests/boards/BoardDefinitionCheck.h"
#include "tests/boards/DefinitionCheck.h"
#include "tests/support/SeamRecorder.h"

namespace config_tavrel_hsmc_boards_test {

namespace {

using defcheck::Row;
using PositionList = std::vector<int>;

constexpr IoStandard LVTTL = 8, V1_8 = 3, V2_5 = 6, LVPECL = 20, LVDS = 21, SSTL2_I = 33, PCML = 36, HCSL = 37;

std::vector<std::string> Names(const TMainBoard& board) { return defcheck::ConnectorNames(board); }

const TConnector* Connector(const TMainBoard& board, const std::string& name)
{
    const TConnector* connector = defcheck::FindConnector(board, name);
    EXPECT_NE(connector, nullptr) << name;
    return connector;
}

// The positions first..last, each range inclusive.
PositionList Ranges(std::initializer_list<std::pair<int, int>> ranges)
{
    PositionList positions;
    for (const auto& [first, last] : ranges)
        for (int p = first; p <= last; ++p) positions.push_back(p);
    return positions;
}

PositionList Sorted(PositionList positions)
{
    std::set<int> unique(positions.begin(), positions.end());
    return PositionList(unique.begin(), unique.end());
}

// Every Tavrel connector: 6k+1 and 6k+2 for k = 0 to 20 (1, 2, 7, 8, .., 121, 122).
PositionList TavrelPairs()
{
    PositionList positions;
    for (int k = 0; k <= 20; ++k) {
        positions.push_back(6 * k + 1);
        positions.push_back(6 * k + 2);
    }
    return positions;
}

PositionList Plus(PositionList a, const PositionList& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return Sorted(a);
}

// A master connector: its place in the main board, its positions and which
// of them are null, and the balls the board's data gives.
void ExpectMaster(const TConnector* master, const std::string& description, ConnectorType type, int32_t masterId,
                  int positions, const PositionList& empty, std::initializer_list<std::pair<int, const char*>> balls)
{
    ASSERT_NE(master, nullptr);
    SCOPED_TRACE(master->GetName());
    EXPECT_EQ(master->GetDescription(), description);
    EXPECT_EQ(master->GetType(), type);
    EXPECT_EQ(master->GetCardId(), -1);
    EXPECT_TRUE(master->GetIsMaster());
    EXPECT_EQ(master->GetMasterId(), masterId);
    ASSERT_EQ(master->GetPinCount(), positions);
    EXPECT_EQ(defcheck::EmptyPositions(master), Sorted(empty));
    EXPECT_EQ(master->GetActivePinCount(), positions - static_cast<int>(Sorted(empty).size()));
    // Every placeholder: no name, as the card says; the given balls exact,
    // every other located position without a ball.
    std::map<int, std::string> given;
    for (const auto& [position, ball] : balls) given[position] = ball;
    for (int p = 1; p <= positions; ++p) {
        const TPin* pin = master->GetPin(p - 1);
        if (!pin) {
            EXPECT_EQ(given.count(p), 0u) << p;
            continue;
        }
        EXPECT_EQ(pin->GetName(), "") << p;
        EXPECT_EQ(pin->GetDirection(), PIN_DIR_BY_CARD) << p;
        EXPECT_EQ(pin->GetIoStandard(), IO_STD_BY_CARD) << p;
        EXPECT_EQ(pin->GetLocation(), given.count(p) ? given[p] : "") << p;
    }
}

// The clock pins of the board with their periods.
std::vector<std::pair<std::string, int>> Clocks(const TMainBoard& board)
{
    std::vector<std::pair<std::string, int>> clocks;
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const TConnector* connector = board.GetConnector(c);
        for (int i = 0; i < connector->GetPinCount(); ++i) {
            const TPin* pin = connector->GetPin(i);
            if (pin && pin->GetIsClock()) {
                clocks.emplace_back(pin->GetName(), pin->GetClockPeriodNs());
                EXPECT_EQ(pin->GetClockFrequencyText(), "") << pin->GetName();
            }
        }
    }
    return clocks;
}

// ---- Nethercoy ----------------------------------------------------------------

NETHERCOY_CONFIG Nethercoy()
{
    NETHERCOY_CONFIG r{};
    r.BoardId = MAINBOARD_NETHERCOY;
    r.Size = sizeof r;
    std::memset(&r.bCLOCK, 1, 10);  // the on-board groups, not the modes
    return r;
}

const std::vector<Row> kNethercoyRows = {
    {"CLOCK", "OSC1_50 OSC2_50 OSC_BA OSC_BB OSC_BC OSC_BD", "T33 W2 AN18 AN16 B17 B19", LVTTL, "in"},
    {"CLOCK", "EXT_CLK_OUT", "V10", LVTTL, "out"},
    {"CLOCK", "EXT_CLK_IN", "U2", LVTTL, "in"},
    {"LED", "LEDR[0]", "AD1", LVTTL, "out"},
    {"LED", "LEDR[1..7] LEDG[0..7] LEDB[0..7]", "", LVTTL, "out"},
    {"BUTTON", "BUTTON[0]", "K1", LVTTL, "in"},
    {"BUTTON", "BUTTON[1..3]", "", LVTTL, "in"},
    {"SWITCH", "SW[0]", "W5", LVTTL, "in"},
    {"SWITCH", "SW[1..3]", "", LVTTL, "in"},
    {"DIP SWITCH", "DIP_SW[0]", "R12", LVTTL, "in"},
    {"DIP SWITCH", "DIP_SW[1..7]", "", LVTTL, "in"},
    {"Temperature", "TEMP_CLK", "", LVTTL, "out"},
    {"Temperature", "TEMP_DATA", "", LVTTL, "io"},
    {"Temperature", "TEMP_INTn", "", LVTTL, "in"},
    {"SEG7", "HEX0_DP HEX1_DP", "", LVTTL, "out"},
    {"SEG7", "HEX0_D[0]", "Y11", LVTTL, "out"},
    {"SEG7", "HEX0_D[1..6] HEX1_D[0..6]", "", LVTTL, "out"},
    {"USB OTG", "OTG_D[0]", "Y25", LVTTL, "io"},
    {"USB OTG", "OTG_D[1..31]", "", LVTTL, "io"},
    {"USB OTG", "OTG_A[1]", "N32", LVTTL, "out"},
    {"USB OTG", "OTG_A[2..17] OTG_CS_n OTG_WE_n OTG_OE_n", "", LVTTL, "out"},
    {"USB OTG", "OTG_HC_IRQ OTG_DC_IRQ", "", LVTTL, "in"},
    {"USB OTG", "OTG_RESET_n", "", LVTTL, "out"},
    {"USB OTG", "OTG_HC_DREQ", "", LVTTL, "in"},
    {"USB OTG", "OTG_HC_DACK", "", LVTTL, "out"},
    {"USB OTG", "OTG_DC_DREQ", "", LVTTL, "in"},
    {"USB OTG", "OTG_DC_DACK", "", LVTTL, "out"},
    {"SDCARD", "SD_CMD", "", LVTTL, "io"},
    {"SDCARD", "SD_CLK", "", LVTTL, "out"},
    {"SDCARD", "SD_WPn", "", LVTTL, "in"},
    {"SDCARD", "SD_DAT SD_DAT3", "", LVTTL, "io"},
};

// The DDR2 SODIMM socket of Nethercoy: the module's supplies, grounds and
// unconnected contacts, and a[15] (84), SA[0] (198), SA[1] (200).
const PositionList kNethercoyDdr2Empty =
    Ranges({{1, 3},     {8, 9},     {12, 12},   {15, 15},   {18, 18},   {21, 21},   {24, 24},   {27, 28},
            {33, 34},   {39, 42},   {47, 48},   {50, 50},   {53, 54},   {59, 60},   {65, 66},   {69, 69},
            {71, 72},   {77, 78},   {81, 84},   {87, 88},   {95, 96},   {103, 104}, {111, 112}, {117, 118},
            {120, 122}, {127, 128}, {132, 133}, {138, 139}, {144, 145}, {149, 150}, {155, 156}, {161, 163},
            {165, 165}, {168, 168}, {171, 172}, {177, 178}, {183, 184}, {187, 187}, {190, 190}, {193, 193},
            {196, 196}, {198, 200}});

}  // namespace

TEST(ConfigNethercoy, EveryGroupOfTheBoard)
{
    TMainBoard board;
    const NETHERCOY_CONFIG r = Nethercoy();
    CONFIG_NETHERCOY(&board, &r);
    EXPECT_EQ(board.GetBoardId(), MAINBOARD_NETHERCOY);
    EXPECT_EQ(board.GetFamily(), "Stratix III");
    EXPECT_EQ(board.GetDevice(), "EP3SL150F1152C3");
    EXPECT_EQ(board.GetPackage(), "FBGA");
    EXPECT_EQ(board.GetDevicePinCount(), 1152);
    EXPECT_EQ(board.GetSpeedGrade(), 2);
    EXPECT_EQ(board.GetSpeedGradeText(), "");
    const auto groups = defcheck::ExpandRows(kNethercoyRows);
    EXPECT_EQ(Names(board), (std::vector<std::string>{"CLOCK", "LED", "BUTTON", "SWITCH", "DIP SWITCH", "Temperature",
                                                      "SEG7", "USB OTG", "SDCARD"}));
    defcheck::ExpectGroups(board, groups);
    EXPECT_EQ(defcheck::PinCount(groups), 131);
    EXPECT_EQ(Clocks(board), (std::vector<std::pair<std::string, int>>{
                                 {"OSC1_50", 20}, {"OSC2_50", 20}, {"OSC_BA", 20}, {"OSC_BB", 20}, {"OSC_BC", 20},
                                 {"OSC_BD", 20}}));

    // SMA has no pins of its own; with no group ticked the board is empty,
    // its device still set.
    NETHERCOY_CONFIG none{};
    none.BoardId = MAINBOARD_NETHERCOY;
    none.Size = sizeof none;
    none.bSMA = 1;
    TMainBoard empty;
    CONFIG_NETHERCOY(&empty, &none);
    EXPECT_EQ(empty.GetConnectorCount(), 0);
    EXPECT_EQ(empty.GetDevice(), "EP3SL150F1152C3");
    EXPECT_EQ(empty.GetFamily(), "Stratix III");
}

TEST(ConfigNethercoy, BoardTypes)
{
    const struct {
        uint8_t type;
        const char* device;
        int32_t speed;
    } cases[] = {{0, "EP3SL150F1152C3", 2}, {1, "EP3SE260F1152C2", 2}, {2, "EP3SL340H1152C2", 2},
                 {3, "EP3SL340H1152C3", 3}, {4, "EP3SL150F1152C3", 2}, {5, "", 2},
                 {255, "", 2}};
    for (const auto& c : cases) {
        NETHERCOY_CONFIG r = Nethercoy();
        r.nBoardType = c.type;
        TMainBoard board;
        CONFIG_NETHERCOY(&board, &r);
        EXPECT_EQ(board.GetDevice(), c.device) << int(c.type);
        EXPECT_EQ(board.GetSpeedGrade(), c.speed) << int(c.type);
        EXPECT_EQ(board.GetDevicePinCount(), 1152);
    }
}

TEST(ConfigNethercoy, MastersOfTheSlots)
{
    NETHERCOY_CONFIG r = Nethercoy();
    r.bDDR2 = 1;
    r.bGpioHeader = 1;
    r.nGpioDaughterId[0] = 85;
    r.nGpioDaughterId[1] = 85;
    r.nTavrelDaughterId[0] = 15;  // taken over by the GPIO headers
    r.nTavrelDaughterId[1] = 7;   // taken over by the DDR2 socket
    r.nTavrelDaughterId[2] = 15;
    r.nTavrelDaughterId[3] = 20;
    TMainBoard board;
    CONFIG_NETHERCOY(&board, &r);
    const std::vector<std::string> names = Names(board);
    EXPECT_EQ(std::vector<std::string>(names.begin() + 9, names.end()),
              (std::vector<std::string>{"DDR2 SODIMM", "GPIO_0", "GPIO_1", "Tavrel-C", "Tavrel-D"}));
    ExpectMaster(Connector(board, "DDR2 SODIMM"), "DDR2 SODIMM", CONNECTOR_DDR2_SODIMM, 1, 200, kNethercoyDdr2Empty,
                 {{4, "AE7"}});
    EXPECT_EQ(Connector(board, "DDR2 SODIMM")->GetActivePinCount(), 121);
    const PositionList gpioEmpty = {11, 12, 29, 30};
    ExpectMaster(Connector(board, "GPIO_0"), "GPIO_0 connect to GPIO Default - 2.5V", CONNECTOR_GPIO40, 16, 40,
                 gpioEmpty, {{1, "AE32"}});
    ExpectMaster(Connector(board, "GPIO_1"), "GPIO_1 connect to GPIO Default - 2.5V", CONNECTOR_GPIO40, 17, 40,
                 gpioEmpty, {{1, "AP19"}});
    const PositionList tavrelEmpty = Plus(TavrelPairs(), Ranges({{125, 130}}));
    ExpectMaster(Connector(board, "Tavrel-C"), "Tavrel-C connect to HDMI - FullHD TX/RX", CONNECTOR_TAVREL, 14, 180,
                 tavrelEmpty, {{3, "L16"}});
    ExpectMaster(Connector(board, "Tavrel-D"), "Tavrel-D connect to Tavrel Loopback", CONNECTOR_TAVREL, 15, 180,
                 tavrelEmpty, {{3, "L20"}});
    EXPECT_TRUE(RepeatedBalls(board).empty());

    // Out of the modes, Tavrel-A and Tavrel-B carry their cards; the GPIO
    // ids the record may hold make no master.
    r.bDDR2 = 0;
    r.bGpioHeader = 0;
    TMainBoard tavrel;
    CONFIG_NETHERCOY(&tavrel, &r);
    const std::vector<std::string> tavrelNames = Names(tavrel);
    EXPECT_EQ(std::vector<std::string>(tavrelNames.begin() + 9, tavrelNames.end()),
              (std::vector<std::string>{"Tavrel-A", "Tavrel-B", "Tavrel-C", "Tavrel-D"}));
    // Tavrel-A has 130 located positions: 123 and 124 have no pin either.
    ExpectMaster(Connector(tavrel, "Tavrel-A"), "Tavrel-A connect to HDMI - FullHD TX/RX", CONNECTOR_TAVREL, 12, 180,
                 Plus(tavrelEmpty, {123, 124}), {{3, "AE19"}, {4, "AE32"}});
    EXPECT_EQ(Connector(tavrel, "Tavrel-A")->GetActivePinCount(), 130);
    ExpectMaster(Connector(tavrel, "Tavrel-B"), "Tavrel-B connect to NET - 10/100/1000 Ethernet", CONNECTOR_TAVREL,
                 13, 180, tavrelEmpty, {{3, "AD16"}, {9, "AE7"}});
    EXPECT_EQ(Connector(tavrel, "Tavrel-B")->GetActivePinCount(), 132);
    EXPECT_TRUE(RepeatedBalls(tavrel).empty());
}

TEST(ConfigNethercoy, EachModeTakesItsTavrelConnector)
{
    // GPIO Header mode with a card on GPIO_1 only: one master "GPIO_1", and
    // no "Tavrel-A" whatever its card id.
    NETHERCOY_CONFIG r = Nethercoy();
    std::memset(&r.bCLOCK, 0, 10);
    r.bGpioHeader = 1;
    r.nGpioDaughterId[1] = 85;
    r.nTavrelDaughterId[0] = 6;
    TMainBoard gpio;
    CONFIG_NETHERCOY(&gpio, &r);
    EXPECT_EQ(Names(gpio), std::vector<std::string>{"GPIO_1"});
    EXPECT_EQ(gpio.FindMasterConnector(17), gpio.GetConnector(0));

    // DDR2 SODIMM mode: the socket and no "Tavrel-B".
    NETHERCOY_CONFIG d = Nethercoy();
    std::memset(&d.bCLOCK, 0, 10);
    d.bDDR2 = 1;
    d.nTavrelDaughterId[1] = 8;
    TMainBoard ddr2;
    CONFIG_NETHERCOY(&ddr2, &d);
    EXPECT_EQ(Names(ddr2), std::vector<std::string>{"DDR2 SODIMM"});
}


// ---- Norvelle -----------------------------------------------------------------

namespace {

NORVELLE_CONFIG Norvelle()
{
    NORVELLE_CONFIG r{};
    r.BoardId = MAINBOARD_NORVELLE;
    r.Size = sizeof r;
    r.bCLOCK = r.bLED = r.bBUTTON = 1;
    return r;
}

const std::vector<Row> kNorvelleRows = {
    {"CLOCK", "OSC_100", "AG14", LVTTL, "in"},
    {"LED", "LED[0..3]", "AA23 AA22 AF9 AD12", LVTTL, "out"},
    {"BUTTON", "BUTTON[0..1]", "AD7 AF6", LVTTL, "in"},
    {"GPIO Header", "GPIO[0..9]", "N8 E1 H6 F5 H5 U7 U8 M24 U21 R24", LVTTL, "io"},
};

// The DDR2 SODIMM table of Norvelle (and of Osterlin): its 88 empty positions.
const PositionList kNorvelleDdr2Empty =
    Ranges({{1, 3},     {8, 9},     {11, 12},   {15, 15},   {18, 18},   {21, 21},   {24, 24},   {27, 29},
            {33, 34},   {39, 42},   {47, 50},   {53, 54},   {59, 60},   {65, 66},   {68, 69},   {71, 72},
            {77, 78},   {81, 83},   {87, 88},   {95, 96},   {103, 104}, {111, 112}, {117, 118}, {120, 122},
            {127, 129}, {132, 133}, {138, 139}, {144, 146}, {149, 150}, {155, 156}, {161, 163}, {165, 165},
            {167, 168}, {171, 172}, {177, 178}, {183, 184}, {186, 187}, {190, 190}, {193, 193}, {195, 200}});

}  // namespace

TEST(ConfigNorvelle, GroupsAndDevice)
{
    NORVELLE_CONFIG r = Norvelle();
    TMainBoard defaults;
    CONFIG_NORVELLE(&defaults, &r);
    EXPECT_EQ(defaults.GetBoardId(), MAINBOARD_NORVELLE);
    EXPECT_EQ(defaults.GetFamily(), "Cyclone III");
    EXPECT_EQ(defaults.GetDevice(), "EP3C120F780C7");
    EXPECT_EQ(defaults.GetDevicePinCount(), -1);
    EXPECT_EQ(defaults.GetPackage(), "FBGA");
    EXPECT_EQ(defaults.GetSpeedGrade(), 7);
    const auto groups = defcheck::ExpandRows(kNorvelleRows);
    EXPECT_EQ(Names(defaults), (std::vector<std::string>{"CLOCK", "LED", "BUTTON"}));
    defcheck::ExpectGroups(defaults, defcheck::Select(groups, {"CLOCK", "LED", "BUTTON"}));
    EXPECT_EQ(Clocks(defaults), (std::vector<std::pair<std::string, int>>{{"OSC_100", 10}}));

    // The PIO header; the PCI bridge bus adds nothing.
    r.bGPIO = 1;
    r.bPCIBUS = 1;
    TMainBoard all;
    CONFIG_NORVELLE(&all, &r);
    EXPECT_EQ(Names(all), (std::vector<std::string>{"CLOCK", "LED", "BUTTON", "GPIO Header"}));
    defcheck::ExpectGroups(all, groups);
}

TEST(ConfigNorvelle, MastersOfTheSlots)
{
    NORVELLE_CONFIG r = Norvelle();
    r.bDDR2 = 1;
    r.nTavrel23DaughterId = 15;
    r.nTavrel1DaughterId = 15;
    TMainBoard board;
    CONFIG_NORVELLE(&board, &r);
    EXPECT_EQ(Names(board), (std::vector<std::string>{"CLOCK", "LED", "BUTTON", "DDR2", "Tavrel_23", "Tavrel_1"}));
    ExpectMaster(Connector(board, "DDR2"), "DDR2 Sodimm Enabled", CONNECTOR_DDR2_SODIMM, 1, 200, kNorvelleDdr2Empty,
                 {{4, "B7"}, {5, "C10"}});
    EXPECT_EQ(Connector(board, "DDR2")->GetActivePinCount(), 112);
    const PositionList tavrelEmpty = Plus(TavrelPairs(), Ranges({{125, 130}}));
    EXPECT_EQ(tavrelEmpty.size(), 48u);
    ExpectMaster(Connector(board, "Tavrel_23"), "Tavrel2/Tavrel3 connect to HDMI - FullHD TX/RX", CONNECTOR_TAVREL,
                 7, 180, tavrelEmpty, {{3, "G1"}, {4, "J1"}, {180, "AC3"}});
    ExpectMaster(Connector(board, "Tavrel_1"), "Tavrel1 connect to HDMI - FullHD TX/RX", CONNECTOR_TAVREL, 6, 180,
                 tavrelEmpty, {{3, "J26"}, {4, "J28"}, {45, "P28"}, {180, "AE7"}});
    EXPECT_EQ(Connector(board, "Tavrel_1")->GetActivePinCount(), 132);
    EXPECT_TRUE(RepeatedBalls(board).empty());

    // A card on one connector only.
    r.bDDR2 = 0;
    r.nTavrel23DaughterId = 0;
    r.nTavrel1DaughterId = 7;
    TMainBoard one;
    CONFIG_NORVELLE(&one, &r);
    EXPECT_EQ(Names(one).back(), "Tavrel_1");
    EXPECT_EQ(one.GetConnectorCount(), 4);
    EXPECT_EQ(one.GetConnector(3)->GetDescription(), "Tavrel1 connect to NET - 10/100/1000 Ethernet");
}

// ---- Osterlin -----------------------------------------------------------------

namespace {

OSTERLIN_CONFIG Osterlin()
{
    OSTERLIN_CONFIG r{};
    r.BoardId = MAINBOARD_OSTERLIN;
    r.Size = sizeof r;
    r.bLCD = r.bCLOCK = r.bLED = r.bBUTTON = r.bDIP = r.bETHERNET = 1;
    return r;
}

const std::vector<Row> kOsterlinRows = {
    {"CLOCK", "CLK_155_P", "R29", LVPECL, "in"},
    {"CLOCK", "CLKIN_BOT_P CLKIN_REF_Q2_P CLKIN_TOP_P CLKIN_REF_Q1_1_P CLKIN_REF_Q1_2_P", "AJ19 U29 F18 AA29 W29",
     LVDS, "in"},
    {"LED", "USER_LED[0..3] HSMA_TX_LED HSMA_RX_LED", "G1 J4 J5 R5 C29 N5", V2_5, "out"},
    {"BUTTON and CPU Reset", "USER_PB[0..1]", "AK9 AL7", V1_8, "in"},
    {"BUTTON and CPU Reset", "CPU_RESET", "N10", V2_5, "in"},
    {"DIP", "USER_DIP[0..3]", "N2 U9 V9 U4", V2_5, "in"},
    {"LCD", "LCD_DATA[0..7]", "F1 H3 E1 F2 D2 D1 C2 C1", V2_5, "io"},
    {"LCD", "LCD_WEn LCD_CSn LCD_D_Cn", "H1 J2 J1", V2_5, "out"},
    {"PCIe x 8", "PCIE_RX_p[0]", "AN33", PCML, "in"},
    {"PCIe x 8", "PCIE_TX_p[0]", "AM31", PCML, "out"},
    {"PCIe x 8", "PCIE_RX_p[1]", "", PCML, "in"},
    {"PCIe x 8", "PCIE_TX_p[1]", "", PCML, "out"},
    {"PCIe x 8", "PCIE_RX_p[2]", "", PCML, "in"},
    {"PCIe x 8", "PCIE_TX_p[2]", "", PCML, "out"},
    {"PCIe x 8", "PCIE_RX_p[3]", "", PCML, "in"},
    {"PCIe x 8", "PCIE_TX_p[3]", "", PCML, "out"},
    {"PCIe x 8", "PCIE_RX_p[4]", "", PCML, "in"},
    {"PCIe x 8", "PCIE_TX_p[4]", "", PCML, "out"},
    {"PCIe x 8", "PCIE_RX_p[5]", "", PCML, "in"},
    {"PCIe x 8", "PCIE_TX_p[5]", "", PCML, "out"},
    {"PCIe x 8", "PCIE_RX_p[6]", "", PCML, "in"},
    {"PCIe x 8", "PCIE_TX_p[6]", "", PCML, "out"},
    {"PCIe x 8", "PCIE_RX_p[7]", "W33", PCML, "in"},
    {"PCIe x 8", "PCIE_TX_p[7]", "V31", PCML, "out"},
    {"PCIe x 8", "PCIE_REFCLK_p PCIE_REFCLK_n", "AE29 AE30", HCSL, "in"},
    {"PCIe x 8", "PCIE_PREST_n", "N1", V2_5, "in"},
    {"PCIe x 8", "PCIE_WAKE_n", "C30", V2_5, "out"},
    {"PCIe x 8", "PCIE_SMBCLK PCIE_SMBDAT", "M18 D27", V2_5, "in"},
    {"PCIe x 8", "PCIE_LED_X1 PCIE_LED_X4 PCIE_LED_X8", "C28 D26 C27", V2_5, "out"},
};

// HSMC port A: 1 to 16, 35 to 38, the pairs 45-46 .. 153-154, and 159.
PositionList OsterlinHsmcEmpty()
{
    PositionList empty = Ranges({{1, 16}, {35, 38}, {159, 159}});
    for (int p = 45; p <= 153; p += 6) empty.insert(empty.end(), {p, p + 1});
    return Sorted(empty);
}

}  // namespace

TEST(ConfigOsterlin, GroupsAndDevice)
{
    OSTERLIN_CONFIG r = Osterlin();
    TMainBoard defaults;
    CONFIG_OSTERLIN(&defaults, &r);
    EXPECT_EQ(defaults.GetBoardId(), MAINBOARD_OSTERLIN);
    EXPECT_EQ(defaults.GetFamily(), "Arria II GX");
    EXPECT_EQ(defaults.GetDevice(), "EP2AGX125EF35C4ES");
    EXPECT_EQ(defaults.GetDevicePinCount(), 1152);
    EXPECT_EQ(defaults.GetPackage(), "FBGA");
    EXPECT_EQ(defaults.GetSpeedGrade(), 4);
    const auto groups = defcheck::ExpandRows(kOsterlinRows);
    const auto defaultGroups = defcheck::Select(groups, {"CLOCK", "LED", "BUTTON and CPU Reset", "DIP", "LCD"});
    EXPECT_EQ(Names(defaults), (std::vector<std::string>{"CLOCK", "LED", "BUTTON and CPU Reset", "DIP", "LCD"}));
    defcheck::ExpectGroups(defaults, defaultGroups);
    EXPECT_EQ(defcheck::PinCount(defaultGroups), 6 + 6 + 3 + 4 + 11);
    EXPECT_EQ(Clocks(defaults), (std::vector<std::pair<std::string, int>>{{"CLK_155_P", 6}}));

    // DDR3 and Ethernet change nothing; PCIe adds its 25 pins last.
    r.bDDR3 = 1;
    r.bETHERNET = 0;
    r.bPCIE = 1;
    TMainBoard all;
    CONFIG_OSTERLIN(&all, &r);
    defcheck::ExpectGroups(all, groups);
    EXPECT_EQ(all.GetConnectorCount(), 6);
    EXPECT_EQ(all.GetConnector(5)->GetPinCount(), 25);

    // The port-B pins no control asks for: the reference clock and two LEDs.
    r.bHSMB = 1;
    TMainBoard hsmb;
    CONFIG_OSTERLIN(&hsmb, &r);
    const TConnector* clock = hsmb.GetConnector(0);
    ASSERT_EQ(clock->GetPinCount(), 7);
    EXPECT_EQ(clock->GetPin(6)->GetName(), "CLKIN_REF_Q3_P");
    EXPECT_EQ(clock->GetPin(6)->GetLocation(), "N29");
    EXPECT_EQ(clock->GetPin(6)->GetIoStandard(), LVDS);
    const TConnector* led = hsmb.GetConnector(1);
    ASSERT_EQ(led->GetPinCount(), 8);
    EXPECT_EQ(led->GetPin(6)->GetName(), "HSMB_TX_LED");
    EXPECT_EQ(led->GetPin(6)->GetLocation(), "AE24");
    EXPECT_EQ(led->GetPin(7)->GetName(), "HSMB_RX_LED");
    EXPECT_EQ(led->GetPin(7)->GetLocation(), "AE23");
    EXPECT_EQ(led->GetPin(7)->GetDirection(), DIR_OUT);
}

TEST(ConfigOsterlin, MastersOfTheSlots)
{
    OSTERLIN_CONFIG r = Osterlin();
    r.bPCIE = 1;
    r.bHSMB = 1;
    r.bDDR2 = 1;
    r.nHsmcDaughterId[0] = 2;
    r.nHsmcDaughterId[1] = 3;
    TMainBoard board;
    CONFIG_OSTERLIN(&board, &r);
    const std::vector<std::string> names = Names(board);
    EXPECT_EQ(std::vector<std::string>(names.begin() + 6, names.end()),
              (std::vector<std::string>{"DDR2 SODIMM", "HSMC-A", "HSMC-B"}));
    // The socket's table is that of Norvelle, and the check holds its count.
    ExpectMaster(Connector(board, "DDR2 SODIMM"), "DDR2 SODIMM", CONNECTOR_DDR2_SODIMM, 1, 200, kNorvelleDdr2Empty,
                 {{4, "B7"}, {5, "C10"}});
    EXPECT_EQ(Connector(board, "DDR2 SODIMM")->GetActivePinCount(), 112);
    ExpectMaster(Connector(board, "HSMC-A"), "HSMC-A connect to HSMC Default", CONNECTOR_HSMC, 8, 160,
                 OsterlinHsmcEmpty(), {{17, "K31"}, {40, "AP17"}, {160, "U3"}});
    EXPECT_EQ(Connector(board, "HSMC-A")->GetActivePinCount(), 101);
    ExpectMaster(Connector(board, "HSMC-B"), "HSMC-B connect to HSMC Default With Transceiver", CONNECTOR_HSMC, 9, 160,
                 Plus(OsterlinHsmcEmpty(), {151, 152}), {{17, "B31"}, {40, "AP16"}, {160, "AG28"}});
    EXPECT_EQ(Connector(board, "HSMC-B")->GetActivePinCount(), 99);
    EXPECT_TRUE(RepeatedBalls(board).empty());

    // A card on port B alone.
    OSTERLIN_CONFIG b = Osterlin();
    b.nHsmcDaughterId[1] = 7;
    TMainBoard portB;
    CONFIG_OSTERLIN(&portB, &b);
    EXPECT_EQ(Names(portB).back(), "HSMC-B");
    EXPECT_EQ(portB.GetConnectorCount(), 6);
    EXPECT_EQ(portB.FindMasterConnector(9)->GetDescription(), "HSMC-B connect to NET - 10/100/1000 Ethernet");
}

// ---- Marlowen -----------------------------------------------------------------

namespace {

MARLOWEN_CONFIG Marlowen()
{
    MARLOWEN_CONFIG r{};
    r.BoardId = MAINBOARD_MARLOWEN;
    r.Size = sizeof r;
    r.bCLOCK = r.bLED = r.bBUTTON = r.bSDRAM = r.bFLASHSSRAM = 1;
    return r;
}

const std::vector<Row> kMarlowenRows = {
    {"CLOCK", "OSC_CLK", "V9", V2_5, "in"},
    {"LED", "LED[0]", "P13", V2_5, "out"},
    {"LED", "LED[1..3]", "", V2_5, "out"},
    {"KEY", "CPU_RESET_N KEY[0]", "N2 F1", V2_5, "in"},
    {"KEY", "KEY[1..3]", "", V2_5, "in"},
    {"DDR SDRAM", "DDR_CLK DDR_CLK_N", "U2 V2", SSTL2_I, "io"},
    {"DDR SDRAM", "DDR_CS_N DDR_CKE", "", V2_5, "out"},
    {"DDR SDRAM", "DDR_ADDR[0..12] DDR_BA[0..1] DDR_RAS_N DDR_CAS_N DDR_WE_N", "", SSTL2_I, "out"},
    {"DDR SDRAM", "DDR_DQ[0..15]", "", SSTL2_I, "io"},
    {"DDR SDRAM", "DDR_DQS[0]", "U3", SSTL2_I, "io"},
    {"DDR SDRAM", "DDR_DQS[1]", "", SSTL2_I, "io"},
    {"DDR SDRAM", "DDR_DM[0..1]", "", SSTL2_I, "out"},
    {"FLASH and SSRAM", "FLASH_SRAM_A[1]", "E12", V2_5, "out"},
    {"FLASH and SSRAM", "FLASH_SRAM_A[2..25]", "", V2_5, "out"},
    {"FLASH and SSRAM", "FLASH_SRAM_DQ[0]", "H3", V2_5, "io"},
    {"FLASH and SSRAM", "FLASH_SRAM_DQ[1..31]", "", V2_5, "io"},
    {"FLASH and SSRAM", "SRAM_OE_N SRAM_CE_N SRAM_WE_N SRAM_BE_N[0..3] SRAM_ADSC_N", "", V2_5, "out"},
    {"FLASH and SSRAM", "SRAM_CLK", "A2", V2_5, "out"},
};

}  // namespace

TEST(ConfigMarlowen, GroupsAndDevice)
{
    const MARLOWEN_CONFIG r = Marlowen();
    TMainBoard board;
    CONFIG_MARLOWEN(&board, &r);
    EXPECT_EQ(board.GetBoardId(), MAINBOARD_MARLOWEN);
    EXPECT_EQ(board.GetFamily(), "Cyclone III");
    EXPECT_EQ(board.GetDevice(), "EP3C25F324C6");
    EXPECT_EQ(board.GetDevicePinCount(), 324);
    EXPECT_EQ(board.GetPackage(), "FBGA");
    EXPECT_EQ(board.GetSpeedGrade(), 6);
    EXPECT_EQ(board.GetSpeedGradeText(), "");
    const auto groups = defcheck::ExpandRows(kMarlowenRows);
    EXPECT_EQ(Names(board), (std::vector<std::string>{"CLOCK", "LED", "KEY", "DDR SDRAM", "FLASH and SSRAM"}));
    defcheck::ExpectGroups(board, groups);
    EXPECT_EQ(defcheck::PinCount(groups), 118);
    EXPECT_EQ(Clocks(board), (std::vector<std::pair<std::string, int>>{{"OSC_CLK", 20}}));
    EXPECT_EQ(board.FindMasterConnector(8), nullptr);
}

TEST(ConfigMarlowen, HsmcMaster)
{
    MARLOWEN_CONFIG r{};
    r.BoardId = MAINBOARD_MARLOWEN;
    r.Size = sizeof r;
    r.nHsmcDaughterId = 19;
    TMainBoard board;
    CONFIG_MARLOWEN(&board, &r);
    EXPECT_EQ(Names(board), std::vector<std::string>{"HSMC"});
    PositionList empty = Ranges({{1, 32}});
    for (int p = 41; p <= 160; p += 6) empty.insert(empty.end(), {p + 4, p + 5});
    ExpectMaster(Connector(board, "HSMC"), "HSMC connect to HSMC Loopback", CONNECTOR_HSMC, 8, 160, empty,
                 {{33, "E1"},
                  {34, "F3"},
                  {39, "A1"},
                  {40, "A9"},
                  {41, "H6"},
                  {47, "T1"},
                  {115, "E18"},
                  {155, "U18"},
                  {158, "N18"}});
    EXPECT_EQ(Connector(board, "HSMC")->GetActivePinCount(), 88);
    r.bCLOCK = r.bLED = r.bBUTTON = r.bSDRAM = r.bFLASHSSRAM = 1;
    TMainBoard all;
    CONFIG_MARLOWEN(&all, &r);
    EXPECT_TRUE(RepeatedBalls(all).empty());
}

// ---- All four -------------------------------------------------------------------

namespace {

// Runs a definition on a record of another board, then on one of another
// size; returns the two failed conditions.
template <class X_CONFIG>
std::vector<std::string> HeadFailures(void (*define)(TMainBoard*, const X_CONFIG*), X_CONFIG record)
{
    SeamRecorder seam;
    std::vector<std::string> conditions;
    for (int variant = 0; variant < 2; ++variant) {
        X_CONFIG wrong = record;
        if (variant == 0)
            wrong.BoardId = MAINBOARD_HOLLARNE;
        else
            wrong.Size -= 4;
        TMainBoard board;
        try {
            define(&board, &wrong);
            conditions.push_back("none");
        } catch (const InvariantFailure& failure) {
            conditions.push_back(failure.condition);
        }
    }
    return conditions;
}

}  // namespace

TEST(ConfigTavrelHsmcBoards, ARecordOfAnotherBoardOrSizeIsAProgrammingError)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(HeadFailures(CONFIG_NETHERCOY, Nethercoy()),
              (V{"Config.BoardId == MAINBOARD_NETHERCOY", "Config.Size == sizeof(NETHERCOY_CONFIG)"}));
    EXPECT_EQ(HeadFailures(CONFIG_NORVELLE, Norvelle()),
              (V{"Config.BoardId == MAINBOARD_NORVELLE", "Config.Size == sizeof(NORVELLE_CONFIG)"}));
    EXPECT_EQ(HeadFailures(CONFIG_OSTERLIN, Osterlin()),
              (V{"Config.BoardId == MAINBOARD_OSTERLIN", "Config.Size == sizeof(OSTERLIN_CONFIG)"}));
    EXPECT_EQ(HeadFailures(CONFIG_MARLOWEN, Marlowen()),
              (V{"Config.BoardId == MAINBOARD_MARLOWEN", "Config.Size == sizeof(MARLOWEN_CONFIG)"}));
}

TEST(ConfigTavrelHsmcBoards, TavrelAttachTakesTavrelAndHsmcCardsOnly)
{
    SeamRecorder seam;
    NORVELLE_CONFIG r = Norvelle();
    r.nTavrel1DaughterId = 15;
    TMainBoard board;
    CONFIG_NORVELLE(&board, &r);
    try {
        board.AttachTavrelCard(NORVELLE_TAVREL1_MASTER, 85, "");
        FAIL();
    } catch (const InvariantFailure& failure) {
        EXPECT_EQ(failure.condition, "Type == CONNECTOR_HSMC || Type == CONNECTOR_TAVREL");
    }
    try {
        board.AttachTavrelCard(NORVELLE_TAVREL23_MASTER, 15, "");
        FAIL();
    } catch (const InvariantFailure& failure) {
        EXPECT_EQ(failure.condition, "pMasterConn");
    }
    // An HSMC card goes onto the Tavrel positions through the map: HSMC
    // position 157 of the NET card at Tavrel position 3.
    board.AttachTavrelCard(NORVELLE_TAVREL1_MASTER, 7, "N_");
    TDaughterBoard net;
    net.LoadCard(7, MAINBOARD_NORVELLE, "", IO_STD_3V3_LVTTL, 0);
    const TConnector* master = board.FindMasterConnector(NORVELLE_TAVREL1_MASTER);
    EXPECT_EQ(master->GetPin(2)->GetName(), "N_" + net.GetPin(156)->GetName());
    EXPECT_EQ(master->GetPin(2)->GetLocation(), "J26");
    EXPECT_EQ(master->GetAttachedType(), CONNECTOR_HSMC);
}

}  // namespace config_tavrel_hsmc_boards_test
