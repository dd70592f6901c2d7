#include "platform/FormsTesting.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <memory>

#include "platform/qt/FormWidgets.h"

void UserClick(TButton* button) { static_cast<QPushButton*>(button->Widget())->click(); }
void UserClick(TCheckBox* box) { static_cast<QCheckBox*>(box->Widget())->click(); }

void UserPick(TComboBox* combo, int index)
{
    auto* widget = static_cast<QComboBox*>(combo->Widget());
    PL_ASSERT(index >= 0 && index < widget->count());
    if (!widget->isEnabled()) return;
    // What the combo box itself does when the user picks from its list.
    widget->setCurrentIndex(index);
    emit widget->activated(index);
}

TColor ImagePixel(const TImage* image, int x, int y)
{
    const QImage& picture = static_cast<const ImageWidget*>(image->Widget())->Image();
    if (picture.isNull() || !picture.valid(x, y)) return clDefault;
    const QRgb rgb = picture.pixel(x, y);
    return static_cast<TColor>(qRed(rgb)) | static_cast<TColor>(qGreen(rgb)) << 8 |
           static_cast<TColor>(qBlue(rgb)) << 16;
}

void UserSelect(TListBox* list, int index)
{
    auto* widget = static_cast<QListWidget*>(list->Widget());
    PL_ASSERT(index >= 0 && index < widget->count());
    if (!widget->isEnabled()) return;
    widget->setCurrentRow(index);
    emit widget->itemClicked(widget->item(index));
}

void UserDoubleClick(TListBox* list, int index)
{
    auto* widget = static_cast<QListWidget*>(list->Widget());
    PL_ASSERT(index >= 0 && index < widget->count());
    if (!widget->isEnabled()) return;
    widget->setCurrentRow(index);
    emit widget->itemClicked(widget->item(index));
    emit widget->itemDoubleClicked(widget->item(index));
}

void UserType(TEdit* edit, const std::string& text)
{
    auto* widget = static_cast<QLineEdit*>(edit->Widget());
    if (!widget->isEnabled()) return;
    widget->selectAll();
    widget->insert(ToQString(text));
}

namespace {

void SendKey(QWidget* widget, TUserKey key)
{
    const int code = key == TUserKey::Escape ? Qt::Key_Escape : key == TUserKey::Enter ? Qt::Key_Return : Qt::Key_Enter;
    QKeyEvent press(QEvent::KeyPress, code, key == TUserKey::KeypadEnter ? Qt::KeypadModifier : Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
}

}  // namespace

void UserPressKey(TForm* form, TUserKey key) { SendKey(form->Widget(), key); }

void UserPressKeyOn(TControl* control, TUserKey key)
{
    QWidget* widget = control->Widget();
    widget->setFocus(Qt::TabFocusReason);
    SendKey(widget, key);
}

void UserCloseWindow(TForm* form) { form->Widget()->close(); }

void DeliverPostedMessages()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void WhenModalShows(std::function<void(TForm& form)> action, bool* failed, int timeoutMs)
{
    struct State {
        std::function<void(TForm&)> action;
        TForm* seen = nullptr;
        QElapsedTimer clock;
    };
    auto state = std::make_shared<State>();
    state->action = std::move(action);
    state->clock.start();
    if (failed) *failed = false;
    auto* timer = new QTimer(QCoreApplication::instance());
    timer->setInterval(1);
    QObject::connect(timer, &QTimer::timeout, timer, [state, timer, failed, timeoutMs] {
        TForm* form = ActiveModalForm();
        if (!state->seen) {
            if (form) {
                state->seen = form;
                state->action(*form);
            } else if (state->clock.elapsed() > timeoutMs) {
                if (failed) *failed = true;
                timer->deleteLater();
                timer->stop();
            }
            return;
        }
        if (form != state->seen) {
            timer->stop();
            timer->deleteLater();
        } else if (state->clock.elapsed() > timeoutMs) {
            if (failed) *failed = true;
            form->SetModalResult(mrCancel);
        }
    });
    timer->start();
}
