#include "ui/driven/driven_views.h"

#include "model/fixed_decimal.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kestrova {

namespace {

constexpr Colour kBlack = 0;
constexpr Colour kGrey = Rgb(190, 190, 190);
constexpr double kPi = std::numbers::pi;

/// A plot's data range, and whether its y values are decimal logarithms.
struct Range {
    double xMin;
    double xMax;
    double yMin;
    double yMax;
    bool logY = false;
};

/// A round step giving about `wanted` graduations over `span`.
double RoundStep(double span, int wanted)
{
    const double raw = span / wanted;
    const double decade = std::pow(10, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0}) {
        if (raw <= factor * decade)
            return factor * decade;
    }
    return 10 * decade;
}

int DecimalsFor(double step)
{
    return std::clamp(static_cast<int>(-std::floor(std::log10(step) + 1e-9)), 0, 6);
}

void Label(PictureSurface& box, double x, double y, const std::string& text, double alignX,
           double alignY)
{
    box.SetCurrentX(x - alignX * box.TextWidth(text));
    box.SetCurrentY(y - alignY * box.TextHeight(text));
    box.Print(text);
}

/// The frame, grid and graduations of `r`, leaving the box in the data's
/// coordinates (y up) for the curves.
void DrawFrame(PictureSurface& box, Range r, const PlotTexts& texts)
{
    if (!(r.xMax > r.xMin))
        r.xMax = r.xMin + 1;
    if (!(r.yMax > r.yMin))
        r.yMax = r.yMin + 1;
    box.SetScaleMode(kScalePixels);
    box.SetForeColor(kBlack);
    FontSpec font = box.Font();
    font.Name = "Arial";
    font.Size = 8;
    box.SetFont(font);
    const double w = box.ScaleWidth();
    const double h = box.ScaleHeight();
    const double lineHeight = std::abs(box.TextHeight("0"));
    const double left = box.TextWidth("-0,000") + lineHeight * 2;
    const double right = lineHeight;
    const double top = lineHeight * 1.5;
    const double bottom = lineHeight * 3;
    // Data coordinates such that the plot area sits inside the margins.
    const double sx = (r.xMax - r.xMin) / std::max(w - left - right, 1.0);
    const double sy = (r.yMax - r.yMin) / std::max(h - top - bottom, 1.0);
    box.Scale(r.xMin - left * sx, r.yMax + top * sy, r.xMax + right * sx, r.yMin - bottom * sy);

    box.SetDrawStyle(kDotted);
    const double xStep = RoundStep(r.xMax - r.xMin, 6);
    for (double x = std::ceil(r.xMin / xStep) * xStep; x <= r.xMax + 1e-9 * xStep; x += xStep) {
        box.Line(x, r.yMin, x, r.yMax, kGrey);
        Label(box, x, r.yMin, FormatFixed(x, DecimalsFor(xStep), texts.decimalMark), 0.5, 0);
    }
    const double yStep = r.logY ? 1 : RoundStep(r.yMax - r.yMin, 5);
    for (double y = std::ceil(r.yMin / yStep) * yStep; y <= r.yMax + 1e-9 * yStep; y += yStep) {
        box.Line(r.xMin, y, r.xMax, y, kGrey);
        const std::string text = r.logY ? "1e" + std::to_string(static_cast<int>(std::lround(y)))
                                        : FormatFixed(y, DecimalsFor(yStep), texts.decimalMark);
        Label(box, r.xMin - sx * lineHeight / 2, y, text, 1, 0.5);
    }
    box.SetDrawStyle(kSolid);
    box.LineBox(r.xMin, r.yMin, r.xMax, r.yMax, kBlack);
    Label(box, (r.xMin + r.xMax) / 2, r.yMin - sy * lineHeight * 1.3, texts.xTitle, 0.5, 0);
    Label(box, r.xMin - left * sx * 0.9, r.yMax + sy * top * 0.9, texts.yTitle, 0, 0);
}

void Polyline(PictureSurface& box, const std::vector<ResonancePoint>& points, Colour colour)
{
    for (std::size_t i = 0; i < points.size(); ++i) {
        const ResonancePoint& p = points[i];
        box.SetFillStyle(kFillSolid);
        box.SetFillColor(colour);
        box.Circle(p.drivePulsation, p.measured.amplitude, box.ScaleWidth() / 250, colour);
        if (i > 0)
            box.Line(points[i - 1].drivePulsation, points[i - 1].measured.amplitude,
                     p.drivePulsation, p.measured.amplitude, colour);
    }
}

} // namespace

