#pragma once

/// \file
/// Reading values off the graphs: a cursor that follows the pointer (or
/// the arrow keys) and shows, for every run, the recorded sample nearest to
/// it; and a two-point measuring tool that gives the differences between
/// two points picked on a graph, a period for instance.

#include "model/motion_recorder.h"
#include "ui/graphs/run_plots.h"

#include <QObject>
#include <QPointF>

#include <optional>
#include <vector>

class QLabel;
class QCPItemStraightLine;
class QCPItemLine;
class QCPItemText;
class QMouseEvent;

namespace kestrova {

/// A run the cursor reads.
struct ReadRun {
    QString name;
    const MotionRecorder* recording = nullptr;
};

/// The row of `recording` nearest to `time` (s).
[[nodiscard]] RecordedRow NearestRow(const MotionRecorder& recording, double time);

class GraphReader : public QObject {
    Q_OBJECT

public:
    /// Writes its readings into `readout`, under the graphs.
    GraphReader(RunPlots& plots, QLabel& readout, QObject* parent = nullptr);

    void SetRuns(std::vector<ReadRun> runs);
    /// Clicks on a graph pick the two points of a measurement.
    void SetMeasuring(bool measuring);
    [[nodiscard]] bool Measuring() const { return measuring_; }

    /// The cursor at `time` (s) on the time graphs.
    void ReadAt(double time);
    /// The measurement's points, in the coordinates of the graph `kind`.
    void PickPoint(GraphKind kind, QPointF point);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnMove(GraphKind kind, QMouseEvent* event);
    void OnClick(GraphKind kind, QMouseEvent* event);
    void ShowReadout();
    void ShowMeasurement();

    RunPlots& plots_;
    QLabel& readout_;
    std::vector<ReadRun> runs_;
    std::optional<double> cursorTime_;
    /// A point of the phase portrait picked by the pointer (angle, speed).
    std::optional<QPointF> phasePoint_;
    std::vector<QCPItemStraightLine*> cursorLines_;
    bool measuring_ = false;
    GraphKind measureKind_ = GraphKind::Angle;
    std::vector<QPointF> measurePoints_;
    QCPItemLine* measureLine_ = nullptr;
    QCPItemText* measureText_ = nullptr;
    QString measurement_;
};

} // namespace kestrova
