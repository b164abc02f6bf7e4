#include "model/fitted_motion.h"
#include "model/measured_series.h"
#include "model/measurement_archive.h"
#include "model/measurement_table.h"
#include "model/pendulum_fit.h"
#include "model/swing_estimate.h"
#include "model/swing_trace.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <numbers>
#include <random>
#include <sstream>
#include <string>

namespace kestrova {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct TableCase {
    const char* what;
    std::string text;
    std::vector<std::string> names, units;
    std::vector<double> secondRow; ///< NaN compares equal to NaN here
};

// Each layout the recorders write, with what the reader must make of it.
TEST(MeasurementTable, ReadsEachLayout)
{
    const TableCase cases[] = {
        {"comma and point, quoted",
         "\"Time (s)\",\"Gyroscope x (rad/s)\"\n0.0E0,1.5E-2\n2.0E-2,-1.234567890E-2\n",
         {"Time", "Gyroscope x"},
         {"s", "rad/s"},
         {0.02, -0.0123456789}},
        {"tab and comma",
         "\"Time (s)\"\t\"Rotation x (rad/s)\"\n0,0\t1,5\n2,0E-2\t-1,234567890E-2\n",
         {"Time", "Rotation x"},
         {"s", "rad/s"},
         {0.02, -0.0123456789}},
        {"semicolon and comma, a units line",
         "t;θ\ns;°\n0;12,5\n0,02;NaN\n",
         {"t", "θ"},
         {"s", "°"},
         {0.02, kNaN}},
        {"semicolon and point, empty cell",
         "t;a;b\n0;1;2\n0.5;;3\n",
         {"t", "a", "b"},
         {"", "", ""},
         {0.5, kNaN, 3}},
        {"tracker, spaces and a comma mark",
         "#multi:\nmasse A\nt x y\n0 0,1 -0,5\n0,04 0,12 -0,49\n",
         {"t", "x", "y"},
         {"", "", ""},
         {0.04, 0.12, -0.49}},
        {"no header, CRLF", "0,1\r\n1,-2\r\n", {"", ""}, {"", ""}, {1, -2}},
        {"Windows-1252 header",
         "temps;\xE9"
         "cart\n0;1\n1;2\n",
         {"temps",
          "\xC3\xA9"
          "cart"},
         {"", ""},
         {1, 2}},
    };
    for (const TableCase& c : cases) {
        SCOPED_TRACE(c.what);
        const TableReading r = ReadMeasurementTable(c.text);
        ASSERT_TRUE(r.Ok()) << r.refusal;
        EXPECT_EQ(r.table.names, c.names);
        EXPECT_EQ(r.table.units, c.units);
        ASSERT_EQ(r.table.columns.size(), c.secondRow.size());
        for (std::size_t k = 0; k < c.secondRow.size(); ++k)
            if (std::isnan(c.secondRow[k]))
                EXPECT_TRUE(std::isnan(r.table.columns[k][1]));
            else
                EXPECT_DOUBLE_EQ(r.table.columns[k][1], c.secondRow[k]);
    }
}

TEST(MeasurementTable, RefusesWhatItCannotRead)
{
    const struct {
        std::string bytes;
        const char* refusal;
    } cases[] = {
        {"bonjour\nle monde\n", "Disposition inconnue"},
        {"t;x\n0;1\n", "une seule ligne"},
        {std::string("t;x\n0;1\n\0\1\2", 11), "pas de texte"},
        {"t;x\n0;1\n1;2\n2;3;4\n", "Ligne %1 : le nombre"},
        {std::string(kMeasurementMaxBytes + 1, '1'), "trop volumineux"},
    };
    for (const auto& c : cases) {
        const TableReading r = ReadMeasurementTable(c.bytes);
        ASSERT_FALSE(r.Ok()) << c.refusal;
        EXPECT_NE(std::strstr(r.refusal, c.refusal), nullptr) << r.refusal;
    }
    EXPECT_EQ(ReadMeasurementTable("t;x\n0;1\n1;2\n2;3;4\n").line, 4u);
}

TEST(MeasuredSeries, TakesThePickedQuantity)
{
    MeasurementTable table;
    table.names = {"t", "x", "y"};
    table.units = {"s", "m", "m"};
    table.columns = {{0, 0.1, 0.2, 0.3, 5, 5.1}, {0, 1, kNaN, -1, 0, 0}, {-1, 0, -1, 0, -1, -1}};
    const struct {
        SeriesPick pick;
        std::vector<double> value;
    } cases[] = {
        {{0, MeasuredQuantity::AngleDegrees, 1},
         {0, std::numbers::pi / 180, -std::numbers::pi / 180, 0, 0}},
        {{0, MeasuredQuantity::AngleRadians, 1}, {0, 1, -1, 0, 0}},
        {{0, MeasuredQuantity::Positions, 1, 2, 0, 0},
         {0, std::numbers::pi / 2, -std::numbers::pi / 2, 0, 0}},
        {{0, MeasuredQuantity::Positions, 1, 2, 0, 1},
         {0, std::numbers::pi / 4, -std::numbers::pi / 4, 0, 0}},
    };
    for (const auto& c : cases) {
        const SeriesReading r = MakeSeries(table, c.pick);
        ASSERT_TRUE(r.Ok());
        EXPECT_EQ(r.series.time, (std::vector<double>{0, 0.1, 0.3, 5, 5.1}));
        ASSERT_EQ(r.series.value.size(), c.value.size());
        for (std::size_t i = 0; i < c.value.size(); ++i)
            EXPECT_NEAR(r.series.value[i], c.value[i], 1e-12) << i;
        EXPECT_EQ(r.series.pauses, std::vector<double>{0.3}); // the jump from 0,3 to 5 s
    }
    EXPECT_EQ(LongestUnbrokenSpan(MakeSeries(table, cases[1].pick).series).last, 2u);
    table.columns[0][4] = 0.3;
    const SeriesReading repeated = MakeSeries(table, cases[1].pick);
    EXPECT_STREQ(repeated.refusal, "Ligne de mesures %1 : le temps se répète.");
    EXPECT_EQ(repeated.row, 5u);
    table.columns[0][4] = 0.25;
    EXPECT_STREQ(MakeSeries(table, cases[1].pick).refusal,
                 "Ligne de mesures %1 : le temps recule.");
}

TEST(MeasuredSeries, ProposesTheAxisThatVariesMost)
{
    const TableReading r =
        ReadMeasurementTable("\"Time (s)\",\"Gyroscope x (rad/s)\",\"Gyroscope y (rad/s)\","
                             "\"Gyroscope z (rad/s)\"\n0,0.1,1,0\n1,0.1,-2,0.5\n2,0.2,3,0\n");
    ASSERT_TRUE(r.Ok());
    const SeriesPick pick = ProposedPick(r.table);
    EXPECT_EQ(pick.timeColumn, 0u);
    EXPECT_EQ(pick.quantity, MeasuredQuantity::AngularSpeed);
    EXPECT_EQ(pick.column, 2u);
}

/// A swing sampled at 50 Hz for `seconds`: the angle, or the speed read by
/// a gyroscope with an offset, with Gaussian noise of 1 % of the amplitude.
MeasuredSeries Swing(double w0, double lambda, double mu, bool speed, double seconds, unsigned seed)
{
    MeasuredSeries s;
    s.speed = speed;
    double a = 0.6, v = 0, amplitude = speed ? 0.6 * w0 : 0.6;
    std::mt19937 random(seed);
    std::normal_distribution<double> noise(0, 0.01 * amplitude);
    const auto accel = [&](double x, double u) {
        return -2 * lambda * u - mu * u * std::abs(u) - w0 * w0 * std::sin(x);
    };
    const double h = 1e-3;
    for (int i = 0; i <= static_cast<int>(seconds * 50); ++i) {
        s.time.push_back(i * 0.02);
        s.value.push_back((speed ? v + 0.05 : a) + noise(random));
        for (int k = 0; k < 20; ++k) {
            const double k1a = v, k1v = accel(a, v);
            const double k2a = v + h / 2 * k1v, k2v = accel(a + h / 2 * k1a, v + h / 2 * k1v);
            const double k3a = v + h / 2 * k2v, k3v = accel(a + h / 2 * k2a, v + h / 2 * k2v);
            const double k4a = v + h * k3v, k4v = accel(a + h * k3a, v + h * k3v);
            a += h / 6 * (k1a + 2 * k2a + 2 * k3a + k4a);
            v += h / 6 * (k1v + 2 * k2v + 2 * k3v + k4v);
        }
    }
    return s;
}

// Known parameters come back within the stated tolerances and within two of
// their own uncertainties; the residuals favour the model the data came from.
TEST(PendulumFit, RecoversTheParameters)
{
    const struct {
        double w0, lambda, mu;
        bool speed;
        DampingVerdict verdict;
    } cases[] = {
        {4.0, 0.05, 0, false, DampingVerdict::Linear},
        {6.3, 0.1, 0, true, DampingVerdict::Linear},
        {4.0, 0.01, 0.08, false, DampingVerdict::Quadratic},
    };
    unsigned seed = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.w0);
        const MeasuredSeries s = Swing(c.w0, c.lambda, c.mu, c.speed, 40, seed++);
        const PendulumFit linear = FitPendulum(s, {DampingModel::Linear});
        const PendulumFit quadratic = FitPendulum(s, {DampingModel::Quadratic});
        ASSERT_TRUE(linear.Converged());
        ASSERT_TRUE(quadratic.Converged())
            << int(quadratic.status) << " " << quadratic.iterations << " " << linear.iterations;
        EXPECT_EQ(CompareDamping(linear, quadratic), c.verdict);
        const PendulumFit& right = c.mu > 0 ? quadratic : linear;
        EXPECT_NEAR(right.omega0.value, c.w0, 1e-3 * c.w0);
        EXPECT_NEAR(right.omega0.value, c.w0, 2 * right.omega0.uncertainty);
        EXPECT_NEAR(right.lambda.value, c.lambda,
                    std::max(0.03 * c.lambda, 2 * right.lambda.uncertainty));
        EXPECT_NEAR(right.lambda.value, c.lambda, 2 * right.lambda.uncertainty);
        if (c.speed) {
            EXPECT_NEAR(right.offset.value, 0.05, 2 * right.offset.uncertainty);
        }
        EXPECT_EQ(right.residual.size(), s.time.size());
        // The curve drawn is the fitted model at the samples, measured minus
        // residual, with points between them where they are sparse.
        const std::optional<FittedMotion> motion = FittedMotionOf(right);
        ASSERT_TRUE(motion && FittedMotionSound(*motion, s));
        const MeasuredSeries curve = FittedMotionCurve(*motion, s);
        EXPECT_TRUE(std::is_sorted(curve.time.begin(), curve.time.end()));
        EXPECT_TRUE(std::all_of(curve.value.begin(), curve.value.end(),
                                [](double v) { return std::isfinite(v); }));
        std::size_t k = 0;
        for (std::size_t i = 0; i < curve.time.size(); ++i) {
            if (k < s.time.size() && curve.time[i] == s.time[k]) {
                ASSERT_NEAR(curve.value[i], s.value[k] - right.residual[k], 1e-12) << k;
                ++k;
            }
        }
        EXPECT_EQ(k, s.time.size());
        EXPECT_EQ(curve.time.size() > s.time.size(), c.w0 > 5) << curve.time.size();
    }
}

