// What every board form of the SoC, MAX 10 and small Cyclone V family does
// alike: the order of construction, default.cfg, Save/Load/Default/Exit, the
// road of a Generate click with its boxes, its part of batch generation, and
// the coupling of two 40-pin GPIO headers by a card that spans both. A board
// form holds only what is its own: its layout, its record, its defaults, and
// how its record maps onto its controls and its board definition.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

#include "boards/BatchGenerate.h"
#include "boards/BoardForm.h"
#include "boards/frame/BoardFormLayout.h"
#include "model/ConfigBase.h"
#include "model/MainBoard.h"
#include "model/Text.h"
#include "model/Configboard.h"
#include "model/DaughterBoard.h"

// A connector that may carry a card, as the prefix checks see it: its card
// (0: none), the prefix typed for it and its label in messages ("GPIO-0").
struct TCardPrefix {
    DaughterId Card;
    std::string Prefix;
    std::string Label;
};

// A peripheral group: its check box, the offset in the record of the flag
// byte it shows, and the overlay shapes that mark it while it is ticked.
struct TSocGroup {
    TCheckBox* Box;
    std::size_t FlagOffset;
    std::vector<TShape*> Shapes;
};

class TSocBoardForm : public TBoardForm, protected TBatchTarget {
public:
    explicit TSocBoardForm(TForm* owner);

    // Handlers shared by the family; a layout binds them by these names.
    void ButtonGenClick(TObject* Sender);
    void ButtonSaveClick(TObject* Sender);
    void ButtonLoadClick(TObject* Sender);
    void ButtonExitClick(TObject* Sender);
    void ButtonMainBoardSelectClick(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);

    // Checks before generating or saving: the project name (to generate, by
    // the rules of model/Names.h; to save, only that it is given), then the
    // board's own checks (ValidateCards). Shows the first failure's message
    // in an error box.
    bool Validate(bool generating);
    // One generation run for a project file path.
    virtual bool Generate(const std::string& qpfPath) = 0;

protected:
    // Runs the shared steps of construction once the layout is loaded: form
    // colour, name limits, card combos, settings folder, default.cfg or the
    // defaults, and showing the record.
    void InitialiseSettings(TEdit* projectName);
    // The handlers of the shared buttons, for a layout's handler table.
    void AddSharedHandlers(std::vector<THandlerEntry>& handlers);

    // What each board supplies.
    virtual const char* BoardFolderWord() const = 0;  // "HOLLARNE": default name and output folder
    virtual void FillCardCombos() = 0;
    virtual void ResetHeldToDefaults() = 0;
    virtual void ShowHeld() = 0;   // ConfigToForm with the held record
    virtual bool StoreHeld() = 0;  // FormToConfig into the held record
    virtual bool LoadHeld(const std::string& path) = 0;
    virtual bool SaveHeld(const std::string& path) = 0;
    virtual std::string& SettingsFolder() = 0;
    // The board's own checks after the project name; false with a message.
    virtual bool ValidateCards(bool generating, std::string& message) = 0;
    // The checks of each connector's prefix, for ValidateCards: to generate,
    // for every connector with a card, a legal prefix that leaves every pin
    // name of the card (as loaded for the board) within 128 characters. False
    // with the message of the first failure, in the connectors' order.
    static bool CheckCardPrefixes(uint8_t board, const std::vector<TCardPrefix>& connectors, bool generating,
                                  std::string& message);
    // After the success box of a generation run.
    virtual void AfterGenerateSuccess() {}
    // The notice that follows a successful run while the HPS group is ticked.
    static void ShowHpsWarning();

    // Batch generation (the left Ctrl key held on Generate). A form that has
    // it returns its rule; the others return nullptr and never read the key.
    virtual const TBatchRule* BatchRule() const { return nullptr; }
    // The card list the batch walks, item 0 ("None") first.
    virtual std::span<const uint8_t> BatchCards() const = 0;
    void GenerateBatch();
    // What a batch form keeps, puts back and sets of its own controls: the
    // walked card combos and the prefix edits its batch changes. The project
    // name is the frame's.
    virtual void SaveBatchCards() {}
    virtual void RestoreBatchCards() {}
    virtual void ShowBatchCard(int /*item*/) {}

