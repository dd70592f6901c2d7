#include "generate/Pinloom.h"

#include <ctime>
#include <map>

#include "generate/HtmlGenerator.h"
#include "model/Configboard.h"
#include "model/FileReplace.h"
#include "model/GeneratedText.h"
#include "model/MainBoard.h"
#include "model/Names.h"
#include "model/PinParsing.h"
#include "model/Text.h"
#include "platform/Seam.h"

namespace {

const char* const kMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                     "July",    "August",   "September", "October", "November", "December"};

const std::string kSdcStars = "#" + std::string(62, '*');
const std::string kVhdlSeparator = std::string(57, '-');


// The file name of a path without folder and extension.
std::string ProjectBaseName(const std::string& path)
{
    std::string name = ExtractFileName(path);
    size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

// "09:05:07 March 04, 2026"; for the settings file "09:05:07 MARCH 04,2026".
std::string ProjectStamp(const std::tm& now, bool forSettings)
{
    PL_ASSERT(now.tm_mon >= 0 && now.tm_mon < 12);
    std::string stamp = Format("%02d:%02d:%02d %s %02d,%s%04d", now.tm_hour, now.tm_min, now.tm_sec,
                               kMonthNames[now.tm_mon], now.tm_mday, forSettings ? "" : " ", now.tm_year + 1900);
    return forSettings ? UpperCase(stamp) : stamp;
}

// Replaces the file with the text (model/FileReplace.h), so a failure leaves
// an earlier file of that name whole. A failure shows its cause, naming the
// file, then "Failed to create file <name>".
bool WriteTextFile(const std::string& path, const std::string& text)
{
    const TFileWriteResult result = WriteFileReplacing(path, text);
    if (result.Ok()) return true;
    seam::ShowError(result.error);
    seam::ShowError(Format("Failed to create file %s", ExtractFileName(path).c_str()));
    return false;
}

// The peripheral choices that decide the board-specific timing blocks.
struct SdcChoices {
    bool vga = false;
    bool sdram = false;
    bool audio = false;
    bool videoIn = false;
};

// False for a board without settings-dependent clock blocks.
bool GetSdcChoices(const TMainBoard* board, SdcChoices& choices)
{
    switch (static_cast<uint8_t>(board->GetBoardId())) {
    case MAINBOARD_HOLLARNE:
        choices.vga = board->m_HollarneConfig.Byte(140) != 0;
        choices.sdram = board->m_HollarneConfig.Byte(141) != 0;
        choices.audio = board->m_HollarneConfig.Byte(142) != 0;
        choices.videoIn = board->m_HollarneConfig.Byte(143) != 0;
        return true;
    case MAINBOARD_MIRRENDALE:
        choices.vga = board->m_MirrendaleConfig.Byte(140) != 0;
        choices.audio = board->m_MirrendaleConfig.Byte(143) != 0;
        choices.videoIn = board->m_MirrendaleConfig.Byte(144) != 0;
        return true;
    case MAINBOARD_WYNDHOLT:
        choices.vga = board->m_WyndholtConfig.Byte(140) != 0;
        return true;
    case MAINBOARD_WENDLEBURY:
        choices.vga = board->m_WendleburyConfig.Byte(141) != 0;
        choices.sdram = board->m_WendleburyConfig.Byte(142) != 0;
        choices.audio = board->m_WendleburyConfig.Byte(143) != 0;
        choices.videoIn = board->m_WendleburyConfig.Byte(144) != 0;
        return true;
    }
    return false;
}

// The FMC pin label of a card position: row letter and column, 40 per row.
std::string FmcPinLabel(int32_t position)
{
    static const char* const kRows[14] = {"A", "B", "C", "D", "E", "F", "G", "H", "J", "K", "L", "M", "Y", "Z"};
    PL_ASSERT(position >= 1 && position <= 14 * 40);
    return Format("%s%d", kRows[(position - 1) / 40], (position - 1) % 40 + 1);
}

}  // namespace

