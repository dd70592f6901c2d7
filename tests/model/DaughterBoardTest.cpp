#include <algorithm>
#include <gtest/gtest.h>

#include "model/DaughterBoard.h"
#include "model/MainBoard.h"
#include "model/Text.h"
#include "tests/support/SeamRecorder.h"

namespace daughter_board_test {

namespace {

// A master connector of placeholders (direction 4, standard 62) or of fixed pins.
TConnector* Master(ConnectorType type, int positions, int masterId = 16, PinDirection direction = PIN_DIR_BY_CARD,
                   IoStandard standard = IO_STD_BY_CARD)
{
    auto* c = new TConnector("M", "", type, -1);
    for (int i = 0; i < positions; ++i) c->AddPin(new TPin("", Format("L%d", i + 1), direction, standard, 0));
    c->SetIsMaster(true);
    c->SetMasterId(masterId);
    return c;
}

// A daughter board filled by hand: every position p carries "S<p>" (input,
// standard 6) except those listed as empty.
void Fill(TDaughterBoard& d, ConnectorType type, int positions, std::initializer_list<int> empty = {})
{
    d.ClearPins();
    for (int p = 1; p <= positions; ++p) {
        bool isEmpty = std::find(empty.begin(), empty.end(), p) != empty.end();
        d.AddPin(isEmpty ? nullptr : new TPin(Format("S%d", p), PIN_DIR_INPUT, 6, p, 0));
    }
    d.SetType(type);
}

}  // namespace

TEST(DaughterBoard, ConstructionIsAnEmptyConnector)
{
    TDaughterBoard d;
    EXPECT_EQ(d.GetName(), "");
    EXPECT_EQ(d.GetType(), CONNECTOR_NONE);
    EXPECT_EQ(d.GetCardId(), -1);
    EXPECT_FALSE(d.GetIsMaster());
}

TEST(DaughterBoard, CopyTakesCardFieldsAndKeepsMasterLocations)
{
    std::unique_ptr<TConnector> master(Master(CONNECTOR_GPIO40, 4));
    TDaughterBoard d;
    Fill(d, CONNECTOR_GPIO40, 3, {2});
    d.GetPin(0)->SetIsClock(true);
    d.GetPin(0)->SetClockPeriodNs(20);
    d.GetPin(0)->SetIoBank("BANK 3B");
    ASSERT_TRUE(d.UpdateMasterConnector(master.get(), "CAM_"));
    EXPECT_EQ(master->GetAttachedType(), CONNECTOR_GPIO40);

    const TPin* p1 = master->GetPin(0);
    EXPECT_EQ(p1->GetName(), "CAM_S1");
    EXPECT_EQ(p1->GetLocation(), "L1");
    EXPECT_EQ(p1->GetDirection(), PIN_DIR_INPUT);
    EXPECT_EQ(p1->GetIoStandard(), 6);
    EXPECT_EQ(p1->GetPinIndex(), 1);
    EXPECT_TRUE(p1->GetIsClock());
    EXPECT_EQ(p1->GetClockPeriodNs(), 20);
    EXPECT_EQ(p1->GetIoBank(), "BANK 3B");
    // Empty card position and a position past the card's end are switched off.
    EXPECT_EQ(master->GetPin(1)->GetDirection(), PIN_DIR_NONE);
    EXPECT_EQ(master->GetPin(3)->GetDirection(), PIN_DIR_NONE);
    EXPECT_EQ(master->GetActivePinCount(), 2);
}

TEST(DaughterBoard, PrefixNullOrEmptyKeepsCardNames)
{
    for (const char* prefix : {static_cast<const char*>(nullptr), ""}) {
        std::unique_ptr<TConnector> master(Master(CONNECTOR_GPIO40, 1));
        TDaughterBoard d;
        d.AddPin(new TPin("D[0]", PIN_DIR_INOUT, 8, 1, 0));
        d.SetType(CONNECTOR_GPIO40);
        ASSERT_TRUE(d.UpdateMasterConnector(master.get(), prefix));
        EXPECT_EQ(master->GetPin(0)->GetName(), "D[0]");
    }
}

TEST(DaughterBoard, FixedMasterDirectionAndStandardWin)
{
    std::unique_ptr<TConnector> master(Master(CONNECTOR_GPIO40, 1, 16, PIN_DIR_OUTPUT, 8));
    TDaughterBoard d;
    Fill(d, CONNECTOR_GPIO40, 1);
    ASSERT_TRUE(d.UpdateMasterConnector(master.get(), nullptr));
    EXPECT_EQ(master->GetPin(0)->GetDirection(), PIN_DIR_OUTPUT);
    EXPECT_EQ(master->GetPin(0)->GetIoStandard(), 8);
}

TEST(DaughterBoard, HsmcCardOnTavrelMaster)
{
    std::unique_ptr<TConnector> master(Master(CONNECTOR_TAVREL, 180, 1));
    TDaughterBoard d;
    Fill(d, CONNECTOR_HSMC, 160);
    ASSERT_TRUE(d.UpdateMasterConnector(master.get(), "H_"));
    EXPECT_EQ(master->GetAttachedType(), CONNECTOR_HSMC);
    for (int position : {1, 7, 8, 121, 180}) EXPECT_EQ(master->GetPin(position - 1)->GetDirection(), PIN_DIR_NONE);
    EXPECT_EQ(master->GetPin(1)->GetName(), "H_S160");
    EXPECT_EQ(master->GetPin(1)->GetPinIndex(), 160);
    EXPECT_EQ(master->GetPin(1)->GetLocation(), "L2");
    EXPECT_EQ(master->GetPin(2)->GetName(), "H_S157");
    EXPECT_EQ(master->GetPin(130)->GetName(), "H_S33");
    EXPECT_EQ(master->GetActivePinCount(), 83);
}

TEST(DaughterBoard, LpcCardOnHpcMasterSwitchesOffTheRest)
{
    std::unique_ptr<TConnector> master(Master(CONNECTOR_FMC_HPC, 400, 20));
    TDaughterBoard d;
    Fill(d, CONNECTOR_FMC_LPC, 400, {1, 2, 3});
    ASSERT_TRUE(d.UpdateMasterConnector(master.get(), nullptr));
    EXPECT_EQ(master->GetPin(0)->GetDirection(), PIN_DIR_NONE);
    EXPECT_EQ(master->GetPin(3)->GetName(), "S4");
    EXPECT_EQ(master->GetActivePinCount(), 397);
}

TEST(DaughterBoard, BoardPinsNamedAfterTheCardsEndKeepTheirState)
{
    // A socket of 4 positions followed by the board's own pins: a named input
    // clock, a named output, an unnamed placeholder, a named pin whose
    // direction the card would give, and a named pin within the card's range.
    std::unique_ptr<TConnector> master(Master(CONNECTOR_DDR4_IF_ECC, 4, 36));
    master->GetPin(1)->SetName("OWN_INSIDE");
    master->GetPin(1)->SetDirection(PIN_DIR_INPUT);
    auto* clock = new TPin("SOCKET_REFCLK_p", "R5", PIN_DIR_INPUT, 21, 0);
    clock->SetClockFrequency(266.667, 6);
    master->AddPin(clock);
    master->AddPin(new TPin("SOCKET_RZQ", "R6", PIN_DIR_OUTPUT, 40, 0));
    master->AddPin(new TPin("", "R7", PIN_DIR_BY_CARD, IO_STD_BY_CARD, 0));
    master->AddPin(new TPin("NAMED_BY_CARD", "R8", PIN_DIR_BY_CARD, IO_STD_BY_CARD, 0));
    TDaughterBoard d;
    Fill(d, CONNECTOR_DDR4_IF_ECC_A10, 4, {2});
    ASSERT_TRUE(d.UpdateMasterConnector(master.get(), "DDR4A_"));

    EXPECT_EQ(master->GetPin(0)->GetName(), "DDR4A_S1");
    // Inside the card's range an empty card position switches off whatever
    // the board put there.
    EXPECT_EQ(master->GetPin(1)->GetDirection(), PIN_DIR_NONE);
    const TPin* kept = master->GetPin(4);
    EXPECT_EQ(kept->GetName(), "SOCKET_REFCLK_p");
    EXPECT_EQ(kept->GetLocation(), "R5");
    EXPECT_EQ(kept->GetDirection(), PIN_DIR_INPUT);
    EXPECT_EQ(kept->GetIoStandard(), 21);
    EXPECT_TRUE(kept->GetIsClock());
    EXPECT_EQ(kept->GetClockFrequencyText(), "266.667000 MHz");
    EXPECT_EQ(master->GetPin(5)->GetName(), "SOCKET_RZQ");
    EXPECT_EQ(master->GetPin(5)->GetDirection(), PIN_DIR_OUTPUT);
    EXPECT_EQ(master->GetPin(6)->GetDirection(), PIN_DIR_NONE);
    EXPECT_EQ(master->GetPin(7)->GetDirection(), PIN_DIR_NONE);
    EXPECT_EQ(master->GetActivePinCount(), 5);

    // An FMC HPC card on an FMC+ master: the unnamed positions 401 to 560 go
    // off, a named board pin after them stays.
    std::unique_ptr<TConnector> plus(Master(CONNECTOR_FMC_PLUS, 560, 20));
    plus->AddPin(new TPin("FMC_REFCLK_p", "T31", PIN_DIR_INPUT, 21, 0));
    Fill(d, CONNECTOR_FMC_HPC, 400);
    ASSERT_TRUE(d.UpdateMasterConnector(plus.get(), nullptr));
    for (int p = 401; p <= 560; ++p) EXPECT_FALSE(plus->GetPin(p - 1)->IsActive()) << p;
    EXPECT_TRUE(plus->GetPin(560)->IsActive());
    EXPECT_EQ(plus->GetActivePinCount(), 401);
}

TEST(DaughterBoard, AcceptedAndRefusedTypePairs)
{
    struct Case {
        ConnectorType card, master;
        bool accepted;
    } cases[] = {{CONNECTOR_FMC_LPC, CONNECTOR_FMC_PLUS, true},   {CONNECTOR_FMC_HPC, CONNECTOR_FMC_PLUS, true},
                 {CONNECTOR_DDR4_IF, CONNECTOR_DDR4_IF_ECC, true}, {CONNECTOR_DDR4_IF_ECC_A10, CONNECTOR_DDR4_IF_ECC, true},
                 {CONNECTOR_DDR4_IF_ECC_S10, CONNECTOR_DDR4_IF_ECC, true},
                 {CONNECTOR_DDR4_IF_ECC, CONNECTOR_DDR4_IF_ECC_A10, false},
                 {CONNECTOR_DDR4_IF_ECC, CONNECTOR_DDR4_IF, false}, {CONNECTOR_FMC_HPC, CONNECTOR_FMC_LPC, false},
                 {CONNECTOR_GPIO40, CONNECTOR_HSMC, false},         {CONNECTOR_TAVREL, CONNECTOR_HSMC, false}};
    for (const Case& c : cases) {
        SeamRecorder recorder;
        std::unique_ptr<TConnector> master(Master(c.master, 4));
        TDaughterBoard d;
        Fill(d, c.card, 4);
        if (c.accepted) {
            EXPECT_TRUE(d.UpdateMasterConnector(master.get(), nullptr)) << int(c.card) << "->" << int(c.master);
        } else {
            EXPECT_THROW(d.UpdateMasterConnector(master.get(), nullptr), InvariantFailure)
                << int(c.card) << "->" << int(c.master);
        }
    }
}

TEST(DaughterBoard, LoadCardRefusesCardsWithoutAMap)
{
    SeamRecorder recorder;
    TDaughterBoard d;
    for (int card : {0, 5, 9, 38, 39, 71, 79, 84, 97}) {
        EXPECT_THROW(d.LoadCard(static_cast<DaughterId>(card), 21, nullptr, 8, 0), InvariantFailure) << card;
    }
    EXPECT_THROW(d.LoadCard(1, MAINBOARD_ZENNORBY, nullptr, 8, 0), InvariantFailure);
}

TEST(Attach, GpioCardThroughTheMainBoard)
{
    TMainBoard board;
    board.m_BoardId = MAINBOARD_HOLLARNE;
    board.AddConnector(Master(CONNECTOR_GPIO40, 40, 16));
    board.AttachGpioCard(16, 12, 8, nullptr, "P_");
    const TConnector* master = board.GetConnector(0);
    EXPECT_EQ(master->GetPin(0)->GetName(), "P_IVREL_PIXCLK");
    EXPECT_EQ(master->GetPin(0)->GetLocation(), "L1");
    EXPECT_EQ(master->GetAttachedType(), CONNECTOR_GPIO40);
    EXPECT_EQ(master->GetActivePinCount(), 21);
}

TEST(Attach, ProgrammingErrorsEndTheProgram)
{
    SeamRecorder recorder;
    TMainBoard board;
    board.m_BoardId = MAINBOARD_HOLLARNE;
    board.AddConnector(Master(CONNECTOR_GPIO40, 40, 16));
    try {
        board.AttachGpioCard(16, 2, 8, nullptr, nullptr);
        FAIL();
    } catch (const InvariantFailure& failure) {
        EXPECT_EQ(failure.condition, "Type == CONNECTOR_GPIO40 || Type == CONNECTOR_GPIO80");
    }
    try {
        board.AttachGpioCard(17, 1, 8, nullptr, nullptr);
        FAIL();
    } catch (const InvariantFailure& failure) {
        EXPECT_EQ(failure.condition, "pMasterConn");
    }
    EXPECT_THROW(board.AttachHsmcCard(16, 12, nullptr), InvariantFailure);
    EXPECT_THROW(board.AttachFmcCard(16, 1, 8, nullptr), InvariantFailure);
}

TEST(PrefixChecks, Clashes)
{
    struct Case {
        bool (*check)(int32_t, const DaughterId*, const std::string*, std::string&);
        std::vector<DaughterId> ids;
        std::vector<std::string> prefixes;
        const char* message;  // nullptr: no clash
    } cases[] = {
        {CheckGpioPrefixNames, {12, 12}, {"", ""},
         "GPIO-0 and GPIO-1 cannot have the same prefix name when both connect to the same type of daughter boards."},
        {CheckGpioPrefixNames, {12, 12}, {"A_", "a_"}, nullptr},
        {CheckGpioPrefixNames, {12, 13}, {"X", "X"}, nullptr},
        {CheckGpioPrefixNames, {11, 11}, {"X", "X"}, nullptr},
        {CheckGpioPrefixNames, {0, 0}, {"", ""}, nullptr},
        {CheckHsmcPrefixNames, {2, 6, 3, 6}, {"", "P", "", "P"},
         "HSMC-B and HSMC-D cannot have the same prefix name when both connect to the same type of daughter boards."},
        {CheckFmcPrefixNames, {40, 40, 40}, {"", "", ""},
         "FMC-A and FMC-B cannot have the same prefix name when both connect to the same type of daughter boards."},
        {CheckDdr4SocketPrefixNames, {79, 79}, {"M", "M"},
         "DDR4-Socket-A and DDR4-Socket-B cannot have the same prefix name when both connect to the same type of "
         "daughter boards."},
        {CheckHsmcPrefixNames, {0, 0, 0, 0}, {"", "", "", ""}, nullptr},
    };
    for (const Case& c : cases) {
        std::string message = "untouched";
        bool ok = c.check(static_cast<int32_t>(c.ids.size()), c.ids.data(), c.prefixes.data(), message);
        EXPECT_EQ(ok, c.message == nullptr);
        EXPECT_EQ(message, c.message ? c.message : "untouched");
    }
}

}  // namespace daughter_board_test
