// The forms of the four boards with a pair of 40-pin GPIO headers (Avemor,
// Fennick, Isselmont, Jarrowby) end to end: each form hosted by the main
// form, the dialogs answered by the test, the generated files read on disk.
#include <cstring>
#include <random>

#include "boards/cyclone2_3/UI_Avemor.h"
#include "boards/cyclone2_3/UI_Fennick.h"
#include "boards/cyclone2_3/UI_Isselmont.h"
#include "boards/cyclone2_3/UI_Jarrowby.h"
#include "tests/boards/SocFormFixture.h"

namespace gpio_pair_forms_test {

using namespace socform;

namespace {

// Combo items of the 3.3 V list (Avemor, Fennick, Isselmont).
enum Item { None = 0, GpioDefault, Culm, Ivrel, Kember, Sarnel, Brevik, Tamsil, Dunvar, Elvask, Fenwry, RiscV, Jusk };

const char* const kClash =
    "GPIO-0 and GPIO-1 cannot have the same prefix name when both connect to the same type of daughter boards.";

// The 2.5 V list of Jarrowby.
const std::vector<std::string> kGpio80Cards2V5 = {"None", "GPIO Default - 2.5V"};

struct Avemor {
    using Form = TFormAvemor;
    static constexpr uint8_t kId = MAINBOARD_AVEMOR;
    static constexpr const char* kWord = "Avemor";
    static constexpr size_t kGroups = 12;  // with every flag
    static constexpr size_t kSize = 408;
    static constexpr int kWidth = 793, kHeight = 469;
    static constexpr size_t kFlags = 12;
    static constexpr size_t kCardIds = 148;
    static constexpr size_t kPrefixes = 150;
    static constexpr int kPins = 180;    // on-board pins with every group
    static constexpr int kLocated = 15;  // of them with a ball
    static constexpr const char* kDevice = "EP3C16F484C6";
    static constexpr const char* kFamily = "Cyclone III";
    // "GPIO Default" on header position 1 of GPIO_0, with its ball.
    static constexpr const char* kDefaultPin1 = "set_location_assignment PIN_AB12 -to GPIO_CLKIN[0]";
    static constexpr const char* kCamera1 = "set_location_assignment PIN_AB11 -to ";  // GPIO_1 position 1
    static const std::vector<std::string>& Cards() { return kGpio80Cards3V3; }
    // Each check box in record order with the groups it switches.
    static std::vector<std::pair<const char*, std::vector<std::string>>> Boxes()
    {
        return {{"CheckBoxOSC", {"CLOCK"}},       {"CheckBoxLED", {"LED"}},       {"CheckBoxSeg7", {"SEG7"}},
                {"CheckBoxButton", {"BUTTON"}},   {"CheckBoxSwitch", {"SW"}},     {"CheckBoxPS2", {"PS2"}},
                {"CheckBoxSDCARD", {"SDCARD"}},   {"CheckBoxVGA", {"VGA"}},       {"CheckBoxLCD", {"LCD"}},
                {"CheckBoxSDRAM", {"SDRAM"}},     {"CheckBoxFlash", {"Flash"}},   {"CheckBoxRS232", {"RS232"}}};
    }
};

struct Fennick {
    using Form = TFormFennick;
    static constexpr uint8_t kId = MAINBOARD_FENNICK;
    static constexpr const char* kWord = "Fennick";
    static constexpr size_t kGroups = 14;  // with every flag
    static constexpr size_t kSize = 408;
    static constexpr int kWidth = 793, kHeight = 517;
    static constexpr size_t kFlags = 14;
    static constexpr size_t kCardIds = 150;
    static constexpr size_t kPrefixes = 152;
    static constexpr int kPins = 207;
    static constexpr int kLocated = 19;
    static constexpr const char* kDevice = "EP2C20F484C7";
    static constexpr const char* kFamily = "Cyclone II";
    static constexpr const char* kDefaultPin1 = "set_location_assignment PIN_A13 -to GPIO_CLKIN[0]";
    static constexpr const char* kCamera1 = "set_location_assignment PIN_H12 -to ";
    static const std::vector<std::string>& Cards() { return kGpio80Cards3V3; }
    static std::vector<std::pair<const char*, std::vector<std::string>>> Boxes()
    {
        return {{"CheckBoxOSC", {"CLOCK"}},     {"CheckBoxLED", {"LED"}},     {"CheckBoxSeg7", {"SEG7"}},
                {"CheckBoxButton", {"KEY"}},    {"CheckBoxSwitch", {"SW"}},   {"CheckBoxPS2", {"PS2"}},
                {"CheckBoxSDCARD", {"SDCARD"}}, {"CheckBoxVGA", {"VGA"}},     {"CheckBoxSDRAM", {"SDRAM"}},
                {"CheckBoxFlash", {"Flash"}},   {"CheckBoxRS232", {"RS232"}}, {"CheckBoxSRAM", {"SRAM"}},
                {"CheckBoxSma", {"Sma"}},       {"CheckBoxAudio", {"Audio"}}};
    }
};

struct Isselmont {
    using Form = TFormIsselmont;
    static constexpr uint8_t kId = MAINBOARD_ISSELMONT;
    static constexpr const char* kWord = "Isselmont";
    static constexpr size_t kGroups = 20;  // with every flag
    static constexpr size_t kSize = 416;
    static constexpr int kWidth = 793, kHeight = 554;
    static constexpr size_t kFlags = 19;
    static constexpr size_t kCardIds = 155;
    static constexpr size_t kPrefixes = 157;
    static constexpr int kPins = 350;
    static constexpr int kLocated = 11;
    static constexpr const char* kDevice = "EP2C35F672C6";
    static constexpr const char* kFamily = "Cyclone II";
    static constexpr const char* kDefaultPin1 = "set_location_assignment PIN_D25 -to GPIO[0]";
    static constexpr const char* kCamera1 = "set_location_assignment PIN_K25 -to ";
    static const std::vector<std::string>& Cards() { return kGpio80Cards3V3; }
    static std::vector<std::pair<const char*, std::vector<std::string>>> Boxes()
    {
        return {{"CheckBoxOSC", {"CLOCK"}},
                {"CheckBoxLED", {"LED"}},
                {"CheckBoxSeg7", {"SEG7"}},
                {"CheckBoxButton", {"KEY"}},
                {"CheckBoxSwitch", {"SW"}},
                {"CheckBoxPS2", {"PS2"}},
                {"CheckBoxSDCARD", {"SDCARD"}},
                {"CheckBoxVGA", {"VGA"}},
                {"CheckBoxLCD", {"LCD"}},
                {"CheckBoxSDRAM", {"SDRAM"}},
                {"CheckBoxFlash", {"Flash"}},
                {"CheckBoxRS232", {"RS232"}},
                {"CheckBoxSRAM", {"SRAM"}},
                {"CheckBoxSma", {"Sma"}},
                {"CheckBoxAudio", {"Audio", "I2C for Audio"}},
                {"CheckBoxEthernet", {"Ethernet"}},
                {"CheckBoxIR", {"IR"}},
                {"CheckBoxTvDecode", {"I2C for Tv-Decode", "TV Decoder"}},
                {"CheckBoxUSB", {"USB OTG"}}};
    }
};

struct Jarrowby {
    using Form = TFormJarrowby;
    static constexpr uint8_t kId = MAINBOARD_JARROWBY;
    static constexpr const char* kWord = "Jarrowby";
    static constexpr size_t kGroups = 22;  // with every flag
    static constexpr size_t kSize = 416;
    static constexpr int kWidth = 792, kHeight = 553;
    static constexpr size_t kFlags = 21;
    static constexpr size_t kCardIds = 157;
    static constexpr size_t kPrefixes = 159;
    static constexpr int kPins = 458;
    static constexpr int kLocated = 18;
    static constexpr const char* kDevice = "EP2C70F896C6";
    static constexpr const char* kFamily = "Cyclone II";
    static constexpr const char* kDefaultPin1 = "set_location_assignment PIN_T25 -to GPIO_CLKIN[0]";
    static constexpr const char* kCamera1 = nullptr;  // no camera on this board's list
    static const std::vector<std::string>& Cards() { return kGpio80Cards2V5; }
    static std::vector<std::pair<const char*, std::vector<std::string>>> Boxes()
    {
        return {{"CheckBoxOSC", {"CLOCK"}},
                {"CheckBoxLED", {"LED"}},
                {"CheckBoxSeg7", {"SEG7"}},
                {"CheckBoxButton", {"BUTTON"}},
                {"CheckBoxSwitch", {"SW"}},
                {"CheckBoxPS2", {"PS2"}},
                {"CheckBoxSDCARD", {"SDCARD"}},
                {"CheckBoxVGA", {"VGA"}},
                {"CheckBoxLCD", {"LCD"}},
                {"CheckBoxSDRAM1", {"SDRAM0"}},
                {"CheckBoxSDRAM2", {"SDRAM1"}},
                {"CheckBoxFlash", {"Flash"}},
                {"CheckBoxRS232", {"RS232"}},
                {"CheckBoxSSRAM", {"SSRAM"}},
                {"CheckBoxSma", {"Sma"}},
                {"CheckBoxAudio", {"Audio", "I2C for Audio"}},
                {"CheckBoxEthernet", {"Ethernet"}},
                {"CheckBoxIR", {"IR"}},
                {"CheckBoxTvDecode1", {"I2C for Tv-Decode 1", "TV Decoder 1"}},
                {"CheckBoxTvDecode2", {"I2C for Tv-Decode 2", "TV Decoder 2"}},
                {"CheckBoxUSB", {"USB OTG"}}};
    }
};

// The section titles of a .qsf ("# CLOCK", "# GPIO_0, GPIO_0 connect to ..."), in order.
std::vector<std::string> Sections(const std::string& qsf)
{
    std::vector<std::string> sections;
    const std::vector<std::string> lines = SplitCrLf(qsf);
    for (size_t i = 1; i + 1 < lines.size(); ++i)
        if (lines[i].rfind("# ", 0) == 0 && lines[i - 1].rfind("#====", 0) == 0 && lines[i + 1].rfind("#====", 0) == 0)
            sections.push_back(lines[i].substr(2));
    // The banners around the pin blocks are no sections.
    std::erase(sections, "Build by Kalvora Pinloom");
    std::erase(sections, "End of pin assignments by Kalvora Pinloom");
    return sections;
}

template <class B>
class GpioPairForm : public SocFormTest<typename B::Form, B::kId> {
protected:
    using Form = typename B::Form;
    std::string Make(Form* form, const std::string& name) { return this->Generate(form, B::kWord, name); }
    // A record of the board's size as another board (or a hand) could have
    // written it: the name, only the first flag set, a card and prefix on GPIO_0.
    std::string Record(const char* name, uint8_t card0, const char* prefix0, uint8_t card1 = 0,
                       const char* prefix1 = "")
    {
        std::string record(B::kSize, '\0');
        record[0] = 77;  // another board's id: not compared
        record[4] = static_cast<char>(B::kSize & 0xff);
        record[5] = static_cast<char>(B::kSize >> 8);
        std::memcpy(&record[8], name, std::strlen(name));
        record[136] = 1;  // CLOCK only
        record[B::kCardIds] = static_cast<char>(card0);
        record[B::kCardIds + 1] = static_cast<char>(card1);
        std::memcpy(&record[B::kPrefixes], prefix0, std::strlen(prefix0));
        std::memcpy(&record[B::kPrefixes + 128], prefix1, std::strlen(prefix1));
        return record;
    }
    TCheckBox* Box(Form* form, const char* name) { return form->template Find<TCheckBox>(name); }
};

using Boards = ::testing::Types<Avemor, Fennick, Isselmont, Jarrowby>;
TYPED_TEST_SUITE(GpioPairForm, Boards);

}  // namespace

TYPED_TEST(GpioPairForm, OpensWithItsDefaults)
{
    using B = TypeParam;
    auto* form = this->Open();
    EXPECT_EQ(this->main->ClientWidth(), B::kWidth);
    EXPECT_EQ(this->main->ClientHeight(), B::kHeight);
    EXPECT_TRUE(form->ButtonMainBoardSelect->Visible());
    EXPECT_EQ(form->template Find<TLabel>("LabelBoardName")->Caption(), std::string(B::kWord) + " FPGA Board");
    EXPECT_EQ(form->EditProjectName->Text(), B::kWord);
    EXPECT_EQ(form->FindControl("ButtonDefaultSetting"), nullptr);
    EXPECT_EQ(form->ButtonSave->Caption(), "Save Setting");
    EXPECT_EQ(form->ButtonLoad->Caption(), "Load Setting");
    EXPECT_EQ(form->ButtonGen->Caption(), "Generate");

    const auto& entries = form->m_Groups.Entries();
    ASSERT_EQ(entries.size(), B::kFlags);
    for (size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].Box->Name(), B::Boxes()[i].first);
        EXPECT_TRUE(entries[i].Box->Checked()) << entries[i].Box->Name();
        for (TShape* shape : entries[i].Shapes) EXPECT_TRUE(shape->Visible()) << shape->Name();
    }
    for (TComboBox* combo : {form->ComboBoxGpio0, form->ComboBoxGpio1}) {
        EXPECT_EQ(ItemTexts(combo), B::Cards());
        EXPECT_EQ(combo->ItemIndex(), None);
        EXPECT_TRUE(combo->Enabled());
    }
    for (TEdit* prefix : {form->EditPrefixGpio0, form->EditPrefixGpio1}) {
        EXPECT_EQ(prefix->Text(), "");
        EXPECT_TRUE(prefix->Enabled());
    }
    EXPECT_FALSE(form->ImageGpio0->Visible());
    EXPECT_FALSE(form->ImageGpio1->Visible());
    EXPECT_FALSE(form->ShapeGpio0->Visible());
    EXPECT_FALSE(form->ShapeGpio1->Visible());

    // A box drives its shapes; a card shows its picture and the header's shape.
    UserClick(entries[1].Box);
    for (TShape* shape : entries[1].Shapes) EXPECT_FALSE(shape->Visible()) << shape->Name();
    UserPick(form->ComboBoxGpio1, 1);
    EXPECT_TRUE(form->ImageGpio1->Visible());
    EXPECT_TRUE(form->ShapeGpio1->Visible());
    EXPECT_FALSE(form->ShapeGpio0->Visible());

    // Names and prefixes hold at most 127 characters.
    UserType(form->EditProjectName, std::string(200, 'N'));
    UserType(form->EditPrefixGpio0, std::string(200, 'P'));
    EXPECT_EQ(form->EditProjectName->Text(), std::string(127, 'N'));
    EXPECT_EQ(form->EditPrefixGpio0->Text(), std::string(127, 'P'));
}

