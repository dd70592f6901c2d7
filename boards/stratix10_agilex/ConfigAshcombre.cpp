#include "boards/stratix10_agilex/ConfigAshcombre.h"

#include <iterator>
#include <vector>

#include "boards/frame/ConfigSi5340.h"
#include "boards/stratix10_agilex/ConfigStratix10Agilex.h"
#include "model/Text.h"

namespace {

const char* const kVerilogRule = "//=======================================================\r\n";
const std::string kVhdlRule = std::string(57, '-');

struct TChoice {
    const char* Label;
    float MHz;  // 0 for the clock sources
    const char* Name;
};
// QSFPDD reference clocks by choice; the code given to the controller is the
// choice itself.
const TChoice kRefClk[TConfigAshcombre::kRefClkChoiceCount] = {
    {"644.53125", 644.53125f, "XCVR_REF_644M53125"}, {"625", 625.0f, "XCVR_REF_625M"},
    {"322.265625", 322.265625f, "XCVR_REF_322M265625"}, {"312.5", 312.5f, "XCVR_REF_312M5"},
    {"307.2", 307.2f, "XCVR_REF_307M2"},             {"250.0", 250.0f, "XCVR_REF_250M"},
    {"184.32", 184.32f, "XCVR_REF_184M32"},          {"156.25", 156.25f, "XCVR_REF_156M25"},
    {"153.6", 153.6f, "XCVR_REF_153M6"},             {"125.0", 125.0f, "XCVR_REF_125M"},
    {"100.0", 100.0f, "XCVR_REF_100M"},
};
// Sources of the two IO clocks, by source (the code is the source).
const TChoice kIoSource[TConfigAshcombre::kIoClockSourceCount] = {
    {"XA 48MHz", 0, "IO_50M"},     {"IN0(FPGA)", 0, "IO_IN0"},     {"IN1(FPGA)", 0, "IO_IN1"},
    {"IN2(30.72MHz)", 0, "IO_IN2"}, {"UN3(UFL)", 0, "IO_IN3"},
};

int32_t InList(int32_t value, int32_t count, int32_t fallback)
{
    return value >= 0 && value < count ? value : fallback;
}

std::string Lines(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines) text += std::string(line) + "\r\n";
    return text;
}

std::string MacroLine(const TChoice& choice, int code) { return Format("`define %-23s4'h%X\r\n", choice.Name, code); }

std::string ConstantLine(const TChoice& choice, int code)
{
    return Format("\tconstant %s: std_logic_vector (3 downto 0) := \"%s\";\r\n", choice.Name,
                  FourBitString(code).c_str());
}

const char* const kSubFolder = "si5397_controller";

}  // namespace

const char* const kAshcombreIpFiles[8] = {
    "ASHCOMBRE_SI5397A_CONFIG.v",       "clock_divider.v",
    "edge_detector.v",                  "i2c_bus_controller.v",
    "initial_config.v",                 "si5397a_freq_prameter_selector.v",
    "si5397a_i2c_reg_controller.v",     "power_on_reset.v"};

std::string AshcombreResourceName(const std::string& fileName)
{
    return "ashcombre_" + VerilogResourceName(fileName);
}

TConfigAshcombre::TConfigAshcombre() = default;
TConfigAshcombre::~TConfigAshcombre() = default;

const char* TConfigAshcombre::RefClkChoiceLabel(int32_t choice)
{
    return kRefClk[InList(choice, kRefClkChoiceCount, kDefaultRefClkChoice)].Label;
}

const char* TConfigAshcombre::IoClockSourceLabel(int32_t source)
{
    return kIoSource[InList(source, kIoClockSourceCount, kDefaultIoClockSource)].Label;
}

float TConfigAshcombre::XcvrRefClkMHz(unsigned choice)
{
    return kRefClk[choice < static_cast<unsigned>(kRefClkChoiceCount) ? choice : kDefaultRefClkChoice].MHz;
}

int32_t TConfigAshcombre::RefClkChoice(int index) const
{
    return InList(m_Config.nQsfpddRefClk[index], kRefClkChoiceCount, kDefaultRefClkChoice);
}

int32_t TConfigAshcombre::IoClockSource(int index) const
{
    return InList(m_Config.nIoClockSource[index], kIoClockSourceCount, kDefaultIoClockSource);
}

float TConfigAshcombre::GetQsfpddRefClkMHz(int index) const { return kRefClk[RefClkChoice(index)].MHz; }

bool TConfigAshcombre::NeedsSi5397AConfig() const
{
    for (int i = 0; i < 2; ++i) {
        if (m_Config.bQsfpdd[i] && RefClkChoice(i) != kDefaultRefClkChoice) return true;
        if (IoClockSource(i) != kDefaultIoClockSource) return true;
    }
    return m_Config.bQsfpddRsvRefClk != 0;
}

