#include "boards/stratix10_agilex/ConfigRennacre.h"

#include <iterator>

#include "boards/stratix10_agilex/ConfigStratix10Agilex.h"
#include "model/SettingsFile.h"
#include "model/Text.h"

namespace {

using RENNACRE_CONFIG = TConfig_Rennacre::RENNACRE_CONFIG;

// One reference-clock choice: combo item, frequency, the Verilog define and
// VHDL constant that carries its code (the code is the choice's index), and
// the comments of the memory choices.
struct TRefClkChoice {
    const char* Label;
    float MHz;
    const char* Name;
    const char* VerilogComment;
    const char* VhdlComment;
};

const TRefClkChoice kXcvrChoices[TConfig_Rennacre::kXcvrChoiceCount] = {
    {"644.53125", 644.53125f, "XCVR_REF_644M53125", nullptr, nullptr},
    {"322.265625", 322.265625f, "XCVR_REF_322M265625", nullptr, nullptr},
    {"250.0", 250.0f, "XCVR_REF_250M", nullptr, nullptr},
    {"125.0", 125.0f, "XCVR_REF_125M", nullptr, nullptr},
    {"100.0", 100.0f, "XCVR_REF_100M", nullptr, nullptr},
    {"270.0", 270.0f, "XCVR_REF_270M", "for Displayport", nullptr},
};

// The fractional frequencies are the single-precision values nearest to
// 800/3, 700/3 and 500/3.
const TRefClkChoice kMemChoices[TConfig_Rennacre::kMemChoiceCount] = {
    {"300.0", 300.0f, "MEM_REF_300M", "for DDR4 2400 MT/s", "--for DDR4 2400 MT/s"},
    {"266.667", 800.0f / 3.0f, "MEM_REF_266M667", "for DDR4 2133 MT/s", "--for DDR4 2133 MT/s"},
    {"233.333", 700.0f / 3.0f, "MEM_REF_233M333", "for DDR4 1866 MT/s", "--for DDR4 1866 MT/s"},
    {"166.667", 500.0f / 3.0f, "MEM_REF_166M667", "for DDR4 2666 MT/s", "--for DDR4 2666 MT/"},
};

const TRefClkChoice kLvdsChoices[TConfig_Rennacre::kLvdsChoiceCount] = {
    {"50.0", 50.0f, "LVDS_REF_50M", "ref clock for LVDS IP", nullptr},
    {"100.0", 100.0f, "LVDS_REF_100M", "ref clock for LVDS IP", nullptr},
};

// The value itself when it lies in the list, else the list's default item.
int32_t InList(int32_t value, int32_t count, int32_t defaultItem = 0)
{
    return value >= 0 && value < count ? value : defaultItem;
}

const TRefClkChoice& Xcvr(int32_t choice) { return kXcvrChoices[InList(choice, TConfig_Rennacre::kXcvrChoiceCount)]; }
const TRefClkChoice& Mem(int32_t choice)
{
    return kMemChoices[InList(choice, TConfig_Rennacre::kMemChoiceCount, TConfig_Rennacre::kDefaultMemChoice)];
}
const TRefClkChoice& Lvds(int32_t choice) { return kLvdsChoices[InList(choice, TConfig_Rennacre::kLvdsChoiceCount)]; }

template <std::size_t N>
std::vector<std::string> Labels(const TRefClkChoice (&choices)[N])
{
    std::vector<std::string> labels;
    for (const TRefClkChoice& choice : choices) labels.push_back(choice.Label);
    return labels;
}

// One choice input of the controller: its port, the choice it takes, and the
// words of its VHDL component line.
struct TControllerInput {
    const char* Port;
    const TRefClkChoice* Choice;
    const char* Family;
    const char* Output;
};

// In the order of the controller instance.
std::vector<TControllerInput> ControllerInputs(const RENNACRE_CONFIG& c)
{
    return {
        {"iDDR4B_REFCLK", &Mem(c.nDdr4BRefClkSel), "MEM_REF_XXX", "DDR4B"},
        {"iFMC_REFCLK0", &Xcvr(c.nFmcRefClkSel[0]), "XCVR_REF_XXX", "FMC_REFCLK0"},
        {"iFMC_REFCLK1", &Xcvr(c.nFmcRefClkSel[1]), "XCVR_REF_XXX", "FMC_REFCLK01"},
        {"iFMCP_REFCLK0", &Xcvr(c.nFmcpRefClkSel[0]), "XCVR_REF_XXX", "FMCP_REFCLK0"},
        {"iFMCP_REFCLK1", &Xcvr(c.nFmcpRefClkSel[1]), "XCVR_REF_XXX", "FMCP_REFCLK1"},
        {"iFMCP_REFCLK2", &Xcvr(c.nFmcpRefClkSel[2]), "XCVR_REF_XXX", "FMCP_REFCLK2"},
        {"iLVDS_REFCLK", &Lvds(c.nLvdsRefClkSel), "LVDS_REF_XXX", "2"},
    };
}

const char* const kQsfRule = "#============================================================\r\n";
const char* const kVerilogRule = "//=======================================================\r\n";
const std::string kVhdlRule = std::string(57, '-') + "\r\n";

const char* const kSubFolder = "si5341_controller";

// A .qsf title line: the title padded with blanks to 61 characters.
std::string QsfTitle(const char* title) { return Format("%-61s\r\n", title); }

// The define lines of a list: "`define NAME<padding>4'hC", the comment after
// two blanks.
template <std::size_t N>
std::string DefineLines(const TRefClkChoice (&choices)[N], int nameWidth)
{
    std::string text;
    for (std::size_t code = 0; code < N; ++code) {
        text += Format("`define %-*s4'h%X", nameWidth, choices[code].Name, static_cast<unsigned>(code));
        if (choices[code].VerilogComment) text += Format("  // %s", choices[code].VerilogComment);
        text += "\r\n";
    }
    return text;
}

// The constant lines of a list: "\tconstant NAME: std_logic_vector (3 downto
// 0) := "CCCC";", the memory comments after a blank.
template <std::size_t N>
std::string ConstantLines(const TRefClkChoice (&choices)[N])
{
    std::string text;
    for (std::size_t code = 0; code < N; ++code) {
        text += Format("\tconstant %s: std_logic_vector (3 downto 0) := \"%s\";", choices[code].Name,
                       FourBitString(static_cast<int>(code)).c_str());
        if (choices[code].VhdlComment) text += Format(" %s", choices[code].VhdlComment);
        text += "\r\n";
    }
    return text;
}

}  // namespace

