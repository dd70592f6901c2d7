#include "boards/cyclone4_stratix4/CONFIG_PELVERTON.h"

#include <iterator>

#include "boards/frame/ConfigFrame.h"
#include "model/DaughterBoard.h"
#include "model/Text.h"

namespace {

constexpr int HSMC_PIN_NUM = 160;
constexpr int DDR2_PIN_NUM = 200;
constexpr int32_t CLOCK_PERIOD_NS = 20;

// Both FPGAs are of one kind; the head's board type chooses the part.
const char* const kParts[2] = {"EP4SGX230KF40C2", "EP4SGX530KH40C2"};

const char* const kOscB[8] = {kNoPin, kNoPin, "AC35", "AW22", "AW19", "AC6", "AB6", "A19"};

// Ethernet ports in pin order RX_p, RX_n, TX_p, TX_n; the board's data gives
// ports 0 and 3.
const char* const kEthernet[4][4] = {
    {"N33", "N34", "M32", "L32"},
    {kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall},
    {kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall},
    {"U31", "V31", "R32", "R33"},
};

// Transceiver lanes RX_p, TX_p of the PCIe edge and of the bridge between
// the FPGAs; the board's data gives lanes 0 and 7.
const char* const kPcie[8][2] = {
    {"AU38", "AT36"},
    {kUnknownBall, kUnknownBall}, {kUnknownBall, kUnknownBall}, {kUnknownBall, kUnknownBall},
    {kUnknownBall, kUnknownBall}, {kUnknownBall, kUnknownBall}, {kUnknownBall, kUnknownBall},
    {"R38", "P36"},
};
const char* const kBridge[8][2] = {
    {"AE2", "AD4"},
    {kUnknownBall, kUnknownBall}, {kUnknownBall, kUnknownBall}, {kUnknownBall, kUnknownBall},
    {kUnknownBall, kUnknownBall}, {kUnknownBall, kUnknownBall}, {kUnknownBall, kUnknownBall},
    {"C2", "B4"},
};

// FSM_A[n] is entry n - 1; SSRAM alone uses FSM_A[1..20].
const char* const kFsmAddress[25] = {
    "M21",        kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall,
    kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall,
    kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall, kUnknownBall, "C22",        kUnknownBall,
    kUnknownBall, kUnknownBall, kUnknownBall, "D26",
};

const char* const kDdr3Ba[3] = {"J18", "L14", "K14"};
const char* const kDdr3Dm[4] = {"H13", "B11", "N16", "G16"};
const char* const kDdr3Dqs[4][2] = {{"F13", "E13"}, {"D14", "C14"}, {"K16", "J16"}, {"D15", "C15"}};

// HSMC-A and HSMC-B carry transceivers (positions 1 to 16 not wired), HSMC-C
// and HSMC-D none (positions 1 to 38 not wired).
std::vector<const char*> HsmcLocations(int i)
{
    switch (i) {
    case 0: return MasterLocations(HSMC_PIN_NUM, HsmcPairsWithoutPin({{1, 16}, {33, 38}}), {{17, "M36"}, {158, "W5"}});
    case 1: return MasterLocations(HSMC_PIN_NUM, HsmcPairsWithoutPin({{1, 16}, {33, 38}}), {{17, "AT4"}, {158, "AE5"}});
    case 2: return MasterLocations(HSMC_PIN_NUM, HsmcPairsWithoutPin({{1, 38}}), {{39, "AF29"}, {158, "AE35"}});
    default: return MasterLocations(HSMC_PIN_NUM, HsmcPairsWithoutPin({{1, 38}}), {{39, "W32"}, {158, "W35"}});
    }
}

// The name of the I2C bus shared by the LCD, the temperature sensor and the
// EEPROM: the devices ticked, joined by '+'.
std::string SharedI2cName(const PELVERTON_FPGA_CONFIG& node)
{
    std::string name;
    auto add = [&name](const char* device) {
        if (!name.empty()) name += '+';
        name += device;
    };
    if (node.bLcd) add("LCD");
    if (node.bTemp) add("Temperatur");
    if (node.bEeprom) add("EEPROM");
    return name + " I2C Shared Bus";
}

void AddTransceiverLanes(TPinGroup& group, const char* rx, const char* tx, const char* const (*lanes)[2])
{
    for (int n = 0; n < 8; ++n) {
        group.Pin(Format(rx, n), lanes[n][0], DIR_IN, IO_1V4_PCML);
        group.Pin(Format(tx, n), lanes[n][1], DIR_OUT, IO_1V4_PCML);
    }
}

void AddDdr3(TMainBoard* board)
{
    TPinGroup group("DDR3");
    group.Bus("DDR3_ba[%d]", kDdr3Ba, 3, DIR_OUT, IO_SSTL15_I);
    group.Bus("DDR3_dm[%d]", kDdr3Dm, 4, DIR_OUT, IO_SSTL15_I);
    for (int n = 0; n < 4; ++n) {
        group.Pin(Format("DDR3_dqs[%d]", n), kDdr3Dqs[n][0], DIR_INOUT, IO_DIFF_1V5_SSTL_I);
        group.Pin(Format("DDR3_dqsn[%d]", n), kDdr3Dqs[n][1], DIR_INOUT, IO_DIFF_1V5_SSTL_I);
    }
    group.Pins({{"DDR3_cke[0]", "A16", DIR_OUT, IO_SSTL15_I},
                {"DDR3_clk[0]", "L13", DIR_INOUT, IO_DIFF_1V5_SSTL_I},
                {"DDR3_clk_n[0]", "K13", DIR_INOUT, IO_DIFF_1V5_SSTL_I},
                {"DDR3_cs_n", "F17", DIR_OUT, IO_SSTL15_I},
                {"DDR3_we_n", "C17", DIR_OUT, IO_SSTL15_I},
                {"DDR3_ras_n", "D18", DIR_OUT, IO_SSTL15_I},
                {"DDR3_cas_n", "C18", DIR_OUT, IO_SSTL15_I},
                {"DDR3_reset_n", "F20", DIR_OUT, IO_SSTL15_I},
                {"DDR3_odt", "G20", DIR_OUT, IO_SSTL15_I}});
    group.Bus({"DDR3_dq[%d]", 32, "E14", "F15", DIR_INOUT, IO_SSTL15_I});
    group.Bus({"DDR3_addr[%d]", 15, "N15", "P18", DIR_OUT, IO_SSTL15_I});
    group.AddTo(board);
}

}  // namespace

