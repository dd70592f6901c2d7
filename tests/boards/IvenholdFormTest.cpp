// The Ivenhold form end to end: hosted by the main form, dialogs answered by
// the test, the generated files checked on disk; the GPIO header that takes
// two of the four digits, the HSMC table's repeated balls, the batch over
// both card lists, and the settings file.
#include <cstring>
#include <filesystem>

#include "boards/cyclone5_stratix5/UI_Ivenhold.h"
#include "model/FileReplace.h"
#include "platform/qt/NamedResources.h"
#include "tests/boards/SocFormFixture.h"

namespace ivenhold_form_test {

using namespace socform;

namespace {

const char* const kWord = "IVENHOLD";
const char* const kGpioNotice =
    "Please note that the 2x20 GPIO header share FPGA pins with HEX2/HEX3.\r\n"
    "Before you use the GPIO header, be sure to follow the procedures listed\r\n"
    "below to avoid any hardware damage.\r\n"
    "1. Erase the default code.\r\n"
    "2. Switch the S1/S2 dip switch to the OFF position.\r\n";

// Items of the GPIO combo.
enum GpioItem { GpioNone = 0, GpioDefault, Ivrel, Kember };
// Items of the HSMC combo.
enum HsmcItem { HsmcNone = 0, HsmcDefault, HsmcDefaultXcvr };

const std::vector<uint8_t> kHsmcList = {0,  2,  3,  6,  7,  8,  10, 14, 17, 18, 19, 21, 22,
                                        23, 26, 27, 28, 29, 31, 32, 33, 35, 36, 37, 61};

const std::vector<std::string> kHsmcProjects = {
    "IVENHOLD_HSMC_None",        "IVENHOLD_HSMC_HSMC_Default", "IVENHOLD_HSMC_HSMC_Default_With_Transceiver",
    "IVENHOLD_HSMC_DVI",         "IVENHOLD_HSMC_NET",          "IVENHOLD_HSMC_Brask",
    "IVENHOLD_HSMC_Culm",        "IVENHOLD_HSMC_Eskel",        "IVENHOLD_HSMC_Fyrn_HSMC",
    "IVENHOLD_HSMC_HSMC_Debug",  "IVENHOLD_HSMC_HSMC_Loopback", "IVENHOLD_HSMC_SFP",
    "IVENHOLD_HSMC_SDI",         "IVENHOLD_HSMC_SATA",         "IVENHOLD_HSMC_Pavlin",
    "IVENHOLD_HSMC_Dovra",       "IVENHOLD_HSMC_Quorril",      "IVENHOLD_HSMC_Wistow",
    "IVENHOLD_HSMC_HDMI_TX",     "IVENHOLD_HSMC_HDMI_RX",      "IVENHOLD_HSMC_Jemsok",
    "IVENHOLD_HSMC_Umbrel",      "IVENHOLD_HSMC_Mavrel",       "IVENHOLD_HSMC_HSMC_Loopback_Xcvr",
    "IVENHOLD_HSMC_Wesket"};
const std::vector<std::string> kGpioProjects = {
    "IVENHOLD_GPIO_GPIO_Default",      "IVENHOLD_GPIO_Ivrel",          "IVENHOLD_GPIO_Kember",
    "IVENHOLD_GPIO_Sarnel",            "IVENHOLD_GPIO_Brevik",         "IVENHOLD_GPIO_Tamsil",
    "IVENHOLD_GPIO_Servo_Motor_Kit",   "IVENHOLD_GPIO_RF_and_Sensor",  "IVENHOLD_GPIO_RF_and_Sensor_68",
    "IVENHOLD_GPIO_RISC_V",            "IVENHOLD_GPIO_Jusk_GPIO",      "IVENHOLD_GPIO_GPIO_Default_2_5V",
    "IVENHOLD_GPIO_GPIO_Default_1_8V", "IVENHOLD_GPIO_GPIO_Default_1_5V"};

bool SamePicture(const TImage* image, const char* name)
{
    QImage expected;
    EXPECT_TRUE(LoadNamedPicture(name, expected)) << name;
    return image->HasPicture() && image->PictureWidth() == expected.width() &&
           image->PictureHeight() == expected.height();
}

class IvenholdForm : public SocFormTest<TFormIvenhold, MAINBOARD_IVENHOLD> {};

}  // namespace

TEST_F(IvenholdForm, OpensWithItsDefaults)
{
    TFormIvenhold* form = Open();
    EXPECT_EQ(form->Find<TLabel>("LabelBoardName")->Caption(), "Ivenhold Kit");
    EXPECT_EQ(form->EditProjectName->Text(), "IVENHOLD");
    EXPECT_EQ(form->ButtonGen->Caption(), "Generate");
    ASSERT_NE(form->ButtonDefaultSetting, nullptr);
    EXPECT_EQ(form->ButtonDefaultSetting->Caption(), "Default Setting");
    const char* const captions[14] = {"CLOCK",   "LED x 18",      "Button x 4", "Switch x 10",    "7-Segment x 4",
                                      "HDMI TX", "LPDDR2, 512MB", "SRAM, 512KB", "Audio",         "UART to USB",
                                      "SD CARD", "SMA XCVR (DNI)", "SI5338 I2C", "ADC"};
    for (size_t i = 0; i < 14; ++i) {
        const auto& entry = form->m_Groups.Entries()[i];
        EXPECT_EQ(entry.Box->Caption(), captions[i]);
        EXPECT_EQ(entry.Box->Checked(), i != 11 && i != 12) << captions[i];
        for (TShape* shape : entry.Shapes) EXPECT_EQ(shape->Visible(), entry.Box->Checked());
    }
    std::vector<std::string> hsmc;
    for (uint8_t id : kHsmcList) hsmc.push_back(GetCardDisplayName(id));
    EXPECT_EQ(ItemTexts(form->ComboBoxHSMC), hsmc);
    EXPECT_EQ(ItemTexts(form->ComboBoxGpio), kGpio40Cards);
    EXPECT_TRUE(form->ShapeSeg7->Visible());
    EXPECT_FALSE(form->ShapeSeg7_x2->Visible());
    EXPECT_FALSE(form->ShapeArduino[0]->Visible());
    EXPECT_FALSE(form->ShapeArduino[1]->Visible());
    EXPECT_TRUE(form->Find<TShape>("ShapeDipSwitch")->Visible());
    EXPECT_TRUE(SamePicture(form->ImageHex, "IVENHOLD_HEX_x4_BITMAP"));
}

TEST_F(IvenholdForm, GpioCardTakesHex2AndHex3)
{
    TFormIvenhold* form = Open();
    UserPick(form->ComboBoxGpio, Ivrel);
    UserType(form->EditPrefixGpio, "CAM_");
    EXPECT_EQ(form->CheckBoxSeg7->Caption(), "7-Segment x 2");
    EXPECT_FALSE(form->ShapeSeg7->Visible());
    EXPECT_TRUE(form->ShapeSeg7_x2->Visible());
    EXPECT_TRUE(form->Find<TShape>("ShapeGpio")->Visible());
    EXPECT_TRUE(SamePicture(form->ImageHex, "IVENHOLD_HEX_x2_BITMAP"));
    QImage x2, x4;
    ASSERT_TRUE(LoadNamedPicture("IVENHOLD_HEX_x2_BITMAP", x2));
    ASSERT_TRUE(LoadNamedPicture("IVENHOLD_HEX_x4_BITMAP", x4));
    EXPECT_NE(x2, x4);

    std::string path = Generate(form, kWord, "camera");
    ASSERT_EQ(seam.boxes.size(), 2u);
    EXPECT_EQ(seam.boxes[0].text, kSuccess + ProjectFolder(kWord, "IVENHOLD"));
    EXPECT_EQ(seam.boxes[1].kind, seam::BoxKind::Information);
    EXPECT_EQ(seam.boxes[1].text, kGpioNotice);
    std::string qsf = Qsf(path);
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_V19 -to HEX0[0]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AF24 -to HEX1[6]"));
    EXPECT_EQ(Count(qsf, "HEX2["), 0);
    EXPECT_EQ(Count(qsf, "HEX3["), 0);
    // The header's position 25 is the ball of HEX2[0].
    EXPECT_EQ(Count(qsf, "set_location_assignment PIN_AD7 -to CAM_"), 1);
    EXPECT_EQ(Count(qsf, "set_location_assignment PIN_T21 -to CAM_"), 1);
    ExpectNoBallTwice(qsf);
    ExpectVerilogCompiles(path);

    // None again: four digits, HEX2 and HEX3 at 3.3 V beside HEX0 and HEX1
    // at 1.2 V, and the success box alone.
    UserPick(form->ComboBoxGpio, GpioNone);
    EXPECT_EQ(form->CheckBoxSeg7->Caption(), "7-Segment x 4");
    EXPECT_TRUE(form->ShapeSeg7->Visible());
    EXPECT_TRUE(SamePicture(form->ImageHex, "IVENHOLD_HEX_x4_BITMAP"));
    path = Generate(form, kWord, "digits");
    EXPECT_EQ(seam.boxes.size(), 1u);
    qsf = Qsf(path);
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AD7 -to HEX2[0]"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\" -to HEX3[6]"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"1.2 V\" -to HEX0[0]"));
    EXPECT_NE(ReadFile(ChangeFileExt(path, ".htm")).find("Ivenhold Kit"), std::string::npos);
    const std::string sdc = ReadFile(ChangeFileExt(path, ".sdc"));
    EXPECT_TRUE(HasLine(sdc, "create_clock -period 8.000ns [get_ports CLOCK_125_p]"));
    EXPECT_TRUE(HasLine(sdc, "create_clock -period 20.000ns [get_ports CLOCK_50_B8A]"));
    ExpectVerilogCompiles(path);

    // "Default Setting": every group but the SMA transceiver and the Si5338,
    // no card.
    UserClick(form->m_Groups.Box(0));
    UserClick(form->m_Groups.Box(11));
    UserPick(form->ComboBoxHSMC, HsmcDefault);
    UserPick(form->ComboBoxGpio, Kember);
    UserClick(form->ButtonDefaultSetting);
    EXPECT_TRUE(form->m_Groups.Box(0)->Checked());
    EXPECT_FALSE(form->m_Groups.Box(11)->Checked());
    EXPECT_EQ(form->ComboBoxHSMC->ItemIndex(), HsmcNone);
    EXPECT_EQ(form->ComboBoxGpio->ItemIndex(), GpioNone);
    EXPECT_EQ(form->CheckBoxSeg7->Caption(), "7-Segment x 4");
    EXPECT_FALSE(FileExists(folder.Path() + "default.cfg"));
}

