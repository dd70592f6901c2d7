// The configuration objects of Ulverrow and Yarrowgate: their .qsf, Verilog
// and VHDL texts byte for byte, their settings files and the export of the
// clock-controller files by resource name.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "boards/arria10/ConfigUlverrow.h"
#include "boards/arria10/ConfigYarrowgate.h"
#include "tests/boards/Si5340TextCheck.h"
#include "tests/support/SeamRecorder.h"
#include "tests/support/TestFiles.h"

namespace config_ulverrow_yarrowgate_test {

namespace {

using namespace si5340text;

// ---- Ulverrow -----------------------------------------------------------------

std::string UlverrowA(const char* out0, const char* out1, const char* out2, const char* out3)
{
    return "\r\n\r\n" + kVRule + "//  Configure SI5340A \r\n" + kVRule +
           Lines({"`define SI5340A_POWER_DOWN  3'd0", "`define SI5340A_644M53125   3'd1",
                  "`define SI5340A_322M265625  3'd2", "`define SI5340A_312M5       3'd3",
                  "`define SI5340A_250M        3'd4", "`define SI5340A_156M25      3'd5",
                  "`define SI5340A_125M        3'd6", "`define SI5340A_100M        3'd7", "",
                  "wire si5340a_controller_start;", "assign si5340a_controller_start = ~BUTTON[0];", "",
                  "si5340a_controller si5340a_controller(", "    .iCLK(CLK_50_B2J),", "    .iRST_n(CPU_RESET_n),",
                  "    .iStart(si5340a_controller_start),", std::string("    .iPLL_OUT0_FREQ_SEL(`") + out0 + "),//QSFP-A",
                  std::string("    .iPLL_OUT1_FREQ_SEL(`") + out1 + "),//QSFP-B",
                  std::string("    .iPLL_OUT2_FREQ_SEL(`") + out2 + "),//QSFP-C",
                  std::string("    .iPLL_OUT3_FREQ_SEL(`") + out3 + "),//QSFP-D", "    .I2C_CLK(SI5340A_I2C_SCL),",
                  "    .I2C_DATA(SI5340A_I2C_SDA),", "    .oPLL_REG_CONFIG_DONE()", ");", "",
                  "assign SI5340A_OE_n = 1'b0;", "assign SI5340A_RST_n = CPU_RESET_n;", ""});
}

std::string UlverrowB(const std::string& select)
{
    return "\r\n\r\n" + kVRule + "//  Configure SI5340B \r\n" + kVRule +
           Lines({"`define DDR300_QDR275_PCIE100   5'd0",  "`define DDR266_QDR275_PCIE100   5'd1",
                  "`define DDR233_QDR275_PCIE100   5'd2",  "`define DDR200_QDR275_PCIE100   5'd3",
                  "`define DDR150_QDR275_PCIE100   5'd4",  "`define DDR300_QDR250_PCIE100   5'd5",
                  "`define DDR266_QDR250_PCIE100   5'd6",  "`define DDR233_QDR250_PCIE100   5'd7",
                  "`define DDR200_QDR250_PCIE100   5'd8",  "`define DDR150_QDR250_PCIE100   5'd9",
                  "`define DDR300_QDR225_PCIE100   5'd10", "`define DDR266_QDR225_PCIE100   5'd11",
                  "`define DDR233_QDR225_PCIE100   5'd12", "`define DDR200_QDR225_PCIE100   5'd13",
                  "`define DDR150_QDR225_PCIE100   5'd14", "`define DDR300_QDR233_PCIE100   5'd15",
                  "`define DDR266_QDR233_PCIE100   5'd16", "`define DDR233_QDR233_PCIE100   5'd17",
                  "`define DDR200_QDR233_PCIE100   5'd18", "`define DDR150_QDR233_PCIE100   5'd19", "",
                  "wire si5340b_controller_start;", "wire config_done;", "",
                  "assign si5340b_controller_start = ~BUTTON[0];", "", "si5340b_controller si5340b_controller(",
                  "    .iCLK(CLK_50_B2J),", "    .iRST_n(CPU_RESET_n),", "    .iStart(si5340b_controller_start),",
                  "    .iPLL_OUT_FREQ_SEL(`" + select + "),", "    .I2C_CLK(SI5340B_I2C_SCL),",
                  "    .I2C_DATA(SI5340B_I2C_SDA),", "    .oPLL_REG_CONFIG_DONE(config_done)", ");", "",
                  "assign SI5340B_OE_n = 1'b0;", "assign SI5340B_RST_n = CPU_RESET_n;", ""});
}

class ConfigUlverrowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        c.BoardId = 28;
        c.Size = 188;
    }
    SeamRecorder seam;
    TempFolder folder;
    TConfigUlverrow object;
    TConfigUlverrow::ULVERROW_CONFIG& c = object.m_Config;
};

}  // namespace

