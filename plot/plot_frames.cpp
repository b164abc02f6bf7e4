#include "plot/plot_frames.h"

#include "model/plot_scales.h"
#include "plot/graduation_text.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

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
// Digit widths between a speed label and the grid line that leads to it:
// the dashes must not read as a minus sign.
constexpr double kSpeedLabelPadding = 1;
// Text heights between the speed labels' centres, at least: no more than
// about a dozen labels on the window's portrait.
constexpr double kSpeedLabelSpacing = 1.8;
// Digit widths between two angle labels, at least.
constexpr double kAngleLabelSpacing = 0.5;
constexpr Colour kFrameColour = 0; // black

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

void FitOscillationScale(PictureSurface& box, double TetaMax, double halfStep, double DureeTrace,
                         std::string_view widestAngleLabel)
{
    // Each pass measures the margins in the system the previous pass set;
    // the widths converge quickly towards a fixed point. The left margin
    // grows beyond its usual width only for labels that would not fit in it
    // with their gap ("-100" and beyond).
    for (int pass = 0; pass < kOscillationFitPasses; ++pass) {
        const double w1 = std::max(box.TextWidth(kLeftMarginSample),
                                   box.TextWidth(widestAngleLabel) + kAngleLabelGap);
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

/// Where a label's text starts, moved just enough to be drawn whole
/// inside the box (the labels at the ends of an axis may reach past the
/// border otherwise).
void PrintInside(PictureSurface& box, std::string_view s, double x, double y)
{
    const auto within = [](double v, double edge, double extent, double size) {
        const double far = edge + extent - size;
        return std::clamp(v, std::min(edge, far), std::max(edge, far));
    };
    box.SetCurrentX(within(x, box.ScaleLeft(), box.ScaleWidth(), box.TextWidth(s)));
    box.SetCurrentY(within(y, box.ScaleTop(), box.ScaleHeight(), box.TextHeight(s)));
    box.Print(s);
}

void DrawOscillation(PictureSurface& box, double TetaMax, double span, const PlotGraduations& g,
                     std::string_view mark)
{
    // The lowest angle label is the widest: the most digits and a minus sign.
    const double angleDegrees = TetaMax / DegToRad;
    FitOscillationScale(box, TetaMax, g.OscAngleStep * DegToRad / 2, span,
                        GraduationText(-angleDegrees, mark));

    // Time graduations: labels centred under their lines, a quarter of a
    // text height below the time axis; none at the origin.
    ForEachGraduation(0, span, g.TimeStep, [&](double t) {
        box.Line(t, TetaMax, t, -TetaMax);
        const std::string s = GraduationText(t, mark);
        if (t != 0)
            PrintInside(box, s, t - box.TextWidth(s) / 2, box.TextHeight(s) * kTimeLabelDrop);
    });

    ForEachGraduation(-angleDegrees, angleDegrees, g.OscAngleStep, [&](double t) {
        box.SetDrawStyle(t == 0 ? kSolid : kDotted);
        box.Line(0, t * DegToRad, span, t * DegToRad);
    });
    ForEachGraduation(-angleDegrees, angleDegrees, g.OscAngleStep, [&](double t) {
        const std::string s = GraduationText(t, mark);
        PrintInside(box, s, -kAngleLabelGap - box.TextWidth(s),
                    t * DegToRad - box.TextHeight(s) / 2);
    });

    box.SetDrawStyle(kSolid);
    box.LineBox(0, TetaMax, span, -TetaMax, kFrameColour);
}

/// A label's place, in the box's user units.
struct LabelBox {
    double left, right, low, high;
    [[nodiscard]] bool Overlaps(const LabelBox& o) const
    {
        return left < o.right && o.left < right && low < o.high && o.low < high;
    }
};

/// Every how many graduations of `step` a label goes, so that labels stand
/// at least `least` apart (1, 2, 5, 10, 20, 50, ...). The grid keeps every
/// graduation.
int LabelStride(double step, double least)
{
    // The graduations are at most kMaxGraduationsPerAxis: a stride of that
    // many leaves the zero label alone.
    for (int decade = 1; decade < kMaxGraduationsPerAxis; decade *= 10)
        for (const int k : {1, 2, 5})
            if (k * decade * step >= least)
                return k * decade;
    return static_cast<int>(kMaxGraduationsPerAxis);
}

void DrawPhase(PictureSurface& box, const PlotGraduations& g, std::string_view mark,
               const std::function<void()>& overGrid)
{
    const double a = g.PhaseAngleMax * DegToRad;
    const double vMax = g.PhaseSpeedMax;
    ScalePhasePlot(box, g);

    // Angle graduations: dotted lines broken just below the angle axis, where
    // their labels go, on every graduation or fewer when the widest label
    // would touch its neighbours; the line at 0 is the solid speed axis,
    // unlabelled.
    const double digit = box.TextWidth("0");
    double widest = 0; // the negative labels, with their minus sign, are the wider
    ForEachGraduation(-g.PhaseAngleStep, -g.PhaseAngleMax, -g.PhaseAngleStep, [&](double t) {
        widest = std::max(widest, box.TextWidth(GraduationText(t, mark)));
    });
    const int angleStride =
        LabelStride(g.PhaseAngleStep * DegToRad, widest + kAngleLabelSpacing * digit);
    int index = 0;
    struct Label {
        std::string text;
        double x, y;
    };
    std::vector<Label> angleLabels;
    std::vector<LabelBox> taken;
    const auto angleGraduation = [&](double t) {
        const double x = t * DegToRad;
        const bool labelled = index++ % angleStride == 0;
        if (t == 0) {
            box.SetDrawStyle(kSolid);
            box.Line(0, -vMax, 0, vMax);
            return;
        }
        box.SetDrawStyle(kDotted);
        if (!labelled) {
            box.Line(x, -vMax, x, vMax);
            return;
        }
        const std::string s = GraduationText(t, mark);
        const double h = box.TextHeight(s);
        box.Line(x, -vMax, x, h);
        box.Line(x, 0, x, vMax);
        const double w = box.TextWidth(s);
        const double y = h * kPhaseLabelDrop;
        angleLabels.push_back({s, x - w / 2, y});
        taken.push_back({x - w / 2, x + w / 2, y + h, y});
    };
    ForEachGraduation(0, g.PhaseAngleMax, g.PhaseAngleStep, angleGraduation);
    index = 1;
    ForEachGraduation(-g.PhaseAngleStep, -g.PhaseAngleMax, -g.PhaseAngleStep, angleGraduation);

    // Speed graduations: labels left of the speed axis, on every graduation
    // or fewer when the graduations are close, and never over an angle
    // label. A labelled line stops short of its label on both sides; the
    // line at 0 is the solid angle axis, its label "0" left of the origin
    // and clear of it too.
    const int stride =
        LabelStride(g.PhaseSpeedStep, kSpeedLabelSpacing * std::fabs(box.TextHeight("0")));
    const double padding = kSpeedLabelPadding * digit;
    std::vector<Label> speedLabels;
    index = 0;
    const auto speedGraduation = [&](double t) {
        const bool labelled = index++ % stride == 0;
        const std::string s = labelled ? GraduationText(t, mark) : std::string();
        // Measured once: text measuring is the costly part of a label.
        const double w = labelled ? box.TextWidth(s) : 0;
        const double h = labelled ? box.TextHeight(s) : 0;
        const LabelBox place{-kSpeedLabelOffset * w, -(kSpeedLabelOffset - 1) * w, t + h / 2,
                             t - h / 2};
        const bool shown = labelled
            && std::none_of(taken.begin(), taken.end(),
                            [&](const LabelBox& o) { return place.Overlaps(o); });
        box.SetDrawStyle(t == 0 ? kSolid : kDotted);
        if (shown) {
            box.Line(-a, t, place.left - padding, t);
            box.Line(0, t, a, t);
            speedLabels.push_back({s, place.left, place.high});
        } else {
            box.Line(-a, t, a, t);
        }
    };
    ForEachGraduation(0, vMax, g.PhaseSpeedStep, speedGraduation);
    index = 1;
    ForEachGraduation(-g.PhaseSpeedStep, -vMax, -g.PhaseSpeedStep, speedGraduation);

    if (overGrid)
        overGrid();

    for (const std::vector<Label>* labels : {&angleLabels, &speedLabels})
        for (const Label& label : *labels)
            PrintInside(box, label.text, label.x, label.y);

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

void DrawOscillationFrame(PictureSurface& box, const PenduleState& state, const PlotGraduations& g,
                          std::string_view decimalMark)
{
    StartFrame(box);
    DrawOscillation(box, state.TetaMax, state.DureeTrace, g, decimalMark);
}

void DrawPhaseFrame(PictureSurface& box, const PlotGraduations& g, std::string_view decimalMark,
                    const std::function<void()>& overGrid)
{
    StartFrame(box);
    DrawPhase(box, g, decimalMark, overGrid);
}

} // namespace kestrova
