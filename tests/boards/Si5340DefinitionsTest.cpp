// The board definitions of Tarrowind, Fallowmere and Garvelow: the groups in
// their order with their pin counts, the balls the boards' data give (and no
// other), directions, standards and the reference clocks of the Si5340
// choices.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "boards/arria10/CONFIG_FALLOWMERE.h"
#include "boards/arria10/CONFIG_GARVELOW.h"
#include "boards/arria10/CONFIG_TARROWIND.h"
#include "model/DaughterBoard.h"
#include "tests/boards/BoardDefinitionCheck.h"
#include "tests/support/SeamRecorder.h"

namespace si5340_definitions_test {

namespace {

using Groups = std::vector<std::pair<std::string, int>>;  // name, entries

Groups GroupsOf(const TMainBoard& board)
{
    Groups groups;
    for (int i = 0; i < board.GetConnectorCount(); ++i)
        groups.emplace_back(board.GetConnector(i)->GetName(), board.GetConnector(i)->GetPinCount());
    return groups;
}

using defcheck::FindPin;

// Every named pin that has a location.
std::map<std::string, std::string> LocatedPins(const TMainBoard& board)
{
    std::map<std::string, std::string> located;
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const TConnector* connector = board.GetConnector(c);
        for (int i = 0; i < connector->GetPinCount(); ++i) {
            const TPin* pin = connector->GetPin(i);
            if (pin && !pin->GetName().empty() && !pin->GetLocation().empty())
                located[pin->GetName()] = pin->GetLocation();
        }
    }
    return located;
}

int PinCount(const TMainBoard& board)
{
    int pins = 0;
    for (int c = 0; c < board.GetConnectorCount(); ++c)
        for (int i = 0; i < board.GetConnector(c)->GetPinCount(); ++i)
            if (board.GetConnector(c)->GetPin(i)) ++pins;
    return pins;
}

struct PinRowCheck {
    const char* name;
    PinDirection direction;
    const char* standard;
};

void ExpectPins(const TMainBoard& board, std::initializer_list<PinRowCheck> rows)
{
    for (const PinRowCheck& row : rows) {
        const TPin* pin = FindPin(board, row.name);
        ASSERT_NE(pin, nullptr) << row.name;
        EXPECT_EQ(pin->GetDirection(), row.direction) << row.name;
        EXPECT_EQ(pin->GetIoStandardText(), row.standard) << row.name;
    }
}

// A clock pin with its text, or (text empty) a pin that is no clock.
void ExpectClock(const TMainBoard& board, const std::string& name, const std::string& text)
{
    const TPin* pin = FindPin(board, name);
    ASSERT_NE(pin, nullptr) << name;
    EXPECT_EQ(pin->GetIsClock(), !text.empty()) << name;
    EXPECT_EQ(pin->GetClockFrequencyText(), text) << name;
    EXPECT_EQ(pin->GetClockPeriodNs(), 0) << name;
}

void ExpectDevice(const TMainBoard& board, MainBoardId id, const char* device)
{
    EXPECT_EQ(board.GetBoardId(), id);
    EXPECT_EQ(board.GetFamily(), "Arria 10");
    EXPECT_EQ(board.GetDevice(), device);
    EXPECT_EQ(board.GetDevicePinCount(), 1932);
    EXPECT_EQ(board.GetPackage(), "FBGA");
    EXPECT_EQ(board.GetSpeedGrade(), 0);
    EXPECT_EQ(board.GetSpeedGradeText(), "");
}

// ---- Tarrowind --------------------------------------------------------------

class TarrowindDefinition : public ::testing::Test {
protected:
    TarrowindDefinition()
    {
        c.BoardId = 27;
        c.Size = 188;
    }
    void Defaults()
    {
        c.bCLOCK = c.bLED = c.bSEG7 = c.bKEY = c.bSW = c.bTemperature = c.bPowerMonitor = c.bFAN = c.bFLASH =
            c.bRS422 = 1;
    }
    void Everything()
    {
        uint8_t* flags = &c.bCLOCK;
        for (int i = 0; i < 23; ++i) flags[i] = 1;
        for (int32_t& choice : c.nSi5340AFreq) choice = 7;
        c.nSi5340BFreq[0] = 3;
        c.nSi5340BFreq[1] = 3;
        c.nSi5340BFreq[2] = 1;
    }
    TMainBoard& Define()
    {
        CONFIG_TARROWIND(&board, object);
        return board;
    }

    SeamRecorder seam;
    TConfigTarrowind object;
    TConfigTarrowind::TARROWIND_CONFIG& c = object.m_Config;
    TMainBoard board;
};

}  // namespace

