#include "plot/energy_curves.h"

#include "model/energy_levels.h"
#include "plot/plot_frames.h"

#include <cmath>
#include <vector>

namespace kestrova {

namespace {

struct Curve {
    std::vector<PhasePolyline> pieces;
    bool separatrix = false;
};

void Draw(PictureSurface& box, const std::vector<Curve>& curves)
{
    box.SetDrawStyle(kSolid);
    for (const Curve& curve : curves) {
        box.SetDrawWidth(curve.separatrix ? kSeparatrixWidth : kEnergyLevelWidth);
        const Colour colour = curve.separatrix ? kSeparatrixColour : kEnergyLevelColour;
        for (const PhasePolyline& piece : curve.pieces)
            for (std::size_t i = 0; i + 1 < piece.size(); ++i)
                box.Line(piece[i].angle, piece[i].speed, piece[i + 1].angle, piece[i + 1].speed,
                         colour);
    }
    box.SetDrawWidth(1);
}

} // namespace

void DrawEnergyCurves(const PenduleState& state, PictureSurface& box)
{
    const PlotGraduations g =
        ComputePlotGraduations(state.TetaMax, state.OmegaMax, state.DureeTrace);
    const double a = g.PhaseAngleMax * DegToRad;
    const double v = g.PhaseSpeedMax;
    if (!std::isfinite(a) || !std::isfinite(v))
        return;

    // The separatrix last, so that it stays on top.
    const PhaseRange range{-a, a, -v, v};
    std::vector<Curve> curves;
    for (const EnergyLevel& level : EnergyLevelsFor(state.Pulsation2, range))
        curves.push_back(
            {EnergyLevelCurve(level.energy, state.Pulsation2, range), level.separatrix});

    ScalePhasePlot(box, g);
    Draw(box, curves);
}

} // namespace kestrova
