#include "boards/cyclone4_stratix4/CONFIG_KESTLEFORD.h"

#include "boards/frame/ConfigFrame.h"
#include "model/DaughterBoard.h"
#include "model/Text.h"

namespace {

constexpr int GPIO_PIN_NUM = 40;
constexpr int HSMC_PIN_NUM = 160;
constexpr int32_t CLOCK_PERIOD_NS = 20;

constexpr TDevice kDevice = {"Cyclone IV E", 780, "FBGA", nullptr, 7, "EP4CE115F29C7"};

constexpr IoStandard LVTTL = IO_3V3_LVTTL;
constexpr const char* U = kUnknownBall;

// Where a pin's standard comes from.
enum TBank { FIXED, GPIO_BANK, HSMC_BANK };

struct TBankStandards {
    IoStandard Gpio;
    IoStandard Hsmc;
    IoStandard Of(TBank bank, IoStandard fixed) const { return bank == GPIO_BANK ? Gpio : bank == HSMC_BANK ? Hsmc : fixed; }
};

// The banks of each seven-segment digit's segments 0..6.
TBank SegmentBank(int digit, int segment)
{
    const int n = digit * 7 + segment;  // HEX0[0] .. HEX7[6]
    if (n < 3) return FIXED;            // HEX0[0..2]: 2.5 V
    if (n < 3 * 7 + 2) return HSMC_BANK;  // HEX0[3] .. HEX3[1]
    if (n < 8 * 7 - 1) return GPIO_BANK;  // HEX3[2] .. HEX7[5]
    return FIXED;                         // HEX7[6]: 3.3-V LVTTL
}

// The Ethernet data pins, TX and RX, entry 4 * port + k.
const char* const kEnetTx[8] = {"C18", U, U, U, U, U, U, U};
const char* const kEnetRx[8] = {U, U, U, U, U, U, U, "D21"};

// A bus of which the board's data gives the first and the last ball.
void Bus(TPinGroup& group, const char* format, int count, const char* first, const char* last, PinDirection direction,
         IoStandard standard)
{
    group.Bus({format, count, first, last, direction, standard});
}

void AddEthernet(TMainBoard* board, int port, bool withClock)
{
    TPinGroup group(Format("Ethernet %d", port));
    if (withClock) group.Pin("ENETCLK_25", "A14", DIR_IN, LVTTL);
    for (int k = 0; k < 4; ++k) {
        group.Pin(Format("ENET%d_TX_DATA[%d]", port, k), kEnetTx[4 * port + k], DIR_OUT, IO_2V5);
        group.Pin(Format("ENET%d_RX_DATA[%d]", port, k), kEnetRx[4 * port + k], DIR_IN, IO_2V5);
    }
    static const struct {
        const char* Name;
        PinDirection Direction;
    } kControl[] = {{"GTX_CLK", DIR_OUT}, {"TX_EN", DIR_OUT}, {"TX_ER", DIR_OUT}, {"INT_N", DIR_IN},
                    {"RST_N", DIR_OUT},   {"RX_DV", DIR_IN},  {"RX_ER", DIR_IN},  {"RX_CRS", DIR_IN},
                    {"RX_COL", DIR_IN},   {"RX_CLK", DIR_IN}, {"TX_CLK", DIR_IN}, {"MDC", DIR_OUT},
                    {"MDIO", DIR_INOUT}};
    for (const auto& pin : kControl) group.Pin(Format("ENET%d_%s", port, pin.Name), U, pin.Direction, IO_2V5);
    group.Pin(Format("ENET%d_LINK100", port), U, DIR_IN, LVTTL);
    group.AddTo(board);
}

}  // namespace

IoStandard KestlefordVoltageStandard(int32_t voltage)
{
    switch (voltage) {
    case KESTLEFORD_3V3: return IO_3V3_LVTTL;
    case KESTLEFORD_2V5: return IO_2V5;
    case KESTLEFORD_1V8: return IO_1V8;
    case KESTLEFORD_1V5: return IO_1V5;
    }
    PL_ASSERT(voltage >= KESTLEFORD_3V3 && voltage <= KESTLEFORD_1V5);
    return IO_3V3_LVTTL;
}

