#include "resources/BoardPhoto.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainterPath>
#include <QTransform>
#include <algorithm>
#include <utility>

namespace photo {

namespace {

std::function<void(const DrawnLabel&)> tRecorder;
PartLabels* tLabels = nullptr;  // the innermost PartLabels scope

QFont LabelFont(int pixels)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

// A text fitted to its box: the font, the text as drawn, where it is laid
// out (the box itself, or the box turned a quarter to the left, whose
// coordinates Turn maps into the picture) and the rectangle it takes there.
struct FittedText {
    QFont Font;
    QString Text;
    QRect Box;
    QRect Taken;
    int Flags = 0;
    bool Turned = false;
    bool Whole = false;
};

bool Holds(const QRect& box, const QRect& taken) { return box.contains(taken); }

// The box turned a quarter to the left: its width is box's height.
QRect Across(const QRect& box) { return QRect(0, 0, box.height(), box.width()); }
QTransform Turn(const QRect& box)
{
    QTransform turn;
    turn.translate(box.left(), box.top() + box.height());
    turn.rotate(-90);
    return turn;
}

FittedText Fit(const QRect& box, const QString& text, int pixels, int flags)
{
    // A label breaks only between its words ("PS/2" stays whole).
    if (!text.contains(QLatin1Char(' '))) flags &= ~Qt::TextWordWrap;
    // Turned only in a box at least twice as tall as wide: in a squarer one a
    // smaller level text, or a place beside the part, reads better.
    const bool tall = box.height() >= 2 * box.width();
    const int smallest = std::min(pixels, kSmallestLabelPixels);
    QFont font = LabelFont(pixels);
    for (int size = pixels; size >= smallest; --size) {
        font.setPixelSize(size);
        const QFontMetrics metrics(font);
        const QRect taken = metrics.boundingRect(box, flags, text);
        if (Holds(box, taken)) return {font, text, box, taken, flags, false, true};
        if (tall) {
            const QRect across = metrics.boundingRect(Across(box), flags, text);
            if (Holds(Across(box), across)) return {font, text, Across(box), across, flags, true, true};
        }
    }
    // Elided on one line, along the box's longer side.
    font.setPixelSize(smallest);
    const QFontMetrics metrics(font);
    const int line = flags & ~Qt::TextWordWrap;
    const QRect where = tall ? Across(box) : box;
    for (int width = where.width(); width > 0; --width) {
        const QString shown = metrics.elidedText(text, Qt::ElideRight, width);
        if (shown.isEmpty()) break;
        const QRect taken = metrics.boundingRect(where, line, shown);
        if (Holds(where, taken)) return {font, shown, where, taken, line, tall, false};
    }
    return {font, QString(), where, QRect(), line, tall, false};
}

// The drawing's coordinates of a fitted text to the picture's.
QTransform ToPicture(const QPainter& p, const QRect& box, const FittedText& fitted)
{
    return (fitted.Turned ? Turn(box) : QTransform()) * p.transform();
}

// The rectangle of the picture that the letters of a fitted text cover,
// drawn through toPicture; empty for no text.
QRect InkOf(const FittedText& fitted, const QTransform& toPicture)
{
    if (fitted.Text.isEmpty()) return QRect();
    const QRect area = toPicture.mapRect(QRectF(fitted.Taken)).toAlignedRect().adjusted(-2, -2, 2, 2);
    QImage ink(area.size(), QImage::Format_ARGB32_Premultiplied);
    ink.fill(Qt::transparent);
    {
        QPainter p(&ink);
        p.setTransform(toPicture * QTransform::fromTranslate(-area.left(), -area.top()));
        p.setFont(fitted.Font);
        p.setPen(Qt::black);
        p.drawText(fitted.Box, fitted.Flags, fitted.Text);
    }
    QRect covered;
    for (int y = 0; y < ink.height(); ++y)
        for (int x = 0; x < ink.width(); ++x)
            if (qAlpha(ink.pixel(x, y)) != 0) covered |= QRect(x, y, 1, 1);
    return covered.translated(area.topLeft());
}

// Draws a fitted text, reports it and keeps its place in the current scope.
void DrawFitted(QPainter& p, const QRect& box, const FittedText& fitted, const QString& asked, const QColor& colour)
{
    const QTransform place = fitted.Turned ? Turn(box) : QTransform();
    const QTransform toPicture = ToPicture(p, box, fitted);
    if (!fitted.Text.isEmpty()) {
        p.save();
        p.setTransform(place, true);
        p.setFont(fitted.Font);
        p.setPen(colour);
        p.drawText(fitted.Box, fitted.Flags, fitted.Text);
        p.restore();
    }
    if (asked.isEmpty()) return;
    const QRectF taken = toPicture.mapRect(QRectF(fitted.Taken));
    QRect part;
    if (tLabels) {
        if (!fitted.Text.isEmpty()) tLabels->Keep(taken.toAlignedRect());
        part = tLabels->Current();
    }
    if (tRecorder)
        tRecorder({toPicture.mapRect(QRectF(fitted.Box)), taken, asked, fitted.Text, part, fitted.Font, fitted.Flags,
                   fitted.Box, toPicture});
}

}  // namespace

void Caption(QPainter& p, const QRect& box, const QString& text, const QColor& colour, int pixels, int flags)
{
    DrawFitted(p, box, Fit(box, text, pixels, flags), text, colour);
}

void PartLabel(QPainter& p, const QRect& box, const QString& text, const QColor& colour, int pixels, int flags)
{
    const FittedText fitted = Fit(box, text, pixels, flags);
    const QTransform toPicture = ToPicture(p, box, fitted);
    const bool stays =
        fitted.Whole && (!tLabels || tLabels->HasRoomFor(toPicture.mapRect(QRectF(fitted.Taken)).toAlignedRect(),
                                                         InkOf(fitted, toPicture)));
    if (stays || !tLabels || tLabels->Current().isNull() || text.isEmpty())
        DrawFitted(p, box, fitted, text, colour);
    else
        tLabels->Move(text, pixels, p.transform().mapRect(box), colour, flags);
}

bool PartLabels::HasRoomFor(const QRect& text, const QRect& ink) const
{
    if (!m_Board.contains(text)) return false;
    const QRect own = Current();
    const auto meets = [&](const QRect& r) { return r.intersects(text); };
    // A part that holds the current one, or lies on it, is where its label
    // may well be; any other is not.
    const auto elsewhere = [&](const QRect& r) { return !r.contains(own) && !own.contains(r) && meets(r); };
    return std::none_of(m_Parts.begin(), m_Parts.end(), elsewhere) &&
           std::none_of(m_Labels.begin(), m_Labels.end(), meets) && !MeetsOutline(ink);
}

QRect PartLabels::WithOutline(std::size_t part) const
{
    const QRect& r = m_Parts[part];
    return part < m_Outlined.size() && m_Outlined[part]
               ? r.adjusted(-kOutlineMargin, -kOutlineMargin, kOutlineMargin, kOutlineMargin)
               : r;
}

bool PartLabels::MeetsOutline(const QRect& ink) const
{
    for (std::size_t i = 0; i < m_Parts.size(); ++i) {
        const QRect on = ink & WithOutline(i);
        if (!on.isEmpty() && !m_Parts[i].contains(on)) return true;
    }
    return false;
}

QRect PartLabels::Current() const
{
    return m_Current < 0 ? QRect() : m_Parts[static_cast<std::size_t>(m_Current)];
}

void PartLabels::Move(const QString& text, int pixels, const QRect& box, const QColor& colour, int flags)
{
    m_Moved.push_back({text, pixels, m_Current, box, colour, flags});
}

PartLabels::PartLabels(QPainter& p, const QRect& board, const QColor& pcb, std::vector<QRect> parts,
                       std::initializer_list<QPoint> holes, std::vector<bool> outlined)
    : m_Painter(p),
      m_Board(board),
      m_Outside(pcb.lightness() < 128 ? QColor(Qt::white) : QColor(30, 30, 30)),
      m_Plate(pcb),
      m_Parts(std::move(parts)),
      m_Outlined(std::move(outlined)),
      m_Outer(tLabels)
{
    // A hole that a part covers (on the small jumper pictures) is no place
    // to keep free.
    for (QPoint hole : holes) {
        const QRect around(hole.x() - 5, hole.y() - 5, 11, 11);
        const auto covers = [&](const QRect& part) { return part.intersects(around); };
        if (std::none_of(m_Parts.begin(), m_Parts.end(), covers)) m_Labels.push_back(around);
    }
    tLabels = this;
}

bool PartLabels::IsFree(const QRect& text, const QRect& ink) const
{
    if (!m_Board.contains(text)) return false;
    const auto meets = [&](const QRect& r) { return r.intersects(text); };
    return std::none_of(m_Parts.begin(), m_Parts.end(), meets) &&
           std::none_of(m_Labels.begin(), m_Labels.end(), meets) && !MeetsOutline(ink);
}

bool PartLabels::Place(const Moved& moved, const QRect& box, int size, int flags, bool onPart)
{
    const FittedText fitted = Fit(box, moved.Text, size, flags);
    if (!fitted.Whole || fitted.Font.pixelSize() != size) return false;
    const QTransform toPicture = ToPicture(m_Painter, box, fitted);
    const QRect text = toPicture.mapRect(QRectF(fitted.Taken)).toAlignedRect();
    const QRect ink = InkOf(fitted, toPicture);
    if (onPart) {
        const auto meets = [&](const QRect& r) { return r.intersects(text); };
        if (fitted.Turned || MeetsOutline(ink) || std::any_of(m_Labels.begin(), m_Labels.end(), meets)) return false;
        m_Painter.fillRect(fitted.Taken.adjusted(-1, 0, 1, 0) & box, m_Plate);
    } else if (!IsFree(text, ink)) {
        return false;
    }
    DrawFitted(m_Painter, box, fitted, moved.Text, m_Outside);
    return true;
}

namespace {

// A box that lies wholly on one side of a part (outer: the part with its
// outline), moved away from it until it clears outer; an empty rectangle for
// a box that does not.
QRect BeyondOutline(const QRect& box, const QRect& part, const QRect& outer)
{
    if (box.isEmpty()) return QRect();
    if (box.bottom() < part.top()) return box.translated(0, std::min(0, outer.top() - 1 - box.bottom()));
    if (box.top() > part.bottom()) return box.translated(0, std::max(0, outer.bottom() + 1 - box.top()));
    if (box.right() < part.left()) return box.translated(std::min(0, outer.left() - 1 - box.right()), 0);
    if (box.left() > part.right()) return box.translated(std::max(0, outer.right() + 1 - box.left()), 0);
    return QRect();
}

}  // namespace

PartLabels::~PartLabels()
{
    // The labels that did not fit their parts, beside them, once every label
    // that stays inside a part has taken its place: those of the smaller
    // parts, which have the less room around them, first.
    const auto area = [&](const Moved& moved) {
        const QRect& r = m_Parts[static_cast<std::size_t>(moved.Part)];
        return r.width() * r.height();
    };
    std::stable_sort(m_Moved.begin(), m_Moved.end(),
                     [&](const Moved& a, const Moved& b) { return area(a) < area(b); });
    for (const Moved& moved : m_Moved) {
        m_Current = moved.Part;
        const QRect r = m_Parts[static_cast<std::size_t>(moved.Part)];
        const QRect o = WithOutline(static_cast<std::size_t>(moved.Part));
        const QRect beyond = BeyondOutline(moved.Box, r, o);
        // At the largest size that fits one of them, each place in turn: the
        // label's own box beyond the outline, then nearest first below the
        // part, above it, at its right, at its left, then below or above but
        // flush with one end of it, and last on the part itself, on a plate
        // of the board's colour.
        bool placed = false;
        for (int size = moved.Pixels; size >= std::min(moved.Pixels, kSmallestLabelPixels) && !placed; --size) {
            // A place just large enough for the label at this size.
            const QRect need = QFontMetrics(LabelFont(size)).boundingRect(QRect(0, 0, 1000, 1000), Qt::AlignCenter,
                                                                        moved.Text);
            const int w = need.width() + 2;
            const int h = need.height();
            const int x = o.center().x() - w / 2;
            const int y = o.center().y() - h / 2;
            const QRect places[] = {
                QRect(x, o.bottom() + 2, w, h),         QRect(x, o.top() - 1 - h, w, h),
                QRect(o.right() + 2, y, w, h),          QRect(o.left() - 1 - w, y, w, h),
                QRect(o.left(), o.bottom() + 2, w, h),  QRect(o.right() + 1 - w, o.bottom() + 2, w, h),
                QRect(o.left(), o.top() - 1 - h, w, h), QRect(o.right() + 1 - w, o.top() - 1 - h, w, h),
            };
            placed = (!beyond.isNull() && Place(moved, beyond, size, moved.Flags, false)) ||
                     std::any_of(std::begin(places), std::end(places),
                                 [&](const QRect& place) { return Place(moved, place, size, Qt::AlignCenter, false); }) ||
                     Place(moved, r.adjusted(1, 1, -1, -1), size, Qt::AlignCenter, true);
        }
        // With no such place even at the smallest size, elided in its box.
        if (!placed) Caption(m_Painter, moved.Box, moved.Text, moved.Colour, moved.Pixels, moved.Flags);
    }
    tLabels = m_Outer;
}

void SetLabelRecorder(std::function<void(const DrawnLabel&)> recorder) { tRecorder = std::move(recorder); }

QImage BlankPhoto(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(250, 250, 250));
    return image;
}