// The derivatives the fit steps and states its uncertainties by: each
// against a central difference of the readings, for an angle and a speed,
// with and without air drag, over a few swings.
TEST(SwingTrace, DerivativesMatchDifferences)
{
    std::vector<double> t(400);
    for (std::size_t i = 0; i < t.size(); ++i)
        t[i] = 0.013 * static_cast<double>(i);
    for (const auto& [speed, mu] :
         {std::pair{false, 0.0}, {true, 0.0}, {false, 0.3}, {true, 0.3}}) {
        const SwingParameters p{4.1, 0.06, mu, 0.9, -1.2, 0.05};
        std::vector<double> d(t.size() * kSwingDerivatives);
        ASSERT_EQ(TraceSwingDerivatives(t, p, speed, 6, d), t.size());
        double SwingParameters::*const by[] = {&SwingParameters::omega0, &SwingParameters::lambda,
                                               &SwingParameters::angle, &SwingParameters::speed,
                                               &SwingParameters::mu};
        for (std::size_t k = 0; k < kSwingDerivatives; ++k) {
            SwingParameters up = p, down = p;
            up.*by[k] += 1e-6;
            down.*by[k] -= 1e-6;
            std::vector<double> above(t.size()), below(t.size());
            ASSERT_EQ(TraceSwing(t, up, speed, 6, above), t.size());
            ASSERT_EQ(TraceSwing(t, down, speed, 6, below), t.size());
            for (std::size_t i = 0; i < t.size(); i += 7)
                ASSERT_NEAR(d[i * kSwingDerivatives + k], (above[i] - below[i]) / 2e-6, 1e-4)
                    << speed << " " << mu << " parameter " << k << " sample " << i;
        }
    }
}

