#include "resources/PartsPhoto.h"

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
        const QRect cell(r.left() + int(i * step) + 1, r.top() + 2, std::max(2, int(step) - 2), r.height() - 4);
        if (round)
            p.drawEllipse(cell);
        else
            p.drawRect(cell);
    }
}

void DrawPart(QPainter& p, const TBoardPart& part)
{
    const QRect r(part.Left, part.Top, part.Width, part.Height);
    const QString label = part.Label ? QString::fromLatin1(part.Label) : QString();
    const bool tall = r.height() > r.width();
    switch (part.Kind) {
    case TBoardPartKind::Chip:
        p.setPen(QPen(QColor(150, 150, 150), 1));
        p.setBrush(QColor(45, 45, 50));
        p.drawRect(r);
        Caption(p, r, label, QColor(230, 230, 230), r.width() > 80 ? 12 : 8);
        break;
    case TBoardPartKind::Memory:
        p.setPen(QPen(QColor(120, 120, 120), 1));
        p.setBrush(QColor(30, 30, 34));
        p.drawRect(r);
        Caption(p, r, label, QColor(200, 200, 120), 8);
        break;
    case TBoardPartKind::Clock:
        p.setPen(QPen(QColor(120, 120, 120), 1));
        p.setBrush(QColor(210, 210, 215));
        p.drawRoundedRect(r, 4, 4);
        Caption(p, r, label, QColor(30, 30, 30), 8);
        break;
    case TBoardPartKind::Leds:
        Row(p, r, std::max(2, r.width() / 10), QColor(230, 40, 40), true);
        break;
    case TBoardPartKind::Buttons:
        Row(p, r.adjusted(0, 0, 0, -11), 4, QColor(30, 30, 30), true);
        Caption(p, QRect(r.left(), r.bottom() - 10, r.width(), 11), label, Qt::white, 8);
        break;
    case TBoardPartKind::Switches:
        Row(p, r.adjusted(0, 0, 0, -11), std::max(2, r.width() / 12), QColor(70, 70, 200), false);
        Caption(p, QRect(r.left(), r.bottom() - 10, r.width(), 11), label, Qt::white, 8);
        break;
    case TBoardPartKind::Seg7:
        p.setPen(QPen(QColor(20, 20, 20), 1));
        p.setBrush(QColor(25, 25, 25));
        p.drawRect(r);
        Caption(p, r.adjusted(0, 0, 0, -11), "8.8.8.8.", QColor(255, 70, 50), 14);
        Caption(p, QRect(r.left(), r.bottom() - 10, r.width(), 11), label, QColor(220, 220, 220), 8);
        break;
    case TBoardPartKind::Slot:
        p.setPen(QPen(QColor(20, 20, 20), 1));
        p.setBrush(QColor(40, 40, 40));
        p.drawRect(r);
        p.setBrush(QColor(212, 175, 55));
        p.setPen(Qt::NoPen);
        if (tall)
            for (int y = r.top() + 4; y < r.bottom() - 3; y += 5) p.drawRect(r.left() + 3, y, 4, 2);
        else
            for (int x = r.left() + 4; x < r.right() - 3; x += 5) p.drawRect(x, r.top() + 3, 2, 4);
        if (tall) {
            p.save();
            p.translate(r.center());
            p.rotate(-90);
            Caption(p, QRect(-r.height() / 2, -r.width() / 2, r.height(), r.width()), label, Qt::white, 8);
            p.restore();
        } else {
            Caption(p, r.adjusted(0, 6, 0, 0), label, Qt::white, 8);
        }
        break;
    case TBoardPartKind::Jack:
        p.setPen(QPen(QColor(90, 90, 90), 1));
        p.setBrush(QColor(200, 200, 205));
        p.drawRect(r);
        Caption(p, r, label, QColor(30, 30, 30), 8);
        break;
    case TBoardPartKind::Fan:
        p.setPen(QPen(QColor(30, 30, 30), 1));
        p.setBrush(QColor(60, 60, 60));
        p.drawEllipse(r);
        p.setBrush(QColor(120, 120, 120));
        p.drawEllipse(r.adjusted(r.width() / 3, r.height() / 3, -r.width() / 3, -r.height() / 3));
        break;
    }
}

}  // namespace

QImage DrawPartsPhoto(int width, int height, const QColor& board, const TBoardPart* parts, std::size_t count)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(250, 250, 250));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(1, 1, width - 2, height - 2), 8, 8);
    p.setPen(QPen(board.darker(200), 2));
    p.setBrush(board);
    p.drawPath(outline);
    p.setBrush(QColor(180, 180, 180));
    for (QPoint hole : {QPoint(10, height - 10), QPoint(width - 10, height - 10), QPoint(width - 10, 36)})
        p.drawEllipse(hole, 3, 3);
    for (std::size_t i = 0; i < count; ++i) DrawPart(p, parts[i]);
    return image;
}