TEST_F(ConfigUlverrowTest, NoGeneratorInUseNoTextNoFile)
{
    c.bClock = c.bLed = c.bTps40428 = 1;
    EXPECT_EQ(object.GetQsfText(), "");
    EXPECT_EQ(object.GetVerilogText(), "");
    EXPECT_EQ(object.GetVhdlText("top"), "");
    EXPECT_TRUE(object.ExportIpFiles(folder.Path()));
    EXPECT_TRUE(FilesIn(folder.Path()).empty());
}

TEST_F(ConfigUlverrowTest, ThePcieChoiceAloneUsesTheSi5340BAndExportsItsDdr4Files)
{
    c.nSi5340BFreqSel[2] = 1;
    EXPECT_FALSE(object.IsSi5340AUsed());
    EXPECT_TRUE(object.IsSi5340BUsed());
    EXPECT_EQ(object.GetVerilogText(), UlverrowB("DDR266_QDR275_PCIE100"));
    EXPECT_EQ(object.GetQsfText(), Include(Join({kCommonFiles, kBFiles})));

    AddResources(seam, Join({kCommonFiles, kAFiles, kBFiles}), "ddr4_tarrowind_", "ddr4_");
    ASSERT_TRUE(object.ExportIpFiles(folder.Path()));
    const std::string sub = folder.Path() + "si5340_controller/";
    EXPECT_EQ(FilesIn(sub), Sorted(Join({kCommonFiles, kBFiles})));
    EXPECT_EQ(ReadFile(sub + "clock_divider.v"), "// ddr4_tarrowind_clock_divider_verilog\r\n");
    EXPECT_EQ(ReadFile(sub + "si5340b_freq_prameter_selector.v"), "// ddr4_si5340b_freq_prameter_selector_verilog\r\n");
}

TEST_F(ConfigUlverrowTest, Si5340BSelectsTheDefineOfTheDdr4AndQdrChoices)
{
    struct Case {
        int32_t ddr4, qdr;
        const char* name;
    };
    const Case cases[] = {
        {3, 2, "DDR233_QDR233_PCIE100"},  // 233.333 and 233.333 MHz, code 17
        {1, 1, "DDR150_QDR225_PCIE100"},  // 150 and 225 MHz, code 14
        {5, 4, "DDR300_QDR275_PCIE100"},  {2, 3, "DDR200_QDR250_PCIE100"},
        {4, 0, "DDR266_QDR275_PCIE100"},  {0, 3, "DDR266_QDR250_PCIE100"},
        // Out of their lists (a hand-made file): the "Not Use" names.
        {6, 5, "DDR266_QDR275_PCIE100"},  {-1, 0x102, "DDR266_QDR275_PCIE100"},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(TConfigUlverrow::GetSi5340BDefineName(k.ddr4, k.qdr), k.name) << k.ddr4 << " " << k.qdr;
        c.nSi5340BFreqSel[0] = k.ddr4;
        c.nSi5340BFreqSel[1] = k.qdr;
        c.nSi5340BFreqSel[2] = 1;
        EXPECT_EQ(object.GetVerilogText(), UlverrowB(k.name));
    }
}

