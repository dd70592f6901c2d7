// The configuration object of the Quillomar module board: its 572-byte
// record and file, the .qsf, Verilog and VHDL texts of its Si5341A (enable
// lines at the power-up frequencies, the controller otherwise), and the
// export of the nine controller files by their resource names.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "boards/stratix10_agilex/ConfigRennacre.h"
#include "model/MainBoard.h"
#include "tests/boards/QuillomarRecord.h"
#include "tests/support/SeamRecorder.h"
#include "tests/support/TestFiles.h"

namespace config_rennacre_test {

namespace {

using RENNACRE_CONFIG = TConfig_Rennacre::RENNACRE_CONFIG;

const std::string kQsfRule = "#============================================================\r\n";
const std::string kVerilogRule = "//=======================================================\r\n";
const std::string kVhdlRule = "---------------------------------------------------------\r\n";

// A .qsf title: padded with blanks to 61 characters.
std::string Title(const std::string& title) { return title + std::string(61 - title.size(), ' ') + "\r\n"; }

const char* const kFiles[9] = {"S10_SI5341A_CONFIG.v", "si5341a_clk_frq_sel_gen.v",
                               "si5341a_freq_prameter_selector.v", "si5341a_i2c_reg_controller.v",
                               "clock_divider.v", "edge_detector_41.v", "i2c_bus_controller.v",
                               "initial_config.v", "fmc_sel.v"};
// The resources as the program carries them, in upper case.
const char* const kResources[9] = {"S10_S10_SI5341A_CONFIG_VERILOG", "S10_SI5341A_CLK_FRQ_SEL_GEN_VERILOG",
                                   "S10_SI5341A_FREQ_PRAMETER_SELECTOR_VERILOG",
                                   "S10_SI5341A_I2C_REG_CONTROLLER_VERILOG", "S10_CLOCK_DIVIDER_VERILOG",
                                   "S10_EDGE_DETECTOR_41_VERILOG", "S10_I2C_BUS_CONTROLLER_VERILOG",
                                   "S10_INITIAL_CONFIG_VERILOG", "S10_FMC_SEL_VERILOG"};

std::string FileBytes(int i) { return "// file " + std::to_string(i) + "\r\nmodule m;\nendmodule\r\n"; }

class ConfigRennacre : public ::testing::Test {
protected:
    void SetUp() override { object.m_Config = QuillomarDefaultRecord(); }

    // Registers the nine resources but the one named (-1: all).
    void AddResources(int missing = -1)
    {
        for (int i = 0; i < 9; ++i)
            if (i != missing) seam.AddResource(kResources[i], FileBytes(i));
    }
    std::vector<std::string> ExportedFiles() const
    {
        std::vector<std::string> names;
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path() + "si5341_controller", ec))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    SeamRecorder seam;
    TempFolder folder;
    TConfig_Rennacre object;
    RENNACRE_CONFIG& c = object.m_Config;
};

// The controller text for the choices given, the rest at the defaults.
std::string ControllerVerilog(const char* ddr4b, const char* fmc0, const char* fmc1, const char* fmcp0,
                              const char* fmcp1, const char* fmcp2, const char* lvds)
{
    return "\r\n\r\n" + kVerilogRule + "//  Configure SI5341A \r\n" + kVerilogRule +
           "`define XCVR_REF_644M53125     4'h0\r\n"
           "`define XCVR_REF_322M265625    4'h1\r\n"
           "`define XCVR_REF_250M          4'h2\r\n"
           "`define XCVR_REF_125M          4'h3\r\n"
           "`define XCVR_REF_100M          4'h4\r\n"
           "`define XCVR_REF_270M          4'h5  // for Displayport\r\n"
           "\r\n"
           "`define MEM_REF_300M     4'h0  // for DDR4 2400 MT/s\r\n"
           "`define MEM_REF_266M667  4'h1  // for DDR4 2133 MT/s\r\n"
           "`define MEM_REF_233M333  4'h2  // for DDR4 1866 MT/s\r\n"
           "`define MEM_REF_166M667  4'h3  // for DDR4 2666 MT/s\r\n"
           "\r\n"
           "`define LVDS_REF_50M     4'h0  // ref clock for LVDS IP\r\n"
           "`define LVDS_REF_100M    4'h1  // ref clock for LVDS IP\r\n"
           "\r\n"
           "wire si5341a_controller_start;\r\n"
           "assign si5341a_controller_start = ~BUTTON[0];\r\n"
           "wire si5341a_config_done;\r\n"
           "\r\n"
           "\r\n"
           "//  Configure SI5341 \r\n"
           "S10_SI5341A_CONFIG si5341a_controller(\r\n"
           "    .iCLK(CLK_50_B3C),\r\n"
           "    .iRST_n(1'b1),\r\n"
           "    .iStart(si5341a_controller_start),\r\n"
           "    .iDDR4B_REFCLK(`" +
           ddr4b + "),\r\n    .iFMC_REFCLK0(`" + fmc0 + "),\r\n    .iFMC_REFCLK1(`" + fmc1 +
           "),\r\n    .iFMCP_REFCLK0(`" + fmcp0 + "),\r\n    .iFMCP_REFCLK1(`" + fmcp1 + "),\r\n    .iFMCP_REFCLK2(`" +
           fmcp2 + "),\r\n    .iLVDS_REFCLK(`" + lvds +
           "),\r\n"
           "    .I2C_CLK(SI5341A_I2C_SCL),\r\n"
           "    .I2C_DATA(SI5341A_I2C_SDA),\r\n"
           "    .oPLL_REG_CONFIG_DONE(si5341a_config_done)\r\n"
           ");\r\n"
           "\r\n"
           "assign SI5341A_OE_n = 1'b0;\r\n"
           "assign SI5341A_RST_n = 1'b1;\r\n"
           "\r\n";
}

}  // namespace

