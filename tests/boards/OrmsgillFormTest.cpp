// The Ormsgill form end to end, and the Pellowind placeholder beside it.
#include <gtest/gtest.h>

#include <cstring>

#include "boards/cyclone4_stratix4/UI_Ormsgill.h"
#include "boards/cyclone4_stratix4/UI_Pellowind.h"
#include "model/Text.h"
#include "tests/boards/BoardFormTestSupport.h"

namespace ormsgill_form_test {

using namespace form_test;

namespace {

const char* const kPllOptions[13] = {"Unchange", "Disable", "62.5",  "75",  "100",   "125", "150",
                                     "156.25",   "187.5",   "200",   "250", "312.5", "625"};
const char* const kHsmcClash =
    "HSMC-A and HSMC-B cannot have the same prefix name when both connect to the same type of daughter boards.";
const char* const kGpioClash =
    "GPIO-0 and GPIO-1 cannot have the same prefix name when both connect to the same type of daughter boards.";

// Items of the HSMC list.
enum HsmcItem { HsmcNone = 0, HsmcDefault = 1, HsmcDefaultXcvr = 2, HsmcSfp = 11, HsmcSata = 13 };

class OrmsgillForm : public BoardFormTest {
protected:
    TFormOrmsgill* Open() { return BoardFormTest::Open<TFormOrmsgill>(MAINBOARD_ORMSGILL); }
    std::string Generate(TFormOrmsgill* form, const std::string& name = "Ormsgill")
    {
        return BoardFormTest::Generate(form, name);
    }
    ORMSGILL_CONFIG Record(TFormOrmsgill* form)
    {
        ORMSGILL_CONFIG config{};
        form->FormToConfig(config);
        return config;
    }
};

}  // namespace

TEST_F(OrmsgillForm, OpensWithItsDefaults)
{
    TFormOrmsgill* form = Open();
    EXPECT_EQ(form->EditProjectName->Text(), "Ormsgill");
    ASSERT_EQ(form->ComboBoxBoard->ItemCount(), 2);
    EXPECT_EQ(form->ComboBoxBoard->ItemText(0), "Ormsgill_230");
    EXPECT_EQ(form->ComboBoxBoard->ItemText(1), "Ormsgill_530");
    EXPECT_EQ(form->ComboBoxBoard->ItemIndex(), 0);
    // bClock .. bRs232; bMax2 (22) has no control.
    const std::vector<bool> ticked = {1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 1, 1, 0, 1, 1, 1, 0, 0, 0, 1, 1, 1, 0, 1, 1, 1};
    ASSERT_EQ(form->m_Groups.Entries().size(), ticked.size());
    EXPECT_EQ(form->m_Groups.Box(22), nullptr);
    for (size_t i = 0; i < ticked.size(); ++i) {
        if (i == 22) continue;
        EXPECT_EQ(form->m_Groups.Box(i)->Checked(), ticked[i]) << i;
        EXPECT_EQ(form->m_Groups.Entries()[i].Shapes[0]->Visible(), ticked[i]) << i;
    }
    const char* const hsmc[] = {"None",
                                "HSMC Default",
                                "HSMC Default With Transceiver",
                                "DVI - FullHD TX/RX",
                                "NET - 10/100/1000 Ethernet",
                                "Brask - High Speed ADC/DAC",
                                "Culm - High Speed ADC/DAC",
                                "Eskel - Multimedia Card",
                                "Fyrn - HSMC to PIO Adaptor",
                                "HSMC Debug",
                                "HSMC Loopback",
                                "SFP - Form-Factor Pluggable",
                                "SDI - SD/HD/3G",
                                "SATA/SAS",
                                "Pavlin - Transceiver to SMA",
                                "Dovra - Industry Communication",
                                "Quorril - Santa Cruz Interface",
                                "Wistow - 8\" LCD/Touch/Camera",
                                "HDMI TX",
                                "HDMI RX",
                                "Camera Link Receiver",
                                "Umbrel-Aptina Headboard Adaptor",
                                "Mavrel - 8\" LCD/Touch/Camera",
                                "HSMC Loopback w/ Transceiver",
                                "Wesket -Multi-Touch/LCD/Camera"};
    for (TComboBox* combo : form->ComboBoxHSMC) {
        ASSERT_EQ(combo->ItemCount(), 25);
        for (int i = 0; i < 25; ++i) EXPECT_EQ(combo->ItemText(i), hsmc[i]);
        EXPECT_EQ(combo->ItemIndex(), 0);
    }
    for (TComboBox* combo : form->ComboBoxGpio) {
        ASSERT_EQ(combo->ItemCount(), 2);
        EXPECT_EQ(combo->ItemText(1), "GPIO Default - 2.5V");
        EXPECT_EQ(combo->ItemIndex(), 0);
    }
    for (TComboBox* pll : form->ComboBoxPLL) {
        ASSERT_EQ(pll->ItemCount(), 13);
        for (int i = 0; i < 13; ++i) EXPECT_EQ(pll->ItemText(i), kPllOptions[i]);
        EXPECT_EQ(pll->ItemText(pll->ItemIndex()), "100");
        EXPECT_TRUE(pll->Enabled());
    }
    for (TShape* shape : form->ShapeExtPLL) EXPECT_TRUE(shape->Visible());
    EXPECT_FALSE(form->ShapeHSMC[0]->Visible());
}

TEST_F(OrmsgillForm, GeneratesTheDefaultProjectWithItsPllBlockAndIp)
{
    TFormOrmsgill* form = Open();
    const std::string project = Generate(form);
    EXPECT_TRUE(seam.boxes.empty());  // no success box, no notice
    ASSERT_EQ(seam.dialogs.size(), 1u);
    EXPECT_EQ(seam.dialogs[0].request.fileName, "Ormsgill.qpf");
    const std::string qsf = ReadFile(project + "Ormsgill.qsf");
    EXPECT_NE(qsf.find("set_global_assignment -name PROJECT_OUTPUT_DIRECTORY output_files\r\n"
                       "set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"2.5 V\"\r\n"
                       "set_location_assignment PIN_AF25 -to termination_blk0~_rup_pad\r\n"
                       "set_location_assignment PIN_AG25 -to termination_blk0~_rdn_pad\r\n"),
              std::string::npos);
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE EP4SGX230KF40C2"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AC35 -to OSC_50_BANK2"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AP24 -to MAX_I2C_SCLK"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"2.5 V\" -to LED[3]"));
    EXPECT_EQ(Count(qsf, "-to LED[3]"), 1);  // no location line for a ball we lack
    ExpectNoBallTwice(qsf);
    const std::string verilog = ReadFile(project + "Ormsgill.v");
    for (const char* line : {"assign clk1_set_wr = 4'd4; //100 MHZ", "assign clk2_set_wr = 4'd4; //100 MHZ",
                             "assign clk3_set_wr = 4'd4; //100 MHZ", "ext_pll_ctrl ext_pll_ctrl_Inst("})
        EXPECT_TRUE(HasLine(verilog, line)) << line;
    std::string ip;
    ASSERT_TRUE(LoadNamedResource("EXT_PLL_CTRL_VERILOG", ip));
    EXPECT_EQ(ReadFile(project + "EXT_PLL_CTRL.v"), ip);
    ExpectProjectCompiles(project, "Ormsgill");

    // Without the programmable PLL the block goes; the IP file stays.
    UserClick(form->CheckBoxExtPLL);
    UserClick(form->m_Groups.Entries()[0].Box);  // CLOCK
    Generate(form, "NoPll");
    const std::string noPll = ProjectFolder("Ormsgill", "NoPll");
    EXPECT_EQ(ReadFile(noPll + "NoPll.v").find("ext_pll_ctrl"), std::string::npos);
    EXPECT_TRUE(FileExists(noPll + "EXT_PLL_CTRL.v"));
    EXPECT_FALSE(HasLine(ReadFile(noPll + "NoPll.qsf"), "set_location_assignment PIN_AC35 -to OSC_50_BANK2"));
    ExpectProjectCompiles(noPll, "NoPll");
}

