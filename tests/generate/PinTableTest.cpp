// The pin table page and the fragment buffers it is built with.
#include "generate/FileGenerator.h"
#include "generate/HtmlGenerator.h"
#include "generate/Pinloom.h"
#include "tests/generate/FileLimit.h"
#include "tests/generate/GenerateSupport.h"

namespace pin_table_test {

namespace {

std::string HtmlOf(TMainBoard& board)
{
    TempFolder folder;
    TPinloom pinloom;
    EXPECT_TRUE(pinloom.WriteHtml(&board, folder.Path() + "demo.htm"));
    return ReadFile(folder.Path() + "demo.htm");
}

std::string TableHead(const std::string& anchor, const std::string& caption)
{
    return "<h2><a name=\"" + anchor + "\"></a></h2><table border=\"3\">\r\n<caption  align=\"left\">" + caption +
           "</caption>\r\n<br />\r\n<br />\r\n";
}

}  // namespace

TEST(PinTable, WholePageOfAGroupAndACardHeader)
{
    SeamRecorder seam;
    TMainBoard board;
    SetDevice(board, MAINBOARD_HOLLARNE);
    board.AddConnector(
        MakeConnector("LED", "", {{"LEDR[1]", "AB1", PIN_DIR_OUTPUT}, {"LEDR[0]", "AB2", PIN_DIR_OUTPUT}}));
    TConnector* gpio = MakeMaster("GPIO_0", "GPIO_0 connect to Tiny Card", CONNECTOR_GPIO40, 16, {"W15", "Y16", "AK2"});
    board.AddConnector(gpio);
    AttachHandCard(gpio, CONNECTOR_GPIO40, "Tiny Card",
                   {{"LED", PIN_DIR_OUTPUT, 1}, {"BTN", PIN_DIR_INPUT, 2}, {"SDA", PIN_DIR_NONE, 3}}, "P_");
    board.SortConnectorPins();
    EXPECT_EQ(HtmlOf(board),
              CrLfLines({"<html>", "<body>", "<h1 align=\"center\">Hollarne Board Configuration</h1>", "<br />",
                         "<br />", "<h2 align=\"left\">Pin Assignments:</h2>", "<ul>",
                         "<a href=\"#LED\"><li>LED</li></a>", "<br />", "<a href=\"#GPIO_0\"><li>GPIO_0</li></a>",
                         "<br />", "</ul>", "<br />", "<br />", "<br />",
                         "<h2 align=\"left\">Pin Assignment Table:</h2>"}) +
                  TableHead("LED", "LED") + HeaderRow({"Name", "Location", "Direction", "Standard"}) +
                  TableRow({"LEDR[0]", "AB2", "output", "3.3-V LVTTL"}) + TableRow({"LEDR[1]", "AB1", "output", "3.3-V LVTTL"}) +
                  "</table>\r\n" + TableHead("GPIO_0", "GPIO_0 connect to Tiny Card") +
                  HeaderRow({"Name", "Location", "Direction", "Standard", "GPIO Pin Index"}) +
                  TableRow({"P_BTN", "Y16", "input ", "3.3-V LVTTL", "2"}) +
                  TableRow({"P_LED", "W15", "output", "3.3-V LVTTL", "1"}) + "</table>\r\n" +
                  CrLfLines({"</body>", "</html>"}));
}

TEST(PinTable, FmcPinLabels)
{
    const std::pair<int32_t, const char*> cases[] = {{1, "A1"},    {41, "B1"},  {321, "J1"}, {399, "K39"},
                                                     {401, "L1"},  {441, "M1"}, {481, "Y1"}, {521, "Z1"},
                                                     {40, "A40"},  {560, "Z40"}, {80, "B40"}, {122, "D2"}};
    SeamRecorder seam;
    TMainBoard board;
    SetDevice(board, MAINBOARD_NETHERCOY);
    auto* fmc = new TConnector("FMC", "FMC connect to card", CONNECTOR_FMC_HPC, -1);
    fmc->SetAttachedType(CONNECTOR_FMC_HPC);
    int n = 0;
    for (const auto& [position, label] : cases) {
        TPin* pin = new TPin(Format("P%d", n++), "A1", PIN_DIR_INOUT, kTwoFiveV, 0);
        pin->SetPinIndex(position);
        fmc->AddPin(pin);
    }
    board.AddConnector(fmc);
    const std::string html = HtmlOf(board);
    EXPECT_NE(html.find(HeaderRow({"Name", "Location", "Direction", "Standard", "FMC HPC Pin Index"})),
              std::string::npos);
    n = 0;
    for (const auto& [position, label] : cases) {
        const std::string row = TableRow({Format("P%d", n++), "A1", "inout ", "2.5 V", label});
        EXPECT_NE(html.find(row), std::string::npos) << position << " " << label;
    }
}

TEST(PinTable, ABoardPinOnAnExpansionConnectorHasNoCardPosition)
{
    // The board's own pins after a card's positions (a socket's or an FMC
    // connector's reference clock) carry no card pin index: an empty cell.
    for (ConnectorType type : {CONNECTOR_FMC_HPC, CONNECTOR_DDR4_SODIMM}) {
        SeamRecorder seam;
        TMainBoard board;
        SetDevice(board, MAINBOARD_NETHERCOY);
        auto* master = new TConnector("M", "M connect to card", type, -1);
        master->SetAttachedType(type);
        TPin* card = new TPin("CARD", "B2", PIN_DIR_INPUT, kLvttl, 0);
        card->SetPinIndex(2);
        master->AddPin(card);
        master->AddPin(new TPin("REFCLK_p", "T31", PIN_DIR_INPUT, kLvttl, 0));
        board.AddConnector(master);
        const std::string html = HtmlOf(board);
        EXPECT_NE(html.find(TableRow({"CARD", "B2", "input ", "3.3-V LVTTL", type == CONNECTOR_FMC_HPC ? "A2" : "2"})),
                  std::string::npos);
        EXPECT_NE(html.find(TableRow({"REFCLK_p", "T31", "input ", "3.3-V LVTTL", ""})), std::string::npos) << html;
    }
}

TEST(PinTable, FmcPositionWithoutRowIsABrokenInvariant)
{
    for (int32_t position : {561, 600}) {
        SeamRecorder seam;
        TMainBoard board;
        SetDevice(board, MAINBOARD_NETHERCOY);
        auto* fmc = new TConnector("FMC", "FMC", CONNECTOR_FMC_PLUS, -1);
        fmc->SetAttachedType(CONNECTOR_FMC_PLUS);
        TPin* pin = new TPin("X", "A1", PIN_DIR_INPUT, kLvttl, 0);
        pin->SetPinIndex(position);
        fmc->AddPin(pin);
        board.AddConnector(fmc);
        TempFolder folder;
        TPinloom pinloom;
        EXPECT_THROW(pinloom.WriteHtml(&board, folder.Path() + "demo.htm"), InvariantFailure) << position;
    }
}

TEST(PinTable, HsmcCardOnTavrelSlotAddsTheDaughterColumn)
{
    SeamRecorder seam;
    TMainBoard board;
    SetDevice(board, MAINBOARD_NETHERCOY);
    // Tavrel positions 2, 3 and 4 carry HSMC positions 160, 157 and 158.
    TConnector* slot =
        MakeMaster("TAVREL", "TAVREL connect to HSMC card", CONNECTOR_TAVREL, 5, {"A1", "A2", "A3", "A4"});
    board.AddConnector(slot);
    TDaughterBoard card;
    card.SetType(CONNECTOR_HSMC);
    for (int position = 1; position <= 160; ++position) {
        const char* name = position == 157 ? "RX" : position == 158 ? "TX" : position == 160 ? "CLK" : nullptr;
        card.AddPin(name ? new TPin(name, PIN_DIR_INOUT, kLvttl, position, 0) : nullptr);
    }
    ASSERT_TRUE(card.UpdateMasterConnector(slot, ""));
    const std::string html = HtmlOf(board);
    EXPECT_NE(html.find(TableHead("TAVREL", "TAVREL connect to HSMC card") +
                        HeaderRow({"Name", "Location", "Direction", "Standard", "TAVREL Pin Index",
                                   "Daughter HSMC Pin Index"}) +
                        TableRow({"CLK", "A2", "inout ", "3.3-V LVTTL", "160", "160"}) +
                        TableRow({"RX", "A3", "inout ", "3.3-V LVTTL", "157", "157"}) +
                        TableRow({"TX", "A4", "inout ", "3.3-V LVTTL", "158", "158"}) + "</table>\r\n"),
              std::string::npos)
        << html;
}

TEST(PinTable, DollarNamesEscapingAndInactivePins)
{
    SeamRecorder seam;
    TMainBoard board;
    SetDevice(board, MAINBOARD_NETHERCOY);
    board.AddConnector(
        MakeConnector("R&D <group>", "", {{"$ON_BOARD", "A1", PIN_DIR_INPUT}, {"OFF", "A2", PIN_DIR_NONE}}));
    auto* header = MakeConnector("HDR", "Header <A&B>",
                                 {{"$POWER", "B1", PIN_DIR_INPUT}, {"X<1>&Y", "B<2>", PIN_DIR_OUTPUT}},
                                 CONNECTOR_GPIO40);
    header->SetAttachedType(CONNECTOR_GPIO40);
    header->GetPin(0)->SetPinIndex(11);
    header->GetPin(1)->SetPinIndex(12);
    board.AddConnector(header);
    board.AddConnector(MakeConnector("EMPTY", "", {{"Z", "C1", PIN_DIR_NONE}}));
    const std::string html = HtmlOf(board);
    EXPECT_NE(html.find("<a href=\"#R&amp;D &lt;group&gt;\"><li>R&amp;D &lt;group&gt;</li></a>\r\n"),
              std::string::npos);
    EXPECT_NE(html.find(TableHead("R&amp;D &lt;group&gt;", "R&amp;D &lt;group&gt;") +
                        HeaderRow({"Name", "Location", "Direction", "Standard"}) +
                        TableRow({"$ON_BOARD", "A1", "input ", "3.3-V LVTTL"}) + "</table>\r\n"),
              std::string::npos);
    EXPECT_NE(html.find(TableHead("HDR", "Header &lt;A&amp;B&gt;") +
                        HeaderRow({"Name", "Location", "Direction", "Standard", "GPIO Pin Index"}) +
                        TableRow({"$POWER", "-", "-", "-", "11"}) +
                        TableRow({"X&lt;1&gt;&amp;Y", "B&lt;2&gt;", "output", "3.3-V LVTTL", "12"}) + "</table>\r\n"),
              std::string::npos);
    EXPECT_NE(html.find(TableHead("EMPTY", "EMPTY") + HeaderRow({"Name", "Location", "Direction", "Standard"}) +
                        "</table>\r\n</body>\r\n</html>\r\n"),
              std::string::npos);
    EXPECT_EQ(html.find("OFF"), std::string::npos);
}

TEST(PinTable, SocketsOfOneModuleEachGetAnAnchorOfTheirOwn)
{
    // Three sockets carrying the same module share the connector name; the
    // second and third get " (2)" and " (3)" in their anchor, index link and
    // index entry, and each link leads to its own socket's table.
    SeamRecorder seam;
    TMainBoard board;
    SetDevice(board, MAINBOARD_NETHERCOY);
    const char* const sockets[][3] = {{"DDR3 SODIMM_A", "A1", "A2"},
                                      {"DDR3 SODIMM_B", "B1", "B2"},
                                      {"DDR3 SODIMM_C", "C1", "C2"}};
    for (int socket = 0; socket < 3; ++socket) {
        TConnector* master = MakeMaster("DDR3 SODIMM", sockets[socket][0], CONNECTOR_DDR3_SODIMM, 30 + socket,
                                        {sockets[socket][1], sockets[socket][2]});
        board.AddConnector(master);
        AttachHandCard(master, CONNECTOR_DDR3_SODIMM, "DDR3 Module",
                       {{"DQ", PIN_DIR_INOUT, 1}, {"CK", PIN_DIR_OUTPUT, 2}}, "");
        if (socket == 0) board.AddConnector(MakeConnector("LED", "", {{"LED", "D1", PIN_DIR_OUTPUT}}));
    }
    const std::string html = HtmlOf(board);
    EXPECT_NE(html.find(CrLfLines({"<ul>", "<a href=\"#DDR3 SODIMM\"><li>DDR3 SODIMM</li></a>", "<br />",
                                   "<a href=\"#LED\"><li>LED</li></a>", "<br />",
                                   "<a href=\"#DDR3 SODIMM (2)\"><li>DDR3 SODIMM (2)</li></a>", "<br />",
                                   "<a href=\"#DDR3 SODIMM (3)\"><li>DDR3 SODIMM (3)</li></a>", "<br />",
                                   "</ul>"})),
              std::string::npos)
        << html;
    const std::pair<const char*, int> targets[] = {{"DDR3 SODIMM", 0}, {"DDR3 SODIMM (2)", 1}, {"DDR3 SODIMM (3)", 2}};
    for (const auto& [target, socket] : targets) {
        const std::string name = std::string("<a name=\"") + target + "\">";
        const size_t at = html.find(name);
        ASSERT_NE(at, std::string::npos) << target;
        EXPECT_EQ(html.find(name, at + 1), std::string::npos) << target << " is the anchor of two tables";
        const std::string table =
            TableHead(target, sockets[socket][0]) +
            HeaderRow({"Name", "Location", "Direction", "Standard", "DDR3 SODIMM Pin Index"}) +
            TableRow({"DQ", sockets[socket][1], "inout ", "3.3-V LVTTL", "1"}) +
            TableRow({"CK", sockets[socket][2], "output", "3.3-V LVTTL", "2"}) + "</table>\r\n";
        EXPECT_EQ(html.compare(at - 4, table.size(), table), 0) << target << "\n" << html.substr(at - 4);
    }
}

TEST(PinTable, SavingCreatesTheFolderChainAndReplacesTheOldPage)
{
    SeamRecorder seam;
    TempFolder folder;
    TMainBoard board;
    SetDevice(board, MAINBOARD_NETHERCOY);
    TPinloom pinloom;
    const std::string path = folder.Path() + "a/b/c/demo.htm";
    ASSERT_TRUE(pinloom.WriteHtml(&board, path));
    const std::string page = ReadFile(path);
    WriteFile(path, page + std::string(5000, 'x'));
    ASSERT_TRUE(pinloom.WriteHtml(&board, path));
    EXPECT_EQ(ReadFile(path), page);
    EXPECT_TRUE(seam.boxes.empty());
}

TEST(FileGenerator, FragmentsAreCutAt1023Characters)
{
    FileGenerator file;
    const std::string longText(2000, 'a');
    file.Printf("%s", longText.c_str());
    file.Printf("%d;%s", -12, "b");
    ASSERT_EQ(file.GetFragments().size(), 2u);
    EXPECT_EQ(file.GetFragments()[0], std::string(1023, 'a'));
    EXPECT_EQ(file.GetFragments()[1], "-12;b");
}

TEST(FileGenerator, SavesFragmentsBackToBackAndCanSaveAgain)
{
    TempFolder folder;
    FileGenerator file;
    file.Printf("one\r\n");
    file.Printf("%s", "");
    file.Printf("two");
    ASSERT_TRUE(file.SaveToFile(folder.Path() + "x.txt"));
    ASSERT_TRUE(file.SaveToFile(folder.Path() + "y.txt"));
    EXPECT_EQ(ReadFile(folder.Path() + "x.txt"), "one\r\ntwo");
    EXPECT_EQ(ReadFile(folder.Path() + "y.txt"), "one\r\ntwo");
}

TEST(FileGenerator, FailuresAreReportedAsFalse)
{
    TempFolder folder;
    FileGenerator file;
    file.Printf("%s", std::string(200, 'z').c_str());
    WriteFile(folder.Path() + "plain", "not a folder");
    EXPECT_FALSE(file.SaveToFile(folder.Path() + "plain/sub/x.htm"));
    // A write that fails part-way leaves the earlier page as it was.
    WriteFile(folder.Path() + "short.htm", "earlier page");
    bool saved;
    {
        FileSizeLimit limit(50);
        saved = file.SaveToFile(folder.Path() + "short.htm");
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadFile(folder.Path() + "short.htm"), "earlier page");
    EXPECT_FALSE(FileExists(folder.Path() + "short.htm.tmp"));
}

TEST(HtmlGenerator, Fragments)
{
    THtmlGenerator html;
    html.Heading("T", 3, "");
    html.BeginList(true);
    html.EndList(true);
    html.BeginTable(0, "", "");
    html.BeginTable(7, "Cap", "");
    html.Cell("c", "right", false, "Red");
    html.Cell("h", "center", true, "");
    html.Anchor("n", "text");
    std::string all;
    for (const std::string& fragment : html.GetFragments()) all += fragment;
    EXPECT_EQ(all, "<h3>T</h3>\r\n<ol>\r\n</ol>\r\n<table>\r\n<table border=\"3\">\r\n<caption>Cap</caption>\r\n"
                   "   <td align=\"right\" bgcolor=\"Red\">c</td>\r\n   <th align=\"center\">h</th>\r\n"
                   "<h2><a name=\"n\"></a>text</h2>");
    EXPECT_EQ(html.ListItem("x"), "<li>x</li>");
}

}  // namespace pin_table_test
