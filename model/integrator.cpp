#include "model/integrator.h"

#include "model/pendulum_state.h"
#include "model/plot_scales.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kestrova {

namespace {

/// The largest double below the true π. Every double of magnitude up to it
/// lies strictly inside (−π, π); the next double up is already above π.
constexpr double kPiBelow = std::numbers::pi;
constexpr double kTwoPi = 2 * std::numbers::pi;

/// One RK4 step with the step-invariant products already formed. The values
/// are those of RungeKuttaStep bit for bit: minusTwoLambda = −2·λ and
/// hPulsation2 = h·ω₀² are exactly the left-to-right partial products of the
/// full expressions.
inline Motion Step(double angle, double speed, double minusTwoLambda, double hPulsation2, double h)
{
    // The increments are carried already multiplied by h; each ω-increment
    // reuses the matching θ-increment for its velocity term.
    const double k1Teta = h * speed;
    const double k1Omega = minusTwoLambda * k1Teta - hPulsation2 * std::sin(angle);
    const double k2Teta = k1Teta + h * (k1Omega / 2);
    const double k2Omega = minusTwoLambda * k2Teta - hPulsation2 * std::sin(angle + k1Teta / 2);
    const double k3Teta = k1Teta + h * (k2Omega / 2);
    const double k3Omega = minusTwoLambda * k3Teta - hPulsation2 * std::sin(angle + k2Teta / 2);
    const double k4Teta = k1Teta + h * k3Omega;
    const double k4Omega = minusTwoLambda * k4Teta - hPulsation2 * std::sin(angle + k3Teta);

    const double newSpeed = speed + ((k3Omega + k2Omega) * 2 + k1Omega + k4Omega) / 6;
    const double teta1 = angle + ((k3Teta + k2Teta) * 2 + k1Teta + k4Teta) / 6;
    return {WrapAngle(teta1), newSpeed};
}

} // namespace

double WrapAngle(double teta1)
{
    // The usual case costs one comparison and returns the angle untouched.
    if (std::abs(teta1) <= kPiBelow)
        return teta1;
    // Exact remainder: teta1 − n·kTwoPi with n the nearest integer, so the
    // result lies in [−kPiBelow, kPiBelow]. The only error is n times the
    // rounding of 2π (2.4e-16 per turn).
    return std::remainder(teta1, kTwoPi);
}

Motion RungeKuttaStep(double angle, double speed, double Pulsation2, double Lambda, double h)
{
    return Step(angle, speed, -2 * Lambda, h * Pulsation2, h);
}

LinearSolutionResult LinearSolution(double Teta0, double Omega0, double Pulsation2, double Lambda,
                                    double t)
{
    LinearSolutionResult result;
    result.regime = RegimeOf(Pulsation2, Lambda);
    const double B = Omega0 + Lambda * Teta0;
    const double E = std::exp(-Lambda * t);

    switch (result.regime) {
    case Regime::Critical:
        result.motion.angle = (Teta0 + B * t) * E;
        result.motion.speed = (Omega0 - Lambda * B * t) * E;
        break;

    case Regime::Aperiodic: {
        const double r = std::sqrt(Lambda * Lambda - Pulsation2);
        // E·cosh(rt) and E·sinh(rt) from the two decaying exponentials
        // e^{−(λ−r)t} and e^{−(λ+r)t}: the textbook product overflows to
        // inf·0 = NaN once r·t passes about 709 (a few minutes of animation
        // at strong damping), these never do. λ − r is taken as ω₀²/(λ + r)
        // to keep its precision when r is close to λ.
        const double slow = std::exp(-(Pulsation2 / (Lambda + r)) * t);
        const double fast = std::exp(-(Lambda + r) * t);
        const double Ech = (slow + fast) / 2;
        const double Esh = (slow - fast) / 2;
        result.motion.angle = Teta0 * Ech + (B / r) * Esh;
        result.motion.speed = Omega0 * Ech - ((Pulsation2 * Teta0 + Lambda * Omega0) / r) * Esh;
        break;
    }

    case Regime::PseudoPeriodic: {
        const double Omega = std::sqrt(Pulsation2 - Lambda * Lambda);
        result.pseudoPeriod = 2 * PI / Omega;
        const double A = std::sqrt(Teta0 * Teta0 + (B / Omega) * (B / Omega));
        double phi;
        if (Teta0 == 0) {
            const double sign = (Omega0 > 0) - (Omega0 < 0);
            phi = -sign * PI / 2;
        } else {
            // The one-argument arc tangent is enough: Teta0 is never negative.
            phi = std::atan((-B / Omega) / Teta0);
        }
        const double c = std::cos(Omega * t + phi);
        const double s = std::sin(Omega * t + phi);
        result.motion.angle = E * A * c;
        result.motion.speed = -A * E * (Lambda * c + Omega * s);
        break;
    }
    }

    result.DureeTrace = PlotTimeSpan(result.regime, result.pseudoPeriod);
    return result;
}

AmplitudeScan ScanAmplitudes(double Teta0, double Omega0, double Pulsation2, double Lambda,
                             double DureeTrace)
{
    constexpr double h = 0.01; // s
    const double minusTwoLambda = -2 * Lambda;
    const double hPulsation2 = h * Pulsation2;

    Motion state{Teta0, Omega0};
    double maxAngle = 0;
    double maxSpeed = 0;
    int passes = 0;
    // The counter is accumulated, not computed as n·h: its rounding decides
    // the last pass (1,001 passes for a 10 s span). Only the states after a
    // step are compared, never the initial one.
    const double bound = DureeTrace;
    for (double t = 0; t <= bound; t += h) {
        state = Step(state.angle, state.speed, minusTwoLambda, hPulsation2, h);
        maxAngle = std::max(maxAngle, std::abs(state.angle));
        maxSpeed = std::max(maxSpeed, std::abs(state.speed));
        ++passes;
    }

    AmplitudeScan scan;
    scan.angleScale = RoundUpAngleScale(maxAngle / DegToRad) * DegToRad;
    scan.maxSpeed = maxSpeed;
    scan.passes = passes;
    return scan;
}

} // namespace kestrova
