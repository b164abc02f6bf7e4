#pragma once

/// \file
/// An imported measurement beside the runs in the graphs: its samples as
/// points, with no line between them (the motion there was not seen), on
/// the angle graph or the angular-speed graph after what it measures, and
/// the motion fitted to it as a curve over the fit's window. Each has its
/// legend entry and a check box that shows or hides it, and both go into
/// the window's table.

#include "model/fitted_motion.h"
#include "model/runs_csv.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QCustomPlot;
class QCPGraph;
class QWidget;

namespace kestrova {

/// The time span and the half-heights of the angle and speed axes.
struct OverlayExtent {
    double timeFrom = 0; ///< s
    double timeTo = 0;
    double angle = 0; ///< rad, the largest magnitude shown
    double speed = 0; ///< rad/s
};

class MeasurementOverlay : public QObject {
    Q_OBJECT

public:
    explicit MeasurementOverlay(QObject* parent = nullptr);
    ~MeasurementOverlay() override;

    /// Shows `series` (none: nothing) named after `fileName`, and the
    /// motion fitted to it, if any; both are shown again.
    void Set(const std::optional<MeasuredSeries>& series, const QString& fileName,
             const std::optional<FittedMotion>& motion);

    /// The check boxes, made once, hidden while there is nothing to show.
    QWidget* CreateControls(QWidget* parent);

    /// Puts the points and the curve shown in `angle` or `speed`, in place
    /// of those put before (which a clearing of the plot may have taken).
    void Draw(QCustomPlot& angle, QCustomPlot& speed);
    /// Widens `extent` (the runs' own) to take in what is shown.
    void Widen(OverlayExtent& extent) const;
    /// Larger points and a thicker curve for a projector.
    void ApplyStyle(bool projector);

    /// The measurement and the fitted curve as the table writes them.
    [[nodiscard]] std::vector<CsvRun> DataRuns() const;
    /// Their legend entries; the curve's names the model, then each value on a line.
    [[nodiscard]] QString Name() const;
    [[nodiscard]] QString CurveName() const;
    /// The graphs drawn, null while not shown.
    [[nodiscard]] QCPGraph* Points() const;
    [[nodiscard]] QCPGraph* Curve() const;

signals:
    /// What is shown changed; `fresh` when it is another measurement or fit.
    void Changed(bool fresh);

private:
    /// The points of both as the graphs hold them, made once for every redraw.
    struct Data;
    void UpdateControls();

    std::optional<MeasuredSeries> series_;
    QString fileName_;
    std::optional<FittedMotion> motion_;
    MeasuredSeries fitted_; ///< the motion's curve
    std::unique_ptr<Data> data_;
    bool projector_ = false;
    QPointer<QCPGraph> points_, curve_;
    QPointer<QCheckBox> showPoints_, showCurve_;
    QPointer<QWidget> controls_;
};

} // namespace kestrova
