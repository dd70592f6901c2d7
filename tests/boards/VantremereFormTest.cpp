// The Vantremere form end to end: hosted by the main form, dialogs answered
// by the test, the generated files checked on disk.
#include <cstring>
#include <filesystem>

#include "boards/soc/UI_Vantremere.h"
#include "tests/boards/SocFormFixture.h"

namespace vantremere_form_test {

using namespace socform;

namespace {

// Combo items, in the order of the card list.
enum Item { None = 0, GpioDefault, Ivrel, Kember, Sarnel, Brevik, Tamsil, Dunvar, Elvask, Fenwry, RiscV, Jusk,
            Default2V5, Default1V8, Default1V5 };

const char* const kWord = "VANTREMERE";

using VantremereForm = SocFormTest<TFormVantremere, MAINBOARD_VANTREMERE>;

// A 272-byte record as another program version or board could have left it.
std::string Record(const char* name, uint8_t card, const char* prefix)
{
    std::string record(272, '\0');
    record[0] = 0x10;
    record[1] = 0x01;
    record[4] = 32;
    std::memcpy(&record[5], name, std::strlen(name));
    record[133] = 1;  // CLOCK only
    record[143] = static_cast<char>(card);
    std::memcpy(&record[144], prefix, std::strlen(prefix));
    return record;
}

}  // namespace

TEST_F(VantremereForm, OpensWithItsDefaults)
{
    TFormVantremere* form = Open();
    EXPECT_EQ(main->ClientWidth(), 793);
    EXPECT_EQ(main->ClientHeight(), 497);
    EXPECT_EQ(form->Caption(), "Vantremere V1.0.1");
    EXPECT_NE(main->Caption(), "Vantremere V1.0.1");
    EXPECT_TRUE(form->ButtonMainBoardSelect->Visible());
    EXPECT_EQ(form->LabelBoardName->Caption(), "Vantremere FPGA Board");
    EXPECT_EQ(form->EditProjectName->Text(), "VANTREMERE");
    ASSERT_EQ(form->m_Groups.size(), 9u);
    for (const TSocGroup& group : form->m_Groups) {
        EXPECT_TRUE(group.Box->Checked());
        for (TShape* shape : group.Shapes) EXPECT_TRUE(shape->Visible());
    }
    EXPECT_EQ(ItemTexts(form->ComboBoxGpio), kGpio40Cards);
    EXPECT_EQ(form->ComboBoxGpio->ItemIndex(), None);
    EXPECT_EQ(form->EditPrefixGpio->Text(), "");
    EXPECT_FALSE(form->ShapeGpio->Visible());
    EXPECT_FALSE(form->ImageGpio->Visible());

    // The Arduino box drives both Arduino overlays; a card shows its picture.
    UserClick(form->CheckBoxArduino);
    EXPECT_FALSE(form->Find<TShape>("ShapeArduino_0")->Visible());
    EXPECT_FALSE(form->Find<TShape>("ShapeArduino_1")->Visible());
    UserPick(form->ComboBoxGpio, Kember);
    EXPECT_TRUE(form->ShapeGpio->Visible());
    EXPECT_TRUE(form->ImageGpio->Visible());
}

TEST_F(VantremereForm, GeneratesTheDefaultProject)
{
    TFormVantremere* form = Open();
    const std::string path = Generate(form, kWord, "VANTREMERE");
    const std::string project = ProjectFolder(kWord, "VANTREMERE");
    ASSERT_EQ(seam.dialogs.size(), 1u);
    EXPECT_EQ(seam.dialogs[0].request.initialFolder, project);
    EXPECT_EQ(seam.dialogs[0].request.fileName, "VANTREMERE.qpf");
    ASSERT_EQ(seam.boxes.size(), 1u);
    EXPECT_EQ(seam.boxes[0].kind, seam::BoxKind::Information);
    EXPECT_EQ(seam.boxes[0].text, kSuccess + project);

    const std::string qsf = Qsf(path);
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name FAMILY \"MAX 10 FPGA\""));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE 10M50DAF484C7G"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE_FILTER_PIN_COUNT 484"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE_FILTER_SPEED_GRADE 7"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"3.3 V Schmitt Trigger\" -to KEY[0]"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"3.3 V Schmitt Trigger\" -to ARDUINO_RESET_N"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AA20 -to ARDUINO_IO[15]"));
    EXPECT_EQ(Count(qsf, "set_location_assignment PIN_"), 149);
    EXPECT_EQ(Count(qsf, "set_instance_assignment -name IO_STANDARD"), 149);
    ExpectNoBallTwice(qsf);

    const std::string sdc = ReadFile(project + "VANTREMERE.sdc");
    EXPECT_TRUE(HasLine(sdc, "create_clock -period \"50.0 MHz\" [get_ports MAX10_CLK1_50]"));
    EXPECT_TRUE(HasLine(sdc, "create_clock -period \"10.0 MHz\" [get_ports ADC_CLK_10]"));
    // The pin table is headed with the board's title.
    EXPECT_NE(ReadFile(ChangeFileExt(path, ".htm")).find("Vantremere Kit Configuration"), std::string::npos);
    EXPECT_EQ(Count(sdc, "altera_reserved_tck"), 0);
    ExpectVerilogCompiles(path);
}

