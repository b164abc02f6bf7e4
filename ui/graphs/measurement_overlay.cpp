#include "ui/graphs/measurement_overlay.h"

#include <qcustomplot.h>

#include <QCheckBox>
#include <QLocale>
#include <QPixmap>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace kestrova {

namespace {

// Apart from the runs' colours: grey points under a dark red curve.
const QColor kPointsColour(105, 105, 105);
const QColor kCurveColour(170, 0, 0);
// Above the largest measured angle, so that no point sits on the frame.
constexpr double kAngleHeadroom = 1.1;

QSharedPointer<QCPGraphDataContainer> DataOf(const MeasuredSeries& series)
{
    auto data = QSharedPointer<QCPGraphDataContainer>::create();
    QVector<QCPGraphData> points;
    points.reserve(static_cast<qsizetype>(series.time.size()));
    for (std::size_t i = 0; i < series.time.size(); ++i)
        points.append({series.time[i], series.value[i]});
    data->set(points, true);
    return data;
}

/// The largest magnitude of `values`, NaN left out.
double Largest(const std::vector<double>& values)
{
    double largest = 0;
    for (const double v : values)
        if (std::isfinite(v))
            largest = std::max(largest, std::abs(v));
    return largest;
}

/// A long curve drawn as separate segments on the screen: the painter takes
/// seconds to stroke a thick line through hundreds of thousands of points
/// at once, and milliseconds segment by segment.
/// Vectors (SVG, PDF) keep one line.
class SegmentedGraph : public QCPGraph {
public:
    using QCPGraph::QCPGraph;

protected:
    void drawLinePlot(QCPPainter* painter, const QVector<QPointF>& lines) const override
    {
        if (painter->modes().testFlag(QCPPainter::pmVectorized)
            || painter->pen().style() != Qt::SolidLine) {
            QCPGraph::drawLinePlot(painter, lines);
            return;
        }
        applyDefaultAntialiasingHint(painter);
        const auto finite = [](const QPointF& p) {
            return std::isfinite(p.x()) && std::isfinite(p.y());
        };
        for (qsizetype i = 1; i < lines.size(); ++i) {
            if (finite(lines[i - 1]) && finite(lines[i]))
                painter->drawLine(lines[i - 1], lines[i]);
        }
    }
};

QIcon Swatch(const QColor& colour)
{
    QPixmap swatch(16, 16);
    swatch.fill(colour);
    return QIcon(swatch);
}

} // namespace

struct MeasurementOverlay::Data {
    QSharedPointer<QCPGraphDataContainer> series, fitted;
};

MeasurementOverlay::MeasurementOverlay(QObject* parent)
    : QObject(parent)
    , data_(std::make_unique<Data>())
{ }

MeasurementOverlay::~MeasurementOverlay()
{
    // Check boxes asked for but never placed in a window.
    if (controls_ && controls_->parent() == nullptr)
        delete controls_;
}

void MeasurementOverlay::Set(const std::optional<MeasuredSeries>& series, const QString& fileName,
                             const std::optional<FittedMotion>& motion)
{
    series_ = series;
    fileName_ = series ? fileName : QString();
    motion_ = series && motion && FittedMotionSound(*motion, *series) ? motion : std::nullopt;
    fitted_ = motion_ ? FittedMotionCurve(*motion_, *series_) : MeasuredSeries{};
    data_->series = series_ ? DataOf(*series_) : nullptr;
    data_->fitted = motion_ ? DataOf(fitted_) : nullptr;
    // Another measurement or fit is shown, whatever the last one was set to.
    for (QCheckBox* box : {showPoints_.data(), showCurve_.data()}) {
        if (box != nullptr) {
            const QSignalBlocker quiet(box);
            box->setChecked(true);
        }
    }
    UpdateControls();
    emit Changed(true);
}

QWidget* MeasurementOverlay::CreateControls(QWidget* parent)
{
    if (controls_)
        return controls_;
    controls_ = new QWidget(parent);
    auto* layout = new QVBoxLayout(controls_);
    layout->setContentsMargins(0, 0, 0, 0);
    showPoints_ = new QCheckBox(controls_);
    showPoints_->setObjectName(QStringLiteral("chkMesure"));
    showPoints_->setIcon(Swatch(kPointsColour));
    showCurve_ = new QCheckBox(controls_);
    showCurve_->setObjectName(QStringLiteral("chkModeleAjuste"));
    showCurve_->setIcon(Swatch(kCurveColour));
    for (QCheckBox* box : {showPoints_.data(), showCurve_.data()}) {
        box->setChecked(true);
        layout->addWidget(box);
        connect(box, &QCheckBox::toggled, this, [this] { emit Changed(false); });
    }
    UpdateControls();
    return controls_;
}