TEST_F(ConfigRennacre, RecordFileIsTheRecordAtExactlyItsSize)
{
    EXPECT_EQ(sizeof(RENNACRE_CONFIG), 572u);
    std::strcpy(c.szFmcPrefixName[1], "PLUS_");
    c.nFmcDaughterId[1] = 42;
    c.nFmcVoltageSel[0] = 2;
    const std::string path = folder.Path() + "saved.cfg";
    ASSERT_TRUE(object.SaveToFile(path));
    const std::string saved = ReadFile(path);
    ASSERT_EQ(saved.size(), 572u);
    EXPECT_EQ(saved[0], 39);
    EXPECT_EQ(std::string(saved.c_str() + 8), "1SX280HU2F50E1VG");
    EXPECT_EQ(std::string(saved.c_str() + 136), "S10");
    EXPECT_EQ(saved[276], 1);  // nDdr4BRefClkSel
    EXPECT_EQ(saved[304], 2);  // the FMC voltage
    EXPECT_EQ(saved[313], 42);
    EXPECT_EQ(std::string(saved.c_str() + 442), "PLUS_");

    // A file of 572 bytes written elsewhere is taken byte for byte, whatever
    // its head says; one byte more or less is refused and changes nothing.
    std::string other(572, '\0');
    for (std::size_t i = 0; i < other.size(); ++i) other[i] = static_cast<char>(i * 7 + 3);
    WriteFile(folder.Path() + "other.cfg", other);
    TConfig_Rennacre loaded;
    ASSERT_TRUE(loaded.LoadFromFile(folder.Path() + "other.cfg"));
    EXPECT_EQ(std::memcmp(&loaded.m_Config, other.data(), 572), 0);
    for (std::size_t size : {571u, 573u}) {
        WriteFile(folder.Path() + "wrong.cfg", saved.substr(0, 571) + std::string(size - 571, 'x'));
        EXPECT_FALSE(loaded.LoadFromFile(folder.Path() + "wrong.cfg")) << size;
        EXPECT_EQ(std::memcmp(&loaded.m_Config, other.data(), 572), 0) << size;
    }
    EXPECT_FALSE(loaded.LoadFromFile(folder.Path() + "missing.cfg"));
    EXPECT_TRUE(seam.boxes.empty());
}

TEST_F(ConfigRennacre, SavingToAFolderThatDoesNotExistShowsTheCreateBox)
{
    EXPECT_FALSE(object.SaveToFile(folder.Path() + "no/such/folder/x.cfg"));
    EXPECT_EQ(seam.ErrorTexts(),
              (std::vector<std::string>{"Cannot create file \"" + folder.Path() +
                                            "no/such/folder/x.cfg\". No such file or directory",
                                        "Failed to create file."}));
}

