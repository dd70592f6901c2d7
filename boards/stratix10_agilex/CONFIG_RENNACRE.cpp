#include "boards/stratix10_agilex/CONFIG_RENNACRE.h"

#include <initializer_list>
#include <string>
#include <vector>

#include "boards/frame/ConfigFrame.h"
#include "model/Text.h"

namespace {

using RENNACRE_CONFIG = TConfig_Rennacre::RENNACRE_CONFIG;

constexpr IoStandard IO_3V0_LVTTL = 57;  // "3.0-V LVTTL"
constexpr int kDecimals = 6;             // clock texts "%f MHz"

// ---- Expansion connectors -----------------------------------------------------

// The located columns of one row of an FMC connector (40 columns a row).
struct TFmcRow {
    char Letter;
    std::initializer_list<int> Columns;
};
// A ball the board's data gives, by row letter and column.
struct TFmcBall {
    char Letter;
    int Column;
    const char* Ball;
};

// The positions of the FMC connector that carry an FPGA pin: the signals of
// an FMC HPC card but CLK_DIR (B1) and the reserved B40 (routed as the FMC
// reserved pin), the transceiver lanes by their positive leg only, clock
// pairs by both legs. This board has one more located position in row J
// whose column we do not know (197 in all).
const std::initializer_list<int> kLanesFrom2 = {2, 6, 10, 14, 18, 22, 26, 30, 34, 38};
const std::initializer_list<int> kRowB = {4, 8, 12, 16, 20, 21, 24, 28, 32, 36};
const std::initializer_list<int> kRowC = {2, 6, 10, 11, 14, 15, 18, 19, 22, 23, 26, 27, 30, 31, 34};
const std::initializer_list<int> kRowD = {4, 5, 8, 9, 11, 12, 14, 15, 17, 18, 20, 21, 23, 24, 26, 27, 35};
const std::initializer_list<int> kPairsFrom2 = {2,  3,  6,  7,  9,  10, 12, 13, 15, 16, 18, 19,
                                                21, 22, 24, 25, 27, 28, 30, 31, 33, 34, 36, 37};
const std::initializer_list<int> kPairsFrom4 = {4,  5,  7,  8,  10, 11, 13, 14, 16, 17, 19, 20,
                                                22, 23, 25, 26, 28, 29, 31, 32, 34, 35, 37, 38};

const TFmcRow kFmcRows[] = {
    {'A', kLanesFrom2}, {'B', kRowB},        {'C', kRowC},        {'D', kRowD},        {'E', kPairsFrom2},
    {'F', kPairsFrom4}, {'G', kPairsFrom2}, {'H', kPairsFrom4}, {'J', kPairsFrom2}, {'K', kPairsFrom4},
};
const TFmcBall kFmcBalls[] = {
    {'A', 2, "AH5"}, {'A', 6, "AJ7"},  {'B', 20, "T9"}, {'B', 21, "T10"}, {'C', 2, "AK1"}, {'D', 4, "AM12"},
    {'D', 5, "AM13"}, {'G', 2, "J16"}, {'G', 3, "H16"}, {'H', 4, "C22"},  {'H', 5, "C21"},
};

// The FMC+ connector: rows A to K as on the FMC connector (the board has one
// located position fewer there, which one we do not know: 195 in all); in
// rows L to Z the transceiver lanes by both legs, the reference clocks of
// rows L and Z but the last one of row Z (540), no reserved pins (265 in
// all, with the one above).
const TFmcRow kFmcpRows[] = {
    {'A', kLanesFrom2},
    {'B', kRowB},
    {'C', kRowC},
    {'D', kRowD},
    {'E', kPairsFrom2},
    {'F', kPairsFrom4},
    {'G', kPairsFrom2},
    {'H', kPairsFrom4},
    {'J', kPairsFrom2},
    {'K', kPairsFrom4},
    {'L', {4, 5, 8, 9, 12, 13, 16, 17, 20, 21, 24, 25, 28, 29}},
    {'M', {2, 3, 6, 7, 10, 11, 14, 15, 18, 19, 22, 23, 26, 27, 30, 31, 34, 35, 38, 39}},
    {'Y', {2, 3, 6, 7, 10, 11, 14, 15, 18, 19, 22, 23, 26, 27, 30, 31, 34, 35, 38, 39}},
    {'Z', {4, 5, 8, 9, 12, 13, 16, 17, 24, 25, 28, 29, 32, 33, 36, 37}},
};
const TFmcBall kFmcpBalls[] = {
    {'A', 2, "BJ43"}, {'B', 4, "AY45"}, {'C', 2, "BJ46"}, {'D', 4, "AM41"}, {'L', 4, "T41"}, {'L', 5, "T40"},
    {'M', 2, "A43"},  {'M', 3, "A42"},  {'Y', 2, "C47"},  {'Y', 3, "C46"},  {'Z', 4, "E47"}, {'Z', 5, "E46"},
};

constexpr int kFmcPositions = 400;
constexpr int kFmcpPositions = 560;

// The row letters of the positions, 40 to a row.
constexpr const char* kRowLetters = "ABCDEFGHJKLMYZ";

int RowIndex(char letter)
{
    const std::string letters = kRowLetters;
    const std::size_t at = letters.find(letter);
    PL_ASSERT(at != std::string::npos);
    return static_cast<int>(at);
}

// One location per position: kNoPin where the board has no FPGA pin,
// kUnknownBall where it has one whose ball we do not know, else the ball.
template <std::size_t R, std::size_t B>
std::vector<const char*> FmcLocations(int positions, const TFmcRow (&rows)[R], const TFmcBall (&balls)[B])
{
    std::vector<const char*> locations(static_cast<std::size_t>(positions), kNoPin);
    auto index = [positions](char letter, int column) {
        PL_ASSERT(column >= 1 && column <= 40);
        const int position = 40 * RowIndex(letter) + column - 1;
        PL_ASSERT(position < positions);
        return static_cast<std::size_t>(position);
    };
    for (const TFmcRow& row : rows)
        for (int column : row.Columns) locations[index(row.Letter, column)] = kUnknownBall;
    for (const TFmcBall& ball : balls) {
        PL_ASSERT(locations[index(ball.Letter, ball.Column)] == kUnknownBall);
        locations[index(ball.Letter, ball.Column)] = ball.Ball;
    }
    return locations;
}

// ---- On-board groups ----------------------------------------------------------

// The balls of one DDR4 group that the board's data give; the members of
// the long buses between the first and the last are not known to us.
struct TDdr4Balls {
    const char* RefClk;
    const char* Ba[2];
    const char* Bg[2];
    const char* Ck;
    const char* CkN;
    const char* Cke[2];
    const char* CsN[2];
    const char* ResetN;
    const char* Odt[2];
    const char* Par;
    const char* AlertN;
    const char* ActN;
    const char* Rzq;
    const char* A0;
    const char* Dqs0;
    const char* DqsN0;
    const char* Dq0;
    const char* DbiN0;
};

const TDdr4Balls kDdr4A = {.RefClk = "M35",
                           .Ba = {"L36", "T35"},
                           .Bg = {"R36", "D40"},
                           .Ck = "F39",
                           .CkN = "G39",
                           .Cke = {"L40", "K40"},
                           .CsN = {"G38", "J40"},
                           .ResetN = "E40",
                           .Odt = {"G40", "F40"},
                           .Par = "H40",
                           .AlertN = "A38",
                           .ActN = "H38",
                           .Rzq = "P34",
                           .A0 = "K38",
                           .Dqs0 = "A36",
                           .DqsN0 = "A35",
                           .Dq0 = "B35",
                           .DbiN0 = "C36"};

const TDdr4Balls kDdr4B = {.RefClk = "AT17",
                           .Ba = {"AU14", "AP18"},
                           .Bg = {"AR18", "BF11"},
                           .Ck = "BC12",
                           .CkN = "BB12",
                           .Cke = {"BC10", "BB10"},
                           .CsN = {"BE10", "BD11"},
                           .ResetN = "BF10",
                           .Odt = {"BE12", "BE11"},
                           .Par = "BC11",
                           .AlertN = "BH18",
                           .ActN = "BD10",
                           .Rzq = "AN17",
                           .A0 = "AY11",
                           .Dqs0 = "BJ19",
                           .DqsN0 = "BJ20",
                           .Dq0 = "BH20",
                           .DbiN0 = "BH17"};

// The 135 pins of a DDR4 group ('A' or 'B'), its reference clock at refClkMHz.
void AddDdr4Group(TMainBoard* board, const std::string& name, char letter, const TDdr4Balls& balls, double refClkMHz)
{
    auto pin = [letter](const char* pattern) { return LetterPattern(pattern, letter); };
    TPinGroup g(name);
    g.ReferenceClock(pin("DDR4%c_REFCLK_p"), balls.RefClk, IO_LVDS, refClkMHz, kDecimals);
    g.Bus(pin("DDR4%c_A[%d]"), 18, {{0, balls.A0}}, DIR_OUT, IO_SSTL12);
    g.Bus(pin("DDR4%c_BA[%d]"), balls.Ba, 2, DIR_OUT, IO_SSTL12);
    g.Bus(pin("DDR4%c_BG[%d]"), balls.Bg, 2, DIR_OUT, IO_SSTL12);
    g.Pin(pin("DDR4%c_CK"), balls.Ck, DIR_OUT, IO_DIFF_1V2_SSTL);
    g.Pin(pin("DDR4%c_CK_n"), balls.CkN, DIR_OUT, IO_DIFF_1V2_SSTL);
    g.Bus(pin("DDR4%c_CKE[%d]"), balls.Cke, 2, DIR_OUT, IO_SSTL12);
    g.Bus(pin("DDR4%c_DQS[%d]"), 9, {{0, balls.Dqs0}}, DIR_INOUT, IO_DIFF_1V2_POD);
    g.Bus(pin("DDR4%c_DQS_n[%d]"), 9, {{0, balls.DqsN0}}, DIR_INOUT, IO_DIFF_1V2_POD);
    g.Bus(pin("DDR4%c_DQ[%d]"), 72, {{0, balls.Dq0}}, DIR_INOUT, IO_1V2_POD);
    g.Bus(pin("DDR4%c_DBI_n[%d]"), 9, {{0, balls.DbiN0}}, DIR_INOUT, IO_1V2_POD);
    g.Bus(pin("DDR4%c_CS_n[%d]"), balls.CsN, 2, DIR_OUT, IO_SSTL12);
    g.Pin(pin("DDR4%c_RESET_n"), balls.ResetN, DIR_OUT, IO_1V2);
    g.Bus(pin("DDR4%c_ODT[%d]"), balls.Odt, 2, DIR_OUT, IO_SSTL12);
    g.Pin(pin("DDR4%c_PAR"), balls.Par, DIR_OUT, IO_SSTL12);
    g.Pin(pin("DDR4%c_ALERT_n"), balls.AlertN, DIR_IN, IO_1V2);
    g.Pin(pin("DDR4%c_ACT_n"), balls.ActN, DIR_OUT, IO_SSTL12);
    g.Pin(pin("DDR4%c_RZQ"), balls.Rzq, DIR_IN, IO_1V2);
    g.AddTo(board);
}

// The 43 pins of the hard processor system; of its buses only the first
// member's ball is known to us.
void AddHpsGroup(TMainBoard* board)
{
    TPinGroup g("HPS");
    auto pins = [&g](std::initializer_list<std::pair<const char*, const char*>> named) {
        for (const auto& [name, ball] : named) g.Pin(name, ball, DIR_INOUT, IO_1V8);
    };
    auto bus = [&g](const char* format, int count, const char* first) {
        g.Bus(format, count, {{0, first}}, DIR_INOUT, IO_1V8);
    };
    pins({{"HPS_ENET_MDC", "B28"}, {"HPS_ENET_MDIO", "K31"}, {"HPS_ENET_RX_CLK", "G28"}, {"HPS_ENET_RX_CTL", "F30"}});
    bus("HPS_ENET_RX_DATA[%d]", 4, "B34");
    pins({{"HPS_ENET_TX_CLK", "F31"}, {"HPS_ENET_TX_CTL", "R29"}});
    bus("HPS_ENET_TX_DATA[%d]", 4, "J28");
    bus("HPS_GPIO[%d]", 4, "B29");
    pins({{"HPS_I2C_SCL", "H31"},
          {"HPS_I2C_SDA", "B33"},
          {"HPS_KEY", "C28"},
          {"HPS_LED", "G30"},
          {"HPS_OSC_CLK", "N30"},
          {"HPS_SD_CLK", "A31"},
          {"HPS_SD_CMD", "J30"}});
    bus("HPS_SD_DATA[%d]", 4, "P30");
    pins({{"HPS_UART_RX", "K29"}, {"HPS_UART_TX", "F32"}, {"HPS_USB_CLK", "E29"}});
    bus("HPS_USB_DATA[%d]", 8, "A30");
    pins({{"HPS_USB_DIR", "D30"}, {"HPS_USB_NXT", "A27"}, {"HPS_USB_STP", "C33"}});
    g.AddTo(board);
}

}  // namespace

