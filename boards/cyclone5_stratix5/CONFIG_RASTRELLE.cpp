#include "boards/cyclone5_stratix5/CONFIG_RASTRELLE.h"

#include "boards/frame/ConfigFrame.h"
#include <iterator>

#include "model/Text.h"

namespace {

constexpr TDevice kDevice = {"Stratix V", 1932, "FBGA", "2_H2", 0, "5SGXEA7N2F45C2"};
constexpr int32_t CLOCK_PERIOD_NS = 20;

const TPinRow kClocks[] = {
    {"OSC_50_B3B", "AW35", DIR_IN, IO_2V5}, {"OSC_50_B3D", "BC28", DIR_IN, IO_1V8},
    {"OSC_50_B4A", "AP10", DIR_IN, IO_1V8}, {"OSC_50_B4D", "AY18", DIR_IN, IO_1V8},
    {"OSC_50_B7A", "M8", DIR_IN, IO_1V5},   {"OSC_50_B7D", "J18", DIR_IN, IO_1V5},
    {"OSC_50_B8A", "R36", DIR_IN, IO_1V5},  {"OSC_50_B8D", "R25", DIR_IN, IO_1V8},
};
static_assert(std::size(kClocks) == 8);

const char* const kLed[] = {"AW37", "AV37", "BB36", "BB39"};
const char* const kLedBracket[] = {"AH15", "AH13", "AJ13", "AJ14"};
const char* const kButton[] = {"AK15", "AK14", "AL14", "AL15"};
const char* const kSwitch[] = {"B25", "A25", "B23", "A23"};
const char* const kHex0[] = {"G8", "H8", "J9", "K10", "K8", "K9", "N8"};
const char* const kHex1[] = {"H18", "G16", "F16", "A7", "B7", "C9", "D10"};
const char* const kPcieRx[] = {"BB43", "BA41", "AW41", "AY43", "AT43", "AP43", "AM43", "AK43"};
const char* const kPcieTx[] = {"AY39", "AV39", "AT39", "AU41", "AN41", "AL41", "AJ41", "AG41"};
static_assert(std::size(kLed) + std::size(kLedBracket) + 2 == (4 + 4 + 2));
static_assert(std::size(kButton) == 4 && std::size(kSwitch) == 4);
static_assert(std::size(kPcieRx) == 8 && std::size(kPcieTx) == 8);

constexpr TBusEnds kFsmData = {"FSM_D[%d]", 32, "AG26", "BD31", DIR_INOUT, IO_2V5};
constexpr TBusEnds kFsmAddress = {"FSM_A[%d]", 27, "AU32", "AT30", DIR_OUT, IO_2V5};

// SATA ports in the order host 0, host 1, device 0, device 1: receive, transmit.
struct SataPort {
    const char* Rx;
    const char* RxBall;
    const char* Tx;
    const char* TxBall;
};
const SataPort kSata[4] = {
    {"SATA_HOST_RX_p[0]", "K2", "SATA_HOST_TX_p[0]", "K6"},
    {"SATA_HOST_RX_p[1]", "H2", "SATA_HOST_TX_p[1]", "H6"},
    {"SATA_DEVICE_RX_p[0]", "K43", "SATA_DEVICE_TX_p[0]", "K39"},
    {"SATA_DEVICE_RX_p[1]", "H43", "SATA_DEVICE_TX_p[1]", "H39"},
};

// The QDRII+ chips A..D: first and last ball of each bus, then the single pins.
struct QdrChip {
    const char *A0, *A20, *D0, *D17, *Q0, *Q17, *Bws0, *Bws1, *Kp, *Kn, *CQp, *CQn, *Doff, *Odt, *Qvld, *Rps, *Wps;
};
const QdrChip kQdr[4] = {
    {"AU29", "AR28", "AH28", "AW26", "AK23", "AL24", "AJ24", "AT27", "AP25", "AR26", "AH22", "BA25", "AR23", "AN23",
     "AM23", "AT26", "AK24"},
    {"AR24", "AN22", "BB21", "AW22", "AR19", "AN20", "AV20", "AU21", "AR20", "AT20", "AJ15", "AP18", "AH19", "AH18",
     "AJ16", "AW20", "AU20"},
    {"AV16", "AN17", "AG9", "AT12", "BA12", "BA10", "AJ11", "AJ10", "AP12", "AP13", "BC11", "AF13", "AE14", "BD10",
     "BD11", "AH10", "AL11"},
    {"N26", "D29", "H25", "T23", "C27", "H29", "E26", "K26", "L23", "K24", "E29", "H27", "E27", "H26", "J27", "F24",
     "M23"},
};

// The SFP+ ports A..D in pin order TX_p, RX_p, RATESEL[0], RATESEL[1], LOS,
// MOD0_PRSNT_n, MOD1_SCL, MOD2_SDA, TXDISABLE, TXFAULT.
const char* const kSfp[4][10] = {
    {"AG4", "AK2", "E20", "G22", "F22", "E21", "B20", "A20", "B22", "A22"},
    {"AL4", "AP2", "R21", "T22", "R22", "K22", "K21", "K20", "H22", "H20"},
    {"AT6", "AW4", "J22", "P21", "L21", "J21", "H21", "G20", "F21", "F20"},
    {"AY6", "BB2", "V21", "M22", "N22", "V20", "U21", "V19", "U20", "T21"},
};

// The DDR3 SODIMM sockets: 204 positions, the 80 of every such socket without
// an FPGA pin; of the other 124 the board's data gives the first and the last.
constexpr int DDR3_SODIMM_POSITIONS = 204;

void AddClock(TMainBoard* board, bool all)
{
    TPinGroup group("CLOCK");
    for (const TPinRow& clock : kClocks) {
        group.Clock(clock.Name, clock.Ball, clock.Standard, CLOCK_PERIOD_NS);
        if (!all) break;  // the clock the oscillator controllers run on
    }
    group.AddTo(board);
}

void AddSeg7(TMainBoard* board)
{
    TPinGroup group("7-Segement");
    group.Bus("HEX0_D[%d]", kHex0, 7, DIR_OUT, IO_1V5);
    group.Pin("HEX0_DP", "P8", DIR_OUT, IO_1V5);
    group.Bus("HEX1_D[%d]", kHex1, 7, DIR_OUT, IO_1V5);
    group.Pin("HEX1_DP", "E9", DIR_OUT, IO_1V5);
    group.AddTo(board);
}

void AddPcie(TMainBoard* board)
{
    TPinGroup group("PCIe x 8");
    for (int n = 0; n < 8; ++n) {
        group.Pin(Format("PCIE_RX_p[%d]", n), kPcieRx[n], DIR_IN, IO_1V5_PCML);
        group.Pin(Format("PCIE_TX_p[%d]", n), kPcieTx[n], DIR_OUT, IO_1V5_PCML);
    }
    group.Pins({{"PCIE_REFCLK_p", "AK38", DIR_IN, IO_HCSL},
                {"PCIE_PERST_n", "AU33", DIR_IN, IO_2V5},
                {"PCIE_WAKE_n", "BD35", DIR_OUT, IO_2V5},
                {"PCIE_SMBCLK", "BD34", DIR_INOUT, IO_2V5},
                {"PCIE_SMBDAT", "AT33", DIR_INOUT, IO_2V5}});
    group.AddTo(board);
}

void AddSata(TMainBoard* board, const RASTRELLE_CONFIG& config, double mhz)
{
    TPinGroup group("SATA");
    for (int port = 0; port < 4; ++port) {
        if (!config.bSata[port]) continue;
        group.Pin(kSata[port].Rx, kSata[port].RxBall, DIR_IN, IO_1V5_PCML);
        group.Pin(kSata[port].Tx, kSata[port].TxBall, DIR_OUT, IO_1V5_PCML);
    }
    if (config.bSata[0] || config.bSata[1]) group.ReferenceClock("SATA_HOST_REFCLK_p", "V6", IO_HCSL, mhz, 2);
    if (config.bSata[2] || config.bSata[3]) group.ReferenceClock("SATA_DEVICE_REFCLK_p", "V39", IO_HCSL, mhz, 2);
    group.AddTo(board);
}

void AddQdr(TMainBoard* board, int chip)
{
    const char letter = static_cast<char>('A' + chip);
    const QdrChip& q = kQdr[chip];
    auto name = [letter](const char* pattern) { return LetterPattern(pattern, letter); };
    TPinGroup group(name("QDRII+ SRAM %c"));
    group.Bus({"QDRII%c_A[%d]", 21, q.A0, q.A20, DIR_OUT, IO_1V8_HSTL_I}, letter);
    group.Bus({"QDRII%c_D[%d]", 18, q.D0, q.D17, DIR_OUT, IO_1V8_HSTL_I}, letter);
    group.Bus({"QDRII%c_Q[%d]", 18, q.Q0, q.Q17, DIR_IN, IO_1V8_HSTL_I}, letter);
    group.Pin(name("QDRII%c_BWS_n[0]"), q.Bws0, DIR_OUT, IO_1V8_HSTL_I);
    group.Pin(name("QDRII%c_BWS_n[1]"), q.Bws1, DIR_OUT, IO_1V8_HSTL_I);
    group.Pin(name("QDRII%c_K_p"), q.Kp, DIR_OUT, IO_DIFF_1V8_HSTL_I);
    group.Pin(name("QDRII%c_K_n"), q.Kn, DIR_OUT, IO_DIFF_1V8_HSTL_I);
    group.Pin(name("QDRII%c_CQ_p"), q.CQp, DIR_IN, IO_1V8_HSTL_I);
    group.Pin(name("QDRII%c_CQ_n"), q.CQn, DIR_IN, IO_1V8_HSTL_I);
    group.Pin(name("QDRII%c_DOFF_n"), q.Doff, DIR_OUT, IO_1V8_HSTL_I);
    group.Pin(name("QDRII%c_ODT"), q.Odt, DIR_OUT, IO_1V8_HSTL_I);
    group.Pin(name("QDRII%c_QVLD"), q.Qvld, DIR_IN, IO_1V8_HSTL_I);
    group.Pin(name("QDRII%c_RPS_n"), q.Rps, DIR_OUT, IO_1V8_HSTL_I);
    group.Pin(name("QDRII%c_WPS_n"), q.Wps, DIR_OUT, IO_1V8_HSTL_I);
    group.AddTo(board);
}

void AddSodimm(TMainBoard* board, int socket)
{
    static const TGivenBall kEnds[2][2] = {{{4, "B32"}, {202, "C15"}}, {{4, "V13"}, {202, "P18"}}};
    const char letter = static_cast<char>('A' + socket);
    const auto locations =
        MasterLocations(DDR3_SODIMM_POSITIONS, Ddr3SodimmPositionsWithoutPin(),
                        {kEnds[socket][0], kEnds[socket][1]});
    PL_ASSERT(locations.size() == 204);
    AddMaster(board, "DDR3 SODIMM", Format("DDR3 SODIMM_%c", letter), CONNECTOR_DDR3_SODIMM, 24 + socket, locations);
}

bool Any(const uint8_t* flags, int count)
{
    for (int i = 0; i < count; ++i)
        if (flags[i]) return true;
    return false;
}

}  // namespace

