#include "ui/graphs/run_plots.h"

#include "model/energy.h"
#include "model/energy_levels.h"
#include "model/run_curves.h"
#include "ui/graphs/live_plot.h"

#include <algorithm>
#include <cmath>

namespace kestrova {

namespace {

// Headroom above the largest value, so that a curve never runs along the frame.
constexpr double kMargin = 1.1;

bool IsTimePlot(std::size_t index)
{
    return index != static_cast<std::size_t>(GraphKind::Phase);
}

// Lines of one pixel take the painter's fast path; thicker ones cost some
// ten times more to draw whole, so only the current run's own curve is
// thick, unless a projector asks for thick lines everywhere.
QPen RunPen(const PlotRun& run, bool projector, Qt::PenStyle style = Qt::SolidLine)
{
    const bool main = run.live && style == Qt::SolidLine;
    const double width = (projector ? 3.0 : 1.0) + (main ? 1.0 : 0.0);
    QPen pen(run.colour, width, style);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

} // namespace

RunPlots::RunPlots(QObject* parent)
    : QObject(parent)
{
    for (QCustomPlot*& plot : plots_) {
        plot = new LivePlot;
        Build(plot);
    }
    plots_[static_cast<std::size_t>(GraphKind::Angle)]->setObjectName(QStringLiteral("plotAngle"));
    plots_[static_cast<std::size_t>(GraphKind::Speed)]->setObjectName(QStringLiteral("plotSpeed"));
    plots_[static_cast<std::size_t>(GraphKind::Energy)]->setObjectName(
        QStringLiteral("plotEnergy"));
    plots_[static_cast<std::size_t>(GraphKind::Phase)]->setObjectName(QStringLiteral("plotPhase"));
    // Time is one axis: zooming or panning one graph against time moves the others.
    for (std::size_t i = 0; i < kGraphCount; ++i) {
        if (!IsTimePlot(i))
            continue;
        connect(plots_[i]->xAxis, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), this,
                [this, i](const QCPRange& range) {
                    for (std::size_t j = 0; j < kGraphCount; ++j) {
                        if (j != i && IsTimePlot(j) && plots_[j]->xAxis->range() != range) {
                            plots_[j]->xAxis->setRange(range);
                            // A hidden graph is drawn when its tab comes forward.
                            if (plots_[j]->isVisible())
                                plots_[j]->replot(QCustomPlot::rpQueuedReplot);
                        }
                    }
                });
    }
    overlay_ = new MeasurementOverlay(this);
    connect(overlay_, &MeasurementOverlay::Changed, this, [this](bool fresh) {
        overlay_->Draw(*Plot(GraphKind::Angle), *Plot(GraphKind::Speed));
        // Another measurement is shown whole.
        follows_ = follows_ || fresh;
        if (follows_)
            ApplyRanges();
        Replot();
    });
    Retranslate();
    ApplyStyle();
    ApplyRanges();
}

void RunPlots::Build(QCustomPlot* plot)
{
    plot->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
    plot->setFocusPolicy(Qt::StrongFocus);
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    plot->setLocale(locale);
    plot->plotLayout()->insertRow(0);
    plot->plotLayout()->addElement(0, 0, new QCPTextElement(plot));
    plot->legend->setVisible(true);
    plot->axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignTop | Qt::AlignRight);
    // A user who pans or zooms reads a part: the axes stop following the run.
    for (QCPAxis* axis : {plot->xAxis, plot->yAxis}) {
        connect(axis, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), this, [this] {
            if (!applyingRanges_)
                follows_ = false;
        });
    }
}

