// The board-specific text of the generated files: .qsf assignments, the
// top-level port lists and the Verilog and VHDL additions of single boards.
#include "model/Configboard.h"
#include "model/MainBoard.h"
#include "model/GeneratedText.h"
#include "model/PinParsing.h"
#include "model/Text.h"
#include "platform/Seam.h"

namespace {


const char* const kNceoLine =
    "set_global_assignment -name CYCLONEII_RESERVE_NCEO_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n";

std::string IoStandardLine(const char* standard)
{
    return Format("set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"%s\"\r\n", standard);
}

// The option texts of the external PLL controller of Ormsgill and Brackwell.
const char* const kExtPllOptionTexts[13] = {"Unchange", "Disable", "62.5",  "75",  "100",   "125", "150",
                                            "156.25",   "187.5",   "200",   "250", "312.5", "625"};

// What differs between the Ormsgill and Brackwell external-PLL blocks.
struct ExtPllWiring {
    const char* reset;
    const char* clock;
    const char* device2;
    const char* device3;
    const char* sclk;
    const char* sdat;
};

std::string ExtPllBlock(const ExtPllWiring& w, uint8_t i1, uint8_t i2, uint8_t i3)
{
    PL_ASSERT(i1 <= 12 && i2 <= 12 && i3 <= 12);
    std::string t;
    t += "\r\n\r\n";
    t += kVerilogSeparator + kCrLf;
    t += "//  External PLL Configuration ==========================\r\n";
    t += kVerilogSeparator + kCrLf;
    t += "\r\n";
    t += "//  Signal declarations\r\n";
    t += "wire [ 3: 0] clk1_set_wr, clk2_set_wr, clk3_set_wr;\r\n";
    t += "wire         rstn;\r\n";
    t += "wire         conf_ready;\r\n";
    t += "wire         counter_max;\r\n";
    t += "wire  [7:0]  counter_inc;\r\n";
    t += "reg   [7:0]  auto_set_counter;\r\n";
    t += "reg          conf_wr;\r\n";
    t += "\r\n";
    t += "//  Structural coding\r\n";
    t += Format("assign clk1_set_wr = 4'd%d; //%s MHZ\r\n", i1, kExtPllOptionTexts[i1]);
    t += Format("assign clk2_set_wr = 4'd%d; //%s MHZ\r\n", i2, kExtPllOptionTexts[i2]);
    t += Format("assign clk3_set_wr = 4'd%d; //%s MHZ\r\n", i3, kExtPllOptionTexts[i3]);
    t += "\r\n";
    t += Format("assign rstn = %s;\r\n", w.reset);
    t += "assign counter_max = &auto_set_counter;\r\n";
    t += "assign counter_inc = auto_set_counter + 1'b1;\r\n";
    t += "\r\n";
    t += Format("always @(posedge %s or negedge rstn)\r\n", w.clock);
    t += "\tif(!rstn)\r\n";
    t += "\tbegin\r\n";
    t += "\t\tauto_set_counter <= 0;\r\n";
    t += "\t\tconf_wr <= 0;\r\n";
    t += "\tend \r\n";
    t += "\telse if (counter_max)\r\n";
    t += "\t\tconf_wr <= 1;\r\n";
    t += "\telse\r\n";
    t += "\t\tauto_set_counter <= counter_inc;\r\n";
    t += "\r\n\r\n";
    t += "ext_pll_ctrl ext_pll_ctrl_Inst(\r\n";
    t += Format("\t.osc_50(%s), //50MHZ\r\n", w.clock);
    t += "\t.rstn(rstn),\r\n";
    t += "\r\n";
    t += "\t// device 1 (HSMA_REFCLK)\r\n";
    t += "\t.clk1_set_wr(clk1_set_wr),\r\n";
    t += "\t.clk1_set_rd(),\r\n";
    t += "\r\n";
    t += Format("\t// device 2 (%s)\r\n", w.device2);
    t += "\t.clk2_set_wr(clk2_set_wr),\r\n";
    t += "\t.clk2_set_rd(),\r\n";
    t += "\r\n";
    t += Format("\t// device 3 (%s)\r\n", w.device3);
    t += "\t.clk3_set_wr(clk3_set_wr),\r\n";
    t += "\t.clk3_set_rd(),\r\n";
    t += "\r\n";
    t += "\t// setting trigger\r\n";
    t += "\t.conf_wr(conf_wr), // 1T 50MHz \r\n";
    t += "\t.conf_rd(), // 1T 50MHz\r\n";
    t += "\r\n";
    t += "\t// status \r\n";
    t += "\t.conf_ready(conf_ready),\r\n";
    t += "\r\n";
    t += "\t// 2-wire interface \r\n";
    t += Format("\t.max_sclk(%s),\r\n", w.sclk);
    t += Format("\t.max_sdat(%s)\r\n", w.sdat);
    t += "\r\n";
    t += ");\r\n";
    return t;
}

// ---- Programmable oscillators of the Stratix V boards -----------------------

// The option texts of the Rastrelle CDCM choices.
const char* const kCdcmExtPllOptionTexts[13] = {
    "Unchange", "Disabled", "62.5 MHz", "75 MHz",    "100 MHz",   "125 MHz", "150 MHz",
    "156.25 MHz", "187.5 MHz", "200 MHz", "250 MHz", "312.5 MHz", "625 MHz"};

// One line per CDCM61004 choice 1..11 (entry n for choice n + 1).
const char* const kCdcm61004Lines[11] = {
    "assign desired_freq = 4'd0;  // 62.5 \tMHz",   "assign desired_freq = 4'd1;  // 75 \tMHz",
    "assign desired_freq = 4'd2;  // 100 \tMHz",    "assign desired_freq = 4'd3;  // 125 \tMHz",
    "assign desired_freq = 4'd4;  // 150 \tMHz",    "assign desired_freq = 4'd5;  // 156.25\tMHz",
    "assign desired_freq = 4'd6;  // 187.5 \tMHz",  "assign desired_freq = 4'd7;  // 200 \tMHz",
    "assign desired_freq = 4'd8;  // 250 \tMHz",    "assign desired_freq = 4'd9;  // 312.5 \tMHz",
    "assign desired_freq = 4'd10; // 625 \tMHz"};

// The Si570 frequency-mode codes of the choices 1..7.
const char* const kSi570ModeCodes[7] = {"3'b000", "3'b001", "3'b010", "3'b011", "3'b100", "3'b101", "3'b110"};

std::string GetCdcmExtPllVerilog(int32_t a, int32_t b, int32_t c)
{
    PL_ASSERT(a >= 0 && a <= 12 && b >= 0 && b <= 12 && c >= 0 && c <= 12);
    const char* ta = kCdcmExtPllOptionTexts[a];
    const char* tb = kCdcmExtPllOptionTexts[b];
    const char* tc = kCdcmExtPllOptionTexts[c];
    std::string t;
    t += "\r\n\r\n";
    t += kVerilogSeparator + kCrLf;
    t += "//  CDCM61001/CDCM61004 External PLL Configuration \r\n";
    t += Format("//      Configure CDCM61001 as %s\r\n", ta);
    t += Format("//      Configure CDCM61004 as %s\r\n", tb);
    t += kVerilogSeparator + kCrLf;
    t += "\r\n";
    t += "//  Signal declarations\r\n";
    t += "wire [ 3: 0] clk1_set_wr, clk2_set_wr, clk3_set_wr;\r\n";
    t += "wire         rstn;\r\n";
    t += "wire         conf_ready;\r\n";
    t += "wire         counter_max;\r\n";
    t += "wire  [7:0]  counter_inc;\r\n";
    t += "reg   [7:0]  auto_set_counter;\r\n";
    t += "reg          conf_wr;\r\n";
    t += "\r\n";
    t += "//  Structural coding\r\n";
    t += Format("assign clk1_set_wr = 4'd%d; //%s\r\n", a, ta);
    t += Format("assign clk2_set_wr = 4'd%d; //%s\r\n", b, tb);
    t += Format("assign clk3_set_wr = 4'd%d; //%s\r\n", c, tc);
    t += "\r\n";
    t += "assign rstn = CPU_RESET_n;\r\n";
    t += "assign counter_max = &auto_set_counter;\r\n";
    t += "assign counter_inc = auto_set_counter + 1'b1;\r\n";
    t += "\r\n";
    t += "always @(posedge OSC_50_B3B or negedge rstn)\r\n";
    t += "\tif(!rstn)\r\n";
    t += "\tbegin\r\n";
    t += "\t\tauto_set_counter <= 0;\r\n";
    t += "\t\tconf_wr <= 0;\r\n";
    t += "\tend \r\n";
    t += "\telse if (counter_max)\r\n";
    t += "\t\tconf_wr <= 1;\r\n";
    t += "\telse\r\n";
    t += "\t\tauto_set_counter <= counter_inc;\r\n";
    t += "\r\n\r\n";
    t += "ext_pll_ctrl ext_pll_ctrl_Inst(\r\n";
    t += "\t.osc_50(OSC_50_B3B), //50MHZ\r\n";
    t += "\t.rstn(rstn),\r\n";
    t += "\r\n";
    t += "\t// device 1 (SFP1G_REFCLK_p)\r\n";
    t += "\t.clk1_set_wr(clk1_set_wr),\r\n";
    t += "\t.clk1_set_rd(),\r\n";
    t += "\r\n";
    t += "\t// device 2 (SATA_HOST_REFCLK_p/SATA_DEVICE_REFCLK_p)\r\n";
    t += "\t.clk2_set_wr(clk2_set_wr),\r\n";
    t += "\t.clk2_set_rd(),\r\n";
    t += "\r\n";
    t += "\t// device 3 (reserved)\r\n";
    t += "\t.clk3_set_wr(clk3_set_wr),\r\n";
    t += "\t.clk3_set_rd(),\r\n";
    t += "\r\n";
    t += "\t// setting trigger\r\n";
    t += "\t.conf_wr(conf_wr), // 1T 50MHz \r\n";
    t += "\t.conf_rd(), // 1T 50MHz\r\n";
    t += "\r\n";
    t += "\t// status \r\n";
    t += "\t.conf_ready(conf_ready),\r\n";
    t += "\r\n";
    t += "\t// 2-wire interface \r\n";
    t += "\t.max_sclk(PLL_SCL),\r\n";
    t += "\t.max_sdat(PLL_SDA)\r\n";
    t += "\r\n";
    t += ");\r\n";
    return t;
}

std::string GetCdcm61004FreqVerilog(int32_t s)
{
    PL_ASSERT(s >= 1 && s <= 11);
    std::string t;
    t += "\r\n\r\n";
    t += kVerilogSeparator + kCrLf;
    t += Format("//  Configure CDCM61004 as %.2f MHz ====================\r\n", CdcmFreqMHz(static_cast<uint8_t>(s)));
    t += kVerilogSeparator + kCrLf;
    t += "wire [3:0] desired_freq;\r\n";
    t += "\r\n";
    for (int n = 0; n < 11; ++n) {
        if (n != s - 1) t += "//";
        t += kCdcm61004Lines[n];
        t += kCrLf;
    }
    t += "\r\n";
    t += "CDCM6100x_Config CDCM61004_Config_inst(\r\n";
    t += "\t.clk_50m(OSC_50_B3B),\r\n";
    t += "\t.recal_n(CPU_RESET_n),\r\n";
    t += "\t.desired_freq(desired_freq),\r\n";
    t += "\t.CLK_CE(CLK_CE),\r\n";
    t += "\t.CLK_OD(CLK_OD),\r\n";
    t += "\t.CLK_OS(CLK_OS),\r\n";
    t += "\t.CLK_PR(CLK_PR),\r\n";
    t += "\t.CLK_RST_n(CLK_RST_n)\r\n";
    t += ");\r\n";
    t += "\r\n";
    return t;
}

std::string GetSi570Verilog(int32_t s, const char* reset)
{
    PL_ASSERT(s >= 1 && s <= 7);
    std::string t;
    t += "\r\n\r\n";
    t += kVerilogSeparator + kCrLf;
    t += Format("//  Configure SI570 as %.5f MHz =====================\r\n", Si570FreqMHz(static_cast<uint8_t>(s)));
    t += kVerilogSeparator + kCrLf;
    t += "\r\n";
    t += "si570_controller si570_controller_inst(\r\n";
    t += "    .iCLK(OSC_50_B3B), // system   clock 50mhz \r\n";
    t += Format("    .iRST_n(%s), // system reset;\r\n", reset);
    t += Format("    .iFREQ_MODE(%s),\r\n", kSi570ModeCodes[s - 1]);
    t += "    .I2C_CLK(CLOCK_SCL),\r\n";
    t += "    .I2C_DATA(CLOCK_SDA),\r\n";
    t += "    .oController_Ready()\r\n";
    t += ");\r\n";
    return t;
}

// Drennock and Estover: the CDCM61004 block, then the Si570 block.
std::string CdcmAndSi570Verilog(const TClockChipChoices& chips)
{
    std::string text;
    if (chips.Cdcm61004Block) text += GetCdcm61004FreqVerilog(chips.Cdcm61004);
    if (chips.Si570Block) text += GetSi570Verilog(chips.Si570, "CPU_RESET_n");
    return text;
}

// ---- Port lists ---------------------------------------------------------------

// One section per connector, in order, each with the ports that it declares
// (a bus spread over several connectors is declared in the first of them).
std::string BuildPortList(const TMainBoard& board, bool vhdl, bool& ok, int* portCount = nullptr)
{
    if (portCount) *portCount = 0;
    std::vector<const TConnector*> connectors;
    for (int c = 0; c < board.GetConnectorCount(); ++c) connectors.push_back(board.GetConnector(c));
    TPinParsing parsing;
    ok = parsing.Build(connectors);
    if (!ok) return {};
    if (portCount) *portCount = parsing.GetPortCount();
    std::string list;
    size_t lastSeparator = std::string::npos;
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const TConnector* connector = board.GetConnector(c);
        const char* name = connector->GetName().c_str();
        const char* description = connector->GetDescription().c_str();
        list += kCrLf;
        if (*description)
            list += vhdl ? Format("\t------------ %s, %s ------------\r\n", name, description)
                         : Format("\t//////////// %s, %s //////////\r\n", name, description);
        else
            list += vhdl ? Format("\t------------ %s ------------\r\n", name)
                         : Format("\t//////////// %s //////////\r\n", name);
        for (int p = 0; p < parsing.GetPortCount(); ++p) {
            if (parsing.GetPort(p).section != c) continue;
            list += '\t';
            list += vhdl ? parsing.GetVhdlPort(p) : parsing.GetVerilogPort(p);
            lastSeparator = list.size();
            list += vhdl ? ';' : ',';
            list += kCrLf;
        }
    }
    if (lastSeparator != std::string::npos) list.erase(lastSeparator, 1);
    return list;
}

}  // namespace

