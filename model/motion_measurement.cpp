#include "model/motion_measurement.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kestrova {

namespace {

// Between two samples the motion is taken as the cubic that matches θ and
// θ' at both ends. Its error grows like (ω·h)⁴/384 for a swing of pulsation
// ω sampled every h seconds: under two ten-thousandths of the swing's size,
// and so of its period, while ω·h stays below half a radian. Samples further
// apart than that (a window dragged while the animation ran) cannot place an
// event to four digits, and may even hide two crossings between them: the
// series start again.
constexpr double kMaxInterpolatedPhase = 0.5;

/// The cubic θ(s) = c0 + c1·s + c2·s² + c3·s³ for s from 0 to 1 across the
/// interval of h seconds from a to b.
void HermiteCoefficients(Motion a, Motion b, double h, double c[4])
{
    const double va = h * a.speed;
    const double vb = h * b.speed;
    c[0] = a.angle;
    c[1] = va;
    c[2] = 3 * (b.angle - a.angle) - 2 * va - vb;
    c[3] = 2 * (a.angle - b.angle) + va + vb;
}

/// The root in [0, 1] of f, whose values f0 at 0 and f1 at 1 have opposite
/// signs (or f1 is 0): Newton's method kept inside the bracket, falling back
/// on halving it when a step would leave it.
template <typename F, typename DF>
double RootInUnitInterval(F f, DF df, double f0, double f1)
{
    constexpr int kMostIterations = 60;
    constexpr double kTolerance = 1e-13;
    double below = 0; // where f has the sign of f0
    double above = 1;
    double s = f0 / (f0 - f1);
    for (int i = 0; i < kMostIterations; ++i) {
        const double v = f(s);
        if (v == 0)
            return s;
        ((v < 0) == (f0 < 0) ? below : above) = s;
        const double slope = df(s);
        double next = slope != 0 ? s - v / slope : s;
        if (!(next > std::min(below, above) && next < std::max(below, above)))
            next = (below + above) / 2;
        if (std::abs(next - s) < kTolerance)
            return next;
        s = next;
    }
    return s;
}

} // namespace

void MotionMeasurement::Series::Add(double time)
{
    if (count == 0)
        first = time;
    last = time;
    ++count;
}

void MotionMeasurement::Reset(Motion start, double Pulsation2, double time)
{
    *this = MotionMeasurement{};
    Pulsation2_ = Pulsation2;
    naturalPulsation_ = std::sqrt(std::max(Pulsation2, 0.0));
    last_ = start;
    lastTime_ = time;
    startEnergy_ = EnergyOf(start, Pulsation2);
}

void MotionMeasurement::RestartSeries()
{
    upward_ = {};
    downward_ = {};
    turns_ = {};
    firstTurnAmplitude_ = lastTurnAmplitude_ = sumTurnAmplitudes_ = 0;
    if (!steadyDone_)
        steady_ = {};
}

void MotionMeasurement::FollowSteadySwings()
{
    if (steadyDone_)
        return;
    const bool drifted = turns_.count > 0
        && std::abs(lastTurnAmplitude_ - firstTurnAmplitude_) > kSteadyDrift * firstTurnAmplitude_;
    if (drifted && SwingOf(steady_)) {
        steadyDone_ = true;
        return;
    }
    steady_ = {upward_, downward_, sumTurnAmplitudes_, turns_.count};
}

