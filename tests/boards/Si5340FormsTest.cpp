// The Tarrowind, Fallowmere and Garvelow forms end to end: the real main
// form hosts them, the test answers the dialogs and the questions, and checks
// the boxes and the files on disk. Generated top levels are compiled with
// their exported clock-controller files by Icarus Verilog with
// `default_nettype none`.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <random>

#include "app/UnitMain.h"
#include "boards/arria10/UI_Fallowmere.h"
#include "boards/arria10/UI_Garvelow.h"
#include "boards/arria10/UI_Tarrowind.h"
#include "model/Text.h"
#include "platform/FormsTesting.h"
#include "platform/qt/NamedResources.h"
#include "tests/boards/HostedFormFixture.h"
#include "tests/boards/NoticeTexts.h"
#include "tests/support/ProjectText.h"
#include "tests/support/ProgramResources.h"
#include "tests/support/SeamRecorder.h"
#include "tests/support/TestFiles.h"

namespace si5340_forms_test {

namespace {

const char* const kSuccess = "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n";
const char* const kQuestionEnd = "Do you want to continued?";

std::string QuestionA(const std::string& list)
{
    return list + " interface is enabled, but the associated programmable oscillator SI5338A is not enalbed.\r\n";
}
std::string QuestionB(const std::string& list)
{
    return list + " interface is enabled, but the associated programmable oscillator SI5338B is not enabled.\r\n";
}

// The controller files the Fallowmere/Garvelow set and the Tarrowind set
// export, by resource name (the names ignore case).
std::vector<std::string> ControllerResources()
{
    std::vector<std::string> names;
    for (const char* module :
         {"clock_divider", "edge_detector", "i2c_bus_controller", "initial_config", "si5340a_clk_frq_sel_gen",
          "si5340a_controller", "si5340a_freq_prameter_selector", "si5340a_i2c_reg_controller",
          "si5340b_clk_frq_sel_gen", "si5340b_controller", "si5340b_freq_prameter_selector",
          "si5340b_i2c_reg_controller"}) {
        const std::string file = std::string(module) + "_verilog";
        const bool common = file.rfind("si5340", 0) != 0;
        names.push_back("fallowmere_" + file);
        names.push_back(common ? "tarrowind_" + file : file);
    }
    return names;
}

std::vector<std::string> ItemsOf(const TComboBox* combo)
{
    std::vector<std::string> items;
    for (int i = 0; i < combo->ItemCount(); ++i) items.push_back(combo->ItemText(i));
    return items;
}

const std::vector<std::string> kSi5340AItems = {"Not Use",   "100.00000", "125.00000", "156.25000",
                                                "250.00000", "312.50000", "322.26500", "644.53125"};

class Si5340Forms : public HostedFormTest {
protected:
    void SetUp() override
    {
        ServeProgramResources(seam, ControllerResources());
        HostedFormTest::SetUp();
    }
    void ExpectCompiles(const std::string& projectFolder, const std::string& name)
    {
        HostedFormTest::ExpectCompiles(projectFolder, name, "si5340_controller");
    }
    std::vector<std::string> ControllerFiles(const std::string& projectFolder) const
    {
        return FilesIn(projectFolder + "si5340_controller");
    }
};

TCheckBox* Box(TForm* form, const std::string& name) { return form->Find<TCheckBox>(name); }

}  // namespace

// ---- Tarrowind --------------------------------------------------------------

TEST_F(Si5340Forms, TarrowindOpensWithItsDefaultsAndExitWritesThem)
{
    auto* form = Open<TFormTarrowind>(MAINBOARD_TARROWIND);
    EXPECT_EQ(form->Caption(), "Tarrowind V1.0.1");
    EXPECT_EQ(form->ClientWidth(), 831);
    EXPECT_EQ(form->ClientHeight(), 588);
    EXPECT_EQ(form->EditProjectName->Text(), "TARROWIND");
    EXPECT_EQ(form->EditProjectName->MaxLength(), 127);
    EXPECT_EQ(ItemsOf(form->ComboBoxBoard),
              (std::vector<std::string>{"I2 1150K: 10AX115N3F45I2SG", "E2 1150K: 10AX115N3F45E2SG",
                                        "E1 1150K: 10AX115N2F45E1SG", "I2  900K: 10AX090N3F45I2SG"}));
    EXPECT_EQ(form->ComboBoxBoard->ItemIndex(), 0);
    const std::vector<std::string> ticked = {"CheckBoxOSC",    "CheckBoxLED",  "CheckBoxSeg7",  "CheckBoxButton",
                                             "CheckBoxSwitch", "CheckBoxTemp", "CheckBoxPower", "CheckBoxFan",
                                             "CheckBoxFlash",  "CheckBoxRs422"};
    ASSERT_EQ(form->m_Flags.Entries().size(), 23u);
    for (const auto& flag : form->m_Flags.Entries()) {
        const bool on = std::find(ticked.begin(), ticked.end(), flag.Box->Name()) != ticked.end();
        EXPECT_EQ(flag.Box->Checked(), on) << flag.Box->Name();
        for (const TShape* shape : flag.Shapes) EXPECT_EQ(shape->Visible(), on) << flag.Box->Name();
    }
    EXPECT_TRUE(form->Find<TShape>("ShapeBracketLED")->Visible());
    EXPECT_FALSE(form->ShapeSi5340A->Visible());
    EXPECT_FALSE(form->ShapeSi5340B->Visible());
    for (int i = 0; i < 4; ++i) EXPECT_EQ(ItemsOf(form->m_Si5340AComboBoxes[i]), kSi5340AItems);
    EXPECT_EQ(ItemsOf(form->m_Si5340BComboBoxes[0]),
              (std::vector<std::string>{"Not Use", "200.00000", "233.33300", "266.66700"}));
    EXPECT_EQ(ItemsOf(form->m_Si5340BComboBoxes[1]),
              (std::vector<std::string>{"Not Use", "225.00000", "233.33300", "250.00000", "275.00000"}));
    EXPECT_EQ(ItemsOf(form->m_Si5340BComboBoxes[2]), (std::vector<std::string>{"Not Use", "100.00000"}));
    for (int i = 0; i < 7; ++i) {
        TComboBox* combo = form->m_Clock[i].Combo;
        EXPECT_FALSE(combo->Enabled()) << i;
        EXPECT_EQ(combo->Text(), "Not Use") << i;
    }
    EXPECT_EQ(form->ButtonGen->Caption(), "Generate...");
    EXPECT_TRUE(form->ButtonExit->Default);
    // The maker's logo is shown; the DDR3 boxes' hint is theirs alone (the
    // hover shows it), no label repeats it.
    const TImage* logo = form->Find<TImage>("ImageKalvora");
    EXPECT_TRUE(logo->Visible());
    EXPECT_TRUE(logo->HasPicture());
    for (const TControl* control : form->Controls())
        if (const auto* label = dynamic_cast<const TLabel*>(control)) {
            EXPECT_EQ(label->Caption().find("data rate"), std::string::npos) << label->Name();
        }

    UserClick(form->ButtonExit);
    const std::string saved = ReadFile(folder.Path() + "default.cfg");
    ASSERT_EQ(saved.size(), 188u);
    EXPECT_EQ(saved[0], 27);
    EXPECT_EQ(std::string(saved.c_str() + 8), "TARROWIND");
}

TEST_F(Si5340Forms, TarrowindRemembersAClockChoiceAndAsksBeforeGeneratingWithoutOne)
{
    auto* form = Open<TFormTarrowind>(MAINBOARD_TARROWIND);
    TCheckBox* qsfpA = form->CheckBoxQsfp[0];
    TComboBox* comboA = form->m_Si5340AComboBoxes[0];
    UserClick(qsfpA);
    EXPECT_TRUE(comboA->Enabled());
    EXPECT_EQ(comboA->Text(), "Not Use");
    EXPECT_TRUE(form->ShapeSi5340A->Visible());

    const std::string project = Generate(form, "Tarrowind", "TARROWIND", {false});
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{QuestionA("QSFPA") + kQuestionEnd});
    EXPECT_EQ(seam.boxes[0].kind, seam::BoxKind::Warning);
    EXPECT_TRUE(seam.dialogs.empty());

