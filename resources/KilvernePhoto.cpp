#include <QPainter>

#include "boards/soc/KilverneParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawKilvernePhoto()
{
    return photo::DrawBoardPhoto(KILVERNE_PHOTO_WIDTH, KILVERNE_PHOTO_HEIGHT, QColor(20, 20, 24), kKilverneParts);
}

QImage DrawFpgaLogo()
{
    QImage image(200, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    // A chip with its pins.
    p.setPen(QPen(QColor(0, 70, 140), 2));
    for (int i = 0; i < 4; ++i) {
        p.drawLine(10 + 6 * i, 4, 10 + 6 * i, 36);
        p.drawLine(4, 10 + 6 * i, 36, 10 + 6 * i);
    }
    p.setBrush(QColor(0, 90, 170));
    p.drawRect(8, 8, 24, 24);
    photo::Caption(p, QRect(46, 0, 150, 40), "FPGA", QColor(0, 70, 140), 22, Qt::AlignVCenter | Qt::AlignLeft);
    return image;
}
