// The Zennorby form end to end: hosted by the main form, dialogs answered by
// the test, the generated files checked on disk; Verilog top levels compiled
// with their controller files, VHDL top levels elaborated with GHDL.
#include <cstddef>
#include <cstring>
#include <filesystem>
#include <unistd.h>

#include "boards/stratix10_agilex/UI_Zennorby.h"
#include "model/Names.h"
#include "tests/boards/Stratix10AgilexFormFixture.h"
#include "tests/boards/Stratix10AgilexRecords.h"

namespace zennorby_form_test {

using namespace s10form;

namespace {

using ZENNORBY_CONFIG = TConfigZennorby::ZENNORBY_CONFIG;

const char* const kWord = "Zennorby";
const char* const kHpsReminder = "HPS is selected.\r\nPlease make sure SW7 DIP Switch is set to ON position";
const std::vector<std::string>& kParts = ZennorbyParts();
const std::vector<std::string> kModules = {"None", "DDR4 SODIMM without ECC", "DDR4 SODIMM with ECC",
                                           "Kalvora QDR-II+ S10 Module", "Kalvora QDR-IV S10 Module"};
enum Module { None = 0, Ddr4NoEcc, Ddr4Ecc, QdrII, QdrIV };
const std::vector<std::string> kQsfpItems = {"644.53125", "322.265625", "250.0", "125.0", "100.0"};
const std::vector<std::string> kMemItems = {"300.0", "275.0", "266.667", "233.333", "166.667"};

const std::string kControllerStub =
    "library ieee;\nuse ieee.std_logic_1164.all;\n"
    "entity ZENNORBY_SI5340A_CONFIG is port (iCLK, iRST_n, iStart : in std_logic;\n"
    "  iXCVR0_REFCLK, iXCVR1_REFCLK, iMEM0_REFCLK, iMEM1_REFCLK : in std_logic_vector(3 downto 0);\n"
    "  I2C_CLK : out std_logic; I2C_DATA : inout std_logic;\n"
    "  oPLL_I2C_ID_READ_ERROR, oPLL_REG_CONFIG_DONE : out std_logic);\nend entity;\n"
    "architecture stub of ZENNORBY_SI5340A_CONFIG is begin end architecture;\n";

class ZennorbyForm : public Stratix10AgilexFormTest<TFormZennorby, MAINBOARD_ZENNORBY> {
protected:
    ZennorbyForm() : Stratix10AgilexFormTest(kWord, "si5340_controller") {}
    void SetUp() override
    {
        Stratix10AgilexFormTest::SetUp();
        std::vector<std::string> resources;
        for (const char* file : kZennorbyControllerFiles) resources.push_back(UpperCase(ZennorbyResourceName(file)));
        AddIpResources(resources);
    }

