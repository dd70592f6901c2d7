#include "boards/soc/CONFIG_LANTERBY.h"

#include <iterator>
#include <string>

#include "boards/frame/ConfigFrame.h"
#include "model/Text.h"
#include "model/DaughterBoard.h"

namespace {

constexpr IoStandard V1_5 = 0;            // "1.5 V"
constexpr IoStandard V2_5 = 6;            // "2.5 V"
constexpr IoStandard LVTTL = 8;           // "3.3-V LVTTL"
constexpr IoStandard DIFF_SSTL15_I = 12;  // "Differential 1.5-V SSTL Class I"
constexpr IoStandard SSTL15_I = 29;       // "SSTL-15 Class I"
constexpr IoStandard SCHMITT_1V5 = 47;    // "1.5 V Schmitt Trigger"

const char* const kKey[] = {"T22", "U22", "AA22", "AA21", "R22"};
static_assert(std::size(kKey) == 5);
const char* const kSw[] = {"N22", "M22", "N21", "L22", "J22", "H22", "J21", "C21", "G19", "H21"};
static_assert(std::size(kSw) == 10);
const char* const kLedr[] = {"C2", "B3", "A3", "C3", "A4", "B4", "C4", "B5", "C5", "D5"};
static_assert(std::size(kLedr) == 10);
const char* const kHex0[] = {"D6", "A5", "C6", "A6", "F7", "D7", "B7"};
static_assert(std::size(kHex0) == 7);
const char* const kHex1[] = {"C7", "C8", "D8", "D10", "E10", "H11", "E6"};
static_assert(std::size(kHex1) == 7);
const char* const kDdr3A[] = {"U20", "F19", "V20", "G20", "F22", "E20", "E21", "Y20",
                              "C22", "D22", "J14", "E22", "G22", "D19", "C20"};
static_assert(std::size(kDdr3A) == 15);
const char* const kDdr3Dm[] = {"J15", "N19", "T18"};
static_assert(std::size(kDdr3Dm) == 3);
const char* const kDdr3Dq[] = {"J18", "H19", "K20", "H18", "K18", "H20", "K19", "J20", "L18", "M18", "M14", "N20",
                               "L20", "M20", "M15", "L19", "T19", "R20", "R15", "P15", "P19", "P14", "R14", "P20"};
static_assert(std::size(kDdr3Dq) == 24);
const char* const kDdr3DqsP[] = {"K14", "L14", "R18"};
static_assert(std::size(kDdr3DqsP) == 3);
const char* const kFlashData[] = {"AB18", "AA19", "AB19", "AA20"};
static_assert(std::size(kFlashData) == 4);
const char* const kHdmiRxD[] = {"AA9", "AB9", "Y10", "AA10", "AB10", "Y11", "AA11", "AB11",
                                "Y14", "AB15", "AA15", "W14", "V14", "V15", "U15", "AB14",
                                "AA14", "AB13", "Y13", "AB12", "AA12", "W13", "W12", "V13"};
static_assert(std::size(kHdmiRxD) == 24);
const char* const kMipiPixelD[] = {"U6", "W5", "V7", "V5", "W4", "V4", "W3", "W6", "W7", "Y3", "Y4", "Y5",
                                   "AB3", "AB4", "AA5", "AB5", "AB7", "Y8", "AA8", "AA7", "Y7", "AB6", "AA6", "Y6"};
static_assert(std::size(kMipiPixelD) == 24);
const char* const kTamsilB[] = {"P4", "P5", "N3", "P8", "N4", "N8", "N9", "M8"};
static_assert(std::size(kTamsilB) == 8);
const char* const kTamsilG[] = {"T5", "T6", "R1", "R2", "R4", "P1", "R5", "R7"};
static_assert(std::size(kTamsilG) == 8);
const char* const kTamsilR[] = {"U5", "U4", "U3", "W2", "U2", "V1", "T2", "T1"};
static_assert(std::size(kTamsilR) == 8);
const char* const kNetRxD[] = {"A10", "B10", "A11", "B11"};
static_assert(std::size(kNetRxD) == 4);
const char* const kNetTxD[] = {"A12", "B12", "A13", "A14"};
static_assert(std::size(kNetTxD) == 4);
const char* const kSdData[] = {"A17", "A18", "B17", "C17"};
static_assert(std::size(kSdData) == 4);
// The 2x6 header, positions 1 to 8.
const char* const kYarvel[] = {"Y17", "AA17", "V16", "W15", "AB16", "AA16", "Y16", "W16"};
static_assert(std::size(kYarvel) == 8);

void AddClock(TMainBoard* board)
{
    TPinGroup g("CLOCK");
    g.ReferenceClock("ADC_CLK_10", "M9", LVTTL, 10.0, 1);
    g.ReferenceClock("MAX10_CLK1_50", "N5", LVTTL, 50.0, 1);
    g.ReferenceClock("MAX10_CLK2_50", "V9", LVTTL, 50.0, 1);
    g.ReferenceClock("MAX10_CLK3_50", "N14", V1_5, 50.0, 1);
    g.AddTo(board);
}

void AddKey(TMainBoard* board)
{
    TPinGroup g("KEY");
    g.Bus("KEY[%d]", kKey, 5, DIR_IN, SCHMITT_1V5);
    g.Pin("FPGA_RESET_n", "D9", DIR_IN, LVTTL);
    g.AddTo(board);
}

void AddSw(TMainBoard* board)
{
    TPinGroup g("SW");
    g.Bus("SW[%d]", kSw, 10, DIR_IN, V1_5);
    g.AddTo(board);
}

void AddLedr(TMainBoard* board)
{
    TPinGroup g("LEDR");
    g.Bus("LEDR[%d]", kLedr, 10, DIR_OUT, LVTTL);
    g.AddTo(board);
}

void AddHex(TMainBoard* board)
{
    TPinGroup g("HEX");
    g.Bus("HEX0[%d]", kHex0, 7, DIR_OUT, LVTTL);
    g.Bus("HEX1[%d]", kHex1, 7, DIR_OUT, LVTTL);
    g.AddTo(board);
}

void AddAudio(TMainBoard* board)
{
    TPinGroup g("Audio");
    g.Pin("AUDIO_BCLK", "J12", DIR_INOUT, V2_5);
    g.Pin("AUDIO_DIN_MFP1", "J13", DIR_OUT, V2_5);
    g.Pin("AUDIO_DOUT_MFP2", "H13", DIR_IN, V2_5);
    g.Pin("AUDIO_GPIO_MFP5", "D14", DIR_INOUT, V2_5);
    g.Pin("AUDIO_MCLK", "J11", DIR_OUT, V2_5);
    g.Pin("AUDIO_MISO_MFP4", "E13", DIR_IN, V2_5);
    g.Pin("AUDIO_RESET_n", "D13", DIR_INOUT, V2_5);
    g.Pin("AUDIO_SCLK_MFP3", "H14", DIR_OUT, V2_5);
    g.Pin("AUDIO_SCL_SS_n", "F15", DIR_OUT, V2_5);
    g.Pin("AUDIO_SDA_MOSI", "F16", DIR_INOUT, V2_5);
    g.Pin("AUDIO_SPI_SELECT", "E14", DIR_OUT, V2_5);
    g.Pin("AUDIO_WCLK", "H12", DIR_INOUT, V2_5);
    g.AddTo(board);
}

void AddDac(TMainBoard* board)
{
    TPinGroup g("DAC");
    g.Pin("DAC_DATA", "A2", DIR_INOUT, LVTTL);
    g.Pin("DAC_SCLK", "B1", DIR_OUT, LVTTL);
    g.Pin("DAC_SYNC_n", "B2", DIR_OUT, LVTTL);
    g.AddTo(board);
}

void AddDdr3(TMainBoard* board)
{
    TPinGroup g("DDR3 SDRAM");
    g.Bus("DDR3_A[%d]", kDdr3A, 15, DIR_OUT, SSTL15_I);
    g.Pin("DDR3_BA[0]", "W22", DIR_OUT, SSTL15_I);
    g.Pin("DDR3_BA[1]", "Y21", DIR_OUT, SSTL15_I);
    g.Pin("DDR3_BA[2]", "Y22", DIR_OUT, SSTL15_I);
    g.Pin("DDR3_CAS_n", "U19", DIR_OUT, SSTL15_I);
    g.Pin("DDR3_CKE", "V18", DIR_OUT, SSTL15_I);
    g.Pin("DDR3_CK_n", "E18", DIR_INOUT, DIFF_SSTL15_I);
    g.Pin("DDR3_CK_p", "D18", DIR_INOUT, DIFF_SSTL15_I);
    g.Pin("DDR3_CS_n", "W20", DIR_OUT, SSTL15_I);
    g.Bus("DDR3_DM[%d]", kDdr3Dm, 3, DIR_OUT, SSTL15_I);
    g.Bus("DDR3_DQ[%d]", kDdr3Dq, 24, DIR_INOUT, SSTL15_I);
    for (int i = 0; i < 3; ++i) g.Pin(Format("DDR3_DQS_n[%d]", i), "", DIR_INOUT, DIFF_SSTL15_I);
    g.Bus("DDR3_DQS_p[%d]", kDdr3DqsP, 3, DIR_INOUT, DIFF_SSTL15_I);
    g.Pin("DDR3_ODT", "V22", DIR_OUT, SSTL15_I);
    g.Pin("DDR3_RAS_n", "N18", DIR_OUT, SSTL15_I);
    g.Pin("DDR3_RESET_n", "B22", DIR_OUT, SSTL15_I);
    g.Pin("DDR3_WE_n", "W19", DIR_OUT, SSTL15_I);
    g.AddTo(board);
}

void AddQspiFlash(TMainBoard* board)
{
    TPinGroup g("QSPI Flash");
    g.Bus("FLASH_DATA[%d]", kFlashData, 4, DIR_INOUT, LVTTL);
    g.Pin("FLASH_DCLK", "AB17", DIR_OUT, LVTTL);
    g.Pin("FLASH_NCSO", "AB21", DIR_OUT, LVTTL);
    g.Pin("FLASH_RESET_n", "AB20", DIR_OUT, LVTTL);
    g.AddTo(board);
}

void AddGSensor(TMainBoard* board)
{
    TPinGroup g("G-Sensor");
    g.Pin("GSENSOR_CS_n", "C16", DIR_OUT, V2_5);
    g.Pin("GSENSOR_INT[1]", "B15", DIR_IN, V2_5);
    g.Pin("GSENSOR_INT[2]", "D17", DIR_IN, V2_5);
    g.Pin("GSENSOR_SCLK", "A15", DIR_INOUT, V2_5);
    g.Pin("GSENSOR_SDI", "C15", DIR_INOUT, V2_5);
    g.Pin("GSENSOR_SDO", "B16", DIR_INOUT, V2_5);
    g.AddTo(board);
}

void AddHdmiRx(TMainBoard* board)
{
    TPinGroup g("HDMI-RX");
    g.Pin("HDMI_AP", "W9", DIR_IN, LVTTL);
    g.Pin("HDMI_I2C_SCL", "R13", DIR_INOUT, LVTTL);
    g.Pin("HDMI_I2C_SDA", "P13", DIR_INOUT, LVTTL);
    g.Pin("HDMI_LRCLK", "V11", DIR_INOUT, LVTTL);
    g.Pin("HDMI_MCLK", "R12", DIR_INOUT, LVTTL);
    g.Pin("HDMI_RX_CLK", "P11", DIR_IN, LVTTL);
    g.Bus("HDMI_RX_D[%d]", kHdmiRxD, 24, DIR_IN, LVTTL);
    g.Pin("HDMI_RX_DE", "W10", DIR_IN, LVTTL);
    g.Pin("HDMI_RX_HS", "V12", DIR_INOUT, LVTTL);
    g.Pin("HDMI_RX_INT1", "P12", DIR_IN, LVTTL);
    g.Pin("HDMI_RX_RESET_n", "AA13", DIR_INOUT, LVTTL);
    g.Pin("HDMI_RX_VS", "W11", DIR_IN, LVTTL);
    g.Pin("HDMI_SCLK", "W8", DIR_INOUT, LVTTL);
    g.AddTo(board);
}

void AddLightSensor(TMainBoard* board)
{
    TPinGroup g("Light Sensor");
    g.Pin("LSENSOR_INT", "M2", DIR_INOUT, LVTTL);
    g.Pin("LSENSOR_SCL", "M1", DIR_OUT, LVTTL);
    g.Pin("LSENSOR_SDA", "T3", DIR_INOUT, LVTTL);
    g.AddTo(board);
}

void AddMipi(TMainBoard* board)
{
    TPinGroup g("MIPI CS2 Camera");
    g.Pin("MIPI_CS_n", "U7", DIR_OUT, LVTTL);
    g.Pin("MIPI_I2C_SCL", "Y1", DIR_OUT, LVTTL);
    g.Pin("MIPI_I2C_SDA", "Y2", DIR_INOUT, LVTTL);
    g.Pin("MIPI_PIXEL_CLK", "V10", DIR_IN, LVTTL);
    g.Bus("MIPI_PIXEL_D[%d]", kMipiPixelD, 24, DIR_IN, LVTTL);
    g.Pin("MIPI_PIXEL_HS", "AA2", DIR_IN, LVTTL);
    g.Pin("MIPI_PIXEL_VS", "AA1", DIR_IN, LVTTL);
    g.Pin("MIPI_RESET_n", "AA3", DIR_OUT, LVTTL);
    g.Pin("MIPI_REFCLK", "W17", DIR_OUT, LVTTL);
    g.Pin("CAMERA_I2C_SCL", "A20", DIR_OUT, V2_5);
    g.Pin("CAMERA_I2C_SDA", "B19", DIR_INOUT, V2_5);
    g.Pin("CAMERA_PWDN_n", "R11", DIR_INOUT, LVTTL);
    g.AddTo(board);
}

void AddTamsil(TMainBoard* board)
{
    TPinGroup g("Tamsil");
    g.Bus("Tamsil_B[%d]", kTamsilB, 8, DIR_OUT, LVTTL);
    g.Pin("Tamsil_BL_ON_n", "R9", DIR_INOUT, LVTTL);
    g.Pin("Tamsil_DCLK", "W1", DIR_OUT, LVTTL);
    g.Bus("Tamsil_G[%d]", kTamsilG, 8, DIR_OUT, LVTTL);
    g.Pin("Tamsil_HSD", "N1", DIR_OUT, LVTTL);
    g.Pin("Tamsil_I2C_SCL", "P9", DIR_OUT, LVTTL);
    g.Pin("Tamsil_I2C_SDA", "P10", DIR_INOUT, LVTTL);
    g.Pin("Tamsil_INT", "R10", DIR_IN, LVTTL);
    g.Bus("Tamsil_R[%d]", kTamsilR, 8, DIR_OUT, LVTTL);
    g.Pin("Tamsil_VSD", "N2", DIR_OUT, LVTTL);
    g.AddTo(board);
}

void AddEthernet(TMainBoard* board)
{
    TPinGroup g("Ethernet");
    g.Pin("NET_GTX_CLK", "C11", DIR_OUT, V2_5);
    g.Pin("NET_INT_n", "C13", DIR_IN, V2_5);
    g.Pin("NET_LINK100", "A7", DIR_IN, V2_5);
    g.Pin("NET_MDC", "D12", DIR_OUT, V2_5);
    g.Pin("NET_MDIO", "E12", DIR_INOUT, V2_5);
    g.Pin("NET_RST_N", "C14", DIR_OUT, V2_5);
    g.ReferenceClock("NET_RX_CLK", "J10", LVTTL, 125.0, 1);
    g.Pin("NET_RX_COL", "C9", DIR_IN, V2_5);
    g.Pin("NET_RX_CRS", "A9", DIR_IN, V2_5);
    g.Bus("NET_RX_D[%d]", kNetRxD, 4, DIR_IN, V2_5);
    g.Pin("NET_RX_DV", "A8", DIR_IN, V2_5);
    g.Pin("NET_RX_ER", "B8", DIR_IN, V2_5);
    g.ReferenceClock("NET_TX_CLK", "E11", LVTTL, 125.0, 1);
    g.Bus("NET_TX_D[%d]", kNetTxD, 4, DIR_OUT, V2_5);
    g.Pin("NET_TX_EN", "C10", DIR_OUT, V2_5);
    g.Pin("NET_TX_ER", "C12", DIR_OUT, V2_5);
    g.AddTo(board);
}

void AddPowerMonitor(TMainBoard* board)
{
    TPinGroup g("Power Monitor");
    g.Pin("PM_I2C_SCL", "E8", DIR_OUT, LVTTL);
    g.Pin("PM_I2C_SDA", "E9", DIR_INOUT, LVTTL);
    g.AddTo(board);
}

void AddPs2(TMainBoard* board)
{
    TPinGroup g("PS2");
    g.Pin("PS2_CLK", "V3", DIR_INOUT, LVTTL);
    g.Pin("PS2_CLK2", "U1", DIR_INOUT, LVTTL);
    g.Pin("PS2_DAT", "P3", DIR_INOUT, LVTTL);
    g.Pin("PS2_DAT2", "R3", DIR_INOUT, LVTTL);
    g.AddTo(board);
}

void AddHumiditySensor(TMainBoard* board)
{
    TPinGroup g("Humidity and Temperature Sensor");
    g.Pin("RH_TEMP_DRDY_n", "Y19", DIR_IN, LVTTL);
    g.Pin("RH_TEMP_I2C_SCL", "Y18", DIR_OUT, LVTTL);
    g.Pin("RH_TEMP_I2C_SDA", "W18", DIR_INOUT, LVTTL);
    g.AddTo(board);
}

void AddSdCard(TMainBoard* board)
{
    TPinGroup g("MicroSD Card");
    g.Pin("SD_CLK", "A16", DIR_OUT, V2_5);
    g.Pin("SD_CMD", "C18", DIR_INOUT, V2_5);
    g.Bus("SD_DATA[%d]", kSdData, 4, DIR_INOUT, V2_5);
    g.AddTo(board);
}

void AddUart(TMainBoard* board)
{
    TPinGroup g("Uart to USB");
    g.Pin("UART_RESET_n", "D15", DIR_OUT, V2_5);
    g.Pin("UART_RX", "E16", DIR_IN, V2_5);
    g.Pin("UART_TX", "E15", DIR_OUT, V2_5);
    g.AddTo(board);
}

// The master connector of the 2x6 header: eight positions, each taking the
// card's name and direction and keeping 3.3-V LVTTL.
void AddYarvelMaster(TMainBoard* board, int32_t card)
{
    const std::string description =
        Format("Yarvel connect to %s", GetCardDisplayName(static_cast<DaughterId>(card)).c_str());
    TPinGroup g("Yarvel 2x6 GPIO Header", description);
    g.Bus("GPIO[%d]", kYarvel, 8, PIN_DIR_BY_CARD, LVTTL);
    TConnector* master = g.Connector();
    master->SetType(CONNECTOR_YARVEL_2x6);
    master->SetIsMaster(true);
    master->SetMasterId(LANTERBY_YARVEL_MASTER_ID);
    g.AddTo(board);
}

}  // namespace