    UserPick(comboA, 7);
    UserClick(qsfpA);
    EXPECT_FALSE(comboA->Enabled());
    EXPECT_EQ(comboA->Text(), "Not Use");
    UserClick(qsfpA);
    EXPECT_EQ(comboA->Text(), "644.53125");

    // Both DDR3 sockets and the on-board PCIe clock without their outputs.
    UserClick(qsfpA);
    UserClick(form->CheckBoxSocket[0]);
    UserClick(form->CheckBoxSocket[1]);
    UserClick(form->CheckBoxPceiClk);
    EXPECT_TRUE(form->ShapeSi5340B->Visible());
    Generate(form, "Tarrowind", "TARROWIND", {false});
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{QuestionB("DDR3/On-Board PCIe ref clock") + kQuestionEnd});
    EXPECT_FALSE(std::filesystem::exists(project + "TARROWIND.qpf"));
}

TEST_F(Si5340Forms, TarrowindSelectAllGeneratesEverythingWithBothControllers)
{
    auto* form = Open<TFormTarrowind>(MAINBOARD_TARROWIND);
    UserClick(form->ButtonButtonDefaultAllSetting);
    for (const auto& flag : form->m_Flags.Entries())
        if (flag.Box) {
            EXPECT_TRUE(flag.Box->Checked()) << flag.Box->Name();
        }
    for (TComboBox* combo : form->m_Si5340AComboBoxes) EXPECT_EQ(combo->Text(), "644.53125");
    EXPECT_EQ(form->m_Si5340BComboBoxes[0]->Text(), "266.66700");
    EXPECT_EQ(form->m_Si5340BComboBoxes[1]->Text(), "250.00000");
    EXPECT_EQ(form->m_Si5340BComboBoxes[2]->Text(), "100.00000");

    const std::string project = Generate(form, "Tarrowind", "TARROWIND");
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{MemoryNotice("DDR3-SDRAM/QDRII+ SRAM") +
                                                        TransceiverNotice("PCIe/QSFP+"),
                                                    kSuccess + project}));
    const std::string qsf = ReadFile(project + "TARROWIND.qsf");
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE 10AX115N3F45I2SG"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name INPUT_TERMINATION DIFFERENTIAL -to DDR3A_REFCLK_p"));
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name VERILOG_FILE si5340_controller/si5340b_controller.v"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AV33 -to DDR3A_REFCLK_p"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AH35 -to DDR3A_DQ[4]"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"1.8 V\" -to FLASH_D[5]"));
    EXPECT_EQ(Count(qsf, "-to FLASH_D[5]"), 1);  // no location line for a ball we do not know
    ExpectNoBallTwice(qsf);
    const std::string top = ReadFile(project + "TARROWIND.v");
    EXPECT_NE(top.find("si5340b_controller si5340b_controller(\r\n"), std::string::npos);
    EXPECT_NE(top.find("    .iPLL_OUT_FREQ_SEL(`DDR266_QDR250_PCIE100),\r\n"), std::string::npos);
    // The DDR3 reference clocks stay ports after the modules are attached.
    EXPECT_NE(top.find("DDR3A_REFCLK_p"), std::string::npos);
    EXPECT_NE(top.find("DDR3B_REFCLK_p"), std::string::npos);
    const std::string sdc = ReadFile(project + "TARROWIND.sdc");
    EXPECT_TRUE(HasLine(sdc, "create_clock -period \"266.667000 MHz\" [get_ports DDR3A_REFCLK_p]"));
    EXPECT_TRUE(HasLine(sdc, "create_clock -period \"644.531250 MHz\" [get_ports QSFPD_REFCLK_p]"));
    EXPECT_TRUE(HasLine(sdc, "create_clock -period \"50.000000 MHz\" [get_ports CLK_50_B2J]"));
    EXPECT_EQ(ControllerFiles(project).size(), 12u);
    ExpectCompiles(project, "TARROWIND");
}

