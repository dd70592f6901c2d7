// The board-form frame where a board's row differs from the Stratix V
// boards: a record of its own for each run, no success box, no load-failure
// box, a "Change Main Board" that posts, and the hooks around a run.
#include <gtest/gtest.h>

#include <cstring>

#include "boards/frame/BoardFormFrame.h"
#include "boards/frame/ConfigFrame.h"
#include "model/Text.h"
#include "platform/FormsTesting.h"
#include "tests/support/SeamRecorder.h"
#include "tests/support/TestFiles.h"

namespace frame_form_test {

namespace {

struct TINY_CONFIG {
    uint8_t BoardId;
    uint8_t Reserved[3];
    int32_t Size;
    char szProjectName[128];
    uint8_t bLed;
    uint8_t Untouched;  // no control writes it
    uint8_t Reserved2[2];
};

const TBoardFormRow kTinyRow = {.FolderWord = "Tiny", .LoadFailureBox = false, .SuccessBox = false,
                                .PostsBoardChange = true, .GeneratesFromHeld = false};

class TFormTiny : public TFrameBoardFormOf<TINY_CONFIG> {
public:
    explicit TFormTiny(TForm* owner) : TFrameBoardFormOf<TINY_CONFIG>(owner, kTinyRow)
    {
        std::vector<THandlerEntry> handlers;
        AddFrameHandlers(handlers);
        TFormSpec spec{.Name = "TFORMTINY", .Caption = "Tiny", .ClientWidth = 400, .ClientHeight = 200,
                       .BorderStyle = bsNone, .OnClose = "FormClose", .Controls = {}};
        spec.Controls.push_back(FrameEdit("EditProjectName", nullptr, 8, 8, 200));
        spec.Controls.push_back(FrameCheckBox("CheckBoxLED", nullptr, 8, 40, 100, "LED"));
        spec.Controls.push_back(FrameButton("ButtonMainBoardSelect", 8, 70, 160, "Change Main Board",
                                            "ButtonMainBoardSelectClick"));
        AddFrameButtons(spec.Controls, 8, 120, TButtonCaptions::AllPlain, false);
        LoadLayout(spec, handlers);
        CheckBoxLED = Find<TCheckBox>("CheckBoxLED");
        InitialiseSettings();
    }
    void SetDefaults(TINY_CONFIG& config) override
    {
        std::memset(&config, 0, sizeof config);
        config.BoardId = MAINBOARD_GORSEWIN;
        config.Size = sizeof config;
        WriteFixedText(config.szProjectName, sizeof config.szProjectName, "Tiny");
        config.bLed = 1;
        config.Untouched = 7;
    }
    void ConfigToForm(const TINY_CONFIG& config) override
    {
        // Called by InitialiseSettings once the frame found its controls.
        EditProjectName->SetText(ReadFixedText(config.szProjectName, sizeof config.szProjectName));
        CheckBoxLED->SetChecked(config.bLed != 0);
    }
    bool FormToConfig(TINY_CONFIG& config) override
    {
        config.BoardId = MAINBOARD_GORSEWIN;
        config.Size = sizeof config;
        WriteFixedText(config.szProjectName, sizeof config.szProjectName, EditProjectName->Text());
        config.bLed = CheckBoxLED->Checked() ? 1 : 0;
        return true;
    }
    void UpdateShapes() override { ++shapeUpdates; }