TPinloom::TPinloom() = default;
TPinloom::~TPinloom() = default;

bool TPinloom::Generate(TMainBoard* board, const std::string& path, bool vhdl)
{
    std::string message;
    if (!CheckProjectName(ProjectBaseName(path), message)) {
        seam::ShowError(message);
        return false;
    }
    if (!CheckPinNames(board, vhdl)) return false;
    if (!CheckSignalNames(board)) return false;
    board->ReleaseRepeatedLocations();
    board->SortConnectorPins();
    // Every file of the project goes to its temporary first; the earlier
    // project is replaced only once all are written, so a failure anywhere
    // leaves it whole.
    TFileWriteBatch batch;
    if (!WriteQpf(ChangeFileExt(path, ".qpf"))) return false;
    if (!WriteQsf(board, ChangeFileExt(path, ".qsf"))) return false;
    const bool top = vhdl ? WriteVhdl(board, ChangeFileExt(path, ".vhd"))
                          : WriteVerilog(board, ChangeFileExt(path, ".v"));
    if (!top) return false;
    if (!ExportIp(board, ExtractFilePath(path))) return false;
    if (!WriteSdc(board, ChangeFileExt(path, ".sdc"))) return false;
    if (!WriteHtml(board, ChangeFileExt(path, ".htm"))) return false;
    const TFileWriteResult result = batch.Commit();
    if (result.Ok()) return true;
    seam::ShowError(result.error);
    seam::ShowError(Format("Failed to create file %s", ExtractFileName(result.path).c_str()));
    return false;
}

bool TPinloom::CheckPinNames(TMainBoard* board, bool vhdl)
{
    for (int c = 0; c < board->GetConnectorCount(); ++c) {
        const TConnector* connector = board->GetConnector(c);
        for (int i = 0; i < connector->GetPinCount(); ++i) {
            const TPin* pin = connector->GetPin(i);
            if (!pin || !pin->IsActive() || IsLegalSignalName(pin->GetName(), vhdl)) continue;
            seam::ShowError(Format(kSignalNameFormat, pin->GetName().c_str()));
            return false;
        }
    }
    return true;
}

bool TPinloom::CheckSignalNames(TMainBoard* board)
{
    // The first use of a port: its connector, whether it is a bus and the
    // direction of its first member.
    struct TPortUse {
        int connector;
        bool bus;
        PinDirection direction;
    };
    std::map<std::string, int> pinNames;                     // upper-case pin name -> connector
    std::map<std::string, TPortUse> portUses;                // upper-case port name -> first use
    std::map<std::pair<std::string, int32_t>, int> busBits;  // upper-case bus name and index -> connector
    for (int c = 0; c < board->GetConnectorCount(); ++c) {
        const TConnector* connector = board->GetConnector(c);
        for (int i = 0; i < connector->GetPinCount(); ++i) {
            const TPin* pin = connector->GetPin(i);
            if (!pin || !pin->IsActive()) continue;
            const std::string& name = pin->GetName();
            if (!pinNames.emplace(UpperCase(name), c).second) {
                seam::ShowError(Format("Signal name %s is used more than once in this project.", name.c_str()));
                return false;
            }
            std::string baseName;
            int32_t index = -1;
            const bool bus = TPinParsing::SplitBusName(name, baseName, index);
            const std::string port = bus ? baseName : name;
            const TPortUse& use =
                portUses.emplace(UpperCase(port), TPortUse{c, bus, pin->GetDirection()}).first->second;
            if (bus && busBits.emplace(std::make_pair(UpperCase(baseName), index), c).first->second != c) {
                seam::ShowError(Format("Signal name %s is used more than once in this project.", name.c_str()));
                return false;
            }
            if (use.connector == c) continue;
            // A bus may have members in several connectors (the top level
            // declares it once); any other name is one connector's.
            if (!bus || !use.bus) {
                seam::ShowError(Format("Signal name %s is used more than once in this project.", port.c_str()));
                return false;
            }
            if (pin->GetDirection() != use.direction) {
                seam::Beep();
                seam::ShowError(
                    Format("Connector %s[%d]:%d has an unmathced pin direction", baseName.c_str(), index, i));
                return false;
            }
        }
    }
    return true;
}