    static ZENNORBY_CONFIG Defaults(int part = 0) { return ZennorbyDefaults(part); }
    // The settings as Save writes them.
    ZENNORBY_CONFIG Saved(TFormZennorby* form) { return RecordOf<ZENNORBY_CONFIG>(SaveBytes(form)); }
    void SetSockets(TFormZennorby* form, std::initializer_list<Module> modules,
                    std::initializer_list<const char*> prefixes)
    {
        int i = 0;
        for (Module module : modules) UserPick(form->ComboBoxDDR4Socket[i++], module);
        i = 0;
        for (const char* prefix : prefixes) UserType(form->EditPrefixDDR4Socket[i++], prefix);
    }
    static std::string Qsf(const std::string& qpf) { return ReadFile(ChangeFileExt(qpf, ".qsf")); }
};

}  // namespace

TEST_F(ZennorbyForm, OpensWithItsDefaultsAndExitWritesThem)
{
    TFormZennorby* form = Open();
    EXPECT_EQ(form->Find<TLabel>("LabelBoardName")->Caption(), "Zennorby FPGA Board");
    EXPECT_TRUE(form->Find<TImage>("ImageBoard")->HasPicture());
    EXPECT_EQ(ItemTexts(form->ComboBoxFPGA), kParts);
    EXPECT_EQ(form->ComboBoxFPGA->ItemIndex(), 0);
    EXPECT_EQ(ItemTexts(form->ComboBoxFileType), (std::vector<std::string>{"Verilog", "VHDL"}));
    EXPECT_EQ(form->ComboBoxFileType->ItemIndex(), 0);
    EXPECT_EQ(form->EditProjectName->Text(), "Zennorby");
    EXPECT_EQ(form->EditProjectName->MaxLength(), 127);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(ItemTexts(form->ComboBox_QSFP28[i]), kQsfpItems);
        EXPECT_EQ(form->ComboBox_QSFP28[i]->ItemIndex(), 0);
        EXPECT_EQ(ItemTexts(form->ComboBox_DDR4[i]), kMemItems);
        EXPECT_EQ(form->ComboBox_DDR4[i]->Text(), "166.667");
        EXPECT_TRUE(form->ComboBox_DDR4[i]->Enabled());
        EXPECT_EQ(ItemTexts(form->ComboBoxDDR4Socket[i]), kModules);
        EXPECT_EQ(form->ComboBoxDDR4Socket[i]->ItemIndex(), Ddr4Ecc);
        EXPECT_EQ(form->EditPrefixDDR4Socket[i]->Text(), std::string("DDR4") + char('A' + i) + "_");
        EXPECT_EQ(form->EditPrefixDDR4Socket[i]->MaxLength(), 127);
        EXPECT_TRUE(form->ImageDDR4Socket[i]->Visible());
        EXPECT_TRUE(form->ShapeDDR4Socket[i]->Visible());
    }
    for (const char* box : {"CheckBoxOSC", "CheckBoxLED", "CheckBoxButton", "CheckBoxSwitch", "CheckBoxPower",
                            "CheckBoxFan", "CheckBoxTemperature", "CheckBoxGPIO2x5", "CheckBoxFlash", "CheckBoxUFL",
                            "CheckBoxPCIe", "CheckBoxHPS", "CheckBoxQSFP28_A", "CheckBoxQSFP28_D"})
        EXPECT_TRUE(form->Find<TCheckBox>(box)->Checked()) << box;
    EXPECT_EQ(form->Find<TCheckBox>("CheckBoxTemperature")->Caption(), "Temperatrure ");
    EXPECT_TRUE(form->CheckBoxHPS->Visible());
    for (const char* shape : {"ShapePower12V", "ShapePowerCore", "ShapeHPS", "ShapeQSFP28_C"})
        EXPECT_TRUE(form->Find<TShape>(shape)->Visible()) << shape;
    // The frame's buttons in this form's captions; none answers Enter.
    EXPECT_EQ(form->ButtonSave->Caption(), "Save Setting");
    EXPECT_EQ(form->ButtonLoad->Caption(), "Load Setting");
    EXPECT_EQ(form->ButtonGen->Caption(), "Generate");
    EXPECT_EQ(form->ButtonDefaultSetting, nullptr);
    EXPECT_EQ(form->FindControl("ButtonButtonDefaultAllSetting"), nullptr);
    for (TButton* button : {form->ButtonSave, form->ButtonLoad, form->ButtonGen, form->ButtonExit,
                            form->Button_DDR4_Config, form->Button_QDR2_Config, form->Button_QDR4_Config})
        EXPECT_FALSE(button->Default) << button->Name();
    EXPECT_EQ(form->Button_QDR2_Config->Caption(), "QDR-II+ Setting");
    EXPECT_FALSE(form->Button1->Visible());
    EXPECT_EQ(form->LastFpgaIndex(), -1);

    UserClick(form->ButtonExit);
    const std::string bytes = ReadFile(folder.Path() + "default.cfg");
    EXPECT_EQ(bytes, BytesOf(Defaults()));
}

TEST_F(ZennorbyForm, DefaultsGenerateEveryGroupWithFourDdr4ModulesAndTheReminders)
{
    TFormZennorby* form = Open();
    const std::string qpf = GenerateNamed(form, "zen");
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{MemoryNotice("DDR4-SDRAM") + TransceiverNotice("PCIe/QSFP28", "Altera"),
                                                    kSuccess + ExtractFilePath(qpf), kHpsReminder}));
    EXPECT_EQ(BoxKinds(), (std::vector<seam::BoxKind>(3, seam::BoxKind::Information)));
    const std::string qsf = Qsf(qpf);
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name FAMILY \"Stratix 10\""));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE 1SX280HU2F50E1VG"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name STRATIXV_CONFIGURATION_SCHEME \"AVST X8\""));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name INPUT_TERMINATION DIFFERENTIAL -to DDR4C_REFCLK_p"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name VERILOG_FILE si5340_controller/initial_config.v"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AW38 -to CLK_50_B2C"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"1.2 V\" -to CLK_50_B2C"));
    // The presence-detect bus of socket A is in a 1.8 V bank, the others not.
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"1.8 V\" -to DDR4A_SCL"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"1.2 V\" -to DDR4B_SCL"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_C38 -to DDR4A_DQ[5]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_W18 -to DDR4B_DQ[5]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_T15 -to DDR4B_ALERT_n"));
    // The pins of the hard processor get their standard and no location.
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"1.8 V\" -to HPS_SD_CLK"));
    int hpsStandards = 0, hpsLocations = 0;
    for (const std::string& line : SplitCrLf(qsf)) {
        if (line.find(" -to HPS_") == std::string::npos) continue;
        hpsStandards += line.rfind("set_instance_assignment -name IO_STANDARD \"1.8 V\"", 0) == 0;
        hpsLocations += line.rfind("set_location_assignment", 0) == 0;
    }
    EXPECT_EQ(hpsStandards, 40);
    EXPECT_EQ(hpsLocations, 0);
    ExpectNoBallTwice(qsf);
    EXPECT_EQ(ControllerFiles(qpf).size(), 8u);
    ExpectVerilogCompilesWithIp(qpf);
    const std::string sdc = ReadFile(ChangeFileExt(qpf, ".sdc"));
    EXPECT_TRUE(HasLine(sdc, "create_clock -period \"166.666672 MHz\" [get_ports DDR4A_REFCLK_p]"));
}

