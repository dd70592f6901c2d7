#include "tests/app/AppTestForms.h"

TTestBoardLog g_TestBoards;

TTestBoardForm::TTestBoardForm(TForm* owner) : TBoardForm(owner)
{
    serial = ++g_TestBoards.created;
    TFormSpec layout = {
        .Name = "TFORMTESTBOARD",
        .Caption = "Test Board V1.0",
        .ClientWidth = g_TestBoards.width,
        .ClientHeight = g_TestBoards.height,
        .BorderStyle = bsNone,
        .Controls =
            {
                {.Kind = TControlKind::Button, .Name = "ButtonMainBoardSelect", .Left = 10, .Top = 10, .Width = 150,
                 .Height = 30, .Caption = "Change Main Board", .OnClick = "ButtonMainBoardSelectClick"},
                {.Kind = TControlKind::Button, .Name = "ButtonExit", .Left = 10, .Top = 50, .Width = 150,
                 .Height = 30, .Caption = "Exit", .OnClick = "ButtonExitClick", .Default = true},
                {.Kind = TControlKind::Image, .Name = "ImageGpio0", .Left = 200, .Top = 10, .Width = 80,
                 .Height = 80},
            },
    };
    LoadLayout(layout, {{"ButtonExitClick", Bind(&TTestBoardForm::ButtonExitClick)},
                        {"ButtonMainBoardSelectClick", Bind(&TTestBoardForm::ButtonMainBoardSelectClick)}});
    ButtonExit = Find<TButton>("ButtonExit");
    ButtonMainBoardSelect = Find<TButton>("ButtonMainBoardSelect");
    ImageGpio0 = Find<TImage>("ImageGpio0");
    FormMain->SetCaption(Caption());
}

TTestBoardForm::~TTestBoardForm() { ++g_TestBoards.destroyed; }

void TTestBoardForm::ButtonExitClick(TObject*)
{
    Close();
    FormMain->Close();
}

void TTestBoardForm::ButtonMainBoardSelectClick(TObject*) { PostMessage(FormMain, WM_MAINBOARD_SELECT, 0, 0); }

void TTestBoardForm::FormLeave() { ++g_TestBoards.leaves; }

void ShellTest::SetUp()
{
    g_TestBoards = TTestBoardLog();
    seam.executableFolder = folder.Path();
    SetExecutablePathForTesting(folder.Path() + "pinloom");
    SetScreenSizeForTesting(1280, 1024);
    UseTestForm(21);
}

void ShellTest::TearDown()
{
    for (auto& [id, factory] : m_Saved) SetBoardFormFactory(id, factory);
    SetBoardOfferedPredicate(nullptr);
    SetExecutablePathForTesting("");
    SetScreenSizeForTesting(0, 0);
}

void ShellTest::UseTestForm(uint8_t boardId)
{
    m_Saved.emplace_back(boardId, SetBoardFormFactory(boardId, NewBoardForm<TTestBoardForm>));
}