void CONFIG_KESTLEFORD(TMainBoard* board, const KESTLEFORD_CONFIG* pConfig)
{
    const KESTLEFORD_CONFIG& Config = *pConfig;
    board->m_BoardId = MAINBOARD_KESTLEFORD;
    CHECK_RECORD_HEAD(Config, MAINBOARD_KESTLEFORD, KESTLEFORD_CONFIG);
    board->ClearConnectors();
    SetDevice(board, kDevice);

    // A bank's pins take the standard of its connector's voltage while the
    // bank is in use (a card on it, or a voltage other than its default).
    const bool gpioInUse = Config.nGpioVoltage != KESTLEFORD_3V3 || Config.nGpioDaughterId != 0;
    const bool hsmcInUse = Config.nHsmcVoltage != KESTLEFORD_2V5 || Config.nHsmcDaughterId != 0;
    const IoStandard gpioStandard = KestlefordVoltageStandard(Config.nGpioVoltage);
    const IoStandard hsmcStandard = KestlefordVoltageStandard(Config.nHsmcVoltage);
    const TBankStandards banks = {gpioInUse ? gpioStandard : LVTTL, hsmcInUse ? hsmcStandard : LVTTL};

    if (Config.bClock) {
        TPinGroup group("CLOCK");
        group.Clock("CLOCK_50", "Y2", LVTTL, CLOCK_PERIOD_NS);
        group.Clock("CLOCK2_50", "AG14", LVTTL, CLOCK_PERIOD_NS);
        group.Clock("CLOCK3_50", "AG15", banks.Gpio, CLOCK_PERIOD_NS);
        group.AddTo(board);
    }
    if (Config.bSma) {
        TPinGroup group("Sma");
        group.Pins({{"SMA_CLKIN", "AH14", DIR_IN, LVTTL}, {"SMA_CLKOUT", "AE23", DIR_OUT, banks.Gpio}});
        group.AddTo(board);
    }
    if (Config.bLed) {
        TPinGroup group("LED");
        Bus(group, "LEDR[%d]", 18, "G19", "H15", DIR_OUT, IO_2V5);
        Bus(group, "LEDG[%d]", 9, "E21", "F17", DIR_OUT, IO_2V5);
        group.AddTo(board);
    }
    if (Config.bButton) {
        TPinGroup group("KEY");
        Bus(group, "KEY[%d]", 4, "M23", "R24", DIR_IN, banks.Hsmc);
        group.AddTo(board);
    }
    if (Config.bExIo) {
        TPinGroup group("EX_IO");
        Bus(group, "EX_IO[%d]", 7, "J10", "D9", DIR_INOUT, LVTTL);
        group.AddTo(board);
    }
    if (Config.bSwitch) {
        TPinGroup group("SW");
        Bus(group, "SW[%d]", 18, "AB28", "Y23", DIR_IN, banks.Hsmc);
        group.AddTo(board);
    }
    if (Config.bSeg7) {
        TPinGroup group("SEG7");
        for (int digit = 0; digit < 8; ++digit) {
            for (int segment = 0; segment < 7; ++segment) {
                const TBank bank = SegmentBank(digit, segment);
                const IoStandard fixed = digit == 0 ? IoStandard{IO_2V5} : LVTTL;
                const char* ball = digit == 0 && segment == 0 ? "G18" : digit == 7 && segment == 6 ? "AA14" : U;
                group.Pin(Format("HEX%d[%d]", digit, segment), ball, DIR_OUT, banks.Of(bank, fixed));
            }
        }
        group.AddTo(board);
    }
    if (Config.bLcd) {
        TPinGroup group("LCD");
        Bus(group, "LCD_DATA[%d]", 8, U, U, DIR_INOUT, LVTTL);
        group.Pins({{"LCD_BLON", U, DIR_OUT, LVTTL},
                    {"LCD_RW", U, DIR_OUT, LVTTL},
                    {"LCD_EN", U, DIR_OUT, LVTTL},
                    {"LCD_RS", U, DIR_OUT, LVTTL},
                    {"LCD_ON", U, DIR_OUT, LVTTL}});
        group.AddTo(board);
    }
    if (Config.bRs232) {
        TPinGroup group("RS232");
        group.Pins({{"UART_TXD", U, DIR_OUT, LVTTL},
                    {"UART_RXD", U, DIR_IN, LVTTL},
                    {"UART_RTS", U, DIR_OUT, LVTTL},
                    {"UART_CTS", U, DIR_IN, LVTTL}});
        group.AddTo(board);
    }
    if (Config.bPs2) {
        TPinGroup group("PS2 for Keyboard and Mouse");
        group.Pins({{"PS2_CLK", U, DIR_INOUT, LVTTL},
                    {"PS2_DAT", U, DIR_INOUT, LVTTL},
                    {"PS2_CLK2", U, DIR_INOUT, LVTTL},
                    {"PS2_DAT2", U, DIR_INOUT, LVTTL}});
        group.AddTo(board);
    }
    if (Config.bSdCard) {
        TPinGroup group("SDCARD");
        group.Pins({{"SD_CMD", U, DIR_INOUT, LVTTL}, {"SD_CLK", U, DIR_OUT, LVTTL}, {"SD_WP_N", U, DIR_IN, LVTTL}});
        Bus(group, "SD_DAT[%d]", 4, U, U, DIR_INOUT, LVTTL);
        group.AddTo(board);
    }
    if (Config.bVga) {
        TPinGroup group("VGA");
        group.Pins({{"VGA_HS", U, DIR_OUT, LVTTL},
                    {"VGA_VS", U, DIR_OUT, LVTTL},
                    {"VGA_SYNC_N", U, DIR_OUT, LVTTL},
                    {"VGA_CLK", U, DIR_OUT, LVTTL},
                    {"VGA_BLANK_N", U, DIR_OUT, LVTTL}});
        Bus(group, "VGA_R[%d]", 8, "E12", U, DIR_OUT, LVTTL);
        Bus(group, "VGA_G[%d]", 8, U, U, DIR_OUT, LVTTL);
        Bus(group, "VGA_B[%d]", 8, U, "D12", DIR_OUT, LVTTL);
        group.AddTo(board);
    }
    if (Config.bAudio) {
        TPinGroup group("Audio");
        group.Pins({{"AUD_ADCLRCK", U, DIR_INOUT, LVTTL},
                    {"AUD_ADCDAT", U, DIR_IN, LVTTL},
                    {"AUD_DACLRCK", U, DIR_INOUT, LVTTL},
                    {"AUD_DACDAT", U, DIR_OUT, LVTTL},
                    {"AUD_XCK", U, DIR_OUT, LVTTL},
                    {"AUD_BCLK", U, DIR_INOUT, LVTTL}});
        group.AddTo(board);
    }
    if (Config.bEeprom) {
        TPinGroup group("I2C for EEPROM");
        group.Pins({{"EEP_I2C_SCLK", U, DIR_OUT, LVTTL}, {"EEP_I2C_SDAT", U, DIR_INOUT, LVTTL}});
        group.AddTo(board);
    }
    if (Config.bAudio || Config.bTvDecoder || Config.nHsmcDaughterId) {
        std::string name = "I2C for ";
        if (Config.bAudio) name += "Audio ";
        if (Config.bTvDecoder) name += "Tv-Decoder ";
        if (Config.nHsmcDaughterId) name += "HSMC ";
        TPinGroup group(name);
        group.Pins({{"I2C_SCLK", "B7", DIR_OUT, LVTTL}, {"I2C_SDAT", "A8", DIR_INOUT, LVTTL}});
        group.AddTo(board);
    }
    bool clockGiven = false;
    for (int port = 0; port < 2; ++port) {
        if (!Config.bEthernet[port]) continue;
        AddEthernet(board, port, !clockGiven);
        clockGiven = true;
    }
    if (Config.bTvDecoder) {
        TPinGroup group("TV Decoder");
        group.Pins({{"TD_HS", U, DIR_IN, LVTTL},
                    {"TD_VS", U, DIR_IN, LVTTL},
                    {"TD_CLK27", U, DIR_IN, LVTTL},
                    {"TD_RESET_N", U, DIR_OUT, LVTTL}});
        Bus(group, "TD_DATA[%d]", 8, "E8", "F7", DIR_IN, LVTTL);
        group.AddTo(board);
    }
    if (Config.bUsb) {
        TPinGroup group("USB 2.0 OTG (Cypress CY7C67200)");
        Bus(group, "OTG_DATA[%d]", 16, "J6", "G4", DIR_INOUT, LVTTL);
        group.Pins({{"OTG_ADDR[0]", U, DIR_OUT, LVTTL},
                    {"OTG_ADDR[1]", U, DIR_OUT, LVTTL},
                    {"OTG_INT", U, DIR_IN, LVTTL},
                    {"OTG_RST_N", U, DIR_OUT, LVTTL},
                    {"OTG_CS_N", U, DIR_OUT, LVTTL},
                    {"OTG_RD_N", U, DIR_OUT, LVTTL},
                    {"OTG_WE_N", U, DIR_OUT, LVTTL}});
        group.AddTo(board);
    }
    if (Config.bIr) {
        TPinGroup group("IR Receiver");
        group.Pin("IRDA_RXD", "Y15", DIR_IN, LVTTL);
        group.AddTo(board);
    }
    if (Config.bSdram) {
        TPinGroup group("SDRAM");
        group.Pins({{"DRAM_BA[0]", U, DIR_OUT, LVTTL}, {"DRAM_BA[1]", U, DIR_OUT, LVTTL}});
        Bus(group, "DRAM_DQM[%d]", 4, U, U, DIR_OUT, LVTTL);
        group.Pins({{"DRAM_RAS_N", U, DIR_OUT, LVTTL},
                    {"DRAM_CAS_N", U, DIR_OUT, LVTTL},
                    {"DRAM_CKE", U, DIR_OUT, LVTTL},
                    {"DRAM_CLK", U, DIR_OUT, LVTTL},
                    {"DRAM_WE_N", U, DIR_OUT, LVTTL},
                    {"DRAM_CS_N", U, DIR_OUT, LVTTL}});
        Bus(group, "DRAM_DQ[%d]", 32, "W3", "U1", DIR_INOUT, LVTTL);
        Bus(group, "DRAM_ADDR[%d]", 13, "R6", "Y7", DIR_OUT, LVTTL);
        group.AddTo(board);
    }
    if (Config.bSram) {
        TPinGroup group("SRAM");
        Bus(group, "SRAM_ADDR[%d]", 20, "AB7", "T8", DIR_OUT, LVTTL);
        Bus(group, "SRAM_DQ[%d]", 16, "AH3", "AG3", DIR_INOUT, LVTTL);
        group.Pins({{"SRAM_UB_N", U, DIR_OUT, LVTTL},
                    {"SRAM_LB_N", U, DIR_OUT, LVTTL},
                    {"SRAM_CE_N", U, DIR_OUT, LVTTL},
                    {"SRAM_OE_N", U, DIR_OUT, LVTTL},
                    {"SRAM_WE_N", U, DIR_OUT, LVTTL}});
        group.AddTo(board);
    }
    if (Config.bFlash) {
        TPinGroup group("Flash");
        Bus(group, "FL_ADDR[%d]", 23, "AG12", "AD11", DIR_OUT, LVTTL);
        Bus(group, "FL_DQ[%d]", 8, "AH8", "AF12", DIR_INOUT, LVTTL);
        group.Pins({{"FL_CE_N", U, DIR_OUT, LVTTL},
                    {"FL_OE_N", U, DIR_OUT, LVTTL},
                    {"FL_RST_N", U, DIR_OUT, LVTTL},
                    {"FL_RY", U, DIR_IN, LVTTL},
                    {"FL_WE_N", U, DIR_OUT, LVTTL},
                    {"FL_WP_N", U, DIR_OUT, LVTTL}});
        group.AddTo(board);
    }

    if (Config.nGpioDaughterId) {
        const auto locations =
            MasterLocations(GPIO_PIN_NUM, GpioHeaderPositionsWithoutPin(), {{1, "AB22"}, {40, "AG26"}});
        const int nNum = static_cast<int>(locations.size());
        PL_ASSERT(nNum == GPIO_PIN_NUM);
        AddMaster(board, "GPIO", Format("GPIO connect to %s", GetCardDisplayName(Config.nGpioDaughterId).c_str()),
                  CONNECTOR_GPIO40, KESTLEFORD_GPIO_MASTER_ID, locations);
    }
    if (Config.nHsmcDaughterId) {
        const auto locations = MasterLocations(HSMC_PIN_NUM, HsmcPairsWithoutPin({{1, 38}}),
                                               {{39, "AD28"}, {40, "AH15"}, {109, "P28"}, {158, "Y28"}});
        const int nNum = static_cast<int>(locations.size());
        PL_ASSERT(nNum == 160);
        TConnector* master =
            AddMaster(board, "HSMC", Format("HSMC connect to %s", GetCardDisplayName(Config.nHsmcDaughterId).c_str()),
                      CONNECTOR_HSMC, KESTLEFORD_HSMC_MASTER_ID, locations);
        FixMasterPosition(master, 40, DIR_IN, hsmcStandard);
    }
}
