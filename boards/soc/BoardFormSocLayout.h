// The left column of this family's layouts: the logos at the top, the board
// panel with the title, the photograph and the overlays over its parts, and
// rows of buttons. Each form places these pieces where its layout puts them.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <vector>

#include "boards/frame/BoardFormLayout.h"

namespace soclayout {

// The column: its left edge and width, and the buttons' height.
constexpr int kColumnLeft = 8;
constexpr int kColumnWidth = 416;
constexpr int kButtonHeight = 30;

// The maker's logo at the top left and, when given, a second logo (control
// and picture) beside it.
void AddLogos(std::vector<TControlSpec>& controls, const char* secondLogo = nullptr,
              const char* secondPicture = nullptr);

// A board panel: the bold title at the top, the photograph below it, and a
// hidden yellow overlay shape over each marked part of the photograph.
struct TBoardPanel {
    const char* Name = "PanelBoard";
    int Top = 56;
    int Width = kColumnWidth;
    int Height = 0;
    const char* Title = "";
    int TitleFontHeight = 16;  // pixels
    const char* Photo = "";    // the photograph's picture resource
    int PhotoTop = formlayout::kPhotoTop;
    int PhotoWidth = 0;
    int PhotoHeight = 0;
    const TBoardPart* Parts = nullptr;
    std::size_t PartCount = 0;
};
void AddBoardPanel(std::vector<TControlSpec>& controls, const TBoardPanel& panel);

// A button of a row: control, caption and the handler of its click.
struct TRowButton {
    const char* Name;
    const char* Caption;
    const char* OnClick;
};
// Buttons side by side across the column, of one width, 4 pixels apart.
void AddButtonRow(std::vector<TControlSpec>& controls, int top, std::initializer_list<TRowButton> buttons);

// The group box "System Configuration" with "Project Name:" and its edit,
// for a form whose captions need labelWidth pixels beside an edit.
void AddConfigGroup(std::vector<TControlSpec>& controls, int left, int top, int width, int height, int labelWidth);
// The controls of one GPIO header as formlayout::AddGpioHeader lays them
// out, with "Prefix Name:" labelWidth pixels wide.
void AddGpioHeader(std::vector<TControlSpec>& controls, int top, const formlayout::TGpioHeaderSpec& header,
                   const char* onChange, const char* onClick, int labelWidth);

// The shared buttons by their names.
inline constexpr TRowButton kSave = {"ButtonSave", "Save Setting", "ButtonSaveClick"};
inline constexpr TRowButton kLoad = {"ButtonLoad", "Load Setting", "ButtonLoadClick"};
inline constexpr TRowButton kGenerate = {"ButtonGen", "Generate", "ButtonGenClick"};
inline constexpr TRowButton kExit = {"ButtonExit", "Exit", "ButtonExitClick"};
inline constexpr TRowButton kMainBoardSelect = {"ButtonMainBoardSelect", "Change Main Board",
                                                "ButtonMainBoardSelectClick"};

}  // namespace soclayout
