// Drawing the board photographs of the forms: a few primitives, and a whole
// photograph from a table of parts.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>
#include <cstddef>

#include "boards/soc/BoardParts.h"

namespace photo {

void Caption(QPainter& p, const QRect& box, const QString& text, const QColor& colour, int pixels);
// A pin header: two rows of pads along its long side.
void DrawHeader(QPainter& p, const QRect& r, int pads = 20);
void DrawChip(QPainter& p, const QRect& r, const QString& label);
void DrawJack(QPainter& p, const QRect& r, const QString& label, const QColor& colour);
void DrawRowOf(QPainter& p, const QRect& r, int count, const QColor& colour, bool round);

// A board of the given size and colour with its parts, each drawn by its look
// and labelled.
QImage DrawBoardPhoto(int width, int height, const QColor& pcb, const TBoardPart* parts, std::size_t count);

template <std::size_t N>
QImage DrawBoardPhoto(int width, int height, const QColor& pcb, const TBoardPart (&parts)[N])
{
    return DrawBoardPhoto(width, height, pcb, parts, N);
}

}  // namespace photo