// ---- .qsf -----------------------------------------------------------------------

std::string TMainBoard::GetQsfBoardAssignments() const
{
    auto nceoAt = [this](const char* location) { return IsLocationUsed(location) ? std::string(kNceoLine) : ""; };
    const uint8_t id = static_cast<uint8_t>(m_BoardId);
    std::string t;
    switch (id) {
    case MAINBOARD_AVEMOR: return nceoAt("K22");
    case MAINBOARD_FENNICK: return nceoAt("W20");
    case MAINBOARD_ISSELMONT: return nceoAt("AE24");
    case MAINBOARD_JARROWBY: return nceoAt("AD25");
    case MAINBOARD_KESTLEFORD: return IoStandardLine("3.3-V LVTTL") + nceoAt("P28");
    case MAINBOARD_ORMSGILL:
        // The termination pads share their balls with the calibration pins
        // of the first DDR2 socket; a ball a pin of the project takes is not
        // given to the pad as well.
        t = IoStandardLine("2.5 V");
        if (!IsLocationUsed("AF25")) t += "set_location_assignment PIN_AF25 -to termination_blk0~_rup_pad\r\n";
        if (!IsLocationUsed("AG25")) t += "set_location_assignment PIN_AG25 -to termination_blk0~_rdn_pad\r\n";
        return t;
    case MAINBOARD_QUENWICK: return IoStandardLine("1.5 V");
    case MAINBOARD_BRISTANE:
        t = nceoAt("F16");
        if (IsLocationUsed("C1")) {
            t += "set_global_assignment -name RESERVE_FLASH_NCE_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n";
            t += "set_global_assignment -name RESERVE_DATA0_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n";
            t += "set_global_assignment -name RESERVE_DATA1_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n";
            t += "set_global_assignment -name RESERVE_DCLK_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n";
        }
        return t;
    case MAINBOARD_NORVELLE: return nceoAt("P28");
    case MAINBOARD_BRACKWELL: return IoStandardLine("2.5 V");
    case MAINBOARD_LARROWEN: return GetLarrowenQsfAssignments();
    case MAINBOARD_HETHERMOOR:
        if (IsLocationUsed("P9")) {
            t += kCrLf + kQsfSeparator + kCrLf + "# Transceiver \r\n" + kQsfSeparator + kCrLf;
            t += "set_instance_assignment -name XCVR_REFCLK_PIN_TERMINATION DC_COUPLING_INTERNAL_100_OHMS -to "
                 "HSMC_REF_CLK_p\r\n";
            t += kCrLf;
        }
        return t;
    case MAINBOARD_KILVERNE:
        for (const char* location : {"C7", "D6", "D8", "E10", "E9"}) {
            if (!IsLocationUsed(location)) continue;
            t += kCrLf + kQsfSeparator + kCrLf + "# disable config pin so bank8 can use 1.2V \r\n" + kQsfSeparator +
                 kCrLf;
            t += "set_global_assignment -name AUTO_RESTART_CONFIGURATION ON\r\n";
            t += "set_global_assignment -name ENABLE_CONFIGURATION_PINS OFF\r\n";
            t += "set_global_assignment -name ENABLE_BOOT_SEL_PIN OFF\r\n";
            t += kCrLf;
            break;
        }
        return t;
    case MAINBOARD_MARLOWEN:
        if (IsLocationUsed("D1"))
            t += "set_global_assignment -name RESERVE_DATA1_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n";
        if (IsLocationUsed("H3"))
            t += "set_global_assignment -name RESERVE_DATA0_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n";
        return t + nceoAt("E18");
    case MAINBOARD_OSTERLIN:
        return "set_global_assignment -name MIN_CORE_JUNCTION_TEMP 0\r\n"
               "set_global_assignment -name MAX_CORE_JUNCTION_TEMP 85\r\n";
    case MAINBOARD_NETHERCOY:
    case MAINBOARD_PELVERTON:
    case MAINBOARD_GORSEWIN:
    case MAINBOARD_DRENNOCK:
    case MAINBOARD_RASTRELLE:
    case MAINBOARD_ESTOVER:
    case MAINBOARD_IVENHOLD:
    case MAINBOARD_HOLLARNE:
    case MAINBOARD_MIRRENDALE:
    case MAINBOARD_DORVALIN:
    case MAINBOARD_ELMSARY:
    case MAINBOARD_WYNDHOLT:
    case MAINBOARD_LANTERBY:
    case MAINBOARD_VANTREMERE:
    case MAINBOARD_WENDLEBURY:
    case MAINBOARD_JESSAMONT: return {};
    }
    PL_ASSERT(IsConfigObjectBoard(id));
    PL_ASSERT(m_pConfig);
    return m_pConfig->GetQsfText();
}