TEST_F(TarrowindDefinition, DefaultsGiveTheElevenGroupsOfTheTickedBoxes)
{
    Defaults();
    Define();
    ExpectDevice(board, 27, "10AX115N3F45I2SG");
    EXPECT_EQ(board.m_pConfig, &object);
    EXPECT_EQ(GroupsOf(board), (Groups{{"KEY", 5},
                                       {"CLOCK", 7},
                                       {"SW", 2},
                                       {"LED", 4},
                                       {"LED_BRACKET", 4},
                                       {"SEG7", 16},
                                       {"FAN", 3},
                                       {"FLASH", 67},
                                       {"POWER Monitor", 3},
                                       {"RS422", 6},
                                       {"Temperature", 4}}));
    EXPECT_EQ(board.FindMasterConnector(24), nullptr);
    EXPECT_EQ(FindPin(board, "FLASH_A[0]"), nullptr);
    EXPECT_NE(FindPin(board, "FLASH_A[26]"), nullptr);
}

TEST_F(TarrowindDefinition, EveryGroupInOrderWithTheBallsTheBoardsDataGive)
{
    Everything();
    Define();
    EXPECT_EQ(GroupsOf(board), (Groups{{"KEY", 5},
                                       {"CLOCK", 7},
                                       {"SW", 2},
                                       {"LED", 4},
                                       {"LED_BRACKET", 4},
                                       {"SEG7", 16},
                                       {"DDR3 SODIMM", 205},
                                       {"DDR3 SODIMM", 205},
                                       {"FAN", 3},
                                       {"FLASH", 67},
                                       {"PCIe On-Board Ref Clock", 1},
                                       {"PCIE", 21},
                                       {"POWER Monitor", 3},
                                       {"QDRIIA", 70},
                                       {"QDRIIB", 70},
                                       {"QDRIIC", 70},
                                       {"QDRIID", 70},
                                       {"QSFPA", 16},
                                       {"QSFPB", 16},
                                       {"QSFPC", 16},
                                       {"QSFPD", 16},
                                       {"RS422", 6},
                                       {"RZQ", 6},
                                       {"SI5340A", 5},
                                       {"SI5340B", 5},
                                       {"SMA", 2},
                                       {"Temperature", 4}}));
    // 507 pins of their own and 124 placeholders on each socket.
    EXPECT_EQ(PinCount(board), 507 + 248);

    const std::map<std::string, std::string> given = {
        {"CLK_50_B2J", "W36"},        {"CLK_50_B2L", "H32"},         {"CLK_50_B3D", "AN7"},
        {"CLK_50_B3F", "G12"},        {"CLK_50_B3H", "D21"},         {"CLK_100_B3D", "AH11"},
        {"CLKUSR_100", "AV26"},       {"DDR3A_REFCLK_p", "AV33"},    {"DDR3B_REFCLK_p", "AP14"},
        {"QDRIIA_REFCLK_p", "L9"},    {"QDRIIB_REFCLK_p", "N18"},    {"QDRIIC_REFCLK_p", "G24"},
        {"QDRIID_REFCLK_p", "M34"},   {"QSFPA_REFCLK_p", "AH5"},     {"QSFPB_REFCLK_p", "AD5"},
        {"QSFPC_REFCLK_p", "Y5"},     {"QSFPD_REFCLK_p", "T5"},      {"BUTTON[0]", "AJ13"},
        {"CPU_RESET_n", "AP24"},      {"OB_PCIE_REFCLK_p", "AK40"},  {"PCIE_REFCLK_p", "AH40"},
        {"PCIE_RX_p[0]", "AU42"},     {"PCIE_RX_p[1]", "AR42"},      {"PCIE_RX_p[2]", "AN42"},
        {"PCIE_RX_p[3]", "AL42"},     {"PCIE_RX_p[4]", "AJ42"},      {"PCIE_RX_p[5]", "AG42"},
        {"PCIE_RX_p[6]", "AE42"},     {"PCIE_RX_p[7]", "AC42"},      {"PCIE_TX_p[0]", "AV44"},
        {"PCIE_TX_p[1]", "AT44"},     {"PCIE_TX_p[2]", "AP44"},      {"PCIE_TX_p[3]", "AM44"},
        {"PCIE_TX_p[4]", "AK44"},     {"PCIE_TX_p[5]", "AH44"},      {"PCIE_TX_p[6]", "AF44"},
        {"PCIE_TX_p[7]", "AD44"},     {"SI5340A_I2C_SCL", "AJ11"},   {"SI5340A_I2C_SDA", "AN8"},
        {"SI5340B_I2C_SCL", "G37"},   {"SI5340B_I2C_SDA", "H31"},    {"HEX0_D[0]", "AV10"},
        {"HEX0_D[1]", "AV11"},        {"HEX0_D[2]", "AW8"},          {"HEX0_D[3]", "AY8"},
        {"HEX0_D[4]", "AY9"},         {"HEX0_D[5]", "BA9"},          {"HEX0_D[6]", "AW10"}};
    EXPECT_EQ(LocatedPins(board), given);

    ExpectClock(board, "CLK_50_B2J", "50.000000 MHz");
    ExpectClock(board, "CLK_100_B3D", "100.000000 MHz");
    ExpectClock(board, "DDR3B_REFCLK_p", "266.667000 MHz");
    ExpectClock(board, "QDRIID_REFCLK_p", "250.000000 MHz");
    ExpectClock(board, "QSFPC_REFCLK_p", "644.531250 MHz");
    ExpectClock(board, "OB_PCIE_REFCLK_p", "");
    ExpectClock(board, "PCIE_REFCLK_p", "");
    ExpectClock(board, "SMA_CLKIN", "");
    ExpectPins(board, {{"BUTTON[3]", PIN_DIR_INPUT, "1.5 V"},
                       {"CPU_RESET_n", PIN_DIR_INPUT, "1.8 V"},
                       {"HEX1_DP", PIN_DIR_OUTPUT, "1.5 V"},
                       {"FAN_I2C_SDA", PIN_DIR_INOUT, "1.5 V"},
                       {"FLASH_OE_n", PIN_DIR_INOUT, "1.8 V"},
                       {"FLASH_RDY_BSY_n[1]", PIN_DIR_INPUT, "1.8 V"},
                       {"OB_PCIE_REFCLK_p", PIN_DIR_INPUT, "LVDS"},
                       {"PCIE_REFCLK_p", PIN_DIR_INPUT, "HCSL"},
                       {"PCIE_SMBCLK", PIN_DIR_INPUT, "1.8 V"},
                       {"PCIE_TX_p[7]", PIN_DIR_OUTPUT, "HSSI Differential I/O"},
                       {"QDRIIB_K_n", PIN_DIR_OUTPUT, "Differential 1.8-V HSTL Class I"},
                       {"QDRIIB_CQ_p", PIN_DIR_INPUT, "1.8-V HSTL Class I"},
                       {"QDRIIB_Q[17]", PIN_DIR_INPUT, "1.8-V HSTL Class I"},
                       {"QSFPD_SCL", PIN_DIR_OUTPUT, "1.8 V"},
                       {"QSFPD_RX_p[3]", PIN_DIR_INPUT, "HSSI Differential I/O"},
                       {"RZQ_DDR3_B", PIN_DIR_INPUT, "1.5 V"},
                       {"RZQ_QDRII_D", PIN_DIR_INPUT, "1.8 V"},
                       {"SI5340B_OE_n", PIN_DIR_OUTPUT, "1.5 V"},
                       {"SI5340B_RST_n", PIN_DIR_OUTPUT, "1.8 V"},
                       {"TEMP_OVERT_n", PIN_DIR_INPUT, "1.5 V"}});
}

