#include "ui/accessibility/accessible_controls.h"

#include "plot/qt_picture_box.h"
#include "ui/accessibility/link_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>
#include <QSlider>

#include <algorithm>
#include <cmath>
#include <utility>

namespace kestrova {

namespace {

/// The slider's tie to its value caption, a child of the slider.
class SliderTie : public QObject {
public:
    SliderTie(QSlider& slider, QLabel& caption, int stepsPerUnit)
        : QObject(&slider)
        , caption(&caption)
        , stepsPerUnit(stepsPerUnit)
    { }

    QPointer<QLabel> caption;
    int stepsPerUnit;
};

template <typename Tie>
Tie* TieOf(const QObject& object)
{
    for (QObject* child : object.children()) {
        if (auto* tie = dynamic_cast<Tie*>(child))
            return tie;
    }
    return nullptr;
}

/// A picture box: a graphic, whose drawing has no parts of its own to visit
/// (the Foucault string is a widget over the box, but part of the picture).
class PictureAccessible : public QAccessibleWidget {
public:
    explicit PictureAccessible(QWidget* box)
        : QAccessibleWidget(box, QAccessible::Graphic)
    { }

    int childCount() const override { return 0; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
};

/// A slider read in its quantity's unit, its value text the caption's.
class SliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SliderAccessible(QSlider* slider)
        : QAccessibleWidget(slider, QAccessible::Slider)
    { }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Value) {
            const SliderTie* tie = TieOf<SliderTie>(*slider());
            if (tie != nullptr && tie->caption)
                return tie->caption->text();
            return QString::number(slider()->value());
        }
        return QAccessibleWidget::text(type);
    }

    QVariant currentValue() const override { return SliderQuantity(*slider()); }
    QVariant maximumValue() const override { return InUnits(slider()->maximum()); }
    QVariant minimumValue() const override { return InUnits(slider()->minimum()); }
    QVariant minimumStepSize() const override { return InUnits(slider()->singleStep()); }

    void setCurrentValue(const QVariant& value) override
    {
        const double steps = value.toDouble() * StepsPerUnit();
        if (!std::isfinite(steps))
            return;
        // Through the slider position, as a drag goes: with tracking the
        // position change triggers the move action and the value follows;
        // without, the move action applies it.
        QSlider* s = slider();
        const double bounded =
            std::clamp(std::round(steps), double(s->minimum()), double(s->maximum()));
        s->setSliderPosition(static_cast<int>(bounded));
        if (s->sliderPosition() != s->value())
            s->triggerAction(QAbstractSlider::SliderMove);
    }

    QStringList actionNames() const override
    {
        return QStringList{increaseAction(), decreaseAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override
    {
        if (name == increaseAction())
            slider()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        else if (name == decreaseAction())
            slider()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        else
            QAccessibleWidget::doAction(name);
    }

private:
    [[nodiscard]] QSlider* slider() const { return static_cast<QSlider*>(widget()); }
    [[nodiscard]] int StepsPerUnit() const
    {
        const SliderTie* tie = TieOf<SliderTie>(*slider());
        return tie != nullptr ? tie->stepsPerUnit : 1;
    }
    [[nodiscard]] double InUnits(int steps) const { return double(steps) / StepsPerUnit(); }
};

/// A label that is a link: its text is its name, pressing it follows it.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(QLabel* label)
        : QAccessibleWidget(label, QAccessible::Link)
    { }

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        return s;
    }

    // The focus frame is drawing, not content.
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override
    {
        if (name != pressAction()) {
            QAccessibleWidget::doAction(name);
            return;
        }
        static_cast<LinkLabel*>(widget())->Follow();
    }
};

QAccessibleInterface* CreateInterface(const QString& className, QObject* object)
{
    if (object == nullptr || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String(PictureBox::staticMetaObject.className()))
        return new PictureAccessible(static_cast<QWidget*>(object));
    if (className == QLatin1String("QSlider") && TieOf<SliderTie>(*object) != nullptr)
        return new SliderAccessible(static_cast<QSlider*>(object));
    if (auto* link = qobject_cast<LinkLabel*>(object))
        return new LinkAccessible(link);
    return nullptr;
}

/// An interface Qt made before the tie (an accessibility event while the
/// control was being built) would keep the default reading: drop it, the
/// next query makes ours.
template <typename Own>
void UseOwnInterface(QObject& object)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&object);
    if (iface != nullptr && dynamic_cast<Own*>(iface) == nullptr)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}

} // namespace

QString WithoutMnemonic(const QString& caption)
{
    QString text;
    text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i; // the marked letter, or the second '&' of "&&"
        text += caption[i];
    }
    return text;
}

void InstallAccessibleControls()
{
    // Factories installed later are asked first: ours comes before Qt's own.
    static const bool installed = [] {
        QAccessible::installFactory(&CreateInterface);
        return true;
    }();
    (void)installed;
}

void TieSliderToCaption(QSlider& slider, QLabel& caption, int stepsPerUnit)
{
    InstallAccessibleControls();
    const int steps = stepsPerUnit > 0 ? stepsPerUnit : 1;
    if (SliderTie* tie = TieOf<SliderTie>(slider)) {
        tie->caption = &caption;
        tie->stepsPerUnit = steps;
    } else {
        new SliderTie(slider, caption, steps);
    }
    caption.setBuddy(&slider);
    UseOwnInterface<SliderAccessible>(slider);
}

double SliderQuantity(const QSlider& slider)
{
    const SliderTie* tie = TieOf<SliderTie>(slider);
    return tie != nullptr ? double(slider.value()) / tie->stepsPerUnit : double(slider.value());
}

} // namespace kestrova
