// The Quenwick form end to end: its groups, the DDR3 socket and notice, the
// FMC cards of both kinds its list offers, and the prefix checks.
#include <gtest/gtest.h>

#include <cstring>

#include "boards/cyclone4_stratix4/UI_Quenwick.h"
#include "model/Text.h"
#include "tests/boards/BoardFormTestSupport.h"

namespace quenwick_form_test {

using namespace form_test;

namespace {

// Items of the FMC list: None, 49, 52, 54, 78, 88.
enum FmcItem { FmcNone = 0, Fmc49, Fmc52, Fmc54, Fmc78, Fmc88 };

class QuenwickForm : public BoardFormTest {
protected:
    TFormQuenwick* Open() { return BoardFormTest::Open<TFormQuenwick>(MAINBOARD_QUENWICK); }
    QUENWICK_CONFIG Record(TFormQuenwick* form)
    {
        QUENWICK_CONFIG config{};
        form->FormToConfig(config);
        return config;
    }
};

}  // namespace

TEST_F(QuenwickForm, DefaultsAndTheDefaultSettingButton)
{
    TFormQuenwick* form = Open();
    EXPECT_EQ(form->EditProjectName->Text(), "Quenwick");
    const auto& boxes = form->m_Groups.Entries();
    ASSERT_EQ(boxes.size(), 11u);
    for (size_t i = 0; i < boxes.size(); ++i) EXPECT_EQ(boxes[i].Box->Checked(), i != 7) << i;
    const int fmc[] = {0, 49, 52, 54, 78, 88};
    ASSERT_EQ(form->m_FmcList.m_CardCount, 6);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(form->m_FmcList.m_CardIds[i], fmc[i]);
    for (TComboBox* combo : form->ComboBoxFMC) EXPECT_EQ(combo->ItemCount(), 6);
    EXPECT_EQ(form->ComboBoxHSMC[0]->ItemCount(), 19);

    UserClick(form->CheckBoxDDR3);
    UserType(form->EditProjectName, "Other");
    UserPick(form->ComboBoxFMC[2], Fmc88);
    EXPECT_TRUE(form->ShapeFMC[2]->Visible());
    EXPECT_TRUE(form->ImageFMC[2]->Visible());
    UserClick(form->ButtonDefaultSetting);
    EXPECT_EQ(form->EditProjectName->Text(), "Quenwick");
    EXPECT_FALSE(form->CheckBoxDDR3->Checked());
    EXPECT_EQ(form->ComboBoxFMC[2]->ItemIndex(), 0);
    EXPECT_FALSE(form->ShapeFMC[2]->Visible());
    EXPECT_FALSE(FileExists(DefaultConfig()));
}

TEST_F(QuenwickForm, GeneratesTheDefaultProjectAndTheDdr3Notice)
{
    TFormQuenwick* form = Open();
    const std::string project = Generate(form, "Quenwick");
    EXPECT_TRUE(seam.boxes.empty());
    const std::string qsf = ReadFile(project + "Quenwick.qsf");
    EXPECT_NE(qsf.find("set_global_assignment -name PROJECT_OUTPUT_DIRECTORY output_files\r\n"
                       "set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"1.5 V\"\r\n"),
              std::string::npos);
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE EP4SE820F43C3"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"1.5 V\" -to OSC_50_BANK8"));
    ExpectNoBallTwice(qsf);
    EXPECT_NE(ReadFile(project + "Quenwick.htm").find("Quenwick FPGA Board"), std::string::npos);
    ExpectProjectCompiles(project, "Quenwick");

    UserClick(form->CheckBoxDDR3);
    const std::string ddr3 = Generate(form, "Ddr3");
    ASSERT_EQ(seam.boxes.size(), 1u);
    EXPECT_EQ(seam.boxes[0].kind, seam::BoxKind::Information);
    EXPECT_EQ(seam.boxes[0].text, TFrameBoardForm::MemoryIpNotice("DDR3"));
    EXPECT_EQ(SplitCrLf(seam.boxes[0].text)[0], "===== DDR3 Pinloom warning =====");
    const std::string ddr3Qsf = ReadFile(ddr3 + "Ddr3.qsf");
    EXPECT_TRUE(HasLine(ddr3Qsf, "set_location_assignment PIN_C28 -to mem_dq[4]"));
    EXPECT_TRUE(HasLine(ddr3Qsf, "set_location_assignment PIN_C23 -to mem_SCL"));
    EXPECT_TRUE(HasLine(ddr3Qsf, "set_location_assignment PIN_J32 -to mem_oct_rdn"));
    EXPECT_EQ(Count(ddr3Qsf, "-to mem_SA["), 0);  // the socket leaves SA0 and SA1 unconnected
    ExpectNoBallTwice(ddr3Qsf);
    ExpectProjectCompiles(ddr3, "Ddr3");
}