bool TPinloom::WriteQpf(const std::string& path)
{
    std::string text;
    text += Format("DATE = \"%s\"\r\n", ProjectStamp(seam::CurrentTime(), false).c_str());
    text += "QUARTUS_VERSION = \"13.0\"\r\n";
    text += "\r\n";
    text += "# Revisions\r\n";
    text += "\r\n";
    text += Format("PROJECT_REVISION = \"%s\"\r\n", ProjectBaseName(path).c_str());
    return WriteTextFile(path, text);
}

bool TPinloom::WriteQsf(TMainBoard* board, const std::string& path)
{
    const std::string base = ProjectBaseName(path);
    std::string text;
    text += kQsfSeparator + kCrLf + "# Build by Kalvora Pinloom\r\n" + kQsfSeparator + kCrLf + kCrLf;
    text += Format("set_global_assignment -name FAMILY \"%s\"\r\n", board->GetFamily().c_str());
    text += Format("set_global_assignment -name DEVICE %s\r\n", board->GetDevice().c_str());
    text += Format("set_global_assignment -name TOP_LEVEL_ENTITY \"%s\"\r\n", base.c_str());
    text += "set_global_assignment -name ORIGINAL_QUARTUS_VERSION \"13.0\"\r\n";
    text += "set_global_assignment -name LAST_QUARTUS_VERSION \"13.0\"\r\n";
    text += Format("set_global_assignment -name PROJECT_CREATION_TIME_DATE \"%s\"\r\n",
                   ProjectStamp(seam::CurrentTime(), true).c_str());
    if (!board->GetPackage().empty())
        text += Format("set_global_assignment -name DEVICE_FILTER_PACKAGE %s\r\n", board->GetPackage().c_str());
    if (board->GetDevicePinCount() > 0)
        text += Format("set_global_assignment -name DEVICE_FILTER_PIN_COUNT %d\r\n", board->GetDevicePinCount());
    if (!board->GetSpeedGradeText().empty())
        text += Format("set_global_assignment -name DEVICE_FILTER_SPEED_GRADE %s\r\n",
                       board->GetSpeedGradeText().c_str());
    else if (board->GetSpeedGrade() > 0)
        text += Format("set_global_assignment -name DEVICE_FILTER_SPEED_GRADE %d\r\n", board->GetSpeedGrade());
    text += Format("set_global_assignment -name SDC_FILE %s.sdc\r\n", base.c_str());
    text += "set_global_assignment -name PROJECT_OUTPUT_DIRECTORY output_files\r\n";
    text += board->GetQsfBoardAssignments();

    for (int c = 0; c < board->GetConnectorCount(); ++c) {
        const TConnector* connector = board->GetConnector(c);
        if (connector->GetActivePinCount() != 0) {
            text += kCrLf + kQsfSeparator + kCrLf;
            if (!connector->GetDescription().empty())
                text += Format("# %s, %s\r\n", connector->GetName().c_str(), connector->GetDescription().c_str());
            else
                text += Format("# %s\r\n", connector->GetName().c_str());
            text += kQsfSeparator + kCrLf;
        }
        auto assigned = [](const TPin* pin) {
            return pin && pin->GetDirection() >= PIN_DIR_INOUT && pin->GetDirection() <= PIN_DIR_OUTPUT;
        };
        for (int i = 0; i < connector->GetPinCount(); ++i) {
            const TPin* pin = connector->GetPin(i);
            if (!assigned(pin)) continue;
            text += Format("set_instance_assignment -name IO_STANDARD \"%s\" -to %s\r\n",
                           pin->GetIoStandardText().c_str(), pin->GetName().c_str());
        }
        for (int i = 0; i < connector->GetPinCount(); ++i) {
            const TPin* pin = connector->GetPin(i);
            if (!assigned(pin) || pin->GetLocation().empty()) continue;
            text += Format("set_location_assignment PIN_%s -to %s\r\n", pin->GetLocation().c_str(),
                           pin->GetName().c_str());
        }
    }

    text += kCrLf + kQsfSeparator + kCrLf + "# End of pin assignments by Kalvora Pinloom\r\n" + kQsfSeparator + kCrLf +
            kCrLf;
    return WriteTextFile(path, text);
}

