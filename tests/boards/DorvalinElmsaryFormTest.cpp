// The Dorvalin and Elmsary forms end to end: two boards with two 40-pin GPIO
// headers and no card spanning both, tested through one suite. Each form is
// hosted by the main form, the dialogs are answered by the test, and the
// generated files are checked on disk.
#include <cstring>
#include <filesystem>

#include "boards/soc/UI_Dorvalin.h"
#include "boards/soc/UI_Elmsary.h"
#include "tests/boards/SocFormFixture.h"

namespace dorvalin_elmsary_form_test {

using namespace socform;

namespace {

// Combo items, in the order of the card list (the same for both headers).
enum Item { None = 0, GpioDefault, Ivrel, Kember, Sarnel, Brevik, Tamsil, Dunvar, Elvask, Fenwry, RiscV, Jusk,
            Default2V5, Default1V8, Default1V5 };

const char* const kClash =
    "GPIO-0 and GPIO-1 cannot have the same prefix name when both connect to the same type of daughter boards.";

struct Dorvalin {
    using Form = TFormDorvalin;
    static constexpr uint8_t kId = MAINBOARD_DORVALIN;
    static constexpr const char* kWord = "DORVALIN";
    static constexpr const char* kCaption = "Dorvalin V1.0.1";
    static constexpr const char* kTitle = "Dorvalin FPGA Board";
    static constexpr const char* kDevice = "5CSEMA4U23C6";
    static constexpr int kPinCount = 896;
    static constexpr int kGroups = 7;
    static constexpr int kLocated = 38;  // every group but HPS
    static constexpr int kHpsRzqIo = 0;
    // Header positions 1, 2, 13 and 40 of GPIO_0, then of GPIO_1.
    static constexpr const char* kGpio0[4] = {"V12", "AF7", "T8", "AE12"};
    static constexpr const char* kGpio1[4] = {"Y15", "AG28", "AG19", "AC22"};
    static constexpr size_t kCardIds = 143;
    static constexpr size_t kPrefixes = 145;
};

struct Elmsary {
    using Form = TFormElmsary;
    static constexpr uint8_t kId = MAINBOARD_ELMSARY;
    static constexpr const char* kWord = "ELMSARY";
    static constexpr const char* kCaption = "Elmsary V1.0.1";
    static constexpr const char* kTitle = "Elmsary FPGA Board";
    static constexpr const char* kDevice = "5CSEBA6U23I7";
    static constexpr int kPinCount = 672;
    static constexpr int kGroups = 8;
    static constexpr int kLocated = 73;
    static constexpr int kHpsRzqIo = 29;
    static constexpr const char* kGpio0[4] = {"V12", "E8", "AD5", "AA11"};
    static constexpr const char* kGpio1[4] = {"Y15", "AC24", "AG25", "AE17"};
    static constexpr size_t kCardIds = 144;
    static constexpr size_t kPrefixes = 146;
};

template <class B>
class TwoHeaderForm : public SocFormTest<typename B::Form, B::kId> {
protected:
    using Form = typename B::Form;
    std::string Make(Form* form, const std::string& name) { return this->Generate(form, B::kWord, name); }
    void Pick(Form* form, int item0, const char* prefix0, int item1, const char* prefix1)
    {
        UserPick(form->ComboBoxGpio0, item0);
        UserPick(form->ComboBoxGpio1, item1);
        UserType(form->EditPrefixGpio0, prefix0);
        UserType(form->EditPrefixGpio1, prefix1);
    }
    // A record of the board's size, as another board could have left it.
    std::string Record(const char* name, uint8_t card0, const char* prefix0)
    {
        std::string record(404, '\0');
        record[0] = MAINBOARD_WYNDHOLT;
        record[4] = static_cast<char>(404 & 0xff);
        record[5] = static_cast<char>(404 >> 8);
        std::memcpy(&record[8], name, std::strlen(name));
        record[136] = 1;  // CLOCK only
        record[B::kCardIds] = static_cast<char>(card0);
        std::memcpy(&record[B::kPrefixes], prefix0, std::strlen(prefix0));
        return record;
    }
};

using Boards = ::testing::Types<Dorvalin, Elmsary>;
TYPED_TEST_SUITE(TwoHeaderForm, Boards);

}  // namespace

TYPED_TEST(TwoHeaderForm, OpensWithItsDefaults)
{
    using B = TypeParam;
    auto* form = this->Open();
    EXPECT_EQ(this->main->ClientWidth(), 789);
    EXPECT_EQ(this->main->ClientHeight(), 520);
    EXPECT_EQ(form->Caption(), B::kCaption);
    EXPECT_NE(this->main->Caption(), B::kCaption);
    EXPECT_TRUE(form->ButtonMainBoardSelect->Visible());
    EXPECT_EQ(form->LabelBoardName->Caption(), B::kTitle);
    EXPECT_EQ(form->EditProjectName->Text(), B::kWord);
    ASSERT_EQ(form->m_Groups.size(), static_cast<size_t>(B::kGroups));
    for (const TSocGroup& group : form->m_Groups) {
        EXPECT_EQ(group.Box->Checked(), group.Box != form->CheckBoxHPS) << group.Box->Caption();
        for (TShape* shape : group.Shapes) EXPECT_EQ(shape->Visible(), group.Box->Checked()) << shape->Name();
    }
    for (TComboBox* combo : {form->ComboBoxGpio0, form->ComboBoxGpio1}) {
        EXPECT_EQ(ItemTexts(combo), kGpio40Cards);
        EXPECT_EQ(combo->ItemIndex(), None);
    }
    EXPECT_FALSE(form->ShapeGpio0->Visible());
    EXPECT_FALSE(form->ShapeGpio1->Visible());

    // The Arduino box drives all its overlays; a card on one header never
    // changes or disables the other.
    UserClick(form->CheckBoxArduino);
    for (const TSocGroup& group : form->m_Groups) {
        if (group.Box != form->CheckBoxArduino) continue;
        for (TShape* shape : group.Shapes) EXPECT_FALSE(shape->Visible());
    }
    UserPick(form->ComboBoxGpio1, Kember);
    UserPick(form->ComboBoxGpio0, Kember);
    EXPECT_EQ(form->ComboBoxGpio1->ItemIndex(), Kember);
    EXPECT_TRUE(form->ComboBoxGpio1->Enabled());
    EXPECT_TRUE(form->EditPrefixGpio1->Enabled());
    EXPECT_TRUE(form->ShapeGpio0->Visible());
    EXPECT_TRUE(form->ImageGpio1->Visible());
}

TYPED_TEST(TwoHeaderForm, GeneratesTheDefaultProjectAndCtrlChangesNothing)
{
    using B = TypeParam;
    auto* form = this->Open();
    this->seam.ctrlDown = true;  // no batch on this board
    const std::string path = this->Make(form, B::kWord);
    const std::string project = this->ProjectFolder(B::kWord, B::kWord);
    EXPECT_EQ(this->seam.beeps, 0);
    ASSERT_EQ(this->seam.dialogs.size(), 1u);
    EXPECT_EQ(this->seam.dialogs[0].request.initialFolder, project);
    EXPECT_EQ(this->seam.dialogs[0].request.fileName, std::string(B::kWord) + ".qpf");
    EXPECT_EQ(this->seam.InfoTexts(), std::vector<std::string>{kSuccess + project});
    EXPECT_TRUE(this->seam.ErrorTexts().empty());

    const std::string qsf = this->Qsf(path);
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name FAMILY \"Cyclone V\""));
    EXPECT_TRUE(HasLine(qsf, std::string("set_global_assignment -name DEVICE ") + B::kDevice));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE_FILTER_PIN_COUNT " + std::to_string(B::kPinCount)));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_V11 -to FPGA_CLK1_50"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AG11 -to ARDUINO_IO[15]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AA23 -to LED[7]"));
    EXPECT_EQ(Count(qsf, "set_location_assignment PIN_"), B::kLocated);
    EXPECT_EQ(Count(qsf, "set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\""), B::kLocated);

    const std::string sdc = ReadFile(project + B::kWord + ".sdc");
    EXPECT_TRUE(HasLine(sdc, "create_clock -period \"50.0 MHz\" [get_ports FPGA_CLK3_50]"));
    EXPECT_TRUE(HasLine(sdc, "create_clock -name {altera_reserved_tck} -period 40 {altera_reserved_tck}"));
    EXPECT_EQ(Count(sdc, "-name clk_"), 0);
    this->ExpectVerilogCompiles(path);
}

