// The Ashcombre form end to end: hosted by the main form, dialogs answered by
// the test, the generated files checked on disk; Verilog top levels compiled
// with their IP files, VHDL top levels elaborated with GHDL.
#include <cstddef>
#include <cstring>
#include <filesystem>

#include "boards/stratix10_agilex/UI_Ashcombre.h"
#include "tests/boards/Stratix10AgilexFormFixture.h"
#include "tests/boards/Stratix10AgilexRecords.h"

namespace ashcombre_form_test {

using namespace s10form;

namespace {

using ASHCOMBRE_CONFIG = TConfigAshcombre::ASHCOMBRE_CONFIG;

const char* const kWord = "Ashcombre";
const std::vector<std::string> kRefClkItems = {"644.53125", "625",    "322.265625", "312.5", "307.2", "250.0",
                                               "184.32",    "156.25", "153.6",      "125.0", "100.0"};
const std::vector<std::string> kSourceItems = {"XA 48MHz", "IN0(FPGA)", "IN1(FPGA)", "IN2(30.72MHz)", "UN3(UFL)"};

const std::string kStubs =
    "library ieee;\nuse ieee.std_logic_1164.all;\n"
    "entity power_on_reset is port (clk : in std_logic; reset : out std_logic);\nend entity;\n"
    "architecture stub of power_on_reset is begin end architecture;\n"
    "library ieee;\nuse ieee.std_logic_1164.all;\n"
    "entity ASHCOMBRE_SI5397A_CONFIG is port (iCLK, iRST_n, iStart : in std_logic;\n"
    "  iXCVR_CLK_0, iXCVR_CLK_1 : in std_logic_vector(3 downto 0); iXCVR_CLK_RSV : in std_logic;\n"
    "  iIO_CLK_0, iIO_CLK_1 : in std_logic_vector(3 downto 0);\n"
    "  I2C_CLK, I2C_DATA : inout std_logic; REG_CONFIG_DONE : out std_logic);\nend entity;\n"
    "architecture stub of ASHCOMBRE_SI5397A_CONFIG is begin end architecture;\n";

class AshcombreForm : public Stratix10AgilexFormTest<TFormAshcombre, MAINBOARD_ASHCOMBRE> {
protected:
    AshcombreForm() : Stratix10AgilexFormTest(kWord, "si5397_controller") {}
    void SetUp() override
    {
        Stratix10AgilexFormTest::SetUp();
        std::vector<std::string> resources;
        for (const char* file : kAshcombreIpFiles) resources.push_back(UpperCase(AshcombreResourceName(file)));
        AddIpResources(resources);
    }

