// The parts of a board picture of the configuration-object boards that a
// board form marks with an outline while the part is in use. The picture is
// drawn at build time from the same table (resources/), so every outline
// sits over its part.
#pragma once

struct TBoardPart {
    const char* ShapeName;  // the form's outline; nullptr: drawn, never marked
    const char* Label;      // printed on the part
    int Left, Top, Width, Height;  // in the picture
    bool Dotted;                   // the outline is dotted
};

constexpr int ARRIA10_PHOTO_WIDTH = 400;
constexpr int ARRIA10_PHOTO_HEIGHT = 300;
