#include "model/swing_trace.h"

#include <array>
#include <cmath>

namespace kestrova {
namespace {

/// The angle and the speed, followed for the derivatives by pairs of their
/// derivatives by each parameter.
template <std::size_t N>
using Flow = std::array<double, N>;

template <std::size_t N>
Flow<N> Rate(const Flow<N>& s, const SwingParameters& p)
{
    Flow<N> r;
    const double sine = std::sin(s[0]);
    const double v = s[1], size = std::abs(v), w2 = p.omega0 * p.omega0;
    r[0] = v;
    r[1] = -2 * p.lambda * v - p.mu * v * size - w2 * sine;
    if constexpr (N > 2) {
        // The motion's equation differentiated by each parameter: the same
        // linear response to the pair, driven by that parameter's own term.
        const double byAngle = -w2 * std::cos(s[0]);
        const double bySpeed = -2 * p.lambda - 2 * p.mu * size;
        const std::array<double, kSwingDerivatives> drive{-2 * p.omega0 * sine, -2 * v, 0, 0,
                                                          -v * size};
        for (std::size_t k = 0; k < kSwingDerivatives; ++k) {
            r[2 + 2 * k] = s[3 + 2 * k];
            r[3 + 2 * k] = byAngle * s[2 + 2 * k] + bySpeed * s[3 + 2 * k] + drive[k];
        }
    }
    return r;
}

/// One Runge–Kutta step from `s`, whose rate `k1` is known.
template <std::size_t N>
Flow<N> Step(const Flow<N>& s, const Flow<N>& k1, const SwingParameters& p, double h)
{
    const auto along = [&s](const Flow<N>& k, double by) {
        Flow<N> a;
        for (std::size_t c = 0; c < N; ++c)
            a[c] = s[c] + by * k[c];
        return a;
    };
    const Flow<N> k2 = Rate(along(k1, h / 2), p);
    const Flow<N> k3 = Rate(along(k2, h / 2), p);
    const Flow<N> k4 = Rate(along(k3, h), p);
    Flow<N> next;
    for (std::size_t c = 0; c < N; ++c)
        next[c] = s[c] + h / 6 * (k1[c] + 2 * k2[c] + 2 * k3[c] + k4[c]);
    return next;
}

/// Steps over `t`, calling out(i, at) for each sample, where at(c) is the
/// flow's component c interpolated to t[i].
template <std::size_t N, typename Out>
std::size_t Trace(std::span<const double> t, Flow<N> s, const SwingParameters& p, double omegaRef,
                  Out out)
{
    const double h = kTraceStepPhase / omegaRef;
    Flow<N> ds = Rate(s, p);
    const double start = t.empty() ? 0 : t[0];
    double t0 = start;
    const std::size_t maxSteps = TraceStepLimit(t.size());
    std::size_t i = 0;
    for (std::size_t k = 1; i < t.size(); ++k) {
        if (k > maxSteps)
            return i;
        const Flow<N> s1 = Step(s, ds, p, h);
        const Flow<N> ds1 = Rate(s1, p);
        for (const double c : s1)
            if (!std::isfinite(c))
                return i;
        if (std::abs(s1[0]) > 1e6)
            return i;
        for (; i < t.size() && t[i] <= t0 + h; ++i) {
            const double u = (t[i] - t0) / h, u2 = u * u, u3 = u2 * u;
            const double h00 = 2 * u3 - 3 * u2 + 1, h10 = (u3 - 2 * u2 + u) * h,
                         h01 = 3 * u2 - 2 * u3, h11 = (u3 - u2) * h;
            out(i, [&](std::size_t c) {
                return h00 * s[c] + h10 * ds[c] + h01 * s1[c] + h11 * ds1[c];
            });
        }
        s = s1;
        ds = ds1;
        t0 = start + static_cast<double>(k) * h;
    }
    return i;
}

} // namespace

std::size_t TraceStepLimit(std::size_t samples)
{
    return 50 * samples + 100'000;
}

std::size_t TraceSwing(std::span<const double> t, const SwingParameters& p, bool speed,
                       double omegaRef, std::span<double> reading)
{
    const std::size_t read = speed ? 1 : 0;
    const double offset = speed ? p.offset : 0;
    return Trace<2>(t, {p.angle, p.speed}, p, omegaRef,
                    [&](std::size_t i, const auto& at) { reading[i] = at(read) + offset; });
}

std::size_t TraceSwingDerivatives(std::span<const double> t, const SwingParameters& p, bool speed,
                                  double omegaRef, std::span<double> derivatives)
{
    Flow<2 + 2 * kSwingDerivatives> start{};
    start[0] = p.angle;
    start[1] = p.speed;
    start[2 + 2 * ByAngle] = 1;
    start[3 + 2 * BySpeed] = 1;
    const std::size_t read = speed ? 1 : 0;
    return Trace(t, start, p, omegaRef, [&](std::size_t i, const auto& at) {
        for (std::size_t k = 0; k < kSwingDerivatives; ++k)
            derivatives[i * kSwingDerivatives + k] = at(2 + 2 * k + read);
    });
}

} // namespace kestrova