    // The family's part of a batch.
    std::string AskBatchProjectFile() override;
    void SaveBatchControls() override;
    void RestoreBatchControls() override;
    void ShowBatchItem(int item, const std::string& projectName) override;
    bool GenerateBatchProject(const std::string& qpfPath) override { return Generate(qpfPath); }

    void FormLeave() override;

    // The groups of a table of check boxes, with the controls of this form.
    std::vector<TSocGroup> BindGroups(const formlayout::TGroupCheckBox* boxes, std::size_t count) const;
    // Group check boxes from the flag bytes of a record (any non-zero byte
    // ticks), into them (0 or 1), and their overlays from the boxes.
    static void ShowGroupFlags(const std::vector<TSocGroup>& groups, const void* record);
    static void StoreGroupFlags(const std::vector<TSocGroup>& groups, void* record);
    static void UpdateGroupShapes(const std::vector<TSocGroup>& groups);

    // The shared header helpers are TBoardForm's (CoupleGpioHeaders,
    // IsDefaultGpioPair, CheckGpioHeaderPrefixes, UpdateGpioPictures,
    // UpdateGpioShapes, AttachGpioHeaderCards).

    // The generation run for a filled main board.
    static bool RunGeneration(TMainBoard* board, const std::string& qpfPath, bool vhdl);

    TEdit* m_ProjectName = nullptr;

private:
    std::string m_BatchProjectName;
};

// A form of this family with its settings holder, held by value: a
// TConfigBase<X_CONFIG>, or a configuration object (a TConfigBoard subclass)
// whose record of type X_CONFIG is its m_Config.
template <class THolder, class X_CONFIG>
class TSocBoardFormHolding : public TSocBoardForm {
public:
    using TSocBoardForm::TSocBoardForm;
    THolder m_Config;

    virtual void SetDefaults(X_CONFIG& config) = 0;
    virtual void ConfigToForm(const X_CONFIG& config) = 0;
    virtual bool FormToConfig(X_CONFIG& config) = 0;

protected:
    static constexpr bool kIsConfigObject = std::is_base_of_v<TConfigBoard, THolder>;

    void ResetHeldToDefaults() override { SetDefaults(m_Config.m_Config); }
    void ShowHeld() override { ConfigToForm(m_Config.m_Config); }
    bool StoreHeld() override { return FormToConfig(m_Config.m_Config); }
    bool LoadHeld(const std::string& path) override
    {
        if constexpr (kIsConfigObject)
            return m_Config.LoadFromFile(path);
        else
            return m_Config.LoadFromFile(m_Config.m_Config, path);
    }
    bool SaveHeld(const std::string& path) override
    {
        if constexpr (kIsConfigObject)
            return m_Config.SaveToFile(path);
        else
            return m_Config.SaveToFile(m_Config.m_Config, path);
    }
    std::string& SettingsFolder() override { return m_Config.m_Folder; }

    // The headers from and into the record (TBoardForm::ShowGpioHeaders).
    void ShowGpioHeaders(std::span<const TGpioHeaderControls> headers, const X_CONFIG& config)
    {
        TBoardForm::ShowGpioHeaders(headers, m_Config.m_CardCount, m_Config.m_CardIds, config);
    }
    void StoreGpioHeaders(std::span<const TGpioHeaderControls> headers, X_CONFIG& config) const
    {
        TBoardForm::StoreGpioHeaders(headers, m_Config.m_CardIds, config);
    }
    // One generation run from the controls: they are written into a copy of
    // the held record (the held one is not touched), the board definition
    // fills a fresh main board from it, the header cards are attached, and
    // the run writes a Verilog top level.
    template <class Definition>
    bool GenerateFromControls(const std::string& qpfPath, Definition definition,
                              std::span<const TGpioHeaderControls> headers)
    {
        X_CONFIG config = m_Config.m_Config;
        FormToConfig(config);
        auto board = std::make_unique<TMainBoard>();
        definition(board.get(), &config);
        AttachGpioHeaderCards(board.get(), headers, config);
        return RunGeneration(board.get(), qpfPath, false);
    }
    // Attaches the header cards of a record the form has just written.
    void AttachGpioHeaderCards(TMainBoard* board, std::span<const TGpioHeaderControls> headers,
                               const X_CONFIG& config) const
    {
        std::vector<std::string> prefixes;
        for (size_t h = 0; h < headers.size(); ++h)
            prefixes.push_back(ReadFixedText(config.szGpioPrefixName[h], sizeof config.szGpioPrefixName[h]));
        TBoardForm::AttachGpioHeaderCards(board, std::span<const uint8_t>(config.nGpioDaughterId, headers.size()),
                                          prefixes, IsDefaultGpioPair(headers, m_Config.m_CardIds));
    }