void RunPlots::Retranslate()
{
    const std::array<QString, kGraphCount> titles{tr("Angle"), tr("Vitesse angulaire"),
                                                  tr("Énergies"), tr("Portrait de phase")};
    const std::array<QString, kGraphCount> values{
        tr("angle θ (rad)"), tr("vitesse angulaire θ' (rad/s)"), tr("énergie par m·L² (J/(kg·m²))"),
        tr("vitesse angulaire θ' (rad/s)")};
    for (std::size_t i = 0; i < kGraphCount; ++i) {
        QCustomPlot* plot = plots_[i];
        static_cast<QCPTextElement*>(plot->plotLayout()->element(0, 0))->setText(titles[i]);
        plot->xAxis->setLabel(IsTimePlot(i) ? tr("temps t (s)") : tr("angle θ (rad)"));
        plot->yAxis->setLabel(values[i]);
        plot->setAccessibleName(titles[i]);
    }
    for (Drawn& drawn : drawn_) {
        if (drawn.graphs.size() == 5) {
            drawn.graphs[2]->setName(tr("énergie totale"));
            drawn.graphs[3]->setName(tr("énergie cinétique"));
            drawn.graphs[4]->setName(tr("énergie potentielle"));
        }
        if (drawn.envelope != nullptr)
            drawn.envelope->setName(tr("enveloppe aux petits angles"));
    }
    Replot();
}

void RunPlots::Show(const std::vector<PlotRun>& runs, double timeEnd)
{
    for (QCustomPlot* plot : plots_) {
        plot->clearPlottables();
        plot->legend->clearItems();
    }
    levels_.clear();
    drawn_.clear();
    if (follows_)
        timeEnd_ = timeEnd;
    for (const PlotRun& run : runs)
        AddRun(run);
    overlay_->Draw(*Plot(GraphKind::Angle), *Plot(GraphKind::Speed));
    Retranslate();
    // The levels fill the phase portrait's new ranges.
    ApplyRanges();
    DrawEnergyLevels();
    ApplyStyle();
    Replot();
}

void RunPlots::AddRun(const PlotRun& run)
{
    Drawn drawn;
    drawn.run = run;
    auto addGraph = [&](GraphKind kind, const QString& name) {
        QCPGraph* graph = Plot(kind)->addGraph();
        graph->setName(name);
        drawn.graphs.push_back(graph);
        return graph;
    };
    addGraph(GraphKind::Angle, run.name);
    addGraph(GraphKind::Speed, run.name);
    addGraph(GraphKind::Energy, run.name);
    if (run.live) {
        // The current run's energy in its parts, and what the small-angle theory says.
        addGraph(GraphKind::Energy, QString());
        addGraph(GraphKind::Energy, QString());
        if (run.envelope)
            drawn.envelope = Plot(GraphKind::Energy)->addGraph();
    }
    QCustomPlot* phase = Plot(GraphKind::Phase);
    drawn.phase = new QCPCurve(phase->xAxis, phase->yAxis);
    drawn.phase->setName(run.name);
    drawn_.push_back(drawn);
    AppendRows(drawn_.back());
}

void RunPlots::AppendRows(Drawn& drawn)
{
    const MotionRecorder& recording = *drawn.run.recording;
    const std::size_t count = recording.RowCount();
    const double nan = std::nan("");
    // The current run's new pieces, from the last row already shown, in
    // the order of Fresh.
    drawn.fresh.assign(drawn.run.live && drawn.rows > 0 ? kFreshCurves : 0, {});
    auto add = [&](std::size_t curve, double x, double y) {
        if (!drawn.fresh.empty())
            drawn.fresh[curve].emplace_back(x, y);
    };
    for (std::size_t i = drawn.rows > 0 ? drawn.rows - 1 : 0; i < count; ++i) {
        const RecordedRow row = recording.Row(i);
        const bool shown = i < drawn.rows;
        if (!shown && i > 0 && std::abs(row.exact.angle - recording.Row(i - 1).exact.angle) > PI) {
            // Over the top the angle wraps: a gap, not a line across the graph.
            const double t = row.time - 0.5 / MotionRecorder::kRowsPerSecond;
            drawn.graphs[0]->addData(t, nan);
            // Sampled down to a pixel's lowest and highest value, the gap
            // would come back as a line from top to bottom: a run that goes
            // over the top is drawn point by point.
            drawn.graphs[0]->setAdaptiveSampling(false);
            drawn.phase->addData(t, nan, nan);
            add(0, nan, nan);
            add(kFreshCurves - 1, nan, nan);
        }
        const Energy energy = EnergyOf(row.exact, recording.Pulsation2());
        const double envelope =
            drawn.envelope != nullptr ? SmallAngleEnergy(drawn.run.parameters, row.time) : 0;
        const double values[] = {row.exact.angle, row.exact.speed,  energy.Total(),
                                 energy.kinetic,  energy.potential, envelope};
        for (std::size_t k = 0; k < drawn.graphs.size(); ++k)
            add(k, row.time, values[k]);
        if (drawn.envelope != nullptr)
            add(5, row.time, envelope);
        add(kFreshCurves - 1, row.exact.angle, row.exact.speed);
        if (shown)
            continue;
        for (std::size_t k = 0; k < drawn.graphs.size(); ++k)
            drawn.graphs[k]->addData(row.time, values[k]);
        if (drawn.envelope != nullptr)
            drawn.envelope->addData(row.time, envelope);
        drawn.phase->addData(row.time, row.exact.angle, row.exact.speed);
    }
    drawn.rows = count;
}

