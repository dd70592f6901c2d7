#include "boards/cyclone4_stratix4/CONFIG_BRISTANE.h"

#include "boards/frame/ConfigFrame.h"
#include "model/DaughterBoard.h"
#include "model/Text.h"

namespace {

constexpr int GPIO_PIN_NUM = 40;
constexpr int32_t CLOCK_PERIOD_NS = 20;

constexpr TDevice kDevice = {"Cyclone IV E", 256, "FBGA", nullptr, 6, "EP4CE22F17C6"};

constexpr IoStandard LVTTL = IO_3V3_LVTTL;
constexpr const char* U = kUnknownBall;

// GPIO_0 and GPIO_1: the balls of positions 1, 3 and 40.
const TGivenBall kGpioGiven[2][3] = {{{1, "A8"}, {3, "B8"}, {40, "B12"}}, {{1, "T9"}, {3, "R9"}, {40, "J14"}}};

// GPIO_2[0..12] of the 2x13 header; the board's data gives members 0, 9, 12.
const char* const kGpio2[13] = {"A14", U, U, U, U, U, U, U, U, "F16", U, U, "G15"};
const char* const kGpio2In[3] = {"E15", U, "M16"};

}  // namespace

void CONFIG_BRISTANE(TMainBoard* board, const BRISTANE_CONFIG* pConfig)
{
    const BRISTANE_CONFIG& Config = *pConfig;
    board->m_BoardId = MAINBOARD_BRISTANE;
    CHECK_RECORD_HEAD(Config, MAINBOARD_BRISTANE, BRISTANE_CONFIG);
    board->ClearConnectors();
    SetDevice(board, kDevice);

    if (Config.bClock) {
        TPinGroup group("CLOCK");
        group.Clock("CLOCK_50", "R8", LVTTL, CLOCK_PERIOD_NS);
        group.AddTo(board);
    }
    if (Config.bLed) {
        TPinGroup group("LED");
        group.Bus({"LED[%d]", 8, "A15", "L3", DIR_OUT, LVTTL});
        group.AddTo(board);
    }
    if (Config.bButton) {
        TPinGroup group("KEY");
        group.Bus({"KEY[%d]", 2, "J15", "E1", DIR_IN, LVTTL});
        group.AddTo(board);
    }
    if (Config.bSwitch) {
        TPinGroup group("SW");
        group.Bus({"SW[%d]", 4, "M1", "M15", DIR_IN, LVTTL});
        group.AddTo(board);
    }
    if (Config.bSdram) {
        TPinGroup group("SDRAM");
        group.Pins({{"DRAM_BA[0]", U, DIR_OUT, LVTTL},
                    {"DRAM_BA[1]", U, DIR_OUT, LVTTL},
                    {"DRAM_DQM[0]", U, DIR_OUT, LVTTL},
                    {"DRAM_DQM[1]", U, DIR_OUT, LVTTL},
                    {"DRAM_RAS_N", U, DIR_OUT, LVTTL},
                    {"DRAM_CAS_N", U, DIR_OUT, LVTTL},
                    {"DRAM_CKE", U, DIR_OUT, LVTTL},
                    {"DRAM_CLK", U, DIR_OUT, LVTTL},
                    {"DRAM_WE_N", U, DIR_OUT, LVTTL},
                    {"DRAM_CS_N", U, DIR_OUT, LVTTL}});
        group.Bus({"DRAM_DQ[%d]", 16, "G2", "K1", DIR_INOUT, LVTTL});
        group.Bus({"DRAM_ADDR[%d]", 13, "P2", "L4", DIR_OUT, LVTTL});
        group.AddTo(board);
    }
    if (Config.bEpcs) {
        TPinGroup group("EPCS");
        group.Pins({{"EPCS_DATA0", U, DIR_IN, LVTTL},
                    {"EPCS_DCLK", U, DIR_OUT, LVTTL},
                    {"EPCS_NCSO", U, DIR_OUT, LVTTL},
                    {"EPCS_ASDO", "C1", DIR_OUT, LVTTL}});
        group.AddTo(board);
    }
    if (Config.bAccelerometer || Config.bEeprom) {
        TPinGroup group(Config.bAccelerometer && Config.bEeprom ? "Accelerometer and EEPROM"
                        : Config.bAccelerometer                ? "Accelerometer"
                                                               : "EEPROM");
        group.Pins({{"I2C_SCLK", U, DIR_OUT, LVTTL}, {"I2C_SDAT", U, DIR_INOUT, LVTTL}});
        if (Config.bAccelerometer)
            group.Pins({{"G_SENSOR_CS_N", U, DIR_OUT, LVTTL}, {"G_SENSOR_INT", U, DIR_IN, LVTTL}});
        group.AddTo(board);
    }
    if (Config.bAdc) {
        TPinGroup group("ADC");
        group.Pins({{"ADC_CS_N", U, DIR_OUT, LVTTL},
                    {"ADC_SADDR", U, DIR_OUT, LVTTL},
                    {"ADC_SCLK", U, DIR_OUT, LVTTL},
                    {"ADC_SDAT", U, DIR_IN, LVTTL}});
        group.AddTo(board);
    }
    if (Config.bHeader) {
        TPinGroup group("2x13 GPIO Header");
        group.Bus("GPIO_2[%d]", kGpio2, 13, DIR_INOUT, LVTTL);
        group.Bus("GPIO_2_IN[%d]", kGpio2In, 3, DIR_IN, LVTTL);
        group.AddTo(board);
    }
    for (int h = 0; h < 2; ++h) {
        const DaughterId card = Config.nGpioDaughterId[h];
        if (!card) continue;
        const TGivenBall* given = kGpioGiven[h];
        const auto locations =
            MasterLocations(GPIO_PIN_NUM, GpioHeaderPositionsWithoutPin(), {given[0], given[1], given[2]});
        const int nNum = static_cast<int>(locations.size());
        PL_ASSERT(nNum == GPIO_PIN_NUM);
        TConnector* master = AddMaster(board, Format("GPIO_%d", h),
                                       Format("GPIO_%d connect to %s", h, GetCardDisplayName(card).c_str()),
                                       CONNECTOR_GPIO40, BRISTANE_GPIO_MASTER_ID + h, locations);
        // Positions 1 and 3 are inputs whatever the card says; their
        // standard still comes from the card.
        FixMasterPosition(master, 1, DIR_IN, IO_STD_BY_CARD);
        FixMasterPosition(master, 3, DIR_IN, IO_STD_BY_CARD);
    }
}
