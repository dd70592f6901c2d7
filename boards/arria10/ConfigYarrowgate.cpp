#include "boards/arria10/ConfigYarrowgate.h"

#include <iterator>
#include <vector>

#include "model/SettingsFile.h"
#include "model/Text.h"
#include "platform/Seam.h"

const TTxcFreqChoice TxcFreqChoices[kTxcChoiceCount] = {
    {100.0f, "100", "TXC_100M"},
    {125.0f, "125", "TXC_125M"},
    {135.0f, "135", "TXC_135M"},
    {148.5f, "148.5", "TXC_148M5"},
    {150.0f, "150", "TXC_150M"},
    {270.0f, "270", "TXC_270M"},
    {297.0f, "297", "TXC_297M"},
    // Codes 7 and 8 carry the prefix twice; the defines and their uses come
    // from this one table, so the generated text stays consistent.
    {300.0f, "300", "TXC_TXC_300M"},
    {600.0f, "600", "TXC_TXC_600M"},
    {644.53125f, "644.53125", "TXC_644M53125"},
};

const float TxcDefaultMHz[TXC_REFCLK_COUNT] = {148.5f, 644.53125f, 125.0f, 270.0f, 644.53125f};

namespace {

const char* const kSubFolder = "txc_controller";
const char* const kTxcAFiles[] = {"I2C_TXCA.v", "I2C_TXCA_Config.v", "I2C_TXCA_Controller.v"};
const char* const kTxcBFiles[] = {"I2C_TXCB.v", "I2C_TXCB_Config.v", "I2C_TXCB_Controller.v"};
const char* const kQsfRule = "#============================================================\r\n";
const char* const kVerilogRule = "//=======================================================\r\n";
const char* const kVhdlRule = "---------------------------------------------------------\r\n";

// The four binary digits of a code.
std::string VhdlValue(int code)
{
    std::string digits;
    for (int bit = 3; bit >= 0; --bit) digits += (code >> bit & 1) ? '1' : '0';
    return digits;
}

std::string YarrowgateResourceName(const std::string& fileName)
{
    return "yarrowgate_" + ChangeFileExt(fileName, "_verilog");
}

// The component declaration of one controller in the VHDL architecture.
std::string VhdlComponent(char txc, const char* selectLine)
{
    return std::string("\r\n") + Format("\tsignal  i2c_done_%c\t: std_logic :='0';\r\n", txc - 'A' + 'a') +
           Format("\tcomponent I2C_TXC%c\r\n", txc) + "\t\tport (\r\n" + "\t\t\tiCLK \t\t\t\t: in\tstd_logic;\r\n" +
           "\t\t\tiRST_N \t\t\t: in\tstd_logic;\r\n" + "\r\n" + selectLine + "\r\n" +
           "\t\t\tCLOCK_SCL \t   \t: inout\tstd_logic;\r\n" + "\t\t\tCLOCK_SDA \t\t: inout\tstd_logic;\r\n" +
           "\t\t\tI2C_DONE \t\t    : out\tstd_logic\r\n" + "\t\t);\r\n" + "\tend component;\r\n" + "\r\n";
}

}  // namespace

TConfigYarrowgate::TConfigYarrowgate() = default;
TConfigYarrowgate::~TConfigYarrowgate() = default;

bool TConfigYarrowgate::LoadFromFile(const std::string& path)
{
    return LoadRecordFile(&m_Config, sizeof(m_Config), path);
}

bool TConfigYarrowgate::SaveToFile(const std::string& path)
{
    return SaveRecordFile(&m_Config, sizeof(m_Config), path);
}

int TConfigYarrowgate::GetTxcChoiceIndex(float mhz)
{
    for (int code = 0; code < kTxcChoiceCount; ++code)
        if (TxcFreqChoices[code].MHz == mhz) return code;
    return 0;
}

bool TConfigYarrowgate::IsTxcAReconfigured() const
{
    const float* f = m_Config.fTxcRefClkMHz;
    return m_Config.bXcvrRefClk != 0 && (f[TXC_HDMI] != TxcDefaultMHz[TXC_HDMI] || f[TXC_SFP] != TxcDefaultMHz[TXC_SFP]);
}

