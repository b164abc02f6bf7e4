#pragma once

/// \file
/// The frame's status line in slow motion: the slowed speed and the
/// simulated time of the open simulation, at the right end of the menu bar,
/// inside the frame where a projector or a full-screen window still shows
/// them (the title bar may not). Hidden at normal speed: the frame then
/// looks as it always does.

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QLabel;
class QMainWindow;
class QTimer;

namespace kestrova {

class SpeedStatus : public QObject {
    Q_OBJECT

public:
    /// Gives the simulated time (s) of the open simulation, if any.
    using SimulatedTime = std::function<std::optional<double>()>;

    SpeedStatus(QMainWindow& frame, SimulatedTime simulatedTime);

    /// `slowMotion` names the slowed speed ("Ralenti ×1/4"); empty at normal
    /// speed, which hides the line.
    void Show(const QString& slowMotion);

    /// Writes the line again with the simulated time as it is now; the
    /// line's own timer does it a few times a second while it shows.
    void Refresh();

    [[nodiscard]] bool Shown() const { return !slowMotion_.isEmpty(); }
    [[nodiscard]] QString Text() const;

private:
    [[nodiscard]] static QString Line(const QString& slowMotion, const QString& seconds);

    QMainWindow& frame_;
    SimulatedTime simulatedTime_;
    QString slowMotion_;
    QLabel* line_ = nullptr;
    QTimer* refresh_ = nullptr;
};

} // namespace kestrova
