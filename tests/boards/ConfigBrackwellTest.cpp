// The Brackwell definition: device, groups in order, the balls the board's
// data gives, the standards that follow the HSMC cards, the DDR3, GPIO and
// HSMC masters and the record checks.
#include <gtest/gtest.h>

#include <cstring>

#include "boards/cyclone4_stratix4/CONFIG_BRACKWELL.h"
#include "model/Text.h"
#include "tests/boards/DefinitionCheck.h"
#include "tests/support/SeamRecorder.h"

namespace config_brackwell_test {

namespace {

constexpr PinDirection IN = PIN_DIR_INPUT;
constexpr PinDirection OUT = PIN_DIR_OUTPUT;
constexpr PinDirection INOUT = PIN_DIR_INOUT;
constexpr IoStandard V15 = 0;     // "1.5 V"
constexpr IoStandard V18 = 3;     // "1.8 V"
constexpr IoStandard V25 = 6;     // "2.5 V"
constexpr IoStandard LVDS = 21;   // "LVDS"
constexpr IoStandard PCML = 35;   // "1.4-V PCML"
constexpr IoStandard HCSL = 37;   // "HCSL"
constexpr IoStandard PCIX = 39;   // "3.0-V PCI-X"

// The record as the form's defaults leave it.
BRACKWELL_CONFIG Defaults()
{
    BRACKWELL_CONFIG r{};
    r.BoardId = MAINBOARD_BRACKWELL;
    r.Size = sizeof r;
    std::strcpy(r.szProjectName, "Brackwell");
    r.bCLOCK = r.bLED = r.bBUTTON = r.bSW = r.bTemperature = r.bFAN = r.bSSRAM = r.bFLASH = 1;
    r.nPllFreq[0] = r.nPllFreq[1] = r.nPllFreq[2] = 4;
    return r;
}

// Every group and a card on every HSMC connector.
BRACKWELL_CONFIG Everything(DaughterId card = 2)
{
    BRACKWELL_CONFIG r = Defaults();
    r.bSMA = r.bDDR3 = r.bPCIE0 = r.bPCIE1 = r.bExtPLL = 1;
    for (uint8_t& id : r.nHsmcDaughterId) id = card;
    return r;
}

struct Defined {
    TMainBoard board;
    explicit Defined(const BRACKWELL_CONFIG& r) { CONFIG_BRACKWELL(&board, &r); }
    const TConnector* Find(const std::string& name) const
    {
        for (int c = 0; c < board.GetConnectorCount(); ++c)
            if (board.GetConnector(c)->GetName() == name) return board.GetConnector(c);
        return nullptr;
    }
};

}  // namespace

TEST(ConfigBrackwell, DefaultsGiveTheBoardGroupsAndACopyOfTheRecord)
{
    const BRACKWELL_CONFIG r = Defaults();
    Defined d(r);
    EXPECT_EQ(d.board.GetBoardId(), MAINBOARD_BRACKWELL);
    EXPECT_EQ(d.board.GetFamily(), "Stratix IV");
    EXPECT_EQ(d.board.GetDevice(), "EP4SGX230KF40C2");
    EXPECT_EQ(d.board.GetDevicePinCount(), 1517);
    EXPECT_EQ(d.board.GetPackage(), "FBGA");
    EXPECT_EQ(d.board.GetSpeedGrade(), 2);
    EXPECT_EQ(d.board.GetSpeedGradeText(), "");
    EXPECT_EQ(GroupsOf(d.board), (Groups{{"CLOCK", 5},
                                         {"Loop", 4},
                                         {"LED x 4", 4},
                                         {"BUTTON x 4", 4},
                                         {"SWITCH x 4", 4},
                                         {"Temperature", 4},
                                         {"Fan", 1},
                                         {"Flash and SRAM Address/Data/OE/WM Share Bus", 32 + 25 + 2},
                                         {"Flash Control", 6},
                                         {"SSRAM Control", 9}}));
    EXPECT_EQ(std::memcmp(d.board.m_BrackwellConfig.bytes, &r, sizeof r), 0);

    BRACKWELL_CONFIG big = r;
    big.nBoardType = 1;
    EXPECT_EQ(Defined(big).board.GetDevice(), "EP4SGX530KH40C2");
}

TEST(ConfigBrackwell, AnEmptyRecordStillHasTheLoopGroup)
{
    BRACKWELL_CONFIG r{};
    r.BoardId = MAINBOARD_BRACKWELL;
    r.Size = sizeof r;
    Defined d(r);
    EXPECT_EQ(GroupsOf(d.board), (Groups{{"Loop", 4}}));
    ExpectPins(PinsOf(d.board), {{"LOOP_CLKIN0", "B22", IN, V15},
                                 {"LOOP_CLKIN1", "B20", IN, V15},
                                 {"LOOP_CLKOUT0", "M20", OUT, V15},
                                 {"LOOP_CLKOUT1", "L20", OUT, V15}});
}

TEST(ConfigBrackwell, EveryGroupWithItsGivenBalls)
{
    Defined d(Everything());
    EXPECT_EQ(GroupsOf(d.board), (Groups{{"CLOCK", 5},
                                         {"Loop", 4},
                                         {"SMA", 4},
                                         {"LED x 4", 4},
                                         {"BUTTON x 4", 4},
                                         {"SWITCH x 4", 4},
                                         {"Temperature", 4},
                                         {"Fan", 1},
                                         {"PCIe0 4-Lane Downstream", 11},
                                         {"PCIe1 4-Lane Downstream", 11},
                                         {"Flash and SRAM Address/Data/OE/WM Share Bus", 59},
                                         {"Flash Control", 6},
                                         {"SSRAM Control", 9},
                                         {"MAX2", 2},
                                         {"Programming PLL", 3},
                                         {"DDR3 SODIMM", 204},
                                         {"OCT RUP/RDN for Altera DDR3 UniPHY Controller", 2},
                                         {"HSMC-A", 160},
                                         {"HSMC-B", 160},
                                         {"HSMC-C", 160},
                                         {"HSMC-D", 160},
                                         {"HSMC-E", 160},
                                         {"HSMC-F", 160},
                                         {"HSMC A/B/C I2C", 2},
                                         {"HSMC D/E/F I2C", 2}}));
    const auto pins = PinsOf(d.board);
    ExpectPins(pins, {{"OSC_50_BANK1", "AB34", IN, V25},
                      {"OSC_50_BANK3", "AW22", IN, V25},
                      {"OSC_50_BANK4", "AV19", IN, V25},
                      {"OSC_50_BANK7", "A21", IN, V15},
                      {"OSC_50_BANK8", "B23", IN, V15},
                      {"SMA_CLKIN", "AW19", IN, V25},
                      {"SMA_CLKOUT", "AN20", OUT, V25},
                      {"SMA_CLKOUT_p", "AC11", OUT, LVDS},
                      {"SMA_GXBCLK_p", "J38", IN, PCML},
                      {"LED[0]", "B19", OUT, V15},
                      {"LED[1]", "A18", OUT, V15},
                      {"LED[2]", "D19", OUT, V15},
                      {"LED[3]", "C19", OUT, V15},
                      {"BUTTON[0]", "L19", IN, V15},
                      {"BUTTON[1]", "M19", IN, V15},
                      {"BUTTON[2]", "A19", IN, V15},
                      {"BUTTON[3]", "P20", IN, V15},
                      {"SW[0]", "AH18", IN, V25},
                      {"SW[1]", "AH19", IN, V25},
                      {"SW[2]", "D6", IN, V25},
                      {"SW[3]", "C6", IN, V25},
                      {"TEMP_SMCLK", "AR14", OUT, V25},
                      {"TEMP_SMDAT", "AP14", INOUT, V25},
                      {"TEMP_INT_n", "AH13", IN, V25},
                      {"TEMP_OVERT_n", "AK14", IN, V25},
                      {"FAN_CTRL", "B17", OUT, V15},
                      {"FSM_D[0]", "B32", INOUT, PCIX},
                      {"FSM_D[1]", "", INOUT, PCIX},
                      {"FSM_D[31]", "D33", INOUT, PCIX},
                      {"FSM_A[1]", "L31", OUT, PCIX},
                      {"FSM_A[2]", "", OUT, PCIX},
                      {"FSM_A[20]", "H34", OUT, PCIX},
                      {"FSM_A[25]", "M30", OUT, PCIX},
                      {"FSM_OE_n", "AT16", OUT, PCIX},
                      {"FSM_WE_n", "AL16", OUT, PCIX},
                      {"FLASH_RDY_BSY_n", "A23", IN, V15},
                      {"FLASH_CLK", "AU15", OUT, PCIX},
                      {"FLASH_RESET_n", "AV16", OUT, PCIX},
                      {"FLASH_ADV_n", "AT15", OUT, PCIX},
                      {"FLASH_CE_n", "AP16", OUT, PCIX},
                      {"FLASH_WP_n", "A20", OUT, V15},
                      {"SSRAM_CLK", "AG17", OUT, PCIX},
                      {"SSRAM_ADSC_n", "AP17", OUT, PCIX},
                      {"SSRAM_ADSP_n", "AR17", OUT, PCIX},
                      {"SSRAM_ADV_n", "AW16", OUT, PCIX},
                      {"SSRAM_CE1_n", "AF17", OUT, PCIX},
                      {"SSRAM_BE_n[0]", "AN16", OUT, PCIX},
                      {"SSRAM_BE_n[1]", "AN17", OUT, PCIX},
                      {"SSRAM_BE_n[2]", "AR16", OUT, PCIX},
                      {"SSRAM_BE_n[3]", "AU16", OUT, PCIX},
                      {"MAX2_I2C_SCL", "C20", OUT, V15},
                      {"MAX2_I2C_SDA", "A17", INOUT, V15},
                      {"HSMA_REFCLK_p", "AA2", IN, PCML},
                      {"HSME_REFCLK_p", "AA38", IN, PCML},
                      {"PGM_GXB_CLK_p1", "J2", IN, PCML},
                      {"mem_oct_rdn", "N26", IN, V15},
                      {"mem_oct_rup", "P26", IN, V15},
                      {"HSMC_ABC_SCL", "AE16", OUT, V25},
                      {"HSMC_ABC_SDA", "AF16", INOUT, V25},
                      {"HSMC_DEF_SCL", "G21", OUT, V15},
                      {"HSMC_DEF_SDA", "F21", INOUT, V15}});
    // PCI Express: reference clock, PERST_n, WAKE_n, then TX and RX lane by lane.
    const char* const pcie[2][11] = {
        {"AN38", "F8", "AE10", "AT36", "AU38", "AP36", "AR38", "AH36", "AJ38", "AF36", "AG38"},
        {"AN2", "G8", "AE11", "AT4", "AU2", "AP4", "AR2", "AH4", "AJ2", "AF4", "AG2"}};
    for (int port = 0; port < 2; ++port) {
        const TConnector* c = d.Find(Format("PCIe%d 4-Lane Downstream", port));
        ASSERT_NE(c, nullptr);
        const std::string p = Format("PCIE%d_", port);
        const std::vector<ExpectedBoardPin> rows = {
            {"REFCLK_p", pcie[port][0], IN, HCSL}, {"PERST_n", pcie[port][1], IN, V25},
            {"WAKE_n", pcie[port][2], OUT, V25},   {"TX_p[0]", pcie[port][3], OUT, PCML},
            {"RX_p[0]", pcie[port][4], IN, PCML},  {"TX_p[1]", pcie[port][5], OUT, PCML},
            {"RX_p[1]", pcie[port][6], IN, PCML},  {"TX_p[2]", pcie[port][7], OUT, PCML},
            {"RX_p[2]", pcie[port][8], IN, PCML},  {"TX_p[3]", pcie[port][9], OUT, PCML},
            {"RX_p[3]", pcie[port][10], IN, PCML}};
        for (int i = 0; i < 11; ++i) {
            const TPin* pin = c->GetPin(i);
            ASSERT_NE(pin, nullptr);
            EXPECT_EQ(pin->GetName(), p + rows[static_cast<size_t>(i)].Name);
            EXPECT_EQ(pin->GetLocation(), rows[static_cast<size_t>(i)].Ball);
            EXPECT_EQ(pin->GetDirection(), rows[static_cast<size_t>(i)].Direction);
            EXPECT_EQ(pin->GetIoStandard(), rows[static_cast<size_t>(i)].Standard);
        }
    }
    // The five oscillators are clocks of 20 ns.
    for (const char* name : {"OSC_50_BANK1", "OSC_50_BANK3", "OSC_50_BANK4", "OSC_50_BANK7", "OSC_50_BANK8"}) {
        EXPECT_TRUE(pins.at(name)->GetIsClock()) << name;
        EXPECT_EQ(pins.at(name)->GetClockPeriodNs(), 20) << name;
        EXPECT_EQ(pins.at(name)->GetClockFrequencyText(), "") << name;
    }
    EXPECT_EQ(RepeatedBalls(d.board), std::set<std::string>{});
}

TEST(ConfigBrackwell, GroupsInAnHsmcBankFollowTheCardVoltage)
{
    struct Case {
        int hsmc;
        DaughterId card;
        std::vector<const char*> pins;
        IoStandard expected;
    };
    const Case cases[] = {
        // HSMC-F: two oscillators, the SMA clocks and two switches.
        {5, 92, {"OSC_50_BANK3", "OSC_50_BANK4", "SMA_CLKIN", "SMA_CLKOUT", "SW[0]", "SW[1]"}, V15},
        // HSMC-A: two switches and the sideband pins of both PCI Express ports.
        {0, 98, {"SW[2]", "SW[3]", "PCIE0_PERST_n", "PCIE0_WAKE_n", "PCIE1_PERST_n", "PCIE1_WAKE_n"}, PCIX},
        {0, 94, {"SW[2]", "PCIE1_WAKE_n"}, PCIX},
        // HSMC-D: the oscillator of bank 1.
        {3, 91, {"OSC_50_BANK1"}, V18},
        {3, 95, {"OSC_50_BANK1"}, V18},
        // HSMC-B: the temperature sensor and the I2C bus of A, B and C.
        {1, 96, {"TEMP_SMCLK", "TEMP_SMDAT", "TEMP_INT_n", "TEMP_OVERT_n", "HSMC_ABC_SCL", "HSMC_ABC_SDA"}, V15},
        {1, 90, {"TEMP_SMCLK", "HSMC_ABC_SDA"}, 8},
        // Any other card keeps 2.5 V.
        {5, 19, {"OSC_50_BANK3", "SW[1]"}, V25},
    };
    for (const Case& c : cases) {
        BRACKWELL_CONFIG r = Defaults();
        r.bSMA = r.bPCIE0 = r.bPCIE1 = 1;
        r.nHsmcDaughterId[c.hsmc] = c.card;
        Defined d(r);
        const auto pins = PinsOf(d.board);
        for (const char* name : c.pins) {
            ASSERT_TRUE(pins.count(name)) << name;
            EXPECT_EQ(pins.at(name)->GetIoStandard(), c.expected) << name << " with card " << int(c.card);
        }
        // The fixed banks stay as they are.
        EXPECT_EQ(pins.at("OSC_50_BANK7")->GetIoStandard(), V15);
        EXPECT_EQ(pins.at("LED[0]")->GetIoStandard(), V15);
    }
}

TEST(ConfigBrackwell, TheProgrammablePllBringsItsClockWithoutTheClockGroup)
{
    BRACKWELL_CONFIG r = Defaults();
    r.bCLOCK = 0;
    r.bExtPLL = 1;
    r.nHsmcDaughterId[3] = 92;  // would make bank 1 1.5 V in the full group
    Defined d(r);
    const TConnector* clock = d.Find("CLOCK");
    ASSERT_NE(clock, nullptr);
    ASSERT_EQ(clock->GetPinCount(), 1);
    const TPin* osc = clock->GetPin(0);
    EXPECT_EQ(osc->GetName(), "OSC_50_BANK1");
    EXPECT_EQ(osc->GetLocation(), "AB34");
    EXPECT_EQ(osc->GetIoStandard(), V25);
    EXPECT_EQ(osc->GetDirection(), IN);
    EXPECT_TRUE(osc->GetIsClock());
    EXPECT_EQ(osc->GetClockPeriodNs(), 20);
    EXPECT_NE(d.Find("MAX2"), nullptr);
    EXPECT_NE(d.Find("Programming PLL"), nullptr);

    r.bCLOCK = 1;
    Defined full(r);
    ASSERT_EQ(full.Find("CLOCK")->GetPinCount(), 5);
    EXPECT_EQ(full.Find("CLOCK")->GetPin(0)->GetIoStandard(), V15);  // the card on HSMC-D
}

TEST(ConfigBrackwell, TheSsramAloneUsesTwentyAddressLines)
{
    BRACKWELL_CONFIG r = Defaults();
    r.bFLASH = 0;
    Defined d(r);
    EXPECT_EQ(d.Find("Flash Control"), nullptr);
    const TConnector* bus = d.Find("Flash and SRAM Address/Data/OE/WM Share Bus");
    ASSERT_NE(bus, nullptr);
    ASSERT_EQ(bus->GetPinCount(), 32 + 20 + 2);
    EXPECT_EQ(bus->GetPin(32)->GetName(), "FSM_A[1]");
    EXPECT_EQ(bus->GetPin(51)->GetName(), "FSM_A[20]");
    EXPECT_EQ(bus->GetPin(52)->GetName(), "FSM_OE_n");
    EXPECT_EQ(bus->GetPin(53)->GetName(), "FSM_WE_n");

    r.bSSRAM = 0;
    EXPECT_EQ(Defined(r).Find("Flash and SRAM Address/Data/OE/WM Share Bus"), nullptr);
}

TEST(ConfigBrackwell, HsmcMastersHaveTheirPositionsBallsAndFixedPins)
{
    Defined d(Everything(19));
    // The balls the board's data gives, by position.
    const int given[11] = {1, 39, 40, 95, 96, 97, 98, 155, 156, 157, 158};
    const char* const balls[6][11] = {
        {"B4", "D10", "C10", "R12", "AF6", "R11", "AE5", "H10", "AC6", "G10", "AC5"},
        {nullptr, "AN15", "AP15", "AN10", "AT7", "AP10", "AU7", "AH10", "AV14", "AJ10", "AW14"},
        {nullptr, "AT27", "AU27", "AG34", "AF34", "AG35", "AE35", "AE25", "AC34", "AD25", "AC35"},
        {nullptr, "P19", "AA35", "W32", "W34", "W33", "W35", "M32", "J34", "L32", "J35"},
        {"B36", "C12", "C13", "W12", "W6", "W11", "W5", "R14", "AB6", "N15", "AA5"},
        {nullptr, "AP20", "AV22", "AN21", "AW20", "AP21", "AW21", "AH20", "AR22", "AJ20", "AT21"}};
    for (int i = 0; i < 6; ++i) {
        const char letter = static_cast<char>('A' + i);
        SCOPED_TRACE(std::string("HSMC-") + letter);
        const TConnector* master = d.board.FindMasterConnector(8 + i);
        ASSERT_NE(master, nullptr);
        EXPECT_EQ(master->GetName(), std::string("HSMC-") + letter);
        EXPECT_EQ(master->GetDescription(), std::string("HSMC-") + letter + " connect to HSMC Loopback");
        EXPECT_EQ(master->GetType(), CONNECTOR_HSMC);
        const MasterShape shape = ShapeOf(*master);
        const bool transceivers = i == 0 || i == 4;
        EXPECT_EQ(shape.Positions, 160);
        EXPECT_EQ(shape.Placeholders, transceivers ? 114 : 82);
        EXPECT_EQ(shape.Empty, HsmcEmptyPositions(transceivers, false));
        std::map<int, std::string> expected;
        for (int k = 0; k < 11; ++k)
            if (balls[i][k]) expected[given[k]] = balls[i][k];
        EXPECT_EQ(shape.Balls, expected);
    }
    // The placeholders of fixed direction or standard.
    struct Fixed {
        int hsmc, position;
        PinDirection direction;
        IoStandard standard;
    };
    const Fixed fixed[] = {{0, 156, IN, IO_STD_BY_CARD}, {0, 158, IN, IO_STD_BY_CARD},
                           {2, 156, IN, IO_STD_BY_CARD}, {2, 158, IN, IO_STD_BY_CARD},
                           {3, 39, PIN_DIR_BY_CARD, V15}, {3, 40, IN, IO_STD_BY_CARD},
                           {4, 156, IN, IO_STD_BY_CARD}, {4, 158, PIN_DIR_BY_CARD, IO_STD_BY_CARD},
                           {1, 156, PIN_DIR_BY_CARD, IO_STD_BY_CARD}, {5, 40, PIN_DIR_BY_CARD, IO_STD_BY_CARD}};
    for (const Fixed& f : fixed) {
        const TPin* pin = d.board.FindMasterConnector(8 + f.hsmc)->GetPin(f.position - 1);
        ASSERT_NE(pin, nullptr);
        EXPECT_EQ(pin->GetDirection(), f.direction) << f.hsmc << "/" << f.position;
        EXPECT_EQ(pin->GetIoStandard(), f.standard) << f.hsmc << "/" << f.position;
    }
}

TEST(ConfigBrackwell, Ddr3SocketCarriesEveryModuleSignalButTheAddressStraps)
{
    BRACKWELL_CONFIG r = Defaults();
    r.bDDR3 = 1;
    Defined d(r);
    const TConnector* master = d.board.FindMasterConnector(19);
    ASSERT_NE(master, nullptr);
    EXPECT_EQ(master->GetName(), "DDR3 SODIMM");
    EXPECT_EQ(master->GetDescription(), "");
    EXPECT_EQ(master->GetType(), CONNECTOR_DDR3_SODIMM);
    const MasterShape shape = ShapeOf(*master);
    EXPECT_EQ(shape.Positions, 204);
    EXPECT_EQ(shape.Placeholders, 124);
    EXPECT_EQ(shape.Balls,
              (std::map<int, std::string>{{4, "G17"}, {30, "J18"}, {198, "R18"}, {200, "P18"}, {202, "H19"}}));
    for (int p = 1; p <= 204; ++p) {
        const TPin* pin = master->GetPin(p - 1);
        if (!pin) continue;
        const bool bank15 = p == 30 || p == 198 || p == 200 || p == 202;
        EXPECT_EQ(pin->GetIoStandard(), bank15 ? V15 : IoStandard{IO_STD_BY_CARD}) << p;
        EXPECT_EQ(pin->GetDirection(), PIN_DIR_BY_CARD) << p;
    }
    // The module's pins land on the placeholders, SA0 and SA1 excepted.
    TDaughterBoard module;
    module.LoadDdr3Sodimm({.differential = true, .busStandard = 0, .addressStandard = 0});
    for (int p = 1; p <= 204; ++p) {
        const TPin* card = module.GetPin(p - 1);
        const bool strap = p == 197 || p == 201;
        EXPECT_EQ(master->GetPin(p - 1) != nullptr, card != nullptr && !strap) << p;
    }
    // The OCT pins follow the socket.
    EXPECT_EQ(d.board.GetConnector(d.board.GetConnectorCount() - 1)->GetName(),
              "OCT RUP/RDN for Altera DDR3 UniPHY Controller");
}

TEST(ConfigBrackwell, GpioHeadersOnHsmcC)
{
    // A card still chosen on HSMC-C in GPIO mode: no HSMC-C master, yet the
    // I2C bus of A, B and C.
    BRACKWELL_CONFIG r = Defaults();
    r.bHsmcCGpio = 1;
    r.nHsmcDaughterId[2] = 2;
    {
        Defined d(r);
        EXPECT_EQ(d.Find("HSMC-C"), nullptr);
        EXPECT_EQ(d.Find("GPIO_0"), nullptr);
        EXPECT_NE(d.Find("HSMC A/B/C I2C"), nullptr);
    }
    // GPIO_1 alone.
    r.nGpioDaughterId[1] = 85;
    {
        Defined d(r);
        EXPECT_EQ(d.Find("GPIO_0"), nullptr);
        const TConnector* gpio1 = d.board.FindMasterConnector(17);
        ASSERT_NE(gpio1, nullptr);
        EXPECT_EQ(gpio1->GetName(), "GPIO_1");
        EXPECT_EQ(gpio1->GetDescription(), "GPIO_1 connect to GPIO Default - 2.5V");
        EXPECT_EQ(gpio1->GetType(), CONNECTOR_GPIO40);
        const MasterShape shape = ShapeOf(*gpio1);
        EXPECT_EQ(shape.Positions, 40);
        EXPECT_EQ(shape.Placeholders, 36);
        EXPECT_EQ(shape.Empty, (std::vector<int>{11, 12, 29, 30}));
        EXPECT_EQ(shape.Balls, (std::map<int, std::string>{{1, "AB27"}, {40, "AD29"}}));
    }
    // Both headers, in order, before the HSMC masters.
    r.nGpioDaughterId[0] = 85;
    r.nHsmcDaughterId[0] = 2;
    {
        Defined d(r);
        const Groups groups = GroupsOf(d.board);
        const Groups tail(groups.end() - 4, groups.end());
        EXPECT_EQ(tail, (Groups{{"GPIO_0", 40}, {"GPIO_1", 40}, {"HSMC-A", 160}, {"HSMC A/B/C I2C", 2}}));
        const TConnector* gpio0 = d.board.FindMasterConnector(16);
        ASSERT_NE(gpio0, nullptr);
        EXPECT_EQ(gpio0->GetDescription(), "GPIO_0 connect to GPIO Default - 2.5V");
        EXPECT_EQ(ShapeOf(*gpio0).Balls, (std::map<int, std::string>{{1, "AF34"}, {2, "AG34"}, {40, "AR28"}}));
    }
    // HSMC mode: the headers are not built whatever the record holds.
    r.bHsmcCGpio = 0;
    {
        Defined d(r);
        EXPECT_EQ(d.Find("GPIO_0"), nullptr);
        EXPECT_NE(d.Find("HSMC-C"), nullptr);
    }
}

TEST(ConfigBrackwell, AnEightyPinCardSpansBothHeaders)
{
    BRACKWELL_CONFIG r = Defaults();
    r.bHsmcCGpio = 1;
    r.nGpioDaughterId[0] = r.nGpioDaughterId[1] = 11;
    Defined d(r);
    const TConnector* both = d.board.FindMasterConnector(18);
    ASSERT_NE(both, nullptr);
    EXPECT_EQ(both->GetName(), "GPIO_0_1");
    EXPECT_EQ(both->GetDescription(), "GPIO_0_1 connect to Culm - High Speed ADC/DAC");
    EXPECT_EQ(both->GetType(), CONNECTOR_GPIO80);
    const MasterShape shape = ShapeOf(*both);
    EXPECT_EQ(shape.Positions, 80);
    EXPECT_EQ(shape.Placeholders, 72);
    EXPECT_EQ(shape.Empty, (std::vector<int>{11, 12, 29, 30, 51, 52, 69, 70}));
    EXPECT_EQ(shape.Balls, (std::map<int, std::string>{{1, "AF34"}, {2, "AG34"}, {40, "AR28"}, {41, "AB27"},
                                                        {80, "AD29"}}));
    EXPECT_EQ(d.board.FindMasterConnector(16), nullptr);
    EXPECT_EQ(d.board.FindMasterConnector(17), nullptr);

    // Without a card on GPIO_1 the record breaks the coupling of the headers.
    SeamRecorder seam;
    r.nGpioDaughterId[1] = 0;
    TMainBoard board;
    try {
        CONFIG_BRACKWELL(&board, &r);
        ADD_FAILURE() << "no invariant failed";
    } catch (const InvariantFailure& failure) {
        EXPECT_EQ(failure.condition, "Config.nGpioDaughterId[GPIO_1]");
    }
}

TEST(ConfigBrackwell, TheI2cBusOfDEAndFServesEachOfThem)
{
    for (int hsmc = 0; hsmc < 6; ++hsmc) {
        BRACKWELL_CONFIG r = Defaults();
        r.nHsmcDaughterId[hsmc] = 19;
        Defined d(r);
        EXPECT_EQ(d.Find("HSMC A/B/C I2C") != nullptr, hsmc < 3) << hsmc;
        EXPECT_EQ(d.Find("HSMC D/E/F I2C") != nullptr, hsmc >= 3) << hsmc;
    }
}

TEST(ConfigBrackwell, RecordsOfAnotherBoardSizeOrDeviceAreBrokenInvariants)
{
    SeamRecorder seam;
    struct Case {
        void (*spoil)(BRACKWELL_CONFIG&);
        const char* condition;
    };
    const Case cases[] = {
        {[](BRACKWELL_CONFIG& r) { r.BoardId = MAINBOARD_GORSEWIN; }, "Config.BoardId == MAINBOARD_BRACKWELL"},
        {[](BRACKWELL_CONFIG& r) { r.Size = 1187; }, "Config.Size == sizeof(BRACKWELL_CONFIG)"},
        {[](BRACKWELL_CONFIG& r) { r.nBoardType = 2; }, "0"},
    };
    for (const Case& c : cases) {
        BRACKWELL_CONFIG r = Defaults();
        c.spoil(r);
        TMainBoard board;
        try {
            CONFIG_BRACKWELL(&board, &r);
            ADD_FAILURE() << c.condition;
        } catch (const InvariantFailure& failure) {
            EXPECT_EQ(failure.condition, c.condition);
        }
        // The copy is made before the checks.
        EXPECT_EQ(std::memcmp(board.m_BrackwellConfig.bytes, &r, sizeof r), 0);
    }
}

}  // namespace config_brackwell_test
