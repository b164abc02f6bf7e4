#pragma once

// Shared by the accessibility and keyboard tests: the simulation windows on
// a fake clock, and the number a value caption shows.

#include "clock/high_resolution_clock.h"

#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
#include <QWidget>

#include <memory>
#include <optional>

namespace kestrova::testing {

/// A window of type `Window` on a fake clock, shown.
template <typename Window>
struct ShownWindow {
    ShownWindow()
    {
        clock.ReadFrequency();
        window = std::make_unique<Window>(clock);
        window->show();
    }

    template <typename T = QWidget>
    T* Child(const char* name) const
    {
        T* child = window->template findChild<T*>(QLatin1String(name));
        if (child == nullptr)
            qFatal("no control %s", name);
        return child;
    }

    FakeCounterSource source{1'000'000'000};
    HighResolutionClock clock{source};
    std::unique_ptr<Window> window;
};

/// The number at the start of a value caption in the user's locale
/// ("4,0 rad/s" gives 4.0 in French, "-3 rad/s" gives -3); none for a text
/// without one.
inline std::optional<double> CaptionNumber(const QString& caption)
{
    const QLocale locale;
    static const QRegularExpression kLeadingNumber(QStringLiteral("^-?\\d+(?:[.,]\\d+)?"));
    const QRegularExpressionMatch match = kLeadingNumber.match(caption);
    if (!match.hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = locale.toDouble(match.captured(), &ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

} // namespace kestrova::testing