TEST_F(ConfigRennacre, FrequenciesAndTheirTexts)
{
    struct Case {
        float mhz;
        const char* text;
    };
    const Case cases[] = {
        {TConfig_Rennacre::XcvrRefClkMHz(0), "644.531250"}, {TConfig_Rennacre::XcvrRefClkMHz(1), "322.265625"},
        {TConfig_Rennacre::XcvrRefClkMHz(2), "250.000000"}, {TConfig_Rennacre::XcvrRefClkMHz(3), "125.000000"},
        {TConfig_Rennacre::XcvrRefClkMHz(4), "100.000000"}, {TConfig_Rennacre::XcvrRefClkMHz(5), "270.000000"},
        {TConfig_Rennacre::MemRefClkMHz(0), "300.000000"},  {TConfig_Rennacre::MemRefClkMHz(1), "266.666656"},
        {TConfig_Rennacre::MemRefClkMHz(2), "233.333328"},  {TConfig_Rennacre::MemRefClkMHz(3), "166.666672"},
        {TConfig_Rennacre::LvdsRefClkMHz(0), "50.000000"},  {TConfig_Rennacre::LvdsRefClkMHz(1), "100.000000"},
        // Values outside a list are its default item.
        {TConfig_Rennacre::XcvrRefClkMHz(6), "644.531250"}, {TConfig_Rennacre::MemRefClkMHz(-1), "266.666656"},
        {TConfig_Rennacre::LvdsRefClkMHz(2), "50.000000"},
    };
    for (const Case& k : cases) {
        char text[32];
        std::snprintf(text, sizeof text, "%f", k.mhz);
        EXPECT_STREQ(text, k.text);
    }
    EXPECT_EQ(TConfig_Rennacre::XcvrChoiceLabels(),
              (std::vector<std::string>{"644.53125", "322.265625", "250.0", "125.0", "100.0", "270.0"}));
    EXPECT_EQ(TConfig_Rennacre::MemChoiceLabels(),
              (std::vector<std::string>{"300.0", "266.667", "233.333", "166.667"}));
    EXPECT_EQ(TConfig_Rennacre::LvdsChoiceLabels(), (std::vector<std::string>{"50.0", "100.0"}));
}

TEST_F(ConfigRennacre, SystemBlockOfTheQsf)
{
    const std::string vid =
        "\r\n" + kQsfRule + Title("# VID Assignments") + kQsfRule +
        "set_global_assignment -name USE_PWRMGT_SCL SDM_IO0\r\n"
        "set_global_assignment -name USE_PWRMGT_SDA SDM_IO12\r\n"
        "set_global_assignment -name VID_OPERATION_MODE \"PMBUS MASTER\"\r\n"
        "set_global_assignment -name PWRMGT_BUS_SPEED_MODE \"400 KHZ\"\r\n"
        "set_global_assignment -name PWRMGT_SLAVE_DEVICE_TYPE OTHER\r\n"
        "set_global_assignment -name PWRMGT_SLAVE_DEVICE0_ADDRESS 4F\r\n"
        "set_global_assignment -name PWRMGT_SLAVE_DEVICE1_ADDRESS 00\r\n"
        "set_global_assignment -name PWRMGT_SLAVE_DEVICE2_ADDRESS 00\r\n"
        "set_global_assignment -name PWRMGT_SLAVE_DEVICE3_ADDRESS 00\r\n"
        "set_global_assignment -name PWRMGT_SLAVE_DEVICE4_ADDRESS 00\r\n"
        "set_global_assignment -name PWRMGT_SLAVE_DEVICE5_ADDRESS 00\r\n"
        "set_global_assignment -name PWRMGT_SLAVE_DEVICE6_ADDRESS 00\r\n"
        "set_global_assignment -name PWRMGT_SLAVE_DEVICE7_ADDRESS 00\r\n"
        "set_global_assignment -name PWRMGT_PAGE_COMMAND_ENABLE ON\r\n"
        "set_global_assignment -name PWRMGT_VOLTAGE_OUTPUT_FORMAT \"AUTO DISCOVERY\"\r\n"
        "set_global_assignment -name PWRMGT_TRANSLATED_VOLTAGE_VALUE_UNIT VOLTS\r\n" +
        "\r\n" + kQsfRule + Title("# Configuration scheme/pin") + kQsfRule +
        "set_global_assignment -name STRATIXV_CONFIGURATION_SCHEME \"ACTIVE SERIAL X4\"\r\n"
        "set_global_assignment -name USE_CONF_DONE SDM_IO16\r\n"
        "set_global_assignment -name DEVICE_INITIALIZATION_CLOCK OSC_CLK_1_125MHZ\r\n"
        "\r\n";
    const std::string info = "\r\n" + kQsfRule + Title("# INFO SPI AS 3V GPIO") + kQsfRule +
                             "set_instance_assignment -name USE_AS_3V_GPIO ON -to INFO_SPI_MISO\r\n"
                             "set_instance_assignment -name USE_AS_3V_GPIO ON -to INFO_SPI_CS_n\r\n"
                             "set_instance_assignment -name USE_AS_3V_GPIO ON -to INFO_SPI_SCLK\r\n"
                             "set_instance_assignment -name USE_AS_3V_GPIO ON -to INFO_SPI_MOSI\r\n";
    // The defaults: Si5341A at its power-up frequencies, no controller files.
    EXPECT_EQ(object.GetQsfText(), info + vid);
    EXPECT_EQ(Title("# VID Assignments").size(), 63u);
    c.bSystemInfo = 0;
    EXPECT_EQ(object.GetQsfText(), vid);
}

