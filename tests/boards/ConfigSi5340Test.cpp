// The configuration objects of the Si5340 boards Tarrowind, Fallowmere and
// Garvelow: their .qsf and Verilog texts byte for byte, their settings files
// and the export of the clock-controller files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "boards/arria10/ConfigFallowmere.h"
#include "boards/arria10/ConfigGarvelow.h"
#include "boards/arria10/ConfigTarrowind.h"
#include "tests/boards/Si5340TextCheck.h"
#include "tests/support/SeamRecorder.h"
#include "tests/support/TestFiles.h"

namespace config_si5340_test {

namespace {

using namespace si5340text;

const std::string kSi5340ADefines = Lines({"`define SI5340A_POWER_DOWN  3'h0", "`define SI5340A_644M53125   3'h1",
                                           "`define SI5340A_322M265625  3'h2", "`define SI5340A_312M5       3'h3",
                                           "`define SI5340A_250M        3'h4", "`define SI5340A_156M25      3'h5",
                                           "`define SI5340A_125M        3'h6", "`define SI5340A_100M        3'h7"});

std::string Selects(const char* a, const char* b, const char* c, const char* d)
{
    return Lines({std::string("    .iPLL_OUT0_FREQ_SEL(`") + a + "),//QSFP-A",
                  std::string("    .iPLL_OUT1_FREQ_SEL(`") + b + "),//QSFP-B",
                  std::string("    .iPLL_OUT2_FREQ_SEL(`") + c + "),//QSFP-C",
                  std::string("    .iPLL_OUT3_FREQ_SEL(`") + d + "),//QSFP-D"});
}

std::string TarrowindA(const std::string& selects)
{
    return "\r\n\r\n" + kVRule + "//  Configure SI5340A \r\n" + kVRule + kSi5340ADefines +
           Lines({"", "wire si5340a_controller_start;", "assign si5340a_controller_start = ~BUTTON[0];", "",
                  "si5340a_controller si5340a_controller(", "    .iCLK(CLK_50_B2J),", "    .iRST_n(CPU_RESET_n),",
                  "    .iStart(si5340a_controller_start),"}) +
           selects +
           Lines({"    .I2C_CLK(SI5340A_I2C_SCL),", "    .I2C_DATA(SI5340A_I2C_SDA),", "    .oPLL_REG_CONFIG_DONE()",
                  ");", "", "assign SI5340A_OE_n = 1'b0;", "assign SI5340A_RST_n = CPU_RESET_n;", ""});
}

std::string TarrowindB(const std::string& define)
{
    return "\r\n\r\n" + kVRule + "//  Configure SI5340B \r\n" + kVRule +
           Lines({"`define DDR266_QDR275_PCIE100   4'h0", "`define DDR233_QDR275_PCIE100   4'h1",
                  "`define DDR200_QDR275_PCIE100   4'h2", "`define DDR266_QDR250_PCIE100   4'h3",
                  "`define DDR233_QDR250_PCIE100   4'h4", "`define DDR200_QDR250_PCIE100   4'h5",
                  "`define DDR266_QDR225_PCIE100   4'h6", "`define DDR233_QDR225_PCIE100   4'h7",
                  "`define DDR200_QDR225_PCIE100   4'h8", "`define DDR266_QDR233_PCIE100   4'h9",
                  "`define DDR233_QDR233_PCIE100   4'hA", "`define DDR200_QDR233_PCIE100   4'hB", "",
                  "wire si5340b_controller_start;", "wire config_done;", "",
                  "assign si5340b_controller_start = ~BUTTON[0];", "", "si5340b_controller si5340b_controller(",
                  "    .iCLK(CLK_50_B2J),", "    .iRST_n(CPU_RESET_n),", "    .iStart(si5340b_controller_start),",
                  "    .iPLL_OUT_FREQ_SEL(`" + define + "),", "    .I2C_CLK(SI5340B_I2C_SCL),",
                  "    .I2C_DATA(SI5340B_I2C_SDA),", "    .oPLL_REG_CONFIG_DONE(config_done)", ");", "",
                  "assign SI5340B_OE_n = 1'b0;", "assign SI5340B_RST_n = CPU_RESET_n;", ""});
}

std::string PairA(const std::string& selects)
{
    return "\r\n\r\n" + kVRule + "//  Configure SI5340A \r\n" + kVRule + kSi5340ADefines +
           Lines({"", "wire si5340a_controller_start;", "wire si5340a_config_done;", "",
                  "assign si5340a_controller_start = ~BUTTON[0];", "", "si5340a_controller si5340a_controller(",
                  "    .iCLK(CLK_50_B2F),", "    .iRST_n(CPU_RESET_n),", "    .iStart(si5340a_controller_start),"}) +
           selects +
           Lines({"    .I2C_CLK(SI5340A_I2C_SCL),", "    .I2C_DATA(SI5340A_I2C_SDA),",
                  "    .oPLL_REG_CONFIG_DONE(si5340a_config_done)", ");", "", "assign SI5340A_OE_n = 1'b0;",
                  "assign SI5340A_RST_n = CPU_RESET_n;", ""});
}

std::string PairB(const std::string& define)
{
    return "\r\n\r\n" + kVRule + "//  Configure SI5340B \r\n" + kVRule +
           Lines({"`define REFCLK_QDR275   4'h0", "`define REFCLK_QDR250   4'h1", "`define REFCLK_QDR225   4'h2", "",
                  "wire si5340b_controller_start;", "wire si5340b_config_done;", "",
                  "assign si5340b_controller_start = ~BUTTON[0];", "", "si5340b_controller si5340b_controller(",
                  "    .iCLK(CLK_50_B2F),", "    .iRST_n(CPU_RESET_n),", "    .iStart(si5340b_controller_start),",
                  "    .iPLL_OUT_FREQ_SEL(`" + define + "),", "    .I2C_CLK(SI5340B_I2C_SCL),",
                  "    .I2C_DATA(SI5340B_I2C_SDA),", "    .oPLL_REG_CONFIG_DONE(si5340b_config_done)", ");", "",
                  "assign SI5340B_OE_n = 1'b0;", "assign SI5340B_RST_n = CPU_RESET_n;", ""});
}

class ConfigTarrowindTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        c.BoardId = 27;
        c.Size = 188;
    }
    SeamRecorder seam;
    TempFolder folder;
    TConfigTarrowind object;
    TConfigTarrowind::TARROWIND_CONFIG& c = object.m_Config;
};

}  // namespace

