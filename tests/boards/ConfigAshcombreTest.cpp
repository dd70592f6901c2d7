// The configuration object of the Ashcombre board: when the Si5397A needs
// programming, its .qsf, Verilog and VHDL texts byte for byte, its settings
// file and the export of the IP files by resource name.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "boards/stratix10_agilex/ConfigAshcombre.h"
#include "model/Text.h"
#include "tests/boards/Stratix10AgilexTexts.h"
#include "tests/boards/Stratix10AgilexRecords.h"
#include "tests/support/SeamRecorder.h"
#include "tests/support/TestFiles.h"

namespace config_ashcombre_test {

namespace {

const std::string kVRule = "//=======================================================";
const std::string kHRule = std::string(57, '-');

std::string Lines(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

const std::string kVidBlock = ExpectedPowerManagementBlock("AVST X16");

const std::vector<std::string> kFiles = {"ASHCOMBRE_SI5397A_CONFIG.v",   "clock_divider.v",
                                         "edge_detector.v",              "i2c_bus_controller.v",
                                         "initial_config.v",             "si5397a_freq_prameter_selector.v",
                                         "si5397a_i2c_reg_controller.v", "power_on_reset.v"};

std::string IncludeBlock(bool controller)
{
    std::string text = Lines({"", "#============================================================",
                              "# Includes SI5397A Controller Files",
                              "#============================================================"});
    for (std::size_t row = controller ? 0 : 7; row < kFiles.size(); ++row)
        text += "set_global_assignment -name VERILOG_FILE si5397_controller/" + kFiles[row] + "\r\n";
    return text + "\r\n";
}

const std::string kPowerOnReset =
    Lines({"wire por_reset;", "power_on_reset power_on_reset_inst(", "    .clk(CLK_50_B3A),", "    .reset(por_reset)",
           ");", "", "assign SI5397A_RST_n = CPU_RESET_n & ~por_reset;", "assign SI5397A_OE_n = ~CPU_RESET_n;", ""});

const std::string kMacros = Lines(
    {"`define XCVR_REF_644M53125     4'h0", "`define XCVR_REF_625M          4'h1", "`define XCVR_REF_322M265625    4'h2",
     "`define XCVR_REF_312M5         4'h3", "`define XCVR_REF_307M2         4'h4", "`define XCVR_REF_250M          4'h5",
     "`define XCVR_REF_184M32        4'h6", "`define XCVR_REF_156M25        4'h7", "`define XCVR_REF_153M6         4'h8",
     "`define XCVR_REF_125M          4'h9", "`define XCVR_REF_100M          4'hA", "",
     "`define IO_50M                 4'h0", "`define IO_IN0                 4'h1", "`define IO_IN1                 4'h2",
     "`define IO_IN2                 4'h3", "`define IO_IN3                 4'h4", ""});

std::string VerilogController(const std::string& x0, const std::string& x1, const std::string& rsv,
                              const std::string& io0, const std::string& io1)
{
    return "// configure Si5397A\r\n" + kMacros +
           Lines({"wire si5397a_config_done;", "wire si5397a_controller_start;",
                  "assign si5397a_controller_start = ~BUTTON[0];", "", "//  Reconfigure SI5397A ",
                  "ASHCOMBRE_SI5397A_CONFIG si5397a_controller(", "    .iCLK(CLK_50_B3A),",
                  "    .iRST_n(CPU_RESET_n & ~por_reset),", "    .iStart(si5397a_controller_start),",
                  "    .iXCVR_CLK_0(`" + x0 + "),//QSFPDDA_REFCLK_p", "    .iXCVR_CLK_1(`" + x1 + "),//QSFPDDB_REFCLK_p",
                  "    .iXCVR_CLK_RSV(" + rsv + "),//QSFPDDRSV_REFCLK_p. 1: output 156.25MHz, 0: disable output",
                  "    .iIO_CLK_0(`" + io0 + "),//CLK_from_Si5397A[0]", "    .iIO_CLK_1(`" + io1 + "),//CLK_from_Si5397A[1]",
                  "    .I2C_CLK(SI5397A_I2C_SCL),", "    .I2C_DATA(SI5397A_I2C_SDA),",
                  "    .REG_CONFIG_DONE(si5397a_config_done)", ");", ""});
}

std::string Verilog(bool program, const std::string& controller = "")
{
    return Lines({"", "", kVRule, program ? "//  Configure SI5397A " : "//  Enable SI5397A. Use default Setting. ",
                  kVRule}) +
           kPowerOnReset + controller + "\r\n";
}

const std::string kVhdlPorComponent =
    Lines({"\t-- components declarations", "\tcomponent power_on_reset", "\t\tport (",
           "\t\t\tclk \t\t\t\t: in\tstd_logic;", "\t\t\treset \t\t\t: out\tstd_logic", "\t\t);", "\tend component;", ""});

// I2C_CLK as the controller module declares it: an inout.
const std::string kVhdlControllerComponent =
    Lines({"\tcomponent ASHCOMBRE_SI5397A_CONFIG", "\t\tport (", "\t\t\tiCLK \t\t\t\t: in\tstd_logic;",
           "\t\t\tiRST_n \t\t\t: in\tstd_logic;", "\t\t\tiStart \t\t\t: in\tstd_logic;", "",
           "\t\tiXCVR_CLK_0 \t    : in\t std_logic_vector (3 downto 0); --QSFPDDA_REFCLK_p",
           "\t\tiXCVR_CLK_1 \t    : in\t std_logic_vector (3 downto 0); --QSFPDDB_REFCLK_p",
           "\t\tiXCVR_CLK_RSV \t    : in\t std_logic; --QSFPDDRSV_REFCLK_p",
           "\t\tiIO_CLK_0 \t        : in\t std_logic_vector (3 downto 0); --CLK_from_Si5397A[0]",
           "\t\tiIO_CLK_1 \t        : in\t std_logic_vector (3 downto 0); --CLK_from_Si5397A[1]", "",
           "\t\t\tI2C_CLK \t\t\t: inout\tstd_logic;", "\t\t\tI2C_DATA \t\t: inout\tstd_logic;", "",
           "\t\t\tREG_CONFIG_DONE \t: out\tstd_logic", "\t\t);", "\tend component;", ""});

const std::string kVhdlConstants =
    Lines({"\t-- constant   declarations", "\tconstant XCVR_REF_644M53125: std_logic_vector (3 downto 0) := \"0000\";",
           "\tconstant XCVR_REF_625M: std_logic_vector (3 downto 0) := \"0001\";",
           "\tconstant XCVR_REF_322M265625: std_logic_vector (3 downto 0) := \"0010\";",
           "\tconstant XCVR_REF_312M5: std_logic_vector (3 downto 0) := \"0011\";",
           "\tconstant XCVR_REF_307M2: std_logic_vector (3 downto 0) := \"0100\";",
           "\tconstant XCVR_REF_250M: std_logic_vector (3 downto 0) := \"0101\";",
           "\tconstant XCVR_REF_184M32: std_logic_vector (3 downto 0) := \"0110\";",
           "\tconstant XCVR_REF_156M25: std_logic_vector (3 downto 0) := \"0111\";",
           "\tconstant XCVR_REF_153M6: std_logic_vector (3 downto 0) := \"1000\";",
           "\tconstant XCVR_REF_125M: std_logic_vector (3 downto 0) := \"1001\";",
           "\tconstant XCVR_REF_100M: std_logic_vector (3 downto 0) := \"1010\";", "",
           "\tconstant IO_50M: std_logic_vector (3 downto 0) := \"0000\";",
           "\tconstant IO_IN0: std_logic_vector (3 downto 0) := \"0001\";",
           "\tconstant IO_IN1: std_logic_vector (3 downto 0) := \"0010\";",
           "\tconstant IO_IN2: std_logic_vector (3 downto 0) := \"0011\";",
           "\tconstant IO_IN3: std_logic_vector (3 downto 0) := \"0100\";"});

// The VHDL drives the chip's output enable from the reset button and the
// power-on reset, and its reset from the button alone (the Verilog the other
// way round).
const std::string kVhdlPowerOnReset =
    Lines({"begin", "\t--Statements", "", "", "\t----- power on reset -----", "",
           "\tpower_on_reset_inst : power_on_reset port map(", "\t\tclk => CLK_50_B3A,", "\t\treset => por_reset",
           "\t\t);", "\tSI5397A_OE_n <= CPU_RESET_n and (not por_reset);", "\tSI5397A_RST_n <= CPU_RESET_n;", ""});

std::string VhdlController(const std::string& x0, const std::string& x1, const std::string& rsv,
                           const std::string& io0, const std::string& io1)
{
    // The controller's reset reaches its port through a signal, as VHDL-1993
    // requires.
    return Lines({"\t----- Reconfigure SI5397A -----", "", "\tsi5397a_controller_rst_n <= CPU_RESET_n and (not por_reset);",
                  "\tsi5397a_controller : ASHCOMBRE_SI5397A_CONFIG port map(", "\t\tiCLK => CLK_50_B3A,",
                  "\t\tiRST_n => si5397a_controller_rst_n,",
                  "\t\tiStart => si5397a_controller_start,", "", "\t\tiXCVR_CLK_0 => " + x0 + ", --QSFPDDA_REFCLK_p",
                  "\t\tiXCVR_CLK_1 => " + x1 + ", --QSFPDDB_REFCLK_p", "\t\tiXCVR_CLK_RSV => " + rsv + ", --QSFPDDRSV_REFCLK_p",
                  "\t\tiIO_CLK_0 => " + io0 + ", --CLK_from_Si5397A[0]", "\t\tiIO_CLK_1 => " + io1 + ", --CLK_from_Si5397A[1]",
                  "", "\t\tI2C_CLK => SI5397A_I2C_SCL,", "\t\tI2C_DATA => SI5397A_I2C_SDA,", "",
                  "\t\tREG_CONFIG_DONE => si5397a_config_done", "\t);", ""});
}

// The files in the project's sub-folder si5397_controller, sorted.
std::vector<std::string> SubFolderFiles(const std::string& project)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(project + "si5397_controller", ec))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class AshcombreObject : public ::testing::Test {
protected:
    AshcombreObject() { c = AshcombreDefaults(); }
    void AddResources()
    {
        for (const std::string& file : kFiles)
            seam.AddResource(UpperCase("ashcombre_" + ChangeFileExt(file, "") + "_verilog"), "// " + file + "\r\n");
    }

    SeamRecorder seam;
    TempFolder folder;
    TConfigAshcombre object;
    TConfigAshcombre::ASHCOMBRE_CONFIG& c = object.m_Config;
};

}  // namespace

TEST_F(AshcombreObject, DefaultsLeaveTheChipAtItsOwnSettingWithThePowerOnResetOnly)
{
    EXPECT_FALSE(object.NeedsSi5397AConfig());
    EXPECT_TRUE(object.HasDdr4Module());
    EXPECT_EQ(object.GetQsfText(), kVidBlock + IncludeBlock(false));
    EXPECT_EQ(object.GetVerilogText(), Verilog(false));
    EXPECT_EQ(object.GetVhdlText("Ashcombre"),
              Lines({"", "", kHRule, "--  Enable SI5397A. Use default Setting. ", kHRule, "",
                     "architecture si5397a_behave of Ashcombre is", ""}) +
                  kVhdlPorComponent +
                  Lines({"\t-- signal  declarations", "\tsignal  por_reset : std_logic :='0';", ""}) +
                  kVhdlPowerOnReset + Lines({"", "end si5397a_behave;", ""}));
    AddResources();
    ASSERT_TRUE(object.ExportIpFiles(folder.Path()));
    EXPECT_EQ(SubFolderFiles(folder.Path()), std::vector<std::string>{"power_on_reset.v"});
}

TEST_F(AshcombreObject, WhatMakesTheChipProgrammed)
{
    struct Case {
        const char* what;
        void (*change)(TConfigAshcombre::ASHCOMBRE_CONFIG&);
        bool program;
    };
    const Case cases[] = {
        {"an unticked QSFPDD's choice", [](auto& r) { r.bQsfpdd[0] = 0, r.nQsfpddRefClk[0] = 0; }, false},
        {"a ticked QSFPDD at 156.25 MHz", [](auto& r) { r.nQsfpddRefClk[1] = 7; }, false},
        {"a ticked QSFPDD at another clock", [](auto& r) { r.nQsfpddRefClk[1] = 1; }, true},
        {"the RSV clock", [](auto& r) { r.bQsfpddRsvRefClk = 1; }, true},
        {"an IO clock from IN0", [](auto& r) { r.nIoClockSource[0] = 1; }, true},
        {"an IO clock from the UFL", [](auto& r) { r.nIoClockSource[1] = 4; }, true},
        {"a choice outside the list", [](auto& r) { r.nQsfpddRefClk[0] = 11, r.nIoClockSource[1] = -2; }, false},
    };
    const TConfigAshcombre::ASHCOMBRE_CONFIG defaults = c;
    for (const Case& test : cases) {
        c = defaults;
        test.change(c);
        EXPECT_EQ(object.NeedsSi5397AConfig(), test.program) << test.what;
    }
}

TEST_F(AshcombreObject, QsfpddBAt625MHzProgramsTheChipInBothLanguages)
{
    c.nQsfpddRefClk[1] = 1;
    ASSERT_TRUE(object.NeedsSi5397AConfig());
    EXPECT_EQ(object.GetQsfText(), kVidBlock + IncludeBlock(true));
    EXPECT_EQ(object.GetVerilogText(),
              Verilog(true, VerilogController("XCVR_REF_156M25", "XCVR_REF_625M", "1'b0", "IO_50M", "IO_50M")));
    EXPECT_EQ(object.GetVhdlText("top"),
              Lines({"", "", kHRule, "--  Configure SI5397A ", kHRule, "", "architecture si5397a_behave of top is",
                     ""}) +
                  kVhdlPorComponent + kVhdlControllerComponent +
                  Lines({"\t-- signal  declarations", "\tsignal  por_reset : std_logic :='0';",
                         "\tsignal  si5397a_controller_start : std_logic :='0';",
                         "\tsignal  si5397a_config_done      : std_logic :='0';",
                         "\tsignal  si5397a_controller_rst_n : std_logic :='0';", ""}) +
                  kVhdlConstants + kVhdlPowerOnReset +
                  VhdlController("XCVR_REF_156M25", "XCVR_REF_625M", "'0'", "IO_50M", "IO_50M") +
                  Lines({"", "end si5397a_behave;", ""}));
    AddResources();
    ASSERT_TRUE(object.ExportIpFiles(folder.Path()));
    std::vector<std::string> sorted = kFiles;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(SubFolderFiles(folder.Path()), sorted);
    EXPECT_EQ(ReadFile(folder.Path() + "si5397_controller/ASHCOMBRE_SI5397A_CONFIG.v"),
              "// ASHCOMBRE_SI5397A_CONFIG.v\r\n");
}

TEST_F(AshcombreObject, TheRsvClockAndTheSourcesReachTheController)
{
    c.bQsfpddRsvRefClk = 1;
    c.nQsfpddRefClk[0] = 10;
    c.bQsfpdd[0] = 0;  // its choice still reaches the chip
    c.nIoClockSource[0] = 3;
    c.nIoClockSource[1] = 4;
    EXPECT_EQ(object.GetVerilogText(),
              Verilog(true, VerilogController("XCVR_REF_100M", "XCVR_REF_156M25", "1'b1", "IO_IN2", "IO_IN3")));
    EXPECT_NE(object.GetVhdlText("top").find(VhdlController("XCVR_REF_100M", "XCVR_REF_156M25", "'1'", "IO_IN2", "IO_IN3")),
              std::string::npos);
}

TEST_F(AshcombreObject, ReferenceClockFrequenciesAreSinglePrecision)
{
    const char* const texts[11] = {"644.531250", "625.000000", "322.265625", "312.500000", "307.200012", "250.000000",
                                   "184.320007", "156.250000", "153.600006", "125.000000", "100.000000"};
    for (unsigned choice = 0; choice < 11; ++choice) {
        EXPECT_EQ(Format("%f", TConfigAshcombre::XcvrRefClkMHz(choice)), texts[choice]) << choice;
        c.nQsfpddRefClk[1] = static_cast<int32_t>(choice);
        EXPECT_EQ(Format("%f", object.GetQsfpddRefClkMHz(1)), texts[choice]) << choice;
    }
    EXPECT_EQ(TConfigAshcombre::GetRefClkChoiceCount(), 11);
    EXPECT_EQ(TConfigAshcombre::GetIoClockSourceCount(), 5);
    c.nQsfpddRefClk[0] = 11;
    EXPECT_EQ(Format("%f", object.GetQsfpddRefClkMHz(0)), "156.250000");
}

TEST_F(AshcombreObject, SettingsFileIsTheRecordAtExactlyItsSize)
{
    const std::string path = folder.Path() + "a.cfg";
    ASSERT_TRUE(object.SaveToFile(path));
    ASSERT_EQ(ReadFile(path).size(), 300u);
    EXPECT_EQ(std::memcmp(ReadFile(path).data(), &c, 300), 0);
    const TConfigAshcombre::ASHCOMBRE_CONFIG before = c;
    for (std::size_t size : {299u, 301u}) {
        WriteFile(path, std::string(size, '\x01'));
        EXPECT_FALSE(object.LoadFromFile(path)) << size;
        EXPECT_EQ(std::memcmp(&before, &c, 300), 0) << size;
    }
    std::string other(300, '\0');
    other[0] = 39;  // another board's id is taken as it is
    other[100] = 'x';
    WriteFile(path, other);
    ASSERT_TRUE(object.LoadFromFile(path));
    EXPECT_EQ(std::memcmp(other.data(), &c, 300), 0);
    EXPECT_TRUE(seam.boxes.empty());
}

TEST_F(AshcombreObject, ExportStopsAtTheFirstFileThatFails)
{
    c.nIoClockSource[0] = 2;
    AddResources();
    seam.resources.erase(UpperCase("ashcombre_edge_detector_verilog"));
    EXPECT_FALSE(object.ExportIpFiles(folder.Path()));
    // The files before it are written; none after it, not even the power-on reset.
    EXPECT_EQ(SubFolderFiles(folder.Path()), (std::vector<std::string>{"ASHCOMBRE_SI5397A_CONFIG.v", "clock_divider.v"}));

    TempFolder second;
    c.nIoClockSource[0] = 0;
    seam.resources.erase(UpperCase("ashcombre_power_on_reset_verilog"));
    EXPECT_FALSE(object.ExportIpFiles(second.Path()));
}

}  // namespace config_ashcombre_test
