// The Wyndholt form end to end: hosted by the main form, dialogs answered by
// the test, the generated files checked on disk; the 80-pin card over both
// headers, and the batch that puts each card on both headers.
#include <cstring>
#include <filesystem>

#include "boards/soc/UI_Wyndholt.h"
#include "tests/boards/SocFormFixture.h"
#include "tests/support/RecordBytes.h"

namespace wyndholt_form_test {

using namespace socform;

namespace {

// Combo items, in the order of the card list (the same for both headers).
enum Item { None = 0, GpioDefault, Culm, Ivrel, Kember, Sarnel, Brevik, Tamsil, Dunvar, Elvask, Fenwry, RiscV, Jusk };

const char* const kWord = "WYNDHOLT";
constexpr int kGroupPins = 134;  // every group, every pin located

const std::vector<std::string> kBatchProjects = {
    "WYNDHOLT_GPIO_GPIO_Default", "WYNDHOLT_GPIO_Culm",          "WYNDHOLT_GPIO_Ivrel",
    "WYNDHOLT_GPIO_Kember",       "WYNDHOLT_GPIO_Sarnel",        "WYNDHOLT_GPIO_Brevik",
    "WYNDHOLT_GPIO_Tamsil",       "WYNDHOLT_GPIO_Servo_Motor_Kit", "WYNDHOLT_GPIO_RF_and_Sensor",
    "WYNDHOLT_GPIO_RF_and_Sensor_68", "WYNDHOLT_GPIO_RISC_V",    "WYNDHOLT_GPIO_Jusk_GPIO",
};

class WyndholtForm : public SocFormTest<TFormWyndholt, MAINBOARD_WYNDHOLT> {
protected:
};

std::string Record(const char* name, uint8_t card0, uint8_t card1, const char* prefix0, const char* prefix1)
{
    std::string record(404, '\0');
    record[0] = MAINBOARD_WYNDHOLT;
    record[4] = static_cast<char>(404 & 0xff);
    record[5] = static_cast<char>(404 >> 8);
    std::memcpy(&record[8], name, std::strlen(name));
    std::memset(&record[136], 1, 9);
    record[145] = static_cast<char>(card0);
    record[146] = static_cast<char>(card1);
    std::memcpy(&record[147], prefix0, std::strlen(prefix0));
    std::memcpy(&record[275], prefix1, std::strlen(prefix1));
    return record;
}

}  // namespace

TEST_F(WyndholtForm, OpensWithItsDefaults)
{
    TFormWyndholt* form = Open();
    EXPECT_EQ(main->ClientWidth(), 793);
    EXPECT_EQ(main->ClientHeight(), 536);
    EXPECT_EQ(form->Caption(), "Wyndholt V1.0.1");
    EXPECT_TRUE(form->ButtonMainBoardSelect->Visible());
    EXPECT_EQ(form->LabelBoardName->Caption(), "Wyndholt FPGA Board");
    EXPECT_EQ(form->EditProjectName->Text(), "WYNDHOLT");
    ASSERT_EQ(form->m_Groups.size(), 9u);
    for (const TSocGroup& group : form->m_Groups) {
        EXPECT_TRUE(group.Box->Checked()) << group.Box->Caption();
        for (TShape* shape : group.Shapes) EXPECT_TRUE(shape->Visible());
    }
    for (TComboBox* combo : {form->ComboBoxGpio0, form->ComboBoxGpio1}) {
        EXPECT_EQ(ItemTexts(combo), kGpio80Cards3V3);
        EXPECT_EQ(combo->ItemIndex(), None);
    }
    EXPECT_FALSE(form->ShapeGpio0->Visible());
    EXPECT_FALSE(form->ShapeGpio1->Visible());
}

TEST_F(WyndholtForm, GeneratesTheDefaultProjectWithoutAnyNotice)
{
    TFormWyndholt* form = Open();
    const std::string path = Generate(form, kWord, "WYNDHOLT");
    const std::string project = ProjectFolder(kWord, "WYNDHOLT");
    ASSERT_EQ(seam.dialogs.size(), 1u);
    EXPECT_EQ(seam.dialogs[0].request.initialFolder, project);
    EXPECT_EQ(seam.InfoTexts(), std::vector<std::string>{kSuccess + project});

    const std::string qsf = Qsf(path);
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE 5CEBA4F23C7"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE_FILTER_PIN_COUNT 484"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE_FILTER_SPEED_GRADE 7"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_V15 -to CLOCK4_50"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_P22 -to RESET_N"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_C11 -to SD_DATA[3]"));
    EXPECT_EQ(Count(qsf, "set_location_assignment PIN_"), kGroupPins);

    // The board's clocks by their frequency text, the VGA block, no JTAG block.
    const std::string sdc = ReadFile(project + "WYNDHOLT.sdc");
    EXPECT_TRUE(HasLine(sdc, "create_clock -period \"50.0 MHz\" [get_ports CLOCK4_50]"));
    EXPECT_TRUE(HasLine(sdc, "create_clock -period \"108.0 MHz\" -name clk_vga [get_ports VGA_CLK]"));
    EXPECT_EQ(Count(sdc, "altera_reserved_tck"), 0);
    EXPECT_EQ(Count(sdc, "clk_dram"), 0);
    // The fourth clock is an inout port.
    for (const std::string& line : SplitCrLf(ReadFile(project + "WYNDHOLT.v"))) {
        if (line.find("CLOCK4_50") == std::string::npos) continue;
        EXPECT_EQ(line.rfind("\tinout", 0), 0u) << line;
    }
    ExpectVerilogCompiles(path);

    // Without VGA the board clocks are gone.
    UserClick(form->CheckBoxVGA);
    const std::string noVga = Generate(form, kWord, "NOVGA");
    EXPECT_EQ(Count(ReadFile(ChangeFileExt(noVga, ".sdc")), "clk_vga"), 0);
}