TEST_F(ConfigTarrowindTest, NothingIsWrittenWhileNoGeneratorIsInUse)
{
    c.bCLOCK = c.bLED = c.bKEY = c.bRS422 = 1;
    EXPECT_EQ(object.GetQsfText(), "");
    EXPECT_EQ(object.GetVerilogText(), "");
    EXPECT_EQ(object.GetVhdlText("top"), "");
    EXPECT_TRUE(object.ExportIpFiles(folder.Path()));
    EXPECT_TRUE(FilesIn(folder.Path()).empty());
}

TEST_F(ConfigTarrowindTest, ThePcieChoiceAloneUsesTheSi5340BAtItsHighestFrequencies)
{
    c.nSi5340BFreq[2] = 1;
    EXPECT_FALSE(object.IsSi5340AUsed());
    EXPECT_TRUE(object.IsSi5340BUsed());
    EXPECT_EQ(object.GetVerilogText(), TarrowindB("DDR266_QDR275_PCIE100"));
    EXPECT_EQ(object.GetQsfText(),
              Include({"clock_divider.v", "edge_detector.v", "i2c_bus_controller.v", "initial_config.v",
                       "si5340b_clk_frq_sel_gen.v", "si5340b_controller.v", "si5340b_freq_prameter_selector.v",
                       "si5340b_i2c_reg_controller.v"}));

    AddResources(seam, Join({kCommonFiles, kAFiles, kBFiles}), "tarrowind_", "");
    ASSERT_TRUE(object.ExportIpFiles(folder.Path()));
    const std::string sub = folder.Path() + "si5340_controller/";
    EXPECT_EQ(FilesIn(sub), Sorted(Join({kCommonFiles, kBFiles})));
    EXPECT_EQ(ReadFile(sub + "clock_divider.v"), "// tarrowind_clock_divider_verilog\r\n");
    EXPECT_EQ(ReadFile(sub + "si5340b_controller.v"), "// si5340b_controller_verilog\r\n");
    // A second export replaces every file.
    seam.AddResource("si5340b_controller_verilog", "// second\r\n");
    ASSERT_TRUE(object.ExportIpFiles(folder.Path()));
    EXPECT_EQ(ReadFile(sub + "si5340b_controller.v"), "// second\r\n");
}

