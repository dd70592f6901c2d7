// The form layer on Qt 6 Widgets: handler calls, application state, forms
// and what every control shares. The control kinds are in ButtonsAndEdits.cpp,
// ListsAndCombos.cpp and PicturesAndPanels.cpp; building a form from its
// layout is in FormLayout.cpp.
#include "platform/Forms.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "platform/qt/FormWidgets.h"

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

QWidget* ContainerOf(TWinControl* parent) { return parent ? parent->Widget() : nullptr; }

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

namespace {

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

FormWidget::FormWidget(TForm* form) : QWidget(nullptr), m_Form(form) { UseFormStyle(); }
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

void ClickReporter::ReportRelease(QWidget* widget, QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && widget->rect().contains(event->position().toPoint()) && clicked)
        clicked();
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

void TControl::SetHint(const std::string& hint)
{
    m_Hint = hint;
    m_Widget->setToolTip(m_ShowHint ? ToQString(hint) : QString());
}

void TControl::SetShowHint(bool show)
{
    m_ShowHint = show;
    SetHint(m_Hint);
}

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

std::vector<TControl*> TForm::Controls() const
{
    std::vector<TControl*> controls;
    for (const auto& control : m_Controls) controls.push_back(control.get());
    return controls;
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