TEST_F(ZennorbyForm, VhdlTopLevelsElaborateWithTheControllerAndOneGeneratorCompilesAlone)
{
    TFormZennorby* form = Open();
    UserPick(form->ComboBoxFileType, 1);
    const std::string full = GenerateNamed(form, "zen_vhdl");
    ASSERT_TRUE(FileExists(ChangeFileExt(full, ".vhd")));
    ExpectVhdlElaborates(full, kControllerStub);
    // Only socket D: the second generator alone.
    for (TCheckBox* box : form->CheckBoxQSFP28) UserClick(box);
    SetSockets(form, {None, None, None, QdrIV}, {"", "", "", "Q4_"});
    const std::string socketD = GenerateNamed(form, "zen_d");
    const std::string vhd = ReadFile(ChangeFileExt(socketD, ".vhd"));
    EXPECT_EQ(vhd.find("si5340a0_controller"), std::string::npos);
    EXPECT_NE(vhd.find("\t\tiMEM1_REFCLK => MEM_REF_166M667, --DDR4-Socket-D\r\n"), std::string::npos);
    ExpectVhdlElaborates(socketD, kControllerStub);
    UserPick(form->ComboBoxFileType, 0);
    const std::string socketDVerilog = GenerateNamed(form, "zen_d_v");
    EXPECT_EQ(ReadFile(ChangeFileExt(socketDVerilog, ".v")).find("si5340a0"), std::string::npos);
    ExpectVerilogCompilesWithIp(socketDVerilog);
    UserPick(form->ComboBoxFileType, 1);
    // Nothing clocked: the run's own architecture.
    UserPick(form->ComboBoxDDR4Socket[3], None);
    const std::string plain = GenerateNamed(form, "zen_plain");
    EXPECT_NE(ReadFile(ChangeFileExt(plain, ".vhd")).find("architecture rtl of zen_plain is"), std::string::npos);
    EXPECT_TRUE(ControllerFiles(plain).empty());
    ExpectVhdlElaborates(plain, "");
}

TEST_F(ZennorbyForm, EachPartRowSetsItsOwnControls)
{
    TFormZennorby* form = Open();
    UserType(form->EditProjectName, "kept");
    UserPick(form->ComboBox_DDR4[1], 0);
    UserPick(form->ComboBoxFPGA, 2);  // revD SX fixes socket A at 266.667 MHz
    EXPECT_EQ(form->ComboBox_DDR4[0]->Text(), "266.667");
    EXPECT_FALSE(form->ComboBox_DDR4[0]->Enabled());
    EXPECT_EQ(form->ComboBox_DDR4[1]->Text(), "300.0");
    EXPECT_EQ(form->EditProjectName->Text(), "kept");
    EXPECT_TRUE(form->CheckBoxHPS->Visible());
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(form->ComboBoxDDR4Socket[i]->ItemIndex(), None);
        EXPECT_EQ(form->EditPrefixDDR4Socket[i]->Text(), "");
        EXPECT_FALSE(form->ImageDDR4Socket[i]->Visible());
        EXPECT_FALSE(form->ShapeDDR4Socket[i]->Visible());
    }
    EXPECT_EQ(form->LastFpgaIndex(), 2);

    UserPick(form->ComboBoxFPGA, 3);  // revC GX: no HPS
    EXPECT_TRUE(form->ComboBox_DDR4[0]->Enabled());
    EXPECT_EQ(form->ComboBox_DDR4[0]->Text(), "266.667");
    EXPECT_FALSE(form->CheckBoxHPS->Visible());
    EXPECT_TRUE(form->CheckBoxHPS->Checked());
    // The hidden box is stored as 0 and no HPS group is generated.
    const ZENNORBY_CONFIG saved = Saved(form);
    EXPECT_EQ(saved.bHps, 0);
    EXPECT_STREQ(saved.szFpgaPart, "revC GX, 1SG280HU2F50E2VG");
    EXPECT_EQ(saved.nMemRefClk[0], 2);
    EXPECT_EQ(saved.nMemRefClk[1], 0);
    for (uint8_t module : saved.nMemoryModuleId) EXPECT_EQ(module, 0);
    const std::string qpf = GenerateNamed(form, "kept");
    EXPECT_EQ(Qsf(qpf).find("HPS"), std::string::npos);
    EXPECT_TRUE(HasLine(Qsf(qpf), "set_global_assignment -name DEVICE 1SG280HU2F50E2VG"));
    // No reminder on a part without HPS; no memory notice without modules.
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{TransceiverNotice("PCIe/QSFP28", "Altera"),
                                                    kSuccess + ExtractFilePath(qpf)}));
    // Picking the row shown again changes nothing.
    SetSockets(form, {QdrII}, {"Q_"});
    UserPick(form->ComboBoxFPGA, 3);
    EXPECT_EQ(form->ComboBoxDDR4Socket[0]->ItemIndex(), QdrII);
}