TEST_F(ConfigTarrowindTest, Si5340ASelectLinesNameEachOutputsChoice)
{
    c.nSi5340AFreq[0] = 7;
    EXPECT_EQ(object.GetVerilogText(),
              TarrowindA(Selects("SI5340A_644M53125", "SI5340A_POWER_DOWN", "SI5340A_POWER_DOWN", "SI5340A_POWER_DOWN")));
    const int32_t choices[4] = {1, 3, 5, 6};
    for (int i = 0; i < 4; ++i) c.nSi5340AFreq[i] = choices[i];
    EXPECT_EQ(object.GetSi5340AVerilog(),
              TarrowindA(Selects("SI5340A_100M", "SI5340A_156M25", "SI5340A_312M5", "SI5340A_322M265625")));
}

TEST_F(ConfigTarrowindTest, Si5340BDefineNameFollowsTheDdr3AndQdrChoices)
{
    struct Case {
        int32_t ddr3, qdr;
        const char* name;
    };
    const Case cases[] = {{2, 3, "DDR233_QDR250_PCIE100"}, {1, 1, "DDR200_QDR225_PCIE100"},
                          {3, 4, "DDR266_QDR275_PCIE100"}, {0, 2, "DDR266_QDR233_PCIE100"},
                          {2, 2, "DDR233_QDR233_PCIE100"}, {1, 0, "DDR200_QDR275_PCIE100"},
                          // Out of their lists: the chip's highest frequencies.
                          {9, 260, "DDR266_QDR275_PCIE100"}};
    for (const Case& k : cases)
        EXPECT_EQ(TConfigTarrowind::GetSi5340BDefineName(k.ddr3, k.qdr), k.name) << k.ddr3 << " " << k.qdr;
    c.nSi5340BFreq[0] = 2;
    c.nSi5340BFreq[1] = 3;
    EXPECT_EQ(object.GetVerilogText(), TarrowindB("DDR233_QDR250_PCIE100"));
}

TEST_F(ConfigTarrowindTest, BothBlocksInOrderAndTheTerminationOfEveryTickedGroup)
{
    c.nSi5340AFreq[1] = 2;
    c.nSi5340BFreq[0] = 1;
    c.bDDR3A = c.bDDR3B = c.bQDRIIB = c.bQDRIID = c.bPCIE = c.bPcieRefClock = c.bQSFPA = c.bQSFPC = 1;
    EXPECT_EQ(object.GetVerilogText(),
              TarrowindA(Selects("SI5340A_POWER_DOWN", "SI5340A_125M", "SI5340A_POWER_DOWN", "SI5340A_POWER_DOWN")) +
                  TarrowindB("DDR200_QDR275_PCIE100"));
    const std::string termination =
        Termination(DiffTermination("DDR3A_REFCLK_p") + DiffTermination("DDR3B_REFCLK_p") +
                    DiffTermination("QDRIIB_REFCLK_p") + DiffTermination("QDRIID_REFCLK_p") + PcieLines("PCIE") +
                    "set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION AC_COUPLING -to OB_PCIE_REFCLK_p\r\n" +
                    QsfpLines('A') + QsfpLines('C'));
    EXPECT_EQ(object.GetQsfText(),
              termination + Include({"clock_divider.v", "edge_detector.v", "i2c_bus_controller.v",
                                     "initial_config.v", "si5340a_clk_frq_sel_gen.v", "si5340a_controller.v",
                                     "si5340a_freq_prameter_selector.v", "si5340a_i2c_reg_controller.v",
                                     "si5340b_clk_frq_sel_gen.v", "si5340b_controller.v",
                                     "si5340b_freq_prameter_selector.v", "si5340b_i2c_reg_controller.v"}));
}

