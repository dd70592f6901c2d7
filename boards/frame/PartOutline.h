// How a board form marks a part of its board picture: with an outline that
// stands this far outside the part, its pen running inwards from there. The
// pictures keep their labels off that band.
#pragma once

constexpr int kOutlineMargin = 3;