bool TPinloom::WriteVerilog(TMainBoard* board, const std::string& path)
{
    bool ok = true;
    const std::string ports = board->GetVerilogPortList(ok);
    if (!ok) return false;
    const std::string base = ProjectBaseName(path);
    std::string text;
    text += kCrLf + kVerilogSeparator + kCrLf;
    text += "//  This code is generated by Kalvora Pinloom\r\n";
    text += kVerilogSeparator + kCrLf + kCrLf;
    text += Format("module %s(\r\n", base.c_str());
    text += ports;
    text += ");\r\n\r\n\r\n\r\n";
    text += kVerilogSeparator + kCrLf + "//  REG/WIRE declarations\r\n" + kVerilogSeparator + kCrLf +
            "\r\n\r\n\r\n\r\n";
    text += kVerilogSeparator + kCrLf + "//  Structural coding\r\n" + kVerilogSeparator + kCrLf + "\r\n\r\n";
    text += board->GetVerilogBoardExtras();
    text += "\r\nendmodule\r\n";
    return WriteTextFile(path, text);
}

bool TPinloom::WriteVhdl(TMainBoard* board, const std::string& path)
{
    bool ok = true;
    int portCount = 0;
    const std::string ports = board->GetVhdlPortList(ok, &portCount);
    if (!ok) return false;
    const std::string base = ProjectBaseName(path);
    std::string text;
    text += kCrLf + kVhdlSeparator + kCrLf;
    text += "--  This code is generated by Kalvora Pinloom\r\n";
    text += kVhdlSeparator + kCrLf + kCrLf;
    text += "library ieee;\r\nuse ieee.std_logic_1164.all;\r\n\r\n";
    text += Format("entity %s is\r\n", base.c_str());
    // An entity without ports has no port clause: an empty "port ( );" is not VHDL.
    if (portCount > 0) text += "port\r\n(\r\n" + ports + ");\r\n\r\n";
    text += Format("end %s;\r\n\r\n\r\n", base.c_str());
    text += kVhdlSeparator + kCrLf + "--  Structural coding\r\n" + kVhdlSeparator + kCrLf + "\r\n\r\n";
    const std::string architecture = board->GetVhdlArchitecture(base);
    if (!architecture.empty()) {
        text += architecture;
    } else {
        const char* name = "rtl";
        text += Format("architecture %s of %s is\r\n", name, base.c_str());
        text += "\r\n-- declare --\r\n\r\nbegin\r\n\r\n-- body --\r\n\r\n";
        text += Format("end %s;\r\n", name);
    }
    text += kCrLf;
    return WriteTextFile(path, text);
}

