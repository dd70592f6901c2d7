// Images, shapes, bevels, paint boxes with their canvas, panels and group boxes.
#include "platform/Forms.h"

#include <QGroupBox>
#include <QPainter>
#include <algorithm>

#include "platform/qt/FormWidgets.h"
#include "platform/qt/NamedResources.h"

namespace {

QPen MakePen(TColor color, int width, TPenStyle style)
{
    QPen pen(ToQColor(color));
    pen.setWidth(std::max(width, 1));
    pen.setStyle(style == psDash ? Qt::DashLine : style == psDot ? Qt::DotLine : Qt::SolidLine);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

}  // namespace

// ---- Widgets --------------------------------------------------------------

void ImageWidget::SetImage(const QImage& image)
{
    m_Image = image;
    update();
}

void ImageWidget::paintEvent(QPaintEvent*)
{
    if (m_Image.isNull()) return;
    QPainter painter(this);
    if (stretch) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), m_Image);
    } else if (center) {
        painter.drawImage((width() - m_Image.width()) / 2, (height() - m_Image.height()) / 2, m_Image);
    } else {
        painter.drawImage(0, 0, m_Image);
    }
}

void ImageWidget::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    ReportRelease(this, event);
}

ShapeWidget::ShapeWidget(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

void ShapeWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(MakePen(penColor, penWidth, penStyle));
    if (brushStyle == bsClear)
        painter.setBrush(Qt::NoBrush);
    else
        painter.setBrush(ToQColor(brushColor));
    const int pw = std::max(penWidth, 1);
    // The outline lies inside the control, as wide as the pen.
    const QRectF box(pw / 2.0, pw / 2.0, width() - pw, height() - pw);
    switch (shape) {
    case stRectangle: painter.drawRect(box); break;
    case stRoundRect: painter.drawRoundedRect(box, 6, 6); break;
    case stEllipse: painter.drawEllipse(box); break;
    }
}

BevelWidget::BevelWidget(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

void BevelWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor dark(128, 128, 128);
    const QColor light(255, 255, 255);
    const QColor first = style == bvRaised ? light : dark;   // top and left
    const QColor second = style == bvRaised ? dark : light;  // bottom and right
    const int r = width() - 1;
    const int b = height() - 1;
    auto line = [&](const QColor& color, int x1, int y1, int x2, int y2) {
        painter.setPen(color);
        painter.drawLine(x1, y1, x2, y2);
    };
    switch (shape) {
    case bsBox:
        line(first, 0, 0, r, 0);
        line(first, 0, 0, 0, b);
        line(second, 0, b, r, b);
        line(second, r, 0, r, b);
        break;
    case bsFrame:
        painter.setPen(first);
        painter.drawRect(0, 0, r - 1, b - 1);
        painter.setPen(second);
        painter.drawRect(1, 1, r - 1, b - 1);
        break;
    case bsTopLine:
        line(first, 0, 0, r, 0);
        line(second, 0, 1, r, 1);
        break;
    case bsBottomLine:
        line(first, 0, b - 1, r, b - 1);
        line(second, 0, b, r, b);
        break;
    case bsLeftLine:
        line(first, 0, 0, 0, b);
        line(second, 1, 0, 1, b);
        break;
    case bsRightLine:
        line(first, r - 1, 0, r - 1, b);
        line(second, r, 0, r, b);
        break;
    }
}

PanelWidget::PanelWidget(QWidget* parent) : QWidget(parent) {}

void PanelWidget::SetBackground(TColor color) { SetBackgroundColor(this, color); }

void PanelWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (bevel != bvNone) {
        const QColor light(255, 255, 255);
        const QColor dark(128, 128, 128);
        const QColor first = bevel == bvRaised ? light : dark;
        const QColor second = bevel == bvRaised ? dark : light;
        const int r = width() - 1;
        const int b = height() - 1;
        painter.setPen(first);
        painter.drawLine(0, 0, r, 0);
        painter.drawLine(0, 0, 0, b);
        painter.setPen(second);
        painter.drawLine(0, b, r, b);
        painter.drawLine(r, 0, r, b);
    }
    if (!caption.isEmpty()) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(rect(), Qt::AlignCenter, caption);
    }
}

void PanelWidget::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    ReportRelease(this, event);
}

void PaintBoxWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    TCanvas canvas(&painter);
    m_Box->m_Canvas = &canvas;
    CallNotify(m_Box->OnPaint, m_Box);
    m_Box->m_Canvas = nullptr;
}

void PaintBoxWidget::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    ReportRelease(this, event);
}

// ---- TCanvas --------------------------------------------------------------

void TCanvas::SetPen(TColor color, int width, TPenStyle style) { m_Painter->setPen(MakePen(color, width, style)); }

void TCanvas::SetBrush(TColor color, TBrushStyle style)
{
    if (style == bsClear)
        m_Painter->setBrush(Qt::NoBrush);
    else
        m_Painter->setBrush(ToQColor(color));
}

void TCanvas::MoveTo(int x, int y)
{
    m_X = x;
    m_Y = y;
}

void TCanvas::LineTo(int x, int y)
{
    m_Painter->drawLine(m_X, m_Y, x, y);
    m_X = x;
    m_Y = y;
}

