// The form of the Osterlin board: project name, the on-board groups, the
// DDR2 SODIMM socket, and a card with its prefix on each HSMC port. The form
// always opens on its defaults: it neither reads nor writes default.cfg.
#pragma once

#include <string>

#include "boards/cyclone2_3/OsterlinConfig.h"
#include "boards/frame/BoardFormFrame.h"

class TFormOsterlin : public TFrameBoardFormOf<OSTERLIN_CONFIG> {
public:
    explicit TFormOsterlin(TForm* owner);

    TComboBox* ComboBoxPort[2] = {};
    TEdit* EditPrefixPort[2] = {};
    TImage* ImagePort[2] = {};
    // The nine check boxes in the order of the record's flags (bLCD .. bPCIE).
    TFlagBoxes m_Groups;

    void SetDefaults(OSTERLIN_CONFIG& config) override;
    void ConfigToForm(const OSTERLIN_CONFIG& config) override;
    bool FormToConfig(OSTERLIN_CONFIG& config) override;
    void UpdateShapes() override {}
    void UpdateCardPictures();
    DaughterId PortCard(int port) const { return SelectedCard(ComboBoxPort[port], m_Config.m_CardIds); }

    void ComboBoxPortChange(TObject* Sender);

protected:
    void FillCardCombos() override;
    bool ValidateBoard(bool generating, std::string& message) override;
    bool ValidateAfterNameFailure(std::string& message) override;
    void DefineBoard(TMainBoard* board, const OSTERLIN_CONFIG& config) override;
    void AttachCards(TMainBoard* board, const OSTERLIN_CONFIG& config) override;

private:
    bool CheckPrefixClash(std::string& message) const;
};