TEST_F(Si5340Forms, TarrowindAttachesOnlyTheTickedSocket)
{
    auto* form = Open<TFormTarrowind>(MAINBOARD_TARROWIND);
    UserClick(form->CheckBoxSocket[1]);
    UserPick(form->m_Si5340BComboBoxes[0], 2);
    UserPick(form->ComboBoxBoard, 3);
    const std::string project = Generate(form, "Tarrowind", "TARROWIND");
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{MemoryNotice("DDR3-SDRAM"), kSuccess + project}));
    const std::string top = ReadFile(project + "TARROWIND.v");
    EXPECT_EQ(top.find("DDR3A_"), std::string::npos);
    EXPECT_NE(top.find("DDR3B_DQ"), std::string::npos);
    EXPECT_NE(top.find("    .iPLL_OUT_FREQ_SEL(`DDR233_QDR275_PCIE100),\r\n"), std::string::npos);
    EXPECT_EQ(top.find("si5340a_controller"), std::string::npos);
    const std::string qsf = ReadFile(project + "TARROWIND.qsf");
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE 10AX090N3F45I2SG"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AP14 -to DDR3B_REFCLK_p"));
    EXPECT_TRUE(HasLine(ReadFile(project + "TARROWIND.sdc"),
                        "create_clock -period \"233.333000 MHz\" [get_ports DDR3B_REFCLK_p]"));
    EXPECT_EQ(ControllerFiles(project).size(), 8u);
    ExpectCompiles(project, "TARROWIND");

    // Only PCIe among the transceivers; no memory.
    UserClick(form->CheckBoxSocket[1]);
    UserClick(form->CheckBoxPCIe);
    Generate(form, "Tarrowind", "TARROWIND");
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{TransceiverNotice("PCIe"), kSuccess + project}));
}

