// The Gorsewin form end to end: the real main form hosts it, the test
// answers the dialogs, and the settings files and generated files on disk are
// checked.
#include "boards/cyclone4_stratix4/UI_Gorsewin.h"
#include "model/Names.h"
#include "tests/boards/FormTestSupport.h"

namespace gorsewin_form_test {

namespace {

const char* const kHsmcCards[19] = {"None",
                                    "HSMC Default",
                                    "DVI - FullHD TX/RX",
                                    "NET - 10/100/1000 Ethernet",
                                    "Brask - High Speed ADC/DAC",
                                    "Culm - High Speed ADC/DAC",
                                    "Eskel - Multimedia Card",
                                    "Fyrn - HSMC to PIO Adaptor",
                                    "HSMC Debug",
                                    "HSMC Loopback",
                                    "Dovra - Industry Communication",
                                    "Quorril - Santa Cruz Interface",
                                    "Wistow - 8\" LCD/Touch/Camera",
                                    "HDMI TX",
                                    "HDMI RX",
                                    "Camera Link Receiver",
                                    "Umbrel-Aptina Headboard Adaptor",
                                    "Mavrel - 8\" LCD/Touch/Camera",
                                    "Wesket -Multi-Touch/LCD/Camera"};

class GorsewinForm : public RecordFormTest<TFormGorsewin, MAINBOARD_GORSEWIN> {
protected:
    GorsewinForm() : RecordFormTest("Gorsewin") {}

    GORSEWIN_CONFIG Defaults()
    {
        GORSEWIN_CONFIG r{};
        r.BoardId = MAINBOARD_GORSEWIN;
        r.Size = sizeof r;
        std::strcpy(r.szProjectName, "Gorsewin");
        std::memset(&r.bCLOCK, 1, GORSEWIN_FLAG_COUNT - 1);
        return r;
    }
    GORSEWIN_CONFIG Saved(TFormGorsewin* form) { return RecordFormTest::Saved<GORSEWIN_CONFIG>(form); }
};

}  // namespace

TEST_F(GorsewinForm, OpensWithTheDefaultsAndRestoresThem)
{
    TFormGorsewin* form = Open();
    EXPECT_EQ(main->ClientWidth(), 789);
    EXPECT_EQ(main->ClientHeight(), 569);
    EXPECT_EQ(form->EditProjectName->Text(), "Gorsewin");
    ASSERT_EQ(form->m_Flags.Entries().size(), 17u);
    for (size_t i = 0; i < 17; ++i) {
        EXPECT_EQ(form->m_Flags.Box(i)->Checked(), i != 16) << i;
        EXPECT_EQ(form->m_Flags.Entries()[i].Shapes[0]->Visible(), i != 16) << i;
    }
    EXPECT_EQ(form->m_Flags.Box(16)->Caption(), "LCD (Option)");
    ASSERT_EQ(form->ComboBoxHSMC->ItemCount(), 19);
    for (int i = 0; i < 19; ++i) EXPECT_EQ(form->ComboBoxHSMC->ItemText(i), kHsmcCards[i]);
    EXPECT_EQ(socform::ItemTexts(form->ComboBoxGpio), socform::kGpio40Cards);
    EXPECT_EQ(form->ComboBoxHSMC->ItemIndex(), 0);
    EXPECT_EQ(form->ComboBoxGpio->ItemIndex(), 0);
    EXPECT_FALSE(form->ShapeGpio->Visible());
    EXPECT_FALSE(form->ImageHSMC->Visible());
    const GORSEWIN_CONFIG defaults = Defaults();
    GORSEWIN_CONFIG saved = Saved(form);
    EXPECT_EQ(std::memcmp(&saved, &defaults, sizeof saved), 0);

    // Whatever is shown, "Default Setting" brings the defaults back.
    UserClick(form->m_Flags.Box(0));
    UserClick(form->m_Flags.Box(16));
    UserType(form->EditProjectName, "Other");
    UserPick(form->ComboBoxGpio, 2);
    UserType(form->EditPrefixGpio, "CAM_");
    EXPECT_TRUE(form->ShapeGpio->Visible());
    EXPECT_TRUE(form->ImageGpio->Visible());
    EXPECT_FALSE(form->m_Flags.Entries()[0].Shapes[0]->Visible());
    UserClick(form->ButtonDefaultSetting);
    saved = Saved(form);
    EXPECT_EQ(std::memcmp(&saved, &defaults, sizeof saved), 0);
    EXPECT_EQ(form->EditPrefixGpio->Text(), "");
    EXPECT_FALSE(form->ShapeGpio->Visible());
}

TEST_F(GorsewinForm, GeneratesTheDefaultProject)
{
    TFormGorsewin* form = Open();
    const std::string project = Generate(form, "Gorsewin");
    ASSERT_EQ(seam.dialogs.size(), 1u);
    EXPECT_EQ(seam.dialogs[0].request.initialFolder, project);
    EXPECT_EQ(seam.dialogs[0].request.fileName, "Gorsewin.qpf");
    ASSERT_EQ(seam.boxes.size(), 1u);
    EXPECT_EQ(seam.boxes[0].kind, seam::BoxKind::Information);
    EXPECT_EQ(seam.boxes[0].text, kSuccess + project);

    const std::string qsf = ProjectFile("Gorsewin", ".qsf");
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name FAMILY \"Cyclone IV E\""));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE EP4CE40F29C7"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE_FILTER_SPEED_GRADE 7"));
    EXPECT_EQ(Count(qsf, "DEVICE_FILTER_PIN_COUNT"), 0);
    EXPECT_EQ(Count(qsf, "STRATIX_DEVICE_IO_STANDARD"), 0);
    // 268 pins, of which 14 have a ball the board's data gives.
    EXPECT_EQ(Count(qsf, "set_instance_assignment -name IO_STANDARD"), 268);
    EXPECT_EQ(Count(qsf, "set_location_assignment PIN_"), 14);
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_Y2 -to CLOCK_50"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AF12 -to HEX0_DP"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AE5 -to DRAM_CLK"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\" -to VGA_R[0]"));
    EXPECT_EQ(Count(qsf, "-to VGA_R[0]\r\n"), 1);
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"2.5 V\" -to NET_CLK_25"));

    const std::string sdc = ProjectFile("Gorsewin", ".sdc");
    EXPECT_TRUE(HasLine(sdc, "create_clock -period 20.000ns [get_ports CLOCK_50]"));
    EXPECT_TRUE(HasLine(sdc, "create_clock -period 37.000ns [get_ports CLOCK_27]"));
    const std::string v = ProjectFile("Gorsewin", ".v");
    EXPECT_TRUE(HasLine(v, "\t//////////// Gigabit Ethernet //////////"));
    EXPECT_EQ(Count(v, "LCD"), 0);
    EXPECT_TRUE(FileExists(project + "Gorsewin.qpf"));
    EXPECT_TRUE(FileExists(project + "Gorsewin.htm"));
    EXPECT_FALSE(FileExists(project + "EXT_PLL_CTRL.v"));
    ExpectVerilogCompiles("Gorsewin");
}

