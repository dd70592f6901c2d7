// The main form: start-up, the .INI file, hosting and centring, board
// changes, every way a board form goes away, card pictures.
#include <QImage>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <sys/stat.h>

#include "platform/qt/FormWidgets.h"
#include "platform/qt/NamedResources.h"
#include "tests/app/AppTestForms.h"

namespace main_form_test {

namespace {

using MainFormTest = ShellTest;

TEST_F(MainFormTest, StartUpWithoutIniOpensBoard21HostedAndCentredAndWrites21AtTheEnd)
{
    auto main = std::make_unique<TFormMain>(nullptr);
    EXPECT_EQ(FormMain, main.get());
    EXPECT_EQ(main->CurrentBoardId(), 21);
    auto* board = dynamic_cast<TTestBoardForm*>(main->BoardForm());
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->Owner(), main.get());
    EXPECT_EQ(board->HostForm(), main.get());
    EXPECT_EQ(board->Widget()->parentWidget(), main->Widget());
    EXPECT_EQ(board->Left(), 0);
    EXPECT_EQ(board->Top(), 0);
    EXPECT_TRUE(board->Visible());

    EXPECT_EQ(main->ClientWidth(), 798);
    EXPECT_EQ(main->ClientHeight(), 538);
    EXPECT_EQ(main->Left(), (1280 - 798) / 2);
    EXPECT_EQ(main->Top(), (1024 - 538) / 2);
    EXPECT_EQ(main->Caption(), "Test Board V1.0");
    EXPECT_FALSE(FileExists(IniPath()));