void CONFIG_LANTERBY(TMainBoard* board, const LANTERBY_CONFIG* Config)
{
    board->m_BoardId = static_cast<MainBoardId>(Config->BoardId);
    PL_ASSERT(Config->BoardId == MAINBOARD_LANTERBY);
    PL_ASSERT(Config->Size == sizeof(LANTERBY_CONFIG));

    board->ClearConnectors();

    SetDevice(board, {"MAX 10 FPGA", 484, "FBGA", "6", 0, "10M50DAF484C6GES"});

    if (Config->bClock) AddClock(board);
    if (Config->bKey) AddKey(board);
    if (Config->bSw) AddSw(board);
    if (Config->bLed) AddLedr(board);
    if (Config->bSeg7) AddHex(board);
    if (Config->bAudio) AddAudio(board);
    if (Config->bDac) AddDac(board);
    if (Config->bDdr3) AddDdr3(board);
    if (Config->bQspiFlash) AddQspiFlash(board);
    if (Config->bGSensor) AddGSensor(board);
    if (Config->bHdmiRx) AddHdmiRx(board);
    if (Config->bLightSensor) AddLightSensor(board);
    if (Config->bMipi) AddMipi(board);
    if (Config->bTamsil) AddTamsil(board);
    if (Config->bEthernet) AddEthernet(board);
    if (Config->bPowerMonitor) AddPowerMonitor(board);
    if (Config->bPs2) AddPs2(board);
    if (Config->bHumiditySensor) AddHumiditySensor(board);
    if (Config->bSdCard) AddSdCard(board);
    if (Config->bUart) AddUart(board);
    if (Config->nYarvelDaughterId != 0) AddYarvelMaster(board, Config->nYarvelDaughterId);
}