TEST_F(Si5340Forms, TarrowindSettingsRoundTripAndValuesOutsideTheirLists)
{
    auto* form = Open<TFormTarrowind>(MAINBOARD_TARROWIND);
    UserClick(form->CheckBoxQdr[2]);
    UserPick(form->m_Si5340BComboBoxes[1], 2);
    UserType(form->EditProjectName, "alpha");
    const std::string path = folder.Path() + "mine.cfg";
    seam.AnswerNextDialog(path);
    UserClick(form->ButtonSave);
    const std::string saved = ReadFile(path);
    ASSERT_EQ(saved.size(), 188u);
    EXPECT_EQ(saved[148], 1);   // bQDRIIC
    EXPECT_EQ(saved[180], 2);   // QDRII+ choice

    // A file of another size is refused; so is a cancelled dialog.
    WriteFile(folder.Path() + "short.cfg", saved.substr(0, 187));
    seam.boxes.clear();
    seam.AnswerNextDialog(folder.Path() + "short.cfg");
    UserClick(form->ButtonLoad);
    UserClick(form->ButtonLoad);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Failed to load setting", "Failed to load setting"}));

    // A hand-made record: another board id, a device and choices outside
    // their lists. They are shown as the default items and written back.
    std::string crafted = saved;
    crafted[0] = 28;
    crafted[1] = 9;
    crafted[160] = 8;
    crafted[180] = 5;
    crafted[184] = static_cast<char>(0xFF);
    crafted[185] = crafted[186] = crafted[187] = static_cast<char>(0xFF);  // -1
    WriteFile(folder.Path() + "crafted.cfg", crafted);
    seam.AnswerNextDialog(folder.Path() + "crafted.cfg");
    UserClick(form->ButtonLoad);
    EXPECT_EQ(form->EditProjectName->Text(), "alpha");
    EXPECT_EQ(form->ComboBoxBoard->ItemIndex(), 0);
    EXPECT_EQ(form->m_Si5340BComboBoxes[1]->Text(), "Not Use");
    seam.AnswerNextDialog(path);
    UserClick(form->ButtonSave);
    const std::string back = ReadFile(path);
    EXPECT_EQ(back[0], 27);
    EXPECT_EQ(back[1], 0);
    EXPECT_EQ(back[160], 0);
    EXPECT_EQ(back[180], 0);
    EXPECT_EQ(back[184], 0);

    // The same file saved and loaded back stays byte-equal.
    seam.AnswerNextDialog(path);
    UserClick(form->ButtonLoad);
    seam.AnswerNextDialog(folder.Path() + "again.cfg");
    UserClick(form->ButtonSave);
    EXPECT_EQ(ReadFile(folder.Path() + "again.cfg"), back);
}