TEST_F(GorsewinForm, AGpioCardOnTheHeader)
{
    TFormGorsewin* form = Open();
    UserClick(form->m_Flags.Box(16));  // LCD
    UserPick(form->ComboBoxGpio, 1);   // GPIO Default, no prefix
    Generate(form, "Gorsewin");
    ASSERT_EQ(seam.boxes.size(), 1u);
    const std::string qsf = ProjectFile("Gorsewin", ".qsf");
    EXPECT_TRUE(HasLine(qsf, "# GPIO, GPIO connect to GPIO Default"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AB22 -to GPIO[0]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AG26 -to GPIO[35]"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\" -to GPIO[17]"));
    // 281 board pins and 36 card pins; 15 + 2 balls given.
    EXPECT_EQ(Count(qsf, "set_instance_assignment -name IO_STANDARD"), 281 + 36);
    EXPECT_EQ(Count(qsf, "set_location_assignment PIN_"), 17);
    ExpectNoBallTwice(qsf);
    ExpectVerilogCompiles("Gorsewin");

    // With a prefix.
    UserType(form->EditPrefixGpio, "J1_");
    Generate(form, "Gorsewin");
    EXPECT_TRUE(HasLine(ProjectFile("Gorsewin", ".qsf"), "set_location_assignment PIN_AB22 -to J1_GPIO[0]"));
}

TEST_F(GorsewinForm, GenerationUsesARecordOfItsOwn)
{
    // A record whose reserved bytes carry values: generation leaves the
    // form's record alone, and saving writes them back.
    GORSEWIN_CONFIG r = Defaults();
    r.Reserved = 0x5A;
    r.PaddingTail = 0x33;
    TFormGorsewin* form = OpenWith(r);
    UserType(form->EditProjectName, "Renamed");
    Generate(form, "Renamed");
    ASSERT_EQ(seam.boxes.size(), 1u);
    EXPECT_EQ(seam.boxes[0].text, kSuccess + ProjectFolder("Renamed"));
    EXPECT_EQ(std::string(form->m_Config.m_Config.szProjectName), "Gorsewin");
    const GORSEWIN_CONFIG saved = Saved(form);
    EXPECT_EQ(saved.Reserved, 0x5A);
    EXPECT_EQ(saved.PaddingTail, 0x33);
    EXPECT_EQ(std::string(saved.szProjectName), "Renamed");
}

