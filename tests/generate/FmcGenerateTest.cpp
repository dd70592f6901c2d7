// FMC cards along the whole road: the card loader, the copy onto FMC HPC,
// FMC LPC and FMC+ master connectors with a prefix, and the generated
// project, whose top levels compile.
#include <algorithm>
#include <set>

#include "generate/Pinloom.h"
#include "tests/generate/GenerateSupport.h"

namespace fmc_generate_test {

namespace {

constexpr IoStandard k1V8 = 3;
constexpr IoStandard kLvds = 21;
constexpr IoStandard k1V2 = 40;

// The master of an FMC slot: a placeholder at every position, at the made-up
// ball "<tag><position>". The board definitions give an FMC master the id of
// the card it is built for; the FMC+ master of the test boards has none.
TConnector* MakeFmcMaster(const std::string& name, ConnectorType type, int32_t masterId, int32_t cardId,
                          const std::string& tag)
{
    return MakeNumberedMaster(name, name + " connect to a card", type, masterId,
                              type == CONNECTOR_FMC_PLUS ? 560 : 400, tag, cardId);
}

struct FmcSlot {
    const char* name;
    ConnectorType type;
    uint8_t masterId;
    const char* tag;
    const char* prefix;
};

const FmcSlot kHpc = {"FMC_HPC", CONNECTOR_FMC_HPC, 20, "H", ""};  // the names as the card gives them
const FmcSlot kLpc = {"FMC_LPC", CONNECTOR_FMC_LPC, 21, "L", "LPC_"};
const FmcSlot kPlus = {"FMC_PLUS", CONNECTOR_FMC_PLUS, 22, "P", "PLUS_"};

// The slots that take a card: an FMC+ slot takes every FMC card, an HPC slot
// HPC and LPC cards, an LPC slot LPC cards.
std::vector<FmcSlot> SlotsFor(DaughterId card)
{
    switch (GetCardConnectorType(card)) {
    case CONNECTOR_FMC_LPC: return {kHpc, kLpc, kPlus};
    case CONNECTOR_FMC_HPC: return {kHpc, kPlus};
    default: return {kPlus};
    }
}

// One generated project: a card on a main board, attached with the I/O
// standard of the board's FMC bank.
struct FmcProject {
    DaughterId card;
    uint8_t board;
    IoStandard ioStandard;

