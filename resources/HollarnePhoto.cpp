#include "resources/HollarnePhoto.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "boards/soc/HollarneParts.h"

namespace {

QRect RectOf(const THollarnePart& part) { return QRect(part.Left, part.Top, part.Width, part.Height); }

void Caption(QPainter& p, const QRect& box, const QString& text, const QColor& colour, int pixels)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(pixels);
    font.setBold(true);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, text);
}

// A pin header: two rows of square pads.
void DrawHeader(QPainter& p, const QRect& r)
{
    p.setPen(QPen(QColor(20, 20, 20), 1));
    p.setBrush(QColor(35, 35, 35));
    p.drawRect(r);
    p.setBrush(QColor(212, 175, 55));
    p.setPen(Qt::NoPen);
    const int pads = 20;
    const double step = (r.width() - 6) / double(pads);
    for (int i = 0; i < pads; ++i) {
        const int x = r.left() + 3 + int(i * step + step / 2) - 2;
        p.drawRect(x, r.top() + 3, 4, 4);
        p.drawRect(x, r.bottom() - 6, 4, 4);
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

}  // namespace

QImage DrawHollarnePhoto()
{
    QImage image(HOLLARNE_PHOTO_WIDTH, HOLLARNE_PHOTO_HEIGHT, QImage::Format_RGB32);
    image.fill(QColor(250, 250, 250));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);

    // The board.
    QPainterPath outline;
    outline.addRoundedRect(QRectF(2, 2, HOLLARNE_PHOTO_WIDTH - 4, HOLLARNE_PHOTO_HEIGHT - 4), 10, 10);
    p.setPen(QPen(QColor(10, 60, 30), 2));
    p.setBrush(QColor(22, 110, 62));
    p.drawPath(outline);
    p.setBrush(QColor(180, 180, 180));
    for (QPoint hole : {QPoint(12, 40), QPoint(388, 40), QPoint(12, 236), QPoint(388, 236)})
        p.drawEllipse(hole, 4, 4);

    // The FPGA.
    const QRect fpga = RectOf(kHollarneFpga);
    p.setPen(QPen(QColor(160, 160, 160), 1));
    p.setBrush(QColor(60, 60, 66));
    p.drawRect(fpga);
    Caption(p, fpga, kHollarneFpga.Label, QColor(235, 235, 235), 12);

    for (const THollarnePart& part : kHollarneParts) {
        const QRect r = RectOf(part);
        const QString name = part.ShapeName;
        const QString label = part.Label;
        if (name == "ShapeGpio0" || name == "ShapeGpio1") {
            DrawHeader(p, r);
            Caption(p, QRect(r.left(), r.bottom() + 1, r.width(), 12), label, Qt::white, 10);
        } else if (name == "ShapeLED") {
            DrawRowOf(p, r, 10, QColor(230, 40, 40), true);
            Caption(p, QRect(r.left(), r.top() - 12, r.width(), 12), label, Qt::white, 9);
        } else if (name == "ShapeSwitch") {
            DrawRowOf(p, r.adjusted(0, 0, 0, -10), 10, QColor(70, 70, 200), false);
            Caption(p, QRect(r.left(), r.bottom() - 10, r.width(), 11), label, Qt::white, 9);
        } else if (name == "ShapeButton") {
            DrawRowOf(p, r.adjusted(0, 0, 0, -12), 4, QColor(30, 30, 30), true);
            Caption(p, QRect(r.left(), r.bottom() - 12, r.width(), 12), label, Qt::white, 9);
        } else if (name == "ShapeSeg7") {
            p.setPen(QPen(QColor(20, 20, 20), 1));
            p.setBrush(QColor(25, 25, 25));
            p.drawRect(r);
            Caption(p, r.adjusted(0, 0, 0, -14), "8.8.8.8.8.8.", QColor(255, 70, 50), 16);
            Caption(p, QRect(r.left(), r.bottom() - 14, r.width(), 14), label, QColor(220, 220, 220), 9);
        } else if (name == "ShapeVGA") {
            DrawJack(p, r, label, QColor(40, 70, 200));
        } else if (name == "ShapeAudio") {
            DrawJack(p, r, label, QColor(80, 200, 80));
        } else if (name == "ShapePS2") {
            DrawJack(p, r, label, QColor(140, 70, 200));
        } else if (name == "ShapeVideoIn") {
            DrawJack(p, r, label, QColor(240, 220, 40));
        } else if (name == "ShapeRiscJtag") {
            p.setPen(QPen(QColor(20, 20, 20), 1));
            p.setBrush(QColor(35, 35, 35));
            p.drawRect(r);
            Caption(p, r, label, QColor(212, 175, 55), 10);
        } else if (name == "ShapeOSC") {
            p.setPen(QPen(QColor(120, 120, 120), 1));
            p.setBrush(QColor(210, 210, 215));
            p.drawRoundedRect(r, 4, 4);
            Caption(p, r, label, QColor(30, 30, 30), 10);
        } else {
            DrawChip(p, r, label);
        }
    }
    return image;
}

QImage DrawMakerLogo()
{
    QImage image(200, 40, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    // A woven mark: three interlaced strands.
    const QColor strands[] = {QColor(196, 30, 58), QColor(30, 90, 170), QColor(240, 160, 20)};
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(strands[i], 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(6 + i * 9, 6, 24 + i * 9, 34);
        p.drawLine(24 + i * 9, 6, 6 + i * 9, 34);
    }
    QFont font("DejaVu Sans");
    font.setPixelSize(24);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(40, 40, 50));
    p.drawText(QRect(52, 0, 148, 40), Qt::AlignVCenter | Qt::AlignLeft, "KALVORA");
    return image;
}