    static ASHCOMBRE_CONFIG Defaults(int part = 0) { return AshcombreDefaults(part); }
    ASHCOMBRE_CONFIG Saved(TFormAshcombre* form) { return RecordOf<ASHCOMBRE_CONFIG>(SaveBytes(form)); }
    TCheckBox* Box(TFormAshcombre* form, const char* name) { return form->Find<TCheckBox>(name); }
    static std::string Qsf(const std::string& qpf) { return ReadFile(ChangeFileExt(qpf, ".qsf")); }
};

}  // namespace

TEST_F(AshcombreForm, OpensWithItsDefaultsAndExitWritesThem)
{
    TFormAshcombre* form = Open();
    EXPECT_EQ(form->Find<TLabel>("LabelBoardName")->Caption(), "Ashcombre FPGA Board");
    EXPECT_TRUE(form->Find<TImage>("ImageBoard")->HasPicture());
    EXPECT_EQ(ItemTexts(form->ComboBoxFPGA), (std::vector<std::string>{"AGFB014R24B2E2V", "AGFB014R24B1E1V"}));
    EXPECT_EQ(form->ComboBoxFPGA->ItemIndex(), 0);
    EXPECT_EQ(ItemTexts(form->ComboBoxFileType), (std::vector<std::string>{"Verilog", "VHDL"}));
    EXPECT_EQ(form->EditProjectName->Text(), "Ashcombre");
    EXPECT_EQ(form->EditProjectName->MaxLength(), 127);
    for (const char* box : {"CheckBoxOSC", "CheckBoxButton", "CheckBoxLED", "CheckBoxSwitch", "CheckBoxDDR4_A",
                            "CheckBoxDDR4_D", "CheckBoxPCIe", "CheckBoxSystemInfo", "CheckBoxQSFPDD_A",
                            "CheckBoxQSFPDD_B", "CheckBoxUART", "CheckBoxGPIO2x5", "CheckBoxUFL"})
        EXPECT_TRUE(Box(form, box)->Checked()) << box;
    EXPECT_FALSE(form->CheckBoxUserQspiFlash->Checked());
    EXPECT_FALSE(form->CheckBoxUserQspiFlash->Visible());
    EXPECT_FALSE(form->Find<TShape>("ShapeUserQspiFlash")->Visible());
    EXPECT_TRUE(form->Find<TShape>("ShapeLedBracket")->Visible());
    EXPECT_EQ(ItemTexts(form->ComboBoxDdr4Rank), (std::vector<std::string>{"Single Rank", "Dual Rank"}));
    EXPECT_EQ(form->ComboBoxDdr4Rank->ItemIndex(), 0);
    EXPECT_TRUE(form->ComboBoxDdr4Rank->Enabled());
    for (TComboBox* combo : {form->ComboBox_QDFPDD_REFCLK_0, form->ComboBox_QDFPDD_REFCLK_1}) {
        EXPECT_EQ(ItemTexts(combo), kRefClkItems);
        EXPECT_EQ(combo->Text(), "156.25");
    }
    EXPECT_EQ(ItemTexts(form->ComboBox_QDFPDD_REFCLK_2), (std::vector<std::string>{"Disable", "156.25"}));
    EXPECT_EQ(form->ComboBox_QDFPDD_REFCLK_2->ItemIndex(), 0);
    for (TComboBox* combo : {form->CombComboBox_Si5397A0, form->CombComboBox_Si5397A1}) {
        EXPECT_EQ(ItemTexts(combo), kSourceItems);
        EXPECT_EQ(combo->ItemIndex(), 0);
    }
    EXPECT_EQ(form->ButtonSave->Caption(), "Save Setting");
    EXPECT_EQ(form->ButtonGen->Caption(), "Generate");
    EXPECT_TRUE(form->ButtonExit->Default);
    EXPECT_EQ(form->Button_Default_Config->Caption(), "Default Setting");
    EXPECT_EQ(form->Button2->Caption(), "Select All");
    EXPECT_EQ(form->LastFpgaIndex(), -1);
    // "Select All" does nothing.
    UserClick(form->Button2);
    UserClick(form->ButtonExit);
    EXPECT_EQ(ReadFile(folder.Path() + "default.cfg"), BytesOf(Defaults()));
}

TEST_F(AshcombreForm, EachBoxIsItsRecordByteAndItsOutline)
{
    struct Field {
        const char* box;
        std::size_t field;
        std::vector<const char*> shapes;
    };
    const Field fields[] = {
        {"CheckBoxOSC", offsetof(ASHCOMBRE_CONFIG, bClock), {"ShapeOSC"}},
        {"CheckBoxLED", offsetof(ASHCOMBRE_CONFIG, bLed), {"ShapeLED", "ShapeLedBracket"}},
        {"CheckBoxButton", offsetof(ASHCOMBRE_CONFIG, bButton), {"ShapeButton"}},
        {"CheckBoxSwitch", offsetof(ASHCOMBRE_CONFIG, bSwitch), {"ShapeSwitch"}},
        {"CheckBoxSystemInfo", offsetof(ASHCOMBRE_CONFIG, bSystemInfo), {"ShapeSystemInfo"}},
        {"CheckBoxUFL", offsetof(ASHCOMBRE_CONFIG, bUfl), {"ShapeUFL"}},
        {"CheckBoxPCIe", offsetof(ASHCOMBRE_CONFIG, bPcie), {"ShapePCIe"}},
        {"CheckBoxGPIO2x5", offsetof(ASHCOMBRE_CONFIG, bGpio2x5), {"ShapeGPIO2x5"}},
        {"CheckBoxUART", offsetof(ASHCOMBRE_CONFIG, bUart), {"ShapeUART"}},
        {"CheckBoxDDR4_A", offsetof(ASHCOMBRE_CONFIG, bDdr4Socket), {"ShapeDDR4Socket_A"}},
        {"CheckBoxDDR4_B", offsetof(ASHCOMBRE_CONFIG, bDdr4Socket) + 1, {"ShapeDDR4Socket_B"}},
        {"CheckBoxDDR4_C", offsetof(ASHCOMBRE_CONFIG, bDdr4Socket) + 2, {"ShapeDDR4Socket_C"}},
        {"CheckBoxDDR4_D", offsetof(ASHCOMBRE_CONFIG, bDdr4Socket) + 3, {"ShapeDDR4Socket_D"}},
        {"CheckBoxQSFPDD_A", offsetof(ASHCOMBRE_CONFIG, bQsfpdd), {"ShapeQSFPDD_A"}},
        {"CheckBoxQSFPDD_B", offsetof(ASHCOMBRE_CONFIG, bQsfpdd) + 1, {"ShapeQSFPDD_B"}},
    };
    TFormAshcombre* form = Open();
    const std::string defaults = BytesOf(Defaults());
    for (const Field& f : fields) {
        UserClick(Box(form, f.box));
        for (const char* shape : f.shapes) EXPECT_FALSE(form->Find<TShape>(shape)->Visible()) << shape;
        std::string expected = defaults;
        expected[f.field] = 0;
        EXPECT_EQ(SaveBytes(form), expected) << f.box;
        UserClick(Box(form, f.box));
        for (const char* shape : f.shapes) EXPECT_TRUE(form->Find<TShape>(shape)->Visible()) << shape;
    }
    // Each clock combo is its own field.
    UserPick(form->ComboBox_QDFPDD_REFCLK_0, 2);
    UserPick(form->ComboBox_QDFPDD_REFCLK_1, 9);
    UserPick(form->CombComboBox_Si5397A0, 3);
    UserPick(form->CombComboBox_Si5397A1, 1);
    const ASHCOMBRE_CONFIG clocks = Saved(form);
    EXPECT_EQ(clocks.nQsfpddRefClk[0], 2);
    EXPECT_EQ(clocks.nQsfpddRefClk[1], 9);
    EXPECT_EQ(clocks.nIoClockSource[0], 3);
    EXPECT_EQ(clocks.nIoClockSource[1], 1);
    // The hidden QSPI box is stored too, and shows its outline when ticked.
    form->CheckBoxUserQspiFlash->SetChecked(true);
    EXPECT_TRUE(form->Find<TShape>("ShapeUserQspiFlash")->Visible());
    EXPECT_EQ(Saved(form).bQspiFlash, 1);
}

TEST_F(AshcombreForm, DefaultsGenerateFourDdr4ModulesAndTheWarnings)
{
    TFormAshcombre* form = Open();
    const std::string qpf = GenerateNamed(form, "ash");
    EXPECT_EQ(BoxTexts(),
              (std::vector<std::string>{MemoryNotice("DDR4-SDRAM") + TransceiverNotice("PCIe/QSFPDD", "Intel FPGA"),
                                        kSuccess + ExtractFilePath(qpf)}));
    const std::string qsf = Qsf(qpf);
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name FAMILY \"Agilex\""));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE AGFB014R24B2E2V"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name STRATIXV_CONFIGURATION_SCHEME \"AVST X16\""));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name VERILOG_FILE si5397_controller/power_on_reset.v"));
    EXPECT_EQ(qsf.find("ASHCOMBRE_SI5397A_CONFIG.v"), std::string::npos);
    for (char x = 'A'; x <= 'D'; ++x)
        EXPECT_NE(qsf.find(std::string("# Single-Rank DDR4-2666 SODIMM with ECC, located at DDR4-SODIMM Socket ") + x),
                  std::string::npos);
    // Single-rank names, the check bits of the ECC lane, the given balls.
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_V17 -to DDR4A_DQ[5]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_CM35 -to DDR4D_CK"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"1.2 V\" -to DDR4C_SCL"));
    EXPECT_NE(qsf.find("-to DDR4B_DQ[71]"), std::string::npos);
    EXPECT_NE(qsf.find("-to DDR4B_CS_n\r\n"), std::string::npos);
    ExpectNoBallTwice(qsf);
    EXPECT_EQ(ControllerFiles(qpf), std::vector<std::string>{"power_on_reset.v"});
    ExpectVerilogCompilesWithIp(qpf);
}