void DrawPcb(QPainter& p, int width, int height, const QColor& pcb, std::initializer_list<QPoint> holes)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(2, 2, width - 4, height - 4), 10, 10);
    p.setPen(QPen(pcb.darker(250), 2));
    p.setBrush(pcb);
    p.drawPath(outline);
    p.setBrush(QColor(180, 180, 180));
    for (QPoint hole : holes) p.drawEllipse(hole, 4, 4);
}

void DrawHeader(QPainter& p, const QRect& r, int pads)
{
    p.setPen(QPen(QColor(20, 20, 20), 1));
    p.setBrush(QColor(35, 35, 35));
    p.drawRect(r);
    p.setBrush(QColor(212, 175, 55));
    p.setPen(Qt::NoPen);
    const bool vertical = r.height() > r.width();
    const int length = vertical ? r.height() : r.width();
    const double step = (length - 6) / double(pads);
    for (int i = 0; i < pads; ++i) {
        const int along = 3 + int(i * step + step / 2) - 2;
        if (vertical) {
            p.drawRect(r.left() + 3, r.top() + along, 4, 4);
            p.drawRect(r.right() - 6, r.top() + along, 4, 4);
        } else {
            p.drawRect(r.left() + along, r.top() + 3, 4, 4);
            p.drawRect(r.left() + along, r.bottom() - 6, 4, 4);
        }
    }
}

