// The left column of the Nethercoy, Norvelle, Osterlin and Marlowen forms:
// the board panel (a 400-pixel picture, so the column is 416 wide), "Change
// Main Board" above it or inside it, the logos where the board has them, and
// the row of Load, Save, Generate and Exit at the bottom; the group box
// "System Configuration" stands right of it.
#pragma once

#include "boards/frame/BoardFormFrame.h"

// What the column holds above the row of buttons, from the top.
enum class TLeftColumn {
    ButtonPanel,       // "Change Main Board", the panel (Norvelle)
    LogosButtonPanel,  // the two logos, "Change Main Board", the panel (Nethercoy)
    // The panel alone, holding the title with "Change Main Board" beside
    // it and the picture (Osterlin).
    PanelWithButton,
    // The same panel, with the two logos under the picture (Marlowen).
    PanelWithAll,
};

// Where the group box "System Configuration" begins, and its width and
// height on a form of the layout's client size.
constexpr int kColumnGroupLeft = 432;
constexpr int ColumnGroupWidth(const TFrameLayout& layout) { return layout.ClientWidth - kColumnGroupLeft - 8; }
constexpr int ColumnGroupHeight(const TFrameLayout& layout) { return layout.ClientHeight - 16; }

// The frame's layout (FrameFormSpec) with the left column arranged as said.
TFormSpec LeftColumnFormSpec(const TFrameLayout& layout, TLeftColumn column);