    std::span<const uint8_t> BatchCards() const override
    {
        return {m_Config.m_CardIds, static_cast<size_t>(m_Config.m_CardCount)};
    }
};

template <class X_CONFIG>
using TSocBoardFormOf = TSocBoardFormHolding<TConfigBase<X_CONFIG>, X_CONFIG>;

// What a form of the next kind names of its board.
template <class X_CONFIG>
struct TSocGpioBoard {
    uint8_t BoardId;                                     // written into the record
    void (*Definition)(TMainBoard*, const X_CONFIG*);    // the board definition
    ConnectorType CardType;                              // the card list of the header combos
    VoltageClass Voltage;
};

// A form whose record holds one flag byte per peripheral group and, for
// GPIO header h, entry h of nGpioDaughterId and of szGpioPrefixName: how such
// a record maps onto the controls, the card combos, the prefix rule and the
// generation run are the same for every form of this kind. The form supplies
// its layout, its groups and headers, its defaults and its batch.
template <class X_CONFIG, std::size_t Headers>
class TSocGpioBoardForm : public TSocBoardFormOf<X_CONFIG> {
    static_assert(Headers == 1 || Headers == 2);

public:
    TSocGpioBoardForm(TForm* owner, const TSocGpioBoard<X_CONFIG>& board)
        : TSocBoardFormOf<X_CONFIG>(owner), m_Board(board)
    {
    }

    // The controls that every layout of this kind has (AddBoardPanel,
    // AddFormButtons, AddConfigGroup), found by FindFrameControls.
    TButton* ButtonMainBoardSelect = nullptr;
    TPanel* PanelBoard = nullptr;
    TLabel* LabelBoardName = nullptr;
    TImage* ImageBoard = nullptr;
    TButton* ButtonSave = nullptr;
    TButton* ButtonLoad = nullptr;
    TButton* ButtonGen = nullptr;
    TButton* ButtonExit = nullptr;
    TEdit* EditProjectName = nullptr;

    // The groups in the order of their flags in the record.
    std::vector<TSocGroup> m_Groups;

    void ConfigToForm(const X_CONFIG& config) override
    {
        this->m_ProjectName->SetText(ReadFixedText(config.szProjectName, sizeof config.szProjectName));
        this->ShowGroupFlags(m_Groups, &config);
        this->ShowGpioHeaders(m_Headers, config);
        if constexpr (Headers == 2) TBoardForm::CoupleShownGpioHeaders(m_Headers, this->m_Config.m_CardIds);
        UpdateCardPictures();
        UpdateShapes();
    }
    bool FormToConfig(X_CONFIG& config) override
    {
        config.BoardId = m_Board.BoardId;
        config.Size = sizeof(X_CONFIG);
        WriteFixedText(config.szProjectName, sizeof config.szProjectName, this->m_ProjectName->Text());
        this->StoreGroupFlags(m_Groups, &config);
        this->StoreGpioHeaders(m_Headers, config);
        return true;
    }
    void UpdateCardPictures() { this->UpdateGpioPictures(m_Headers, this->m_Config.m_CardIds); }
    void UpdateShapes()
    {
        this->UpdateGroupShapes(m_Groups);
        this->UpdateGpioShapes(m_Headers);
    }
    // An 80-pin card on one of two headers shows on the other too; nothing
    // to couple on one header.
    void CoupleGpioHeaders(TObject* sender)
    {
        if constexpr (Headers == 2) TBoardForm::CoupleGpioHeaders(m_Headers, sender, this->m_Config.m_CardIds);
    }
    bool Generate(const std::string& qpfPath) override
    {
        return this->GenerateFromControls(qpfPath, m_Board.Definition, m_Headers);
    }

