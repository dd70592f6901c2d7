// The Kestleford form end to end: the connector voltages, the cards they
// allow, the bank standards of the generated project and the jumper warnings.
#include <gtest/gtest.h>

#include <cstring>

#include "boards/cyclone4_stratix4/UI_Kestleford.h"
#include "model/Text.h"
#include "tests/boards/BoardFormTestSupport.h"

namespace kestleford_form_test {

using namespace form_test;

namespace {

// Items of the GPIO list.
enum GpioItem { GpioNone = 0, GpioDefault = 1, Ivrel = 2 };

const char* const kSuccess = "Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n";
const char* const kDamage =
    "\n\nWanring:\nThe hardware could be damaged permanently without proper setting of voltage level.";

class KestlefordForm : public BoardFormTest {
protected:
    TFormKestleford* Open() { return BoardFormTest::Open<TFormKestleford>(MAINBOARD_KESTLEFORD); }
    KESTLEFORD_CONFIG Record(TFormKestleford* form)
    {
        KESTLEFORD_CONFIG config{};
        form->FormToConfig(config);
        return config;
    }
    std::vector<std::string> Items(TComboBox* combo)
    {
        std::vector<std::string> items;
        for (int i = 0; i < combo->ItemCount(); ++i) items.push_back(combo->ItemText(i));
        return items;
    }
};

}  // namespace

TEST_F(KestlefordForm, VoltagesDecideTheCardsOffered)
{
    TFormKestleford* form = Open();
    EXPECT_EQ(form->EditProjectName->Text(), "Kestleford");
    EXPECT_EQ(form->ButtonGen->Caption(), "Generate");
    EXPECT_EQ(form->ButtonSave->Caption(), "Save Setting...");
    for (const auto& entry : form->m_Groups.Entries()) EXPECT_TRUE(entry.Box->Checked());
    EXPECT_EQ(form->m_Groups.Entries().size(), 22u);
    EXPECT_EQ(Items(form->ComboBoxGpioVol), (std::vector<std::string>{"3.3 V (Default)", "2.5 V", "1.8 V", "1.5 V"}));
    EXPECT_EQ(Items(form->ComboBoxHsmcVol), (std::vector<std::string>{"3.3 V", "2.5 V (Default)", "1.8 V", "1.5 V"}));
    EXPECT_EQ(form->ComboBoxGpioVol->ItemIndex(), 0);
    EXPECT_EQ(form->ComboBoxHsmcVol->ItemIndex(), 1);
    EXPECT_EQ(form->ComboBoxGpio->ItemCount(), 15);
    EXPECT_EQ(form->ComboBoxGpio->ItemText(14), "GPIO Default - 1.5V");
    EXPECT_EQ(form->ComboBoxHSMC->ItemCount(), 19);
    EXPECT_TRUE(form->ShapeGpioVoltage[0]->Visible());
    EXPECT_TRUE(form->ShapeHsmcVoltage[1]->Visible());
    EXPECT_FALSE(form->ShapeHsmcVoltage[0]->Visible());

    UserPick(form->ComboBoxGpio, Ivrel);
    EXPECT_EQ(form->ComboBoxGpio->ItemText(Ivrel), "Ivrel - 5M Pixel Camera");
    UserPick(form->ComboBoxGpioVol, 1);
    EXPECT_EQ(form->ComboBoxGpio->ItemIndex(), 0);
    EXPECT_FALSE(form->ComboBoxGpio->Enabled());
    EXPECT_TRUE(form->ShapeGpioVoltage[1]->Visible());
    EXPECT_FALSE(form->ShapeGpioVoltage[0]->Visible());
    UserPick(form->ComboBoxGpioVol, 0);
    EXPECT_EQ(form->ComboBoxGpio->ItemIndex(), Ivrel);
    EXPECT_TRUE(form->ComboBoxGpio->Enabled());

    UserPick(form->ComboBoxHSMC, 7);
    UserPick(form->ComboBoxHsmcVol, 2);
    EXPECT_EQ(Items(form->ComboBoxHSMC), (std::vector<std::string>{"None", "Fyrn - HSMC to PIO Adaptor"}));
    EXPECT_EQ(form->ComboBoxHSMC->ItemIndex(), 0);
    UserPick(form->ComboBoxHsmcVol, 0);
    EXPECT_EQ(form->ComboBoxHSMC->ItemCount(), 5);
    EXPECT_EQ(form->ComboBoxHSMC->ItemIndex(), 0);
}

TEST_F(KestlefordForm, DefaultProjectAndTheBankStandardsOfEveryVoltage)
{
    TFormKestleford* form = Open();
    std::string project = Generate(form, "Kestleford");
    ASSERT_EQ(seam.boxes.size(), 1u);
    EXPECT_EQ(seam.boxes[0].text, kSuccess + project);
    std::string qsf = ReadFile(project + "Kestleford.qsf");
    EXPECT_NE(qsf.find("set_global_assignment -name PROJECT_OUTPUT_DIRECTORY output_files\r\n"
                       "set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"3.3-V LVTTL\"\r\n\r\n"),
              std::string::npos);
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE EP4CE115F29C7"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\" -to HEX7[5]"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"2.5 V\" -to ENET0_TX_DATA[0]"));
    ExpectNoBallTwice(qsf);
    ExpectProjectCompiles(project, "Kestleford");

    // GPIO at 1.8 V: card 86 on the header, its pins and the bank's at 1.8 V.
    UserPick(form->ComboBoxGpioVol, 2);
    project = Generate(form, "Gpio18");
    ASSERT_EQ(seam.boxes.size(), 2u);
    EXPECT_EQ(seam.boxes[0].text, kSuccess + project);
    EXPECT_EQ(seam.boxes[1].kind, seam::BoxKind::Warning);
    EXPECT_EQ(seam.boxes[1].text,
              std::string("You have changed the default voltage level of GPIO expansion header. \nPlease remember to "
                          "change the shunt position on JP6 accordingly.") +
                  kDamage);
    qsf = ReadFile(project + "Gpio18.qsf");
    EXPECT_TRUE(HasLine(qsf, "# GPIO, GPIO connect to GPIO Default - 1.8V"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AB22 -to GPIO[0]"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"1.8 V\" -to GPIO[0]"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"1.8 V\" -to CLOCK3_50"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"1.8 V\" -to HEX7[5]"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\" -to HEX7[6]"));
    EXPECT_EQ(Count(qsf, "\"3.3-V LVTTL\" -to GPIO["), 0);
    ExpectNoBallTwice(qsf);
    ExpectProjectCompiles(project, "Gpio18");
    EXPECT_EQ(Record(form).nGpioDaughterId, 0);
    EXPECT_EQ(Record(form).nGpioVoltage, 2);

    // Both voltages changed.
    UserPick(form->ComboBoxHsmcVol, 3);
    project = Generate(form, "Both");
    ASSERT_EQ(seam.boxes.size(), 2u);
    EXPECT_EQ(seam.boxes[1].text,
              std::string("You have changed the default voltage level of GPIO and HSMC interface. \nPlease remember to "
                          "change the shunt position on JP6 and JP7 accordingly.") +
                  kDamage);
    qsf = ReadFile(project + "Both.qsf");
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"1.5 V\" -to KEY[0]"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"1.5 V\" -to HEX0[3]"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"2.5 V\" -to HEX0[2]"));
    ExpectProjectCompiles(project, "Both");

    // The HSMC voltage alone.
    UserPick(form->ComboBoxGpioVol, 0);
    UserPick(form->ComboBoxHsmcVol, 0);
    Generate(form, "Hsmc33");
    ASSERT_EQ(seam.boxes.size(), 2u);
    EXPECT_EQ(seam.boxes[1].text,
              std::string("You have changed the default voltage level of HSMC interface. \nPlease remember to change "
                          "the shunt position on JP7 accordingly.") +
                  kDamage);
}

