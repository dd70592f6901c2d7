// The base of the board forms, and what a board form needs of the main form
// that hosts it (its owner).
#pragma once

#include <cstdint>
#include <string>

#include "model/DaughterBoard.h"
#include "platform/Forms.h"

// Posted by a board form's "Change Main Board" button to the main form, both
// parameters 0.
constexpr uint32_t WM_MAINBOARD_SELECT = WM_USER + 1;

// The boxes that end a Generate request: the success box with the project
// folder, the failure box with the project file's name and extension.
void ShowGenerateSucceeded(const std::string& qpfPath);
void ShowGenerateFailed(const std::string& qpfPath);

// The services of the main form that board forms use.
class TBoardFormHost {
public:
    // The card's picture in the image; the image hidden for card 0.
    virtual void ShowCardPicture(TImage* image, uint8_t card) = 0;

protected:
    ~TBoardFormHost() = default;
};

// A board form: created by the main form with the main form as owner, hosted
// in its client area at the size of the form's own Width and Height.
//
// FormLeave runs once, the first time the form goes away, whichever way that
// is: closed (its Exit button calls Close, then closes the main form), or
// destroyed by the main form (a board change, or the main window closed by
// its frame). A board form saves its settings there.
class TBoardForm : public TForm {
public:
    explicit TBoardForm(TForm* owner) : TForm(owner) {}

    // Runs FormLeave unless it has run already. An exception that escapes
    // FormLeave is shown in the error box.
    void Leave();
    bool HasLeft() const { return m_Left; }

protected:
    virtual void FormLeave() {}
    void DoClose(TCloseAction& action) override;
    // The owner's services; nullptr when the owner is not a host.
    TBoardFormHost* Host() const;

    // Card combos: fill one from a card list (item k shows card ids[k]), read
    // and select card ids.
    static void FillCardCombo(TComboBox* combo, int32_t count, const uint8_t* ids);
    static DaughterId SelectedCard(const TComboBox* combo, const uint8_t* ids);
    // Selects the first item of the card; keeps the selection when absent.
    static void SelectCard(TComboBox* combo, int32_t count, const uint8_t* ids, DaughterId card);
    // The card's picture in the image (hidden for no card), by the host.
    void ShowCardPicture(TImage* image, DaughterId card);
    // Two 40-pin GPIO headers, the one whose combo is `changed` (else the
    // first) just changed: an 80-pin card on it takes the other header too
    // (same item and prefix, the other's controls disabled); otherwise the
    // other header is enabled, and an 80-pin card it showed gives way to item
    // 0 with an empty prefix.
    static void CoupleGpioPair(TObject* changed, TComboBox* const (&combos)[2], TEdit* const (&prefixes)[2],
                               const uint8_t* ids);

private:
    bool m_Left = false;
};
