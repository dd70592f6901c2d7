#include "boards/cyclone5_stratix5/CONFIG_HETHERMOOR.h"

#include "boards/frame/ConfigFrame.h"
#include "model/DaughterBoard.h"
#include "model/Text.h"

namespace {

constexpr TDevice kDevice = {"Cyclone V", 896, "FBGA", "8_H6", 0, "5CSXFC6D6F31C8ES"};

constexpr int32_t OSC_PERIOD_NS = 20;
constexpr int32_t HSMC_REFCLK_PERIOD_NS = 10;
constexpr int HSMC_POSITIONS = 160;
// The HSMC position whose pin is an input of the HSMC bank's standard.
constexpr int HSMC_FIXED_INPUT_POSITION = 40;

// The buses of which the board's data gives the first and the last ball.
constexpr TBusEnds kLed = {"LED[%d]", 4, "AF10", "AD7", DIR_OUT, IO_3V3_LVTTL};
constexpr TBusEnds kKey = {"KEY[%d]", 4, "AE9", "AD11", DIR_IN, IO_3V3_LVTTL};
constexpr TBusEnds kSwitch = {"SW[%d]", 4, "W25", "AC29", DIR_IN, IO_2V5};
constexpr TBusEnds kVgaRed = {"VGA_R[%d]", 8, "AG5", "AJ1", DIR_OUT, IO_3V3_LVTTL};
constexpr TBusEnds kVgaGreen = {"VGA_G[%d]", 8, "Y21", "AE27", DIR_OUT, IO_3V3_LVTTL};
constexpr TBusEnds kVgaBlue = {"VGA_B[%d]", 8, "AE28", "AF29", DIR_OUT, IO_3V3_LVTTL};
constexpr TBusEnds kDdr3Data = {"DDR3_DQ[%d]", 32, "AF18", "AK27", DIR_INOUT, IO_SSTL15_I};
constexpr TBusEnds kDdr3Address = {"DDR3_A[%d]", 15, "AJ14", "AG12", DIR_OUT, IO_SSTL15_I};

void AddSdram(TMainBoard* board)
{
    TPinGroup group("SDRAM");
    group.Pins({{"DDR3_CK_p", "AA14", DIR_OUT, IO_DIFF_1V5_SSTL_I}, {"DDR3_CK_n", "AA15", DIR_OUT, IO_DIFF_1V5_SSTL_I}});
    group.Pins({{"DDR3_DQS_p[0]", "V16", DIR_INOUT, IO_DIFF_1V5_SSTL_I},
                {"DDR3_DQS_n[0]", "W16", DIR_INOUT, IO_DIFF_1V5_SSTL_I},
                {"DDR3_DQS_p[1]", "V17", DIR_INOUT, IO_DIFF_1V5_SSTL_I},
                {"DDR3_DQS_n[1]", "W17", DIR_INOUT, IO_DIFF_1V5_SSTL_I},
                {"DDR3_DQS_p[2]", "Y17", DIR_INOUT, IO_DIFF_1V5_SSTL_I},
                {"DDR3_DQS_n[2]", "AA18", DIR_INOUT, IO_DIFF_1V5_SSTL_I},
                {"DDR3_DQS_p[3]", "AC20", DIR_INOUT, IO_DIFF_1V5_SSTL_I},
                {"DDR3_DQS_n[3]", "AD19", DIR_INOUT, IO_DIFF_1V5_SSTL_I}});
    group.Pins({{"DDR3_CKE", "AJ21", DIR_OUT, IO_SSTL15_I},
                {"DDR3_CS_n", "AB15", DIR_OUT, IO_SSTL15_I},
                {"DDR3_RESET_n", "AK21", DIR_OUT, IO_SSTL15_I},
                {"DDR3_WE_n", "AJ6", DIR_OUT, IO_SSTL15_I},
                {"DDR3_RAS_n", "AH8", DIR_OUT, IO_SSTL15_I},
                {"DDR3_CAS_n", "AH7", DIR_OUT, IO_SSTL15_I},
                {"DDR3_BA[0]", "AH10", DIR_OUT, IO_SSTL15_I},
                {"DDR3_BA[1]", "AJ11", DIR_OUT, IO_SSTL15_I},
                {"DDR3_BA[2]", "AK11", DIR_OUT, IO_SSTL15_I},
                {"DDR3_DM[0]", "AH17", DIR_OUT, IO_SSTL15_I},
                {"DDR3_DM[1]", "AG23", DIR_OUT, IO_SSTL15_I},
                {"DDR3_DM[2]", "AK23", DIR_OUT, IO_SSTL15_I},
                {"DDR3_DM[3]", "AJ27", DIR_OUT, IO_SSTL15_I},
                {"DDR3_ODT", "AE16", DIR_OUT, IO_SSTL15_I}});
    group.Pin("DDR3_RZQ", "AG17", DIR_IN, IO_1V5);
    group.Bus(kDdr3Data);
    group.Bus(kDdr3Address);
    group.AddTo(board);
}

// HSMC, positions 1 to 160.
void AddHsmc(TMainBoard* board, DaughterId card, IoStandard bankStandard)
{
    const auto locations = MasterLocations(HSMC_POSITIONS, HsmcPositionsWithoutPin(),
                                           {{1, "H4"},
                                            {2, "J2"},
                                            {33, "AE29"},
                                            {34, "AA28"},
                                            {39, "AD29"},
                                            {HSMC_FIXED_INPUT_POSITION, "J14"},
                                            {41, "C10"},
                                            {158, "G15"}});
    TConnector* master = AddMaster(board, "HSMC", Format("HSMC connect to %s", GetCardDisplayName(card).c_str()),
                                   CONNECTOR_HSMC, HETHERMOOR_HSMC_MASTER_ID, locations);
    FixMasterPosition(master, HSMC_FIXED_INPUT_POSITION, DIR_IN, bankStandard);
}

}  // namespace

