#include "plot/pendulum_figure.h"

#include <cmath>

namespace kestrova {

namespace {

constexpr double kRodLength = 8;   ///< user units
constexpr double kAxisHalf = 10;   ///< user units, the half-size of the box
constexpr double kBobRadius = 0.5; ///< user units
constexpr int kRodWidth = 3;       ///< pixels
constexpr Colour kBlack = 0;
constexpr Colour kRed = 0xFF;

} // namespace

void DrawPendulum(PictureSurface& picPendule, double angle)
{
    // The axes stand still: drawn once, then each frame only puts back
    // what the rod and the bob covered.
    picPendule.EraseToBackdrop([&picPendule] {
        picPendule.SetDrawStyle(kDashed);
        picPendule.Line(0, kAxisHalf, 0, -kAxisHalf, kBlack);
        picPendule.Line(-kAxisHalf, 0, kAxisHalf, 0, kBlack);
    });

    // The bob centre, computed in double and handed over in single
    // precision like every coordinate of the figure.
    const auto x = static_cast<float>(std::sin(angle) * kRodLength);
    const auto y = static_cast<float>(std::cos(angle) * -kRodLength);

    picPendule.SetDrawStyle(kSolid);
    picPendule.SetDrawWidth(kRodWidth);
    picPendule.Line(0, 0, x, y, kBlack);
    picPendule.SetFillStyle(kFillSolid);
    picPendule.SetFillColor(kRed);
    picPendule.SetDrawWidth(1);
    picPendule.Circle(x, y, kBobRadius, kRed);
}

} // namespace kestrova
