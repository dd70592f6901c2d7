// What the configuration objects of the Stratix 10 and Agilex boards
// (Zennorby, Ashcombre, Quillomar) write alike: the power-management block
// of the .qsf (the voltage-identification bus of the device and its
// configuration scheme), and the 4-bit choice codes of their clock
// generators as Verilog defines and VHDL constants.
//
// Shared by the boards of this folder: a board's own file holds its own
// texts only. (Quillomar writes the same block, after its INFO SPI block,
// with the scheme "ACTIVE SERIAL X4".)
#pragma once

#include <string>

// "\r\n", the rule, "# VID Assignments" padded to 61 characters, the rule,
// the sixteen PWRMGT assignments, "\r\n", the rule, "# Configuration
// scheme/pin" padded, the rule, the configuration scheme (e.g. "AVST X8"),
// USE_CONF_DONE SDM_IO16 and the initialisation clock, "\r\n".
std::string PowerManagementQsfText(const char* configurationScheme);

// "0000" .. "1111": a 4-bit code as the bit string of a VHDL constant.
std::string FourBitString(int code);
