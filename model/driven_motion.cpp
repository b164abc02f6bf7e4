#include "model/driven_motion.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kestrova {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
/// Largest phase any rate of the motion may turn through in one step (rad).
constexpr double kPhasePerStep = 0.025;
/// Smallest side of the box OccupiedCells divides (rad, rad/s).
constexpr double kSmallestBox = 1e-3;

} // namespace

int StepsPerPeriod(const DrivenSetup& setup)
{
    const double period = kTwoPi / setup.drivePulsation;
    const double fastest = std::max({setup.pulsation, 2 * setup.lambda, setup.drivePulsation});
    const double steps = std::ceil(period * fastest / kPhasePerStep);
    // Bounded so that a nonsense setup cannot ask for a huge table.
    return static_cast<int>(std::clamp(steps, 64.0, 1e6));
}

DrivenMotion::DrivenMotion(const DrivenSetup& setup, int stepsPerPeriod)
    : setup_(setup)
    , steps_(stepsPerPeriod > 0 ? stepsPerPeriod : StepsPerPeriod(setup))
    , h_(kTwoPi / setup.drivePulsation / steps_)
    , pulsation2_(setup.pulsation * setup.pulsation)
    , minusTwoLambda_(-2 * setup.lambda)
    , state_{setup.teta0, setup.omega0}
{
    // Ω·(k·h/2) = π·k/steps: the table is the same for every Ω.
    const double force = setup.gamma * pulsation2_;
    drive_.resize(2 * static_cast<std::size_t>(steps_) + 1);
    for (std::size_t k = 0; k < drive_.size(); ++k)
        drive_[k] = force * std::cos(std::numbers::pi * static_cast<double>(k) / steps_);
}

void DrivenMotion::Step()
{
    const std::size_t k = 2 * static_cast<std::size_t>(phaseStep_);
    const double f0 = drive_[k];
    const double fHalf = drive_[k + 1];
    const double f1 = drive_[k + 2];
    const double h = h_;
    const double a = state_.angle;
    const double w = state_.speed;

    const double k1t = w;
    const double k1w = minusTwoLambda_ * w - pulsation2_ * std::sin(a) + f0;
    const double w2 = w + h / 2 * k1w;
    const double k2w = minusTwoLambda_ * w2 - pulsation2_ * std::sin(a + h / 2 * k1t) + fHalf;
    const double w3 = w + h / 2 * k2w;
    const double k3w = minusTwoLambda_ * w3 - pulsation2_ * std::sin(a + h / 2 * w2) + fHalf;
    const double w4 = w + h * k3w;
    const double k4w = minusTwoLambda_ * w4 - pulsation2_ * std::sin(a + h * w3) + f1;

    state_.angle = a + h / 6 * (k1t + 2 * w2 + 2 * w3 + w4);
    state_.speed = w + h / 6 * (k1w + 2 * k2w + 2 * k3w + k4w);
    if (++phaseStep_ == steps_) {
        phaseStep_ = 0;
        ++periods_;
    }
}

Motion DrivenMotion::StateAfter(double seconds) const
{
    const double force = setup_.gamma * pulsation2_;
    const double start = phaseStep_ * h_; // the drive repeats every period
    const double omega = setup_.drivePulsation;
    auto acceleration = [&](double angle, double speed, double at) {
        return minusTwoLambda_ * speed - pulsation2_ * std::sin(angle)
            + force * std::cos(omega * (start + at));
    };
    const double h = seconds;
    const double a = state_.angle;
    const double w = state_.speed;
    const double k1w = acceleration(a, w, 0);
    const double w2 = w + h / 2 * k1w;
    const double k2w = acceleration(a + h / 2 * w, w2, h / 2);
    const double w3 = w + h / 2 * k2w;
    const double k3w = acceleration(a + h / 2 * w2, w3, h / 2);
    const double w4 = w + h * k3w;
    const double k4w = acceleration(a + h * w3, w4, h);
    return {a + h / 6 * (w + 2 * w2 + 2 * w3 + w4), w + h / 6 * (k1w + 2 * k2w + 2 * k3w + k4w)};
}

void DrivenMotion::FinishPeriod()
{
    do
        Step();
    while (phaseStep_ != 0);
}

void DrivenMotion::AdvancePeriods(int periods)
{
    for (int p = 0; p < periods; ++p)
        FinishPeriod();
}

double DrivenMotion::Time() const
{
    return (static_cast<double>(periods_) * steps_ + phaseStep_) * h_;
}

