#include "boards/frame/BoardFormLayout.h"

#include "boards/BoardForm.h"

namespace formlayout {

TControlSpec Button(const char* name, int left, int top, int width, const char* caption, const char* onClick)
{
    return {.Kind = TControlKind::Button, .Name = name, .Left = left, .Top = top, .Width = width, .Height = 30,
            .Caption = caption, .OnClick = onClick, .HandCursor = true};
}

TControlSpec CheckBox(const char* name, int left, int top, const char* caption)
{
    return {.Kind = TControlKind::CheckBox, .Name = name, .Parent = kConfigGroup, .Left = left, .Top = top,
            .Width = 160, .Height = 22, .Caption = caption, .OnClick = "CheckBoxClick", .HandCursor = true};
}

TControlSpec Label(const char* name, int left, int top, int width, const char* caption, bool bold)
{
    return {.Kind = TControlKind::Label, .Name = name, .Parent = kConfigGroup, .Left = left, .Top = top,
            .Width = width, .Height = 20, .Caption = caption, .Bold = bold};
}

TControlSpec ComboBox(const char* name, int left, int top, int width, const char* onChange, const char* onClick)
{
    return {.Kind = TControlKind::ComboBox, .Name = name, .Parent = kConfigGroup, .Left = left, .Top = top,
            .Width = width, .Height = 24, .OnClick = onClick, .OnChange = onChange, .HandCursor = true};
}

TControlSpec Edit(const char* name, int left, int top, int width, int maxLength)
{
    return {.Kind = TControlKind::Edit, .Name = name, .Parent = kConfigGroup, .Left = left, .Top = top,
            .Width = width, .Height = 24, .MaxLength = maxLength};
}

TControlSpec CardImage(const char* name, int left, int top)
{
    return {.Kind = TControlKind::Image, .Name = name, .Parent = kConfigGroup, .Left = left, .Top = top,
            .Width = 80, .Height = 80, .Visible = false};
}

void AddGroupCheckBoxes(std::vector<TControlSpec>& controls, const TGroupCheckBox* boxes, std::size_t count,
                        int rows, int top, int step)
{
    for (std::size_t i = 0; i < count; ++i) {
        const int row = static_cast<int>(i) % rows;
        TControlSpec box = CheckBox(boxes[i].Name, static_cast<int>(i) < rows ? 12 : 184, top + step * row,
                                    boxes[i].Caption);
        box.Visible = boxes[i].Visible;
        controls.push_back(box);
    }
}

TControlSpec MainBoardSelectButton(int left, int top, int width)
{
    return Button("ButtonMainBoardSelect", left, top, width, "Change Main Board", "ButtonMainBoardSelectClick");
}

void AddOverlays(std::vector<TControlSpec>& controls, const char* parent, int left, int top,
                 const TBoardPart* parts, std::size_t count, TColor color)
{
    for (std::size_t i = 0; i < count; ++i) {
        const TBoardPart& part = parts[i];
        if (!part.ShapeName) continue;
        controls.push_back({.Kind = TControlKind::Shape, .Name = part.ShapeName, .Parent = parent,
                            .Left = left + part.Left - kOutlineMargin, .Top = top + part.Top - kOutlineMargin,
                            .Width = part.Width + 2 * kOutlineMargin, .Height = part.Height + 2 * kOutlineMargin,
                            .Visible = false, .PenColor = color, .PenWidth = 3, .BrushStyle = bsClear});
    }
}

void AddBoardPanel(std::vector<TControlSpec>& controls, const TBoardPanel& panel)
{
    controls.push_back({.Kind = TControlKind::Image, .Name = "ImageLogo", .Left = 8, .Top = 8, .Width = 200,
                        .Height = 40, .Picture = "KALVORA_LOGO_BITMAP"});
    // Beside the logo: the second logo, or else the "Change Main Board" button
    // (a form with two logos places the button itself).
    if (panel.SecondLogo)
        controls.push_back({.Kind = TControlKind::Image, .Name = panel.SecondLogo, .Left = 224, .Top = 8,
                            .Width = 200, .Height = 40, .Picture = panel.SecondLogoPicture});
    else
        controls.push_back(MainBoardSelectButton(258, 12, 166));
    controls.push_back({.Kind = TControlKind::Panel, .Name = "PanelBoard", .Left = 8, .Top = 56, .Width = 416,
                        .Height = panel.PanelHeight, .Color = clWhite, .Bevel = bvLowered});
    controls.push_back({.Kind = TControlKind::Label, .Name = "LabelBoardName", .Parent = "PanelBoard", .Left = 8,
                        .Top = 8, .Width = 400, .Height = 22, .Caption = panel.Title, .FontHeight = 16,
                        .Bold = true});
    controls.push_back({.Kind = TControlKind::Image, .Name = "ImageBoard", .Parent = "PanelBoard",
                        .Left = kPhotoLeft, .Top = kPhotoTop, .Width = panel.PhotoWidth, .Height = panel.PhotoHeight,
                        .Picture = panel.Photo});
    AddOverlays(controls, "PanelBoard", kPhotoLeft, kPhotoTop, panel.Parts, panel.PartCount, clYellow);
}

void AddConfigGroup(std::vector<TControlSpec>& controls, int left, int top, int width, int height)
{
    controls.push_back({.Kind = TControlKind::GroupBox, .Name = kConfigGroup, .Left = left, .Top = top,
                        .Width = width, .Height = height, .Caption = "System Configuration"});
    controls.push_back(Label("LabelProjectName", 12, 28, 96, "Project Name:"));
    controls.push_back(Edit("EditProjectName", 110, 24, width - 122));
}

void AddFormButtons(std::vector<TControlSpec>& controls, int top)
{
    controls.push_back(Button("ButtonSave", 8, top, 206, "Save Setting", "ButtonSaveClick"));
    controls.push_back(Button("ButtonLoad", 218, top, 206, "Load Setting", "ButtonLoadClick"));
    controls.push_back(Button("ButtonGen", 8, top + 42, 206, "Generate", "ButtonGenClick"));
    controls.push_back(Button("ButtonExit", 218, top + 42, 206, "Exit", "ButtonExitClick"));
}

void AddGpioHeader(std::vector<TControlSpec>& controls, int top, const TGpioHeaderSpec& header,
                   const char* onChange, const char* onClick)
{
    controls.push_back(Label(header.TitleLabel, 12, top, 220, header.Title, true));
    controls.push_back(ComboBox(header.Combo, 12, top + 24, 236, onChange, onClick));
    controls.push_back(Label(header.PrefixLabel, 12, top + 60, 84, "Prefix Name:"));
    controls.push_back(Edit(header.Prefix, 100, top + 56, 148, TBoardForm::kMaxNameLength));
    controls.push_back(CardImage(header.Picture, 262, top + 6));
}

}  // namespace formlayout
