#include "boards/cyclone4_stratix4/BoardFormLayout.h"

void AddPartsPanel(std::vector<TControlSpec>& controls, int left, int top, const char* title, const char* picture,
                   int pictureWidth, int pictureHeight, const TBoardPart* parts, std::size_t partCount)
{
    constexpr int kPictureLeft = 8;
    constexpr int kPictureTop = 34;
    constexpr int kMargin = 3;  // an outline stands this far outside its part
    controls.push_back({.Kind = TControlKind::Panel, .Name = "PanelBoard", .Left = left, .Top = top,
                        .Width = pictureWidth + 2 * kPictureLeft, .Height = pictureHeight + kPictureTop + 8,
                        .Color = clWhite, .Bevel = bvLowered});
    controls.push_back({.Kind = TControlKind::Label, .Name = "LabelBoardName", .Parent = "PanelBoard", .Left = 8,
                        .Top = 8, .Width = pictureWidth, .Height = 20, .Caption = title, .FontHeight = 16,
                        .Bold = true});
    controls.push_back({.Kind = TControlKind::Image, .Name = "ImageBoard", .Parent = "PanelBoard",
                        .Left = kPictureLeft, .Top = kPictureTop, .Width = pictureWidth, .Height = pictureHeight,
                        .Picture = picture});
    for (std::size_t i = 0; i < partCount; ++i) {
        const TBoardPart& part = parts[i];
        if (!part.ShapeName) continue;
        controls.push_back(FrameShape(part.ShapeName, "PanelBoard", kPictureLeft + part.Left - kMargin,
                                      kPictureTop + part.Top - kMargin, part.Width + 2 * kMargin,
                                      part.Height + 2 * kMargin));
    }
}

void AddButtonRow(std::vector<TControlSpec>& controls, int left, int top, TButtonCaptions captions,
                  bool defaultSetting)
{
    constexpr int kWidth = 110;
    constexpr int kStep = kWidth + 8;
    int x = left;
    if (defaultSetting) {
        controls.push_back(
            FrameButton("ButtonDefaultSetting", x, top, kWidth, "Default Setting", "ButtonDefaultSettingClick"));
        x += kStep;
    }
    controls.push_back(FrameButton("ButtonLoad", x, top, kWidth, LoadCaption(captions), "ButtonLoadClick"));
    x += kStep;
    controls.push_back(FrameButton("ButtonSave", x, top, kWidth, SaveCaption(captions), "ButtonSaveClick"));
    x += kStep;
    controls.push_back(
        FrameButton("ButtonGen", x, top, kWidth, GenerateCaption(captions), "ButtonGenClick"));
    x += kStep;
    TControlSpec exit = FrameButton("ButtonExit", x, top, kWidth, "Exit", "ButtonExitClick");
    exit.Default = true;
    controls.push_back(exit);
}
