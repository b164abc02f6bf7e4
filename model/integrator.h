#pragma once

/// \file
/// Motion of the damped pendulum: one fourth-order Runge–Kutta step of the
/// exact equation, the closed-form small-angle solution, and the amplitude
/// scan that sizes the plots.

#include "model/parameters.h"

#include <optional>

namespace kestrova {

/// An angle (rad) and an angular speed (rad/s).
struct Motion {
    double angle = 0;
    double speed = 0;
};

/// One classical RK4 step of θ'' = −2λθ' − ω₀² sin θ over h seconds. The new
/// angle is brought back into (−π, π]; an angle already inside comes back
/// unchanged.
[[nodiscard]] Motion RungeKuttaStep(double angle, double speed, double Pulsation2, double Lambda,
                                    double h);

/// The angle equal to teta1 modulo 2π that lies in (−π, π); teta1 itself,
/// bit for bit, when it already lies there (0 and ±PI included).
[[nodiscard]] double WrapAngle(double teta1);

/// The small-angle solution (sin θ replaced by θ) at time t ≥ 0, with what the
/// window shows about it.
struct LinearSolutionResult {
    Motion motion;
    Regime regime = Regime::PseudoPeriodic;
    std::optional<double> pseudoPeriod; ///< s, pseudo-periodic only
    double DureeTrace = 10;             ///< plot time span (s)
};

[[nodiscard]] LinearSolutionResult LinearSolution(double Teta0, double Omega0, double Pulsation2,
                                                  double Lambda, double t);

/// Plot scales found by integrating the exact motion over the plot span.
struct AmplitudeScan {
    double angleScale = 0; ///< rad: the largest |angle| rounded up to a round number of degrees
    double maxSpeed = 0;   ///< rad/s: the largest |angular speed|, unrounded
    int passes = 0;        ///< Runge–Kutta steps taken (1,001 for a 10 s span)
};

/// Integrates with 0.01 s steps while a repeatedly added time counter stays at
/// or below DureeTrace.
[[nodiscard]] AmplitudeScan ScanAmplitudes(double Teta0, double Omega0, double Pulsation2,
                                           double Lambda, double DureeTrace);

} // namespace kestrova
