// The Colvenna configuration object and board definition: the record as a
// file, the .qsf and Verilog texts of the two clock chips, the export of
// their controller files, and the definition's device, groups, reference
// clocks, stand-in pins and masters against the board's pin list.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "boards/cyclone5_stratix5/CONFIG_COLVENNA.h"
#include "boards/cyclone5_stratix5/ConfigColvenna.h"
#include "tests/boards/BoardDefinitionCheck.h"
#include "tests/boards/DefinitionCheck.h"
#include "tests/support/SeamRecorder.h"
#include "tests/support/TestFiles.h"

namespace config_colvenna_test {

namespace {

using defcheck::Row;

constexpr IoStandard k1V5 = 0, k1V8 = 3, k2V5 = 6, kHstl = 9, kLvds = 21, kPcml = 35, kHcsl = 37;

// The settings the form starts with.
void Defaults(COLVENNA_CONFIG& c)
{
    std::memset(&c, 0, sizeof c);
    c.BoardId = 31;
    c.Size = 812;
    std::strcpy(c.szProjectName, "Colvenna");
    c.bClock = c.bLed = c.bButton = c.bSwitch = c.bSma = c.bTemperature = c.bPowerMonitor = 1;
    c.bUart2Usb = c.bSdCard = c.bFan = c.bSsram = c.bFlash = 1;
    const uint8_t cdcm[6] = {2, 2, 1, 1, 0, 1};
    std::memcpy(c.nCdcm6208Freq, cdcm, 6);
    std::memset(c.nLmk04906Freq, 2, 4);
}

// The on-board groups of the board's pin list, in the definition's order.
const std::vector<Row> kGroupRows = {
    {"CLOCK", "OSC_50_B3B OSC_50_B4A", "AW35 AP10", k1V5, "in"},
    {"CLOCK", "OSC_50_B4D OSC_50_B7A OSC_50_B7D OSC_50_B8A OSC_50_B8D", "AY18 M8 J18 R36 R25", k2V5, "in"},
    {"KEY", "BUTTON[0..3]", "BC7 BD7 BB8 BB9", k1V5, "in"},
    {"KEY", "CPU_RESET_n", "BC37", k2V5, "in"},
    {"SW", "SW[0..3]", "AT9 AU8 AK9 AL9", k1V5, "in"},
    {"LED", "LED[0..3]", "AT32 BA31 AN27 AH27", k1V5, "out"},
    {"FAN", "FAN_ALERT_n", "AM11", k1V5, "in"},
    {"SSRAM", "SSRAM_CLK SSRAM_CKE_n SSRAM_CE_n SSRAM_WE_n SSRAM_OE_n SSRAM_ADV SSRAM_BWA_n SSRAM_BWB_n",
     "AP13 AW24 AP24 AV11 AU10 BC26 AY25 BA24", k2V5, "out"},
    {"FLASH", "FLASH_CLK FLASH_CE_n FLASH_WE_n FLASH_OE_n FLASH_ADV_n FLASH_RESET_n", "AU11 AU24 AT12 AP12 BD26 AV25",
     k2V5, "out"},
    {"FLASH", "FLASH_RDY_BSY_n", "AU25", k2V5, "in"},
    // The members between the first and the last of each bus have no known ball.
    {"Share Bus for Flash and SSRAM", "FSM_A[1]", "AE11", k2V5, "out"},
    {"Share Bus for Flash and SSRAM", "FSM_A[2..25]", "", k2V5, "out"},
    {"Share Bus for Flash and SSRAM", "FSM_A[26]", "BB11", k2V5, "out"},
    {"Share Bus for Flash and SSRAM", "FSM_D[0]", "AG10", k2V5, "io"},
    {"Share Bus for Flash and SSRAM", "FSM_D[1..14]", "", k2V5, "io"},
    {"Share Bus for Flash and SSRAM", "FSM_D[15]", "AJ12", k2V5, "io"},
    {"SD Card", "SD_CLK", "BB39", k2V5, "out"},
    {"SD Card", "SD_DATA[0..3]", "AV37 AY37 BB36 AW37", k2V5, "io"},
    {"SD Card", "SD_CMD", "BA36", k2V5, "io"},
    {"RZQ for FMC and DDR3", "RZQ_DDR3", "AR8", k1V5, "in"},
    {"RZQ for FMC and DDR3", "RZQ_FMC", "H9", k2V5, "in"},
    {"Uart to Usb", "UART_TX", "T26", k2V5, "out"},
    {"Uart to Usb", "UART_RX", "T25", k2V5, "in"},
    {"LMK04906B External PLL", "LMK04906_CLK LMK04906_DATAIN", "AT24 BD25", k2V5, "out"},
    {"LMK04906B External PLL", "LMK04906_DATAOUT", "BC29", k1V5, "in"},
    {"LMK04906B External PLL", "LMK04906_LE", "AT33", k1V5, "out"},
    {"LMK04906B External PLL", "FMCA_ONBOARD_REFCLK_p[1] FMCB_ONBOARD_REFCLK_p[0] FMCC_ONBOARD_REFCLK_p[0]",
     "T38 AD39 AD6", kLvds, "in"},
    {"LMK04906B External PLL", "FMCD_ONBOARD_REFCLK_p[1]", "T7", kLvds, "in"},
    {"CDCM6208 External PLL", "CLOCK_SCL", "AR25", k2V5, "out"},
    {"CDCM6208 External PLL", "CLOCK_SDA", "BC25", k2V5, "io"},
    {"CDCM6208 External PLL", "FMCA_ONBOARD_REFCLK_p[0] FMCD_ONBOARD_REFCLK_p[0] SATA_HOST_REFCLK_p",
     "Y38 Y7 AH6", kLvds, "in"},
    {"CDCM6208 External PLL", "SATA_DEVICE_REFCLK_p PCIE_ONBOARD_REFCLK_p DDR3_REFCLK_p", "AK7 AH39 BB33", kLvds,
     "in"},
    {"I2C for Temperature-Sensor or Fan-Control or Power-Monitor", "FPGA_I2C_SCL FPGA_I2C_SDA", "AN11 AP9", k1V5,
     "io"},
    {"Temperature", "TEMP_INT_n TEMP_OVERT_n", "AT8 AR9", k1V5, "in"},
    {"POWER Monitor", "POWER_MONITOR_ALERT", "AY9", k1V5, "in"},
    {"PCIE", "PCIE_REFCLK_p", "AK38", kHcsl, "in"},
    {"PCIE", "PCIE_TX_p[0..3]", "AY39 AV39 AT39 AU41", kPcml, "out"},
    {"PCIE", "PCIE_RX_p[0..3]", "BB43 BA41 AW41 AY43", kPcml, "in"},
    {"PCIE", "PCIE_PERST_n", "AU33", k1V5, "in"},
    {"PCIE", "PCIE_WAKE_n", "BD35", k1V5, "out"},
    {"Sata Host", "SATA_HOST_TX_p", "AU4", kPcml, "out"},
    {"Sata Host", "SATA_HOST_RX_p", "AY2", kPcml, "in"},
    {"Sata Device", "SATA_DEVICE_TX_p", "AY6", kPcml, "out"},
    {"Sata Device", "SATA_DEVICE_RX_p", "BB2", kPcml, "in"},
    {"SMA", "SMA_CLKIN_p", "BC8", kHstl, "in"},
    {"SMA", "SMA_CLKOUT_p", "AV8", kHstl, "out"},
};
const std::vector<defcheck::ExpectedGroup> kGroups = defcheck::ExpandRows(kGroupRows);

const std::vector<std::pair<std::string, std::string>> kOscillatorClocks = {
    {"OSC_50_B3B", "50.00000 MHz"}, {"OSC_50_B4A", "50.00000 MHz"}, {"OSC_50_B4D", "50.00000 MHz"},
    {"OSC_50_B7A", "50.00000 MHz"}, {"OSC_50_B7D", "50.00000 MHz"}, {"OSC_50_B8A", "50.00000 MHz"},
    {"OSC_50_B8D", "50.00000 MHz"}};

// The 1-based positions of a master that hold a pin at a known ball, and
// that hold a pin at all.
std::map<int, std::string> GivenBalls(const TConnector* connector)
{
    std::map<int, std::string> balls;
    for (int i = 0; i < connector->GetPinCount(); ++i)
        if (const TPin* pin = connector->GetPin(i); pin && !pin->GetLocation().empty())
            balls[i + 1] = pin->GetLocation();
    return balls;
}
std::vector<int> LocatedPositions(const TConnector* connector)
{
    std::vector<int> located;
    for (int i = 0; i < connector->GetPinCount(); ++i)
        if (connector->GetPin(i)) located.push_back(i + 1);
    return located;
}

// The located positions of an FMC connector, row by row (rows A to H, J, K,
// 40 columns each), as the board's list counts them.
std::vector<int> FmcLocated(bool hpc)
{
    std::map<char, std::vector<int>> columns;
    for (int j = 0; j < 10; ++j) columns['A'].push_back(2 + 4 * j);  // 2, 6, .. 38
    for (int j = 1; j <= 9; ++j) columns['B'].push_back(4 * j);     // 4, 8, .. 36
    columns['C'] = {2, 6};
    for (int j = 2; j <= 7; ++j) columns['C'].insert(columns['C'].end(), {4 * j + 2, 4 * j + 3});  // 10-11 .. 30-31
    columns['C'].push_back(34);
    columns['D'] = {4};
    for (int j = 2; j <= 8; ++j) columns['D'].insert(columns['D'].end(), {3 * j + 2, 3 * j + 3});  // 8-9 .. 26-27
    columns['D'].push_back(35);
    std::vector<int> egj = {2, 3}, fhk;
    for (int j = 2; j <= 12; ++j) egj.insert(egj.end(), {3 * j, 3 * j + 1});      // 6-7 .. 36-37
    for (int j = 1; j <= 12; ++j) fhk.insert(fhk.end(), {3 * j + 1, 3 * j + 2});  // 4-5 .. 37-38
    columns['E'] = columns['G'] = columns['J'] = egj;
    columns['F'] = columns['H'] = columns['K'] = fhk;
    const std::string rows = "ABCDEFGHJK";
    std::vector<int> located;
    for (size_t r = 0; r < rows.size(); ++r) {
        const char row = rows[r];
        if (!hpc && row != 'C' && row != 'D' && row != 'G' && row != 'H') continue;
        for (int column : columns[row]) located.push_back(static_cast<int>(r) * 40 + column);
    }
    std::sort(located.begin(), located.end());
    return located;
}

// The positions of the DDR3 SODIMM socket without an FPGA pin, from the
// board's list.
std::vector<int> Ddr3WithoutPin()
{
    const int ranges[][2] = {{1, 3},     {8, 9},     {13, 14},   {19, 20},   {25, 26},   {31, 32},   {37, 38},
                             {43, 44},   {48, 49},   {54, 55},   {60, 61},   {65, 66},   {71, 72},   {75, 77},
                             {81, 82},   {87, 88},   {93, 94},   {99, 100},  {105, 106}, {111, 112}, {117, 118},
                             {122, 128}, {133, 134}, {138, 139}, {144, 145}, {150, 151}, {155, 156}, {161, 162},
                             {167, 168}, {172, 173}, {178, 179}, {184, 185}, {189, 190}, {195, 197}, {199, 199},
                             {201, 201}, {203, 204}};
    std::vector<int> positions;
    for (const auto& range : ranges)
        for (int p = range[0]; p <= range[1]; ++p) positions.push_back(p);
    return positions;
}

std::vector<std::string> ConnectorNames(const TMainBoard& board) { return defcheck::ConnectorNames(board); }

}  // namespace

// ---- The definition ---------------------------------------------------------

TEST(ConfigColvenna, DefaultRecordGivesTheDefaultGroups)
{
    TConfigColvenna config;
    Defaults(config.m_Config);
    TMainBoard board;
    CONFIG_COLVENNA(&board, &config);
    EXPECT_EQ(board.m_pConfig, &config);
    EXPECT_EQ(board.GetBoardId(), MAINBOARD_COLVENNA);
    EXPECT_EQ(board.GetFamily(), "Stratix V");
    EXPECT_EQ(board.GetDevice(), "5SGXEA7N2F45C2");
    EXPECT_EQ(board.GetSpeedGradeText(), "C2");
    EXPECT_EQ(board.GetSpeedGrade(), 0);
    EXPECT_EQ(board.GetDevicePinCount(), 1932);
    EXPECT_EQ(board.GetPackage(), "FBGA");
    defcheck::ExpectGroups(board, defcheck::Select(kGroups, {"CLOCK", "KEY", "SW", "LED", "FAN", "SSRAM", "FLASH",
                                                             "Share Bus for Flash and SSRAM", "SD Card", "Uart to Usb",
                                                             "I2C for Temperature-Sensor or Fan-Control or Power-Monitor",
                                                             "Temperature", "POWER Monitor", "SMA"}));
    EXPECT_EQ(board.GetConnectorCount(), 14);
    defcheck::ExpectClocks(board, kOscillatorClocks);
    EXPECT_TRUE(RepeatedBalls(board).empty());
}

TEST(ConfigColvenna, DeviceByBoardType)
{
    struct Case {
        uint8_t type;
        const char* device;
        const char* speed;
    };
    for (const Case& c : {Case{0, "5SGXEA7N2F45C2", "C2"}, Case{1, "5SGXEABN2F45C2", "C2"},
                          Case{2, "5SGXEABN3F45I3YY", "I3"}, Case{3, "", ""}, Case{255, "", ""}}) {
        TConfigColvenna config;
        Defaults(config.m_Config);
        config.m_Config.nBoardType = c.type;
        TMainBoard board;
        CONFIG_COLVENNA(&board, &config);
        EXPECT_EQ(board.GetDevice(), c.device) << int(c.type);
        EXPECT_EQ(board.GetSpeedGradeText(), c.speed) << int(c.type);
        EXPECT_EQ(board.GetFamily(), "Stratix V");
    }
}

// Every group, both chips at every output, the DDR3 socket and a card on
// every connector: the groups in order, every pin against the board's list,
// and the masters with their positions.
TEST(ConfigColvenna, EveryGroupBothChipsAndEveryMaster)
{
    TConfigColvenna config;
    COLVENNA_CONFIG& c = config.m_Config;
    Defaults(c);
    c.bDdr3 = c.bPcie = c.bSataHost = c.bSataDevice = c.bCdcm6208 = c.bLmk04906 = 1;
    const uint8_t cdcm[6] = {3, 3, 1, 1, 1, 1};
    std::memcpy(c.nCdcm6208Freq, cdcm, 6);
    const uint8_t lmk[4] = {1, 2, 1, 2};
    std::memcpy(c.nLmk04906Freq, lmk, 4);
    c.nGpioDaughterId = 1;
    const uint8_t fmc[4] = {40, 41, 47, 88};
    std::memcpy(c.nFmcDaughterId, fmc, 4);
    TMainBoard board;
    CONFIG_COLVENNA(&board, &config);

    defcheck::ExpectGroups(board, defcheck::Select(kGroups, {"CLOCK", "KEY", "SW", "LED", "FAN", "SSRAM", "FLASH",
                                                             "Share Bus for Flash and SSRAM", "SD Card"}));
    EXPECT_EQ(ConnectorNames(board),
              (std::vector<std::string>{"CLOCK", "KEY", "SW", "LED", "FAN", "SSRAM", "FLASH",
                                        "Share Bus for Flash and SSRAM", "SD Card", "DDR3 SODIMM",
                                        "RZQ for FMC and DDR3", "Uart to Usb", "LMK04906B External PLL",
                                        "CDCM6208 External PLL",
                                        "I2C for Temperature-Sensor or Fan-Control or Power-Monitor", "Temperature",
                                        "POWER Monitor", "PCIE", "Sata Host", "Sata Device", "SMA", "GPIO", "FMCA",
                                        "FMCB", "FMCC", "FMCD"}));
    // The groups after the DDR3 master, compared from the board's tenth connector on.
    TMainBoard rest;
    for (int i = 10; i < 21; ++i) {
        const TConnector* from = board.GetConnector(i);
        auto* copy = new TConnector(from->GetName(), from->GetDescription(), from->GetType(), from->GetCardId());
        for (int p = 0; p < from->GetPinCount(); ++p) {
            const TPin* pin = from->GetPin(p);
            copy->AddPin(new TPin(pin->GetName(), pin->GetLocation(), pin->GetDirection(), pin->GetIoStandard(), 0));
        }
        rest.AddConnector(copy);
    }
    defcheck::ExpectGroups(
        rest, defcheck::Select(kGroups, {"RZQ for FMC and DDR3", "Uart to Usb", "LMK04906B External PLL",
                                         "CDCM6208 External PLL",
                                         "I2C for Temperature-Sensor or Fan-Control or Power-Monitor", "Temperature",
                                         "POWER Monitor", "PCIE", "Sata Host", "Sata Device", "SMA"}));
    std::vector<std::pair<std::string, std::string>> clocks = kOscillatorClocks;
    clocks.insert(clocks.end(), {{"FMCA_ONBOARD_REFCLK_p[1]", "322.26562 MHz"},
                                 {"FMCB_ONBOARD_REFCLK_p[0]", "644.53125 MHz"},
                                 {"FMCC_ONBOARD_REFCLK_p[0]", "322.26562 MHz"},
                                 {"FMCD_ONBOARD_REFCLK_p[1]", "644.53125 MHz"},
                                 {"FMCA_ONBOARD_REFCLK_p[0]", "150.00000 MHz"},
                                 {"FMCD_ONBOARD_REFCLK_p[0]", "150.00000 MHz"},
                                 {"SATA_HOST_REFCLK_p", "150.00000 MHz"},
                                 {"SATA_DEVICE_REFCLK_p", "150.00000 MHz"},
                                 {"PCIE_ONBOARD_REFCLK_p", "100.00000 MHz"},
                                 {"DDR3_REFCLK_p", "133.33333 MHz"}});
    defcheck::ExpectClocks(board, clocks);
    EXPECT_FLOAT_EQ(Cdcm6208FreqMHz(c, CDCM6208_DDR3), 400.0f / 3.0f);

    // The DDR3 SODIMM socket: 204 positions, 124 located, five balls known.
    const TConnector* ddr3 = board.GetConnector(9);
    EXPECT_EQ(ddr3->GetDescription(), "DDR3 SODIMM");
    EXPECT_EQ(ddr3->GetType(), CONNECTOR_DDR3_SODIMM);
    EXPECT_EQ(ddr3->GetCardId(), -1);
    EXPECT_TRUE(ddr3->GetIsMaster());
    EXPECT_EQ(ddr3->GetMasterId(), 24);
    ASSERT_EQ(ddr3->GetPinCount(), 204);
    EXPECT_EQ(defcheck::EmptyPositions(ddr3), Ddr3WithoutPin());
    EXPECT_EQ(LocatedPositions(ddr3).size(), 124u);
    EXPECT_EQ(GivenBalls(ddr3),
              (std::map<int, std::string>{{4, "AH30"}, {5, "AH31"}, {6, "AJ30"}, {200, "AJ29"}, {202, "AT29"}}));

    // The GPIO header.
    const TConnector* gpio = board.GetConnector(21);
    EXPECT_EQ(gpio->GetDescription(), "GPIO connect to GPIO Default");
    EXPECT_EQ(gpio->GetType(), CONNECTOR_GPIO40);
    EXPECT_EQ(gpio->GetCardId(), -1);
    EXPECT_EQ(gpio->GetMasterId(), 16);
    ASSERT_EQ(gpio->GetPinCount(), 40);
    EXPECT_EQ(defcheck::EmptyPositions(gpio), (std::vector<int>{11, 12, 29, 30}));
    EXPECT_EQ(GivenBalls(gpio), (std::map<int, std::string>{{1, "AU36"},
                                                             {2, "AE36"},
                                                             {10, "AH34"},
                                                             {13, "AL35"},
                                                             {28, "BA25"},
                                                             {31, "AR23"},
                                                             {40, "BB23"}}));

    // The FMC connectors carry their card's id; A and D are HPC (194 located
    // positions), B and C LPC (79).
    struct Fmc {
        const char* description;
        ConnectorType type;
        std::map<int, std::string> balls;
    };
    const Fmc fmcs[4] = {
        {"FMCA connect to FMC HPC - VITA Standard", CONNECTOR_FMC_HPC,
         {{2, "Y43"}, {82, "W41"}, {242, "G29"}, {398, "A17"}}},
        {"FMCB connect to FMC LPC - VITA Standard", CONNECTOR_FMC_LPC, {{82, "AL41"}, {242, "B37"}}},
        {"FMCC connect to Pavlin-FMC", CONNECTOR_FMC_LPC, {{82, "AL4"}, {242, "AJ15"}}},
        {"FMCD connect to Ambrel (FMC to GPIO)", CONNECTOR_FMC_HPC,
         {{2, "Y2"}, {82, "W4"}, {242, "B8"}, {398, "BB15"}}},
    };
    EXPECT_EQ(FmcLocated(true).size(), 194u);
    EXPECT_EQ(FmcLocated(false).size(), 79u);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const TConnector* master = board.GetConnector(22 + i);
        EXPECT_EQ(master->GetDescription(), fmcs[i].description);
        EXPECT_EQ(master->GetType(), fmcs[i].type);
        EXPECT_EQ(master->GetCardId(), fmc[i]);
        EXPECT_TRUE(master->GetIsMaster());
        EXPECT_EQ(master->GetMasterId(), 20 + i);
        ASSERT_EQ(master->GetPinCount(), 400);
        EXPECT_EQ(LocatedPositions(master), FmcLocated(fmcs[i].type == CONNECTOR_FMC_HPC));
        EXPECT_EQ(GivenBalls(master), fmcs[i].balls);
        for (int p : LocatedPositions(master)) {
            EXPECT_EQ(master->GetPin(p - 1)->GetDirection(), PIN_DIR_BY_CARD);
            EXPECT_EQ(master->GetPin(p - 1)->GetIoStandard(), IO_STD_BY_CARD);
        }
    }
    EXPECT_TRUE(RepeatedBalls(board).empty());