TEST_F(IvenholdForm, HsmcBallsTheTableRepeatsAreGivenOnce)
{
    TFormIvenhold* form = Open();
    for (size_t i = 0; i < 14; ++i)
        if (form->m_Groups.Box(i)->Checked()) UserClick(form->m_Groups.Box(i));
    UserClick(form->m_Groups.Box(11));  // the SMA transceiver
    UserPick(form->ComboBoxHSMC, HsmcDefault);
    const std::string path = Generate(form, kWord, "hsmc");
    ASSERT_TRUE(seam.ErrorTexts().empty());
    const std::string qsf = Qsf(path);
    EXPECT_EQ(Count(qsf, "set_location_assignment PIN_V2 "), 1);
    EXPECT_EQ(Count(qsf, "set_location_assignment PIN_AC4 "), 1);
    EXPECT_EQ(Count(qsf, "set_location_assignment PIN_W4 -to HSMC_"), 1);
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_B7 -to I2C_SCL"));
    ExpectNoBallTwice(qsf);
    const std::string sdc = ReadFile(ChangeFileExt(path, ".sdc"));
    EXPECT_EQ(Count(sdc, "REFCLK_p0"), 0);
    EXPECT_EQ(Count(sdc, "REFCLK_p1"), 0);
    ExpectVerilogCompiles(path);
}