TEST_F(QuenwickForm, FmcCardsOfEitherKindOnEveryConnector)
{
    TFormQuenwick* form = Open();
    UserPick(form->ComboBoxFMC[0], Fmc49);  // an LPC card
    UserPick(form->ComboBoxFMC[1], Fmc49);
    seam.boxes.clear();
    UserClick(form->ButtonGen);
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{"FMC-A and FMC-B cannot have the same prefix name when "
                                                          "both connect to the same type of daughter boards."});
    UserType(form->EditFMC[1], "B_");
    UserPick(form->ComboBoxFMC[2], Fmc78);
    UserPick(form->ComboBoxFMC[3], Fmc88);
    UserType(form->EditFMC[3], "D_");
    const std::string project = Generate(form, "Fmc");
    ASSERT_TRUE(seam.ErrorTexts().empty()) << seam.ErrorTexts()[0];
    const std::string qsf = ReadFile(project + "Fmc.qsf");
    for (const char* line : {"# FMC-A, FMC-A connect to ", "# FMC-B, FMC-B connect to ", "# FMC-C, FMC-C connect to ",
                             "# FMC-D, FMC-D connect to "})
        EXPECT_NE(qsf.find(line), std::string::npos) << line;
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AD30 -to FMAB_CLK"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AD31 -to FMCD_SDA"));
    EXPECT_NE(qsf.find("set_location_assignment PIN_G3 -to "), std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_E40 -to "), std::string::npos);
    ExpectNoBallTwice(qsf);
    ExpectProjectCompiles(project, "Fmc");
    const QUENWICK_CONFIG record = Record(form);
    EXPECT_EQ(record.nFmcDaughterId[0], 49);
    EXPECT_EQ(record.nFmcDaughterId[3], 88);
    EXPECT_EQ(ReadFixedText(record.szFmcPrefixName[1], 128), "B_");
}

TEST_F(QuenwickForm, CraftedFilesAndTheDestructorsSave)
{
    TFormQuenwick* form = Open();
    QUENWICK_CONFIG crafted = Record(form);
    crafted.BoardId = MAINBOARD_BRISTANE;
    crafted.Reserved[0] = 0x5A;
    crafted.nFmcDaughterId[0] = 41;  // a card the list does not offer
    std::memset(crafted.szFmcPrefixName[0], 'q', 128);
    const std::string file = folder.Path() + "crafted.cfg";
    WriteFile(file, std::string(reinterpret_cast<const char*>(&crafted), sizeof crafted));
    seam.AnswerNextDialog(file);
    UserClick(form->ButtonLoad);
    EXPECT_TRUE(seam.boxes.empty());
    EXPECT_EQ(form->ComboBoxFMC[0]->ItemIndex(), 0);
    Generate(form, "Crafted");
    EXPECT_TRUE(seam.ErrorTexts().empty());
    main.reset();  // the form goes away and writes default.cfg
    const std::string bytes = ReadFile(DefaultConfig());
    ASSERT_EQ(bytes.size(), 924u);
    EXPECT_EQ(bytes[0], MAINBOARD_QUENWICK);
    EXPECT_EQ(static_cast<uint8_t>(bytes[1]), 0x5A);  // not written by the form
    EXPECT_EQ(std::string(bytes.data() + 8, 8), std::string("Crafted", 8));
}

TEST_F(QuenwickForm, HsmcCardsKeepTheFixedPositionsAndTheDefaultPrefix)
{
    TFormQuenwick* form = Open();
    UserPick(form->ComboBoxHSMC[0], 1);  // HSMC Default
    UserPick(form->ComboBoxHSMC[1], 1);
    UserClick(form->ButtonGen);
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{"HSMC-A and HSMC-B cannot have the same prefix name when "
                                                          "both connect to the same type of daughter boards."});
    UserPick(form->ComboBoxHSMC[1], 7);  // Fyrn - HSMC to PIO Adaptor
    const std::string project = Generate(form, "Hsmc");
    ASSERT_TRUE(seam.boxes.empty()) << seam.boxes[0].text;
    const std::string qsf = ReadFile(project + "Hsmc.qsf");
    // Position 40 of HSMC-A (D22) is an input at "1.5 V" whatever the card says.
    const std::string head = "set_location_assignment PIN_D22 -to ";
    const size_t at = qsf.find(head);
    ASSERT_NE(at, std::string::npos);
    const std::string pin = qsf.substr(at + head.size(), qsf.find("\r\n", at) - at - head.size());
    EXPECT_EQ(pin.rfind("HSMA_", 0), 0u) << pin;
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"1.5 V\" -to " + pin));
    EXPECT_NE(ReadFile(project + "Hsmc.v").find("input \t\t          \t\t" + pin), std::string::npos) << pin;
    ExpectNoBallTwice(qsf);
    ExpectProjectCompiles(project, "Hsmc");
    EXPECT_EQ(ReadFixedText(form->m_Config.m_Config.szHSMCPrefixName[0], 128), "HSMA_");
    // A save stores the empty prefix again.
    const std::string file = folder.Path() + "saved.cfg";
    seam.AnswerNextDialog(file);
    UserClick(form->ButtonSave);
    QUENWICK_CONFIG saved{};
    std::memcpy(&saved, ReadFile(file).data(), sizeof saved);
    EXPECT_EQ(saved.szHSMCPrefixName[0][0], 0);
    EXPECT_EQ(saved.nHsmcDaughterId[1], 17);
}

}  // namespace quenwick_form_test
