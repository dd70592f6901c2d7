// The board pictures of Tarrowind, Fallowmere and Garvelow, drawn from their
// parts tables (boards/arria10/*Parts.h), so each outline of a form sits over
// its part. One file per board; the painter is shared.
#pragma once

#include <QColor>
#include <QImage>
#include <cstddef>

#include "boards/arria10/Arria10Parts.h"

QImage DrawArria10Board(const TBoardPart* parts, std::size_t count, const QColor& board);

QImage DrawTarrowindPhoto();
QImage DrawFallowmerePhoto();
QImage DrawGarvelowPhoto();
