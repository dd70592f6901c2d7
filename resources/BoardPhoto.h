// Drawing the board photographs of the forms: the primitives every picture
// shares, and a whole photograph from a table of parts (a TBoardPart table of
// the SoC frame, or a TPicturePart table of the later boards' frame).
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QString>
#include <cstddef>
#include <initializer_list>

#include "boards/frame/PictureParts.h"
#include "boards/frame/BoardParts.h"

namespace photo {

// The board colour of the pictures drawn from TPicturePart tables, and the
// ground of those boards' jumper pictures.
inline const QColor kBluePcb(24, 60, 120);

// Text in bold DejaVu Sans of the given pixel size, centred and wrapped in
// box unless the flags (Qt::AlignmentFlag, Qt::TextFlag) say otherwise.
void Caption(QPainter& p, const QRect& box, const QString& text, const QColor& colour, int pixels,
             int flags = Qt::AlignCenter | Qt::TextWordWrap);

// A picture of the given size on a light background, ready for DrawPcb.
QImage BlankPhoto(int width, int height);
// The bare board filling the picture: a rounded outline in the PCB colour and
// its mounting holes.
void DrawPcb(QPainter& p, int width, int height, const QColor& pcb, std::initializer_list<QPoint> holes);

// A pin header: two rows of pads along its long side.
void DrawHeader(QPainter& p, const QRect& r, int pads = 20);
// A card-edge slot: contacts along its long side and its label (turned when
// the slot stands upright).
void DrawSlot(QPainter& p, const QRect& r, const QString& label);
void DrawFpga(QPainter& p, const QRect& r, const QString& label);
void DrawChip(QPainter& p, const QRect& r, const QString& label, int pixels = 10);
void DrawOscillator(QPainter& p, const QRect& r, const QString& label, int pixels = 10);
// A connector shell with its label; with a valid socket colour, the socket
// is drawn at its left and the label beside it.
void DrawJack(QPainter& p, const QRect& r, const QString& label, const QColor& socket, int pixels = 10);
void DrawRowOf(QPainter& p, const QRect& r, int count, const QColor& colour, bool round);
// Rows of LEDs (label above), slide switches and push buttons (label below,
// inside r), each labelled in white.
void DrawLedRow(QPainter& p, const QRect& r, int count, const QString& label);
void DrawSwitchRow(QPainter& p, const QRect& r, int count, const QString& label, int pixels = 9);
void DrawButtonRow(QPainter& p, const QRect& r, int count, const QString& label, int pixels = 9);
// A seven-segment display: the digits over a label strip of the given height
// at its bottom.
void DrawSeg7(QPainter& p, const QRect& r, const QString& digits, const QString& label, int labelHeight = 14,
              int pixels = 9);

// A board of the given size and colour with its parts, each drawn by its look
// and labelled.
QImage DrawBoardPhoto(int width, int height, const QColor& pcb, const TBoardPart* parts, std::size_t count);
// A blue board with its parts, each drawn in the style of its kind.
QImage DrawBoardPhoto(int width, int height, const TPicturePart* parts, std::size_t count);

template <std::size_t N>
QImage DrawBoardPhoto(int width, int height, const QColor& pcb, const TBoardPart (&parts)[N])
{
    return DrawBoardPhoto(width, height, pcb, parts, N);
}

template <std::size_t N>
QImage DrawBoardPhoto(int width, int height, const TPicturePart (&parts)[N])
{
    return DrawBoardPhoto(width, height, parts, N);
}

}  // namespace photo