TEST_F(OrmsgillForm, ThePllBlockDeclaresItsPortsWithoutTheClockAndButtonGroups)
{
    TFormOrmsgill* form = Open();
    UserClick(form->m_Groups.Entries()[0].Box);  // CLOCK
    UserClick(form->m_Groups.Entries()[3].Box);  // Button
    UserPick(form->ComboBoxPLL[0], 5);
    UserPick(form->ComboBoxPLL[1], 1);
    UserPick(form->ComboBoxPLL[2], 12);
    const std::string project = Generate(form);
    const std::string verilog = ReadFile(project + "Ormsgill.v");
    for (const char* line : {"assign clk1_set_wr = 4'd5; //125 MHZ", "assign clk2_set_wr = 4'd1; //Disable MHZ",
                             "assign clk3_set_wr = 4'd12; //625 MHZ"})
        EXPECT_TRUE(HasLine(verilog, line)) << line;
    const std::string qsf = ReadFile(project + "Ormsgill.qsf");
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AC35 -to OSC_50_BANK2"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_V34 -to CPU_RESET_n"));
    EXPECT_FALSE(HasLine(qsf, "set_location_assignment PIN_AV22 -to OSC_50_BANK3"));
    ExpectProjectCompiles(project, "Ormsgill");
    EXPECT_EQ(Record(form).nExtPllFreq[2], 12);
}