std::string TMainBoard::GetLarrowenQsfAssignments() const
{
    PL_ASSERT(m_BoardId == MAINBOARD_LARROWEN);
    const TRecordCopy<LARROWEN_CONFIG_SIZE>& copy = m_LarrowenConfig;
    const bool bLed = copy.Byte(137) != 0;
    const bool bSeg7 = copy.Byte(138) != 0;
    const bool bKey = copy.Byte(139) != 0;
    const bool bSw = copy.Byte(140) != 0;
    const bool bLcd = copy.Byte(144) != 0;
    const bool bFlash = copy.Byte(146) != 0;
    const bool bGSensor = copy.Byte(148) != 0;
    const bool bPcie = copy.Byte(154) != 0 || copy.Byte(155) != 0;
    const uint8_t nHsmcDaughterId = copy.Byte(292);
    const std::string szHsmcPrefixName = copy.Text(293, 128);

    auto toggle = [](const std::string& target) {
        return "set_instance_assignment -name IO_MAXIMUM_TOGGLE_RATE \"0 MHz\" -to " + target + kCrLf;
    };

    std::string t;
    if (IsLocationUsed("AE7")) t += kNceoLine;
    if (bFlash) t += "set_instance_assignment -name VIRTUAL_PIN ON -to FS_ADDR[0]\r\n";
    if (nHsmcDaughterId != 4) return t;

    t += kQsfSeparator + kCrLf;
    t += "# When Larrowen HSMC is configued as LVDS, configure the following pins to avoid compile error.\r\n";
    t += kQsfSeparator + kCrLf;
    if (bKey)
        for (int i = 0; i <= 17; ++i) t += toggle(Format("KEY[%d]", i));
    if (bSw)
        for (int i = 0; i <= 17; ++i) t += toggle(Format("SW[%d]", i));
    if (bLed) {
        for (int i = 0; i <= 8; ++i) t += toggle(Format(" LEDG[%d]", i));
        for (int i = 0; i <= 17; ++i) t += toggle(Format(" LEDR[%d]", i));
    }
    if (bSeg7) t += toggle("HEX2[3]");
    if (bLcd) t += toggle("LCD_ON");
    if (bGSensor) t += toggle("G_SENSOR_INT1");
    if (bPcie) t += toggle("PCIE_WAKE_N");
    if (!szHsmcPrefixName.empty()) {
        t += toggle(szHsmcPrefixName + "D[1]");
        t += toggle(szHsmcPrefixName + "D[3]");
    } else {
        t += toggle("HSMC_D[1]");
        t += toggle("HSMC_D[3]");
    }
    t += toggle("FAN_CTRL");
    return t;
}

