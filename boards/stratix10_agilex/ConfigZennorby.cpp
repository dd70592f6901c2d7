#include "boards/stratix10_agilex/ConfigZennorby.h"

#include <iterator>
#include <vector>

#include "boards/frame/ConfigSi5340.h"
#include "boards/stratix10_agilex/ConfigStratix10Agilex.h"
#include "model/Text.h"

namespace {

const char* const kVerilogRule = "//=======================================================\r\n";
const std::string kVhdlRule = std::string(57, '-') + "\r\n";

struct TQsfp28Choice {
    const char* Label;
    float MHz;
    const char* Name;
};
// By choice; the code given to the controller is the choice itself.
const TQsfp28Choice kQsfp28[TConfigZennorby::kRefClkChoiceCount] = {
    {"644.53125", 644.53125f, "XCVR_REF_644M53125"}, {"322.265625", 322.265625f, "XCVR_REF_322M265625"},
    {"250.0", 250.0f, "XCVR_REF_250M"},              {"125.0", 125.0f, "XCVR_REF_125M"},
    {"100.0", 100.0f, "XCVR_REF_100M"},
};

struct TMemChoice {
    const char* Label;
    float MHz;
    const char* Name;
    const char* Comment;
};
const TMemChoice kMem[TConfigZennorby::kRefClkChoiceCount] = {
    {"300.0", 300.0f, "MEM_REF_300M", "for DDR4 2400"},
    {"275.0", 275.0f, "MEM_REF_275M", "for QDRII+ 550MHz"},
    {"266.667", static_cast<float>(800.0 / 3.0), "MEM_REF_266M667", "for DDR4 2133 and QDRIV 1066Mhz"},
    {"233.333", static_cast<float>(700.0 / 3.0), "MEM_REF_233M333", "for DDR4 1866"},
    {"166.667", static_cast<float>(500.0 / 3.0), "MEM_REF_166M667", "for DDR4 2666"},
};

int32_t Choice(int32_t value) { return ChoiceInList(value, TConfigZennorby::kRefClkChoiceCount); }

// What feeds the four select inputs of one controller: QSFP28 cages and
// sockets by index (A = 0).
struct TChipPorts {
    int Number;
    int Xcvr0, Xcvr1;  // cages
    int Mem0, Mem1;    // sockets
};
const TChipPorts kChips[2] = {{0, 3, 0, 1, 0}, {1, 1, 2, 2, 3}};

// One select input of a controller: the port, the name of the choice that
// feeds it and what the choice is of ("QSFP28-D", "DDR4-Socket-A").
struct TSelect {
    const char* Port;
    const char* Name;
    std::string Source;
};
std::vector<TSelect> Selects(const TChipPorts& chip, const int32_t (&qsfp28)[4], const int32_t (&mem)[4])
{
    const auto cage = [&](int i) { return Format("QSFP28-%c", 'A' + i); };
    const auto socket = [&](int i) { return Format("DDR4-Socket-%c", 'A' + i); };
    return {{"iXCVR0_REFCLK", kQsfp28[Choice(qsfp28[chip.Xcvr0])].Name, cage(chip.Xcvr0)},
            {"iXCVR1_REFCLK", kQsfp28[Choice(qsfp28[chip.Xcvr1])].Name, cage(chip.Xcvr1)},
            {"iMEM0_REFCLK", kMem[Choice(mem[chip.Mem0])].Name, socket(chip.Mem0)},
            {"iMEM1_REFCLK", kMem[Choice(mem[chip.Mem1])].Name, socket(chip.Mem1)}};
}

const char* const kSubFolder = "si5340_controller";

}  // namespace

const char* const kZennorbyControllerFiles[8] = {
    "ZENNORBY_SI5340A_CONFIG.v", "si5340a_clk_frq_sel_gen.v", "si5340a_freq_prameter_selector.v",
    "si5340a_i2c_reg_controller.v", "clock_divider.v", "edge_detector.v", "i2c_bus_controller.v",
    "initial_config.v"};

