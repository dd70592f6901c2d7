#include "boards/soc/CONFIG_WENDLEBURY.h"

#include <iterator>
#include <string>
#include <vector>

#include "boards/frame/ConfigFrame.h"
#include "model/DaughterBoard.h"
#include "model/Text.h"

namespace {

using WENDLEBURY_CONFIG = TConfigWendlebury::WENDLEBURY_CONFIG;

constexpr IoStandard LVTTL = IO_3V3_LVTTL;

const char* const kSw[] = {"AB30", "Y27", "AB28", "AC30", "W25", "V25", "AC28", "AD30", "AC29", "AA30"};
static_assert(std::size(kSw) == 10);
const char* const kLedr[] = {"AA24", "AB23", "AC23", "AD24", "AG25", "AF25", "AE24", "AF24", "AB22", "AC22"};
static_assert(std::size(kLedr) == 10);
const char* const kHex[6][7] = {
    {"W17", "V18", "AG17", "AG16", "AH17", "AG18", "AH18"},
    {"AF16", "V16", "AE16", "AD17", "AE18", "AE17", "V17"},
    {"AA21", "AB17", "AA18", "Y17", "Y18", "AF18", "W16"},
    {"Y19", "W19", "AD19", "AA20", "AC20", "AA19", "AD20"},
    {"AD21", "AG22", "AE22", "AE23", "AG23", "AF23", "AH22"},
    {"AF21", "AG21", "AF20", "AG20", "AE19", "AF19", "AB21"},
};
const char* const kDramAddr[] = {"AK14", "AH14", "AG15", "AE14", "AB15", "AC14", "AD14",
                                 "AF15", "AH15", "AG13", "AG12", "AH13", "AJ14"};
static_assert(std::size(kDramAddr) == 13);
const char* const kDramDq[] = {"AK6",  "AJ7",  "AK7", "AK8", "AK9", "AG10", "AK11", "AJ11",
                               "AH10", "AJ10", "AJ9", "AH9", "AH8", "AH7",  "AJ6",  "AJ5"};
static_assert(std::size(kDramDq) == 16);
const char* const kTdData[] = {"AG27", "AF28", "AE28", "AE27", "AE26", "AD27", "AD26", "AD25"};
static_assert(std::size(kTdData) == 8);
const char* const kVgaR[] = {"AK29", "AK28", "AK27", "AJ27", "AH27", "AF26", "AG26", "AJ26"};
static_assert(std::size(kVgaR) == 8);
const char* const kVgaG[] = {"AK26", "AJ25", "AH25", "AK24", "AJ24", "AH24", "AK23", "AH23"};
static_assert(std::size(kVgaG) == 8);
const char* const kVgaB[] = {"AJ21", "AJ20", "AH20", "AJ19", "AH19", "AJ17", "AJ16", "AK16"};
static_assert(std::size(kVgaB) == 8);

// GPIO header positions 1 to 40.
const char* const kGpio[] = {
    "W15",  "AK2",  "Y16", "AK3",  "AJ1",  "AJ2",  "AH2",  "AH3",  "AH4",  "AH5",   //  1..10
    kNoPin, kNoPin, "AG1", "AG2",  "AG3",  "AG5",  "AG6",  "AG7",  "AG8",  "AF4",   // 11..20
    "AF5",  "AF6",  "AF8", "AF9",  "AF10", "AE7",  "AE9",  "AE11", kNoPin, kNoPin,  // 21..30
    "AE12", "AD7",  "AD9", "AD10", "AD11", "AD12", "AC9",  "AC12", "AB12", "AA12",  // 31..40
};
static_assert(std::size(kGpio) == 40);

// HSMC connector positions 1 to 160.
#define X kNoPin
const char* const kHsmc[] = {
    X,      X,      X,      X,      X,      X,      X,      X,      X,      X,       //   1..10
    X,      X,      X,      X,      X,      X,      X,      X,      X,      X,       //  11..20
    X,      X,      X,      X,      X,      X,      X,      X,      X,      X,       //  21..30
    X,      X,      "AE29", "AA28", X,      X,      X,      X,      "AD29", "J14",   //  31..40
    "C10",  "H13",  "C9",   "H12",  X,      X,      "A9",   "G12",  "A8",   "G11",   //  41..50
    X,      X,      "E8",   "K12",  "D7",   "J12",  X,      X,      "G7",   "G10",   //  51..60
    "F6",   "F10",  X,      X,      "D6",   "J10",  "C5",   "J9",   X,      X,       //  61..70
    "D5",   "K7",   "C4",   "K8",   X,      X,      "E3",   "J7",   "E2",   "H7",    //  71..80
    X,      X,      "E4",   "H8",   "D4",   "G8",   X,      X,      "C3",   "F9",    //  81..90
    "B3",   "F8",   X,      X,      "E7",   "AA26", "E6",   "AB27", X,      X,       //  91..100
    "E1",   "F11",  "D1",   "E11",  X,      X,      "D2",   "B6",   "C2",   "B5",    // 101..110
    X,      X,      "B2",   "E9",   "B1",   "D9",   X,      X,      "A4",   "E12",   // 111..120
    "A3",   "D12",  X,      X,      "A6",   "D11",  "A5",   "D10",  X,      X,       // 121..130
    "C7",   "C13",  "B7",   "B12",  X,      X,      "C8",   "F13",  "B8",   "E13",   // 131..140
    X,      X,      "C12",  "H14",  "B11",  "G13",  X,      X,      "B13",  "F15",   // 141..150
    "A13",  "F14",  X,      X,      "A11",  "H15",  "A10",  "G15",  X,      X,       // 151..160
};
#undef X
static_assert(std::size(kHsmc) == 160);

void AddClock(TMainBoard* board, IoStandard bank)
{
    TPinGroup g("CLOCK");
    g.ReferenceClock("CLOCK_50", "AF14", LVTTL, 50, 6);
    g.ReferenceClock("CLOCK2_50", "AA16", LVTTL, 50, 6);
    g.ReferenceClock("CLOCK3_50", "Y26", bank, 50, 6);
    g.ReferenceClock("CLOCK4_50", "K14", bank, 50, 6);
    g.AddTo(board);
}

void AddKey(TMainBoard* board)
{
    TPinGroup g("KEY");
    g.Pins({{"KEY[0]", "AJ4", DIR_IN, LVTTL},
            {"KEY[1]", "AK4", DIR_IN, LVTTL},
            {"KEY[2]", "AA14", DIR_IN, LVTTL},
            {"KEY[3]", "AA15", DIR_IN, LVTTL}});
    g.AddTo(board);
}

void AddSw(TMainBoard* board, IoStandard bank)
{
    TPinGroup g("SW");
    g.Bus("SW[%d]", kSw, 10, DIR_IN, bank);
    g.AddTo(board);
}

void AddLed(TMainBoard* board)
{
    TPinGroup g("LED");
    g.Bus("LEDR[%d]", kLedr, 10, DIR_OUT, LVTTL);
    g.AddTo(board);
}

void AddSeg7(TMainBoard* board)
{
    TPinGroup g("Seg7");
    for (int digit = 0; digit < 6; ++digit)
        g.Bus(Format("HEX%d", digit) + "[%d]", kHex[digit], 7, DIR_OUT, LVTTL);
    g.AddTo(board);
}

void AddSdram(TMainBoard* board)
{
    TPinGroup g("SDRAM");
    g.Pins({{"DRAM_CLK", "AH12", DIR_OUT, LVTTL}, {"DRAM_CKE", "AK13", DIR_OUT, LVTTL}});
    g.Bus("DRAM_ADDR[%d]", kDramAddr, 13, DIR_OUT, LVTTL);
    g.Pins({{"DRAM_BA[0]", "AF13", DIR_OUT, LVTTL}, {"DRAM_BA[1]", "AJ12", DIR_OUT, LVTTL}});
    g.Bus("DRAM_DQ[%d]", kDramDq, 16, DIR_INOUT, LVTTL);
    g.Pins({{"DRAM_LDQM", "AB13", DIR_OUT, LVTTL},
            {"DRAM_UDQM", "AK12", DIR_OUT, LVTTL},
            {"DRAM_CS_N", "AG11", DIR_OUT, LVTTL},
            {"DRAM_WE_N", "AA13", DIR_OUT, LVTTL},
            {"DRAM_CAS_N", "AF11", DIR_OUT, LVTTL},
            {"DRAM_RAS_N", "AE13", DIR_OUT, LVTTL}});
    g.AddTo(board);
}

void AddVideoIn(TMainBoard* board)
{
    TPinGroup g("Video-In");
    g.Pins({{"TD_CLK27", "AC18", DIR_IN, LVTTL}, {"TD_HS", "AH28", DIR_IN, LVTTL}, {"TD_VS", "AG28", DIR_IN, LVTTL}});
    g.Bus("TD_DATA[%d]", kTdData, 8, DIR_IN, LVTTL);
    g.Pin("TD_RESET_N", "AC27", DIR_OUT, LVTTL);
    g.AddTo(board);
}

void AddVga(TMainBoard* board)
{
    TPinGroup g("VGA");
    g.Pins({{"VGA_CLK", "AK21", DIR_OUT, LVTTL}, {"VGA_HS", "AK19", DIR_OUT, LVTTL}, {"VGA_VS", "AK18", DIR_OUT, LVTTL}});
    g.Bus("VGA_R[%d]", kVgaR, 8, DIR_OUT, LVTTL);
    g.Bus("VGA_G[%d]", kVgaG, 8, DIR_OUT, LVTTL);
    g.Bus("VGA_B[%d]", kVgaB, 8, DIR_OUT, LVTTL);
    g.Pins({{"VGA_BLANK_N", "AK22", DIR_OUT, LVTTL}, {"VGA_SYNC_N", "AJ22", DIR_OUT, LVTTL}});
    g.AddTo(board);
}

void AddAudio(TMainBoard* board)
{
    TPinGroup g("Audio");
    g.Pins({{"AUD_BCLK", "AF30", DIR_INOUT, LVTTL},
            {"AUD_XCK", "AH30", DIR_OUT, LVTTL},
            {"AUD_ADCLRCK", "AH29", DIR_INOUT, LVTTL},
            {"AUD_ADCDAT", "AJ29", DIR_IN, LVTTL},
            {"AUD_DACLRCK", "AG30", DIR_INOUT, LVTTL},
            {"AUD_DACDAT", "AF29", DIR_OUT, LVTTL}});
    g.AddTo(board);
}

void AddPs2(TMainBoard* board)
{
    TPinGroup g("PS2");
    g.Pins({{"PS2_CLK", "AB25", DIR_INOUT, LVTTL},
            {"PS2_CLK2", "AC25", DIR_INOUT, LVTTL},
            {"PS2_DAT", "AA25", DIR_INOUT, LVTTL},
            {"PS2_DAT2", "AB26", DIR_INOUT, LVTTL}});
    g.AddTo(board);
}

void AddAdc(TMainBoard* board)
{
    TPinGroup g("ADC");
    g.Pins({{"ADC_SCLK", "W24", DIR_OUT, LVTTL},
            {"ADC_DOUT", "V23", DIR_IN, LVTTL},
            {"ADC_DIN", "W22", DIR_OUT, LVTTL},
            {"ADC_CONVST", "Y21", DIR_OUT, LVTTL}});
    g.AddTo(board);
}

void AddI2c(TMainBoard* board)
{
    TPinGroup g("I2C for Audio and Video-In");
    g.Pins({{"FPGA_I2C_SCLK", "Y24", DIR_OUT, LVTTL}, {"FPGA_I2C_SDAT", "Y23", DIR_INOUT, LVTTL}});
    g.AddTo(board);
}

// The hard processor's pins are placed by its own system: an I/O standard,
// no location.
void AddHps(TMainBoard* board)
{
    const char* const none = "";
    TPinGroup g("HPS");
    auto bus = [&](const char* format, int count, PinDirection direction, IoStandard standard) {
        for (int i = 0; i < count; ++i) g.Pin(Format(format, i), none, direction, standard);
    };
    auto pins = [&](std::initializer_list<const char*> names, PinDirection direction, IoStandard standard) {
        for (const char* name : names) g.Pin(name, none, direction, standard);
    };
    pins({"HPS_CONV_USB_N"}, DIR_INOUT, LVTTL);
    bus("HPS_DDR3_ADDR[%d]", 15, DIR_OUT, IO_SSTL15_I);
    bus("HPS_DDR3_BA[%d]", 3, DIR_OUT, IO_SSTL15_I);
    pins({"HPS_DDR3_CAS_N", "HPS_DDR3_CKE"}, DIR_OUT, IO_SSTL15_I);
    pins({"HPS_DDR3_CK_N", "HPS_DDR3_CK_P"}, DIR_OUT, IO_DIFF_1V5_SSTL_I);
    pins({"HPS_DDR3_CS_N"}, DIR_OUT, IO_SSTL15_I);
    bus("HPS_DDR3_DM[%d]", 4, DIR_OUT, IO_SSTL15_I);
    bus("HPS_DDR3_DQ[%d]", 32, DIR_INOUT, IO_SSTL15_I);
    bus("HPS_DDR3_DQS_N[%d]", 4, DIR_INOUT, IO_DIFF_1V5_SSTL_I);
    bus("HPS_DDR3_DQS_P[%d]", 4, DIR_INOUT, IO_DIFF_1V5_SSTL_I);
    pins({"HPS_DDR3_ODT", "HPS_DDR3_RAS_N", "HPS_DDR3_RESET_N"}, DIR_OUT, IO_SSTL15_I);
    pins({"HPS_DDR3_RZQ"}, DIR_IN, IO_SSTL15_I);
    pins({"HPS_DDR3_WE_N"}, DIR_OUT, IO_SSTL15_I);
    pins({"HPS_ENET_GTX_CLK"}, DIR_OUT, LVTTL);
    pins({"HPS_ENET_INT_N"}, DIR_INOUT, LVTTL);
    pins({"HPS_ENET_MDC"}, DIR_OUT, LVTTL);
    pins({"HPS_ENET_MDIO"}, DIR_INOUT, LVTTL);
    pins({"HPS_ENET_RX_CLK"}, DIR_IN, LVTTL);
    bus("HPS_ENET_RX_DATA[%d]", 4, DIR_IN, LVTTL);
    pins({"HPS_ENET_RX_DV"}, DIR_IN, LVTTL);
    bus("HPS_ENET_TX_DATA[%d]", 4, DIR_OUT, LVTTL);
    pins({"HPS_ENET_TX_EN"}, DIR_OUT, LVTTL);
    bus("HPS_FLASH_DATA[%d]", 4, DIR_INOUT, LVTTL);
    pins({"HPS_FLASH_DCLK", "HPS_FLASH_NCSO"}, DIR_OUT, LVTTL);
    pins({"HPS_GSENSOR_INT", "HPS_I2C1_SCLK", "HPS_I2C1_SDAT", "HPS_I2C2_SCLK", "HPS_I2C2_SDAT", "HPS_I2C_CONTROL",
          "HPS_KEY", "HPS_LCM_BK", "HPS_LCM_D_C", "HPS_LCM_RST_N"},
         DIR_INOUT, LVTTL);
    pins({"HPS_LCM_SPIM_CLK"}, DIR_OUT, LVTTL);
    pins({"HPS_LCM_SPIM_MISO"}, DIR_IN, LVTTL);
    pins({"HPS_LCM_SPIM_MOSI", "HPS_LCM_SPIM_SS"}, DIR_OUT, LVTTL);
    pins({"HPS_LED", "HPS_LTC_GPIO"}, DIR_INOUT, LVTTL);
    pins({"HPS_SD_CLK"}, DIR_OUT, LVTTL);
    pins({"HPS_SD_CMD"}, DIR_INOUT, LVTTL);
    bus("HPS_SD_DATA[%d]", 4, DIR_INOUT, LVTTL);
    pins({"HPS_SPIM_CLK"}, DIR_OUT, LVTTL);
    pins({"HPS_SPIM_MISO"}, DIR_IN, LVTTL);
    pins({"HPS_SPIM_MOSI", "HPS_SPIM_SS"}, DIR_OUT, LVTTL);
    pins({"HPS_UART_RX"}, DIR_IN, LVTTL);
    pins({"HPS_UART_TX"}, DIR_OUT, LVTTL);
    pins({"HPS_USB_CLKOUT"}, DIR_IN, LVTTL);
    bus("HPS_USB_DATA[%d]", 8, DIR_INOUT, LVTTL);
    pins({"HPS_USB_DIR", "HPS_USB_NXT"}, DIR_IN, LVTTL);
    pins({"HPS_USB_STP"}, DIR_OUT, LVTTL);
    g.AddTo(board);
}

void AddIr(TMainBoard* board)
{
    TPinGroup g("IR");
    g.Pins({{"IRDA_TXD", "W21", DIR_OUT, LVTTL}, {"IRDA_RXD", "W20", DIR_IN, LVTTL}});
    g.AddTo(board);
}

}  // namespace