TEST_F(TarrowindDefinition, AGeneratorInUseBringsOnlyThePinsItsControllerUses)
{
    c.bQSFPA = 1;
    c.nSi5340AFreq[0] = 3;
    Define();
    EXPECT_EQ(GroupsOf(board), (Groups{{"KEY", 2}, {"CLOCK", 1}, {"QSFPA", 16}, {"SI5340A", 5}}));
    EXPECT_NE(FindPin(board, "BUTTON[0]"), nullptr);
    EXPECT_NE(FindPin(board, "CPU_RESET_n"), nullptr);
    EXPECT_NE(FindPin(board, "CLK_50_B2J"), nullptr);
    ExpectClock(board, "QSFPA_REFCLK_p", "156.250000 MHz");
}

TEST_F(TarrowindDefinition, OnBoardPcieClockGroupOnlyWithItsOutput)
{
    c.bPcieRefClock = 1;
    Define();
    EXPECT_EQ(GroupsOf(board), Groups{});
    c.nSi5340BFreq[2] = 1;
    Define();
    EXPECT_EQ(GroupsOf(board),
              (Groups{{"KEY", 2}, {"CLOCK", 1}, {"PCIe On-Board Ref Clock", 1}, {"SI5340B", 5}}));
}

TEST_F(TarrowindDefinition, AReferenceClockAtNotUseIsNoClock)
{
    c.bQDRIIC = 1;
    c.bQSFPB = 1;
    Define();
    EXPECT_EQ(GroupsOf(board), (Groups{{"QDRIIC", 70}, {"QSFPB", 16}, {"RZQ", 6}}));
    ExpectClock(board, "QDRIIC_REFCLK_p", "");
    ExpectClock(board, "QSFPB_REFCLK_p", "");
    EXPECT_EQ(FindPin(board, "QDRIIC_REFCLK_p")->GetDirection(), PIN_DIR_INPUT);
}