std::string ZennorbyResourceName(const std::string& fileName) { return "zennorby_" + VerilogResourceName(fileName); }

TConfigZennorby::TConfigZennorby() = default;
TConfigZennorby::~TConfigZennorby() = default;

const char* TConfigZennorby::Qsfp28ChoiceLabel(int32_t choice) { return kQsfp28[Choice(choice)].Label; }
const char* TConfigZennorby::MemChoiceLabel(int32_t choice) { return kMem[Choice(choice)].Label; }
float TConfigZennorby::Qsfp28ChoiceMHz(int32_t choice) { return kQsfp28[Choice(choice)].MHz; }
float TConfigZennorby::MemChoiceMHz(int32_t choice) { return kMem[Choice(choice)].MHz; }

float TConfigZennorby::GetQsfp28RefClkMHz(int index) const { return Qsfp28ChoiceMHz(m_Config.nQsfp28RefClk[index]); }
float TConfigZennorby::GetMemRefClkMHz(int index) const { return MemChoiceMHz(m_Config.nMemRefClk[index]); }

bool TConfigZennorby::IsSi5340A0Used() const
{
    return m_Config.bQsfp28[0] || m_Config.bQsfp28[3] || m_Config.nMemoryModuleId[0] != 0 ||
           m_Config.nMemoryModuleId[1] != 0;
}

bool TConfigZennorby::IsSi5340A1Used() const
{
    return m_Config.bQsfp28[1] || m_Config.bQsfp28[2] || m_Config.nMemoryModuleId[2] != 0 ||
           m_Config.nMemoryModuleId[3] != 0;
}

bool TConfigZennorby::HasMemoryModule() const
{
    for (uint8_t module : m_Config.nMemoryModuleId)
        if (module != 0) return true;
    return false;
}

std::string TConfigZennorby::GetQsfText()
{
    std::string text = PowerManagementQsfText("AVST X8");

    std::string terminations;
    for (int i = 0; i < 4; ++i) {
        if (m_Config.nMemoryModuleId[i] == 0) continue;
        // The reference clock as the definition names it: the socket's prefix
        // followed by "REFCLK_p".
        const std::string prefix = ReadFixedText(m_Config.szMemoryPrefixName[i], sizeof m_Config.szMemoryPrefixName[i]);
        terminations += DifferentialInputTermination((prefix + "REFCLK_p").c_str());
    }
    if (m_Config.bPcie)
        terminations += "set_instance_assignment -name XCVR_S10_REFCLK_TERM_TRISTATE TRISTATE_ON -to PCIE_REFCLK_p\r\n"
                        "set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to PCIE_TX_p\r\n"
                        "set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to PCIE_RX_p\r\n";
    for (int i = 0; i < 4; ++i) {
        if (!m_Config.bQsfp28[i]) continue;
        const char cage = static_cast<char>('A' + i);
        terminations +=
            Format("set_instance_assignment -name XCVR_S10_REFCLK_TERM_TRISTATE TRISTATE_OFF -to QSFP28%c_REFCLK_p\r\n",
                   cage) +
            Format("set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to QSFP28%c_RX_p\r\n", cage) +
            Format("set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to QSFP28%c_TX_p\r\n", cage);
    }
    text += TerminationBlock(terminations);

    if (IsSi5340A0Used() || IsSi5340A1Used()) {
        std::string includes;
        for (const char* file : kZennorbyControllerFiles)
            includes += Format("set_global_assignment -name VERILOG_FILE %s/%s\r\n", kSubFolder, file);
        text += QsfBlock("Includes SI5340 Controller Files", includes);
    }
    return text;
}