TEST_F(ConfigUlverrowTest, BothBlocksAndTheTerminationOfEveryTickedGroupInOrder)
{
    c.nSi5340AFreqSel[0] = 7;
    c.nSi5340AFreqSel[2] = 6;
    c.nSi5340BFreqSel[0] = 4;
    c.bDdr4[1] = c.bQdrII[0] = c.bQdrII[3] = c.bPcie = c.bPcieOnBoardClock = c.bQsfp[1] = 1;
    EXPECT_EQ(object.GetVerilogText(),
              UlverrowA("SI5340A_644M53125", "SI5340A_POWER_DOWN", "SI5340A_322M265625", "SI5340A_POWER_DOWN") +
                  UlverrowB("DDR266_QDR275_PCIE100"));
    EXPECT_EQ(
        object.GetQsfText(),
        Termination(
            DiffTermination("DDR4B_REFCLK_p") + DiffTermination("QDRIIA_REFCLK_p") + DiffTermination("QDRIID_REFCLK_p") +
            Lines({"set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION DC_COUPLING_EXTERNAL_RESISTOR -to "
                   "PCIE_REFCLK_p",
                   "set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to PCIE_TX_p",
                   "set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to PCIE_RX_p",
                   "set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION AC_COUPLING -to OB_PCIE_REFCLK_p",
                   "set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION AC_COUPLING -to QSFPB_REFCLK_p",
                   "set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to QSFPB_RX_p",
                   "set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to QSFPB_TX_p"})) +
            Include(Join({kCommonFiles, kAFiles, kBFiles})));

    // The termination lines follow the boxes only: the on-board PCIe clock
    // ticked with its choice at "Not Use", both sockets, no generator.
    TConfigUlverrow other;
    other.m_Config.bPcieOnBoardClock = 1;
    other.m_Config.bDdr4[0] = other.m_Config.bDdr4[1] = 1;
    EXPECT_EQ(other.GetQsfText(),
              Termination(DiffTermination("DDR4A_REFCLK_p") + DiffTermination("DDR4B_REFCLK_p") +
                          "set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION AC_COUPLING -to "
                          "OB_PCIE_REFCLK_p\r\n"));
}

TEST(UlverrowTables, FrequenciesOfEveryChoice)
{
    struct Case {
        double (*lookup)(int32_t);
        std::vector<double> mhz;  // choice 0 upwards, then one past the list
    };
    const Case cases[] = {
        {TConfigUlverrow::Si5340AFreqMHz, {0, 100, 125, 156.25, 250, 312.5, 322.265, 644.53125, 0}},
        {TConfigUlverrow::Ddr4RefClkFreqMHz, {0, 150, 200, 233.333, 266.667, 300, 0}},
        {TConfigUlverrow::QdrRefClkFreqMHz, {0, 225, 233.333, 250, 275, 0}},
        {TConfigUlverrow::PcieRefClkFreqMHz, {0, 100, 0}}};
    for (const Case& k : cases)
        for (size_t choice = 0; choice < k.mhz.size(); ++choice)
            EXPECT_EQ(k.lookup(static_cast<int32_t>(choice)), k.mhz[choice]) << choice;
    EXPECT_EQ(TConfigUlverrow::Ddr4RefClkFreqMHz(-1), 0);
}

TEST_F(ConfigUlverrowTest, SettingsFilesOfExactly188BytesOnly)
{
    for (int i = 0; i < 188; ++i) reinterpret_cast<uint8_t*>(&c)[i] = static_cast<uint8_t>(i * 5 + 1);
    const std::string path = folder.Path() + "u.cfg";
    ASSERT_TRUE(object.SaveToFile(path));
    const std::string bytes = ReadFile(path);
    ASSERT_EQ(bytes.size(), 188u);

    TConfigUlverrow loaded;
    std::memset(&loaded.m_Config, 0xA5, 188);
    const TConfigUlverrow::ULVERROW_CONFIG before = loaded.m_Config;
    // One byte more or less, and a Fallowmere record of 180 bytes, are refused.
    for (const std::string& wrong : {bytes.substr(0, 187), bytes + "x", bytes.substr(0, 180)}) {
        WriteFile(path, wrong);
        EXPECT_FALSE(loaded.LoadFromFile(path)) << wrong.size();
        EXPECT_EQ(std::memcmp(&loaded.m_Config, &before, 188), 0);
    }
    WriteFile(path, bytes);
    ASSERT_TRUE(loaded.LoadFromFile(path));
    EXPECT_EQ(std::memcmp(&loaded.m_Config, &c, 188), 0);
    EXPECT_TRUE(seam.boxes.empty());
}

TEST_F(ConfigUlverrowTest, ExportStopsAtTheFirstMissingFile)
{
    c.nSi5340AFreqSel[3] = 1;
    AddResources(seam, Join({kCommonFiles, kAFiles, kBFiles}), "ddr4_tarrowind_", "ddr4_");
    seam.resources.erase("ddr4_si5340a_controller_verilog");
    EXPECT_FALSE(object.ExportIpFiles(folder.Path()));
    EXPECT_EQ(FilesIn(folder.Path() + "si5340_controller/"), Sorted(Join({kCommonFiles, {"si5340a_clk_frq_sel_gen.v"}})));
}