void MeasurementOverlay::UpdateControls()
{
    if (!controls_)
        return;
    // Short texts: the side column stays narrow; the tips name them whole.
    showPoints_->setText(tr("Mesure"));
    showPoints_->setToolTip(Name());
    showCurve_->setText(tr("Modèle ajusté"));
    showCurve_->setToolTip(CurveName());
    showCurve_->setVisible(motion_.has_value());
    controls_->setVisible(series_.has_value());
}

QString MeasurementOverlay::Name() const
{
    return fileName_.isEmpty() ? tr("Mesure") : tr("Mesure : %1").arg(fileName_);
}

QString MeasurementOverlay::CurveName() const
{
    if (!motion_)
        return {};
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const auto number = [&](double value) { return locale.toString(value, 'g', 6); };
    if (motion_->model == DampingModel::Quadratic)
        return tr("Modèle quadratique :\nω₀ = %1 rad/s\nλ = %2 s⁻¹\nμ = %3 rad⁻¹")
            .arg(number(motion_->omega0), number(motion_->lambda), number(motion_->mu));
    return tr("Modèle linéaire :\nω₀ = %1 rad/s\nλ = %2 s⁻¹")
        .arg(number(motion_->omega0), number(motion_->lambda));
}

void MeasurementOverlay::Draw(QCustomPlot& angle, QCustomPlot& speed)
{
    for (QCPGraph* graph : {points_.data(), curve_.data()}) {
        if (graph != nullptr)
            graph->parentPlot()->removePlottable(graph);
    }
    UpdateControls();
    if (!series_)
        return;
    QCustomPlot& plot = series_->speed ? speed : angle;
    if (!showPoints_ || showPoints_->isChecked()) {
        points_ = plot.addGraph();
        points_->setName(Name());
        points_->setLineStyle(QCPGraph::lsNone);
        points_->setData(data_->series);
    }
    if (motion_ && (!showCurve_ || showCurve_->isChecked())) {
        curve_ = new SegmentedGraph(plot.xAxis, plot.yAxis);
        curve_->setName(CurveName());
        curve_->setData(data_->fitted);
    }
    ApplyStyle(projector_);
}

void MeasurementOverlay::Widen(OverlayExtent& extent) const
{
    if (!points_ && !curve_)
        return;
    const MeasuredSeries& shown = points_ ? *series_ : fitted_;
    extent.timeFrom = std::min(extent.timeFrom, shown.time.front());
    extent.timeTo = std::max(extent.timeTo, shown.time.back());
    const double largest =
        std::max(points_ ? Largest(series_->value) : 0.0, curve_ ? Largest(fitted_.value) : 0.0);
    // The graphs give speeds their headroom; angles get it here.
    if (series_->speed)
        extent.speed = std::max(extent.speed, largest);
    else
        extent.angle = std::max(extent.angle, kAngleHeadroom * largest);
}

void MeasurementOverlay::ApplyStyle(bool projector)
{
    projector_ = projector;
    if (points_)
        points_->setScatterStyle(
            QCPScatterStyle(QCPScatterStyle::ssDisc, kPointsColour, projector ? 6 : 3));
    if (curve_) {
        QPen pen(kCurveColour, projector ? 4 : 2);
        pen.setCapStyle(Qt::FlatCap);
        curve_->setPen(pen);
    }
}

QCPGraph* MeasurementOverlay::Points() const
{
    return points_;
}

QCPGraph* MeasurementOverlay::Curve() const
{
    return curve_;
}

std::vector<CsvRun> MeasurementOverlay::DataRuns() const
{
    std::vector<CsvRun> runs;
    if (series_)
        runs.push_back({Name().toStdString(), nullptr, &*series_});
    if (motion_) {
        // One line in the table; the legend's lines keep it narrow on the graph.
        QString name = CurveName();
        name.replace(QStringLiteral(":\n"), QStringLiteral(": "))
            .replace('\n', QStringLiteral(", "));
        runs.push_back({name.toStdString(), nullptr, &fitted_});
    }
    return runs;
}

} // namespace kestrova
