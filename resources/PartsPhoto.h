// Board pictures drawn from a parts table (boards/cyclone4_stratix4/
// BoardParts.h): the board, and every part in the style of its kind, each
// where the form's outline expects it.
#pragma once

#include <QColor>
#include <QImage>
#include <cstddef>

#include "boards/cyclone4_stratix4/BoardParts.h"

QImage DrawPartsPhoto(int width, int height, const QColor& board, const TBoardPart* parts, std::size_t count);

// One file per board.
QImage DrawBrackwellPhoto();
QImage DrawGorsewinPhoto();
QImage DrawLarrowenPhoto();
// The VCCIO indicator of the Brackwell form: its picture (the LED row and
// one five-place jumper header per HSMC connector), a lit LED and a jumper.
QImage DrawBrackwellVol();
QImage DrawBrackwellVolLedOn();
QImage DrawBrackwellVolJumper();