TEST_F(VantremereForm, EachCardOfTheListWithAPrefix)
{
    struct Case {
        int item;
        const char* pin;       // one signal of the card, with the prefix
        const char* location;  // where the header puts it
        int pins;
    } cases[] = {
        {GpioDefault, "P_GPIO[0]", "V10", 36},       {Ivrel, "P_IVREL_PIXCLK", "V10", 21},
        {Kember, "P_KEMBER_ADC_PENIRQ_n", "V10", 36}, {Sarnel, "P_SARNEL_DCLK", "W10", 30},
        {Brevik, "P_BREVIK_ADC_PENIRQ_N", "V10", 28}, {Tamsil, "P_SARNEL_DCLK", "W10", 30},
        {Dunvar, "P_PMW[0]", "V10", 30},             {Elvask, "P_LSENSOR_INT", "V10", 34},
        {Fenwry, "P_BT_KEY", "W10", 36},             {RiscV, "P_EXT_JTAG_TCK", "V10", 36},
        {Jusk, "P_MIPI_PIXEL_CLK", "W10", 22},       {Default2V5, "P_GPIO[35]", "AA2", 36},
        {Default1V8, "P_GPIO[10]", "W5", 36},        {Default1V5, "P_GPIO[9]", "V5", 36},
    };
    TFormVantremere* form = Open();
    std::vector<std::string> projects;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pin);
        UserPick(form->ComboBoxGpio, c.item);
        UserType(form->EditPrefixGpio, "P_");
        const std::string path = Generate(form, kWord, "CARD_" + std::to_string(c.item));
        projects.push_back(path);
        ASSERT_TRUE(seam.ErrorTexts().empty());
        const std::string qsf = Qsf(path);
        EXPECT_TRUE(HasLine(qsf, std::string("set_location_assignment PIN_") + c.location + " -to " + c.pin));
        EXPECT_EQ(Count(qsf, " -to P_"), 2 * c.pins);
        ExpectNoBallTwice(qsf);
        // Every card pin is generated as 3.3-V LVTTL, whatever the card's map says.
        EXPECT_EQ(Count(qsf, "\"3.3-V LVTTL\" -to P_"), c.pins);
        EXPECT_TRUE(HasLine(qsf, std::string("# GPIO, GPIO connect to ") + form->ComboBoxGpio->Text()));
    }
    ExpectVerilogCompiles(projects);
}

TEST_F(VantremereForm, NothingTickedAndNoCard)
{
    TFormVantremere* form = Open();
    for (const TSocGroup& group : form->m_Groups) UserClick(group.Box);
    const std::string path = Generate(form, kWord, "EMPTY");
    EXPECT_TRUE(seam.ErrorTexts().empty());
    EXPECT_EQ(Count(Qsf(path), "set_location_assignment"), 0);
    ExpectVerilogCompiles(path);
}

TEST_F(VantremereForm, SettingsRoundTripAndWrongSizes)
{
    TFormVantremere* form = Open();
    UserType(form->EditProjectName, "saved");
    UserClick(form->CheckBoxVGA);
    UserPick(form->ComboBoxGpio, Tamsil);
    UserType(form->EditPrefixGpio, "T_");
    const std::string saved = Save(form, "one.cfg");
    ASSERT_EQ(saved.size(), 272u);
    EXPECT_EQ(saved.substr(0, 5), std::string("\x10\x01\x00\x00\x20", 5));
    EXPECT_EQ(ReadFixedText(saved.data() + 5, 128), "saved");
    EXPECT_EQ(saved[140], 0);  // VGA
    EXPECT_EQ(saved[143], 63);
    EXPECT_EQ(ReadFixedText(saved.data() + 144, 128), "T_");

    // Refused sizes leave the controls as they are.
    for (size_t size : {271u, 273u}) {
        WriteFile(folder.Path() + "bad.cfg", std::string(size, '\x01'));
        Load(form, "bad.cfg");
        EXPECT_EQ(form->EditProjectName->Text(), "saved") << size;
    }
    // A record of another board of the same size is taken as this board's.
    WriteFile(folder.Path() + "other.cfg", Record("OTHER", 12, "O_"));
    Load(form, "other.cfg");
    EXPECT_EQ(form->EditProjectName->Text(), "OTHER");
    EXPECT_TRUE(form->CheckBoxOSC->Checked());
    EXPECT_FALSE(form->CheckBoxLED->Checked());
    EXPECT_EQ(form->ComboBoxGpio->ItemIndex(), Ivrel);
    EXPECT_EQ(form->EditPrefixGpio->Text(), "O_");

    Load(form, "one.cfg");
    EXPECT_EQ(form->EditProjectName->Text(), "saved");
    EXPECT_EQ(form->ComboBoxGpio->ItemIndex(), Tamsil);
    EXPECT_EQ(Save(form, "two.cfg"), saved);
    EXPECT_TRUE(seam.ErrorTexts().empty());
}