TEST_F(TarrowindDefinition, DeviceChoice)
{
    const char* const devices[] = {"10AX115N3F45I2SG", "10AX115N3F45E2SG", "10AX115N2F45E1SG", "10AX090N3F45I2SG",
                                   // Outside the list (a hand-made file): the first device.
                                   "10AX115N3F45I2SG"};
    for (int choice = 0; choice < 5; ++choice) {
        c.nDevice = static_cast<uint8_t>(choice == 4 ? 200 : choice);
        Define();
        EXPECT_EQ(board.GetDevice(), devices[choice]) << choice;
    }
}

TEST_F(TarrowindDefinition, DdrSocketsCarryTheModulePositionsAndTheirReferenceClock)
{
    c.bDDR3A = c.bDDR3B = 1;
    c.nSi5340BFreq[0] = 2;
    Define();
    for (uint8_t master : {24, 25}) {
        const TConnector* socket = board.FindMasterConnector(master);
        ASSERT_NE(socket, nullptr);
        EXPECT_EQ(socket->GetName(), "DDR3 SODIMM");
        EXPECT_EQ(socket->GetDescription(), master == 24 ? "DDR3 SODIMM_A" : "DDR3 SODIMM_B");
        EXPECT_EQ(socket->GetType(), CONNECTOR_DDR3_SODIMM);
        ASSERT_EQ(socket->GetPinCount(), 205);
        // The located positions are those of the module's signals but its
        // address straps SA0 and SA1 (197, 201).
        TDaughterBoard module;
        module.LoadDdr3SodimmAlt({.differential = true, .busStandard = 0, .addressStandard = 0});
        int placeholders = 0;
        for (int p = 1; p <= 204; ++p) {
            const TPin* pin = socket->GetPin(p - 1);
            const bool moduleSignal = p <= module.GetPinCount() && module.GetPin(p - 1) && p != 197 && p != 201;
            EXPECT_EQ(pin != nullptr, moduleSignal) << p;
            if (!pin) continue;
            ++placeholders;
            EXPECT_EQ(pin->GetDirection(), PIN_DIR_BY_CARD);
            EXPECT_EQ(pin->GetIoStandard(), IO_STD_BY_CARD);
        }
        EXPECT_EQ(placeholders, 124);
        const TPin* refClk = socket->GetPin(204);
        ASSERT_NE(refClk, nullptr);
        EXPECT_EQ(refClk->GetName(), master == 24 ? "DDR3A_REFCLK_p" : "DDR3B_REFCLK_p");
        EXPECT_EQ(refClk->GetIoStandardText(), "LVDS");
        EXPECT_EQ(refClk->GetClockFrequencyText(), "233.333000 MHz");
    }
    const TConnector* a = board.FindMasterConnector(24);
    EXPECT_EQ(a->GetPin(0), nullptr);
    EXPECT_EQ(a->GetPin(2), nullptr);
    EXPECT_EQ(a->GetPin(3)->GetLocation(), "AH35");
    EXPECT_EQ(a->GetPin(4)->GetLocation(), "AH32");
    EXPECT_EQ(a->GetPin(5)->GetLocation(), "AJ35");
    EXPECT_EQ(a->GetPin(6)->GetLocation(), "AH33");
    EXPECT_EQ(a->GetPin(14)->GetLocation(), "");
}

TEST_F(TarrowindDefinition, AttachedModuleLeavesTheReferenceClockAnInput)
{
    c.bDDR3B = 1;
    c.nSi5340BFreq[0] = 1;
    Define();
    AttachTarrowindDdr3Sodimm(&board, true);
    const TConnector* socket = board.FindMasterConnector(25);
    const TPin* refClk = socket->GetPin(204);
    EXPECT_EQ(refClk->GetName(), "DDR3B_REFCLK_p");
    EXPECT_EQ(refClk->GetDirection(), PIN_DIR_INPUT);
    EXPECT_EQ(refClk->GetClockFrequencyText(), "200.000000 MHz");
    // The module's names with the socket's prefix, at the socket's positions.
    EXPECT_EQ(socket->GetPin(3)->GetName(), "DDR3B_DQ[4]");
    EXPECT_EQ(socket->GetPin(3)->GetDirection(), PIN_DIR_INOUT);
    EXPECT_NE(FindPin(board, "DDR3B_DQS_n[0]"), nullptr);
}