TEST_F(ConfigTarrowindTest, ChoicesOutsideTheirListsCountAsNotUse)
{
    // A hand-made file: no empty define name, no table read past its end.
    c.nSi5340AFreq[0] = 8;
    c.nSi5340AFreq[3] = 0x100;
    c.nSi5340BFreq[0] = 4;
    c.nSi5340BFreq[1] = -1;
    c.nSi5340BFreq[2] = 2;
    EXPECT_FALSE(object.IsSi5340AUsed());
    EXPECT_FALSE(object.IsSi5340BUsed());
    EXPECT_EQ(object.GetVerilogText(), "");
    c.nSi5340AFreq[2] = 4;
    EXPECT_EQ(object.GetVerilogText(),
              TarrowindA(Selects("SI5340A_POWER_DOWN", "SI5340A_POWER_DOWN", "SI5340A_250M", "SI5340A_POWER_DOWN")));
}

TEST(TarrowindTables, FrequenciesAsTheFormShowsThem)
{
    struct Case {
        double (*lookup)(int32_t);
        std::vector<double> mhz;  // choice 0 upwards
    };
    const Case cases[] = {{TarrowindSi5340AFreqMHz, {0, 100, 125, 156.25, 250, 312.5, 322.265, 644.53125, 0}},
                          {TarrowindDdr3RefClkMHz, {0, 200, 233.333, 266.667, 0}},
                          {TarrowindQdrRefClkMHz, {0, 225, 233.333, 250, 275, 0}},
                          {TarrowindPcieRefClkMHz, {0, 100, 0}}};
    for (const Case& k : cases)
        for (size_t choice = 0; choice < k.mhz.size(); ++choice)
            EXPECT_EQ(k.lookup(static_cast<int32_t>(choice)), k.mhz[choice]) << choice;
    EXPECT_EQ(TarrowindQdrRefClkMHz(-3), 0);
    EXPECT_EQ(TarrowindSi5340AFreqMHz(0x107), 0);
}

TEST_F(ConfigTarrowindTest, SettingsFilesOfExactly188BytesOnly)
{
    for (int i = 0; i < 188; ++i) reinterpret_cast<uint8_t*>(&c)[i] = static_cast<uint8_t>(i * 7);
    const std::string path = folder.Path() + "t.cfg";
    ASSERT_TRUE(object.SaveToFile(path));
    const std::string bytes = ReadFile(path);
    ASSERT_EQ(bytes.size(), 188u);

    TConfigTarrowind loaded;
    std::memset(&loaded.m_Config, 0xEE, 188);
    const TConfigTarrowind::TARROWIND_CONFIG before = loaded.m_Config;
    for (const std::string& wrong : {bytes.substr(0, 187), bytes + "x", std::string()}) {
        WriteFile(path, wrong);
        EXPECT_FALSE(loaded.LoadFromFile(path)) << wrong.size();
        EXPECT_EQ(std::memcmp(&loaded.m_Config, &before, 188), 0);
    }
    EXPECT_FALSE(loaded.LoadFromFile(folder.Path() + "missing.cfg"));
    // Another board's 188-byte record is taken as it is.
    WriteFile(path, bytes);
    ASSERT_TRUE(loaded.LoadFromFile(path));
    EXPECT_EQ(std::memcmp(&loaded.m_Config, &c, 188), 0);
    EXPECT_TRUE(seam.boxes.empty());

    EXPECT_FALSE(object.SaveToFile(folder.Path() + "no/such/folder/t.cfg"));
    EXPECT_EQ(seam.ErrorTexts(),
              (std::vector<std::string>{"Cannot create file \"" + folder.Path() +
                                            "no/such/folder/t.cfg\". No such file or directory",
                                        "Failed to create file."}));
}

