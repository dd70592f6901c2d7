#include "boards/cyclone5_stratix5/CONFIG_DRENNOCK.h"

#include <iterator>

#include "boards/frame/ConfigFrame.h"
#include "model/Text.h"

namespace {

constexpr TDevice kDevice = {"Stratix V", 1932, "FBGA", "2_H2", 0, "5SGXEA7N2F45C2"};
constexpr int32_t CLOCK_PERIOD_NS = 20;

const TPinRow kClocks[] = {
    {"OSC_50_B3B", "AW35", DIR_IN, IO_2V5}, {"OSC_50_B3D", "BC28", DIR_IN, IO_2V5},
    {"OSC_50_B4A", "AP10", DIR_IN, IO_1V5}, {"OSC_50_B4D", "AY18", DIR_IN, IO_1V5},
    {"OSC_50_B7A", "M9", DIR_IN, IO_1V8},   {"OSC_50_B7D", "J18", DIR_IN, IO_1V8},
    {"OSC_50_B8A", "R36", DIR_IN, IO_1V8},  {"OSC_50_B8D", "R25", DIR_IN, IO_1V8},
};
static_assert(std::size(kClocks) == 8);

const char* const kLed[] = {"C33", "B32", "C34", "B34"};
const char* const kLedBracket[] = {"BC29", "BD29", "BA28", "BB29"};
const char* const kButton[] = {"A35", "A34"};
const char* const kSwitch[] = {"E33", "D33"};
// PCIe lanes: the board's data gives lanes 0 and 7.
const char* const kPcieRx[] = {"BB43",       kUnknownBall, kUnknownBall, kUnknownBall,
                               kUnknownBall, kUnknownBall, kUnknownBall, "AK43"};
const char* const kPcieTx[] = {"AY39",       kUnknownBall, kUnknownBall, kUnknownBall,
                               kUnknownBall, kUnknownBall, kUnknownBall, "AG41"};
static_assert(std::size(kLed) == 4 && std::size(kLedBracket) == 4);
static_assert(std::size(kButton) == 2 && std::size(kSwitch) == 2);
static_assert(std::size(kPcieRx) == 8 && std::size(kPcieTx) == 8);

constexpr TBusEnds kFsmData = {"FSM_D[%d]", 32, "AF28", "AL31", DIR_INOUT, IO_2V5};
constexpr TBusEnds kFsmAddress = {"FSM_A[%d]", 27, "AG33", "AF31", DIR_OUT, IO_2V5};

// The SFP+ cages A, B in pin order TX_p, RX_p, RATESEL[0], RATESEL[1], LOS,
// MOD0_PRSNT_n, MOD1_SCL, MOD2_SDA, TXDISABLE, TXFAULT.
const char* const kSfp[2][10] = {
    {"AY6", "BB2", "AY25", "AV25", "AW24", "BA25", "BA24", "BB26", "BC26", "BD26"},
    {"AT6", "AW4", "AJ22", "AH22", "AJ23", "AK23", "AR25", "AP24", "AU25", "AU24"},
};

// The balls the board's data gives of the memory chips; every other memory
// pin is located but unknown to us.
const char* KnownMemoryBall(const std::string& name)
{
    static const struct {
        const char* Name;
        const char* Ball;
    } kKnown[] = {{"QDRIIA_A[0]", "R15"}, {"QDRIIA_A[20]", "W17"}, {"QDRIIA_K_p", "V12"},
                  {"QDRIIA_K_n", "V11"},  {"QDRIID_WPS_n", "P30"}, {"DDR3A_A[0]", "AU14"},
                  {"DDR3A_CK", "AG16"},   {"DDR3A_CK_n", "AF17"},  {"DDR3B_RESET_n", "AH21"}};
    for (const auto& known : kKnown)
        if (name == known.Name) return known.Ball;
    return kUnknownBall;
}

// One memory pin or bus of a chip: name pattern with "%c" for the chip letter
// (and "%d" for a bus member), member count (0: a single pin).
struct MemoryRow {
    const char* Pattern;
    int Count;
    PinDirection Direction;
    IoStandard Standard;
};

void AddMemoryPins(TPinGroup& group, char letter, std::initializer_list<MemoryRow> rows)
{
    for (const MemoryRow& row : rows) {
        const std::string pattern = LetterPattern(row.Pattern, letter);
        if (row.Count == 0) {
            group.Pin(pattern, KnownMemoryBall(pattern), row.Direction, row.Standard);
            continue;
        }
        for (int n = 0; n < row.Count; ++n) {
            const std::string name = Format("%s[%d]", pattern.substr(0, pattern.find('[')).c_str(), n);
            group.Pin(name, KnownMemoryBall(name), row.Direction, row.Standard);
        }
    }
}

void AddQdr(TMainBoard* board, char letter)
{
    TPinGroup group(LetterPattern("QDRII+ SRAM %c", letter));
    AddMemoryPins(group, letter,
                  {{"QDRII%c_A[%d]", 21, DIR_OUT, IO_1V8_HSTL_I},
                   {"QDRII%c_D[%d]", 18, DIR_OUT, IO_1V8_HSTL_I},
                   {"QDRII%c_Q[%d]", 18, DIR_IN, IO_1V8_HSTL_I},
                   {"QDRII%c_BWS_n[%d]", 2, DIR_OUT, IO_1V8_HSTL_I},
                   {"QDRII%c_K_p", 0, DIR_OUT, IO_DIFF_1V8_HSTL_I},
                   {"QDRII%c_K_n", 0, DIR_OUT, IO_DIFF_1V8_HSTL_I},
                   {"QDRII%c_CQ_p", 0, DIR_IN, IO_1V8_HSTL_I},
                   {"QDRII%c_CQ_n", 0, DIR_IN, IO_1V8_HSTL_I},
                   {"QDRII%c_DOFF_n", 0, DIR_OUT, IO_1V8_HSTL_I},
                   {"QDRII%c_ODT", 0, DIR_OUT, IO_1V8_HSTL_I},
                   {"QDRII%c_QVLD", 0, DIR_IN, IO_1V8_HSTL_I},
                   {"QDRII%c_RPS_n", 0, DIR_OUT, IO_1V8_HSTL_I},
                   {"QDRII%c_WPS_n", 0, DIR_OUT, IO_1V8_HSTL_I}});
    group.AddTo(board);
}

void AddDdr3(TMainBoard* board, char letter)
{
    TPinGroup group(LetterPattern("DDR3 SDRAM  %c", letter));
    AddMemoryPins(group, letter,
                  {{"DDR3%c_A[%d]", 16, DIR_OUT, IO_SSTL15_I},
                   {"DDR3%c_BA[%d]", 3, DIR_OUT, IO_SSTL15_I},
                   {"DDR3%c_DQ[%d]", 16, DIR_INOUT, IO_SSTL15_I},
                   {"DDR3%c_DQS[%d]", 2, DIR_INOUT, IO_DIFF_1V5_SSTL_I},
                   {"DDR3%c_DQS_n[%d]", 2, DIR_INOUT, IO_DIFF_1V5_SSTL_I},
                   {"DDR3%c_DM[%d]", 2, DIR_OUT, IO_SSTL15_I},
                   {"DDR3%c_ODT[%d]", 1, DIR_OUT, IO_SSTL15_I},
                   {"DDR3%c_CS_n[%d]", 1, DIR_OUT, IO_SSTL15_I},
                   {"DDR3%c_CKE[%d]", 1, DIR_OUT, IO_SSTL15_I},
                   {"DDR3%c_CK", 0, DIR_OUT, IO_DIFF_1V5_SSTL_I},
                   {"DDR3%c_CK_n", 0, DIR_OUT, IO_DIFF_1V5_SSTL_I},
                   {"DDR3%c_CAS_n", 0, DIR_OUT, IO_SSTL15_I},
                   {"DDR3%c_RAS_n", 0, DIR_OUT, IO_SSTL15_I},
                   {"DDR3%c_WE_n", 0, DIR_OUT, IO_SSTL15_I},
                   {"DDR3%c_RESET_n", 0, DIR_OUT, IO_SSTL15_I}});
    group.AddTo(board);
}

}  // namespace

