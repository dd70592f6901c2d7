#include "boards/cyclone4_stratix4/CONFIG_ORMSGILL.h"

#include <iterator>

#include "boards/frame/ConfigFrame.h"
#include "model/DaughterBoard.h"
#include "model/Text.h"

namespace {

constexpr int GPIO_0 = 0;
constexpr int GPIO_1 = 1;
constexpr int GPIO_PIN_NUM = 40;
constexpr int HSMC_PIN_NUM = 160;
constexpr int DDR2_PIN_NUM = 200;
constexpr int32_t CLOCK_PERIOD_NS = 20;

constexpr TDevice kDevice230 = {"Stratix IV", 1517, "FBGA", nullptr, 2, "EP4SGX230KF40C2"};
constexpr TDevice kDevice530 = {"Stratix IV", 1517, "FBGA", nullptr, 2, "EP4SGX530KH40C2"};

// The 50 MHz oscillators by bank number; banks 0 and 1 have none.
struct TBankClock {
    const char* Ball;
    IoStandard Standard;
};
const TBankClock kOsc50[8] = {{kNoPin, 0},        {kNoPin, 0},        {"AC35", IO_2V5}, {"AV22", IO_1V8},
                              {"AV19", IO_1V8},   {"AC6", IO_3V0_PCIX}, {"AB6", IO_2V5},  {"A19", IO_1V8}};

const char* const kButton[4] = {"AH5", "AG5", "AG7", "AG8"};
const char* const kSlideSwitch[4] = {"J7", "K7", "AK6", "L7"};

// Ethernet ports in pin order RX_p, TX_p, MDIO, MDC, INT_n; the board's data
// gives ports 0 and 3.
const char* const kEthernet[4][5] = {
    {"U31", "T30", "W32", "R30", "B20"},
    {kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall},
    {kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall},
    {"J34", "P31", "N8", "N7", "AE31"},
};

// PCIe lanes RX_p, TX_p; the board's data gives lanes 0 and 7.
const char* const kPcie[8][2] = {
    {"AU38", "AT36"},
    {kUnknownBall, kUnknownBall}, {kUnknownBall, kUnknownBall}, {kUnknownBall, kUnknownBall},
    {kUnknownBall, kUnknownBall}, {kUnknownBall, kUnknownBall}, {kUnknownBall, kUnknownBall},
    {"R38", "P36"},
};

// The address bus of flash and SSRAM, numbered from 1: FSM_A[n] is entry
// n - 1. SSRAM alone uses FSM_A[1..20].
const char* const kFsmAddress[25] = {
    "G22",        kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall,
    kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall,
    kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall, "T28",        kUnknownBall,
    kUnknownBall, kUnknownBall, kUnknownBall, "C22",
};

// The SATA ports in the order host 0, host 1, device 0, device 1.
struct TSataPort {
    const char* Rx;
    const char* Tx;
    const char* RxBall;
    const char* TxBall;
};
const TSataPort kSata[4] = {
    {"SATA_HOST_RX_p[0]", "SATA_HOST_TX_p[0]", "AR2", "AP4"},
    {"SATA_HOST_RX_p[1]", "SATA_HOST_TX_p[1]", "AG2", "AF4"},
    {"SATA_DEVICE_RX_p[0]", "SATA_DEVICE_TX_p[0]", "AU2", "AT4"},
    {"SATA_DEVICE_RX_p[1]", "SATA_DEVICE_TX_p[1]", "AJ2", "AH4"},
};

// DDR2 SODIMM sockets: the first and the last located position.
const TGivenBall kDdr2Ends[2][2] = {{{4, "AW34"}, {200, "AW25"}}, {{4, "J12"}, {200, "B19"}}};
const TPinRow kDdr2Termination[2][2] = {
    {{"M1_DDR2_oct_rup", "AF25", DIR_IN, IO_1V8}, {"M1_DDR2_oct_rdn", "AG25", DIR_IN, IO_1V8}},
    {{"M2_DDR2_oct_rup", "P14", DIR_IN, IO_1V8}, {"M2_DDR2_oct_rdn", "N14", DIR_IN, IO_1V8}},
};

// GPIO headers: the first and the last position.
const TGivenBall kGpioEnds[2][2] = {{{1, "AF6"}, {40, "AD13"}}, {{1, "AW5"}, {40, "AE11"}}};

// HSMC-A carries four transceiver lanes and leaves positions 1 to 16 (and
// 33 to 37) without a pin; HSMC-B carries eight and leaves 33 to 38. On
// both, positions 40, 96 and 98 are inputs whatever the card says.
std::vector<const char*> HsmcLocations(int port)
{
    if (port == 0)
        return MasterLocations(HSMC_PIN_NUM, HsmcPairsWithoutPin({{1, 16}, {33, 37}}),
                               {{17, "B36"}, {40, "AC34"}, {96, "AB34"}, {98, "AA35"}, {158, "AE35"}});
    return MasterLocations(HSMC_PIN_NUM, HsmcPairsWithoutPin({{33, 38}}),
                           {{1, "B4"}, {40, "AA5"}, {96, "W34"}, {98, "W35"}, {158, "W5"}});
}
constexpr int kHsmcInputPositions[] = {40, 96, 98};

std::vector<const char*> GpioLocations(int header)
{
    const TGivenBall* ends = kGpioEnds[header];
    return MasterLocations(GPIO_PIN_NUM, GpioHeaderPositionsWithoutPin(), {ends[0], ends[1]});
}

// Every clock pin, or (all false) OSC_50_BANK2 alone.
void AddClock(TMainBoard* board, bool all)
{
    TPinGroup group("CLOCK");
    const int nNum = static_cast<int>(std::size(kOsc50));
    PL_ASSERT(nNum == 8);
    for (int n = 0; n < nNum; ++n)
        if (kOsc50[n].Ball != kNoPin && (all || n == 2))
            group.Clock(Format("OSC_50_BANK%d", n), kOsc50[n].Ball, kOsc50[n].Standard, CLOCK_PERIOD_NS);
    if (all)
        group.Pins({{"GCLKOUT_FPGA", "AH19", DIR_OUT, IO_1V8},
                    {"GCLKIN", "A21", DIR_IN, IO_1V8},
                    {"PLL_CLKIN_p", "B22", DIR_IN, IO_LVDS}});
    group.AddTo(board);
}

void AddEthernet(TMainBoard* board)
{
    TPinGroup group("Ethernet x 4");
    const int nNum = static_cast<int>(std::size(kEthernet));
    PL_ASSERT(nNum == 4);
    for (int p = 0; p < nNum; ++p) {
        const char* const* balls = kEthernet[p];
        group.Pin(Format("ETH_RX_p[%d]", p), balls[0], DIR_IN, IO_LVDS);
        group.Pin(Format("ETH_TX_p[%d]", p), balls[1], DIR_OUT, IO_LVDS);
        group.Pin(Format("ETH_MDIO[%d]", p), balls[2], DIR_INOUT, IO_2V5);
        group.Pin(Format("ETH_MDC[%d]", p), balls[3], DIR_OUT, IO_2V5);
        group.Pin(Format("ETH_INT_n[%d]", p), balls[4], DIR_IN, p == 0 ? IO_1V8 : IO_2V5);
    }
    group.Pin("ETH_RST_n", "V29", DIR_OUT, IO_2V5);
    group.AddTo(board);
}

void AddPcie(TMainBoard* board)
{
    TPinGroup group("PCIe x 8");
    const int nNum = static_cast<int>(std::size(kPcie));
    PL_ASSERT(nNum == 8);
    for (int l = 0; l < nNum; ++l) {
        group.Pin(Format("PCIE_RX_p[%d]", l), kPcie[l][0], DIR_IN, IO_1V4_PCML);
        group.Pin(Format("PCIE_TX_p[%d]", l), kPcie[l][1], DIR_OUT, IO_1V4_PCML);
    }
    group.Pins({{"PCIE_REFCLK_p", "AN38", DIR_IN, IO_HCSL},
                {"PCIE_PREST_n", "V30", DIR_IN, IO_2V5},
                {"PCIE_WAKE_n", "U35", DIR_OUT, IO_2V5},
                {"PCIE_SMBCLK", "R31", DIR_IN, IO_2V5},
                {"PCIE_SMBDAT", "W33", DIR_INOUT, IO_2V5}});
    group.AddTo(board);
}

// FSM_A[1..count]: entry n - 1 of the address table.
void AddFsmAddress(TPinGroup& group, int count)
{
    const int nNum = static_cast<int>(std::size(kFsmAddress));
    PL_ASSERT(nNum == 25);
    for (int n = 1; n <= count; ++n) group.Pin(Format("FSM_A[%d]", n), kFsmAddress[n - 1], DIR_OUT, IO_2V5);
}

void AddUsbOtg(TMainBoard* board)
{
    TPinGroup group("3-Ports High-Speed USB OTG");
    group.Bus({"OTG_D[%d]", 32, "AF16", "L26", DIR_INOUT, IO_1V8});
    // OTG_A[1..17], numbered from 1.
    for (int n = 1; n <= 17; ++n)
        group.Pin(Format("OTG_A[%d]", n), n == 1 ? "K26" : n == 17 ? "F16" : kUnknownBall, DIR_OUT, IO_1V8);
    group.Pins({{"OTG_CS_n", "P19", DIR_OUT, IO_1V8},
                {"OTG_DC_DACK", "AH20", DIR_OUT, IO_1V8},
                {"OTG_DC_DREQ", "AP21", DIR_IN, IO_1V8},
                {"OTG_DC_IRQ", "AT22", DIR_IN, IO_1V8},
                {"OTG_HC_DACK", "AT21", DIR_OUT, IO_1V8},
                {"OTG_HC_DREQ", "AN21", DIR_IN, IO_1V8},
                {"OTG_HC_IRQ", "AJ20", DIR_IN, IO_1V8},
                {"OTG_OE_n", "N19", DIR_OUT, IO_1V8},
                {"OTG_RESET_n", "AU22", DIR_OUT, IO_1V8},
                {"OTG_WE_n", "AR22", DIR_OUT, IO_1V8}});
    group.AddTo(board);
}

void AddDdr2Socket(TMainBoard* board, int socket)
{
    const TGivenBall* ends = kDdr2Ends[socket];
    const auto locations = MasterLocations(DDR2_PIN_NUM, Ddr2SodimmPositionsWithoutPin(), {ends[0], ends[1]});
    const int nNum = static_cast<int>(locations.size());
    PL_ASSERT(nNum == 200);
    TConnector* pCon = AddMaster(board, "DDR2 SODIMM", Format("DDR2 SODIMM_%d", socket), CONNECTOR_DDR2_SODIMM,
                                 ORMSGILL_DDR2_MASTER_ID + socket, locations);
    PL_ASSERT(pCon->GetActivePinCount() == 124);
    TPinGroup group(Format("DDR2 SODIMM_%d RUP/RDN", socket));
    for (const TPinRow& row : kDdr2Termination[socket]) group.Pin(row.Name, row.Ball, row.Direction, row.Standard);
    group.AddTo(board);
}

}  // namespace