// ---- Top level ------------------------------------------------------------------

std::string TMainBoard::GetVerilogPortList(bool& ok) const { return BuildPortList(*this, false, ok); }

std::string TMainBoard::GetVhdlPortList(bool& ok, int* portCount) const
{
    return BuildPortList(*this, true, ok, portCount);
}

std::string TMainBoard::GetVerilogBoardExtras() const
{
    const uint8_t id = static_cast<uint8_t>(m_BoardId);
    PL_ASSERT(id != MAINBOARD_SELBOWEN);
    switch (id) {
    case MAINBOARD_ORMSGILL: return GetOrmsgillExtPllVerilog();
    case MAINBOARD_BRACKWELL: return GetBrackwellExtPllVerilog();
    case MAINBOARD_LARROWEN: return GetLarrowenFanVerilog();
    case MAINBOARD_DRENNOCK: return GetDrennockOscillatorVerilog();
    case MAINBOARD_RASTRELLE: return GetRastrelleOscillatorVerilog();
    case MAINBOARD_ESTOVER: return GetEstoverOscillatorVerilog();
    }
    if (!IsConfigObjectBoard(id)) return {};
    PL_ASSERT(m_pConfig);
    return m_pConfig->GetVerilogText();
}

std::string TMainBoard::GetVhdlArchitecture(const std::string& entityName) const
{
    switch (static_cast<uint8_t>(m_BoardId)) {
    case MAINBOARD_YARROWGATE:
    case MAINBOARD_ZENNORBY:
    case MAINBOARD_RENNACRE:
    case MAINBOARD_ASHCOMBRE: PL_ASSERT(m_pConfig); return m_pConfig->GetVhdlText(entityName);
    }
    return {};
}

