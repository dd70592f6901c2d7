// The frame of the configuration-object forms with a tiny board of its own:
// the record held in the form's object, the hooks in their order around a
// run, a VHDL top level, and the display update after every record shown.
#include <gtest/gtest.h>

#include <cstring>

#include "boards/frame/BoardFormConfigObject.h"
#include "boards/frame/ConfigFrame.h"
#include "model/SettingsFile.h"
#include "model/Text.h"
#include "platform/FormsTesting.h"
#include "tests/support/SeamRecorder.h"
#include "tests/support/TestFiles.h"

namespace config_object_frame_test {

namespace {

struct TINY_CONFIG {
    uint8_t BoardId;
    uint8_t bVhdl;
    uint8_t Reserved[2];
    int32_t Size;
    char szProjectName[128];
    char szPrefix[16];
};

std::vector<std::string>* g_Events = nullptr;

class TConfigTiny : public TConfigBoard {
public:
    TINY_CONFIG m_Config{};
    bool LoadFromFile(const std::string& path) override { return LoadRecordFile(&m_Config, sizeof m_Config, path); }
    bool SaveToFile(const std::string& path) override { return SaveRecordFile(&m_Config, sizeof m_Config, path); }
    std::string GetQsfText() override { return "# tiny block\r\n"; }
    std::string GetVerilogText() override { return "// tiny body\r\n"; }
    std::string GetVhdlText(const std::string& entity) override
    {
        return "architecture tiny of " + entity + " is\r\nbegin\r\nend tiny;\r\n";
    }
    bool ExportIpFiles(const std::string&) override
    {
        g_Events->push_back("ExportIpFiles");
        return true;
    }
};

class TFormTinyObject : public TConfigObjectBoardForm<TConfigTiny> {
public:
    explicit TFormTinyObject(TForm* owner) : TConfigObjectBoardForm(owner, ConfigObjectRow("TinyObject", true))
    {
        g_Events = &events;
        std::vector<THandlerEntry> handlers;
        AddFrameHandlers(handlers);
        TFormSpec spec{.Name = "TFORMTINYOBJECT", .Caption = "Tiny", .ClientWidth = 600, .ClientHeight = 200,
                       .BorderStyle = bsNone, .OnClose = "FormClose", .Controls = {}};
        spec.Controls.push_back(FrameEdit("EditProjectName", nullptr, 8, 8, 200));
        spec.Controls.push_back(FrameCheckBox("CheckBoxVhdl", nullptr, 8, 40, 100, "VHDL"));
        spec.Controls.push_back(FrameButton("ButtonMainBoardSelect", 8, 70, 160, "Change Main Board",
                                            "ButtonMainBoardSelectClick"));
        AddFrameButtons(spec.Controls, 8, 120, TButtonCaptions::AllPlain, true);
        LoadLayout(spec, handlers);
        CheckBoxVhdl = Find<TCheckBox>("CheckBoxVhdl");
        InitialiseSettings();
    }
    void SetDefaults(TINY_CONFIG& config) override
    {
        events.push_back("SetDefaults");
        std::memset(&config, 0, sizeof config);
        config.BoardId = MAINBOARD_ZENNORBY;
        config.Size = sizeof config;
        WriteFixedText(config.szProjectName, sizeof config.szProjectName, "tiny");
    }
    void ConfigToForm(const TINY_CONFIG& config) override
    {
        events.push_back("ConfigToForm");
        EditProjectName->SetText(ReadFixedText(config.szProjectName, sizeof config.szProjectName));
        CheckBoxVhdl->SetChecked(config.bVhdl != 0);
    }
    bool FormToConfig(TINY_CONFIG& config) override
    {
        events.push_back("FormToConfig");
        config.BoardId = MAINBOARD_ZENNORBY;
        config.Size = sizeof config;
        WriteFixedText(config.szProjectName, sizeof config.szProjectName, EditProjectName->Text());
        config.bVhdl = CheckBoxVhdl->Checked() ? 1 : 0;
        return true;
    }
    void UpdateShapes() override {}

