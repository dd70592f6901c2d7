// The Pelverton form end to end: two FPGA nodes in one record, the node
// shown switched by its combo, saved and generated.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

#include "boards/cyclone4_stratix4/UI_Pelverton.h"
#include "model/Text.h"
#include "tests/boards/BoardFormTestSupport.h"

namespace pelverton_form_test {

using namespace form_test;

namespace {

class PelvertonForm : public BoardFormTest {
protected:
    TFormPelverton* Open() { return BoardFormTest::Open<TFormPelverton>(MAINBOARD_PELVERTON); }
    PELVERTON_CONFIG Saved(TFormPelverton* form)
    {
        const std::string file = folder.Path() + "saved.cfg";
        seam.AnswerNextDialog(file);
        UserClick(form->ButtonSave);
        const std::string bytes = ReadFile(file);
        EXPECT_EQ(bytes.size(), 1336u);
        PELVERTON_CONFIG config{};
        std::memcpy(&config, bytes.data(), std::min(bytes.size(), sizeof config));
        return config;
    }
    TCheckBox* Box(TFormPelverton* form, const char* name) { return form->Find<TCheckBox>(name); }
};

std::string Text(const char* field) { return ReadFixedText(field, 128); }

}  // namespace

TEST_F(PelvertonForm, OpensOnTheFirstNodeAndSwitchesBetweenThem)
{
    TFormPelverton* form = Open();
    EXPECT_EQ(form->ButtonGen->Caption(), "Generate");
    EXPECT_EQ(form->ButtonSave->Caption(), "Save Setting");
    EXPECT_EQ(form->ButtonLoad->Caption(), "Load Setting");
    EXPECT_EQ(form->ButtonDefaultSetting, nullptr);
    ASSERT_EQ(form->ComboBoxBoard->ItemCount(), 1);
    EXPECT_EQ(form->ComboBoxBoard->ItemText(0), "Ormsgill 230x2");
    ASSERT_EQ(form->ComboBoxFPGA->ItemCount(), 2);
    EXPECT_EQ(form->ComboBoxFPGA->ItemText(0), "FPAG 1");
    EXPECT_EQ(form->ComboBoxFPGA->ItemText(1), "FPAG 2");
    EXPECT_EQ(form->EditProjectName->Text(), "F1_Ormsgill");
    for (const char* name : {"CheckBoxDDR2", "CheckBoxDDR3", "CheckBoxPCIe", "CheckBoxFPGABridge"})
        EXPECT_FALSE(Box(form, name)->Checked()) << name;
    for (const char* name : {"CheckBoxOSC", "CheckBoxLED", "CheckBoxUSB", "CheckBoxLCD", "CheckBoxEEPROM"})
        EXPECT_TRUE(Box(form, name)->Checked()) << name;
    const int expected[] = {0, 2, 6, 7, 8, 10, 14, 17, 18, 19, 27, 28, 29, 31, 32, 33, 35, 36, 61};
    ASSERT_EQ(form->m_Config.m_CardCount, 19);
    for (int i = 0; i < 19; ++i) EXPECT_EQ(form->m_Config.m_CardIds[i], expected[i]);

    // Changes on node 0, then node 1, then back.
    UserType(form->EditProjectName, "First");
    UserClick(Box(form, "CheckBoxDDR3"));
    UserPick(form->ComboBoxHSMC[2], 1);
    UserType(form->EditHSMC[2], "c_");
    UserPick(form->ComboBoxFPGA, 1);
    EXPECT_EQ(form->EditProjectName->Text(), "F2_Ormsgill");
    EXPECT_FALSE(Box(form, "CheckBoxDDR3")->Checked());
    EXPECT_EQ(form->ComboBoxHSMC[2]->ItemIndex(), 0);
    EXPECT_EQ(form->EditHSMC[2]->Text(), "");
    UserClick(Box(form, "CheckBoxLED"));
    UserPick(form->ComboBoxFPGA, 1);  // the node shown again: nothing changes
    EXPECT_FALSE(Box(form, "CheckBoxLED")->Checked());
    UserPick(form->ComboBoxFPGA, 0);
    EXPECT_EQ(form->EditProjectName->Text(), "First");
    EXPECT_TRUE(Box(form, "CheckBoxDDR3")->Checked());
    EXPECT_TRUE(Box(form, "CheckBoxLED")->Checked());
    EXPECT_EQ(form->ComboBoxHSMC[2]->ItemIndex(), 1);
    EXPECT_EQ(form->EditHSMC[2]->Text(), "c_");
    EXPECT_TRUE(form->ShapeHSMC[2]->Visible());

    // Saving on node 1 writes both nodes.
    UserPick(form->ComboBoxFPGA, 1);
    const PELVERTON_CONFIG saved = Saved(form);
    const std::string bytes = ReadFile(folder.Path() + "saved.cfg");
    EXPECT_EQ(bytes[0], 7);
    EXPECT_EQ(std::string(bytes.data() + 8, 5), "First");
    EXPECT_EQ(std::string(bytes.data() + 672, 11), "F2_Ormsgill");
    EXPECT_EQ(static_cast<uint8_t>(bytes[8 + 138]), 1);    // node 0 DDR3
    EXPECT_EQ(static_cast<uint8_t>(bytes[672 + 129]), 0);  // node 1 LED
    EXPECT_EQ(static_cast<uint8_t>(bytes[8 + 150]), 2);    // node 0 HSMC-C card
    EXPECT_EQ(std::string(bytes.data() + 8 + 408, 2), "c_");
    EXPECT_EQ(Text(saved.F[1].szProjectName), "F2_Ormsgill");
}

TEST_F(PelvertonForm, GeneratesTheNodeShown)
{
    TFormPelverton* form = Open();
    UserPick(form->ComboBoxHSMC[0], 1);  // node 0 only
    UserType(form->EditHSMC[0], "n0_");
    UserPick(form->ComboBoxFPGA, 1);
    UserClick(Box(form, "CheckBoxDDR2"));
    const std::string project = Generate(form, "F2_Ormsgill");
    EXPECT_TRUE(seam.boxes.empty());  // a successful generation is silent
    ASSERT_EQ(seam.dialogs.size(), 1u);
    EXPECT_EQ(seam.dialogs[0].request.initialFolder, ProjectFolder("Pelverton", "F2_Ormsgill"));
    const std::string qsf = ReadFile(project + "F2_Ormsgill.qsf");
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE EP4SGX230KF40C2"));
    EXPECT_EQ(Count(qsf, "n0_"), 0);
    EXPECT_EQ(Count(qsf, "HSMC_SCL"), 0);
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AW34 -to mem_dq[4]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AW25 -to mem_SA[1]"));
    // P4 stays with the pin built first; the others keep their standard only.
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_P4 -to TEMP_CLK"));
    for (const char* pin : {"LCD_PWR_ON", "LCD_BL_ON", "I2C_SDA", "I2C_SCL"}) {
        EXPECT_TRUE(HasLine(qsf, std::string("set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\" -to ") + pin))
            << pin;
        EXPECT_EQ(Count(qsf, std::string("-to ") + pin + "\r\n"), 1) << pin;
    }
    ExpectNoBallTwice(qsf);
    EXPECT_EQ(ReadFile(project + "F2_Ormsgill.htm").find("Pelverton FPGA Board") != std::string::npos, true);
    const std::string sdc = ReadFile(project + "F2_Ormsgill.sdc");
    EXPECT_TRUE(HasLine(sdc, "create_clock -period 20.000ns [get_ports OSC_B[2]]"));
    ExpectProjectCompiles(project, "F2_Ormsgill");
    // The record keeps what was generated.
    EXPECT_EQ(form->m_Config.m_Config.F[1].bDdr2, 1);
    EXPECT_EQ(form->m_Config.m_Config.F[0].nHsmcDaughterId[0], 2);
}

TEST_F(PelvertonForm, EveryGroupOfANodeCompiles)
{
    TFormPelverton* form = Open();
    for (const char* name : {"CheckBoxDDR3", "CheckBoxPCIe", "CheckBoxFPGABridge", "CheckBoxDDR2"})
        UserClick(Box(form, name));
    const std::string project = Generate(form, "Every");
    EXPECT_TRUE(seam.boxes.empty());
    const std::string qsf = ReadFile(project + "Every.qsf");
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AA22 -to FPGA_REFCLK_p"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"SSTL-15 Class I\" -to DDR3_dq[5]"));
    ExpectNoBallTwice(qsf);
    ExpectProjectCompiles(project, "Every");
}