// The left column from the top: the two logos, "Change Main Board", the
// board panel, then Save beside Generate and under them Load beside Exit;
// the group box stands right of it.
TYPED_TEST(GpioPairForm, TheLeftColumnInItsOrder)
{
    auto* form = this->Open();
    auto control = [form](const char* name) {
        TControl* found = form->FindControl(name);
        EXPECT_NE(found, nullptr) << name;
        EXPECT_EQ(found ? found->Parent() : nullptr, form) << name;
        return found;
    };
    auto bottom = [](const TControl* c) { return c->Top() + c->Height(); };
    TControl* logos[] = {control("ImageLogo"), control("ImageFpgaLogo")};
    TControl* change = control("ButtonMainBoardSelect");
    TControl* panel = control("PanelBoard");
    TControl* group = control("GroupBoxConfig");
    ASSERT_TRUE(logos[0] && logos[1] && change && panel && group);
    for (const TControl* logo : logos) EXPECT_LE(bottom(logo), change->Top()) << logo->Name();
    EXPECT_LE(bottom(change), panel->Top());
    EXPECT_LE(bottom(panel), form->ButtonSave->Top());
    EXPECT_EQ(form->ButtonGen->Top(), form->ButtonSave->Top());
    EXPECT_LT(form->ButtonSave->Left(), form->ButtonGen->Left());
    EXPECT_LE(bottom(form->ButtonSave), form->ButtonLoad->Top());
    EXPECT_EQ(form->ButtonExit->Top(), form->ButtonLoad->Top());
    EXPECT_LT(form->ButtonLoad->Left(), form->ButtonExit->Left());
    EXPECT_LE(bottom(form->ButtonLoad), form->ClientHeight());
    for (const TControl* c : {logos[0], logos[1], change, panel, static_cast<TControl*>(form->ButtonExit)})
        EXPECT_LE(c->Left() + c->Width(), group->Left()) << c->Name();
}

