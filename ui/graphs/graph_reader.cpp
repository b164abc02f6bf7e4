#include "ui/graphs/graph_reader.h"

#include "model/energy.h"

#include <qcustomplot.h>

#include <QKeyEvent>
#include <QLabel>

#include <algorithm>
#include <cmath>

namespace kestrova {

namespace {

// What the readout shows: hundredths of a second, the motion and the
// energies to four decimals.
constexpr int kTimeDecimals = 2;
constexpr int kValueDecimals = 4;

QString Number(double value, int decimals)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    // Never "-0,0000" for a value that rounds to zero.
    const double scale = std::pow(10.0, decimals);
    if (std::round(std::abs(value) * scale) == 0)
        value = 0;
    return locale.toString(value, 'f', decimals);
}

} // namespace

RecordedRow NearestRow(const MotionRecorder& recording, double time)
{
    const double index = std::round(time * MotionRecorder::kRowsPerSecond);
    const double last = static_cast<double>(recording.RowCount() - 1);
    return recording.Row(static_cast<std::size_t>(std::clamp(index, 0.0, last)));
}

GraphReader::GraphReader(RunPlots& plots, QLabel& readout, QObject* parent)
    : QObject(parent)
    , plots_(plots)
    , readout_(readout)
{
    for (std::size_t i = 0; i < kGraphCount; ++i) {
        QCustomPlot* plot = plots_.Plots()[i];
        const auto kind = static_cast<GraphKind>(i);
        plot->setMouseTracking(true);
        plot->installEventFilter(this);
        connect(plot, &QCustomPlot::mouseMove, this,
                [this, kind](QMouseEvent* event) { OnMove(kind, event); });
        connect(plot, &QCustomPlot::mouseRelease, this,
                [this, kind](QMouseEvent* event) { OnClick(kind, event); });
        if (kind == GraphKind::Phase) {
            cursorLines_.push_back(nullptr);
            continue;
        }
        auto* line = new QCPItemStraightLine(plot);
        line->setLayer(QStringLiteral("overlay"));
        line->setPen(QPen(QColor(90, 90, 90), 1, Qt::DashLine));
        line->setVisible(false);
        cursorLines_.push_back(line);
    }
}

void GraphReader::SetRuns(std::vector<ReadRun> runs)
{
    runs_ = std::move(runs);
    ShowReadout();
}

void GraphReader::SetMeasuring(bool measuring)
{
    measuring_ = measuring;
    measurePoints_.clear();
    measurement_.clear();
    ShowMeasurement();
}

void GraphReader::OnMove(GraphKind kind, QMouseEvent* event)
{
    const QCustomPlot* plot = plots_.Plot(kind);
    const QPointF pos = event->position();
    if (kind == GraphKind::Phase) {
        phasePoint_ =
            QPointF(plot->xAxis->pixelToCoord(pos.x()), plot->yAxis->pixelToCoord(pos.y()));
        cursorTime_.reset();
        ShowReadout();
        return;
    }
    ReadAt(plot->xAxis->pixelToCoord(pos.x()));
}

void GraphReader::ReadAt(double time)
{
    cursorTime_ = std::max(0.0, time);
    phasePoint_.reset();
    for (QCPItemStraightLine* line : cursorLines_) {
        if (line == nullptr)
            continue;
        line->point1->setCoords(*cursorTime_, 0);
        line->point2->setCoords(*cursorTime_, 1);
        line->setVisible(true);
        if (line->parentPlot()->isVisible())
            line->layer()->replot();
    }
    ShowReadout();
}

void GraphReader::OnClick(GraphKind kind, QMouseEvent* event)
{
    if (!measuring_ || event->button() != Qt::LeftButton)
        return;
    const QCustomPlot* plot = plots_.Plot(kind);
    PickPoint(kind,
              QPointF(plot->xAxis->pixelToCoord(event->position().x()),
                      plot->yAxis->pixelToCoord(event->position().y())));
}

void GraphReader::PickPoint(GraphKind kind, QPointF point)
{
    if (measurePoints_.size() >= 2 || kind != measureKind_)
        measurePoints_.clear();
    measureKind_ = kind;
    measurePoints_.push_back(point);
    measurement_.clear();
    if (measurePoints_.size() == 2) {
        const QPointF d = measurePoints_[1] - measurePoints_[0];
        const std::array<QString, kGraphCount> horizontal{tr("Δt = %1 s"), tr("Δt = %1 s"),
                                                          tr("Δt = %1 s"), tr("Δθ = %1 rad")};
        const std::array<QString, kGraphCount> vertical{
            tr("Δθ = %1 rad"), tr("Δθ' = %1 rad/s"), tr("ΔE = %1 J/(kg·m²)"), tr("Δθ' = %1 rad/s")};
        const auto k = static_cast<std::size_t>(kind);
        const bool time = kind != GraphKind::Phase;
        measurement_ = horizontal[k].arg(Number(d.x(), time ? kTimeDecimals + 1 : kValueDecimals))
            + QStringLiteral(" ; ") + vertical[k].arg(Number(d.y(), kValueDecimals));
    }
    ShowMeasurement();
}

