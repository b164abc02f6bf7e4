#pragma once

/// \file
/// The driven pendulum's motion, integrated in whole driving periods: a
/// fixed number of fourth-order Runge–Kutta steps per period, so that the
/// state at the start of each period (the Poincaré section) falls exactly
/// on a step, and the drive at every stage comes from a table.

#include "model/driven_parameters.h"
#include "model/integrator.h"

#include <cstdint>
#include <vector>

namespace kestrova {

/// Steps per driving period for `setup`: at least 64, and enough that
/// neither ω₀·h, 2λ·h nor Ω·h exceeds 0.025 rad. Halving the step then
/// moves the Poincaré points of the periodic presets by less than 1e-7.
[[nodiscard]] int StepsPerPeriod(const DrivenSetup& setup);

class DrivenMotion {
public:
    /// At t = 0, at the setup's initial conditions; `stepsPerPeriod` 0 takes
    /// StepsPerPeriod(setup).
    explicit DrivenMotion(const DrivenSetup& setup, int stepsPerPeriod = 0);

    void Step();
    /// The state `seconds` from now (at most a step), by one Runge–Kutta
    /// step of that length with the drive taken at its own instants: the
    /// motion between two steps, where the grid of a recording falls.
    [[nodiscard]] Motion StateAfter(double seconds) const;
    /// Steps to the start of the next driving period.
    void FinishPeriod();
    void AdvancePeriods(int periods);

    /// The angle is not brought back into (−π, π]: a pendulum going over
    /// the top keeps counting turns.
    [[nodiscard]] const Motion& State() const { return state_; }
    void SetState(Motion state) { state_ = state; }
    [[nodiscard]] double Time() const;
    [[nodiscard]] double StepSeconds() const { return h_; }
    [[nodiscard]] int StepsInPeriod() const { return steps_; }
    /// Steps done since the start of the current period.
    [[nodiscard]] int PhaseStep() const { return phaseStep_; }
    /// The driving torque term γω₀²cos(Ωt) now (rad/s²).
    [[nodiscard]] double Drive() const { return drive_[2 * static_cast<std::size_t>(phaseStep_)]; }
    [[nodiscard]] const DrivenSetup& Setup() const { return setup_; }

private:
    DrivenSetup setup_;
    int steps_;
    double h_;
    double pulsation2_;
    double minusTwoLambda_;
    /// γω₀²cos(Ωt) at every half step of one period, both ends included.
    std::vector<double> drive_;
    Motion state_;
    int phaseStep_ = 0;
    std::int64_t periods_ = 0;
};

/// The steady response to the drive.
struct SteadyResponse {
    double amplitude = 0; ///< rad: half the swing, highest minus lowest angle over one period
    /// rad in [0, 2π): how far the fundamental of the angle lags behind the drive.
    double phaseLag = 0;
    /// The transient died out (see MeasureSteady); otherwise the values are
    /// those of the last period of `maxPeriods`.
    bool settled = false;
    int periods = 0; ///< periods run before the measured one
    Motion end;      ///< the state after the measured period
};

/// Runs from `start` until the transient has died out, then measures one
/// more period. The transient has died out when the states at the start of
/// two successive periods differ by less than 1e-6 of the swing's scale
/// (|Δθ| + |Δθ'|/Ω against |θ| + |θ'|/Ω, never against less than 1e-3;
/// Δθ taken modulo a turn, so that a steady rotation settles too). A
/// motion that never repeats after a period (period doubling, chaos) stops
/// at `maxPeriods`, unsettled.
[[nodiscard]] SteadyResponse MeasureSteady(const DrivenSetup& setup, Motion start,
                                           int maxPeriods = 400);

/// The state once per driving period, angle brought back into (−π, π]:
/// `count` points after `transientPeriods` periods, from the setup's
/// initial conditions.
[[nodiscard]] std::vector<Motion> PoincareSection(const DrivenSetup& setup, int transientPeriods,
                                                  int count, int stepsPerPeriod = 0);

/// Cells of a grid × grid partition of the points' bounding box (each side
/// at least 1e-3) that hold at least one point: how much of the phase
/// plane the section fills.
[[nodiscard]] int OccupiedCells(const std::vector<Motion>& points, int grid = 100);

/// Points no closer than `tolerance` (rad, and rad/s over ω₀) to any other
/// of the list: 1 for a period-1 motion, 2 for period 2.
[[nodiscard]] int DistinctPoints(const std::vector<Motion>& points, double pulsation,
                                 double tolerance = 1e-4);

struct SeparationSample {
    double time = 0;     ///< s
    double distance = 0; ///< √(Δθ² + (Δθ'/ω₀)²), Δθ brought into (−π, π]
};

/// Two runs of `setup`, the second started `offset` rad further: their
/// distance `samplesPerPeriod` times a period for `periods` periods.
[[nodiscard]] std::vector<SeparationSample> Separation(const DrivenSetup& setup, double offset,
                                                       int periods, int samplesPerPeriod = 8);

} // namespace kestrova
