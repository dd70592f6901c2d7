// Labels, buttons, check boxes and edits.
#include "platform/Forms.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

#include "platform/qt/FormWidgets.h"

// ---- Widgets --------------------------------------------------------------

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

void LabelWidget::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    ReportRelease(this, event);
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
