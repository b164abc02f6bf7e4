#include "ui/common/form_layout.h"

#include "plot/twips.h"
#include "ui/common/translatable.h"

#include <QFontMetrics>
#include <QLabel>
#include <QSlider>
#include <QVariant>

#include <algorithm>

namespace kestrova {

namespace {

// Dynamic property of a label made by AddLabel: its LabelSizing.
constexpr char kSizingKey[] = "kestrova.sizing";

/// The widget's font, condensed just enough for `fits(font)` to hold.
template <typename Fits>
void CondenseUntil(QWidget* widget, Fits fits)
{
    constexpr int kMostCondensed = 70; // percent: still easy to read
    QFont font = widget->font();
    // Hinting rounds the advances, so the stretch is found by trying.
    for (int stretch = 100; !fits(font) && stretch > kMostCondensed; --stretch)
        font.setStretch(stretch - 1);
    if (font.stretch() != widget->font().stretch())
        widget->setFont(font);
}

} // namespace

QRect TwipsRect(const TwipsBox& box)
{
    return {TwipsToPixels(box.left), TwipsToPixels(box.top), TwipsToPixels(box.width),
            TwipsToPixels(box.height)};
}

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, const TwipsBox& box,
                 LabelSizing sizing, double pointSize)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(TwipsRect(box));
    if (pointSize > 0) {
        QFont font = label->font();
        font.setPointSizeF(pointSize);
        label->setFont(font);
    }
    label->setProperty(kSizingKey, static_cast<int>(sizing));
    if (sizing == LabelSizing::WordWrap)
        label->setWordWrap(true);
    FitLabel(label);
    return label;
}

QLabel* AddLabel(QWidget* parent, const char* name, const char* source, const TwipsBox& box,
                 LabelSizing sizing, double pointSize)
{
    QLabel* label = AddLabel(parent, name, TranslateFor(*parent, source), box, sizing, pointSize);
    SetTranslatable(label, "text", source);
    return label;
}

void FitLabel(QLabel* label)
{
    const QVariant sizing = label->property(kSizingKey);
    if (!sizing.isValid())
        return;
    if (sizing.toInt() == static_cast<int>(LabelSizing::AutoSize)) {
        label->adjustSize();
        return;
    }
    // Condensed afresh from the full width: a shorter text gets its room back.
    QFont font = label->font();
    if (font.stretch() != QFont::AnyStretch) {
        font.setStretch(QFont::AnyStretch);
        label->setFont(font);
    }
    if (sizing.toInt() == static_cast<int>(LabelSizing::Fixed))
        CondenseToFit(label, {label->text()}, label->width());
    else
        CondenseToWrap(label);
}

QSlider* AddSlider(QWidget* parent, const char* name, const TwipsBox& box, int minimum, int maximum,
                   int tickInterval)
{
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(QLatin1String(name));
    slider->setGeometry(TwipsRect(box));
    slider->setRange(minimum, maximum);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(tickInterval);
    slider->setSingleStep(1);
    slider->setPageStep(5);
    return slider;
}

void CondenseToFit(QWidget* widget, const QStringList& texts, int room)
{
    CondenseUntil(widget, [&](const QFont& font) {
        const QFontMetrics metrics(font);
        return std::all_of(texts.begin(), texts.end(),
                           [&](const QString& t) { return metrics.horizontalAdvance(t) <= room; });
    });
}

void CondenseToWrap(QLabel* label)
{
    const QRect box(QPoint(0, 0), label->size());
    CondenseUntil(label, [&](const QFont& font) {
        const QRect needed =
            QFontMetrics(font).boundingRect(box, Qt::TextWordWrap | Qt::AlignLeft, label->text());
        return needed.width() <= box.width() && needed.height() <= box.height();
    });
}

void SetCaption(QLabel* label, const QString& text, bool autoSize)
{
    if (label->text() == text)
        return;
    label->setText(text);
    if (autoSize)
        label->adjustSize();
}

} // namespace kestrova
