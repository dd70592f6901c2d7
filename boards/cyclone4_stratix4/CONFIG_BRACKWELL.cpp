#include "boards/cyclone4_stratix4/CONFIG_BRACKWELL.h"

#include <iterator>
#include <string>
#include <vector>

#include "boards/frame/ConfigFrame.h"
#include "model/DaughterBoard.h"
#include "model/Text.h"
#include "platform/Seam.h"

namespace {

// The two GPIO headers that HSMC-C carries in GPIO mode.
enum { GPIO_0 = 0, GPIO_1 = 1 };
constexpr int GPIO_PIN_NUM = 40;
constexpr int HSMC_PIN_NUM = 160;
constexpr int DDR3_SODIMM_PIN_NUM = 204;
constexpr int32_t CLOCK_PERIOD_NS = 20;  // every oscillator of the board runs at 50 MHz

const TDevice kDevices[2] = {
    {"Stratix IV", 1517, "FBGA", nullptr, 2, "EP4SGX230KF40C2"},
    {"Stratix IV", 1517, "FBGA", nullptr, 2, "EP4SGX530KH40C2"},
};

// The on-board oscillators, by bank; the I/O standard of a bank shared with
// an HSMC connector follows that connector's card.
enum BankStandard { BANK_1V5, BANK_HSMC_D, BANK_HSMC_F };
struct ClockRow {
    int Bank;
    const char* Ball;
    BankStandard Standard;
};
const ClockRow kClocks[] = {
    {1, "AB34", BANK_HSMC_D}, {3, "AW22", BANK_HSMC_F}, {4, "AV19", BANK_HSMC_F},
    {7, "A21", BANK_1V5},     {8, "B23", BANK_1V5},
};

// PCI Express ports 0 and 1.
struct PcieRow {
    const char* RefClock;
    const char* Perst;
    const char* Wake;
    const char* Tx[4];
    const char* Rx[4];
};
const PcieRow kPcie[2] = {
    {"AN38", "F8", "AE10", {"AT36", "AP36", "AH36", "AF36"}, {"AU38", "AR38", "AJ38", "AG38"}},
    {"AN2", "G8", "AE11", {"AT4", "AP4", "AH4", "AF4"}, {"AU2", "AR2", "AJ2", "AG2"}},
};

// The two GPIO headers on HSMC-C: the balls the board's data gives.
std::vector<const char*> GpioLocations(int header)
{
    if (header == GPIO_0)
        return MasterLocations(GPIO_PIN_NUM, GpioHeaderPositionsWithoutPin(), {{1, "AF34"}, {2, "AG34"}, {40, "AR28"}});
    return MasterLocations(GPIO_PIN_NUM, GpioHeaderPositionsWithoutPin(), {{1, "AB27"}, {40, "AD29"}});
}

// HSMC-A .. HSMC-F: the balls the board's data gives, at these positions.
const int kHsmcGivenPositions[11] = {1, 39, 40, 95, 96, 97, 98, 155, 156, 157, 158};
// clang-format off
const char* const kHsmcGivenBalls[6][11] = {
    // 1       39      40      95      96     97      98      155     156     157     158
    {"B4",    "D10",  "C10",  "R12",  "AF6", "R11",  "AE5",  "H10",  "AC6",  "G10",  "AC5"},   // A
    {kNoPin,  "AN15", "AP15", "AN10", "AT7", "AP10", "AU7",  "AH10", "AV14", "AJ10", "AW14"},  // B
    {kNoPin,  "AT27", "AU27", "AG34", "AF34", "AG35", "AE35", "AE25", "AC34", "AD25", "AC35"}, // C
    {kNoPin,  "P19",  "AA35", "W32",  "W34", "W33",  "W35",  "M32",  "J34",  "L32",  "J35"},   // D
    {"B36",   "C12",  "C13",  "W12",  "W6",  "W11",  "W5",   "R14",  "AB6",  "N15",  "AA5"},   // E
    {kNoPin,  "AP20", "AV22", "AN21", "AW20", "AP21", "AW21", "AH20", "AR22", "AJ20", "AT21"}, // F
};
// clang-format on

// HSMC-A and HSMC-E carry transceivers on 1 to 32; the others have no pin there.
bool HasTransceivers(int hsmc) { return hsmc == 0 || hsmc == 4; }

std::vector<const char*> HsmcLocations(int hsmc)
{
    std::vector<TPositionRange> withoutPin = HsmcPositionsWithoutPin();
    withoutPin.push_back({33, 34});
    if (!HasTransceivers(hsmc)) withoutPin.push_back({1, 32});
    std::vector<const char*> locations = MasterLocations(HSMC_PIN_NUM, withoutPin, {});
    for (int k = 0; k < 11; ++k) {
        const int position = kHsmcGivenPositions[k];
        const char* ball = kHsmcGivenBalls[hsmc][k];
        PL_ASSERT((locations[static_cast<size_t>(position - 1)] == kNoPin) == (ball == kNoPin));
        locations[static_cast<size_t>(position - 1)] = ball;
    }
    return locations;
}

// Placeholders of a fixed direction or standard, whatever the card says.
struct HsmcFixedPin {
    int Hsmc;
    int Position;
    PinDirection Direction;  // PIN_DIR_BY_CARD: as the card says
    IoStandard Standard;     // IO_STD_BY_CARD: as the card says
};
const HsmcFixedPin kHsmcFixedPins[] = {
    {0, 156, DIR_IN, IO_STD_BY_CARD}, {0, 158, DIR_IN, IO_STD_BY_CARD}, {2, 156, DIR_IN, IO_STD_BY_CARD},
    {2, 158, DIR_IN, IO_STD_BY_CARD}, {3, 39, PIN_DIR_BY_CARD, IO_1V5}, {3, 40, DIR_IN, IO_STD_BY_CARD},
    {4, 156, DIR_IN, IO_STD_BY_CARD},
};

void AddClock(TMainBoard* board, const BRACKWELL_CONFIG& Config, IoStandard hsmcD, IoStandard hsmcF)
{
    TPinGroup group("CLOCK");
    if (Config.bCLOCK) {
        const int nNum = static_cast<int>(std::size(kClocks));
        PL_ASSERT(nNum == 5);
        for (const ClockRow& clock : kClocks) {
            const IoStandard standard = clock.Standard == BANK_HSMC_D   ? hsmcD
                                        : clock.Standard == BANK_HSMC_F ? hsmcF
                                                                        : IoStandard{IO_1V5};
            group.Clock(Format("OSC_50_BANK%d", clock.Bank), clock.Ball, standard, CLOCK_PERIOD_NS);
        }
    } else {
        // The clock of the external PLL controller.
        group.Clock("OSC_50_BANK1", "AB34", IO_2V5, CLOCK_PERIOD_NS);
    }
    group.AddTo(board);
}

void AddPcie(TMainBoard* board, int port, IoStandard hsmcA)
{
    const PcieRow& row = kPcie[port];
    TPinGroup group(Format("PCIe%d 4-Lane Downstream", port));
    group.Pin(Format("PCIE%d_REFCLK_p", port), row.RefClock, DIR_IN, IO_HCSL);
    group.Pin(Format("PCIE%d_PERST_n", port), row.Perst, DIR_IN, hsmcA);
    group.Pin(Format("PCIE%d_WAKE_n", port), row.Wake, DIR_OUT, hsmcA);
    for (int lane = 0; lane < 4; ++lane) {
        group.Pin(Format("PCIE%d_TX_p[%d]", port, lane), row.Tx[lane], DIR_OUT, IO_1V4_PCML);
        group.Pin(Format("PCIE%d_RX_p[%d]", port, lane), row.Rx[lane], DIR_IN, IO_1V4_PCML);
    }
    group.AddTo(board);
}

void AddSharedBus(TMainBoard* board, const BRACKWELL_CONFIG& Config)
{
    TPinGroup group("Flash and SRAM Address/Data/OE/WM Share Bus");
    const std::vector<const char*> data = BusBalls(32, {{0, "B32"}, {31, "D33"}});
    group.Bus("FSM_D[%d]", data.data(), static_cast<int>(data.size()), DIR_INOUT, IO_3V0_PCIX);
    // FSM_A[1] .. FSM_A[25]; entry 0 is no pin. Without the flash the SSRAM
    // uses the lines up to FSM_A[20].
    std::vector<const char*> address = BusBalls(26, {{1, "L31"}, {20, "H34"}, {25, "M30"}});
    address[0] = kNoPin;
    group.Bus("FSM_A[%d]", address.data(), Config.bFLASH ? 26 : 21, DIR_OUT, IO_3V0_PCIX);
    group.Pins({{"FSM_OE_n", "AT16", DIR_OUT, IO_3V0_PCIX}, {"FSM_WE_n", "AL16", DIR_OUT, IO_3V0_PCIX}});
    group.AddTo(board);
}

void AddDdr3(TMainBoard* board)
{
    const std::vector<const char*> locations =
        MasterLocations(DDR3_SODIMM_PIN_NUM, Ddr3SodimmPositionsWithoutPin(),
                        {{4, "G17"}, {30, "J18"}, {198, "R18"}, {200, "P18"}, {202, "H19"}});
    PL_ASSERT(static_cast<int>(locations.size()) == 204);
    TConnector* master =
        AddMaster(board, "DDR3 SODIMM", "", CONNECTOR_DDR3_SODIMM, BRACKWELL_MASTER_DDR3, locations);
    // Reset and the serial presence-detect bus sit in a 1.5-V bank.
    for (int position : {30, 198, 200, 202}) master->GetPin(position - 1)->SetIoStandard(IO_1V5);

    TPinGroup oct("OCT RUP/RDN for Altera DDR3 UniPHY Controller");
    oct.Pins({{"mem_oct_rdn", "N26", DIR_IN, IO_1V5}, {"mem_oct_rup", "P26", DIR_IN, IO_1V5}});
    oct.AddTo(board);
}

void AddGpioHeaders(TMainBoard* board, const BRACKWELL_CONFIG& Config)
{
    const DaughterId g0 = Config.nGpioDaughterId[GPIO_0];
    if (GetCardConnectorType(g0) == CONNECTOR_GPIO80) {
        PL_ASSERT(Config.nGpioDaughterId[GPIO_0]);
        PL_ASSERT(Config.nGpioDaughterId[GPIO_1]);
        std::vector<const char*> locations = GpioLocations(0);
        const std::vector<const char*> second = GpioLocations(1);
        locations.insert(locations.end(), second.begin(), second.end());
        PL_ASSERT(static_cast<int>(locations.size()) == GPIO_PIN_NUM * 2);
        AddMaster(board, "GPIO_0_1", Format("GPIO_0_1 connect to %s", GetCardDisplayName(g0).c_str()),
                  CONNECTOR_GPIO80, BRACKWELL_MASTER_GPIO_0_1, locations);
        return;
    }
    for (int j = 0; j < 2; ++j) {
        const DaughterId card = Config.nGpioDaughterId[j];
        if (card == 0) continue;
        const std::vector<const char*> locations = GpioLocations(j);
        PL_ASSERT(static_cast<int>(locations.size()) == GPIO_PIN_NUM);
        AddMaster(board, Format("GPIO_%d", j), Format("GPIO_%d connect to %s", j, GetCardDisplayName(card).c_str()),
                  CONNECTOR_GPIO40, BRACKWELL_MASTER_GPIO_0 + j, locations);
    }
}

void AddHsmc(TMainBoard* board, int hsmc, DaughterId card)
{
    const char letter = static_cast<char>('A' + hsmc);
    const std::vector<const char*> locations = HsmcLocations(hsmc);
    PL_ASSERT(static_cast<int>(locations.size()) == HSMC_PIN_NUM);
    TConnector* master =
        AddMaster(board, Format("HSMC-%c", letter),
                  Format("HSMC-%c connect to %s", letter, GetCardDisplayName(card).c_str()), CONNECTOR_HSMC,
                  BRACKWELL_MASTER_HSMC_A + hsmc, locations);
    for (const HsmcFixedPin& fixed : kHsmcFixedPins) {
        if (fixed.Hsmc != hsmc) continue;
        TPin* pin = master->GetPin(fixed.Position - 1);
        PL_ASSERT(pin);
        pin->SetDirection(fixed.Direction);
        pin->SetIoStandard(fixed.Standard);
    }
}

}  // namespace

