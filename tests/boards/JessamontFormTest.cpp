// The Jessamont form end to end: hosted by the main form, dialogs answered by
// the test, the generated files checked on disk; the GPIO voltage with its
// card lists, the 80-pin card over both headers (also from settings files
// that hold it on one header only), the prefix rule, and the notices.
#include <cstring>
#include <random>
#include <tuple>

#include "boards/cyclone5_stratix5/UI_Jessamont.h"
#include "model/Names.h"
#include "tests/boards/NoticeTexts.h"
#include "tests/boards/SocFormFixture.h"

namespace jessamont_form_test {

using namespace socform;

namespace {

const char* const kWord = "Board";
// Combo items of the 3.3 V list.
enum Item { None = 0, GpioDefault, Culm, Ivrel, Kember, Sarnel, Brevik, Tamsil, Dunvar, Elvask, Fenwry, RiscV, Jusk };

const std::string kDdr3Warning = ShortMemoryNotice("DDR3");
const std::string kPcieWarning = ShortTransceiverNotice("PCIe");
const char* const kClash =
    "GPIO-0 and GPIO-1 cannot have the same prefix name when both connect to the same type of daughter boards.";

std::string VoltageNotice(const char* jumper)
{
    return std::string("GPIO Daugher cards are selected.\r\n") +
           "Please make sure GPIO VCCIO " + jumper + " is setup correctly on the JP1 of the Jessamont board.\r\n";
}

// A record: all groups, a voltage class and the cards and prefixes of the
// two headers.
std::string Record(int32_t voltage, uint8_t card0, uint8_t card1, const char* prefix0 = "", const char* prefix1 = "")
{
    JESSAMONT_CONFIG r{};
    r.BoardId = MAINBOARD_JESSAMONT;
    r.Size = sizeof r;
    std::memcpy(r.szProjectName, "rec", 3);
    std::memset(&r.bClock, 1, 12);
    r.nGpioVoltage = voltage;
    r.nGpioDaughterId[0] = card0;
    r.nGpioDaughterId[1] = card1;
    std::memcpy(r.szGpioPrefixName[0], prefix0, std::strlen(prefix0));
    std::memcpy(r.szGpioPrefixName[1], prefix1, std::strlen(prefix1));
    return std::string(reinterpret_cast<const char*>(&r), sizeof r);
}

class JessamontForm : public SocFormTest<TFormJessamont, MAINBOARD_JESSAMONT> {
protected:
    void LoadRecord(TFormJessamont* form, const std::string& record)
    {
        WriteFile(folder.Path() + "record.cfg", record);
        Load(form, "record.cfg");
    }
    static void ExpectHeader(TFormJessamont* form, int h, int item, const std::string& prefix, bool enabled)
    {
        SCOPED_TRACE("header " + std::to_string(h));
        EXPECT_EQ(form->ComboBoxGpio[h]->ItemIndex(), item);
        EXPECT_EQ(form->EditPrefixGpio[h]->Text(), prefix);
        EXPECT_EQ(form->ComboBoxGpio[h]->Enabled(), enabled);
        EXPECT_EQ(form->EditPrefixGpio[h]->Enabled(), enabled);
    }
};

}  // namespace

TEST_F(JessamontForm, OpensWithItsDefaultsAndGeneratesTheBoard)
{
    TFormJessamont* form = Open();
    EXPECT_EQ(form->Find<TLabel>("LabelBoardName")->Caption(), "Jessamont     Toolkit");
    EXPECT_EQ(form->EditProjectName->Text(), "Jessamont");
    EXPECT_EQ(form->ButtonGen->Caption(), "Generate");
    ASSERT_NE(form->ButtonDefaultSetting, nullptr);
    for (const auto& entry : form->m_Groups.Entries()) {
        EXPECT_TRUE(entry.Box->Checked()) << entry.Box->Caption();
        for (TShape* shape : entry.Shapes) EXPECT_TRUE(shape->Visible());
    }
    EXPECT_EQ(form->m_Groups.Entries().size(), 12u);
    EXPECT_EQ(ItemTexts(form->ComboBoxGpioVol),
              (std::vector<std::string>{"3.3 V(Default)", "2.5 V", "1.8 V", "1.5 V"}));
    EXPECT_EQ(form->ComboBoxGpioVol->ItemIndex(), 0);
    for (int marker = 0; marker < 4; ++marker) EXPECT_EQ(form->ShapeGpioVoltage[marker]->Visible(), marker == 0);
    for (int h = 0; h < 2; ++h) {
        EXPECT_EQ(ItemTexts(form->ComboBoxGpio[h]), kGpio80Cards3V3);
        ExpectHeader(form, h, None, "", true);
    }

    // The project folder is under "Board"; the success box, then the DDR3
    // and PCIe warnings in one box; no voltage notice without a card.
    UserType(form->EditProjectName, "first");
    const std::string path = Generate(form, kWord, "first");
    ASSERT_EQ(seam.dialogs.size(), 1u);
    EXPECT_EQ(seam.dialogs[0].request.initialFolder, ProjectFolder(kWord, "first"));
    ASSERT_EQ(seam.boxes.size(), 2u);
    EXPECT_EQ(seam.boxes[0].text, kSuccess + ProjectFolder(kWord, "first"));
    EXPECT_EQ(seam.boxes[1].kind, seam::BoxKind::Information);
    EXPECT_EQ(seam.boxes[1].text, kDdr3Warning + kPcieWarning);
    const std::string qsf = Qsf(path);
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE 5CGTFD9D5F27C7"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE_FILTER_SPEED_GRADE C7"));
    EXPECT_EQ(Count(qsf, "set_instance_assignment -name IO_STANDARD"), 186);
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_N9 -to CLOCK_50_B8A"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"1.5 V\" -to DDR3_RZQ"));
    EXPECT_EQ(Count(qsf, "-to DDR3_DQS_p[1]\r\n"), 1);  // its standard, no location
    const std::string sdc = ReadFile(ChangeFileExt(path, ".sdc"));
    EXPECT_TRUE(HasLine(sdc, "create_clock -period \"50.000000 MHz\" [get_ports CLOCK_50_B3B]"));
    EXPECT_TRUE(HasLine(sdc, "create_clock -period \"100.000000 MHz\" [get_ports PCIE_REFCLK_p]"));
    EXPECT_EQ(Count(sdc, "SMA_CLKIN"), 0);
    EXPECT_NE(ReadFile(ChangeFileExt(path, ".htm")).find("Jessamont Kit"), std::string::npos);
    ExpectNoBallTwice(qsf);
    ExpectVerilogCompiles(path);

    // Only the PCIe warning; then none at all.
    UserClick(form->CheckBoxDDR3);
    Generate(form, kWord, "pcie");
    ASSERT_EQ(seam.boxes.size(), 2u);
    EXPECT_EQ(seam.boxes[1].text, kPcieWarning);
    UserClick(form->CheckBoxPCIe);
    Generate(form, kWord, "none");
    EXPECT_EQ(seam.boxes.size(), 1u);
}

