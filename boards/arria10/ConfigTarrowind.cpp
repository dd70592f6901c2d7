#include "boards/arria10/ConfigTarrowind.h"

#include "boards/arria10/ConfigSi5340.h"
#include "model/SettingsFile.h"
#include "model/Text.h"

namespace {

const char* const kVerilogRule = "//=======================================================\r\n";

// The Si5340B defines in code order: DDR3 index (266, 233, 200) runs
// fastest, then the QDRII+ index (275, 250, 225, 233).
const char* const kDdr3Parts[3] = {"DDR266_", "DDR233_", "DDR200_"};
const char* const kQdrParts[4] = {"QDR275_", "QDR250_", "QDR225_", "QDR233_"};

std::string TarrowindResourceName(const std::string& fileName)
{
    // The common files carry the board's prefix, the files of each generator none.
    const std::string resource = VerilogResourceName(fileName);
    return fileName.rfind("si5340", 0) == 0 ? resource : "tarrowind_" + resource;
}

}  // namespace

double TarrowindSi5340AFreqMHz(int32_t choice) { return Si5340AChoiceMHz(choice); }

double TarrowindDdr3RefClkMHz(int32_t choice)
{
    static const double kMHz[TConfigTarrowind::kDdr3ChoiceCount] = {0, 200, 233.333, 266.667};
    return kMHz[ChoiceInList(choice, TConfigTarrowind::kDdr3ChoiceCount)];
}

double TarrowindQdrRefClkMHz(int32_t choice)
{
    static const double kMHz[TConfigTarrowind::kQdrChoiceCount] = {0, 225, 233.333, 250, 275};
    return kMHz[ChoiceInList(choice, TConfigTarrowind::kQdrChoiceCount)];
}

double TarrowindPcieRefClkMHz(int32_t choice)
{
    static const double kMHz[TConfigTarrowind::kPcieChoiceCount] = {0, 100};
    return kMHz[ChoiceInList(choice, TConfigTarrowind::kPcieChoiceCount)];
}

TConfigTarrowind::TConfigTarrowind() = default;
TConfigTarrowind::~TConfigTarrowind() = default;

bool TConfigTarrowind::LoadFromFile(const std::string& path)
{
    return LoadRecordFile(&m_Config, sizeof(m_Config), path);
}

bool TConfigTarrowind::SaveToFile(const std::string& path)
{
    return SaveRecordFile(&m_Config, sizeof(m_Config), path);
}

bool TConfigTarrowind::IsSi5340AUsed() const
{
    for (int32_t choice : m_Config.nSi5340AFreq)
        if (ChoiceInList(choice, kSi5340AChoiceCount) != 0) return true;
    return false;
}

bool TConfigTarrowind::IsSi5340BUsed() const
{
    return ChoiceInList(m_Config.nSi5340BFreq[0], kDdr3ChoiceCount) != 0 ||
           ChoiceInList(m_Config.nSi5340BFreq[1], kQdrChoiceCount) != 0 ||
           ChoiceInList(m_Config.nSi5340BFreq[2], kPcieChoiceCount) != 0;
}

std::string TConfigTarrowind::GetQsfText() { return GetTerminationText() + GetIncludeText(); }

std::string TConfigTarrowind::GetTerminationText() const
{
    const TARROWIND_CONFIG& c = m_Config;
    std::string lines;
    if (c.bDDR3A) lines += DifferentialInputTermination("DDR3A_REFCLK_p");
    if (c.bDDR3B) lines += DifferentialInputTermination("DDR3B_REFCLK_p");
    const uint8_t qdr[4] = {c.bQDRIIA, c.bQDRIIB, c.bQDRIIC, c.bQDRIID};
    for (int i = 0; i < 4; ++i)
        if (qdr[i]) lines += DifferentialInputTermination(Format("QDRII%c_REFCLK_p", 'A' + i).c_str());
    if (c.bPCIE) lines += PcieTermination("PCIE");
    if (c.bPcieRefClock)
        lines += "set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION AC_COUPLING -to OB_PCIE_REFCLK_p\r\n";
    const uint8_t qsfp[4] = {c.bQSFPA, c.bQSFPB, c.bQSFPC, c.bQSFPD};
    for (int i = 0; i < 4; ++i)
        if (qsfp[i]) lines += QsfpTermination(static_cast<char>('A' + i));
    return TerminationBlock(lines);
}