TEST_F(Si5340Forms, TarrowindEmptyNameAndCancelledDialog)
{
    auto* form = Open<TFormTarrowind>(MAINBOARD_TARROWIND);
    UserType(form->EditProjectName, "");
    UserClick(form->ButtonGen);
    UserClick(form->ButtonSave);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Project Name cannot be empty.", "Project Name cannot be empty."}));
    EXPECT_TRUE(seam.dialogs.empty());
    UserType(form->EditProjectName, "beta");
    seam.boxes.clear();
    UserClick(form->ButtonGen);  // the dialog is cancelled
    EXPECT_TRUE(seam.boxes.empty());
    EXPECT_TRUE(std::filesystem::is_directory(ProjectFolder("Tarrowind", "beta")));
}

TEST_F(Si5340Forms, CraftedRecordsNeverBreakTheForms)
{
    std::mt19937 random(12345);
    for (uint8_t id : {MAINBOARD_TARROWIND, MAINBOARD_FALLOWMERE, MAINBOARD_GARVELOW}) {
        const size_t size = id == MAINBOARD_TARROWIND ? 188 : 180;
        for (int round = 0; round < 4; ++round) {
            std::string bytes(size, '\0');
            for (char& b : bytes) b = static_cast<char>(random());
            WriteDefault(bytes);
            auto* form = dynamic_cast<TFrameBoardForm*>((main->OpenBoardForm(id), main->BoardForm()));
            ASSERT_NE(form, nullptr);
            const std::string name = "crafted";
            form->Find<TEdit>("EditProjectName")->SetText(name);
            const std::string project = Generate(form, form->Row().FolderWord, name, {true});
            EXPECT_TRUE(FileExists(project + name + ".htm")) << int(id) << " " << round;
            EXPECT_EQ(std::count_if(seam.boxes.begin(), seam.boxes.end(),
                                    [](const auto& box) { return box.kind == seam::BoxKind::Error; }),
                      0);
        }
    }
}

// ---- Fallowmere and Garvelow ----------------------------------------------

namespace {

template <class F>
struct PairTraits;
template <>
struct PairTraits<TFormFallowmere> {
    static constexpr uint8_t kId = MAINBOARD_FALLOWMERE;
    static constexpr const char* kWord = "Fallowmere";
    static constexpr bool kGarvelow = false;
};
template <>
struct PairTraits<TFormGarvelow> {
    static constexpr uint8_t kId = MAINBOARD_GARVELOW;
    static constexpr const char* kWord = "Garvelow";
    static constexpr bool kGarvelow = true;
};

template <class F>
class PairForms : public Si5340Forms {
protected:
    using T = PairTraits<F>;
    F* Open() { return Si5340Forms::Open<F>(T::kId); }
    std::string Generate(F* form, std::initializer_list<bool> answers = {})
    {
        return Si5340Forms::Generate(form, T::kWord, form->EditProjectName->Text(), answers);
    }
    std::string Name(F* form) const { return form->EditProjectName->Text(); }
};
using PairFormTypes = ::testing::Types<TFormFallowmere, TFormGarvelow>;
TYPED_TEST_SUITE(PairForms, PairFormTypes);

}  // namespace

