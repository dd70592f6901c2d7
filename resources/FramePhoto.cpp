#include "resources/FramePhoto.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

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

void Row(QPainter& p, const QRect& r, int count, const QColor& colour, bool round)
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

void DrawPart(QPainter& p, const TPicturePart& part)
{
    const QRect r(part.Left, part.Top, part.Width, part.Height);
    const QString label = QString::fromLatin1(part.Label);
    const QRect below(r.left(), r.bottom() - 11, r.width(), 12);
    switch (part.Kind) {
    case TPartKind::Chip:
        p.setPen(QPen(QColor(150, 150, 150), 1));
        p.setBrush(QColor(45, 45, 50));
        p.drawRect(r);
        Caption(p, r, label, QColor(230, 230, 230), r.width() > 80 ? 13 : 9);
        break;
    case TPartKind::Memory:
        p.setPen(QPen(QColor(120, 120, 120), 1));
        p.setBrush(QColor(30, 30, 34));
        p.drawRect(r);
        Caption(p, r, label, QColor(200, 200, 120), 9);
        break;
    case TPartKind::Clock:
        p.setPen(QPen(QColor(120, 120, 120), 1));
        p.setBrush(QColor(210, 210, 215));
        p.drawRoundedRect(r, 4, 4);
        Caption(p, r, label, QColor(30, 30, 30), 9);
        break;
    case TPartKind::Leds:
        Row(p, r, std::max(2, r.width() / 12), QColor(230, 40, 40), true);
        break;
    case TPartKind::Buttons:
        Row(p, r.adjusted(0, 0, 0, -12), 4, QColor(30, 30, 30), true);
        Caption(p, below, label, Qt::white, 8);
        break;
    case TPartKind::Switches:
        Row(p, r.adjusted(0, 0, 0, -10), std::max(2, r.width() / 24), QColor(70, 70, 200), false);
        Caption(p, below.adjusted(0, 2, 0, 0), label, Qt::white, 8);
        break;
    case TPartKind::Seg7:
        p.setPen(QPen(QColor(20, 20, 20), 1));
        p.setBrush(QColor(25, 25, 25));
        p.drawRect(r);
        Caption(p, r.adjusted(0, 0, 0, -12), "8.8.", QColor(255, 70, 50), 16);
        Caption(p, below, label, QColor(220, 220, 220), 8);
        break;
    case TPartKind::Slot:
        p.setPen(QPen(QColor(20, 20, 20), 1));
        p.setBrush(QColor(40, 40, 40));
        p.drawRect(r);
        p.setBrush(QColor(212, 175, 55));
        p.setPen(Qt::NoPen);
        if (r.height() > r.width()) {
            // A slot standing upright: contacts down its left side, the label turned.
            for (int y = r.top() + 4; y < r.bottom() - 3; y += 5) p.drawRect(r.left() + 3, y, 4, 2);
            p.save();
            p.translate(r.center());
            p.rotate(-90);
            Caption(p, QRect(-r.height() / 2, -r.width() / 2 + 3, r.height(), r.width()), label, Qt::white, 9);
            p.restore();
            break;
        }
        for (int x = r.left() + 4; x < r.right() - 3; x += 5) p.drawRect(x, r.top() + 3, 2, 4);
        Caption(p, r.adjusted(0, 6, 0, 0), label, Qt::white, 9);
        break;
    case TPartKind::Cage:
        p.setPen(QPen(QColor(90, 90, 90), 1));
        p.setBrush(QColor(185, 185, 190));
        p.drawRect(r);
        p.setBrush(QColor(60, 60, 60));
        p.drawRect(r.adjusted(6, 8, -6, -8));
        Caption(p, r, label, Qt::white, 9);
        break;
    case TPartKind::Jack:
        p.setPen(QPen(QColor(90, 90, 90), 1));
        p.setBrush(QColor(200, 200, 205));
        p.drawRect(r);
        Caption(p, r, label, QColor(30, 30, 30), 8);
        break;
    case TPartKind::Fan:
        p.setPen(QPen(QColor(30, 30, 30), 1));
        p.setBrush(QColor(60, 60, 60));
        p.drawEllipse(r);
        p.setBrush(QColor(120, 120, 120));
        p.drawEllipse(r.adjusted(r.width() / 3, r.height() / 3, -r.width() / 3, -r.height() / 3));
        Caption(p, below.translated(0, 12), label, Qt::white, 8);
        break;
    }
}

}  // namespace

QImage DrawBoardPhoto(int width, int height, const TPicturePart* parts, std::size_t count)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(250, 250, 250));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(2, 2, width - 4, height - 4), 10, 10);
    p.setPen(QPen(QColor(10, 30, 60), 2));
    p.setBrush(QColor(24, 60, 120));
    p.drawPath(outline);
    p.setBrush(QColor(180, 180, 180));
    for (QPoint hole : {QPoint(14, height - 14), QPoint(width - 14, height - 14)}) p.drawEllipse(hole, 4, 4);
    for (std::size_t i = 0; i < count; ++i) DrawPart(p, parts[i]);
    return image;
}