std::string TConfigTarrowind::GetIncludeText() const
{
    return Si5340IncludeBlock({.Si5340A = IsSi5340AUsed(), .Si5340B = IsSi5340BUsed()});
}

std::string TConfigTarrowind::GetVerilogText()
{
    std::string text;
    if (IsSi5340AUsed()) text += GetSi5340AVerilog();
    if (IsSi5340BUsed()) text += GetSi5340BVerilog();
    return text;
}

std::string TConfigTarrowind::GetSi5340AVerilog() const
{
    return std::string("\r\n\r\n") + kVerilogRule + "//  Configure SI5340A \r\n" + kVerilogRule +
           Si5340ADefineLines() + "\r\n" + "wire si5340a_controller_start;\r\n" +
           "assign si5340a_controller_start = ~BUTTON[0];\r\n" + "\r\n" +
           "si5340a_controller si5340a_controller(\r\n" + "    .iCLK(CLK_50_B2J),\r\n" +
           "    .iRST_n(CPU_RESET_n),\r\n" + "    .iStart(si5340a_controller_start),\r\n" +
           Si5340ASelectLines(m_Config.nSi5340AFreq) + "    .I2C_CLK(SI5340A_I2C_SCL),\r\n" +
           "    .I2C_DATA(SI5340A_I2C_SDA),\r\n" + "    .oPLL_REG_CONFIG_DONE()\r\n" + ");\r\n" + "\r\n" +
           "assign SI5340A_OE_n = 1'b0;\r\n" + "assign SI5340A_RST_n = CPU_RESET_n;\r\n" + "\r\n";
}

std::string TConfigTarrowind::GetSi5340BDefineName(int32_t ddr3, int32_t qdr)
{
    static const int kDdr3Index[kDdr3ChoiceCount] = {0, 2, 1, 0};   // "Not Use" as 266
    static const int kQdrIndex[kQdrChoiceCount] = {0, 2, 3, 1, 0};  // "Not Use" as 275
    return std::string(kDdr3Parts[kDdr3Index[ChoiceInList(ddr3, kDdr3ChoiceCount)]]) +
           kQdrParts[kQdrIndex[ChoiceInList(qdr, kQdrChoiceCount)]] + "PCIE100";
}

std::string TConfigTarrowind::GetSi5340BVerilog() const
{
    std::string defines;
    for (int qdr = 0; qdr < 4; ++qdr)
        for (int ddr3 = 0; ddr3 < 3; ++ddr3)
            defines += Format("`define %-24s4'h%X\r\n",
                              (std::string(kDdr3Parts[ddr3]) + kQdrParts[qdr] + "PCIE100").c_str(), 3 * qdr + ddr3);
    const std::string select = GetSi5340BDefineName(m_Config.nSi5340BFreq[0], m_Config.nSi5340BFreq[1]);
    return std::string("\r\n\r\n") + kVerilogRule + "//  Configure SI5340B \r\n" + kVerilogRule + defines +
           "\r\n" + "wire si5340b_controller_start;\r\n" + "wire config_done;\r\n" + "\r\n" +
           "assign si5340b_controller_start = ~BUTTON[0];\r\n" + "\r\n" +
           "si5340b_controller si5340b_controller(\r\n" + "    .iCLK(CLK_50_B2J),\r\n" +
           "    .iRST_n(CPU_RESET_n),\r\n" + "    .iStart(si5340b_controller_start),\r\n" +
           "    .iPLL_OUT_FREQ_SEL(`" + select + "),\r\n" + "    .I2C_CLK(SI5340B_I2C_SCL),\r\n" +
           "    .I2C_DATA(SI5340B_I2C_SDA),\r\n" + "    .oPLL_REG_CONFIG_DONE(config_done)\r\n" + ");\r\n" +
           "\r\n" + "assign SI5340B_OE_n = 1'b0;\r\n" + "assign SI5340B_RST_n = CPU_RESET_n;\r\n" + "\r\n";
}

std::string TConfigTarrowind::GetVhdlText(const std::string&) { return {}; }

bool TConfigTarrowind::ExportIpFiles(const std::string& projectFolder)
{
    return ExportSi5340Files(projectFolder, {.Si5340A = IsSi5340AUsed(), .Si5340B = IsSi5340BUsed()},
                             TarrowindResourceName);
}
