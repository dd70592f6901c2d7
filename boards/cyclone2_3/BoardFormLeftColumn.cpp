#include "boards/cyclone2_3/BoardFormLeftColumn.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/Seam.h"

namespace {

constexpr int kColumnWidth = 416;
constexpr int kLogoWidth = 200, kLogoHeight = 40;
constexpr int kButtonGap = 8;

TControlSpec Logo(const char* name, const char* picture, const char* parent, int left, int top)
{
    return {.Kind = TControlKind::Image, .Name = name, .Parent = parent, .Left = left, .Top = top,
            .Width = kLogoWidth, .Height = kLogoHeight, .Picture = picture};
}

// The maker's logo and the FPGA logo side by side.
void AddLogos(std::vector<TControlSpec>& controls, const char* parent, int left, int top)
{
    controls.push_back(Logo("ImageLogo", "KALVORA_LOGO_BITMAP", parent, left, top));
    controls.push_back(Logo("ImageFpgaLogo", "FPGA_LOGO_BITMAP", parent, left + kLogoWidth, top));
}

}  // namespace

TFormSpec LeftColumnFormSpec(const TFrameLayout& layout, TLeftColumn column)
{
    TFormSpec spec = FrameFormSpec(layout);
    auto& c = spec.Controls;
    PL_ASSERT(LayoutControl(c, "PanelBoard").Width == kColumnWidth);
    switch (column) {
    case TLeftColumn::ButtonPanel: break;
    case TLeftColumn::LogosButtonPanel: {
        TControlSpec& change = LayoutControl(c, "ButtonMainBoardSelect");
        change.Top = 8 + kLogoHeight + kButtonGap;
        change.Width = kColumnWidth;
        LayoutControl(c, "PanelBoard").Top = change.Top + change.Height + kButtonGap;
        AddLogos(c, nullptr, 8, 8);
        break;
    }
    case TLeftColumn::PanelWithButton:
    case TLeftColumn::PanelWithAll: {
        // The button moves into the panel, beside the title (after the
        // panel: parents come first).
        TControlSpec change = LayoutControl(c, "ButtonMainBoardSelect");
        std::erase_if(c, [](const TControlSpec& s) { return std::strcmp(s.Name, "ButtonMainBoardSelect") == 0; });
        TControlSpec& panel = LayoutControl(c, "PanelBoard");
        panel.Top = 8;
        TControlSpec& title = LayoutControl(c, "LabelBoardName");
        change.Parent = "PanelBoard";
        change.Left = kColumnWidth - 8 - change.Width;
        change.Top = title.Top - 4;
        title.Width = change.Left - title.Left - kButtonGap;
        c.push_back(change);
        if (column == TLeftColumn::PanelWithAll) {
            const int logosTop = kFramePictureTop + layout.PictureHeight + kButtonGap;
            panel.Height = logosTop + kLogoHeight + kButtonGap;
            AddLogos(c, "PanelBoard", 8, logosTop);
        }
        break;
    }
    }
    // Load, Save, Generate and Exit share the column's width.
    SpreadButtonRow(c, {"ButtonLoad", "ButtonSave", "ButtonGen", "ButtonExit"}, 8, LayoutControl(c, "ButtonLoad").Top,
                    kColumnWidth);
    return spec;
}
