// One frame of a live graph in QCustomPlot and in Qt Charts: four kept runs
// of 60 s (6,000 rows each, the recording's 100 rows a second) and the
// current run gaining the rows of one 60 Hz frame, then the widget painted
// at 1280×800. The current run starts again when it reaches 60 s.

#include "model/run_curves.h"

#include <qcustomplot.h>

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>

#include <benchmark/benchmark.h>

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

} // namespace
} // namespace kestrova