TYPED_TEST(GpioPairForm, GeneratesTheDefaultProjectWithoutASuccessBox)
{
    using B = TypeParam;
    auto* form = this->Open();
    const std::string path = this->Make(form, B::kWord);
    const std::string project = this->ProjectFolder(B::kWord, B::kWord);
    ASSERT_EQ(this->seam.dialogs.size(), 1u);
    EXPECT_EQ(this->seam.dialogs[0].request.initialFolder, project);
    EXPECT_EQ(this->seam.dialogs[0].request.fileName, std::string(B::kWord) + ".qpf");
    EXPECT_TRUE(this->seam.boxes.empty());

    const std::string qsf = this->Qsf(path);
    EXPECT_TRUE(HasLine(qsf, std::string("set_global_assignment -name FAMILY \"") + B::kFamily + "\""));
    EXPECT_TRUE(HasLine(qsf, std::string("set_global_assignment -name DEVICE ") + B::kDevice));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name CYCLONEII_RESERVE_NCEO_AFTER_CONFIGURATION \"USE AS "
                             "REGULAR IO\""));
    EXPECT_EQ(Count(qsf, "set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\""), B::kPins);
    EXPECT_EQ(Count(qsf, "set_instance_assignment -name IO_STANDARD"), B::kPins);
    EXPECT_EQ(Count(qsf, "set_location_assignment PIN_"), B::kLocated);
    EXPECT_EQ(Count(qsf, "set_location_assignment PIN_ "), 0);
    ExpectNoBallTwice(qsf);

    const std::string sdc = ReadFile(project + B::kWord + ".sdc");
    EXPECT_TRUE(HasLine(sdc, "create_clock -period 20.000ns [get_ports CLOCK_50]"));
    const std::string htm = ReadFile(project + B::kWord + ".htm");
    EXPECT_NE(htm.find(std::string(B::kWord) + " FPGA Board Configuration"), std::string::npos);
    this->ExpectVerilogCompiles(path);
}

