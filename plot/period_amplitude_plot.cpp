#include "plot/period_amplitude_plot.h"

#include "model/pendulum_state.h"
#include "plot/graduation_text.h"

#include <algorithm>

#include <string_view>
#include <utility>

namespace kestrova {

namespace {

constexpr double kLargestDegrees = 180;
constexpr double kDegreesStep = 30;
constexpr double kLowestRatio = 1;
constexpr double kHighestRatio = 4;
constexpr double kRatioStep = 0.5; // a label on every other line: whole numbers only
// The exact curve stops one degree short of the top, where it leaves for infinity.
constexpr double kLastCurveDegrees = 179;

constexpr Colour kFrameColour = 0;
constexpr Colour kExactColour = Rgb(0, 0, 200);
constexpr Colour kBordaColour = Rgb(0, 140, 0);
constexpr Colour kSweptColour = Rgb(0, 0, 200);
constexpr Colour kEarlierRunColour = Rgb(150, 0, 150);
constexpr Colour kThisRunColour = Rgb(255, 0, 0);

constexpr double kPointRadius = 2.5; // pixels
constexpr double kThisRunRadius = 4; // pixels

/// Degrees across and T/T₀ upwards, with room in pixels around the frame
/// for the labels and titles.
void FitScale(PictureSurface& box)
{
    box.SetScaleMode(kScalePixels);
    const double w = box.ScaleWidth();
    const double h = box.ScaleHeight();
    const double line = box.TextHeight("0");
    const double left = box.TextWidth("4") + 10;
    const double right = w - box.TextWidth("180") / 2 - 2;
    const double top = 1.5 * line;
    const double bottom = h - 2.9 * line;
    const double perPixelX = kLargestDegrees / (right - left);
    const double perPixelY = (kHighestRatio - kLowestRatio) / (bottom - top);
    box.Scale(-left * perPixelX, kHighestRatio + top * perPixelY,
              kLargestDegrees + (w - right) * perPixelX, kLowestRatio - (h - bottom) * perPixelY);
}

void PrintAt(PictureSurface& box, double x, double y, std::string_view text, Colour colour)
{
    box.SetForeColor(colour);
    box.SetCurrentX(x);
    box.SetCurrentY(y);
    box.Print(text);
}

/// The legend in the top-left corner of the frame, in user units.
struct LegendPlace {
    double markX = 0, textX = 0; ///< left of the marks and of the texts
    double top = 0;              ///< top of the first entry
    double lineHeight = 0;
    double right = 0, bottom = 0; ///< the corner the grid leaves free
};

constexpr int kLegendEntries = 5;

LegendPlace PlaceLegend(const PictureSurface& box, const PeriodAmplitudeTexts& texts)
{
    const double pixelX = box.FromPixelX(1) - box.FromPixelX(0);
    LegendPlace place;
    place.lineHeight = -box.TextHeight("0"); // y points up
    place.markX = 6 * pixelX;
    place.textX = place.markX + 14 * pixelX;
    place.top = kHighestRatio - 0.3 * place.lineHeight;
    double widest = 0;
    for (const std::string* text :
         {&texts.exact, &texts.borda, &texts.swept, &texts.earlierRuns, &texts.thisRun})
        widest = std::max(widest, box.TextWidth(*text));
    place.right = place.textX + widest + 4 * pixelX;
    place.bottom = place.top - (kLegendEntries + 0.2) * place.lineHeight;
    return place;
}

void DrawFrame(PictureSurface& box, const PeriodAmplitudeTexts& texts, const LegendPlace& legend)
{
    const double pixelX = box.FromPixelX(1) - box.FromPixelX(0);
    const double lineHeight = legend.lineHeight;
    // The dotted grid stops short of the legend, as the other plots' grids
    // stop short of their labels.
    box.SetDrawStyle(kDotted);
    for (double d = kDegreesStep; d < kLargestDegrees; d += kDegreesStep)
        box.Line(d, kLowestRatio, d, d < legend.right ? legend.bottom : kHighestRatio,
                 kFrameColour);
    for (double r = kLowestRatio + kRatioStep; r < kHighestRatio; r += kRatioStep)
        box.Line(r > legend.bottom ? legend.right : 0, r, kLargestDegrees, r, kFrameColour);
    box.SetDrawStyle(kSolid);
    box.LineBox(0, kHighestRatio, kLargestDegrees, kLowestRatio, kFrameColour);

    for (double d = 0; d <= kLargestDegrees; d += kDegreesStep) {
        const std::string s = GraduationText(d);
        PrintAt(box, d - box.TextWidth(s) / 2, kLowestRatio - 0.3 * lineHeight, s, kFrameColour);
    }
    for (double r = kLowestRatio; r <= kHighestRatio; r += 1) {
        const std::string s = GraduationText(r);
        PrintAt(box, -box.TextWidth(s) - 6 * pixelX, r + lineHeight / 2, s, kFrameColour);
    }
    PrintAt(box, (kLargestDegrees - box.TextWidth(texts.amplitudeAxis)) / 2,
            kLowestRatio - 1.5 * lineHeight, texts.amplitudeAxis, kFrameColour);
    PrintAt(box, -box.TextWidth("4"), kHighestRatio + 1.4 * lineHeight, texts.ratioAxis,
            kFrameColour);
}

void DrawCurves(PictureSurface& box)
{
    box.SetDrawWidth(2);
    for (double d = 1; d <= kLastCurveDegrees; d += 1)
        box.Line(d - 1, ExactPeriodRatio((d - 1) * DegToRad), d, ExactPeriodRatio(d * DegToRad),
                 kExactColour);
    for (double d = 2; d <= kLargestDegrees; d += 2)
        box.Line(d - 2, BordaPeriodRatio((d - 2) * DegToRad), d, BordaPeriodRatio(d * DegToRad),
                 kBordaColour);
    box.SetDrawWidth(1);
}

/// A small circle at (x, y) in user units, its radius in pixels.
void DrawMark(PictureSurface& box, double x, double y, double radiusPixels, Colour colour,
              bool filled)
{
    const double radius = radiusPixels * (box.FromPixelX(1) - box.FromPixelX(0));
    box.SetFillStyle(filled ? kFillSolid : kFillTransparent);
    box.SetFillColor(colour);
    box.Circle(x, y, radius, colour);
}

void DrawPoint(PictureSurface& box, const PeriodPoint& p, double radiusPixels, Colour colour,
               bool filled)
{
    DrawMark(box, p.amplitude / DegToRad, p.ratio, radiusPixels, colour, filled);
}

void DrawLegend(PictureSurface& box, const PeriodAmplitudeTexts& texts, const LegendPlace& place)
{
    enum Mark { kCurve, kHollow, kFilled };
    struct Entry {
        const std::string& text;
        Colour colour;
        Mark mark;
    };
    const double pixelX = box.FromPixelX(1) - box.FromPixelX(0);
    double y = place.top;
    for (const Entry& e :
         {Entry{texts.exact, kExactColour, kCurve}, Entry{texts.borda, kBordaColour, kCurve},
          Entry{texts.swept, kSweptColour, kHollow},
          Entry{texts.earlierRuns, kEarlierRunColour, kFilled},
          Entry{texts.thisRun, kThisRunColour, kFilled}}) {
        const double middle = y - place.lineHeight / 2;
        if (e.mark == kCurve) {
            box.SetDrawWidth(2);
            box.Line(place.markX, middle, place.markX + 10 * pixelX, middle, e.colour);
            box.SetDrawWidth(1);
        } else {
            DrawMark(box, place.markX + 5 * pixelX, middle, kPointRadius, e.colour,
                     e.mark == kFilled);
        }
        PrintAt(box, place.textX, y, e.text, e.colour);
        y -= place.lineHeight;
    }
}

} // namespace

void DrawPeriodAmplitudePlot(PictureSurface& box, const PeriodAmplitudePoints& points,
                             const PeriodAmplitudeTexts& texts)
{
    box.Cls();
    UseLabelFont(box);
    FitScale(box);
    const LegendPlace legend = PlaceLegend(box, texts);
    DrawFrame(box, texts, legend);
    DrawCurves(box);
    for (const PeriodPoint& p : points.swept)
        DrawPoint(box, p, kPointRadius, kSweptColour, false);
    for (const PeriodPoint& p : points.earlierRuns)
        DrawPoint(box, p, kPointRadius, kEarlierRunColour, true);
    if (points.thisRun)
        DrawPoint(box, *points.thisRun, kThisRunRadius, kThisRunColour, true);
    DrawLegend(box, texts, legend);
    box.SetForeColor(kFrameColour);
    box.SetFillStyle(kFillTransparent);
}

} // namespace kestrova
