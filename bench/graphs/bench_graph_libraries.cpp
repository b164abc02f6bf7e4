// One frame of a live graph in QCustomPlot and in Qt Charts: four kept runs
// of 60 s (6,000 rows each, the recording's 100 rows a second) and the
// current run gaining the rows of one 60 Hz frame, then the widget painted
// at 1280×800. The current run starts again when it reaches 60 s.

#include "model/run_curves.h"
#include "ui/graphs/run_plots.h"

#include <qcustomplot.h>

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

namespace kestrova {
namespace {

constexpr int kKept = 4;
constexpr double kSeconds = 60;
constexpr double kFrame = 1.0 / 60;

struct Runs {
    std::vector<RunCurves> kept;
    RunCurves live{SliderValues{45, 0, 40, 0}};
    Runs()
    {
        for (int i = 0; i < kKept; ++i) {
            kept.emplace_back(SliderValues{20 + 30 * i, 0, 40, 5 * i});
            kept.back().ExtendTo(kSeconds);
        }
        live.ExtendTo(kSeconds);
    }
};

const Runs& TheRuns()
{
    static const Runs runs;
    return runs;
}

void QCustomPlotFrame(benchmark::State& state)
{
    const Runs& runs = TheRuns();
    QCustomPlot plot;
    plot.resize(1280, 800);
    plot.addLayer(QStringLiteral("live"), plot.layer(QStringLiteral("main")),
                  QCustomPlot::limAbove);
    plot.layer(QStringLiteral("live"))->setMode(QCPLayer::lmBuffered);
    for (const RunCurves& run : runs.kept) {
        QCPGraph* graph = plot.addGraph();
        for (std::size_t i = 0; i < run.Recording().RowCount(); ++i)
            graph->addData(run.Recording().Row(i).time, run.Recording().Row(i).exact.angle);
    }
    QCPGraph* live = plot.addGraph();
    live->setLayer(QStringLiteral("live"));
    plot.xAxis->setRange(0, kSeconds);
    plot.yAxis->setRange(-PI, PI);
    plot.show();
    plot.replot();
    std::size_t row = 0;
    double t = 0;
    for (auto _ : state) {
        t += kFrame;
        if (t > kSeconds) {
            t = 0;
            row = 0;
            live->data()->clear();
        }
        for (; row < runs.live.Recording().RowCount() && row <= t * 100; ++row)
            live->addData(runs.live.Recording().Row(row).time,
                          runs.live.Recording().Row(row).exact.angle);
        plot.layer(QStringLiteral("live"))->replot();
        plot.repaint();
    }
}
BENCHMARK(QCustomPlotFrame)->Unit(benchmark::kMillisecond);

// When the time axis grows, the graph is drawn whole: four kept runs and the
// current one, 60 s each, antialiased, in the window's pens (width/2 kept,
// width/2 + 1 for the current run: 1 and 2 px, 3 and 4 in projector style).
void QCustomPlotWhole(benchmark::State& state)
{
    const Runs& runs = TheRuns();
    QCustomPlot plot;
    plot.resize(1280, 800);
    auto add = [&](const RunCurves& run, double width) {
        QCPGraph* graph = plot.addGraph();
        graph->setPen(QPen(Qt::black, width));
        for (std::size_t i = 0; i < run.Recording().RowCount(); ++i)
            graph->addData(run.Recording().Row(i).time, run.Recording().Row(i).exact.angle);
    };
    const double width = state.range(0) / 2.0;
    for (const RunCurves& run : runs.kept)
        add(run, width);
    add(runs.live, width + 1);
    plot.xAxis->setRange(0, kSeconds);
    plot.yAxis->setRange(-PI, PI);
    plot.show();
    for (auto _ : state)
        plot.replot(QCustomPlot::rpImmediateRefresh);
}
BENCHMARK(QCustomPlotWhole)->Arg(2)->Arg(6)->ArgName("width2")->Unit(benchmark::kMillisecond);

void QtChartsFrame(benchmark::State& state)
{
    const Runs& runs = TheRuns();
    auto* chart = new QChart;
    auto* axisX = new QValueAxis;
    auto* axisY = new QValueAxis;
    axisX->setRange(0, kSeconds);
    axisY->setRange(-PI, PI);
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);
    auto add = [&]() {
        auto* series = new QLineSeries;
        chart->addSeries(series);
        series->attachAxis(axisX);
        series->attachAxis(axisY);
        return series;
    };
    for (const RunCurves& run : runs.kept) {
        QList<QPointF> points;
        for (std::size_t i = 0; i < run.Recording().RowCount(); ++i)
            points.append({run.Recording().Row(i).time, run.Recording().Row(i).exact.angle});
        add()->replace(points);
    }
    QLineSeries* live = add();
    QChartView view(chart);
    view.resize(1280, 800);
    view.show();
    QApplication::processEvents();
    std::size_t row = 0;
    double t = 0;
    for (auto _ : state) {
        t += kFrame;
        if (t > kSeconds) {
            t = 0;
            row = 0;
            live->clear();
        }
        for (; row < runs.live.Recording().RowCount() && row <= t * 100; ++row)
            live->append(runs.live.Recording().Row(row).time,
                         runs.live.Recording().Row(row).exact.angle);
        QApplication::processEvents();
        view.repaint();
    }
}
BENCHMARK(QtChartsFrame)->Unit(benchmark::kMillisecond);

// An imported recording of 10 min at 500 Hz (300,000 samples) in the angle
// graph at 1280×800, as the graphs window draws it: the points alone, then
// with the fitted curve over the whole; the whole time axis, then 10 s of it;
// in the usual style, then the projector's.
MeasuredSeries LongRecording()
{
    MeasuredSeries series;
    std::mt19937 random(1);
    std::normal_distribution<double> noise(0, 0.005);
    for (int i = 0; i < 300'000; ++i) {
        const double t = i * 0.002;
        series.time.push_back(t);
        series.value.push_back(0.5 * std::exp(-0.004 * t) * std::cos(4.2 * t) + noise(random));
    }
    return series;
}

void MeasurementWhole(benchmark::State& state)
{
    const MeasuredSeries series = LongRecording();
    std::optional<FittedMotion> motion;
    if (state.range(0) != 0)
        motion = FittedMotion{DampingModel::Linear, false, 4.2, 0.004, 0, 0.5, 0, 0, 0, 599.998};
    RunPlots plots;
    plots.Overlay().Set(series, QStringLiteral("long.csv"), motion);
    QCustomPlot& plot = *plots.Plot(GraphKind::Angle);
    plot.resize(1280, 800);
    plot.show();
    plot.xAxis->setRange(0, static_cast<double>(state.range(1)));
    plots.SetProjectorStyle(state.range(2) != 0);
    for (auto _ : state)
        plot.replot(QCustomPlot::rpImmediateRefresh);
}
BENCHMARK(MeasurementWhole)
    ->ArgsProduct({{0, 1}, {600, 10}, {0, 1}})
    ->ArgNames({"curve", "seconds", "projector"})
    ->Unit(benchmark::kMillisecond);

// Taking in a new measurement and its fit: the curve traced, the graphs' data made.
void MeasurementSet(benchmark::State& state)
{
    const MeasuredSeries series = LongRecording();
    const FittedMotion motion{DampingModel::Linear, false, 4.2, 0.004, 0, 0.5, 0, 0, 0, 599.998};
    RunPlots plots;
    for (auto _ : state)
        plots.Overlay().Set(series, QStringLiteral("long.csv"), motion);
}
BENCHMARK(MeasurementSet)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kestrova
