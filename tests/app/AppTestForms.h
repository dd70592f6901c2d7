// A small board form for the tests of the application shell, and a fixture
// that puts it into the form table and points the program's path and the
// screen at stand-ins.
#pragma once

#include <gtest/gtest.h>

#include "app/BoardForm.h"
#include "app/UI_Selector.h"
#include "app/UnitMain.h"
#include "platform/FormsTesting.h"
#include "tests/support/SeamRecorder.h"
#include "tests/support/TestFiles.h"

// What happened to the test board forms, across their lifetimes.
struct TTestBoardLog {
    int created = 0;
    int leaves = 0;
    int destroyed = 0;
    int width = 798;
    int height = 538;
};
extern TTestBoardLog g_TestBoards;

class TTestBoardForm : public TBoardForm {
public:
    explicit TTestBoardForm(TForm* owner);
    ~TTestBoardForm() override;

    TButton* ButtonExit = nullptr;
    TButton* ButtonMainBoardSelect = nullptr;
    TImage* ImageGpio0 = nullptr;
    int serial = 0;

    void ButtonExitClick(TObject* Sender);
    void ButtonMainBoardSelectClick(TObject* Sender);

protected:
    void FormLeave() override;
};

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Puts the test board form into a board's slot for this test.
    void UseTestForm(uint8_t boardId);
    std::string IniPath() const { return folder.Path() + "pinloom.INI"; }

    SeamRecorder seam;
    TempFolder folder;

private:
    std::vector<std::pair<uint8_t, TBoardFormFactory>> m_Saved;
};
