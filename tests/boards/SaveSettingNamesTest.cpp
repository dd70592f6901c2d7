// "Save Setting" asks of the project name only that it is given: a name that
// no generated project can carry is kept in the settings file and comes back
// on a load, while Generate still refuses it with the name rule's box. One
// board of each form frame.
#include <gtest/gtest.h>

#include <string>

#include "app/UnitMain.h"
#include "model/MainBoard.h"
#include "model/Names.h"
#include "platform/FormsTesting.h"
#include "tests/boards/HostedFormFixture.h"

namespace save_setting_names_test {

namespace {

class SaveSettingNames : public HostedFormTest {};

TEST_F(SaveSettingNames, ANameThatIsNoHdlNameIsSavedAndLoadedButNotGenerated)
{
    struct Board {
        uint8_t id;
        const char* name;
    };
    const Board boards[] = {
        {MAINBOARD_HOLLARNE, "Hollarne"},      // the SoC family's frame
        {MAINBOARD_RASTRELLE, "Rastrelle"},    // the board-form frame
        {MAINBOARD_AVEMOR, "Avemor"},          // the GPIO-pair forms
        {MAINBOARD_YARROWGATE, "Yarrowgate"},  // a configuration object
        {MAINBOARD_ZENNORBY, "Zennorby"},      // the Stratix 10 and Agilex frame
    };
    for (const Board& b : boards) {
        SCOPED_TRACE(b.name);
        main->OpenBoardForm(b.id);
        TForm* form = main->BoardForm();
        ASSERT_NE(form, nullptr);
        auto* name = form->Find<TEdit>("EditProjectName");
        UserType(name, "my project");

        const std::string path = folder.Path() + b.name + ".cfg";
        seam.boxes.clear();
        seam.AnswerNextDialog(path);
        UserClick(form->Find<TButton>("ButtonSave"));
        seam.dialogAnswers.clear();
        EXPECT_TRUE(seam.ErrorTexts().empty());
        ASSERT_TRUE(FileExists(path));
        EXPECT_NE(ReadFile(path).find(std::string("my project") + '\0'), std::string::npos);

        UserType(name, "other");
        seam.AnswerNextDialog(path);
        UserClick(form->Find<TButton>("ButtonLoad"));
        seam.dialogAnswers.clear();
        EXPECT_EQ(name->Text(), "my project");

        seam.boxes.clear();
        seam.dialogs.clear();
        UserClick(form->Find<TButton>("ButtonGen"));
        EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{kProjectNameRuleMessage});
        EXPECT_TRUE(seam.dialogs.empty());

        // An empty name is refused by both.
        UserType(name, "");
        for (const char* button : {"ButtonSave", "ButtonGen"}) {
            seam.boxes.clear();
            seam.dialogs.clear();
            UserClick(form->Find<TButton>(button));
            EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{kProjectNameEmptyMessage}) << button;
            EXPECT_TRUE(seam.dialogs.empty()) << button;
        }
    }
    EXPECT_FALSE(std::filesystem::exists(folder.Path() + "CodeGenerated"));
}

}  // namespace

}  // namespace save_setting_names_test