// ---- Yarrowgate ---------------------------------------------------------------

namespace {

const std::string kSchemeBlock = kRule + "# Configuration scheme/pin                                   \r\n" + kRule +
                                 "set_global_assignment -name RESERVE_DATA0_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n" +
                                 "set_global_assignment -name STRATIXV_CONFIGURATION_SCHEME \"ACTIVE SERIAL X4\"\r\n" +
                                 "\r\n";

std::string TxcInclude(bool a, bool b)
{
    std::string text = "\r\n" + kRule + "# Includes TXC Controller Files\r\n" + kRule;
    if (a)
        text += Lines({"set_global_assignment -name VERILOG_FILE txc_controller/I2C_TXCA.v",
                       "set_global_assignment -name VERILOG_FILE txc_controller/I2C_TXCA_Config.v",
                       "set_global_assignment -name VERILOG_FILE txc_controller/I2C_TXCA_Controller.v"});
    if (b)
        text += Lines({"set_global_assignment -name VERILOG_FILE txc_controller/I2C_TXCB.v",
                       "set_global_assignment -name VERILOG_FILE txc_controller/I2C_TXCB_Config.v",
                       "set_global_assignment -name VERILOG_FILE txc_controller/I2C_TXCB_Controller.v"});
    return text + "\r\n";
}

const std::string kTxcDefines = "\r\n\r\n" + kVRule + "//  Configure TXC Clock Generator \r\n" + kVRule + "\r\n" +
                                "`define TXC_100M\t\t\t\t4'h0\r\n" + "`define TXC_125M\t\t\t\t4'h1\r\n" +
                                "`define TXC_135M\t\t\t\t4'h2\r\n" + "`define TXC_148M5\t\t\t\t4'h3\r\n" +
                                "`define TXC_150M\t\t\t\t4'h4\r\n" + "`define TXC_270M\t\t\t\t4'h5\r\n" +
                                "`define TXC_297M\t\t\t\t4'h6\r\n" + "`define TXC_TXC_300M\t\t4'h7\r\n" +
                                "`define TXC_TXC_600M\t\t4'h8\r\n" + "`define TXC_644M53125\t\t4'h9\r\n";

std::string TxcAInstance(const std::string& hdmi, const std::string& sfp)
{
    return "\r\n// Configure TXC A\r\nwire i2c_done_a;\r\nI2C_TXCA HDMI_SFP_CLK_Config(\r\n\t.iCLK(CLK_50_B3H),\r\n"
           "\t.iRST_N(KEY[0]),\r\n\t.iFREQ_SELECTA({`" +
           hdmi + ",`" + sfp +
           "}), //[7:4]=HDMI,[3:0]=SFP\r\n\t// XTC I2C Interface\r\n\t.CLOCK_SCL(REFCLK0_SCL),\r\n"
           "\t.CLOCK_SDA(REFCLK0_SDA),\r\n\t.I2C_DONE(i2c_done_a)\r\n);\r\n";
}

std::string TxcBInstance(const std::string& fmc, const std::string& dp, const std::string& usb)
{
    return "\r\n// Configure TXC B\r\nwire i2c_done_b;\r\nI2C_TXCB FMC_DP_USB_CLK_Config(\r\n\t.iCLK(CLK_50_B3H),\r\n"
           "\t.iRST_N(KEY[0]),\r\n\t.iFREQ_SELECTB({`" +
           fmc + ",`" + dp + ",`" + usb +
           "}), //[11:8]=FMC,[7:4]=DP,[3:0]=USB\r\n\t// XTC I2C Interface\r\n\t.CLOCK_SCL(REFCLK1_SCL),\r\n"
           "\t.CLOCK_SDA(REFCLK1_SDA),\r\n\t.I2C_DONE(i2c_done_b)\r\n);\r\n";
}

void AddYarrowgateResources(SeamRecorder& seam)
{
    for (const char* file : {"I2C_TXCA", "I2C_TXCA_CONFIG", "I2C_TXCA_CONTROLLER", "I2C_TXCB", "I2C_TXCB_CONFIG",
                             "I2C_TXCB_CONTROLLER"}) {
        const std::string name = std::string("YARROWGATE_") + file + "_VERILOG";
        seam.AddResource(name, "// " + name + "\r\n");
    }
}

class ConfigYarrowgateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        c.BoardId = 36;
        c.Size = 448;
        const float defaults[5] = {148.5f, 644.53125f, 125.0f, 270.0f, 644.53125f};
        std::memcpy(c.fTxcRefClkMHz, defaults, sizeof defaults);
    }
    SeamRecorder seam;
    TempFolder folder;
    TConfigYarrowgate object;
    TConfigYarrowgate::YARROWGATE_CONFIG& c = object.m_Config;
};

}  // namespace