// Each group alone through the form: the record's flag reaches the
// definition at its place.
TYPED_TEST(GpioPairForm, EachGroupAlone)
{
    using B = TypeParam;
    auto* form = this->Open();
    for (const auto& entry : form->m_Groups.Entries()) UserClick(entry.Box);
    std::string path = this->Make(form, "none");
    EXPECT_EQ(Sections(this->Qsf(path)), std::vector<std::string>{});
    for (const auto& [box, groups] : B::Boxes()) {
        SCOPED_TRACE(box);
        UserClick(this->Box(form, box));
        path = this->Make(form, "one");
        EXPECT_EQ(Sections(this->Qsf(path)), groups);
        UserClick(this->Box(form, box));
    }
    EXPECT_TRUE(this->seam.ErrorTexts().empty());
}

TYPED_TEST(GpioPairForm, TheDefaultCardOnEachHeaderWithPrefixes)
{
    using B = TypeParam;
    auto* form = this->Open();
    for (const auto& entry : form->m_Groups.Entries()) UserClick(entry.Box);
    // The same card on both headers with two equal prefixes (also two empty
    // ones) is refused before any dialog; with two prefixes, two copies.
    UserPick(form->ComboBoxGpio0, GpioDefault);
    UserPick(form->ComboBoxGpio1, GpioDefault);
    for (const char* prefix : {"", "J_"}) {
        UserType(form->EditPrefixGpio0, prefix);
        UserType(form->EditPrefixGpio1, prefix);
        this->seam.boxes.clear();
        this->seam.dialogs.clear();
        UserClick(form->ButtonGen);
        EXPECT_EQ(this->seam.ErrorTexts(), std::vector<std::string>{kClash});
        EXPECT_TRUE(this->seam.dialogs.empty());
    }
    UserType(form->EditPrefixGpio0, "");
    UserType(form->EditPrefixGpio1, "B_");
    const std::string path = this->Make(form, "pair");
    EXPECT_TRUE(this->seam.boxes.empty());
    const std::string qsf = this->Qsf(path);
    const std::string card = B::kId == MAINBOARD_JARROWBY ? "GPIO Default - 2.5V" : "GPIO Default";
    EXPECT_EQ(Sections(qsf), (std::vector<std::string>{"GPIO_0, GPIO_0 connect to " + card,
                                                       "GPIO_1, GPIO_1 connect to " + card}));
    // No default prefix on GPIO_0: the card's own names, after the board.
    EXPECT_TRUE(HasLine(qsf, B::kDefaultPin1));
    if (B::kId == MAINBOARD_ISSELMONT) {
        EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\" -to GPIO[35]"));
        EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\" -to B_GPIO[35]"));
        EXPECT_EQ(Count(qsf, "-to GPIO["), 36 + 4);  // IO_STANDARD lines and the four located pins
    } else {
        EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\" -to GPIO_D[31]"));
        EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\" -to B_GPIO_CLKOUT[1]"));
    }
    EXPECT_EQ(Count(qsf, "set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\""), 72);
    ExpectNoBallTwice(qsf);
    this->ExpectVerilogCompiles(path);

    // Two different cards with equal prefixes are accepted.
    if (B::kCamera1) {
        UserPick(form->ComboBoxGpio1, Ivrel);
        UserType(form->EditPrefixGpio1, "");
        const std::string two = this->Make(form, "two");
        EXPECT_TRUE(this->seam.boxes.empty());
        const std::string twoQsf = this->Qsf(two);
        EXPECT_EQ(Sections(twoQsf)[1], "GPIO_1, GPIO_1 connect to Ivrel - 5M Pixel Camera");
        EXPECT_NE(twoQsf.find(B::kCamera1), std::string::npos);
        ExpectNoBallTwice(twoQsf);
        this->ExpectVerilogCompiles(two);
    }
}