void DrawSlot(QPainter& p, const QRect& r, const QString& label)
{
    p.setPen(QPen(QColor(20, 20, 20), 1));
    p.setBrush(QColor(40, 40, 40));
    p.drawRect(r);
    p.setBrush(QColor(212, 175, 55));
    p.setPen(Qt::NoPen);
    if (r.height() > r.width()) {
        // Upright: the contacts down its left side, the label read upwards.
        for (int y = r.top() + 4; y < r.bottom() - 3; y += 5) p.drawRect(r.left() + 2, y, 3, 2);
        PartLabel(p, r.adjusted(5, 1, -1, -1), label, Qt::white, 9);
        return;
    }
    for (int x = r.left() + 4; x < r.right() - 3; x += 5) p.drawRect(x, r.top() + 3, 2, 4);
    PartLabel(p, r.adjusted(1, 8, -1, -1), label, Qt::white, 9);
}

void DrawFpga(QPainter& p, const QRect& r, const QString& label)
{
    p.setPen(QPen(QColor(160, 160, 160), 1));
    p.setBrush(QColor(60, 60, 66));
    p.drawRect(r);
    PartLabel(p, r.adjusted(2, 2, -2, -2), label, QColor(235, 235, 235), 12);
}

void DrawChip(QPainter& p, const QRect& r, const QString& label, int pixels)
{
    p.setPen(QPen(QColor(150, 150, 150), 1));
    p.setBrush(QColor(45, 45, 50));
    p.drawRect(r);
    PartLabel(p, r.adjusted(1, 1, -1, -1), label, QColor(230, 230, 230), pixels);
}