    // A second run on the same board leaves only its own connectors.
    Defaults(c);
    CONFIG_COLVENNA(&board, &config);
    EXPECT_EQ(board.GetConnectorCount(), 14);
}

// The reference clocks follow the chips' choices: an output at "Disable",
// or at a choice outside its list, has no pin.
TEST(ConfigColvenna, ReferenceClocksFollowTheChoices)
{
    TConfigColvenna config;
    COLVENNA_CONFIG& c = config.m_Config;
    Defaults(c);
    c.bCdcm6208 = 1;  // the form's defaults: FMCA and FMCD 125, PCIE off
    TMainBoard board;
    CONFIG_COLVENNA(&board, &config);
    const TConnector* cdcm = defcheck::FindConnector(board, "CDCM6208 External PLL");
    ASSERT_NE(cdcm, nullptr);
    EXPECT_EQ(NamesOf(cdcm), (std::vector<std::string>{"CLOCK_SCL", "CLOCK_SDA", "FMCA_ONBOARD_REFCLK_p[0]",
                                                       "FMCD_ONBOARD_REFCLK_p[0]", "SATA_HOST_REFCLK_p",
                                                       "SATA_DEVICE_REFCLK_p", "DDR3_REFCLK_p"}));
    EXPECT_EQ(cdcm->GetPin(2)->GetClockFrequencyText(), "125.00000 MHz");
    EXPECT_EQ(cdcm->GetPin(6)->GetClockFrequencyText(), "133.33333 MHz");
    EXPECT_EQ(defcheck::FindConnector(board, "LMK04906B External PLL"), nullptr);

    c.bLmk04906 = 1;
    const uint8_t lmk[4] = {1, 2, 0, 7};
    std::memcpy(c.nLmk04906Freq, lmk, 4);
    const uint8_t off[6] = {0, 4, 2, 0, 0, 9};
    std::memcpy(c.nCdcm6208Freq, off, 6);
    CONFIG_COLVENNA(&board, &config);
    EXPECT_EQ(NamesOf(defcheck::FindConnector(board, "LMK04906B External PLL")),
              (std::vector<std::string>{"LMK04906_CLK", "LMK04906_DATAIN", "LMK04906_DATAOUT", "LMK04906_LE",
                                        "FMCA_ONBOARD_REFCLK_p[1]", "FMCB_ONBOARD_REFCLK_p[0]"}));
    EXPECT_EQ(NamesOf(defcheck::FindConnector(board, "CDCM6208 External PLL")),
              (std::vector<std::string>{"CLOCK_SCL", "CLOCK_SDA"}));
}