TEST_F(ZennorbyForm, EachBoxIsItsRecordByteAndItsOutline)
{
    struct Box {
        const char* name;
        std::size_t field;
        std::vector<const char*> shapes;
    };
    const Box boxes[] = {
        {"CheckBoxOSC", offsetof(ZENNORBY_CONFIG, bClock), {"ShapeOSC"}},
        {"CheckBoxLED", offsetof(ZENNORBY_CONFIG, bLed), {"ShapeLED"}},
        {"CheckBoxButton", offsetof(ZENNORBY_CONFIG, bButton), {"ShapeButton"}},
        {"CheckBoxSwitch", offsetof(ZENNORBY_CONFIG, bSwitch), {"ShapeSwitch"}},
        {"CheckBoxFan", offsetof(ZENNORBY_CONFIG, bFan), {"ShapeFan"}},
        {"CheckBoxTemperature", offsetof(ZENNORBY_CONFIG, bTemperature), {"ShapeTemperature"}},
        {"CheckBoxPower", offsetof(ZENNORBY_CONFIG, bPowerMonitor), {"ShapePower12V", "ShapePowerCore"}},
        {"CheckBoxFlash", offsetof(ZENNORBY_CONFIG, bFlash), {"ShapeFlash"}},
        {"CheckBoxUFL", offsetof(ZENNORBY_CONFIG, bUfl), {"ShapeUFL"}},
        {"CheckBoxPCIe", offsetof(ZENNORBY_CONFIG, bPcie), {"ShapePCIe"}},
        {"CheckBoxGPIO2x5", offsetof(ZENNORBY_CONFIG, bGpio2x5), {"ShapeGPIO2x5"}},
        {"CheckBoxHPS", offsetof(ZENNORBY_CONFIG, bHps), {"ShapeHPS"}},
        {"CheckBoxQSFP28_A", offsetof(ZENNORBY_CONFIG, bQsfp28), {"ShapeQSFP28_A"}},
        {"CheckBoxQSFP28_B", offsetof(ZENNORBY_CONFIG, bQsfp28) + 1, {"ShapeQSFP28_B"}},
        {"CheckBoxQSFP28_C", offsetof(ZENNORBY_CONFIG, bQsfp28) + 2, {"ShapeQSFP28_C"}},
        {"CheckBoxQSFP28_D", offsetof(ZENNORBY_CONFIG, bQsfp28) + 3, {"ShapeQSFP28_D"}},
    };
    TFormZennorby* form = Open();
    const std::string defaults = BytesOf(Defaults());
    for (const Box& box : boxes) {
        TCheckBox* check = form->Find<TCheckBox>(box.name);
        UserClick(check);
        for (const char* shape : box.shapes) EXPECT_FALSE(form->Find<TShape>(shape)->Visible()) << shape;
        std::string expected = defaults;
        expected[box.field] = 0;
        EXPECT_EQ(SaveBytes(form), expected) << box.name;
        UserClick(check);
        for (const char* shape : box.shapes) EXPECT_TRUE(form->Find<TShape>(shape)->Visible()) << shape;
    }
    // Each reference-clock combo is its own cage's or socket's choice.
    for (int i = 0; i < 4; ++i) {
        UserPick(form->ComboBox_QSFP28[i], i + 1);
        UserPick(form->ComboBox_DDR4[i], 3 - i);
    }
    const ZENNORBY_CONFIG saved = Saved(form);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(saved.nQsfp28RefClk[i], i + 1) << i;
        EXPECT_EQ(saved.nMemRefClk[i], 3 - i) << i;
    }
    // A socket's outline follows its module.
    UserPick(form->ComboBoxDDR4Socket[2], None);
    EXPECT_FALSE(form->ShapeDDR4Socket[2]->Visible());
    EXPECT_FALSE(form->ImageDDR4Socket[2]->Visible());
    EXPECT_TRUE(form->ShapeDDR4Socket[3]->Visible());
}