void TCanvas::Rectangle(int left, int top, int right, int bottom)
{
    m_Painter->drawRect(left, top, right - left - 1, bottom - top - 1);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom)
{
    m_Painter->drawEllipse(left, top, right - left - 1, bottom - top - 1);
}

void TCanvas::TextOut(int x, int y, const std::string& text)
{
    const QFontMetrics metrics = m_Painter->fontMetrics();
    m_Painter->drawText(x, y + metrics.ascent(), ToQString(text));
}

// ---- Controls -------------------------------------------------------------

TGroupBox::TGroupBox(TWinControl* parent, const std::string& name)
    : TWinControl(parent, name, new QGroupBox(ContainerOf(parent)))
{
}

std::string TGroupBox::Caption() const { return FromQString(static_cast<QGroupBox*>(Widget())->title()); }
void TGroupBox::SetCaption(const std::string& caption) { static_cast<QGroupBox*>(Widget())->setTitle(ToQString(caption)); }

TPanel::TPanel(TWinControl* parent, const std::string& name)
    : TWinControl(parent, name, new PanelWidget(ContainerOf(parent)))
{
    static_cast<PanelWidget*>(Widget())->clicked = [this] { CallNotify(OnClick, this); };
}

std::string TPanel::Caption() const { return FromQString(static_cast<PanelWidget*>(Widget())->caption); }

void TPanel::SetCaption(const std::string& caption)
{
    auto* panel = static_cast<PanelWidget*>(Widget());
    panel->caption = ToQString(caption);
    panel->update();
}

void TPanel::SetColor(TColor color) { static_cast<PanelWidget*>(Widget())->SetBackground(color); }

void TPanel::SetBevel(TBevelCut bevel)
{
    auto* panel = static_cast<PanelWidget*>(Widget());
    panel->bevel = bevel;
    panel->update();
}

TImage::TImage(TWinControl* parent, const std::string& name)
    : TControl(parent, name, new ImageWidget(ContainerOf(parent)))
{
    static_cast<ImageWidget*>(Widget())->clicked = [this] { CallNotify(OnClick, this); };
}

void TImage::LoadFromResourceName(const std::string& name)
{
    QImage image;
    if (!LoadNamedPicture(name, image)) throw EResNotFound(name);
    auto* widget = static_cast<ImageWidget*>(Widget());
    widget->SetImage(image);
    if (m_AutoSize) widget->resize(image.size());
}

void TImage::DrawResource(const std::string& name, int x, int y)
{
    QImage bitmap;
    if (!LoadNamedPicture(name, bitmap)) throw EResNotFound(name);
    auto* widget = static_cast<ImageWidget*>(Widget());
    if (widget->Image().isNull()) return;
    QImage image = widget->Image().convertToFormat(QImage::Format_RGB32);
    {
        QPainter painter(&image);
        painter.drawImage(x, y, bitmap);
    }
    widget->SetImage(image);
}

void TImage::Clear() { static_cast<ImageWidget*>(Widget())->SetImage(QImage()); }
bool TImage::HasPicture() const { return !static_cast<ImageWidget*>(Widget())->Image().isNull(); }
int TImage::PictureWidth() const { return static_cast<ImageWidget*>(Widget())->Image().width(); }
int TImage::PictureHeight() const { return static_cast<ImageWidget*>(Widget())->Image().height(); }

void TImage::SetAutoSize(bool autoSize)
{
    m_AutoSize = autoSize;
    if (autoSize && HasPicture()) Widget()->resize(PictureWidth(), PictureHeight());
}

void TImage::SetStretch(bool stretch)
{
    static_cast<ImageWidget*>(Widget())->stretch = stretch;
    Widget()->update();
}

void TImage::SetCenter(bool center)
{
    static_cast<ImageWidget*>(Widget())->center = center;
    Widget()->update();
}

TShape::TShape(TWinControl* parent, const std::string& name)
    : TControl(parent, name, new ShapeWidget(ContainerOf(parent)))
{
}

void TShape::SetShape(TShapeType shape)
{
    static_cast<ShapeWidget*>(Widget())->shape = shape;
    Widget()->update();
}

void TShape::SetPen(TColor color, int width, TPenStyle style)
{
    auto* shape = static_cast<ShapeWidget*>(Widget());
    shape->penColor = color;
    shape->penWidth = width;
    shape->penStyle = style;
    shape->update();
}

void TShape::SetBrush(TColor color, TBrushStyle style)
{
    auto* shape = static_cast<ShapeWidget*>(Widget());
    shape->brushColor = color == clDefault ? clWhite : color;
    shape->brushStyle = style;
    shape->update();
}

TBevel::TBevel(TWinControl* parent, const std::string& name)
    : TControl(parent, name, new BevelWidget(ContainerOf(parent)))
{
}

void TBevel::SetShape(TBevelShape shape)
{
    static_cast<BevelWidget*>(Widget())->shape = shape;
    Widget()->update();
}

void TBevel::SetStyle(TBevelCut style)
{
    static_cast<BevelWidget*>(Widget())->style = style == bvRaised ? bvRaised : bvLowered;
    Widget()->update();
}

TPaintBox::TPaintBox(TWinControl* parent, const std::string& name)
    : TControl(parent, name, new PaintBoxWidget(ContainerOf(parent), this))
{
    static_cast<PaintBoxWidget*>(Widget())->clicked = [this] { CallNotify(OnClick, this); };
}

void TPaintBox::Invalidate() { Widget()->update(); }
