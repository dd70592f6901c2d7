#include "boards/cyclone5_stratix5/ConfigColvenna.h"

#include "model/GeneratedText.h"
#include "model/SettingsFile.h"
#include "model/Text.h"
#include "platform/Seam.h"

namespace {

// What the top level of a CDCM6208 output names.
struct TCdcm6208Output {
    const char* DisableDefine;
    const char* DisableBit;  // its bit of iFREQ_DISABLE
};
const TCdcm6208Output kCdcm6208Outputs[CDCM6208_OUTPUTS] = {
    {"CDCM6208_FMCA_DISABLE_BIT", "6'b000001"},      {"CDCM6208_FMCD_DISABLE_BIT", "6'b000010"},
    {"CDCM6208_SATA_HOST_DISABLE_BIT", "6'b001000"}, {"CDCM6208_SATA_DEVICE_DISABLE_BIT", "6'b010000"},
    {"CDCM6208_PCIE_DISABLE_BIT", "6'b000100"},      {"CDCM6208_DDR3_DISABLE_BIT", "6'b100000"},
};

// What the top level of an LMK04906 output names: the define of its bit of
// iFREQ_SELECT, set for 644.53125 MHz.
struct TLmk04906Output {
    const char* SelectDefine;
    unsigned SelectBit;
};
const TLmk04906Output kLmk04906Outputs[LMK04906_OUTPUTS] = {
    {"FMCA_644M53125_BIT", 0x8},
    {"FMCB_644M53125_BIT", 0x2},
    {"FMCC_644M53125_BIT", 0x1},
    {"FMCD_644M53125_BIT", 0x4},
};

// The controller files of each chip: its sub-folder of the project, the
// files in it and the resource of each.
struct TIpFile {
    const char* File;
    const char* Resource;
};
const char* const kCdcm6208Folder = "cdcm6208";
const TIpFile kCdcm6208Files[] = {
    {"I2C_CDCM6208_Config.v", "COLVENNA_CDCM6208_config_verilog"},
    {"I2C_CDCM6208_Controller.v", "COLVENNA_CDCM6208_controller_verilog"},
};
const char* const kLmk04906Folder = "lmk04906";
const TIpFile kLmk04906Files[] = {
    {"SPI_LMK04906_Config.v", "COLVENNA_LMK04906_config_verilog"},
};

// The head of a chip's block in the top level: its banner and the start of
// its signal declarations.
std::string BlockHead(const char* title)
{
    return "\r\n\r\n" + kVerilogSeparator + kCrLf + title + kCrLf + kVerilogSeparator + kCrLf +
           "\r\n//  Signal declarations\r\n";
}

// The 644.53125 MHz choice of an LMK04906 output.
constexpr uint8_t kLmk644M53125 = 2;

template <std::size_t N>
std::string QsfBlock(const char* title, const char* folder, const TIpFile (&files)[N])
{
    std::string t = kCrLf + kQsfSeparator + kCrLf + title + kCrLf + kQsfSeparator + kCrLf;
    for (const TIpFile& file : files)
        t += Format("set_global_assignment -name VERILOG_FILE %s/%s\r\n", folder, file.File);
    return t + kCrLf;
}

// The macro uses of the defines whose output is chosen, joined by " | ";
// none gives the empty value.
std::string JoinMacroUses(const std::string& uses, const char* none)
{
    return uses.empty() ? none : uses;
}
void AddMacroUse(std::string& uses, const char* define)
{
    if (!uses.empty()) uses += " | ";
    uses += Format("`%s", define);
}

}  // namespace

TConfigColvenna::TConfigColvenna() = default;
TConfigColvenna::~TConfigColvenna() = default;

bool TConfigColvenna::LoadFromFile(const std::string& path)
{
    return LoadRecordFile(&m_Config, sizeof m_Config, path);
}

bool TConfigColvenna::SaveToFile(const std::string& path)
{
    return SaveRecordFile(&m_Config, sizeof m_Config, path);
}

