#include "plot/plot_frames.h"

#include "model/plot_scales.h"
#include "plot/graduation_text.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace kestrova {

namespace {

// Texts whose widths size the oscillation plot's margins: left of the time
// origin for the angle labels, right of the span for the last time label.
constexpr const char* kLeftMarginSample = "-120";
constexpr const char* kRightMarginSample = "15";
constexpr int kOscillationFitPasses = 3;
constexpr double kPhaseBorder = 1.05;     // 5 % of free border around the phase frame
constexpr double kTimeLabelDrop = 0.25;   // text heights between time axis and label top
constexpr double kPhaseLabelDrop = 0.3;   // the same under the phase portrait's angle axis
constexpr double kAngleLabelGap = 0.1;    // s between an angle label and the time origin
constexpr double kSpeedLabelOffset = 1.2; // label widths left of the speed axis
constexpr Colour kFrameColour = 0;        // black

/// Integer rounding with ties to even, kept as a double: the same value as a
/// 16- or 32-bit conversion wherever that would not overflow, and no overflow
/// where it would.
double RoundHalfEven(double x)
{
    return std::nearbyint(x);
}

/// The graduation loop: start, end and step are taken once; the counter grows
/// by repeated addition, so drift may end it one graduation early.
template <typename Pass>
void ForEachGraduation(double start, double end, double step, Pass pass)
{
    for (double t = start; step > 0 ? t <= end : t >= end; t += step)
        pass(t);
}

void Validate(const PenduleState& state, const PlotGraduations& g)
{
    if (!std::isfinite(state.TetaMax) || !std::isfinite(state.OmegaMax)
        || !std::isfinite(state.DureeTrace))
        throw std::invalid_argument("plot frame: TetaMax, OmegaMax and DureeTrace must be finite");

    const double angleDegrees = state.TetaMax / DegToRad;
    const double passes[] = {
        state.DureeTrace / g.TimeStep,
        2 * angleDegrees / g.OscAngleStep,
        g.PhaseAngleMax / g.PhaseAngleStep,
        g.PhaseSpeedMax / g.PhaseSpeedStep,
    };
    for (const double n : passes)
        if (!(n <= kMaxGraduationsPerAxis))
            throw std::invalid_argument("plot frame: plot range too large to graduate");
}

void FitOscillationScale(PictureSurface& box, double TetaMax, double halfStep, double DureeTrace)
{
    // Each pass measures the margins in the system the previous pass set;
    // the widths converge quickly towards a fixed point.
    for (int pass = 0; pass < kOscillationFitPasses; ++pass) {
        const double w1 = box.TextWidth(kLeftMarginSample);
        const double w2 = box.TextWidth(kRightMarginSample);
        box.Scale(-w1, TetaMax + halfStep, DureeTrace + w2, -(TetaMax + halfStep));
    }
}

/// The pen and font every frame starts with.
void StartFrame(PictureSurface& box)
{
    box.SetDrawStyle(kDotted);
    UseLabelFont(box);
}

void DrawOscillation(PictureSurface& box, double TetaMax, double span, const PlotGraduations& g)
{
    FitOscillationScale(box, TetaMax, g.OscAngleStep * DegToRad / 2, span);

    // Time graduations: labels centred under their lines, a quarter of a
    // text height below the time axis; none at the origin.
    ForEachGraduation(0, span, g.TimeStep, [&](double t) {
        box.Line(t, TetaMax, t, -TetaMax);
        const std::string s = GraduationText(t);
        box.SetCurrentX(t - box.TextWidth(s) / 2);
        box.SetCurrentY(box.TextHeight(s) * kTimeLabelDrop);
        if (t != 0)
            box.Print(s);
    });

    const double angleDegrees = TetaMax / DegToRad;
    ForEachGraduation(-angleDegrees, angleDegrees, g.OscAngleStep, [&](double t) {
        box.SetDrawStyle(t == 0 ? kSolid : kDotted);
        box.Line(0, t * DegToRad, span, t * DegToRad);
    });
    ForEachGraduation(-angleDegrees, angleDegrees, g.OscAngleStep, [&](double t) {
        const std::string s = GraduationText(t);
        box.SetCurrentX(-kAngleLabelGap - box.TextWidth(s));
        box.SetCurrentY(t * DegToRad - box.TextHeight(s) / 2);
        box.Print(s);
    });

    box.SetDrawStyle(kSolid);
    box.LineBox(0, TetaMax, span, -TetaMax, kFrameColour);
}

void DrawPhase(PictureSurface& box, const PlotGraduations& g)
{
    const double a = g.PhaseAngleMax * DegToRad;
    const double vMax = g.PhaseSpeedMax;
    ScalePhasePlot(box, g);

    // Angle graduations: dotted lines broken just below the angle axis, where
    // their labels go; the line at 0 is the solid speed axis, unlabelled.
    const auto angleGraduation = [&](double t) {
        const double x = t * DegToRad;
        const std::string s = GraduationText(t);
        const double h = box.TextHeight(s);
        if (t == 0) {
            box.SetDrawStyle(kSolid);
            box.Line(0, -vMax, 0, vMax);
        } else {
            box.SetDrawStyle(kDotted);
            box.Line(x, -vMax, x, h);
            box.Line(x, 0, x, vMax);
        }
        box.SetCurrentX(x - box.TextWidth(s) / 2);
        box.SetCurrentY(h * kPhaseLabelDrop);
        if (t != 0)
            box.Print(s);
    };
    ForEachGraduation(0, g.PhaseAngleMax, g.PhaseAngleStep, angleGraduation);
    ForEachGraduation(-g.PhaseAngleStep, -g.PhaseAngleMax, -g.PhaseAngleStep, angleGraduation);

    // Speed graduations: dotted lines broken left of the speed axis for their
    // labels; the line at 0 is the solid angle axis, its label "0" left of
    // the origin.
    const auto speedGraduation = [&](double t) {
        const std::string s = GraduationText(t);
        // Measured once: text measuring is the costly part of a label.
        const double w = box.TextWidth(s);
        if (t == 0) {
            box.SetDrawStyle(kSolid);
            box.Line(-a, 0, a, 0);
        } else {
            box.SetDrawStyle(kDotted);
            box.Line(-a, t, -w, t);
            box.Line(0, t, a, t);
        }
        box.SetCurrentX(-kSpeedLabelOffset * w);
        box.SetCurrentY(t - box.TextHeight(s) / 2);
        box.Print(s);
    };
    ForEachGraduation(0, vMax, g.PhaseSpeedStep, speedGraduation);
    ForEachGraduation(-g.PhaseSpeedStep, -vMax, -g.PhaseSpeedStep, speedGraduation);

    box.SetDrawStyle(kSolid);
    box.LineBox(-a, vMax, a, -vMax, kFrameColour);
}

} // namespace

