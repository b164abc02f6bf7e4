#pragma once

/// \file
/// State of the damped heavy pendulum
/// \f[ \theta'' + 2\lambda\theta' + \omega_0^2 \sin\theta = 0 \f]
/// and the constants shared by the whole model. Angles in radians, angular
/// speeds in rad/s, times in seconds.

namespace kestrova {

/// The fifteen-digit value of pi the program has always used (7 ulp below
/// the double nearest to pi); kept so every derived number stays the same.
inline constexpr double PI = 3.14159265358979;
/// PI / 180 computed in double precision.
inline constexpr double DegToRad = 0.017453292519943278;

/// The model state record of the damped pendulum, all values start at 0.
struct PenduleState {
    double Teta0 = 0;       ///< initial angle (rad)
    double Omega0 = 0;      ///< initial angular speed (rad/s)
    double Pulsation2 = 0;  ///< square of the natural pulsation (rad²/s²)
    double Lambda = 0;      ///< damping coefficient (1/s)
    double Teta = 0;        ///< current angle of the integrated motion (rad)
    double Omega = 0;       ///< current angular speed of the integrated motion (rad/s)
    double TetaApprox = 0;  ///< small-angle solution's angle at the previous tick (rad)
    double OmegaApprox = 0; ///< small-angle solution's speed at the previous tick (rad/s)
    double Temps = 0;       ///< seconds since the last start or resume
    double TempsPrec = 0;   ///< Temps at the previous tick (s)
    double TempsCumul = 0;  ///< animation seconds accumulated before the last start or resume
    double TetaMax = 0;     ///< half-height of the angle axis of the oscillation plots (rad)
    double OmegaMax = 0;    ///< largest |angular speed| over the plotted span (rad/s)
    double DureeTrace = 0;  ///< time span of the oscillation plots (s)
};

} // namespace kestrova