TYPED_TEST(PairForms, OpensWithTheDefaults)
{
    auto* form = this->Open();
    EXPECT_EQ(form->EditProjectName->Text(), PairTraits<TypeParam>::kWord);
    const std::vector<std::string> ticked = {"CheckBoxOSC",  "CheckBoxLED",   "CheckBoxButton", "CheckBoxSwitch",
                                             "CheckBoxTemp", "CheckBoxPower", "CheckBoxFan",    "CheckBoxFlash"};
    ASSERT_EQ(form->m_Flags.Entries().size(), PairTraits<TypeParam>::kGarvelow ? 23u : 22u);
    for (const auto& flag : form->m_Flags.Entries()) {
        if (!flag.Box) continue;  // the LTM4677 byte has no control
        EXPECT_EQ(flag.Box->Checked(), std::find(ticked.begin(), ticked.end(), flag.Box->Name()) != ticked.end())
            << flag.Box->Name();
    }
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(form->m_Clock[i].Combo->Enabled());
        EXPECT_EQ(form->m_Clock[i].Combo->Text(), "Not Use");
    }
    for (int i = 0; i < 4; ++i) EXPECT_EQ(ItemsOf(form->m_Si5340AComboBoxes[i]), kSi5340AItems);
    EXPECT_EQ(ItemsOf(form->m_Si5340BComboBoxes[0]),
              (std::vector<std::string>{"Not Use", "225.00000", "250.00000", "275.00000"}));
    EXPECT_FALSE(form->ShapeSi5340A->Visible());
    EXPECT_FALSE(form->ShapeSi5340B->Visible());
    EXPECT_EQ(form->CheckBoxPCIe2 != nullptr, PairTraits<TypeParam>::kGarvelow);
    if (form->CheckBoxPCIe2) {
        EXPECT_FALSE(form->CheckBoxPCIe2->Enabled());
    }
    EXPECT_EQ(Box(form, "CheckBoxRs422")->Caption(), PairTraits<TypeParam>::kGarvelow ? "2x5 Timing Header" : "RS422 Expansion ");

    UserClick(form->ButtonExit);
    EXPECT_EQ(ReadFile(this->folder.Path() + "default.cfg").size(), 180u);
}

TYPED_TEST(PairForms, RememberedChoicesAndSelectAll)
{
    auto* form = this->Open();
    UserClick(form->CheckBoxQsfp[0]);
    EXPECT_TRUE(form->m_Si5340AComboBoxes[0]->Enabled());
    EXPECT_EQ(form->m_Si5340AComboBoxes[0]->Text(), "Not Use");

    UserClick(form->ButtonButtonDefaultAllSetting);
    for (const auto& flag : form->m_Flags.Entries())
        if (flag.Box) {
            EXPECT_TRUE(flag.Box->Checked()) << flag.Box->Name();
        }
    for (TComboBox* combo : form->m_Si5340AComboBoxes) EXPECT_EQ(combo->Text(), "644.53125");
    EXPECT_EQ(form->m_Si5340BComboBoxes[0]->Text(), "275.00000");
    UserClick(form->CheckBoxQsfp[1]);
    UserClick(form->CheckBoxQsfp[1]);
    EXPECT_EQ(form->m_Si5340AComboBoxes[1]->Text(), "644.53125");
    // A change of any Si5340A combo stores "Not Use" for an unticked cage.
    UserClick(form->CheckBoxQsfp[1]);
    UserPick(form->m_Si5340AComboBoxes[0], 2);
    UserClick(form->CheckBoxQsfp[1]);
    EXPECT_EQ(form->m_Si5340AComboBoxes[1]->Text(), "Not Use");
    EXPECT_EQ(form->m_Si5340AComboBoxes[0]->Text(), "125.00000");
}