TEST_F(GorsewinForm, CraftedRecordsLoadAndAreWrittenBackSound)
{
    // Another board's record of the same size, flags of any value, cards the
    // lists do not hold and a name that fills its field.
    GORSEWIN_CONFIG r{};
    r.BoardId = MAINBOARD_HOLLARNE;
    r.Size = -1;
    std::memset(r.szProjectName, 'A', sizeof r.szProjectName);
    std::memset(&r.bCLOCK, 7, GORSEWIN_FLAG_COUNT);
    r.nGpioDaughterId = 250;
    std::memset(r.szGpioPrefixName, 'P', sizeof r.szGpioPrefixName);
    r.nHsmcDaughterId = 11;  // a GPIO card
    std::strcpy(r.szHSMCPrefixName, "X_");
    TFormGorsewin* form = OpenWith(r);
    EXPECT_EQ(form->EditProjectName->Text(), std::string(127, 'A'));
    for (const auto& entry : form->m_Flags.Entries()) EXPECT_TRUE(entry.Box->Checked());
    EXPECT_EQ(form->ComboBoxGpio->ItemIndex(), 0);
    EXPECT_EQ(form->EditPrefixGpio->Text(), "");
    EXPECT_EQ(form->ComboBoxHSMC->ItemIndex(), 0);
    EXPECT_EQ(form->EditPrefixHSMC->Text(), "");

    const GORSEWIN_CONFIG saved = Saved(form);
    EXPECT_EQ(saved.BoardId, MAINBOARD_GORSEWIN);
    EXPECT_EQ(saved.Size, 412);
    EXPECT_EQ(saved.bCLOCK, 1);
    EXPECT_EQ(saved.bLCD, 1);
    EXPECT_EQ(saved.nGpioDaughterId, 0);
    EXPECT_EQ(saved.nHsmcDaughterId, 0);
    EXPECT_EQ(std::string(saved.szProjectName), std::string(127, 'A'));

    // A Hollarne default.cfg is shown as this board's settings and generates.
    UserType(form->EditProjectName, "Crafted");
    Generate(form, "Crafted");
    ASSERT_EQ(seam.boxes.size(), 1u);
    EXPECT_EQ(seam.boxes[0].text, kSuccess + ProjectFolder("Crafted"));
}

TEST_F(GorsewinForm, ChecksBeforeSavingAndGenerating)
{
    TFormGorsewin* form = Open();
    struct Case {
        const char* project;
        const char* gpioPrefix;
        const char* hsmcPrefix;
        const char* message;
    };
    const Case cases[] = {
        {"", "", "", "Project Name cannot be empty."},
        {"Demo", "1X_", "", kPrefixNameRuleMessage},
        {"Demo", "", "X-", kPrefixNameRuleMessage},
    };
    UserPick(form->ComboBoxGpio, 1);
    UserPick(form->ComboBoxHSMC, 9);
    for (const Case& c : cases) {
        UserType(form->EditProjectName, c.project);
        UserType(form->EditPrefixGpio, c.gpioPrefix);
        UserType(form->EditPrefixHSMC, c.hsmcPrefix);
        for (TButton* button : {form->ButtonGen, form->ButtonSave}) {
            seam.boxes.clear();
            seam.dialogs.clear();
            UserClick(button);
            // A settings file keeps a prefix that only a generation refuses.
            if (button == form->ButtonSave && *c.project != 0) {
                EXPECT_TRUE(seam.boxes.empty()) << c.message;
                EXPECT_EQ(seam.dialogs.size(), 1u) << c.message;
                continue;
            }
            EXPECT_TRUE(seam.dialogs.empty()) << c.message;
            ASSERT_EQ(seam.boxes.size(), 1u);
            EXPECT_EQ(seam.boxes[0].kind, seam::BoxKind::Error);
            EXPECT_EQ(seam.boxes[0].text, c.message);
        }
    }
    // A prefix edit holds 127 bytes, kept whole in the record.
    UserType(form->EditProjectName, "Demo");
    UserType(form->EditPrefixHSMC, "");
    UserType(form->EditPrefixGpio, std::string(130, 'G'));
    EXPECT_EQ(form->EditPrefixGpio->Text(), std::string(127, 'G'));
    UserPick(form->ComboBoxHSMC, 0);
    UserPick(form->ComboBoxGpio, 0);
    seam.boxes.clear();
    const GORSEWIN_CONFIG saved = Saved(form);
    EXPECT_EQ(std::string(saved.szGpioPrefixName), std::string(127, 'G'));
    // ... but no pin name of a card fits behind it.
    UserPick(form->ComboBoxGpio, 2);
    seam.boxes.clear();
    seam.dialogs.clear();
    UserClick(form->ButtonGen);
    ASSERT_EQ(seam.boxes.size(), 1u);
    EXPECT_EQ(seam.boxes[0].text, "Prefix Name is too long for the card on GPIO.");
    EXPECT_TRUE(seam.dialogs.empty());
}

