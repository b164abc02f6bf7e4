#pragma once

/// \file
/// A lesson: what a teacher prepares before class and hands to the students
/// as a file. It holds the setup of both simulations, which window is open,
/// the kept runs, which side windows are open, and a title and a note shown
/// to the students when they open it. Plain values: the file format lives on
/// the Qt side, which fills this and checks it with `LessonWithinRanges`.

#include "model/driven_parameters.h"
#include "model/fitted_motion.h"
#include "model/foucault_motion.h"
#include "model/kept_runs.h"
#include "model/latitude_reading.h"
#include "model/measured_series.h"
#include "model/parameters.h"
#include "model/zoom_steps.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrova {

/// The paces of the "Animation" menu: simulated seconds per real second.
inline constexpr std::array<double, 4> kAnimationSpeeds{1.0, 0.5, 0.25, 0.125};

/// What the damped-pendulum window and the frame's items for it hold.
struct DampedWindowSetup {
    SliderValues sliders;
    bool smallAngle = false;   ///< "Approximation angle faible" checked
    bool energyCurves = false; ///< "Courbes d'énergie" checked
    double speed = 1.0;        ///< one of kAnimationSpeeds

    bool operator==(const DampedWindowSetup&) const = default;
};

/// What the Foucault-pendulum window's controls hold.
struct FoucaultWindowSetup {
    double lengthMetres = foucault::kDefaultLength;
    double latitudeDegrees = foucault::kParisLatitudeDegrees; ///< north positive
    foucault::PlanetDay day = foucault::PlanetDay::Accelerated;
    int timeFactor = 1; ///< one of foucault::kTimeFactors; 1 with the sped-up day

    bool operator==(const FoucaultWindowSetup&) const = default;
};

/// How large and how contrasted the windows show ("Affichage").
struct LessonView {
    bool fitted = false; ///< "Ajuster à la fenêtre"
    double zoom = 1.0;   ///< one of kZoomSteps, when not fitted
    bool highContrast = false;
    bool operator==(const LessonView&) const = default;
};

enum class LessonWindow { Damped, Foucault, Driven };

/// A kept run as a lesson stores it: its colour is the list's to choose.
struct LessonKeptRun {
    RunSetup setup;
    bool visible = true;

    bool operator==(const LessonKeptRun&) const = default;
};

struct Lesson {
    std::string title; ///< UTF-8, may be empty
    std::string note;  ///< UTF-8, shown on opening when not empty
    LessonWindow window = LessonWindow::Damped;
    DampedWindowSetup damped;
    FoucaultWindowSetup foucault;
    DrivenSetup driven; ///< the driven-pendulum window's fields
    std::vector<LessonKeptRun> keptRuns;
    bool measurementsOpen = false; ///< the "Mesures" panel
    bool graphsOpen = false;       ///< the graphs window
    /// None in a lesson written before the windows could zoom: the user's
    /// own view stays.
    std::optional<LessonView> view;
    /// The imported measurement, carried whole so that the file stands alone.
    std::optional<MeasuredSeries> measurement;
    /// The name of the file it came from (UTF-8, may be empty), and the
    /// motion last fitted to it and applied to the simulator.
    std::string measurementName;
    std::optional<FittedMotion> fittedMotion;

    bool operator==(const Lesson&) const = default;
};

/// Longest title and note, in characters: a title fits a window's caption,
/// a note a message the students read.
inline constexpr std::size_t kLessonTitleMaxLength = 200;
inline constexpr std::size_t kLessonNoteMaxLength = 10000;

/// Number of characters of a UTF-8 text.
[[nodiscard]] std::size_t Utf8Length(std::string_view text);

/// Each holds when the setting is one the windows can show.
[[nodiscard]] bool ValidSpeed(double speed);
[[nodiscard]] bool ValidLength(double metres);
[[nodiscard]] bool ValidLatitude(double degrees);
[[nodiscard]] bool ValidTimeFactor(foucault::PlanetDay day, int factor);
[[nodiscard]] bool SlidersInRange(const SliderValues& sliders);
/// A kept run of either kind its window could show.
[[nodiscard]] bool RunWithinRanges(const RunSetup& setup);

/// Every setting of the lesson within the ranges above and the table's,
/// its texts not too long and its kept runs no more than the list holds.
[[nodiscard]] bool LessonWithinRanges(const Lesson& lesson);

/// The kept runs as a lesson stores them, and back as the list takes them.
[[nodiscard]] std::vector<LessonKeptRun> LessonRuns(const std::vector<KeptRun>& runs);
[[nodiscard]] std::vector<KeptRun> KeptRunsOf(const std::vector<LessonKeptRun>& runs);

} // namespace kestrova
