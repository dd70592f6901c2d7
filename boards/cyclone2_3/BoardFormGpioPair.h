// The forms of the boards with a pair of 40-pin GPIO headers (Avemor,
// Fennick, Isselmont, Jarrowby): one design on the board-form frame. A form
// edits its record: the project name, one check box per on-board group (the
// record's flags in order, from offset 136) and, per header, a card and a
// signal-name prefix; an 80-pin card sits on both headers at once.
//
// Where these forms depart from other frame forms (their row): projects under
// CodeGenerated/<board word>/, no success box, no "Failed to load setting"
// box, "Change Main Board" posts, each run on a zeroed record of its own, no
// default prefix. Each member names its board in a TGpioPairMember.
//
// The headers: an 80-pin card chosen on either header shows on the other,
// whose combo and prefix are disabled and take a copy of the chosen header's
// prefix, made once when the card is chosen;
// showing a record enables both headers first and lets GPIO_0 lead, so no
// header stays locked after a load. A stored card missing from the list
// leaves its combo on the item it showed.
#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "boards/frame/BoardFormFrame.h"
#include "boards/frame/BoardFormLayout.h"
#include "boards/frame/BoardParts.h"
#include "model/DaughterBoard.h"
#include "model/Text.h"

// What sets one form of the family apart.
struct TGpioPairMember {
    const char* Word;  // "Avemor": the default project name and the project folder
    uint8_t BoardId;
    void (*Definition)(TMainBoard* board, const void* record);
    VoltageClass Voltage;  // of the card list
    // Layout.
    const char* FormName;  // "TFORMAVEMOR"
    const char* Title;     // "Avemor FPGA Board"
    int ClientWidth, ClientHeight;
    const char* Photo;
    int PhotoWidth, PhotoHeight;
    const TBoardPart* Parts;  // the picture's parts; "ShapeGpio0" and "ShapeGpio1" among them
    std::size_t PartCount;
    // The group boxes in the order of the record's flags (contiguous from
    // bCLOCK), each with its flag's offset and its outlines.
    std::vector<formlayout::TGroupCheckBox> Boxes;
    const char* DottedShape;  // drawn with a dotted 1-pixel outline, or nullptr
};

// The form's layout: borderless, of the member's client size; on the left the
// two logos, "Change Main Board", the board panel with its outlines and the
// four buttons in two rows; on the right "System Configuration" with the
// project name, the check boxes in two columns and the two header sections.
TFormSpec GpioPairLayout(const TGpioPairMember& member);

template <class X_CONFIG>
class TGpioPairBoardForm : public TFrameBoardFormOf<X_CONFIG> {
    using Base = TFrameBoardFormOf<X_CONFIG>;

public:
    TGpioPairBoardForm(TForm* owner, const TGpioPairMember& member)
        : Base(owner, RowOf(member)), m_Member(member)
    {
        // One box per flag byte, the flags contiguous from bCLOCK.
        PL_ASSERT(member.Boxes.size() == offsetof(X_CONFIG, nGpioDaughterId) - offsetof(X_CONFIG, bCLOCK));
        for (std::size_t i = 0; i < member.Boxes.size(); ++i)
            PL_ASSERT(member.Boxes[i].Flag == offsetof(X_CONFIG, bCLOCK) + i);
        std::vector<THandlerEntry> handlers;
        this->AddFrameHandlers(handlers);
        handlers.emplace_back("ComboBoxGpioChange", this->Bind(&TGpioPairBoardForm::ComboBoxGpioChange));
        this->LoadLayout(GpioPairLayout(member), handlers);

        ComboBoxGpio0 = this->template Find<TComboBox>("ComboBoxGpio0");
        ComboBoxGpio1 = this->template Find<TComboBox>("ComboBoxGpio1");
        EditPrefixGpio0 = this->template Find<TEdit>("EditPrefixGpio0");
        EditPrefixGpio1 = this->template Find<TEdit>("EditPrefixGpio1");
        ImageGpio0 = this->template Find<TImage>("ImageGpio0");
        ImageGpio1 = this->template Find<TImage>("ImageGpio1");
        ShapeGpio0 = this->template Find<TShape>("ShapeGpio0");
        ShapeGpio1 = this->template Find<TShape>("ShapeGpio1");
        m_Headers = {{{ComboBoxGpio0, EditPrefixGpio0, ImageGpio0, ShapeGpio0},
                      {ComboBoxGpio1, EditPrefixGpio1, ImageGpio1, ShapeGpio1}}};
        std::vector<TFlagBoxes::TEntryNames> boxes;
        for (const formlayout::TGroupCheckBox& box : member.Boxes) {
            boxes.emplace_back(box.Name, std::vector<const char*>{box.Shape});
            if (box.SecondShape) boxes.back().second.push_back(box.SecondShape);
        }
        m_Groups.Bind(*this, boxes);
        this->InitialiseSettings({EditPrefixGpio0, EditPrefixGpio1});
    }