void RunPlots::Extend(double timeEnd)
{
    for (Drawn& drawn : drawn_)
        AppendRows(drawn);
    const bool grows = follows_ && timeEnd > timeEnd_;
    if (grows) {
        timeEnd_ = timeEnd;
        ApplyRanges();
        Replot();
        return;
    }
    // The axes stay: only the new pieces are drawn, over what is shown.
    for (Drawn& drawn : drawn_) {
        if (drawn.fresh.empty())
            continue;
        auto over = [&](GraphKind kind, std::size_t curve, const QPen& pen) {
            auto* plot = static_cast<LivePlot*>(Plot(kind));
            if (plot->isVisible())
                plot->DrawOver(drawn.fresh[curve], pen);
        };
        over(GraphKind::Angle, 0, drawn.graphs[0]->pen());
        over(GraphKind::Speed, 1, drawn.graphs[1]->pen());
        if (drawn.envelope != nullptr)
            over(GraphKind::Energy, 5, drawn.envelope->pen());
        for (std::size_t k = 2; k < drawn.graphs.size(); ++k)
            over(GraphKind::Energy, k, drawn.graphs[k]->pen());
        over(GraphKind::Phase, kFreshCurves - 1, drawn.phase->pen());
    }
    for (QCustomPlot* plot : plots_)
        static_cast<LivePlot*>(plot)->ShowDrawnOver();
}

void RunPlots::ResetView()
{
    follows_ = true;
    ApplyRanges();
    Replot();
}

void RunPlots::ApplyRanges()
{
    double angle = 0;
    double speed = 0;
    double energy = 0;
    for (const Drawn& drawn : drawn_) {
        angle = std::max(angle, drawn.run.angleScale);
        speed = std::max(speed, drawn.run.speedScale);
        energy = std::max(energy, drawn.run.energyScale);
    }
    OverlayExtent shown{0, timeEnd_, angle, speed};
    overlay_->Widen(shown);
    // Nothing to show yet: a quarter turn, and what it takes at the default pulsation.
    angle = shown.angle > 0 ? shown.angle : PI / 2;
    speed = shown.speed > 0 ? kMargin * shown.speed : 1;
    energy = energy > 0 ? kMargin * energy : 1;
    const double top[kGraphCount] = {angle, speed, energy, speed};
    applyingRanges_ = true;
    for (std::size_t i = 0; i < kGraphCount; ++i) {
        QCustomPlot* plot = plots_[i];
        if (IsTimePlot(i))
            plot->xAxis->setRange(shown.timeFrom, shown.timeTo);
        else
            plot->xAxis->setRange(-angle, angle);
        plot->yAxis->setRange(i == static_cast<std::size_t>(GraphKind::Energy) ? 0 : -top[i],
                              top[i]);
    }
    applyingRanges_ = false;
}

void RunPlots::SetEnergyLevelsShown(bool shown)
{
    levelsShown_ = shown;
    DrawEnergyLevels();
    ApplyStyle();
    Replot();
}