bool TPinloom::ExportIp(TMainBoard* board, const std::string& projectFolder)
{
    static const char* const kSi570Files[] = {"si570_controller.v", "clock_divider.v",      "edge_detector.v",
                                              "i2c_bus_controller.v", "i2c_controller.v", "i2c_reg_controller.v",
                                              "initial_config.v"};
    auto exportSi570Group = [&]() {
        for (const char* file : kSi570Files) {
            if (!ExportResource(projectFolder + file, ChangeFileExt(file, "_verilog"))) return false;
        }
        return true;
    };
    auto exportExtPll = [&]() { return ExportResource(projectFolder + "EXT_PLL_CTRL.v", "EXT_PLL_CTRL_VERILOG"); };
    auto exportCdcm = [&]() {
        return ExportResource(projectFolder + "CDCM6100x_Config.v", "cdcm6100x_config_verilog");
    };

    bool result = true;
    const uint8_t id = static_cast<uint8_t>(board->GetBoardId());
    switch (id) {
    case MAINBOARD_ORMSGILL:
    case MAINBOARD_BRACKWELL: result = exportExtPll(); break;
    case MAINBOARD_RASTRELLE:
    case MAINBOARD_DRENNOCK:
    case MAINBOARD_ESTOVER: {
        // The files of the blocks the top level instantiates, in this order,
        // stopping at the first that fails.
        const TClockChipChoices chips = board->GetClockChipChoices();
        if (chips.ExtPllBlock) result = exportExtPll();
        if (result && chips.Si570Block) result = exportSi570Group();
        if (result && chips.Cdcm61004Block) result = exportCdcm();
        break;
    }
    default:
        if (IsConfigObjectBoard(id)) {
            PL_ASSERT(board->m_pConfig);
            result = board->m_pConfig->ExportIpFiles(projectFolder);
        }
        break;
    }
    if (!result) seam::ShowError("Failed to export verilog IP");
    return result;
}

bool TPinloom::ExportResource(const std::string& target, const std::string& name)
{
    return ExportRawResource(target, name);
}

bool TPinloom::WriteSdc(TMainBoard* board, const std::string& path)
{
    auto head = [](const char* title) { return kSdcStars + kCrLf + title + kCrLf + kSdcStars + kCrLf; };
    const char* const kThreeEmpty = "\r\n\r\n\r\n";

    std::string text;
    text += kSdcStars + kCrLf;
    text += "# This .sdc file is created by Kalvora Tool.\r\n";
    text += "# Users are recommended to modify this file to match users logic.\r\n";
    text += kSdcStars + kCrLf + kCrLf;
    text += head("# Create Clock");
    for (int c = 0; c < board->GetConnectorCount(); ++c) {
        const TConnector* connector = board->GetConnector(c);
        for (int i = 0; i < connector->GetPinCount(); ++i) {
            const TPin* pin = connector->GetPin(i);
            if (!pin || !pin->GetIsClock()) continue;
            if (!pin->GetClockFrequencyText().empty())
                text += Format("create_clock -period \"%s\" [get_ports %s]\r\n", pin->GetClockFrequencyText().c_str(),
                               pin->GetName().c_str());
            else if (pin->GetClockPeriodNs() != 0)
                text += Format("create_clock -period %.3fns [get_ports %s]\r\n",
                               static_cast<double>(pin->GetClockPeriodNs()), pin->GetName().c_str());
        }
    }
    text += kCrLf;
    text += GetSdcBoardClocks(board);
    text += GetSdcJtagConstraints(board);
    text += head("# Create Generated Clock") + "derive_pll_clocks\r\n" + kThreeEmpty;
    text += head("# Set Clock Latency") + kThreeEmpty;
    text += head("# Set Clock Uncertainty") + "derive_clock_uncertainty\r\n" + kThreeEmpty;
    text += head("# Set Input Delay") + GetSdcInputDelays(board) + kThreeEmpty;
    text += head("# Set Output Delay") + GetSdcOutputDelays(board) + kThreeEmpty;
    for (const char* title : {"# Set Clock Groups", "# Set False Path", "# Set Multicycle Path", "# Set Maximum Delay",
                              "# Set Minimum Delay", "# Set Input Transition", "# Set Load"})
        text += head(title) + kThreeEmpty;
    return WriteTextFile(path, text);
}