TEST_F(ConfigYarrowgateTest, WithoutTheReconfigurationBoxTheDefaultsHoldWhateverIsStored)
{
    const float stored[5] = {300, 600, 100, 135, 150};
    std::memcpy(c.fTxcRefClkMHz, stored, sizeof stored);
    EXPECT_FALSE(object.IsTxcAReconfigured());
    EXPECT_FALSE(object.IsTxcBReconfigured());
    const float defaults[5] = {148.5f, 644.53125f, 125.0f, 270.0f, 644.53125f};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(object.GetTxcRefClkMHz(i), defaults[i]) << i;
    EXPECT_EQ(object.GetQsfText(), kSchemeBlock);
    EXPECT_EQ(object.GetVerilogText(), "");
    EXPECT_EQ(object.GetVhdlText("top"), "");
    EXPECT_TRUE(object.ExportIpFiles(folder.Path()));
    EXPECT_TRUE(FilesIn(folder.Path()).empty());

    // Ticked with every frequency at its default: still nothing to program.
    c.bXcvrRefClk = 1;
    std::memcpy(c.fTxcRefClkMHz, defaults, sizeof defaults);
    EXPECT_EQ(object.GetQsfText(), kSchemeBlock);
    EXPECT_EQ(object.GetVerilogText(), "");
    c.fTxcRefClkMHz[TXC_DP] = 297;
    EXPECT_EQ(object.GetTxcRefClkMHz(TXC_DP), 297.0f);
}

TEST_F(ConfigYarrowgateTest, OnlyTheUsbClockChangedProgramsTxcB)
{
    c.bXcvrRefClk = 1;
    c.fTxcRefClkMHz[TXC_USB] = 100;
    EXPECT_FALSE(object.IsTxcAReconfigured());
    EXPECT_TRUE(object.IsTxcBReconfigured());
    EXPECT_EQ(object.GetVerilogText(), kTxcDefines + TxcBInstance("TXC_125M", "TXC_270M", "TXC_100M"));
    EXPECT_EQ(object.GetQsfText(), kSchemeBlock + TxcInclude(false, true));

    AddYarrowgateResources(seam);
    ASSERT_TRUE(object.ExportIpFiles(folder.Path()));
    EXPECT_EQ(FilesIn(folder.Path()), std::vector<std::string>{"txc_controller"});
    EXPECT_EQ(FilesIn(folder.Path() + "txc_controller/"),
              (std::vector<std::string>{"I2C_TXCB.v", "I2C_TXCB_Config.v", "I2C_TXCB_Controller.v"}));
    EXPECT_EQ(ReadFile(folder.Path() + "txc_controller/I2C_TXCB_Config.v"), "// YARROWGATE_I2C_TXCB_CONFIG_VERILOG\r\n");
}

TEST_F(ConfigYarrowgateTest, FrequenciesWithLongNamesAndFrequenciesOutsideTheChoices)
{
    c.bXcvrRefClk = 1;
    c.fTxcRefClkMHz[TXC_HDMI] = 300;
    c.fTxcRefClkMHz[TXC_SFP] = 600;
    EXPECT_EQ(object.GetVerilogText(), kTxcDefines + TxcAInstance("TXC_TXC_300M", "TXC_TXC_600M"));
    EXPECT_EQ(object.GetQsfText(), kSchemeBlock + TxcInclude(true, false));

    // A frequency none of the choices has (an edited file) is a change from
    // the default, written as code 0.
    c.fTxcRefClkMHz[TXC_HDMI] = 148.5f;
    c.fTxcRefClkMHz[TXC_SFP] = 644.53125f;
    c.fTxcRefClkMHz[TXC_FMC] = 123.4f;
    c.fTxcRefClkMHz[TXC_DP] = std::nanf("");
    EXPECT_FALSE(object.IsTxcAReconfigured());
    EXPECT_TRUE(object.IsTxcBReconfigured());
    EXPECT_EQ(object.GetVerilogText(), kTxcDefines + TxcBInstance("TXC_100M", "TXC_100M", "TXC_644M53125"));
    for (float mhz : {99.9f, 644.5f, 0.0f, -1.0f}) EXPECT_EQ(TConfigYarrowgate::GetTxcChoiceIndex(mhz), 0) << mhz;
    EXPECT_EQ(TConfigYarrowgate::GetTxcChoiceIndex(644.53125f), 9);
    EXPECT_EQ(TConfigYarrowgate::GetTxcChoiceIndex(148.5f), 3);
}