TEST_F(OrmsgillForm, PllCombosFollowTheProgrammablePllBox)
{
    TFormOrmsgill* form = Open();
    UserPick(form->ComboBoxPLL[0], 5);  // "125"
    // Another check box keeps the choice.
    UserClick(form->m_Groups.Entries()[12].Box);  // SMA
    EXPECT_EQ(form->ComboBoxPLL[0]->ItemIndex(), 5);
    UserClick(form->CheckBoxExtPLL);
    for (TComboBox* pll : form->ComboBoxPLL) {
        EXPECT_EQ(pll->ItemText(pll->ItemIndex()), "Unchange");
        EXPECT_FALSE(pll->Enabled());
    }
    for (TShape* shape : form->ShapeExtPLL) EXPECT_FALSE(shape->Visible());
    // Stored while unticked: "Unchange" for all three.
    const ORMSGILL_CONFIG unticked = Record(form);
    EXPECT_EQ(unticked.bExtPll, 0);
    for (uint8_t option : unticked.nExtPllFreq) EXPECT_EQ(option, 0);
    UserClick(form->CheckBoxExtPLL);
    EXPECT_EQ(form->ComboBoxPLL[0]->ItemIndex(), 5);
    EXPECT_EQ(form->ComboBoxPLL[1]->ItemIndex(), 4);
    EXPECT_TRUE(form->ComboBoxPLL[2]->Enabled());
}

TEST_F(OrmsgillForm, ValidationBoxesAndTheHsmcAWarning)
{
    TFormOrmsgill* form = Open();
    UserType(form->EditProjectName, "");
    UserClick(form->ButtonGen);
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{"Project Name cannot be empty."});
    EXPECT_TRUE(seam.dialogs.empty());
    UserType(form->EditProjectName, "Ormsgill");

    UserPick(form->ComboBoxGpio[0], 1);
    UserPick(form->ComboBoxGpio[1], 1);
    seam.boxes.clear();
    UserClick(form->ButtonGen);
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{kGpioClash});
    UserType(form->EditPrefixGpio[1], "B_");

    UserPick(form->ComboBoxHSMC[0], HsmcDefault);
    UserPick(form->ComboBoxHSMC[1], HsmcDefault);
    seam.boxes.clear();
    UserClick(form->ButtonSave);
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{kHsmcClash});
    EXPECT_TRUE(seam.dialogs.empty());

    struct Case {
        int a, b;
        const char* warning;  // nullptr: none
    };
    const Case cases[] = {
        {HsmcSfp, HsmcNone,
         "Both XCVR_TX4p and XCVR_RX4p pins are not connected to Ormsgill FPGA through HSMC-A Connector.\r\n"
         "Suggest to plug your SFP board in the HSMC-B Connector."},
        {HsmcSfp, HsmcSata,
         "Both XCVR_TX4p and XCVR_RX4p pins are not connected to Ormsgill FPGA through HSMC-A Connector."},
        {HsmcSata, HsmcSfp,
         "4-lane SAS in SATA/SAS board are not connected to Ormsgill FPGA through HSMC-A Connector."},
        {HsmcSata, HsmcDefault,
         "Both XCVR_TX4p and XCVR_RX4p pins are not connected to Ormsgill FPGA through HSMC-A Connector.\r\n"
         "Suggest to plug your SATA/SAS board in the HSMC-B Connector."},
        {HsmcDefault, HsmcSfp, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.a);
        UserPick(form->ComboBoxHSMC[0], c.a);
        UserPick(form->ComboBoxHSMC[1], c.b);
        seam.boxes.clear();
        seam.dialogs.clear();
        UserClick(form->ButtonGen);  // the project dialog is cancelled
        ASSERT_EQ(seam.dialogs.size(), 1u) << (seam.boxes.empty() ? "" : seam.boxes[0].text);
        if (c.warning) {
            ASSERT_EQ(seam.boxes.size(), 1u);
            EXPECT_EQ(seam.boxes[0].kind, seam::BoxKind::Warning);
            EXPECT_EQ(seam.boxes[0].text, c.warning);
        } else {
            EXPECT_TRUE(seam.boxes.empty());
        }
        // Saving never warns.
        seam.boxes.clear();
        UserClick(form->ButtonSave);
        EXPECT_TRUE(seam.boxes.empty());
    }
}