TEST_F(JessamontForm, TheEightyPinCardSpansBothHeaders)
{
    TFormJessamont* form = Open();
    UserType(form->EditPrefixGpio[1], "C_");
    UserPick(form->ComboBoxGpio[1], Culm);
    ExpectHeader(form, 0, Culm, "C_", false);
    ExpectHeader(form, 1, Culm, "C_", true);
    EXPECT_TRUE(form->Find<TShape>("ShapeGpio_0")->Visible());
    // The prefix was copied when the headers coupled; a later edit of
    // GPIO_1's prefix does not reach GPIO_0, whose prefix the card gets.
    UserType(form->EditPrefixGpio[1], "D_");
    EXPECT_EQ(form->EditPrefixGpio[0]->Text(), "C_");

    const std::string path = Generate(form, kWord, "culm");
    ASSERT_EQ(seam.boxes.size(), 3u);
    EXPECT_EQ(seam.boxes[0].text, kSuccess + ProjectFolder(kWord, "Jessamont"));
    EXPECT_EQ(seam.boxes[1].text, VoltageNotice("3.3V(7-8)"));
    EXPECT_EQ(seam.boxes[2].text, kDdr3Warning + kPcieWarning);
    const std::string qsf = Qsf(path);
    EXPECT_TRUE(HasLine(qsf, "# GPIO_0_1, GPIO_0_1 connect to Culm - High Speed ADC/DAC"));
    EXPECT_EQ(Count(qsf, "set_location_assignment PIN_G15 -to C_"), 1);
    EXPECT_EQ(Count(qsf, "set_location_assignment PIN_L8 -to C_"), 1);
    EXPECT_EQ(Count(qsf, "-to D_"), 0);
    ExpectNoBallTwice(qsf);
    ExpectVerilogCompiles(path);

    // Another card on GPIO_1 frees GPIO_0.
    UserPick(form->ComboBoxGpio[1], Ivrel);
    ExpectHeader(form, 0, None, "", true);
    // Coupled again, then a voltage change: both on "None", the prefixes
    // kept; the header the card had locked stays locked until a card is
    // chosen on the other.
    UserType(form->EditPrefixGpio[0], "E_");
    UserPick(form->ComboBoxGpio[0], Culm);
    ExpectHeader(form, 1, Culm, "E_", false);
    UserPick(form->ComboBoxGpioVol, 1);
    ExpectHeader(form, 0, None, "E_", true);
    ExpectHeader(form, 1, None, "E_", false);
    EXPECT_FALSE(form->Find<TShape>("ShapeGpio_1")->Visible());
    UserPick(form->ComboBoxGpio[0], 1);  // "GPIO Default - 2.5V"
    ExpectHeader(form, 1, None, "E_", true);
}