TEST_F(ConfigYarrowgateTest, VhdlArchitectureWithBothGenerators)
{
    c.bXcvrRefClk = 1;
    c.fTxcRefClkMHz[TXC_HDMI] = 297;
    c.fTxcRefClkMHz[TXC_SFP] = 125;
    c.fTxcRefClkMHz[TXC_FMC] = 150;
    c.fTxcRefClkMHz[TXC_DP] = 135;
    const std::string component =
        "\t\tport (\r\n"
        "\t\t\tiCLK \t\t\t\t: in\tstd_logic;\r\n"
        "\t\t\tiRST_N \t\t\t: in\tstd_logic;\r\n"
        "\r\n";
    const std::string componentEnd =
        "\r\n"
        "\t\t\tCLOCK_SCL \t   \t: inout\tstd_logic;\r\n"
        "\t\t\tCLOCK_SDA \t\t: inout\tstd_logic;\r\n"
        "\t\t\tI2C_DONE \t\t    : out\tstd_logic\r\n"
        "\t\t);\r\n"
        "\tend component;\r\n"
        "\r\n";
    const std::string expected =
        "\r\n\r\n"
        "---------------------------------------------------------\r\n"
        "--  Configure TXC Clock Generator \r\n"
        "---------------------------------------------------------\r\n"
        "\r\n"
        "architecture txc_behave of my_top is\r\n"
        "\r\n"
        "\tconstant  TXC_100M: std_logic_vector (3 downto 0) := \"0000\";\r\n"
        "\tconstant  TXC_125M: std_logic_vector (3 downto 0) := \"0001\";\r\n"
        "\tconstant  TXC_135M: std_logic_vector (3 downto 0) := \"0010\";\r\n"
        "\tconstant  TXC_148M5: std_logic_vector (3 downto 0) := \"0011\";\r\n"
        "\tconstant  TXC_150M: std_logic_vector (3 downto 0) := \"0100\";\r\n"
        "\tconstant  TXC_270M: std_logic_vector (3 downto 0) := \"0101\";\r\n"
        "\tconstant  TXC_297M: std_logic_vector (3 downto 0) := \"0110\";\r\n"
        "\tconstant  TXC_TXC_300M: std_logic_vector (3 downto 0) := \"0111\";\r\n"
        "\tconstant  TXC_TXC_600M: std_logic_vector (3 downto 0) := \"1000\";\r\n"
        "\tconstant  TXC_644M53125: std_logic_vector (3 downto 0) := \"1001\";\r\n"
        "\r\n"
        "\tsignal  i2c_done_a\t: std_logic :='0';\r\n"
        "\tcomponent I2C_TXCA\r\n" +
        component + "\t\t\tiFREQ_SELECTA \t: in\t std_logic_vector (7 downto 0); --[7:4]=HDMI,[3:0]=SFP\r\n" +
        componentEnd +
        "\r\n"
        "\tsignal  i2c_done_b\t: std_logic :='0';\r\n"
        "\tcomponent I2C_TXCB\r\n" +
        component +
        "\t\t\tiFREQ_SELECTB \t: in\t std_logic_vector (11 downto 0); --[11:8]=FMC,[7:4]=DP,[3:0]=USB\r\n" +
        componentEnd +
        "\tbegin ----------\r\n"
        "\tHDMI_SFP_CLK_Config : I2C_TXCA port map(\r\n"
        "\t\tiCLK => CLK_50_B3H,\r\n"
        "\t\tiRST_N => KEY(0),\r\n"
        "\r\n"
        "\t\tiFREQ_SELECTA => TXC_297M & TXC_125M,--[7:4]=HDMI,[3:0]=SFP\r\n"
        "\t\t----- XTC I2C Interface -----\r\n"
        "\t\tCLOCK_SCL => REFCLK0_SCL,\r\n"
        "\t\tCLOCK_SDA => REFCLK0_SDA,\r\n"
        "\t\tI2C_DONE => i2c_done_a\r\n"
        "\t);\r\n"
        "\tFMC_DP_USB_CLK_Config : I2C_TXCB port map(\r\n"
        "\t\tiCLK => CLK_50_B3H,\r\n"
        "\t\tiRST_N => KEY(0),\r\n"
        "\r\n"
        "\t\tiFREQ_SELECTB => TXC_150M & TXC_135M & TXC_644M53125, --[11:8]=FMC,[7:4]=DP,[3:0]=USB\r\n"
        "\t\t----- XTC I2C Interface -----\r\n"
        "\t\tCLOCK_SCL => REFCLK1_SCL,\r\n"
        "\t\tCLOCK_SDA => REFCLK1_SDA,\r\n"
        "\t\tI2C_DONE => i2c_done_b\r\n"
        "\t);\r\n"
        "\r\n"
        "end txc_behave;\r\n"
        "\r\n";
    EXPECT_EQ(object.GetVhdlText("my_top"), expected);
    EXPECT_EQ(object.GetVerilogText(),
              kTxcDefines + TxcAInstance("TXC_297M", "TXC_125M") +
                  TxcBInstance("TXC_150M", "TXC_135M", "TXC_644M53125"));
    EXPECT_EQ(object.GetQsfText(), kSchemeBlock + TxcInclude(true, true));

    // Only TXC A: one component, one port map.
    c.fTxcRefClkMHz[TXC_FMC] = 125;
    c.fTxcRefClkMHz[TXC_DP] = 270;
    const std::string onlyA = object.GetVhdlText("my_top");
    EXPECT_NE(onlyA.find("\tcomponent I2C_TXCA\r\n"), std::string::npos);
    EXPECT_EQ(onlyA.find("I2C_TXCB"), std::string::npos);
    EXPECT_NE(onlyA.find("\tbegin ----------\r\n\tHDMI_SFP_CLK_Config : I2C_TXCA port map(\r\n"), std::string::npos);
}