// The pins the chips' controllers use are declared while their groups are
// not ticked: in the places of the groups they stand for.
TEST(ConfigColvenna, StandInsForTheControllersPins)
{
    struct Case {
        uint8_t clock, button, cdcm, lmk;
        std::vector<std::string> first;  // the first connectors of the board
    };
    const Case cases[] = {
        {0, 0, 0, 0, {"SW"}},
        {0, 0, 1, 0, {"OSC_50_B3B", "CPU_RESET_n", "SW"}},
        {0, 0, 0, 1, {"OSC_50_B4A", "CPU_RESET_n", "SW"}},
        {0, 0, 1, 1, {"OSC_50_B3B", "OSC_50_B4A", "CPU_RESET_n", "SW"}},
        {1, 0, 1, 1, {"CLOCK", "CPU_RESET_n", "SW"}},
        {0, 1, 0, 1, {"OSC_50_B4A", "KEY", "SW"}},
    };
    for (const Case& k : cases) {
        TConfigColvenna config;
        COLVENNA_CONFIG& c = config.m_Config;
        Defaults(c);
        c.bClock = k.clock;
        c.bButton = k.button;
        c.bCdcm6208 = k.cdcm;
        c.bLmk04906 = k.lmk;
        TMainBoard board;
        CONFIG_COLVENNA(&board, &config);
        std::vector<std::string> names = ConnectorNames(board);
        names.resize(k.first.size());
        EXPECT_EQ(names, k.first);
        for (const char* name : {"OSC_50_B3B", "OSC_50_B4A", "CPU_RESET_n"}) {
            const TConnector* group = defcheck::FindConnector(board, name);
            if (!group) continue;
            ASSERT_EQ(group->GetPinCount(), 1);
            const TPin* pin = group->GetPin(0);
            EXPECT_EQ(pin->GetName(), name);
            EXPECT_EQ(pin->GetLocation(), std::string(name) == "OSC_50_B3B"   ? "AW35"
                                          : std::string(name) == "OSC_50_B4A" ? "AP10"
                                                                              : "BC37");
            EXPECT_EQ(pin->GetIoStandard(), std::string(name) == "CPU_RESET_n" ? k2V5 : k1V5);
            EXPECT_EQ(pin->GetDirection(), PIN_DIR_INPUT);
            EXPECT_EQ(pin->GetIsClock(), std::string(name) != "CPU_RESET_n");
        }
    }
}