void CONFIG_DRENNOCK(TMainBoard* board, const DRENNOCK_CONFIG* pConfig)
{
    const DRENNOCK_CONFIG& Config = *pConfig;
    board->m_DrennockConfig.CopyFrom(Config);
    board->m_BoardId = static_cast<MainBoardId>(Config.BoardId);
    CHECK_RECORD_HEAD(Config, MAINBOARD_DRENNOCK, DRENNOCK_CONFIG);
    board->ClearConnectors();
    SetDevice(board, kDevice);

    // The chips as the generated top level programs them: the groups below
    // declare exactly the ports their controller blocks use.
    const TClockChipChoices chips = board->GetClockChipChoices();

    if (Config.bClock || chips.AnyBlock()) {
        TPinGroup group("CLOCK");
        for (const TPinRow& clock : kClocks) {
            group.Clock(clock.Name, clock.Ball, clock.Standard, CLOCK_PERIOD_NS);
            if (!Config.bClock) break;  // the clock the oscillator controllers run on
        }
        group.AddTo(board);
    }
    if (Config.bLed) {
        TPinGroup group("LED x 8");
        group.Bus("LED[%d]", kLed, 4, DIR_OUT, IO_2V5);
        group.Bus("LED_BRACKET[%d]", kLedBracket, 4, DIR_OUT, IO_2V5);
        group.AddTo(board);
    }
    if (Config.bButton) {
        TPinGroup buttons("BUTTON x 2");
        buttons.Bus("BUTTON[%d]", kButton, 2, DIR_IN, IO_2V5);
        buttons.AddTo(board);
        AddGroup(board, "CPU RESET", {{"CPU_RESET_n", "BC37", DIR_IN, IO_2V5}});
    } else if (chips.AnyBlock()) {
        AddGroup(board, "CPU_RESET_n for reset programmable oscillator", {{"CPU_RESET_n", "BC37", DIR_IN, IO_2V5}});
    }
    if (Config.bSwitch) {
        TPinGroup group("DIP SWITCH x 4");
        group.Bus("SW[%d]", kSwitch, 2, DIR_IN, IO_2V5);
        group.AddTo(board);
    }
    if (Config.bTemperature) {
        AddGroup(board, "Temperature",
                 {{"TEMP_CLK", "F35", DIR_OUT, IO_2V5},
                  {"TEMP_DATA", "E35", DIR_INOUT, IO_2V5},
                  {"TEMP_INT_n", "G34", DIR_IN, IO_2V5},
                  {"TEMP_OVERT_n", "H35", DIR_IN, IO_2V5}});
    }
    if (Config.bFan) {
        AddGroup(board, "Fan", {{"FAN_CTRL", "F34", DIR_INOUT, IO_2V5}});
    }
    if (Config.bRs422) {
        AddGroup(board, "RS232",
                 {{"RS422_DE", "AU23", DIR_OUT, IO_2V5},
                  {"RS422_DIN", "AR24", DIR_IN, IO_2V5},
                  {"RS422_DOUT", "AV23", DIR_OUT, IO_2V5},
                  {"RS422_RE_n", "AL24", DIR_OUT, IO_2V5},
                  {"RS422_TE", "AL23", DIR_OUT, IO_2V5}});
    }
    if (Config.bPcie) {
        TPinGroup group("PCIe x 8");
        for (int n = 0; n < 8; ++n) {
            group.Pin(Format("PCIE_RX_p[%d]", n), kPcieRx[n], DIR_IN, IO_1V5_PCML);
            group.Pin(Format("PCIE_TX_p[%d]", n), kPcieTx[n], DIR_OUT, IO_1V5_PCML);
        }
        group.Pins({{"PCIE_REFCLK_p", "AK38", DIR_IN, IO_HCSL},
                    {"PCIE_PERST_n", "AU33", DIR_IN, IO_2V5},
                    {"PCIE_WAKE_n", "AY37", DIR_OUT, IO_2V5},
                    {"PCIE_SMBCLK", "AW37", DIR_INOUT, IO_2V5},
                    {"PCIE_SMBDAT", "AV37", DIR_INOUT, IO_2V5}});
        group.AddTo(board);
    }
    if (Config.bFlash) {
        TPinGroup bus("Flash/MAX Address/Data Share Bus");
        bus.Bus(kFsmData);
        bus.Bus(kFsmAddress);
        bus.AddTo(board);
        AddGroup(board, "Flash Control",
                 {{"FLASH_ADV_n", "AT29", DIR_OUT, IO_2V5},
                  {"FLASH_CE_n[0]", "AJ31", DIR_OUT, IO_2V5},
                  {"FLASH_CE_n[1]", "AW32", DIR_OUT, IO_2V5},
                  {"FLASH_CLK", "AU31", DIR_OUT, IO_2V5},
                  {"FLASH_OE_n", "AU30", DIR_OUT, IO_2V5},
                  {"FLASH_RDY_BSY_n[0]", "AJ30", DIR_IN, IO_2V5},
                  {"FLASH_RDY_BSY_n[1]", "AV32", DIR_IN, IO_2V5},
                  {"FLASH_RESET_n", "AV31", DIR_OUT, IO_2V5},
                  {"FLASH_WE_n", "AH30", DIR_OUT, IO_2V5}});
    }
    const bool anyDdr3 = Config.bDdr3[0] || Config.bDdr3[1];
    const bool anyQdr = Config.bQdr[0] || Config.bQdr[1] || Config.bQdr[2] || Config.bQdr[3];
    if (anyDdr3 || anyQdr) {
        AddGroup(board, "RZQ",
                 {{"RZQ_0", "BA36", DIR_IN, IO_2V5},
                  {"RZQ_1", "AR8", DIR_IN, IO_1V5},
                  {"RZQ_4", "H9", DIR_IN, IO_1V8},
                  {"RZQ_5", "P35", DIR_IN, IO_1V8}});
    }
    for (int chip = 0; chip < 4; ++chip)
        if (Config.bQdr[chip]) AddQdr(board, static_cast<char>('A' + chip));
    for (int chip = 0; chip < 2; ++chip)
        if (Config.bDdr3[chip]) AddDdr3(board, static_cast<char>('A' + chip));
    if (Config.bSata) {
        AddGroup(board, "SATA",
                 {{"SATA_HOST_RX_p", "AP2", DIR_IN, IO_1V5_PCML},
                  {"SATA_HOST_TX_p", "AL4", DIR_OUT, IO_1V5_PCML},
                  {"SATA_REFCLK_p", "AF7", DIR_IN, IO_HCSL}});
    }
    for (int cage = 0; cage < 2; ++cage)
        if (Config.bSfp[cage]) AddSfpCage(board, static_cast<char>('A' + cage), kSfp[cage]);
    // Both chips serve the SFP+ cages only (their blocks exist only with one).
    if (chips.Si570Block) {
        TPinGroup group("SFP+ 10G Referece Clock which is generated by Si570");
        group.ReferenceClock("SFP_REFCLK_p", "AK7", IO_HCSL, Si570FreqMHz(static_cast<uint8_t>(chips.Si570)), 5);
        group.Pins({{"CLOCK_SCL", "B35", DIR_OUT, IO_2V5}, {"CLOCK_SDA", "C36", DIR_INOUT, IO_2V5}});
        group.AddTo(board);
    }
    if (chips.Cdcm61004Block) {
        TPinGroup group("SFP+ 1G Referece Clock which is generated by CDCM61004");
        group.ReferenceClock("SFP1G_REFCLK_p", "AH6", IO_HCSL, CdcmFreqMHz(static_cast<uint8_t>(chips.Cdcm61004)), 2);
        group.Pins({{"CLK_CE", "AT23", DIR_OUT, IO_2V5},
                    {"CLK_RST_n", "AY24", DIR_OUT, IO_2V5},
                    {"CLK_OD[0]", "BB23", DIR_OUT, IO_2V5},
                    {"CLK_OD[1]", "BB24", DIR_OUT, IO_2V5},
                    {"CLK_OD[2]", "BC23", DIR_OUT, IO_2V5},
                    {"CLK_OS[0]", "AW23", DIR_OUT, IO_2V5},
                    {"CLK_OS[1]", "AR23", DIR_OUT, IO_2V5},
                    {"CLK_PR[0]", "BC25", DIR_OUT, IO_2V5},
                    {"CLK_PR[1]", "BD25", DIR_OUT, IO_2V5}});
        group.AddTo(board);
    }
}