    main.reset();
    EXPECT_EQ(FormMain, nullptr);
    EXPECT_EQ(g_TestBoards.destroyed, 1);
    EXPECT_EQ(g_TestBoards.leaves, 1);
    EXPECT_EQ(ReadFile(IniPath()), "[Pinloom]\r\nMainBoard=21\r\n");
}

TEST_F(MainFormTest, IniHolding5StillOpens21AndEndsHolding21)
{
    WriteFile(IniPath(), "[Pinloom]\r\nMainBoard=5\r\n");
    auto main = std::make_unique<TFormMain>(nullptr);
    EXPECT_EQ(main->CurrentBoardId(), 21);
    EXPECT_NE(dynamic_cast<TTestBoardForm*>(main->BoardForm()), nullptr);
    main.reset();
    EXPECT_EQ(ReadFile(IniPath()), "[Pinloom]\r\nMainBoard=21\r\n");
}

TEST_F(MainFormTest, AFifoInThePlaceOfTheIniFileNeitherHoldsUpStartNorExit)
{
    ASSERT_EQ(::mkfifo(IniPath().c_str(), 0666), 0);
    HangGuard guard("Start and Exit with a FIFO as the .INI file");
    auto main = std::make_unique<TFormMain>(nullptr);
    EXPECT_EQ(main->CurrentBoardId(), 21);
    auto* board = dynamic_cast<TTestBoardForm*>(main->BoardForm());
    ASSERT_NE(board, nullptr);
    UserClick(board->ButtonExit);
    main.reset();
    EXPECT_EQ(std::filesystem::status(IniPath()).type(), std::filesystem::file_type::fifo);
}

TEST_F(MainFormTest, IniFileIsTheProgramPathWithItsExtensionReplaced)
{
    auto main = std::make_unique<TFormMain>(nullptr);
    const struct {
        std::string program;
        std::string ini;
    } cases[] = {
        {"/opt/tools/pinloom", "/opt/tools/pinloom.INI"},
        {"/opt/tools/pinloom.exe", "/opt/tools/pinloom.INI"},
        {"/opt/tools.d/pinloom", "/opt/tools.d/pinloom.INI"},
    };
    for (const auto& c : cases) {
        SetExecutablePathForTesting(c.program);
        EXPECT_EQ(main->IniFileName(), c.ini);
    }
    SetExecutablePathForTesting(folder.Path() + "pinloom");
}

TEST_F(MainFormTest, FormWiderThanTheScreenGetsANegativeLeft)
{
    g_TestBoards.width = 1600;
    g_TestBoards.height = 900;
    TFormMain main(nullptr);
    EXPECT_EQ(main.ClientWidth(), 1600);
    EXPECT_EQ(main.ClientHeight(), 900);
    EXPECT_EQ(main.Left(), -160);
    EXPECT_EQ(main.Top(), 62);
}

TEST_F(MainFormTest, BoardChangeEndedWithCancelKeepsTheHostedForm)
{
    TFormMain main(nullptr);
    TBoardForm* before = main.BoardForm();
    uint8_t preselected = 0;
    bool failed = false;
    WhenModalShows(
        [&](TForm& form) {
            auto* selector = dynamic_cast<TFormBoardSelector*>(&form);
            ASSERT_NE(selector, nullptr);
            preselected = selector->GetSelectedBoardId();
            EXPECT_TRUE(selector->ButtonCancel->Enabled());
            UserClick(selector->ButtonCancel);
        },
        &failed);
    UserClick(static_cast<TTestBoardForm*>(before)->ButtonMainBoardSelect);
    EXPECT_EQ(ActiveModalForm(), nullptr);  // posted: nothing runs inside the click
    DeliverPostedMessages();
    EXPECT_FALSE(failed);
    EXPECT_EQ(preselected, 21);
    EXPECT_EQ(main.BoardForm(), before);
    EXPECT_EQ(main.CurrentBoardId(), 21);
    EXPECT_EQ(g_TestBoards.created, 1);
    EXPECT_EQ(g_TestBoards.leaves, 0);
}

TEST_F(MainFormTest, BoardChangeEndedWithOkOnTheSameBoardMakesAFreshForm)
{
    TFormMain main(nullptr);
    const int firstSerial = static_cast<TTestBoardForm*>(main.BoardForm())->serial;
    WhenModalShows([](TForm& form) { UserClick(form.Find<TButton>("ButtonOK")); });
    UserClick(static_cast<TTestBoardForm*>(main.BoardForm())->ButtonMainBoardSelect);
    DeliverPostedMessages();
    auto* fresh = dynamic_cast<TTestBoardForm*>(main.BoardForm());
    ASSERT_NE(fresh, nullptr);
    EXPECT_NE(fresh->serial, firstSerial);
    EXPECT_EQ(g_TestBoards.created, 2);
    EXPECT_EQ(g_TestBoards.destroyed, 1);
    EXPECT_EQ(g_TestBoards.leaves, 1);  // the old form saved as it went
    EXPECT_EQ(main.CurrentBoardId(), 21);
    EXPECT_EQ(fresh->Widget()->parentWidget(), main.Widget());
}

TEST_F(MainFormTest, BoardFormLeavesOnceWhicheverWayItGoes)
{
    {
        // Exit: the board form closes, then the main form.
        auto main = std::make_unique<TFormMain>(nullptr);
        main->Show();
        UserClick(static_cast<TTestBoardForm*>(main->BoardForm())->ButtonExit);
        EXPECT_EQ(g_TestBoards.leaves, 1);
        EXPECT_FALSE(main->Visible());
        main.reset();
        EXPECT_EQ(g_TestBoards.leaves, 1);
        EXPECT_EQ(g_TestBoards.destroyed, 1);
    }
    {
        // The main window closed by its frame.
        g_TestBoards = TTestBoardLog();
        auto main = std::make_unique<TFormMain>(nullptr);
        main->Show();
        UserCloseWindow(main.get());
        EXPECT_FALSE(main->Visible());
        main.reset();
        EXPECT_EQ(g_TestBoards.leaves, 1);
        EXPECT_EQ(ReadFile(IniPath()), "[Pinloom]\r\nMainBoard=21\r\n");
    }
}

TEST_F(MainFormTest, StartUpWithoutTheStartUpBoardOfferedAsksForABoardAndWritesItAtOnce)
{
    SetBoardOfferedPredicate([](uint8_t id) { return id == 16 || id == 31; });
    UseTestForm(16);
    bool stillOpen = false;
    bool cancelEnabled = true;
    uint8_t preselected = 0;
    WhenModalShows([&](TForm& form) {
        auto& selector = dynamic_cast<TFormBoardSelector&>(form);
        preselected = selector.GetSelectedBoardId();
        cancelEnabled = selector.ButtonCancel->Enabled();
        UserPressKey(&form, TUserKey::Escape);
        UserCloseWindow(&form);
        DeliverPostedMessages();
        stillOpen = form.IsModal() && form.ModalResult() == mrNone;
        UserDoubleClick(selector.ListBoxMainBoard, 0);
        // The .INI file is not written before the choice.
        EXPECT_FALSE(FileExists(IniPath()));
    });
    TFormMain main(nullptr);
    EXPECT_EQ(preselected, 31);  // Colvenna
    EXPECT_FALSE(cancelEnabled);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(main.CurrentBoardId(), 16);
    EXPECT_NE(dynamic_cast<TTestBoardForm*>(main.BoardForm()), nullptr);
    EXPECT_EQ(ReadFile(IniPath()), "[Pinloom]\r\nMainBoard=16\r\n");
}

TEST_F(MainFormTest, OpeningABoardWithoutAFormInTheBuildIsAProgrammingError)
{
    TFormMain main(nullptr);
    const TBoardFormFactory mirrendale = SetBoardFormFactory(22, nullptr);
    EXPECT_THROW(main.OpenBoardForm(22), InvariantFailure);
    EXPECT_THROW(main.OpenBoardForm(29), InvariantFailure);  // no such board
    EXPECT_EQ(main.BoardForm(), nullptr);
    SetBoardFormFactory(22, mirrendale);  // the later tests find the table whole
}

TEST_F(MainFormTest, ShowCardPictureHidesTheImageForNoCardAndShowsTheCardsPicture)
{
    TFormMain main(nullptr);
    TImage* image = static_cast<TTestBoardForm*>(main.BoardForm())->ImageGpio0;
    main.ShowCardPicture(image, 5);
    EXPECT_TRUE(image->Visible());
    QImage expected;
    ASSERT_TRUE(LoadNamedPicture("TAVREL_80_BITMAP", expected));
    EXPECT_EQ(static_cast<ImageWidget*>(image->Widget())->Image(), expected);

    main.ShowCardPicture(image, 0);
    EXPECT_FALSE(image->Visible());
    main.ShowCardPicture(image, 1);
    EXPECT_TRUE(image->Visible());
    ASSERT_TRUE(LoadNamedPicture("GPIO_80_BITMAP", expected));
    EXPECT_EQ(static_cast<ImageWidget*>(image->Widget())->Image(), expected);

    EXPECT_THROW(main.ShowCardPicture(image, 9), InvariantFailure);
}

TEST(CardBitmapNameTest, TableHasAnEntryForEveryCardButTheGaps)
{
    SeamRecorder seam;
    int named = 0;
    for (int id = 1; id <= 98; ++id) {
        const bool gap = id == 9 || id == 38 || id == 39 || id == 77 || id == 89;
        if (gap) {
            EXPECT_THROW(TFormMain::GetCardBitmapName(static_cast<DaughterId>(id)), InvariantFailure) << id;
        } else {
            EXPECT_FALSE(TFormMain::GetCardBitmapName(static_cast<DaughterId>(id)).empty()) << id;
            ++named;
        }
    }
    EXPECT_EQ(named, 93);
    EXPECT_EQ(TFormMain::GetCardBitmapName(0), "");
    EXPECT_THROW(TFormMain::GetCardBitmapName(99), InvariantFailure);
    EXPECT_THROW(TFormMain::GetCardBitmapName(255), InvariantFailure);

    const struct {
        DaughterId id;
        const char* name;
    } samples[] = {
        {1, "GPIO_80_BITMAP"},
        {5, "TAVREL_80_BITMAP"},
        {10, "CULM_HSMC_80_BITMAP"},
        {24, "OSTREL_80_BITMAP"},
        {25, "OSTREL_80_BITMAP"},
        {37, "HSMC_LOOPBACK_XCVR_80_BITMAP"},
        {40, "FMC_HPC_VITA_STD_80_BITMAP"},
        {59, "GAELM_IVREL_x2_80_BITMAP"},
        {74, "YARVEL_2x6_DEFAULT_BITMAP"},
        {78, "JUSK_FMC_80_BITMAP"},
        {81, "KALVORA_DDR4_QDR2_BITMAP"},
        {83, "KALVORA_DDR4_QDR2_BITMAP"},
        {84, "KALVORA_DDR4_QDR4_BITMAP"},
        {88, "FMC_GPIO_80_BITMAP"},
        {94, "HSMC_3V0_DEFAULT_XCVR_80_BITMAP"},
        {97, "GPIO_80_3V0_BITMAP"},
        {98, "HSMC_3V0_DEFAULT_80_BITMAP"},
    };
    for (const auto& s : samples) EXPECT_EQ(TFormMain::GetCardBitmapName(s.id), s.name) << int(s.id);
}

}  // namespace

}  // namespace main_form_test