TEST_F(JessamontForm, DefaultPairAndThePrefixRule)
{
    TFormJessamont* form = Open();
    UserClick(form->CheckBoxDDR3);
    UserClick(form->CheckBoxPCIe);
    // Both "GPIO Default" without prefix: no check, the pins by header.
    UserPick(form->ComboBoxGpio[0], GpioDefault);
    UserPick(form->ComboBoxGpio[1], GpioDefault);
    std::string path = Generate(form, kWord, "pair");
    ASSERT_TRUE(seam.ErrorTexts().empty());
    std::string qsf = Qsf(path);
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_G15 -to GPIO_0[0]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_J7 -to GPIO_1[35]"));
    EXPECT_EQ(seam.boxes.size(), 2u);  // the success box and the voltage notice
    ExpectVerilogCompiles(path);

    // The same prefix on both: the clash, for saving and generating.
    UserType(form->EditPrefixGpio[0], "P_");
    UserType(form->EditPrefixGpio[1], "P_");
    for (TButton* button : {form->ButtonSave, form->ButtonGen}) {
        seam.boxes.clear();
        seam.dialogs.clear();
        UserClick(button);
        EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{kClash});
        EXPECT_TRUE(seam.dialogs.empty());
    }
    // Different prefixes: each header's pins behind its own.
    UserType(form->EditPrefixGpio[1], "Q_");
    path = Generate(form, kWord, "prefixed");
    qsf = Qsf(path);
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_G15 -to P_GPIO[0]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_J7 -to Q_GPIO[35]"));
    ExpectVerilogCompiles(path);

    // The camera on both headers without prefix clashes too.
    UserPick(form->ComboBoxGpio[0], Ivrel);
    UserPick(form->ComboBoxGpio[1], Ivrel);
    UserType(form->EditPrefixGpio[0], "");
    UserType(form->EditPrefixGpio[1], "");
    seam.boxes.clear();
    UserClick(form->ButtonGen);
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{kClash});
}

TEST_F(JessamontForm, VoltageChoosesTheListsNotTheStandard)
{
    TFormJessamont* form = Open();
    UserPick(form->ComboBoxGpio[0], Ivrel);
    UserType(form->EditPrefixGpio[0], "I_");
    UserPick(form->ComboBoxGpioVol, 1);
    for (int h = 0; h < 2; ++h) {
        EXPECT_EQ(ItemTexts(form->ComboBoxGpio[h]), (std::vector<std::string>{"None", "GPIO Default - 2.5V"}));
        EXPECT_EQ(form->ComboBoxGpio[h]->ItemIndex(), None);
    }
    EXPECT_EQ(form->EditPrefixGpio[0]->Text(), "I_");
    for (int marker = 0; marker < 4; ++marker) EXPECT_EQ(form->ShapeGpioVoltage[marker]->Visible(), marker == 1);
    EXPECT_EQ(form->m_Config.m_Config.nGpioVoltage, 3);
    // The same voltage again changes nothing.
    UserPick(form->ComboBoxGpio[0], 1);
    UserPick(form->ComboBoxGpioVol, 1);
    EXPECT_EQ(form->ComboBoxGpio[0]->ItemIndex(), 1);

    UserClick(form->CheckBoxDDR3);
    UserClick(form->CheckBoxPCIe);
    const std::string path = Generate(form, kWord, "v25");
    ASSERT_EQ(seam.boxes.size(), 2u);
    EXPECT_EQ(seam.boxes[1].text, VoltageNotice("2.5V(5-6)"));
    const std::string qsf = Qsf(path);
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\" -to I_GPIO[0]"));
    ExpectVerilogCompiles(path);

    for (const auto& [item, texts, jumper] :
         {std::tuple{2, std::vector<std::string>{"None", "GPIO Default - 1.8V"}, "1.8V(3-4)"},
          std::tuple{3, std::vector<std::string>{"None", "GPIO Default - 1.5V"}, "1.5V(1-2)"}}) {
        UserPick(form->ComboBoxGpioVol, item);
        EXPECT_EQ(ItemTexts(form->ComboBoxGpio[1]), texts);
        UserPick(form->ComboBoxGpio[1], 1);
        Generate(form, kWord, "v");
        ASSERT_EQ(seam.boxes.size(), 2u);
        EXPECT_EQ(seam.boxes[1].text, VoltageNotice(jumper));
    }
}

