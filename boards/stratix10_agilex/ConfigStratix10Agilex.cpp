#include "boards/stratix10_agilex/ConfigStratix10Agilex.h"

#include "model/Text.h"

namespace {

const char* const kRule = "#============================================================\r\n";

// A .qsf title line: the title padded with blanks to 61 characters.
std::string TitleLine(const char* title) { return Format("%-61s\r\n", title); }

std::string Assignment(const char* name, const char* value)
{
    return Format("set_global_assignment -name %s %s\r\n", name, value);
}

}  // namespace

std::string PowerManagementQsfText(const char* configurationScheme)
{
    std::string text = std::string("\r\n") + kRule + TitleLine("# VID Assignments") + kRule;
    text += Assignment("USE_PWRMGT_SCL", "SDM_IO0");
    text += Assignment("USE_PWRMGT_SDA", "SDM_IO12");
    text += Assignment("VID_OPERATION_MODE", "\"PMBUS MASTER\"");
    text += Assignment("PWRMGT_BUS_SPEED_MODE", "\"400 KHZ\"");
    text += Assignment("PWRMGT_SLAVE_DEVICE_TYPE", "OTHER");
    text += Assignment("PWRMGT_SLAVE_DEVICE0_ADDRESS", "4F");
    for (int device = 1; device <= 7; ++device)
        text += Format("set_global_assignment -name PWRMGT_SLAVE_DEVICE%d_ADDRESS 00\r\n", device);
    text += Assignment("PWRMGT_PAGE_COMMAND_ENABLE", "ON");
    text += Assignment("PWRMGT_VOLTAGE_OUTPUT_FORMAT", "\"AUTO DISCOVERY\"");
    text += Assignment("PWRMGT_TRANSLATED_VOLTAGE_VALUE_UNIT", "VOLTS");
    text += std::string("\r\n") + kRule + TitleLine("# Configuration scheme/pin") + kRule;
    text += Assignment("STRATIXV_CONFIGURATION_SCHEME", ("\"" + std::string(configurationScheme) + "\"").c_str());
    text += Assignment("USE_CONF_DONE", "SDM_IO16");
    text += Assignment("DEVICE_INITIALIZATION_CLOCK", "OSC_CLK_1_125MHZ");
    return text + "\r\n";
}

std::string FourBitString(int code)
{
    std::string bits;
    for (int bit = 3; bit >= 0; --bit) bits += (code >> bit) & 1 ? '1' : '0';
    return bits;
}
