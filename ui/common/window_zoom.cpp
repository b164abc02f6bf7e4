#include "ui/common/window_zoom.h"

#include "plot/qt_picture_box.h"
#include "ui/common/form_layout.h"

#include <QCheckBox>
#include <QLabel>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace kestrova {

namespace {

// Dynamic properties: what a widget was built with, and the window's zoom.
constexpr char kBuiltRectKey[] = "kestrova.builtRect";
constexpr char kBuiltPointsKey[] = "kestrova.builtPoints";
constexpr char kZoomKey[] = "kestrova.zoom";

int Scaled(int pixels, double zoom)
{
    return static_cast<int>(std::lround(pixels * zoom));
}

/// Edges are scaled rather than sizes, so that controls that touched at
/// zoom 1 still touch and never overlap.
QRect ScaledRect(const QRect& r, double zoom)
{
    const int left = Scaled(r.left(), zoom);
    const int top = Scaled(r.top(), zoom);
    return {left, top, Scaled(r.left() + r.width(), zoom) - left,
            Scaled(r.top() + r.height(), zoom) - top};
}

template <typename T>
T Remembered(QWidget& widget, const char* key, const T& now)
{
    const QVariant built = widget.property(key);
    if (built.isValid())
        return built.value<T>();
    widget.setProperty(key, QVariant::fromValue(now));
    return now;
}

/// Every widget gets its own size, inherited or not: a font set later by
/// the window (a label condensed to fit) then scales from the right size.
void ZoomFont(QWidget& widget, double zoom)
{
    const double points = Remembered(widget, kBuiltPointsKey, widget.font().pointSizeF());
    if (points <= 0)
        return;
    QFont font = widget.font();
    font.setPointSizeF(points * zoom);
    widget.setFont(font);
}

/// Fonts do not scale quite evenly: a check box whose text no longer fits
/// its box at this zoom is condensed a little. At 1, as built.
void FitCheckBox(QCheckBox& box, double zoom)
{
    QFont font = box.font();
    if (font.stretch() != QFont::AnyStretch) {
        font.setStretch(QFont::AnyStretch);
        box.setFont(font);
    }
    if (zoom == 1.0)
        return;
    const QString text =
        QString(box.text()).remove(QLatin1Char('&')); // the mnemonic sign is not drawn
    const int frame = box.sizeHint().width() - box.fontMetrics().horizontalAdvance(text);
    CondenseToFit(&box, {text}, box.width() - frame);
}

} // namespace

void ZoomWindow(QWidget& window, double zoom)
{
    if (!(zoom > 0) || zoom == WindowZoom(window))
        return;
    QList<QWidget*> children = window.findChildren<QWidget*>();
    children.removeIf([](const QWidget* child) { return child->isWindow(); });
    // All remembered before anything changes: an inherited font is read
    // before its parent's grows.
    const QSize built = Remembered(window, kBuiltRectKey, window.rect()).size();
    Remembered(window, kBuiltPointsKey, window.font().pointSizeF());
    for (QWidget* child : children) {
        Remembered(*child, kBuiltRectKey, child->geometry());
        Remembered(*child, kBuiltPointsKey, child->font().pointSizeF());
    }
    window.setProperty(kZoomKey, zoom);
    ZoomFont(window, zoom);
    for (QWidget* child : children) {
        ZoomFont(*child, zoom);
        const QRect rect = Remembered(*child, kBuiltRectKey, child->geometry());
        if (auto* box = qobject_cast<PictureBox*>(child))
            box->SetZoom(zoom);
        const QRect zoomed = ScaledRect(rect, zoom);
        // A control of fixed size (a value sized for its font) keeps it fixed.
        if (child->minimumSize() == child->maximumSize())
            child->setFixedSize(zoomed.size());
        child->setGeometry(zoomed);
    }
    // The fonts are all set: labels fit their texts in their new boxes.
    for (QWidget* child : children) {
        if (auto* label = qobject_cast<QLabel*>(child))
            FitLabel(label);
        if (auto* box = qobject_cast<QCheckBox*>(child))
            FitCheckBox(*box, zoom);
    }
    window.setFixedSize(Scaled(built.width(), zoom), Scaled(built.height(), zoom));
}

double WindowZoom(const QWidget& window)
{
    const QVariant zoom = window.property(kZoomKey);
    return zoom.isValid() ? zoom.toDouble() : 1.0;
}

QSize BuiltSize(const QWidget& window)
{
    const QVariant built = window.property(kBuiltRectKey);
    return built.isValid() ? built.toRect().size() : window.size();
}

double FittingZoom(QSize built, QSize room)
{
    if (built.isEmpty())
        return 1.0;
    // Down to the hundredth, so that rounding never makes it a pixel too big.
    const double fit =
        std::min(double(room.width()) / built.width(), double(room.height()) / built.height());
    return std::clamp(std::floor(fit * 100) / 100, kSmallestZoom, kLargestZoom);
}

double NextZoomStep(double zoom, int steps)
{
    constexpr double kSame = 1e-6;
    if (steps > 0) {
        const auto above = std::find_if(kZoomSteps.begin(), kZoomSteps.end(),
                                        [&](double step) { return step > zoom + kSame; });
        return above != kZoomSteps.end() ? *above : kZoomSteps.back();
    }
    const auto below = std::find_if(kZoomSteps.rbegin(), kZoomSteps.rend(),
                                    [&](double step) { return step < zoom - kSame; });
    return below != kZoomSteps.rend() ? *below : kZoomSteps.front();
}

void ShowInHighContrast(QWidget& window, bool high)
{
    if (high) {
        QPalette blackOnWhite = window.palette();
        for (QPalette::ColorRole role :
             {QPalette::Window, QPalette::Base, QPalette::ToolTipBase, QPalette::Button})
            blackOnWhite.setColor(role, Qt::white);
        for (QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::Text, QPalette::ToolTipText, QPalette::ButtonText})
            blackOnWhite.setColor(role, Qt::black);
        window.setPalette(blackOnWhite);
    } else {
        window.setPalette(QPalette());
    }
    // The window paints its own white background rather than the sub-window's.
    window.setAutoFillBackground(high);
    for (PictureBox* box : window.findChildren<PictureBox*>())
        box->SetHighContrast(high);
}

} // namespace kestrova
