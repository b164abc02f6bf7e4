#pragma once

// Shared by the window tests: a named control of a window, a simulation
// window on a fake clock, the damped window's sliders, and the number a
// caption shows.

#include "clock/high_resolution_clock.h"
#include "ui/damped/frm_pendule_amorti.h"
#include "ui/foucault/frm_foucault.h"

#include <QLocale>

#include <memory>
#include <utility>

namespace kestrova::testing {

/// The control called `name` below `parent`; the test stops when there is none.
template <typename T = QWidget>
T* ChildOf(const QObject* parent, const QString& name)
{
    T* child = parent->findChild<T*>(name);
    if (child == nullptr)
        qFatal("no control %s", qPrintable(name));
    return child;
}

/// The damped window ("damped") or the Foucault window ("Foucault") on a
/// fake clock, shown.
struct TestWindow {
    explicit TestWindow(const QString& which = QStringLiteral("damped"))
    {
        clock.ReadFrequency();
        if (which == QLatin1String("Foucault"))
            window = std::make_unique<frmFoucault>(clock);
        else
            window = std::make_unique<frmPenduleAmorti>(clock);
        window->show();
    }

    template <typename T = QWidget>
    T* Child(const QString& name) const
    {
        return ChildOf<T>(window.get(), name);
    }

    [[nodiscard]] frmPenduleAmorti* Damped() const
    {
        return qobject_cast<frmPenduleAmorti*>(window.get());
    }
    [[nodiscard]] frmFoucault* Foucault() const { return qobject_cast<frmFoucault*>(window.get()); }

    FakeCounterSource source{1'000'000'000};
    HighResolutionClock clock{source};
    std::unique_ptr<QWidget> window;
};

/// The damped window's sliders, each with the caption showing its value.
inline constexpr std::pair<const char*, const char*> kSliders[] = {
    {"sldTeta0", "lblteta0"},
    {"sldOmega0", "lblOmega0"},
    {"sldPulsation", "lblPulsation"},
    {"sldLambda", "lblLambda"},
};

} // namespace kestrova::testing
