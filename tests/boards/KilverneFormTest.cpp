// The Kilverne form end to end: hosted by the main form, dialogs answered
// by the test, the generated files checked on disk.
#include <cstring>
#include <filesystem>

#include "boards/soc/UI_Kilverne.h"
#include "tests/boards/SocFormFixture.h"

namespace kilverne_form_test {

using namespace socform;

namespace {

const char* const kWord = "Kilverne";
enum Mode { None = 0, Default, WifiBle, Mode7 };

using KilverneForm = SocFormTest<TFormKilverne, MAINBOARD_KILVERNE>;

// A 292-byte Kilverne record with the default groups.
std::string Record(const char* name, int32_t revision, uint8_t smaAdc, uint8_t mode, const char* prefix)
{
    std::string record(292, '\0');
    record[0] = 26;
    record[4] = 0x24;
    record[5] = 0x01;
    std::memcpy(&record[8], name, std::strlen(name));
    for (int offset = 136; offset <= 154; ++offset) record[static_cast<size_t>(offset)] = 1;
    record[145] = 0;  // MIPI
    record[148] = 0;  // DDR3
    record[151] = static_cast<char>(smaAdc);
    std::memcpy(&record[156], &revision, 4);
    record[160] = static_cast<char>(mode);
    std::memcpy(&record[161], prefix, std::strlen(prefix));
    return record;
}

int32_t RevisionOf(const std::string& record)
{
    int32_t revision = 0;
    std::memcpy(&revision, record.data() + 156, 4);
    return revision;
}

}  // namespace

TEST_F(KilverneForm, OpensWithItsDefaults)
{
    TFormKilverne* form = Open();
    EXPECT_EQ(main->ClientWidth(), 794);
    EXPECT_EQ(main->ClientHeight(), 517);
    EXPECT_TRUE(form->ButtonMainBoardSelect->Visible());
    EXPECT_EQ(form->LabelBoardName->Caption(), "MAX 10 Kilverne FPGA Board");
    EXPECT_EQ(form->EditProjectName->Text(), "Kilverne");
    // The FPGA logo, kept as JPEG data, is decoded when the form is built.
    EXPECT_TRUE(form->ImageAltera->HasPicture());
    EXPECT_EQ(form->ImageAltera->PictureWidth(), 200);
    EXPECT_EQ(form->ImageAltera->PictureHeight(), 40);

    ASSERT_EQ(form->m_Groups.size(), 19u);
    for (const TSocGroup& group : form->m_Groups) {
        const bool ticked = group.Box != form->CheckBoxMIPI && group.Box != form->CheckBoxDDR3 &&
                            group.Box != form->CheckBoxSmaADC;
        EXPECT_EQ(group.Box->Checked(), ticked) << group.Box->Name();
        EXPECT_EQ(group.Shapes[0]->Visible(), ticked) << group.Box->Name();
    }
    EXPECT_FALSE(form->CheckBoxSmaADC->Visible());
    ASSERT_EQ(form->ComboBoxBBB->ItemCount(), 4);
    const char* const modes[] = {"None", "Default", "WIFI-BLE", "BBB Mode 7"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(form->ComboBoxBBB->ItemText(i), modes[i]);
    EXPECT_EQ(form->ComboBoxBBB->ItemIndex(), None);
    EXPECT_EQ(form->EditPrefixBBB->Text(), "");
    EXPECT_FALSE(form->ImageBBB->Visible());
    EXPECT_FALSE(form->ShapeBBB_P8->Visible());
    EXPECT_FALSE(form->ShapeBBB_P9->Visible());
    // The revision row is hidden and its room given to the board panel.
    EXPECT_FALSE(form->ComboBoxBoardRev->Visible());
    EXPECT_FALSE(form->LabelRevision->Visible());
    EXPECT_EQ(form->ComboBoxBoardRev->ItemIndex(), 2);
    EXPECT_EQ(form->PanelBoard->Height(), 344);

    // A mode shows its picture and both header overlays.
    UserPick(form->ComboBoxBBB, WifiBle);
    EXPECT_TRUE(form->ImageBBB->Visible());
    EXPECT_TRUE(form->ShapeBBB_P8->Visible());
    EXPECT_TRUE(form->ShapeBBB_P9->Visible());
    UserPick(form->ComboBoxBBB, None);
    EXPECT_FALSE(form->ImageBBB->Visible());
    EXPECT_FALSE(form->ShapeBBB_P8->Visible());
}

TEST_F(KilverneForm, GeneratesTheDefaultProject)
{
    TFormKilverne* form = Open();
    const std::string path = Generate(form, kWord, "Kilverne");
    const std::string project = ProjectFolder(kWord, "Kilverne");
    ASSERT_EQ(seam.dialogs.size(), 1u);
    EXPECT_EQ(seam.dialogs[0].request.initialFolder, project);
    EXPECT_EQ(seam.dialogs[0].request.fileName, "Kilverne.qpf");
    ASSERT_EQ(seam.boxes.size(), 1u);
    EXPECT_EQ(seam.boxes[0].kind, seam::BoxKind::Information);
    EXPECT_EQ(seam.boxes[0].text, kSuccess + project);

    const std::string qsf = Qsf(path);
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE 10M50DAF484C6GES"));
    // LED[0] sits at C7: the configuration pins are given up for bank 8.
    const std::string block =
        "\r\n#============================================================\r\n"
        "# disable config pin so bank8 can use 1.2V \r\n"
        "#============================================================\r\n"
        "set_global_assignment -name AUTO_RESTART_CONFIGURATION ON\r\n"
        "set_global_assignment -name ENABLE_CONFIGURATION_PINS OFF\r\n"
        "set_global_assignment -name ENABLE_BOOT_SEL_PIN OFF\r\n\r\n";
    EXPECT_EQ(Count(qsf, block), 1);
    EXPECT_EQ(Count(qsf, "set_location_assignment PIN_"), 137);
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"1.2 V\" -to LED[0]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_E9 -to G_SENSOR_CS_n"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_A20 -to HDMI_TX_CLK"));
    EXPECT_FALSE(HasLine(qsf, "# BBB Conector"));
    const std::string sdc = ReadFile(project + "Kilverne.sdc");
    EXPECT_TRUE(HasLine(sdc, "create_clock -period \"60.0 MHz\" [get_ports USB_CLKIN]"));
    // The pin table is headed with the board's title.
    EXPECT_NE(ReadFile(ChangeFileExt(path, ".htm")).find("Kilverne MAX10 Board Configuration"), std::string::npos);
    ExpectNoBallTwice(qsf);
    ExpectVerilogCompiles(path);
}

TEST_F(KilverneForm, EveryGroupWithEachHeaderMode)
{
    TFormKilverne* form = Open();
    UserClick(form->CheckBoxMIPI);
    UserClick(form->CheckBoxDDR3);
    struct Case {
        int mode;
        int headerPins;
        const char* line;
    } cases[] = {
        {Default, 69, "set_location_assignment PIN_W3 -to GPIO1_D[22]"},
        {WifiBle, 32, "set_location_assignment PIN_AB19 -to BLE_DIO6"},
        {Mode7, 69, "set_location_assignment PIN_V16 -to gpio0[23]"},
    };
    std::vector<std::string> projects;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        UserPick(form->ComboBoxBBB, c.mode);
        // The prefix belongs to the settings only: no generated name carries it.
        UserType(form->EditPrefixBBB, "ZZ_");
        const std::string path = Generate(form, kWord, "MODE_" + std::to_string(c.mode));
        projects.push_back(path);
        ASSERT_TRUE(seam.ErrorTexts().empty());
        const std::string qsf = Qsf(path);
        EXPECT_EQ(Count(qsf, "ZZ_"), 0);
        EXPECT_TRUE(HasLine(qsf, c.line));
        EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AA2 -to BBB_SYS_RESET_n"));
        // Every group: 137 + 50 + 21 pins, two of them without location, and the header.
        EXPECT_EQ(Count(qsf, "set_instance_assignment -name IO_STANDARD"), 208 + c.headerPins);
        EXPECT_EQ(Count(qsf, "set_location_assignment PIN_"), 206 + c.headerPins);
        EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"Differential 1.5-V SSTL Class I\" -to "
                                 "DDR3_DQS_n[0]"));
        ExpectNoBallTwice(qsf);
    }
    ExpectVerilogCompiles(projects);
}