TYPED_TEST(PairForms, OneQuestionForBothGeneratorsThenNoClockAtNotUse)
{
    auto* form = this->Open();
    UserClick(form->CheckBoxQsfp[0]);
    UserClick(form->CheckBoxQsfp[2]);
    UserClick(form->CheckBoxQdr[3]);
    EXPECT_TRUE(form->ShapeSi5340B->Visible());
    this->Generate(form, {false});
    EXPECT_EQ(this->BoxTexts(), std::vector<std::string>{QuestionA("QSFPA/QSFPC") + QuestionB("QDRII") + kQuestionEnd});
    EXPECT_TRUE(this->seam.dialogs.empty());

    const std::string project = this->Generate(form, {true});
    ASSERT_EQ(this->seam.boxes.size(), 3u);
    EXPECT_EQ(this->seam.boxes[1].text, MemoryNotice("QDRII+ SRAM") + TransceiverNotice("QSFP+"));
    EXPECT_EQ(this->seam.boxes[2].text, kSuccess + project);
    const std::string sdc = ReadFile(project + this->Name(form) + ".sdc");
    EXPECT_EQ(sdc.find("QSFPA_REFCLK_p"), std::string::npos);
    EXPECT_EQ(sdc.find("QDRIID_REFCLK_p"), std::string::npos);
    EXPECT_TRUE(HasLine(sdc, "create_clock -period \"50.000000 MHz\" [get_ports CLK_50_B2F]"));
    // No generator in use: no controller, no file.
    EXPECT_TRUE(this->ControllerFiles(project).empty());
    this->ExpectCompiles(project, this->Name(form));
}

TYPED_TEST(PairForms, NoticesInTheirOrderAndTheControllersOfTheChoices)
{
    auto* form = this->Open();
    UserClick(form->CheckBoxPCIe);
    UserClick(form->CheckBoxQsfp[1]);
    UserPick(form->m_Si5340AComboBoxes[1], 6);
    UserClick(form->CheckBoxQdr[0]);
    UserPick(form->m_Si5340BComboBoxes[0], 1);
    const std::string project = this->Generate(form);
    EXPECT_EQ(this->BoxTexts(), (std::vector<std::string>{MemoryNotice("QDRII+ SRAM") + TransceiverNotice("PCIe/QSFP+"),
                                                    kSuccess + project}));
    const std::string name = this->Name(form);
    const std::string top = ReadFile(project + name + ".v");
    EXPECT_NE(top.find("    .iPLL_OUT1_FREQ_SEL(`SI5340A_322M265625),//QSFP-B\r\n"), std::string::npos);
    EXPECT_NE(top.find("    .iPLL_OUT_FREQ_SEL(`REFCLK_QDR225),\r\n"), std::string::npos);
    const std::string sdc = ReadFile(project + name + ".sdc");
    EXPECT_TRUE(HasLine(sdc, "create_clock -period \"322.265000 MHz\" [get_ports QSFPB_REFCLK_p]"));
    EXPECT_TRUE(HasLine(sdc, "create_clock -period \"225.000000 MHz\" [get_ports QDRIIA_REFCLK_p]"));
    const std::string qsf = ReadFile(project + name + ".qsf");
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name VERILOG_FILE si5340_controller/si5340b_controller.v"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name INPUT_TERMINATION DIFFERENTIAL -to QDRIIA_REFCLK_p"));
    ExpectNoBallTwice(qsf);
    EXPECT_EQ(this->ControllerFiles(project).size(), 12u);
    this->ExpectCompiles(project, name);

    // Nothing that asks for a notice: the success box alone.
    UserClick(form->ButtonDefaultSetting);
    this->Generate(form);
    EXPECT_EQ(this->BoxTexts(), std::vector<std::string>{kSuccess + project});
}

