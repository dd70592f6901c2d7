// The Qt widgets behind the controls of platform/Forms.h. Internal to the
// form layer (and open to its tests).
#pragma once

#include <QColor>
#include <QComboBox>
#include <QEvent>
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QValidator>
#include <QWidget>
#include <functional>

#include "platform/Forms.h"

QColor ToQColor(TColor color);
QString ToQString(const std::string& text);
std::string FromQString(const QString& text);

// The font of the forms' text at a pixel size (the em height).
QFont PlatformFont(int pixels);
// Makes the application draw in the forms' style (once; a form does it when made).
void UseFormStyle();

// The property of a control's widget that holds the size its form's layout
// gave it (a QSize).
inline constexpr const char* kLaidOutSize = "pinloomLaidOutSize";

// Calls a handler function if one is set, as the layer calls every handler.
void CallNotify(const TNotifyEvent& handler, TObject* sender);

// The widget that holds the controls of a parent (none without a parent).
QWidget* ContainerOf(TWinControl* parent);
// Fills the widget's background with the colour, or, for clDefault, leaves it
// to the platform's own window colour.
void SetBackgroundColor(QWidget* widget, TColor color);

// The top-level widget (or hosted child) of a form.
class FormWidget : public QWidget {
public:
    explicit FormWidget(TForm* form);
    ~FormWidget() override;
    TForm* Form() const { return m_Form; }
    void Detach() { m_Form = nullptr; }
    static QEvent::Type MessageEventType();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    TForm* m_Form;
};

// A push button that Enter (or the keypad's Enter) presses while it has the
// focus; with the focus elsewhere, Enter goes on to the form and its default
// button.
class ButtonWidget : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// Holds an edit's text to a number of bytes of its UTF-8 form (0: no limit).
// Of a typed or pasted piece, as much as fits is kept, in whole characters.
class ByteLimitValidator : public QValidator {
public:
    explicit ByteLimitValidator(QObject* parent) : QValidator(parent) {}
    void SetLimit(int bytes) { m_Limit = bytes; }
    int Limit() const { return m_Limit; }
    State validate(QString& input, int& pos) const override;
    // The longest start of text, in whole characters, within the bytes.
    static QString CutToBytes(const QString& text, int bytes);

private:
    int m_Limit = 0;
    mutable QString m_Accepted;  // the text as last accepted
};

// A message posted to a form.
class MessageEvent : public QEvent {
public:
    explicit MessageEvent(const TMessage& message) : QEvent(FormWidget::MessageEventType()), m_Message(message) {}
    const TMessage& Message() const { return m_Message; }

private:
    TMessage m_Message;
};

// Widgets whose left-button click is reported.
class ClickReporter {
public:
    std::function<void()> clicked;

protected:
    void ReportRelease(QWidget* widget, QMouseEvent* event);
};

class LabelWidget : public QLabel, public ClickReporter {
public:
    explicit LabelWidget(QWidget* parent) : QLabel(parent) {}

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class ImageWidget : public QWidget, public ClickReporter {
public:
    explicit ImageWidget(QWidget* parent) : QWidget(parent) {}
    const QImage& Image() const { return m_Image; }
    void SetImage(const QImage& image);
    bool stretch = false;
    bool center = false;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_Image;
};

class ShapeWidget : public QWidget {
public:
    explicit ShapeWidget(QWidget* parent);
    TShapeType shape = stRectangle;
    TColor penColor = clBlack;
    int penWidth = 1;
    TPenStyle penStyle = psSolid;
    TColor brushColor = clWhite;
    TBrushStyle brushStyle = bsSolid;

protected:
    void paintEvent(QPaintEvent* event) override;
};

class BevelWidget : public QWidget {
public:
    explicit BevelWidget(QWidget* parent);
    TBevelShape shape = bsBox;
    TBevelCut style = bvLowered;

protected:
    void paintEvent(QPaintEvent* event) override;
};

class PanelWidget : public QWidget, public ClickReporter {
public:
    explicit PanelWidget(QWidget* parent);
    QString caption;
    TBevelCut bevel = bvRaised;
    void SetBackground(TColor color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class PaintBoxWidget : public QWidget, public ClickReporter {
public:
    PaintBoxWidget(QWidget* parent, TPaintBox* box) : QWidget(parent), m_Box(box) {}

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TPaintBox* m_Box;
};

// Rows of one fixed height in a list box.
class FixedRowDelegate : public QStyledItemDelegate {
public:
    FixedRowDelegate(QObject* parent, int height) : QStyledItemDelegate(parent), m_Height(height) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int m_Height;
};