TEST_F(AshcombreForm, ProgrammingTheChipInVerilogAndVhdl)
{
    TFormAshcombre* form = Open();
    UserClick(Box(form, "CheckBoxButton"));
    UserPick(form->ComboBox_QDFPDD_REFCLK_1, 1);
    UserPick(form->ComboBox_QDFPDD_REFCLK_2, 1);
    UserPick(form->CombComboBox_Si5397A1, 4);
    std::string qpf = GenerateNamed(form, "prog");
    const std::string verilog = ReadFile(ChangeFileExt(qpf, ".v"));
    EXPECT_NE(verilog.find("    .iXCVR_CLK_1(`XCVR_REF_625M),//QSFPDDB_REFCLK_p\r\n"), std::string::npos);
    EXPECT_NE(verilog.find("    .iIO_CLK_1(`IO_IN3),//CLK_from_Si5397A[1]\r\n"), std::string::npos);
    EXPECT_EQ(ControllerFiles(qpf).size(), 8u);
    EXPECT_TRUE(HasLine(Qsf(qpf), "set_location_assignment PIN_AR14 -to QSFPDDRSV_REFCLK_p"));
    // The buttons the controller restarts on are declared although unticked.
    EXPECT_TRUE(HasLine(Qsf(qpf), "set_location_assignment PIN_J54 -to BUTTON[0]"));
    ExpectVerilogCompilesWithIp(qpf);

    UserPick(form->ComboBoxFileType, 1);
    qpf = GenerateNamed(form, "prog_vhdl");
    const std::string vhdl = ReadFile(ChangeFileExt(qpf, ".vhd"));
    EXPECT_NE(vhdl.find("\tSI5397A_OE_n <= CPU_RESET_n and (not por_reset);\r\n\tSI5397A_RST_n <= CPU_RESET_n;\r\n"),
              std::string::npos);
    EXPECT_NE(vhdl.find("\t\t\tI2C_CLK \t\t\t: inout\tstd_logic;\r\n"), std::string::npos);
    EXPECT_EQ(Qsf(qpf).find("BUTTON["), std::string::npos);
    ExpectVhdlElaborates(qpf, kStubs);
}