// Prefixes follow the name rule and fit their card.
TYPED_TEST(GpioPairForm, PrefixRules)
{
    auto* form = this->Open();
    UserPick(form->ComboBoxGpio1, GpioDefault);
    UserType(form->EditPrefixGpio1, "1bad");
    this->seam.boxes.clear();
    UserClick(form->ButtonGen);
    ASSERT_EQ(this->seam.ErrorTexts().size(), 1u);
    EXPECT_TRUE(this->seam.dialogs.empty());
    // A settings file keeps it.
    this->seam.boxes.clear();
    UserClick(form->ButtonSave);
    EXPECT_TRUE(this->seam.ErrorTexts().empty());
    EXPECT_EQ(this->seam.dialogs.size(), 1u);
    // 127 characters with the card's names pass 128: refused for the run.
    UserType(form->EditPrefixGpio1, std::string(127, 'P'));
    this->seam.boxes.clear();
    UserClick(form->ButtonGen);
    EXPECT_EQ(this->seam.ErrorTexts(), std::vector<std::string>{"Prefix Name is too long for the card on GPIO-1."});
    // A prefix on a header without a card is never used, so never checked.
    UserPick(form->ComboBoxGpio1, None);
    UserType(form->EditPrefixGpio1, "1bad");
    this->Make(form, "fine");
    EXPECT_TRUE(this->seam.boxes.empty());
}