const char* const TConfig_Rennacre::kControllerFiles[kControllerFileCount] = {
    "S10_SI5341A_CONFIG.v",  "si5341a_clk_frq_sel_gen.v", "si5341a_freq_prameter_selector.v",
    "si5341a_i2c_reg_controller.v", "clock_divider.v",     "edge_detector_41.v",
    "i2c_bus_controller.v",  "initial_config.v",          "fmc_sel.v",
};

TConfig_Rennacre::TConfig_Rennacre() = default;
TConfig_Rennacre::~TConfig_Rennacre() = default;

bool TConfig_Rennacre::LoadFromFile(const std::string& path)
{
    return LoadRecordFile(&m_Config, sizeof(m_Config), path);
}

bool TConfig_Rennacre::SaveToFile(const std::string& path)
{
    return SaveRecordFile(&m_Config, sizeof(m_Config), path);
}

float TConfig_Rennacre::XcvrRefClkMHz(int32_t choice) { return Xcvr(choice).MHz; }
float TConfig_Rennacre::MemRefClkMHz(int32_t choice) { return Mem(choice).MHz; }
float TConfig_Rennacre::LvdsRefClkMHz(int32_t choice) { return Lvds(choice).MHz; }

std::vector<std::string> TConfig_Rennacre::XcvrChoiceLabels() { return Labels(kXcvrChoices); }
std::vector<std::string> TConfig_Rennacre::MemChoiceLabels() { return Labels(kMemChoices); }
std::vector<std::string> TConfig_Rennacre::LvdsChoiceLabels() { return Labels(kLvdsChoices); }

bool TConfig_Rennacre::IsSi5341AUsed() const
{
    const RENNACRE_CONFIG& c = m_Config;
    return c.bSi5341A && (c.bDdr4B || CarriesCard(c.nFmcDaughterId[0]) || CarriesCard(c.nFmcDaughterId[1]));
}