TEST_F(ConfigRennacre, AtItsDefaultsTheSi5341AIsOnlyEnabled)
{
    ASSERT_TRUE(object.IsSi5341AUsed());
    ASSERT_TRUE(object.IsSi5341AAtDefaults());
    EXPECT_EQ(object.GetVerilogText(), "\r\n\r\n" + kVerilogRule + "//  Enable SI5341A \r\n" + kVerilogRule +
                                           "assign SI5341A_OE_n = 1'b0;\r\n" + "assign SI5341A_RST_n = 1'b1;\r\n");
    EXPECT_EQ(object.GetVhdlText("S10"), "\r\n\r\n" + kVhdlRule + "--  Enable SI5341A \r\n" + kVhdlRule +
                                             "architecture si5341a_behave of S10 is\r\n" + "\tbegin\r\n" +
                                             "\tSI5341A_OE_n <= '0';\r\n" + "\tSI5341A_RST_n <= '1';\r\n" + "\r\n" +
                                             "end si5341a_behave;\r\n");
    EXPECT_EQ(object.GetQsfText().find("Controller Files"), std::string::npos);
    AddResources();
    EXPECT_TRUE(object.ExportIpFiles(folder.Path()));
    EXPECT_FALSE(std::filesystem::exists(folder.Path() + "si5341_controller"));

    // A value outside its list counts as the default item.
    c.nDdr4BRefClkSel = 9;
    c.nFmcpRefClkSel[2] = -4;
    c.nLvdsRefClkSel = 2;
    EXPECT_TRUE(object.IsSi5341AAtDefaults());
}

TEST_F(ConfigRennacre, OneChoiceOffItsDefaultGeneratesTheController)
{
    c.nFmcRefClkSel[1] = 4;  // FMC_REFCLK1 at 100 MHz
    EXPECT_FALSE(object.IsSi5341AAtDefaults());
    const char* x644 = "XCVR_REF_644M53125";
    EXPECT_EQ(object.GetVerilogText(),
              ControllerVerilog("MEM_REF_266M667", x644, "XCVR_REF_100M", x644, x644, x644, "LVDS_REF_50M"));

    std::string include = "\r\n" + kQsfRule + "# Includes SI5341 Controller Files\r\n" + kQsfRule;
    for (const char* file : kFiles)
        include += std::string("set_global_assignment -name VERILOG_FILE si5341_controller/") + file + "\r\n";
    include += "\r\n";
    const std::string qsf = object.GetQsfText();
    ASSERT_GE(qsf.size(), include.size());
    EXPECT_EQ(qsf.substr(qsf.size() - include.size()), include);
    EXPECT_NE(qsf.find("VERILOG_FILE si5341_controller/fmc_sel.v\r\n"), std::string::npos);

    AddResources();
    EXPECT_TRUE(object.ExportIpFiles(folder.Path()));
    ASSERT_EQ(ExportedFiles().size(), 9u);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(ReadFile(folder.Path() + "si5341_controller/" + kFiles[i]), FileBytes(i)) << kFiles[i];
}