TEST_F(PelvertonForm, PrefixChecksOfTheFourConnectors)
{
    TFormPelverton* form = Open();
    UserPick(form->ComboBoxHSMC[0], 1);
    UserPick(form->ComboBoxHSMC[2], 1);
    UserClick(form->ButtonGen);
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{"HSMC-A and HSMC-C cannot have the same prefix name when "
                                                          "both connect to the same type of daughter boards."});
    EXPECT_TRUE(seam.dialogs.empty());
    UserType(form->EditHSMC[0], "a");
    UserType(form->EditHSMC[2], "A");
    seam.boxes.clear();
    UserClick(form->ButtonGen);  // passes; the project dialog is cancelled
    EXPECT_TRUE(seam.boxes.empty());
    EXPECT_EQ(seam.dialogs.size(), 1u);
}

TEST_F(PelvertonForm, CraftedFilesLoadWithinTheRecordsLimits)
{
    TFormPelverton* form = Open();
    PELVERTON_CONFIG crafted = Saved(form);
    crafted.nBoardType = 5;
    crafted.F[0].bMax2 = crafted.F[1].bMax2 = 1;
    crafted.F[0].nHsmcDaughterId[1] = 99;
    std::memset(crafted.F[0].szHSMCPrefixName[1], 'p', 128);
    const std::string file = folder.Path() + "crafted.cfg";
    WriteFile(file, std::string(reinterpret_cast<const char*>(&crafted), sizeof crafted));
    seam.AnswerNextDialog(file);
    UserClick(form->ButtonLoad);
    EXPECT_TRUE(seam.boxes.empty());
    const std::string project = Generate(form, "Crafted");
    EXPECT_TRUE(seam.ErrorTexts().empty());
    EXPECT_TRUE(HasLine(ReadFile(project + "Crafted.qsf"), "set_global_assignment -name DEVICE EP4SGX230KF40C2"));
    UserPick(form->ComboBoxFPGA, 1);
    Generate(form, "Crafted2");
    EXPECT_TRUE(seam.ErrorTexts().empty());
    const PELVERTON_CONFIG saved = Saved(form);
    EXPECT_EQ(saved.nBoardType, 0);
    EXPECT_EQ(saved.F[0].bMax2, 0);
    EXPECT_EQ(saved.F[1].bMax2, 0);

    // A file of another size is refused, and so is a cancelled dialog.
    WriteFile(file, std::string(1335, '\0'));
    seam.boxes.clear();
    seam.AnswerNextDialog(file);
    UserClick(form->ButtonLoad);
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{"Failed to load setting"});
    EXPECT_EQ(form->EditProjectName->Text(), "Crafted2");
}

TEST_F(PelvertonForm, HsmcCardsOnAllFourConnectors)
{
    TFormPelverton* form = Open();
    const char* const prefixes[4] = {"A_", "B_", "C_", "D_"};
    for (int i = 0; i < 4; ++i) {
        UserPick(form->ComboBoxHSMC[i], 1);
        UserType(form->EditHSMC[i], prefixes[i]);
    }
    const std::string project = Generate(form, "Cards");
    ASSERT_TRUE(seam.boxes.empty()) << seam.boxes[0].text;
    const std::string qsf = ReadFile(project + "Cards.qsf");
    EXPECT_NE(qsf.find("set_location_assignment PIN_M36 -to A_"), std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_AE5 -to B_"), std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_AF29 -to C_"), std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_W35 -to D_"), std::string::npos);
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_G26 -to HSMC_SCL"));
    ExpectNoBallTwice(qsf);
    ExpectProjectCompiles(project, "Cards");
}

}  // namespace pelverton_form_test