bool MotionMeasurement::Add(double time, Motion exact)
{
    if (!(time > lastTime_) || !std::isfinite(time) || !std::isfinite(exact.angle)
        || !std::isfinite(exact.speed))
        return false;
    const Motion a = last_;
    const double t0 = lastTime_;
    const double h = time - t0;
    last_ = exact;
    lastTime_ = time;
    empty_ = false;

    // An angle that jumps by more than half a turn went over the top and
    // was wrapped: neither a crossing of the vertical nor a turning point.
    if (std::abs(exact.angle - a.angle) > std::numbers::pi) {
        if (!revolving_)
            RestartSeries();
        revolving_ = true;
        return false;
    }
    const double fastest = std::max({naturalPulsation_, std::abs(a.speed), std::abs(exact.speed)});
    if (h * fastest > kMaxInterpolatedPhase) {
        RestartSeries();
        return false;
    }

    const bool upward = a.angle < 0 && exact.angle >= 0;
    const bool crossing = upward || (a.angle > 0 && exact.angle <= 0);
    const bool turning = (a.speed > 0 && exact.speed <= 0) || (a.speed < 0 && exact.speed >= 0);
    if (!crossing && !turning)
        return false;

    double c[4];
    HermiteCoefficients(a, exact, h, c);
    if (crossing)
        AddCrossing(t0, h, c, upward);
    if (turning)
        AddTurningPoint(t0, h, c);
    FollowSteadySwings();
    return true;
}

void MotionMeasurement::AddCrossing(double t0, double h, const double c[4], bool upward)
{
    const auto theta = [c](double s) { return c[0] + s * (c[1] + s * (c[2] + s * c[3])); };
    const auto slope = [c](double s) { return c[1] + s * (2 * c[2] + s * 3 * c[3]); };
    const double s = RootInUnitInterval(theta, slope, theta(0), theta(1));
    (upward ? upward_ : downward_).Add(t0 + s * h);
}

void MotionMeasurement::AddTurningPoint(double t0, double h, const double c[4])
{
    // A swing that turns back instead of going over the top: what was
    // measured while the pendulum revolved is another kind of motion.
    if (revolving_) {
        RestartSeries();
        revolving_ = false;
    }
    const auto slope = [c](double s) { return c[1] + s * (2 * c[2] + s * 3 * c[3]); };
    const auto curvature = [c](double s) { return 2 * c[2] + s * 6 * c[3]; };
    const double s = RootInUnitInterval(slope, curvature, slope(0), slope(1));
    const double amplitude = std::abs(c[0] + s * (c[1] + s * (c[2] + s * c[3])));
    if (turns_.count == 0)
        firstTurnAmplitude_ = amplitude;
    lastTurnAmplitude_ = amplitude;
    sumTurnAmplitudes_ += amplitude;
    turns_.Add(t0 + s * h);
}

std::optional<MeasuredPeriod> MotionMeasurement::Period() const
{
    // Both directions give a period each; a swinging pendulum alternates
    // them, a revolving one crosses in one direction only.
    const int intervals = upward_.Intervals() + downward_.Intervals();
    if (intervals == 0)
        return std::nullopt;
    return MeasuredPeriod{(upward_.Span() + downward_.Span()) / intervals,
                          std::max(upward_.Intervals(), downward_.Intervals()), revolving_};
}

std::optional<MeasuredDecrement> MotionMeasurement::Decrement() const
{
    const int halfSwings = turns_.Intervals();
    if (halfSwings == 0 || !(lastTurnAmplitude_ > 0) || !(turns_.Span() > 0))
        return std::nullopt;
    const double logRatio = std::log(firstTurnAmplitude_ / lastTurnAmplitude_);
    return MeasuredDecrement{2 * logRatio / halfSwings, logRatio / turns_.Span(), halfSwings};
}

std::optional<MeasuredSwing> MotionMeasurement::SwingOf(const Swings& swings)
{
    // The same mean as Period's, over the swings kept.
    const int intervals = swings.upward.Intervals() + swings.downward.Intervals();
    if (intervals == 0 || swings.turns == 0)
        return std::nullopt;
    return MeasuredSwing{(swings.upward.Span() + swings.downward.Span()) / intervals,
                         swings.sumTurnAmplitudes / swings.turns};
}

std::optional<MeasuredSwing> MotionMeasurement::SteadySwing() const
{
    return SwingOf(steady_);
}

} // namespace kestrova