TEST_F(ConfigRennacre, EachChoiceReachesItsControllerInput)
{
    struct Case {
        int32_t ddr4b, fmc0, fmc1, fmcp0, fmcp1, fmcp2, lvds;
        const char* names[7];
    };
    const Case cases[] = {
        {0, 1, 2, 3, 4, 5, 1,
         {"MEM_REF_300M", "XCVR_REF_322M265625", "XCVR_REF_250M", "XCVR_REF_125M", "XCVR_REF_100M",
          "XCVR_REF_270M", "LVDS_REF_100M"}},
        {3, 5, 0, 0, 0, 2, 0,
         {"MEM_REF_166M667", "XCVR_REF_270M", "XCVR_REF_644M53125", "XCVR_REF_644M53125", "XCVR_REF_644M53125",
          "XCVR_REF_250M", "LVDS_REF_50M"}},
        {2, 0, 0, 1, 0, 0, 0,
         {"MEM_REF_233M333", "XCVR_REF_644M53125", "XCVR_REF_644M53125", "XCVR_REF_322M265625",
          "XCVR_REF_644M53125", "XCVR_REF_644M53125", "LVDS_REF_50M"}},
        // Outside their lists: the default items (with the DDR4B choice still changed).
        {0, 6, -1, 7, 100, -100, 5,
         {"MEM_REF_300M", "XCVR_REF_644M53125", "XCVR_REF_644M53125", "XCVR_REF_644M53125", "XCVR_REF_644M53125",
          "XCVR_REF_644M53125", "LVDS_REF_50M"}},
    };
    for (const Case& k : cases) {
        c.nDdr4BRefClkSel = k.ddr4b;
        c.nFmcRefClkSel[0] = k.fmc0;
        c.nFmcRefClkSel[1] = k.fmc1;
        c.nFmcpRefClkSel[0] = k.fmcp0;
        c.nFmcpRefClkSel[1] = k.fmcp1;
        c.nFmcpRefClkSel[2] = k.fmcp2;
        c.nLvdsRefClkSel = k.lvds;
        EXPECT_EQ(object.GetVerilogText(), ControllerVerilog(k.names[0], k.names[1], k.names[2], k.names[3],
                                                             k.names[4], k.names[5], k.names[6]))
            << k.names[0];
        const std::string vhdl = object.GetVhdlText("top");
        const char* ports[7] = {"iDDR4B_REFCLK", "iFMC_REFCLK0",  "iFMC_REFCLK1", "iFMCP_REFCLK0",
                                "iFMCP_REFCLK1", "iFMCP_REFCLK2", "iLVDS_REFCLK"};
        std::string map;
        for (int i = 0; i < 7; ++i) map += std::string("\t\t") + ports[i] + " => " + k.names[i] + ", \r\n";
        EXPECT_NE(vhdl.find("\t\tiStart => si5341a_controller_start,\r\n\r\n" + map + "\r\n\t\tI2C_CLK"),
                  std::string::npos)
            << k.names[0];
    }
}

