#include "boards/cyclone5_stratix5/CONFIG_ESTOVER.h"

#include <iterator>

#include "boards/frame/ConfigFrame.h"
#include "model/DaughterBoard.h"
#include "model/Text.h"

namespace {

constexpr TDevice kDevice = {"Stratix V", 1517, "FBGA", "3_H2", 0, "5SGXEA3K2F40C3"};
constexpr int32_t CLOCK_PERIOD_NS = 20;

const char* const kClockNames[] = {"OSC_50_B3B", "OSC_50_B3D", "OSC_50_B4A", "OSC_50_B4D",
                                   "OSC_50_B7A", "OSC_50_B7D", "OSC_50_B8A", "OSC_50_B8D"};
const char* const kClockBalls[] = {"AV29", "AK23", "AL7", "AF17", "G7", "P16", "E34", "J23"};
const char* const kLed[] = {"C16", "D18", "B16", "A16"};
const char* const kLedBracket[] = {"E18", "E17", "E19", "D16"};
const char* const kButton[] = {"C18", "B19", "B17", "A17"};
const char* const kSwitch[] = {"F17", "G17", "G19", "G16"};
// PCIe lanes: the board's data gives lanes 0 and 7.
const char* const kPcieRx[] = {"AV38",       kUnknownBall, kUnknownBall, kUnknownBall,
                               kUnknownBall, kUnknownBall, kUnknownBall, "AB38"};
const char* const kPcieTx[] = {"AU36",       kUnknownBall, kUnknownBall, kUnknownBall,
                               kUnknownBall, kUnknownBall, kUnknownBall, "AA36"};
static_assert(std::size(kClockNames) == 8 && std::size(kClockBalls) == 8);
static_assert(std::size(kLed) + std::size(kLedBracket) + 2 == (4 + 4 + 2));
static_assert(std::size(kButton) == 4 && std::size(kSwitch) == 4);
static_assert(std::size(kPcieRx) == 8 && std::size(kPcieTx) == 8);

constexpr TBusEnds kFsmData = {"FSM_D[%d]", 32, "AJ24", "AB27", DIR_INOUT, IO_2V5};
constexpr TBusEnds kFsmAddress = {"FSM_A[%d]", 27, "AW22", "AR25", DIR_OUT, IO_2V5};

// The SFP+ cages A..D in pin order TX_p, RX_p, RATESEL[0], RATESEL[1], LOS,
// MOD0_PRSNT_n, MOD1_SCL, MOD2_SDA, TXDISABLE, TXFAULT.
const char* const kSfp[4][10] = {
    {"AA4", "AB2", "AE11", "AE9", "AE10", "AD9", "AC9", "AC12", "AB9", "AB12"},
    {"AE4", "AF2", "AN11", "AP9", "AN9", "AM10", "AM11", "AL10", "AL11", "AK11"},
    {"AN4", "AP2", "AJ10", "AL12", "AK12", "AH9", "AH10", "AG9", "AG12", "AF11"},
    {"AU4", "AV2", "AU11", "AW11", "AV11", "AU10", "AU9", "AT9", "AT11", "AR9"},
};

constexpr int HSMC_POSITIONS = 160;

void AddClock(TMainBoard* board, bool all)
{
    TPinGroup group("CLOCK");
    for (int n = 0; n < (all ? 8 : 1); ++n) group.Clock(kClockNames[n], kClockBalls[n], IO_2V5, CLOCK_PERIOD_NS);
    group.AddTo(board);
}

TConnector* AddSfp(TMainBoard* board, int cage)
{
    AddSfpCage(board, static_cast<char>('A' + cage), kSfp[cage]);
    return board->GetConnector(board->GetConnectorCount() - 1);
}

}  // namespace