TEST_F(TarrowindDefinition, ARecordOfAnotherBoardOrSizeIsABrokenInvariant)
{
    c.BoardId = 28;
    try {
        Define();
        FAIL();
    } catch (const InvariantFailure& failure) {
        EXPECT_EQ(failure.condition, "Config.BoardId == MAINBOARD_TARROWIND");
    }
    c.BoardId = 27;
    c.Size = 187;
    try {
        Define();
        FAIL();
    } catch (const InvariantFailure& failure) {
        EXPECT_EQ(failure.condition, "Config.Size == sizeof(TConfigTarrowind::TARROWIND_CONFIG)");
    }
}

// ---- Fallowmere and Garvelow ----------------------------------------------

namespace {

template <class T>
class PairDefinition : public ::testing::Test {
protected:
    static constexpr bool kGarvelow = std::is_same_v<T, TConfigGarvelow>;
    PairDefinition()
    {
        c.BoardId = kGarvelow ? 34 : 33;
        c.Size = 180;
    }
    TMainBoard& Define()
    {
        if constexpr (kGarvelow)
            CONFIG_GARVELOW(&board, object);
        else
            CONFIG_FALLOWMERE(&board, object);
        return board;
    }
    // Every byte from 136 to 158 that the board reads as a flag, and both
    // generators at their highest frequencies.
    void Everything()
    {
        auto* bytes = reinterpret_cast<uint8_t*>(&c);
        for (int at = 136; at <= (kGarvelow ? 158 : 157); ++at) bytes[at] = 1;
        for (int32_t& choice : c.nSi5340AFreqSel) choice = 7;
        c.nSi5340BFreqSel[0] = 3;
    }

    SeamRecorder seam;
    T object;
    typename T::FALLOWMERE_CONFIG& c = object.m_Config;
    TMainBoard board;
};
using PairTypes = ::testing::Types<TConfigFallowmere, TConfigGarvelow>;
TYPED_TEST_SUITE(PairDefinition, PairTypes);

}  // namespace

TYPED_TEST(PairDefinition, NothingSelectedGivesNoGroup)
{
    this->Define();
    ExpectDevice(this->board, this->kGarvelow ? 34 : 33, "10AX115N2F45E1SG");
    EXPECT_EQ(this->board.m_pConfig, &this->object);
    EXPECT_EQ(this->board.GetConnectorCount(), 0);
}

TYPED_TEST(PairDefinition, EveryGroupInOrder)
{
    this->Everything();
    this->Define();
    const bool g = this->kGarvelow;
    Groups expected = {{"CLOCK", 8}, {"KEY", 5}, {"SW", 2}, {"LED", 8}, {"FAN", 3}, {"FLASH", g ? 49 : 67}};
    for (const char* q : {"QDRIIA", "QDRIIB", "QDRIIC", "QDRIID", "QDRIIE", "QDRIIF"}) expected.emplace_back(q, 70);
    expected.insert(expected.end(), {{"RZQ", 6}, {"SI5340A", 5}, {"SI5340B", 5}});
    if (g)
        expected.insert(expected.end(), {{"2x5 Timing Header", 6}, {"Temperature", 2}, {"POWER Monitor", 3},
                                         {"PCIE", 21}, {"PCIE2", 18}});
    else
        expected.insert(expected.end(), {{"RS422", 6}, {"Temperature", 2}, {"POWER Monitor", 3}, {"PCIE", 21}});
    for (const char* q : {"QSFPA", "QSFPB", "QSFPC", "QSFPD"}) expected.emplace_back(q, 16);
    expected.insert(expected.end(), {{"LTM4677", 3}, {"GPIO Expansion Header", 7}});
    EXPECT_EQ(GroupsOf(this->board), expected);
    EXPECT_EQ(PinCount(this->board), 635);
    for (int i = 0; i < this->board.GetConnectorCount(); ++i) EXPECT_FALSE(this->board.GetConnector(i)->GetIsMaster());

    ExpectClock(this->board, "CLK_100_B3D", "100.000000 MHz");
    ExpectClock(this->board, "CLK_50_B3H", "50.000000 MHz");
    ExpectClock(this->board, "QSFPB_REFCLK_p", "644.531250 MHz");
    for (const char* q : {"QDRIIA_REFCLK_p", "QDRIIF_REFCLK_p"}) ExpectClock(this->board, q, "275.000000 MHz");
    EXPECT_EQ(FindPin(this->board, "FLASH_A[0]"), nullptr);
    EXPECT_NE(FindPin(this->board, "FLASH_A[26]"), nullptr);
    EXPECT_NE(FindPin(this->board, g ? "FLASH_D[15]" : "FLASH_D[31]"), nullptr);
    ExpectPins(this->board, {{"QDRIIC_K_p", PIN_DIR_OUTPUT, "Differential 1.8-V HSTL Class I"},
                             {"QDRIIC_CQ_n", PIN_DIR_INPUT, "1.8-V HSTL Class I"},
                             {"QDRIIC_QVLD", PIN_DIR_INPUT, "1.8-V HSTL Class I"},
                             {"QDRIIC_ODT", PIN_DIR_OUTPUT, "1.8-V HSTL Class I"},
                             {"QDRIIC_REFCLK_p", PIN_DIR_INPUT, "LVDS"},
                             {"QSFPD_TX_p[3]", PIN_DIR_OUTPUT, "HSSI Differential I/O"},
                             {"QSFPD_MOD_PRS_n", PIN_DIR_INPUT, "1.8 V"},
                             {"PCIE_REFCLK_p", PIN_DIR_INPUT, "HCSL"},
                             {"PCIE_PERST_n", PIN_DIR_INPUT, "1.8 V"},
                             {"LTM4677_SCL", PIN_DIR_OUTPUT, "1.8 V"},
                             {"GPIO[6]", PIN_DIR_INOUT, "1.8 V"}});
}