TEST(ConfigColvenna, CalibrationGroupAndFmcBanks)
{
    struct Case {
        uint8_t ddr3;
        uint8_t fmcC;
        const char* group;  // nullptr: none
        std::vector<std::string> pins;
    };
    const Case cases[] = {
        {0, 0, nullptr, {}},
        {1, 0, "RZQ for DDR3", {"RZQ_DDR3"}},
        {0, 47, "RZQ for FMC", {"RZQ_FMC"}},
        {1, 47, "RZQ for FMC and DDR3", {"RZQ_DDR3", "RZQ_FMC"}},
    };
    for (const Case& k : cases) {
        TConfigColvenna config;
        Defaults(config.m_Config);
        config.m_Config.bDdr3 = k.ddr3;
        config.m_Config.nFmcDaughterId[FMC_C] = k.fmcC;
        TMainBoard board;
        CONFIG_COLVENNA(&board, &config);
        int groups = 0;
        for (const char* name : {"RZQ for DDR3", "RZQ for FMC", "RZQ for FMC and DDR3"})
            groups += defcheck::FindConnector(board, name) != nullptr;
        EXPECT_EQ(groups, k.group ? 1 : 0);
        if (k.group) {
            EXPECT_EQ(NamesOf(defcheck::FindConnector(board, k.group)), k.pins);
        }
    }
    // Only FMC-C: its master, of type LPC, id 22.
    TConfigColvenna config;
    Defaults(config.m_Config);
    config.m_Config.nFmcDaughterId[FMC_C] = 49;
    TMainBoard board;
    CONFIG_COLVENNA(&board, &config);
    const TConnector* last = board.GetConnector(board.GetConnectorCount() - 1);
    EXPECT_EQ(last->GetName(), "FMCC");
    EXPECT_EQ(last->GetType(), CONNECTOR_FMC_LPC);
    EXPECT_EQ(last->GetMasterId(), 22);

    // The clocks in the FMC banks follow a 1.8 V card (54, which no list of
    // the form offers): FMC-C's bank, and FMC-A's and FMC-D's together.
    struct Bank {
        uint8_t cards[4];
        IoStandard b4d, b7a, b8a;
    };
    for (const Bank& bank : {Bank{{0, 0, 54, 0}, k1V8, k2V5, k2V5}, Bank{{0, 54, 0, 0}, k2V5, k2V5, k1V8},
                             Bank{{0, 0, 0, 54}, k2V5, k1V8, k2V5}, Bank{{54, 0, 0, 0}, k2V5, k1V8, k2V5}}) {
        std::memcpy(config.m_Config.nFmcDaughterId, bank.cards, 4);
        CONFIG_COLVENNA(&board, &config);
        const TConnector* clock = board.GetConnector(0);
        EXPECT_EQ(clock->GetPin(2)->GetIoStandard(), bank.b4d);
        EXPECT_EQ(clock->GetPin(3)->GetIoStandard(), bank.b7a);
        EXPECT_EQ(clock->GetPin(4)->GetIoStandard(), bank.b7a);
        EXPECT_EQ(clock->GetPin(5)->GetIoStandard(), bank.b8a);
        EXPECT_EQ(clock->GetPin(6)->GetIoStandard(), bank.b7a);
    }
}

