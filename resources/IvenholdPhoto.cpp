#include <QPainter>

#include "boards/cyclone5_stratix5/IvenholdParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawIvenholdPhoto()
{
    return photo::DrawBoardPhoto(IVENHOLD_PHOTO_WIDTH, IVENHOLD_PHOTO_HEIGHT, QColor(120, 30, 40), kIvenholdParts);
}

QImage DrawIvenholdHexDigits(int lit)
{
    const QRect r(0, 0, kIvenholdSeg7.Width, kIvenholdSeg7.Height);
    QImage image(r.size(), QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillRect(r, QColor(25, 25, 25));
    const int digits = kIvenholdSeg7.Count;
    const int width = r.width() / digits;
    for (int d = 0; d < digits; ++d) {
        // The digits on the right are lit; the others are dark.
        const bool on = d >= digits - lit;
        photo::Caption(p, QRect(d * width, 0, width, r.height() - 14), QStringLiteral("8."),
                       on ? QColor(255, 70, 50) : QColor(70, 60, 60), 16);
    }
    // The label under the lit digits, inside the outline the form lays
    // around them while two are lit.
    const QString label = lit == digits ? QStringLiteral("HEX3..HEX0") : QStringLiteral("HEX1..HEX0");
    photo::Caption(p, QRect((digits - lit) * width, r.height() - 14, lit * width, 14), label, QColor(220, 220, 220), 9);
    return image;
}