TEST_F(ZennorbyForm, EveryPartRowWithItsPresetAndItsReminder)
{
    struct Row {
        const char* device;
        const char* ddr4Clock;  // what the DDR4 preset gives socket B
        bool hps;
        bool fixedSocketA;      // socket A held at 266.667 MHz
        bool reminder;          // the SW7 reminder after a run with HPS ticked
    };
    const Row rows[7] = {{"1SX280HU2F50E1VG", "166.667", true, false, true},
                         {"1SG280HU1F50E1VG", "166.667", false, false, false},
                         {"1SX280HU2F50E1VG", "166.667", true, true, false},
                         {"1SG280HU2F50E2VG", "300.0", false, false, false},
                         {"1SG165HU2F50E2VG", "300.0", false, false, false},
                         {"1SX280LU2F50E1VG", "166.667", true, false, false},
                         {"1SG280LU2F50E1VG", "166.667", false, false, false}};
    TFormZennorby* form = Open();
    for (int r = 0; r < 7; ++r) {
        UserPick(form->ComboBoxFPGA, r);
        UserClick(form->Button_DDR4_Config);
        EXPECT_EQ(form->CheckBoxHPS->Visible(), rows[r].hps) << r;
        EXPECT_TRUE(form->CheckBoxHPS->Checked()) << r;
        EXPECT_EQ(form->ComboBox_DDR4[1]->Text(), rows[r].ddr4Clock) << r;
        EXPECT_EQ(form->ComboBox_DDR4[0]->Text(), rows[r].fixedSocketA ? "266.667" : rows[r].ddr4Clock) << r;
        EXPECT_EQ(form->ComboBox_DDR4[0]->Enabled(), !rows[r].fixedSocketA) << r;
        const std::string qpf = GenerateNamed(form, "row" + std::to_string(r));
        const std::string qsf = Qsf(qpf);
        EXPECT_TRUE(HasLine(qsf, std::string("set_global_assignment -name DEVICE ") + rows[r].device)) << r;
        EXPECT_EQ(qsf.find("-to HPS_SD_CLK") != std::string::npos, rows[r].hps) << r;
        EXPECT_TRUE(HasLine(ReadFile(ChangeFileExt(qpf, ".sdc")),
                            std::string("create_clock -period \"") +
                                (rows[r].ddr4Clock == std::string("300.0") ? "300.000000" : "166.666672") +
                                " MHz\" [get_ports DDR4B_REFCLK_p]"))
            << r;
        EXPECT_EQ(BoxTexts().back() == kHpsReminder, rows[r].reminder) << r;
        EXPECT_EQ(BoxTexts().size(), rows[r].reminder ? 3u : 2u) << r;
    }
}

TEST_F(ZennorbyForm, PresetsResetTheSettingsAndFillTheSockets)
{
    TFormZennorby* form = Open();
    UserPick(form->ComboBoxFPGA, 2);
    UserType(form->EditProjectName, "other");
    UserPick(form->ComboBoxFileType, 1);
    UserClick(form->Find<TCheckBox>("CheckBoxFan"));
    UserPick(form->ComboBox_QSFP28[2], 3);
    UserClick(form->Button_QDR2_Config);
    EXPECT_EQ(form->EditProjectName->Text(), "Zennorby");
    EXPECT_EQ(form->ComboBoxFileType->ItemIndex(), 0);
    EXPECT_TRUE(form->Find<TCheckBox>("CheckBoxFan")->Checked());
    EXPECT_EQ(form->ComboBox_QSFP28[2]->ItemIndex(), 0);
    EXPECT_EQ(form->ComboBoxFPGA->ItemIndex(), 2);
    EXPECT_EQ(form->ComboBox_DDR4[0]->Text(), "266.667");
    EXPECT_FALSE(form->ComboBox_DDR4[0]->Enabled());
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(form->ComboBoxDDR4Socket[i]->ItemIndex(), QdrII);
        EXPECT_EQ(form->EditPrefixDDR4Socket[i]->Text(), std::string("QDR2") + char('A' + i) + "_");
        if (i > 0) {
            EXPECT_EQ(form->ComboBox_DDR4[i]->Text(), "275.0");
        }
    }
    EXPECT_EQ(form->Record().nMemRefClk[0], 2);

    UserClick(form->Button_QDR4_Config);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(form->ComboBoxDDR4Socket[i]->ItemIndex(), QdrIV);
        EXPECT_EQ(form->ComboBox_DDR4[i]->Text(), "266.667");
        EXPECT_EQ(form->EditPrefixDDR4Socket[i]->Text(), std::string("QDR4") + char('A' + i) + "_");
    }
    UserPick(form->ComboBoxFPGA, 4);
    UserClick(form->Button_DDR4_Config);
    EXPECT_EQ(SaveBytes(form), BytesOf(Defaults(4)));
    UserPick(form->ComboBoxFPGA, 6);
    UserClick(form->Button_DDR4_Config);
    EXPECT_EQ(SaveBytes(form), BytesOf(Defaults(6)));
}