TEST_F(JessamontForm, LoadAndDefaultShowTheRecordsVoltage)
{
    TFormJessamont* form = Open();
    UserPick(form->ComboBoxGpioVol, 2);
    UserPick(form->ComboBoxGpio[1], 1);
    UserType(form->EditPrefixGpio[1], "E_");
    const std::string saved = Save(form, "v18.cfg");
    ASSERT_EQ(saved.size(), 412u);
    EXPECT_EQ(saved.substr(148, 4), std::string("\2\0\0\0", 4));
    EXPECT_EQ(static_cast<uint8_t>(saved[153]), 86);
    EXPECT_EQ(saved.substr(282, 3), std::string("E_\0", 3));

    UserPick(form->ComboBoxGpioVol, 0);
    EXPECT_EQ(form->ComboBoxGpio[1]->ItemIndex(), None);
    Load(form, "v18.cfg");
    EXPECT_EQ(form->ComboBoxGpioVol->ItemIndex(), 2);
    EXPECT_EQ(ItemTexts(form->ComboBoxGpio[1]), (std::vector<std::string>{"None", "GPIO Default - 1.8V"}));
    ExpectHeader(form, 1, 1, "E_", true);
    EXPECT_TRUE(form->ShapeGpioVoltage[2]->Visible());
    EXPECT_EQ(Save(form, "again.cfg"), saved);

    UserPick(form->ComboBoxGpioVol, 3);
    UserClick(form->ButtonDefaultSetting);
    EXPECT_EQ(form->ComboBoxGpioVol->ItemIndex(), 0);
    EXPECT_EQ(ItemTexts(form->ComboBoxGpio[0]), kGpio80Cards3V3);
    ExpectHeader(form, 0, None, "", true);
    ExpectHeader(form, 1, None, "", true);
    EXPECT_FALSE(FileExists(folder.Path() + "default.cfg"));

    // A refused file changes nothing and shows nothing.
    seam.boxes.clear();
    LoadRecord(form, std::string(411, '\0'));
    UserClick(form->ButtonLoad);  // cancelled
    EXPECT_TRUE(seam.boxes.empty());
    EXPECT_EQ(form->EditProjectName->Text(), "Jessamont");
}

// Settings files may hold the 80-pin card on one header only, or a voltage
// the form does not offer: the form shows them as the controls can hold
// them, and generates from that.
TEST_F(JessamontForm, RecordsBreakingTheSpanningRuleAreRepaired)
{
    TFormJessamont* form = Open();
    // Coupled by the controls first, so that a load must also free them.
    UserPick(form->ComboBoxGpio[0], Culm);

    struct Case {
        uint8_t card0, card1;
        int item0, item1;
        const char *prefix0, *prefix1;
        bool enabled0, enabled1;
    };
    const Case cases[] = {
        {11, 0, Culm, Culm, "A_", "A_", true, false},
        {0, 11, Culm, Culm, "B_", "B_", false, true},
        {12, 11, Ivrel, None, "A_", "", true, true},
        {11, 12, Culm, Culm, "A_", "A_", true, false},
        {13, 0, Kember, None, "A_", "", true, true},
    };
    int run = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.card0) + "/" + std::to_string(c.card1));
        LoadRecord(form, Record(5, c.card0, c.card1, c.card0 ? "A_" : "", c.card1 ? "B_" : ""));
        ExpectHeader(form, 0, c.item0, c.prefix0, c.enabled0);
        ExpectHeader(form, 1, c.item1, c.prefix1, c.enabled1);
        const std::string path = Generate(form, kWord, "repaired" + std::to_string(run++));
        EXPECT_TRUE(seam.ErrorTexts().empty());
        EXPECT_EQ(seam.boxes.front().text, kSuccess + ProjectFolder(kWord, "rec"));
    }

    // A voltage outside the list: 3.3 V shown, and saved so.
    LoadRecord(form, Record(0x104, 1, 0));
    EXPECT_EQ(form->ComboBoxGpioVol->ItemIndex(), 0);
    EXPECT_EQ(ItemTexts(form->ComboBoxGpio[0]), kGpio80Cards3V3);
    EXPECT_EQ(form->ComboBoxGpio[0]->ItemIndex(), GpioDefault);
    EXPECT_EQ(Save(form, "fixed.cfg").substr(148, 4), std::string("\5\0\0\0", 4));
}

