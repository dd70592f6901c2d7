// Combo boxes and list boxes.
#include "platform/Forms.h"

#include <QListWidget>
#include <algorithm>

#include "platform/qt/FormWidgets.h"

QSize FixedRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(m_Height);
    return size;
}

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