void CONFIG_RASTRELLE(TMainBoard* board, const RASTRELLE_CONFIG* pConfig)
{
    const RASTRELLE_CONFIG& Config = *pConfig;
    board->m_RastrelleConfig.CopyFrom(Config);
    board->m_BoardId = static_cast<MainBoardId>(Config.BoardId);
    CHECK_RECORD_HEAD(Config, MAINBOARD_RASTRELLE, RASTRELLE_CONFIG);
    board->ClearConnectors();
    SetDevice(board, kDevice);

    // The chips as the generated top level programs them: the groups below
    // declare exactly the ports their controller blocks use.
    const TClockChipChoices chips = board->GetClockChipChoices();
    const bool anySfp = Any(Config.bSfp, 4);

    if (Config.bClock)
        AddClock(board, true);
    else if (chips.AnyBlock())
        AddClock(board, false);
    if (Config.bSma) {
        AddGroup(board, "SMA", {{"SMA_CLKIN", "BB33", DIR_IN, IO_2V5}, {"SMA_CLKOUT", "AV34", DIR_OUT, IO_2V5}});
    }
    if (Config.bLed) {
        TPinGroup group("LED x 10");
        group.Bus("LED[%d]", kLed, 4, DIR_OUT, IO_2V5);
        group.Bus("LED_BRACKET[%d]", kLedBracket, 4, DIR_OUT, IO_2V5);
        group.Pins({{"LED_RJ45_L", "AG15", DIR_OUT, IO_2V5}, {"LED_RJ45_R", "AG16", DIR_OUT, IO_2V5}});
        group.AddTo(board);
    }
    if (Config.bButton) {
        TPinGroup group("BUTTON x 4 and CPU_RESET_n");
        group.Bus("BUTTON[%d]", kButton, 4, DIR_IN, IO_2V5);
        group.Pin("CPU_RESET_n", "BC37", DIR_IN, IO_2V5);
        group.AddTo(board);
    } else if (chips.AnyBlock()) {
        AddGroup(board, "CPU_RESET_n", {{"CPU_RESET_n", "BC37", DIR_IN, IO_2V5}});
    }
    if (Config.bSwitch) {
        TPinGroup group("SWITCH x 4");
        group.Bus("SW[%d]", kSwitch, 4, DIR_IN, IO_1V8);
        group.AddTo(board);
    }
    if (Config.bSeg7) AddSeg7(board);
    if (Config.bTemperature) {
        AddGroup(board, "Temperature",
                 {{"TEMP_CLK", "D21", DIR_OUT, IO_2V5},
                  {"TEMP_DATA", "D20", DIR_INOUT, IO_2V5},
                  {"TEMP_INT_n", "C21", DIR_IN, IO_2V5},
                  {"TEMP_OVERT_n", "C22", DIR_IN, IO_2V5}});
    }
    if (Config.bFan) {
        AddGroup(board, "Fan", {{"FAN_CTRL", "AR32", DIR_INOUT, IO_2V5}});
    }
    if (Config.bRs422) {
        AddGroup(board, "RS232",
                 {{"RS422_DE", "AG14", DIR_OUT, IO_2V5},
                  {"RS422_DIN", "AE18", DIR_IN, IO_2V5},
                  {"RS422_DOUT", "AE17", DIR_OUT, IO_2V5},
                  {"RS422_RE_n", "AF17", DIR_OUT, IO_2V5},
                  {"RS422_TE", "AF16", DIR_OUT, IO_2V5}});
    }
    if (Config.bPcie) AddPcie(board);
    if (Config.bFlash) {
        TPinGroup bus("Flash/MAX Address/Data Share Bus");
        bus.Bus(kFsmData);
        bus.Bus(kFsmAddress);
        bus.AddTo(board);
        AddGroup(board, "Flash Control",
                 {{"FLASH_ADV_n", "AK29", DIR_OUT, IO_2V5},
                  {"FLASH_CE_n[0]", "AE27", DIR_OUT, IO_2V5},
                  {"FLASH_CE_n[1]", "BA31", DIR_OUT, IO_2V5},
                  {"FLASH_CLK", "AL29", DIR_OUT, IO_2V5},
                  {"FLASH_OE_n", "AY30", DIR_OUT, IO_2V5},
                  {"FLASH_RDY_BSY_n[0]", "BA29", DIR_IN, IO_2V5},
                  {"FLASH_RDY_BSY_n[1]", "BB32", DIR_IN, IO_2V5},
                  {"FLASH_RESET_n", "AE28", DIR_OUT, IO_2V5},
                  {"FLASH_WE_n", "AR31", DIR_OUT, IO_2V5}});
    }
    if (Any(Config.bSata, 4)) AddSata(board, Config, CdcmExtPllFreqMHz(static_cast<uint8_t>(chips.Cdcm61004)));
    if (Any(Config.bDdr3, 2) || Any(Config.bQdr, 4)) {
        AddGroup(board, "RZQ",
                 {{"RZQ_0", "BA36", DIR_IN, IO_2V5},
                  {"RZQ_1", "AR8", DIR_IN, IO_1V8},
                  {"RZQ_4", "H9", DIR_IN, IO_1V5},
                  {"RZQ_5", "P35", DIR_IN, IO_1V5}});
    }
    for (int chip = 0; chip < 4; ++chip)
        if (Config.bQdr[chip]) AddQdr(board, chip);
    for (int socket = 0; socket < 2; ++socket)
        if (Config.bDdr3[socket]) AddSodimm(board, socket);
    for (int port = 0; port < 4; ++port)
        if (Config.bSfp[port]) AddSfpCage(board, static_cast<char>('A' + port), kSfp[port]);
    if (anySfp && chips.Si570Block) {
        TPinGroup group("SFP+ 10G Referece Clock and Programmalbe Oscillator Si570");
        group.ReferenceClock("SFP_REFCLK_p", "AK7", IO_HCSL, Si570FreqMHz(static_cast<uint8_t>(chips.Si570)), 5);
        group.Pins({{"CLOCK_SCL", "AE15", DIR_OUT, IO_2V5}, {"CLOCK_SDA", "AE16", DIR_INOUT, IO_2V5}});
        group.AddTo(board);
    }
    // The CDCM61001 serves the SFP+ cages at 1G, the CDCM61004 the SATA ports;
    // one two-wire bus programs both.
    const bool sfp1g = anySfp && chips.Cdcm61001 != 1;
    const bool sata = Any(Config.bSata, 4) && chips.Cdcm61004 != 1;
    if (sfp1g) {
        TPinGroup group("SFP+ 1G Referece Clock");
        group.ReferenceClock("SFP1G_REFCLK_p", "AH6", IO_HCSL, CdcmExtPllFreqMHz(static_cast<uint8_t>(chips.Cdcm61001)),
                             2);
        group.AddTo(board);
    }
    if (sfp1g || sata) {
        TPinGroup group(sfp1g && sata ? "Programmalbe Oscillator CDCM61001/CDCM61004 for SPF1G/SATA"
                        : sfp1g       ? "Programmalbe Oscillator CDCM61001 for SPF1G"
                                      : "Programmalbe Oscillator CDCM61004 for SATA");
        group.Pins({{"PLL_SCL", "AF32", DIR_OUT, IO_2V5}, {"PLL_SDA", "AG32", DIR_INOUT, IO_2V5}});
        group.AddTo(board);
    }
}