TEST_F(ZennorbyForm, ValidationOfTheSockets)
{
    const std::string pairAB = "Memory modules on the DDR4-SODIMM Socket-A and Socket-B shoud be the same memory type.";
    const std::string pairCD = "Memory modules on the DDR4-SODIMM Socket-C and Socket-D shoud be the same memory type.";
    const std::string prefixes =
        "DDR4-Socket-B and DDR4-Socket-D cannot have the same prefix name when both connect to the same type of "
        "daughter boards.";
    struct Case {
        std::initializer_list<Module> modules;
        std::initializer_list<const char*> prefixes;
        std::string error;  // empty: it passes
        bool saves = false;  // the error refuses the generation only: a settings file keeps the prefix
    };
    const Case cases[] = {
        {{Ddr4Ecc, QdrII, None, None}, {"A_", "B_", "", ""}, pairAB},
        {{Ddr4NoEcc, Ddr4Ecc, None, None}, {"A_", "B_", "", ""}, ""},
        {{None, QdrIV, None, None}, {"", "B_", "", ""}, ""},
        {{Ddr4Ecc, QdrII, QdrIV, Ddr4Ecc}, {"A_", "B_", "C_", "D_"}, pairCD},
        {{None, QdrII, None, QdrII}, {"", "X_", "", "X_"}, prefixes},
        {{None, QdrII, None, QdrIV}, {"", "X_", "", "X_"}, ""},
        {{Ddr4Ecc, None, None, None}, {"1bad", "", "", ""}, kPrefixNameRuleMessage, true},
        {{None, None, None, None}, {"1bad", "", "", ""}, ""},
    };
    TFormZennorby* form = Open();
    for (TCheckBox* box : form->CheckBoxQSFP28) UserClick(box);
    for (const Case& test : cases) {
        SetSockets(form, test.modules, test.prefixes);
        seam.boxes.clear();
        const std::string saved = folder.Path() + "saved.cfg";
        std::remove(saved.c_str());
        seam.AnswerNextDialog(saved);
        UserClick(form->ButtonSave);
        seam.dialogAnswers.clear();
        if (test.error.empty() || test.saves) {
            EXPECT_EQ(ReadFile(saved).size(), 832u);
            EXPECT_TRUE(seam.ErrorTexts().empty());
            if (test.error.empty()) continue;
        } else {
            EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{test.error});
            EXPECT_FALSE(FileExists(saved));
        }
        const std::string qpf = GenerateNamed(form, "v");
        seam.dialogAnswers.clear();
        EXPECT_EQ(BoxTexts(), std::vector<std::string>{test.error});
        EXPECT_TRUE(seam.dialogs.empty());
        EXPECT_FALSE(FileExists(qpf));
    }
}

