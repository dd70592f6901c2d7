// The Quenwick definition: groups in order with their bank standards, the
// DDR3 socket with its termination pins, the HSMC masters with their fixed
// positions, the FMC masters and the shared FMC I2C pins.
#include <gtest/gtest.h>

#include "boards/cyclone4_stratix4/CONFIG_QUENWICK.h"
#include "boards/frame/ConfigFrame.h"
#include "tests/boards/DefinitionCheck.h"
#include "tests/generate/GenerateSupport.h"

namespace config_quenwick_test {

namespace {

QUENWICK_CONFIG Defaults()
{
    QUENWICK_CONFIG r{};
    r.BoardId = MAINBOARD_QUENWICK;
    r.Size = sizeof r;
    r.bClock = r.bLed = r.bSeg7 = r.bButton = r.bSwitch = r.bSma = r.bTemp = r.bFan = r.bSsram = r.bFlash = 1;
    return r;
}

QUENWICK_CONFIG Empty()
{
    QUENWICK_CONFIG r{};
    r.BoardId = MAINBOARD_QUENWICK;
    r.Size = sizeof r;
    return r;
}

}  // namespace

TEST(ConfigQuenwick, DefaultGroupsAndBalls)
{
    TMainBoard board;
    const QUENWICK_CONFIG r = Defaults();
    CONFIG_QUENWICK(&board, &r);
    EXPECT_EQ(board.GetBoardId(), MAINBOARD_QUENWICK);
    EXPECT_EQ(board.GetFamily(), "Stratix IV");
    EXPECT_EQ(board.GetDevice(), "EP4SE820F43C3");
    EXPECT_EQ(board.GetPackage(), "FBGA");
    EXPECT_EQ(board.GetDevicePinCount(), 1760);
    EXPECT_EQ(board.GetSpeedGradeText(), "");
    EXPECT_EQ(board.GetSpeedGrade(), 2);
    EXPECT_EQ(GroupsOf(board), (Groups{{"CLOCK", 5},
                                       {"SMA", 4},
                                       {"LED x 8", 8},
                                       {"BUTTON x 4 and CPU_RESET_n", 5},
                                       {"SLIDE SWITCH x 8", 8},
                                       {"I2C 7-Segment", 3},
                                       {"Temperature (Addresss 0011000b)", 4},
                                       {"Fan", 2},
                                       {"Flash and SSRAM Address/Data Share Bus", 41},
                                       {"Flash Control", 8},
                                       {"SSRAM Control", 12}}));
    EXPECT_EQ(NamesOf(ConnectorNamed(board, "CLOCK")),
              (std::vector<std::string>{"OSC_50_BANK2", "OSC_50_BANK3", "OSC_50_BANK6", "OSC_50_BANK7",
                                        "OSC_50_BANK8"}));
    ExpectPins(board, {{"OSC_50_BANK2", "AB41", DIR_IN, IO_2V5},
                       {"OSC_50_BANK3", "AW22", DIR_IN, IO_2V5},
                       {"OSC_50_BANK6", "C2", DIR_IN, IO_2V5},
                       {"OSC_50_BANK7", "D21", DIR_IN, IO_2V5},
                       {"OSC_50_BANK8", "B22", DIR_IN, IO_1V5},
                       {"SMA_CLKIN_p", "AB4", DIR_IN, IO_2V5},
                       {"SMA_CLKIN_n", "AB3", DIR_IN, IO_2V5},
                       {"SMA_CLKOUT_p", "F21", DIR_OUT, IO_2V5},
                       {"SMA_CLKOUT_n", "E21", DIR_OUT, IO_2V5},
                       {"LED[0]", "N37", DIR_OUT, IO_2V5},
                       {"LED[7]", "L40", DIR_OUT, IO_2V5},
                       {"BUTTON[0]", "AD35", DIR_IN, IO_2V5},
                       {"BUTTON[3]", "AD38", DIR_IN, IO_2V5},
                       {"CPU_RESET_n", "W39", DIR_IN, IO_2V5},
                       {"SW[0]", "AD32", DIR_IN, IO_2V5},
                       {"SW[7]", "AE37", DIR_IN, IO_2V5},
                       {"MAX2_CS_n", "W40", DIR_OUT, IO_2V5},
                       {"MAX2_I2C_SCL", "Y30", DIR_OUT, IO_2V5},
                       {"MAX2_I2C_SDA", "W38", DIR_INOUT, IO_2V5},
                       {"TEMP_CLK", "M30", DIR_OUT, IO_1V5},
                       {"TEMP_OVERT_n", "C25", DIR_IN, IO_1V5},
                       {"FAN_CTRL", "G24", DIR_OUT, IO_1V5},
                       {"FAN_SPEED", "A23", DIR_IN, IO_1V5},
                       {"FSM_D[0]", "M42", DIR_INOUT, IO_2V5},
                       {"FSM_D[15]", "N40", DIR_INOUT, IO_2V5},
                       {"FSM_A[1]", "U40", DIR_OUT, IO_2V5},
                       {"FSM_A[20]", "R36", DIR_OUT, IO_2V5},
                       {"FSM_A[25]", "U36", DIR_OUT, IO_2V5},
                       {"FLASH_RDY_BSY_n", "Y36", DIR_IN, IO_2V5},
                       {"FLASH_WP_n", "AA36", DIR_OUT, IO_2V5},
                       {"SSRAM_BWA_n", "AA31", DIR_OUT, IO_2V5},
                       {"SSRAM_GW_n", "V32", DIR_OUT, IO_2V5},
                       {"SSRAM_ZZ", "T32", DIR_OUT, IO_2V5}});
    for (const char* clock : {"OSC_50_BANK2", "OSC_50_BANK8"}) {
        EXPECT_TRUE(PinsOf(board).at(clock)->GetIsClock());
        EXPECT_EQ(PinsOf(board).at(clock)->GetClockPeriodNs(), 20);
    }
    // LED 6, SW 6, FSM_D 14, FSM_A 22.
    EXPECT_EQ(UnknownBalls(board), 48);
    EXPECT_TRUE(RepeatedBalls(board).empty());

    QUENWICK_CONFIG ssram = Empty();
    ssram.bSsram = 1;
    CONFIG_QUENWICK(&board, &ssram);
    EXPECT_EQ(GroupsOf(board), (Groups{{"Flash and SSRAM Address/Data Share Bus", 36}, {"SSRAM Control", 12}}));
    const QUENWICK_CONFIG none = Empty();
    CONFIG_QUENWICK(&board, &none);
    EXPECT_EQ(board.GetConnectorCount(), 0);
    EXPECT_EQ(board.GetDevice(), "EP4SE820F43C3");
}

TEST(ConfigQuenwick, SocketHsmcAndFmcMasters)
{
    QUENWICK_CONFIG r = Empty();
    r.bDdr3 = 1;
    r.nHsmcDaughterId[0] = 17;
    r.nHsmcDaughterId[1] = 2;
    for (int i = 0; i < 4; ++i) r.nFmcDaughterId[i] = 88;
    TMainBoard board;
    CONFIG_QUENWICK(&board, &r);
    const std::string fmcName = GetCardDisplayName(88);
    EXPECT_EQ(GroupsOf(board), (Groups{{"DDR3 SODIMM", 204},
                                       {"OCT RUP/RDN for Altera DDR3 NewPHY Controller", 2},
                                       {"HSMC-A", 160},
                                       {"HSMC-B", 160},
                                       {"FMC-A", 400},
                                       {"FMC-B", 400},
                                       {"FMC-C", 400},
                                       {"FMC-D", 400},
                                       {"FMC I2C", 4}}));
    ExpectPins(board, {{"mem_oct_rdn", "J32", DIR_IN, IO_1V5},
                       {"mem_oct_rup", "K32", DIR_IN, IO_1V5},
                       {"FMAB_CLK", "AD30", DIR_OUT, IO_2V5},
                       {"FMAB_SDA", "AG38", DIR_INOUT, IO_2V5},
                       {"FMCD_CLK", "AG37", DIR_OUT, IO_2V5},
                       {"FMCD_SDA", "AD31", DIR_INOUT, IO_2V5}});
    const MasterSpec masters[] = {
        {19, "DDR3 SODIMM", "", CONNECTOR_DDR3_SODIMM, 124, {}, {{4, "C28"}, {202, "C23"}}},
        {8, "HSMC-A", "HSMC-A connect to " + GetCardDisplayName(17), CONNECTOR_HSMC, 84, {},
         {{33, "D20"}, {34, "A19"}, {40, "D22"}, {96, "B21"}, {98, "A21"}, {158, "H18"}}},
        {9, "HSMC-B", "HSMC-B connect to HSMC Default", CONNECTOR_HSMC, 84, {},
         {{33, "D14"}, {34, "A10"}, {40, "C22"}, {96, "AA41"}, {98, "AA42"}, {158, "AA40"}}},
        {20, "FMC-A", "FMC-A connect to " + fmcName, CONNECTOR_FMC_HPC, 168, {}, {{90, "G3"}, {398, "AB7"}}},
        {21, "FMC-B", "FMC-B connect to " + fmcName, CONNECTOR_FMC_HPC, 168, {}, {{90, "AN12"}, {398, "AV22"}}},
        {22, "FMC-C", "FMC-C connect to " + fmcName, CONNECTOR_FMC_HPC, 168, {}, {{90, "AR19"}, {398, "AP33"}}},
        {23, "FMC-D", "FMC-D connect to " + fmcName, CONNECTOR_FMC_HPC, 168, {}, {{90, "AG35"}, {398, "E40"}}},
    };
    for (const MasterSpec& m : masters) ExpectMaster(board, m);
    EXPECT_EQ(ShapeOf(*board.FindMasterConnector(9)).Empty, HsmcEmpty([] {
                  auto e = Positions(1, 32);
                  for (int p : Positions(35, 38)) e.push_back(p);
                  return e;
              }()));
    // The FMC masters wire positions 90 (C10) to 398 (K38) only.
    const MasterShape fmc = ShapeOf(*board.FindMasterConnector(22));
    EXPECT_EQ(fmc.Empty.size(), 232u);
    EXPECT_EQ(std::vector<int>(fmc.Empty.begin(), fmc.Empty.begin() + 89), Positions(1, 89));
    EXPECT_EQ(fmc.Empty.back(), 400);
    EXPECT_EQ(fmc.Empty[fmc.Empty.size() - 2], 399);

    // Five HSMC positions keep their own direction and standard over the card's.
    TConnector* hsmcB = board.FindMasterConnector(9);
    AttachOutputsCard(hsmcB, {33, 34, 39, 40, 96, 98});
    struct Fixed {
        int position;
        PinDirection direction;
        IoStandard standard;
    };
    for (const Fixed& f : {Fixed{33, PIN_DIR_OUTPUT, IO_2V5}, Fixed{34, PIN_DIR_OUTPUT, IO_2V5},
                           Fixed{39, PIN_DIR_OUTPUT, kLvttl}, Fixed{40, PIN_DIR_INPUT, IO_1V5},
                           Fixed{96, PIN_DIR_INPUT, kLvttl}, Fixed{98, PIN_DIR_INPUT, kLvttl}}) {
        EXPECT_EQ(hsmcB->GetPin(f.position - 1)->GetDirection(), f.direction) << f.position;
        EXPECT_EQ(hsmcB->GetPin(f.position - 1)->GetIoStandard(), f.standard) << f.position;
    }
}

TEST(ConfigQuenwick, TheFmcI2cPinsFollowThePairsInUse)
{
    struct Case {
        std::vector<int> slots;
        std::vector<std::string> pins;
    };
    const Case cases[] = {
        {{2}, {"FMCD_CLK", "FMCD_SDA"}},
        {{0, 3}, {"FMAB_CLK", "FMAB_SDA", "FMCD_CLK", "FMCD_SDA"}},
        {{1}, {"FMAB_CLK", "FMAB_SDA"}},
        {{}, {}},
    };
    for (const Case& c : cases) {
        QUENWICK_CONFIG r = Empty();
        for (int slot : c.slots) r.nFmcDaughterId[slot] = 49;
        TMainBoard board;
        CONFIG_QUENWICK(&board, &r);
        const TConnector* i2c = ConnectorNamed(board, "FMC I2C");
        EXPECT_EQ(i2c ? NamesOf(i2c) : std::vector<std::string>{}, c.pins);
        EXPECT_EQ(board.GetConnectorCount(), static_cast<int>(c.slots.size()) + (c.slots.empty() ? 0 : 1));
        for (int slot : c.slots) EXPECT_NE(board.FindMasterConnector(20 + slot), nullptr);
    }
}

TEST(ConfigQuenwick, TheFmcMastersWireTheUserPairsOfTheVitaPinOut)
{
    QUENWICK_CONFIG r = Empty();
    r.nFmcDaughterId[0] = 40;
    TMainBoard board;
    CONFIG_QUENWICK(&board, &r);
    const TConnector* master = board.FindMasterConnector(20);
    ASSERT_NE(master, nullptr);
    TDaughterBoard card;
    card.LoadCard(40, MAINBOARD_QUENWICK, nullptr, 8, 0);
    ASSERT_EQ(card.GetPinCount(), 400);
    // The placeholders are the positions of the LA, HA and HB pairs and of
    // the four clock pairs (whose negative legs the pin-out leaves unnamed);
    // the transceiver, I2C and other positions have no FPGA pin.
    const std::set<int> clockNegativeLegs = {243, 285, 323, 365};
    std::map<std::string, int> families;
    for (int p = 1; p <= 400; ++p) {
        const TPin* pin = card.GetPin(p - 1);
        const std::string name = pin ? pin->GetName() : "";
        const bool pair = name.rfind("LA_", 0) == 0 || name.rfind("HA_", 0) == 0 || name.rfind("HB_", 0) == 0;
        const bool clock = name.rfind("CLK_M2C_", 0) == 0 || name.find("_BIDIR_") != std::string::npos;
        const bool wired = master->GetPin(p - 1) != nullptr;
        EXPECT_EQ(wired, pair || clock || clockNegativeLegs.count(p) > 0) << "position " << p << " " << name;
        if (pair || clock) ++families[clock ? "CLK" : name.substr(0, 2)];
    }
    EXPECT_EQ(families, (std::map<std::string, int>{{"CLK", 4}, {"HA", 48}, {"HB", 44}, {"LA", 68}}));
}

}  // namespace config_quenwick_test