TYPED_TEST(GpioPairForm, SettingsRoundTripAndLoadsThatFail)
{
    using B = TypeParam;
    auto* form = this->Open();
    UserType(form->EditProjectName, "Saved");
    UserClick(form->m_Groups.Entries()[0].Box);
    UserPick(form->ComboBoxGpio0, GpioDefault);
    UserType(form->EditPrefixGpio0, "A_");
    const std::string saved = this->Save(form, "one.cfg");
    ASSERT_EQ(saved.size(), B::kSize);
    EXPECT_EQ(saved[0], B::kId);
    EXPECT_EQ(static_cast<uint8_t>(saved[4]) | static_cast<uint8_t>(saved[5]) << 8, static_cast<int>(B::kSize));
    EXPECT_EQ(ReadFixedText(saved.data() + 8, 128), "Saved");
    EXPECT_EQ(saved[136], 0);
    EXPECT_EQ(saved.substr(137, B::kFlags - 1), std::string(B::kFlags - 1, '\1'));
    EXPECT_EQ(static_cast<uint8_t>(saved[B::kCardIds]), B::kId == MAINBOARD_JARROWBY ? 85 : 1);
    EXPECT_EQ(saved[B::kCardIds + 1], 0);
    EXPECT_EQ(ReadFixedText(saved.data() + B::kPrefixes, 128), "A_");
    EXPECT_EQ(ReadFixedText(saved.data() + B::kPrefixes + 128, 128), "");
    EXPECT_TRUE(this->seam.boxes.empty());

    // Another form shows it and saves the same bytes.
    auto* again = this->Open();
    this->Load(again, "one.cfg");
    EXPECT_EQ(again->EditProjectName->Text(), "Saved");
    EXPECT_FALSE(again->m_Groups.Entries()[0].Box->Checked());
    EXPECT_EQ(again->ComboBoxGpio0->ItemIndex(), GpioDefault);
    EXPECT_EQ(again->EditPrefixGpio0->Text(), "A_");
    EXPECT_EQ(this->Save(again, "two.cfg"), saved);

    // Files of another size, a missing file and a cancelled dialog change
    // nothing and show nothing.
    WriteFile(this->folder.Path() + "short.cfg", std::string(B::kSize - 1, '\0'));
    WriteFile(this->folder.Path() + "long.cfg", std::string(B::kSize + 1, '\0'));
    this->seam.boxes.clear();
    for (const char* name : {"short.cfg", "long.cfg", "missing.cfg"}) this->Load(again, name);
    UserClick(again->ButtonLoad);
    EXPECT_TRUE(this->seam.boxes.empty());
    EXPECT_EQ(again->EditProjectName->Text(), "Saved");
    EXPECT_EQ(again->ComboBoxGpio0->ItemIndex(), GpioDefault);

    // An empty project name is refused before the dialog; a cancelled save
    // writes nothing.
    UserType(again->EditProjectName, "");
    this->seam.dialogs.clear();
    UserClick(again->ButtonSave);
    EXPECT_EQ(this->seam.ErrorTexts(), std::vector<std::string>{"Project Name cannot be empty."});
    EXPECT_TRUE(this->seam.dialogs.empty());
}

// default.cfg is read at the start and written whenever the form goes away,
// an empty project name too; a record of another board of the same size is
// read with this board's layout and saved with this board's id.
TYPED_TEST(GpioPairForm, DefaultCfgFromAnyBoardOfTheSameSize)
{
    using B = TypeParam;
    auto* form = this->Open(this->Record("Other", 1, "Q_"));
    EXPECT_EQ(form->EditProjectName->Text(), "Other");
    EXPECT_TRUE(form->m_Groups.Entries()[0].Box->Checked());
    EXPECT_FALSE(form->m_Groups.Entries()[1].Box->Checked());
    if (B::kId == MAINBOARD_JARROWBY) {
        // Card 1 is not on this list: the combo keeps "None", and no prefix shows.
        EXPECT_EQ(form->ComboBoxGpio0->ItemIndex(), None);
        EXPECT_EQ(form->EditPrefixGpio0->Text(), "");
    } else {
        EXPECT_EQ(form->ComboBoxGpio0->ItemIndex(), GpioDefault);
        EXPECT_EQ(form->EditPrefixGpio0->Text(), "Q_");
    }
    UserType(form->EditProjectName, "");
    this->main.reset();  // the main window closed by its frame
    const std::string written = ReadFile(this->folder.Path() + "default.cfg");
    ASSERT_EQ(written.size(), B::kSize);
    EXPECT_EQ(written[0], B::kId);
    EXPECT_EQ(written[8], '\0');

    auto* next = this->Open(written);
    EXPECT_EQ(next->EditProjectName->Text(), "");
    UserType(next->EditProjectName, "Exited");
    UserClick(next->ButtonExit);  // Exit writes it too
    EXPECT_EQ(ReadFixedText(ReadFile(this->folder.Path() + "default.cfg").data() + 8, 128), "Exited");
    // A change of board writes it too, and the sister board of the same
    // size takes it.
    auto* changed = this->Open(written);
    UserType(changed->EditProjectName, "Changed");
    const uint8_t sister = B::kId == MAINBOARD_AVEMOR      ? MAINBOARD_FENNICK
                           : B::kId == MAINBOARD_FENNICK   ? MAINBOARD_AVEMOR
                           : B::kId == MAINBOARD_ISSELMONT ? MAINBOARD_JARROWBY
                                                           : MAINBOARD_ISSELMONT;
    this->main->OpenBoardForm(sister);
    auto* other = dynamic_cast<TFrameBoardForm*>(this->main->BoardForm());
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->EditProjectName->Text(), "Changed");
    // A file of another size gives the defaults.
    auto* fresh = this->Open(std::string(B::kSize + 4, 'x'));
    EXPECT_EQ(fresh->EditProjectName->Text(), B::kWord);
}

