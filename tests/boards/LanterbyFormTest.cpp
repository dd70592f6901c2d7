// The Lanterby form end to end: hosted by the main form, dialogs answered by
// the test, the generated files checked on disk.
#include <cstring>

#include "boards/soc/UI_Lanterby.h"
#include "tests/boards/SocFormFixture.h"

namespace lanterby_form_test {

using namespace socform;

namespace {

const char* const kWord = "MAX10";
enum Item { None = 0, YarvelDefault, Zorrin };

using LanterbyForm = SocFormTest<TFormLanterby, MAINBOARD_LANTERBY>;

std::string Record(const char* name, int32_t card, const char* prefix, uint8_t reserved153)
{
    std::string record(292, '\0');
    record[0] = 30;
    record[4] = 0x24;
    record[5] = 0x01;
    std::memcpy(&record[8], name, std::strlen(name));
    record[136] = 1;  // CLOCK only
    record[153] = static_cast<char>(reserved153);
    std::memcpy(&record[160], &card, 4);
    std::memcpy(&record[164], prefix, std::strlen(prefix));
    return record;
}

}  // namespace

TEST_F(LanterbyForm, OpensWithItsDefaults)
{
    TFormLanterby* form = Open();
    EXPECT_EQ(main->ClientWidth(), 793);
    EXPECT_EQ(main->ClientHeight(), 559);
    EXPECT_TRUE(form->ButtonMainBoardSelect->Visible());
    EXPECT_EQ(form->LabelBoardName->Caption(), "MAX 10 Lanterby FPGA Board");
    EXPECT_EQ(form->EditProjectName->Text(), "MAX10");
    ASSERT_EQ(form->m_Groups.size(), 20u);
    for (const TSocGroup& group : form->m_Groups) {
        const std::string name = group.Box->Name();
        const bool ticked = name != "CheckBoxDDR3" && name != "CheckBoxEthernet" && name != "CheckBoxMIPI" &&
                            name != "CheckBoxTamsil";
        EXPECT_EQ(group.Box->Checked(), ticked) << name;
        EXPECT_EQ(group.Shapes[0]->Visible(), ticked) << name;
    }
    ASSERT_EQ(form->ComboBoxYarvel->ItemCount(), 3);
    EXPECT_EQ(form->ComboBoxYarvel->ItemText(0), "None");
    EXPECT_EQ(form->ComboBoxYarvel->ItemText(1), "Yarvel Default");
    EXPECT_EQ(form->ComboBoxYarvel->ItemText(2), "Yarvel Bluetooth SPP");
    EXPECT_EQ(form->ComboBoxYarvel->ItemIndex(), None);
    EXPECT_EQ(form->EditPrefixYarvel->Text(), "");
    EXPECT_FALSE(form->ImageGpio0->Visible());
    EXPECT_FALSE(form->ShapeYarvel->Visible());

    UserPick(form->ComboBoxYarvel, Zorrin);
    EXPECT_TRUE(form->ImageGpio0->Visible());
    EXPECT_TRUE(form->ShapeYarvel->Visible());
}

TEST_F(LanterbyForm, DefaultSettingRestoresTheDefaultsAndTheReservedByte)
{
    WriteFile(folder.Path() + "other.cfg", Record("OTHER", 75, "Z_", 0));
    TFormLanterby* form = Open();
    Load(form, "other.cfg");
    EXPECT_EQ(form->EditProjectName->Text(), "OTHER");
    EXPECT_EQ(form->ComboBoxYarvel->ItemIndex(), Zorrin);
    EXPECT_EQ(form->EditPrefixYarvel->Text(), "Z_");
    // The reserved byte follows the loaded file until Default Setting.
    EXPECT_EQ(Save(form, "kept.cfg")[153], 0);

    UserClick(form->ButtonDefault);
    EXPECT_EQ(form->EditProjectName->Text(), "MAX10");
    EXPECT_EQ(form->ComboBoxYarvel->ItemIndex(), None);
    EXPECT_EQ(form->EditPrefixYarvel->Text(), "");
    EXPECT_FALSE(form->ShapeYarvel->Visible());
    const std::string saved = Save(form, "defaults.cfg");
    ASSERT_EQ(saved.size(), 292u);
    EXPECT_EQ(saved[153], 1);
    for (int offset = 136; offset <= 156; ++offset) {
        const bool off = offset == 150 || offset == 152 || offset == 155 || offset == 156;
        EXPECT_EQ(saved[static_cast<size_t>(offset)], off ? 0 : 1) << offset;
    }
}

TEST_F(LanterbyForm, GeneratesTheDefaultProject)
{
    TFormLanterby* form = Open();
    const std::string path = Generate(form, kWord, "MAX10");
    const std::string project = ProjectFolder(kWord, "MAX10");
    ASSERT_EQ(seam.dialogs.size(), 1u);
    EXPECT_EQ(seam.dialogs[0].request.initialFolder, project);
    EXPECT_EQ(seam.dialogs[0].request.fileName, "MAX10.qpf");
    ASSERT_EQ(seam.boxes.size(), 1u);
    EXPECT_EQ(seam.boxes[0].text, kSuccess + project);
    const std::string qsf = Qsf(path);
    EXPECT_EQ(Count(qsf, "set_location_assignment PIN_"), 129);
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_R22 -to KEY[4]"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"1.5 V Schmitt Trigger\" -to KEY[4]"));
    // The pin table is headed with the board's title.
    EXPECT_NE(ReadFile(ChangeFileExt(path, ".htm")).find("Lanterby Kit Configuration"), std::string::npos);
    EXPECT_FALSE(HasLine(qsf, "# Yarvel 2x6 GPIO Header"));
    ExpectVerilogCompiles(path);
}