TEST_F(VantremereForm, StoredCardOutsideTheListAndThePrefixOfNone)
{
    // Card 11 (an 80-pin card) is not in the list: the combo keeps its item,
    // and with "None" shown the prefix edit stays empty.
    TFormVantremere* form = Open(Record("FROMDEFAULT", 11, "X_"));
    EXPECT_EQ(form->EditProjectName->Text(), "FROMDEFAULT");
    EXPECT_EQ(form->ComboBoxGpio->ItemIndex(), None);
    EXPECT_EQ(form->EditPrefixGpio->Text(), "");

    // A prefix typed while "None" is chosen is kept in the record.
    UserType(form->EditPrefixGpio, "KEPT");
    UserType(form->EditProjectName, "AFTER");
    UserClick(form->ButtonExit);
    const std::string written = ReadFile(folder.Path() + "default.cfg");
    ASSERT_EQ(written.size(), 272u);
    EXPECT_EQ(ReadFixedText(written.data() + 5, 128), "AFTER");
    EXPECT_EQ(written[143], 0);
    EXPECT_EQ(ReadFixedText(written.data() + 144, 128), "KEPT");
}

TEST_F(VantremereForm, ProjectNameAndPrefixLimits)
{
    TFormVantremere* form = Open();
    UserType(form->EditProjectName, "");
    for (TButton* button : {form->ButtonGen, form->ButtonSave}) {
        seam.boxes.clear();
        UserClick(button);
        EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{"Project Name cannot be empty."});
        EXPECT_TRUE(seam.dialogs.empty());
    }
    // A prefix that would not make legal names is refused while a card is chosen.
    UserType(form->EditProjectName, "named");
    UserPick(form->ComboBoxGpio, Ivrel);
    UserType(form->EditPrefixGpio, "9X");
    seam.boxes.clear();
    seam.dialogs.clear();
    UserClick(form->ButtonGen);
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{"Prefix Name must start with a letter and hold only letters, digits and '_'."});
    EXPECT_TRUE(seam.dialogs.empty());

    UserType(form->EditProjectName, std::string(200, 'N'));
    EXPECT_EQ(form->EditProjectName->Text().size(), 127u);
    UserType(form->EditPrefixGpio, std::string(200, 'P'));
    EXPECT_EQ(form->EditPrefixGpio->Text().size(), 127u);
}

TEST_F(VantremereForm, AFailedRunShowsTheWritersBoxThenTheFormsBox)
{
    TFormVantremere* form = Open();
    std::filesystem::create_directories(ProjectFolder(kWord, "VANTREMERE") + "VANTREMERE.v");
    Generate(form, kWord, "VANTREMERE");
    const auto errors = seam.ErrorTexts();
    ASSERT_GE(errors.size(), 2u);
    EXPECT_EQ(errors[errors.size() - 2], "Failed to create file VANTREMERE.v");
    EXPECT_EQ(errors.back(), "Failed to generate Quartus project: VANTREMERE.qpf.");
    EXPECT_TRUE(seam.InfoTexts().empty());
}

namespace {

// The projects of a batch over the card list, in list order.
const std::vector<std::string> kBatchProjects = {
    "VANTREMERE_GPIO_GPIO_Default",      "VANTREMERE_GPIO_Ivrel",
    "VANTREMERE_GPIO_Kember",            "VANTREMERE_GPIO_Sarnel",
    "VANTREMERE_GPIO_Brevik",            "VANTREMERE_GPIO_Tamsil",
    "VANTREMERE_GPIO_Servo_Motor_Kit",   "VANTREMERE_GPIO_RF_and_Sensor",
    "VANTREMERE_GPIO_RF_and_Sensor_68",  "VANTREMERE_GPIO_RISC_V",
    "VANTREMERE_GPIO_Jusk_GPIO",         "VANTREMERE_GPIO_GPIO_Default_2_5V",
    "VANTREMERE_GPIO_GPIO_Default_1_8V", "VANTREMERE_GPIO_GPIO_Default_1_5V",
};

}  // namespace

