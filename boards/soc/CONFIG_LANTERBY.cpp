#include "boards/soc/CONFIG_LANTERBY.h"

#include <string>

#include "boards/soc/BoardPins.h"
#include "model/DaughterBoard.h"

using namespace boardpins;

namespace {

constexpr IoStandard V1_5 = 0;            // "1.5 V"
constexpr IoStandard V2_5 = 6;            // "2.5 V"
constexpr IoStandard LVTTL = 8;           // "3.3-V LVTTL"
constexpr IoStandard DIFF_SSTL15_I = 12;  // "Differential 1.5-V SSTL Class I"
constexpr IoStandard SSTL15_I = 29;       // "SSTL-15 Class I"
constexpr IoStandard SCHMITT_1V5 = 47;    // "1.5 V Schmitt Trigger"

const char* const kKey[] = {"T22", "U22", "AA22", "AA21", "R22"};
const char* const kSw[] = {"N22", "M22", "N21", "L22", "J22", "H22", "J21", "C21", "G19", "H21"};
const char* const kLedr[] = {"C2", "B3", "A3", "C3", "A4", "B4", "C4", "B5", "C5", "D5"};
const char* const kHex0[] = {"D6", "A5", "C6", "A6", "F7", "D7", "B7"};
const char* const kHex1[] = {"C7", "C8", "D8", "D10", "E10", "H11", "E6"};
const char* const kDdr3A[] = {"U20", "F19", "V20", "G20", "F22", "E20", "E21", "Y20",
                              "C22", "D22", "J14", "E22", "G22", "D19", "C20"};
const char* const kDdr3Dm[] = {"J15", "N19", "T18"};
const char* const kDdr3Dq[] = {"J18", "H19", "K20", "H18", "K18", "H20", "K19", "J20", "L18", "M18", "M14", "N20",
                               "L20", "M20", "M15", "L19", "T19", "R20", "R15", "P15", "P19", "P14", "R14", "P20"};
const char* const kDdr3DqsP[] = {"K14", "L14", "R18"};
const char* const kFlashData[] = {"AB18", "AA19", "AB19", "AA20"};
const char* const kHdmiRxD[] = {"AA9", "AB9", "Y10", "AA10", "AB10", "Y11", "AA11", "AB11",
                                "Y14", "AB15", "AA15", "W14", "V14", "V15", "U15", "AB14",
                                "AA14", "AB13", "Y13", "AB12", "AA12", "W13", "W12", "V13"};
const char* const kMipiPixelD[] = {"U6", "W5", "V7", "V5", "W4", "V4", "W3", "W6", "W7", "Y3", "Y4", "Y5",
                                   "AB3", "AB4", "AA5", "AB5", "AB7", "Y8", "AA8", "AA7", "Y7", "AB6", "AA6", "Y6"};
const char* const kTamsilB[] = {"P4", "P5", "N3", "P8", "N4", "N8", "N9", "M8"};
const char* const kTamsilG[] = {"T5", "T6", "R1", "R2", "R4", "P1", "R5", "R7"};
const char* const kTamsilR[] = {"U5", "U4", "U3", "W2", "U2", "V1", "T2", "T1"};
const char* const kNetRxD[] = {"A10", "B10", "A11", "B11"};
const char* const kNetTxD[] = {"A12", "B12", "A13", "A14"};
const char* const kSdData[] = {"A17", "A18", "B17", "C17"};
// The 2x6 header, positions 1 to 8.
const char* const kYarvel[] = {"Y17", "AA17", "V16", "W15", "AB16", "AA16", "Y16", "W16"};

void AddClock(TMainBoard* board)
{
    TConnector* pConn = NewGroup("CLOCK");
    ClockPin(pConn, "ADC_CLK_10", "M9", LVTTL, "10.0 MHz");
    ClockPin(pConn, "MAX10_CLK1_50", "N5", LVTTL, "50.0 MHz");
    ClockPin(pConn, "MAX10_CLK2_50", "V9", LVTTL, "50.0 MHz");
    ClockPin(pConn, "MAX10_CLK3_50", "N14", V1_5, "50.0 MHz");
    board->AddConnector(pConn);
}

void AddKey(TMainBoard* board)
{
    TConnector* pConn = NewGroup("KEY");
    Bus(pConn, "KEY", kKey, 5, SCHMITT_1V5, IN);
    Pin(pConn, "FPGA_RESET_n", "D9", LVTTL, IN);
    board->AddConnector(pConn);
}

void AddSw(TMainBoard* board)
{
    TConnector* pConn = NewGroup("SW");
    Bus(pConn, "SW", kSw, 10, V1_5, IN);
    board->AddConnector(pConn);
}

void AddLedr(TMainBoard* board)
{
    TConnector* pConn = NewGroup("LEDR");
    Bus(pConn, "LEDR", kLedr, 10, LVTTL, OUT);
    board->AddConnector(pConn);
}

void AddHex(TMainBoard* board)
{
    TConnector* pConn = NewGroup("HEX");
    Bus(pConn, "HEX0", kHex0, 7, LVTTL, OUT);
    Bus(pConn, "HEX1", kHex1, 7, LVTTL, OUT);
    board->AddConnector(pConn);
}

void AddAudio(TMainBoard* board)
{
    TConnector* pConn = NewGroup("Audio");
    Pin(pConn, "AUDIO_BCLK", "J12", V2_5, INOUT);
    Pin(pConn, "AUDIO_DIN_MFP1", "J13", V2_5, OUT);
    Pin(pConn, "AUDIO_DOUT_MFP2", "H13", V2_5, IN);
    Pin(pConn, "AUDIO_GPIO_MFP5", "D14", V2_5, INOUT);
    Pin(pConn, "AUDIO_MCLK", "J11", V2_5, OUT);
    Pin(pConn, "AUDIO_MISO_MFP4", "E13", V2_5, IN);
    Pin(pConn, "AUDIO_RESET_n", "D13", V2_5, INOUT);
    Pin(pConn, "AUDIO_SCLK_MFP3", "H14", V2_5, OUT);
    Pin(pConn, "AUDIO_SCL_SS_n", "F15", V2_5, OUT);
    Pin(pConn, "AUDIO_SDA_MOSI", "F16", V2_5, INOUT);
    Pin(pConn, "AUDIO_SPI_SELECT", "E14", V2_5, OUT);
    Pin(pConn, "AUDIO_WCLK", "H12", V2_5, INOUT);
    board->AddConnector(pConn);
}

void AddDac(TMainBoard* board)
{
    TConnector* pConn = NewGroup("DAC");
    Pin(pConn, "DAC_DATA", "A2", LVTTL, INOUT);
    Pin(pConn, "DAC_SCLK", "B1", LVTTL, OUT);
    Pin(pConn, "DAC_SYNC_n", "B2", LVTTL, OUT);
    board->AddConnector(pConn);
}

void AddDdr3(TMainBoard* board)
{
    TConnector* pConn = NewGroup("DDR3 SDRAM");
    Bus(pConn, "DDR3_A", kDdr3A, 15, SSTL15_I, OUT);
    Pin(pConn, "DDR3_BA[0]", "W22", SSTL15_I, OUT);
    Pin(pConn, "DDR3_BA[1]", "Y21", SSTL15_I, OUT);
    Pin(pConn, "DDR3_BA[2]", "Y22", SSTL15_I, OUT);
    Pin(pConn, "DDR3_CAS_n", "U19", SSTL15_I, OUT);
    Pin(pConn, "DDR3_CKE", "V18", SSTL15_I, OUT);
    Pin(pConn, "DDR3_CK_n", "E18", DIFF_SSTL15_I, INOUT);
    Pin(pConn, "DDR3_CK_p", "D18", DIFF_SSTL15_I, INOUT);
    Pin(pConn, "DDR3_CS_n", "W20", SSTL15_I, OUT);
    Bus(pConn, "DDR3_DM", kDdr3Dm, 3, SSTL15_I, OUT);
    Bus(pConn, "DDR3_DQ", kDdr3Dq, 24, SSTL15_I, INOUT);
    BusNoLocation(pConn, "DDR3_DQS_n", 3, DIFF_SSTL15_I, INOUT);
    Bus(pConn, "DDR3_DQS_p", kDdr3DqsP, 3, DIFF_SSTL15_I, INOUT);
    Pin(pConn, "DDR3_ODT", "V22", SSTL15_I, OUT);
    Pin(pConn, "DDR3_RAS_n", "N18", SSTL15_I, OUT);
    Pin(pConn, "DDR3_RESET_n", "B22", SSTL15_I, OUT);
    Pin(pConn, "DDR3_WE_n", "W19", SSTL15_I, OUT);
    board->AddConnector(pConn);
}

void AddQspiFlash(TMainBoard* board)
{
    TConnector* pConn = NewGroup("QSPI Flash");
    Bus(pConn, "FLASH_DATA", kFlashData, 4, LVTTL, INOUT);
    Pin(pConn, "FLASH_DCLK", "AB17", LVTTL, OUT);
    Pin(pConn, "FLASH_NCSO", "AB21", LVTTL, OUT);
    Pin(pConn, "FLASH_RESET_n", "AB20", LVTTL, OUT);
    board->AddConnector(pConn);
}

void AddGSensor(TMainBoard* board)
{
    TConnector* pConn = NewGroup("G-Sensor");
    Pin(pConn, "GSENSOR_CS_n", "C16", V2_5, OUT);
    Pin(pConn, "GSENSOR_INT[1]", "B15", V2_5, IN);
    Pin(pConn, "GSENSOR_INT[2]", "D17", V2_5, IN);
    Pin(pConn, "GSENSOR_SCLK", "A15", V2_5, INOUT);
    Pin(pConn, "GSENSOR_SDI", "C15", V2_5, INOUT);
    Pin(pConn, "GSENSOR_SDO", "B16", V2_5, INOUT);
    board->AddConnector(pConn);
}

void AddHdmiRx(TMainBoard* board)
{
    TConnector* pConn = NewGroup("HDMI-RX");
    Pin(pConn, "HDMI_AP", "W9", LVTTL, IN);
    Pin(pConn, "HDMI_I2C_SCL", "R13", LVTTL, INOUT);
    Pin(pConn, "HDMI_I2C_SDA", "P13", LVTTL, INOUT);
    Pin(pConn, "HDMI_LRCLK", "V11", LVTTL, INOUT);
    Pin(pConn, "HDMI_MCLK", "R12", LVTTL, INOUT);
    Pin(pConn, "HDMI_RX_CLK", "P11", LVTTL, IN);
    Bus(pConn, "HDMI_RX_D", kHdmiRxD, 24, LVTTL, IN);
    Pin(pConn, "HDMI_RX_DE", "W10", LVTTL, IN);
    Pin(pConn, "HDMI_RX_HS", "V12", LVTTL, INOUT);
    Pin(pConn, "HDMI_RX_INT1", "P12", LVTTL, IN);
    Pin(pConn, "HDMI_RX_RESET_n", "AA13", LVTTL, INOUT);
    Pin(pConn, "HDMI_RX_VS", "W11", LVTTL, IN);
    Pin(pConn, "HDMI_SCLK", "W8", LVTTL, INOUT);
    board->AddConnector(pConn);
}

void AddLightSensor(TMainBoard* board)
{
    TConnector* pConn = NewGroup("Light Sensor");
    Pin(pConn, "LSENSOR_INT", "M2", LVTTL, INOUT);
    Pin(pConn, "LSENSOR_SCL", "M1", LVTTL, OUT);
    Pin(pConn, "LSENSOR_SDA", "T3", LVTTL, INOUT);
    board->AddConnector(pConn);
}

void AddMipi(TMainBoard* board)
{
    TConnector* pConn = NewGroup("MIPI CS2 Camera");
    Pin(pConn, "MIPI_CS_n", "U7", LVTTL, OUT);
    Pin(pConn, "MIPI_I2C_SCL", "Y1", LVTTL, OUT);
    Pin(pConn, "MIPI_I2C_SDA", "Y2", LVTTL, INOUT);
    Pin(pConn, "MIPI_PIXEL_CLK", "V10", LVTTL, IN);
    Bus(pConn, "MIPI_PIXEL_D", kMipiPixelD, 24, LVTTL, IN);
    Pin(pConn, "MIPI_PIXEL_HS", "AA2", LVTTL, IN);
    Pin(pConn, "MIPI_PIXEL_VS", "AA1", LVTTL, IN);
    Pin(pConn, "MIPI_RESET_n", "AA3", LVTTL, OUT);
    Pin(pConn, "MIPI_REFCLK", "W17", LVTTL, OUT);
    Pin(pConn, "CAMERA_I2C_SCL", "A20", V2_5, OUT);
    Pin(pConn, "CAMERA_I2C_SDA", "B19", V2_5, INOUT);
    Pin(pConn, "CAMERA_PWDN_n", "R11", LVTTL, INOUT);
    board->AddConnector(pConn);
}

void AddTamsil(TMainBoard* board)
{
    TConnector* pConn = NewGroup("Tamsil");
    Bus(pConn, "Tamsil_B", kTamsilB, 8, LVTTL, OUT);
    Pin(pConn, "Tamsil_BL_ON_n", "R9", LVTTL, INOUT);
    Pin(pConn, "Tamsil_DCLK", "W1", LVTTL, OUT);
    Bus(pConn, "Tamsil_G", kTamsilG, 8, LVTTL, OUT);
    Pin(pConn, "Tamsil_HSD", "N1", LVTTL, OUT);
    Pin(pConn, "Tamsil_I2C_SCL", "P9", LVTTL, OUT);
    Pin(pConn, "Tamsil_I2C_SDA", "P10", LVTTL, INOUT);
    Pin(pConn, "Tamsil_INT", "R10", LVTTL, IN);
    Bus(pConn, "Tamsil_R", kTamsilR, 8, LVTTL, OUT);
    Pin(pConn, "Tamsil_VSD", "N2", LVTTL, OUT);
    board->AddConnector(pConn);
}

void AddEthernet(TMainBoard* board)
{
    TConnector* pConn = NewGroup("Ethernet");
    Pin(pConn, "NET_GTX_CLK", "C11", V2_5, OUT);
    Pin(pConn, "NET_INT_n", "C13", V2_5, IN);
    Pin(pConn, "NET_LINK100", "A7", V2_5, IN);
    Pin(pConn, "NET_MDC", "D12", V2_5, OUT);
    Pin(pConn, "NET_MDIO", "E12", V2_5, INOUT);
    Pin(pConn, "NET_RST_N", "C14", V2_5, OUT);
    ClockPin(pConn, "NET_RX_CLK", "J10", LVTTL, "125.0 MHz");
    Pin(pConn, "NET_RX_COL", "C9", V2_5, IN);
    Pin(pConn, "NET_RX_CRS", "A9", V2_5, IN);
    Bus(pConn, "NET_RX_D", kNetRxD, 4, V2_5, IN);
    Pin(pConn, "NET_RX_DV", "A8", V2_5, IN);
    Pin(pConn, "NET_RX_ER", "B8", V2_5, IN);
    ClockPin(pConn, "NET_TX_CLK", "E11", LVTTL, "125.0 MHz");
    Bus(pConn, "NET_TX_D", kNetTxD, 4, V2_5, OUT);
    Pin(pConn, "NET_TX_EN", "C10", V2_5, OUT);
    Pin(pConn, "NET_TX_ER", "C12", V2_5, OUT);
    board->AddConnector(pConn);
}

void AddPowerMonitor(TMainBoard* board)
{
    TConnector* pConn = NewGroup("Power Monitor");
    Pin(pConn, "PM_I2C_SCL", "E8", LVTTL, OUT);
    Pin(pConn, "PM_I2C_SDA", "E9", LVTTL, INOUT);
    board->AddConnector(pConn);
}

void AddPs2(TMainBoard* board)
{
    TConnector* pConn = NewGroup("PS2");
    Pin(pConn, "PS2_CLK", "V3", LVTTL, INOUT);
    Pin(pConn, "PS2_CLK2", "U1", LVTTL, INOUT);
    Pin(pConn, "PS2_DAT", "P3", LVTTL, INOUT);
    Pin(pConn, "PS2_DAT2", "R3", LVTTL, INOUT);
    board->AddConnector(pConn);
}

void AddHumiditySensor(TMainBoard* board)
{
    TConnector* pConn = NewGroup("Humidity and Temperature Sensor");
    Pin(pConn, "RH_TEMP_DRDY_n", "Y19", LVTTL, IN);
    Pin(pConn, "RH_TEMP_I2C_SCL", "Y18", LVTTL, OUT);
    Pin(pConn, "RH_TEMP_I2C_SDA", "W18", LVTTL, INOUT);
    board->AddConnector(pConn);
}

void AddSdCard(TMainBoard* board)
{
    TConnector* pConn = NewGroup("MicroSD Card");
    Pin(pConn, "SD_CLK", "A16", V2_5, OUT);
    Pin(pConn, "SD_CMD", "C18", V2_5, INOUT);
    Bus(pConn, "SD_DATA", kSdData, 4, V2_5, INOUT);
    board->AddConnector(pConn);
}

void AddUart(TMainBoard* board)
{
    TConnector* pConn = NewGroup("Uart to USB");
    Pin(pConn, "UART_RESET_n", "D15", V2_5, OUT);
    Pin(pConn, "UART_RX", "E16", V2_5, IN);
    Pin(pConn, "UART_TX", "E15", V2_5, OUT);
    board->AddConnector(pConn);
}

// The master connector of the 2x6 header: eight positions, each taking the
// card's name and direction and keeping 3.3-V LVTTL.
void AddYarvelMaster(TMainBoard* board, int32_t card)
{
    const std::string description =
        Format("Yarvel connect to %s", GetCardDisplayName(static_cast<DaughterId>(card)).c_str());
    TConnector* pConn = new TConnector("Yarvel 2x6 GPIO Header", description, CONNECTOR_YARVEL_2x6, -1);
    for (int i = 0; i < 8; ++i) Pin(pConn, Format("GPIO[%d]", i), kYarvel[i], LVTTL, PIN_DIR_BY_CARD);
    pConn->SetIsMaster(true);
    pConn->SetMasterId(LANTERBY_YARVEL_MASTER_ID);
    board->AddConnector(pConn);
}

}  // namespace

void CONFIG_LANTERBY(TMainBoard* board, const LANTERBY_CONFIG* Config)
{
    board->m_BoardId = static_cast<MainBoardId>(Config->BoardId);
    PL_ASSERT(Config->BoardId == MAINBOARD_LANTERBY);
    PL_ASSERT(Config->Size == sizeof(LANTERBY_CONFIG));

    board->ClearConnectors();

    board->m_Family = "MAX 10 FPGA";
    board->m_Device = "10M50DAF484C6GES";
    board->m_DevicePinCount = 484;
    board->m_Package = "FBGA";
    board->m_SpeedGradeText = "6";

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