TEST_F(LanterbyForm, EachCardOnTheHeaderWithAndWithoutPrefix)
{
    TFormLanterby* form = Open();
    for (const TSocGroup& group : form->m_Groups)
        if (!group.Box->Checked()) UserClick(group.Box);
    const char* const kLocations[] = {"Y17", "AA17", "V16", "W15", "AB16", "AA16", "Y16", "W16"};

    UserPick(form->ComboBoxYarvel, YarvelDefault);
    UserType(form->EditPrefixYarvel, "A_");
    const std::string prefixed = Generate(form, kWord, "PREFIXED");
    ASSERT_TRUE(seam.ErrorTexts().empty());
    std::string qsf = Qsf(prefixed);
    EXPECT_TRUE(HasLine(qsf, "# Yarvel 2x6 GPIO Header, Yarvel connect to Yarvel Default"));
    for (int i = 0; i < 8; ++i) {
        const std::string name = "A_GPIO[" + std::to_string(i) + "]";
        EXPECT_TRUE(HasLine(qsf, std::string("set_location_assignment PIN_") + kLocations[i] + " -to " + name));
        EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\" -to " + name));
    }
    // Every group and the header: 277 on-board pins (3 without location) and 8.
    EXPECT_EQ(Count(qsf, "set_location_assignment PIN_"), 274 + 8);
    ExpectNoBallTwice(qsf);
    const std::string verilog = ReadFile(ChangeFileExt(prefixed, ".v"));
    EXPECT_TRUE(HasLine(verilog, "\tinout \t\t     [7:0]\t\tA_GPIO"));

    UserType(form->EditPrefixYarvel, "");
    const std::string bare = Generate(form, kWord, "BARE");
    qsf = Qsf(bare);
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_Y17 -to GPIO[0]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_W16 -to GPIO[7]"));

    UserPick(form->ComboBoxYarvel, Zorrin);
    UserType(form->EditPrefixYarvel, "BT_");
    const std::string zorrin = Generate(form, kWord, "ZORRIN");
    qsf = Qsf(zorrin);
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_Y17 -to BT_ZORRIN_UART_RX"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_W16 -to BT_ZORRIN_GPIO10"));
    EXPECT_EQ(Count(qsf, " -to BT_"), 16);
    ExpectVerilogCompiles({prefixed, bare, zorrin});
}