TYPED_TEST(TwoHeaderForm, EveryGroupWithTheGpioDefaultPairAndTheHpsWarning)
{
    using B = TypeParam;
    auto* form = this->Open();
    UserClick(form->CheckBoxHPS);
    this->Pick(form, GpioDefault, "", GpioDefault, "");
    const std::string path = this->Make(form, B::kWord);
    EXPECT_EQ(this->seam.InfoTexts(),
              (std::vector<std::string>{kSuccess + this->ProjectFolder(B::kWord, B::kWord), kHpsWarning}));

    const std::string qsf = this->Qsf(path);
    EXPECT_EQ(Count(qsf, "set_location_assignment PIN_"), B::kLocated + 72);
    EXPECT_EQ(Count(qsf, "set_instance_assignment -name IO_STANDARD"), B::kLocated + 120 + 72);
    EXPECT_EQ(Count(qsf, "-to HPS_"), 120);
    EXPECT_FALSE(HasLine(qsf, "set_location_assignment PIN_ -to HPS_DDR3_RZQ"));
    EXPECT_TRUE(HasLine(qsf, B::kHpsRzqIo == 0 ? "set_instance_assignment -name IO_STANDARD \"1.5 V\" -to HPS_DDR3_RZQ"
                                               : "set_instance_assignment -name IO_STANDARD \"SSTL-15 Class I\" -to "
                                                 "HPS_DDR3_RZQ"));
    // The pair is named after the headers.
    EXPECT_TRUE(HasLine(qsf, "# GPIO_0, GPIO connect to GPIO Default"));
    EXPECT_TRUE(HasLine(qsf, "# GPIO_1, GPIO connect to GPIO Default"));
    EXPECT_TRUE(HasLine(qsf, std::string("set_location_assignment PIN_") + B::kGpio0[0] + " -to GPIO_0[0]"));
    EXPECT_TRUE(HasLine(qsf, std::string("set_location_assignment PIN_") + B::kGpio0[2] + " -to GPIO_0[10]"));
    EXPECT_TRUE(HasLine(qsf, std::string("set_location_assignment PIN_") + B::kGpio0[3] + " -to GPIO_0[35]"));
    EXPECT_TRUE(HasLine(qsf, std::string("set_location_assignment PIN_") + B::kGpio1[0] + " -to GPIO_1[0]"));
    EXPECT_TRUE(HasLine(qsf, std::string("set_location_assignment PIN_") + B::kGpio1[3] + " -to GPIO_1[35]"));
    ExpectNoBallTwice(qsf);
    this->ExpectVerilogCompiles(path);
}

