#include "boards/arria10/ConfigSi5340.h"

#include <filesystem>

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

std::string Si5340ADefineLines()
{
    std::string text;
    // Code 0 powers the output down; codes 1 to 7 count down from 644.53125 MHz.
    text += Format("`define %-20s3'h0\r\n", kSi5340A[0].Define);
    for (int code = 1; code < kSi5340AChoiceCount; ++code)
        text += Format("`define %-20s3'h%d\r\n", kSi5340A[kSi5340AChoiceCount - code].Define, code);
    return text;
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
    const std::vector<std::string> names = Si5340FileNames(used);
    if (names.empty()) return true;
    const std::string folder = projectFolder + kSubFolder + "/";
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec) && !std::filesystem::create_directory(folder, ec)) return false;
    for (const std::string& name : names)
        if (!ExportRawResource(folder + name, resourceName(name))) return false;
    return true;
}

std::string VerilogResourceName(const std::string& fileName) { return ChangeFileExt(fileName, "_verilog"); }