std::string TPinloom::GetSdcBoardClocks(TMainBoard* board)
{
    SdcChoices choices;
    if (!GetSdcChoices(board, choices)) return {};
    std::string text;
    if (choices.videoIn) text += "create_clock -period \"27 MHz\"  -name tv_27m [get_ports TD_CLK27]\r\n";
    if (choices.sdram) text += "create_clock -period \"100 MHz\" -name clk_dram [get_ports DRAM_CLK]\r\n";
    if (choices.audio) {
        text += "# AUDIO : 48kHz 384fs 32-bit data\r\n";
        text += "create_clock -period \"18.432 MHz\" -name clk_audxck [get_ports AUD_XCK]\r\n";
        text += "create_clock -period \"1.536 MHz\" -name clk_audbck [get_ports AUD_BCLK]\r\n";
    }
    if (choices.vga) {
        text += "# VGA : 640x480@60Hz\r\n";
        text += "#create_clock -period \"25.18 MHz\" -name clk_vga [get_ports VGA_CLK]\r\n";
        text += "# VGA : 800x600@60Hz\r\n";
        text += "#create_clock -period \"40.0 MHz\" -name clk_vga [get_ports VGA_CLK]\r\n";
        text += "# VGA : 1024x768@60Hz\r\n";
        text += "#create_clock -period \"65.0 MHz\" -name clk_vga [get_ports VGA_CLK]\r\n";
        text += "# VGA : 1280x1024@60Hz\r\n";
        text += "create_clock -period \"108.0 MHz\" -name clk_vga [get_ports VGA_CLK]\r\n";
    }
    if (!text.empty()) text += kCrLf;
    return text;
}

std::string TPinloom::GetSdcJtagConstraints(TMainBoard* board)
{
    switch (static_cast<uint8_t>(board->GetBoardId())) {
    case MAINBOARD_HOLLARNE:
    case MAINBOARD_MIRRENDALE:
    case MAINBOARD_DORVALIN:
    case MAINBOARD_ELMSARY:
    case MAINBOARD_WENDLEBURY:
    case MAINBOARD_YARROWGATE:
    case MAINBOARD_ZENNORBY:
    case MAINBOARD_RENNACRE:
    case MAINBOARD_ASHCOMBRE:
        return "# for enhancing USB BlasterII to be reliable, 25MHz\r\n"
               "create_clock -name {altera_reserved_tck} -period 40 {altera_reserved_tck}\r\n"
               "set_input_delay -clock altera_reserved_tck -clock_fall 3 [get_ports altera_reserved_tdi]\r\n"
               "set_input_delay -clock altera_reserved_tck -clock_fall 3 [get_ports altera_reserved_tms]\r\n"
               "set_output_delay -clock altera_reserved_tck 3 [get_ports altera_reserved_tdo]\r\n"
               "\r\n";
    }
    return {};
}

std::string TPinloom::GetSdcInputDelays(TMainBoard* board)
{
    if (static_cast<uint8_t>(board->GetBoardId()) != MAINBOARD_HOLLARNE) return {};
    SdcChoices choices;
    GetSdcChoices(board, choices);
    std::string text;
    if (choices.sdram || choices.videoIn)
        text += "# Board Delay (Data) + Propagation Delay - Board Delay (Clock)\r\n";
    if (choices.sdram) {
        text += "set_input_delay -max -clock clk_dram -0.048 [get_ports DRAM_DQ*]\r\n";
        text += "set_input_delay -min -clock clk_dram -0.057 [get_ports DRAM_DQ*]\r\n";
        text += kCrLf;
    }
    if (choices.videoIn) {
        text += "set_input_delay -max -clock tv_27m 3.508 -clock_fall [get_ports TD_DATA*]\r\n";
        text += "set_input_delay -min -clock tv_27m -2.539 -clock_fall [get_ports TD_DATA*]\r\n";
        text += "set_input_delay -max -clock tv_27m 3.654 -clock_fall [get_ports TD_HS]\r\n";
        text += "set_input_delay -min -clock tv_27m -2.454 -clock_fall [get_ports TD_HS]\r\n";
        text += "set_input_delay -max -clock tv_27m 3.652 -clock_fall [get_ports TD_VS]\r\n";
        text += "set_input_delay -min -clock tv_27m -2.456 -clock_fall [get_ports TD_VS]\r\n";
        text += kCrLf;
    }
    return text;
}

