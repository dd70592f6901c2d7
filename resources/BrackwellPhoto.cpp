// The pictures of the Brackwell form: the board, drawn from the parts table
// its form marks, and the VCCIO indicator with the two bitmaps drawn over it.
#include <QPainter>

#include "boards/cyclone4_stratix4/BrackwellParts.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"

QImage DrawBrackwellPhoto()
{
    return photo::DrawBoardPhoto(BRACKWELL_PHOTO_WIDTH, BRACKWELL_PHOTO_HEIGHT, kBrackwellParts);
}

QImage DrawBrackwellVol()
{
    QImage image(BRACKWELL_VOL_WIDTH, BRACKWELL_VOL_HEIGHT, QImage::Format_RGB32);
    image.fill(photo::kBluePcb);
    QPainter p(&image);
    // The twelve LEDs, unlit, where the lit bitmap may cover them.
    p.setPen(QPen(QColor(10, 10, 10), 1));
    p.setBrush(QColor(40, 70, 40));
    for (int i = 0; i < 6; ++i)
        for (int led = 0; led < 2; ++led)
            p.drawRect(BrackwellLedLeft(i, led), BRACKWELL_LED_TOP, BRACKWELL_VOL_LED_WIDTH - 1,
                       BRACKWELL_VOL_LED_HEIGHT - 1);
    // One header per connector: a pair of pins in each of the five places.
    const char* const letters = "ABCDEF";
    for (int i = 0; i < 6; ++i) {
        const int x0 = kBrackwellJumperOrigin[i][0];
        const int y0 = kBrackwellJumperOrigin[i][1];
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(212, 175, 55));
        for (int place = 0; place < 5; ++place) {
            const int y = y0 + BRACKWELL_JUMPER_STEP * place + 2;
            p.drawRect(x0 + 3, y, 4, 4);
            p.drawRect(x0 + 11, y, 4, 4);
        }
        photo::Caption(p, QRect(x0 + 18, y0, 10, 9), QString(QChar(letters[i])), Qt::white, 7, Qt::AlignCenter);
    }
    // The voltage of each place, at the left: rows of the places' pitch, a
    // pixel above the pins so that the lowest ends at the picture's edge.
    const char* const volts[5] = {"1.5", "1.8", "2.5", "3.0", "3.3"};
    for (int place = 0; place < 5; ++place)
        for (int y0 : {kBrackwellJumperOrigin[5][1], kBrackwellJumperOrigin[2][1]})
            photo::Caption(p, QRect(2, y0 + BRACKWELL_JUMPER_STEP * place - 1, 30, BRACKWELL_JUMPER_STEP), volts[place],
                           Qt::white, 6, Qt::AlignLeft | Qt::AlignVCenter);
    return image;
}

QImage DrawBrackwellVolLedOn()
{
    QImage image(BRACKWELL_VOL_LED_WIDTH, BRACKWELL_VOL_LED_HEIGHT, QImage::Format_RGB32);
    image.fill(QColor(40, 255, 60));
    return image;
}

QImage DrawBrackwellVolJumper()
{
    QImage image(BRACKWELL_VOL_JUMPER_WIDTH, BRACKWELL_VOL_JUMPER_HEIGHT, QImage::Format_RGB32);
    image.fill(QColor(20, 20, 20));
    QPainter p(&image);
    p.setPen(QColor(90, 90, 90));
    p.drawRect(0, 0, BRACKWELL_VOL_JUMPER_WIDTH - 1, BRACKWELL_VOL_JUMPER_HEIGHT - 1);
    return image;
}
