// The configuration object of the Zennorby board: its .qsf, Verilog and VHDL
// texts byte for byte, its settings file and the export of the controller
// files by resource name.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "boards/stratix10_agilex/ConfigZennorby.h"
#include "model/Text.h"
#include "tests/boards/Stratix10AgilexRecords.h"
#include "tests/boards/Stratix10AgilexTexts.h"
#include "tests/support/SeamRecorder.h"
#include "tests/support/TestFiles.h"

namespace config_zennorby_test {

namespace {

const std::string kRule = "#============================================================\r\n";
const std::string kVRule = "//=======================================================\r\n";
const std::string kHRule = std::string(57, '-') + "\r\n";

std::string Lines(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

const std::string kPowerBlock = ExpectedPowerManagementBlock("AVST X8");

const std::string kPcieTerminations =
    Lines({"set_instance_assignment -name XCVR_S10_REFCLK_TERM_TRISTATE TRISTATE_ON -to PCIE_REFCLK_p",
           "set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to PCIE_TX_p",
           "set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to PCIE_RX_p"});

std::string CageTerminations(char x)
{
    const std::string q = std::string("QSFP28") + x;
    return Lines({"set_instance_assignment -name XCVR_S10_REFCLK_TERM_TRISTATE TRISTATE_OFF -to " + q + "_REFCLK_p",
                  "set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to " + q + "_RX_p",
                  "set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to " + q + "_TX_p"});
}

std::string RefClkTermination(const std::string& pin)
{
    return "set_instance_assignment -name INPUT_TERMINATION DIFFERENTIAL -to " + pin + "\r\n";
}

std::string TerminationBlock(const std::string& body)
{
    return "\r\n" + kRule + "# Termination Settings\r\n" + kRule + body + "\r\n";
}

const std::vector<std::string> kFiles = {"ZENNORBY_SI5340A_CONFIG.v",    "si5340a_clk_frq_sel_gen.v",
                                         "si5340a_freq_prameter_selector.v", "si5340a_i2c_reg_controller.v",
                                         "clock_divider.v",              "edge_detector.v",
                                         "i2c_bus_controller.v",         "initial_config.v"};

std::string IncludeBlock()
{
    std::string text = "\r\n" + kRule + "# Includes SI5340 Controller Files\r\n" + kRule;
    for (const std::string& file : kFiles) text += "set_global_assignment -name VERILOG_FILE si5340_controller/" + file + "\r\n";
    return text + "\r\n";
}

const std::string kVerilogDefines =
    Lines({"`define XCVR_REF_644M53125     4'h0", "`define XCVR_REF_322M265625    4'h1",
           "`define XCVR_REF_250M          4'h2", "`define XCVR_REF_125M          4'h3",
           "`define XCVR_REF_100M          4'h4", "", "`define MEM_REF_300M     4'h0  // for DDR4 2400",
           "`define MEM_REF_275M     4'h1  // for QDRII+ 550MHz",
           "`define MEM_REF_266M667  4'h2  // for DDR4 2133 and QDRIV 1066Mhz",
           "`define MEM_REF_233M333  4'h3  // for DDR4 1866", "`define MEM_REF_166M667  4'h4  // for DDR4 2666", ""});

std::string VerilogInstance(int n, const std::string& x0, char c0, const std::string& x1, char c1,
                            const std::string& m0, char s0, const std::string& m1, char s1)
{
    const std::string d = std::to_string(n);
    return Lines({"", "//  Configure SI5340A" + d + " ", "ZENNORBY_SI5340A_CONFIG si5340a" + d + "_controller(",
                  "    .iCLK(CLK_50_B2C),", "    .iRST_n(1'b1),", "    .iStart(si5340a_controller_start),",
                  "    .iXCVR0_REFCLK(`" + x0 + "),//QSFP28-" + c0, "    .iXCVR1_REFCLK(`" + x1 + "),//QSFP28-" + c1,
                  "    .iMEM0_REFCLK(`" + m0 + "),//DDR4-Socket-" + s0,
                  "    .iMEM1_REFCLK(`" + m1 + "),//DDR4-Socket-" + s1, "    .I2C_CLK(SI5340A" + d + "_I2C_SCL),",
                  "    .I2C_DATA(SI5340A" + d + "_I2C_SDA),", "    .oPLL_REG_CONFIG_DONE(si5340a" + d + "_config_done)",
                  ");", "", "assign SI5340A" + d + "_OE_n = 1'b0;", "assign SI5340A" + d + "_RST_n = 1'b1;", ""});
}

const std::string kVhdlConstants =
    Lines({"\tconstant XCVR_REF_644M53125: std_logic_vector (3 downto 0) := \"0000\";",
           "\tconstant XCVR_REF_322M265625: std_logic_vector (3 downto 0) := \"0001\";",
           "\tconstant XCVR_REF_250M: std_logic_vector (3 downto 0) := \"0010\";",
           "\tconstant XCVR_REF_125M: std_logic_vector (3 downto 0) := \"0011\";",
           "\tconstant XCVR_REF_100M: std_logic_vector (3 downto 0) := \"0100\";", "",
           "\tconstant MEM_REF_300M: std_logic_vector (3 downto 0) := \"0000\"; --for DDR4 2400",
           "\tconstant MEM_REF_275M: std_logic_vector (3 downto 0) := \"0001\"; --for QDRII+ 550MHz",
           "\tconstant MEM_REF_266M667: std_logic_vector (3 downto 0) := \"0010\"; --for DDR4 2133 and QDRIV 1066Mhz",
           "\tconstant MEM_REF_233M333: std_logic_vector (3 downto 0) := \"0011\"; --for DDR4 1866",
           "\tconstant MEM_REF_166M667: std_logic_vector (3 downto 0) := \"0100\"; --for DDR4 2666", ""});

// The component as the controller module declares its ports (I2C_CLK an
// output).
const std::string kVhdlComponent =
    Lines({"\tcomponent ZENNORBY_SI5340A_CONFIG", "\t\tport (", "\t\t\tiCLK \t\t\t\t: in\tstd_logic;",
           "\t\t\tiRST_n \t\t\t: in\tstd_logic;", "\t\t\tiStart \t\t\t: in\tstd_logic;", "",
           "\t\t\tiXCVR0_REFCLK \t: in\t std_logic_vector (3 downto 0); --XCVR_REF_XXX Si5340A  ouput  port 0",
           "\t\t\tiXCVR1_REFCLK \t: in\t std_logic_vector (3 downto 0); --XCVR_REF_XXX Si5340A  ouput  port 3",
           "\t\t\tiMEM0_REFCLK \t: in\t std_logic_vector (3 downto 0); --MEM_REF_XXX   Si5340A  ouput  port 1",
           "\t\t\tiMEM1_REFCLK \t: in\t std_logic_vector (3 downto 0); --MEM_REF_XXX   Si5340A  ouput  port 2", "",
           "\t\t\tI2C_CLK \t\t\t: out\tstd_logic;", "\t\t\tI2C_DATA \t\t: inout\tstd_logic;", "",
           "\t\t\toPLL_I2C_ID_READ_ERROR \t: out\tstd_logic;", "\t\t\toPLL_REG_CONFIG_DONE \t: out\tstd_logic",
           "\t\t);", "\tend component;", ""});

std::string VhdlInstance(int n, const std::string& x0, char c0, const std::string& x1, char c1, const std::string& m0,
                         char s0, const std::string& m1, char s1)
{
    const std::string d = std::to_string(n);
    return Lines({"", "\t----- Configure SI5340A" + d + " -----", "", "\tSI5340A" + d + "_OE_n <= '0';",
                  "\tSI5340A" + d + "_RST_n <= '1';", "",
                  "\tsi5340a" + d + "_controller : ZENNORBY_SI5340A_CONFIG port map(", "\t\tiCLK => CLK_50_B2C,",
                  "\t\tiRST_n => '1',", "\t\tiStart => si5340a_controller_start,", "",
                  "\t\tiXCVR0_REFCLK => " + x0 + ", --QSFP28-" + c0, "\t\tiXCVR1_REFCLK => " + x1 + ", --QSFP28-" + c1,
                  "\t\tiMEM0_REFCLK => " + m0 + ", --DDR4-Socket-" + s0,
                  "\t\tiMEM1_REFCLK => " + m1 + ", --DDR4-Socket-" + s1, "", "\t\tI2C_CLK => SI5340A" + d + "_I2C_SCL,",
                  "\t\tI2C_DATA => SI5340A" + d + "_I2C_SDA,", "",
                  "\t\toPLL_REG_CONFIG_DONE => si5340a" + d + "_config_done", "\t);", "", ""});
}

class ZennorbyObject : public ::testing::Test {
protected:
    ZennorbyObject()
    {
        c.BoardId = 37;
        c.Size = 832;
    }
    // The form's defaults on the first part: every group, every cage, the
    // DDR4 module with ECC in each socket at 166.667 MHz.
    void Defaults() { c = ZennorbyDefaults(); }
    void NothingClocked()
    {
        for (int i = 0; i < 4; ++i) {
            c.bQsfp28[i] = 0;
            c.nMemoryModuleId[i] = 0;
        }
    }

    SeamRecorder seam;
    TempFolder folder;
    TConfigZennorby object;
    TConfigZennorby::ZENNORBY_CONFIG& c = object.m_Config;
};

}  // namespace

TEST_F(ZennorbyObject, DefaultsGiveEveryBlockOfTheQsf)
{
    Defaults();
    const std::string terminations = RefClkTermination("DDR4A_REFCLK_p") + RefClkTermination("DDR4B_REFCLK_p") +
                                     RefClkTermination("DDR4C_REFCLK_p") + RefClkTermination("DDR4D_REFCLK_p") +
                                     kPcieTerminations + CageTerminations('A') + CageTerminations('B') +
                                     CageTerminations('C') + CageTerminations('D');
    EXPECT_EQ(object.GetQsfText(), kPowerBlock + TerminationBlock(terminations) + IncludeBlock());
}

TEST_F(ZennorbyObject, WithoutCagesAndModulesOnlyThePowerBlockAndThePcieTerminations)
{
    Defaults();
    NothingClocked();
    EXPECT_FALSE(object.IsSi5340A0Used());
    EXPECT_FALSE(object.IsSi5340A1Used());
    EXPECT_FALSE(object.HasMemoryModule());
    EXPECT_EQ(object.GetQsfText(), kPowerBlock + TerminationBlock(kPcieTerminations));
    c.bPcie = 0;
    EXPECT_EQ(object.GetQsfText(), kPowerBlock);
    EXPECT_EQ(object.GetVerilogText(), "");
    EXPECT_EQ(object.GetVhdlText("top"), "");
    EXPECT_TRUE(object.ExportIpFiles(folder.Path()));
    EXPECT_FALSE(std::filesystem::exists(folder.Path() + "si5340_controller"));
}

TEST_F(ZennorbyObject, TheReferenceClockTerminationsNameThePinsAsThePrefixesMakeThem)
{
    NothingClocked();
    c.nMemoryModuleId[0] = 83;
    std::strcpy(c.szMemoryPrefixName[0], "QDR2A_");
    c.nMemoryModuleId[3] = 84;  // an empty prefix
    EXPECT_EQ(object.GetQsfText(),
              kPowerBlock + TerminationBlock(RefClkTermination("QDR2A_REFCLK_p") + RefClkTermination("REFCLK_p")) +
                  IncludeBlock());
}

TEST_F(ZennorbyObject, OnlySocketCUsesTheSecondGeneratorWithTheChoicesOfItsOutputs)
{
    NothingClocked();
    c.nMemoryModuleId[2] = 84;
    c.nQsfp28RefClk[1] = 3;  // QSFP28 B, not ticked, still feeds output 0
    c.nQsfp28RefClk[2] = 4;
    c.nMemRefClk[2] = 2;
    c.nMemRefClk[3] = 1;
    EXPECT_FALSE(object.IsSi5340A0Used());
    EXPECT_TRUE(object.IsSi5340A1Used());
    EXPECT_EQ(object.GetVerilogText(),
              "\r\n\r\n" + kVRule + "//  Configure SI5340A \r\n" + kVRule + kVerilogDefines +
                  Lines({"wire si5340a_controller_start;", "assign si5340a_controller_start = ~BUTTON[0];", "",
                         "wire si5340a_config_done;", "wire si5340a1_config_done;",
                         "assign si5340a_config_done = si5340a1_config_done;"}) +
                  VerilogInstance(1, "XCVR_REF_125M", 'B', "XCVR_REF_100M", 'C', "MEM_REF_266M667", 'C', "MEM_REF_275M",
                                  'D'));
}

TEST_F(ZennorbyObject, BothGeneratorsInVerilogAndVhdl)
{
    Defaults();
    c.nQsfp28RefClk[0] = 1;
    c.nQsfp28RefClk[3] = 2;
    c.nMemRefClk[0] = 0;
    c.nMemRefClk[1] = 3;
    const std::string verilog =
        "\r\n\r\n" + kVRule + "//  Configure SI5340A \r\n" + kVRule + kVerilogDefines +
        Lines({"wire si5340a_controller_start;", "assign si5340a_controller_start = ~BUTTON[0];", "",
               "wire si5340a_config_done;", "wire si5340a0_config_done;", "wire si5340a1_config_done;",
               "assign si5340a_config_done = si5340a0_config_done & si5340a1_config_done;"}) +
        VerilogInstance(0, "XCVR_REF_250M", 'D', "XCVR_REF_322M265625", 'A', "MEM_REF_233M333", 'B', "MEM_REF_300M",
                        'A') +
        VerilogInstance(1, "XCVR_REF_644M53125", 'B', "XCVR_REF_644M53125", 'C', "MEM_REF_166M667", 'C',
                        "MEM_REF_166M667", 'D');
    EXPECT_EQ(object.GetVerilogText(), verilog);

    const std::string vhdl =
        "\r\n\r\n" + kHRule + "--  Configure SI5340A \r\n" + kHRule + "\r\n" +
        "architecture si5340a_behave of Board is\r\n\r\n" + kVhdlConstants +
        Lines({"\tsignal  si5340a_controller_start : std_logic :='0';",
               "\tsignal  si5340a_config_done \t\t: std_logic :='0';",
               "\tsignal  si5340a0_config_done \t\t: std_logic :='0';",
               "\tsignal  si5340a1_config_done \t\t: std_logic :='0';", ""}) +
        kVhdlComponent +
        Lines({"\tbegin", "", "\tsi5340a_controller_start <= not BUTTON(0);",
               "\tsi5340a_config_done <= si5340a0_config_done and si5340a1_config_done;"}) +
        VhdlInstance(0, "XCVR_REF_250M", 'D', "XCVR_REF_322M265625", 'A', "MEM_REF_233M333", 'B', "MEM_REF_300M", 'A') +
        VhdlInstance(1, "XCVR_REF_644M53125", 'B', "XCVR_REF_644M53125", 'C', "MEM_REF_166M667", 'C', "MEM_REF_166M667",
                     'D') +
        Lines({"end si5340a_behave;", ""});
    EXPECT_EQ(object.GetVhdlText("Board"), vhdl);
}

TEST_F(ZennorbyObject, OnlyTheFirstGeneratorInVhdl)
{
    NothingClocked();
    c.bQsfp28[3] = 1;
    const std::string text = object.GetVhdlText("z");
    EXPECT_NE(text.find(Lines({"\tsignal  si5340a_config_done \t\t: std_logic :='0';",
                               "\tsignal  si5340a0_config_done \t\t: std_logic :='0';", ""})),
              std::string::npos);
    EXPECT_EQ(text.find("si5340a1"), std::string::npos);
    EXPECT_NE(text.find("\tsi5340a_config_done <= si5340a0_config_done;\r\n"), std::string::npos);
    EXPECT_NE(text.find("\tsi5340a0_controller : ZENNORBY_SI5340A_CONFIG port map(\r\n"), std::string::npos);
}

TEST_F(ZennorbyObject, FrequenciesOfTheChoicesAreSinglePrecision)
{
    struct Row {
        int32_t choice;
        const char* qsfp;
        const char* mem;
    };
    const Row rows[] = {{0, "644.531250", "300.000000"}, {1, "322.265625", "275.000000"},
                        {2, "250.000000", "266.666656"}, {3, "125.000000", "233.333328"},
                        {4, "100.000000", "166.666672"}};
    for (const Row& row : rows) {
        c.nQsfp28RefClk[1] = row.choice;
        c.nMemRefClk[2] = row.choice;
        EXPECT_EQ(Format("%f", object.GetQsfp28RefClkMHz(1)), row.qsfp);
        EXPECT_EQ(Format("%f", object.GetMemRefClkMHz(2)), row.mem);
    }
    EXPECT_EQ(TConfigZennorby::GetRefClkChoiceCount(), 5);
}

TEST_F(ZennorbyObject, AChoiceOutsideItsListCountsAsTheFirst)
{
    NothingClocked();
    c.bQsfp28[0] = 1;
    c.nQsfp28RefClk[0] = 5;
    c.nQsfp28RefClk[3] = -1;
    c.nMemRefClk[0] = 1000;
    c.nMemRefClk[1] = INT32_MIN;
    EXPECT_EQ(object.GetQsfp28RefClkMHz(0), 644.53125f);
    EXPECT_EQ(object.GetMemRefClkMHz(0), 300.0f);
    const std::string text = object.GetVerilogText();
    EXPECT_NE(text.find(VerilogInstance(0, "XCVR_REF_644M53125", 'D', "XCVR_REF_644M53125", 'A', "MEM_REF_300M", 'B',
                                        "MEM_REF_300M", 'A')),
              std::string::npos);
}

TEST_F(ZennorbyObject, SettingsFileIsTheRecordAtExactlyItsSize)
{
    Defaults();
    const std::string path = folder.Path() + "z.cfg";
    ASSERT_TRUE(object.SaveToFile(path));
    const std::string bytes = ReadFile(path);
    ASSERT_EQ(bytes.size(), 832u);
    EXPECT_EQ(std::memcmp(bytes.data(), &c, 832), 0);

    const TConfigZennorby::ZENNORBY_CONFIG before = c;
    for (std::size_t size : {831u, 833u, 0u}) {
        WriteFile(path, std::string(size, '\x5a'));
        EXPECT_FALSE(object.LoadFromFile(path)) << size;
        EXPECT_EQ(std::memcmp(&before, &c, 832), 0) << size;
    }
    EXPECT_FALSE(object.LoadFromFile(folder.Path() + "missing.cfg"));
    // Any 832 bytes are taken as they are, board id and size included.
    std::string other(832, '\0');
    for (std::size_t i = 0; i < other.size(); ++i) other[i] = static_cast<char>(i * 7);
    WriteFile(path, other);
    ASSERT_TRUE(object.LoadFromFile(path));
    EXPECT_EQ(std::memcmp(other.data(), &c, 832), 0);
    EXPECT_TRUE(seam.boxes.empty());
}

TEST_F(ZennorbyObject, ExportWritesTheEightFilesByTheirResourceNamesAndStopsAtTheFirstFailure)
{
    Defaults();
    for (const std::string& file : kFiles)
        seam.AddResource(UpperCase("zennorby_" + ChangeFileExt(file, "") + "_verilog"), "// " + file + "\r\nx\r\n");
    ASSERT_TRUE(object.ExportIpFiles(folder.Path()));
    const std::string sub = folder.Path() + "si5340_controller/";
    for (const std::string& file : kFiles) EXPECT_EQ(ReadFile(sub + file), "// " + file + "\r\nx\r\n") << file;
    EXPECT_EQ(ZennorbyResourceName("ZENNORBY_SI5340A_CONFIG.v"), "zennorby_ZENNORBY_SI5340A_CONFIG_verilog");

    TempFolder second;
    seam.resources.erase(UpperCase("zennorby_si5340a_i2c_reg_controller_verilog"));
    EXPECT_FALSE(object.ExportIpFiles(second.Path()));
    for (std::size_t i = 0; i < kFiles.size(); ++i)
        EXPECT_EQ(FileExists(second.Path() + "si5340_controller/" + kFiles[i]), i < 3) << kFiles[i];
}

}  // namespace config_zennorby_test