TEST(FallowmereDefinition, ItsOwnDirectionsAndBalls)
{
    SeamRecorder seam;
    TConfigFallowmere object;
    auto& c = object.m_Config;
    c.BoardId = 33;
    c.Size = 180;
    auto* bytes = reinterpret_cast<uint8_t*>(&c);
    for (int at = 136; at <= 157; ++at) bytes[at] = 1;
    c.nSi5340AFreqSel[2] = 6;
    c.nSi5340BFreqSel[0] = 4;  // outside the list: no generator, no clock
    TMainBoard board;
    CONFIG_FALLOWMERE(&board, object);
    ExpectPins(board, {{"FLASH_OE_n", PIN_DIR_INOUT, "1.8 V"},
                       {"FLASH_WE_n", PIN_DIR_OUTPUT, "1.8 V"},
                       {"FLASH_CE_n[1]", PIN_DIR_OUTPUT, "1.8 V"},
                       {"FAN_I2C_SCL", PIN_DIR_OUTPUT, "1.8 V"},
                       {"TEMP_I2C_SCL", PIN_DIR_OUTPUT, "1.8 V"},
                       {"SI5340A_I2C_SCL", PIN_DIR_OUTPUT, "1.8 V"},
                       {"PCIE_SMBCLK", PIN_DIR_INPUT, "1.8 V"},
                       {"QSFPA_SCL", PIN_DIR_OUTPUT, "1.8 V"},
                       {"RS422_DIN", PIN_DIR_INPUT, "1.8 V"}});
    ExpectClock(board, "QSFPC_REFCLK_p", "322.265000 MHz");
    ExpectClock(board, "QSFPA_REFCLK_p", "");
    ExpectClock(board, "QDRIIE_REFCLK_p", "");
    ExpectClock(board, "PCIE_REFCLK_p", "");
    EXPECT_EQ(FindPin(board, "SI5340B_INTR"), nullptr);
    const std::map<std::string, std::string> given = {
        {"CLK_100_B3D", "AJ11"},   {"CLK_50_B2F", "AY31"},    {"CLK_50_B2G", "AW35"},    {"CLK_50_B2H", "AP34"},
        {"CLK_50_B3D", "AN7"},     {"CLK_50_B3F", "G12"},     {"CLK_50_B3H", "D21"},     {"CLKUSR_100", "AV26"},
        {"QDRIIA_REFCLK_p", "L9"}, {"QDRIIB_REFCLK_p", "N18"}, {"QDRIIC_REFCLK_p", "G24"}, {"QDRIID_REFCLK_p", "M34"},
        {"QDRIIE_REFCLK_p", "AP14"}, {"QDRIIF_REFCLK_p", "AT7"}, {"QDRIIA_A[0]", "V12"},   {"QDRIIE_A[0]", "BB9"},
        {"FLASH_A[1]", "U12"},     {"FLASH_A[26]", "J11"},    {"FLASH_D[0]", "AA31"},    {"PCIE_REFCLK_p", "AH40"},
        {"PCIE_TX_p[0]", "AV44"},  {"PCIE_TX_p[1]", "AT44"},  {"PCIE_TX_p[2]", "AP44"},  {"PCIE_TX_p[3]", "AM44"},
        {"PCIE_TX_p[4]", "AK44"},  {"PCIE_TX_p[5]", "AH44"},  {"PCIE_TX_p[6]", "AF44"},  {"PCIE_TX_p[7]", "AD44"},
        {"PCIE_RX_p[0]", "AU42"},  {"QSFPA_REFCLK_p", "AH5"}, {"QSFPB_REFCLK_p", "AD5"}, {"QSFPC_REFCLK_p", "Y5"},
        {"QSFPD_REFCLK_p", "T5"},  {"QSFPA_TX_p[0]", "BD5"},  {"GPIO[0]", "AT36"}};
    EXPECT_EQ(LocatedPins(board), given);
}

