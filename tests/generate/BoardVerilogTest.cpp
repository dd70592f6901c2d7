// The Verilog blocks of single boards: the external-PLL blocks of Ormsgill
// and Brackwell and the programmable oscillators of the Stratix V boards.
#include "generate/Pinloom.h"
#include "tests/generate/GenerateSupport.h"

namespace board_verilog_test {

namespace {

const std::string kVSep = "//=======================================================";

std::string OrmsgillBlock(const std::string& assigns)
{
    return "\r\n\r\n" +
           CrLfLines({kVSep, "//  External PLL Configuration ==========================", kVSep, "",
                      "//  Signal declarations", "wire [ 3: 0] clk1_set_wr, clk2_set_wr, clk3_set_wr;",
                      "wire         rstn;", "wire         conf_ready;", "wire         counter_max;",
                      "wire  [7:0]  counter_inc;", "reg   [7:0]  auto_set_counter;", "reg          conf_wr;", "",
                      "//  Structural coding"}) +
           assigns +
           CrLfLines({"", "assign rstn = CPU_RESET_n;", "assign counter_max = &auto_set_counter;",
                      "assign counter_inc = auto_set_counter + 1'b1;", "",
                      "always @(posedge OSC_50_BANK2 or negedge rstn)", "\tif(!rstn)", "\tbegin",
                      "\t\tauto_set_counter <= 0;", "\t\tconf_wr <= 0;", "\tend ", "\telse if (counter_max)",
                      "\t\tconf_wr <= 1;", "\telse", "\t\tauto_set_counter <= counter_inc;", "", "",
                      "ext_pll_ctrl ext_pll_ctrl_Inst(", "\t.osc_50(OSC_50_BANK2), //50MHZ", "\t.rstn(rstn),", "",
                      "\t// device 1 (HSMA_REFCLK)", "\t.clk1_set_wr(clk1_set_wr),", "\t.clk1_set_rd(),", "",
                      "\t// device 2 (HSMB_REFCLK)", "\t.clk2_set_wr(clk2_set_wr),", "\t.clk2_set_rd(),", "",
                      "\t// device 3 (PLL_CLKIN/SATA_REFCLK)", "\t.clk3_set_wr(clk3_set_wr),", "\t.clk3_set_rd(),",
                      "", "\t// setting trigger", "\t.conf_wr(conf_wr), // 1T 50MHz ", "\t.conf_rd(), // 1T 50MHz",
                      "", "\t// status ", "\t.conf_ready(conf_ready),", "", "\t// 2-wire interface ",
                      "\t.max_sclk(MAX_I2C_SCLK),", "\t.max_sdat(MAX_I2C_SDAT)", "", ");"});
}

std::string CdcmExtPllBlock(const std::string& t1, const std::string& t2, const std::string& assigns)
{
    return "\r\n\r\n" +
           CrLfLines({kVSep, "//  CDCM61001/CDCM61004 External PLL Configuration ",
                      "//      Configure CDCM61001 as " + t1, "//      Configure CDCM61004 as " + t2, kVSep, "",
                      "//  Signal declarations", "wire [ 3: 0] clk1_set_wr, clk2_set_wr, clk3_set_wr;",
                      "wire         rstn;", "wire         conf_ready;", "wire         counter_max;",
                      "wire  [7:0]  counter_inc;", "reg   [7:0]  auto_set_counter;", "reg          conf_wr;", "",
                      "//  Structural coding"}) +
           assigns +
           CrLfLines({"", "assign rstn = CPU_RESET_n;", "assign counter_max = &auto_set_counter;",
                      "assign counter_inc = auto_set_counter + 1'b1;", "",
                      "always @(posedge OSC_50_B3B or negedge rstn)", "\tif(!rstn)", "\tbegin",
                      "\t\tauto_set_counter <= 0;", "\t\tconf_wr <= 0;", "\tend ", "\telse if (counter_max)",
                      "\t\tconf_wr <= 1;", "\telse", "\t\tauto_set_counter <= counter_inc;", "", "",
                      "ext_pll_ctrl ext_pll_ctrl_Inst(", "\t.osc_50(OSC_50_B3B), //50MHZ", "\t.rstn(rstn),", "",
                      "\t// device 1 (SFP1G_REFCLK_p)", "\t.clk1_set_wr(clk1_set_wr),", "\t.clk1_set_rd(),", "",
                      "\t// device 2 (SATA_HOST_REFCLK_p/SATA_DEVICE_REFCLK_p)", "\t.clk2_set_wr(clk2_set_wr),",
                      "\t.clk2_set_rd(),", "", "\t// device 3 (reserved)", "\t.clk3_set_wr(clk3_set_wr),",
                      "\t.clk3_set_rd(),", "", "\t// setting trigger", "\t.conf_wr(conf_wr), // 1T 50MHz ",
                      "\t.conf_rd(), // 1T 50MHz", "", "\t// status ", "\t.conf_ready(conf_ready),", "",
                      "\t// 2-wire interface ", "\t.max_sclk(PLL_SCL),", "\t.max_sdat(PLL_SDA)", "", ");"});
}

std::string Si570Block(const std::string& frequency, const std::string& mode)
{
    return "\r\n\r\n" + CrLfLines({kVSep, "//  Configure SI570 as " + frequency + " MHz =====================", kVSep,
                                   "", "si570_controller si570_controller_inst(",
                                   "    .iCLK(OSC_50_B3B), // system   clock 50mhz ",
                                   "    .iRST_n(CPU_RESET_n), // system reset;", "    .iFREQ_MODE(" + mode + "),",
                                   "    .I2C_CLK(CLOCK_SCL),", "    .I2C_DATA(CLOCK_SDA),", "    .oController_Ready()",
                                   ");"});
}

const char* const kCdcmLines[11] = {
    "assign desired_freq = 4'd0;  // 62.5 \tMHz",  "assign desired_freq = 4'd1;  // 75 \tMHz",
    "assign desired_freq = 4'd2;  // 100 \tMHz",   "assign desired_freq = 4'd3;  // 125 \tMHz",
    "assign desired_freq = 4'd4;  // 150 \tMHz",   "assign desired_freq = 4'd5;  // 156.25\tMHz",
    "assign desired_freq = 4'd6;  // 187.5 \tMHz", "assign desired_freq = 4'd7;  // 200 \tMHz",
    "assign desired_freq = 4'd8;  // 250 \tMHz",   "assign desired_freq = 4'd9;  // 312.5 \tMHz",
    "assign desired_freq = 4'd10; // 625 \tMHz"};

std::string CdcmBlock(const std::string& frequency, int active)
{
    std::string lines;
    for (int n = 0; n < 11; ++n) lines += std::string(n == active ? "" : "//") + kCdcmLines[n] + "\r\n";
    return "\r\n\r\n" +
           CrLfLines({kVSep, "//  Configure CDCM61004 as " + frequency + " MHz ====================", kVSep,
                      "wire [3:0] desired_freq;", ""}) +
           lines +
           CrLfLines({"", "CDCM6100x_Config CDCM61004_Config_inst(", "\t.clk_50m(OSC_50_B3B),",
                      "\t.recal_n(CPU_RESET_n),", "\t.desired_freq(desired_freq),", "\t.CLK_CE(CLK_CE),",
                      "\t.CLK_OD(CLK_OD),", "\t.CLK_OS(CLK_OS),", "\t.CLK_PR(CLK_PR),", "\t.CLK_RST_n(CLK_RST_n)", ");",
                      ""});
}

}  // namespace

TEST(ExternalPllVerilog, OrmsgillWithIndexes410)
{
    SeamRecorder seam;
    TMainBoard board;
    SetOrmsgill(board, 1, 4, 1, 0);
    EXPECT_EQ(board.GetVerilogBoardExtras(), OrmsgillBlock(CrLfLines({"assign clk1_set_wr = 4'd4; //100 MHZ",
                                                                      "assign clk2_set_wr = 4'd1; //Disable MHZ",
                                                                      "assign clk3_set_wr = 4'd0; //Unchange MHZ"})));
}

TEST(ExternalPllVerilog, OptionTextsOfEveryIndex)
{
    const char* const texts[13] = {"Unchange", "Disable", "62.5",  "75",  "100",   "125", "150",
                                   "156.25",   "187.5",   "200",   "250", "312.5", "625"};
    SeamRecorder seam;
    for (uint8_t i = 0; i <= 12; ++i) {
        TMainBoard board;
        SetOrmsgill(board, 2, i, 12, i);
        const std::string text = board.GetOrmsgillExtPllVerilog();
        const std::string line = "assign clk1_set_wr = 4'd" + std::to_string(i) + "; //" + texts[i] + " MHZ\r\n";
        EXPECT_NE(text.find(line), std::string::npos) << line;
        EXPECT_NE(text.find("assign clk2_set_wr = 4'd12; //625 MHZ\r\n"), std::string::npos);
    }
}

TEST(ExternalPllVerilog, OrmsgillWithPllOffHasAnEmptyBody)
{
    SeamRecorder seam;
    TMainBoard board;
    SetOrmsgill(board, 0, 4, 1, 0);
    EXPECT_EQ(board.GetVerilogBoardExtras(), "");
    TempFolder folder;
    TPinloom pinloom;
    ASSERT_TRUE(pinloom.WriteVerilog(&board, folder.Path() + "demo.v"));
    const std::string v = ReadFile(folder.Path() + "demo.v");
    const std::string tail = "//  Structural coding\r\n" + kVSep + "\r\n\r\n\r\n\r\nendmodule\r\n";
    EXPECT_EQ(v.substr(v.size() - tail.size()), tail);
}

TEST(ExternalPllVerilog, OptionOutsideTheTableIsABrokenInvariant)
{
    SeamRecorder seam;
    TMainBoard board;
    SetOrmsgill(board, 1, 0, 13, 0);
    EXPECT_THROW(board.GetOrmsgillExtPllVerilog(), InvariantFailure);
}

TEST(ExternalPllVerilog, BrackwellDiffersInItsWiringOnly)
{
    SeamRecorder seam;
    TMainBoard board;
    SetBrackwell(board, 1, 4, 1, 0);
    std::string expected = OrmsgillBlock(CrLfLines({"assign clk1_set_wr = 4'd4; //100 MHZ",
                                                    "assign clk2_set_wr = 4'd1; //Disable MHZ",
                                                    "assign clk3_set_wr = 4'd0; //Unchange MHZ"}));
    const std::pair<std::string, std::string> changes[] = {
        {"assign rstn = CPU_RESET_n;", "assign rstn = 1'b1;"},
        {"always @(posedge OSC_50_BANK2 or negedge rstn)", "always @(posedge OSC_50_BANK1 or negedge rstn)"},
        {".osc_50(OSC_50_BANK2), //50MHZ", ".osc_50(OSC_50_BANK1), //50MHZ"},
        {"// device 2 (HSMB_REFCLK)", "// device 2 (HSME_REFCLK)"},
        {"// device 3 (PLL_CLKIN/SATA_REFCLK)", "// device 3 (PGM_GXB_CLK)"},
        {".max_sclk(MAX_I2C_SCLK),", ".max_sclk(MAX2_I2C_SCL),"},
        {".max_sdat(MAX_I2C_SDAT)", ".max_sdat(MAX2_I2C_SDA)"},
    };
    for (const auto& [from, to] : changes) {
        size_t at = expected.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        expected.replace(at, from.size(), to);
    }
    EXPECT_EQ(board.GetVerilogBoardExtras(), expected);
    board.m_BrackwellConfig.bytes[148] = 0;
    EXPECT_EQ(board.GetVerilogBoardExtras(), "");
}

TEST(ExternalPllVerilog, FixedBlocksBelongToTheirOwnBoard)
{
    SeamRecorder seam;
    TMainBoard board;
    SetDevice(board, MAINBOARD_HOLLARNE);
    EXPECT_THROW(board.GetOrmsgillExtPllVerilog(), InvariantFailure);
    EXPECT_THROW(board.GetBrackwellExtPllVerilog(), InvariantFailure);
    EXPECT_THROW(board.GetLarrowenFanVerilog(), InvariantFailure);
    EXPECT_THROW(board.GetLarrowenQsfAssignments(), InvariantFailure);
    EXPECT_THROW(board.GetRastrelleOscillatorVerilog(), InvariantFailure);
    EXPECT_THROW(board.GetDrennockOscillatorVerilog(), InvariantFailure);
    EXPECT_THROW(board.GetEstoverOscillatorVerilog(), InvariantFailure);
}

TEST(OscillatorVerilog, RastrelleBothCdcmDisabledAndNoSi570IsEmpty)
{
    SeamRecorder seam;
    TMainBoard board;
    SetRastrelle(board, 0, 1, 1);
    EXPECT_EQ(board.GetVerilogBoardExtras(), "");
}

TEST(OscillatorVerilog, RastrelleUnchangedAndDisabled)
{
    SeamRecorder seam;
    TMainBoard board;
    SetRastrelle(board, 0, 1, 0);
    EXPECT_EQ(board.GetRastrelleOscillatorVerilog(),
              CdcmExtPllBlock("Unchange", "Disabled",
                              CrLfLines({"assign clk1_set_wr = 4'd0; //Unchange",
                                         "assign clk2_set_wr = 4'd1; //Disabled",
                                         "assign clk3_set_wr = 4'd0; //Unchange"})));
}

TEST(OscillatorVerilog, RastrelleExternalPllThenSi570)
{
    SeamRecorder seam;
    TMainBoard board;
    SetRastrelle(board, 3, 1, 11);
    EXPECT_EQ(board.GetVerilogBoardExtras(),
              CdcmExtPllBlock("312.5 MHz", "Disabled",
                              CrLfLines({"assign clk1_set_wr = 4'd11; //312.5 MHz",
                                         "assign clk2_set_wr = 4'd1; //Disabled",
                                         "assign clk3_set_wr = 4'd0; //Unchange"})) +
                  Si570Block("156.25000", "3'b010"));
}

TEST(OscillatorVerilog, RastrelleOptionTexts)
{
    const char* const texts[13] = {"Unchange",   "Disabled",  "62.5 MHz", "75 MHz",  "100 MHz",   "125 MHz", "150 MHz",
                                   "156.25 MHz", "187.5 MHz", "200 MHz",  "250 MHz", "312.5 MHz", "625 MHz"};
    SeamRecorder seam;
    for (int32_t i = 0; i <= 12; ++i) {
        TMainBoard board;
        SetRastrelle(board, 0, 0, i);
        EXPECT_NE(board.GetRastrelleOscillatorVerilog().find(std::string("//      Configure CDCM61001 as ") + texts[i] +
                                                            "\r\n"),
                  std::string::npos)
            << i;
    }
}

TEST(OscillatorVerilog, RastrelleSi570Only)
{
    SeamRecorder seam;
    TMainBoard board;
    SetRastrelle(board, 7, 1, 1);
    EXPECT_EQ(board.GetRastrelleOscillatorVerilog(), Si570Block("644.53125", "3'b110"));
}

TEST(OscillatorVerilog, DrennockCdcmOnly)
{
    SeamRecorder seam;
    TMainBoard board;
    SetDrennock(board, 0, 1);
    EXPECT_EQ(board.GetVerilogBoardExtras(), CdcmBlock("62.50", 0));
    SetDrennock(board, 0, 0);
    EXPECT_EQ(board.GetVerilogBoardExtras(), "");
}

TEST(OscillatorVerilog, EstoverCdcmThenSi570)
{
    SeamRecorder seam;
    TMainBoard board;
    SetEstover(board, 7, 11);
    EXPECT_EQ(board.GetVerilogBoardExtras(), CdcmBlock("625.00", 10) + Si570Block("644.53125", "3'b110"));
}

TEST(OscillatorVerilog, Si570ModesAndFrequencies)
{
    const char* const frequencies[7] = {"100.00000", "125.00000", "156.25000", "250.00000",
                                        "312.50000", "322.26500", "644.53125"};
    const char* const modes[7] = {"3'b000", "3'b001", "3'b010", "3'b011", "3'b100", "3'b101", "3'b110"};
    SeamRecorder seam;
    for (int32_t s = 1; s <= 7; ++s) {
        TMainBoard board;
        SetDrennock(board, s, 0);
        EXPECT_EQ(board.GetDrennockOscillatorVerilog(), Si570Block(frequencies[s - 1], modes[s - 1]));
    }
}

// A choice outside its list (only a damaged file holds one) counts as the
// chip's "not in use" value, as the form shows it.
TEST(OscillatorVerilog, DamagedChoicesCountAsNotInUse)
{
    SeamRecorder seam;
    TMainBoard board;
    SetDrennock(board, 8, 12);
    EXPECT_EQ(board.GetDrennockOscillatorVerilog(), "");
    SetEstover(board, -1, -3);
    EXPECT_EQ(board.GetEstoverOscillatorVerilog(), "");
    SetRastrelle(board, 9, 13, -1);
    EXPECT_EQ(board.GetRastrelleOscillatorVerilog(), "");
    SetRastrelle(board, 0, 13, 3);
    EXPECT_EQ(board.GetRastrelleOscillatorVerilog(),
              CdcmExtPllBlock("75 MHz", "Disabled",
                              CrLfLines({"assign clk1_set_wr = 4'd3; //75 MHz",
                                         "assign clk2_set_wr = 4'd1; //Disabled",
                                         "assign clk3_set_wr = 4'd0; //Unchange"})));
}

// A chip serves its interfaces only: without them its choice counts as "not
// in use", as the form would show it.
TEST(OscillatorVerilog, ChoicesCountOnlyWithTheirInterfaces)
{
    SeamRecorder seam;
    TMainBoard rastrelle;
    SetRastrelle(rastrelle, 3, 4, 11);
    rastrelle.m_RastrelleConfig.bytes[153] = 0;  // no SFP+: no Si570, CDCM61001 not in use
    EXPECT_EQ(rastrelle.GetRastrelleOscillatorVerilog(),
              CdcmExtPllBlock("Disabled", "100 MHz",
                              CrLfLines({"assign clk1_set_wr = 4'd1; //Disabled",
                                         "assign clk2_set_wr = 4'd4; //100 MHz",
                                         "assign clk3_set_wr = 4'd0; //Unchange"})));
    rastrelle.m_RastrelleConfig.bytes[141] = 0;  // no SATA either
    EXPECT_EQ(rastrelle.GetRastrelleOscillatorVerilog(), "");

    TMainBoard drennock;
    SetDrennock(drennock, 3, 5);
    drennock.m_DrennockConfig.bytes[147] = 0;
    EXPECT_EQ(drennock.GetDrennockOscillatorVerilog(), "");
    drennock.m_DrennockConfig.bytes[148] = 1;  // SFP+ B serves as well
    EXPECT_EQ(drennock.GetDrennockOscillatorVerilog(), CdcmBlock("150.00", 4) + Si570Block("156.25000", "3'b010"));

    // Estover's CDCM61004 also clocks SATA and the transceivers of an HSMC card.
    TMainBoard estover;
    SetEstover(estover, 3, 5);
    estover.m_EstoverConfig.bytes[144] = 0;
    EXPECT_EQ(estover.GetEstoverOscillatorVerilog(), "");
    estover.m_EstoverConfig.bytes[141] = 1;  // SATA device
    EXPECT_EQ(estover.GetEstoverOscillatorVerilog(), CdcmBlock("150.00", 4));
    estover.m_EstoverConfig.bytes[141] = 0;
    estover.m_EstoverConfig.bytes[164] = 3;  // HSMC Default With Transceiver
    EXPECT_EQ(estover.GetEstoverOscillatorVerilog(), CdcmBlock("150.00", 4));
    estover.m_EstoverConfig.bytes[164] = 2;  // HSMC Default, no transceivers
    EXPECT_EQ(estover.GetEstoverOscillatorVerilog(), "");
}

// The blocks must be Verilog that a tool accepts against modules with the
// ports the IP files declare.
TEST(OscillatorVerilog, BlocksCompileAgainstTheControllerPorts)
{
    const std::string stubs =
        "module ext_pll_ctrl(input osc_50, input rstn, input [3:0] clk1_set_wr, output [3:0] clk1_set_rd,\n"
        "  input [3:0] clk2_set_wr, output [3:0] clk2_set_rd, input [3:0] clk3_set_wr, output [3:0] clk3_set_rd,\n"
        "  input conf_wr, input conf_rd, output conf_ready, output max_sclk, inout max_sdat);\nendmodule\n"
        "module si570_controller(input iCLK, input iRST_n, input iStart, input [2:0] iFREQ_MODE, output I2C_CLK,\n"
        "  inout I2C_DATA, output oSI570_ONE_CLK_CONFIG_DONE, output [7:0] oREAD_Data,\n"
        "  output oController_Ready);\nendmodule\n"
        "module CDCM6100x_Config(input clk_50m, input recal_n, input [3:0] desired_freq, output CLK_CE,\n"
        "  output [2:0] CLK_OD, output [1:0] CLK_OS, output [1:0] CLK_PR, output CLK_RST_n);\nendmodule\n";
    SeamRecorder seam;
    TempFolder folder;
    WriteFile(folder.Path() + "stubs.v", stubs);
    TPinloom pinloom;

    TMainBoard estover;
    SetEstover(estover, 3, 5);
    estover.AddConnector(
        MakeConnector("CLOCK", "", {{"OSC_50_B3B", "A1", PIN_DIR_INPUT}, {"CPU_RESET_n", "A2", PIN_DIR_INPUT}}));
    estover.AddConnector(
        MakeConnector("SI570", "", {{"CLOCK_SCL", "B1", PIN_DIR_OUTPUT}, {"CLOCK_SDA", "B2", PIN_DIR_INOUT}}));
    estover.AddConnector(MakeConnector("CDCM", "",
                                       {{"CLK_CE", "C1", PIN_DIR_OUTPUT},
                                        {"CLK_OD[0]", "C2", PIN_DIR_OUTPUT},
                                        {"CLK_OD[1]", "C3", PIN_DIR_OUTPUT},
                                        {"CLK_OD[2]", "C4", PIN_DIR_OUTPUT},
                                        {"CLK_OS[0]", "C5", PIN_DIR_OUTPUT},
                                        {"CLK_OS[1]", "C6", PIN_DIR_OUTPUT},
                                        {"CLK_PR[0]", "C7", PIN_DIR_OUTPUT},
                                        {"CLK_PR[1]", "C8", PIN_DIR_OUTPUT},
                                        {"CLK_RST_n", "C9", PIN_DIR_OUTPUT}}));
    ASSERT_TRUE(pinloom.WriteVerilog(&estover, folder.Path() + "estover.v"));
    std::string log;
    EXPECT_TRUE(CompileVerilog({folder.Path() + "stubs.v", folder.Path() + "estover.v"}, "estover", log)) << log;

    TMainBoard rastrelle;
    SetRastrelle(rastrelle, 2, 4, 0);
    rastrelle.AddConnector(
        MakeConnector("CLOCK", "", {{"OSC_50_B3B", "A1", PIN_DIR_INPUT}, {"CPU_RESET_n", "A2", PIN_DIR_INPUT}}));
    rastrelle.AddConnector(MakeConnector("I2C", "",
                                         {{"CLOCK_SCL", "B1", PIN_DIR_OUTPUT},
                                          {"CLOCK_SDA", "B2", PIN_DIR_INOUT},
                                          {"PLL_SCL", "B3", PIN_DIR_OUTPUT},
                                          {"PLL_SDA", "B4", PIN_DIR_INOUT}}));
    ASSERT_TRUE(pinloom.WriteVerilog(&rastrelle, folder.Path() + "rastrelle.v"));
    EXPECT_TRUE(CompileVerilog({folder.Path() + "stubs.v", folder.Path() + "rastrelle.v"}, "rastrelle", log)) << log;

    TMainBoard ormsgill;
    SetOrmsgill(ormsgill, 1, 5, 6, 7);
    ormsgill.AddConnector(
        MakeConnector("CLOCK", "", {{"OSC_50_BANK2", "A1", PIN_DIR_INPUT}, {"CPU_RESET_n", "A2", PIN_DIR_INPUT}}));
    ormsgill.AddConnector(
        MakeConnector("PLL", "", {{"MAX_I2C_SCLK", "B1", PIN_DIR_OUTPUT}, {"MAX_I2C_SDAT", "B2", PIN_DIR_INOUT}}));
    ASSERT_TRUE(pinloom.WriteVerilog(&ormsgill, folder.Path() + "ormsgill.v"));
    EXPECT_TRUE(CompileVerilog({folder.Path() + "stubs.v", folder.Path() + "ormsgill.v"}, "ormsgill", log)) << log;
}

}  // namespace board_verilog_test
