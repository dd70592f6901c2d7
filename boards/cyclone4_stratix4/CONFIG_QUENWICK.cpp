#include "boards/cyclone4_stratix4/CONFIG_QUENWICK.h"

#include <iterator>

#include "boards/frame/ConfigFrame.h"
#include "model/DaughterBoard.h"
#include "model/Text.h"

namespace {

constexpr int HSMC_PIN_NUM = 160;
constexpr int FMC_PIN_NUM = 400;
constexpr int DDR3_PIN_NUM = 204;
constexpr int32_t CLOCK_PERIOD_NS = 20;

constexpr TDevice kDevice = {"Stratix IV", 1760, "FBGA", nullptr, 2, "EP4SE820F43C3"};

// The 50 MHz oscillators, OSC_50_BANK<entry + 1>, with their bank's standard.
struct TBankClock {
    const char* Ball;
    IoStandard Standard;
};
const TBankClock kOsc50[8] = {{kNoPin, IO_2V5},  {"AB41", IO_2V5}, {"AW22", IO_2V5}, {kNoPin, IO_1V8},
                              {kNoPin, IO_1V8},  {"C2", IO_2V5},   {"D21", IO_2V5},  {"B22", IO_1V5}};

const char* const kButton[4] = {"AD35", "AD36", "AD37", "AD38"};

// FSM_A[n] is entry n - 1; SSRAM alone uses FSM_A[1..20].
const char* const kFsmAddress[25] = {
    "U40",        kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall,
    kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall,
    kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall, "R36",        kUnknownBall,
    kUnknownBall, kUnknownBall, kUnknownBall, "U36",
};

// The HSMC connectors wire positions 33 to 158 but for the pairs without a
// pin. Five positions keep their own direction and standard.
struct THsmcEnds {
    const char* Ball33;
    const char* Ball34;
    const char* Ball40;
    const char* Ball96;
    const char* Ball98;
    const char* Ball158;
};
const THsmcEnds kHsmc[2] = {{"D20", "A19", "D22", "B21", "A21", "H18"},
                            {"D14", "A10", "C22", "AA41", "AA42", "AA40"}};

// The positive legs of the FMC pairs that the board wires (the negative leg
// is the next position): the LA, HA and HB pairs and the four clock pairs,
// 84 pairs from position 90 (C10) to 398 (K38). Position p is row
// "ABCDEFGHJK"[(p - 1) / 40], pin (p - 1) % 40 + 1.
const int kFmcPairs[84] = {
    90,  94,  98,  102, 106,                                     // C10 .. C26
    128, 131, 134, 137, 140, 143, 146,                           // D8 .. D26
    162, 166, 169, 172, 175, 178, 181, 184, 187, 190, 193, 196,  // E2 .. E36
    204, 207, 210, 213, 216, 219, 222, 225, 228, 231, 234, 237,  // F4 .. F37
    242, 246, 249, 252, 255, 258, 261, 264, 267, 270, 273, 276,  // G2 .. G36
    284, 287, 290, 293, 296, 299, 302, 305, 308, 311, 314, 317,  // H4 .. H37
    322, 326, 329, 332, 335, 338, 341, 344, 347, 350, 353, 356,  // J2 .. J36
    364, 367, 370, 373, 376, 379, 382, 385, 388, 391, 394, 397,  // K4 .. K37
};

// FMC-A .. FMC-D: the balls of positions 90 and 398.
const TGivenBall kFmcEnds[4][2] = {
    {{90, "G3"}, {398, "AB7"}},
    {{90, "AN12"}, {398, "AV22"}},
    {{90, "AR19"}, {398, "AP33"}},
    {{90, "AG35"}, {398, "E40"}},
};

std::vector<const char*> FmcLocations(int i)
{
    std::vector<const char*> locations(FMC_PIN_NUM, kNoPin);
    for (int p : kFmcPairs) locations[static_cast<size_t>(p - 1)] = locations[static_cast<size_t>(p)] = kUnknownBall;
    for (const TGivenBall& given : kFmcEnds[i]) {
        PL_ASSERT(locations[static_cast<size_t>(given.Position - 1)] != kNoPin);
        locations[static_cast<size_t>(given.Position - 1)] = given.Ball;
    }
    return locations;
}

void AddHsmc(TMainBoard* board, int i, DaughterId card)
{
    const char letter = static_cast<char>('A' + i);
    const THsmcEnds& e = kHsmc[i];
    const auto locations = MasterLocations(
        HSMC_PIN_NUM, HsmcPairsWithoutPin({{1, 32}, {35, 38}}),
        {{33, e.Ball33}, {34, e.Ball34}, {40, e.Ball40}, {96, e.Ball96}, {98, e.Ball98}, {158, e.Ball158}});
    const int nNum = static_cast<int>(locations.size());
    PL_ASSERT(nNum == 160);
    TConnector* master = AddMaster(board, Format("HSMC-%c", letter),
                                   Format("HSMC-%c connect to %s", letter, GetCardDisplayName(card).c_str()),
                                   CONNECTOR_HSMC, QUENWICK_HSMC_MASTER_ID + i, locations);
    FixMasterPosition(master, 33, PIN_DIR_BY_CARD, IO_2V5);
    FixMasterPosition(master, 34, PIN_DIR_BY_CARD, IO_2V5);
    FixMasterPosition(master, 40, DIR_IN, IO_1V5);
    FixMasterPosition(master, 96, DIR_IN, IO_STD_BY_CARD);
    FixMasterPosition(master, 98, DIR_IN, IO_STD_BY_CARD);
}

}  // namespace