TEST_F(IvenholdForm, BatchWritesEveryHsmcThenEveryGpioProject)
{
    TFormIvenhold* form = Open();
    UserPick(form->ComboBoxGpio, Ivrel);
    UserType(form->EditPrefixGpio, "CAM_");
    UserPick(form->ComboBoxHSMC, HsmcDefaultXcvr);
    UserType(form->EditProjectName, "mine");
    const std::string root = folder.Path() + "batch/";
    GenerateBatch(form, root);
    EXPECT_EQ(seam.beeps, 1);
    EXPECT_TRUE(seam.boxes.empty()) << seam.boxes.front().text;
    ASSERT_EQ(seam.dialogs.size(), 1u);
    EXPECT_EQ(seam.dialogs[0].request.initialFolder, ProjectFolder(kWord, "mine"));
    std::vector<std::string> expected = kHsmcProjects;
    expected.insert(expected.end(), kGpioProjects.begin(), kGpioProjects.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Folders(root), expected);
    // The controls as they were, pictures and outlines never moved.
    EXPECT_EQ(form->EditProjectName->Text(), "mine");
    EXPECT_EQ(form->ComboBoxGpio->ItemIndex(), Ivrel);
    EXPECT_EQ(form->ComboBoxHSMC->ItemIndex(), HsmcDefaultXcvr);

    // The HSMC projects carry the GPIO card, the GPIO projects no HSMC card;
    // the first has no HSMC card either; the default naming gets "HSMC_".
    auto qsfOf = [&](const std::string& name) { return ReadFile(root + name + "/" + name + ".qsf"); };
    EXPECT_EQ(Count(qsfOf("IVENHOLD_HSMC_None"), "HSMC connect to"), 0);
    EXPECT_EQ(Count(qsfOf("IVENHOLD_HSMC_None"), "-to CAM_"), Count(qsfOf("IVENHOLD_HSMC_DVI"), "-to CAM_"));
    EXPECT_GT(Count(qsfOf("IVENHOLD_HSMC_DVI"), "-to CAM_"), 0);
    EXPECT_GT(Count(qsfOf("IVENHOLD_HSMC_HSMC_Default"), "-to HSMC_"), 0);
    for (const std::string& name : kGpioProjects) EXPECT_EQ(Count(qsfOf(name), "HSMC connect to"), 0) << name;
    std::vector<std::string> paths;
    for (const std::string& name : expected) paths.push_back(root + name + "/" + name + ".qpf");
    ExpectVerilogCompiles(paths);
}

