// Texts that the .qsf blocks of the Stratix 10 and Agilex boards share, as
// the tests expect them.
#pragma once

#include <string>

// The power-management block: the voltage-identification assignments and
// the configuration scheme, each under its banner, every line ended by CR LF.
inline std::string ExpectedPowerManagementBlock(const std::string& scheme)
{
    const std::string rule = "#============================================================\r\n";
    const auto title = [](const std::string& text) { return text + std::string(61 - text.size(), ' ') + "\r\n"; };
    std::string text = "\r\n" + rule + title("# VID Assignments") + rule;
    for (const char* line :
         {"USE_PWRMGT_SCL SDM_IO0", "USE_PWRMGT_SDA SDM_IO12", "VID_OPERATION_MODE \"PMBUS MASTER\"",
          "PWRMGT_BUS_SPEED_MODE \"400 KHZ\"", "PWRMGT_SLAVE_DEVICE_TYPE OTHER", "PWRMGT_SLAVE_DEVICE0_ADDRESS 4F",
          "PWRMGT_SLAVE_DEVICE1_ADDRESS 00", "PWRMGT_SLAVE_DEVICE2_ADDRESS 00", "PWRMGT_SLAVE_DEVICE3_ADDRESS 00",
          "PWRMGT_SLAVE_DEVICE4_ADDRESS 00", "PWRMGT_SLAVE_DEVICE5_ADDRESS 00", "PWRMGT_SLAVE_DEVICE6_ADDRESS 00",
          "PWRMGT_SLAVE_DEVICE7_ADDRESS 00", "PWRMGT_PAGE_COMMAND_ENABLE ON",
          "PWRMGT_VOLTAGE_OUTPUT_FORMAT \"AUTO DISCOVERY\"", "PWRMGT_TRANSLATED_VOLTAGE_VALUE_UNIT VOLTS"})
        text += std::string("set_global_assignment -name ") + line + "\r\n";
    text += "\r\n" + rule + title("# Configuration scheme/pin") + rule;
    text += "set_global_assignment -name STRATIXV_CONFIGURATION_SCHEME \"" + scheme + "\"\r\n";
    text += "set_global_assignment -name USE_CONF_DONE SDM_IO16\r\n";
    text += "set_global_assignment -name DEVICE_INITIALIZATION_CLOCK OSC_CLK_1_125MHZ\r\n";
    return text + "\r\n";
}
