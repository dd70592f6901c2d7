// The main form: hosts one board form at a time, switches boards through the
// board selector, keeps the last board in the .INI file and shows card
// pictures for the board forms.
#pragma once

#include <cstdint>
#include <string>

#include "app/BoardForm.h"
#include "model/DaughterBoard.h"
#include "platform/Forms.h"

// The board that this build opens at start-up, whatever the .INI file holds.
constexpr uint8_t STARTUP_MAINBOARD_ID = 21;

class TFormMain : public TForm, public TBoardFormHost {
public:
    // Reads the .INI file and opens the start-up board (or, were it not
    // offered, lets the user choose one first).
    explicit TFormMain(TForm* owner);
    // Destroys the hosted board form, then writes the .INI file.
    ~TFormMain() override;

    // Replaces the hosted board form by a new one of that board. An id
    // without a form in this build is a programming error.
    void OpenBoardForm(uint8_t boardId);
    // Destroys the hosted board form, if any.
    void CloseBoardForms();
    // Runs the board selector and opens the chosen board.
    void SelectBoard(bool atStartUp);
    void WndProc(TMessage& message) override;
    void ReadIni();
    void WriteIni();
    // The .INI file: the executable's path with its extension replaced by
    // ".INI" (appended when it has none).
    std::string IniFileName() const;

    // The card's picture in the image; the image hidden for card 0.
    void ShowCardPicture(TImage* image, DaughterId card) override;
    // The bitmap resource of a card; empty for card 0. An id without an entry
    // (9, 38, 39, 77, 89, above 98) is a programming error.
    static std::string GetCardBitmapName(DaughterId card);

    TBoardForm* BoardForm() const { return m_BoardForm; }
    uint8_t CurrentBoardId() const { return m_CurrentBoardId; }

private:
    TBoardForm* m_BoardForm = nullptr;
    uint8_t m_CurrentBoardId = 0;
};

extern TFormMain* FormMain;