IoStandard GetHsmcCardIoStandard(const BRACKWELL_CONFIG& Config, int i)
{
    PL_ASSERT(i >= 0 && i < 6);
    return GetCardIoStandard(Config.nHsmcDaughterId[i]);
}

void CONFIG_BRACKWELL(TMainBoard* board, const BRACKWELL_CONFIG* pConfig)
{
    PL_ASSERT(board && pConfig);
    const BRACKWELL_CONFIG& Config = *pConfig;
    const IoStandard hsmcF = GetHsmcCardIoStandard(Config, 5);
    const IoStandard hsmcA = GetHsmcCardIoStandard(Config, 0);
    const IoStandard hsmcB = GetHsmcCardIoStandard(Config, 1);
    const IoStandard hsmcD = GetHsmcCardIoStandard(Config, 3);

    board->m_BrackwellConfig.CopyFrom(Config);
    board->m_BoardId = static_cast<MainBoardId>(Config.BoardId);
    CHECK_RECORD_HEAD(Config, MAINBOARD_BRACKWELL, BRACKWELL_CONFIG);

    board->ClearConnectors();
    if (Config.nBoardType > 1) PL_ASSERT(0);
    SetDevice(board, kDevices[Config.nBoardType]);

    if (Config.bCLOCK || Config.bExtPLL) AddClock(board, Config, hsmcD, hsmcF);
    {
        TPinGroup group("Loop");
        group.Pins({{"LOOP_CLKIN0", "B22", DIR_IN, IO_1V5},
                    {"LOOP_CLKIN1", "B20", DIR_IN, IO_1V5},
                    {"LOOP_CLKOUT0", "M20", DIR_OUT, IO_1V5},
                    {"LOOP_CLKOUT1", "L20", DIR_OUT, IO_1V5}});
        group.AddTo(board);
    }
    if (Config.bSMA) {
        TPinGroup group("SMA");
        group.Pins({{"SMA_CLKIN", "AW19", DIR_IN, hsmcF},
                    {"SMA_CLKOUT", "AN20", DIR_OUT, hsmcF},
                    {"SMA_CLKOUT_p", "AC11", DIR_OUT, IO_LVDS},
                    {"SMA_GXBCLK_p", "J38", DIR_IN, IO_1V4_PCML}});
        group.AddTo(board);
    }
    if (Config.bLED) {
        static const char* const kLed[] = {"B19", "A18", "D19", "C19"};
        const int nNum = static_cast<int>(std::size(kLed));
        PL_ASSERT(nNum == 4);
        TPinGroup group("LED x 4");
        group.Bus("LED[%d]", kLed, nNum, DIR_OUT, IO_1V5);
        group.AddTo(board);
    }
    if (Config.bBUTTON) {
        static const char* const kButton[] = {"L19", "M19", "A19", "P20"};
        const int nNum = static_cast<int>(std::size(kButton));
        PL_ASSERT(nNum == 4);
        TPinGroup group("BUTTON x 4");
        group.Bus("BUTTON[%d]", kButton, nNum, DIR_IN, IO_1V5);
        group.AddTo(board);
    }
    if (Config.bSW) {
        static const char* const kSw[] = {"AH18", "AH19", "D6", "C6"};
        const int nNum = static_cast<int>(std::size(kSw));
        PL_ASSERT(nNum == 4);
        TPinGroup group("SWITCH x 4");
        group.Pins({{"SW[0]", kSw[0], DIR_IN, hsmcF},
                    {"SW[1]", kSw[1], DIR_IN, hsmcF},
                    {"SW[2]", kSw[2], DIR_IN, hsmcA},
                    {"SW[3]", kSw[3], DIR_IN, hsmcA}});
        group.AddTo(board);
    }
    if (Config.bTemperature) {
        TPinGroup group("Temperature");
        group.Pins({{"TEMP_SMCLK", "AR14", DIR_OUT, hsmcB},
                    {"TEMP_SMDAT", "AP14", DIR_INOUT, hsmcB},
                    {"TEMP_INT_n", "AH13", DIR_IN, hsmcB},
                    {"TEMP_OVERT_n", "AK14", DIR_IN, hsmcB}});
        group.AddTo(board);
    }
    if (Config.bFAN) {
        TPinGroup group("Fan");
        group.Pin("FAN_CTRL", "B17", DIR_OUT, IO_1V5);
        group.AddTo(board);
    }
    if (Config.bPCIE0 || Config.bPCIE1) {
        const int nNum = static_cast<int>(std::size(kPcie));
        PL_ASSERT(nNum == 2);
        for (int port = 0; port < 2; ++port)
            if (port == 0 ? Config.bPCIE0 : Config.bPCIE1) AddPcie(board, port, hsmcA);
    }
    if (Config.bFLASH || Config.bSSRAM) AddSharedBus(board, Config);
    if (Config.bFLASH) {
        TPinGroup group("Flash Control");
        group.Pins({{"FLASH_RDY_BSY_n", "A23", DIR_IN, IO_1V5},
                    {"FLASH_CLK", "AU15", DIR_OUT, IO_3V0_PCIX},
                    {"FLASH_RESET_n", "AV16", DIR_OUT, IO_3V0_PCIX},
                    {"FLASH_ADV_n", "AT15", DIR_OUT, IO_3V0_PCIX},
                    {"FLASH_CE_n", "AP16", DIR_OUT, IO_3V0_PCIX},
                    {"FLASH_WP_n", "A20", DIR_OUT, IO_1V5}});
        group.AddTo(board);
    }
    if (Config.bSSRAM) {
        TPinGroup group("SSRAM Control");
        group.Pins({{"SSRAM_CLK", "AG17", DIR_OUT, IO_3V0_PCIX},
                    {"SSRAM_ADSC_n", "AP17", DIR_OUT, IO_3V0_PCIX},
                    {"SSRAM_ADSP_n", "AR17", DIR_OUT, IO_3V0_PCIX},
                    {"SSRAM_ADV_n", "AW16", DIR_OUT, IO_3V0_PCIX},
                    {"SSRAM_CE1_n", "AF17", DIR_OUT, IO_3V0_PCIX},
                    {"SSRAM_BE_n[0]", "AN16", DIR_OUT, IO_3V0_PCIX},
                    {"SSRAM_BE_n[1]", "AN17", DIR_OUT, IO_3V0_PCIX},
                    {"SSRAM_BE_n[2]", "AR16", DIR_OUT, IO_3V0_PCIX},
                    {"SSRAM_BE_n[3]", "AU16", DIR_OUT, IO_3V0_PCIX}});
        group.AddTo(board);
    }
    if (Config.bExtPLL) {
        TPinGroup max2("MAX2");
        max2.Pins({{"MAX2_I2C_SCL", "C20", DIR_OUT, IO_1V5}, {"MAX2_I2C_SDA", "A17", DIR_INOUT, IO_1V5}});
        max2.AddTo(board);
        TPinGroup pll("Programming PLL");
        pll.Pins({{"HSMA_REFCLK_p", "AA2", DIR_IN, IO_1V4_PCML},
                  {"HSME_REFCLK_p", "AA38", DIR_IN, IO_1V4_PCML},
                  {"PGM_GXB_CLK_p1", "J2", DIR_IN, IO_1V4_PCML}});
        pll.AddTo(board);
    }
    if (Config.bDDR3) AddDdr3(board);
    if (Config.bHsmcCGpio && (Config.nGpioDaughterId[0] > 0 || Config.nGpioDaughterId[1] > 0))
        AddGpioHeaders(board, Config);
    for (int i = 0; i < 6; ++i) {
        const DaughterId card = Config.nHsmcDaughterId[i];
        if (card != 0 && !(i == 2 && Config.bHsmcCGpio)) AddHsmc(board, i, card);
    }
    if (Config.nHsmcDaughterId[0] > 0 || Config.nHsmcDaughterId[1] > 0 || Config.nHsmcDaughterId[2] > 0) {
        TPinGroup group("HSMC A/B/C I2C");
        group.Pins({{"HSMC_ABC_SCL", "AE16", DIR_OUT, hsmcB}, {"HSMC_ABC_SDA", "AF16", DIR_INOUT, hsmcB}});
        group.AddTo(board);
    }
    // The bus serves the cards on HSMC-D, -E and -F alike.
    if (Config.nHsmcDaughterId[3] > 0 || Config.nHsmcDaughterId[4] > 0 || Config.nHsmcDaughterId[5] > 0) {
        TPinGroup group("HSMC D/E/F I2C");
        group.Pins({{"HSMC_DEF_SCL", "G21", DIR_OUT, IO_1V5}, {"HSMC_DEF_SDA", "F21", DIR_INOUT, IO_1V5}});
        group.AddTo(board);
    }
}