// Start values from a gyroscope sampled at 500 Hz, whose noise crosses the
// mean many times at each true crossing, and from the same swing clean.
TEST(SwingEstimate, ReadsThePulsationThroughTheNoise)
{
    for (const double noiseSize : {0.0, 0.025}) {
        std::vector<double> t, v;
        std::mt19937 random(3);
        std::normal_distribution<double> noise(0, noiseSize);
        for (int i = 0; i < 10'000; ++i) {
            t.push_back(i * 0.002);
            v.push_back(0.03 + 2.5 * std::exp(-0.05 * t.back()) * std::cos(4.2 * t.back())
                        + noise(random));
        }
        const SwingEstimate e = EstimateSwing(t, v, true);
        ASSERT_TRUE(e.found) << noiseSize;
        EXPECT_NEAR(e.omega0, 4.2 / (1 - 0.6 * 0.6 / 16), 0.02) << noiseSize;
        EXPECT_NEAR(e.lambda, 0.05, 0.01) << noiseSize;
        EXPECT_NEAR(e.offset, 0.03, 0.01) << noiseSize;
    }
}

TEST(PendulumFit, NeverClaimsWhatItDidNotReach)
{
    const MeasuredSeries s = Swing(4, 0.05, 0, false, 20, 7);
    FitOptions capped;
    capped.maxIterations = 1;
    EXPECT_EQ(FitPendulum(s, capped).status, FitStatus::NotConverged);
    std::atomic<bool> cancel = true;
    FitOptions cancelled;
    cancelled.cancel = &cancel;
    EXPECT_EQ(FitPendulum(s, cancelled).status, FitStatus::Cancelled);
    MeasuredSeries flat = s;
    std::fill(flat.value.begin(), flat.value.end(), 0.1);
    EXPECT_EQ(FitPendulum(flat, {}).status, FitStatus::NoSwing);
}