TEST_F(ConfigRennacre, ControllerArchitectureOfTheVhdlTopLevel)
{
    c.nDdr4BRefClkSel = 3;
    c.nFmcpRefClkSel[0] = 1;
    const std::string expected =
        "\r\n\r\n" + kVhdlRule + "--  Configure SI5341A \r\n" + kVhdlRule + "\r\n" +
        "architecture si5341a_behave of quill is\r\n"
        "\r\n"
        "\tconstant XCVR_REF_644M53125: std_logic_vector (3 downto 0) := \"0000\";\r\n"
        "\tconstant XCVR_REF_322M265625: std_logic_vector (3 downto 0) := \"0001\";\r\n"
        "\tconstant XCVR_REF_250M: std_logic_vector (3 downto 0) := \"0010\";\r\n"
        "\tconstant XCVR_REF_125M: std_logic_vector (3 downto 0) := \"0011\";\r\n"
        "\tconstant XCVR_REF_100M: std_logic_vector (3 downto 0) := \"0100\";\r\n"
        "\tconstant XCVR_REF_270M: std_logic_vector (3 downto 0) := \"0101\";\r\n"
        "\r\n"
        "\tconstant MEM_REF_300M: std_logic_vector (3 downto 0) := \"0000\"; --for DDR4 2400 MT/s\r\n"
        "\tconstant MEM_REF_266M667: std_logic_vector (3 downto 0) := \"0001\"; --for DDR4 2133 MT/s\r\n"
        "\tconstant MEM_REF_233M333: std_logic_vector (3 downto 0) := \"0010\"; --for DDR4 1866 MT/s\r\n"
        "\tconstant MEM_REF_166M667: std_logic_vector (3 downto 0) := \"0011\"; --for DDR4 2666 MT/\r\n"
        "\r\n"
        "\tconstant LVDS_REF_50M: std_logic_vector (3 downto 0) := \"0000\";\r\n"
        "\tconstant LVDS_REF_100M: std_logic_vector (3 downto 0) := \"0001\";\r\n"
        "\r\n"
        "\tsignal  si5341a_controller_start : std_logic :='0';\r\n"
        "\tsignal  si5341a_config_done \t\t: std_logic :='0';\r\n"
        "\r\n"
        "\tcomponent S10_SI5341A_CONFIG\r\n"
        "\t\tport (\r\n"
        "\t\t\tiCLK \t\t\t\t: in\tstd_logic;\r\n"
        "\t\t\tiRST_n \t\t\t: in\tstd_logic;\r\n"
        "\t\t\tiStart \t\t\t: in\tstd_logic;\r\n"
        "\r\n"
        "\t\t\tiDDR4B_REFCLK \t: in\t std_logic_vector (3 downto 0); --MEM_REF_XXX Si5341A  ouput  port DDR4B\r\n"
        "\t\t\tiFMC_REFCLK0 \t: in\t std_logic_vector (3 downto 0); --XCVR_REF_XXX Si5341A  ouput  port "
        "FMC_REFCLK0\r\n"
        "\t\t\tiFMC_REFCLK1 \t: in\t std_logic_vector (3 downto 0); --XCVR_REF_XXX Si5341A  ouput  port "
        "FMC_REFCLK01\r\n"
        "\t\t\tiFMCP_REFCLK0 \t: in\t std_logic_vector (3 downto 0); --XCVR_REF_XXX Si5341A  ouput  port "
        "FMCP_REFCLK0\r\n"
        "\t\t\tiFMCP_REFCLK1 \t: in\t std_logic_vector (3 downto 0); --XCVR_REF_XXX Si5341A  ouput  port "
        "FMCP_REFCLK1\r\n"
        "\t\t\tiFMCP_REFCLK2 \t: in\t std_logic_vector (3 downto 0); --XCVR_REF_XXX Si5341A  ouput  port "
        "FMCP_REFCLK2\r\n"
        "\t\t\tiLVDS_REFCLK \t: in\t std_logic_vector (3 downto 0); --LVDS_REF_XXX Si5341A  ouput  port 2\r\n"
        "\r\n"
        // The controller drives the I2C clock (its Verilog port is an output).
        "\t\t\tI2C_CLK \t\t\t: out\tstd_logic;\r\n"
        "\t\t\tI2C_DATA \t\t: inout\tstd_logic;\r\n"
        "\r\n"
        "\t\t\toPLL_I2C_ID_READ_ERROR \t: out\tstd_logic;\r\n"
        "\t\t\toPLL_REG_CONFIG_DONE \t: out\tstd_logic\r\n"
        "\t\t);\r\n"
        "\tend component;\r\n"
        "\r\n"
        "\tbegin\r\n"
        "\r\n"
        "\tsi5341a_controller_start <= not BUTTON(0);\r\n"
        "\r\n"
        "\t----- Configure SI5341A -----\r\n"
        "\r\n"
        "\tSI5341A_OE_n <= '0';\r\n"
        "\tSI5341A_RST_n <= '1';\r\n"
        "\r\n"
        "\tsi5341a_controller : S10_SI5341A_CONFIG port map(\r\n"
        "\t\tiCLK => CLK_50_B3C,\r\n"
        "\t\tiRST_n => '1',\r\n"
        "\t\tiStart => si5341a_controller_start,\r\n"
        "\r\n"
        "\t\tiDDR4B_REFCLK => MEM_REF_166M667, \r\n"
        "\t\tiFMC_REFCLK0 => XCVR_REF_644M53125, \r\n"
        "\t\tiFMC_REFCLK1 => XCVR_REF_644M53125, \r\n"
        "\t\tiFMCP_REFCLK0 => XCVR_REF_322M265625, \r\n"
        "\t\tiFMCP_REFCLK1 => XCVR_REF_644M53125, \r\n"
        "\t\tiFMCP_REFCLK2 => XCVR_REF_644M53125, \r\n"
        "\t\tiLVDS_REFCLK => LVDS_REF_50M, \r\n"
        "\r\n"
        "\t\tI2C_CLK => SI5341A_I2C_SCL,\r\n"
        "\t\tI2C_DATA => SI5341A_I2C_SDA,\r\n"
        "\r\n"
        "\t\toPLL_REG_CONFIG_DONE => si5341a_config_done\r\n"
        "\t);\r\n"
        "\r\n"
        "\r\n"
        "end si5341a_behave;\r\n"
        "\r\n";
    EXPECT_EQ(object.GetVhdlText("quill"), expected);
}