TEST_F(ConfigTarrowindTest, ExportStopsAtTheFirstFileThatCannotBeWritten)
{
    c.nSi5340AFreq[0] = 1;
    c.nSi5340BFreq[1] = 1;
    // Every resource but the second Si5340A file.
    AddResources(seam, Join({kCommonFiles, kAFiles, kBFiles}), "tarrowind_", "");
    seam.resources.erase("si5340a_controller_verilog");
    EXPECT_FALSE(object.ExportIpFiles(folder.Path()));
    EXPECT_EQ(FilesIn(folder.Path() + "si5340_controller/"),
              Sorted(Join({kCommonFiles, {"si5340a_clk_frq_sel_gen.v"}})));

    // A sub-folder that cannot be made: nothing is written.
    WriteFile(folder.Path() + "blocked", "");
    EXPECT_FALSE(object.ExportIpFiles(folder.Path() + "blocked/"));
}

// ---- Fallowmere and Garvelow ------------------------------------------------

template <class T>
class ConfigPairTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        c.BoardId = std::is_same_v<T, TConfigGarvelow> ? 34 : 33;
        c.Size = 180;
    }
    SeamRecorder seam;
    TempFolder folder;
    T object;
    typename T::FALLOWMERE_CONFIG& c = object.m_Config;
};
using PairTypes = ::testing::Types<TConfigFallowmere, TConfigGarvelow>;
TYPED_TEST_SUITE(ConfigPairTest, PairTypes);

TYPED_TEST(ConfigPairTest, NoGeneratorNoTextNoFile)
{
    this->c.bClock = this->c.bLed = 1;
    EXPECT_EQ(this->object.GetVerilogText(), "");
    EXPECT_EQ(this->object.GetQsfText(), "");
    EXPECT_EQ(this->object.GetVhdlText("x"), "");
    EXPECT_TRUE(this->object.ExportIpFiles(this->folder.Path()));
    EXPECT_TRUE(FilesIn(this->folder.Path()).empty());
}

TYPED_TEST(ConfigPairTest, QsfpAAt156MHzAloneWritesTheSi5340AFiles)
{
    this->c.nSi5340AFreqSel[0] = 3;
    EXPECT_EQ(this->object.GetVerilogText(),
              PairA(Selects("SI5340A_156M25", "SI5340A_POWER_DOWN", "SI5340A_POWER_DOWN", "SI5340A_POWER_DOWN")));
    EXPECT_EQ(this->object.GetQsfText(),
              Include({"clock_divider.v", "edge_detector.v", "i2c_bus_controller.v", "initial_config.v",
                       "si5340a_clk_frq_sel_gen.v", "si5340a_controller.v", "si5340a_freq_prameter_selector.v",
                       "si5340a_i2c_reg_controller.v"}));
    // Both boards export the same resources.
    AddResources(this->seam, Join({kCommonFiles, kAFiles, kBFiles}), "fallowmere_", "fallowmere_");
    ASSERT_TRUE(this->object.ExportIpFiles(this->folder.Path()));
    const std::string sub = this->folder.Path() + "si5340_controller/";
    EXPECT_EQ(FilesIn(sub), Sorted(Join({kCommonFiles, kAFiles})));
    EXPECT_EQ(ReadFile(sub + "si5340a_i2c_reg_controller.v"), "// fallowmere_si5340a_i2c_reg_controller_verilog\r\n");
    EXPECT_EQ(ReadFile(sub + "initial_config.v"), "// fallowmere_initial_config_verilog\r\n");
}

TYPED_TEST(ConfigPairTest, TheSi5340BAloneNamesItsQdrClock)
{
    const struct {
        int32_t choice;
        const char* name;
    } cases[] = {{1, "REFCLK_QDR225"}, {2, "REFCLK_QDR250"}, {3, "REFCLK_QDR275"}};
    for (const auto& k : cases) {
        this->c.nSi5340BFreqSel[0] = k.choice;
        EXPECT_EQ(this->object.GetVerilogText(), PairB(k.name)) << k.choice;
    }
    AddResources(this->seam, Join({kCommonFiles, kAFiles, kBFiles}), "fallowmere_", "fallowmere_");
    ASSERT_TRUE(this->object.ExportIpFiles(this->folder.Path()));
    EXPECT_EQ(FilesIn(this->folder.Path() + "si5340_controller/"), Sorted(Join({kCommonFiles, kBFiles})));
}

