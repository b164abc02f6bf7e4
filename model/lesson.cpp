#include "model/lesson.h"

#include "model/pendulum_length.h"

#include <algorithm>
#include <cmath>

namespace kestrova {

std::size_t Utf8Length(std::string_view text)
{
    // Continuation bytes (10xxxxxx) do not start a character.
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;
    }));
}

bool ValidSpeed(double speed)
{
    return std::find(kAnimationSpeeds.begin(), kAnimationSpeeds.end(), speed)
        != kAnimationSpeeds.end();
}

bool ValidLength(double metres)
{
    // As the length field takes it: above the amplitude, at most the maximum.
    return std::isfinite(metres) && metres > foucault::kAmplitude && metres <= foucault::kMaxLength;
}

bool ValidLatitude(double degrees)
{
    return std::isfinite(degrees) && degrees >= -90.0 && degrees <= 90.0;
}

bool ValidTimeFactor(foucault::PlanetDay day, int factor)
{
    if (day == foucault::PlanetDay::Accelerated)
        return factor == 1;
    return std::find(foucault::kTimeFactors.begin(), foucault::kTimeFactors.end(), factor)
        != foucault::kTimeFactors.end();
}

bool SlidersInRange(const SliderValues& sliders)
{
    return std::all_of(
        kDampedParameters.begin(), kDampedParameters.end(),
        [&](const DampedParameterEntry& e) { return InRange(e, sliders[e.parameter]); });
}

bool RunWithinRanges(const RunSetup& setup)
{
    if (const DrivenSetup* driven = std::get_if<DrivenSetup>(&setup))
        return WithinBounds(*driven);
    return SlidersInRange(std::get<SliderValues>(setup));
}

bool LessonWithinRanges(const Lesson& lesson)
{
    const FoucaultWindowSetup& f = lesson.foucault;
    return Utf8Length(lesson.title) <= kLessonTitleMaxLength
        && Utf8Length(lesson.note) <= kLessonNoteMaxLength && SlidersInRange(lesson.damped.sliders)
        && ValidSpeed(lesson.damped.speed) && ValidLength(f.lengthMetres)
        && (!lesson.view || ValidZoomStep(lesson.view->zoom)) && ValidLatitude(f.latitudeDegrees)
        && ValidTimeFactor(f.day, f.timeFactor) && WithinBounds(lesson.driven)
        && lesson.keptRuns.size() <= KeptRuns::kLimit
        && std::all_of(lesson.keptRuns.begin(), lesson.keptRuns.end(),
                       [](const LessonKeptRun& run) { return RunWithinRanges(run.setup); })
        && (!lesson.measurement || SeriesSound(*lesson.measurement))
        && Utf8Length(lesson.measurementName) <= kLessonTitleMaxLength
        && (!lesson.fittedMotion
            || (lesson.measurement
                && FittedMotionSound(*lesson.fittedMotion, *lesson.measurement)));
}

std::vector<LessonKeptRun> LessonRuns(const std::vector<KeptRun>& runs)
{
    std::vector<LessonKeptRun> out;
    out.reserve(runs.size());
    for (const KeptRun& run : runs)
        out.push_back({run.setup, run.visible});
    return out;
}

std::vector<KeptRun> KeptRunsOf(const std::vector<LessonKeptRun>& runs)
{
    std::vector<KeptRun> out;
    out.reserve(runs.size());
    for (const LessonKeptRun& run : runs)
        out.push_back({run.setup, run.visible, 0});
    return out;
}

} // namespace kestrova
