#include "boards/arria10/ConfigFallowmere.h"

#include "boards/frame/ConfigSi5340.h"
#include "model/Text.h"

namespace {

const char* const kVerilogRule = "//=======================================================\r\n";

std::string FallowmereResourceName(const std::string& fileName)
{
    return "fallowmere_" + VerilogResourceName(fileName);
}

TSi5340Files UsedFiles(const TSi5340PairView& view)
{
    return {.Si5340A = Si5340PairIsAUsed(view), .Si5340B = Si5340PairIsBUsed(view)};
}

}  // namespace

bool Si5340PairIsAUsed(const TSi5340PairView& view)
{
    for (int i = 0; i < 4; ++i)
        if (ChoiceInList(view.Si5340A[i], kSi5340AChoiceCount) != 0) return true;
    return false;
}

bool Si5340PairIsBUsed(const TSi5340PairView& view)
{
    return ChoiceInList(view.Si5340B, kQdrRefClkChoiceCount) != 0;
}

double Si5340PairQdrRefClkMHz(int32_t choice)
{
    static const double kMHz[kQdrRefClkChoiceCount] = {0, 225, 250, 275};
    return kMHz[ChoiceInList(choice, kQdrRefClkChoiceCount)];
}

const char* Si5340PairQdrDefineName(int32_t choice)
{
    switch (ChoiceInList(choice, kQdrRefClkChoiceCount)) {
    case 1: return "REFCLK_QDR225";
    case 2: return "REFCLK_QDR250";
    default: return "REFCLK_QDR275";
    }
}

std::string Si5340PairQsfText(const TSi5340PairView& view)
{
    std::string lines;
    for (int i = 0; i < 6; ++i)
        if (view.QdrII[i]) lines += DifferentialInputTermination(Format("QDRII%c_REFCLK_p", 'A' + i).c_str());
    if (view.Pcie) lines += PcieTermination("PCIE");
    if (view.Pcie2 && *view.Pcie2) lines += PcieTermination("PCIE2");
    for (int i = 0; i < 4; ++i)
        if (view.Qsfp[i]) lines += QsfpTermination(static_cast<char>('A' + i));
    return TerminationBlock(lines) + Si5340IncludeBlock(UsedFiles(view));
}

std::string Si5340PairVerilogText(const TSi5340PairView& view)
{
    std::string text;
    if (Si5340PairIsAUsed(view)) {
        text += std::string("\r\n\r\n") + kVerilogRule + "//  Configure SI5340A \r\n" + kVerilogRule +
                Si5340ADefineLines() + "\r\n" + "wire si5340a_controller_start;\r\n" +
                "wire si5340a_config_done;\r\n" + "\r\n" + "assign si5340a_controller_start = ~BUTTON[0];\r\n" +
                "\r\n" + "si5340a_controller si5340a_controller(\r\n" + "    .iCLK(CLK_50_B2F),\r\n" +
                "    .iRST_n(CPU_RESET_n),\r\n" + "    .iStart(si5340a_controller_start),\r\n" +
                Si5340ASelectLines(view.Si5340A) + "    .I2C_CLK(SI5340A_I2C_SCL),\r\n" +
                "    .I2C_DATA(SI5340A_I2C_SDA),\r\n" + "    .oPLL_REG_CONFIG_DONE(si5340a_config_done)\r\n" +
                ");\r\n" + "\r\n" + "assign SI5340A_OE_n = 1'b0;\r\n" + "assign SI5340A_RST_n = CPU_RESET_n;\r\n" +
                "\r\n";
    }
    if (Si5340PairIsBUsed(view)) {
        text += std::string("\r\n\r\n") + kVerilogRule + "//  Configure SI5340B \r\n" + kVerilogRule +
                "`define REFCLK_QDR275   4'h0\r\n" + "`define REFCLK_QDR250   4'h1\r\n" +
                "`define REFCLK_QDR225   4'h2\r\n" + "\r\n" + "wire si5340b_controller_start;\r\n" +
                "wire si5340b_config_done;\r\n" + "\r\n" + "assign si5340b_controller_start = ~BUTTON[0];\r\n" +
                "\r\n" + "si5340b_controller si5340b_controller(\r\n" + "    .iCLK(CLK_50_B2F),\r\n" +
                "    .iRST_n(CPU_RESET_n),\r\n" + "    .iStart(si5340b_controller_start),\r\n" +
                Format("    .iPLL_OUT_FREQ_SEL(`%s),\r\n", Si5340PairQdrDefineName(view.Si5340B)) +
                "    .I2C_CLK(SI5340B_I2C_SCL),\r\n" + "    .I2C_DATA(SI5340B_I2C_SDA),\r\n" +
                "    .oPLL_REG_CONFIG_DONE(si5340b_config_done)\r\n" + ");\r\n" + "\r\n" +
                "assign SI5340B_OE_n = 1'b0;\r\n" + "assign SI5340B_RST_n = CPU_RESET_n;\r\n" + "\r\n";
    }
    return text;
}

bool Si5340PairExportIpFiles(const TSi5340PairView& view, const std::string& projectFolder)
{
    // Garvelow writes the same resources under the same names.
    return ExportSi5340Files(projectFolder, UsedFiles(view), FallowmereResourceName);
}

TConfigFallowmere::TConfigFallowmere() = default;
TConfigFallowmere::~TConfigFallowmere() = default;

double FallowmereSi5340AFreqMHz(int32_t choice) { return Si5340AChoiceMHz(choice); }
double FallowmereSi5340BFreqMHz(int32_t choice) { return Si5340PairQdrRefClkMHz(choice); }
