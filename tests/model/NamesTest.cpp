// The name rules: project names, prefixes and the signal names of a
// generated project, with the texts of the boxes that refuse them.
#include <gtest/gtest.h>

#include <memory>

#include "model/Names.h"
#include "model/Connector.h"

namespace names_test {

namespace {

const std::string kEmpty = "Project Name cannot be empty.";
const std::string kProjectRule =
    "Project Name must start with a letter and hold only letters, digits and '_' (no '__', no trailing '_'), and "
    "cannot be a Verilog or VHDL keyword.";
const std::string kPrefixRule = "Prefix Name must start with a letter and hold only letters, digits and '_'.";

}  // namespace

TEST(Names, ProjectNames)
{
    const std::string longest = "N" + std::string(126, 'x');  // 127 bytes, what the name field holds
    const struct {
        std::string name;
        std::string message;  // empty: legal
    } cases[] = {
        {"HOLLARNE", ""},
        {"a", ""},
        {"Demo_2_top", ""},
        {longest, ""},
        {"modules", ""},        // near a keyword
        {"entity_top", ""},
        {"", kEmpty},
        {" ", kProjectRule},
        {"my proj", kProjectRule},
        {"-", kProjectRule},
        {".", kProjectRule},
        {"..", kProjectRule},
        {"../up", kProjectRule},
        {"a\\b", kProjectRule},
        {"a-b", kProjectRule},
        {"P\r\nset_global_assignment -name DEVICE EVIL\r\n#", kProjectRule},
        {"2fast", kProjectRule},
        {"_lead", kProjectRule},
        {"a__b", kProjectRule},
        {"trail_", kProjectRule},
        {"Pr\xc3\xbc" "fung", kProjectRule},                            // non-ASCII letter
        {"\xe8\xaf\x95\xe9\xaa\x8c", kProjectRule},                     // letters of another script
        {"module", kProjectRule},                                       // Verilog-2005
        {"MODULE", kProjectRule},
        {"Wire", kProjectRule},
        {"uwire", kProjectRule},
        {"logic", kProjectRule},                                        // SystemVerilog
        {"LOGIC", kProjectRule},
        {"INTERFACE", kProjectRule},
        {"entity", kProjectRule},                                       // VHDL-2008
        {"signal", kProjectRule},
        {"SIGNAL", kProjectRule},
        {"Context", kProjectRule},
        {"clock_divider", kProjectRule},                                // IP modules of the projects
        {"EXT_PLL_CTRL", kProjectRule},
        {"CDCM6100x_Config", kProjectRule},
        {"si570_controller", kProjectRule},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("name \"" + c.name + "\"");
        std::string message = "untouched";
        const bool legal = c.message.empty();
        EXPECT_EQ(CheckProjectName(c.name, message), legal);
        EXPECT_EQ(message, legal ? "untouched" : c.message);
        EXPECT_EQ(IsLegalProjectName(c.name), legal);
    }
}

TEST(Names, Prefixes)
{
    const struct {
        std::string prefix;
        bool legal;
    } cases[] = {
        {"", true},
        {"P", true},
        {"HSMC_", true},
        {"DDR4A_", true},
        {"FMCP_", true},
        {"a__b", true},
        {"module", true},  // a prefix is never a name by itself
        {"P" + std::string(126, '_'), true},
        {"a b-", false},
        {"x[", false},
        {"A[x]", false},
        {"-", false},
        {".", false},
        {" ", false},
        {"P\r\nset_global_assignment -name DEVICE EVIL\r\n#", false},
        {"1st_", false},
        {"_P", false},
        {"\xc3\xa9t\xc3\xa9_", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("prefix \"" + c.prefix + "\"");
        std::string message = "untouched";
        EXPECT_EQ(CheckPrefixName(c.prefix, message), c.legal);
        EXPECT_EQ(message, c.legal ? "untouched" : kPrefixRule);
        EXPECT_EQ(IsLegalPrefixName(c.prefix), c.legal);
    }
}

TEST(Names, SignalNames)
{
    const std::string max = std::string(128, 'S');
    const struct {
        std::string name;
        bool verilog;
        bool vhdl;
    } cases[] = {
        {"CLOCK_50", true, true},
        {"KEY[3]", true, true},
        {"KEMBER_ADC_PENIRQ_n", true, true},
        {"A[0007]", true, true},
        {"A[2147483647]", true, true},
        {max, true, true},
        {std::string(124, 'S') + "[35]", true, true},
        {max + "n", false, false},  // a name is never cut to fit
        {std::string(125, 'S') + "[35]", false, false},
        {"HSMC__RX", true, false},
        {"GPIO_", true, false},
        {"GPIO_[0]", true, false},
        {"reg", false, true},
        {"REG[0]", false, true},
        {"int", true, true},  // SystemVerilog only: a .v file is Verilog
        {"signal", true, false},
        {"Buffer[1]", true, false},
        {"X[2]_N", false, false},
        {"A]B[1", false, false},
        {"A[1", false, false},
        {"B]", false, false},
        {"A[x]", false, false},
        {"A[]", false, false},
        {"A[-1]", false, false},
        {"A[2147483648]", false, false},
        {"A[1][2]", false, false},
        {"[0]", false, false},
        {"", false, false},
        {"_IN[0]", false, false},
        {"9LIVES", false, false},
        {"a b-GPIO[0]", false, false},
        {"P\r\nset_global_assignment -name DEVICE EVIL\r\n#IVREL_PIXCLK", false, false},
        {"\xc3\xa9t\xc3\xa9", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("signal \"" + c.name + "\"");
        EXPECT_EQ(IsLegalSignalName(c.name, false), c.verilog);
        EXPECT_EQ(IsLegalSignalName(c.name, true), c.vhdl);
    }
}

TEST(Names, KeywordsOfEachLanguageIgnoringCase)
{
    EXPECT_TRUE(IsVerilogKeyword("always"));
    EXPECT_TRUE(IsVerilogKeyword("PULSESTYLE_ONDETECT"));
    EXPECT_FALSE(IsVerilogKeyword("logic"));
    EXPECT_TRUE(IsSystemVerilogKeyword("always"));
    EXPECT_TRUE(IsSystemVerilogKeyword("Unique0"));
    EXPECT_TRUE(IsVhdlKeyword("ARCHITECTURE"));
    EXPECT_TRUE(IsVhdlKeyword("vunit"));
    EXPECT_FALSE(IsVhdlKeyword("wire"));
    EXPECT_TRUE(IsExportedIpModuleName("I2C_Reg_Controller"));
    EXPECT_FALSE(IsExportedIpModuleName("i2c"));
}

TEST(Names, PrefixThatMakesAPinNameTooLong)
{
    auto card = std::make_unique<TConnector>("CARD", "", CONNECTOR_GPIO40, -1);
    card->AddPin(new TPin("SHORT", PIN_DIR_INPUT, 8, 1, 0));
    card->AddPin(nullptr);
    card->AddPin(new TPin("TEN_CHARS_", PIN_DIR_OUTPUT, 8, 3, 0));
    std::string message = "untouched";
    EXPECT_TRUE(CheckPrefixFitsConnector(*card, std::string(118, 'P'), "GPIO-1", message));
    EXPECT_EQ(message, "untouched");
    EXPECT_FALSE(CheckPrefixFitsConnector(*card, std::string(119, 'P'), "GPIO-1", message));
    EXPECT_EQ(message, "Prefix Name is too long for the card on GPIO-1.");
}

}  // namespace names_test