void DrawOscillator(QPainter& p, const QRect& r, const QString& label, int pixels)
{
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.setBrush(QColor(210, 210, 215));
    p.drawRoundedRect(r, 4, 4);
    PartLabel(p, r.adjusted(2, 1, -2, -1), label, QColor(30, 30, 30), pixels);
}

void DrawJack(QPainter& p, const QRect& r, const QString& label, const QColor& socket, int pixels)
{
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(QColor(200, 200, 205));
    p.drawRect(r);
    if (!socket.isValid()) {
        PartLabel(p, r.adjusted(1, 1, -1, -1), label, QColor(30, 30, 30), pixels);
        return;
    }
    p.setBrush(socket);
    const int d = std::min(r.width(), r.height()) / 2;
    p.drawEllipse(QRect(r.left() + 6, r.center().y() - d / 2, d, d));
    PartLabel(p, r.adjusted(d + 7, 1, -1, -1), label, QColor(30, 30, 30), pixels);
}

void DrawRowOf(QPainter& p, const QRect& r, int count, const QColor& colour, bool round)
{
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(colour);
    const double step = r.width() / double(count);
    for (int i = 0; i < count; ++i) {
        const QRect cell(r.left() + int(i * step) + 2, r.top() + 2, std::max(2, int(step) - 4), r.height() - 4);
        if (round)
            p.drawEllipse(cell);
        else
            p.drawRect(cell);
    }
}

