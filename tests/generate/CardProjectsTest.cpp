// Every GPIO, HSMC and Tavrel card, loaded by the card loader, copied onto a
// master connector and written as a project: the pin assignments hold each
// active pin once at its master's location, the Verilog top level compiles
// with Icarus Verilog and the VHDL top level analyses with GHDL.
#include <map>

#include "cards/CardMaps.h"
#include "generate/Pinloom.h"
#include "tests/generate/GenerateSupport.h"
#include "tests/support/ProjectText.h"

namespace card_projects_test {

namespace {

struct Project {
    std::string name;
    int activePins = 0;
};

class CardProjects : public ::testing::Test {
protected:
    // Loads the card on the board, copies it onto a fresh master and writes
    // the Verilog and the VHDL project.
    void Generate(DaughterId card, uint8_t board, int32_t option, ConnectorType masterType, int positions,
                  char letter)
    {
        const std::string name = "c" + std::to_string(card) + "_b" + std::to_string(board) + "_o" +
                                 std::to_string(option) + "_" + GetConnectorTypeName(masterType);
        SCOPED_TRACE(name);
        // The test board has none of the board-specific blocks of the real
        // boards; only the loader sees the board id.
        TMainBoard main;
        SetDevice(main, MAINBOARD_HOLLARNE);
        TConnector* master =
            MakeNumberedMaster(GetConnectorTypeName(masterType), "", masterType, 1, positions, std::string(1, letter));
        main.AddConnector(master);
        TDaughterBoard daughter;
        daughter.LoadCard(card, board, nullptr, IO_STD_3V3_LVTTL, option);
        ASSERT_TRUE(daughter.UpdateMasterConnector(master, ""));
        ASSERT_GT(master->GetActivePinCount(), 0);

        TPinloom pinloom;
        ASSERT_TRUE(pinloom.Generate(&main, m_Folder.Path() + name + ".qpf", false));
        ASSERT_TRUE(pinloom.Generate(&main, m_Folder.Path() + name + ".qpf", true));
        for (const auto& box : m_Seam.boxes) ADD_FAILURE() << box.text;
        m_Seam.boxes.clear();

        const std::string qsf = ReadFile(m_Folder.Path() + name + ".qsf");
        EXPECT_EQ(Count(qsf, "set_location_assignment PIN_"), master->GetActivePinCount());
        EXPECT_EQ(Count(qsf, "-name IO_STANDARD"), master->GetActivePinCount());
        for (int i = 0; i < master->GetPinCount(); ++i) {
            const TPin* pin = master->GetPin(i);
            if (!pin->IsActive()) continue;
            const std::string line =
                "set_location_assignment PIN_" + pin->GetLocation() + " -to " + pin->GetName() + "\r\n";
            EXPECT_EQ(Count(qsf, line), 1) << line;
        }
        m_Projects.push_back({name, master->GetActivePinCount()});
    }

    void CompileAll()
    {
        ASSERT_FALSE(m_Projects.empty());
        WriteFile(m_Folder.Path() + "nettype.v", "`default_nettype none\n");
        std::vector<std::string> verilog = {m_Folder.Path() + "nettype.v"};
        std::vector<std::string> tops;
        std::vector<std::string> vhdl;
        for (const Project& p : m_Projects) {
            verilog.push_back(m_Folder.Path() + p.name + ".v");
            tops.push_back(p.name);
            vhdl.push_back(m_Folder.Path() + p.name + ".vhd");
        }
        std::string log;
        EXPECT_TRUE(CompileVerilog(verilog, tops, log)) << log;
        EXPECT_TRUE(AnalyseVhdl(vhdl, log)) << log;
    }

    SeamRecorder m_Seam;
    TempFolder m_Folder;
    std::vector<Project> m_Projects;
};

// The catalogue's cards of one connector type that the loader maps.
std::vector<DaughterId> CardsOfType(ConnectorType type)
{
    std::vector<DaughterId> cards;
    for (int id = 1; id <= 255; ++id) {
        const DaughterId card = static_cast<DaughterId>(id);
        if (HasCardEntry(card) && GetCardConnectorType(card) == type && HasCardPinMap(card)) cards.push_back(card);
    }
    return cards;
}

}  // namespace

// Each HSMC card on an HSMC connector of boards whose loader values differ
// (plain, Ormsgill, Brackwell, Hethermoor, Quenwick with either option,
// Kestleford), and on a Tavrel connector through the position map.
TEST_F(CardProjects, HsmcCards)
{
    const std::vector<DaughterId> cards = CardsOfType(CONNECTOR_HSMC);
    ASSERT_GE(cards.size(), 38u);
    for (DaughterId card : cards) {
        for (uint8_t board : {MAINBOARD_HOLLARNE, MAINBOARD_ORMSGILL, MAINBOARD_BRACKWELL, MAINBOARD_HETHERMOOR,
                              MAINBOARD_KESTLEFORD})
            Generate(card, board, 0, CONNECTOR_HSMC, 160, 'H');
        Generate(card, MAINBOARD_QUENWICK, 1, CONNECTOR_HSMC, 160, 'H');
        Generate(card, MAINBOARD_HOLLARNE, 0, CONNECTOR_TAVREL, 180, 'T');
    }
    CompileAll();
}

TEST_F(CardProjects, TavrelCards)
{
    const std::vector<DaughterId> cards = CardsOfType(CONNECTOR_TAVREL);
    ASSERT_EQ(cards, (std::vector<DaughterId>{15, 16, 20}));
    for (DaughterId card : cards) {
        Generate(card, MAINBOARD_HOLLARNE, 0, CONNECTOR_TAVREL, 180, 'T');
        Generate(card, MAINBOARD_ORMSGILL, 0, CONNECTOR_TAVREL, 180, 'T');
    }
    CompileAll();
}

TEST_F(CardProjects, GpioCards)
{
    const std::vector<DaughterId> cards = CardsOfType(CONNECTOR_GPIO40);
    ASSERT_GE(cards.size(), 20u);
    for (DaughterId card : cards)
        for (uint8_t board : {MAINBOARD_HOLLARNE, MAINBOARD_NETHERCOY})
            Generate(card, board, 0, CONNECTOR_GPIO40, 40, 'G');
    CompileAll();
}

}  // namespace card_projects_test