    void CheckBoxClick(TObject*) { UpdateShapes(); }
    void ComboBoxGpioChange(TObject* Sender)
    {
        CoupleGpioHeaders(Sender);
        UpdateCardPictures();
        UpdateShapes();
    }

protected:
    // The shared handlers and the group, card and prefix handlers by their names.
    void AddGpioFormHandlers(std::vector<THandlerEntry>& handlers)
    {
        this->AddSharedHandlers(handlers);
        handlers.emplace_back("CheckBoxClick", this->Bind(&TSocGpioBoardForm::CheckBoxClick));
        handlers.emplace_back("ComboBoxGpioChange", this->Bind(&TSocGpioBoardForm::ComboBoxGpioChange));
    }
    // The board panel is "PanelBoard" unless the layout names it otherwise.
    void FindFrameControls(const char* panel = "PanelBoard")
    {
        ButtonMainBoardSelect = this->template Find<TButton>("ButtonMainBoardSelect");
        PanelBoard = this->template Find<TPanel>(panel);
        LabelBoardName = this->template Find<TLabel>("LabelBoardName");
        ImageBoard = this->template Find<TImage>("ImageBoard");
        ButtonSave = this->template Find<TButton>("ButtonSave");
        ButtonLoad = this->template Find<TButton>("ButtonLoad");
        ButtonGen = this->template Find<TButton>("ButtonGen");
        ButtonExit = this->template Find<TButton>("ButtonExit");
        EditProjectName = this->template Find<TEdit>("EditProjectName");
    }
    void FillCardCombos() override
    {
        this->m_Config.BuildCardList(m_Board.CardType, false, m_Board.Voltage);
        for (const TGpioHeaderControls& header : m_Headers)
            this->FillCardCombo(header.Combo, this->m_Config.m_CardCount, this->m_Config.m_CardIds);
    }
    bool ValidateCards(bool generating, std::string& message) override
    {
        return this->CheckGpioHeaderPrefixes(m_Board.BoardId, m_Headers, this->m_Config.m_CardIds, message,
                                             generating);
    }
    // The HPS notice after a successful run, on boards with that group.
    void AfterGenerateSuccess() override
    {
        if (m_HpsBox && m_HpsBox->Checked()) this->ShowHpsWarning();
    }

    std::array<TGpioHeaderControls, Headers> m_Headers{};
    TCheckBox* m_HpsBox = nullptr;  // the "HPS" group, where the board has one

private:
    TSocGpioBoard<X_CONFIG> m_Board;
};

// A form of the kind above with two GPIO headers laid out with
// formlayout::kGpioHeader0 and kGpioHeader1, marked by the overlays
// "ShapeGpio0" and "ShapeGpio1".
template <class X_CONFIG>
class TSocTwoHeaderForm : public TSocGpioBoardForm<X_CONFIG, 2> {
public:
    using TSocGpioBoardForm<X_CONFIG, 2>::TSocGpioBoardForm;

    TComboBox* ComboBoxGpio0 = nullptr;
    TComboBox* ComboBoxGpio1 = nullptr;
    TEdit* EditPrefixGpio0 = nullptr;
    TEdit* EditPrefixGpio1 = nullptr;
    TImage* ImageGpio0 = nullptr;
    TImage* ImageGpio1 = nullptr;
    TShape* ShapeGpio0 = nullptr;
    TShape* ShapeGpio1 = nullptr;

protected:
    void FindGpioHeaders()
    {
        ComboBoxGpio0 = this->template Find<TComboBox>("ComboBoxGpio0");
        ComboBoxGpio1 = this->template Find<TComboBox>("ComboBoxGpio1");
        EditPrefixGpio0 = this->template Find<TEdit>("EditPrefixGpio0");
        EditPrefixGpio1 = this->template Find<TEdit>("EditPrefixGpio1");
        ImageGpio0 = this->template Find<TImage>("ImageGpio0");
        ImageGpio1 = this->template Find<TImage>("ImageGpio1");
        ShapeGpio0 = this->template Find<TShape>("ShapeGpio0");
        ShapeGpio1 = this->template Find<TShape>("ShapeGpio1");
        this->m_Headers = {{{ComboBoxGpio0, EditPrefixGpio0, ImageGpio0, ShapeGpio0},
                            {ComboBoxGpio1, EditPrefixGpio1, ImageGpio1, ShapeGpio1}}};
    }
};
