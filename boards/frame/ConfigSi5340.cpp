#include "boards/frame/ConfigSi5340.h"

#include "model/Configboard.h"
#include "model/Text.h"

namespace {

struct TSi5340AChoice {
    double MHz;
    const char* Define;
};
// By choice; the define codes run the other way (3'h7 for 100 MHz).
const TSi5340AChoice kSi5340A[kSi5340AChoiceCount] = {
    {0, "SI5340A_POWER_DOWN"}, {100, "SI5340A_100M"},  {125, "SI5340A_125M"},
    {156.25, "SI5340A_156M25"}, {250, "SI5340A_250M"}, {312.5, "SI5340A_312M5"},
    {322.265, "SI5340A_322M265625"}, {644.53125, "SI5340A_644M53125"},
};

const char* const kRule = "#============================================================\r\n";
const char* const kVerilogRule = "//=======================================================\r\n";

const char* const kCommonFiles[] = {"clock_divider.v", "edge_detector.v", "i2c_bus_controller.v",
                                    "initial_config.v"};
const char* const kSi5340AFiles[] = {"si5340a_clk_frq_sel_gen.v", "si5340a_controller.v",
                                     "si5340a_freq_prameter_selector.v", "si5340a_i2c_reg_controller.v"};
const char* const kSi5340BFiles[] = {"si5340b_clk_frq_sel_gen.v", "si5340b_controller.v",
                                     "si5340b_freq_prameter_selector.v", "si5340b_i2c_reg_controller.v"};

const char* const kSubFolder = "si5340_controller";

}  // namespace

int32_t ChoiceInList(int32_t value, int32_t count) { return value >= 0 && value < count ? value : 0; }

double Si5340AChoiceMHz(int32_t choice) { return kSi5340A[ChoiceInList(choice, kSi5340AChoiceCount)].MHz; }

const char* Si5340ADefineName(int32_t choice) { return kSi5340A[ChoiceInList(choice, kSi5340AChoiceCount)].Define; }

std::string Si5340ADefineLines(char radix)
{
    std::string text;
    // Code 0 powers the output down; codes 1 to 7 count down from 644.53125 MHz.
    text += Format("`define %-20s3'%c0\r\n", kSi5340A[0].Define, radix);
    for (int code = 1; code < kSi5340AChoiceCount; ++code)
        text += Format("`define %-20s3'%c%d\r\n", kSi5340A[kSi5340AChoiceCount - code].Define, radix, code);
    return text;
}

std::string Si5340ASocketBoardBlock(const int32_t choices[4], char radix)
{
    return std::string("\r\n\r\n") + kVerilogRule + "//  Configure SI5340A \r\n" + kVerilogRule +
           Si5340ADefineLines(radix) + "\r\n" + "wire si5340a_controller_start;\r\n" +
           "assign si5340a_controller_start = ~BUTTON[0];\r\n" + "\r\n" +
           "si5340a_controller si5340a_controller(\r\n" + "    .iCLK(CLK_50_B2J),\r\n" +
           "    .iRST_n(CPU_RESET_n),\r\n" + "    .iStart(si5340a_controller_start),\r\n" +
           Si5340ASelectLines(choices) + "    .I2C_CLK(SI5340A_I2C_SCL),\r\n" +
           "    .I2C_DATA(SI5340A_I2C_SDA),\r\n" + "    .oPLL_REG_CONFIG_DONE()\r\n" + ");\r\n" + "\r\n" +
           "assign SI5340A_OE_n = 1'b0;\r\n" + "assign SI5340A_RST_n = CPU_RESET_n;\r\n" + "\r\n";
}

std::string Si5340BSocketBoardBlock(const std::string& defineLines, const std::string& select)
{
    return std::string("\r\n\r\n") + kVerilogRule + "//  Configure SI5340B \r\n" + kVerilogRule + defineLines +
           "\r\n" + "wire si5340b_controller_start;\r\n" + "wire config_done;\r\n" + "\r\n" +
           "assign si5340b_controller_start = ~BUTTON[0];\r\n" + "\r\n" +
           "si5340b_controller si5340b_controller(\r\n" + "    .iCLK(CLK_50_B2J),\r\n" +
           "    .iRST_n(CPU_RESET_n),\r\n" + "    .iStart(si5340b_controller_start),\r\n" +
           "    .iPLL_OUT_FREQ_SEL(`" + select + "),\r\n" + "    .I2C_CLK(SI5340B_I2C_SCL),\r\n" +
           "    .I2C_DATA(SI5340B_I2C_SDA),\r\n" + "    .oPLL_REG_CONFIG_DONE(config_done)\r\n" + ");\r\n" +
           "\r\n" + "assign SI5340B_OE_n = 1'b0;\r\n" + "assign SI5340B_RST_n = CPU_RESET_n;\r\n" + "\r\n";
}

double SocketBoardQdrRefClkMHz(int32_t choice)
{
    static const double kMHz[kSocketBoardQdrChoiceCount] = {0, 225, 233.333, 250, 275};
    return kMHz[ChoiceInList(choice, kSocketBoardQdrChoiceCount)];
}