std::string TMainBoard::GetOrmsgillExtPllVerilog() const
{
    PL_ASSERT(m_BoardId == MAINBOARD_ORMSGILL);
    if (m_OrmsgillConfig.Byte(160) == 0) return {};
    static const ExtPllWiring kOrmsgill = {"CPU_RESET_n",         "OSC_50_BANK2",  "HSMB_REFCLK",
                                           "PLL_CLKIN/SATA_REFCLK", "MAX_I2C_SCLK", "MAX_I2C_SDAT"};
    return ExtPllBlock(kOrmsgill, m_OrmsgillConfig.Byte(162), m_OrmsgillConfig.Byte(163),
                       m_OrmsgillConfig.Byte(164));
}

std::string TMainBoard::GetBrackwellExtPllVerilog() const
{
    PL_ASSERT(m_BoardId == MAINBOARD_BRACKWELL);
    if (m_BrackwellConfig.Byte(148) == 0) return {};
    static const ExtPllWiring kBrackwell = {"1'b1",        "OSC_50_BANK1",  "HSME_REFCLK",
                                            "PGM_GXB_CLK", "MAX2_I2C_SCL", "MAX2_I2C_SDA"};
    return ExtPllBlock(kBrackwell, m_BrackwellConfig.Byte(150), m_BrackwellConfig.Byte(151),
                       m_BrackwellConfig.Byte(152));
}

