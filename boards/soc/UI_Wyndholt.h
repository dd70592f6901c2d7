// The form of the Wyndholt board: project name, the on-board peripheral
// groups, a card and a prefix for each of the two 40-pin GPIO headers, which
// an 80-pin card occupies together; with the left Ctrl key held, Generate
// writes one project per card of the list, on both headers at once.
#pragma once

#include <array>
#include <string>

#include "boards/soc/BoardFormSoc.h"
#include "boards/soc/WyndholtConfig.h"

class TFormWyndholt : public TSocTwoHeaderForm<WYNDHOLT_CONFIG> {
public:
    explicit TFormWyndholt(TForm* owner);

    TCheckBox* CheckBoxOSC = nullptr;
    TCheckBox* CheckBoxLED = nullptr;
    TCheckBox* CheckBoxButton = nullptr;
    TCheckBox* CheckBoxSwitch = nullptr;
    TCheckBox* CheckBoxVGA = nullptr;
    TCheckBox* CheckBoxSDRAM = nullptr;
    TCheckBox* CheckBoxSeg7 = nullptr;
    TCheckBox* CheckBoxPS2 = nullptr;
    TCheckBox* CheckBoxSdCard = nullptr;

    void SetDefaults(WYNDHOLT_CONFIG& config) override;

protected:
    const char* BoardFolderWord() const override { return "WYNDHOLT"; }

    const TBatchRule* BatchRule() const override;
    void SaveBatchCards() override;
    void RestoreBatchCards() override;
    void ShowBatchCard(int item) override;

private:
    // The combos' items and the prefixes a batch puts back.
    std::array<int, 2> m_BatchItems{};
    std::array<std::string, 2> m_BatchPrefixes;
};