TYPED_TEST(PairForms, SelectAllGeneratesAProjectThatCompiles)
{
    auto* form = this->Open();
    UserClick(form->ButtonButtonDefaultAllSetting);
    const std::string project = this->Generate(form);
    ASSERT_EQ(this->seam.boxes.size(), 2u);
    const std::string name = this->Name(form);
    const std::string qsf = ReadFile(project + name + ".qsf");
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE 10AX115N2F45E1SG"));
    EXPECT_EQ(qsf.find("LTM4677"), std::string::npos);
    EXPECT_EQ(HasLine(qsf, "set_instance_assignment -name XCVR_IO_PIN_TERMINATION 100_OHMS -to PCIE2_TX_p"),
              PairTraits<TypeParam>::kGarvelow);
    ExpectNoBallTwice(qsf);
    this->ExpectCompiles(project, name);
}

TYPED_TEST(PairForms, LoadedFilesKeepTheFieldWithoutControlAndTakeTheSistersRecord)
{
    auto* form = this->Open();
    // A record of the sister board with the LTM4677 byte of this board set.
    std::string bytes(180, '\0');
    bytes[0] = PairTraits<TypeParam>::kGarvelow ? 33 : 34;
    bytes[4] = static_cast<char>(180);
    std::memcpy(&bytes[8], "sister", 6);
    bytes[PairTraits<TypeParam>::kGarvelow ? 157 : 156] = 1;
    bytes[152] = 1;  // PCIe
    WriteFile(this->folder.Path() + "sister.cfg", bytes);
    this->seam.AnswerNextDialog(this->folder.Path() + "sister.cfg");
    UserClick(form->ButtonLoad);
    EXPECT_EQ(form->EditProjectName->Text(), "sister");
    EXPECT_TRUE(form->CheckBoxPCIe->Checked());
    const std::string project = this->Generate(form);
    EXPECT_EQ(form->Record().BoardId, PairTraits<TypeParam>::kId);
    const std::string top = ReadFile(project + "sister.v");
    EXPECT_NE(top.find("LTM4677_SDA"), std::string::npos);
    // Default Setting clears it.
    UserClick(form->ButtonDefaultSetting);
    EXPECT_EQ(form->Record().bLtm4677, 0);

    this->seam.boxes.clear();
    UserClick(form->ButtonLoad);  // cancelled
    WriteFile(this->folder.Path() + "long.cfg", bytes + "x");
    this->seam.AnswerNextDialog(this->folder.Path() + "long.cfg");
    UserClick(form->ButtonLoad);
    EXPECT_EQ(this->BoxTexts(), (std::vector<std::string>{"Failed to load setting", "Failed to load setting"}));
}

TYPED_TEST(PairForms, ADefaultFileOfAnotherSizeGivesTheDefaults)
{
    this->WriteDefault(std::string(188, '\x01'));
    auto* form = this->Open();
    EXPECT_EQ(form->EditProjectName->Text(), PairTraits<TypeParam>::kWord);
    EXPECT_FALSE(form->CheckBoxPCIe->Checked());
}

TEST_F(Si5340Forms, GarvelowOffersTheSecondPcieWhileTheFirstIsTicked)
{
    auto* form = Open<TFormGarvelow>(MAINBOARD_GARVELOW);
    UserClick(form->CheckBoxPCIe);
    EXPECT_TRUE(form->CheckBoxPCIe2->Enabled());
    EXPECT_FALSE(form->CheckBoxPCIe2->Checked());
    UserClick(form->CheckBoxPCIe2);
    EXPECT_TRUE(form->Find<TShape>("ShapePCIe2")->Visible());
    UserClick(form->CheckBoxPCIe);
    EXPECT_FALSE(form->CheckBoxPCIe2->Checked());
    EXPECT_FALSE(form->CheckBoxPCIe2->Enabled());
    EXPECT_FALSE(form->Find<TShape>("ShapePCIe2")->Visible());
}

}  // namespace si5340_forms_test
