#include "resources/BoardPhoto.h"

#include <QFont>
#include <QPainterPath>
#include <algorithm>

namespace photo {

void Caption(QPainter& p, const QRect& box, const QString& text, const QColor& colour, int pixels)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(pixels);
    font.setBold(true);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, text);
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
    Caption(p, r.adjusted(0, 4, 0, -4), QString(), Qt::white, 9);
}

void DrawChip(QPainter& p, const QRect& r, const QString& label)
{
    p.setPen(QPen(QColor(150, 150, 150), 1));
    p.setBrush(QColor(45, 45, 50));
    p.drawRect(r);
    Caption(p, r, label, QColor(230, 230, 230), 10);
}

void DrawJack(QPainter& p, const QRect& r, const QString& label, const QColor& colour)
{
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(QColor(200, 200, 205));
    p.drawRect(r);
    p.setBrush(colour);
    const int d = std::min(r.width(), r.height()) / 2;
    p.drawEllipse(QRect(r.left() + 6, r.center().y() - d / 2, d, d));
    Caption(p, r.adjusted(d + 6, 0, 0, 0), label, QColor(30, 30, 30), 10);
}

void DrawRowOf(QPainter& p, const QRect& r, int count, const QColor& colour, bool round)
{
    p.setPen(QPen(QColor(40, 40, 40), 1));
    const double step = r.width() / double(count);
    for (int i = 0; i < count; ++i) {
        QRect cell(r.left() + int(i * step) + 2, r.top() + 2, int(step) - 4, r.height() - 4);
        p.setBrush(colour);
        if (round)
            p.drawEllipse(cell);
        else
            p.drawRect(cell);
    }
}

namespace {

// A label under (or, with no room below, over) a part.
QRect LabelBox(const QRect& r, int height) { return QRect(r.left() - 10, r.bottom() + 1, r.width() + 20, height); }

void DrawPart(QPainter& p, const TBoardPart& part)
{
    const QRect r(part.Left, part.Top, part.Width, part.Height);
    const QString label = QString::fromUtf8(part.Label);
    switch (part.Look) {
    case TPartLook::Fpga:
        p.setPen(QPen(QColor(160, 160, 160), 1));
        p.setBrush(QColor(60, 60, 66));
        p.drawRect(r);
        Caption(p, r, label, QColor(235, 235, 235), 12);
        break;
    case TPartLook::Chip: DrawChip(p, r, label); break;
    case TPartLook::Header:
        DrawHeader(p, r, part.Count);
        if (r.height() > r.width())
            Caption(p, QRect(r.left() - 30, r.top() - 12, r.width() + 60, 12), label, Qt::white, 9);
        else
            Caption(p, LabelBox(r, 12), label, Qt::white, 10);
        break;
    case TPartLook::Jack: DrawJack(p, r, label, QColor(40, 70, 200)); break;
    case TPartLook::LedRow:
        DrawRowOf(p, r, part.Count, QColor(230, 40, 40), true);
        Caption(p, QRect(r.left(), r.top() - 12, r.width(), 12), label, Qt::white, 9);
        break;
    case TPartLook::SwitchRow:
        DrawRowOf(p, r.adjusted(0, 0, 0, -10), part.Count, QColor(70, 70, 200), false);
        Caption(p, QRect(r.left(), r.bottom() - 10, r.width(), 11), label, Qt::white, 9);
        break;
    case TPartLook::ButtonRow:
        DrawRowOf(p, r.adjusted(0, 0, 0, -12), part.Count, QColor(30, 30, 30), true);
        Caption(p, QRect(r.left(), r.bottom() - 12, r.width(), 12), label, Qt::white, 9);
        break;
    case TPartLook::Seg7: {
        p.setPen(QPen(QColor(20, 20, 20), 1));
        p.setBrush(QColor(25, 25, 25));
        p.drawRect(r);
        const QString digits = QString("8.").repeated(part.Count);
        Caption(p, r.adjusted(0, 0, 0, -14), digits, QColor(255, 70, 50), 16);
        Caption(p, QRect(r.left(), r.bottom() - 14, r.width(), 14), label, QColor(220, 220, 220), 9);
        break;
    }
    case TPartLook::Oscillator:
        p.setPen(QPen(QColor(120, 120, 120), 1));
        p.setBrush(QColor(210, 210, 215));
        p.drawRoundedRect(r, 4, 4);
        Caption(p, r, label, QColor(30, 30, 30), 10);
        break;
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

}  // namespace

QImage DrawBoardPhoto(int width, int height, const QColor& pcb, const TBoardPart* parts, std::size_t count)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(250, 250, 250));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);

    QPainterPath outline;
    outline.addRoundedRect(QRectF(2, 2, width - 4, height - 4), 10, 10);
    p.setPen(QPen(pcb.darker(250), 2));
    p.setBrush(pcb);
    p.drawPath(outline);
    p.setBrush(QColor(180, 180, 180));
    for (QPoint hole : {QPoint(12, 12), QPoint(width - 12, 12), QPoint(12, height - 12),
                        QPoint(width - 12, height - 12)})
        p.drawEllipse(hole, 4, 4);

    for (std::size_t i = 0; i < count; ++i) DrawPart(p, parts[i]);
    return image;
}

}  // namespace photo