bool TConfigYarrowgate::IsTxcBReconfigured() const
{
    const float* f = m_Config.fTxcRefClkMHz;
    return m_Config.bXcvrRefClk != 0 && (f[TXC_DP] != TxcDefaultMHz[TXC_DP] || f[TXC_USB] != TxcDefaultMHz[TXC_USB] ||
                                         f[TXC_FMC] != TxcDefaultMHz[TXC_FMC]);
}

float TConfigYarrowgate::GetTxcRefClkMHz(int index) const
{
    PL_ASSERT(index >= 0 && index < TXC_REFCLK_COUNT);
    return m_Config.bXcvrRefClk != 0 ? m_Config.fTxcRefClkMHz[index] : TxcDefaultMHz[index];
}

bool TConfigYarrowgate::IsQdr2Module() const { return m_Config.nDdr4SocketDaughterId[0] == 81; }

std::string TConfigYarrowgate::GetQsfText()
{
    std::string text = std::string(kQsfRule) + Format("%-61s\r\n", "# Configuration scheme/pin") + kQsfRule +
                       "set_global_assignment -name RESERVE_DATA0_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n" +
                       "set_global_assignment -name STRATIXV_CONFIGURATION_SCHEME \"ACTIVE SERIAL X4\"\r\n" + "\r\n";
    const bool a = IsTxcAReconfigured();
    const bool b = IsTxcBReconfigured();
    if (!a && !b) return text;
    text += std::string("\r\n") + kQsfRule + "# Includes TXC Controller Files\r\n" + kQsfRule;
    if (a)
        for (const char* file : kTxcAFiles)
            text += Format("set_global_assignment -name VERILOG_FILE %s/%s\r\n", kSubFolder, file);
    if (b)
        for (const char* file : kTxcBFiles)
            text += Format("set_global_assignment -name VERILOG_FILE %s/%s\r\n", kSubFolder, file);
    return text + "\r\n";
}

std::string TConfigYarrowgate::GetVerilogText()
{
    const bool a = IsTxcAReconfigured();
    const bool b = IsTxcBReconfigured();
    if (!a && !b) return {};
    auto name = [this](int index) { return TxcFreqChoices[GetTxcChoiceIndex(m_Config.fTxcRefClkMHz[index])].Name; };
    std::string text =
        std::string("\r\n\r\n") + kVerilogRule + "//  Configure TXC Clock Generator \r\n" + kVerilogRule + "\r\n";
    for (int code = 0; code < kTxcChoiceCount; ++code) {
        const char* define = TxcFreqChoices[code].Name;
        text += Format(std::string(define).size() <= 9 ? "`define %s\t\t\t\t4'h%d\r\n" : "`define %s\t\t4'h%d\r\n",
                       define, code);
    }
    if (a)
        text += std::string("\r\n") + "// Configure TXC A\r\n" + "wire i2c_done_a;\r\n" +
                "I2C_TXCA HDMI_SFP_CLK_Config(\r\n" + "\t.iCLK(CLK_50_B3H),\r\n" + "\t.iRST_N(KEY[0]),\r\n" +
                Format("\t.iFREQ_SELECTA({`%s,`%s}), //[7:4]=HDMI,[3:0]=SFP\r\n", name(TXC_HDMI), name(TXC_SFP)) +
                "\t// XTC I2C Interface\r\n" + "\t.CLOCK_SCL(REFCLK0_SCL),\r\n" + "\t.CLOCK_SDA(REFCLK0_SDA),\r\n" +
                "\t.I2C_DONE(i2c_done_a)\r\n" + ");\r\n";
    if (b)
        text += std::string("\r\n") + "// Configure TXC B\r\n" + "wire i2c_done_b;\r\n" +
                "I2C_TXCB FMC_DP_USB_CLK_Config(\r\n" + "\t.iCLK(CLK_50_B3H),\r\n" + "\t.iRST_N(KEY[0]),\r\n" +
                Format("\t.iFREQ_SELECTB({`%s,`%s,`%s}), //[11:8]=FMC,[7:4]=DP,[3:0]=USB\r\n", name(TXC_FMC),
                       name(TXC_DP), name(TXC_USB)) +
                "\t// XTC I2C Interface\r\n" + "\t.CLOCK_SCL(REFCLK1_SCL),\r\n" + "\t.CLOCK_SDA(REFCLK1_SDA),\r\n" +
                "\t.I2C_DONE(i2c_done_b)\r\n" + ");\r\n";
    return text;
}

