// The left column of the SoC family's forms in the order their layouts give:
// from the top, the logos, "Change Main Board" where it comes next, the board
// panel, then the buttons; and the forms whose buttons make one row at the
// bottom.
#include <string>
#include <vector>

#include "model/MainBoard.h"
#include "tests/boards/HostedFormFixture.h"

namespace soc_left_column_test {

namespace {

// A form's left column from the top: each step's controls lie below all of
// the step before.
struct TColumnRow {
    uint8_t Board;
    std::vector<std::vector<const char*>> Steps;
};

const std::vector<TColumnRow>& ColumnRows()
{
    static const std::vector<TColumnRow> rows = {
        {MAINBOARD_MIRRENDALE, {{"ImageLogo", "ImageFpgaLogo"}, {"Panel1"}}},
        {MAINBOARD_DORVALIN, {{"ImageLogo", "ImageFpgaLogo"}, {"Panel1"}}},
        {MAINBOARD_KILVERNE,
         {{"ImageLogo", "ImageAltera"},
          {"ButtonMainBoardSelect"},
          {"PanelBoard"},
          {"ButtonSave", "ButtonLoad", "ButtonGen", "ButtonExit"}}},
        {MAINBOARD_LANTERBY,
         {{"ImageLogo", "ImageFpgaLogo"},
          {"ButtonMainBoardSelect"},
          {"PanelBoard"},
          {"ButtonDefault", "ButtonSave", "ButtonLoad", "ButtonGen", "ButtonExit"}}},
        {MAINBOARD_VANTREMERE,
         {{"ImageLogo", "ImageFpgaLogo"},
          {"ButtonMainBoardSelect"},
          {"PanelBoard"},
          {"ButtonSave", "ButtonLoad", "ButtonGen", "ButtonExit"}}},
    };
    return rows;
}

class SocLeftColumn : public HostedFormTest {
protected:
    TControl* Control(const char* name)
    {
        TControl* control = main->BoardForm()->FindControl(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
};

int Bottom(const TControl* control) { return control->Top() + control->Height(); }

TEST_F(SocLeftColumn, TheColumnRunsDownInTheLayoutsOrder)
{
    for (const TColumnRow& row : ColumnRows()) {
        SCOPED_TRACE("board " + std::to_string(row.Board));
        main->OpenBoardForm(row.Board);
        ASSERT_NE(main->BoardForm(), nullptr);
        const TControl* group = Control("GroupBoxConfig");
        ASSERT_NE(group, nullptr);
        int above = 0;
        for (const std::vector<const char*>& step : row.Steps) {
            int bottom = 0;
            for (const char* name : step) {
                const TControl* control = Control(name);
                if (!control) continue;
                EXPECT_TRUE(control->Visible()) << name;
                EXPECT_EQ(control->Parent(), main->BoardForm()) << name;
                EXPECT_GE(control->Top(), above) << name;
                EXPECT_LE(control->Left() + control->Width(), group->Left()) << name;
                bottom = std::max(bottom, Bottom(control));
            }
            above = bottom;
        }
        main->CloseBoardForms();
    }
}

TEST_F(SocLeftColumn, FourButtonsMakeTheBottomRow)
{
    for (const uint8_t board : {MAINBOARD_VANTREMERE, MAINBOARD_WENDLEBURY}) {
        SCOPED_TRACE("board " + std::to_string(board));
        main->OpenBoardForm(board);
        TForm* form = main->BoardForm();
        ASSERT_NE(form, nullptr);
        std::vector<const TControl*> buttons;
        for (const char* name : {"ButtonSave", "ButtonLoad", "ButtonGen", "ButtonExit"})
            if (const TControl* button = Control(name)) buttons.push_back(button);
        ASSERT_EQ(buttons.size(), 4u);
        // One row, Save to Exit from the left, side by side.
        for (size_t i = 1; i < buttons.size(); ++i) {
            EXPECT_EQ(buttons[i]->Top(), buttons[0]->Top()) << buttons[i]->Name();
            EXPECT_GE(buttons[i]->Left(), buttons[i - 1]->Left() + buttons[i - 1]->Width()) << buttons[i]->Name();
        }
        // At the bottom: nothing else of the left column lies lower down.
        const TControl* group = Control("GroupBoxConfig");
        ASSERT_NE(group, nullptr);
        for (const TControl* control : form->Controls()) {
            if (control->Parent() != form || !control->Visible() || control->Left() >= group->Left()) continue;
            if (std::find(buttons.begin(), buttons.end(), control) != buttons.end()) continue;
            EXPECT_LE(Bottom(control), buttons[0]->Top()) << control->Name();
        }
        main->CloseBoardForms();
    }
}

}  // namespace

}  // namespace soc_left_column_test
