#include <gtest/gtest.h>

#include "model/MainBoard.h"
#include "model/Text.h"
#include "tests/support/SeamRecorder.h"

namespace main_board_test {

namespace {

TConnector* Master(const char* name, ConnectorType type, int masterId, int positions, int32_t cardId = -1)
{
    auto* c = new TConnector(name, "", type, cardId);
    for (int i = 0; i < positions; ++i) c->AddPin(new TPin("", Format("L%d", i + 1), PIN_DIR_BY_CARD, 62, 0));
    c->SetIsMaster(true);
    c->SetMasterId(masterId);
    return c;
}

}  // namespace

TEST(MainBoard, EmptyBoard)
{
    TMainBoard board;
    EXPECT_EQ(board.GetConnectorCount(), 0);
    board.ClearConnectors();
    EXPECT_EQ(board.GetConnectorCount(), 0);
    EXPECT_EQ(board.FindMasterConnector(16), nullptr);
}

TEST(MainBoard, FindMasterConnectorTakesTheFirstMaster)
{
    TMainBoard board;
    auto* notMaster = new TConnector("plain", "", CONNECTOR_GPIO40, -1);
    notMaster->SetMasterId(16);
    board.AddConnector(notMaster);
    TConnector* first = Master("first", CONNECTOR_GPIO40, 16, 1);
    board.AddConnector(first);
    board.AddConnector(Master("second", CONNECTOR_GPIO40, 16, 1));
    EXPECT_EQ(board.FindMasterConnector(16), first);
    EXPECT_EQ(board.FindMasterConnector(17), nullptr);
}

TEST(MainBoard, IsLocationUsedCountsActivePinsOnly)
{
    TMainBoard board;
    auto* c = new TConnector("ADC", "", CONNECTOR_NONE, -1);
    c->AddPin(new TPin("ADC_CONVST", "AJ4", PIN_DIR_OUTPUT, 8, 0));
    c->AddPin(new TPin("UNUSED", "W20", PIN_DIR_NONE, 8, 0));
    board.AddConnector(c);
    EXPECT_TRUE(board.IsLocationUsed("aj4"));
    EXPECT_TRUE(board.IsLocationUsed("AJ4"));
    EXPECT_FALSE(board.IsLocationUsed("W20"));
    EXPECT_FALSE(board.IsLocationUsed("K22"));
}

TEST(MainBoard, SortConnectorPinsKeepsStandardFmcOrder)
{
    struct Case {
        ConnectorType type;
        int32_t cardId;
        bool sorted;
    } cases[] = {{CONNECTOR_FMC_HPC, -1, false}, {CONNECTOR_FMC_HPC, 47, true}, {CONNECTOR_FMC_HPC, 43, false},
                 {CONNECTOR_FMC_PLUS, -1, false}, {CONNECTOR_FMC_LPC, 46, false}, {CONNECTOR_GPIO40, -1, true},
                 {CONNECTOR_NONE, -1, true},       {CONNECTOR_HSMC, -1, true}};
    for (const Case& test : cases) {
        TMainBoard board;
        auto* c = new TConnector("C", "", test.type, test.cardId);
        c->AddPin(new TPin("B", "A1", PIN_DIR_INOUT, 8, 0));
        c->AddPin(new TPin("A", "A2", PIN_DIR_INOUT, 8, 0));
        board.AddConnector(c);
        board.SortConnectorPins();
        EXPECT_EQ(c->GetPin(0)->GetName(), test.sorted ? "A" : "B") << int(test.type) << " " << test.cardId;
    }
}

TEST(MainBoard, BoardTitles)
{
    TMainBoard board;
    struct Case {
        int id;
        const char* title;
    } cases[] = {{1, "Avemor FPGA Board"}, {14, "Larrowen Board"}, {21, "Hollarne Board"},
                 {26, "Kilverne MAX10 Board"}, {30, "Lanterby Kit"}, {50, "Marlowen FPGA Board"},
                 {100, "Osterlin FPGA Board"}, {101, "Pellowind FPGA Board"}};
    for (const Case& c : cases) {
        board.m_BoardId = static_cast<MainBoardId>(c.id);
        EXPECT_EQ(board.GetBoardDisplayName(), c.title);
    }
    SeamRecorder recorder;
    board.m_BoardId = 29;
    EXPECT_THROW(board.GetBoardDisplayName(), InvariantFailure);
}

TEST(MainBoard, HsmcPinLookup)
{
    TMainBoard board;
    board.AddConnector(Master("GPIO", CONNECTOR_GPIO40, 16, 2));
    board.AddConnector(Master("HSMA", CONNECTOR_HSMC, 1, 3));
    board.AddConnector(Master("HSMB", CONNECTOR_HSMC, 2, 3));
    EXPECT_EQ(board.GetHsmcPinName(0, 1)->GetLocation(), "L1");
    EXPECT_EQ(board.GetHsmcPinName(1, 3), board.GetConnector(2)->GetPin(2));
    EXPECT_EQ(board.GetHsmcPinName(2, 1), nullptr);
    SeamRecorder recorder;
    EXPECT_THROW(board.GetHsmcPinName(0, 4), InvariantFailure);
}

TEST(MainBoard, OfferedBoardsAndFrequencyTables)
{
    // Hollarne alone, or every board of the table.
    for (int id = 0; id < 256; ++id) {
        const uint8_t board = static_cast<uint8_t>(id);
        const bool ofTable = (id >= 1 && id <= 40 && id != 29) || id == 50 || id == 100 || id == 101;
        EXPECT_EQ(IsBoardOfferedIn(false, board), id == 21) << id;
        EXPECT_EQ(IsBoardOfferedIn(true, board), ofTable) << id;
        EXPECT_EQ(IsBoardOffered(board), kOffersEveryBoard ? ofTable : id == 21) << id;
    }

    EXPECT_DOUBLE_EQ(Si570FreqMHz(0), 0);
    EXPECT_DOUBLE_EQ(Si570FreqMHz(1), 100);
    EXPECT_DOUBLE_EQ(Si570FreqMHz(6), 322.265);
    EXPECT_DOUBLE_EQ(Si570FreqMHz(7), 644.53125);
    EXPECT_DOUBLE_EQ(Si570FreqMHz(8), 0);
    EXPECT_DOUBLE_EQ(CdcmFreqMHz(0), 0);
    EXPECT_DOUBLE_EQ(CdcmFreqMHz(1), 62.5);
    EXPECT_DOUBLE_EQ(CdcmFreqMHz(10), 312.5);
    EXPECT_DOUBLE_EQ(CdcmFreqMHz(11), 625);
    EXPECT_DOUBLE_EQ(CdcmFreqMHz(12), 0);
    EXPECT_DOUBLE_EQ(CdcmExtPllFreqMHz(1), 0);
    EXPECT_DOUBLE_EQ(CdcmExtPllFreqMHz(2), 62.5);
    EXPECT_DOUBLE_EQ(CdcmExtPllFreqMHz(11), 312.5);
    EXPECT_DOUBLE_EQ(CdcmExtPllFreqMHz(12), 625);
    EXPECT_DOUBLE_EQ(CdcmExtPllFreqMHz(13), 0);
}

TEST(MainBoard, RecordCopyReadsLittleEndian)
{
    TRecordCopy<8> copy;
    const uint8_t bytes[8] = {0x78, 0x56, 0x34, 0x12, 'A', 'B', 0, 'C'};
    std::memcpy(copy.bytes, bytes, 8);
    EXPECT_EQ(copy.Int32(0), 0x12345678);
    EXPECT_EQ(copy.Text(4, 4), "AB");
    EXPECT_EQ(copy.Text(4, 2), "AB");
    EXPECT_EQ(copy.Byte(7), 'C');
}

TEST(MainBoard, ARepeatedBallStaysWithThePinBuiltFirst)
{
    TMainBoard board;
    auto* first = new TConnector("First", "", CONNECTOR_NONE, -1);
    first->AddPin(new TPin("SFP1G_REFCLK_p", "AB6", PIN_DIR_INPUT, 37, 0));
    first->AddPin(new TPin("UNKNOWN", "", PIN_DIR_INPUT, 6, 0));
    board.AddConnector(first);
    auto* second = new TConnector("Second", "", CONNECTOR_NONE, -1);
    second->AddPin(new TPin("LATER", "ab6", PIN_DIR_INPUT, 37, 0));        // another case, the same ball
    second->AddPin(new TPin("UNUSED", "AB6", PIN_DIR_NONE, 37, 0));        // not a pin of the project
    second->AddPin(new TPin("OTHER", "C7", PIN_DIR_OUTPUT, 6, 0));
    second->AddPin(new TPin("ALSO_UNKNOWN", "", PIN_DIR_OUTPUT, 6, 0));
    board.AddConnector(second);
    auto* third = new TConnector("Third", "", CONNECTOR_NONE, -1);
    third->AddPin(new TPin("OTHER_AGAIN", "C7", PIN_DIR_INOUT, 6, 0));
    third->AddPin(new TPin("HSMC_REFCLK_p", "AB6", PIN_DIR_INPUT, 37, 0));
    board.AddConnector(third);

    board.ReleaseRepeatedLocations();
    EXPECT_EQ(first->GetPin(0)->GetLocation(), "AB6");
    EXPECT_EQ(first->GetPin(1)->GetLocation(), "");
    EXPECT_EQ(second->GetPin(0)->GetLocation(), "");
    EXPECT_EQ(second->GetPin(1)->GetLocation(), "AB6");
    EXPECT_EQ(second->GetPin(2)->GetLocation(), "C7");
    EXPECT_EQ(third->GetPin(0)->GetLocation(), "");
    EXPECT_EQ(third->GetPin(1)->GetLocation(), "");
    // A pin that loses its ball keeps the rest.
    EXPECT_EQ(third->GetPin(1)->GetName(), "HSMC_REFCLK_p");
    EXPECT_EQ(third->GetPin(1)->GetDirection(), PIN_DIR_INPUT);
    EXPECT_EQ(third->GetPin(1)->GetIoStandard(), 37);
}

}  // namespace main_board_test