TEST_F(OrmsgillForm, TheSecondDdr2SocketAndTheNotices)
{
    TFormOrmsgill* form = Open();
    UserClick(form->CheckBoxDDR2[1]);
    const std::string project = Generate(form);
    ASSERT_EQ(seam.boxes.size(), 1u);
    EXPECT_EQ(seam.boxes[0].kind, seam::BoxKind::Information);
    EXPECT_EQ(seam.boxes[0].text, TFrameBoardForm::MemoryIpNotice("DDR2"));
    EXPECT_EQ(seam.boxes[0].text.substr(0, 33), "===== DDR2 Pinloom warning =====\r");
    const std::string qsf = ReadFile(project + "Ormsgill.qsf");
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_J12 -to M2_DDR2_dq[4]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_B19 -to M2_DDR2_SA[1]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_P14 -to M2_DDR2_oct_rup"));
    EXPECT_EQ(Count(qsf, "set_instance_assignment -name IO_STANDARD \"SSTL-18 Class I\" -to M2_DDR2_"), 100);
    ExpectNoBallTwice(qsf);
    ExpectProjectCompiles(project, "Ormsgill");

    // The first socket's termination pins take the balls of the termination pads.
    UserClick(form->CheckBoxDDR2[0]);
    const std::string both = Generate(form, "Both");
    const std::string bothQsf = ReadFile(both + "Both.qsf");
    EXPECT_TRUE(HasLine(bothQsf, "set_location_assignment PIN_AF25 -to M1_DDR2_oct_rup"));
    EXPECT_TRUE(HasLine(bothQsf, "set_location_assignment PIN_AG25 -to M1_DDR2_oct_rdn"));
    EXPECT_EQ(Count(bothQsf, "termination_blk0"), 0);
    ExpectNoBallTwice(bothQsf);
    ExpectProjectCompiles(both, "Both");

    struct Case {
        std::vector<TCheckBox*> ticks;
        const char* word;
    };
    const Case cases[] = {
        {{form->CheckBoxPCIe}, "PCIe"},
        {{form->CheckBoxSata[3]}, "SATA"},
        {{form->CheckBoxSata[0], form->CheckBoxPCIe}, "SATA//PCIe"},
    };
    UserClick(form->CheckBoxDDR2[0]);
    UserClick(form->CheckBoxDDR2[1]);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        for (TCheckBox* box : c.ticks) UserClick(box);
        const std::string folder = Generate(form, "Notice");
        ASSERT_EQ(seam.boxes.size(), 1u);
        EXPECT_EQ(seam.boxes[0].text, TFrameBoardForm::TransceiverIpNotice(c.word));
        ExpectNoBallTwice(ReadFile(folder + "Notice.qsf"));
        ExpectProjectCompiles(folder, "Notice");
        for (TCheckBox* box : c.ticks) UserClick(box);
    }
}

TEST_F(OrmsgillForm, GpioDefaultCardsOnBothHeaders)
{
    TFormOrmsgill* form = Open();
    UserPick(form->ComboBoxGpio[0], 1);
    UserPick(form->ComboBoxGpio[1], 1);
    UserType(form->EditPrefixGpio[1], "B_");
    EXPECT_TRUE(form->ComboBoxGpio[1]->Enabled());
    EXPECT_TRUE(form->ShapeGpio[0]->Visible());
    const std::string project = Generate(form);
    EXPECT_TRUE(seam.ErrorTexts().empty());
    const std::string qsf = ReadFile(project + "Ormsgill.qsf");
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AF6 -to GPIO[0]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AD13 -to GPIO[35]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AW5 -to B_GPIO[0]"));
    // 36 standards, and the locations of the first and last positions.
    EXPECT_EQ(Count(qsf, "-to B_GPIO["), 36 + 2);
    EXPECT_EQ(Count(qsf, "-to GPIO["), 36 + 2);
    ExpectNoBallTwice(qsf);
    ExpectProjectCompiles(project, "Ormsgill");
}

