#include "model/measured_series.h"

#include "model/translatable_text.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <numbers>

namespace kestrova {
namespace {

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

bool Contains(const std::string& s, std::string_view part)
{
    return s.find(part) != std::string::npos;
}

double Spread(const std::vector<double>& column)
{
    double sum = 0, sum2 = 0;
    std::size_t n = 0;
    for (const double v : column)
        if (!std::isnan(v)) {
            sum += v;
            sum2 += v * v;
            ++n;
        }
    return n < 2 ? 0 : sum2 / n - (sum / n) * (sum / n);
}

/// How a pendulum's angle follows from the bob's position, y upwards.
double AngleFromPosition(double x, double y, const SeriesPick& pick)
{
    return std::atan2(x - pick.pivotX, pick.pivotY - y);
}

} // namespace

SeriesPick ProposedPick(const MeasurementTable& table)
{
    SeriesPick pick;
    const std::size_t n = table.columns.size();
    std::vector<std::string> names(n), units(n);
    for (std::size_t c = 0; c < n; ++c) {
        names[c] = Lower(table.names[c]);
        units[c] = Lower(table.units[c]);
    }
    for (std::size_t c = 0; c < n; ++c)
        if (names[c] == "t" || Contains(names[c], "time") || Contains(names[c], "temps")
            || units[c] == "s") {
            pick.timeColumn = c;
            break;
        }
    const auto other = [&](std::size_t c) { return c != pick.timeColumn; };
    // A gyroscope: the axis that varies most.
    const auto isSpeed = [&](std::size_t c) {
        return Contains(units[c], "/s") || Contains(units[c], "s-1") || Contains(names[c], "gyro")
            || Contains(names[c], "rotation") || Contains(names[c], "omega");
    };
    std::size_t speedColumn = n;
    for (std::size_t c = 0; c < n; ++c)
        if (other(c) && isSpeed(c) && !Contains(names[c], "abs"))
            if (speedColumn == n || Spread(table.columns[c]) > Spread(table.columns[speedColumn]))
                speedColumn = c;
    std::size_t xColumn = n, yColumn = n, angleColumn = n;
    for (std::size_t c = 0; c < n; ++c) {
        if (!other(c) || isSpeed(c))
            continue;
        if (names[c] == "x" && xColumn == n)
            xColumn = c;
        else if (names[c] == "y" && yColumn == n)
            yColumn = c;
        else if (angleColumn == n
                 && (Contains(names[c], "θ") || Contains(names[c], "theta")
                     || Contains(names[c], "angle") || Contains(units[c], "rad")
                     || Contains(units[c], "°") || Contains(units[c], "deg")))
            angleColumn = c;
    }
    if (angleColumn != n) {
        pick.column = angleColumn;
        pick.quantity = Contains(units[angleColumn], "rad") ? MeasuredQuantity::AngleRadians
                                                            : MeasuredQuantity::AngleDegrees;
    } else if (speedColumn != n) {
        pick.column = speedColumn;
        pick.quantity = MeasuredQuantity::AngularSpeed;
    } else if (xColumn != n && yColumn != n) {
        pick.quantity = MeasuredQuantity::Positions;
        pick.column = xColumn;
        pick.yColumn = yColumn;
    } else {
        pick.column = pick.timeColumn == 0 ? std::min<std::size_t>(1, n - 1) : 0;
    }
    return pick;
}

SeriesReading MakeSeries(const MeasurementTable& table, const SeriesPick& pick,
                         const std::vector<RecordingPause>& pauses)
{
    SeriesReading reading;
    const std::size_t n = table.columns.size();
    const bool positions = pick.quantity == MeasuredQuantity::Positions;
    if (pick.timeColumn >= n || pick.column >= n || (positions && pick.yColumn >= n)) {
        reading.refusal =
            KESTROVA_TRANSLATABLE("kestrova::MeasurementImport", "Cette colonne n'existe pas.");
        return reading;
    }
    MeasuredSeries& s = reading.series;
    s.speed = pick.quantity == MeasuredQuantity::AngularSpeed;
    const auto& times = table.columns[pick.timeColumn];
    const auto& values = table.columns[pick.column];
    for (std::size_t r = 0; r < table.RowCount(); ++r) {
        double t = times[r];
        for (const RecordingPause& pause : pauses)
            if (t > pause.at)
                t += pause.seconds;
        double v = values[r];
        if (positions)
            v = AngleFromPosition(v, table.columns[pick.yColumn][r], pick);
        else if (pick.quantity == MeasuredQuantity::AngleDegrees)
            v *= std::numbers::pi / 180;
        if (std::isnan(t) || std::isnan(v))
            continue;
        if (!s.time.empty() && t <= s.time.back()) {
            reading.refusal = t == s.time.back()
                ? KESTROVA_TRANSLATABLE("kestrova::MeasurementImport",
                                        "Ligne de mesures %1 : le temps se répète.")
                : KESTROVA_TRANSLATABLE("kestrova::MeasurementImport",
                                        "Ligne de mesures %1 : le temps recule.");
            reading.row = r + 1;
            reading.series = {};
            return reading;
        }
        s.time.push_back(t);
        s.value.push_back(v);
    }
    if (s.time.size() < 2) {
        reading.refusal = KESTROVA_TRANSLATABLE(
            "kestrova::MeasurementImport", "Ces colonnes ont moins de deux mesures complètes.");
        reading.series = {};
        return reading;
    }
    // A pause: a step more than five times the usual (median) one.
    std::vector<double> steps(s.time.size() - 1);
    for (std::size_t i = 0; i + 1 < s.time.size(); ++i)
        steps[i] = s.time[i + 1] - s.time[i];
    std::vector<double> sorted = steps;
    std::nth_element(sorted.begin(), sorted.begin() + static_cast<long>(sorted.size() / 2),
                     sorted.end());
    const double usual = sorted[sorted.size() / 2];
    for (std::size_t i = 0; i < steps.size(); ++i)
        if (steps[i] > 5 * usual)
            s.pauses.push_back(s.time[i]);
    // And every pause the recorder told of, however short.
    for (const RecordingPause& pause : pauses) {
        double at = pause.at;
        for (const RecordingPause& earlier : pauses)
            if (earlier.at < pause.at)
                at += earlier.seconds;
        const auto after = std::upper_bound(s.time.begin(), s.time.end(), at);
        if (after != s.time.begin() && after != s.time.end())
            s.pauses.push_back(*(after - 1));
    }
    std::sort(s.pauses.begin(), s.pauses.end());
    s.pauses.erase(std::unique(s.pauses.begin(), s.pauses.end()), s.pauses.end());
    return reading;
}

SampleSpan LongestUnbrokenSpan(const MeasuredSeries& series)
{
    SampleSpan best{0, 0};
    std::size_t start = 0;
    std::size_t pause = 0;
    const std::size_t n = series.time.size();
    for (std::size_t i = 0; i < n; ++i) {
        while (pause < series.pauses.size() && series.pauses[pause] < series.time[i])
            ++pause;
        const bool breaksAfter = i + 1 == n
            || (pause < series.pauses.size() && series.pauses[pause] < series.time[i + 1]);
        if (breaksAfter) {
            if (n > 0 && i - start > best.last - best.first)
                best = {start, i};
            start = i + 1;
        }
    }
    return best;
}

bool SeriesSound(const MeasuredSeries& s)
{
    if (s.time.size() != s.value.size() || s.time.size() < 2
        || s.time.size() > kLessonMeasurementMaxSamples)
        return false;
    for (std::size_t i = 0; i < s.time.size(); ++i)
        if (!std::isfinite(s.time[i]) || !std::isfinite(s.value[i])
            || (i > 0 && !(s.time[i] > s.time[i - 1])))
            return false;
    return std::all_of(s.pauses.begin(), s.pauses.end(), [&](double p) {
        return std::binary_search(s.time.begin(), s.time.end(), p);
    });
}

} // namespace kestrova
