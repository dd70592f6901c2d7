#include "resources/HollarnePhoto.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "boards/soc/HollarneParts.h"
#include "resources/BoardPhoto.h"

namespace {

QRect RectOf(const THollarnePart& part) { return QRect(part.Left, part.Top, part.Width, part.Height); }

}  // namespace

using namespace photo;

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