std::string TPinloom::GetSdcOutputDelays(TMainBoard* board)
{
    if (static_cast<uint8_t>(board->GetBoardId()) != MAINBOARD_HOLLARNE) return {};
    SdcChoices choices;
    GetSdcChoices(board, choices);
    std::string text;
    if (choices.sdram || choices.vga) {
        text += "# max : Board Delay (Data) - Board Delay (Clock) + tsu (External Device)\r\n";
        text += "# min : Board Delay (Data) - Board Delay (Clock) - th (External Device)\r\n";
    }
    if (choices.sdram) {
        text += "set_output_delay -max -clock clk_dram 1.452  [get_ports DRAM_DQ*]\r\n";
        text += "set_output_delay -min -clock clk_dram -0.857 [get_ports DRAM_DQ*]\r\n";
        text += "set_output_delay -max -clock clk_dram 1.531 [get_ports DRAM_ADDR*]\r\n";
        text += "set_output_delay -min -clock clk_dram -0.805 [get_ports DRAM_ADDR*]\r\n";
        text += "set_output_delay -max -clock clk_dram 1.533  [get_ports DRAM_*DQM]\r\n";
        text += "set_output_delay -min -clock clk_dram -0.805 [get_ports DRAM_*DQM]\r\n";
        text += "set_output_delay -max -clock clk_dram 1.510  [get_ports DRAM_BA*]\r\n";
        text += "set_output_delay -min -clock clk_dram -0.800 [get_ports DRAM_BA*]\r\n";
        text += "set_output_delay -max -clock clk_dram 1.520  [get_ports DRAM_RAS_N]\r\n";
        text += "set_output_delay -min -clock clk_dram -0.780 [get_ports DRAM_RAS_N]\r\n";
        text += "set_output_delay -max -clock clk_dram 1.5000  [get_ports DRAM_CAS_N]\r\n";
        text += "set_output_delay -min -clock clk_dram -0.800 [get_ports DRAM_CAS_N]\r\n";
        text += "set_output_delay -max -clock clk_dram 1.545 [get_ports DRAM_WE_N]\r\n";
        text += "set_output_delay -min -clock clk_dram -0.755 [get_ports DRAM_WE_N]\r\n";
        text += "set_output_delay -max -clock clk_dram 1.496  [get_ports DRAM_CKE]\r\n";
        text += "set_output_delay -min -clock clk_dram -0.804 [get_ports DRAM_CKE]\r\n";
        text += "set_output_delay -max -clock clk_dram 1.508  [get_ports DRAM_CS_N]\r\n";
        text += "set_output_delay -min -clock clk_dram -0.792 [get_ports DRAM_CS_N]\r\n";
        text += kCrLf;
    }
    if (choices.vga) {
        text += "set_output_delay -max -clock clk_vga 0.220 [get_ports VGA_R*]\r\n";
        text += "set_output_delay -min -clock clk_vga -1.506 [get_ports VGA_R*]\r\n";
        text += "set_output_delay -max -clock clk_vga 0.212 [get_ports VGA_G*]\r\n";
        text += "set_output_delay -min -clock clk_vga -1.519 [get_ports VGA_G*]\r\n";
        text += "set_output_delay -max -clock clk_vga 0.264 [get_ports VGA_B*]\r\n";
        text += "set_output_delay -min -clock clk_vga -1.519 [get_ports VGA_B*]\r\n";
        text += "set_output_delay -max -clock clk_vga 0.215 [get_ports VGA_BLANK_N]\r\n";
        text += "set_output_delay -min -clock clk_vga -1.485 [get_ports VGA_BLANK_N]\r\n";
        text += kCrLf;
    }
    return text;
}

