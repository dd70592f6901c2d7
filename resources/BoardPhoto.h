// Drawing the board photographs of the forms: the primitives every picture
// shares, and a whole photograph from a table of parts (a TBoardPart table of
// the SoC frame, or a TPicturePart table of the later boards' frame).
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QTransform>
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <vector>

#include "boards/frame/PictureParts.h"
#include "boards/frame/BoardParts.h"

namespace photo {

// The board colour of the pictures drawn from TPicturePart tables, and the
// ground of those boards' jumper pictures.
inline const QColor kBluePcb(24, 60, 120);

// The smallest pixel size a label shrinks to before it is elided.
constexpr int kSmallestLabelPixels = 7;

// Text in bold DejaVu Sans, centred and wrapped in box unless the flags
// (Qt::AlignmentFlag, Qt::TextFlag) say otherwise, never outside box: at the
// given pixel size or the largest smaller one at which it fits (in a box at
// least twice as tall as wide, turned to read upwards where that keeps it
// larger), down to kSmallestLabelPixels; below that it is elided on one line.
// A text without spaces is never broken.
void Caption(QPainter& p, const QRect& box, const QString& text, const QColor& colour, int pixels,
             int flags = Qt::AlignCenter | Qt::TextWordWrap);
// The label of the part being drawn (see PartLabels): in box as Caption draws
// it when it fits there whole at kSmallestLabelPixels or larger and has room
// there (PartLabels::HasRoomFor), otherwise beside its part. Outside a
// PartLabels scope, the same as Caption.
void PartLabel(QPainter& p, const QRect& box, const QString& text, const QColor& colour, int pixels,
               int flags = Qt::AlignCenter | Qt::TextWordWrap);

// The labels of a picture drawn from a table of parts. While a scope lives,
// the labels drawn belong to the part named by Drawing(); a part's label that
// PartLabel cannot draw whole inside its box is drawn when the scope ends,
// beside its part in a place of the board that no part, outline, mounting
// hole or other label takes, in a colour that reads on the board: on the side
// its box lay (just beyond the part's outline), else below, above, right or
// left, or else on the part itself, on a plate of the board's colour; at the
// largest size any of these places holds.
//
// A part that its form marks (outlined) has an outline kOutlineMargin
// outside it; no label lies on the band between the outline and the part.
class PartLabels {
public:
    // board: where labels may go; parts: the table's, in its order; holes:
    // the mounting holes as DrawPcb draws them; outlined: per part, whether
    // its form marks it (none, when empty).
    PartLabels(QPainter& p, const QRect& board, const QColor& pcb, std::vector<QRect> parts,
               std::initializer_list<QPoint> holes = {}, std::vector<bool> outlined = {});
    ~PartLabels();
    PartLabels(const PartLabels&) = delete;
    PartLabels& operator=(const PartLabels&) = delete;
    // The part whose labels come next, by its index in the table.
    void Drawing(std::size_t part) { m_Current = static_cast<int>(part); }
    // The part being drawn; empty before the first.
    QRect Current() const;
    // Keeps the place a label's text takes free of the labels drawn after it.
    void Keep(const QRect& text) { m_Labels.push_back(text); }
    // Whether a label may lie here (text: the rectangle its lines take; ink:
    // the one its letters cover): on the board, over no other label and no
    // part unrelated to the current one, no letter on an outline's band.
    bool HasRoomFor(const QRect& text, const QRect& ink) const;
    // A label of the current part to draw beside it when the scope ends.
    void Move(const QString& text, int pixels, const QRect& box, const QColor& colour, int flags);

private:
    struct Moved {
        QString Text;
        int Pixels;
        int Part;
        QRect Box;
        QColor Colour;
        int Flags;
    };
    bool IsFree(const QRect& text, const QRect& ink) const;
    // Draws a moved label in box at exactly size pixels where it has room
    // there: on the board beside its part, or (onPart) on a plate over it.
    bool Place(const Moved& moved, const QRect& box, int size, int flags, bool onPart);
    // A part with its outline, where it has one.
    QRect WithOutline(std::size_t part) const;
    // Whether a label's letters (ink) lie on the band of an outline.
    bool MeetsOutline(const QRect& ink) const;

    QPainter& m_Painter;
    QRect m_Board;
    QColor m_Outside;
    QColor m_Plate;
    std::vector<QRect> m_Parts;
    std::vector<bool> m_Outlined;
    std::vector<QRect> m_Labels;  // the text of every label drawn so far
    std::vector<Moved> m_Moved;
    int m_Current = -1;
    PartLabels* m_Outer;
};

// A label as drawn, in the picture's coordinates: the box it was given, the
// rectangle its text takes, the text asked for and the text drawn (shrunk or
// elided), and the part it labels (empty for the picture's own texts); and
// how to draw its text again alone: with Font, Flags in Layout, through Place
// into the picture.
struct DrawnLabel {
    QRectF Box;
    QRectF Text;
    QString Asked;
    QString Drawn;
    QRect Part;
    QFont Font;
    int Flags = 0;
    QRect Layout;
    QTransform Place;
};
// Every label drawn from now on is reported to recorder (a test's seam; the
// generator sets none). An empty function stops the reports.
void SetLabelRecorder(std::function<void(const DrawnLabel&)> recorder);

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