bool TConfig_Rennacre::IsSi5341AAtDefaults() const
{
    const RENNACRE_CONFIG& c = m_Config;
    if (!c.bSi5341A) return false;
    if (InList(c.nDdr4BRefClkSel, kMemChoiceCount, kDefaultMemChoice) != kDefaultMemChoice) return false;
    for (int32_t choice : c.nFmcRefClkSel)
        if (InList(choice, kXcvrChoiceCount) != 0) return false;
    for (int32_t choice : c.nFmcpRefClkSel)
        if (InList(choice, kXcvrChoiceCount) != 0) return false;
    return InList(c.nLvdsRefClkSel, kLvdsChoiceCount) == 0;
}

std::string TConfig_Rennacre::GetQsfText() { return GetSystemQsfText() + GetIncludeText(); }

std::string TConfig_Rennacre::GetSystemQsfText() const
{
    std::string text;
    if (m_Config.bSystemInfo) {
        text += std::string("\r\n") + kQsfRule + QsfTitle("# INFO SPI AS 3V GPIO") + kQsfRule;
        for (const char* pin : {"INFO_SPI_MISO", "INFO_SPI_CS_n", "INFO_SPI_SCLK", "INFO_SPI_MOSI"})
            text += Format("set_instance_assignment -name USE_AS_3V_GPIO ON -to %s\r\n", pin);
    }
    return text + PowerManagementQsfText("ACTIVE SERIAL X4");
}

std::string TConfig_Rennacre::GetIncludeText() const
{
    if (!IsControllerGenerated()) return {};
    std::string text = std::string("\r\n") + kQsfRule + "# Includes SI5341 Controller Files\r\n" + kQsfRule;
    for (const char* file : kControllerFiles)
        text += Format("set_global_assignment -name VERILOG_FILE %s/%s\r\n", kSubFolder, file);
    return text + "\r\n";
}

std::string TConfig_Rennacre::GetVerilogText()
{
    if (!IsSi5341AUsed()) return {};
    if (IsSi5341AAtDefaults())
        return std::string("\r\n\r\n") + kVerilogRule + "//  Enable SI5341A \r\n" + kVerilogRule +
               "assign SI5341A_OE_n = 1'b0;\r\n" + "assign SI5341A_RST_n = 1'b1;\r\n";

    std::string text = std::string("\r\n\r\n") + kVerilogRule + "//  Configure SI5341A \r\n" + kVerilogRule;
    text += DefineLines(kXcvrChoices, 23) + "\r\n";
    text += DefineLines(kMemChoices, 17) + "\r\n";
    text += DefineLines(kLvdsChoices, 17) + "\r\n";
    text += "wire si5341a_controller_start;\r\n";
    text += "assign si5341a_controller_start = ~BUTTON[0];\r\n";
    text += "wire si5341a_config_done;\r\n";
    text += "\r\n";
    text += "\r\n";
    text += "//  Configure SI5341 \r\n";
    text += "S10_SI5341A_CONFIG si5341a_controller(\r\n";
    text += "    .iCLK(CLK_50_B3C),\r\n";
    text += "    .iRST_n(1'b1),\r\n";
    text += "    .iStart(si5341a_controller_start),\r\n";
    for (const TControllerInput& input : ControllerInputs(m_Config))
        text += Format("    .%s(`%s),\r\n", input.Port, input.Choice->Name);
    text += "    .I2C_CLK(SI5341A_I2C_SCL),\r\n";
    text += "    .I2C_DATA(SI5341A_I2C_SDA),\r\n";
    text += "    .oPLL_REG_CONFIG_DONE(si5341a_config_done)\r\n";
    text += ");\r\n";
    text += "\r\n";
    text += "assign SI5341A_OE_n = 1'b0;\r\n";
    text += "assign SI5341A_RST_n = 1'b1;\r\n";
    text += "\r\n";
    return text;
}

