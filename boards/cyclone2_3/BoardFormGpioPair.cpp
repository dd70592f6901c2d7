#include "boards/cyclone2_3/BoardFormGpioPair.h"

#include <cstring>

#include "boards/frame/BoardFormLayout.h"

namespace {

// The outlines over the board picture: yellow, 4 pixels wide.
constexpr int kOutlineWidth = 4;
// Check-box rows of the configuration group.
constexpr int kFirstBoxTop = 60;
constexpr int kBoxStep = 24;
// "Change Main Board" stands under the logos, the panel under it (the
// button is 30 high).
constexpr int kChangeTop = 56;
constexpr int kPanelTop = kChangeTop + 30 + 8;
// The height of one header section (title, combo, prefix, card picture).
constexpr int kHeaderHeight = 100;

}  // namespace

TFormSpec GpioPairLayout(const TGpioPairMember& member)
{
    using namespace formlayout;
    TFormSpec spec{.Name = member.FormName, .Caption = member.Word, .ClientWidth = member.ClientWidth,
                   .ClientHeight = member.ClientHeight, .BorderStyle = bsNone, .OnClose = "FormClose",
                   .Controls = {}};
    auto& c = spec.Controls;
    AddBoardPanel(c, {.Title = member.Title, .Photo = member.Photo, .PhotoWidth = member.PhotoWidth,
                      .PhotoHeight = member.PhotoHeight, .Parts = member.Parts, .PartCount = member.PartCount,
                      .PanelHeight = member.PhotoHeight + kPhotoTop + 8, .SecondLogo = "ImageFpgaLogo",
                      .SecondLogoPicture = "FPGA_LOGO_BITMAP"});
    for (TControlSpec& control : c) {
        if (control.Kind != TControlKind::Shape) continue;
        control.PenWidth = kOutlineWidth;
        if (member.DottedShape && std::strcmp(control.Name, member.DottedShape) == 0) {
            control.PenWidth = 1;
            control.PenStyle = psDot;
        }
    }
    // Under the logos "Change Main Board", then the panel; at the bottom two
    // rows of buttons: Save and Generate, then Load and Exit.
    c.push_back(MainBoardSelectButton(8, kChangeTop, 416));
    for (TControlSpec& control : c)
        if (std::strcmp(control.Name, "PanelBoard") == 0) control.Top = kPanelTop;
    const int buttonsTop = member.ClientHeight - 80;
    c.push_back(Button("ButtonSave", 8, buttonsTop, 206, "Save Setting", "ButtonSaveClick"));
    c.push_back(Button("ButtonGen", 218, buttonsTop, 206, "Generate", "ButtonGenClick"));
    c.push_back(Button("ButtonLoad", 8, buttonsTop + 40, 206, "Load Setting", "ButtonLoadClick"));
    c.push_back(Button("ButtonExit", 218, buttonsTop + 40, 206, "Exit", "ButtonExitClick"));

    AddConfigGroup(c, 432, 8, member.ClientWidth - 440, member.ClientHeight - 16);
    const int rows = static_cast<int>((member.Boxes.size() + 1) / 2);
    AddGroupCheckBoxes(c, member.Boxes.data(), member.Boxes.size(), rows, kFirstBoxTop, kBoxStep);
    const int headersTop = kFirstBoxTop + kBoxStep * rows + 8;
    AddGpioHeader(c, headersTop, kGpioHeader0, "ComboBoxGpioChange");
    AddGpioHeader(c, headersTop + kHeaderHeight, kGpioHeader1, "ComboBoxGpioChange");
    return spec;
}