TEST_F(WyndholtForm, TheEightyPinCardCouplesBothHeaders)
{
    TFormWyndholt* form = Open();
    UserType(form->EditPrefixGpio0, "C_");
    UserPick(form->ComboBoxGpio0, Culm);
    EXPECT_EQ(form->ComboBoxGpio1->ItemIndex(), Culm);
    EXPECT_EQ(form->EditPrefixGpio1->Text(), "C_");
    EXPECT_FALSE(form->ComboBoxGpio1->Enabled());
    EXPECT_FALSE(form->EditPrefixGpio1->Enabled());
    // What is typed into the enabled prefix is what Generate uses; it is
    // not mirrored into the coupled header, nor into its record field.
    UserType(form->EditPrefixGpio0, "D_");
    EXPECT_EQ(form->EditPrefixGpio1->Text(), "C_");
    seam.AnswerNextDialog(folder.Path() + "coupled.cfg");
    UserClick(form->ButtonSave);
    const auto saved = RecordOf<WYNDHOLT_CONFIG>(ReadFile(folder.Path() + "coupled.cfg"));
    EXPECT_STREQ(saved.szGpioPrefixName[0], "D_");
    EXPECT_STREQ(saved.szGpioPrefixName[1], "C_");

    const std::string path = Generate(form, kWord, "CULM");
    ASSERT_TRUE(seam.ErrorTexts().empty());
    const std::string qsf = Qsf(path);
    EXPECT_TRUE(HasLine(qsf, "# GPIO_0_1, GPIO_0_1 connect to Culm - High Speed ADC/DAC"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_N16 -to D_ADC_OTR_A"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_H16 -to D_SMA_DAC4"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_K16 -to D_DAC_MODE"));
    EXPECT_EQ(Count(qsf, "set_location_assignment PIN_") - kGroupPins, 70);
    ExpectVerilogCompiles(path);

    // A 40-pin card on the first header frees the second again.
    UserPick(form->ComboBoxGpio0, Ivrel);
    EXPECT_EQ(form->ComboBoxGpio1->ItemIndex(), None);
    EXPECT_EQ(form->EditPrefixGpio1->Text(), "");
    EXPECT_TRUE(form->ComboBoxGpio1->Enabled());
    EXPECT_TRUE(form->EditPrefixGpio1->Enabled());
}

TEST_F(WyndholtForm, TheGpioDefaultPairAndThePrefixRule)
{
    TFormWyndholt* form = Open();
    UserPick(form->ComboBoxGpio0, GpioDefault);
    UserPick(form->ComboBoxGpio1, GpioDefault);
    const std::string path = Generate(form, kWord, "PAIR");
    const std::string qsf = Qsf(path);
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_N16 -to GPIO_0[0]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_T15 -to GPIO_0[35]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_H16 -to GPIO_1[0]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_K16 -to GPIO_1[35]"));
    EXPECT_TRUE(HasLine(qsf, "# GPIO_1, GPIO_1 connect to GPIO Default"));
    ExpectVerilogCompiles(path);

    UserPick(form->ComboBoxGpio0, Jusk);
    UserPick(form->ComboBoxGpio1, Jusk);
    seam.boxes.clear();
    seam.dialogs.clear();
    UserClick(form->ButtonGen);
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{"GPIO-0 and GPIO-1 cannot have the same prefix name when "
                                                          "both connect to the same type of daughter boards."});
    EXPECT_TRUE(seam.dialogs.empty());
}

TEST_F(WyndholtForm, BatchPutsEachCardOnBothHeaders)
{
    TFormWyndholt* form = Open();
    // Before the batch: the 80-pin card chosen on GPIO-1, so GPIO-0 is coupled
    // and disabled, mirroring GPIO-1's prefix.
    UserType(form->EditPrefixGpio1, "K_");
    UserPick(form->ComboBoxGpio1, Culm);
    ASSERT_FALSE(form->EditPrefixGpio0->Enabled());
    UserType(form->EditProjectName, "mine");
    const std::string root = ProjectFolder(kWord, "mine");
    GenerateBatch(form, root);

    EXPECT_EQ(seam.beeps, 1);
    EXPECT_TRUE(seam.boxes.empty());
    std::vector<std::string> expected = kBatchProjects;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Folders(root), expected);
    // Everything as before, the coupling included.
    EXPECT_EQ(form->EditProjectName->Text(), "mine");
    EXPECT_EQ(form->ComboBoxGpio0->ItemIndex(), Culm);
    EXPECT_EQ(form->ComboBoxGpio1->ItemIndex(), Culm);
    EXPECT_EQ(form->EditPrefixGpio0->Text(), "K_");
    EXPECT_EQ(form->EditPrefixGpio1->Text(), "K_");
    EXPECT_FALSE(form->ComboBoxGpio0->Enabled());
    EXPECT_FALSE(form->EditPrefixGpio0->Enabled());
    EXPECT_TRUE(form->ShapeGpio0->Visible());

    std::vector<std::string> paths;
    for (const std::string& name : kBatchProjects) paths.push_back(root + name + "/" + name + ".qpf");
    // The 80-pin card once over both headers, without prefix.
    const std::string culm = Qsf(paths[1]);
    EXPECT_TRUE(HasLine(culm, "set_location_assignment PIN_N16 -to ADC_OTR_A"));
    EXPECT_TRUE(HasLine(culm, "set_location_assignment PIN_K16 -to DAC_MODE"));
    EXPECT_EQ(Count(culm, "-to GPIO_"), 0);
    // Every other card on both headers, each with its header's prefix.
    const std::string ivrel = Qsf(paths[2]);
    EXPECT_TRUE(HasLine(ivrel, "set_location_assignment PIN_N16 -to GPIO_0_IVREL_PIXCLK"));
    EXPECT_TRUE(HasLine(ivrel, "set_location_assignment PIN_H16 -to GPIO_1_IVREL_PIXCLK"));
    EXPECT_EQ(Count(ivrel, " -to GPIO_0_IVREL"), 2 * 21);
    const std::string gpio = Qsf(paths[0]);
    EXPECT_TRUE(HasLine(gpio, "set_location_assignment PIN_N16 -to GPIO_0_GPIO[0]"));
    EXPECT_TRUE(HasLine(gpio, "set_location_assignment PIN_K16 -to GPIO_1_GPIO[35]"));
    EXPECT_TRUE(HasLine(Qsf(paths[9]), "# GPIO_1, GPIO_1 connect to Fenwry - RF and Sensor"));
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        ExpectNoBallTwice(Qsf(path));
    }
    ExpectVerilogCompiles(paths);
}