TYPED_TEST(TwoHeaderForm, EachCardOnBothHeadersWithTheirPrefixes)
{
    using B = TypeParam;
    // Each card on GPIO_0 with "P_" and on GPIO_1 with "Q_": its first pin on
    // header position 1 or 2, and its pin count.
    const struct {
        int item;
        const char* pin;
        int position;  // 0: position 1, 1: position 2
        int pins;
    } cases[] = {
        {GpioDefault, "GPIO[0]", 0, 36},  {Ivrel, "IVREL_PIXCLK", 0, 21},    {Kember, "KEMBER_ADC_PENIRQ_n", 0, 36},
        {Sarnel, "SARNEL_DCLK", 1, 30},   {Brevik, "BREVIK_ADC_PENIRQ_N", 0, 28}, {Tamsil, "SARNEL_DCLK", 1, 30},
        {Dunvar, "PMW[0]", 0, 30},        {Elvask, "LSENSOR_INT", 0, 34},    {Fenwry, "BT_KEY", 1, 36},
        {RiscV, "EXT_JTAG_TCK", 0, 36},   {Jusk, "MIPI_PIXEL_CLK", 1, 22},   {Default2V5, "GPIO[0]", 0, 36},
        {Default1V8, "GPIO[0]", 0, 36},   {Default1V5, "GPIO[0]", 0, 36},
    };
    auto* form = this->Open();
    std::vector<std::string> paths;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pin);
        this->Pick(form, c.item, "P_", c.item, "Q_");
        const std::string path = this->Make(form, "CARD_" + std::to_string(c.item));
        paths.push_back(path);
        ASSERT_TRUE(this->seam.ErrorTexts().empty());
        const std::string qsf = this->Qsf(path);
        const std::string card = form->ComboBoxGpio0->Text();
        EXPECT_TRUE(HasLine(qsf, "# GPIO_0, GPIO connect to " + card));
        EXPECT_TRUE(HasLine(qsf, "# GPIO_1, GPIO connect to " + card));
        EXPECT_TRUE(HasLine(qsf, std::string("set_location_assignment PIN_") + B::kGpio0[c.position] + " -to P_" +
                                     c.pin));
        EXPECT_TRUE(HasLine(qsf, std::string("set_location_assignment PIN_") + B::kGpio1[c.position] + " -to Q_" +
                                     c.pin));
        EXPECT_EQ(Count(qsf, " -to P_"), 2 * c.pins);
        EXPECT_EQ(Count(qsf, " -to Q_"), 2 * c.pins);
    }
    this->ExpectVerilogCompiles(paths);
}