TEST_F(ConfigYarrowgateTest, SettingsFilesOfExactly448BytesOnly)
{
    const std::string path = folder.Path() + "y.cfg";
    for (size_t size : {447u, 449u, 0u}) {
        WriteFile(path, std::string(size, '\x03'));
        EXPECT_FALSE(object.LoadFromFile(path)) << size;
        EXPECT_EQ(c.Size, 448);
    }
    EXPECT_FALSE(object.LoadFromFile(folder.Path() + "missing.cfg"));
    std::string other(448, '\x07');
    other[0] = 40;  // another board's record of this size is taken as it is
    WriteFile(path, other);
    ASSERT_TRUE(object.LoadFromFile(path));
    EXPECT_EQ(c.BoardId, 40);
    ASSERT_TRUE(object.SaveToFile(path));
    EXPECT_EQ(ReadFile(path), other);
    EXPECT_TRUE(seam.boxes.empty());
    EXPECT_FALSE(object.SaveToFile(folder.Path() + "no/folder/y.cfg"));
    EXPECT_EQ(seam.ErrorTexts(),
              (std::vector<std::string>{"Cannot create file \"" + folder.Path() +
                                            "no/folder/y.cfg\". No such file or directory",
                                        "Failed to create file."}));
}

TEST_F(ConfigYarrowgateTest, ExportStopsAtTheFirstFileItCannotWrite)
{
    c.bXcvrRefClk = 1;
    c.fTxcRefClkMHz[TXC_SFP] = 100;
    c.fTxcRefClkMHz[TXC_FMC] = 100;
    AddYarrowgateResources(seam);
    seam.resources.erase("YARROWGATE_I2C_TXCA_CONFIG_VERILOG");
    EXPECT_FALSE(object.ExportIpFiles(folder.Path()));
    EXPECT_EQ(FilesIn(folder.Path() + "txc_controller/"), std::vector<std::string>{"I2C_TXCA.v"});
    // A sub-folder that cannot be made.
    WriteFile(folder.Path() + "blocked", "");
    EXPECT_FALSE(object.ExportIpFiles(folder.Path() + "blocked/"));
}

}  // namespace config_ulverrow_yarrowgate_test