void CONFIG_ESTOVER(TMainBoard* board, const ESTOVER_CONFIG* pConfig)
{
    const ESTOVER_CONFIG& Config = *pConfig;
    board->m_EstoverConfig.CopyFrom(Config);
    board->m_BoardId = static_cast<MainBoardId>(Config.BoardId);
    CHECK_RECORD_HEAD(Config, MAINBOARD_ESTOVER, ESTOVER_CONFIG);
    board->ClearConnectors();
    SetDevice(board, kDevice);

    // The chips as the generated top level programs them: the groups below
    // declare exactly the ports their controller blocks use.
    const TClockChipChoices chips = board->GetClockChipChoices();
    const double cdcmMHz = CdcmFreqMHz(static_cast<uint8_t>(chips.Cdcm61004));
    const bool anySata = Config.bSata[0] || Config.bSata[1];
    const bool anySfp = Config.bSfp[0] || Config.bSfp[1] || Config.bSfp[2] || Config.bSfp[3];
    const DaughterId card = Config.nHsmcDaughterId[HSMC_A];

    if (Config.bClock)
        AddClock(board, true);
    else if (chips.AnyBlock())
        AddClock(board, false);
    if (Config.bSma) {
        AddGroup(board, "SMA", {{"SMA_CLKIN", "U15", DIR_IN, IO_2V5}, {"SMA_CLKOUT", "AD30", DIR_OUT, IO_2V5}});
    }
    if (Config.bLed) {
        TPinGroup group("LED x 10");
        group.Bus("LED[%d]", kLed, 4, DIR_OUT, IO_2V5);
        group.Bus("LED_BRACKET[%d]", kLedBracket, 4, DIR_OUT, IO_2V5);
        group.Pins({{"LED_RJ45_L", "M15", DIR_OUT, IO_2V5}, {"LED_RJ45_R", "N15", DIR_OUT, IO_2V5}});
        group.AddTo(board);
    }
    if (Config.bButton) {
        TPinGroup group("BUTTON x 4 and CPU_RESET_n");
        group.Bus("BUTTON[%d]", kButton, 4, DIR_IN, IO_2V5);
        group.Pin("CPU_RESET_n", "AM34", DIR_IN, IO_2V5);
        group.AddTo(board);
    } else if (chips.AnyBlock()) {
        AddGroup(board, "CPU_RESET_n", {{"CPU_RESET_n", "AM34", DIR_IN, IO_2V5}});
    }
    if (Config.bSwitch) {
        TPinGroup group("SWITCH x 4");
        group.Bus("SW[%d]", kSwitch, 4, DIR_IN, IO_2V5);
        group.AddTo(board);
    }
    if (Config.bTemperature) {
        AddGroup(board, "Temperature",
                 {{"TEMP_CLK", "M17", DIR_OUT, IO_2V5},
                  {"TEMP_DATA", "AN17", DIR_INOUT, IO_2V5},
                  {"TEMP_INT_n", "AT17", DIR_IN, IO_2V5},
                  {"TEMP_OVERT_n", "AR17", DIR_IN, IO_2V5}});
    }
    if (Config.bFan) {
        AddGroup(board, "Fan", {{"FAN_CTRL", "AW16", DIR_INOUT, IO_2V5}});
    }
    if (Config.bRs422) {
        AddGroup(board, "RS232",
                 {{"RS422_DE", "K16", DIR_OUT, IO_2V5},
                  {"RS422_DIN", "H19", DIR_IN, IO_2V5},
                  {"RS422_DOUT", "H17", DIR_OUT, IO_2V5},
                  {"RS422_RE_n", "L16", DIR_OUT, IO_2V5},
                  {"RS422_TE", "H16", DIR_OUT, IO_2V5}});
    }
    if (Config.bPcie) {
        TPinGroup group("PCIe x 8");
        for (int n = 0; n < 8; ++n) {
            group.Pin(Format("PCIE_RX_p[%d]", n), kPcieRx[n], DIR_IN, IO_1V5_PCML);
            group.Pin(Format("PCIE_TX_p[%d]", n), kPcieTx[n], DIR_OUT, IO_1V5_PCML);
        }
        group.Pins({{"PCIE_REFCLK_p", "AF34", DIR_IN, IO_HCSL},
                    {"PCIE_PERST_n", "AC28", DIR_IN, IO_2V5},
                    {"PCIE_WAKE_n", "AE29", DIR_OUT, IO_2V5},
                    {"PCIE_SMBCLK", "AF28", DIR_INOUT, IO_2V5},
                    {"PCIE_SMBDAT", "AB28", DIR_INOUT, IO_2V5}});
        group.AddTo(board);
    }
    if (Config.bFlash || Config.bSsram) {
        TPinGroup group("Flash/SSRAM/MAX Address/Data Share Bus");
        group.Bus(kFsmData);
        group.Bus(kFsmAddress);
        group.AddTo(board);
    }
    if (Config.bFlash) {
        AddGroup(board, "Flash Control",
                 {{"FLASH_ADV_n", "AR27", DIR_OUT, IO_2V5},
                  {"FLASH_CE_n[0]", "AU25", DIR_OUT, IO_2V5},
                  {"FLASH_CE_n[1]", "AN24", DIR_OUT, IO_2V5},
                  {"FLASH_CLK", "AB30", DIR_OUT, IO_2V5},
                  {"FLASH_OE_n", "AP27", DIR_OUT, IO_2V5},
                  {"FLASH_RDY_BSY_n[0]", "AU26", DIR_IN, IO_2V5},
                  {"FLASH_RDY_BSY_n[1]", "AR28", DIR_IN, IO_2V5},
                  {"FLASH_RESET_n", "AT27", DIR_OUT, IO_2V5},
                  {"FLASH_WE_n", "AP28", DIR_OUT, IO_2V5}});
    }
    if (Config.bSsram) {
        AddGroup(board, "SSRAM Control",
                 {{"SSRAM_ADSC_n", "AM29", DIR_OUT, IO_2V5},
                  {"SSRAM_ADSP_n", "AN28", DIR_OUT, IO_2V5},
                  {"SSRAM_ADV_n", "AN26", DIR_OUT, IO_2V5},
                  {"SSRAM_BE_n[0]", "AJ29", DIR_OUT, IO_2V5},
                  {"SSRAM_BE_n[1]", "AL28", DIR_OUT, IO_2V5},
                  {"SSRAM_BE_n[2]", "AK27", DIR_OUT, IO_2V5},
                  {"SSRAM_BE_n[3]", "AH25", DIR_OUT, IO_2V5},
                  {"SSRAM_CE1_n", "AL26", DIR_OUT, IO_2V5},
                  {"SSRAM_CLK", "AE30", DIR_OUT, IO_2V5},
                  {"SSRAM_DPA[0]", "AK30", DIR_INOUT, IO_2V5},
                  {"SSRAM_DPA[1]", "AN25", DIR_INOUT, IO_2V5},
                  {"SSRAM_DPA[2]", "AL27", DIR_INOUT, IO_2V5},
                  {"SSRAM_DPA[3]", "AN27", DIR_INOUT, IO_2V5},
                  {"SSRAM_GW_n", "AL30", DIR_OUT, IO_2V5},
                  {"SSRAM_MODE", "AJ27", DIR_OUT, IO_2V5},
                  {"SSRAM_OE_n", "AM28", DIR_OUT, IO_2V5},
                  {"SSRAM_WE_n", "AK29", DIR_OUT, IO_2V5},
                  {"SSRAM_ZZ", "AL29", DIR_OUT, IO_2V5}});
    }
    if (anySata) {
        TPinGroup group("SATA");
        if (Config.bSata[0])
            group.Pins({{"SATA_HOST_RX_p", "K2", DIR_IN, IO_1V5_PCML}, {"SATA_HOST_TX_p", "J4", DIR_OUT, IO_1V5_PCML}});
        if (Config.bSata[1])
            group.Pins(
                {{"SATA_DEVICE_RX_p", "P2", DIR_IN, IO_1V5_PCML}, {"SATA_DEVICE_TX_p", "N4", DIR_OUT, IO_1V5_PCML}});
        group.ReferenceClock("SATA_REFCLK_p", "V6", IO_HCSL, cdcmMHz, 2);
        group.AddTo(board);
    }
    TConnector* builtLast = nullptr;
    for (int cage = 0; cage < 4; ++cage)
        if (Config.bSfp[cage]) builtLast = AddSfp(board, cage);
    if (anySfp && chips.Si570Block) {
        TPinGroup group("SFP+ 10G Referece Clock (generated by the Programmalbe Oscillator Si570)");
        group.ReferenceClock("SFP_REFCLK_p", "AF6", IO_HCSL, Si570FreqMHz(static_cast<uint8_t>(chips.Si570)), 5);
        builtLast = group.Connector();
        group.AddTo(board);
    }
    if (anySfp && chips.Cdcm61004Block) {
        // No group of its own: the pin joins the group built last.
        auto* pin = new TPin("SFP1G_REFCLK_p", "AB6", DIR_IN, IO_HCSL, 0);
        pin->SetClockFrequency(cdcmMHz, 2);
        builtLast->AddPin(pin);
    }
    if (chips.Si570Block) {
        AddGroup(board, "Programmalbe Oscillator SI570",
                 {{"CLOCK_SCL", "AD15", DIR_OUT, IO_2V5}, {"CLOCK_SDA", "AD16", DIR_INOUT, IO_2V5}});
    }
    if (chips.Cdcm61004Block) {
        TPinGroup group(anySfp && anySata ? "Programmalbe Oscillator CDCM61004 for referece clock of SFP+1G and SATA"
                        : anySata         ? "Programmalbe Oscillator CDCM61004 for referece clock of SATA"
                                          : "Programmalbe Oscillator CDCM61004 for referece clock of SFP+ 1G");
        group.Pins({{"CLK_CE", "AH15", DIR_OUT, IO_2V5},
                    {"CLK_RST_n", "AC15", DIR_OUT, IO_2V5},
                    {"CLK_OD[0]", "AB15", DIR_OUT, IO_2V5},
                    {"CLK_OD[1]", "AA15", DIR_OUT, IO_2V5},
                    {"CLK_OD[2]", "AA14", DIR_OUT, IO_2V5},
                    {"CLK_OS[0]", "AG14", DIR_OUT, IO_2V5},
                    {"CLK_OS[1]", "AG15", DIR_OUT, IO_2V5},
                    {"CLK_PR[0]", "AB16", DIR_OUT, IO_2V5},
                    {"CLK_PR[1]", "AJ15", DIR_OUT, IO_2V5}});
        group.AddTo(board);
    }
    if (card != 0) {
        const auto locations = MasterLocations(HSMC_POSITIONS, HsmcPositionsWithoutPin(),
                                               {{1, "R36"}, {2, "T38"}, {39, "D25"}, {40, "N32"}, {158, "P32"}});
        AddMaster(board, "HSMC-A", Format("HSMC-%c connect to %s", 'A', GetCardDisplayName(card).c_str()),
                  CONNECTOR_HSMC, ESTOVER_HSMC_A_MASTER_ID, locations);
        if (chips.Cdcm61004Block && IsTransceiverCard(card)) {
            TPinGroup group("HSMC Transceiver Reference Clock");
            group.ReferenceClock("HSMC_REFCLK_p", "AB6", IO_HCSL, cdcmMHz, 2);
            group.AddTo(board);
        }
    }
}