TEST_F(KestlefordForm, GpioCardsAtThreePointThreeVolts)
{
    TFormKestleford* form = Open();
    UserPick(form->ComboBoxGpio, GpioDefault);
    UserType(form->EditPrefixGpio, "G_");
    std::string project = Generate(form, "Card");
    ASSERT_EQ(seam.boxes.size(), 1u);  // the success box only
    std::string qsf = ReadFile(project + "Card.qsf");
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AB22 -to G_GPIO[0]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_AG26 -to G_GPIO[35]"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\" -to G_GPIO[1]"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\" -to CLOCK3_50"));
    ExpectProjectCompiles(project, "Card");

    // A voltage variant chosen at 3.3 V is attached as chosen.
    UserPick(form->ComboBoxGpio, 13);  // GPIO Default - 1.8V
    project = Generate(form, "Variant");
    qsf = ReadFile(project + "Variant.qsf");
    EXPECT_TRUE(HasLine(qsf, "# GPIO, GPIO connect to GPIO Default - 1.8V"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\" -to G_GPIO[1]"));
    ExpectProjectCompiles(project, "Variant");
}

TEST_F(KestlefordForm, CraftedVoltagesAreShownAsTheDefaults)
{
    TFormKestleford* form = Open();
    KESTLEFORD_CONFIG crafted = Record(form);
    crafted.nGpioVoltage = 9;
    crafted.nHsmcVoltage = -3;
    crafted.nGpioDaughterId = 12;
    crafted.nHsmcDaughterId = 250;
    const std::string file = folder.Path() + "crafted.cfg";
    WriteFile(file, std::string(reinterpret_cast<const char*>(&crafted), sizeof crafted));
    seam.AnswerNextDialog(file);
    UserClick(form->ButtonLoad);
    EXPECT_TRUE(seam.boxes.empty());
    EXPECT_EQ(form->ComboBoxGpioVol->ItemIndex(), 0);
    EXPECT_EQ(form->ComboBoxHsmcVol->ItemIndex(), 1);
    EXPECT_EQ(form->ComboBoxGpio->ItemIndex(), Ivrel);
    EXPECT_EQ(form->ComboBoxHSMC->ItemIndex(), 0);
    const KESTLEFORD_CONFIG shown = Record(form);
    EXPECT_EQ(shown.nGpioVoltage, 0);
    EXPECT_EQ(shown.nHsmcVoltage, 1);
    const std::string project = Generate(form, "Crafted");
    ASSERT_EQ(seam.boxes.size(), 1u);
    ExpectProjectCompiles(project, "Crafted");

    // A loaded 1.5 V HSMC connector with its only card.
    crafted.nGpioVoltage = 1;
    crafted.nHsmcVoltage = 3;
    crafted.nHsmcDaughterId = 17;
    WriteFixedText(crafted.szHSMCPrefixName, 128, "pio_");
    WriteFile(file, std::string(reinterpret_cast<const char*>(&crafted), sizeof crafted));
    seam.AnswerNextDialog(file);
    UserClick(form->ButtonLoad);
    EXPECT_EQ(form->ComboBoxHsmcVol->ItemIndex(), 3);
    EXPECT_EQ(form->ComboBoxHSMC->ItemText(form->ComboBoxHSMC->ItemIndex()), "Fyrn - HSMC to PIO Adaptor");
    EXPECT_EQ(form->EditPrefixHSMC->Text(), "pio_");
    EXPECT_EQ(form->ComboBoxGpio->ItemIndex(), 0);
    EXPECT_FALSE(form->ComboBoxGpio->Enabled());

    // Leaving the form writes its settings.
    main.reset();
    const std::string bytes = ReadFile(DefaultConfig());
    ASSERT_EQ(bytes.size(), 432u);
    KESTLEFORD_CONFIG saved{};
    std::memcpy(&saved, bytes.data(), sizeof saved);
    EXPECT_EQ(saved.nGpioVoltage, 1);
    EXPECT_EQ(saved.nGpioDaughterId, 0);
    EXPECT_EQ(saved.nHsmcDaughterId, 17);
}

