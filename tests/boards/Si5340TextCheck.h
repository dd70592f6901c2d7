// What the tests of the Si5340 boards' configuration objects write their
// expected texts with: lines ended by CR LF, the .qsf blocks of termination
// settings and controller files, and the controller files by group.
#pragma once

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "tests/support/SeamRecorder.h"

namespace si5340text {

inline const std::string kRule = "#============================================================\r\n";
inline const std::string kVRule = "//=======================================================\r\n";

inline std::string Lines(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

inline const std::vector<std::string> kCommonFiles = {"clock_divider.v", "edge_detector.v", "i2c_bus_controller.v",
                                                      "initial_config.v"};
inline const std::vector<std::string> kAFiles = {"si5340a_clk_frq_sel_gen.v", "si5340a_controller.v",
                                                 "si5340a_freq_prameter_selector.v", "si5340a_i2c_reg_controller.v"};
inline const std::vector<std::string> kBFiles = {"si5340b_clk_frq_sel_gen.v", "si5340b_controller.v",
                                                 "si5340b_freq_prameter_selector.v", "si5340b_i2c_reg_controller.v"};

inline std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> groups)
{
    std::vector<std::string> all;
    for (const auto& group : groups) all.insert(all.end(), group.begin(), group.end());
    return all;
}

inline std::vector<std::string> Sorted(std::vector<std::string> names)
{
    std::sort(names.begin(), names.end());
    return names;
}

// "# Includes SI5340 Controller Files" with one line per file.
inline std::string Include(const std::vector<std::string>& files)
{
    std::string text = "\r\n" + kRule + "# Includes SI5340 Controller Files\r\n" + kRule;
    for (const std::string& file : files)
        text += "set_global_assignment -name VERILOG_FILE si5340_controller/" + file + "\r\n";
    return text + "\r\n";
}

inline std::string Termination(const std::string& lines)
{
    return "\r\n" + kRule + "# Termination Settings\r\n" + kRule + lines + "\r\n";
}

inline std::string QsfpLines(char x)
{
    const std::string q = std::string("QSFP") + x;
    return Lines({"set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION AC_COUPLING -to " + q + "_REFCLK_p",
                  "set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to " + q + "_RX_p",
                  "set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to " + q + "_TX_p"});
}

inline std::string PcieLines(const std::string& p)
{
    return Lines(
        {"set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION DC_COUPLING_EXTERNAL_RESISTOR -to " + p + "_REFCLK_p",
         "set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to " + p + "_TX_p",
         "set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to " + p + "_RX_p"});
}

inline std::string DiffTermination(const std::string& pin)
{
    return "set_instance_assignment -name INPUT_TERMINATION DIFFERENTIAL -to " + pin + "\r\n";
}

// Registers every controller resource under the given names, each text its
// own resource name so that a misplaced file shows.
inline void AddResources(SeamRecorder& seam, const std::vector<std::string>& files, const std::string& commonPrefix,
                         const std::string& chipPrefix)
{
    for (const std::string& file : files) {
        const bool common = file.rfind("si5340", 0) != 0;
        const std::string name = (common ? commonPrefix : chipPrefix) + file.substr(0, file.size() - 2) + "_verilog";
        seam.AddResource(name, "// " + name + "\r\n");
    }
}

}  // namespace si5340text