bool TConfigAshcombre::HasDdr4Module() const
{
    for (uint8_t socket : m_Config.bDdr4Socket)
        if (socket) return true;
    return false;
}

std::string TConfigAshcombre::GetQsfText()
{
    std::string includes;
    for (std::size_t row = NeedsSi5397AConfig() ? 0 : 7; row < std::size(kAshcombreIpFiles); ++row)
        includes += Format("set_global_assignment -name VERILOG_FILE %s/%s\r\n", kSubFolder, kAshcombreIpFiles[row]);
    return PowerManagementQsfText("AVST X16") + QsfBlock("Includes SI5397A Controller Files", includes);
}

std::string TConfigAshcombre::GetVerilogText()
{
    const bool program = NeedsSi5397AConfig();
    std::string text = std::string("\r\n\r\n") + kVerilogRule +
                       (program ? "//  Configure SI5397A \r\n" : "//  Enable SI5397A. Use default Setting. \r\n") +
                       kVerilogRule;
    text += Lines({"wire por_reset;", "power_on_reset power_on_reset_inst(", "    .clk(CLK_50_B3A),",
                   "    .reset(por_reset)", ");", "", "assign SI5397A_RST_n = CPU_RESET_n & ~por_reset;",
                   "assign SI5397A_OE_n = ~CPU_RESET_n;", ""});
    if (program) {
        text += "// configure Si5397A\r\n";
        for (int code = 0; code < kRefClkChoiceCount; ++code) text += MacroLine(kRefClk[code], code);
        text += "\r\n";
        for (int code = 0; code < kIoClockSourceCount; ++code) text += MacroLine(kIoSource[code], code);
        text += "\r\n";
        text += Lines({"wire si5397a_config_done;", "wire si5397a_controller_start;",
                       "assign si5397a_controller_start = ~BUTTON[0];", "", "//  Reconfigure SI5397A ",
                       "ASHCOMBRE_SI5397A_CONFIG si5397a_controller(", "    .iCLK(CLK_50_B3A),",
                       "    .iRST_n(CPU_RESET_n & ~por_reset),", "    .iStart(si5397a_controller_start),"});
        text += Format("    .iXCVR_CLK_0(`%s),//QSFPDDA_REFCLK_p\r\n", kRefClk[RefClkChoice(0)].Name);
        text += Format("    .iXCVR_CLK_1(`%s),//QSFPDDB_REFCLK_p\r\n", kRefClk[RefClkChoice(1)].Name);
        text += Format("    .iXCVR_CLK_RSV(%s),//QSFPDDRSV_REFCLK_p. 1: output 156.25MHz, 0: disable output\r\n",
                       m_Config.bQsfpddRsvRefClk ? "1'b1" : "1'b0");
        text += Format("    .iIO_CLK_0(`%s),//CLK_from_Si5397A[0]\r\n", kIoSource[IoClockSource(0)].Name);
        text += Format("    .iIO_CLK_1(`%s),//CLK_from_Si5397A[1]\r\n", kIoSource[IoClockSource(1)].Name);
        text += Lines({"    .I2C_CLK(SI5397A_I2C_SCL),", "    .I2C_DATA(SI5397A_I2C_SDA),",
                       "    .REG_CONFIG_DONE(si5397a_config_done)", ");", ""});
    }
    return text + "\r\n";
}