std::string TMainBoard::GetLarrowenFanVerilog() const
{
    PL_ASSERT(m_BoardId == MAINBOARD_LARROWEN);
    return std::string(kCrLf) + Format("\t//////////// %s //////////\r\n", "FAN Control") +
           "assign FAN_CTRL = 1'bz; // turn on FAN\r\n" + kCrLf;
}

std::string TMainBoard::GetRastrelleOscillatorVerilog() const
{
    PL_ASSERT(m_BoardId == MAINBOARD_RASTRELLE);
    const TClockChipChoices chips = GetClockChipChoices();
    std::string text;
    if (chips.ExtPllBlock) text += GetCdcmExtPllVerilog(chips.Cdcm61001, chips.Cdcm61004, 0);
    if (chips.Si570Block) text += GetSi570Verilog(chips.Si570, "CPU_RESET_n");
    return text;
}

std::string TMainBoard::GetDrennockOscillatorVerilog() const
{
    PL_ASSERT(m_BoardId == MAINBOARD_DRENNOCK);
    return CdcmAndSi570Verilog(GetClockChipChoices());
}

std::string TMainBoard::GetEstoverOscillatorVerilog() const
{
    PL_ASSERT(m_BoardId == MAINBOARD_ESTOVER);
    return CdcmAndSi570Verilog(GetClockChipChoices());
}