std::string TConfig_Rennacre::GetVhdlText(const std::string& entityName)
{
    if (!IsSi5341AUsed()) return {};
    const std::string architecture = Format("architecture si5341a_behave of %s is\r\n", entityName.c_str());
    if (IsSi5341AAtDefaults())
        return "\r\n\r\n" + kVhdlRule + "--  Enable SI5341A \r\n" + kVhdlRule + architecture + "\tbegin\r\n" +
               "\tSI5341A_OE_n <= '0';\r\n" + "\tSI5341A_RST_n <= '1';\r\n" + "\r\n" + "end si5341a_behave;\r\n";

    const std::vector<TControllerInput> inputs = ControllerInputs(m_Config);
    std::string text = "\r\n\r\n" + kVhdlRule + "--  Configure SI5341A \r\n" + kVhdlRule + "\r\n";
    text += architecture + "\r\n";
    text += ConstantLines(kXcvrChoices) + "\r\n";
    text += ConstantLines(kMemChoices) + "\r\n";
    text += ConstantLines(kLvdsChoices) + "\r\n";
    text += "\tsignal  si5341a_controller_start : std_logic :='0';\r\n";
    text += "\tsignal  si5341a_config_done \t\t: std_logic :='0';\r\n";
    text += "\r\n";
    text += "\tcomponent S10_SI5341A_CONFIG\r\n";
    text += "\t\tport (\r\n";
    text += "\t\t\tiCLK \t\t\t\t: in\tstd_logic;\r\n";
    text += "\t\t\tiRST_n \t\t\t: in\tstd_logic;\r\n";
    text += "\t\t\tiStart \t\t\t: in\tstd_logic;\r\n";
    text += "\r\n";
    for (const TControllerInput& input : inputs)
        text += Format("\t\t\t%s \t: in\t std_logic_vector (3 downto 0); --%s Si5341A  ouput  port %s\r\n",
                       input.Port, input.Family, input.Output);
    text += "\r\n";
    // The controller drives the I2C clock: the mode of its Verilog port.
    text += "\t\t\tI2C_CLK \t\t\t: out\tstd_logic;\r\n";
    text += "\t\t\tI2C_DATA \t\t: inout\tstd_logic;\r\n";
    text += "\r\n";
    text += "\t\t\toPLL_I2C_ID_READ_ERROR \t: out\tstd_logic;\r\n";
    text += "\t\t\toPLL_REG_CONFIG_DONE \t: out\tstd_logic\r\n";
    text += "\t\t);\r\n";
    text += "\tend component;\r\n";
    text += "\r\n";
    text += "\tbegin\r\n";
    text += "\r\n";
    text += "\tsi5341a_controller_start <= not BUTTON(0);\r\n";
    text += "\r\n";
    text += "\t----- Configure SI5341A -----\r\n";
    text += "\r\n";
    text += "\tSI5341A_OE_n <= '0';\r\n";
    text += "\tSI5341A_RST_n <= '1';\r\n";
    text += "\r\n";
    text += "\tsi5341a_controller : S10_SI5341A_CONFIG port map(\r\n";
    text += "\t\tiCLK => CLK_50_B3C,\r\n";
    text += "\t\tiRST_n => '1',\r\n";
    text += "\t\tiStart => si5341a_controller_start,\r\n";
    text += "\r\n";
    for (const TControllerInput& input : inputs) text += Format("\t\t%s => %s, \r\n", input.Port, input.Choice->Name);
    text += "\r\n";
    text += "\t\tI2C_CLK => SI5341A_I2C_SCL,\r\n";
    text += "\t\tI2C_DATA => SI5341A_I2C_SDA,\r\n";
    text += "\r\n";
    text += "\t\toPLL_REG_CONFIG_DONE => si5341a_config_done\r\n";
    text += "\t);\r\n";
    text += "\r\n";
    text += "\r\n";
    text += "end si5341a_behave;\r\n";
    text += "\r\n";
    return text;
}

std::string TConfig_Rennacre::ControllerResourceName(const std::string& fileName)
{
    return "S10_" + ChangeFileExt(fileName, "_verilog");
}

bool TConfig_Rennacre::ExportIpFiles(const std::string& projectFolder)
{
    if (!IsControllerGenerated()) return true;
    return ExportIpFileSet(projectFolder, kSubFolder,
                           std::vector<std::string>(std::begin(kControllerFiles), std::end(kControllerFiles)),
                           ControllerResourceName);
}