TEST(ConfigColvenna, RecordOfAnotherBoardOrSizeIsABrokenInvariant)
{
    SeamRecorder seam;
    TConfigColvenna config;
    Defaults(config.m_Config);
    config.m_Config.BoardId = 16;
    TMainBoard board;
    try {
        CONFIG_COLVENNA(&board, &config);
        ADD_FAILURE();
    } catch (const InvariantFailure& failure) {
        EXPECT_EQ(failure.condition, "Config.BoardId == MAINBOARD_COLVENNA");
    }
    config.m_Config.BoardId = 31;
    config.m_Config.Size = 811;
    try {
        CONFIG_COLVENNA(&board, &config);
        ADD_FAILURE();
    } catch (const InvariantFailure& failure) {
        EXPECT_EQ(failure.condition, "Config.Size == sizeof(TConfigColvenna::COLVENNA_CONFIG)");
    }
}

// ---- The configuration object -------------------------------------------------

TEST(ConfigColvennaObject, FrequencyListsAndFmcBanks)
{
    COLVENNA_CONFIG c{};
    struct Case {
        int output;
        uint8_t choice;
        float mhz;
    };
    for (const Case& k : {Case{0, 0, 0}, Case{0, 1, 100}, Case{0, 2, 125}, Case{0, 3, 150}, Case{0, 4, 0},
                          Case{1, 3, 150}, Case{2, 1, 150}, Case{2, 2, 0}, Case{3, 1, 150}, Case{4, 1, 100},
                          Case{4, 2, 0}, Case{5, 1, 400.0f / 3.0f}, Case{5, 255, 0}}) {
        c.nCdcm6208Freq[k.output] = k.choice;
        EXPECT_EQ(Cdcm6208FreqMHz(c, k.output), k.mhz) << k.output << " " << int(k.choice);
    }
    EXPECT_EQ(Cdcm6208FreqMHz(c, 5), 0.0f);
    for (const Case& k : {Case{0, 0, 0}, Case{1, 1, 322.265625f}, Case{2, 2, 644.53125f}, Case{3, 3, 0}}) {
        c.nLmk04906Freq[k.output] = k.choice;
        EXPECT_EQ(Lmk04906FreqMHz(c, k.output), k.mhz) << k.output;
    }
    c.nFmcDaughterId[2] = 54;
    c.nFmcDaughterId[3] = 52;
    EXPECT_EQ(FmcBankIoStandard(c, 0), k2V5);
    EXPECT_EQ(FmcBankIoStandard(c, 2), k1V8);
    EXPECT_EQ(FmcBankIoStandard(c, 3), k2V5);
    SeamRecorder seam;
    EXPECT_THROW(Cdcm6208FreqMHz(c, 6), InvariantFailure);
    EXPECT_THROW(Lmk04906FreqMHz(c, 4), InvariantFailure);
}

