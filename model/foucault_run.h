#pragma once

/// \file
/// FoucaultRun: one run of the Foucault pendulum, without any window. It
/// holds the length, the place and the day, the time factor, the motion, the
/// trail of the bob's last positions and the measure of the swing plane's
/// turning; the window reads its controls into it, advances it at each tick
/// and draws what it returns.

#include "model/collection_points.h"
#include "model/foucault_motion.h"
#include "model/sped_up_time.h"
#include "model/swing_plane_meter.h"

namespace kestrova {

/// What a run starts from.
struct FoucaultSetup {
    double Length = foucault::kDefaultLength; ///< m, above 0
    double Latitude = foucault::kLatitude;    ///< rad
    foucault::PlanetDay Day = foucault::PlanetDay::Accelerated;
    double TimeFactor = 1; ///< simulated seconds per second of the animation
};

/// Where the bob is after an advance.
struct FoucaultFrame {
    foucault::GroundPosition Bob;  ///< seen from above
    foucault::StringEnd StringEnd; ///< in the side view
};

class FoucaultRun {
public:
    /// At rest with the default setup.
    FoucaultRun() { Reset(FoucaultSetup{}); }
    FoucaultRun(const FoucaultRun&) = delete;
    FoucaultRun& operator=(const FoucaultRun&) = delete;

    /// Everything from `setup`, stopped, at time 0 with an empty trail, the
    /// bob released at the amplitude.
    void Reset(const FoucaultSetup& setup);

    /// Another length: stops the run and empties the trail; the time and
    /// the plane's measure are kept.
    void SetLength(double length);
    /// Another place or day: stops the run, empties the trail and starts the
    /// time and the plane's measure afresh.
    void SetPlace(double latitude, foucault::PlanetDay day);
    /// Another time factor, from the last advance on, without a jump.
    void SetTimeFactor(double factor);

    /// From time 0 with an empty trail and a new measure of the plane.
    void Start();
    /// Stops; the trail and the time stay as they are.
    void Pause() { running_ = false; }

    /// Moves the bob to where it is `paceSeconds` after the start at the
    /// animation's pace (the time factor still to apply), adds it to the
    /// trail and to the plane's measure, and returns where to draw it.
    FoucaultFrame AdvanceTo(double paceSeconds);

    [[nodiscard]] bool Running() const { return running_; }
    /// Length of the pendulum (m).
    [[nodiscard]] double Longueur() const { return Longueur_; }
    /// The bob's initial distance from the vertical (m).
    [[nodiscard]] double Amplitude() const { return Amplitude_; }
    /// Vertical component of the planet's rotation at the place (rad/s).
    [[nodiscard]] double OmegaTerre() const { return OmegaTerre_; }
    /// Angular frequency of the swing for the length (rad/s).
    [[nodiscard]] double OmegaPendule() const { return OmegaPendule_; }
    /// Simulated seconds since the start, as of the last advance.
    [[nodiscard]] double TempsEcoule() const { return TempsEcoule_; }
    [[nodiscard]] double TimeFactor() const { return spedUpTime_.Factor(); }
    /// The string's lower end in the side view, as of the last advance.
    [[nodiscard]] foucault::StringEnd StringEnd() const { return stringEnd_; }
    /// The trail, oldest ground position first.
    [[nodiscard]] const Collection_Points& Points() const { return Points_; }
    /// The swing plane's rate measured from the bob's positions since the start.
    [[nodiscard]] const foucault::SwingPlaneMeter& Meter() const { return meter_; }

private:
    /// Starts the plane's measure afresh.
    void NewMeasure();

    double Longueur_ = 0;
    double Amplitude_ = foucault::kAmplitude;
    double OmegaTerre_ = 0;
    double OmegaPendule_ = 0;
    double TempsEcoule_ = 0;
    /// Seconds since the start at the animation's pace, as of the last advance.
    double paceSeconds_ = 0;
    bool running_ = false;
    foucault::StringEnd stringEnd_;
    SpedUpTime spedUpTime_;
    Collection_Points Points_;
    foucault::SwingPlaneMeter meter_;
};

} // namespace kestrova
