// The board selector: the rows it lists for an offered set, pre-selection,
// its picture, and the ways out of it.
#include <QImage>
#include <set>

#include "model/MainBoard.h"
#include "platform/qt/FormWidgets.h"
#include "platform/qt/NamedResources.h"
#include "tests/app/AppTestForms.h"

namespace selector_test {

namespace {

using SelectorTest = ShellTest;

std::vector<std::string> Rows(const TFormBoardSelector& selector)
{
    std::vector<std::string> rows;
    for (int i = 0; i < selector.ListBoxMainBoard->ItemCount(); ++i) rows.push_back(selector.ListBoxMainBoard->ItemText(i));
    return rows;
}

TEST_F(SelectorTest, BuildListsHollarneAloneWithItsPictureCentredAndOkReturns21)
{
    TFormMain main(nullptr);
    TFormBoardSelector selector(&main);
    EXPECT_EQ(selector.Caption(), "FPGA Main Board Selector");
    EXPECT_EQ(selector.ClientWidth(), 770);
    EXPECT_EQ(selector.ClientHeight(), 342);
    if (kOffersEveryBoard) {
        // The build that offers every board: the table's 42 rows, Hollarne's
        // the 21st.
        EXPECT_EQ(selector.BoardCount(), 42);
        EXPECT_EQ(selector.ListBoxMainBoard->ItemText(0), "Avemor FPGA Board");
        selector.SelectBoardId(21);
        EXPECT_EQ(selector.ListBoxMainBoard->ItemIndex(), 20);
        EXPECT_EQ(selector.ListBoxMainBoard->ItemText(20), "Hollarne Board");
    } else {
        EXPECT_EQ(Rows(selector), std::vector<std::string>{"Hollarne Board"});
        EXPECT_EQ(selector.BoardCount(), 1);
        EXPECT_EQ(selector.ListBoxMainBoard->ItemIndex(), 0);
    }

    QImage expected;
    ASSERT_TRUE(LoadNamedPicture("HOLLARNE_BITMAP", expected));
    EXPECT_EQ(static_cast<ImageWidget*>(selector.ImageBoard->Widget())->Image(), expected);
    EXPECT_EQ(selector.ImageBoard->Width(), expected.width());
    EXPECT_EQ(selector.ImageBoard->Left(), (417 - expected.width()) / 2);
    EXPECT_EQ(selector.ImageBoard->Top(), (320 - expected.height()) / 2);

    bool failed = false;
    WhenModalShows([](TForm& form) { UserClick(form.Find<TButton>("ButtonOK")); }, &failed);
    EXPECT_EQ(selector.ShowModal(), mrOk);
    EXPECT_FALSE(failed);
    EXPECT_EQ(selector.GetSelectedBoardId(), 21);
}

TEST_F(SelectorTest, ListsExactlyTheOfferedBoardsInIdOrder)
{
    TFormMain main(nullptr);
    const struct {
        std::set<int> offered;
        std::vector<std::string> texts;
        std::vector<int> ids;
    } cases[] = {
        {{16, 15}, {"Drennock FPGA Board", "Rastrelle FPGA Board"}, {15, 16}},
        {{101, 100}, {"Osterlin FPGA Board", "Pellowind FPGA Board"}, {100, 101}},
        {{39, 2, 50}, {"Fennick FPGA Board", "Quillomar Module Rennacre/Solverin", "Marlowen Board"}, {2, 39, 50}},
    };
    for (const auto& c : cases) {
        const std::set<int> offered = c.offered;
        SetBoardOfferedPredicate([offered](uint8_t id) { return offered.count(id) > 0; });
        TFormBoardSelector selector(&main);
        EXPECT_EQ(Rows(selector), c.texts);
        std::vector<int> ids;
        for (int row = 0; row < selector.BoardCount(); ++row) {
            selector.SelectBoardId(static_cast<uint8_t>(c.ids[row]));
            EXPECT_EQ(selector.ListBoxMainBoard->ItemIndex(), row);
            ids.push_back(selector.GetSelectedBoardId());
        }
        EXPECT_EQ(ids, c.ids);
    }

    // Every board of the table.
    SetBoardOfferedPredicate([](uint8_t) { return true; });
    SetBoardOfferedPredicate([](uint8_t id) { return (id >= 1 && id <= 40 && id != 29) || id == 50 || id >= 100; });
    TFormBoardSelector all(&main);
    EXPECT_EQ(all.BoardCount(), 42);
    EXPECT_EQ(all.ListBoxMainBoard->ItemText(0), "Avemor FPGA Board");
    EXPECT_EQ(all.ListBoxMainBoard->ItemText(41), "Pellowind FPGA Board");
}

TEST_F(SelectorTest, PreselectionAndPictureFollowTheRow)
{
    TFormMain main(nullptr);
    SetBoardOfferedPredicate([](uint8_t id) { return id == 12 || id == 14 || id == 15; });
    TFormBoardSelector selector(&main);
    selector.SelectBoardId(31);  // not listed: the first row stays
    EXPECT_EQ(selector.GetSelectedBoardId(), 12);

    QImage larrowen, brackwell;
    ASSERT_TRUE(LoadNamedPicture("LARROWEN_BITMAP", larrowen));
    ASSERT_TRUE(LoadNamedPicture("BRACKWELL_400_BITMAP", brackwell));
    UserSelect(selector.ListBoxMainBoard, 1);
    EXPECT_EQ(static_cast<ImageWidget*>(selector.ImageBoard->Widget())->Image(), larrowen);
    selector.SelectBoardId(15);  // Drennock shares Brackwell's picture
    EXPECT_EQ(selector.GetSelectedBoardId(), 15);
    EXPECT_EQ(static_cast<ImageWidget*>(selector.ImageBoard->Widget())->Image(), brackwell);
}

TEST_F(SelectorTest, DoubleClickConfirmsLikeOkAndEscapePressesNoButton)
{
    TFormMain main(nullptr);
    SetBoardOfferedPredicate([](uint8_t id) { return id == 15 || id == 16; });
    {
        TFormBoardSelector selector(&main);
        WhenModalShows([](TForm& form) {
            UserDoubleClick(dynamic_cast<TFormBoardSelector&>(form).ListBoxMainBoard, 1);
        });
        EXPECT_EQ(selector.ShowModal(), mrOk);
        EXPECT_EQ(selector.GetSelectedBoardId(), 16);
    }
    {
        // Cancel is enabled, yet Escape (and the window's close request)
        // leaves the dialog open: it is left by its buttons or a double-click.
        TFormBoardSelector selector(&main);
        WhenModalShows([](TForm& form) {
            UserPressKey(&form, TUserKey::Escape);
            UserCloseWindow(&form);
            EXPECT_EQ(form.ModalResult(), mrNone);
            EXPECT_TRUE(form.Widget()->isVisible());
            UserClick(dynamic_cast<TFormBoardSelector&>(form).ButtonCancel);
        });
        EXPECT_EQ(selector.ShowModal(), mrCancel);
    }
}

TEST_F(SelectorTest, EnterPressesTheFocusedButton)
{
    TFormMain main(nullptr);
    SetBoardOfferedPredicate([](uint8_t id) { return id == 15 || id == 16; });
    {
        TFormBoardSelector selector(&main);
        WhenModalShows([](TForm& form) {
            auto& shown = dynamic_cast<TFormBoardSelector&>(form);
            UserSelect(shown.ListBoxMainBoard, 1);
            UserPressKeyOn(shown.ListBoxMainBoard, TUserKey::Enter);  // no default button: nothing
            EXPECT_EQ(shown.ModalResult(), mrNone);
            UserPressKeyOn(shown.ButtonOK, TUserKey::Enter);
        });
        EXPECT_EQ(selector.ShowModal(), mrOk);
        EXPECT_EQ(selector.GetSelectedBoardId(), 16);
    }
    {
        TFormBoardSelector selector(&main);
        bool timedOut = false;
        WhenModalShows(
            [](TForm& form) { UserPressKeyOn(dynamic_cast<TFormBoardSelector&>(form).ButtonCancel, TUserKey::Enter); },
            &timedOut);
        EXPECT_EQ(selector.ShowModal(), mrCancel);
        EXPECT_FALSE(timedOut);
    }
}

TEST_F(SelectorTest, AnOfferedBoardWithoutARowIsAProgrammingError)
{
    TFormMain main(nullptr);
    SetBoardOfferedPredicate([](uint8_t id) { return id == 21 || id == 29; });
    EXPECT_THROW(TFormBoardSelector selector(&main), InvariantFailure);
}

TEST_F(SelectorTest, AnEmptyListShowsNoPictureAndConfirmsNoBoard)
{
    TFormMain main(nullptr);
    SetBoardOfferedPredicate([](uint8_t) { return false; });
    TFormBoardSelector selector(&main);
    EXPECT_EQ(selector.BoardCount(), 0);
    EXPECT_FALSE(selector.ImageBoard->HasPicture());
    EXPECT_EQ(selector.GetSelectedBoardId(), 0);
}

TEST(SelectorRowsTest, TableHoldsTheFortyTwoBoardsInIdOrder)
{
    const std::vector<TSelectorBoardRow>& rows = SelectorBoardRows();
    ASSERT_EQ(rows.size(), 42u);
    for (std::size_t i = 1; i < rows.size(); ++i) EXPECT_LT(rows[i - 1].Id, rows[i].Id);
    const struct {
        int id;
        const char* text;
        const char* picture;
    } samples[] = {
        {1, "Avemor FPGA Board", "AVEMOR_400_BITMAP"},
        {14, "Larrowen FPGA Board", "LARROWEN_BITMAP"},
        {15, "Drennock FPGA Board", "BRACKWELL_400_BITMAP"},
        {17, "Selbowen FPGA Board", "RASTRELLE_BITMAP"},
        {18, "Estover II FPGA Board", "ESTOVER_BITMAP"},
        {21, "Hollarne Board", "HOLLARNE_BITMAP"},
        {26, "Kilverne", "KILVERNE_BITMAP"},
        {30, "Lanterby KIT", "LANTERBY_BITMAP"},
        {31, "Colvenna FPGA Board", "COLVENNA_400_BITMAP"},
        {39, "Quillomar Module Rennacre/Solverin", "RENNACRE_BITMAP"},
        {50, "Marlowen Board", "MARLOWEN_400_BITMAP"},
        {101, "Pellowind FPGA Board", "PELLOWIND_400_BITMAP"},
    };
    for (const auto& s : samples) {
        auto it = std::find_if(rows.begin(), rows.end(), [&](const TSelectorBoardRow& r) { return r.Id == s.id; });
        ASSERT_NE(it, rows.end()) << s.id;
        EXPECT_STREQ(it->Text, s.text);
        EXPECT_STREQ(it->Picture, s.picture);
    }
    // The selector and the main form's table know the same boards.
    ASSERT_EQ(BoardFormSlots().size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(BoardFormSlots()[i].Id, rows[i].Id);
    EXPECT_STREQ(FindBoardFormSlot(21)->ClassName, "TFormHollarne");
    EXPECT_STREQ(FindBoardFormSlot(39)->ClassName, "TFormQuillomar");
    EXPECT_EQ(FindBoardFormSlot(29), nullptr);
}

}  // namespace

}  // namespace selector_test