TEST(ConfigColvennaObject, QsfBlocks)
{
    const std::string rule = "#============================================================\r\n";
    const std::string lmk = "\r\n" + rule + "# Includes LMK04906 Controller File(s)\r\n" + rule +
                            "set_global_assignment -name VERILOG_FILE lmk04906/SPI_LMK04906_Config.v\r\n\r\n";
    const std::string cdcm = "\r\n" + rule + "# Includes CDCM6208 Controller Files\r\n" + rule +
                             "set_global_assignment -name VERILOG_FILE cdcm6208/I2C_CDCM6208_Config.v\r\n"
                             "set_global_assignment -name VERILOG_FILE cdcm6208/I2C_CDCM6208_Controller.v\r\n\r\n";
    TConfigColvenna config;
    Defaults(config.m_Config);
    EXPECT_EQ(config.GetQsfText(), "");
    EXPECT_EQ(config.GetVerilogText(), "");
    EXPECT_EQ(config.GetVhdlText("top"), "");
    config.m_Config.bLmk04906 = 1;
    EXPECT_EQ(config.GetQsfText(), lmk);
    config.m_Config.bCdcm6208 = 1;
    EXPECT_EQ(config.GetQsfText(), lmk + cdcm);
    config.m_Config.bLmk04906 = 0;
    EXPECT_EQ(config.GetQsfText(), cdcm);
    EXPECT_EQ(config.GetVhdlText("Colvenna"), "");
}