TEST(GarvelowDefinition, ItsOwnDirectionsAndBalls)
{
    SeamRecorder seam;
    TConfigGarvelow object;
    auto& c = object.m_Config;
    c.BoardId = 34;
    c.Size = 180;
    auto* bytes = reinterpret_cast<uint8_t*>(&c);
    for (int at = 136; at <= 158; ++at) bytes[at] = 1;
    c.nSi5340AFreqSel[0] = 1;
    c.nSi5340BFreqSel[0] = 1;
    TMainBoard board;
    CONFIG_GARVELOW(&board, object);
    ExpectPins(board, {{"FLASH_OE_n", PIN_DIR_OUTPUT, "1.8 V"},
                       {"FLASH_CE_n", PIN_DIR_OUTPUT, "1.8 V"},
                       {"FLASH_RDY_BSY_n", PIN_DIR_INPUT, "1.8 V"},
                       {"FAN_I2C_SCL", PIN_DIR_INOUT, "1.8 V"},
                       {"TEMP_I2C_SCL", PIN_DIR_INOUT, "1.8 V"},
                       {"SI5340B_I2C_SCL", PIN_DIR_INOUT, "1.8 V"},
                       {"PCIE_SMBCLK", PIN_DIR_INOUT, "1.8 V"},
                       {"PCIE2_PERST_n", PIN_DIR_INPUT, "1.8 V"},
                       {"QSFPA_SCL", PIN_DIR_INOUT, "1.8 V"},
                       {"GPIO_CLK[1]", PIN_DIR_INOUT, "1.8 V"},
                       {"LTM4677_ALERT_n", PIN_DIR_INPUT, "1.8 V"}});
    ExpectClock(board, "PCIE_REFCLK_p", "100.000000 MHz");
    ExpectClock(board, "PCIE2_REFCLK_p", "100.000000 MHz");
    ExpectClock(board, "QSFPA_REFCLK_p", "100.000000 MHz");
    ExpectClock(board, "QDRIIB_REFCLK_p", "225.000000 MHz");
    EXPECT_EQ(FindPin(board, "PCIE2_SMBCLK"), nullptr);
    EXPECT_EQ(FindPin(board, "PCIE2_WAKE_n"), nullptr);
    std::map<std::string, std::string> given = {
        {"CLK_100_B3D", "AJ11"},  {"CLK_50_B2F", "AY31"},     {"CLK_50_B2G", "AW35"},   {"CLK_50_B2H", "AP34"},
        {"CLK_50_B3D", "AN7"},    {"CLK_50_B3F", "G12"},      {"CLK_50_B3H", "D21"},    {"CLKUSR_100", "AV26"},
        {"BUTTON[0]", "AC11"},    {"CPU_RESET_n", "AP24"},    {"SW[0]", "BD28"},        {"LED_BRACKET[0]", "BB32"},
        {"LED[0]", "T11"},        {"FLASH_A[1]", "H26"},      {"FLASH_D[0]", "Y31"},    {"PCIE_REFCLK_p", "AH40"},
        {"PCIE_TX_p[0]", "AV44"}, {"PCIE_RX_p[0]", "AU42"},   {"PCIE2_REFCLK_p", "Y40"}, {"PCIE2_TX_p[0]", "P44"},
        {"PCIE2_RX_p[0]", "N42"}, {"GPIO[0]", "AT36"},        {"GPIO_P[0]", "BC28"},    {"GPIO_CLK[0]", "AV33"}};
    const char* const qdr[6][5] = {{"L9", "V12", "D13", "P13", "F12"},     {"N18", "L16", "N20", "L22", "K21"},
                                   {"G24", "D25", "AF36", "Y36", "AF34"},  {"M34", "Y32", "D36", "N28", "F32"},
                                   {"AP14", "BB9", "BD18", "AN17", "AP18"}, {"AT7", "AG14", "AJ9", "AP6", "AE9"}};
    for (int x = 0; x < 6; ++x) {
        const std::string q = std::string("QDRII") + static_cast<char>('A' + x);
        given[q + "_REFCLK_p"] = qdr[x][0];
        given[q + "_A[0]"] = qdr[x][1];
        given[q + "_D[0]"] = qdr[x][2];
        given[q + "_Q[0]"] = qdr[x][3];
        given[q + "_K_p"] = qdr[x][4];
    }
    const char* const qsfp[4][3] = {{"AH5", "BD5", "BB5"}, {"AD5", "AP1", "AN3"}, {"Y5", "AB1", "AA3"}, {"T5", "K1", "J3"}};
    for (int x = 0; x < 4; ++x) {
        const std::string q = std::string("QSFP") + static_cast<char>('A' + x);
        given[q + "_REFCLK_p"] = qsfp[x][0];
        given[q + "_TX_p[0]"] = qsfp[x][1];
        given[q + "_RX_p[0]"] = qsfp[x][2];
    }
    EXPECT_EQ(LocatedPins(board), given);
}