void RunPlots::DrawEnergyLevels()
{
    QCustomPlot* plot = Plot(GraphKind::Phase);
    for (QCPCurve* curve : levels_)
        plot->removePlottable(curve);
    levels_.clear();
    if (!levelsShown_ || drawn_.empty())
        return;
    // The levels of the current run, or of the first kept one.
    const auto it = std::find_if(drawn_.begin(), drawn_.end(),
                                 [](const Drawn& drawn) { return drawn.run.live; });
    const PlotRun& run = it != drawn_.end() ? it->run : drawn_.front().run;
    const PhaseRange range{plot->xAxis->range().lower, plot->xAxis->range().upper,
                           plot->yAxis->range().lower, plot->yAxis->range().upper};
    for (const EnergyLevel& level : EnergyLevelsFor(run.parameters.Pulsation2, range)) {
        for (const PhasePolyline& piece :
             EnergyLevelCurve(level.energy, run.parameters.Pulsation2, range)) {
            auto* curve = new QCPCurve(plot->xAxis, plot->yAxis);
            curve->setLayer(QStringLiteral("grid"));
            curve->removeFromLegend();
            for (std::size_t k = 0; k < piece.size(); ++k)
                curve->addData(static_cast<double>(k), piece[k].angle, piece[k].speed);
            curve->setPen(QPen(QColor(level.separatrix ? 110 : 170, 170, 170), 1,
                               level.separatrix ? Qt::DashLine : Qt::SolidLine));
            levels_.push_back(curve);
        }
    }
}

void RunPlots::SetBoxZoom(bool box)
{
    for (QCustomPlot* plot : plots_)
        plot->setSelectionRectMode(box ? QCP::srmZoom : QCP::srmNone);
}

void RunPlots::SetProjectorStyle(bool projector)
{
    projector_ = projector;
    ApplyStyle();
    Replot();
}

void RunPlots::ApplyStyle()
{
    QFont font = plots_[0]->font();
    font.setPointSizeF(projector_ ? 16 : 9);
    QFont title = font;
    title.setBold(true);
    title.setPointSizeF(projector_ ? 18 : 10);
    const QColor ink = projector_ ? Qt::black : QColor(40, 40, 40);
    const QPen axisPen(ink, projector_ ? 2 : 1);
    const QPen gridPen(projector_ ? QColor(120, 120, 120) : QColor(210, 210, 210),
                       projector_ ? 1 : 0, projector_ ? Qt::SolidLine : Qt::DotLine);
    for (QCustomPlot* plot : plots_) {
        static_cast<QCPTextElement*>(plot->plotLayout()->element(0, 0))->setFont(title);
        for (QCPAxis* axis : {plot->xAxis, plot->yAxis}) {
            axis->setLabelFont(font);
            axis->setTickLabelFont(font);
            axis->setLabelColor(ink);
            axis->setTickLabelColor(ink);
            axis->setBasePen(axisPen);
            axis->setTickPen(axisPen);
            axis->setSubTickPen(axisPen);
            axis->grid()->setPen(gridPen);
        }
        // The legend stays smaller than the axes: it must not hide the curves.
        QFont legend = font;
        legend.setPointSizeF(projector_ ? 12 : 8);
        plot->legend->setFont(legend);
        plot->legend->setBorderPen(axisPen);
        // The curves show through: the legend never hides a piece of them.
        plot->legend->setBrush(QColor(255, 255, 255, 190));
    }
    overlay_->ApplyStyle(projector_);
    for (Drawn& drawn : drawn_) {
        const PlotRun& run = drawn.run;
        for (std::size_t k = 0; k < drawn.graphs.size(); ++k) {
            const Qt::PenStyle style = k == 3 ? Qt::DashLine : k == 4 ? Qt::DotLine : Qt::SolidLine;
            drawn.graphs[k]->setPen(RunPen(run, projector_, style));
        }
        if (drawn.envelope != nullptr) {
            QPen pen = RunPen(run, projector_, Qt::DashDotLine);
            pen.setColor(QColor(128, 128, 128));
            drawn.envelope->setPen(pen);
        }
        drawn.phase->setPen(RunPen(run, projector_));
    }
}

void RunPlots::Replot()
{
    for (QCustomPlot* plot : plots_) {
        if (plot->isVisible())
            plot->replot(QCustomPlot::rpQueuedReplot);
    }
}

} // namespace kestrova
