#include "boards/soc/BoardFormSocLayout.h"

#include "boards/BoardForm.h"

namespace soclayout {

void AddLogos(std::vector<TControlSpec>& controls, const char* secondLogo, const char* secondPicture)
{
    controls.push_back({.Kind = TControlKind::Image, .Name = "ImageLogo", .Left = kColumnLeft, .Top = 8,
                        .Width = 200, .Height = 40, .Picture = "KALVORA_LOGO_BITMAP"});
    if (secondLogo)
        controls.push_back({.Kind = TControlKind::Image, .Name = secondLogo, .Left = kColumnLeft + 216, .Top = 8,
                            .Width = 200, .Height = 40, .Picture = secondPicture});
}

void AddBoardPanel(std::vector<TControlSpec>& controls, const TBoardPanel& panel)
{
    controls.push_back({.Kind = TControlKind::Panel, .Name = panel.Name, .Left = kColumnLeft, .Top = panel.Top,
                        .Width = panel.Width, .Height = panel.Height, .Color = clWhite, .Bevel = bvLowered});
    controls.push_back({.Kind = TControlKind::Label, .Name = "LabelBoardName", .Parent = panel.Name, .Left = 8,
                        .Top = 8, .Width = panel.PhotoWidth, .Height = panel.TitleFontHeight + 6, .Caption = panel.Title,
                        .FontHeight = panel.TitleFontHeight, .Bold = true});
    controls.push_back({.Kind = TControlKind::Image, .Name = "ImageBoard", .Parent = panel.Name,
                        .Left = formlayout::kPhotoLeft, .Top = panel.PhotoTop, .Width = panel.PhotoWidth,
                        .Height = panel.PhotoHeight, .Picture = panel.Photo});
    formlayout::AddOverlays(controls, panel.Name, formlayout::kPhotoLeft, panel.PhotoTop, panel.Parts,
                            panel.PartCount, clYellow);
}

void AddButtonRow(std::vector<TControlSpec>& controls, int top, std::initializer_list<TRowButton> buttons)
{
    constexpr int kGap = 4;
    const int count = static_cast<int>(buttons.size());
    const int width = (kColumnWidth - kGap * (count - 1)) / count;
    int left = kColumnLeft;
    for (const TRowButton& button : buttons) {
        controls.push_back(formlayout::Button(button.Name, left, top, width, button.Caption, button.OnClick));
        left += width + kGap;
    }
}

void AddConfigGroup(std::vector<TControlSpec>& controls, int left, int top, int width, int height, int labelWidth)
{
    using namespace formlayout;
    controls.push_back({.Kind = TControlKind::GroupBox, .Name = kConfigGroup, .Left = left, .Top = top,
                        .Width = width, .Height = height, .Caption = "System Configuration"});
    controls.push_back(Label("LabelProjectName", 12, 28, labelWidth, "Project Name:"));
    const int editLeft = 12 + labelWidth + 4;
    controls.push_back(Edit("EditProjectName", editLeft, 24, width - 12 - editLeft));
}

void AddGpioHeader(std::vector<TControlSpec>& controls, int top, const formlayout::TGpioHeaderSpec& header,
                   const char* onChange, const char* onClick, int labelWidth)
{
    using namespace formlayout;
    controls.push_back(Label(header.TitleLabel, 12, top, 220, header.Title, true));
    controls.push_back(ComboBox(header.Combo, 12, top + 24, 236, onChange, onClick));
    controls.push_back(Label(header.PrefixLabel, 12, top + 60, labelWidth, "Prefix Name:"));
    const int editLeft = 12 + labelWidth + 4;
    controls.push_back(Edit(header.Prefix, editLeft, top + 56, 248 - editLeft, TBoardForm::kMaxNameLength));
    controls.push_back(CardImage(header.Picture, 262, top + 6));
}

}  // namespace soclayout
