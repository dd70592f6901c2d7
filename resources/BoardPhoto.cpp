#include "resources/BoardPhoto.h"

#include <QFont>
#include <QPainterPath>
#include <algorithm>

namespace photo {

void Caption(QPainter& p, const QRect& box, const QString& text, const QColor& colour, int pixels,
             int flags)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(pixels);
    font.setBold(true);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, flags, text);
}

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
        for (int y = r.top() + 4; y < r.bottom() - 3; y += 5) p.drawRect(r.left() + 3, y, 4, 2);
        p.save();
        p.translate(r.center());
        p.rotate(-90);
        Caption(p, QRect(-r.height() / 2, -r.width() / 2 + 3, r.height(), r.width()), label, Qt::white, 9);
        p.restore();
        return;
    }
    for (int x = r.left() + 4; x < r.right() - 3; x += 5) p.drawRect(x, r.top() + 3, 2, 4);
    Caption(p, r.adjusted(0, 6, 0, 0), label, Qt::white, 9);
}

void DrawFpga(QPainter& p, const QRect& r, const QString& label)
{
    p.setPen(QPen(QColor(160, 160, 160), 1));
    p.setBrush(QColor(60, 60, 66));
    p.drawRect(r);
    Caption(p, r, label, QColor(235, 235, 235), 12);
}

void DrawChip(QPainter& p, const QRect& r, const QString& label, int pixels)
{
    p.setPen(QPen(QColor(150, 150, 150), 1));
    p.setBrush(QColor(45, 45, 50));
    p.drawRect(r);
    Caption(p, r, label, QColor(230, 230, 230), pixels);
}

void DrawOscillator(QPainter& p, const QRect& r, const QString& label, int pixels)
{
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.setBrush(QColor(210, 210, 215));
    p.drawRoundedRect(r, 4, 4);
    Caption(p, r, label, QColor(30, 30, 30), pixels);
}

void DrawJack(QPainter& p, const QRect& r, const QString& label, const QColor& socket, int pixels)
{
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(QColor(200, 200, 205));
    p.drawRect(r);
    if (!socket.isValid()) {
        Caption(p, r, label, QColor(30, 30, 30), pixels);
        return;
    }
    p.setBrush(socket);
    const int d = std::min(r.width(), r.height()) / 2;
    p.drawEllipse(QRect(r.left() + 6, r.center().y() - d / 2, d, d));
    Caption(p, r.adjusted(d + 6, 0, 0, 0), label, QColor(30, 30, 30), pixels);
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
    Caption(p, QRect(r.left(), r.top() - 12, r.width(), 12), label, Qt::white, 9);
}

void DrawSwitchRow(QPainter& p, const QRect& r, int count, const QString& label, int pixels)
{
    DrawRowOf(p, r.adjusted(0, 0, 0, -10), count, QColor(70, 70, 200), false);
    Caption(p, QRect(r.left(), r.bottom() - 10, r.width(), 11), label, Qt::white, pixels);
}

void DrawButtonRow(QPainter& p, const QRect& r, int count, const QString& label, int pixels)
{
    DrawRowOf(p, r.adjusted(0, 0, 0, -12), count, QColor(30, 30, 30), true);
    Caption(p, QRect(r.left(), r.bottom() - 12, r.width(), 12), label, Qt::white, pixels);
}

void DrawSeg7(QPainter& p, const QRect& r, const QString& digits, const QString& label, int labelHeight, int pixels)
{
    p.setPen(QPen(QColor(20, 20, 20), 1));
    p.setBrush(QColor(25, 25, 25));
    p.drawRect(r);
    Caption(p, r.adjusted(0, 0, 0, -labelHeight), digits, QColor(255, 70, 50), 16);
    Caption(p, QRect(r.left(), r.bottom() - labelHeight, r.width(), labelHeight), label, QColor(220, 220, 220),
            pixels);
}

namespace {

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
            Caption(p, QRect(r.left() - 30, r.top() - 12, r.width() + 60, 12), label, Qt::white, 9);
        else
            Caption(p, LabelBox(r, 12), label, Qt::white, 10);
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
        Caption(p, r.adjusted(0, 0, 0, -r.height() * 2 / 3), label, QColor(30, 30, 30), 10);
        break;
    case TPartLook::Jumper:
        p.setPen(QPen(QColor(20, 20, 20), 1));
        p.setBrush(QColor(35, 35, 35));
        p.drawRect(r.adjusted(0, 0, 0, -14));
        p.setBrush(QColor(212, 175, 55));
        p.drawRect(QRect(r.center().x() - 3, r.top() + 4, 6, 6));
        Caption(p, QRect(r.left() - 4, r.bottom() - 14, r.width() + 8, 14), label, QColor(30, 30, 30), 9);
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
        Caption(p, r, label, QColor(200, 200, 120), 9);
        break;
    case TPartKind::Clock: DrawOscillator(p, r, label, 9); break;
    case TPartKind::Leds: DrawRowOf(p, r, std::max(2, r.width() / 12), QColor(230, 40, 40), true); break;
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
        Caption(p, r, label, Qt::white, 9);
        break;
    case TPartKind::Jack: DrawJack(p, r, label, QColor(), 8); break;
    case TPartKind::Fan:
        p.setPen(QPen(QColor(30, 30, 30), 1));
        p.setBrush(QColor(60, 60, 60));
        p.drawEllipse(r);
        p.setBrush(QColor(120, 120, 120));
        p.drawEllipse(r.adjusted(r.width() / 3, r.height() / 3, -r.width() / 3, -r.height() / 3));
        Caption(p, QRect(r.left(), r.bottom() + 1, r.width(), 12), label, Qt::white, 8);
        break;
    }
}

}  // namespace

QImage DrawBoardPhoto(int width, int height, const QColor& pcb, const TBoardPart* parts, std::size_t count)
{
    QImage image = BlankPhoto(width, height);
    QPainter p(&image);
    DrawPcb(p, width, height, pcb,
            {QPoint(12, 12), QPoint(width - 12, 12), QPoint(12, height - 12), QPoint(width - 12, height - 12)});
    for (std::size_t i = 0; i < count; ++i) DrawPart(p, parts[i]);
    return image;
}

QImage DrawBoardPhoto(int width, int height, const TPicturePart* parts, std::size_t count)
{
    QImage image = BlankPhoto(width, height);
    QPainter p(&image);
    DrawPcb(p, width, height, kBluePcb, {QPoint(14, height - 14), QPoint(width - 14, height - 14)});
    for (std::size_t i = 0; i < count; ++i) DrawPart(p, parts[i]);
    return image;
}

}  // namespace photo