TEST_F(ConfigRennacre, NothingWhenTheSi5341AIsUnusedOrUnticked)
{
    struct Case {
        const char* what;
        uint8_t si5341a, ddr4b, fmc, fmcp;
        bool used;
    };
    const Case cases[] = {
        {"ticked, nothing uses it", 1, 0, 0, 0, false},
        {"unticked, DDR4B and both cards", 0, 1, 40, 42, false},
        {"ticked, FMC card", 1, 0, 47, 0, true},
        {"ticked, FMC+ card", 1, 0, 0, 42, true},
        // A card id read as a negative byte is no card.
        {"ticked, card id 200", 1, 0, 200, 0, false},
    };
    AddResources();
    for (const Case& k : cases) {
        c = QuillomarDefaultRecord();
        c.bSi5341A = k.si5341a;
        c.bDdr4B = k.ddr4b;
        c.nFmcDaughterId[0] = k.fmc;
        c.nFmcDaughterId[1] = k.fmcp;
        c.nFmcRefClkSel[0] = 2;  // off its default
        EXPECT_EQ(object.IsSi5341AUsed(), k.used) << k.what;
        if (k.used) {
            EXPECT_NE(object.GetVerilogText(), "") << k.what;
            continue;
        }
        EXPECT_EQ(object.GetVerilogText(), "") << k.what;
        EXPECT_EQ(object.GetVhdlText("top"), "") << k.what;
        EXPECT_EQ(object.GetQsfText().find("SI5341"), std::string::npos) << k.what;
        EXPECT_TRUE(object.ExportIpFiles(folder.Path())) << k.what;
        EXPECT_FALSE(std::filesystem::exists(folder.Path() + "si5341_controller")) << k.what;
    }
    // Unticked, every choice at its default: not at defaults either.
    c = QuillomarDefaultRecord();
    c.bSi5341A = 0;
    EXPECT_FALSE(object.IsSi5341AAtDefaults());
    EXPECT_EQ(object.GetVerilogText(), "");
}

TEST_F(ConfigRennacre, ExportStopsAtTheFirstFileThatFails)
{
    c.nLvdsRefClkSel = 1;
    // The fourth resource is missing: three files written, the rest not.
    AddResources(3);
    EXPECT_FALSE(object.ExportIpFiles(folder.Path()));
    EXPECT_EQ(ExportedFiles(), (std::vector<std::string>{"S10_SI5341A_CONFIG.v", "si5341a_clk_frq_sel_gen.v",
                                                         "si5341a_freq_prameter_selector.v"}));

    // A controller folder that cannot be made.
    TempFolder other;
    WriteFile(other.Path() + "si5341_controller", "a file in the way");
    AddResources();
    EXPECT_FALSE(object.ExportIpFiles(other.Path()));
    EXPECT_FALSE(object.ExportIpFiles(other.Path() + "missing/"));
    EXPECT_EQ(seam.ErrorTexts(),
              (std::vector<std::string>{
                  "Cannot create folder \"" + other.Path() + "si5341_controller\". Not a directory",
                  "Cannot create folder \"" + other.Path() + "missing/si5341_controller\". No such file or directory"}));
}

}  // namespace config_rennacre_test