void CONFIG_HETHERMOOR(TMainBoard* board, const HETHERMOOR_CONFIG* pConfig)
{
    const HETHERMOOR_CONFIG& Config = *pConfig;
    board->m_BoardId = MAINBOARD_HETHERMOOR;
    CHECK_RECORD_HEAD(Config, MAINBOARD_HETHERMOOR, HETHERMOOR_CONFIG);
    board->ClearConnectors();
    SetDevice(board, kDevice);

    const DaughterId card = Config.nHsmcDaughterId;
    if (Config.bClock) {
        TPinGroup group("CLOCK");
        group.Clock("OSC_50_B3B", "AF14", IO_1V5, OSC_PERIOD_NS);
        group.Clock("OSC_50_B4A", "AA16", IO_1V5, OSC_PERIOD_NS);
        group.Clock("OSC_50_B5B", "Y26", IO_2V5, OSC_PERIOD_NS);
        group.Clock("OSC_50_B8A", "K14", IO_2V5, OSC_PERIOD_NS);
        if (card != 0 && IsTransceiverCard(card))
            group.Clock("HSMC_REF_CLK_p", "P9", IO_HCSL, HSMC_REFCLK_PERIOD_NS);
        group.AddTo(board);
    }
    if (Config.bLed) {
        TPinGroup group("LED");
        group.Bus(kLed);
        group.AddTo(board);
    }
    if (Config.bButton) {
        TPinGroup group("KEY");
        group.Bus(kKey);
        group.Pin("RESET_n", "AD27", DIR_IN, IO_3V3_LVTTL);
        group.AddTo(board);
    }
    if (Config.bSwitch) {
        TPinGroup group("SW");
        group.Bus(kSwitch);
        group.AddTo(board);
    }
    if (Config.bSi5338) {
        AddGroup(board, "Si5338",
                 {{"SI5338_SCL", "AE26", DIR_OUT, IO_3V3_LVTTL}, {"SI5338_SDA", "AJ29", DIR_INOUT, IO_3V3_LVTTL}});
    }
    if (Config.bTemperature) {
        AddGroup(board, "Temperature",
                 {{"TEMP_CS_n", "AF8", DIR_OUT, IO_3V3_LVTTL},
                  {"TEMP_DIN", "AG7", DIR_OUT, IO_3V3_LVTTL},
                  {"TEMP_DOUT", "AG1", DIR_IN, IO_3V3_LVTTL},
                  {"TEMP_SCLK", "AF9", DIR_OUT, IO_3V3_LVTTL}});
    }
    if (Config.bVga) {
        TPinGroup group("VGA");
        group.Pins({{"VGA_HS", "AD12", DIR_OUT, IO_3V3_LVTTL},
                    {"VGA_VS", "AC12", DIR_OUT, IO_3V3_LVTTL},
                    {"VGA_SYNC_n", "AG2", DIR_OUT, IO_3V3_LVTTL},
                    {"VGA_CLK", "W20", DIR_OUT, IO_3V3_LVTTL},
                    {"VGA_BLANK_n", "AH3", DIR_OUT, IO_3V3_LVTTL}});
        group.Bus(kVgaRed);
        group.Bus(kVgaGreen);
        group.Bus(kVgaBlue);
        group.AddTo(board);
    }
    if (Config.bAudio) {
        AddGroup(board, "Audio",
                 {{"AUD_ADCLRCK", "AG30", DIR_INOUT, IO_3V3_LVTTL},
                  {"AUD_ADCDAT", "AC27", DIR_IN, IO_3V3_LVTTL},
                  {"AUD_DACLRCK", "AH4", DIR_INOUT, IO_3V3_LVTTL},
                  {"AUD_DACDAT", "AG3", DIR_OUT, IO_3V3_LVTTL},
                  {"AUD_XCK", "AC9", DIR_OUT, IO_3V3_LVTTL},
                  {"AUD_BCLK", "AE7", DIR_INOUT, IO_3V3_LVTTL},
                  {"AUD_MUTE", "AD26", DIR_OUT, IO_3V3_LVTTL}});
        AddGroup(board, std::string("I2C for ") + "Audio ",
                 {{"AUD_I2C_SCLK", "AH30", DIR_OUT, IO_3V3_LVTTL}, {"AUD_I2C_SDAT", "AF30", DIR_INOUT, IO_3V3_LVTTL}});
    }
    if (Config.bIr) {
        AddGroup(board, "IR Receiver", {{"IRDA_RXD", "AH2", DIR_IN, IO_3V3_LVTTL}});
    }
    if (Config.bDdr3) AddSdram(board);
    if (card != 0) AddHsmc(board, card, HethermoorHsmcVoltage(Config.nHsmcVoltage).Standard);
}