void DrawDrivenPendulum(PictureSurface& box, double angle, double drive)
{
    constexpr double kHalf = 10;
    constexpr double kRod = 7;
    constexpr double kArcRadius = 2.5;
    box.Scale(-kHalf, kHalf, kHalf, -kHalf);
    box.EraseToBackdrop([&box] {
        box.SetDrawStyle(kDashed);
        box.Line(0, kHalf, 0, -kHalf, kBlack);
        box.Line(-kHalf, 0, kHalf, 0, kBlack);
    });

    // The torque turns counter-clockwise (towards positive angles) when the
    // drive is positive: an arc from straight down, as long as the torque.
    box.SetDrawStyle(kSolid);
    box.SetDrawWidth(3);
    const double sweep = std::clamp(drive, -1.0, 1.0) * kPi * 0.75;
    constexpr int kPieces = 24;
    double endX = 0;
    double endY = -kArcRadius;
    for (int i = 1; i <= kPieces; ++i) {
        const double a = sweep * i / kPieces;
        const double x = kArcRadius * std::sin(a);
        const double y = -kArcRadius * std::cos(a);
        box.Line(endX, endY, x, y, kDriveColour);
        endX = x;
        endY = y;
    }
    if (std::abs(sweep) > 0.05) {
        // The arrowhead, along the arc's tangent at its end.
        const double direction = sweep > 0 ? 1 : -1;
        const double tx = std::cos(sweep) * direction;
        const double ty = std::sin(sweep) * direction;
        const double size = 0.8;
        box.Line(endX, endY, endX - size * (tx - ty * 0.6), endY - size * (ty + tx * 0.6),
                 kDriveColour);
        box.Line(endX, endY, endX - size * (tx + ty * 0.6), endY - size * (ty - tx * 0.6),
                 kDriveColour);
    }

    const double x = std::sin(angle) * kRod;
    const double y = -std::cos(angle) * kRod;
    box.Line(0, 0, x, y, kBlack);
    box.SetDrawWidth(1);
    box.SetFillStyle(kFillSolid);
    box.SetFillColor(Rgb(255, 0, 0));
    box.Circle(x, y, 0.6, Rgb(255, 0, 0));
}

void DrawResonanceCurve(PictureSurface& box, const DrivenSetup& setup,
                        const std::vector<ResonancePoint>& upward,
                        const std::vector<ResonancePoint>& downward, const PlotTexts& texts)
{
    Range r{1e300, -1e300, 0, 0};
    for (const auto* sweep : {&upward, &downward}) {
        for (const ResonancePoint& p : *sweep) {
            r.xMin = std::min(r.xMin, p.drivePulsation);
            r.xMax = std::max(r.xMax, p.drivePulsation);
            r.yMax = std::max({r.yMax, p.measured.amplitude, p.theory});
        }
    }
    if (r.xMin > r.xMax)
        r = {0, 2 * setup.pulsation, 0, 1};
    r.yMax = std::min(r.yMax * 1.05, 4 * kPi);
    DrawFrame(box, r, texts);

    constexpr int kTheoryPieces = 200;
    double previous = TheoreticalAmplitude(setup, r.xMin);
    for (int i = 1; i <= kTheoryPieces; ++i) {
        const double x0 = r.xMin + (r.xMax - r.xMin) * (i - 1) / kTheoryPieces;
        const double x1 = r.xMin + (r.xMax - r.xMin) * i / kTheoryPieces;
        const double next = TheoreticalAmplitude(setup, x1);
        box.Line(x0, std::min(previous, r.yMax), x1, std::min(next, r.yMax), kTheoryColour);
        previous = next;
    }
    Polyline(box, upward, kMeasuredColour);
    Polyline(box, downward, kDownwardColour);
}

void DrawPoincareSection(PictureSurface& box, const std::vector<Motion>& points,
                         const PlotTexts& texts)
{
    double low = 0;
    double high = 0;
    for (const Motion& p : points) {
        low = std::min(low, p.speed);
        high = std::max(high, p.speed);
    }
    const double margin = std::max((high - low) * 0.05, 0.1);
    DrawFrame(box, {-kPi, kPi, low - margin, high + margin}, texts);
    // Two pixels across: a period-1 section is a single point, and must show.
    box.SetDrawWidth(2);
    for (const Motion& p : points)
        box.PSet(p.angle, p.speed, kMeasuredColour);
    box.SetDrawWidth(1);
}

void DrawBifurcationDiagram(PictureSurface& box, const std::vector<BifurcationColumn>& columns,
                            double gammaFrom, double gammaTo, const PlotTexts& texts)
{
    DrawFrame(box, {std::min(gammaFrom, gammaTo), std::max(gammaFrom, gammaTo), -kPi, kPi}, texts);
    for (const BifurcationColumn& column : columns) {
        for (double angle : column.angles)
            box.PSet(column.gamma, angle, kBlack);
    }
}

void DrawSeparation(PictureSurface& box, const std::vector<SeparationSample>& samples,
                    const PlotTexts& texts)
{
    constexpr double kFloor = 1e-16;
    Range r{0, samples.empty() ? 1 : samples.back().time, -10, 1, true};
    for (const SeparationSample& s : samples) {
        const double y = std::log10(std::max(s.distance, kFloor));
        r.yMin = std::min(r.yMin, std::floor(y));
        r.yMax = std::max(r.yMax, std::ceil(y));
    }
    DrawFrame(box, r, texts);
    for (std::size_t i = 1; i < samples.size(); ++i) {
        box.Line(samples[i - 1].time, std::log10(std::max(samples[i - 1].distance, kFloor)),
                 samples[i].time, std::log10(std::max(samples[i].distance, kFloor)),
                 kMeasuredColour);
    }
}

} // namespace kestrova
