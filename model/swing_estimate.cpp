#include "model/swing_estimate.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace kestrova {

SwingEstimate EstimateSwing(std::span<const double> t, std::span<const double> value, bool speed)
{
    SwingEstimate e;
    const std::size_t n = std::min(t.size(), value.size());
    if (n < 8)
        return e;
    // The offset: the mean over whole swings is near the resting value; an
    // angle swings about zero.
    double mean = 0;
    for (std::size_t i = 0; i < n; ++i)
        mean += value[i];
    mean /= static_cast<double>(n);

    // The noise, from the samples' second differences, where a swing
    // sampled finely enough barely shows: their median, robust to a pause.
    std::vector<double> bends(n - 2);
    for (std::size_t i = 1; i + 1 < n; ++i)
        bends[i - 1] = std::abs(value[i + 1] - 2 * value[i] + value[i - 1]);
    std::nth_element(bends.begin(), bends.begin() + static_cast<long>(bends.size() / 2),
                     bends.end());
    const double noise = bends[bends.size() / 2] / 1.652; // median |N(0, 6σ²)| = 1.652σ
    // Upward crossings of the mean, interpolated; the peak between two. A
    // crossing counts once the swing has been clearly below the mean: the
    // noise of a finely sampled sensor crosses it many times over.
    const double below = 4 * noise;
    std::vector<double> crossings, peakTimes, peaks;
    double peak = 0, peakTime = 0;
    bool armed = true;
    for (std::size_t i = 1; i < n; ++i) {
        const double a = value[i - 1] - mean, b = value[i] - mean;
        if (std::abs(b) > peak) {
            peak = std::abs(b);
            peakTime = t[i];
        }
        armed = armed || a < -below;
        if (armed && a < 0 && b >= 0) {
            armed = false;
            crossings.push_back(t[i - 1] + (t[i] - t[i - 1]) * (-a) / (b - a));
            if (crossings.size() >= 2 && peak > 0) {
                peaks.push_back(peak);
                peakTimes.push_back(peakTime);
            }
            peak = 0;
        }
    }
    if (crossings.size() < 3)
        return e;
    const double period =
        (crossings.back() - crossings.front()) / static_cast<double>(crossings.size() - 1);
    const double omegaD = 2 * std::numbers::pi / period;

    // λ: minus the slope of ln(peak) against time, least squares.
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (std::size_t k = 0; k < peaks.size(); ++k) {
        const double x = peakTimes[k], y = std::log(peaks[k]);
        sx += x;
        sy += y;
        sxx += x * x;
        sxy += x * y;
    }
    const auto m = static_cast<double>(peaks.size());
    const double denominator = m * sxx - sx * sx;
    e.lambda = peaks.size() >= 2 && denominator > 0
        ? std::max(0.0, -(m * sxy - sx * sy) / denominator)
        : 0;

    // A wide swing is slower than a small one: the first-order correction.
    const double firstPeak = peaks.front();
    const double amplitude = std::min(speed ? firstPeak / omegaD : firstPeak, 2.5);
    e.omega0 = std::sqrt(omegaD * omegaD + e.lambda * e.lambda) / (1 - amplitude * amplitude / 16);
    e.offset = speed ? mean : 0;

    // The state at the first sample, from a few samples' differences.
    const std::size_t k = std::min<std::size_t>(2, n - 1);
    const double slope = (value[k] - value[0]) / (t[k] - t[0]);
    if (speed) {
        e.speed = value[0] - e.offset;
        const double sine = -(slope + 2 * e.lambda * e.speed) / (e.omega0 * e.omega0);
        e.angle = std::asin(std::clamp(sine, -1.0, 1.0));
    } else {
        e.angle = value[0];
        e.speed = slope;
    }
    e.found = std::isfinite(e.omega0) && e.omega0 > 0;
    return e;
}

} // namespace kestrova
