// How the forms look: their font and their style.
//
// The forms' positions and sizes were laid out for a narrow 8-point
// sans-serif face; an Arial-metric face (Liberation Sans, or one of its
// twins) keeps their captions inside them. Where none is installed, the
// machine's sans-serif face is condensed to the width an Arial-metric face
// would draw.
//
// The style is Qt's Fusion with the check box and the group box of the
// layouts' system (a 13-pixel box, its caption 4 pixels after it; a group's
// title on its frame's top line), and a drop-down list that shows what of
// its item fits, ending in an ellipsis, where the whole item does not fit
// (its list shows the item whole).
#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QProxyStyle>
#include <QRegion>
#include <QStringList>
#include <QStyleFactory>
#include <QStyleOption>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <qdrawutil.h>

#include "platform/qt/FormWidgets.h"

namespace {

// A sample of what the captions hold, and its width in an Arial-metric face
// at 100 pixels (unhinted advances).
const char* const kSample = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 _:.()-+/";
constexpr double kArialMetricSampleWidth = 3914.8;

struct TFace {
    QString Family;
    int Stretch = 100;  // percent of the face's own width
};

// The first of the families installed; empty when none is.
QString FirstInstalled(std::initializer_list<const char*> families)
{
    const QStringList installed = QFontDatabase::families();
    for (const char* family : families)
        if (installed.contains(QString::fromLatin1(family), Qt::CaseInsensitive)) return QString::fromLatin1(family);
    return {};
}

TFace ChooseFace()
{
    if (QString family = FirstInstalled({"Liberation Sans", "Arimo", "Arial"}); !family.isEmpty()) return {family};
    TFace face{FirstInstalled({"DejaVu Sans", "Noto Sans", "FreeSans", "Open Sans", "Cantarell"})};
    if (face.Family.isEmpty()) face.Family = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    QFont font(face.Family);
    font.setPixelSize(100);
    font.setHintingPreference(QFont::PreferNoHinting);
    const double width = QFontMetricsF(font).horizontalAdvance(QString::fromLatin1(kSample));
    // 97 rather than 100: the sample is an average, and a caption heavy in
    // capitals (where these faces are widest against Arial's) must fit too.
    if (width > kArialMetricSampleWidth)
        face.Stretch = std::max(50, static_cast<int>(std::floor(97 * kArialMetricSampleWidth / width)));
    return face;
}

class FormStyle : public QProxyStyle {
public:
    FormStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight: return 13;
        case PM_CheckBoxLabelSpacing: return 4;
        default: return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }

    // A group box's title lies on its frame's top line, 8 pixels in, as in
    // the layouts' system: the controls below the title sit inside the frame.
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override
    {
        if (control == CC_GroupBox) {
            const int titleHeight = option->fontMetrics.height();
            const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
            switch (part) {
            case SC_GroupBoxLabel:
                if (!box || box->text.isEmpty()) return {};
                return visualRect(option->direction, option->rect,
                                  QRect(option->rect.left() + 8, option->rect.top(),
                                        option->fontMetrics.horizontalAdvance(box->text) + 4, titleHeight));
            case SC_GroupBoxFrame: return option->rect.adjusted(0, titleHeight / 2, 0, 0);
            case SC_GroupBoxContents: return option->rect.adjusted(2, titleHeight + 1, -2, -2);
            default: break;
            }
        }
        return QProxyStyle::subControlRect(control, option, part, widget);
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override
    {
        const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (control != CC_GroupBox || !box) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        const QRect title = subControlRect(CC_GroupBox, box, SC_GroupBoxLabel, widget);
        // An etched line round the frame, broken where the title lies.
        painter->save();
        QRegion outside(box->rect);
        if (!title.isEmpty()) outside -= title;
        painter->setClipRegion(outside);
        qDrawShadeRect(painter, subControlRect(CC_GroupBox, box, SC_GroupBoxFrame, widget), box->palette, true, 1, 0);
        painter->restore();
        if (!title.isEmpty())
            proxy()->drawItemText(painter, title, Qt::AlignCenter | Qt::TextShowMnemonic, box->palette,
                                  box->state & State_Enabled, box->text, QPalette::WindowText);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        if (element == CE_ComboBoxLabel) {
            if (const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option)) {
                QStyleOptionComboBox shown(*combo);
                const QRect field = subControlRect(CC_ComboBox, combo, SC_ComboBoxEditField, widget);
                shown.currentText = combo->fontMetrics.elidedText(combo->currentText, Qt::ElideRight, field.width() - 2);
                QProxyStyle::drawControl(element, &shown, painter, widget);
                return;
            }
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

}  // namespace

void UseFormStyle()
{
    if (dynamic_cast<FormStyle*>(QApplication::style())) return;
    QApplication::setStyle(new FormStyle);
    // Message boxes and dialogs in the forms' face, at the main form's size.
    QApplication::setFont(PlatformFont(13));
}

QFont PlatformFont(int pixels)
{
    static const TFace face = ChooseFace();
    QFont font(face.Family);
    if (face.Stretch != 100) font.setStretch(face.Stretch);
    font.setPixelSize(pixels);
    return font;
}