void CONFIG_PELVERTON(TMainBoard* board, const PELVERTON_CONFIG* pConfig, int32_t f)
{
    const PELVERTON_CONFIG& Config = *pConfig;
    board->m_BoardId = MAINBOARD_PELVERTON;
    CHECK_RECORD_HEAD(Config, MAINBOARD_PELVERTON, PELVERTON_CONFIG);
    PL_ASSERT(f == 0 || f == 1);
    const PELVERTON_FPGA_CONFIG& node = Config.F[f];
    board->ClearConnectors();
    SetDevice(board, {"Stratix IV", 1517, "FBGA", nullptr, 2, Config.nBoardType < 2 ? kParts[Config.nBoardType] : ""});

    if (node.bClock) {
        TPinGroup group("CLOCK");
        const int nNum = static_cast<int>(std::size(kOscB));
        PL_ASSERT(nNum == 8);
        for (int n = 0; n < nNum; ++n)
            if (kOscB[n] != kNoPin) group.Clock(Format("OSC_B[%d]", n), kOscB[n], IO_3V3_LVTTL, CLOCK_PERIOD_NS);
        group.Pin("CPU_RESET_n", "V34", DIR_IN, IO_3V3_LVTTL);
        group.AddTo(board);
    }
    if (node.bSma) {
        TPinGroup group("SMA");
        group.Pins({{"SMA_CLKIN_p", "B23", DIR_IN, IO_LVDS},
                    {"SMA_CLKIN_n", "A22", DIR_IN, IO_LVDS},
                    {"SMA_CLKOUT_p", "M20", DIR_OUT, IO_LVDS},
                    {"SMA_CLKOUT_n", "L20", DIR_OUT, IO_LVDS},
                    {"SMA_GXBCLK_p[0]", "G38", DIR_IN, IO_LVDS},
                    {"SMA_GXBCLK_n[0]", "G39", DIR_IN, IO_LVDS},
                    {"SMA_GXBCLK_p[1]", "W2", DIR_IN, IO_LVDS},
                    {"SMA_GXBCLK_n[1]", "W1", DIR_IN, IO_LVDS}});
        group.AddTo(board);
    }
    if (node.bLed) {
        TPinGroup group("LED x 8");
        group.Bus({"LED[%d]", 8, "AG30", "AB10", DIR_OUT, IO_3V3_LVTTL});
        group.AddTo(board);
    }
    if (node.bButton) {
        TPinGroup group("BUTTON x 8");
        group.Bus({"BUTTON[%d]", 8, "AB13", "K7", DIR_IN, IO_3V3_LVTTL});
        group.AddTo(board);
    }
    if (node.bSwitch) {
        TPinGroup group("SWITCH x 8");
        group.Bus({"SW[%d]", 8, "J7", "J27", DIR_IN, IO_3V3_LVTTL});
        group.AddTo(board);
    }
    // The board's data gives the ball P4 to TEMP_CLK, LCD_PWR_ON, LCD_BL_ON,
    // I2C_SDA and I2C_SCL: the generation run leaves it with the first of
    // them in the project.
    if (node.bTemp) {
        TPinGroup group("Temperature");
        group.Pins({{"TEMP_CLK", "P4", DIR_OUT, IO_3V3_LVTTL},
                    {"TEMP_DATA", "P1", DIR_INOUT, IO_3V3_LVTTL},
                    {"TEMP_INT_n", "N2", DIR_IN, IO_3V3_LVTTL}});
        group.AddTo(board);
    }
    if (node.bFan) {
        TPinGroup group("Fan");
        group.Pin("FAN_PWR_ON", "AP20", DIR_OUT, IO_3V3_LVTTL);
        group.AddTo(board);
    }
    if (node.bLcd || node.bEeprom) {
        TPinGroup group("16x2 Character LCD");
        group.Pins({{"LCD_PWR_ON", "P4", DIR_OUT, IO_3V3_LVTTL}, {"LCD_BL_ON", "P4", DIR_OUT, IO_3V3_LVTTL}});
        group.AddTo(board);
    }
    if (node.bLcd || node.bTemp || node.bEeprom) {
        TPinGroup group(SharedI2cName(node));
        group.Pins({{"I2C_SDA", "P4", DIR_INOUT, IO_3V3_LVTTL}, {"I2C_SCL", "P4", DIR_OUT, IO_3V3_LVTTL}});
        group.AddTo(board);
    }
    if (node.bUsb) {
        TPinGroup group("High-Speed USB-FIFO");
        group.Bus({"USB_D[%d]", 8, "AD19", "AU18", DIR_INOUT, IO_3V3_LVTTL});
        group.Pins({{"USB_RXF_n", "AE19", DIR_IN, IO_3V3_LVTTL},
                    {"USB_TXE_n", "AF19", DIR_IN, IO_3V3_LVTTL},
                    {"USB_CLKOUT", "AV19", DIR_IN, IO_3V3_LVTTL},
                    {"USB_RD_n", "AU17", DIR_OUT, IO_3V3_LVTTL},
                    {"USB_WR_n", "AV17", DIR_OUT, IO_3V3_LVTTL},
                    {"USB_OE_n", "AN19", DIR_OUT, IO_3V3_LVTTL},
                    {"USB_SIWU_n", "AM19", DIR_OUT, IO_3V3_LVTTL},
                    {"USB_RESET_n", kUnknownBall, DIR_OUT, IO_3V3_LVTTL}});
        group.AddTo(board);
    }
    if (node.bSdCard) {
        TPinGroup group("SDCARD");
        group.Pins({{"SD_CMD", "AV20", DIR_INOUT, IO_3V3_LVTTL},
                    {"SD_CLK", "AT19", DIR_OUT, IO_3V3_LVTTL},
                    {"SD_WP_n", "AH18", DIR_IN, IO_3V3_LVTTL},
                    {"SD_DAT[0]", "AR20", DIR_INOUT, IO_3V3_LVTTL},
                    {"SD_DAT[1]", "AT20", DIR_INOUT, IO_3V3_LVTTL},
                    {"SD_DAT[2]", "AU19", DIR_INOUT, IO_3V3_LVTTL},
                    {"SD_DAT[3]", "AU20", DIR_INOUT, IO_3V3_LVTTL}});
        group.AddTo(board);
    }
    if (node.bEthernet) {
        TPinGroup group("Ethernet x 4");
        const int nNum = static_cast<int>(std::size(kEthernet));
        PL_ASSERT(nNum == 4);
        for (int n = 0; n < nNum; ++n) {
            group.Pin(Format("ETH_RX_p[%d]", n), kEthernet[n][0], DIR_IN, IO_3V3_LVTTL);
            group.Pin(Format("ETH_RX_n[%d]", n), kEthernet[n][1], DIR_IN, IO_3V3_LVTTL);
            group.Pin(Format("ETH_TX_p[%d]", n), kEthernet[n][2], DIR_OUT, IO_3V3_LVTTL);
            group.Pin(Format("ETH_TX_n[%d]", n), kEthernet[n][3], DIR_OUT, IO_3V3_LVTTL);
        }
        group.Pins({{"ETH_INT", "M34", DIR_IN, IO_3V3_LVTTL},
                    {"ETH_MDIO", "M33", DIR_INOUT, IO_3V3_LVTTL},
                    {"ETH_MDC", "R30", DIR_OUT, IO_3V3_LVTTL},
                    {"ETH_RST_n", kUnknownBall, DIR_OUT, IO_3V3_LVTTL}});
        group.AddTo(board);
    }
    if (node.bPcie) {
        TPinGroup group("PCIe x 8");
        AddTransceiverLanes(group, "PCIE_RX_p[%d]", "PCIE_TX_p[%d]", kPcie);
        group.Pins({{"PCIE_REFCLKI_p", "AN38", DIR_IN, IO_HCSL},
                    {"PCIE_REFCLKI_n", "AN39", DIR_IN, IO_HCSL},
                    {"PCIE_RESET_n", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                    {"PCIE_PREST_n", kUnknownBall, DIR_IN, IO_3V3_LVTTL},
                    {"PCIE_PWRON", kUnknownBall, DIR_IN, IO_3V3_LVTTL},
                    {"PCIE_WAKE_n", kUnknownBall, DIR_OUT, IO_3V3_LVTTL}});
        group.AddTo(board);
    }
    if (node.bFpgaBridge) {
        TPinGroup group("FPGA Bridge (Transceiver x 8)");
        AddTransceiverLanes(group, "FPGA_RX_p[%d]", "FPGA_TX_p[%d]", kBridge);
        group.Pin("FPGA_REFCLK_p", "AA22", DIR_IN, IO_HCSL);
        group.AddTo(board);
    }
    if (node.bFlash || node.bSsram) {
        TPinGroup group("Flash and SRAM Address/Data Share Bus");
        group.Bus({"FSM_D[%d]", 16, "J25", "F24", DIR_INOUT, IO_3V3_LVTTL});
        const int nNum = static_cast<int>(std::size(kFsmAddress));
        PL_ASSERT(nNum == 25);
        for (int n = 1; n <= (node.bFlash ? 25 : 20); ++n)
            group.Pin(Format("FSM_A[%d]", n), kFsmAddress[n - 1], DIR_OUT, IO_3V3_LVTTL);
        group.AddTo(board);
    }
    if (node.bFlash) {
        TPinGroup group("Flash Control");
        group.Pins({{"FLASH_RYBY_n", "L35", DIR_IN, IO_3V3_LVTTL},
                    {"FLASH_CLK", "A26", DIR_OUT, IO_3V3_LVTTL},
                    {"FLASH_RST_n", "W28", DIR_OUT, IO_3V3_LVTTL},
                    {"FLASH_OE_n", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                    {"FLASH_WE_n", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                    {"FLASH_ADV_n", "L34", DIR_OUT, IO_3V3_LVTTL},
                    {"FLASH_CS_n", "V28", DIR_OUT, IO_3V3_LVTTL}});
        group.AddTo(board);
    }
    if (node.bSsram) {
        TPinGroup group("SSRAM Control");
        group.Pins({{"SSRAM_BWA_n", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                    {"SSRAM_BWB_n", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                    {"SSRAM_CLK", "N20", DIR_OUT, IO_3V3_LVTTL},
                    {"SSRAM_OE_n", "P20", DIR_OUT, IO_3V3_LVTTL},
                    {"SSRAM_WE_n", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                    {"SSRAM_CKE_n", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                    {"SSRAM_CE_n", kUnknownBall, DIR_OUT, IO_3V3_LVTTL},
                    {"SSRAM_ADV", "E25", DIR_OUT, IO_3V3_LVTTL}});
        group.AddTo(board);
    }
    PL_ASSERT(!Config.F[f].bMax2);
    if (node.bDdr3) AddDdr3(board);

    if (node.bDdr2) {
        const auto locations =
            MasterLocations(DDR2_PIN_NUM, Ddr2SodimmPositionsWithoutPin(), {{4, "AW34"}, {200, "AW25"}});
        TConnector* pCon = AddMaster(board, "DDR2 SODIMM", "DDR2 SODIMM", CONNECTOR_DDR2_SODIMM,
                                     PELVERTON_DDR2_MASTER_ID, locations);
        PL_ASSERT(pCon->GetActivePinCount() == 124);
    }
    bool anyHsmc = false;
    for (int i = 0; i < 4; ++i) {
        const DaughterId card = node.nHsmcDaughterId[i];
        if (!card) continue;
        const char letter = static_cast<char>('A' + i);
        const auto locations = HsmcLocations(i);
        const int nNum = static_cast<int>(locations.size());
        PL_ASSERT(nNum == 160);
        AddMaster(board, Format("HSMC-%c", letter),
                  Format("HSMC-%c connect to %s", letter, GetCardDisplayName(card).c_str()), CONNECTOR_HSMC,
                  PELVERTON_HSMC_MASTER_ID + i, locations);
        anyHsmc = true;
    }
    if (anyHsmc) {
        TPinGroup group("HSMC I2C");
        group.Pins({{"HSMC_SCL", "G26", DIR_OUT, IO_2V5}, {"HSMC_SDA", "F26", DIR_INOUT, IO_2V5}});
        group.AddTo(board);
    }
}