// The names of the three forms: the project name and each card's prefix
// follow the name rule and hold at most 127 bytes.
TEST(CycloneVKitForms, NamesAreCheckedBeforeSavingAndGenerating)
{
    SeamRecorder seam;
    TempFolder folder;
    seam.executableFolder = folder.Path();
    SetExecutablePathForTesting(folder.Path() + "pinloom");
    SetScreenSizeForTesting(1280, 1024);
    {
        TFormMain main(nullptr);
        struct Board {
            uint8_t id;
            const char* combo;  // a card combo and its prefix edit
            const char* prefix;
        };
        for (const Board& b : {Board{MAINBOARD_HETHERMOOR, "ComboBoxHSMC", "EditPrefixHSMC"},
                               Board{MAINBOARD_IVENHOLD, "ComboBoxGpio", "EditPrefixGpio"},
                               Board{MAINBOARD_IVENHOLD, "ComboBoxHSMC", "EditPrefixHSMC"},
                               Board{MAINBOARD_JESSAMONT, "ComboBoxGpio_0", "EditPrefixGpio_0"},
                               Board{MAINBOARD_JESSAMONT, "ComboBoxGpio_1", "EditPrefixGpio_1"}}) {
            main.OpenBoardForm(b.id);
            auto* form = dynamic_cast<TFrameBoardForm*>(main.BoardForm());
            ASSERT_NE(form, nullptr);
            auto* combo = form->Find<TComboBox>(b.combo);
            auto* prefix = form->Find<TEdit>(b.prefix);
            SCOPED_TRACE(b.prefix);
            struct Case {
                const char* project;
                int card;
                const char* prefix;
                const char* message;
            };
            for (const Case& c : {Case{"", 0, "", kProjectNameEmptyMessage}, Case{"1st", 0, "", kProjectNameRuleMessage},
                                  Case{"module", 0, "", kProjectNameRuleMessage},
                                  Case{"ok", 2, "9x", kPrefixNameRuleMessage},
                                  Case{"ok", 2, "a-b", kPrefixNameRuleMessage}}) {
                UserType(form->EditProjectName, c.project);
                UserPick(combo, c.card);
                UserType(prefix, c.prefix);
                SCOPED_TRACE(std::string(c.project) + " " + c.prefix);
                ExpectRefusedByGenerateOnly(seam, form->ButtonGen, form->ButtonSave, *c.project == 0, c.message);
            }
            UserType(form->EditProjectName, std::string(200, 'N'));
            EXPECT_EQ(form->EditProjectName->Text().size(), 127u);
            UserType(prefix, std::string(200, 'P'));
            EXPECT_EQ(prefix->Text().size(), 127u);
            UserPick(combo, 0);
        }

        // Records of the right size at random load and save without a crash.
        std::mt19937 random(38);
        for (uint8_t id : {MAINBOARD_HETHERMOOR, MAINBOARD_IVENHOLD, MAINBOARD_JESSAMONT}) {
            main.OpenBoardForm(id);
            auto* form = dynamic_cast<TFrameBoardForm*>(main.BoardForm());
            const size_t size = id == MAINBOARD_HETHERMOOR ? 284 : id == MAINBOARD_IVENHOLD ? 408 : 412;
            for (int round = 0; round < 20; ++round) {
                std::string bytes(size, '\0');
                for (char& byte : bytes) byte = static_cast<char>(random());
                WriteFile(folder.Path() + "random.cfg", bytes);
                seam.AnswerNextDialog(folder.Path() + "random.cfg");
                UserClick(form->ButtonLoad);
                seam.AnswerNextDialog(folder.Path() + "saved.cfg");
                UserClick(form->ButtonSave);
            }
        }
    }
    EXPECT_FALSE(std::filesystem::exists(folder.Path() + "CodeGenerated"));
    SetExecutablePathForTesting("");
    SetScreenSizeForTesting(0, 0);
}

}  // namespace jessamont_form_test