    std::string Name() const { return Format("fmc%d_on_%d_io%d", card, board, ioStandard); }
};

void BuildFmcBoard(TMainBoard& board, const FmcProject& project, TTestConfig& config)
{
    SetDevice(board, static_cast<MainBoardId>(project.board));
    if (IsConfigObjectBoard(project.board)) board.m_pConfig = &config;
    board.AddConnector(MakeConnector("CLOCK", "", {{"CLOCK_50", "AF14", PIN_DIR_INPUT}}));
    for (const FmcSlot& slot : SlotsFor(project.card)) {
        const int32_t cardId = slot.type == CONNECTOR_FMC_PLUS ? -1 : project.card;
        board.AddConnector(MakeFmcMaster(slot.name, slot.type, slot.masterId, cardId, slot.tag));
        board.AttachFmcCard(slot.masterId, project.card, project.ioStandard, slot.prefix);
    }
}

// Every card pin, taken from the card loader, reaches the project at the
// ball of its position on every slot, with the slot's prefix; no other pin
// of a slot does, and no ball serves two signals.
void ExpectCardPinsAtTheirBalls(const FmcProject& project, const std::string& qsf)
{
    TDaughterBoard card;
    card.LoadCard(project.card, project.board, nullptr, project.ioStandard, 0);
    std::set<std::string> expected = {"set_location_assignment PIN_AF14 -to CLOCK_50"};
    std::set<std::string> standards;
    for (const FmcSlot& slot : SlotsFor(project.card)) {
        for (int i = 0; i < card.GetPinCount(); ++i) {
            const TPin* pin = card.GetPin(i);
            if (!pin) continue;
            const std::string name = slot.prefix + pin->GetName();
            expected.insert(Format("set_location_assignment PIN_%s%d -to %s", slot.tag, i + 1, name.c_str()));
            standards.insert(Format("set_instance_assignment -name IO_STANDARD \"%s\" -to %s",
                                    GetIoStandardName(pin->GetIoStandard()).c_str(), name.c_str()));
        }
    }
    std::set<std::string> locations, balls;
    int ioStandardLines = 0;
    for (const std::string& line : SplitCrLf(qsf)) {
        if (line.rfind("set_location_assignment ", 0) == 0) {
            EXPECT_TRUE(locations.insert(line).second) << line;
            EXPECT_TRUE(balls.insert(line.substr(0, line.find(" -to "))).second) << "ball used twice: " << line;
        }
        if (line.rfind("set_instance_assignment -name IO_STANDARD ", 0) == 0) {
            ++ioStandardLines;
            if (line.find("CLOCK_50") == std::string::npos) {
                EXPECT_EQ(standards.count(line), 1u) << line;
            }
        }
    }
    EXPECT_EQ(locations, expected);
    EXPECT_EQ(ioStandardLines, static_cast<int>(expected.size()));
}

std::string Generated(const std::string& folder, const std::string& name, const char* extension)
{
    return ReadFile(folder + name + extension);
}

// Where the top level declares a port, or npos.
size_t PortDeclaration(const std::string& verilog, const std::string& port)
{
    const std::string key = "\t\t" + port;
    for (size_t at = verilog.find(key); at != std::string::npos; at = verilog.find(key, at + 1)) {
        const char next = at + key.size() < verilog.size() ? verilog[at + key.size()] : ',';
        if (next == ',' || next == '\r') return at;
    }
    return std::string::npos;
}

}  // namespace

TEST(FmcGenerate, EveryCardOnEverySlotThatTakesItCompiles)
{
    std::vector<FmcProject> projects;
    for (DaughterId card : {40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 78, 88})
        projects.push_back({card, MAINBOARD_HOLLARNE, k1V8});
    projects.push_back({40, MAINBOARD_COLVENNA, k1V8});    // the VITA names
    projects.push_back({42, MAINBOARD_YARROWGATE, k1V2});  // transceivers at HSSI
    projects.push_back({41, MAINBOARD_RENNACRE, k1V2});
    projects.push_back({88, MAINBOARD_HOLLARNE, kLvds});   // without the SMA clock's N leg
    projects.push_back({40, MAINBOARD_HOLLARNE, kLvds});   // P legs only

    SeamRecorder seam;
    TempFolder verilogFolder, vhdlFolder;
    std::vector<std::string> verilogFiles = {verilogFolder.Path() + "nettype.v"};
    WriteFile(verilogFiles[0], "`default_nettype none\n");
    std::vector<std::string> vhdlFiles;
    for (const FmcProject& project : projects) {
        SCOPED_TRACE(project.Name());
        for (bool vhdl : {false, true}) {
            TTestConfig config;
            TMainBoard board;
            BuildFmcBoard(board, project, config);
            const std::string& folder = vhdl ? vhdlFolder.Path() : verilogFolder.Path();
            TPinloom pinloom;
            ASSERT_TRUE(pinloom.Generate(&board, folder + project.Name() + ".qpf", vhdl));
            (vhdl ? vhdlFiles : verilogFiles).push_back(folder + project.Name() + (vhdl ? ".vhd" : ".v"));
        }
        ExpectCardPinsAtTheirBalls(project, Generated(verilogFolder.Path(), project.Name(), ".qsf"));
    }
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{});

    std::string log;
    EXPECT_TRUE(CompileVerilog(verilogFiles, "", log)) << log;
    EXPECT_TRUE(AnalyseVhdl(vhdlFiles, log)) << log;
}