TEST_F(OrmsgillForm, ChoicesOutsideTheirListsFromAFileAreShownAsTheDefault)
{
    TFormOrmsgill* form = Open();
    ORMSGILL_CONFIG crafted = Record(form);
    crafted.nBoardType = 9;
    crafted.bMax2 = 1;
    crafted.nExtPllFreq[0] = 13;
    crafted.nExtPllFreq[1] = 255;
    crafted.nExtPllFreq[2] = 7;
    crafted.nHsmcDaughterId[0] = 200;
    std::memset(crafted.szProjectName, 'x', sizeof crafted.szProjectName);  // no terminating zero
    const std::string file = folder.Path() + "crafted.cfg";
    WriteFile(file, std::string(reinterpret_cast<const char*>(&crafted), sizeof crafted));
    seam.AnswerNextDialog(file);
    UserClick(form->ButtonLoad);
    EXPECT_TRUE(seam.boxes.empty());
    EXPECT_EQ(form->ComboBoxBoard->ItemIndex(), 0);
    EXPECT_EQ(form->ComboBoxPLL[0]->ItemText(form->ComboBoxPLL[0]->ItemIndex()), "100");
    EXPECT_EQ(form->ComboBoxPLL[1]->ItemText(form->ComboBoxPLL[1]->ItemIndex()), "100");
    EXPECT_EQ(form->ComboBoxPLL[2]->ItemText(form->ComboBoxPLL[2]->ItemIndex()), "156.25");
    EXPECT_EQ(form->EditProjectName->Text(), std::string(127, 'x'));
    const ORMSGILL_CONFIG shown = Record(form);
    EXPECT_EQ(shown.nBoardType, 0);
    EXPECT_EQ(shown.bMax2, 0);
    EXPECT_EQ(shown.nExtPllFreq[1], 4);
    EXPECT_EQ(shown.nHsmcDaughterId[0], 0);
    UserType(form->EditProjectName, "Crafted");
    const std::string project = Generate(form, "Crafted");
    EXPECT_TRUE(seam.ErrorTexts().empty());
    EXPECT_TRUE(HasLine(ReadFile(project + "Crafted.v"), "assign clk3_set_wr = 4'd7; //156.25 MHZ"));

    // The board type change stores the controls and shows them again.
    UserPick(form->ComboBoxBoard, 1);
    EXPECT_EQ(form->m_Config.m_Config.nBoardType, 1);
    Generate(form, "Big");
    EXPECT_TRUE(HasLine(ReadFile(ProjectFolder("Ormsgill", "Big") + "Big.qsf"),
                        "set_global_assignment -name DEVICE EP4SGX530KH40C2"));

    // A rejected or cancelled load says so.
    seam.boxes.clear();
    UserClick(form->ButtonLoad);
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{"Failed to load setting"});
}