    TCheckBox* CheckBoxVhdl = nullptr;
    std::vector<std::string> events;
    bool confirm = true;

protected:
    void FillCardCombos() override { events.push_back("FillCardCombos"); }
    void AfterShow() override { events.push_back("AfterShow"); }
    bool ConfirmGenerate() override
    {
        events.push_back("ConfirmGenerate");
        return confirm;
    }
    void AdjustRecord(TINY_CONFIG& config) override
    {
        events.push_back("AdjustRecord");
        if (config.szPrefix[0] == 0) WriteFixedText(config.szPrefix, sizeof config.szPrefix, "T_");
    }
    void DefineBoard(TMainBoard* board, TConfigTiny& object) override
    {
        events.push_back("DefineBoard");
        EXPECT_EQ(&object, &m_Config);
        board->m_pConfig = &object;
        board->m_BoardId = static_cast<MainBoardId>(object.m_Config.BoardId);
        SetDevice(board, {.Family = "Arria 10", .PinCount = 1932, .Package = "FBGA", .SpeedGradeText = nullptr,
                          .SpeedGrade = 0, .Part = "10AX115N2F45E1SG"});
        TPinGroup g("LED");
        g.Pin(std::string(object.m_Config.szPrefix) + "LED", "A1", DIR_OUT, IO_1V8);
        g.AddTo(board);
    }
    void AttachCards(TMainBoard*, const TINY_CONFIG&) override { events.push_back("AttachCards"); }
    bool GeneratesVhdl(const TINY_CONFIG& config) override { return config.bVhdl != 0; }
    std::string IpNotices() override { return "notice"; }
    void AfterSuccess() override { seam::ShowInformation("after"); }
};

class ConfigObjectFrame : public ::testing::Test {
protected:
    void SetUp() override
    {
        seam.executableFolder = folder.Path();
        SetExecutablePathForTesting(folder.Path() + "pinloom");
    }
    void TearDown() override { SetExecutablePathForTesting(""); }
    SeamRecorder seam;
    TempFolder folder;
};

}  // namespace

TEST_F(ConfigObjectFrame, ConstructionShowsTheDefaultsOrDefaultCfgThenUpdatesTheDisplay)
{
    {
        TFormTinyObject form(nullptr);
        EXPECT_EQ(form.events,
                  (std::vector<std::string>{"FillCardCombos", "SetDefaults", "ConfigToForm", "AfterShow"}));
        EXPECT_EQ(form.m_Config.m_Folder, folder.Path());
        EXPECT_EQ(form.EditProjectName->MaxLength(), 127);
        UserType(form.EditProjectName, "kept");
        UserClick(form.ButtonExit);
    }
    EXPECT_EQ(ReadFile(folder.Path() + "default.cfg").size(), sizeof(TINY_CONFIG));
    TFormTinyObject again(nullptr);
    EXPECT_EQ(again.events, (std::vector<std::string>{"FillCardCombos", "ConfigToForm", "AfterShow"}));
    EXPECT_EQ(again.EditProjectName->Text(), "kept");
    again.events.clear();
    UserClick(again.ButtonDefaultSetting);
    EXPECT_EQ(again.events, (std::vector<std::string>{"SetDefaults", "ConfigToForm", "AfterShow"}));
}

TEST_F(ConfigObjectFrame, AGenerateRunsTheHooksInOrderOnTheHeldRecord)
{
    TFormTinyObject form(nullptr);
    form.events.clear();
    const std::string qpf = folder.Path() + "CodeGenerated/TinyObject/tiny/tiny.qpf";
    seam.AnswerNextDialog(qpf);
    UserClick(form.ButtonGen);
    EXPECT_EQ(form.events, (std::vector<std::string>{"ConfirmGenerate", "FormToConfig", "AdjustRecord", "DefineBoard",
                                                     "AttachCards", "ExportIpFiles"}));
    EXPECT_EQ(seam.InfoTexts(),
              (std::vector<std::string>{"notice",
                                        "Generate Quartus Project successfully.\r\nThe project is located in the "
                                        "folder:\r\n" + ExtractFilePath(qpf),
                                        "after"}));
    // The adjustment stays in the held record, and the object's texts reach the files.
    EXPECT_EQ(std::string(form.m_Config.m_Config.szPrefix), "T_");
    EXPECT_NE(ReadFile(ChangeFileExt(qpf, ".v")).find("\t\tT_LED\r\n"), std::string::npos);
    EXPECT_NE(ReadFile(ChangeFileExt(qpf, ".qsf")).find("# tiny block\r\n"), std::string::npos);
    EXPECT_FALSE(FileExists(ChangeFileExt(qpf, ".vhd")));

    // The top-level type of the record.
    UserClick(form.CheckBoxVhdl);
    seam.AnswerNextDialog(qpf);
    UserClick(form.ButtonGen);
    const std::string vhd = ReadFile(ChangeFileExt(qpf, ".vhd"));
    EXPECT_NE(vhd.find("architecture tiny of tiny is"), std::string::npos);
}

TEST_F(ConfigObjectFrame, ANoToTheQuestionEndsTheClickAndALoadFailureShowsItsBox)
{
    TFormTinyObject form(nullptr);
    form.confirm = false;
    form.events.clear();
    UserClick(form.ButtonGen);
    EXPECT_EQ(form.events, std::vector<std::string>{"ConfirmGenerate"});
    EXPECT_TRUE(seam.dialogs.empty());

    WriteFile(folder.Path() + "odd.cfg", std::string(sizeof(TINY_CONFIG) + 1, '\0'));
    seam.AnswerNextDialog(folder.Path() + "odd.cfg");
    UserClick(form.ButtonLoad);
    EXPECT_EQ(seam.ErrorTexts(), std::vector<std::string>{"Failed to load setting"});
    EXPECT_EQ(form.m_Config.m_Folder, folder.Path());

    // A good file: shown, then the display update.
    std::string record(sizeof(TINY_CONFIG), '\0');
    std::memcpy(&record[8], "loaded", 6);
    WriteFile(folder.Path() + "good.cfg", record);
    form.events.clear();
    seam.AnswerNextDialog(folder.Path() + "good.cfg");
    UserClick(form.ButtonLoad);
    EXPECT_EQ(form.events, (std::vector<std::string>{"ConfigToForm", "AfterShow"}));
    EXPECT_EQ(form.EditProjectName->Text(), "loaded");
}

}  // namespace config_object_frame_test
