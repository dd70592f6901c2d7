// The picture of the Yarrowgate board, drawn from the parts table its form
// marks, and the picture of its FMC voltage jumper JP2.
#include <QPainter>

#include "boards/arria10/YarrowgateParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawYarrowgatePhoto()
{
    return photo::DrawBoardPhoto(YARROWGATE_PHOTO_WIDTH, YARROWGATE_PHOTO_HEIGHT, kYarrowgateParts);
}

// JP2 seen from above: three rows of two pins, one per FMC I/O voltage,
// with the shunt on the 1.8 V row (the board's default).
QImage DrawYarrowgateJumper()
{
    QImage image(120, 64, QImage::Format_RGB32);
    image.fill(photo::kBluePcb);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const char* const rows[3] = {"1.8V", "1.5V", "1.2V"};
    for (int row = 0; row < 3; ++row) {
        const int y = 8 + 18 * row;
        photo::Caption(p, QRect(6, y - 2, 36, 16), rows[row], Qt::white, 10, Qt::AlignLeft | Qt::AlignVCenter);
        p.setPen(QPen(QColor(20, 20, 20), 1));
        p.setBrush(QColor(212, 175, 55));
        for (int pin = 0; pin < 2; ++pin) p.drawEllipse(QPoint(58 + 16 * pin, y + 6), 4, 4);
        if (row == 0) {
            p.setBrush(QColor(20, 20, 20));
            p.drawRoundedRect(QRect(50, y - 1, 32, 14), 3, 3);
        }
    }
    photo::Caption(p, QRect(90, 0, 28, 64), "JP2", Qt::white, 10, Qt::AlignCenter);
    return image;
}