std::string TConfigColvenna::GetLmk04906QsfText() const
{
    if (!m_Config.bLmk04906) return {};
    return QsfBlock("# Includes LMK04906 Controller File(s)", kLmk04906Folder, kLmk04906Files);
}

std::string TConfigColvenna::GetCdcm6208QsfText() const
{
    if (!m_Config.bCdcm6208) return {};
    return QsfBlock("# Includes CDCM6208 Controller Files", kCdcm6208Folder, kCdcm6208Files);
}

std::string TConfigColvenna::GetQsfText() { return GetLmk04906QsfText() + GetCdcm6208QsfText(); }

std::string TConfigColvenna::GetVerilogText()
{
    const COLVENNA_CONFIG& c = m_Config;
    std::string t;
    if (c.bCdcm6208) {
        // The frequency set of FMCA and FMCD: FMCA's choice, or FMCD's while
        // FMCA is off (the form keeps the two equal while both are on).
        const uint8_t fmc = c.nCdcm6208Freq[CDCM6208_FMCA] != 0 ? c.nCdcm6208Freq[CDCM6208_FMCA]
                                                                 : c.nCdcm6208Freq[CDCM6208_FMCD];
        const int mode = fmc == 2 ? 1 : fmc == 3 ? 2 : 0;
        std::string disabled;
        for (int k = 0; k < CDCM6208_OUTPUTS; ++k)
            if (Cdcm6208FreqMHz(c, k) == 0) AddMacroUse(disabled, kCdcm6208Outputs[k].DisableDefine);

        const char* const kModeFormat =
            "`define %s  %s   //FMCA(%s),FMCD(%s),PCIE(100),SATA_HOST(150),SATA_DEVICE(150),DDR3(133.333)\r\n";
        t += BlockHead("//  External PLL CDCM6208 Configuration =================");
        t += Format(kModeFormat, "CDCM6208_MODE_0", "2'd0", "100", "100");
        t += Format(kModeFormat, "CDCM6208_MODE_1", "2'd1", "125", "125");
        t += Format(kModeFormat, "CDCM6208_MODE_2", "2'd2", "150", "150");
        t += "\r\n";
        for (const TCdcm6208Output& output : kCdcm6208Outputs)
            t += Format("`define %s\t\t%s\r\n", output.DisableDefine, output.DisableBit);
        t += "\r\n";
        t += "wire    [1:0]   cdcm6208_freq_select;\r\n";
        t += "wire    [5:0]   cdcm6208_freq_disable;\r\n";
        t += "wire            cdcm6208_reset_n;\r\n";
        t += "wire            cdcm6208_i2c_done;\r\n";
        t += "\r\n";
        t += "//  Structural coding\r\n";
        t += "assign cdcm6208_reset_n = CPU_RESET_n;\r\n";
        t += Format("assign cdcm6208_freq_select = `%s%d;\r\n", "CDCM6208_MODE_", mode);
        t += Format("assign cdcm6208_freq_disable = %s;\r\n", JoinMacroUses(disabled, "6'b000000").c_str());
        t += "\r\n";
        t += "I2C_CDCM6208_Config I2C_CDCM6208_Config_inst(\r\n";
        t += "\t.iCLK(OSC_50_B3B), //50MHZ\r\n";
        t += "\t.iRST_N(cdcm6208_reset_n),\r\n";
        t += "\r\n";
        t += "\t.iFREQ_SELECT(cdcm6208_freq_select),\r\n";
        t += "\t.iFREQ_DISABLE(cdcm6208_freq_disable),\r\n";
        t += "\r\n";
        t += "\t// i2c\r\n";
        t += "\t.I2C_SCLK(CLOCK_SCL),\r\n";
        t += "\t.I2C_SDAT(CLOCK_SDA),\r\n";
        t += "\r\n";
        t += "\t.I2C_DONE(cdcm6208_i2c_done)\n";
        t += ");\r\n";
    }
    if (c.bLmk04906) {
        std::string select;
        for (int k = 0; k < LMK04906_OUTPUTS; ++k)
            if (c.nLmk04906Freq[k] == kLmk644M53125) AddMacroUse(select, kLmk04906Outputs[k].SelectDefine);

        t += BlockHead("//  External PLL LMK04906 Configuration =================");
        for (const TLmk04906Output& output : kLmk04906Outputs)
            t += Format("`define %s  4'h%x   //644.53125 MHz\r\n", output.SelectDefine, output.SelectBit);
        t += "\r\n";
        t += "wire [3:0]      lmk04906_freq_select;\r\n";
        t += "wire            lmk04906_reset_n;\r\n";
        t += "wire            lmk04906_spi_done;\r\n";
        t += "\r\n";
        t += "//  Structural coding\r\n";
        t += "assign lmk04906_reset_n = CPU_RESET_n;\r\n";
        t += Format("assign lmk04906_freq_select = %s;\r\n", JoinMacroUses(select, "4'b0000").c_str());
        t += "\r\n";
        t += "SPI_LMK04906_Config  SPI_LMK04906_Config_inst(\r\n";
        t += "\t.clk50(OSC_50_B4A), //50MHZ\r\n";
        t += "\t.rst_n(lmk04906_reset_n),\r\n";
        t += "\t.iFREQ_SELECT(lmk04906_freq_select),\r\n";
        t += "\r\n";
        t += "\t// spi\r\n";
        t += "\t.LMK04906_CLK(LMK04906_CLK),\r\n";
        t += "\t.LMK04906_DATAIN(LMK04906_DATAIN),\r\n";
        t += "\t.LMK04906_LE(LMK04906_LE),\r\n";
        t += "\t.SPI_DONE(lmk04906_spi_done)\n";
        t += ");\r\n";
    }
    return t;
}