std::string TConfigAshcombre::GetVhdlText(const std::string& entityName)
{
    const bool program = NeedsSi5397AConfig();
    std::string text = "\r\n\r\n" + kVhdlRule + "\r\n" +
                       (program ? "--  Configure SI5397A \r\n" : "--  Enable SI5397A. Use default Setting. \r\n") +
                       kVhdlRule + "\r\n\r\n";
    text += Format("architecture si5397a_behave of %s is\r\n", entityName.c_str());
    text += "\r\n";
    text += Lines({"\t-- components declarations", "\tcomponent power_on_reset", "\t\tport (",
                   "\t\t\tclk \t\t\t\t: in\tstd_logic;", "\t\t\treset \t\t\t: out\tstd_logic", "\t\t);",
                   "\tend component;", ""});
    if (program)
        // The component as the controller's Verilog module has it: I2C_CLK
        // is an inout there.
        text += Lines({"\tcomponent ASHCOMBRE_SI5397A_CONFIG", "\t\tport (", "\t\t\tiCLK \t\t\t\t: in\tstd_logic;",
                       "\t\t\tiRST_n \t\t\t: in\tstd_logic;", "\t\t\tiStart \t\t\t: in\tstd_logic;", "",
                       "\t\tiXCVR_CLK_0 \t    : in\t std_logic_vector (3 downto 0); --QSFPDDA_REFCLK_p",
                       "\t\tiXCVR_CLK_1 \t    : in\t std_logic_vector (3 downto 0); --QSFPDDB_REFCLK_p",
                       "\t\tiXCVR_CLK_RSV \t    : in\t std_logic; --QSFPDDRSV_REFCLK_p",
                       "\t\tiIO_CLK_0 \t        : in\t std_logic_vector (3 downto 0); --CLK_from_Si5397A[0]",
                       "\t\tiIO_CLK_1 \t        : in\t std_logic_vector (3 downto 0); --CLK_from_Si5397A[1]", "",
                       "\t\t\tI2C_CLK \t\t\t: inout\tstd_logic;", "\t\t\tI2C_DATA \t\t: inout\tstd_logic;", "",
                       "\t\t\tREG_CONFIG_DONE \t: out\tstd_logic", "\t\t);", "\tend component;", ""});
    text += Lines({"\t-- signal  declarations", "\tsignal  por_reset : std_logic :='0';"});
    if (program)
        text += Lines({"\tsignal  si5397a_controller_start : std_logic :='0';",
                       "\tsignal  si5397a_config_done      : std_logic :='0';",
                       "\tsignal  si5397a_controller_rst_n : std_logic :='0';"});
    text += "\r\n";
    if (program) {
        text += "\t-- constant   declarations\r\n";
        for (int code = 0; code < kRefClkChoiceCount; ++code) text += ConstantLine(kRefClk[code], code);
        text += "\r\n";
        for (int code = 0; code < kIoClockSourceCount; ++code) text += ConstantLine(kIoSource[code], code);
    }
    // The VHDL top level drives the chip's control pins otherwise than the
    // Verilog one: the output enable follows the reset button and the power-on
    // reset, the chip's reset the button alone.
    text += Lines({"begin", "\t--Statements", "", "", "\t----- power on reset -----", "",
                   "\tpower_on_reset_inst : power_on_reset port map(", "\t\tclk => CLK_50_B3A,", "\t\treset => por_reset",
                   "\t\t);", "\tSI5397A_OE_n <= CPU_RESET_n and (not por_reset);", "\tSI5397A_RST_n <= CPU_RESET_n;",
                   ""});
    if (program) {
        // The controller's reset through a signal: VHDL-1993 maps only a
        // globally static expression to a port.
        text += Lines({"\t----- Reconfigure SI5397A -----", "",
                       "\tsi5397a_controller_rst_n <= CPU_RESET_n and (not por_reset);",
                       "\tsi5397a_controller : ASHCOMBRE_SI5397A_CONFIG port map(", "\t\tiCLK => CLK_50_B3A,",
                       "\t\tiRST_n => si5397a_controller_rst_n,", "\t\tiStart => si5397a_controller_start,", ""});
        text += Format("\t\tiXCVR_CLK_0 => %s, --QSFPDDA_REFCLK_p\r\n", kRefClk[RefClkChoice(0)].Name);
        text += Format("\t\tiXCVR_CLK_1 => %s, --QSFPDDB_REFCLK_p\r\n", kRefClk[RefClkChoice(1)].Name);
        text += Format("\t\tiXCVR_CLK_RSV => %s, --QSFPDDRSV_REFCLK_p\r\n", m_Config.bQsfpddRsvRefClk ? "'1'" : "'0'");
        text += Format("\t\tiIO_CLK_0 => %s, --CLK_from_Si5397A[0]\r\n", kIoSource[IoClockSource(0)].Name);
        text += Format("\t\tiIO_CLK_1 => %s, --CLK_from_Si5397A[1]\r\n", kIoSource[IoClockSource(1)].Name);
        text += Lines({"", "\t\tI2C_CLK => SI5397A_I2C_SCL,", "\t\tI2C_DATA => SI5397A_I2C_SDA,", "",
                       "\t\tREG_CONFIG_DONE => si5397a_config_done", "\t);", ""});
    }
    text += "\r\n";
    text += "end si5397a_behave;\r\n";
    return text + "\r\n";
}

bool TConfigAshcombre::ExportIpFiles(const std::string& projectFolder)
{
    // The controller's files when the chip is programmed, the power-on reset
    // always; the first file that cannot be written ends the export.
    std::vector<std::string> files;
    for (std::size_t row = NeedsSi5397AConfig() ? 0 : 7; row < std::size(kAshcombreIpFiles); ++row)
        files.push_back(kAshcombreIpFiles[row]);
    return ExportIpFileSet(projectFolder, kSubFolder, files, AshcombreResourceName);
}
