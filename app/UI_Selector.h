// The board selector: the modal dialog in which the user picks the main board.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Forms.h"

// One row that the selector can list: board id, display text, picture.
struct TSelectorBoardRow {
    uint8_t Id;
    const char* Text;
    const char* Picture;
};
// The 42 rows, in board-id order.
const std::vector<TSelectorBoardRow>& SelectorBoardRows();

// The boards that the selector lists and that the main form may open at
// start-up: the build's IsBoardOffered, unless a test puts another set in
// (an empty function restores the build's).
void SetBoardOfferedPredicate(std::function<bool(uint8_t)> predicate);
bool IsBoardOfferedHere(uint8_t boardId);

class TFormBoardSelector : public TForm {
public:
    // Builds the form, lists the offered boards and shows the first one's
    // picture. Show it with ShowModal: mrOk or mrCancel.
    explicit TFormBoardSelector(TForm* owner);

    TListBox* ListBoxMainBoard = nullptr;
    TButton* ButtonOK = nullptr;
    TButton* ButtonCancel = nullptr;
    TPanel* PanelImage = nullptr;
    TImage* ImageBoard = nullptr;

    void FillBoardList();
    void ShowBoardPicture();
    // Selects the first row of that board and shows its picture; nothing
    // changes when no row carries the id.
    void SelectBoardId(uint8_t boardId);
    // The board of the selected row; 0 when no row is selected.
    uint8_t GetSelectedBoardId() const;
    int BoardCount() const { return m_BoardCount; }

    void ListBoxMainBoardClick(TObject* Sender);
    void ListBoxMainBoardDblClick(TObject* Sender);
    void ButtonOKClick(TObject* Sender);
    void ButtonCancelClick(TObject* Sender);

private:
    static constexpr int kMaxRows = 512;
    std::vector<std::string> m_BitmapNames;
    std::vector<uint8_t> m_BoardIds;
    int32_t m_BoardCount = 0;
};