void GraphReader::ShowMeasurement()
{
    if (measureLine_ != nullptr) {
        QCustomPlot* plot = measureLine_->parentPlot();
        plot->removeItem(measureLine_);
        plot->removeItem(measureText_);
        measureLine_ = nullptr;
        measureText_ = nullptr;
        plot->replot(QCustomPlot::rpQueuedReplot);
    }
    if (!measurePoints_.empty()) {
        QCustomPlot* plot = plots_.Plot(measureKind_);
        measureLine_ = new QCPItemLine(plot);
        measureLine_->setLayer(QStringLiteral("overlay"));
        measureLine_->setPen(QPen(QColor(200, 0, 0), 2));
        measureLine_->setHead(QCPLineEnding::esBar);
        measureLine_->setTail(QCPLineEnding::esBar);
        const QPointF a = measurePoints_.front();
        const QPointF b = measurePoints_.back();
        measureLine_->start->setCoords(a);
        measureLine_->end->setCoords(b);
        measureText_ = new QCPItemText(plot);
        measureText_->setLayer(QStringLiteral("overlay"));
        measureText_->position->setCoords(b);
        measureText_->setPositionAlignment(Qt::AlignLeft | Qt::AlignBottom);
        measureText_->setColor(QColor(200, 0, 0));
        measureText_->setBrush(QBrush(QColor(255, 255, 255, 220)));
        measureText_->setText(measurement_.isEmpty() ? tr("Cliquez sur le second point")
                                                     : measurement_);
        plot->replot(QCustomPlot::rpQueuedReplot);
    }
    ShowReadout();
}

void GraphReader::ShowReadout()
{
    QStringList lines;
    for (const ReadRun& run : runs_) {
        if (run.recording == nullptr || run.recording->RowCount() == 0)
            continue;
        RecordedRow row;
        if (cursorTime_) {
            row = NearestRow(*run.recording, *cursorTime_);
        } else if (phasePoint_) {
            // The sample of the run nearest to the pointer on the phase portrait, in pixels.
            const QCustomPlot* plot = plots_.Plot(GraphKind::Phase);
            const double px = plot->xAxis->coordToPixel(phasePoint_->x());
            const double py = plot->yAxis->coordToPixel(phasePoint_->y());
            double best = INFINITY;
            for (std::size_t i = 0; i < run.recording->RowCount(); ++i) {
                const RecordedRow candidate = run.recording->Row(i);
                const double dx = plot->xAxis->coordToPixel(candidate.exact.angle) - px;
                const double dy = plot->yAxis->coordToPixel(candidate.exact.speed) - py;
                if (dx * dx + dy * dy < best) {
                    best = dx * dx + dy * dy;
                    row = candidate;
                }
            }
        } else {
            continue;
        }
        const Energy energy = EnergyOf(row.exact, run.recording->Pulsation2());
        lines.append(tr("%1 : t = %2 s ; θ = %3 rad ; θ' = %4 rad/s ; Ec = %5 ; Ep = %6 ; E = %7")
                         .arg(run.name, Number(row.time, kTimeDecimals),
                              Number(row.exact.angle, kValueDecimals),
                              Number(row.exact.speed, kValueDecimals),
                              Number(energy.kinetic, kValueDecimals),
                              Number(energy.potential, kValueDecimals),
                              Number(energy.Total(), kValueDecimals)));
    }
    if (!measurement_.isEmpty())
        lines.append(tr("Mesure : %1").arg(measurement_));
    else if (measuring_)
        lines.append(tr("Mesure : cliquez deux points d'un graphique"));
    readout_.setText(lines.join(QLatin1Char('\n')));
}

bool GraphReader::eventFilter(QObject* watched, QEvent* event)
{
    // From the keyboard: the arrows move the cursor by a hundredth of a
    // second (a tenth with Shift), Enter picks a measuring point there.
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const auto it = std::find(plots_.Plots().begin(), plots_.Plots().end(), watched);
    if (it == plots_.Plots().end())
        return false;
    const auto kind = static_cast<GraphKind>(it - plots_.Plots().begin());
    if (kind == GraphKind::Phase)
        return false;
    const double step = (key->modifiers() & Qt::ShiftModifier) ? 0.1 : 0.01;
    const double now = cursorTime_.value_or(0);
    switch (key->key()) {
    case Qt::Key_Right:
        ReadAt(now + step);
        return true;
    case Qt::Key_Left:
        ReadAt(now - step);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (measuring_ && !runs_.empty() && runs_.front().recording != nullptr) {
            const RecordedRow row = NearestRow(*runs_.front().recording, now);
            const double values[] = {
                row.exact.angle, row.exact.speed,
                EnergyOf(row.exact, runs_.front().recording->Pulsation2()).Total()};
            PickPoint(kind, QPointF(row.time, values[static_cast<std::size_t>(kind)]));
        }
        return true;
    default:
        return false;
    }
}

} // namespace kestrova