bool TPinloom::WriteHtml(TMainBoard* board, const std::string& path)
{
    THtmlGenerator html;
    html.BeginDocument();
    html.Heading(Format("%s Configuration", board->GetBoardDisplayName().c_str()), 1, "center");
    html.LineBreaks(2);
    html.Heading("Pin Assignments:", 2, "left");
    // Each connector's anchor, index link and index entry: its name, and for
    // the k-th connector of a name (two memory sockets of one module) the
    // name and " (k)", so that each link reaches its own table.
    std::vector<std::string> anchors;
    std::map<std::string, int> seen;
    for (int c = 0; c < board->GetConnectorCount(); ++c) {
        const std::string name = HtmlEscape(board->GetConnector(c)->GetName());
        const int k = ++seen[name];
        anchors.push_back(k == 1 ? name : Format("%s (%d)", name.c_str(), k));
    }
    html.BeginList(false);
    for (const std::string& anchor : anchors) {
        html.Link(anchor, html.ListItem(anchor));
        html.LineBreaks(1);
    }
    html.EndList(false);
    html.LineBreaks(3);
    html.Heading("Pin Assignment Table:", 2, "left");

    for (int c = 0; c < board->GetConnectorCount(); ++c) {
        const TConnector* connector = board->GetConnector(c);
        const ConnectorType type = connector->GetType();
        const ConnectorType attached = connector->GetAttachedType();
        const bool expansion = type != CONNECTOR_NONE;
        // A card of another connector type (an HSMC card on a Tavrel slot)
        // gets a column of its own pin numbers.
        const bool daughterColumn = expansion && attached != type && attached != CONNECTOR_NONE;
        const bool fmc = type == CONNECTOR_FMC_HPC || type == CONNECTOR_FMC_LPC || type == CONNECTOR_FMC_PLUS;

        html.Anchor(anchors[static_cast<size_t>(c)], "");
        html.BeginTable(3, HtmlEscape(expansion ? connector->GetDescription() : connector->GetName()), "left");
        html.LineBreaks(2);

        html.BeginRow();
        for (const char* title : {"Name", "Location", "Direction", "Standard"}) html.Cell(title, "left", true, "Khaki");
        if (expansion) html.Cell(Format("%s Pin Index", GetConnectorTypeName(type).c_str()), "left", true, "Khaki");
        if (daughterColumn)
            html.Cell(Format("Daughter %s Pin Index", GetConnectorTypeName(attached).c_str()), "left", true, "Khaki");
        html.EndRow();

        for (int i = 0; i < connector->GetPinCount(); ++i) {
            const TPin* pin = connector->GetPin(i);
            if (!pin || !pin->IsActive()) continue;
            html.BeginRow();
            html.Cell(HtmlEscape(pin->GetName()), "left", false, "");
            if (expansion && !pin->GetName().empty() && pin->GetName()[0] == '$') {
                for (int k = 0; k < 3; ++k) html.Cell("-", "left", false, "");
            } else {
                html.Cell(HtmlEscape(pin->GetLocation()), "left", false, "");
                html.Cell(pin->GetDirectionText(), "left", false, "");
                html.Cell(pin->GetIoStandardText(), "left", false, "");
            }
            if (expansion) {
                // A pin the board itself names on the connector (after the
                // card's positions) has no card position: an empty cell.
                const int32_t position = pin->GetPinIndex();
                html.Cell(position < 1 ? std::string() : fmc ? FmcPinLabel(position) : Format("%d", position), "left",
                          false, "");
            }
            if (daughterColumn) html.Cell(pin->GetPinIndexText(), "left", false, "");
            html.EndRow();
        }
        html.EndTable();
    }
    html.EndDocument();
    // The pin table has no failure box of its own, but its cause is shown.
    std::string cause;
    if (html.SaveToFile(path, &cause)) return true;
    if (!cause.empty()) seam::ShowError(cause);
    return false;
}