// Records the form did not write: no crash, every text read within its field.
TYPED_TEST(GpioPairForm, CraftedRecordsOpenWithoutACrash)
{
    using B = TypeParam;
    // Texts without a zero: read within the field, shown cut to the limit.
    std::string record = this->Record("", 1, "");
    std::memset(&record[8], 'N', 128);
    std::memset(&record[B::kPrefixes], 'P', 256);
    auto* form = this->Open(record);
    EXPECT_EQ(form->EditProjectName->Text(), std::string(127, 'N'));
    if (B::kId != MAINBOARD_JARROWBY) {
        EXPECT_EQ(form->EditPrefixGpio0->Text(), std::string(127, 'P'));
    }

    // Random records of the right size, some with cards of the lists (their
    // prefixes random too): the form shows them and a run either generates or
    // refuses with a box.
    const uint8_t cards[][2] = {{0, 0}, {11, 11}, {11, 0}, {0, 11}, {1, 62}, {85, 85}, {13, 13}, {5, 200}};
    std::mt19937 random(B::kId);
    int generated = 0;
    for (const auto& pair : cards) {
        SCOPED_TRACE(std::to_string(pair[0]) + ", " + std::to_string(pair[1]));
        std::string bytes(B::kSize, '\0');
        for (char& byte : bytes) byte = static_cast<char>(random());
        bytes[B::kCardIds] = static_cast<char>(pair[0]);
        bytes[B::kCardIds + 1] = static_cast<char>(pair[1]);
        auto* crafted = this->Open(bytes);
        UserType(crafted->EditProjectName, "crafted");
        this->seam.dialogAnswers.clear();  // a refused run leaves its answer unused
        this->Make(crafted, "crafted");
        if (this->seam.ErrorTexts().empty()) {
            ++generated;
            EXPECT_TRUE(FileExists(this->ProjectFolder(B::kWord, "crafted") + "crafted.qsf"));
        }
        // Whatever it showed, the form saves a record of its own board.
        this->seam.dialogAnswers.clear();
        const std::string saved = this->Save(crafted, "crafted.cfg");
        if (!saved.empty()) {
            EXPECT_EQ(saved[0], B::kId);
        }
    }
    EXPECT_GT(generated, 0);
}

// The 80-pin card (not on Jarrowby's list): chosen on either header it sits
// on both; the prefix the user sees on it is the one generated.
TYPED_TEST(GpioPairForm, TheEightyPinCardSpansBothHeaders)
{
    using B = TypeParam;
    if (B::kId == MAINBOARD_JARROWBY) {
        auto* form = this->Open(this->Record("Culm", 11, "C_", 11, "C_"));
        EXPECT_EQ(form->ComboBoxGpio0->ItemIndex(), None);
        EXPECT_EQ(form->ComboBoxGpio1->ItemIndex(), None);
        EXPECT_TRUE(form->ComboBoxGpio1->Enabled());
        return;
    }
    auto* form = this->Open();
    UserType(form->EditPrefixGpio1, "ADC_");
    UserPick(form->ComboBoxGpio1, Culm);
    EXPECT_EQ(form->ComboBoxGpio0->ItemIndex(), Culm);
    EXPECT_EQ(form->EditPrefixGpio0->Text(), "ADC_");
    EXPECT_FALSE(form->ComboBoxGpio0->Enabled());
    EXPECT_FALSE(form->EditPrefixGpio0->Enabled());
    EXPECT_TRUE(form->ShapeGpio0->Visible());
    EXPECT_TRUE(form->ImageGpio0->Visible());
    // The prefix was copied once, when the headers coupled: a later edit of
    // the chosen header's prefix does not reach the other one, whose prefix
    // (GPIO_0's) the card then carries.
    UserType(form->EditPrefixGpio1, "HS_");
    EXPECT_EQ(form->EditPrefixGpio0->Text(), "ADC_");

    for (const auto& entry : form->m_Groups.Entries()) UserClick(entry.Box);
    const std::string path = this->Make(form, "culm");
    EXPECT_TRUE(this->seam.boxes.empty());
    const std::string qsf = this->Qsf(path);
    EXPECT_EQ(Sections(qsf), std::vector<std::string>{"GPIO_0_1, GPIO_0_1 connect to Culm - High Speed ADC/DAC"});
    EXPECT_EQ(Count(qsf, "-to ADC_"), Count(qsf, "set_instance_assignment -name IO_STANDARD") +
                                          Count(qsf, "set_location_assignment PIN_"));
    EXPECT_GT(Count(qsf, "-to ADC_"), 0);
    ExpectNoBallTwice(qsf);
    this->ExpectVerilogCompiles(path);

    // The saved record holds the card twice; another card on the chosen
    // header frees the other one.
    const std::string saved = this->Save(form, "culm.cfg");
    EXPECT_EQ(saved[B::kCardIds], 11);
    EXPECT_EQ(saved[B::kCardIds + 1], 11);
    UserPick(form->ComboBoxGpio1, Kember);
    EXPECT_EQ(form->ComboBoxGpio0->ItemIndex(), None);
    EXPECT_EQ(form->EditPrefixGpio0->Text(), "");
    EXPECT_TRUE(form->ComboBoxGpio0->Enabled());
    EXPECT_TRUE(form->EditPrefixGpio0->Enabled());
}