std::string TConfigYarrowgate::GetVhdlText(const std::string& entityName)
{
    const bool a = IsTxcAReconfigured();
    const bool b = IsTxcBReconfigured();
    if (!a && !b) return {};
    auto name = [this](int index) { return TxcFreqChoices[GetTxcChoiceIndex(m_Config.fTxcRefClkMHz[index])].Name; };
    std::string text = std::string("\r\n\r\n") + kVhdlRule + "--  Configure TXC Clock Generator \r\n" + kVhdlRule +
                       "\r\n" + Format("architecture txc_behave of %s is\r\n", entityName.c_str()) + "\r\n";
    for (int code = 0; code < kTxcChoiceCount; ++code)
        text += Format("\tconstant  %s: std_logic_vector (3 downto 0) := \"%s\";\r\n", TxcFreqChoices[code].Name,
                       VhdlValue(code).c_str());
    if (a)
        text += VhdlComponent(
            'A', "\t\t\tiFREQ_SELECTA \t: in\t std_logic_vector (7 downto 0); --[7:4]=HDMI,[3:0]=SFP\r\n");
    if (b)
        text += VhdlComponent(
            'B', "\t\t\tiFREQ_SELECTB \t: in\t std_logic_vector (11 downto 0); --[11:8]=FMC,[7:4]=DP,[3:0]=USB\r\n");
    text += "\tbegin ----------\r\n";
    if (a)
        text += std::string("\tHDMI_SFP_CLK_Config : I2C_TXCA port map(\r\n") + "\t\tiCLK => CLK_50_B3H,\r\n" +
                "\t\tiRST_N => KEY(0),\r\n" + "\r\n" +
                Format("\t\tiFREQ_SELECTA => %s & %s,--[7:4]=HDMI,[3:0]=SFP\r\n", name(TXC_HDMI), name(TXC_SFP)) +
                "\t\t----- XTC I2C Interface -----\r\n" + "\t\tCLOCK_SCL => REFCLK0_SCL,\r\n" +
                "\t\tCLOCK_SDA => REFCLK0_SDA,\r\n" + "\t\tI2C_DONE => i2c_done_a\r\n" + "\t);\r\n";
    if (b)
        text += std::string("\tFMC_DP_USB_CLK_Config : I2C_TXCB port map(\r\n") + "\t\tiCLK => CLK_50_B3H,\r\n" +
                "\t\tiRST_N => KEY(0),\r\n" + "\r\n" +
                Format("\t\tiFREQ_SELECTB => %s & %s & %s, --[11:8]=FMC,[7:4]=DP,[3:0]=USB\r\n", name(TXC_FMC),
                       name(TXC_DP), name(TXC_USB)) +
                "\t\t----- XTC I2C Interface -----\r\n" + "\t\tCLOCK_SCL => REFCLK1_SCL,\r\n" +
                "\t\tCLOCK_SDA => REFCLK1_SDA,\r\n" + "\t\tI2C_DONE => i2c_done_b\r\n" + "\t);\r\n";
    return text + "\r\n" + "end txc_behave;\r\n" + "\r\n";
}

bool TConfigYarrowgate::ExportIpFiles(const std::string& projectFolder)
{
    std::vector<std::string> files;
    if (IsTxcAReconfigured()) files.insert(files.end(), std::begin(kTxcAFiles), std::end(kTxcAFiles));
    if (IsTxcBReconfigured()) files.insert(files.end(), std::begin(kTxcBFiles), std::end(kTxcBFiles));
    return ExportIpFileSet(projectFolder, kSubFolder, files, YarrowgateResourceName);
}