TEST_F(KilverneForm, RevisionAndSmaAdcOfDefaultCfgAndOfALoadedFile)
{
    const std::string stored = Record("STORED", 0, 1, None, "");
    WriteFile(folder.Path() + "revA.cfg", stored);
    TFormKilverne* form = Open(stored);
    // A new form works on revision C without the SMA ADC.
    EXPECT_EQ(form->EditProjectName->Text(), "STORED");
    EXPECT_EQ(form->ComboBoxBoardRev->ItemIndex(), 2);
    EXPECT_FALSE(form->CheckBoxSmaADC->Checked());
    EXPECT_FALSE(form->Find<TShape>("ShapeSMA_ADC")->Visible());

    // A loaded file keeps its own: revision A pins and the SMA overlay.
    Load(form, "revA.cfg");
    EXPECT_EQ(form->ComboBoxBoardRev->ItemIndex(), 0);
    EXPECT_TRUE(form->CheckBoxSmaADC->Checked());
    EXPECT_TRUE(form->Find<TShape>("ShapeSMA_ADC")->Visible());
    const std::string path = Generate(form, kWord, "STORED");
    const std::string qsf = Qsf(path);
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_D6 -to HDMI_TX_CLK"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"1.2 V\" -to HDMI_TX_CLK"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AB5 -to GSENSOR_PD"));
    ExpectVerilogCompiles(path);

    // Closing writes back what the form shows.
    UserClick(form->ButtonExit);
    const std::string written = ReadFile(folder.Path() + "default.cfg");
    ASSERT_EQ(written.size(), 292u);
    EXPECT_EQ(RevisionOf(written), 0);
    EXPECT_EQ(written[151], 1);
}

