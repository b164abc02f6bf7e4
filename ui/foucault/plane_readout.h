#pragma once

/// \file
/// What the Foucault window says about the turning of the swing plane: the
/// simulated time since the start, how far the plane has turned, the rate
/// the law gives (Ω·sin φ) with the time for a full turn, and the rate
/// measured from the bob's positions.

#include <QGroupBox>
#include <QLocale>
#include <QString>

#include <optional>

class QLabel;

namespace kestrova {

namespace foucault {

/// "2 h 05 min": whole hours and minutes of simulated time.
[[nodiscard]] QString SimulatedClockText(double seconds, const QLocale& locale);
/// An angle or a rate with its direction seen from above, `clockwise` in
/// the unit given, e.g. "113,3°, sens horaire" or "8,38 °/h, sens
/// antihoraire"; no direction when it shows as 0.
[[nodiscard]] QString TurningText(double clockwise, int decimals, const QString& unit,
                                  const QLocale& locale);

} // namespace foucault

class PlaneReadout : public QGroupBox {
    Q_OBJECT

public:
    explicit PlaneReadout(QWidget* parent = nullptr);

    /// Shows the state at `simulatedSeconds` for the rate ω = Ω·sin φ
    /// (rad/s, clockwise positive) and the measured rate, if any.
    void Show(double simulatedSeconds, double omegaTerre, std::optional<double> measuredRate);

    /// What the readout shows, one "title value" per line, for a printout.
    [[nodiscard]] QStringList Lines() const;

private:
    /// "31,78 h", or "jamais" where the plane never turns.
    [[nodiscard]] static QString FullTurnText(std::optional<double> hours, const QLocale& locale);

    QLabel* lblTempsSimule_ = nullptr;
    QLabel* lblAngleTourne_ = nullptr;
    QLabel* lblVitesseLoi_ = nullptr;
    QLabel* lblTourComplet_ = nullptr;
    QLabel* lblVitesseMesuree_ = nullptr;
};

} // namespace kestrova