TEST_F(AshcombreForm, ThePowerOnResetFindsItsPortsWhateverIsTicked)
{
    TFormAshcombre* form = Open();
    for (const char* box : {"CheckBoxOSC", "CheckBoxButton", "CheckBoxLED", "CheckBoxSwitch", "CheckBoxDDR4_A",
                            "CheckBoxDDR4_B", "CheckBoxDDR4_C", "CheckBoxDDR4_D", "CheckBoxPCIe",
                            "CheckBoxSystemInfo", "CheckBoxQSFPDD_A", "CheckBoxQSFPDD_B", "CheckBoxUART",
                            "CheckBoxGPIO2x5", "CheckBoxUFL"})
        UserClick(Box(form, box));
    std::string qpf = GenerateNamed(form, "bare");
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{kSuccess + ExtractFilePath(qpf)});
    const std::string qsf = Qsf(qpf);
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_G52 -to CLK_50_B3A"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_G56 -to CPU_RESET_n"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_CT45 -to SI5397A_OE_n"));
    EXPECT_EQ(qsf.find("BUTTON["), std::string::npos);
    ExpectVerilogCompilesWithIp(qpf);
    UserPick(form->ComboBoxFileType, 1);
    qpf = GenerateNamed(form, "bare_vhdl");
    ExpectVhdlElaborates(qpf, kStubs);
    // An IO clock from IN1 programs the chip with nothing else ticked.
    UserPick(form->CombComboBox_Si5397A0, 2);
    qpf = GenerateNamed(form, "bare_io");
    EXPECT_EQ(ControllerFiles(qpf).size(), 8u);
    ExpectVhdlElaborates(qpf, kStubs);
    UserPick(form->ComboBoxFileType, 0);
    qpf = GenerateNamed(form, "bare_io_v");
    ExpectVerilogCompilesWithIp(qpf);
}