std::string TConfigColvenna::GetVhdlText(const std::string&) { return {}; }

bool TConfigColvenna::ExportIpFiles(const std::string& projectFolder)
{
    // Each chip's files in order, stopping at the first that fails.
    auto exportFiles = [&](const char* folder, const auto& files) {
        for (const TIpFile& file : files)
            if (!ExportResource(projectFolder + folder + "/" + file.File, file.Resource)) return false;
        return true;
    };
    bool ok = true;
    if (m_Config.bCdcm6208) ok = exportFiles(kCdcm6208Folder, kCdcm6208Files);
    if (ok && m_Config.bLmk04906) ok = exportFiles(kLmk04906Folder, kLmk04906Files);
    return ok;
}

float Cdcm6208FreqMHz(const COLVENNA_CONFIG& config, int output)
{
    PL_ASSERT(output >= 0 && output < CDCM6208_OUTPUTS);
    const uint8_t choice = config.nCdcm6208Freq[output];
    switch (output) {
    case CDCM6208_FMCA:
    case CDCM6208_FMCD: return choice == 1 ? 100.0f : choice == 2 ? 125.0f : choice == 3 ? 150.0f : 0.0f;
    case CDCM6208_SATA_HOST:
    case CDCM6208_SATA_DEVICE: return choice == 1 ? 150.0f : 0.0f;
    case CDCM6208_PCIE: return choice == 1 ? 100.0f : 0.0f;
    }
    return choice == 1 ? 400.0f / 3.0f : 0.0f;
}

float Lmk04906FreqMHz(const COLVENNA_CONFIG& config, int output)
{
    PL_ASSERT(output >= 0 && output < LMK04906_OUTPUTS);
    const uint8_t choice = config.nLmk04906Freq[output];
    return choice == 1 ? 322.265625f : choice == kLmk644M53125 ? 644.53125f : 0.0f;
}

IoStandard FmcBankIoStandard(const COLVENNA_CONFIG& config, int fmc)
{
    PL_ASSERT(fmc >= 0 && fmc < FMC_COUNT);
    constexpr uint8_t kAdcFmcCard = 54;
    constexpr IoStandard k1V8 = 3, k2V5 = 6;  // "1.8 V", "2.5 V"
    return config.nFmcDaughterId[fmc] == kAdcFmcCard ? k1V8 : k2V5;
}