std::string TConfigZennorby::GetVerilogText()
{
    const bool used[2] = {IsSi5340A0Used(), IsSi5340A1Used()};
    if (!used[0] && !used[1]) return {};

    std::string text = std::string("\r\n\r\n") + kVerilogRule + "//  Configure SI5340A \r\n" + kVerilogRule;
    for (int code = 0; code < kRefClkChoiceCount; ++code)
        text += Format("`define %-23s4'h%X\r\n", kQsfp28[code].Name, code);
    text += "\r\n";
    for (int code = 0; code < kRefClkChoiceCount; ++code)
        text += Format("`define %-17s4'h%X  // %s\r\n", kMem[code].Name, code, kMem[code].Comment);
    text += "\r\n";
    text += "wire si5340a_controller_start;\r\n"
            "assign si5340a_controller_start = ~BUTTON[0];\r\n"
            "\r\n"
            "wire si5340a_config_done;\r\n";
    if (used[0]) text += "wire si5340a0_config_done;\r\n";
    if (used[1]) text += "wire si5340a1_config_done;\r\n";
    if (used[0] && used[1])
        text += "assign si5340a_config_done = si5340a0_config_done & si5340a1_config_done;\r\n";
    else
        text += Format("assign si5340a_config_done = si5340a%d_config_done;\r\n", used[0] ? 0 : 1);

    for (const TChipPorts& chip : kChips) {
        if (!used[chip.Number]) continue;
        const int n = chip.Number;
        text += "\r\n";
        text += Format("//  Configure SI5340A%d \r\n", n);
        text += Format("ZENNORBY_SI5340A_CONFIG si5340a%d_controller(\r\n", n);
        text += "    .iCLK(CLK_50_B2C),\r\n"
                "    .iRST_n(1'b1),\r\n"
                "    .iStart(si5340a_controller_start),\r\n";
        for (const TSelect& select : Selects(chip, m_Config.nQsfp28RefClk, m_Config.nMemRefClk))
            text += Format("    .%s(`%s),//%s\r\n", select.Port, select.Name, select.Source.c_str());
        text += Format("    .I2C_CLK(SI5340A%d_I2C_SCL),\r\n", n);
        text += Format("    .I2C_DATA(SI5340A%d_I2C_SDA),\r\n", n);
        text += Format("    .oPLL_REG_CONFIG_DONE(si5340a%d_config_done)\r\n", n);
        text += ");\r\n\r\n";
        text += Format("assign SI5340A%d_OE_n = 1'b0;\r\n", n);
        text += Format("assign SI5340A%d_RST_n = 1'b1;\r\n", n);
        text += "\r\n";
    }
    return text;
}