IoStandard WendleburyHsmcIoStandard(int32_t nHsmcVoltage)
{
    switch (nHsmcVoltage) {
    case 0: return IO_3V3_LVTTL;
    case 2: return IO_1V8;
    case 3: return IO_1V5;
    }
    return IO_2V5;
}

void CONFIG_WENDLEBURY(TMainBoard* board, TConfigWendlebury* Config)
{
    board->m_pConfig = Config;
    const WENDLEBURY_CONFIG& record = Config->m_Config;
    board->m_WendleburyConfig.CopyFrom(record);
    board->m_BoardId = static_cast<MainBoardId>(record.BoardId);
    PL_ASSERT(record.BoardId == MAINBOARD_WENDLEBURY);
    PL_ASSERT(record.Size == sizeof(TConfigWendlebury::WENDLEBURY_CONFIG));

    board->ClearConnectors();
    SetDevice(board, {"Cyclone V", 896, "FBGA", "6", 0, "5CSXFC6D6F31C6"});

    // The banks shared with the HSMC connector follow its voltage while it
    // carries a card, else they stay at 2.5 V.
    const IoStandard bank = record.nHsmcDaughterId != 0 ? WendleburyHsmcIoStandard(record.nHsmcVoltage) : IoStandard(IO_2V5);

    if (record.bClock) AddClock(board, bank);
    if (record.bKey) AddKey(board);
    if (record.bSw) AddSw(board, bank);
    if (record.bLed) AddLed(board);
    if (record.bSeg7) AddSeg7(board);
    if (record.bSdram) AddSdram(board);
    if (record.bVideoIn) AddVideoIn(board);
    if (record.bVga) AddVga(board);
    if (record.bAudio) AddAudio(board);
    if (record.bPs2) AddPs2(board);
    if (record.bAdc) AddAdc(board);
    if (record.bAudio || record.bVideoIn) AddI2c(board);
    if (record.bHps) AddHps(board);
    if (record.bIr) AddIr(board);
    if (record.nGpioDaughterId != 0) {
        const std::string description =
            Format("GPIO connect to %s", GetCardDisplayName(record.nGpioDaughterId).c_str());
        AddMaster(board, "GPIO", description, CONNECTOR_GPIO40, WENDLEBURY_GPIO_MASTER_ID,
                  std::vector<const char*>(std::begin(kGpio), std::end(kGpio)));
    }
    if (record.nHsmcDaughterId != 0) {
        const std::string description =
            Format("HSMC connect to %s", GetCardDisplayName(record.nHsmcDaughterId).c_str());
        AddMaster(board, "HSMC", description, CONNECTOR_HSMC, WENDLEBURY_HSMC_MASTER_ID,
                  std::vector<const char*>(std::begin(kHsmc), std::end(kHsmc)));
    }
}