// Showing a record enables both headers before coupling them, so that no
// header stays locked after a load, whatever the form showed before.
TYPED_TEST(GpioPairForm, LoadingARecordLeavesNoHeaderLocked)
{
    using B = TypeParam;
    if (B::kId == MAINBOARD_JARROWBY) return;  // no 80-pin card on its list
    auto* form = this->Open();
    WriteFile(this->folder.Path() + "plain.cfg", this->Record("Plain", 13, "K_"));
    WriteFile(this->folder.Path() + "culm.cfg", this->Record("Culm", 11, "C_", 11, "X_"));
    WriteFile(this->folder.Path() + "half.cfg", this->Record("Half", 0, "", 11, "H_"));

    UserPick(form->ComboBoxGpio1, Culm);  // locks GPIO_0
    this->Load(form, "plain.cfg");
    EXPECT_EQ(form->ComboBoxGpio0->ItemIndex(), Kember);
    EXPECT_EQ(form->EditPrefixGpio0->Text(), "K_");
    EXPECT_EQ(form->ComboBoxGpio1->ItemIndex(), None);
    for (TControl* control : std::initializer_list<TControl*>{form->ComboBoxGpio0, form->EditPrefixGpio0,
                                                             form->ComboBoxGpio1, form->EditPrefixGpio1})
        EXPECT_TRUE(control->Enabled()) << control->Name();

    UserPick(form->ComboBoxGpio1, Culm);
    this->Load(form, "culm.cfg");
    // GPIO_0 leads a shown record: its combo can be changed, GPIO_1 follows it.
    EXPECT_TRUE(form->ComboBoxGpio0->Enabled());
    EXPECT_FALSE(form->ComboBoxGpio1->Enabled());
    EXPECT_EQ(form->EditPrefixGpio1->Text(), "C_");
    UserPick(form->ComboBoxGpio0, Dunvar);
    EXPECT_EQ(form->ComboBoxGpio1->ItemIndex(), None);
    EXPECT_TRUE(form->ComboBoxGpio1->Enabled());

    // The 80-pin card on GPIO_1 alone is taken off it.
    this->Load(form, "half.cfg");
    EXPECT_EQ(form->ComboBoxGpio0->ItemIndex(), None);
    EXPECT_EQ(form->ComboBoxGpio1->ItemIndex(), None);
    EXPECT_EQ(form->EditPrefixGpio1->Text(), "");

    // A card id outside the list (card 5, a Tavrel card, is on no GPIO list)
    // leaves the combo as it was, and its prefix shows unless that is "None".
    UserPick(form->ComboBoxGpio0, Tamsil);
    WriteFile(this->folder.Path() + "five.cfg", this->Record("Five", 5, "F_", 5, "G_"));
    this->Load(form, "five.cfg");
    EXPECT_EQ(form->ComboBoxGpio0->ItemIndex(), Tamsil);
    EXPECT_EQ(form->EditPrefixGpio0->Text(), "F_");
    EXPECT_EQ(form->ComboBoxGpio1->ItemIndex(), None);
    EXPECT_EQ(form->EditPrefixGpio1->Text(), "");
    EXPECT_EQ(this->Save(form, "five-saved.cfg")[B::kCardIds], 63);
}

// Every card of the list on GPIO_0, beside every on-board group: each
// project's names stay apart and its top level compiles. Without a prefix a
// card whose names are the board's own is refused by the run.
TYPED_TEST(GpioPairForm, EveryCardBesideEveryGroup)
{
    using B = TypeParam;
    auto* form = this->Open();
    UserType(form->EditPrefixGpio0, "C_");
    std::vector<std::string> paths;
    for (int item = 1; item < form->ComboBoxGpio0->ItemCount(); ++item) {
        SCOPED_TRACE(form->ComboBoxGpio0->ItemText(item));
        UserPick(form->ComboBoxGpio0, item);
        const std::string name = "card" + std::to_string(item);
        UserType(form->EditProjectName, name);
        paths.push_back(this->Make(form, name));
        for (const auto& box : this->seam.boxes) ADD_FAILURE() << box.text;
        const std::string qsf = this->Qsf(paths.back());
        EXPECT_EQ(Sections(qsf).size(), B::kGroups + 1);
        ExpectNoBallTwice(qsf);
    }
    this->ExpectVerilogCompiles(paths);

    if (B::kId != MAINBOARD_AVEMOR) return;  // its RS232 group has the card's UART_RTS
    UserPick(form->ComboBoxGpio0, Fenwry);
    UserType(form->EditPrefixGpio0, "");
    this->Make(form, "clash");
    EXPECT_EQ(this->seam.ErrorTexts(),
              (std::vector<std::string>{"Signal name UART_RTS is used more than once in this project.",
                                        "Failed to generate Quartus project: clash.qpf."}));
}

}  // namespace gpio_pair_forms_test
