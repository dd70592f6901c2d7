// The definitions of the Stratix V clock-chip boards Rastrelle, Drennock and
// Estover: device, groups in order with their counts, the balls the board's
// data gives, the pins without a known ball, the masters and the groups that
// follow the clock-chip choices.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "boards/cyclone5_stratix5/CONFIG_DRENNOCK.h"
#include "boards/cyclone5_stratix5/CONFIG_ESTOVER.h"
#include "boards/cyclone5_stratix5/CONFIG_RASTRELLE.h"
#include "boards/frame/ConfigFrame.h"
#include "tests/boards/DefinitionCheck.h"
#include "tests/support/SeamRecorder.h"

namespace config_stratix_test {

namespace {

int PinCount(const TMainBoard& board)
{
    int n = 0;
    for (const auto& group : GroupsOf(board)) n += group.second;
    return n;
}

void SetInt(int32_t& field, int32_t value) { field = value; }

RASTRELLE_CONFIG Rastrelle()
{
    RASTRELLE_CONFIG r{};
    r.BoardId = MAINBOARD_RASTRELLE;
    r.Size = sizeof r;
    r.bClock = r.bLed = r.bSeg7 = r.bButton = r.bSwitch = r.bTemperature = r.bFan = r.bFlash = r.bRs422 = 1;
    r.nCdcm61004Freq = r.nCdcm61001Freq = 1;
    return r;
}

DRENNOCK_CONFIG Drennock()
{
    DRENNOCK_CONFIG r{};
    r.BoardId = MAINBOARD_DRENNOCK;
    r.Size = sizeof r;
    r.bClock = r.bLed = r.bButton = r.bSwitch = r.bTemperature = r.bFan = r.bFlash = r.bRs422 = 1;
    return r;
}

ESTOVER_CONFIG Estover()
{
    ESTOVER_CONFIG r{};
    r.BoardId = MAINBOARD_ESTOVER;
    r.Size = sizeof r;
    r.bClock = r.bLed = r.bButton = r.bSwitch = r.bTemperature = r.bFan = r.bFlash = r.bSsram = r.bRs422 = 1;
    return r;
}

void ExpectPin(const std::map<std::string, const TPin*>& pins, const char* name, const char* ball,
               PinDirection direction, IoStandard standard)
{
    auto it = pins.find(name);
    ASSERT_NE(it, pins.end()) << name;
    EXPECT_EQ(it->second->GetLocation(), ball) << name;
    EXPECT_EQ(it->second->GetDirection(), direction) << name;
    EXPECT_EQ(it->second->GetIoStandard(), standard) << name;
}

}  // namespace

TEST(ConfigRastrelle, DefaultsAndDevice)
{
    TMainBoard board;
    const RASTRELLE_CONFIG r = Rastrelle();
    CONFIG_RASTRELLE(&board, &r);
    EXPECT_EQ(board.GetBoardId(), MAINBOARD_RASTRELLE);
    EXPECT_EQ(board.GetFamily(), "Stratix V");
    EXPECT_EQ(board.GetDevice(), "5SGXEA7N2F45C2");
    EXPECT_EQ(board.GetPackage(), "FBGA");
    EXPECT_EQ(board.GetDevicePinCount(), 1932);
    EXPECT_EQ(board.GetSpeedGradeText(), "2_H2");
    EXPECT_EQ(GroupsOf(board), (Groups{{"CLOCK", 8},
                                       {"LED x 10", 10},
                                       {"BUTTON x 4 and CPU_RESET_n", 5},
                                       {"SWITCH x 4", 4},
                                       {"7-Segement", 16},
                                       {"Temperature", 4},
                                       {"Fan", 1},
                                       {"RS232", 5},
                                       {"Flash/MAX Address/Data Share Bus", 59},
                                       {"Flash Control", 9}}));
    EXPECT_EQ(std::memcmp(board.m_RastrelleConfig.bytes, &r, sizeof r), 0);
    // FSM_D[1..30] and FSM_A[1..25] are the only balls we do not know.
    EXPECT_EQ(UnknownBalls(board), 30 + 25);
    const auto pins = PinsOf(board);
    ExpectPin(pins, "OSC_50_B7A", "M8", DIR_IN, IO_1V5);
    ExpectPin(pins, "OSC_50_B8D", "R25", DIR_IN, IO_1V8);
    EXPECT_EQ(pins.at("OSC_50_B3B")->GetClockPeriodNs(), 20);
    ExpectPin(pins, "LED_BRACKET[3]", "AJ14", DIR_OUT, IO_2V5);
    ExpectPin(pins, "SW[3]", "A23", DIR_IN, IO_1V8);
    ExpectPin(pins, "HEX1_DP", "E9", DIR_OUT, IO_1V5);
    ExpectPin(pins, "HEX1_D[6]", "D10", DIR_OUT, IO_1V5);
    ExpectPin(pins, "FSM_D[0]", "AG26", DIR_INOUT, IO_2V5);
    ExpectPin(pins, "FSM_D[15]", "", DIR_INOUT, IO_2V5);
    ExpectPin(pins, "FSM_D[31]", "BD31", DIR_INOUT, IO_2V5);
    ExpectPin(pins, "FSM_A[26]", "AT30", DIR_OUT, IO_2V5);
    ExpectPin(pins, "FLASH_RDY_BSY_n[1]", "BB32", DIR_IN, IO_2V5);
}

TEST(ConfigRastrelle, EveryGroupWithTheChipsInUse)
{
    RASTRELLE_CONFIG r = Rastrelle();
    r.bSma = 1;
    r.bPcie = 1;
    for (auto& f : r.bSata) f = 1;
    for (auto& f : r.bQdr) f = 1;
    for (auto& f : r.bSfp) f = 1;
    SetInt(r.nSi570Freq, 3);
    SetInt(r.nCdcm61004Freq, 11);
    SetInt(r.nCdcm61001Freq, 0);
    TMainBoard board;
    CONFIG_RASTRELLE(&board, &r);
    EXPECT_EQ(GroupsOf(board), (Groups{{"CLOCK", 8},
                                       {"SMA", 2},
                                       {"LED x 10", 10},
                                       {"BUTTON x 4 and CPU_RESET_n", 5},
                                       {"SWITCH x 4", 4},
                                       {"7-Segement", 16},
                                       {"Temperature", 4},
                                       {"Fan", 1},
                                       {"RS232", 5},
                                       {"PCIe x 8", 21},
                                       {"Flash/MAX Address/Data Share Bus", 59},
                                       {"Flash Control", 9},
                                       {"SATA", 10},
                                       {"RZQ", 4},
                                       {"QDRII+ SRAM A", 68},
                                       {"QDRII+ SRAM B", 68},
                                       {"QDRII+ SRAM C", 68},
                                       {"QDRII+ SRAM D", 68},
                                       {"SFP+ A", 10},
                                       {"SFP+ B", 10},
                                       {"SFP+ C", 10},
                                       {"SFP+ D", 10},
                                       {"SFP+ 10G Referece Clock and Programmalbe Oscillator Si570", 3},
                                       {"SFP+ 1G Referece Clock", 1},
                                       {"Programmalbe Oscillator CDCM61001/CDCM61004 for SPF1G/SATA", 2}}));
    EXPECT_TRUE(RepeatedBalls(board).empty());
    const auto pins = PinsOf(board);
    ExpectPin(pins, "PCIE_RX_p[3]", "AY43", DIR_IN, IO_1V5_PCML);
    ExpectPin(pins, "PCIE_TX_p[4]", "AN41", DIR_OUT, IO_1V5_PCML);
    ExpectPin(pins, "PCIE_REFCLK_p", "AK38", DIR_IN, IO_HCSL);
    EXPECT_FALSE(pins.at("PCIE_REFCLK_p")->GetIsClock());
    ExpectPin(pins, "SATA_DEVICE_TX_p[1]", "H39", DIR_OUT, IO_1V5_PCML);
    ExpectPin(pins, "QDRIIA_A[0]", "AU29", DIR_OUT, IO_1V8_HSTL_I);
    ExpectPin(pins, "QDRIIA_A[10]", "", DIR_OUT, IO_1V8_HSTL_I);
    ExpectPin(pins, "QDRIIC_Q[17]", "BA10", DIR_IN, IO_1V8_HSTL_I);
    ExpectPin(pins, "QDRIID_K_n", "K24", DIR_OUT, IO_DIFF_1V8_HSTL_I);
    ExpectPin(pins, "QDRIIB_WPS_n", "AU20", DIR_OUT, IO_1V8_HSTL_I);
    ExpectPin(pins, "SFPD_TXFAULT", "T21", DIR_IN, IO_2V5);
    ExpectPin(pins, "SFPC_MOD2_SDA", "G20", DIR_INOUT, IO_2V5);
    ExpectPin(pins, "SFP_REFCLK_p", "AK7", DIR_IN, IO_HCSL);
    EXPECT_EQ(pins.at("SFP_REFCLK_p")->GetClockFrequencyText(), "156.25000 MHz");
    EXPECT_EQ(pins.at("SATA_HOST_REFCLK_p")->GetClockFrequencyText(), "312.50 MHz");
    // CDCM61001 "Unchanged": the pin, but no clock.
    ExpectPin(pins, "SFP1G_REFCLK_p", "AH6", DIR_IN, IO_HCSL);
    EXPECT_FALSE(pins.at("SFP1G_REFCLK_p")->GetIsClock());
    ExpectPin(pins, "PLL_SDA", "AG32", DIR_INOUT, IO_2V5);
}

TEST(ConfigRastrelle, SataAndOscillatorGroupsFollowTheTicks)
{
    RASTRELLE_CONFIG r = Rastrelle();
    r.bSata[1] = r.bSata[2] = 1;
    SetInt(r.nCdcm61004Freq, 11);
    TMainBoard board;
    CONFIG_RASTRELLE(&board, &r);
    const Groups groups = GroupsOf(board);
    EXPECT_EQ(groups.back(), (std::pair<std::string, int>{"Programmalbe Oscillator CDCM61004 for SATA", 2}));
    const TConnector* sata = board.GetConnector(static_cast<int>(groups.size()) - 2);
    ASSERT_EQ(sata->GetName(), "SATA");
    std::vector<std::string> names;
    for (int i = 0; i < sata->GetPinCount(); ++i) names.push_back(sata->GetPin(i)->GetName());
    EXPECT_EQ(names, (std::vector<std::string>{"SATA_HOST_RX_p[1]", "SATA_HOST_TX_p[1]", "SATA_DEVICE_RX_p[0]",
                                               "SATA_DEVICE_TX_p[0]", "SATA_HOST_REFCLK_p", "SATA_DEVICE_REFCLK_p"}));
    EXPECT_EQ(sata->GetPin(4)->GetClockFrequencyText(), "312.50 MHz");
    EXPECT_EQ(sata->GetPin(5)->GetClockFrequencyText(), "312.50 MHz");
}

TEST(ConfigRastrelle, StandInClockAndResetWhenAChipBlockIsWritten)
{
    RASTRELLE_CONFIG r = Rastrelle();
    r.bClock = r.bButton = 0;
    TMainBoard plain;
    CONFIG_RASTRELLE(&plain, &r);
    EXPECT_EQ(GroupsOf(plain).front().first, "LED x 10");
    EXPECT_EQ(PinsOf(plain).count("CPU_RESET_n"), 0u);

    // Only the CDCM61004 in use (no Si570): the external-PLL block needs the
    // 50 MHz clock all the same.
    r.bSata[0] = 1;
    SetInt(r.nCdcm61004Freq, 4);
    TMainBoard board;
    CONFIG_RASTRELLE(&board, &r);
    const Groups groups = GroupsOf(board);
    EXPECT_EQ(groups[0], (std::pair<std::string, int>{"CLOCK", 1}));
    EXPECT_EQ(groups[2], (std::pair<std::string, int>{"CPU_RESET_n", 1}));
    const auto pins = PinsOf(board);
    ExpectPin(pins, "OSC_50_B3B", "AW35", DIR_IN, IO_2V5);
    ExpectPin(pins, "CPU_RESET_n", "BC37", DIR_IN, IO_2V5);

    // An SFP+ cage with the Si570 at 156.25 MHz.
    RASTRELLE_CONFIG s = Rastrelle();
    s.bClock = 0;
    s.bSfp[0] = 1;
    SetInt(s.nSi570Freq, 3);
    TMainBoard si570;
    CONFIG_RASTRELLE(&si570, &s);
    EXPECT_EQ(GroupsOf(si570).front(), (std::pair<std::string, int>{"CLOCK", 1}));
    EXPECT_EQ(PinsOf(si570).at("SFP_REFCLK_p")->GetClockFrequencyText(), "156.25000 MHz");
}

TEST(ConfigRastrelle, Ddr3SocketsAndQdrChip)
{
    RASTRELLE_CONFIG r = Rastrelle();
    r.bDdr3[1] = 1;
    r.bQdr[1] = 1;
    TMainBoard board;
    CONFIG_RASTRELLE(&board, &r);
    const Groups groups = GroupsOf(board);
    ASSERT_GE(groups.size(), 3u);
    EXPECT_EQ(groups[groups.size() - 3], (std::pair<std::string, int>{"RZQ", 4}));
    EXPECT_EQ(groups[groups.size() - 2], (std::pair<std::string, int>{"QDRII+ SRAM B", 68}));
    EXPECT_EQ(board.FindMasterConnector(24), nullptr);
    const TConnector* master = board.FindMasterConnector(25);
    ASSERT_NE(master, nullptr);
    EXPECT_EQ(master->GetName(), "DDR3 SODIMM");
    EXPECT_EQ(master->GetDescription(), "DDR3 SODIMM_B");
    EXPECT_EQ(master->GetType(), CONNECTOR_DDR3_SODIMM);
    ASSERT_EQ(master->GetPinCount(), 204);
    const std::set<int> withoutPin = {1,   2,   3,   8,   9,   13,  14,  19,  20,  25,  26,  31,  32,  37,  38,  43,
                                      44,  48,  49,  54,  55,  60,  61,  65,  66,  71,  72,  75,  76,  77,  81,  82,
                                      87,  88,  93,  94,  99,  100, 105, 106, 111, 112, 117, 118, 122, 123, 124, 125,
                                      126, 127, 128, 133, 134, 138, 139, 144, 145, 150, 151, 155, 156, 161, 162, 167,
                                      168, 172, 173, 178, 179, 184, 185, 189, 190, 195, 196, 197, 199, 201, 203, 204};
    ASSERT_EQ(withoutPin.size(), 80u);
    for (int p = 1; p <= 204; ++p) {
        const TPin* pin = master->GetPin(p - 1);
        EXPECT_EQ(pin == nullptr, withoutPin.count(p) == 1) << p;
        if (!pin) continue;
        EXPECT_EQ(pin->GetDirection(), PIN_DIR_BY_CARD);
        EXPECT_EQ(pin->GetIoStandard(), IO_STD_BY_CARD);
        EXPECT_EQ(pin->GetLocation(), p == 4 ? "V13" : p == 202 ? "P18" : "") << p;
    }
    r.bDdr3[0] = 1;
    TMainBoard both;
    CONFIG_RASTRELLE(&both, &r);
    EXPECT_EQ(both.FindMasterConnector(24)->GetPin(3)->GetLocation(), "B32");
    EXPECT_EQ(both.FindMasterConnector(24)->GetPin(201)->GetLocation(), "C15");
}

TEST(ConfigDrennock, DefaultsTenGroupsOf99Pins)
{
    TMainBoard board;
    const DRENNOCK_CONFIG r = Drennock();
    CONFIG_DRENNOCK(&board, &r);
    EXPECT_EQ(board.GetBoardId(), MAINBOARD_DRENNOCK);
    EXPECT_EQ(board.GetDevice(), "5SGXEA7N2F45C2");
    EXPECT_EQ(board.GetDevicePinCount(), 1932);
    EXPECT_EQ(board.GetSpeedGradeText(), "2_H2");
    EXPECT_EQ(GroupsOf(board), (Groups{{"CLOCK", 8},
                                       {"LED x 8", 8},
                                       {"BUTTON x 2", 2},
                                       {"CPU RESET", 1},
                                       {"DIP SWITCH x 4", 2},
                                       {"Temperature", 4},
                                       {"Fan", 1},
                                       {"RS232", 5},
                                       {"Flash/MAX Address/Data Share Bus", 59},
                                       {"Flash Control", 9}}));
    EXPECT_EQ(PinCount(board), 99);
    EXPECT_EQ(std::memcmp(board.m_DrennockConfig.bytes, &r, sizeof r), 0);
    const auto pins = PinsOf(board);
    ExpectPin(pins, "OSC_50_B4A", "AP10", DIR_IN, IO_1V5);
    ExpectPin(pins, "OSC_50_B7A", "M9", DIR_IN, IO_1V8);
    ExpectPin(pins, "LED_BRACKET[0]", "BC29", DIR_OUT, IO_2V5);
    ExpectPin(pins, "BUTTON[1]", "A34", DIR_IN, IO_2V5);
    ExpectPin(pins, "SW[1]", "D33", DIR_IN, IO_2V5);
    ExpectPin(pins, "TEMP_OVERT_n", "H35", DIR_IN, IO_2V5);
    ExpectPin(pins, "FSM_D[0]", "AF28", DIR_INOUT, IO_2V5);
    ExpectPin(pins, "FSM_A[26]", "AF31", DIR_OUT, IO_2V5);
    ExpectPin(pins, "FLASH_WE_n", "AH30", DIR_OUT, IO_2V5);
}

TEST(ConfigDrennock, MemoriesAndTransceiversWithTheChips)
{
    DRENNOCK_CONFIG r = Drennock();
    r.bClock = r.bButton = 0;
    r.bPcie = r.bSata = 1;
    for (auto& f : r.bQdr) f = 1;
    for (auto& f : r.bDdr3) f = 1;
    for (auto& f : r.bSfp) f = 1;
    SetInt(r.nSi570Freq, 3);
    SetInt(r.nCdcm61004Freq, 10);
    TMainBoard board;
    CONFIG_DRENNOCK(&board, &r);
    EXPECT_EQ(GroupsOf(board), (Groups{{"CLOCK", 1},
                                       {"LED x 8", 8},
                                       {"CPU_RESET_n for reset programmable oscillator", 1},
                                       {"DIP SWITCH x 4", 2},
                                       {"Temperature", 4},
                                       {"Fan", 1},
                                       {"RS232", 5},
                                       {"PCIe x 8", 21},
                                       {"Flash/MAX Address/Data Share Bus", 59},
                                       {"Flash Control", 9},
                                       {"RZQ", 4},
                                       {"QDRII+ SRAM A", 68},
                                       {"QDRII+ SRAM B", 68},
                                       {"QDRII+ SRAM C", 68},
                                       {"QDRII+ SRAM D", 68},
                                       {"DDR3 SDRAM  A", 50},
                                       {"DDR3 SDRAM  B", 50},
                                       {"SATA", 3},
                                       {"SFP+ A", 10},
                                       {"SFP+ B", 10},
                                       {"SFP+ 10G Referece Clock which is generated by Si570", 3},
                                       {"SFP+ 1G Referece Clock which is generated by CDCM61004", 10}}));
    EXPECT_TRUE(RepeatedBalls(board).empty());
    const auto pins = PinsOf(board);
    ExpectPin(pins, "PCIE_RX_p[0]", "BB43", DIR_IN, IO_1V5_PCML);
    ExpectPin(pins, "PCIE_RX_p[3]", "", DIR_IN, IO_1V5_PCML);
    ExpectPin(pins, "PCIE_TX_p[7]", "AG41", DIR_OUT, IO_1V5_PCML);
    ExpectPin(pins, "QDRIIA_A[0]", "R15", DIR_OUT, IO_1V8_HSTL_I);
    ExpectPin(pins, "QDRIIA_A[20]", "W17", DIR_OUT, IO_1V8_HSTL_I);
    ExpectPin(pins, "QDRIIA_K_p", "V12", DIR_OUT, IO_DIFF_1V8_HSTL_I);
    ExpectPin(pins, "QDRIIA_K_n", "V11", DIR_OUT, IO_DIFF_1V8_HSTL_I);
    ExpectPin(pins, "QDRIID_WPS_n", "P30", DIR_OUT, IO_1V8_HSTL_I);
    ExpectPin(pins, "QDRIIB_WPS_n", "", DIR_OUT, IO_1V8_HSTL_I);
    ExpectPin(pins, "DDR3A_A[0]", "AU14", DIR_OUT, IO_SSTL15_I);
    ExpectPin(pins, "DDR3A_CK", "AG16", DIR_OUT, IO_DIFF_1V5_SSTL_I);
    ExpectPin(pins, "DDR3A_CK_n", "AF17", DIR_OUT, IO_DIFF_1V5_SSTL_I);
    ExpectPin(pins, "DDR3B_RESET_n", "AH21", DIR_OUT, IO_SSTL15_I);
    ExpectPin(pins, "DDR3B_DQS_n[1]", "", DIR_INOUT, IO_DIFF_1V5_SSTL_I);
    ExpectPin(pins, "DDR3A_CKE[0]", "", DIR_OUT, IO_SSTL15_I);
    ExpectPin(pins, "SATA_REFCLK_p", "AF7", DIR_IN, IO_HCSL);
    EXPECT_FALSE(pins.at("SATA_REFCLK_p")->GetIsClock());
    ExpectPin(pins, "SFPB_TXFAULT", "AU24", DIR_IN, IO_2V5);
    ExpectPin(pins, "SFPA_TX_p", "AY6", DIR_OUT, IO_1V5_PCML);
    ExpectPin(pins, "CLOCK_SDA", "C36", DIR_INOUT, IO_2V5);
    EXPECT_EQ(pins.at("SFP_REFCLK_p")->GetClockFrequencyText(), "156.25000 MHz");
    EXPECT_EQ(pins.at("SFP1G_REFCLK_p")->GetClockFrequencyText(), "312.50 MHz");
    ExpectPin(pins, "CLK_PR[1]", "BD25", DIR_OUT, IO_2V5);
}

TEST(ConfigDrennock, ChipChoicesCountOnlyWithAnSfpCage)
{
    DRENNOCK_CONFIG r = Drennock();
    r.bClock = r.bButton = 0;
    SetInt(r.nSi570Freq, 3);
    SetInt(r.nCdcm61004Freq, 10);
    TMainBoard board;
    CONFIG_DRENNOCK(&board, &r);
    EXPECT_EQ(GroupsOf(board).front().first, "LED x 8");
    EXPECT_EQ(PinsOf(board).count("CPU_RESET_n"), 0u);
    EXPECT_EQ(board.GetVerilogBoardExtras(), "");
}

TEST(ConfigEstover, DefaultsTenConnectorsOf123Pins)
{
    TMainBoard board;
    const ESTOVER_CONFIG r = Estover();
    CONFIG_ESTOVER(&board, &r);
    EXPECT_EQ(board.GetBoardId(), MAINBOARD_ESTOVER);
    EXPECT_EQ(board.GetDevice(), "5SGXEA3K2F40C3");
    EXPECT_EQ(board.GetDevicePinCount(), 1517);
    EXPECT_EQ(board.GetSpeedGradeText(), "3_H2");
    EXPECT_EQ(GroupsOf(board), (Groups{{"CLOCK", 8},
                                       {"LED x 10", 10},
                                       {"BUTTON x 4 and CPU_RESET_n", 5},
                                       {"SWITCH x 4", 4},
                                       {"Temperature", 4},
                                       {"Fan", 1},
                                       {"RS232", 5},
                                       {"Flash/SSRAM/MAX Address/Data Share Bus", 59},
                                       {"Flash Control", 9},
                                       {"SSRAM Control", 18}}));
    EXPECT_EQ(PinCount(board), 123);
    const auto pins = PinsOf(board);
    ExpectPin(pins, "OSC_50_B8D", "J23", DIR_IN, IO_2V5);
    ExpectPin(pins, "LED_RJ45_R", "N15", DIR_OUT, IO_2V5);
    ExpectPin(pins, "CPU_RESET_n", "AM34", DIR_IN, IO_2V5);
    ExpectPin(pins, "SW[2]", "G19", DIR_IN, IO_2V5);
    ExpectPin(pins, "FSM_D[31]", "AB27", DIR_INOUT, IO_2V5);
    ExpectPin(pins, "FSM_A[0]", "AW22", DIR_OUT, IO_2V5);
    ExpectPin(pins, "SSRAM_DPA[3]", "AN27", DIR_INOUT, IO_2V5);
    ExpectPin(pins, "SSRAM_ZZ", "AL29", DIR_OUT, IO_2V5);

    // Only the SSRAM of the two memories: the shared bus and its control.
    ESTOVER_CONFIG s = Estover();
    s.bFlash = 0;
    TMainBoard ssram;
    CONFIG_ESTOVER(&ssram, &s);
    const Groups groups = GroupsOf(ssram);
    EXPECT_EQ(groups[groups.size() - 2].first, "Flash/SSRAM/MAX Address/Data Share Bus");
    EXPECT_EQ(groups.back().first, "SSRAM Control");
}

TEST(ConfigEstover, SfpGroupsTakeTheCdcmClockAndTheHsmcMaster)
{
    ESTOVER_CONFIG r = Estover();
    r.bSfp[1] = r.bSfp[3] = 1;
    SetInt(r.nCdcm61004Freq, 6);
    TMainBoard board;
    CONFIG_ESTOVER(&board, &r);
    Groups groups = GroupsOf(board);
    EXPECT_EQ(groups[groups.size() - 2], (std::pair<std::string, int>{"SFP+ D", 11}));
    EXPECT_EQ(groups.back(),
              (std::pair<std::string, int>{"Programmalbe Oscillator CDCM61004 for referece clock of SFP+ 1G", 9}));
    const TConnector* sfpD = board.GetConnector(static_cast<int>(groups.size()) - 2);
    EXPECT_EQ(sfpD->GetPin(10)->GetName(), "SFP1G_REFCLK_p");
    EXPECT_EQ(sfpD->GetPin(10)->GetLocation(), "AB6");
    EXPECT_EQ(sfpD->GetPin(10)->GetClockFrequencyText(), "156.25 MHz");
    const auto pins = PinsOf(board);
    ExpectPin(pins, "SFPB_TX_p", "AE4", DIR_OUT, IO_1V5_PCML);
    ExpectPin(pins, "SFPD_TXFAULT", "AR9", DIR_IN, IO_2V5);
    ExpectPin(pins, "CLK_OD[2]", "AA14", DIR_OUT, IO_2V5);

    // With the Si570 as well the pin joins its reference-clock group.
    r.bSata[1] = 1;
    SetInt(r.nSi570Freq, 7);
    r.nHsmcDaughterId[HSMC_A] = 3;  // HSMC Default With Transceiver
    TMainBoard full;
    CONFIG_ESTOVER(&full, &r);
    groups = GroupsOf(full);
    const size_t n = groups.size();
    EXPECT_EQ(groups[n - 6], (std::pair<std::string, int>{"SFP+ D", 10}));
    EXPECT_EQ(groups[n - 5],
              (std::pair<std::string, int>{"SFP+ 10G Referece Clock (generated by the Programmalbe Oscillator Si570)", 2}));
    EXPECT_EQ(groups[n - 4], (std::pair<std::string, int>{"Programmalbe Oscillator SI570", 2}));
    EXPECT_EQ(groups[n - 3],
              (std::pair<std::string, int>{"Programmalbe Oscillator CDCM61004 for referece clock of SFP+1G and SATA", 9}));
    EXPECT_EQ(groups[n - 2], (std::pair<std::string, int>{"HSMC-A", 160}));
    EXPECT_EQ(groups[n - 1], (std::pair<std::string, int>{"HSMC Transceiver Reference Clock", 1}));
    const auto all = PinsOf(full);
    EXPECT_EQ(all.at("SFP_REFCLK_p")->GetClockFrequencyText(), "644.53125 MHz");
    EXPECT_EQ(all.at("SATA_REFCLK_p")->GetClockFrequencyText(), "156.25 MHz");
    EXPECT_EQ(all.at("HSMC_REFCLK_p")->GetLocation(), "AB6");
    EXPECT_EQ(RepeatedBalls(full), std::set<std::string>{"AB6"});
    const TConnector* master = full.FindMasterConnector(ESTOVER_HSMC_A_MASTER_ID);
    ASSERT_NE(master, nullptr);
    EXPECT_EQ(master->GetDescription(), "HSMC-A connect to " + GetCardDisplayName(3));
    EXPECT_EQ(master->GetType(), CONNECTOR_HSMC);
    int placeholders = 0;
    for (int p = 0; p < 160; ++p) placeholders += master->GetPin(p) ? 1 : 0;
    EXPECT_EQ(placeholders, 116);
    EXPECT_EQ(master->GetPin(0)->GetLocation(), "R36");
    EXPECT_EQ(master->GetPin(1)->GetLocation(), "T38");
    EXPECT_EQ(master->GetPin(38)->GetLocation(), "D25");
    EXPECT_EQ(master->GetPin(39)->GetLocation(), "N32");
    EXPECT_EQ(master->GetPin(157)->GetLocation(), "P32");
    EXPECT_EQ(master->GetPin(2)->GetLocation(), "");
    EXPECT_EQ(master->GetPin(34), nullptr);
    EXPECT_EQ(master->GetPin(159), nullptr);
}

TEST(ConfigEstover, CdcmGroupNamesAndTheStandIns)
{
    struct Case {
        uint8_t sata, sfp, card;
        const char* name;
    };
    const Case cases[] = {
        {1, 0, 0, "Programmalbe Oscillator CDCM61004 for referece clock of SATA"},
        {0, 0, 21, "Programmalbe Oscillator CDCM61004 for referece clock of SFP+ 1G"},
        {1, 1, 0, "Programmalbe Oscillator CDCM61004 for referece clock of SFP+1G and SATA"},
    };
    for (const Case& c : cases) {
        ESTOVER_CONFIG r = Estover();
        r.bClock = r.bButton = 0;
        r.bSata[0] = c.sata;
        r.bSfp[2] = c.sfp;
        r.nHsmcDaughterId[HSMC_A] = c.card;
        SetInt(r.nCdcm61004Freq, 10);
        TMainBoard board;
        CONFIG_ESTOVER(&board, &r);
        const Groups groups = GroupsOf(board);
        // The CDCM61004 block needs the 50 MHz clock and the reset.
        EXPECT_EQ(groups[0], (std::pair<std::string, int>{"CLOCK", 1})) << c.name;
        EXPECT_EQ(groups[2], (std::pair<std::string, int>{"CPU_RESET_n", 1})) << c.name;
        bool named = false;
        for (const auto& group : groups) named = named || group.first == c.name;
        EXPECT_TRUE(named) << c.name;
        if (c.card) {
            EXPECT_EQ(groups.back().first, "HSMC Transceiver Reference Clock");
            EXPECT_EQ(PinsOf(board).at("HSMC_REFCLK_p")->GetClockFrequencyText(), "312.50 MHz");
        }
    }
}

TEST(ConfigEstover, SataReferenceClockWithTheChipOffIsNoClock)
{
    ESTOVER_CONFIG r = Estover();
    r.bSata[0] = 1;
    TMainBoard board;
    CONFIG_ESTOVER(&board, &r);
    const auto pins = PinsOf(board);
    ExpectPin(pins, "SATA_HOST_RX_p", "K2", DIR_IN, IO_1V5_PCML);
    ExpectPin(pins, "SATA_HOST_TX_p", "J4", DIR_OUT, IO_1V5_PCML);
    ExpectPin(pins, "SATA_REFCLK_p", "V6", DIR_IN, IO_HCSL);
    EXPECT_FALSE(pins.at("SATA_REFCLK_p")->GetIsClock());
    EXPECT_EQ(pins.at("SATA_REFCLK_p")->GetClockFrequencyText(), "");
    EXPECT_EQ(pins.count("SATA_DEVICE_RX_p"), 0u);
}

TEST(ConfigStratixBoards, ARecordOfAnotherBoardOrSizeIsABrokenInvariant)
{
    SeamRecorder seam;
    TMainBoard board;
    RASTRELLE_CONFIG r = Rastrelle();
    r.BoardId = MAINBOARD_ESTOVER;
    EXPECT_THROW(CONFIG_RASTRELLE(&board, &r), InvariantFailure);
    DRENNOCK_CONFIG d = Drennock();
    d.Size = 163;
    EXPECT_THROW(CONFIG_DRENNOCK(&board, &d), InvariantFailure);
    ESTOVER_CONFIG e = Estover();
    e.BoardId = MAINBOARD_DRENNOCK;
    EXPECT_THROW(CONFIG_ESTOVER(&board, &e), InvariantFailure);
}

}  // namespace config_stratix_test
