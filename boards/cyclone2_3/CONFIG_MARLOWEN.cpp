#include "boards/cyclone2_3/CONFIG_MARLOWEN.h"

#include "boards/frame/ConfigFrame.h"
#include "model/Text.h"

namespace {

constexpr TDevice kDevice = {"Cyclone III", 324, "FBGA", "", 6, "EP3C25F324C6"};
constexpr int32_t OSC_PERIOD_NS = 20;
constexpr int HSMC_POSITIONS = 160;

// The HSMC positions without an FPGA pin: 1 to 32, and from 41 on the last
// two of every six (45-46, 51-52, ... 159-160).
std::vector<TPositionRange> HsmcWithoutPin() { return HsmcPairsWithoutPin({{1, 32}}); }

}  // namespace

void CONFIG_MARLOWEN(TMainBoard* board, const MARLOWEN_CONFIG* pConfig)
{
    const MARLOWEN_CONFIG& Config = *pConfig;
    board->m_BoardId = MAINBOARD_MARLOWEN;
    CHECK_RECORD_HEAD(Config, MAINBOARD_MARLOWEN, MARLOWEN_CONFIG);
    board->ClearConnectors();
    SetDevice(board, kDevice);

    if (Config.bCLOCK) {
        TPinGroup group("CLOCK");
        group.Clock("OSC_CLK", "V9", IO_2V5, OSC_PERIOD_NS);
        group.AddTo(board);
    }
    if (Config.bLED) {
        TPinGroup group("LED");
        group.Bus("LED[%d]", 4, {{0, "P13"}}, DIR_OUT, IO_2V5);
        group.AddTo(board);
    }
    if (Config.bBUTTON) {
        TPinGroup group("KEY");
        group.Pin("CPU_RESET_N", "N2", DIR_IN, IO_2V5);
        group.Bus("KEY[%d]", 4, {{0, "F1"}}, DIR_IN, IO_2V5);
        group.AddTo(board);
    }
    if (Config.bSDRAM) {
        TPinGroup group("DDR SDRAM");
        group.Pins({{"DDR_CLK", "U2", DIR_INOUT, IO_SSTL2_I},
                    {"DDR_CLK_N", "V2", DIR_INOUT, IO_SSTL2_I},
                    {"DDR_CS_N", kUnknownBall, DIR_OUT, IO_2V5},
                    {"DDR_CKE", kUnknownBall, DIR_OUT, IO_2V5}});
        group.Bus("DDR_ADDR[%d]", 13, {}, DIR_OUT, IO_SSTL2_I);
        group.Bus("DDR_BA[%d]", 2, {}, DIR_OUT, IO_SSTL2_I);
        group.Pins({{"DDR_RAS_N", kUnknownBall, DIR_OUT, IO_SSTL2_I},
                    {"DDR_CAS_N", kUnknownBall, DIR_OUT, IO_SSTL2_I},
                    {"DDR_WE_N", kUnknownBall, DIR_OUT, IO_SSTL2_I}});
        group.Bus("DDR_DQ[%d]", 16, {}, DIR_INOUT, IO_SSTL2_I);
        group.Bus("DDR_DQS[%d]", 2, {{0, "U3"}}, DIR_INOUT, IO_SSTL2_I);
        group.Bus("DDR_DM[%d]", 2, {}, DIR_OUT, IO_SSTL2_I);
        group.AddTo(board);
    }
    if (Config.bFLASHSSRAM) {
        TPinGroup group("FLASH and SSRAM");
        // FLASH_SRAM_A[1] .. FLASH_SRAM_A[25]: the address has no bit 0.
        group.Pin("FLASH_SRAM_A[1]", "E12", DIR_OUT, IO_2V5);
        for (int n = 2; n <= 25; ++n) group.Pin(Format("FLASH_SRAM_A[%d]", n), kUnknownBall, DIR_OUT, IO_2V5);
        group.Bus("FLASH_SRAM_DQ[%d]", 32, {{0, "H3"}}, DIR_INOUT, IO_2V5);
        group.Pins({{"SRAM_OE_N", kUnknownBall, DIR_OUT, IO_2V5},
                    {"SRAM_CE_N", kUnknownBall, DIR_OUT, IO_2V5},
                    {"SRAM_WE_N", kUnknownBall, DIR_OUT, IO_2V5}});
        group.Bus("SRAM_BE_N[%d]", 4, {}, DIR_OUT, IO_2V5);
        group.Pins({{"SRAM_ADSC_N", kUnknownBall, DIR_OUT, IO_2V5}, {"SRAM_CLK", "A2", DIR_OUT, IO_2V5}});
        group.AddTo(board);
    }

    if (Config.nHsmcDaughterId > 0)
        AddMaster(board, "HSMC", CardDescription("HSMC", Config.nHsmcDaughterId), CONNECTOR_HSMC,
                  MARLOWEN_HSMC_MASTER,
                  MasterLocations(HSMC_POSITIONS, HsmcWithoutPin(),
                                  {{33, "E1"},
                                   {34, "F3"},
                                   {39, "A1"},
                                   {40, "A9"},
                                   {41, "H6"},
                                   {47, "T1"},
                                   {115, "E18"},
                                   {155, "U18"},
                                   {158, "N18"}}));
}