TEST_F(GorsewinForm, CancelledDialogsAndRefusedFiles)
{
    TFormGorsewin* form = Open();
    // No project file chosen: nothing is written, no box.
    seam.boxes.clear();
    UserClick(form->ButtonGen);
    EXPECT_TRUE(seam.boxes.empty());
    EXPECT_FALSE(std::filesystem::exists(ProjectFolder("Gorsewin") + "Gorsewin.qsf"));
    // A load cancelled or of another size changes nothing and shows nothing.
    UserType(form->EditProjectName, "Kept");
    UserClick(form->ButtonLoad);
    Load(form, std::string(411, '\0'));
    EXPECT_TRUE(seam.boxes.empty());
    EXPECT_EQ(form->EditProjectName->Text(), "Kept");
    // An accepted file is shown; the settings folder follows the dialogs.
    GORSEWIN_CONFIG r = Defaults();
    std::strcpy(r.szProjectName, "Loaded");
    r.nGpioDaughterId = 85;
    std::strcpy(r.szGpioPrefixName, "P_");
    Load(form, std::string(reinterpret_cast<const char*>(&r), sizeof r));
    EXPECT_EQ(form->EditProjectName->Text(), "Loaded");
    EXPECT_EQ(form->ComboBoxGpio->ItemText(form->ComboBoxGpio->ItemIndex()), "GPIO Default - 2.5V");
    EXPECT_EQ(form->EditPrefixGpio->Text(), "P_");
    EXPECT_EQ(form->m_Config.m_Folder, folder.Path());
}

TEST_F(GorsewinForm, DefaultCfgIsWrittenWhenTheFormGoesAway)
{
    TFormGorsewin* form = Open();
    UserType(form->EditProjectName, "Left");
    UserPick(form->ComboBoxGpio, 3);
    main->CloseBoardForms();  // a change of board
    GORSEWIN_CONFIG r{};
    const std::string bytes = ReadFile(DefaultCfg());
    ASSERT_EQ(bytes.size(), sizeof r);
    std::memcpy(&r, bytes.data(), sizeof r);
    EXPECT_EQ(std::string(r.szProjectName), "Left");
    EXPECT_EQ(r.nGpioDaughterId, 13);

    form = Reopen();
    EXPECT_EQ(form->EditProjectName->Text(), "Left");
    UserType(form->EditProjectName, "Exited");
    UserClick(form->ButtonExit);
    std::memcpy(&r, ReadFile(DefaultCfg()).data(), sizeof r);
    EXPECT_EQ(std::string(r.szProjectName), "Exited");
}

TEST_F(GorsewinForm, HsmcCardsAndTheDefaultNamingPrefix)
{
    TFormGorsewin* form = Open();
    UserPick(form->ComboBoxHSMC, 1);  // HSMC Default, no prefix: "HSMC_"
    Generate(form, "Hsmc");
    ASSERT_EQ(seam.boxes.size(), 1u);
    std::string qsf = ProjectFile("Hsmc", ".qsf");
    EXPECT_TRUE(HasLine(qsf, "# HSMC, HSMC connect to HSMC Default"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AD28 -to HSMC_CLKOUT0"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AH15 -to HSMC_CLKIN0"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_Y28 -to HSMC_CLKIN_N2"));
    // The connector's I2C pair: ports with their standard, no ball.
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"2.5 V\" -to HSMC_SDA"));
    EXPECT_EQ(Count(qsf, "-to HSMC_SDA\r\n"), 1);
    EXPECT_EQ(Count(qsf, "-to HSMC_SCL\r\n"), 1);
    ExpectNoBallTwice(qsf);
    ExpectVerilogCompiles("Hsmc");

    // Its own prefix is kept; another card without a prefix gets none.
    UserType(form->EditPrefixHSMC, "H1_");
    Generate(form, "Hsmc");
    EXPECT_TRUE(HasLine(ProjectFile("Hsmc", ".qsf"), "set_location_assignment PIN_AD28 -to H1_CLKOUT0"));
    UserPick(form->ComboBoxHSMC, 9);  // HSMC Loopback
    UserType(form->EditPrefixHSMC, "");
    UserPick(form->ComboBoxGpio, 1);
    Generate(form, "Hsmc");
    ASSERT_EQ(seam.boxes.size(), 1u);
    qsf = ProjectFile("Hsmc", ".qsf");
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AD28 -to L_CLK0"));
    EXPECT_EQ(Count(qsf, "HSMC_"), 0);
    ExpectNoBallTwice(qsf);
    ExpectVerilogCompiles("Hsmc");
}

}  // namespace gorsewin_form_test
