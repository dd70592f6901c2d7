#include "resources/Arria10Photo.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QString>

namespace {

void Caption(QPainter& p, const QRect& box, const QString& text, const QColor& colour, int pixels)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(pixels);
    font.setBold(true);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, text);
}

// The look of a part, by the kind its outline names.
QColor PartColour(const QString& shape)
{
    if (shape.startsWith("ShapeQsfp") || shape.startsWith("ShapeSma")) return QColor(200, 200, 205);
    if (shape.startsWith("ShapeQDRII") || shape.startsWith("ShapeDDR3") || shape == "ShapeFlash")
        return QColor(30, 30, 34);
    if (shape.startsWith("ShapePCIe")) return QColor(212, 175, 55);
    if (shape == "ShapeLED" || shape == "ShapeBracketLED") return QColor(200, 40, 40);
    if (shape == "ShapeSeg7") return QColor(60, 10, 10);
    if (shape == "ShapeButton" || shape == "ShapeSwitch") return QColor(70, 70, 200);
    return QColor(52, 52, 58);
}

}  // namespace

QImage DrawArria10Board(const TBoardPart* parts, std::size_t count, const QColor& board)
{
    QImage image(ARRIA10_PHOTO_WIDTH, ARRIA10_PHOTO_HEIGHT, QImage::Format_RGB32);
    image.fill(QColor(250, 250, 250));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);

    QPainterPath outline;
    outline.addRoundedRect(QRectF(2, 2, ARRIA10_PHOTO_WIDTH - 4, ARRIA10_PHOTO_HEIGHT - 30), 8, 8);
    p.setPen(QPen(board.darker(180), 2));
    p.setBrush(board);
    p.drawPath(outline);

    for (std::size_t i = 0; i < count; ++i) {
        const TBoardPart& part = parts[i];
        const QRect r(part.Left, part.Top, part.Width, part.Height);
        const QString shape = part.ShapeName ? part.ShapeName : "";
        const QColor fill = part.ShapeName ? PartColour(shape) : QColor(60, 60, 66);
        p.setPen(QPen(QColor(150, 150, 150), 1));
        p.setBrush(fill);
        p.drawRect(r);
        const bool light = fill.lightness() > 150;
        Caption(p, r, part.Label ? part.Label : "", light ? QColor(30, 30, 30) : QColor(235, 235, 235),
                part.ShapeName ? 9 : 13);
    }
    return image;
}