void CONFIG_QUENWICK(TMainBoard* board, const QUENWICK_CONFIG* pConfig)
{
    const QUENWICK_CONFIG& Config = *pConfig;
    board->m_BoardId = static_cast<MainBoardId>(Config.BoardId);
    CHECK_RECORD_HEAD(Config, MAINBOARD_QUENWICK, QUENWICK_CONFIG);
    board->ClearConnectors();
    SetDevice(board, kDevice);

    if (Config.bClock) {
        TPinGroup group("CLOCK");
        const int nNum = static_cast<int>(std::size(kOsc50));
        PL_ASSERT(nNum == 8);
        for (int n = 0; n < nNum; ++n)
            if (kOsc50[n].Ball != kNoPin)
                group.Clock(Format("OSC_50_BANK%d", n + 1), kOsc50[n].Ball, kOsc50[n].Standard, CLOCK_PERIOD_NS);
        group.AddTo(board);
    }
    if (Config.bSma) {
        TPinGroup group("SMA");
        group.Pins({{"SMA_CLKIN_p", "AB4", DIR_IN, IO_2V5},
                    {"SMA_CLKIN_n", "AB3", DIR_IN, IO_2V5},
                    {"SMA_CLKOUT_p", "F21", DIR_OUT, IO_2V5},
                    {"SMA_CLKOUT_n", "E21", DIR_OUT, IO_2V5}});
        group.AddTo(board);
    }
    if (Config.bLed) {
        TPinGroup group("LED x 8");
        group.Bus({"LED[%d]", 8, "N37", "L40", DIR_OUT, IO_2V5});
        group.AddTo(board);
    }
    if (Config.bButton) {
        TPinGroup group("BUTTON x 4 and CPU_RESET_n");
        group.Bus("BUTTON[%d]", kButton, 4, DIR_IN, IO_2V5);
        group.Pin("CPU_RESET_n", "W39", DIR_IN, IO_2V5);
        group.AddTo(board);
    }
    if (Config.bSwitch) {
        TPinGroup group("SLIDE SWITCH x 8");
        group.Bus({"SW[%d]", 8, "AD32", "AE37", DIR_IN, IO_2V5});
        group.AddTo(board);
    }
    if (Config.bSeg7) {
        TPinGroup group("I2C 7-Segment");
        group.Pins({{"MAX2_CS_n", "W40", DIR_OUT, IO_2V5},
                    {"MAX2_I2C_SCL", "Y30", DIR_OUT, IO_2V5},
                    {"MAX2_I2C_SDA", "W38", DIR_INOUT, IO_2V5}});
        group.AddTo(board);
    }
    if (Config.bTemp) {
        TPinGroup group("Temperature (Addresss 0011000b)");
        group.Pins({{"TEMP_CLK", "M30", DIR_OUT, IO_1V5},
                    {"TEMP_DATA", "G23", DIR_INOUT, IO_1V5},
                    {"TEMP_INT_n", "G32", DIR_IN, IO_1V5},
                    {"TEMP_OVERT_n", "C25", DIR_IN, IO_1V5}});
        group.AddTo(board);
    }
    if (Config.bFan) {
        TPinGroup group("Fan");
        group.Pins({{"FAN_CTRL", "G24", DIR_OUT, IO_1V5}, {"FAN_SPEED", "A23", DIR_IN, IO_1V5}});
        group.AddTo(board);
    }
    if (Config.bFlash || Config.bSsram) {
        TPinGroup group("Flash and SSRAM Address/Data Share Bus");
        group.Bus({"FSM_D[%d]", 16, "M42", "N40", DIR_INOUT, IO_2V5});
        const int nNum = static_cast<int>(std::size(kFsmAddress));
        PL_ASSERT(nNum == 25);
        for (int n = 1; n <= (Config.bFlash ? 25 : 20); ++n)
            group.Pin(Format("FSM_A[%d]", n), kFsmAddress[n - 1], DIR_OUT, IO_2V5);
        group.AddTo(board);
    }
    if (Config.bFlash) {
        TPinGroup group("Flash Control");
        group.Pins({{"FLASH_RDY_BSY_n", "Y36", DIR_IN, IO_2V5},
                    {"FLASH_CLK", "V34", DIR_OUT, IO_2V5},
                    {"FLASH_RESET_n", "AA37", DIR_OUT, IO_2V5},
                    {"FLASH_OE_n", "W33", DIR_OUT, IO_2V5},
                    {"FLASH_WE_n", "AA32", DIR_OUT, IO_2V5},
                    {"FLASH_ADV_n", "W34", DIR_OUT, IO_2V5},
                    {"FLASH_CE_n", "W37", DIR_OUT, IO_2V5},
                    {"FLASH_WP_n", "AA36", DIR_OUT, IO_2V5}});
        group.AddTo(board);
    }
    if (Config.bSsram) {
        TPinGroup group("SSRAM Control");
        group.Pins({{"SSRAM_BWA_n", "AA31", DIR_OUT, IO_2V5},
                    {"SSRAM_BWB_n", "V31", DIR_OUT, IO_2V5},
                    {"SSRAM_CLK", "U31", DIR_OUT, IO_2V5},
                    {"SSRAM_OE_n", "W31", DIR_OUT, IO_2V5},
                    {"SSRAM_WE_n", "W30", DIR_OUT, IO_2V5},
                    {"SSRAM_GW_n", "V32", DIR_OUT, IO_2V5},
                    {"SSRAM_CE1_n", "T31", DIR_OUT, IO_2V5},
                    {"SSRAM_ADSC_n", "U33", DIR_OUT, IO_2V5},
                    {"SSRAM_ADSP_n", "V33", DIR_OUT, IO_2V5},
                    {"SSRAM_ADV_n", "T33", DIR_OUT, IO_2V5},
                    {"SSRAM_MODE", "U30", DIR_OUT, IO_2V5},
                    {"SSRAM_ZZ", "T32", DIR_OUT, IO_2V5}});
        group.AddTo(board);
    }

    if (Config.bDdr3) {
        const auto locations =
            MasterLocations(DDR3_PIN_NUM, Ddr3SodimmPositionsWithoutPin(), {{4, "C28"}, {202, "C23"}});
        const int nNum = static_cast<int>(locations.size());
        PL_ASSERT(nNum == 204);
        AddMaster(board, "DDR3 SODIMM", "", CONNECTOR_DDR3_SODIMM, QUENWICK_DDR3_MASTER_ID, locations);
        TPinGroup group("OCT RUP/RDN for Altera DDR3 NewPHY Controller");
        group.Pins({{"mem_oct_rdn", "J32", DIR_IN, IO_1V5}, {"mem_oct_rup", "K32", DIR_IN, IO_1V5}});
        group.AddTo(board);
    }
    for (int i = 0; i < 2; ++i)
        if (Config.nHsmcDaughterId[i]) AddHsmc(board, i, Config.nHsmcDaughterId[i]);
    for (int i = 0; i < 4; ++i) {
        const DaughterId card = Config.nFmcDaughterId[i];
        if (!card) continue;
        const char letter = static_cast<char>('A' + i);
        const auto locations = FmcLocations(i);
        const int nNum = static_cast<int>(locations.size());
        PL_ASSERT(nNum == 400);
        AddMaster(board, Format("FMC-%c", letter),
                  Format("FMC-%c connect to %s", letter, GetCardDisplayName(card).c_str()), CONNECTOR_FMC_HPC,
                  QUENWICK_FMC_MASTER_ID + i, locations);
    }
    const bool fmcAB = Config.nFmcDaughterId[0] || Config.nFmcDaughterId[1];
    const bool fmcCD = Config.nFmcDaughterId[2] || Config.nFmcDaughterId[3];
    if (fmcAB || fmcCD) {
        TPinGroup group("FMC I2C");
        if (fmcAB) group.Pins({{"FMAB_CLK", "AD30", DIR_OUT, IO_2V5}, {"FMAB_SDA", "AG38", DIR_INOUT, IO_2V5}});
        if (fmcCD) group.Pins({{"FMCD_CLK", "AG37", DIR_OUT, IO_2V5}, {"FMCD_SDA", "AD31", DIR_INOUT, IO_2V5}});
        group.AddTo(board);
    }
}
