// The form of the Bristane board: the on-board groups and the cards and
// prefixes of its two 40-pin GPIO headers.
#pragma once

#include <array>
#include <string>

#include "boards/cyclone4_stratix4/BristaneConfig.h"
#include "boards/frame/BoardFormFrame.h"

class TFormBristane : public TFrameBoardFormOf<BRISTANE_CONFIG> {
public:
    explicit TFormBristane(TForm* owner);

    TComboBox* ComboBoxGpio[2] = {};
    TEdit* EditPrefixGpio[2] = {};
    TImage* ImageGpio[2] = {};
    TShape* ShapeGpio[2] = {};
    // The ten check boxes, flags bClock .. bHeader.
    TFlagBoxes m_Groups;

    void SetDefaults(BRISTANE_CONFIG& config) override;
    void ConfigToForm(const BRISTANE_CONFIG& config) override;
    bool FormToConfig(BRISTANE_CONFIG& config) override;
    void UpdateShapes() override;
    void UpdateCardPictures();
    void CoupleGpioHeaders(TObject* changed);
    DaughterId GpioCard(int header) const;

    void ComboBoxGpioChange(TObject* Sender);

protected:
    void FillCardCombos() override;
    bool ValidateBoard(bool generating, std::string& message) override;
    void AfterCheckBoxClick() override { UpdateCardPictures(); }
    void DefineBoard(TMainBoard* board, const BRISTANE_CONFIG& config) override;
    void ApplyDefaultPrefixes(BRISTANE_CONFIG& config) override;
    void AttachCards(TMainBoard* board, const BRISTANE_CONFIG& config) override;

private:
    // The controls of the two headers, GPIO_0 first.
    std::array<TGpioHeaderControls, 2> Headers() const;
};