TEST_F(VantremereForm, BatchWritesOneProjectPerCardWithThePrefixGpio)
{
    TFormVantremere* form = Open();
    UserPick(form->ComboBoxGpio, Kember);
    UserType(form->EditPrefixGpio, "K_");
    UserType(form->EditProjectName, "mine");
    const std::string root = ProjectFolder(kWord, "mine");
    GenerateBatch(form, root);

    EXPECT_EQ(seam.beeps, 0);
    EXPECT_TRUE(seam.boxes.empty());
    ASSERT_EQ(seam.dialogs.size(), 1u);
    EXPECT_EQ(seam.dialogs[0].request.initialFolder, root);
    std::vector<std::string> sorted = kBatchProjects;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(Folders(root), sorted);
    // The controls show what they showed before; the record holds the last project.
    EXPECT_EQ(form->EditProjectName->Text(), "mine");
    EXPECT_EQ(form->ComboBoxGpio->ItemIndex(), Kember);
    EXPECT_EQ(form->EditPrefixGpio->Text(), "K_");
    EXPECT_TRUE(form->ShapeGpio->Visible());
    EXPECT_EQ(form->m_Config.m_Config.nGpioDaughterId, 87);
    EXPECT_EQ(ReadFixedText(form->m_Config.m_Config.szGpioPrefixName, 128), "GPIO");

    // Each project carries its card with the prefix "GPIO", generated as 3.3-V LVTTL.
    std::vector<std::string> paths;
    for (const std::string& name : kBatchProjects) {
        SCOPED_TRACE(name);
        const std::string path = root + name + "/" + name + ".qpf";
        paths.push_back(path);
        const std::string qsf = Qsf(path);
        EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name TOP_LEVEL_ENTITY \"" + name + "\""));
        EXPECT_EQ(Count(qsf, " -to K_"), 0);
        EXPECT_EQ(Count(qsf, "\"2.5 V\""), 0);
    }
    EXPECT_TRUE(HasLine(Qsf(paths[0]), "set_location_assignment PIN_V10 -to GPIOGPIO[0]"));
    EXPECT_TRUE(HasLine(Qsf(paths[1]), "set_location_assignment PIN_V10 -to GPIOIVREL_PIXCLK"));
    EXPECT_TRUE(HasLine(Qsf(paths[7]), "# GPIO, GPIO connect to Elvask - RF and Sensor"));
    EXPECT_TRUE(HasLine(Qsf(paths[8]), "# GPIO, GPIO connect to Fenwry - RF and Sensor"));
    ExpectVerilogCompiles(paths);
}

TEST_F(VantremereForm, ACancelledOrFailedBatch)
{
    TFormVantremere* form = Open();
    UserPick(form->ComboBoxGpio, Ivrel);
    GenerateBatch(form, "");
    EXPECT_TRUE(seam.boxes.empty());
    EXPECT_EQ(seam.dialogs.size(), 1u);
    const std::string root = ProjectFolder(kWord, "VANTREMERE");
    EXPECT_TRUE(std::filesystem::is_directory(root));
    EXPECT_TRUE(Folders(root).empty());
    EXPECT_EQ(form->ComboBoxGpio->ItemIndex(), Ivrel);

    // The .qsf of the third project cannot be written: the batch stops there.
    std::filesystem::create_directories(root + "VANTREMERE_GPIO_Kember/VANTREMERE_GPIO_Kember.qsf");
    GenerateBatch(form, root);
    const auto errors = seam.ErrorTexts();
    ASSERT_GE(errors.size(), 1u);
    EXPECT_EQ(errors.back(), "Failed to create file VANTREMERE_GPIO_Kember.qsf");  // no box of the batch's
    EXPECT_TRUE(seam.InfoTexts().empty());
    EXPECT_EQ(Folders(root), (std::vector<std::string>{"VANTREMERE_GPIO_GPIO_Default", "VANTREMERE_GPIO_Ivrel",
                                                       "VANTREMERE_GPIO_Kember"}));
    EXPECT_TRUE(FileExists(root + "VANTREMERE_GPIO_Ivrel/VANTREMERE_GPIO_Ivrel.htm"));
    EXPECT_EQ(form->EditProjectName->Text(), "VANTREMERE");
    EXPECT_EQ(form->ComboBoxGpio->ItemIndex(), Ivrel);
    EXPECT_EQ(form->EditPrefixGpio->Text(), "");
}

}  // namespace vantremere_form_test
