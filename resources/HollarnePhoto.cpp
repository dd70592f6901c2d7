#include <QPainter>
#include <iterator>
#include <vector>

#include "boards/soc/HollarneParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

namespace {

QRect RectOf(const THollarnePart& part) { return QRect(part.Left, part.Top, part.Width, part.Height); }

}  // namespace

using namespace photo;

QImage DrawHollarnePhoto()
{
    QImage image = BlankPhoto(HOLLARNE_PHOTO_WIDTH, HOLLARNE_PHOTO_HEIGHT);
    QPainter p(&image);
    const QColor pcb(22, 110, 62);
    const std::initializer_list<QPoint> holes = {QPoint(12, 40), QPoint(388, 40), QPoint(12, 236), QPoint(388, 236)};
    DrawPcb(p, HOLLARNE_PHOTO_WIDTH, HOLLARNE_PHOTO_HEIGHT, pcb, holes);
    std::vector<QRect> parts;
    std::vector<bool> outlined;
    for (const THollarnePart& part : kHollarneParts) {
        parts.push_back(RectOf(part));
        outlined.push_back(true);
    }
    parts.push_back(RectOf(kHollarneFpga));
    outlined.push_back(false);
    PartLabels labels(p, QRect(4, 4, HOLLARNE_PHOTO_WIDTH - 8, HOLLARNE_PHOTO_HEIGHT - 8), pcb, parts, holes,
                      outlined);
    labels.Drawing(parts.size() - 1);
    DrawFpga(p, RectOf(kHollarneFpga), kHollarneFpga.Label);

    for (std::size_t i = 0; i < std::size(kHollarneParts); ++i) {
        const THollarnePart& part = kHollarneParts[i];
        labels.Drawing(i);
        const QRect r = RectOf(part);
        const QString name = part.ShapeName;
        const QString label = part.Label;
        if (name == "ShapeGpio0" || name == "ShapeGpio1") {
            DrawHeader(p, r);
            PartLabel(p, QRect(r.left(), r.bottom() + 1, r.width(), 12), label, Qt::white, 10);
        } else if (name == "ShapeLED") {
            DrawLedRow(p, r, 10, label);
        } else if (name == "ShapeSwitch") {
            DrawSwitchRow(p, r, 10, label);
        } else if (name == "ShapeButton") {
            DrawButtonRow(p, r, 4, label);
        } else if (name == "ShapeSeg7") {
            DrawSeg7(p, r, "8.8.8.8.8.8.", label);
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
            PartLabel(p, r.adjusted(1, 1, -1, -1), label, QColor(212, 175, 55), 10);
        } else if (name == "ShapeOSC") {
            DrawOscillator(p, r, label);
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
    Caption(p, QRect(52, 0, 148, 40), "KALVORA", QColor(40, 40, 50), 24, Qt::AlignVCenter | Qt::AlignLeft);
    return image;
}