TYPED_TEST(ConfigPairTest, QsfpTerminationFollowsTheBoxesNotTheChoices)
{
    this->c.bQsfp[1] = 1;  // ticked, its clock at "Not Use"
    this->c.bQdrII[0] = this->c.bQdrII[5] = 1;
    this->c.bPcie = 1;
    this->c.nSi5340AFreqSel[0] = 6;
    this->c.nSi5340BFreqSel[0] = 2;
    EXPECT_EQ(this->object.GetQsfText(),
              Termination(DiffTermination("QDRIIA_REFCLK_p") + DiffTermination("QDRIIF_REFCLK_p") +
                          PcieLines("PCIE") + QsfpLines('B')) +
                  Include({"clock_divider.v", "edge_detector.v", "i2c_bus_controller.v", "initial_config.v",
                           "si5340a_clk_frq_sel_gen.v", "si5340a_controller.v", "si5340a_freq_prameter_selector.v",
                           "si5340a_i2c_reg_controller.v", "si5340b_clk_frq_sel_gen.v", "si5340b_controller.v",
                           "si5340b_freq_prameter_selector.v", "si5340b_i2c_reg_controller.v"}));
    EXPECT_EQ(this->object.GetVerilogText(),
              PairA(Selects("SI5340A_322M265625", "SI5340A_POWER_DOWN", "SI5340A_POWER_DOWN", "SI5340A_POWER_DOWN")) +
                  PairB("REFCLK_QDR250"));
}

TYPED_TEST(ConfigPairTest, SettingsFilesOfExactly180BytesOnly)
{
    const std::string path = this->folder.Path() + "p.cfg";
    for (size_t size : {179u, 181u, 188u}) {
        WriteFile(path, std::string(size, '\x01'));
        EXPECT_FALSE(this->object.LoadFromFile(path)) << size;
        EXPECT_EQ(this->c.Size, 180);
    }
    // The sister board's record is taken byte for byte, its board id too.
    std::string other(180, '\0');
    other[0] = std::is_same_v<TypeParam, TConfigGarvelow> ? 33 : 34;
    other[4] = static_cast<char>(180);
    other[153] = 1;
    WriteFile(path, other);
    ASSERT_TRUE(this->object.LoadFromFile(path));
    EXPECT_EQ(this->c.BoardId, other[0]);
    EXPECT_EQ(reinterpret_cast<const uint8_t*>(&this->c)[153], 1);
    ASSERT_TRUE(this->object.SaveToFile(path));
    EXPECT_EQ(ReadFile(path), other);
}

TYPED_TEST(ConfigPairTest, ChoicesOutsideTheirListsCountAsNotUse)
{
    this->c.nSi5340AFreqSel[1] = 8;
    this->c.nSi5340BFreqSel[0] = 4;
    EXPECT_FALSE(this->object.IsSi5340AUsed());
    EXPECT_FALSE(this->object.IsSi5340BUsed());
    EXPECT_EQ(this->object.GetVerilogText(), "");
    EXPECT_EQ(TypeParam::Si5340AFreqMHz(8), 0);
    EXPECT_EQ(TypeParam::QdrRefClkFreqMHz(4), 0);
    EXPECT_EQ(TypeParam::Si5340AFreqMHz(6), 322.265);
    EXPECT_EQ(TypeParam::QdrRefClkFreqMHz(1), 225);
}

TEST(ConfigGarvelow, SecondPcieTerminationOnGarvelowOnly)
{
    TConfigGarvelow garvelow;
    garvelow.m_Config.bPcie = 1;
    garvelow.m_Config.bPcie2 = 1;
    garvelow.m_Config.bQsfp[3] = 1;
    EXPECT_EQ(garvelow.GetQsfText(), Termination(PcieLines("PCIE") + PcieLines("PCIE2") + QsfpLines('D')));
    // On Fallowmere byte 153 is the fan.
    TConfigFallowmere fallowmere;
    fallowmere.m_Config.bPcie = 1;
    fallowmere.m_Config.bFan = 1;
    EXPECT_EQ(fallowmere.GetQsfText(), Termination(PcieLines("PCIE")));
}

}  // namespace config_si5340_test