TEST_F(IvenholdForm, BatchCancelledOrFailing)
{
    TFormIvenhold* form = Open();
    UserPick(form->ComboBoxHSMC, HsmcDefault);
    GenerateBatch(form, "");
    EXPECT_EQ(seam.beeps, 1);
    EXPECT_TRUE(seam.boxes.empty());
    EXPECT_EQ(seam.dialogs.size(), 1u);
    EXPECT_EQ(form->ComboBoxHSMC->ItemIndex(), HsmcDefault);

    // The first project fails: the writer's box, nothing more, and the
    // controls put back.
    SetWriteFailureForTesting("IVENHOLD_HSMC_None.v", 5);
    const std::string root = folder.Path() + "fail/";
    GenerateBatch(form, root);
    SetWriteFailureForTesting("", 0);
    ASSERT_FALSE(seam.ErrorTexts().empty());
    EXPECT_EQ(seam.ErrorTexts().back(), "Failed to create file IVENHOLD_HSMC_None.v");
    EXPECT_TRUE(seam.InfoTexts().empty());
    EXPECT_EQ(Folders(root), std::vector<std::string>{"IVENHOLD_HSMC_None"});
    EXPECT_EQ(form->EditProjectName->Text(), "IVENHOLD");
    EXPECT_EQ(form->ComboBoxHSMC->ItemIndex(), HsmcDefault);
}