TEST_F(OrmsgillForm, ThePellowindPlaceholderDoesNothing)
{
    auto* form = BoardFormTest::Open<TFormPellowind>(MAINBOARD_PELLOWIND);
    ASSERT_NE(form, nullptr);
    // The main window takes the form's client area.
    EXPECT_EQ(main->ClientWidth(), 833);
    EXPECT_EQ(main->ClientHeight(), 742);
    const char* const boxes[24] = {"CheckBoxLED",     "CheckBoxButton",      "CheckBoxSDCARD",  "CheckBoxOSC",
                                   "CheckBoxSwitch",  "CheckBoxSma",         "CheckBoxTemp",    "CheckBoxPCIe",
                                   "CheckBoxDDR2_0",  "CheckBoxSSRAM",       "CheckBoxFan",     "CheckBoxEthernet",
                                   "CheckBoxFlash",   "CheckBoxEEPROM",      "CheckBoxCurrent", "CheckBoxUsbOTG",
                                   "CheckBoxDDR2_1",  "CheckBoxSata_0",      "CheckBoxSata_1",  "CheckBoxSata_2",
                                   "CheckBoxSata_3",  "CheckBoxSlideSwitch", "CheckBoxSeg7",    "CheckBoxExtPLL"};
    for (const char* name : boxes) {
        const auto* box = dynamic_cast<TCheckBox*>(form->FindControl(name));
        ASSERT_NE(box, nullptr) << name;
        EXPECT_FALSE(box->Checked()) << name;
    }
    const char* const shapes[29] = {
        "ShapeTavrel23", "ShapeSDCARD", "ShapeOSC",    "ShapeLED",     "ShapeSwitch",     "ShapeButton",
        "ShapeHSMC_A",   "ShapeSma",    "ShapeUsbOTG", "ShapeHSMC_B",  "ShapeDDR2_0",     "ShapeTemp",
        "ShapeFan",      "ShapePCIe",   "ShapeSSRAM",  "ShapeEthernet", "ShapeFlash",     "ShapeEEPROM",
        "ShapeDDR2_1",   "ShapeSata_0", "ShapeSata_1", "ShapeSata_2",  "ShapeSata_3",     "ShapeSlideSwitch",
        "ShapeCurrent",  "ShapeGpio0",  "ShapeGpio1",  "ShapeSeg7",    "ShapeExtPLL"};
    for (const char* name : shapes) {
        const auto* shape = dynamic_cast<TShape*>(form->FindControl(name));
        ASSERT_NE(shape, nullptr) << name;
        EXPECT_TRUE(shape->Visible()) << name;
    }
    for (const char* name : {"ComboBoxBoard", "ComboBoxGpio0", "ComboBoxGpio1", "ComboBoxHSMC_A", "ComboBoxHSMC_B",
                             "ComboBoxPLL_HSMA", "ComboBoxPLL_HSMB", "ComboBoxPLL_SATA"})
        EXPECT_EQ(form->Find<TComboBox>(name)->ItemCount(), 0) << name;
    EXPECT_EQ(form->FindControl("CheckBoxRs232"), nullptr);
    EXPECT_EQ(form->FindControl("ShapeExtPLL0"), nullptr);
    EXPECT_EQ(dynamic_cast<TCheckBox*>(form->FindControl("CheckBoxSata_0"))->Caption(), "Sata Host 1");
    EXPECT_EQ(dynamic_cast<TCheckBox*>(form->FindControl("CheckBoxSeg7"))->Caption(), "SEG7 x  2");
    for (const char* name : {"ButtonGen", "ButtonSave", "ButtonLoad", "ButtonDefaultSetting", "ButtonMainBoardSelect",
                             "ButtonExit"})
        UserClick(dynamic_cast<TButton*>(form->FindControl(name)));
    UserClick(dynamic_cast<TCheckBox*>(form->FindControl("CheckBoxLED")));
    EXPECT_TRUE(seam.boxes.empty());
    EXPECT_TRUE(seam.dialogs.empty());
    EXPECT_EQ(main->BoardForm(), form);
    main.reset();
    EXPECT_FALSE(FileExists(DefaultConfig()));
}

TEST_F(OrmsgillForm, HsmcDefaultCardsTakeTheirDefaultPrefixesInEveryGroupsProject)
{
    TFormOrmsgill* form = Open();
    for (const auto& entry : form->m_Groups.Entries())
        if (entry.Box && !entry.Box->Checked()) UserClick(entry.Box);
    UserPick(form->ComboBoxHSMC[0], HsmcDefault);
    UserPick(form->ComboBoxHSMC[1], HsmcDefaultXcvr);
    UserPick(form->ComboBoxGpio[0], 1);
    UserPick(form->ComboBoxGpio[1], 1);
    UserType(form->EditPrefixGpio[1], "G1_");
    const std::string project = Generate(form);
    ASSERT_TRUE(seam.ErrorTexts().empty()) << seam.ErrorTexts()[0];
    ASSERT_EQ(seam.boxes.size(), 1u);
    EXPECT_EQ(seam.boxes[0].text,
              TFrameBoardForm::MemoryIpNotice("DDR2") + TFrameBoardForm::TransceiverIpNotice("SATA//PCIe//HSMC"));
    const std::string qsf = ReadFile(project + "Ormsgill.qsf");
    EXPECT_NE(qsf.find("# HSMC-A, HSMC-A connect to HSMC Default\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("# HSMC-B, HSMC-B connect to HSMC Default With Transceiver\r\n"), std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_AC34 -to HSMA_"), std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_B4 -to HSMB_"), std::string::npos);
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_L19 -to HSMC_SCL"));
    EXPECT_EQ(Count(qsf, "termination_blk0"), 0);
    ExpectNoBallTwice(qsf);
    ExpectProjectCompiles(project, "Ormsgill");
    // The default prefixes stay in the held record until the next store.
    EXPECT_EQ(ReadFixedText(form->m_Config.m_Config.szHSMCPrefixName[0], 128), "HSMA_");
    EXPECT_EQ(ReadFixedText(form->m_Config.m_Config.szHSMCPrefixName[1], 128), "HSMB_");
    EXPECT_EQ(form->EditHSMC[0]->Text(), "");
    EXPECT_EQ(Record(form).szHSMCPrefixName[0][0], 0);
}

}  // namespace ormsgill_form_test
