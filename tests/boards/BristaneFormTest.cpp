// The Bristane form end to end: the two GPIO headers with the default
// prefix of the GPIO default cards, the configuration-pin assignments and a
// silent success.
#include <gtest/gtest.h>

#include <cstring>

#include "boards/cyclone4_stratix4/UI_Bristane.h"
#include "model/Text.h"
#include "tests/boards/BoardFormTestSupport.h"

namespace bristane_form_test {

using namespace form_test;

namespace {

// Items of the card list.
enum Item { None = 0, GpioDefault = 1, Ivrel = 2, Default25 = 12, Default18 = 13, Default15 = 14 };

class BristaneForm : public BoardFormTest {
protected:
    TFormBristane* Open() { return BoardFormTest::Open<TFormBristane>(MAINBOARD_BRISTANE); }
};

}  // namespace

TEST_F(BristaneForm, DefaultsAndTheDefaultProject)
{
    TFormBristane* form = Open();
    EXPECT_EQ(form->EditProjectName->Text(), "Bristane");
    EXPECT_EQ(form->ButtonGen->Caption(), "Generate");
    EXPECT_EQ(form->ButtonLoad->Caption(), "Load Setting");
    for (const auto& entry : form->m_Groups.Entries()) EXPECT_TRUE(entry.Box->Checked());
    const int cards[] = {0, 1, 12, 13, 55, 62, 63, 66, 67, 68, 69, 76, 85, 86, 87};
    ASSERT_EQ(form->m_Config.m_CardCount, 15);
    for (int i = 0; i < 15; ++i) EXPECT_EQ(form->m_Config.m_CardIds[i], cards[i]);
    for (TComboBox* combo : form->ComboBoxGpio) EXPECT_EQ(combo->ItemIndex(), 0);

    const std::string project = Generate(form, "Bristane");
    EXPECT_TRUE(seam.boxes.empty());
    const std::string qsf = ReadFile(project + "Bristane.qsf");
    EXPECT_NE(qsf.find("set_global_assignment -name PROJECT_OUTPUT_DIRECTORY output_files\r\n"
                       "set_global_assignment -name CYCLONEII_RESERVE_NCEO_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n"
                       "set_global_assignment -name RESERVE_FLASH_NCE_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n"
                       "set_global_assignment -name RESERVE_DATA0_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n"
                       "set_global_assignment -name RESERVE_DATA1_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n"
                       "set_global_assignment -name RESERVE_DCLK_AFTER_CONFIGURATION \"USE AS REGULAR IO\"\r\n"),
              std::string::npos);
    EXPECT_TRUE(HasLine(qsf, "set_global_assignment -name DEVICE EP4CE22F17C6"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_C1 -to EPCS_ASDO"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_F16 -to GPIO_2[9]"));
    EXPECT_TRUE(HasLine(qsf, "# Accelerometer and EEPROM"));
    ExpectNoBallTwice(qsf);
    EXPECT_TRUE(HasLine(ReadFile(project + "Bristane.sdc"), "create_clock -period 20.000ns [get_ports CLOCK_50]"));
    ExpectProjectCompiles(project, "Bristane");

    // Without the EPCS and the header, neither reservation.
    UserClick(form->Find<TCheckBox>("CheckBoxEPCS"));
    UserClick(form->Find<TCheckBox>("CheckBoxHeader"));
    const std::string plain = Generate(form, "Plain");
    EXPECT_EQ(Count(ReadFile(plain + "Plain.qsf"), "USE AS REGULAR IO"), 0);
}

TEST_F(BristaneForm, GpioDefaultCardsTakeTheDefaultPrefix)
{
    TFormBristane* form = Open();
    UserPick(form->ComboBoxGpio[0], GpioDefault);
    UserPick(form->ComboBoxGpio[1], GpioDefault);
    EXPECT_TRUE(form->ComboBoxGpio[1]->Enabled());
    EXPECT_TRUE(form->EditPrefixGpio[0]->Enabled());
    UserClick(form->ButtonGen);
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{"GPIO-0 and GPIO-1 cannot have the same prefix name when "
                                                          "both connect to the same type of daughter boards."});
    EXPECT_TRUE(seam.dialogs.empty());

    struct Case {
        const char* name;
        int card0, card1;
        const char* prefix0;
        const char* prefix1;
        std::vector<std::string> ports;  // port lines of the top level
    };
    const Case cases[] = {
        {"Card1", GpioDefault, None, "", "", {"\tinout \t\t    [33:0]\t\tGPIO,", "\tinput \t\t     [1:0]\t\tGPIO_IN"}},
        {"Variant", Default18, None, "", "", {"\tinout \t\t    [33:0]\t\tGPIO,", "\tinput \t\t     [1:0]\t\tGPIO_IN"}},
        {"Both",
         GpioDefault,
         Default25,
         "GPIO_0",
         "GPIO_1",
         {"\tinout \t\t    [33:0]\t\tGPIO_0,", "\tinput \t\t     [1:0]\t\tGPIO_0_IN,",
          "\tinout \t\t    [33:0]\t\tGPIO_1,", "\tinput \t\t     [1:0]\t\tGPIO_1_IN"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UserPick(form->ComboBoxGpio[0], c.card0);
        UserPick(form->ComboBoxGpio[1], c.card1);
        UserType(form->EditPrefixGpio[0], c.prefix0);
        UserType(form->EditPrefixGpio[1], c.prefix1);
        const std::string project = Generate(form, c.name);
        ASSERT_TRUE(seam.boxes.empty()) << seam.boxes[0].text;
        const std::string verilog = ReadFile(project + c.name + ".v");
        for (const std::string& port : c.ports) EXPECT_TRUE(HasLine(verilog, port)) << port << "\n" << verilog;
        const std::string qsf = ReadFile(project + c.name + ".qsf");
        ExpectNoBallTwice(qsf);
        ExpectProjectCompiles(project, c.name);
    }
    const std::string qsf = ReadFile(ProjectFolder("Bristane", "Both") + "Both.qsf");
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_A8 -to GPIO_0_IN[0]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_R9 -to GPIO_1_IN[1]"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_J14 -to GPIO_1[33]"));
    // The default prefix lives in the generation's own record only.
    UserPick(form->ComboBoxGpio[1], None);
    UserType(form->EditPrefixGpio[0], "");
    Generate(form, "Again");
    BRISTANE_CONFIG record{};
    form->FormToConfig(record);
    EXPECT_EQ(record.szGpioPrefixName[0][0], 0);
}

TEST_F(BristaneForm, OtherCardsKeepTheirNamesAndTheDestructorSaves)
{
    TFormBristane* form = Open();
    UserPick(form->ComboBoxGpio[1], Ivrel);
    const std::string project = Generate(form, "Camera");
    EXPECT_TRUE(seam.boxes.empty());
    const std::string qsf = ReadFile(project + "Camera.qsf");
    EXPECT_TRUE(HasLine(qsf, "# GPIO_1, GPIO_1 connect to Ivrel - 5M Pixel Camera"));
    EXPECT_TRUE(HasLine(qsf, "set_location_assignment PIN_T9 -to IVREL_PIXCLK"));
    ExpectProjectCompiles(project, "Camera");
    main.reset();
    const std::string bytes = ReadFile(DefaultConfig());
    ASSERT_EQ(bytes.size(), 404u);
    EXPECT_EQ(bytes[0], MAINBOARD_BRISTANE);
    EXPECT_EQ(static_cast<uint8_t>(bytes[147]), 12);
}

}  // namespace bristane_form_test