TEST_F(KilverneForm, ANewFormWritesRevisionCBackOnClose)
{
    Open(Record("STORED", 0, 1, None, ""));
    main.reset();
    const std::string written = ReadFile(folder.Path() + "default.cfg");
    ASSERT_EQ(written.size(), 292u);
    EXPECT_EQ(RevisionOf(written), 2);
    EXPECT_EQ(written[151], 0);
}

TEST_F(KilverneForm, ValuesOutsideTheListsFromAFile)
{
    TFormKilverne* form = Open();
    // A mode outside the list, a prefix with it, and a revision outside the list.
    WriteFile(folder.Path() + "odd.cfg", Record("ODD", 7, 0, 74, "P_"));
    Load(form, "odd.cfg");
    EXPECT_EQ(form->EditProjectName->Text(), "ODD");
    EXPECT_EQ(form->ComboBoxBBB->ItemIndex(), None);
    EXPECT_EQ(form->EditPrefixBBB->Text(), "");
    EXPECT_FALSE(form->ShapeBBB_P8->Visible());
    EXPECT_EQ(form->ComboBoxBoardRev->ItemIndex(), 2);

    const std::string saved = Save(form, "odd_saved.cfg");
    ASSERT_EQ(saved.size(), 292u);
    EXPECT_EQ(saved[160], 0);
    EXPECT_EQ(RevisionOf(saved), 2);
    EXPECT_EQ(ReadFixedText(saved.data() + 161, 128), "");
    const std::string path = Generate(form, kWord, "ODD");
    EXPECT_TRUE(seam.ErrorTexts().empty());
    EXPECT_FALSE(HasLine(Qsf(path), "# BBB Conector"));
}

TEST_F(KilverneForm, SettingsRoundTripAndWrongSizes)
{
    TFormKilverne* form = Open();
    UserType(form->EditProjectName, "saved");
    UserClick(form->CheckBoxUsb);
    UserPick(form->ComboBoxBBB, Mode7);
    UserType(form->EditPrefixBBB, "B_");
    const std::string saved = Save(form, "one.cfg");
    ASSERT_EQ(saved.size(), 292u);
    EXPECT_EQ(saved[0], 26);
    EXPECT_EQ(ReadFixedText(saved.data() + 8, 128), "saved");
    EXPECT_EQ(saved[144], 0);
    EXPECT_EQ(saved[160], 3);
    EXPECT_EQ(ReadFixedText(saved.data() + 161, 128), "B_");

    for (size_t size : {291u, 293u}) {
        WriteFile(folder.Path() + "bad.cfg", std::string(size, '\x01'));
        Load(form, "bad.cfg");
        EXPECT_EQ(form->EditProjectName->Text(), "saved") << size;
    }
    UserType(form->EditProjectName, "changed");
    UserPick(form->ComboBoxBBB, None);
    Load(form, "one.cfg");
    EXPECT_EQ(form->EditProjectName->Text(), "saved");
    EXPECT_EQ(form->ComboBoxBBB->ItemIndex(), Mode7);
    EXPECT_EQ(form->EditPrefixBBB->Text(), "B_");
    EXPECT_FALSE(form->CheckBoxUsb->Checked());
    EXPECT_EQ(Save(form, "two.cfg"), saved);

    // An empty project name saves nothing.
    UserType(form->EditProjectName, "");
    seam.boxes.clear();
    UserClick(form->ButtonSave);
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{"Project Name cannot be empty."});
    EXPECT_FALSE(FileExists(folder.Path() + "three.cfg"));
}

TEST_F(KilverneForm, BatchHasNothingToWalk)
{
    TFormKilverne* form = Open();
    UserPick(form->ComboBoxBBB, WifiBle);
    UserType(form->EditPrefixBBB, "X_");
    ExpectBatchWritesNothing(form, kWord);
    EXPECT_EQ(form->ComboBoxBBB->ItemIndex(), WifiBle);
    EXPECT_EQ(form->EditPrefixBBB->Text(), "X_");
}

}  // namespace kilverne_form_test