    TComboBox* ComboBoxGpio0 = nullptr;
    TComboBox* ComboBoxGpio1 = nullptr;
    TEdit* EditPrefixGpio0 = nullptr;
    TEdit* EditPrefixGpio1 = nullptr;
    TImage* ImageGpio0 = nullptr;
    TImage* ImageGpio1 = nullptr;
    TShape* ShapeGpio0 = nullptr;
    TShape* ShapeGpio1 = nullptr;
    // The group boxes in the order of the record's flags.
    TFlagBoxes m_Groups;

    void SetDefaults(X_CONFIG& config) override
    {
        std::memset(&config, 0, sizeof config);
        config.BoardId = m_Member.BoardId;
        config.Size = sizeof(X_CONFIG);
        WriteFixedText(config.szProjectName, sizeof config.szProjectName, m_Member.Word);
        std::memset(&config.bCLOCK, 1, m_Member.Boxes.size());
    }
    void ConfigToForm(const X_CONFIG& config) override
    {
        this->EditProjectName->SetText(ReadFixedText(config.szProjectName, sizeof config.szProjectName));
        m_Groups.Show(&config.bCLOCK);
        TBoardForm::ShowGpioHeaders(m_Headers, this->m_Config.m_CardCount, this->m_Config.m_CardIds, config);
        this->CoupleShownGpioHeaders(m_Headers, this->m_Config.m_CardIds);
        UpdateCardPictures();
        UpdateShapes();
    }
    bool FormToConfig(X_CONFIG& config) override
    {
        config.BoardId = m_Member.BoardId;
        config.Size = sizeof(X_CONFIG);
        WriteFixedText(config.szProjectName, sizeof config.szProjectName, this->EditProjectName->Text());
        m_Groups.Store(&config.bCLOCK);
        TBoardForm::StoreGpioHeaders(m_Headers, this->m_Config.m_CardIds, config);
        return true;
    }
    void UpdateShapes() override
    {
        m_Groups.UpdateShapes();
        this->UpdateGpioShapes(m_Headers);
    }
    void UpdateCardPictures() { this->UpdateGpioPictures(m_Headers, this->m_Config.m_CardIds); }
    // Keeps an 80-pin card on both headers; sender's header leads.
    void CoupleGpioHeaders(TObject* sender)
    {
        TBoardForm::CoupleGpioHeaders(m_Headers, sender, this->m_Config.m_CardIds);
    }

    void ComboBoxGpioChange(TObject* Sender)
    {
        CoupleGpioHeaders(Sender);
        UpdateCardPictures();
        UpdateShapes();
    }

protected:
    void FillCardCombos() override
    {
        this->m_Config.BuildCardList(CONNECTOR_GPIO80, false, m_Member.Voltage);
        for (const TGpioHeaderControls& header : m_Headers)
            this->FillCardCombo(header.Combo, this->m_Config.m_CardCount, this->m_Config.m_CardIds);
    }
    // Each header's prefix legal (and, to generate, fitting its card), then no
    // two headers with one card of 40 pins and one prefix; these boards have
    // no "GPIO Default" pair that skips the clash rule.
    bool ValidateBoard(bool generating, std::string& message) override
    {
        return this->CheckGpioHeaderPrefixes(m_Member.BoardId, m_Headers, this->m_Config.m_CardIds, message,
                                             generating, {});
    }
    void DefineBoard(TMainBoard* board, const X_CONFIG& config) override { m_Member.Definition(board, &config); }
    void AttachCards(TMainBoard* board, const X_CONFIG& config) override
    {
        std::vector<std::string> prefixes;
        for (std::size_t h = 0; h < 2; ++h)
            prefixes.push_back(ReadFixedText(config.szGpioPrefixName[h], sizeof config.szGpioPrefixName[h]));
        this->AttachGpioHeaderCards(board, config.nGpioDaughterId, prefixes, false);
    }

    std::array<TGpioHeaderControls, 2> m_Headers{};

private:
    static TBoardFormRow RowOf(const TGpioPairMember& member)
    {
        return {.FolderWord = member.Word,
                .LoadFailureBox = false,
                .SuccessBox = false,
                .PostsBoardChange = true,
                .GeneratesFromHeld = false};
    }

    const TGpioPairMember& m_Member;
};