namespace {

const std::string kSlashes = "//=======================================================\r\n";

std::string CdcmPart(const std::string& mode, const std::string& disable)
{
    return "\r\n\r\n" + kSlashes + "//  External PLL CDCM6208 Configuration =================\r\n" + kSlashes +
           "\r\n"
           "//  Signal declarations\r\n"
           "`define CDCM6208_MODE_0  2'd0   //FMCA(100),FMCD(100),PCIE(100),SATA_HOST(150),SATA_DEVICE(150),DDR3(133.333)\r\n"
           "`define CDCM6208_MODE_1  2'd1   //FMCA(125),FMCD(125),PCIE(100),SATA_HOST(150),SATA_DEVICE(150),DDR3(133.333)\r\n"
           "`define CDCM6208_MODE_2  2'd2   //FMCA(150),FMCD(150),PCIE(100),SATA_HOST(150),SATA_DEVICE(150),DDR3(133.333)\r\n"
           "\r\n"
           "`define CDCM6208_FMCA_DISABLE_BIT\t\t6'b000001\r\n"
           "`define CDCM6208_FMCD_DISABLE_BIT\t\t6'b000010\r\n"
           "`define CDCM6208_SATA_HOST_DISABLE_BIT\t\t6'b001000\r\n"
           "`define CDCM6208_SATA_DEVICE_DISABLE_BIT\t\t6'b010000\r\n"
           "`define CDCM6208_PCIE_DISABLE_BIT\t\t6'b000100\r\n"
           "`define CDCM6208_DDR3_DISABLE_BIT\t\t6'b100000\r\n"
           "\r\n"
           "wire    [1:0]   cdcm6208_freq_select;\r\n"
           "wire    [5:0]   cdcm6208_freq_disable;\r\n"
           "wire            cdcm6208_reset_n;\r\n"
           "wire            cdcm6208_i2c_done;\r\n"
           "\r\n"
           "//  Structural coding\r\n"
           "assign cdcm6208_reset_n = CPU_RESET_n;\r\n"
           "assign cdcm6208_freq_select = `" +
           mode + ";\r\nassign cdcm6208_freq_disable = " + disable +
           ";\r\n"
           "\r\n"
           "I2C_CDCM6208_Config I2C_CDCM6208_Config_inst(\r\n"
           "\t.iCLK(OSC_50_B3B), //50MHZ\r\n"
           "\t.iRST_N(cdcm6208_reset_n),\r\n"
           "\r\n"
           "\t.iFREQ_SELECT(cdcm6208_freq_select),\r\n"
           "\t.iFREQ_DISABLE(cdcm6208_freq_disable),\r\n"
           "\r\n"
           "\t// i2c\r\n"
           "\t.I2C_SCLK(CLOCK_SCL),\r\n"
           "\t.I2C_SDAT(CLOCK_SDA),\r\n"
           "\r\n"
           "\t.I2C_DONE(cdcm6208_i2c_done)\n"
           ");\r\n";
}

std::string LmkPart(const std::string& select)
{
    return "\r\n\r\n" + kSlashes + "//  External PLL LMK04906 Configuration =================\r\n" + kSlashes +
           "\r\n"
           "//  Signal declarations\r\n"
           "`define FMCA_644M53125_BIT  4'h8   //644.53125 MHz\r\n"
           "`define FMCB_644M53125_BIT  4'h2   //644.53125 MHz\r\n"
           "`define FMCC_644M53125_BIT  4'h1   //644.53125 MHz\r\n"
           "`define FMCD_644M53125_BIT  4'h4   //644.53125 MHz\r\n"
           "\r\n"
           "wire [3:0]      lmk04906_freq_select;\r\n"
           "wire            lmk04906_reset_n;\r\n"
           "wire            lmk04906_spi_done;\r\n"
           "\r\n"
           "//  Structural coding\r\n"
           "assign lmk04906_reset_n = CPU_RESET_n;\r\n"
           "assign lmk04906_freq_select = " +
           select +
           ";\r\n"
           "\r\n"
           "SPI_LMK04906_Config  SPI_LMK04906_Config_inst(\r\n"
           "\t.clk50(OSC_50_B4A), //50MHZ\r\n"
           "\t.rst_n(lmk04906_reset_n),\r\n"
           "\t.iFREQ_SELECT(lmk04906_freq_select),\r\n"
           "\r\n"
           "\t// spi\r\n"
           "\t.LMK04906_CLK(LMK04906_CLK),\r\n"
           "\t.LMK04906_DATAIN(LMK04906_DATAIN),\r\n"
           "\t.LMK04906_LE(LMK04906_LE),\r\n"
           "\t.SPI_DONE(lmk04906_spi_done)\n"
           ");\r\n";
}

}  // namespace

TEST(ConfigColvennaObject, VerilogText)
{
    struct Case {
        const char* what;
        uint8_t cdcm[6];
        uint8_t lmk[4];
        uint8_t chips;  // 1 CDCM6208, 2 LMK04906
        std::string text;
    };
    const Case cases[] = {
        {"the form's defaults, CDCM6208 only", {2, 2, 1, 1, 0, 1}, {2, 2, 2, 2}, 1,
         CdcmPart("CDCM6208_MODE_1", "`CDCM6208_PCIE_DISABLE_BIT")},
        {"every CDCM6208 output off", {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0}, 1,
         CdcmPart("CDCM6208_MODE_0", "`CDCM6208_FMCA_DISABLE_BIT | `CDCM6208_FMCD_DISABLE_BIT | "
                                     "`CDCM6208_SATA_HOST_DISABLE_BIT | `CDCM6208_SATA_DEVICE_DISABLE_BIT | "
                                     "`CDCM6208_PCIE_DISABLE_BIT | `CDCM6208_DDR3_DISABLE_BIT")},
        {"every CDCM6208 output on at 100 MHz", {1, 1, 1, 1, 1, 1}, {0, 0, 0, 0}, 1,
         CdcmPart("CDCM6208_MODE_0", "6'b000000")},
        // FMCA off: the set comes from FMCD.
        {"FMCA off, FMCD at 150 MHz", {0, 3, 0, 1, 1, 0}, {0, 0, 0, 0}, 1,
         CdcmPart("CDCM6208_MODE_2", "`CDCM6208_FMCA_DISABLE_BIT | `CDCM6208_SATA_HOST_DISABLE_BIT | "
                                     "`CDCM6208_DDR3_DISABLE_BIT")},
        {"LMK04906 1, 2, 0, 2", {0, 0, 0, 0, 0, 0}, {1, 2, 0, 2}, 2,
         LmkPart("`FMCB_644M53125_BIT | `FMCD_644M53125_BIT")},
        {"LMK04906 none at 644.53125 MHz", {0, 0, 0, 0, 0, 0}, {1, 0, 1, 1}, 2, LmkPart("4'b0000")},
        {"both chips", {3, 3, 1, 1, 1, 1}, {2, 2, 2, 2}, 3,
         CdcmPart("CDCM6208_MODE_2", "6'b000000") +
             LmkPart("`FMCA_644M53125_BIT | `FMCB_644M53125_BIT | `FMCC_644M53125_BIT | `FMCD_644M53125_BIT")},
    };
    for (const Case& k : cases) {
        TConfigColvenna config;
        Defaults(config.m_Config);
        std::memcpy(config.m_Config.nCdcm6208Freq, k.cdcm, 6);
        std::memcpy(config.m_Config.nLmk04906Freq, k.lmk, 4);
        config.m_Config.bCdcm6208 = k.chips & 1;
        config.m_Config.bLmk04906 = (k.chips & 2) != 0;
        EXPECT_EQ(config.GetVerilogText(), k.text) << k.what;
    }
}

