#pragma once

/// \file
/// What the simulated pendulum actually does, measured from the samples of
/// its integrated motion as the animation produces them: the period from the
/// crossings of the vertical, the damping from the turning points, and the
/// energy. Fed one sample at a time on the animation's hot path, so a sample
/// costs a few comparisons; the interpolation runs only at an event.

#include "model/energy.h"
#include "model/integrator.h"

#include <optional>

namespace kestrova {

/// The mean time between successive crossings of the vertical in the same
/// direction, and how many such intervals (periods) it averages. A pendulum
/// that goes round crosses in one direction only: its intervals are turns
/// over the top (revolutions), not swings.
struct MeasuredPeriod {
    double seconds = 0;
    int periods = 0;
    bool revolutions = false;
};

/// A period and the swing amplitude (rad) it was measured at.
struct MeasuredSwing {
    double seconds = 0;
    double amplitude = 0;
};

/// The damping read from successive turning points: the logarithmic
/// decrement δ per full swing, and the decay rate λ of the amplitude
/// (1/s), with the number of half-swings between the first and the last
/// turning point used.
struct MeasuredDecrement {
    double delta = 0;
    double lambda = 0;
    int halfSwings = 0;
};

class MotionMeasurement {
public:
    /// How far the turning points' amplitude may stray from the first one's
    /// (a share of it) for their swings to count as one amplitude's.
    static constexpr double kSteadyDrift = 0.02;

    /// Starts a new run: the motion `start` at displayed time `time`, with
    /// the natural pulsation squared `Pulsation2` (rad²/s²).
    void Reset(Motion start, double Pulsation2, double time = 0);

    /// The exact motion at displayed time `time`. A sample not later than
    /// the previous one (the first sample of a tick repeats where the last
    /// tick ended) or not finite is ignored. Returns true when the sample
    /// completed a crossing of the vertical or a turning point, that is when
    /// a measured value changed.
    bool Add(double time, Motion exact);

    /// Absent until two crossings in the same direction have been seen.
    [[nodiscard]] std::optional<MeasuredPeriod> Period() const;
    /// Absent until two turning points have been seen.
    [[nodiscard]] std::optional<MeasuredDecrement> Decrement() const;
    /// The period of the swings seen while their amplitude kept within
    /// kSteadyDrift of the first one's, at the mean amplitude of their
    /// turning points: a swing of a stated amplitude, as the theory knows
    /// it. Undamped, every swing (the period is Period's); damped, the first
    /// whole swing or the first few, before the amplitude has decayed.
    /// Absent before a whole swing.
    [[nodiscard]] std::optional<MeasuredSwing> SteadySwing() const;

    [[nodiscard]] Energy StartEnergy() const { return startEnergy_; }
    [[nodiscard]] Energy CurrentEnergy() const { return EnergyOf(last_, Pulsation2_); }
    /// True until the first sample after the reset.
    [[nodiscard]] bool Empty() const { return empty_; }

private:
    /// Events of one kind since the series began: first and last time, count.
    struct Series {
        double first = 0;
        double last = 0;
        int count = 0;
        void Add(double time);
        /// Intervals between successive events, and their total length.
        [[nodiscard]] int Intervals() const { return count > 1 ? count - 1 : 0; }
        [[nodiscard]] double Span() const { return count > 1 ? last - first : 0; }
    };

    /// The swings SteadySwing reports: the series as they stood.
    struct Swings {
        Series upward;
        Series downward;
        double sumTurnAmplitudes = 0;
        int turns = 0;
    };
    [[nodiscard]] static std::optional<MeasuredSwing> SwingOf(const Swings& swings);

    /// Forgets the crossings and turning points: what follows is not the
    /// same kind of motion, or the samples went too far apart to interpolate.
    void RestartSeries();
    /// Follows the series with the steady swings until the amplitude drifts
    /// away from the first one's, once they hold a whole swing.
    void FollowSteadySwings();
    void AddCrossing(double t0, double h, const double c[4], bool upward);
    void AddTurningPoint(double t0, double h, const double c[4]);

    double Pulsation2_ = 0;
    double naturalPulsation_ = 0;
    Energy startEnergy_;
    double lastTime_ = 0;
    Motion last_;
    bool empty_ = true;
    bool revolving_ = false; ///< the last event was a pass over the top

    Series upward_;   ///< crossings of the vertical with θ growing
    Series downward_; ///< crossings with θ falling
    Series turns_;    ///< turning points (θ' = 0)
    double firstTurnAmplitude_ = 0;
    double lastTurnAmplitude_ = 0;
    double sumTurnAmplitudes_ = 0;
    Swings steady_;
    bool steadyDone_ = false; ///< the amplitude has drifted: steady_ stays
};

} // namespace kestrova