void CONFIG_ORMSGILL(TMainBoard* board, const ORMSGILL_CONFIG* pConfig)
{
    const ORMSGILL_CONFIG& Config = *pConfig;
    board->m_OrmsgillConfig.CopyFrom(Config);
    board->m_BoardId = static_cast<MainBoardId>(Config.BoardId);
    CHECK_RECORD_HEAD(Config, MAINBOARD_ORMSGILL, ORMSGILL_CONFIG);
    board->ClearConnectors();
    switch (Config.nBoardType) {
    case 0: SetDevice(board, kDevice230); break;
    case 1: SetDevice(board, kDevice530); break;
    default: PL_ASSERT(0);
    }

    // The external-PLL block of the top level uses OSC_50_BANK2, CPU_RESET_n
    // and the PLL's 2-wire interface: they are declared whenever it is written.
    if (Config.bClock)
        AddClock(board, true);
    else if (Config.bExtPll)
        AddClock(board, false);
    if (Config.bExtPll) {
        TPinGroup group("External PLL");
        group.Pins({{"MAX_I2C_SCLK", "AP24", DIR_OUT, IO_1V8}, {"MAX_I2C_SDAT", "AN22", DIR_INOUT, IO_1V8}});
        group.AddTo(board);
    }
    if (Config.bSma) {
        TPinGroup group("SMA");
        group.Pins({{"SMA_CLKIN_p", "B23", DIR_IN, IO_LVDS},
                    {"SMA_CLKOUT_p", "M20", DIR_OUT, IO_LVDS},
                    {"SMA_GXBCLK_p", "W2", DIR_IN, IO_LVDS}});
        group.AddTo(board);
    }
    if (Config.bLed) {
        TPinGroup group("LED x 8");
        group.Bus({"LED[%d]", 8, "V28", "N30", DIR_OUT, IO_2V5});
        group.AddTo(board);
    }
    if (Config.bButton) {
        TPinGroup group("BUTTON x 4, EXT_IO and CPU_RESET_n");
        group.Bus("BUTTON[%d]", kButton, 4, DIR_IN, IO_3V0_PCIX);
        group.Pins({{"EXT_IO", "AC11", DIR_INOUT, IO_3V0_PCIX}, {"CPU_RESET_n", "V34", DIR_IN, IO_2V5}});
        group.AddTo(board);
    } else if (Config.bExtPll) {
        TPinGroup group("CPU_RESET_n");
        group.Pin("CPU_RESET_n", "V34", DIR_IN, IO_2V5);
        group.AddTo(board);
    }
    if (Config.bSwitch) {
        TPinGroup group("DIP SWITCH x 8");
        group.Bus({"SW[%d]", 8, "AB13", "AG6", DIR_IN, IO_3V0_PCIX});
        group.AddTo(board);
    }
    if (Config.bSlideSwitch) {
        TPinGroup group("SLIDE SWITCH x 4");
        for (int n = 0; n < 4; ++n)
            group.Pin(Format("SLIDE_SW[%d]", n), kSlideSwitch[n], DIR_IN, n == 2 ? IO_3V0_PCIX : IO_2V5);
        group.AddTo(board);
    }
    if (Config.bSeg7) {
        TPinGroup group("SEG7");
        group.Bus({"SEG0_D[%d]", 7, "L34", "K32", DIR_OUT, IO_2V5});
        group.Pin("SEG0_DP", "AL34", DIR_OUT, IO_2V5);
        group.Bus({"SEG1_D[%d]", 7, "E31", "D34", DIR_OUT, IO_2V5});
        group.Pin("SEG1_DP", "AL35", DIR_OUT, IO_2V5);
        group.AddTo(board);
    }
    if (Config.bTemp) {
        TPinGroup group("Temperature");
        group.Pins({{"TEMP_SMCLK", "AN18", DIR_OUT, IO_1V8},
                    {"TEMP_SMDAT", "AP18", DIR_INOUT, IO_1V8},
                    {"TEMP_INT_n", "AP19", DIR_IN, IO_1V8}});
        group.AddTo(board);
    }
    if (Config.bCurrent) {
        TPinGroup group("Current");
        group.Pins({{"CSENSE_SCK", "AH13", DIR_OUT, IO_1V8},
                    {"CSENSE_SDI", "AJ13", DIR_OUT, IO_1V8},
                    {"CSENSE_SDO", "AK14", DIR_IN, IO_1V8},
                    {"CSENSE_ADC_FO", "AK13", DIR_OUT, IO_1V8},
                    {"CSENSE_CS_n[0]", "AG14", DIR_OUT, IO_1V8},
                    {"CSENSE_CS_n[1]", "AG15", DIR_OUT, IO_1V8}});
        group.AddTo(board);
    }
    if (Config.bFan) {
        TPinGroup group("Fan");
        group.Pin("FAN_CTRL", "AP20", DIR_OUT, IO_1V8);
        group.AddTo(board);
    }
    if (Config.bEeprom) {
        TPinGroup group("EEPROM");
        group.Pins({{"EEP_SCL", "G33", DIR_OUT, IO_2V5}, {"EEP_SDA", "F33", DIR_INOUT, IO_2V5}});
        group.AddTo(board);
    }
    if (Config.bSdCard) {
        TPinGroup group("SDCARD");
        group.Pins({{"SD_CMD", "AV20", DIR_INOUT, IO_1V8},
                    {"SD_CLK", "AT19", DIR_OUT, IO_1V8},
                    {"SD_WP_n", "AH18", DIR_IN, IO_1V8},
                    {"SD_DAT[0]", "AR20", DIR_INOUT, IO_1V8},
                    {"SD_DAT[1]", "AT20", DIR_INOUT, IO_1V8},
                    {"SD_DAT[2]", "AU19", DIR_INOUT, IO_1V8},
                    {"SD_DAT[3]", "AU20", DIR_INOUT, IO_1V8}});
        group.AddTo(board);
    }
    if (Config.bRs232) {
        TPinGroup group("RS232");
        group.Pins({{"UART_RXD", "AH32", DIR_IN, IO_2V5},
                    {"UART_RTS", "AH33", DIR_IN, IO_2V5},
                    {"UART_TXD", "AN34", DIR_OUT, IO_2V5},
                    {"UART_CTS", "AN35", DIR_OUT, IO_2V5}});
        group.AddTo(board);
    }
    if (Config.bEthernet) AddEthernet(board);
    if (Config.bPcie) AddPcie(board);
    if (Config.bFlash || Config.bSsram) {
        TPinGroup group("Flash and SRAM Address/Data Share Bus");
        group.Bus({"FSM_D[%d]", 16, "K29", "D31", DIR_INOUT, IO_2V5});
        AddFsmAddress(group, Config.bFlash ? 25 : 20);
        group.AddTo(board);
    }
    if (Config.bFlash) {
        TPinGroup group("Flash Control");
        group.Pins({{"FLASH_RYBY_n", "G21", DIR_IN, IO_2V5},
                    {"FLASH_CLK", "E22", DIR_OUT, IO_2V5},
                    {"FLASH_RESET_n", "D21", DIR_OUT, IO_2V5},
                    {"FLASH_OE_n", "N21", DIR_OUT, IO_2V5},
                    {"FLASH_WE_n", "R20", DIR_OUT, IO_2V5},
                    {"FLASH_ADV_n", "F21", DIR_OUT, IO_2V5},
                    {"FLASH_CE_n", "F23", DIR_OUT, IO_2V5}});
        group.AddTo(board);
    }
    if (Config.bSsram) {
        TPinGroup group("SSRAM Control");
        group.Pins({{"SSRAM_BWA_n", "R27", DIR_OUT, IO_2V5},
                    {"SSRAM_BWB_n", "N31", DIR_OUT, IO_2V5},
                    {"SSRAM_CLK", "M31", DIR_OUT, IO_2V5},
                    {"SSRAM_OE_n", "H34", DIR_OUT, IO_2V5},
                    {"SSRAM_WE_n", "L31", DIR_OUT, IO_2V5},
                    {"SSRAM_CKE_n", "N28", DIR_OUT, IO_2V5},
                    {"SSRAM_CE_n", "R28", DIR_OUT, IO_2V5},
                    {"SSRAM_ADV", "H35", DIR_OUT, IO_2V5}});
        group.AddTo(board);
    }
    if (Config.bUsbOtg) AddUsbOtg(board);
    const uint8_t sata[4] = {Config.bSataHost[0], Config.bSataHost[1], Config.bSataDevice[0], Config.bSataDevice[1]};
    if (sata[0] || sata[1] || sata[2] || sata[3]) {
        TPinGroup group("SATA");
        for (int port = 0; port < 4; ++port) {
            if (!sata[port]) continue;
            group.Pin(kSata[port].Rx, kSata[port].RxBall, DIR_IN, IO_1V4_PCML);
            group.Pin(kSata[port].Tx, kSata[port].TxBall, DIR_OUT, IO_1V4_PCML);
        }
        group.Pin("SATA_REFCLK_p", "AN2", DIR_IN, IO_1V4_PCML);
        group.AddTo(board);
    }

    PL_ASSERT(!Config.bMax2);

    for (int socket = 0; socket < 2; ++socket)
        if (Config.bDdr2[socket]) AddDdr2Socket(board, socket);

    if (Config.nGpioDaughterId[GPIO_0] || Config.nGpioDaughterId[GPIO_1]) {
        if (GetCardConnectorType(Config.nGpioDaughterId[GPIO_0]) == CONNECTOR_GPIO80) {
            PL_ASSERT(Config.nGpioDaughterId[GPIO_0]);
            PL_ASSERT(Config.nGpioDaughterId[GPIO_1]);
            std::vector<const char*> locations = GpioLocations(GPIO_0);
            const std::vector<const char*> second = GpioLocations(GPIO_1);
            locations.insert(locations.end(), second.begin(), second.end());
            const int nNum = static_cast<int>(locations.size());
            PL_ASSERT(nNum == GPIO_PIN_NUM * 2);
            AddMaster(board, "GPIO_0_1",
                      Format("GPIO_0_1 connect to %s", GetCardDisplayName(Config.nGpioDaughterId[GPIO_0]).c_str()),
                      CONNECTOR_GPIO80, ORMSGILL_GPIO80_MASTER_ID, locations);
        } else {
            for (int h = 0; h < 2; ++h) {
                if (!Config.nGpioDaughterId[h]) continue;
                const auto locations = GpioLocations(h);
                const int nNum = static_cast<int>(locations.size());
                PL_ASSERT(nNum == GPIO_PIN_NUM);
                AddMaster(board, Format("GPIO_%d", h),
                          Format("GPIO_%d connect to %s", h, GetCardDisplayName(Config.nGpioDaughterId[h]).c_str()),
                          CONNECTOR_GPIO40, ORMSGILL_GPIO_MASTER_ID + h, locations);
            }
        }
    }

    bool anyHsmc = false;
    for (int p = 0; p < 2; ++p) {
        if (!Config.nHsmcDaughterId[p]) continue;
        const char letter = static_cast<char>('A' + p);
        const auto locations = HsmcLocations(p);
        const int nNum = static_cast<int>(locations.size());
        PL_ASSERT(nNum == 160);
        TConnector* master =
            AddMaster(board, Format("HSMC-%c", letter),
                      Format("HSMC-%c connect to %s", letter, GetCardDisplayName(Config.nHsmcDaughterId[p]).c_str()),
                      CONNECTOR_HSMC, ORMSGILL_HSMC_MASTER_ID + p, locations);
        for (int position : kHsmcInputPositions) FixMasterPosition(master, position, DIR_IN, IO_STD_BY_CARD);
        anyHsmc = true;
    }
    if (anyHsmc) {
        TPinGroup group("HSMC I2C");
        group.Pins({{"HSMC_SCL", "L19", DIR_OUT, IO_1V8}, {"HSMC_SDA", "M19", DIR_INOUT, IO_1V8}});
        group.AddTo(board);
    }
}