TEST(FmcGenerate, SampleAssignmentsAndPinTableRows)
{
    SeamRecorder seam;
    TempFolder folder;
    const FmcProject vita = {40, MAINBOARD_HOLLARNE, k1V8};
    const FmcProject plus = {42, MAINBOARD_YARROWGATE, k1V8};
    const FmcProject pavlin = {47, MAINBOARD_HOLLARNE, k1V8};
    for (const FmcProject& project : {vita, plus, pavlin}) {
        TTestConfig config;
        TMainBoard board;
        BuildFmcBoard(board, project, config);
        TPinloom pinloom;
        ASSERT_TRUE(pinloom.Generate(&board, folder.Path() + project.Name() + ".qpf", false));
    }
    const std::vector<std::string> vitaQsf = SplitCrLf(Generated(folder.Path(), vita.Name(), ".qsf"));
    auto has = [](const std::vector<std::string>& lines, const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    for (const char* line : {
             "set_instance_assignment -name IO_STANDARD \"1.8 V\" -to LA_p[6]",
             "set_instance_assignment -name IO_STANDARD \"1.8 V\" -to LA_n[6]",
             "set_location_assignment PIN_H90 -to LA_p[6]",
             "set_location_assignment PIN_H91 -to LA_n[6]",
             "set_instance_assignment -name IO_STANDARD \"1.5-V PCML\" -to DP_M2C_p[1]",
             "set_location_assignment PIN_H2 -to DP_M2C_p[1]",
             "set_instance_assignment -name IO_STANDARD \"LVDS\" -to PLUS_CLK3_BIDIR_p",
             "set_location_assignment PIN_P322 -to PLUS_CLK3_BIDIR_p",
             "set_instance_assignment -name IO_STANDARD \"2.5 V\" -to PLUS_RES[0]",
         })
        EXPECT_TRUE(has(vitaQsf, line)) << line;
    EXPECT_FALSE(has(vitaQsf, "set_location_assignment PIN_H3 -to DP_M2C_n[1]"));

    const std::vector<std::string> plusQsf = SplitCrLf(Generated(folder.Path(), plus.Name(), ".qsf"));
    for (const char* line : {
             "set_instance_assignment -name IO_STANDARD \"HSSI Differential I/O\" -to PLUS_DP_M2C_p[23]",
             "set_location_assignment PIN_P442 -to PLUS_DP_M2C_p[23]",
             "set_location_assignment PIN_P521 -to PLUS_HSPC_pRSNT_M2C_L",
         })
        EXPECT_TRUE(has(plusQsf, line)) << line;

    // The pin table labels the card positions by FMC row and column; an LPC
    // card on an HPC slot adds its own pin index.
    const std::string plusHtml = Generated(folder.Path(), plus.Name(), ".htm");
    EXPECT_NE(plusHtml.find(TableRow({"PLUS_HSPC_pRSNT_M2C_L", "P521", "inout ", "1.8 V", "Z1"})), std::string::npos);
    EXPECT_NE(plusHtml.find(TableRow({"PLUS_GBTCLK_M2C_p[5]", "P540", "input ", "LVDS", "Z20"})), std::string::npos);
    const std::string pavlinHtml = Generated(folder.Path(), pavlin.Name(), ".htm");
    EXPECT_NE(pavlinHtml.find(HeaderRow({"Name", "Location", "Direction", "Standard", "FMC HPC Pin Index",
                                         "Daughter FMC LPC Pin Index"})),
              std::string::npos);
    EXPECT_NE(pavlinHtml.find(TableRow({"HDMI_SRC_CEC", "H94", "inout ", "1.8 V", "C14", "94"})), std::string::npos);
    EXPECT_NE(pavlinHtml.find(TableRow({"LPC_XCVR_RX_p[0]", "L86", "input ", "LVDS", "C6"})), std::string::npos);
}

TEST(FmcGenerate, StandardNamingsKeepThePositionOrder)
{
    // Card 40 on its HPC slot keeps the order of its positions (lane 1 at 2
    // before CLK_DIR at 41); card 47 is sorted by name there; on the FMC+
    // slot, built without a card id, both keep their order.
    struct Case {
        DaughterId card;
        const char* first;
        const char* second;
    };
    const Case cases[] = {
        {40, "DP_M2C_p", "CLK_DIR"},
        {40, "PLUS_DP_M2C_p", "PLUS_CLK_DIR"},
        {47, "DP_SINK_AUX_p", "XCVR_RX_p"},
        {47, "PLUS_XCVR_RX_p", "PLUS_DP_SINK_AUX_p"},
        {47, "LPC_DP_SINK_AUX_p", "LPC_XCVR_RX_p"},
        {43, "LA_RX_p", "GA"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.first) + " before " + k.second);
        SeamRecorder seam;
        TempFolder folder;
        const FmcProject project = {k.card, MAINBOARD_HOLLARNE, k1V8};
        TTestConfig config;
        TMainBoard board;
        BuildFmcBoard(board, project, config);
        TPinloom pinloom;
        ASSERT_TRUE(pinloom.Generate(&board, folder.Path() + "order.qpf", false));
        const std::string verilog = Generated(folder.Path(), "order", ".v");
        const size_t first = PortDeclaration(verilog, k.first);
        const size_t second = PortDeclaration(verilog, k.second);
        ASSERT_NE(first, std::string::npos) << verilog;
        ASSERT_NE(second, std::string::npos);
        EXPECT_LT(first, second);
    }
    // The unsorted slot holds its pins in position order after the run.
    SeamRecorder seam;
    TempFolder folder;
    TTestConfig config;
    TMainBoard board;
    BuildFmcBoard(board, {40, MAINBOARD_HOLLARNE, k1V8}, config);
    TPinloom pinloom;
    ASSERT_TRUE(pinloom.Generate(&board, folder.Path() + "order.qpf", false));
    const TConnector* hpc = board.FindMasterConnector(kHpc.masterId);
    for (int i = 0; i < hpc->GetPinCount(); ++i)
        if (hpc->GetPin(i)->IsActive()) {
            EXPECT_EQ(hpc->GetPin(i)->GetPinIndex(), i + 1) << i;
        }
}

}  // namespace fmc_generate_test
