// The parts of a board picture that a board form marks with an outline when
// the part is in use. The picture is drawn at build time from the same table
// (resources/), so each outline sits over its part.
#pragma once

#include "boards/frame/PartOutline.h"

// How the picture draws a part.
enum class TPartKind { Chip, Clock, Leds, Buttons, Switches, Seg7, Memory, Slot, Cage, Jack, Fan };

struct TPicturePart {
    const char* ShapeName;  // the outline shape of the form; nullptr: drawn, never marked
    const char* Label;      // printed on the part
    TPartKind Kind;
    int Left, Top, Width, Height;  // in the picture
};