    TCheckBox* CheckBoxLED = nullptr;
    int shapeUpdates = 0;
    int checkBoxClicks = 0;
    int untouchedSeen = -1;
    std::vector<std::string> events;

protected:
    void FillCardCombos() override {}
    void DefineBoard(TMainBoard* board, const TINY_CONFIG& config) override
    {
        untouchedSeen = config.Untouched;
        board->m_BoardId = MAINBOARD_GORSEWIN;
        SetDevice(board, {"Cyclone IV E", 484, "FBGA", "", 7, "EP4CE22F17C6"});
        if (config.bLed) {
            TPinGroup group("LED");
            group.Pin("LED", "A1", DIR_OUT, IO_3V3_LVTTL);
            group.AddTo(board);
        }
    }
    void ApplyDefaultPrefixes(TINY_CONFIG&) override { events.push_back("prefixes"); }
    void AttachCards(TMainBoard*, const TINY_CONFIG&) override { events.push_back("cards"); }
    std::string IpNotices() override { return "notice\r\n"; }
    void AfterSuccess() override { events.push_back("after"); }
    void AfterCheckBoxClick() override { ++checkBoxClicks; }
};

// An owner that keeps the messages posted to it.
class TOwner : public TForm {
public:
    TOwner() : TForm(nullptr) {}
    void WndProc(TMessage& message) override { messages.push_back(message.Msg); }
    std::vector<uint32_t> messages;
};

}  // namespace

TEST(BoardFormFrame, RowsOtherThanTheStratixBoards)
{
    SeamRecorder seam;
    TempFolder folder;
    seam.executableFolder = folder.Path();
    TOwner owner;
    auto* form = new TFormTiny(&owner);
    EXPECT_EQ(form->Find<TButton>("ButtonSave")->Caption(), "Save Setting");
    EXPECT_EQ(form->Find<TButton>("ButtonGen")->Caption(), "Generate");
    EXPECT_EQ(form->FindControl("ButtonDefaultSetting"), nullptr);

    form->checkBoxClicks = form->shapeUpdates = 0;
    UserClick(form->CheckBoxLED);
    EXPECT_EQ(form->shapeUpdates, 1);
    EXPECT_EQ(form->checkBoxClicks, 1);
    UserClick(form->CheckBoxLED);

    // A zeroed record of its own: the held record's other bytes stay out.
    seam.AnswerNextDialog(folder.Path() + "CodeGenerated/Tiny/Tiny/Tiny.qpf");
    UserClick(form->Find<TButton>("ButtonGen"));
    EXPECT_EQ(form->untouchedSeen, 0);
    EXPECT_EQ(form->m_Config.m_Config.Untouched, 7);
    EXPECT_EQ(form->events, (std::vector<std::string>{"prefixes", "cards", "after"}));
    // The notices, and no success box.
    EXPECT_EQ(seam.InfoTexts(), std::vector<std::string>{"notice\r\n"});
    EXPECT_TRUE(seam.ErrorTexts().empty());
    EXPECT_TRUE(FileExists(folder.Path() + "CodeGenerated/Tiny/Tiny/Tiny.qsf"));

    // A cancelled load shows nothing on this row.
    seam.boxes.clear();
    UserClick(form->Find<TButton>("ButtonLoad"));
    EXPECT_TRUE(seam.boxes.empty());

    UserClick(form->Find<TButton>("ButtonMainBoardSelect"));
    DeliverPostedMessages();
    EXPECT_EQ(owner.messages, std::vector<uint32_t>{WM_MAINBOARD_SELECT});

    // Leaving saves the held record with the controls in it.
    UserType(form->EditProjectName, "Left");
    form->Leave();
    const std::string saved = ReadFile(folder.Path() + "default.cfg");
    ASSERT_EQ(saved.size(), sizeof(TINY_CONFIG));
    EXPECT_EQ(saved.substr(8, 5), std::string("Left\0", 5));
    EXPECT_EQ(saved[137], 7);
}

TEST(BoardFormFrame, NoticeTexts)
{
    EXPECT_EQ(TFrameBoardForm::JoinWords({{true, "SATA"}, {false, "PCIe"}, {true, "SFP+"}}), "SATA/SFP+");
    EXPECT_EQ(TFrameBoardForm::JoinWords({{false, "SATA"}}), "");
    EXPECT_EQ(TFrameBoardForm::MemoryIpNotice("DDR3"),
              "===== DDR3 Pinloom warning =====\r\n"
              "Please add the DDR3 Controller IP to your Quartus project, follow by\r\n"
              "the steps below to prevent any errors from occurring during compilation.\r\n"
              "\r\n"
              "1). Create correct pin assignment for DDR3.\r\n"
              "2). Setup correct parameters in DDR3 controller dialog. \r\n"
              "3). Execute TCL files, generated by DDR3 IP, under your Quartus project.\r\n"
              "\r\n");
}

}  // namespace frame_form_test