std::string TConfigZennorby::GetVhdlText(const std::string& entityName)
{
    const bool used[2] = {IsSi5340A0Used(), IsSi5340A1Used()};
    if (!used[0] && !used[1]) return {};

    std::string text = "\r\n\r\n" + kVhdlRule + "--  Configure SI5340A \r\n" + kVhdlRule + "\r\n";
    text += Format("architecture si5340a_behave of %s is\r\n", entityName.c_str());
    text += "\r\n";
    for (int code = 0; code < kRefClkChoiceCount; ++code)
        text += Format("\tconstant %s: std_logic_vector (3 downto 0) := \"%s\";\r\n", kQsfp28[code].Name,
                       FourBitString(code).c_str());
    text += "\r\n";
    for (int code = 0; code < kRefClkChoiceCount; ++code)
        text += Format("\tconstant %s: std_logic_vector (3 downto 0) := \"%s\"; --%s\r\n", kMem[code].Name,
                       FourBitString(code).c_str(), kMem[code].Comment);
    text += "\r\n";
    text += "\tsignal  si5340a_controller_start : std_logic :='0';\r\n"
            "\tsignal  si5340a_config_done \t\t: std_logic :='0';\r\n";
    if (used[0]) text += "\tsignal  si5340a0_config_done \t\t: std_logic :='0';\r\n";
    if (used[1]) text += "\tsignal  si5340a1_config_done \t\t: std_logic :='0';\r\n";
    text += "\r\n";
    // The component as the controller's Verilog module has it: I2C_CLK is
    // the controller's output.
    text += "\tcomponent ZENNORBY_SI5340A_CONFIG\r\n"
            "\t\tport (\r\n"
            "\t\t\tiCLK \t\t\t\t: in\tstd_logic;\r\n"
            "\t\t\tiRST_n \t\t\t: in\tstd_logic;\r\n"
            "\t\t\tiStart \t\t\t: in\tstd_logic;\r\n"
            "\r\n"
            "\t\t\tiXCVR0_REFCLK \t: in\t std_logic_vector (3 downto 0); --XCVR_REF_XXX Si5340A  ouput  port 0\r\n"
            "\t\t\tiXCVR1_REFCLK \t: in\t std_logic_vector (3 downto 0); --XCVR_REF_XXX Si5340A  ouput  port 3\r\n"
            "\t\t\tiMEM0_REFCLK \t: in\t std_logic_vector (3 downto 0); --MEM_REF_XXX   Si5340A  ouput  port 1\r\n"
            "\t\t\tiMEM1_REFCLK \t: in\t std_logic_vector (3 downto 0); --MEM_REF_XXX   Si5340A  ouput  port 2\r\n"
            "\r\n"
            "\t\t\tI2C_CLK \t\t\t: out\tstd_logic;\r\n"
            "\t\t\tI2C_DATA \t\t: inout\tstd_logic;\r\n"
            "\r\n"
            "\t\t\toPLL_I2C_ID_READ_ERROR \t: out\tstd_logic;\r\n"
            "\t\t\toPLL_REG_CONFIG_DONE \t: out\tstd_logic\r\n"
            "\t\t);\r\n"
            "\tend component;\r\n"
            "\r\n";
    text += "\tbegin\r\n"
            "\r\n"
            "\tsi5340a_controller_start <= not BUTTON(0);\r\n";
    if (used[0] && used[1])
        text += "\tsi5340a_config_done <= si5340a0_config_done and si5340a1_config_done;\r\n";
    else
        text += Format("\tsi5340a_config_done <= si5340a%d_config_done;\r\n", used[0] ? 0 : 1);

    for (const TChipPorts& chip : kChips) {
        if (!used[chip.Number]) continue;
        const int n = chip.Number;
        text += "\r\n";
        text += Format("\t----- Configure SI5340A%d -----\r\n", n);
        text += "\r\n";
        text += Format("\tSI5340A%d_OE_n <= '0';\r\n", n);
        text += Format("\tSI5340A%d_RST_n <= '1';\r\n", n);
        text += "\r\n";
        text += Format("\tsi5340a%d_controller : ZENNORBY_SI5340A_CONFIG port map(\r\n", n);
        text += "\t\tiCLK => CLK_50_B2C,\r\n"
                "\t\tiRST_n => '1',\r\n"
                "\t\tiStart => si5340a_controller_start,\r\n"
                "\r\n";
        for (const TSelect& select : Selects(chip, m_Config.nQsfp28RefClk, m_Config.nMemRefClk))
            text += Format("\t\t%s => %s, --%s\r\n", select.Port, select.Name, select.Source.c_str());
        text += "\r\n";
        text += Format("\t\tI2C_CLK => SI5340A%d_I2C_SCL,\r\n", n);
        text += Format("\t\tI2C_DATA => SI5340A%d_I2C_SDA,\r\n", n);
        text += "\r\n";
        text += Format("\t\toPLL_REG_CONFIG_DONE => si5340a%d_config_done\r\n", n);
        text += "\t);\r\n\r\n\r\n";
    }
    text += "end si5340a_behave;\r\n\r\n";
    return text;
}

bool TConfigZennorby::ExportIpFiles(const std::string& projectFolder)
{
    if (!IsSi5340A0Used() && !IsSi5340A1Used()) return true;
    return ExportIpFileSet(projectFolder, kSubFolder,
                           std::vector<std::string>(std::begin(kZennorbyControllerFiles),
                                                    std::end(kZennorbyControllerFiles)),
                           ZennorbyResourceName);
}