TYPED_TEST(TwoHeaderForm, PrefixRulesBeforeGenerating)
{
    using B = TypeParam;
    auto* form = this->Open();
    const std::string rule = "Prefix Name must start with a letter and hold only letters, digits and '_'.";
    const struct {
        const char* name;
        int item0;
        std::string prefix0;
        int item1;
        std::string prefix1;
        std::string error;  // empty: the request goes on to its dialog
        bool generationOnly = false;  // a settings file keeps what the generation refuses
    } cases[] = {
        {"same card, no prefixes", Ivrel, "", Ivrel, "", kClash},
        {"same card, same prefix", Ivrel, "X", Ivrel, "X", kClash},
        {"the pair with one prefix", GpioDefault, "A", GpioDefault, "A", kClash},
        // Only card 1 makes the "GPIO Default" pair.
        {"2.5 V defaults", Default2V5, "", Default2V5, "", kClash},
        {"two cards, same prefix", Ivrel, "X", Kember, "X", ""},
        {"the pair, prefixes A and none", GpioDefault, "A", GpioDefault, "", ""},
        // Each prefix must make legal names and fit its card.
        {"a prefix that is no name", Ivrel, "1X", None, "", rule, true},
        {"a blank in a prefix", None, "", Kember, "A B", rule, true},
        {"too long for its card", None, "", Kember, std::string(110, 'K'),
         "Prefix Name is too long for the card on GPIO-1.", true},
        {"no card, any prefix", None, "1 X", None, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        this->Pick(form, c.item0, c.prefix0.c_str(), c.item1, c.prefix1.c_str());
        for (TButton* button : {form->ButtonGen, form->ButtonSave}) {
            this->seam.boxes.clear();
            this->seam.dialogs.clear();
            this->seam.dialogAnswers.clear();
            UserClick(button);
            const bool refused = !c.error.empty() && (button == form->ButtonGen || !c.generationOnly);
            EXPECT_EQ(this->seam.ErrorTexts(), refused ? std::vector<std::string>{c.error} : std::vector<std::string>{});
            EXPECT_EQ(this->seam.dialogs.size(), refused ? 0u : 1u);
        }
    }
    // The project-name rule, before anything is asked.
    this->Pick(form, None, "", None, "");
    UserType(form->EditProjectName, "my project");
    this->seam.boxes.clear();
    UserClick(form->ButtonGen);
    EXPECT_EQ(this->seam.ErrorTexts(),
              std::vector<std::string>{"Project Name must start with a letter and hold only letters, digits and '_' "
                                       "(no '__', no trailing '_'), and cannot be a Verilog or VHDL keyword."});
    UserType(form->EditProjectName, B::kWord);
    this->Pick(form, GpioDefault, "A", GpioDefault, "");

    // "GPIO Default" with prefixes "A" and empty: each header keeps its own prefix.
    const std::string path = this->Make(form, B::kWord);
    const std::string qsf = this->Qsf(path);
    EXPECT_TRUE(HasLine(qsf, std::string("set_location_assignment PIN_") + B::kGpio0[0] + " -to AGPIO[0]"));
    EXPECT_TRUE(HasLine(qsf, std::string("set_location_assignment PIN_") + B::kGpio1[0] + " -to GPIO[0]"));

    // "GPIO Default" on one header only, without prefix: the card's own names.
    this->Pick(form, None, "", GpioDefault, "");
    const std::string single = this->Make(form, "SINGLE");
    const std::string one = this->Qsf(single);
    EXPECT_TRUE(HasLine(one, std::string("set_location_assignment PIN_") + B::kGpio1[3] + " -to GPIO[35]"));
    EXPECT_FALSE(HasLine(one, "# GPIO_0, GPIO connect to GPIO Default"));
    this->ExpectVerilogCompiles({path, single});
}

TYPED_TEST(TwoHeaderForm, SettingsRoundTripWrongSizesAndCardsOutsideTheList)
{
    using B = TypeParam;
    auto* form = this->Open();
    UserType(form->EditProjectName, "saved");
    UserClick(form->CheckBoxHPS);
    UserClick(form->CheckBoxLED);
    this->Pick(form, Sarnel, "S_", Jusk, "J_");
    const std::string saved = this->Save(form, "one.cfg");
    ASSERT_EQ(saved.size(), 404u);
    EXPECT_EQ(saved[0], B::kId);
    EXPECT_EQ(saved.substr(4, 4), std::string("\x94\x01\x00\x00", 4));
    EXPECT_EQ(ReadFixedText(saved.data() + 8, 128), "saved");
    EXPECT_EQ(saved[137], 0);  // LED
    EXPECT_EQ(saved[141], 1);  // HPS
    EXPECT_EQ(saved[B::kCardIds], 55);
    EXPECT_EQ(saved[B::kCardIds + 1], 76);
    EXPECT_EQ(ReadFixedText(saved.data() + B::kPrefixes, 128), "S_");
    EXPECT_EQ(ReadFixedText(saved.data() + B::kPrefixes + 128, 128), "J_");

    for (size_t size : {403u, 405u}) {
        WriteFile(this->folder.Path() + "bad.cfg", std::string(size, '\x01'));
        this->Load(form, "bad.cfg");
        EXPECT_EQ(form->EditProjectName->Text(), "saved") << size;
    }
    // Another board's record of the same size is shown as this board's; its
    // 80-pin card is not in the list, so that combo keeps its item.
    WriteFile(this->folder.Path() + "other.cfg", this->Record("OTHER", 11, "O_"));
    this->Load(form, "other.cfg");
    EXPECT_EQ(form->EditProjectName->Text(), "OTHER");
    EXPECT_TRUE(form->CheckBoxOSC->Checked());
    EXPECT_FALSE(form->CheckBoxHPS->Checked());
    EXPECT_EQ(form->ComboBoxGpio0->ItemIndex(), Sarnel);
    EXPECT_EQ(form->EditPrefixGpio0->Text(), "O_");
    EXPECT_EQ(form->ComboBoxGpio1->ItemIndex(), None);
    EXPECT_EQ(form->EditPrefixGpio1->Text(), "");

    this->Load(form, "one.cfg");
    EXPECT_EQ(this->Save(form, "two.cfg"), saved);
    EXPECT_TRUE(this->seam.ErrorTexts().empty());

    // A name and a prefix of 127 characters survive save and load. (No card
    // takes so long a prefix, so it stands on a header without a card.)
    UserPick(form->ComboBoxGpio1, None);
    UserType(form->EditProjectName, std::string(200, 'N'));
    UserType(form->EditPrefixGpio1, std::string(200, 'P'));
    EXPECT_EQ(form->EditProjectName->Text(), std::string(127, 'N'));
    EXPECT_EQ(form->EditPrefixGpio1->Text(), std::string(127, 'P'));
    const std::string longer = this->Save(form, "long.cfg");
    ASSERT_EQ(longer.size(), 404u);
    EXPECT_EQ(ReadFixedText(longer.data() + 8, 128), std::string(127, 'N'));
    EXPECT_EQ(ReadFixedText(longer.data() + B::kPrefixes + 128, 128), std::string(127, 'P'));
    UserType(form->EditProjectName, "x");
    this->Load(form, "long.cfg");
    EXPECT_EQ(form->EditProjectName->Text(), std::string(127, 'N'));
    EXPECT_EQ(ReadFixedText(form->m_Config.m_Config.szGpioPrefixName[GPIO_1], 128), std::string(127, 'P'));
}

TYPED_TEST(TwoHeaderForm, DefaultCfgAtStartAndWhenTheFormGoesAway)
{
    using B = TypeParam;
    auto* form = this->Open(this->Record("FROMDEFAULT", 12, "Q_"));
    EXPECT_EQ(form->EditProjectName->Text(), "FROMDEFAULT");
    EXPECT_EQ(form->ComboBoxGpio0->ItemIndex(), Ivrel);
    EXPECT_EQ(form->EditPrefixGpio0->Text(), "Q_");
    UserType(form->EditProjectName, "AFTER");
    UserClick(form->ButtonExit);
    const std::string written = ReadFile(this->folder.Path() + "default.cfg");
    ASSERT_EQ(written.size(), 404u);
    EXPECT_EQ(written[0], B::kId);  // the form writes its own board id back
    EXPECT_EQ(ReadFixedText(written.data() + 8, 128), "AFTER");
    EXPECT_EQ(written[B::kCardIds], 12);

    // Empty project name: refused before any dialog.
    auto* again = this->Open();
    UserType(again->EditProjectName, "");
    this->seam.boxes.clear();
    UserClick(again->ButtonGen);
    EXPECT_EQ(this->seam.ErrorTexts(), std::vector<std::string>{"Project Name cannot be empty."});
}

}  // namespace dorvalin_elmsary_form_test
