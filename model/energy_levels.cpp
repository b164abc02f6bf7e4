#include "model/energy_levels.h"

#include "model/energy.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kestrova {

namespace {

// Samples around a closed loop: a multiple of 4, so that the two turning
// points (θ' = 0) and the two crossings of θ = 0 are samples themselves.
constexpr int kLoopSamples = 96;
// Samples along each branch of a curve of rotation.
constexpr int kBranchSamples = 64;
// Halvings of the parameter step that find where a curve leaves the range:
// far below a pixel.
constexpr int kBisections = 60;

constexpr double kTurn = std::numbers::pi;

/// Walks a curve given by a parameter u (every point(u) on the level) over
/// the parameters us, and cuts it into the pieces that lie inside the range.
template <typename Point>
void CollectInside(const Point& point, const std::vector<double>& us, const PhaseRange& range,
                   std::vector<PhasePolyline>& pieces)
{
    PhasePolyline piece;
    double uPrev = us.front();
    bool prevInside = range.Contains(point(uPrev));
    if (prevInside)
        piece.push_back(point(uPrev));
    for (std::size_t i = 1; i < us.size(); ++i) {
        const double u = us[i];
        const Motion m = point(u);
        const bool inside = range.Contains(m);
        if (inside != prevInside) {
            // The border crossing, kept on the curve: bisect the parameter,
            // keeping the end that lies inside.
            double in = prevInside ? uPrev : u;
            double out = prevInside ? u : uPrev;
            for (int k = 0; k < kBisections; ++k) {
                const double mid = (in + out) / 2;
                (range.Contains(point(mid)) ? in : out) = mid;
            }
            piece.push_back(point(in));
            if (prevInside) {
                if (piece.size() >= 2)
                    pieces.push_back(std::move(piece));
                piece = {};
            }
        }
        if (inside)
            piece.push_back(m);
        uPrev = u;
        prevInside = inside;
    }
    if (piece.size() >= 2)
        pieces.push_back(std::move(piece));
}

/// A loop of libration (k < 1) or the separatrix (k = 1), in the classical
/// parameter u: sin(θ/2) = k·sin u, θ' = 2ω₀k·cos u, so that
/// ½θ'² + 2ω₀² sin²(θ/2) = 2ω₀²k² for every u, turning points included.
void AddLoop(double k, double naturalPulsation, const PhaseRange& range,
             std::vector<PhasePolyline>& pieces)
{
    const auto point = [&](double u) {
        return Motion{2 * std::asin(k * std::sin(u)), 2 * naturalPulsation * k * std::cos(u)};
    };
    std::vector<double> us(kLoopSamples);
    for (int i = 0; i < kLoopSamples; ++i)
        us[static_cast<std::size_t>(i)] = 2 * kTurn * (static_cast<double>(i) / kLoopSamples);

    const auto outside =
        std::find_if(us.begin(), us.end(), [&](double u) { return !range.Contains(point(u)); });
    if (outside == us.end()) { // the whole loop is seen: one piece, closed on its first point
        CollectInside(point, us, range, pieces);
        pieces.back().push_back(pieces.back().front());
        return;
    }
    // Start and end outside, so that no piece is cut in two.
    std::rotate(us.begin(), outside, us.end());
    for (auto it = us.end() - (outside - us.begin()); it != us.end(); ++it)
        *it += 2 * kTurn;
    us.push_back(us.front() + 2 * kTurn);
    CollectInside(point, us, range, pieces);
}

/// The two branches of rotation (E > 2ω₀²), θ' never 0, over one turn.
void AddRotation(double energy, double Pulsation2, const PhaseRange& range,
                 std::vector<PhasePolyline>& pieces)
{
    const double from = std::max(range.angleMin, -kTurn);
    const double to = std::min(range.angleMax, kTurn);
    if (!(from < to))
        return;
    std::vector<double> us(kBranchSamples + 1);
    for (int i = 0; i <= kBranchSamples; ++i)
        us[static_cast<std::size_t>(i)] =
            from + (to - from) * (static_cast<double>(i) / kBranchSamples);
    for (const double sign : {1.0, -1.0}) {
        const auto point = [&](double angle) {
            const double kinetic = energy - EnergyOf({angle, 0}, Pulsation2).Total();
            return Motion{angle, sign * std::sqrt(2 * std::max(kinetic, 0.0))};
        };
        CollectInside(point, us, range, pieces);
    }
}

bool Usable(double Pulsation2, const PhaseRange& r)
{
    return Pulsation2 > 0 && std::isfinite(Pulsation2) && r.angleMin < r.angleMax
        && r.speedMin < r.speedMax && std::isfinite(r.angleMax - r.angleMin)
        && std::isfinite(r.speedMax - r.speedMin);
}

} // namespace

std::vector<EnergyLevel> EnergyLevelsFor(double Pulsation2, const PhaseRange& range, int count)
{
    std::vector<EnergyLevel> levels;
    if (!Usable(Pulsation2, range) || count < 1)
        return levels;
    // The energy grows with |θ| (up to π) and with |θ'|: its largest value
    // in the range is at the corner farthest on both axes.
    const double angle =
        std::min(std::max(std::fabs(range.angleMin), std::fabs(range.angleMax)), kTurn);
    const double speed = std::max(std::fabs(range.speedMin), std::fabs(range.speedMax));
    const double highest = EnergyOf({angle, speed}, Pulsation2).Total();
    for (int i = 1; i <= count; ++i) {
        const double f = static_cast<double>(i) / (count + 1);
        levels.push_back({highest * f * f, false});
    }
    const double separatrix = EnergyOf({kTurn, 0}, Pulsation2).Total();
    if (separatrix < highest)
        levels.push_back({separatrix, true});
    return levels;
}

std::vector<PhasePolyline> EnergyLevelCurve(double energy, double Pulsation2,
                                            const PhaseRange& range)
{
    std::vector<PhasePolyline> pieces;
    if (!Usable(Pulsation2, range) || !(energy > 0) || !std::isfinite(energy))
        return pieces;
    const double k = std::sqrt(energy / (2 * Pulsation2));
    if (k <= 1)
        AddLoop(k, std::sqrt(Pulsation2), range, pieces);
    else
        AddRotation(energy, Pulsation2, range, pieces);
    return pieces;
}

} // namespace kestrova
