// The base of the board forms, and what a board form needs of the main form
// that hosts it (its owner).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>

#include "model/DaughterBoard.h"
#include "model/Text.h"
#include "platform/Forms.h"

class TMainBoard;

// Posted by a board form's "Change Main Board" button to the main form, both
// parameters 0.
constexpr uint32_t WM_MAINBOARD_SELECT = WM_USER + 1;

// The boxes that end a Generate request: the success box with the project
// folder, the failure box with the project file's name and extension.
void ShowGenerateSucceeded(const std::string& qpfPath);
void ShowGenerateFailed(const std::string& qpfPath);

// The controls of one 40-pin GPIO header.
struct TGpioHeaderControls {
    TComboBox* Combo = nullptr;
    TEdit* Prefix = nullptr;
    TImage* Picture = nullptr;
    TShape* Shape = nullptr;  // the overlay over the header, shown while it carries a card
};

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

    // The longest text a record's name and prefix fields hold, in bytes.
    static constexpr int kMaxNameLength = 127;

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

    // The prefix of a connector that carries a card, when generating (none,
    // or saving a settings file: nothing to check): a legal prefix that keeps
    // every pin name of the card (as loaded for the board) within the name
    // limit; false with the box text.
    static bool CheckCardPrefix(DaughterId card, uint8_t board, const std::string& prefix, const std::string& label,
                                bool generating, std::string& message, int32_t option = 0);

    // Two 40-pin GPIO headers whose card list holds an 80-pin card (ids: the
    // list behind both combos). A card spanning both headers chosen on one
    // shows on the other too, whose combo and prefix are then disabled and
    // take the first's prefix, copied once: later typing in the first's edit
    // does not reach the other; a 40-pin card or "None" chosen on one enables
    // the other, which leaves the 80-pin card it showed for "None".
    static void CoupleGpioHeaders(std::array<TGpioHeaderControls, 2>& headers, TObject* sender, const uint8_t* ids);
    // Showing a record in headers: OpenGpioHeaders enables every header
    // before the record is written into them (so that no prefix is mirrored
    // into a header still locked from an earlier choice), and once it is
    // shown CoupleShownGpioHeaders enables both again and lets the leader
    // (GPIO_0 unless given) couple the other: what the headers show then
    // depends on the record alone.
    static void OpenGpioHeaders(std::span<const TGpioHeaderControls> headers);
    static void CoupleShownGpioHeaders(std::array<TGpioHeaderControls, 2>& headers, const uint8_t* ids,
                                       std::size_t leader = 0);
    // Two headers on the same "GPIO Default" card (one of defaultCards), both
    // without prefix; never for one header.
    static bool IsDefaultGpioPair(std::span<const TGpioHeaderControls> headers, const uint8_t* ids,
                                  std::initializer_list<DaughterId> defaultCards = {1});
    // The prefix checks of the headers of a board: when generating, each
    // prefix legal and fitting its card (labels "GPIO-0" and "GPIO-1", or
    // "GPIO" for a board with one header); then the clash rule between the
    // headers, which the "GPIO Default" pair skips.
    static bool CheckGpioHeaderPrefixes(uint8_t board, std::span<const TGpioHeaderControls> headers,
                                        const uint8_t* ids, std::string& message, bool generating,
                                        std::initializer_list<DaughterId> defaultCards = {1});
    // The card pictures and the header overlays from the combos.
    void UpdateGpioPictures(std::span<const TGpioHeaderControls> headers, const uint8_t* ids);
    static void UpdateGpioShapes(std::span<const TGpioHeaderControls> headers);
    // The headers from and into a record with nGpioDaughterId[] and
    // szGpioPrefixName[][128]: header h is entry h. The headers are opened
    // first (OpenGpioHeaders). A stored card that is not in the list leaves
    // its combo as it was; a header on "None" shows no prefix.
    template <class X_CONFIG>
    static void ShowGpioHeaders(std::span<const TGpioHeaderControls> headers, int32_t count, const uint8_t* ids,
                                const X_CONFIG& config)
    {
        OpenGpioHeaders(headers);
        for (std::size_t h = 0; h < headers.size(); ++h) {
            const TGpioHeaderControls& header = headers[h];
            SelectCard(header.Combo, count, ids, config.nGpioDaughterId[h]);
            header.Prefix->SetText(header.Combo->ItemIndex() != 0
                                       ? ReadFixedText(config.szGpioPrefixName[h], sizeof config.szGpioPrefixName[h])
                                       : std::string());
        }
    }
    template <class X_CONFIG>
    static void StoreGpioHeaders(std::span<const TGpioHeaderControls> headers, const uint8_t* ids, X_CONFIG& config)
    {
        for (std::size_t h = 0; h < headers.size(); ++h) {
            config.nGpioDaughterId[h] = SelectedCard(headers[h].Combo, ids);
            WriteFixedText(config.szGpioPrefixName[h], sizeof config.szGpioPrefixName[h], headers[h].Prefix->Text());
        }
    }
    // Attaches the cards of the headers (card id and prefix per header, ids
    // compared as signed bytes) to the masters the board definition made:
    // the same 80-pin card on two headers once to master 18 with the first
    // prefix; the "GPIO Default" pair to masters 16 and 17 with the name bases
    // GPIO_0 and GPIO_1 and no prefix; otherwise each card to master 16 + h
    // with its header's prefix. Cards are loaded at 3.3-V LVTTL.
    static void AttachGpioHeaderCards(TMainBoard* board, std::span<const uint8_t> cards,
                                      std::span<const std::string> prefixes, bool defaultPair);

private:
    bool m_Left = false;
};