TEST_F(ZennorbyForm, EveryModuleOnEverySocketCompiles)
{
    TFormZennorby* form = Open();
    // QDR-II+ everywhere: the banks beside sockets A and C run at 1.8 V.
    UserClick(form->Button_QDR2_Config);
    std::string qpf = GenerateNamed(form, "qdr2");
    std::string qsf = Qsf(qpf);
    for (const char* pin : {"CLK_50_B3L", "CLK_50_B2C", "PCIE_WAKE_n", "QDR2A_RZQ", "QDR2C_RZQ"})
        EXPECT_TRUE(HasLine(qsf, std::string("set_instance_assignment -name IO_STANDARD \"1.8 V\" -to ") + pin)) << pin;
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name INPUT_TERMINATION DIFFERENTIAL -to QDR2B_REFCLK_p"));
    EXPECT_TRUE(HasLine(ReadFile(ChangeFileExt(qpf, ".sdc")),
                        "create_clock -period \"275.000000 MHz\" [get_ports QDR2D_REFCLK_p]"));
    EXPECT_EQ(seam.boxes.front().text,
              MemoryNotice("QDR-II+ SRAM") + TransceiverNotice("PCIe/QSFP28", "Altera"));
    ExpectNoBallTwice(qsf);
    ExpectVerilogCompilesWithIp(qpf);

    UserClick(form->Button_QDR4_Config);
    qpf = GenerateNamed(form, "qdr4");
    ExpectNoBallTwice(Qsf(qpf));
    ExpectVerilogCompilesWithIp(qpf);
    EXPECT_EQ(seam.boxes.front().text, MemoryNotice("QDR-IV SRAM") + TransceiverNotice("PCIe/QSFP28", "Altera"));

    // DDR4 without ECC everywhere: no check-bit lane on any socket.
    SetSockets(form, {Ddr4NoEcc, Ddr4NoEcc, Ddr4NoEcc, Ddr4NoEcc}, {"NA_", "NB_", "NC_", "ND_"});
    qpf = GenerateNamed(form, "noecc");
    qsf = Qsf(qpf);
    for (char x = 'A'; x <= 'D'; ++x) {
        EXPECT_NE(qsf.find(std::string("# DDR4 SODIMM without ECC, located at DDR4-SODIMM Socket ") + x),
                  std::string::npos)
            << x;
        EXPECT_NE(qsf.find(std::string("-to N") + x + "_DQ[63]"), std::string::npos) << x;
        EXPECT_EQ(qsf.find(std::string("-to N") + x + "_DQ[64]"), std::string::npos) << x;
    }
    ExpectNoBallTwice(qsf);
    ExpectVerilogCompilesWithIp(qpf);

    // DDR4 without ECC beside DDR4 with ECC, QDR-IV beside nothing.
    SetSockets(form, {Ddr4NoEcc, Ddr4Ecc, QdrIV, None}, {"M0_", "M1_", "M2_", ""});
    UserClick(form->CheckBoxPCIe);
    qpf = GenerateNamed(form, "mixed");
    qsf = Qsf(qpf);
    EXPECT_NE(qsf.find("# DDR4 SODIMM without ECC, located at DDR4-SODIMM Socket A"), std::string::npos);
    EXPECT_NE(qsf.find("-to M1_DQ[71]"), std::string::npos);
    EXPECT_EQ(qsf.find("-to M0_DQ[71]"), std::string::npos);
    EXPECT_EQ(seam.boxes.front().text, MemoryNotice("DDR4-SDRAM/QDR-IV SRAM") + TransceiverNotice("QSFP28", "Altera"));
    ExpectNoBallTwice(qsf);
    ExpectVerilogCompilesWithIp(qpf);
    UserPick(form->ComboBoxFileType, 1);
    qpf = GenerateNamed(form, "mixed_vhdl");
    ExpectVhdlElaborates(qpf, kControllerStub);
}

TEST_F(ZennorbyForm, NoticesNameWhatIsInUse)
{
    TFormZennorby* form = Open();
    UserClick(form->CheckBoxPCIe);
    for (int i : {0, 1, 3}) UserClick(form->CheckBoxQSFP28[i]);
    SetSockets(form, {None, None, QdrIV, None}, {"", "", "Q_", ""});
    UserClick(form->CheckBoxHPS);
    const std::string qpf = GenerateNamed(form, "notices");
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{MemoryNotice("QDR-IV SRAM") + TransceiverNotice("QSFP28", "Altera"),
                                                    kSuccess + ExtractFilePath(qpf)}));
    UserClick(form->CheckBoxQSFP28[2]);
    UserPick(form->ComboBoxDDR4Socket[2], None);
    GenerateNamed(form, "notices");
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{kSuccess + ExtractFilePath(qpf)});
}

TEST_F(ZennorbyForm, EmptyPrefixesThatGiveOneNameTwiceAreRefusedByTheRun)
{
    TFormZennorby* form = Open();
    SetSockets(form, {Ddr4NoEcc, Ddr4Ecc}, {"", ""});
    const std::string qpf = GenerateNamed(form, "twice");
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Signal name RZQ is used more than once in this project.",
                                                    "Failed to generate Quartus project: twice.qpf."}));
    EXPECT_FALSE(FileExists(qpf));
}