std::string FileBytes(const std::string& name)
{
    std::ifstream in(std::string(KESTROVA_SAMPLE_MEASUREMENTS) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

MeasuredSeries ImportedSample(const std::string& name)
{
    const ArchiveReading file = ReadMeasurementFile(FileBytes(name));
    EXPECT_TRUE(file.reading.Ok()) << name;
    const SeriesReading series =
        MakeSeries(file.reading.table, ProposedPick(file.reading.table), file.pauses);
    EXPECT_TRUE(series.Ok()) << name << (series.refusal ? series.refusal : "") << series.row;
    return series.series;
}

// The samples are one recorded motion in every layout: the phone's five
// dialects give one series, its archive the same readings on the real time
// line (the pause restored), and the video and the lab interface the same
// motion, whose fit gives the pulsation it was made with.
TEST(SampleMeasurements, ImportToTheSameMotion)
{
    const MeasuredSeries phone = ImportedSample("gyroscope-virgule-point.csv");
    EXPECT_TRUE(phone.speed);
    EXPECT_TRUE(phone.pauses.empty());
    for (const char* dialect :
         {"gyroscope-tabulation-point.csv", "gyroscope-point-virgule-point.csv",
          "gyroscope-tabulation-virgule.csv", "gyroscope-point-virgule-virgule.csv"})
        EXPECT_EQ(ImportedSample(dialect), phone) << dialect;
    const MeasuredSeries archive = ImportedSample("gyroscope-avec-pause.zip");
    const MeasuredSeries lab = ImportedSample("interface-angle.csv");
    const MeasuredSeries video = ImportedSample("video-positions.txt");
    EXPECT_EQ(archive.value, phone.value);
    ASSERT_EQ(archive.time.size(), lab.time.size());
    ASSERT_EQ(video.time, lab.time);
    for (std::size_t i = 0; i < lab.time.size(); ++i) {
        ASSERT_NEAR(archive.time[i], lab.time[i], 1e-9) << i;
        // Two angles of one motion, each with noise of 1 % of the swing.
        ASSERT_NEAR(video.value[i], lab.value[i], 0.04) << i;
    }
    for (const MeasuredSeries* s : {&archive, &lab, &video}) {
        EXPECT_EQ(s->pauses, std::vector<double>{14.0});
        const PendulumFit fit = FitPendulum(*s, {});
        ASSERT_TRUE(fit.Converged());
        EXPECT_NEAR(fit.omega0.value, 4.2, 0.004);
        EXPECT_NEAR(fit.lambda.value, 0.04, 0.004);
        EXPECT_GT(fit.startTime, 14); // the longer stretch, after the pause
    }
    const MeasuredSeries drag = ImportedSample("interface-frottement-air.csv");
    EXPECT_EQ(CompareDamping(FitPendulum(drag, {}), FitPendulum(drag, {DampingModel::Quadratic})),
              DampingVerdict::Quadratic);
}

} // namespace
} // namespace kestrova