void ScalePhasePlot(PictureSurface& box, const PlotGraduations& g)
{
    const double a = g.PhaseAngleMax * DegToRad;
    const double vMax = g.PhaseSpeedMax;
    box.Scale(-kPhaseBorder * a, kPhaseBorder * vMax, kPhaseBorder * a, -kPhaseBorder * vMax);
}

PlotGraduations ComputePlotGraduations(double TetaMax, double OmegaMax, double DureeTrace)
{
    PlotGraduations g;

    // Phase portrait angle axis: the bound rounded up to a whole step; a
    // bound of a single step gets ten finer graduations.
    g.PhaseAngleStep = AngleStep(std::floor(TetaMax / DegToRad));
    double n = RoundHalfEven(TetaMax / DegToRad);
    if (std::fmod(n, RoundHalfEven(g.PhaseAngleStep)) != 0)
        n = (std::floor(n / g.PhaseAngleStep) + 1) * g.PhaseAngleStep;
    if (n == g.PhaseAngleStep)
        g.PhaseAngleStep /= 10;
    g.PhaseAngleMax = n;

    g.OscAngleStep = AngleStep(std::floor(std::fabs(TetaMax) / DegToRad));

    // Speed axis: always one step beyond OmegaMax, even on an exact multiple.
    const double k = RoundHalfEven(OmegaMax);
    if (k == 0)
        g.PhaseSpeedStep = 0.05;
    else if (k == 1)
        g.PhaseSpeedStep = 0.1;
    else if (k == 2)
        g.PhaseSpeedStep = 0.5;
    else if (k >= 3 && k <= 10)
        g.PhaseSpeedStep = 1;
    else if (k >= 11 && k <= 16)
        g.PhaseSpeedStep = 2;
    else
        g.PhaseSpeedStep = 5;
    g.PhaseSpeedMax = (std::floor(OmegaMax / g.PhaseSpeedStep) + 1) * g.PhaseSpeedStep;
    if (g.PhaseSpeedMax == g.PhaseSpeedStep)
        g.PhaseSpeedStep /= 10;

    g.TimeStep = TimeStep(DureeTrace);

    return g;
}

PlotGraduations CheckedPlotGraduations(const PenduleState& state)
{
    const PlotGraduations g =
        ComputePlotGraduations(state.TetaMax, state.OmegaMax, state.DureeTrace);
    Validate(state, g);
    return g;
}

void DrawOscillationFrame(PictureSurface& box, const PenduleState& state, const PlotGraduations& g)
{
    StartFrame(box);
    DrawOscillation(box, state.TetaMax, state.DureeTrace, g);
}

void DrawPhaseFrame(PictureSurface& box, const PlotGraduations& g)
{
    StartFrame(box);
    DrawPhase(box, g);
}

} // namespace kestrova