TEST_F(AshcombreForm, TheEnablingRules)
{
    TFormAshcombre* form = Open();
    for (TCheckBox* box : form->CheckBoxDDR4) UserClick(box);
    EXPECT_FALSE(form->ComboBoxDdr4Rank->Enabled());
    UserClick(form->Button_Default_Config);
    for (TCheckBox* box : form->CheckBoxDDR4) EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(form->ComboBoxDdr4Rank->Enabled());

    // An unticked QSFPDD keeps its choice, which does not program the chip.
    UserPick(form->ComboBox_QDFPDD_REFCLK_0, 0);
    UserClick(form->CheckBoxQSFPDD[0]);
    EXPECT_FALSE(form->ComboBox_QDFPDD_REFCLK_0->Enabled());
    EXPECT_TRUE(form->ComboBox_QDFPDD_REFCLK_1->Enabled());
    EXPECT_TRUE(form->ComboBox_QDFPDD_REFCLK_2->Enabled());
    EXPECT_EQ(form->ComboBox_QDFPDD_REFCLK_0->Text(), "644.53125");
    EXPECT_EQ(Saved(form).nQsfpddRefClk[0], 0);
    const std::string qpf = GenerateNamed(form, "unticked");
    EXPECT_EQ(ControllerFiles(qpf), std::vector<std::string>{"power_on_reset.v"});
    UserClick(form->CheckBoxQSFPDD[1]);
    EXPECT_FALSE(form->ComboBox_QDFPDD_REFCLK_2->Enabled());
    UserClick(form->CheckBoxQSFPDD[0]);
    EXPECT_EQ(form->ComboBox_QDFPDD_REFCLK_0->Text(), "644.53125");
    EXPECT_TRUE(form->ComboBox_QDFPDD_REFCLK_0->Enabled());
    UserPick(form->ComboBoxFPGA, 1);
    EXPECT_EQ(form->LastFpgaIndex(), 1);
    EXPECT_STREQ(Saved(form).szFpgaPart, "AGFB014R24B1E1V");
}

TEST_F(AshcombreForm, DualRankModulesOnSocketsAAndC)
{
    TFormAshcombre* form = Open();
    UserClick(form->CheckBoxDDR4[1]);
    UserClick(form->CheckBoxDDR4[3]);
    UserPick(form->ComboBoxDdr4Rank, 1);
    const std::string qpf = GenerateNamed(form, "dual");
    const std::string qsf = Qsf(qpf);
    EXPECT_NE(qsf.find("# Dual-Rank DDR4-2400 SODIMM with ECC, located at DDR4-SODIMM Socket A"), std::string::npos);
    EXPECT_NE(qsf.find("# Dual-Rank DDR4-2400 SODIMM with ECC, located at DDR4-SODIMM Socket C"), std::string::npos);
    EXPECT_EQ(qsf.find("Socket B"), std::string::npos);
    EXPECT_NE(qsf.find("-to DDR4C_CS_n[1]"), std::string::npos);
    EXPECT_NE(qsf.find("-to DDR4A_CKE[0]"), std::string::npos);
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_B13 -to DDR4A_CK[0]"));
    ExpectNoBallTwice(qsf);
    ExpectVerilogCompilesWithIp(qpf);
}