TEST_F(WyndholtForm, ACancelledBatchWritesNothing)
{
    TFormWyndholt* form = Open();
    UserPick(form->ComboBoxGpio0, Ivrel);
    UserType(form->EditPrefixGpio0, "A_");
    GenerateBatch(form, "");
    EXPECT_EQ(seam.beeps, 1);
    EXPECT_TRUE(seam.boxes.empty());
    EXPECT_TRUE(Folders(ProjectFolder(kWord, "WYNDHOLT")).empty());
    EXPECT_EQ(form->ComboBoxGpio0->ItemIndex(), Ivrel);
    EXPECT_EQ(form->ComboBoxGpio1->ItemIndex(), None);
    EXPECT_EQ(form->EditPrefixGpio0->Text(), "A_");
}

TEST_F(WyndholtForm, SettingsRoundTripAndLoadedCouplings)
{
    TFormWyndholt* form = Open();
    UserClick(form->CheckBoxSdCard);
    UserPick(form->ComboBoxGpio0, Brevik);
    UserType(form->EditPrefixGpio0, "B_");
    UserPick(form->ComboBoxGpio1, Sarnel);
    const std::string saved = Save(form, "one.cfg");
    ASSERT_EQ(saved.size(), 404u);
    EXPECT_EQ(saved[0], MAINBOARD_WYNDHOLT);
    EXPECT_EQ(saved[144], 0);  // microSD Card
    EXPECT_EQ(saved[145], 62);
    EXPECT_EQ(saved[146], 55);
    EXPECT_EQ(ReadFixedText(saved.data() + 147, 128), "B_");
    for (size_t size : {403u, 405u}) {
        WriteFile(folder.Path() + "bad.cfg", std::string(size, '\x01'));
        Load(form, "bad.cfg");
        EXPECT_EQ(form->ComboBoxGpio0->ItemIndex(), Brevik) << size;
    }

    // The 80-pin card on both headers: GPIO-1 mirrors GPIO-0 and is disabled.
    WriteFile(folder.Path() + "both.cfg", Record("BOTH", 11, 11, "A_", "B_"));
    Load(form, "both.cfg");
    EXPECT_EQ(form->ComboBoxGpio1->ItemIndex(), Culm);
    EXPECT_FALSE(form->ComboBoxGpio1->Enabled());
    EXPECT_EQ(form->EditPrefixGpio1->Text(), "A_");
    // The 80-pin card on GPIO-1 alone: GPIO-1 is reset to None.
    WriteFile(folder.Path() + "second.cfg", Record("SECOND", 0, 11, "", "B_"));
    Load(form, "second.cfg");
    EXPECT_EQ(form->ComboBoxGpio0->ItemIndex(), None);
    EXPECT_EQ(form->ComboBoxGpio1->ItemIndex(), None);
    EXPECT_TRUE(form->ComboBoxGpio1->Enabled());
    EXPECT_EQ(form->EditPrefixGpio1->Text(), "");

    Load(form, "one.cfg");
    EXPECT_FALSE(form->CheckBoxSdCard->Checked());
    EXPECT_EQ(Save(form, "two.cfg"), saved);
    EXPECT_TRUE(seam.ErrorTexts().empty());
}

TEST_F(WyndholtForm, DefaultCfgKeepsTheFormBetweenRuns)
{
    TFormWyndholt* form = Open();
    UserClick(form->CheckBoxSdCard);
    UserClick(form->ButtonExit);
    const std::string written = ReadFile(folder.Path() + "default.cfg");
    ASSERT_EQ(written.size(), 404u);
    EXPECT_EQ(written[144], 0);

    TFormWyndholt* again = Open(written);
    EXPECT_FALSE(again->CheckBoxSdCard->Checked());
    EXPECT_TRUE(again->CheckBoxVGA->Checked());
}

}  // namespace wyndholt_form_test