TEST_F(ZennorbyForm, SettingsRoundTripAndCraftedRecords)
{
    TFormZennorby* form = Open();
    UserPick(form->ComboBoxFPGA, 5);
    UserClick(form->Button_QDR4_Config);
    UserPick(form->ComboBox_QSFP28[1], 4);
    UserType(form->EditPrefixDDR4Socket[2], "third_");
    const std::string saved = SaveBytes(form);
    ASSERT_EQ(saved.size(), 832u);

    // Loads of another size are refused silently.
    UserClick(form->Button_DDR4_Config);
    const std::string before = SaveBytes(form);
    for (std::size_t size : {831u, 833u}) {
        seam.boxes.clear();
        LoadBytes(form, saved.substr(0, 831) + std::string(size - 831, '\0'));
        EXPECT_TRUE(seam.boxes.empty());
        EXPECT_EQ(SaveBytes(form), before);
    }
    LoadBytes(form, saved);
    EXPECT_EQ(form->ComboBoxFPGA->ItemIndex(), 5);
    EXPECT_EQ(form->EditPrefixDDR4Socket[2]->Text(), "third_");
    EXPECT_EQ(SaveBytes(form), saved);

    // A crafted record: an unknown part, choices and a module outside their
    // lists, texts without their zero, a hidden HPS box ticked. The socket
    // whose module the list lacks keeps the module it showed.
    UserPick(form->ComboBoxDDR4Socket[0], Ddr4NoEcc);
    ZENNORBY_CONFIG crafted = Defaults(1);
    std::memset(crafted.szFpgaPart, 'P', 128);
    std::memset(crafted.szProjectName, 'n', 128);
    std::memset(crafted.szMemoryPrefixName[1], 'p', 128);
    crafted.nQsfp28RefClk[0] = 9;
    crafted.nQsfp28RefClk[3] = -1;
    crafted.nMemRefClk[1] = 77;
    crafted.nMemoryModuleId[0] = 81;
    crafted.nMemoryModuleId[3] = 0;
    crafted.bVhdl = 2;
    crafted.bHps = 1;
    LoadBytes(form, BytesOf(crafted));
    EXPECT_EQ(form->ComboBoxFPGA->ItemIndex(), 0);
    EXPECT_EQ(form->EditProjectName->Text(), std::string(127, 'n'));
    EXPECT_EQ(form->EditPrefixDDR4Socket[1]->Text(), std::string(127, 'p'));
    EXPECT_EQ(form->ComboBoxDDR4Socket[0]->ItemIndex(), Ddr4NoEcc);
    EXPECT_EQ(form->EditPrefixDDR4Socket[0]->Text(), "DDR4A_");
    EXPECT_EQ(form->ComboBoxFileType->ItemIndex(), 1);
    const ZENNORBY_CONFIG written = Saved(form);
    EXPECT_STREQ(written.szFpgaPart, kParts[0].c_str());
    EXPECT_EQ(written.nQsfp28RefClk[0], 0);
    EXPECT_EQ(written.nQsfp28RefClk[3], 0);
    EXPECT_EQ(written.nMemRefClk[1], 4);  // the DDR4 default of the part shown
    EXPECT_EQ(written.nMemoryModuleId[0], 79);
    EXPECT_EQ(written.nMemoryModuleId[3], 0);
    EXPECT_EQ(written.bVhdl, 1);
    EXPECT_EQ(written.bHps, 1);
    EXPECT_EQ(std::string(written.szProjectName), std::string(127, 'n'));
    // The record generates: the long prefix makes names the run refuses.
    UserType(form->EditProjectName, "crafted");
    GenerateNamed(form, "crafted");
    EXPECT_EQ(seam.ErrorTexts().size(), 2u);
    UserType(form->EditPrefixDDR4Socket[1], "B_");
    const std::string qpf = GenerateNamed(form, "crafted");
    EXPECT_TRUE(seam.ErrorTexts().empty());
    ExpectVhdlElaborates(qpf, kControllerStub);
}

TEST_F(ZennorbyForm, TheHiddenButtonWritesThePinListOfEveryHsmcCard)
{
    TFormZennorby* form = Open();
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(folder.Path().c_str()), 0);
    form->Button1Click(nullptr);
    EXPECT_EQ(seam.InfoTexts(), std::vector<std::string>{"failed"});
    std::filesystem::create_directory(folder.Path() + "hsmc");
    seam.boxes.clear();
    form->Button1Click(nullptr);
    EXPECT_EQ(seam.InfoTexts(), std::vector<std::string>{"success"});
    ASSERT_EQ(chdir(previous), 0);
    const std::vector<std::string> lists = FilesIn(folder.Path() + "hsmc");
    EXPECT_GT(lists.size(), 10u);
    for (const std::string& list : lists) EXPECT_EQ(ExtractFileName(ChangeFileExt(list, ".txt")), list);
}

}  // namespace zennorby_form_test
