#include "platform/Forms.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <map>

#include "platform/qt/FormWidgets.h"
#include "platform/qt/NamedResources.h"

// ---- Helpers --------------------------------------------------------------

QColor ToQColor(TColor color)
{
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

QString ToQString(const std::string& text) { return QString::fromStdString(text); }
std::string FromQString(const QString& text) { return text.toStdString(); }

void ShowException(const std::string& message) { seam::ShowError(message); }

void RunHandler(const std::function<void()>& code)
{
    try {
        code();
    } catch (const std::exception& e) {
        ShowException(e.what());
    } catch (...) {
        ShowException("");
    }
}

void CallNotify(const TNotifyEvent& handler, TObject* sender)
{
    if (!handler) return;
    // The handler is copied: it may replace itself while it runs.
    TNotifyEvent call = handler;
    RunHandler([&] { call(sender); });
}

EResNotFound::EResNotFound(const std::string& name) : Exception("Resource " + name + " not found") {}

namespace {

QWidget* ContainerOf(TWinControl* parent) { return parent ? parent->Widget() : nullptr; }

QPen MakePen(TColor color, int width, TPenStyle style)
{
    QPen pen(ToQColor(color));
    pen.setWidth(std::max(width, 1));
    pen.setStyle(style == psDash ? Qt::DashLine : style == psDot ? Qt::DotLine : Qt::SolidLine);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

void SetBackgroundColor(QWidget* widget, TColor color)
{
    QPalette palette = widget->palette();
    if (color == clDefault) {
        palette.setColor(QPalette::Window, QApplication::palette(widget).color(QPalette::Window));
        widget->setAutoFillBackground(false);
    } else {
        palette.setColor(QPalette::Window, ToQColor(color));
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

std::vector<std::string> SplitItems(const char* items)
{
    std::vector<std::string> result;
    if (!items) return result;
    std::string text(items);
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        result.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return result;
}

bool IsWindowed(const TControl* control)
{
    return dynamic_cast<const TWinControl*>(control) || dynamic_cast<const TButton*>(control) ||
           dynamic_cast<const TCheckBox*>(control) || dynamic_cast<const TComboBox*>(control) ||
           dynamic_cast<const TEdit*>(control) || dynamic_cast<const TListBox*>(control);
}

TForm* g_MainForm = nullptr;
bool g_Quitting = false;
std::vector<TForm*> g_ModalForms;
int g_ScreenWidth = 0;
int g_ScreenHeight = 0;
std::string g_ExecutablePath;

}  // namespace

// Test hooks (platform/FormsTesting.h).
void SetScreenSizeForTesting(int width, int height)
{
    g_ScreenWidth = width;
    g_ScreenHeight = height;
}
void SetExecutablePathForTesting(const std::string& path) { g_ExecutablePath = path; }
TForm* ActiveModalForm() { return g_ModalForms.empty() ? nullptr : g_ModalForms.back(); }

// Set by the application object.
void SetApplicationMainForm(TForm* form) { g_MainForm = form; }
void SetApplicationQuitting(bool quitting) { g_Quitting = quitting; }
bool IsApplicationQuitting() { return g_Quitting; }
TForm* ApplicationMainForm() { return g_MainForm; }

int ScreenWidth()
{
    if (g_ScreenWidth > 0) return g_ScreenWidth;
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

int ScreenHeight()
{
    if (g_ScreenHeight > 0) return g_ScreenHeight;
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 0;
}

std::string ExecutablePath()
{
    if (!g_ExecutablePath.empty()) return g_ExecutablePath;
    return FromQString(QCoreApplication::applicationFilePath());
}

void PostMessage(TForm* target, uint32_t msg, uintptr_t wParam, intptr_t lParam)
{
    PL_ASSERT(target != nullptr && target->Widget() != nullptr);
    QCoreApplication::postEvent(target->Widget(), new MessageEvent(TMessage{msg, wParam, lParam}));
}

// ---- Widgets --------------------------------------------------------------

FormWidget::FormWidget(TForm* form) : QWidget(nullptr), m_Form(form) {}
FormWidget::~FormWidget() = default;

QEvent::Type FormWidget::MessageEventType()
{
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

bool FormWidget::event(QEvent* event)
{
    if (event->type() == MessageEventType()) {
        if (m_Form) m_Form->Deliver(static_cast<MessageEvent*>(event)->Message());
        return true;
    }
    return QWidget::event(event);
}

void FormWidget::closeEvent(QCloseEvent* event)
{
    // The form decides itself whether and how it goes away.
    event->ignore();
    if (m_Form) m_Form->CloseByFrame();
}

void FormWidget::keyPressEvent(QKeyEvent* event)
{
    if (m_Form && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (event->key() == Qt::Key_Escape && m_Form->PressCancelButton()) return;
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && m_Form->PressDefaultButton())
            return;
    }
    QWidget::keyPressEvent(event);
}

void ButtonWidget::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && modifiers == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

namespace {

int Utf8Size(QStringView text) { return static_cast<int>(text.toUtf8().size()); }

}  // namespace

QString ByteLimitValidator::CutToBytes(const QString& text, int bytes)
{
    int used = 0;
    int end = 0;
    while (end < text.size()) {
        const int width = text[end].isHighSurrogate() && end + 1 < text.size() && text[end + 1].isLowSurrogate() ? 2 : 1;
        const int size = Utf8Size(QStringView(text).mid(end, width));
        if (used + size > bytes) break;
        used += size;
        end += width;
    }
    return text.left(end);
}

QValidator::State ByteLimitValidator::validate(QString& input, int& pos) const
{
    if (m_Limit <= 0 || Utf8Size(input) <= m_Limit) {
        m_Accepted = input;
        return Acceptable;
    }
    // Keep the text around the change and as much of the new piece as fits.
    const QString& old = m_Accepted;
    qsizetype head = 0;
    while (head < old.size() && head < input.size() && old[head] == input[head]) ++head;
    if (head > 0 && input[head - 1].isHighSurrogate()) --head;
    qsizetype tail = 0;
    while (tail < old.size() - head && tail < input.size() - head &&
           old[old.size() - 1 - tail] == input[input.size() - 1 - tail])
        ++tail;
    if (tail > 0 && input[input.size() - tail].isLowSurrogate()) --tail;
    const QString before = input.left(head);
    const QString after = input.right(tail);
    const int room = m_Limit - Utf8Size(before) - Utf8Size(after);
    if (room < 0) return Invalid;
    const QString kept = CutToBytes(input.mid(head, input.size() - head - tail), room);
    input = before + kept + after;
    pos = static_cast<int>(before.size() + kept.size());
    m_Accepted = input;
    return Acceptable;
}

void ClickReporter::ReportRelease(QWidget* widget, QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && widget->rect().contains(event->position().toPoint()) && clicked)
        clicked();
}

void LabelWidget::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    ReportRelease(this, event);
}

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

QSize FixedRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(m_Height);
    return size;
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

// ---- TControl -------------------------------------------------------------

TControl::TControl(TWinControl* parent, const std::string& name, QWidget* widget)
    : m_Name(name), m_Parent(parent), m_Widget(widget)
{
    m_Widget->setObjectName(ToQString(name));
    m_Widget->setVisible(true);
}

TControl::TControl(const std::string& name) : m_Name(name) {}

// The widget belongs to the widget tree of its form, which deletes it.
TControl::~TControl() = default;

int TControl::Left() const { return m_Widget->x(); }
int TControl::Top() const { return m_Widget->y(); }
int TControl::Width() const { return m_Widget->width(); }
int TControl::Height() const { return m_Widget->height(); }
void TControl::SetLeft(int left) { m_Widget->move(left, m_Widget->y()); }
void TControl::SetTop(int top) { m_Widget->move(m_Widget->x(), top); }
void TControl::SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
void TControl::SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }

void TControl::SetBounds(int left, int top, int width, int height)
{
    m_Widget->move(left, top);
    m_Widget->resize(std::max(width, 0), std::max(height, 0));
}

bool TControl::Visible() const { return !m_Widget->isHidden(); }
void TControl::SetVisible(bool visible) { m_Widget->setVisible(visible); }
bool TControl::Enabled() const { return m_Widget->isEnabled(); }
void TControl::SetEnabled(bool enabled) { m_Widget->setEnabled(enabled); }

void TControl::SetHandCursor(bool hand)
{
    if (hand)
        m_Widget->setCursor(Qt::PointingHandCursor);
    else
        m_Widget->unsetCursor();
}

void TControl::SetFontBold(bool bold)
{
    QFont font = m_Widget->font();
    font.setBold(bold);
    m_Widget->setFont(font);
}

void TControl::SetFontHeight(int pixels)
{
    QFont font = m_Widget->font();
    font.setPixelSize(pixels);
    m_Widget->setFont(font);
}

void TControl::SetFontColor(TColor color)
{
    QPalette palette = m_Widget->palette();
    const QColor qcolor =
        color == clDefault ? QApplication::palette(m_Widget).color(QPalette::WindowText) : ToQColor(color);
    palette.setColor(QPalette::WindowText, qcolor);
    palette.setColor(QPalette::Text, qcolor);
    palette.setColor(QPalette::ButtonText, qcolor);
    m_Widget->setPalette(palette);
}

// ---- Controls -------------------------------------------------------------

TLabel::TLabel(TWinControl* parent, const std::string& name)
    : TControl(parent, name, new LabelWidget(ContainerOf(parent)))
{
    auto* label = static_cast<LabelWidget*>(Widget());
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->clicked = [this] { CallNotify(OnClick, this); };
}

std::string TLabel::Caption() const { return FromQString(static_cast<QLabel*>(Widget())->text()); }

void TLabel::SetCaption(const std::string& caption)
{
    auto* label = static_cast<QLabel*>(Widget());
    label->setText(ToQString(caption));
    // A label is never narrower or lower than its text.
    const QSize hint = label->sizeHint();
    if (hint.width() > label->width() || hint.height() > label->height())
        label->resize(std::max(hint.width(), label->width()), std::max(hint.height(), label->height()));
}

void TLabel::SetAlignment(TAlignment alignment)
{
    Qt::Alignment horizontal = alignment == taCenter ? Qt::AlignHCenter
                               : alignment == taRightJustify ? Qt::AlignRight
                                                             : Qt::AlignLeft;
    static_cast<QLabel*>(Widget())->setAlignment(horizontal | Qt::AlignTop);
}

void TLabel::SetColor(TColor color) { SetBackgroundColor(Widget(), color); }

TButton::TButton(TWinControl* parent, const std::string& name)
    : TControl(parent, name, new ButtonWidget(ContainerOf(parent)))
{
    auto* button = static_cast<QPushButton*>(Widget());
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, button, [this] { CallNotify(OnClick, this); });
}

std::string TButton::Caption() const { return FromQString(static_cast<QPushButton*>(Widget())->text()); }
void TButton::SetCaption(const std::string& caption) { static_cast<QPushButton*>(Widget())->setText(ToQString(caption)); }

TCheckBox::TCheckBox(TWinControl* parent, const std::string& name)
    : TControl(parent, name, new QCheckBox(ContainerOf(parent)))
{
    auto* box = static_cast<QCheckBox*>(Widget());
    QObject::connect(box, &QCheckBox::toggled, box, [this](bool) { CallNotify(OnClick, this); });
}

std::string TCheckBox::Caption() const { return FromQString(static_cast<QCheckBox*>(Widget())->text()); }
void TCheckBox::SetCaption(const std::string& caption) { static_cast<QCheckBox*>(Widget())->setText(ToQString(caption)); }
bool TCheckBox::Checked() const { return static_cast<QCheckBox*>(Widget())->isChecked(); }
void TCheckBox::SetChecked(bool checked) { static_cast<QCheckBox*>(Widget())->setChecked(checked); }

TComboBox::TComboBox(TWinControl* parent, const std::string& name)
    : TControl(parent, name, new QComboBox(ContainerOf(parent)))
{
    auto* combo = static_cast<QComboBox*>(Widget());
    combo->setEditable(false);
    QObject::connect(combo, &QComboBox::activated, combo, [this](int) {
        CallNotify(OnClick, this);
        CallNotify(OnChange, this);
    });
}

void TComboBox::Clear() { static_cast<QComboBox*>(Widget())->clear(); }

void TComboBox::AddItem(const std::string& text)
{
    auto* combo = static_cast<QComboBox*>(Widget());
    const int before = combo->currentIndex();
    combo->addItem(ToQString(text));
    // Adding items selects nothing by itself.
    if (before < 0) combo->setCurrentIndex(-1);
}

int TComboBox::ItemCount() const { return static_cast<QComboBox*>(Widget())->count(); }

std::string TComboBox::ItemText(int index) const
{
    PL_ASSERT(index >= 0 && index < ItemCount());
    return FromQString(static_cast<QComboBox*>(Widget())->itemText(index));
}

int TComboBox::ItemIndex() const { return static_cast<QComboBox*>(Widget())->currentIndex(); }

void TComboBox::SetItemIndex(int index)
{
    PL_ASSERT(index >= -1 && index < ItemCount());
    static_cast<QComboBox*>(Widget())->setCurrentIndex(index);
}

std::string TComboBox::Text() const { return FromQString(static_cast<QComboBox*>(Widget())->currentText()); }
void TComboBox::SetDropDownCount(int rows) { static_cast<QComboBox*>(Widget())->setMaxVisibleItems(std::max(rows, 1)); }

TEdit::TEdit(TWinControl* parent, const std::string& name)
    : TControl(parent, name, new QLineEdit(ContainerOf(parent)))
{
    auto* edit = static_cast<QLineEdit*>(Widget());
    edit->setValidator(new ByteLimitValidator(edit));
    QObject::connect(edit, &QLineEdit::textChanged, edit, [this](const QString&) { CallNotify(OnChange, this); });
}

std::string TEdit::Text() const { return FromQString(static_cast<QLineEdit*>(Widget())->text()); }

void TEdit::SetText(const std::string& text)
{
    QString value = ToQString(text);
    if (m_MaxLength > 0) value = ByteLimitValidator::CutToBytes(value, m_MaxLength);
    static_cast<QLineEdit*>(Widget())->setText(value);
}

int TEdit::MaxLength() const { return m_MaxLength; }

void TEdit::SetMaxLength(int length)
{
    auto* edit = static_cast<QLineEdit*>(Widget());
    m_MaxLength = length > 0 ? length : 0;
    auto* validator = static_cast<ByteLimitValidator*>(const_cast<QValidator*>(edit->validator()));
    validator->SetLimit(m_MaxLength);
    if (m_MaxLength > 0 && Utf8Size(edit->text()) > m_MaxLength)
        edit->setText(ByteLimitValidator::CutToBytes(edit->text(), m_MaxLength));
    // A character takes at least one byte: the edit's own limit cuts long
    // pastes early, the validator then counts the bytes.
    edit->setMaxLength(m_MaxLength > 0 ? m_MaxLength : 32767);
}

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

TListBox::TListBox(TWinControl* parent, const std::string& name)
    : TControl(parent, name, new QListWidget(ContainerOf(parent)))
{
    auto* list = static_cast<QListWidget*>(Widget());
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    QObject::connect(list, &QListWidget::currentRowChanged, list, [this](int) {
        if (!m_Setting) CallNotify(OnClick, this);
    });
    QObject::connect(list, &QListWidget::itemDoubleClicked, list,
                     [this](QListWidgetItem*) { CallNotify(OnDblClick, this); });
}

void TListBox::Clear()
{
    m_Setting = true;
    static_cast<QListWidget*>(Widget())->clear();
    m_Setting = false;
}

void TListBox::AddItem(const std::string& text)
{
    m_Setting = true;
    static_cast<QListWidget*>(Widget())->addItem(ToQString(text));
    m_Setting = false;
}

int TListBox::ItemCount() const { return static_cast<QListWidget*>(Widget())->count(); }

std::string TListBox::ItemText(int index) const
{
    PL_ASSERT(index >= 0 && index < ItemCount());
    return FromQString(static_cast<QListWidget*>(Widget())->item(index)->text());
}

int TListBox::ItemIndex() const { return static_cast<QListWidget*>(Widget())->currentRow(); }

void TListBox::SetItemIndex(int index)
{
    PL_ASSERT(index >= -1 && index < ItemCount());
    auto* list = static_cast<QListWidget*>(Widget());
    m_Setting = true;
    list->setCurrentRow(index);
    if (index < 0) list->clearSelection();
    m_Setting = false;
}

void TListBox::SetItemHeight(int pixels)
{
    auto* list = static_cast<QListWidget*>(Widget());
    m_ItemHeight = pixels;
    if (pixels > 0) {
        list->setItemDelegate(new FixedRowDelegate(list, pixels));
        list->setUniformItemSizes(true);
    }
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

// ---- TForm ----------------------------------------------------------------

namespace {

Qt::WindowFlags TopLevelFlags(TBorderStyle style, bool systemMenu)
{
    Qt::WindowFlags flags;
    switch (style) {
    case bsNone: flags = Qt::Window | Qt::FramelessWindowHint; break;
    case bsDialog: flags = Qt::Dialog; break;
    case bsSingle:
    case bsSizeable: flags = Qt::Window; break;
    }
    if (style != bsNone && !systemMenu) flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    return flags;
}

}  // namespace

TForm::TForm(TForm* owner) : TWinControl(std::string()), m_Owner(owner)
{
    m_FormWidget = new FormWidget(this);
    AttachWidget(m_FormWidget);
    m_FormWidget->setWindowFlags(TopLevelFlags(bsSizeable, true));
    if (m_Owner) m_Owner->AddOwned(this);
}

TForm::~TForm()
{
    if (m_ModalLoop) m_ModalLoop->quit();
    // The forms this one owns go first, each with its own widgets.
    while (!m_Owned.empty()) delete m_Owned.back();
    // Forms hosted here without being owned become windows of their own.
    if (m_FormWidget) {
        for (QObject* object : m_FormWidget->children()) {
            auto* child = dynamic_cast<FormWidget*>(object);
            if (child && child->Form()) child->Form()->SetParent(nullptr);
        }
        m_FormWidget->Detach();
        delete m_FormWidget;
        m_FormWidget = nullptr;
    }
    m_Controls.clear();
    if (m_Owner) m_Owner->RemoveOwned(this);
    if (g_MainForm == this) g_MainForm = nullptr;
    g_ModalForms.erase(std::remove(g_ModalForms.begin(), g_ModalForms.end(), this), g_ModalForms.end());
}

void TForm::AddOwned(TForm* form) { m_Owned.push_back(form); }

void TForm::RemoveOwned(TForm* form) { m_Owned.erase(std::remove(m_Owned.begin(), m_Owned.end(), form), m_Owned.end()); }

TControl* TForm::FindControl(const std::string& name) const
{
    for (const auto& control : m_Controls)
        if (control->Name() == name) return control.get();
    return nullptr;
}

std::string TForm::Caption() const { return FromQString(m_FormWidget->windowTitle()); }
void TForm::SetCaption(const std::string& caption) { m_FormWidget->setWindowTitle(ToQString(caption)); }
void TForm::SetColor(TColor color) { SetBackgroundColor(m_FormWidget, color); }

void TForm::SetClientWidth(int width)
{
    if (m_BorderStyle == bsSizeable)
        m_FormWidget->resize(width, m_FormWidget->height());
    else
        m_FormWidget->setFixedSize(width, m_FormWidget->height());
}

void TForm::SetClientHeight(int height)
{
    if (m_BorderStyle == bsSizeable)
        m_FormWidget->resize(m_FormWidget->width(), height);
    else
        m_FormWidget->setFixedSize(m_FormWidget->width(), height);
}

void TForm::SetBorderStyle(TBorderStyle style)
{
    m_BorderStyle = style;
    if (!m_Host) {
        const bool visible = !m_FormWidget->isHidden();
        m_FormWidget->setWindowFlags(TopLevelFlags(m_BorderStyle, m_SystemMenu));
        if (visible) m_FormWidget->show();
    }
    if (style == bsSizeable) {
        m_FormWidget->setMinimumSize(0, 0);
        m_FormWidget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        m_FormWidget->setFixedSize(m_FormWidget->size());
    }
}

void TForm::SetSystemMenu(bool systemMenu)
{
    m_SystemMenu = systemMenu;
    SetBorderStyle(m_BorderStyle);
}

void TForm::SetParent(TForm* host)
{
    if (host == m_Host) return;
    const bool visible = !m_FormWidget->isHidden();
    const QPoint position = m_FormWidget->pos();
    m_Host = host;
    if (host) {
        m_FormWidget->setParent(host->m_FormWidget, Qt::Widget);
    } else {
        m_FormWidget->setParent(nullptr, TopLevelFlags(m_BorderStyle, m_SystemMenu));
    }
    m_FormWidget->move(position);
    if (visible) m_FormWidget->show();
}

void TForm::SetVisible(bool visible)
{
    if (visible && !m_Host && m_FormWidget->isHidden()) PlaceForShow();
    m_FormWidget->setVisible(visible);
}

void TForm::PlaceForShow()
{
    if (m_Host) return;
    int left = m_FormWidget->x();
    int top = m_FormWidget->y();
    const TForm* ownerWindow = m_Owner;
    while (ownerWindow && ownerWindow->m_Host) ownerWindow = ownerWindow->m_Host;
    if (m_Position == poOwnerFormCenter && ownerWindow) {
        left = ownerWindow->Left() + (ownerWindow->Width() - Width()) / 2;
        top = ownerWindow->Top() + (ownerWindow->Height() - Height()) / 2;
    } else if (m_Position == poScreenCenter || m_Position == poOwnerFormCenter) {
        left = (ScreenWidth() - Width()) / 2;
        top = (ScreenHeight() - Height()) / 2;
    } else {
        return;
    }
    m_FormWidget->move(left, top);
}

void TForm::DoClose(TCloseAction& action)
{
    if (!OnClose) return;
    TCloseEvent call = OnClose;
    RunHandler([&] { call(this, action); });
}

void TForm::Close()
{
    if (m_Modal) {
        if (m_ModalResult == mrNone) SetModalResult(mrCancel);
        return;
    }
    TCloseAction action = TCloseAction::caHide;
    DoClose(action);
    if (action == TCloseAction::caNone) return;
    m_FormWidget->hide();
    if (this == g_MainForm) {
        g_Quitting = true;
        QCoreApplication::quit();
    }
}

void TForm::CloseByFrame()
{
    if (m_Modal && !m_SystemMenu) {
        // A dialog without a close box is left only through its buttons; the
        // window manager's close request counts as Escape.
        PressCancelButton();
        return;
    }
    Close();
}

int TForm::ShowModal()
{
    PL_ASSERT(!m_Modal && m_Host == nullptr);
    m_ModalResult = mrNone;
    m_Modal = true;
    m_FormWidget->setWindowModality(Qt::ApplicationModal);
    PlaceForShow();
    m_FormWidget->show();
    m_FormWidget->activateWindow();
    g_ModalForms.push_back(this);
    QEventLoop loop;
    m_ModalLoop = &loop;
    for (;;) {
        while (m_ModalResult == mrNone && !g_Quitting) loop.exec(QEventLoop::DialogExec);
        if (g_Quitting) break;
        // Like any close, the end of a modal run goes through OnClose, which
        // may refuse it.
        TCloseAction action = TCloseAction::caHide;
        DoClose(action);
        if (action != TCloseAction::caNone) break;
        m_ModalResult = mrNone;
    }
    m_ModalLoop = nullptr;
    g_ModalForms.erase(std::remove(g_ModalForms.begin(), g_ModalForms.end(), this), g_ModalForms.end());
    m_FormWidget->hide();
    m_FormWidget->setWindowModality(Qt::NonModal);
    m_Modal = false;
    return m_ModalResult == mrNone ? mrCancel : m_ModalResult;
}

void TForm::SetModalResult(int result)
{
    m_ModalResult = result;
    if (m_ModalLoop && result != mrNone) m_ModalLoop->quit();
}

void TForm::WndProc(TMessage&) {}

void TForm::Deliver(TMessage message)
{
    RunHandler([&] { WndProc(message); });
}

bool TForm::PressDefaultButton()
{
    for (const auto& control : m_Controls) {
        auto* button = dynamic_cast<TButton*>(control.get());
        if (button && button->Default && button->Widget()->isVisibleTo(m_FormWidget) && button->Widget()->isEnabled()) {
            static_cast<QPushButton*>(button->Widget())->click();
            return true;
        }
    }
    return false;
}

bool TForm::PressCancelButton()
{
    for (const auto& control : m_Controls) {
        auto* button = dynamic_cast<TButton*>(control.get());
        if (button && button->Cancel && button->Widget()->isVisibleTo(m_FormWidget) && button->Widget()->isEnabled()) {
            static_cast<QPushButton*>(button->Widget())->click();
            return true;
        }
    }
    return false;
}

TControl* TForm::CreateControl(const TControlSpec& spec, TWinControl* parent)
{
    std::unique_ptr<TControl> control;
    switch (spec.Kind) {
    case TControlKind::Label: {
        auto* label = new TLabel(parent, spec.Name);
        control.reset(label);
        if (spec.Color != clDefault) label->SetColor(spec.Color);
        label->SetAlignment(spec.Alignment);
        break;
    }
    case TControlKind::Button: {
        auto* button = new TButton(parent, spec.Name);
        control.reset(button);
        button->Default = spec.Default;
        button->Cancel = spec.Cancel;
        break;
    }
    case TControlKind::CheckBox: {
        auto* box = new TCheckBox(parent, spec.Name);
        control.reset(box);
        box->SetChecked(spec.Checked);
        break;
    }
    case TControlKind::ComboBox: {
        auto* combo = new TComboBox(parent, spec.Name);
        control.reset(combo);
        for (const std::string& item : SplitItems(spec.Items)) combo->AddItem(item);
        combo->SetItemIndex(spec.ItemIndex);
        combo->SetDropDownCount(spec.DropDownCount);
        break;
    }
    case TControlKind::Edit: {
        auto* edit = new TEdit(parent, spec.Name);
        control.reset(edit);
        edit->SetMaxLength(spec.MaxLength);
        break;
    }
    case TControlKind::GroupBox: control.reset(new TGroupBox(parent, spec.Name)); break;
    case TControlKind::ListBox: {
        auto* list = new TListBox(parent, spec.Name);
        control.reset(list);
        list->SetItemHeight(spec.ItemHeight);
        for (const std::string& item : SplitItems(spec.Items)) list->AddItem(item);
        list->SetItemIndex(spec.ItemIndex);
        break;
    }
    case TControlKind::Image: {
        auto* image = new TImage(parent, spec.Name);
        control.reset(image);
        image->SetStretch(spec.Stretch);
        image->SetCenter(spec.Center);
        image->SetAutoSize(spec.AutoSize);
        break;
    }
    case TControlKind::Shape: {
        auto* shape = new TShape(parent, spec.Name);
        control.reset(shape);
        shape->SetShape(spec.Shape);
        shape->SetPen(spec.PenColor, spec.PenWidth, spec.PenStyle);
        shape->SetBrush(spec.Color, spec.BrushStyle);
        break;
    }
    case TControlKind::Panel: {
        auto* panel = new TPanel(parent, spec.Name);
        control.reset(panel);
        panel->SetColor(spec.Color);
        panel->SetBevel(spec.Bevel);
        break;
    }
    case TControlKind::PaintBox: control.reset(new TPaintBox(parent, spec.Name)); break;
    case TControlKind::Bevel: {
        auto* bevel = new TBevel(parent, spec.Name);
        control.reset(bevel);
        bevel->SetShape(spec.BevelShape);
        bevel->SetStyle(spec.Bevel);
        break;
    }
    }
    TControl* result = control.get();
    result->SetBounds(spec.Left, spec.Top, spec.Width, spec.Height);
    if (spec.FontHeight > 0) result->SetFontHeight(spec.FontHeight);
    if (spec.Bold) result->SetFontBold(true);
    if (spec.FontColor != clDefault) result->SetFontColor(spec.FontColor);
    if (spec.HandCursor) result->SetHandCursor(true);
    if (spec.Caption) {
        if (auto* label = dynamic_cast<TLabel*>(result)) label->SetCaption(spec.Caption);
        if (auto* button = dynamic_cast<TButton*>(result)) button->SetCaption(spec.Caption);
        if (auto* box = dynamic_cast<TCheckBox*>(result)) box->SetCaption(spec.Caption);
        if (auto* group = dynamic_cast<TGroupBox*>(result)) group->SetCaption(spec.Caption);
        if (auto* panel = dynamic_cast<TPanel*>(result)) panel->SetCaption(spec.Caption);
        if (auto* edit = dynamic_cast<TEdit*>(result)) edit->SetText(spec.Caption);
    }
    if (spec.Picture) static_cast<TImage*>(result)->LoadFromResourceName(spec.Picture);
    result->SetEnabled(spec.Enabled);
    result->SetVisible(spec.Visible);
    m_Controls.push_back(std::move(control));
    return result;
}

void TForm::LoadLayout(const TFormSpec& spec, const std::vector<THandlerEntry>& handlers)
{
    m_LayoutName = spec.Name;
    SetCaption(spec.Caption);
    QFont font = m_FormWidget->font();
    font.setPixelSize(spec.FontHeight > 0 ? spec.FontHeight : 13);
    m_FormWidget->setFont(font);
    SetColor(spec.Color);
    m_SystemMenu = spec.SystemMenu;
    m_Position = spec.Position;
    m_BorderStyle = spec.BorderStyle;
    m_FormWidget->setMinimumSize(0, 0);
    m_FormWidget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    m_FormWidget->resize(spec.ClientWidth, spec.ClientHeight);
    SetBorderStyle(spec.BorderStyle);

    // The controls, with their settings; no handler is bound yet.
    const std::size_t first = m_Controls.size();
    for (const TControlSpec& control : spec.Controls) {
        if (FindControl(control.Name))
            seam::FailInvariant(("control name " + std::string(control.Name) + " used once").c_str(), __FILE__,
                                __LINE__);
        TWinControl* parent = this;
        if (control.Parent) {
            parent = dynamic_cast<TWinControl*>(FindControl(control.Parent));
            if (!parent)
                seam::FailInvariant(("parent " + std::string(control.Parent) + " of " + control.Name +
                                     " is a panel or group box laid out before it")
                                        .c_str(),
                                    __FILE__, __LINE__);
        }
        CreateControl(control, parent);
    }
    // Windowed controls lie above the graphic ones.
    for (std::size_t i = first; i < m_Controls.size(); ++i)
        if (IsWindowed(m_Controls[i].get())) m_Controls[i]->Widget()->raise();

    // The handlers, by name, for the events each kind of control has.
    std::map<std::string, const THandlerEntry*> byName;
    for (const THandlerEntry& entry : handlers) byName[entry.Name] = &entry;
    auto notify = [&](const char* name, bool kindHasEvent, const std::string& owner) -> TNotifyEvent {
        if (!name) return nullptr;
        if (!kindHasEvent)
            seam::FailInvariant(("control " + owner + " has the event bound to " + name).c_str(), __FILE__, __LINE__);
        auto it = byName.find(name);
        if (it == byName.end() || !it->second->Notify)
            seam::FailInvariant(("handler " + std::string(name) + " of " + owner + " offered by the form").c_str(),
                                __FILE__, __LINE__);
        return it->second->Notify;
    };
    for (std::size_t i = 0; i < spec.Controls.size(); ++i) {
        const TControlSpec& s = spec.Controls[i];
        TControl* control = m_Controls[first + i].get();
        const TControlKind k = s.Kind;
        using K = TControlKind;
        const bool hasClick = k == K::Label || k == K::Button || k == K::CheckBox || k == K::ComboBox ||
                              k == K::Panel || k == K::ListBox || k == K::Image || k == K::PaintBox;
        TNotifyEvent onClick = notify(s.OnClick, hasClick, s.Name);
        TNotifyEvent onDblClick = notify(s.OnDblClick, k == K::ListBox, s.Name);
        TNotifyEvent onChange = notify(s.OnChange, k == K::ComboBox || k == K::Edit, s.Name);
        TNotifyEvent onPaint = notify(s.OnPaint, k == K::PaintBox, s.Name);
        if (auto* c = dynamic_cast<TLabel*>(control)) c->OnClick = onClick;
        if (auto* c = dynamic_cast<TButton*>(control)) c->OnClick = onClick;
        if (auto* c = dynamic_cast<TCheckBox*>(control)) c->OnClick = onClick;
        if (auto* c = dynamic_cast<TComboBox*>(control)) {
            c->OnClick = onClick;
            c->OnChange = onChange;
        }
        if (auto* c = dynamic_cast<TEdit*>(control)) c->OnChange = onChange;
        if (auto* c = dynamic_cast<TPanel*>(control)) c->OnClick = onClick;
        if (auto* c = dynamic_cast<TListBox*>(control)) {
            c->OnClick = onClick;
            c->OnDblClick = onDblClick;
        }
        if (auto* c = dynamic_cast<TImage*>(control)) c->OnClick = onClick;
        if (auto* c = dynamic_cast<TPaintBox*>(control)) {
            c->OnClick = onClick;
            c->OnPaint = onPaint;
        }
    }
    if (spec.OnClose) {
        auto it = byName.find(spec.OnClose);
        if (it == byName.end() || !it->second->Close)
            seam::FailInvariant(("close handler " + std::string(spec.OnClose) + " offered by the form").c_str(),
                                __FILE__, __LINE__);
        OnClose = it->second->Close;
    }
}