int Si5340BQdrRank(int32_t choice)
{
    static const int kRank[kSocketBoardQdrChoiceCount] = {0, 2, 3, 1, 0};  // "Not Use" as 275 MHz
    return kRank[ChoiceInList(choice, kSocketBoardQdrChoiceCount)];
}

std::string Si5340BDefineName(const char* memoryPart, int qdrRank)
{
    static const char* const kQdrParts[4] = {"QDR275_", "QDR250_", "QDR225_", "QDR233_"};
    return std::string(memoryPart) + kQdrParts[qdrRank] + "PCIE100";
}

std::string Si5340BDefineLines(const char* const* memoryParts, int ranks, const char* codeFormat)
{
    std::string text;
    for (int qdr = 0; qdr < 4; ++qdr)
        for (int memory = 0; memory < ranks; ++memory)
            text += Format("`define %-24s", Si5340BDefineName(memoryParts[memory], qdr).c_str()) +
                    Format(codeFormat, ranks * qdr + memory) + "\r\n";
    return text;
}

std::string Si5340SocketTermination(const TSi5340SocketView& view)
{
    std::string lines;
    for (int i = 0; i < 2; ++i)
        if (view.Sockets[i]) lines += DifferentialInputTermination(Format("%s%c_REFCLK_p", view.Memory, 'A' + i).c_str());
    for (int i = 0; i < 4; ++i)
        if (view.QdrII[i]) lines += DifferentialInputTermination(Format("QDRII%c_REFCLK_p", 'A' + i).c_str());
    if (view.Pcie) lines += PcieTermination("PCIE");
    if (view.PcieOnBoardClock)
        lines += "set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION AC_COUPLING -to OB_PCIE_REFCLK_p\r\n";
    for (int i = 0; i < 4; ++i)
        if (view.Qsfp[i]) lines += QsfpTermination(static_cast<char>('A' + i));
    return TerminationBlock(lines);
}

std::string Si5340ASelectLines(const int32_t choices[4])
{
    std::string text;
    for (int n = 0; n < 4; ++n)
        text += Format("    .iPLL_OUT%d_FREQ_SEL(`%s),//QSFP-%c\r\n", n, Si5340ADefineName(choices[n]), 'A' + n);
    return text;
}

std::vector<std::string> FrequencyChoiceTexts(double (*mhz)(int32_t), int32_t count)
{
    std::vector<std::string> texts;
    for (int32_t choice = 0; choice < count; ++choice) {
        const double value = mhz(choice);
        texts.push_back(value > 0 ? Format("%.5f", value) : "Not Use");
    }
    return texts;
}

std::string DifferentialInputTermination(const char* pin)
{
    return Format("set_instance_assignment -name INPUT_TERMINATION DIFFERENTIAL -to %s\r\n", pin);
}

std::string PcieTermination(const char* prefix)
{
    return Format("set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION DC_COUPLING_EXTERNAL_RESISTOR -to "
                  "%s_REFCLK_p\r\n",
                  prefix) +
           Format("set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to %s_TX_p\r\n", prefix) +
           Format("set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to %s_RX_p\r\n", prefix);
}

std::string QsfpTermination(char cage)
{
    return Format("set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION AC_COUPLING -to QSFP%c_REFCLK_p\r\n",
                  cage) +
           Format("set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to QSFP%c_RX_p\r\n", cage) +
           Format("set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to QSFP%c_TX_p\r\n", cage);
}

std::string QsfBlock(const char* title, const std::string& lines)
{
    if (lines.empty()) return {};
    return std::string("\r\n") + kRule + "# " + title + "\r\n" + kRule + lines + "\r\n";
}

std::string TerminationBlock(const std::string& lines) { return QsfBlock("Termination Settings", lines); }

std::vector<std::string> Si5340FileNames(const TSi5340Files& used)
{
    std::vector<std::string> names;
    if (used.Si5340A || used.Si5340B) names.insert(names.end(), std::begin(kCommonFiles), std::end(kCommonFiles));
    if (used.Si5340A) names.insert(names.end(), std::begin(kSi5340AFiles), std::end(kSi5340AFiles));
    if (used.Si5340B) names.insert(names.end(), std::begin(kSi5340BFiles), std::end(kSi5340BFiles));
    return names;
}

std::string Si5340IncludeBlock(const TSi5340Files& used)
{
    std::string lines;
    for (const std::string& name : Si5340FileNames(used))
        lines += Format("set_global_assignment -name VERILOG_FILE %s/%s\r\n", kSubFolder, name.c_str());
    return QsfBlock("Includes SI5340 Controller Files", lines);
}

bool ExportSi5340Files(const std::string& projectFolder, const TSi5340Files& used,
                       std::string (*resourceName)(const std::string& fileName))
{
    return ExportIpFileSet(projectFolder, kSubFolder, Si5340FileNames(used), resourceName);
}

std::string VerilogResourceName(const std::string& fileName) { return ChangeFileExt(fileName, "_verilog"); }