void CONFIG_RENNACRE(TMainBoard* board, TConfig_Rennacre& object)
{
    const RENNACRE_CONFIG& Config = object.m_Config;
    board->m_pConfig = &object;
    board->m_BoardId = static_cast<MainBoardId>(Config.BoardId);
    CHECK_RECORD_HEAD(Config, MAINBOARD_RENNACRE, TConfig_Rennacre::RENNACRE_CONFIG);
    board->ClearConnectors();
    board->m_Family = "Stratix 10";
    board->m_Device = ReadFixedText(Config.szFpgaPart, sizeof Config.szFpgaPart);

    const bool si5341a = object.IsSi5341AUsed();
    const uint8_t fmcCard = Config.nFmcDaughterId[0];
    const uint8_t fmcpCard = Config.nFmcDaughterId[1];
    const bool fmc = TConfig_Rennacre::CarriesCard(fmcCard);
    const bool fmcp = TConfig_Rennacre::CarriesCard(fmcpCard);

    // The controller runs from CLK_50_B3C and restarts on BUTTON[0]: both
    // groups come whole with the Si5341A.
    if (Config.bClock || si5341a) {
        TPinGroup g("CLOCK");
        g.ReferenceClock("CLK_100_B3I", "L24", IO_1V8, 100, kDecimals);
        g.ReferenceClock("CLK_50_B2F", "BA27", IO_1V8, 50, kDecimals);
        g.ReferenceClock("CLK_50_B2L", "J25", IO_1V2, 50, kDecimals);
        g.ReferenceClock("CLK_50_B3C", "BF21", IO_1V2, 50, kDecimals);
        g.ReferenceClock("CLK_50_B3I", "M24", IO_1V8, 50, kDecimals);
        if (si5341a)
            g.ReferenceClock("LVDS_REFCLK_p", "U24", IO_LVDS, TConfig_Rennacre::LvdsRefClkMHz(Config.nLvdsRefClkSel),
                             kDecimals);
        g.AddTo(board);
    }
    if (Config.bButton || si5341a)
        AddGroup(board, "BUTTON",
                 {{"BUTTON[0]", "AE36", DIR_IN, IO_3V0_LVTTL},
                  {"BUTTON[1]", "AG34", DIR_IN, IO_3V0_LVTTL},
                  {"CPU_RESET_n", "AC35", DIR_IN, IO_3V0_LVTTL}});
    if (Config.bSwitch)
        AddGroup(board, "SW", {{"SW[0]", "AG35", DIR_IN, IO_3V0_LVTTL}, {"SW[1]", "AH33", DIR_IN, IO_3V0_LVTTL}});
    if (Config.bLed)
        AddGroup(board, "LED", {{"LED[0]", "AH32", DIR_OUT, IO_3V0_LVTTL}, {"LED[1]", "AC33", DIR_OUT, IO_3V0_LVTTL}});
    if (si5341a)
        AddGroup(board, "SI5341A Configure",
                 {{"SI5341A_I2C_SCL", "BH13", DIR_INOUT, IO_1V2},
                  {"SI5341A_I2C_SDA", "BE14", DIR_INOUT, IO_1V2},
                  {"SI5341A_OE_n", "AV21", DIR_OUT, IO_1V2},
                  {"SI5341A_RST_n", "BB20", DIR_OUT, IO_1V2}});
    if (si5341a && fmc) {
        TPinGroup g("FMC Transceiver Reference Clocks");
        g.ReferenceClock("FMC_REFCLK0_p", "AK12", IO_LVDS, TConfig_Rennacre::XcvrRefClkMHz(Config.nFmcRefClkSel[0]),
                         kDecimals);
        g.ReferenceClock("FMC_REFCLK1_p", "P9", IO_LVDS, TConfig_Rennacre::XcvrRefClkMHz(Config.nFmcRefClkSel[1]),
                         kDecimals);
        g.AddTo(board);
    }
    if (si5341a && fmcp) {
        TPinGroup g("FMC+ Transceiver Reference Clocks");
        const char* const balls[3] = {"AP41", "AK38", "P41"};
        for (int i = 0; i < 3; ++i)
            g.ReferenceClock(Format("FMCP_REFCLK%d_p", i), balls[i], IO_LVDS,
                             TConfig_Rennacre::XcvrRefClkMHz(Config.nFmcpRefClkSel[i]), kDecimals);
        g.AddTo(board);
    }
    if (Config.bSystemInfo)
        AddGroup(board, "System Info",
                 {{"INFO_SPI_MISO", "AB12", DIR_OUT, IO_3V0_LVTTL},
                  {"INFO_SPI_CS_n", "AD15", DIR_OUT, IO_3V0_LVTTL},
                  {"INFO_SPI_SCLK", "AC15", DIR_OUT, IO_3V0_LVTTL},
                  {"INFO_SPI_MOSI", "AF15", DIR_IN, IO_3V0_LVTTL}});
    if (fmc) {
        AddMaster(board, "FMC", "FMC connect to " + GetCardDisplayName(fmcCard), CONNECTOR_FMC_HPC,
                  RENNACRE_FMC_MASTER, FmcLocations(kFmcPositions, kFmcRows, kFmcBalls), fmcCard);
        AddGroup(board, "FMC Reserved Pins", {{"FMC_RES[0]", "AH16", DIR_INOUT, IO_3V0_LVTTL}});
    }
    if (fmcp) {
        // Without the card's id: the run keeps the position order whatever card it carries.
        AddMaster(board, "FMC+", "FMC+ connect to " + GetCardDisplayName(fmcpCard), CONNECTOR_FMC_PLUS,
                  RENNACRE_FMCP_MASTER, FmcLocations(kFmcpPositions, kFmcpRows, kFmcpBalls));
        AddGroup(board, "FMC+ Reserved Pins",
                 {{"FMCP_RES[0]", "AJ34", DIR_INOUT, IO_3V0_LVTTL}, {"FMCP_RES[1]", "AD34", DIR_INOUT, IO_3V0_LVTTL}});
    }
    if (Config.bDdr4A)
        // 266.667 MHz in single precision for the HPS memory, 300 MHz for the FPGA's.
        AddDdr4Group(board, Config.bHps ? "DDR4A, DDR4 for HPS" : "DDR4A, DDR4 for FPGA", 'A', kDdr4A,
                     Config.bHps ? 266.667f : 300.0f);
    if (Config.bDdr4B)
        AddDdr4Group(board, "DDR4B, DDR4 for FPGA", 'B', kDdr4B,
                     TConfig_Rennacre::MemRefClkMHz(Config.nDdr4BRefClkSel));
    if (Config.bHps) AddHpsGroup(board);
}
