// The pieces that the layouts of the board forms are made of: buttons,
// check boxes, labels, card combos and prefix edits in the "System
// Configuration" group box, and the board panel with the photograph and the
// overlay rectangles over its parts.
#pragma once

#include <cstddef>
#include <vector>

#include "boards/frame/BoardParts.h"
#include "platform/Forms.h"

namespace formlayout {

// Where the photograph lies in the board panel (an overlay rectangle stands
// kOutlineMargin outside its part).
constexpr int kPhotoLeft = 8;
constexpr int kPhotoTop = 36;
constexpr const char* kConfigGroup = "GroupBoxConfig";

TControlSpec Button(const char* name, int left, int top, int width, const char* caption, const char* onClick);
// A group check box in the configuration group box; clicks run CheckBoxClick.
TControlSpec CheckBox(const char* name, int left, int top, const char* caption);
TControlSpec Label(const char* name, int left, int top, int width, const char* caption, bool bold = false);
// A drop-down list in the configuration group box; the user's pick runs
// onChange (and onClick, when given).
TControlSpec ComboBox(const char* name, int left, int top, int width, const char* onChange,
                      const char* onClick = nullptr);
// A text edit in the configuration group box holding at most maxLength characters.
TControlSpec Edit(const char* name, int left, int top, int width, int maxLength = 0);
// An 80 x 80 card picture in the configuration group box, hidden until a card is shown.
TControlSpec CardImage(const char* name, int left, int top);

// A peripheral group's check box: control name, caption, the offset of its
// flag byte in the record, and the overlay shapes that mark the group.
struct TGroupCheckBox {
    const char* Name;
    const char* Caption;
    std::size_t Flag;
    const char* Shape;
    const char* SecondShape = nullptr;
    bool Visible = true;
};

// The group check boxes in two columns of the configuration group box, the
// first `rows` in the left column, from `top` down in steps of `step`.
void AddGroupCheckBoxes(std::vector<TControlSpec>& controls, const TGroupCheckBox* boxes, std::size_t count,
                        int rows, int top, int step);

// The "Change Main Board" button.
TControlSpec MainBoardSelectButton(int left, int top, int width);

// What the left column of a form shows.
struct TBoardPanel {
    const char* Title;       // the bold board title
    const char* Photo;       // the photograph's picture resource
    int PhotoWidth, PhotoHeight;
    const TBoardPart* Parts;  // the parts with an overlay (ShapeName set) get one
    std::size_t PartCount;
    int PanelHeight;         // the panel is 416 wide
    // A second logo beside the maker's, when given: control and picture.
    const char* SecondLogo = nullptr;
    const char* SecondLogoPicture = nullptr;
};

// The maker's logo at the top left and beside it the second logo, when the
// panel has one, or else the "Change Main Board" button; below them the panel "PanelBoard" with
// "LabelBoardName", the photograph "ImageBoard" and a hidden yellow overlay
// shape per marked part.
void AddBoardPanel(std::vector<TControlSpec>& controls, const TBoardPanel& panel);
// Hidden overlay shapes over the marked parts of a picture that lies at
// (left, top) in parent.
void AddOverlays(std::vector<TControlSpec>& controls, const char* parent, int left, int top,
                 const TBoardPart* parts, std::size_t count, TColor color);
// The buttons under the board panel, two by two from top: "Save Setting",
// "Load Setting", then "Generate", "Exit".
void AddFormButtons(std::vector<TControlSpec>& controls, int top);
// The group box "System Configuration" with "Project Name:" and its edit.
void AddConfigGroup(std::vector<TControlSpec>& controls, int left, int top, int width, int height);

// The controls of one GPIO header in the configuration group box, from top:
// the bold title, the card combo (the user's pick runs onChange, and onClick
// when given), "Prefix Name:" with the prefix edit (at most 127 characters)
// and the hidden 80 x 80 card picture.
struct TGpioHeaderSpec {
    const char* Title;        // "GPIO-0 Header"
    const char* TitleLabel;   // "LabelGpio0"
    const char* Combo;        // "ComboBoxGpio0"
    const char* PrefixLabel;  // "LabelPrefixGpio0"
    const char* Prefix;       // "EditPrefixGpio0"
    const char* Picture;      // "ImageGpio0"
};
// The two headers of the two-header forms.
inline constexpr TGpioHeaderSpec kGpioHeader0 = {"GPIO-0 Header", "Label1", "ComboBoxGpio0", "Label4",
                                                 "EditPrefixGpio0", "ImageGpio0"};
inline constexpr TGpioHeaderSpec kGpioHeader1 = {"GPIO-1 Header", "Label2", "ComboBoxGpio1", "Label5",
                                                 "EditPrefixGpio1", "ImageGpio1"};
void AddGpioHeader(std::vector<TControlSpec>& controls, int top, const TGpioHeaderSpec& header,
                   const char* onChange, const char* onClick = nullptr);

}  // namespace formlayout
