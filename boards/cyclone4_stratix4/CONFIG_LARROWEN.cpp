#include "boards/cyclone4_stratix4/CONFIG_LARROWEN.h"

#include <string>
#include <vector>

#include "boards/frame/ConfigFrame.h"
#include "model/DaughterBoard.h"
#include "model/Text.h"
#include "platform/Seam.h"

namespace {

constexpr int GPIO_PIN_NUM = 40;
constexpr int HSMC_PIN_NUM = 160;
constexpr int32_t CLOCK_PERIOD_NS = 20;  // the three oscillators run at 50 MHz

const TDevice kDevice = {"Cyclone IV GX", 896, "FBGA", nullptr, 7, "EP4CGX150DF31C7"};

struct ClockRow {
    const char* Name;
    const char* Ball;
    IoStandard Standard;
    const char* Bank;
};
const ClockRow kClocks[] = {
    {"CLOCK_50", "AJ16", IO_3V3_LVTTL, "BANK 4"},
    {"CLOCK2_50", "A15", IO_3V3_LVTTL, "BANK 7"},
    {"CLOCK3_50", "V11", IO_2V5, "BANK 3A"},
};

void AddClock(TMainBoard* board)
{
    TPinGroup group("CLOCK");
    for (const ClockRow& clock : kClocks)
        group.Clock(clock.Name, clock.Ball, clock.Standard, CLOCK_PERIOD_NS)->SetIoBank(clock.Bank);
    group.AddTo(board);
}

void AddSeg7(TMainBoard* board)
{
    TPinGroup group("SEG7 (Low Active)");
    group.Bus("HEX0[%d]", 7, {{0, "E15"}}, DIR_OUT, IO_2V5);
    for (int digit = 1; digit < 8; ++digit) group.Bus(Format("HEX%d[%%d]", digit), 7, {}, DIR_OUT, IO_2V5);
    group.AddTo(board);
}

void AddVga(TMainBoard* board)
{
    TPinGroup group("VGA");
    for (const char* name : {"VGA_HS", "VGA_VS", "VGA_SYNC_N", "VGA_CLK", "VGA_BLANK_N"})
        group.Pin(name, kUnknownBall, DIR_OUT, IO_3V3_LVTTL);
    for (const char* colour : {"VGA_R[%d]", "VGA_G[%d]", "VGA_B[%d]"})
        group.Bus(colour, 8, {}, DIR_OUT, IO_3V3_LVTTL);
    group.AddTo(board);
}

void AddEthernet(TMainBoard* board)
{
    TPinGroup group("Ethernet");
    for (int i = 0; i < 4; ++i) {
        group.Pin(Format("ENET_TX_DATA[%d]", i), kUnknownBall, DIR_OUT, IO_2V5);
        group.Pin(Format("ENET_RX_DATA[%d]", i), kUnknownBall, DIR_IN, IO_2V5);
    }
    group.Pins({{"ENET_GTX_CLK", kUnknownBall, DIR_OUT, IO_2V5},
                {"ENET_TX_EN", kUnknownBall, DIR_OUT, IO_2V5},
                {"ENET_TX_ER", kUnknownBall, DIR_OUT, IO_2V5},
                {"ENET_INT_N", kUnknownBall, DIR_IN, IO_2V5},
                {"ENET_RST_N", kUnknownBall, DIR_OUT, IO_2V5},
                {"ENET_RX_DV", kUnknownBall, DIR_IN, IO_2V5},
                {"ENET_RX_ER", kUnknownBall, DIR_IN, IO_2V5},
                {"ENET_RX_COL", kUnknownBall, DIR_IN, IO_2V5},
                {"ENET_RX_CRS", kUnknownBall, DIR_IN, IO_2V5},
                {"ENET_RX_CLK", kUnknownBall, DIR_IN, IO_2V5},
                {"ENET_TX_CLK", kUnknownBall, DIR_IN, IO_2V5},
                {"ENET_MDC", kUnknownBall, DIR_OUT, IO_2V5},
                {"ENET_MDIO", kUnknownBall, DIR_INOUT, IO_2V5},
                {"ENET_LINK100", kUnknownBall, DIR_IN, IO_2V5}});
    group.AddTo(board);
}

void AddTvDecoder(TMainBoard* board)
{
    TPinGroup group("TV Decoder (I2C ADDRESS W/R = 0x40/0x41)");
    group.Pins({{"TD_HS", kUnknownBall, DIR_IN, IO_3V3_LVTTL},
                {"TD_VS", kUnknownBall, DIR_IN, IO_3V3_LVTTL},
                {"TD_CLK27", kUnknownBall, DIR_IN, IO_3V3_LVTTL},
                {"TD_RESET_N", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                {"I2C_SCLK", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                {"I2C_SDAT", kUnknownBall, DIR_INOUT, IO_3V3_LVTTL}});
    group.Bus("TD_DATA[%d]", 8, {}, DIR_IN, IO_3V3_LVTTL);
    group.AddTo(board);
}

void AddSdram(TMainBoard* board)
{
    TPinGroup group("SDRAM");
    group.Bus("DRAM_BA[%d]", 2, {}, DIR_OUT, IO_3V3_LVTTL);
    group.Bus("DRAM_DQM[%d]", 4, {}, DIR_OUT, IO_3V3_LVTTL);
    for (const char* name : {"DRAM_RAS_N", "DRAM_CAS_N", "DRAM_CKE", "DRAM_CLK", "DRAM_WE_N", "DRAM_CS_N"})
        group.Pin(name, kUnknownBall, DIR_OUT, IO_3V3_LVTTL);
    group.Bus("DRAM_DQ[%d]", 32, {{4, "AE7"}}, DIR_INOUT, IO_3V3_LVTTL);
    group.Bus("DRAM_ADDR[%d]", 13, {}, DIR_OUT, IO_3V3_LVTTL);
    group.AddTo(board);
}

void AddSsram(TMainBoard* board)
{
    TPinGroup group("SSRAM");
    for (const char* name : {"SSRAM0_CE_N", "SSRAM1_CE_N", "SSRAM_ADSC_N", "SSRAM_ADSP_N", "SSRAM_ADV_N"})
        group.Pin(name, kUnknownBall, DIR_OUT, IO_3V3_LVTTL);
    group.Bus("SSRAM_BE[%d]", 4, {}, DIR_OUT, IO_3V3_LVTTL);
    for (const char* name : {"SSRAM_CLK", "SSRAM_GW_N", "SSRAM_OE_N", "SSRAM_WE_N"})
        group.Pin(name, kUnknownBall, DIR_OUT, IO_3V3_LVTTL);
    group.AddTo(board);
}

void AddSharedBus(TMainBoard* board)
{
    TPinGroup group("Data and Address bus shared by Flash & SSRAM");
    // 27 address entries; entry 0 is no pin of the board, so the bus runs
    // from FS_ADDR[1] to FS_ADDR[26].
    std::vector<const char*> address = BusBalls(27, {{1, "AB22"}});
    address[0] = kNoPin;
    group.Bus("FS_ADDR[%d]", address.data(), static_cast<int>(address.size()), DIR_OUT, IO_3V3_LVTTL);
    group.Bus("FS_DQ[%d]", 32, {}, DIR_INOUT, IO_3V3_LVTTL);
    group.AddTo(board);
}

void AddPcie(TMainBoard* board, bool hardIp)
{
    TPinGroup group("PCIe");
    group.Pins({{"PCIE_REFCLK_P", "V15", DIR_IN, IO_HCSL},
                {"PCIE_WAKE_N", kUnknownBall, DIR_OUT, IO_2V5},
                {"PCIE_PERST_N", kUnknownBall, DIR_IN, IO_2V5}});
    if (hardIp)
        group.Pins({{"PCIE_TX_P[0]", "AB4", DIR_OUT, IO_1V5_PCML},
                    {"PCIE_RX_P[0]", "AC2", DIR_IN, IO_1V5_PCML},
                    {"PCIE_TX_P[1]", kUnknownBall, DIR_OUT, IO_1V5_PCML},
                    {"PCIE_RX_P[1]", kUnknownBall, DIR_IN, IO_1V5_PCML}});
    group.AddTo(board);
}

// Signals at 33, 34, 39, 40 and from 41 on four of every six positions.
std::vector<const char*> HsmcLocations()
{
    std::vector<TPositionRange> withoutPin = HsmcPositionsWithoutPin();
    withoutPin.push_back({1, 32});
    return MasterLocations(HSMC_PIN_NUM, withoutPin, {{33, "AD25"}, {34, "AD26"}, {39, "G6"}, {40, "K15"}});
}

}  // namespace

void CONFIG_LARROWEN(TMainBoard* board, const LARROWEN_CONFIG* pConfig)
{
    PL_ASSERT(board && pConfig);
    const LARROWEN_CONFIG& Config = *pConfig;
    board->m_LarrowenConfig.CopyFrom(Config);
    board->m_BoardId = MAINBOARD_LARROWEN;
    CHECK_RECORD_HEAD(Config, MAINBOARD_LARROWEN, LARROWEN_CONFIG);
    board->ClearConnectors();
    SetDevice(board, kDevice);

    if (Config.bCLOCK) AddClock(board);
    if (Config.bSMA) {
        TPinGroup group("SMA");
        group.Pins({{"SMA_CLKIN", "AK16", DIR_IN, IO_3V3_LVTTL}, {"SMA_CLKOUT", "AF25", DIR_OUT, IO_3V3_LVTTL}});
        group.AddTo(board);
    }
    if (Config.bLED) {
        TPinGroup group("LED (High Active)");
        group.Bus("LEDR[%d]", 18, {{0, "T23"}}, DIR_OUT, IO_2V5);
        group.Bus("LEDG[%d]", 9, {{0, "AA25"}}, DIR_OUT, IO_2V5);
        group.AddTo(board);
    }
    if (Config.bBUTTON) {
        TPinGroup group("KEY (Active Low)");
        group.Bus("KEY[%d]", 4, {{0, "AA26"}}, DIR_IN, IO_2V5);
        group.AddTo(board);
    }
    if (Config.bSW) {
        TPinGroup group("SW");
        group.Bus("SW[%d]", 18, {{0, "V28"}}, DIR_IN, IO_2V5);
        group.AddTo(board);
    }
    if (Config.bSEG7) AddSeg7(board);
    if (Config.bLCD) {
        TPinGroup group("LCD");
        group.Bus("LCD_DATA[%d]", 8, {}, DIR_INOUT, IO_3V3_LVTTL);
        group.Pins({{"LCD_RW", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                    {"LCD_EN", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                    {"LCD_RS", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                    {"LCD_ON", "AF27", DIR_OUT, IO_2V5}});
        group.AddTo(board);
    }
    if (Config.bRS232) {
        TPinGroup group("RS232");
        group.Pins({{"UART_TXD", "H24", DIR_OUT, IO_3V3_LVTTL},
                    {"UART_RXD", kUnknownBall, DIR_IN, IO_3V3_LVTTL},
                    {"UART_RTS", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                    {"UART_CTS", kUnknownBall, DIR_IN, IO_3V3_LVTTL}});
        group.AddTo(board);
    }
    if (Config.bSDCARD) {
        TPinGroup group("SDCARD");
        group.Pins({{"SD_CMD", kUnknownBall, DIR_INOUT, IO_3V3_LVTTL},
                    {"SD_CLK", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                    {"SD_WP_N", kUnknownBall, DIR_IN, IO_3V3_LVTTL}});
        group.Bus("SD_DAT[%d]", 4, {}, DIR_INOUT, IO_3V3_LVTTL);
        group.AddTo(board);
    }
    if (Config.bVGA) AddVga(board);
    if (Config.bEEPROM) {
        TPinGroup group("I2C for EEPROM (I2C ADDRESS W/R = 0xA0/0xA1)");
        group.Pins({{"EEP_I2C_SCLK", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                    {"EEP_I2C_SDAT", kUnknownBall, DIR_INOUT, IO_3V3_LVTTL}});
        group.AddTo(board);
    }
    if (Config.bETHERNET) AddEthernet(board);
    if (Config.bTVDECODER) AddTvDecoder(board);
    if (Config.bIR) {
        TPinGroup group("IR Receiver");
        group.Pin("IRDA_RXD", kUnknownBall, DIR_IN, IO_3V3_LVTTL);
        group.AddTo(board);
    }
    if (Config.bSDRAM) AddSdram(board);
    if (Config.bSSRAM) AddSsram(board);
    if (Config.bFLASH) {
        TPinGroup group("Flash");
        group.Pins({{"FL_CE_N", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                    {"FL_OE_N", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                    {"FL_RESET_N", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                    {"FL_RY", kUnknownBall, DIR_IN, IO_3V3_LVTTL},
                    {"FL_WE_N", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                    {"FL_WP_N", kUnknownBall, DIR_OUT, IO_3V3_LVTTL}});
        group.AddTo(board);
    }
    if (Config.bFLASH || Config.bSSRAM) AddSharedBus(board);
    if (Config.bPCIEHARDIP || Config.bPCIESOFTIP) AddPcie(board, Config.bPCIEHARDIP != 0);
    if (Config.bACCELEROMETER) {
        TPinGroup group("G-Sensor");
        group.Pins({{"G_SENSOR_SDAT", kUnknownBall, DIR_INOUT, IO_3V3_LVTTL},
                    {"G_SENSOR_SCLK", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                    {"G_SENSOR_INT1", kUnknownBall, DIR_IN, IO_2V5}});
        group.AddTo(board);
    }
    if (Config.nGpioDaughterId != 0) {
        const std::vector<const char*> locations =
            MasterLocations(GPIO_PIN_NUM, GpioHeaderPositionsWithoutPin(), {{1, "G16"}, {40, "Y21"}});
        PL_ASSERT(static_cast<int>(locations.size()) == GPIO_PIN_NUM);
        AddMaster(board, "GPIO", Format("GPIO connect to %s", GetCardDisplayName(Config.nGpioDaughterId).c_str()),
                  CONNECTOR_GPIO40, LARROWEN_MASTER_GPIO, locations);
    }
    if (Config.nHsmcDaughterId != 0) {
        const std::vector<const char*> locations = HsmcLocations();
        PL_ASSERT(static_cast<int>(locations.size()) == HSMC_PIN_NUM);
        TConnector* master =
            AddMaster(board, "HSMC", Format("HSMC connect to %s", GetCardDisplayName(Config.nHsmcDaughterId).c_str()),
                      CONNECTOR_HSMC, LARROWEN_MASTER_HSMC, locations);
        // Position 40 is an input of the board at 2.5 V, whatever the card.
        TPin* pin = master->GetPin(40 - 1);
        pin->SetDirection(DIR_IN);
        pin->SetIoStandard(IO_2V5);
    }
    TPinGroup fan("Fan Control");
    fan.Pin("FAN_CTRL", "AF28", DIR_INOUT, IO_2V5);
    fan.AddTo(board);
}