TEST_F(IvenholdForm, SettingsFileAndCraftedRecords)
{
    TFormIvenhold* form = Open();
    UserPick(form->ComboBoxGpio, Kember);
    UserType(form->EditPrefixGpio, "K_");
    UserPick(form->ComboBoxHSMC, HsmcDefaultXcvr);
    UserType(form->EditPrefixHSMC, "H_");
    UserClick(form->m_Groups.Box(12));  // Si5338
    const std::string saved = Save(form, "i.cfg");
    ASSERT_EQ(saved.size(), 408u);
    EXPECT_EQ(saved[0], MAINBOARD_IVENHOLD);
    EXPECT_EQ(saved.substr(136, 14), std::string("\1\1\1\1\1\1\1\1\1\1\1\0\1\1", 14));
    EXPECT_EQ(static_cast<uint8_t>(saved[150]), 13);
    EXPECT_EQ(saved.substr(151, 3), std::string("K_\0", 3));
    EXPECT_EQ(static_cast<uint8_t>(saved[279]), 3);
    EXPECT_EQ(saved.substr(280, 3), std::string("H_\0", 3));
    UserClick(form->ButtonDefaultSetting);
    Load(form, "i.cfg");
    EXPECT_EQ(form->ComboBoxGpio->ItemIndex(), Kember);
    EXPECT_EQ(form->EditPrefixHSMC->Text(), "H_");
    EXPECT_EQ(form->CheckBoxSeg7->Caption(), "7-Segment x 2");
    EXPECT_EQ(Save(form, "i2.cfg"), saved);

    // Cards the lists do not offer leave each combo at the card it showed
    // before the load: "None" after "Default Setting" (no prefix), the
    // cards picked since (with the record's prefixes); the record written
    // back holds what the combos show.
    std::string crafted = saved;
    crafted[150] = 11;   // the 80-pin card, not on a 40-pin header
    crafted[279] = 57;   // a 3.3 V HSMC card
    WriteFile(folder.Path() + "crafted.cfg", crafted);
    UserClick(form->ButtonDefaultSetting);
    Load(form, "crafted.cfg");
    EXPECT_EQ(form->ComboBoxGpio->ItemIndex(), GpioNone);
    EXPECT_EQ(form->ComboBoxHSMC->ItemIndex(), HsmcNone);
    EXPECT_EQ(form->EditPrefixGpio->Text(), "");
    EXPECT_EQ(form->EditPrefixHSMC->Text(), "");
    EXPECT_EQ(form->CheckBoxSeg7->Caption(), "7-Segment x 4");
    IVENHOLD_CONFIG record{};
    form->FormToConfig(record);
    EXPECT_EQ(record.nGpioDaughterId, 0);
    EXPECT_EQ(record.nHsmcDaughterId, 0);

    UserPick(form->ComboBoxGpio, Ivrel);
    UserPick(form->ComboBoxHSMC, HsmcDefault);
    UserType(form->EditPrefixGpio, "typed_");
    Load(form, "crafted.cfg");
    EXPECT_EQ(form->ComboBoxGpio->ItemIndex(), Ivrel);
    EXPECT_EQ(form->ComboBoxHSMC->ItemIndex(), HsmcDefault);
    EXPECT_EQ(form->EditPrefixGpio->Text(), "K_");
    EXPECT_EQ(form->EditPrefixHSMC->Text(), "H_");
    EXPECT_EQ(form->CheckBoxSeg7->Caption(), "7-Segment x 2");
    EXPECT_TRUE(form->ImageGpio->Visible());
    form->FormToConfig(record);
    EXPECT_EQ(record.nGpioDaughterId, 12);
    EXPECT_EQ(record.nHsmcDaughterId, 2);
}

}  // namespace ivenhold_form_test
