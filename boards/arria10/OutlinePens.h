// The pens of a board form's outlines where its layout gives them: one width
// for every outline (or the frame's, 0), and the outlines drawn dotted.
#pragma once

#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "platform/Forms.h"

inline void SetOutlinePens(TFormSpec& spec, int width, std::initializer_list<std::string_view> dotted)
{
    for (TControlSpec& control : spec.Controls) {
        if (control.Kind != TControlKind::Shape) continue;
        if (width > 0) control.PenWidth = width;
        if (std::find(dotted.begin(), dotted.end(), control.Name) != dotted.end()) control.PenStyle = psDot;
    }
}
