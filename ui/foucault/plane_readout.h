#pragma once

/// \file
/// What the Foucault window says about the turning of the swing plane: the
/// simulated time since the start, the swing's period, how far the plane
/// has turned, the rate the law gives (Ω·sin φ) with the time for a full
/// turn, and the rate measured from the bob's positions.

#include "model/swing_plane_meter.h"

#include <QGroupBox>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

class QLabel;

namespace kestrova {

class FoucaultRun;

namespace foucault {

/// "2 h 05 min 07 s": whole hours, minutes and seconds of simulated time.
[[nodiscard]] QString SimulatedClockText(double seconds, const QLocale& locale);
/// An angle or a rate with its direction seen from above, `clockwise` in
/// the unit given, e.g. "113,3°, sens horaire" or "8,38 °/h, sens
/// antihoraire"; no direction when it shows as 0.
[[nodiscard]] QString TurningText(double clockwise, int decimals, const QString& unit,
                                  const QLocale& locale);
/// The measured rate in degrees per hour with its uncertainty, "975,9 ± 0,3
/// °/h, sens horaire": the uncertainty to one significant digit (at most
/// one decimal), rounded up, and the rate to the same decimal; "pas encore
/// mesurable" before the meter has a meaningful rate.
[[nodiscard]] QString MeasuredRateText(const std::optional<PlaneRate>& rate, const QLocale& locale);

} // namespace foucault

class PlaneReadout : public QGroupBox {
    Q_OBJECT

public:
    explicit PlaneReadout(QWidget* parent = nullptr);

    /// Shows the state of `run`; without the swing's period while the
    /// length typed is refused.
    void Show(const FoucaultRun& run, bool lengthAccepted);
    /// Shows no value at all, while the place typed is refused.
    void ShowNothing();

    /// Each line as the window shows it, "title value", for a printout.
    [[nodiscard]] QStringList Lines() const;

private:
    /// "31,78 h", or "jamais" where the plane never turns.
    [[nodiscard]] static QString FullTurnText(std::optional<double> hours, const QLocale& locale);

    QLabel* lblTempsSimule_ = nullptr;
    QLabel* lblPeriode_ = nullptr;
    QLabel* lblAngleTourne_ = nullptr;
    QLabel* lblVitesseLoi_ = nullptr;
    QLabel* lblTourComplet_ = nullptr;
    QLabel* lblVitesseMesuree_ = nullptr;
    /// Title and value of each line, in the order shown.
    QList<std::pair<QLabel*, QLabel*>> lines_;
};

} // namespace kestrova