TClockChipChoices TMainBoard::GetClockChipChoices() const
{
    auto within = [](int32_t choice, int32_t first, int32_t last) { return choice >= first && choice <= last; };
    auto anyOf = [](auto& copy, std::size_t offset, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i)
            if (copy.Byte(offset + i) != 0) return true;
        return false;
    };
    TClockChipChoices chips;
    switch (static_cast<uint8_t>(m_BoardId)) {
    case MAINBOARD_RASTRELLE: {
        // bSata[4] at 141, bSfp[4] at 153; the choices at 164 (Si570), 168
        // (CDCM61004) and 172 (CDCM61001).
        const bool sata = anyOf(m_RastrelleConfig, 141, 4);
        const bool sfp = anyOf(m_RastrelleConfig, 153, 4);
        const int32_t si570 = m_RastrelleConfig.Int32(164);
        const int32_t cdcm61004 = m_RastrelleConfig.Int32(168);
        const int32_t cdcm61001 = m_RastrelleConfig.Int32(172);
        if (sfp && within(si570, 1, 7)) chips.Si570 = si570;
        chips.Cdcm61004 = sata && within(cdcm61004, 0, 12) ? cdcm61004 : 1;
        chips.Cdcm61001 = sfp && within(cdcm61001, 0, 12) ? cdcm61001 : 1;
        chips.ExtPllBlock = chips.Cdcm61001 != 1 || chips.Cdcm61004 != 1;
        break;
    }
    case MAINBOARD_DRENNOCK: {
        // bSfp[2] at 147; the choices at 156 (Si570) and 160 (CDCM61004).
        // Both chips serve the SFP+ cages only.
        const bool sfp = anyOf(m_DrennockConfig, 147, 2);
        const int32_t si570 = m_DrennockConfig.Int32(156);
        const int32_t cdcm61004 = m_DrennockConfig.Int32(160);
        if (sfp && within(si570, 1, 7)) chips.Si570 = si570;
        if (sfp && within(cdcm61004, 1, 11)) chips.Cdcm61004 = cdcm61004;
        break;
    }
    case MAINBOARD_ESTOVER: {
        // bSata[2] at 140, bSfp[4] at 144, the choices at 156 (Si570) and 160
        // (CDCM61004), the HSMC-A card at 164. The CDCM61004 also clocks SATA
        // and the transceivers of an HSMC card.
        const bool sata = anyOf(m_EstoverConfig, 140, 2);
        const bool sfp = anyOf(m_EstoverConfig, 144, 4);
        const bool hsmcTransceivers = IsTransceiverCard(m_EstoverConfig.Byte(164));
        const int32_t si570 = m_EstoverConfig.Int32(156);
        const int32_t cdcm61004 = m_EstoverConfig.Int32(160);
        if (sfp && within(si570, 1, 7)) chips.Si570 = si570;
        if ((sata || sfp || hsmcTransceivers) && within(cdcm61004, 1, 11)) chips.Cdcm61004 = cdcm61004;
        break;
    }
    default: return chips;
    }
    chips.Cdcm61004Block = m_BoardId != MAINBOARD_RASTRELLE && chips.Cdcm61004 != 0;
    chips.Si570Block = chips.Si570 != 0;
    return chips;
}