void DrawLedRow(QPainter& p, const QRect& r, int count, const QString& label)
{
    DrawRowOf(p, r, count, QColor(230, 40, 40), true);
    PartLabel(p, QRect(r.left(), r.top() - 12, r.width(), 12), label, Qt::white, 9);
}

// A row too low for its label strip takes the whole of r, and its label goes
// beside it.
void DrawSwitchRow(QPainter& p, const QRect& r, int count, const QString& label, int pixels)
{
    if (r.height() < 20) {
        DrawRowOf(p, r, count, QColor(70, 70, 200), false);
        PartLabel(p, QRect(), label, Qt::white, pixels);
        return;
    }
    DrawRowOf(p, r.adjusted(0, 0, 0, -10), count, QColor(70, 70, 200), false);
    PartLabel(p, QRect(r.left(), r.bottom() - 9, r.width(), 10), label, Qt::white, pixels);
}

void DrawButtonRow(QPainter& p, const QRect& r, int count, const QString& label, int pixels)
{
    if (r.height() < 22) {
        DrawRowOf(p, r, count, QColor(30, 30, 30), true);
        PartLabel(p, QRect(), label, Qt::white, pixels);
        return;
    }
    DrawRowOf(p, r.adjusted(0, 0, 0, -12), count, QColor(30, 30, 30), true);
    PartLabel(p, QRect(r.left(), r.bottom() - 11, r.width(), 12), label, Qt::white, pixels);
}