TEST_F(KestlefordForm, HsmcCardsOnTheBankOfTheirVoltage)
{
    TFormKestleford* form = Open();
    UserPick(form->ComboBoxHSMC, 1);  // HSMC Default
    std::string project = Generate(form, "Hsmc");
    ASSERT_EQ(seam.boxes.size(), 1u);  // the success box only
    std::string qsf = ReadFile(project + "Hsmc.qsf");
    EXPECT_TRUE(HasLine(qsf, "# I2C for Audio Tv-Decoder HSMC "));
    EXPECT_NE(qsf.find("set_location_assignment PIN_AD28 -to HSMC_"), std::string::npos);
    EXPECT_NE(qsf.find("set_location_assignment PIN_P28 -to HSMC_"), std::string::npos);
    EXPECT_NE(qsf.find("set_global_assignment -name STRATIX_DEVICE_IO_STANDARD \"3.3-V LVTTL\"\r\n"
                       "set_global_assignment -name CYCLONEII_RESERVE_NCEO_AFTER_CONFIGURATION \"USE AS REGULAR "
                       "IO\"\r\n"),
              std::string::npos);
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"2.5 V\" -to KEY[0]"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"2.5 V\" -to HEX3[1]"));
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"3.3-V LVTTL\" -to HEX3[2]"));
    // Position 40 (AH15): an input on the bank's standard.
    const std::string head = "set_location_assignment PIN_AH15 -to ";
    const size_t at = qsf.find(head);
    ASSERT_NE(at, std::string::npos);
    const std::string pin = qsf.substr(at + head.size(), qsf.find("\r\n", at) - at - head.size());
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"2.5 V\" -to " + pin));
    ExpectNoBallTwice(qsf);
    ExpectProjectCompiles(project, "Hsmc");

    // At 1.5 V the only card; its pins and the bank at "1.5 V".
    UserPick(form->ComboBoxHsmcVol, 3);
    UserPick(form->ComboBoxHSMC, 1);
    project = Generate(form, "Pio");
    ASSERT_EQ(seam.boxes.size(), 2u);
    qsf = ReadFile(project + "Pio.qsf");
    EXPECT_TRUE(HasLine(qsf, "# HSMC, HSMC connect to Fyrn - HSMC to PIO Adaptor"));
    EXPECT_EQ(Count(qsf, "\"2.5 V\" -to KEY"), 0);
    EXPECT_TRUE(HasLine(qsf, "set_instance_assignment -name IO_STANDARD \"1.5 V\" -to SW[17]"));
    EXPECT_EQ(Count(qsf, "-to HSMC_"), 0);
    ExpectNoBallTwice(qsf);
    ExpectProjectCompiles(project, "Pio");
}

}  // namespace kestleford_form_test