TEST_F(LanterbyForm, ACardIdOutsideTheListLeavesTheCombo)
{
    TFormLanterby* form = Open();
    UserPick(form->ComboBoxYarvel, YarvelDefault);
    // A Kilverne file with a header mode chosen, and an id beyond a byte whose
    // low byte names a card of the list.
    for (int32_t card : {2, 74 + 256}) {
        SCOPED_TRACE(card);
        WriteFile(folder.Path() + "odd.cfg", Record("ODD", card, "P_", 1));
        Load(form, "odd.cfg");
        EXPECT_EQ(form->EditProjectName->Text(), "ODD");
        EXPECT_EQ(form->ComboBoxYarvel->ItemIndex(), YarvelDefault);
        EXPECT_EQ(form->EditPrefixYarvel->Text(), "P_");
        const std::string saved = Save(form, "odd_saved.cfg");
        int32_t written = 0;
        std::memcpy(&written, saved.data() + 160, 4);
        EXPECT_EQ(written, 74);
    }
}

TEST_F(LanterbyForm, SettingsRoundTripAndWrongSizes)
{
    TFormLanterby* form = Open();
    UserType(form->EditProjectName, "saved");
    UserClick(form->Find<TCheckBox>("CheckBoxTamsil"));
    UserPick(form->ComboBoxYarvel, Zorrin);
    UserType(form->EditPrefixYarvel, "Z_");
    const std::string saved = Save(form, "one.cfg");
    ASSERT_EQ(saved.size(), 292u);
    EXPECT_EQ(saved[0], 30);
    EXPECT_EQ(saved[156], 1);
    EXPECT_EQ(saved[160], 75);
    EXPECT_EQ(ReadFixedText(saved.data() + 164, 128), "Z_");
    for (size_t size : {291u, 293u}) {
        WriteFile(folder.Path() + "bad.cfg", std::string(size, '\x01'));
        Load(form, "bad.cfg");
        EXPECT_EQ(form->EditProjectName->Text(), "saved") << size;
    }
    UserClick(form->ButtonDefault);
    Load(form, "one.cfg");
    EXPECT_EQ(form->EditProjectName->Text(), "saved");
    EXPECT_EQ(form->ComboBoxYarvel->ItemIndex(), Zorrin);
    EXPECT_EQ(Save(form, "two.cfg"), saved);
    // default.cfg holds the same when the form goes away.
    main->CloseBoardForms();
    EXPECT_EQ(ReadFile(folder.Path() + "default.cfg"), saved);
    form = Open(saved);
    EXPECT_EQ(form->EditProjectName->Text(), "saved");

    UserType(form->EditProjectName, "");
    seam.boxes.clear();
    UserClick(form->ButtonSave);
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{"Project Name cannot be empty."});

    // A prefix that would not make legal names is refused while a card is chosen.
    UserType(form->EditProjectName, "named");
    UserType(form->EditPrefixYarvel, "A-");
    seam.boxes.clear();
    seam.dialogs.clear();
    UserClick(form->ButtonGen);
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{"Prefix Name must start with a letter and hold only letters, digits and '_'."});
    EXPECT_TRUE(seam.dialogs.empty());
}

TEST_F(LanterbyForm, BatchHasNothingToWalk)
{
    TFormLanterby* form = Open();
    UserPick(form->ComboBoxYarvel, Zorrin);
    UserType(form->EditPrefixYarvel, "X_");
    ExpectBatchWritesNothing(form, kWord);
    EXPECT_EQ(form->ComboBoxYarvel->ItemIndex(), Zorrin);
    EXPECT_EQ(form->EditPrefixYarvel->Text(), "X_");
}

}  // namespace lanterby_form_test