TYPED_TEST(PairDefinition, AGeneratorInUseAddsClockAndKeyAtTheirPlaces)
{
    this->c.nSi5340AFreqSel[2] = 3;
    this->c.bQsfp[2] = 1;
    this->Define();
    EXPECT_EQ(GroupsOf(this->board), (Groups{{"CLOCK", 8}, {"KEY", 5}, {"SI5340A", 5}, {"QSFPC", 16}}));
    ExpectClock(this->board, "QSFPC_REFCLK_p", "156.250000 MHz");

    this->c.nSi5340AFreqSel[2] = 0;
    this->c.bQsfp[2] = 0;
    this->c.nSi5340BFreqSel[0] = 2;
    this->Define();
    EXPECT_EQ(GroupsOf(this->board), (Groups{{"CLOCK", 8}, {"KEY", 5}, {"SI5340B", 5}}));
}

TYPED_TEST(PairDefinition, QdrAtNotUseIsNoClockAndOneRzqFollowsTheLastQdr)
{
    this->c.bQdrII[1] = this->c.bQdrII[4] = 1;
    this->c.bSwitch = 1;
    this->Define();
    EXPECT_EQ(GroupsOf(this->board), (Groups{{"SW", 2}, {"QDRIIB", 70}, {"QDRIIE", 70}, {"RZQ", 6}}));
    ExpectClock(this->board, "QDRIIB_REFCLK_p", "");
    for (const char* rzq : {"RZQ_QDRII_A", "RZQ_QDRII_F"}) EXPECT_NE(FindPin(this->board, rzq), nullptr);
}

TYPED_TEST(PairDefinition, TheTailFlagsOfEachBoard)
{
    auto* bytes = reinterpret_cast<uint8_t*>(&this->c);
    if (this->kGarvelow) {
        bytes[153] = 1;  // PCIE2 without PCIE: the form never writes it
        bytes[157] = 1;  // LTM4677
    } else {
        bytes[156] = 1;  // LTM4677
    }
    bytes[151] = 1;  // QSFP+ D
    this->Define();
    if (this->kGarvelow)
        EXPECT_EQ(GroupsOf(this->board), (Groups{{"PCIE2", 18}, {"QSFPD", 16}, {"LTM4677", 3}}));
    else
        EXPECT_EQ(GroupsOf(this->board), (Groups{{"QSFPD", 16}, {"LTM4677", 3}}));
}

TYPED_TEST(PairDefinition, ARecordOfAnotherBoardIsABrokenInvariant)
{
    this->c.BoardId = this->kGarvelow ? 33 : 34;
    try {
        this->Define();
        FAIL();
    } catch (const InvariantFailure& failure) {
        EXPECT_EQ(failure.condition, this->kGarvelow ? "Config.BoardId == MAINBOARD_GARVELOW"
                                                     : "Config.BoardId == MAINBOARD_FALLOWMERE");
    }
    this->c.BoardId = this->kGarvelow ? 34 : 33;
    this->c.Size = 181;
    try {
        this->Define();
        FAIL();
    } catch (const InvariantFailure& failure) {
        EXPECT_EQ(failure.condition, this->kGarvelow ? "Config.Size == sizeof(TConfigGarvelow::FALLOWMERE_CONFIG)"
                                                     : "Config.Size == sizeof(TConfigFallowmere::FALLOWMERE_CONFIG)");
    }
}

}  // namespace si5340_definitions_test