void DrawSeg7(QPainter& p, const QRect& r, const QString& digits, const QString& label, int labelHeight, int pixels)
{
    p.setPen(QPen(QColor(20, 20, 20), 1));
    p.setBrush(QColor(25, 25, 25));
    p.drawRect(r);
    // A display too low for a label strip and legible digits shows digits
    // only, and its label goes beside it.
    if (r.height() - labelHeight < 12) {
        Caption(p, r.adjusted(1, 1, -1, -1), digits, QColor(255, 70, 50), 16);
        PartLabel(p, QRect(), label, QColor(220, 220, 220), pixels);
        return;
    }
    Caption(p, r.adjusted(1, 1, -1, -labelHeight), digits, QColor(255, 70, 50), 16);
    PartLabel(p, QRect(r.left() + 1, r.bottom() + 1 - labelHeight, r.width() - 2, labelHeight - 1), label,
              QColor(220, 220, 220), pixels);
}

namespace {

template <typename Part>
std::vector<QRect> PartRects(const Part* parts, std::size_t count)
{
    std::vector<QRect> rects;
    for (std::size_t i = 0; i < count; ++i) rects.emplace_back(parts[i].Left, parts[i].Top, parts[i].Width, parts[i].Height);
    return rects;
}

// Which parts their form marks with an outline.
template <typename Part>
std::vector<bool> Outlined(const Part* parts, std::size_t count)
{
    std::vector<bool> outlined;
    for (std::size_t i = 0; i < count; ++i) outlined.push_back(parts[i].ShapeName != nullptr);
    return outlined;
}

// A label under (or, with no room below, over) a part.
QRect LabelBox(const QRect& r, int height) { return QRect(r.left() - 10, r.bottom() + 1, r.width() + 20, height); }

void DrawPart(QPainter& p, const TBoardPart& part)
{
    const QRect r(part.Left, part.Top, part.Width, part.Height);
    const QString label = QString::fromUtf8(part.Label);
    switch (part.Look) {
    case TPartLook::Fpga: DrawFpga(p, r, label); break;
    case TPartLook::Chip: DrawChip(p, r, label); break;
    case TPartLook::Header:
        DrawHeader(p, r, part.Count);
        if (r.height() > r.width())
            PartLabel(p, QRect(r.left() - 30, r.top() - 12, r.width() + 60, 12), label, Qt::white, 9);
        else
            PartLabel(p, LabelBox(r, 12), label, Qt::white, 10);
        break;
    case TPartLook::Jack: DrawJack(p, r, label, QColor(40, 70, 200)); break;
    case TPartLook::LedRow: DrawLedRow(p, r, part.Count, label); break;
    case TPartLook::SwitchRow: DrawSwitchRow(p, r, part.Count, label); break;
    case TPartLook::ButtonRow: DrawButtonRow(p, r, part.Count, label); break;
    case TPartLook::Seg7: DrawSeg7(p, r, QString("8.").repeated(part.Count), label); break;
    case TPartLook::Oscillator: DrawOscillator(p, r, label); break;
    case TPartLook::Socket:
        p.setPen(QPen(QColor(20, 20, 20), 1));
        p.setBrush(QColor(230, 230, 225));
        p.drawRect(r);
        p.setBrush(QColor(35, 35, 35));
        p.drawRect(r.adjusted(4, r.height() / 3, -4, -r.height() / 3));
        PartLabel(p, r.adjusted(1, 1, -1, -r.height() * 2 / 3), label, QColor(30, 30, 30), 10);
        break;
    case TPartLook::Jumper:
        p.setPen(QPen(QColor(20, 20, 20), 1));
        p.setBrush(QColor(35, 35, 35));
        p.drawRect(r.adjusted(0, 0, 0, -14));
        p.setBrush(QColor(212, 175, 55));
        p.drawRect(QRect(r.center().x() - 3, r.top() + 4, 6, 6));
        PartLabel(p, QRect(r.left() - 2, r.bottom() - 13, r.width() + 4, 14), label, QColor(30, 30, 30), 9);
        break;
    }
}

void DrawPart(QPainter& p, const TPicturePart& part)
{
    const QRect r(part.Left, part.Top, part.Width, part.Height);
    const QString label = QString::fromLatin1(part.Label);
    switch (part.Kind) {
    case TPartKind::Chip: DrawChip(p, r, label, r.width() > 80 ? 13 : 9); break;
    case TPartKind::Memory:
        p.setPen(QPen(QColor(120, 120, 120), 1));
        p.setBrush(QColor(30, 30, 34));
        p.drawRect(r);
        PartLabel(p, r.adjusted(2, 1, -2, -1), label, QColor(200, 200, 120), 9);
        break;
    case TPartKind::Clock: DrawOscillator(p, r, label, 9); break;
    // The text printed on the board beside the LEDs, above the row.
    case TPartKind::Leds: DrawLedRow(p, r, std::max(2, r.width() / 12), label); break;
    case TPartKind::Buttons: DrawButtonRow(p, r, 4, label, 8); break;
    case TPartKind::Switches: DrawSwitchRow(p, r, std::max(2, r.width() / 24), label, 8); break;
    case TPartKind::Seg7: DrawSeg7(p, r, "8.8.", label, 12, 8); break;
    case TPartKind::Slot: DrawSlot(p, r, label); break;
    case TPartKind::Cage:
        p.setPen(QPen(QColor(90, 90, 90), 1));
        p.setBrush(QColor(185, 185, 190));
        p.drawRect(r);
        p.setBrush(QColor(60, 60, 60));
        p.drawRect(r.adjusted(6, 8, -6, -8));
        // The label on the cage's dark opening, where white reads.
        PartLabel(p, r.adjusted(6, 8, -6, -8), label, Qt::white, 9);
        break;
    case TPartKind::Jack: DrawJack(p, r, label, QColor(), 8); break;
    case TPartKind::Fan:
        p.setPen(QPen(QColor(30, 30, 30), 1));
        p.setBrush(QColor(60, 60, 60));
        p.drawEllipse(r);
        p.setBrush(QColor(120, 120, 120));
        p.drawEllipse(r.adjusted(r.width() / 3, r.height() / 3, -r.width() / 3, -r.height() / 3));
        PartLabel(p, QRect(r.left(), r.bottom() + 1, r.width(), 12), label, Qt::white, 8);
        break;
    }
}

}  // namespace