TEST(ConfigColvennaObject, ExportWritesTheFilesOfTheChipsInUse)
{
    SeamRecorder seam;
    seam.AddResource("COLVENNA_CDCM6208_CONFIG_VERILOG", "config\r\n");
    seam.AddResource("COLVENNA_CDCM6208_CONTROLLER_VERILOG", "controller\r\n");
    seam.AddResource("COLVENNA_LMK04906_CONFIG_VERILOG", "lmk\r\n");
    struct Case {
        uint8_t cdcm, lmk;
        std::vector<std::string> files;
    };
    const Case cases[] = {
        {0, 0, {}},
        {0, 1, {"lmk04906/SPI_LMK04906_Config.v"}},
        {1, 0, {"cdcm6208/I2C_CDCM6208_Config.v", "cdcm6208/I2C_CDCM6208_Controller.v"}},
        {1, 1, {"cdcm6208/I2C_CDCM6208_Config.v", "cdcm6208/I2C_CDCM6208_Controller.v",
                "lmk04906/SPI_LMK04906_Config.v"}},
    };
    for (const Case& k : cases) {
        TempFolder folder;
        TConfigColvenna config;
        config.m_Config.bCdcm6208 = k.cdcm;
        config.m_Config.bLmk04906 = k.lmk;
        EXPECT_TRUE(config.ExportIpFiles(folder.Path()));
        std::vector<std::string> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.Path()))
            if (entry.is_regular_file())
                files.push_back(std::filesystem::relative(entry.path(), folder.Path()).string());
        std::sort(files.begin(), files.end());
        EXPECT_EQ(files, k.files);
    }
    TempFolder folder;
    TConfigColvenna config;
    config.m_Config.bCdcm6208 = config.m_Config.bLmk04906 = 1;
    ASSERT_TRUE(config.ExportIpFiles(folder.Path()));
    EXPECT_EQ(ReadFile(folder.Path() + "cdcm6208/I2C_CDCM6208_Controller.v"), "controller\r\n");
    EXPECT_EQ(ReadFile(folder.Path() + "lmk04906/SPI_LMK04906_Config.v"), "lmk\r\n");

    // A missing controller text fails the export, and the LMK04906 file is
    // then not written.
    seam.resources.erase("COLVENNA_CDCM6208_CONTROLLER_VERILOG");
    TempFolder broken;
    EXPECT_FALSE(config.ExportIpFiles(broken.Path()));
    EXPECT_TRUE(FileExists(broken.Path() + "cdcm6208/I2C_CDCM6208_Config.v"));
    EXPECT_FALSE(FileExists(broken.Path() + "lmk04906/SPI_LMK04906_Config.v"));
    EXPECT_TRUE(seam.boxes.empty());
}

TEST(ConfigColvennaObject, RecordFileOfExactlyItsSize)
{
    SeamRecorder seam;
    TempFolder folder;
    TConfigColvenna config;
    Defaults(config.m_Config);
    ASSERT_TRUE(config.SaveToFile(folder.Path() + "c.cfg"));
    const std::string saved = ReadFile(folder.Path() + "c.cfg");
    ASSERT_EQ(saved.size(), 812u);
    EXPECT_EQ(std::memcmp(saved.data(), &config.m_Config, 812), 0);
    EXPECT_EQ(saved.substr(8, 9), std::string("Colvenna\0", 9));
    EXPECT_EQ(saved.substr(155, 10), std::string("\2\2\1\1\0\1\2\2\2\2", 10));

    // 811 and 813 bytes are refused and change nothing; 812 bytes of another
    // board are taken as they are.
    for (size_t size : {811u, 813u}) {
        WriteFile(folder.Path() + "bad.cfg", std::string(size, '\x5a'));
        EXPECT_FALSE(config.LoadFromFile(folder.Path() + "bad.cfg")) << size;
        EXPECT_EQ(std::memcmp(saved.data(), &config.m_Config, 812), 0);
    }
    EXPECT_FALSE(config.LoadFromFile(folder.Path() + "missing.cfg"));
    std::string other(812, '\x01');
    other[0] = 16;
    WriteFile(folder.Path() + "other.cfg", other);
    EXPECT_TRUE(config.LoadFromFile(folder.Path() + "other.cfg"));
    EXPECT_EQ(config.m_Config.BoardId, 16);
    EXPECT_EQ(std::memcmp(other.data(), &config.m_Config, 812), 0);
    EXPECT_TRUE(seam.boxes.empty());

    // A file that cannot be created.
    EXPECT_FALSE(config.SaveToFile(folder.Path() + "no/such/folder/c.cfg"));
    EXPECT_EQ(seam.ErrorTexts(),
              (std::vector<std::string>{"Cannot create file \"" + folder.Path() +
                                            "no/such/folder/c.cfg\". No such file or directory",
                                        "Failed to create file."}));
}

}  // namespace config_colvenna_test