SteadyResponse MeasureSteady(const DrivenSetup& setup, Motion start, int maxPeriods)
{
    DrivenMotion motion(setup);
    motion.SetState(start);
    const double omega = setup.drivePulsation;
    auto gap = [omega](Motion a, Motion b) {
        return std::abs(std::remainder(a.angle - b.angle, kTwoPi))
            + std::abs(a.speed - b.speed) / omega;
    };

    SteadyResponse response;
    Motion before = motion.State();
    for (; response.periods < maxPeriods; ++response.periods) {
        motion.FinishPeriod();
        const Motion after = motion.State();
        const double scale = std::max(std::abs(after.angle) + std::abs(after.speed) / omega, 1e-3);
        const bool repeats = gap(before, after) < 1e-6 * scale;
        before = after;
        if (repeats) {
            response.settled = true;
            ++response.periods;
            break;
        }
    }

    // One more period: the swing, and the fundamental for the phase.
    const int n = motion.StepsInPeriod();
    double low = motion.State().angle;
    double high = low;
    double inPhase = 0;
    double quadrature = 0;
    for (int k = 0; k < n; ++k) {
        const double angle = motion.State().angle;
        const double phase = kTwoPi * k / n;
        inPhase += angle * std::cos(phase);
        quadrature += angle * std::sin(phase);
        motion.Step();
        low = std::min(low, motion.State().angle);
        high = std::max(high, motion.State().angle);
    }
    response.amplitude = (high - low) / 2;
    // θ ≈ A·cos(Ωt − φ) = A cos φ cos Ωt + A sin φ sin Ωt.
    const double lag = std::atan2(quadrature, inPhase);
    response.phaseLag = lag < 0 ? lag + kTwoPi : lag;
    response.end = motion.State();
    return response;
}

std::vector<Motion> PoincareSection(const DrivenSetup& setup, int transientPeriods, int count,
                                    int stepsPerPeriod)
{
    DrivenMotion motion(setup, stepsPerPeriod);
    motion.AdvancePeriods(transientPeriods);
    std::vector<Motion> points;
    points.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        points.push_back({WrapAngle(motion.State().angle), motion.State().speed});
        motion.FinishPeriod();
    }
    return points;
}

int OccupiedCells(const std::vector<Motion>& points, int grid)
{
    if (points.empty() || grid <= 0)
        return 0;
    auto [angleLow, angleHigh] = std::minmax_element(
        points.begin(), points.end(), [](Motion a, Motion b) { return a.angle < b.angle; });
    auto [speedLow, speedHigh] = std::minmax_element(
        points.begin(), points.end(), [](Motion a, Motion b) { return a.speed < b.speed; });
    const Motion low{angleLow->angle, speedLow->speed};
    // A floor on the box: the rounding scatter of a repeated point is not spread.
    const Motion span{std::max(angleHigh->angle - low.angle, kSmallestBox),
                      std::max(speedHigh->speed - low.speed, kSmallestBox)};
    std::vector<bool> used(static_cast<std::size_t>(grid) * grid);
    auto cell = [grid](double fraction) {
        return std::clamp(static_cast<int>(fraction * grid), 0, grid - 1);
    };
    for (const Motion& p : points) {
        const int column = cell((p.angle - low.angle) / span.angle);
        const int row = cell((p.speed - low.speed) / span.speed);
        used[static_cast<std::size_t>(row) * grid + column] = true;
    }
    return static_cast<int>(std::count(used.begin(), used.end(), true));
}

int DistinctPoints(const std::vector<Motion>& points, double pulsation, double tolerance)
{
    std::vector<Motion> distinct;
    for (const Motion& p : points) {
        const bool known = std::any_of(distinct.begin(), distinct.end(), [&](Motion q) {
            return std::abs(std::remainder(p.angle - q.angle, kTwoPi)) < tolerance
                && std::abs(p.speed - q.speed) / pulsation < tolerance;
        });
        if (!known)
            distinct.push_back(p);
    }
    return static_cast<int>(distinct.size());
}

std::vector<SeparationSample> Separation(const DrivenSetup& setup, double offset, int periods,
                                         int samplesPerPeriod)
{
    DrivenSetup shifted = setup;
    shifted.teta0 += offset;
    DrivenMotion first(setup);
    DrivenMotion second(shifted, first.StepsInPeriod());
    const int n = first.StepsInPeriod();
    const int every = std::max(1, n / std::max(samplesPerPeriod, 1));

    std::vector<SeparationSample> samples;
    for (long long k = 0; k <= static_cast<long long>(periods) * n; ++k) {
        if (k % every == 0) {
            const double dAngle =
                std::remainder(first.State().angle - second.State().angle, kTwoPi);
            const double dSpeed = (first.State().speed - second.State().speed) / setup.pulsation;
            samples.push_back({first.Time(), std::hypot(dAngle, dSpeed)});
        }
        first.Step();
        second.Step();
    }
    return samples;
}

} // namespace kestrova