QImage DrawBoardPhoto(int width, int height, const QColor& pcb, const TBoardPart* parts, std::size_t count)
{
    QImage image = BlankPhoto(width, height);
    QPainter p(&image);
    const std::initializer_list<QPoint> holes = {QPoint(12, 12), QPoint(width - 12, 12), QPoint(12, height - 12),
                                                 QPoint(width - 12, height - 12)};
    DrawPcb(p, width, height, pcb, holes);
    PartLabels labels(p, QRect(4, 4, width - 8, height - 8), pcb, PartRects(parts, count), holes,
                      Outlined(parts, count));
    for (std::size_t i = 0; i < count; ++i) {
        labels.Drawing(i);
        DrawPart(p, parts[i]);
    }
    return image;
}

QImage DrawBoardPhoto(int width, int height, const TPicturePart* parts, std::size_t count)
{
    QImage image = BlankPhoto(width, height);
    QPainter p(&image);
    const std::initializer_list<QPoint> holes = {QPoint(14, height - 14), QPoint(width - 14, height - 14)};
    DrawPcb(p, width, height, kBluePcb, holes);
    PartLabels labels(p, QRect(4, 4, width - 8, height - 8), kBluePcb, PartRects(parts, count), holes,
                      Outlined(parts, count));
    for (std::size_t i = 0; i < count; ++i) {
        labels.Drawing(i);
        DrawPart(p, parts[i]);
    }
    return image;
}

}  // namespace photo