TEST_F(AshcombreForm, SettingsRoundTripAndCraftedRecords)
{
    TFormAshcombre* form = Open();
    UserPick(form->ComboBoxFPGA, 1);
    UserPick(form->ComboBox_QDFPDD_REFCLK_0, 10);
    UserPick(form->CombComboBox_Si5397A0, 3);
    UserPick(form->ComboBoxDdr4Rank, 1);
    const std::string saved = SaveBytes(form);
    ASSERT_EQ(saved.size(), 300u);
    UserClick(form->Button_Default_Config);
    EXPECT_EQ(form->ComboBoxFPGA->ItemIndex(), 1);  // the part on screen stays
    const std::string defaults = SaveBytes(form);
    EXPECT_EQ(defaults, BytesOf(Defaults(1)));
    for (std::size_t size : {299u, 301u}) {
        seam.boxes.clear();
        LoadBytes(form, saved.substr(0, 299) + std::string(size - 299, '\0'));
        EXPECT_TRUE(seam.boxes.empty());
        EXPECT_EQ(SaveBytes(form), defaults);
    }
    LoadBytes(form, saved);
    EXPECT_EQ(SaveBytes(form), saved);

    ASHCOMBRE_CONFIG crafted = Defaults();
    crafted.BoardId = 39;
    std::memset(crafted.szFpgaPart, 'Q', 128);
    std::memset(crafted.szProjectName, 'm', 128);
    crafted.nQsfpddRefClk[0] = 11;
    crafted.nQsfpddRefClk[1] = -5;
    crafted.nIoClockSource[1] = 5;
    crafted.bQsfpddRsvRefClk = 7;
    crafted.bDdr4DualRank = 3;
    crafted.bQspiFlash = 1;
    crafted.bVhdlTopFile = 9;
    LoadBytes(form, BytesOf(crafted));
    EXPECT_EQ(form->ComboBoxFPGA->ItemIndex(), 0);
    EXPECT_EQ(form->EditProjectName->Text(), std::string(127, 'm'));
    EXPECT_TRUE(form->CheckBoxUserQspiFlash->Checked());
    EXPECT_FALSE(form->CheckBoxUserQspiFlash->Visible());
    const ASHCOMBRE_CONFIG written = Saved(form);
    EXPECT_EQ(written.BoardId, 40);
    EXPECT_STREQ(written.szFpgaPart, "AGFB014R24B2E2V");
    EXPECT_EQ(written.nQsfpddRefClk[0], 7);
    EXPECT_EQ(written.nQsfpddRefClk[1], 7);
    EXPECT_EQ(written.nIoClockSource[1], 0);
    EXPECT_EQ(written.bQsfpddRsvRefClk, 1);
    EXPECT_EQ(written.bDdr4DualRank, 1);
    EXPECT_EQ(written.bVhdlTopFile, 1);
    // The hidden box's group is generated.
    UserType(form->EditProjectName, "crafted");
    const std::string qpf = GenerateNamed(form, "crafted");
    EXPECT_TRUE(HasLine(Qsf(qpf), "set_location_assignment PIN_CT53 -to QSPI_CLK"));
    ExpectVhdlElaborates(qpf, kStubs);
}

TEST_F(AshcombreForm, AMissingIpFileStopsTheRun)
{
    TFormAshcombre* form = Open();
    UserPick(form->CombComboBox_Si5397A1, 1);
    seam.resources.erase(UpperCase(AshcombreResourceName("i2c_bus_controller.v")));
    const std::string qpf = GenerateNamed(form, "missing");
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Failed to export verilog IP",
                                                    "Failed to generate Quartus project: missing.qpf."}));
    // No file of the run is kept, not even the controller folder.
    EXPECT_EQ(FilesIn(ExtractFilePath(qpf)), std::vector<std::string>{});
}

}  // namespace ashcombre_form_test
