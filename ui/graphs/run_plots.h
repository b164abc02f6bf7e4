#pragma once

/// \file
/// The four graphs of runs: angle, angular speed and energies against time,
/// and the phase portrait. Each run shown is a recording with its colour
/// and name; the current run grows at every frame, and while the axes stay
/// a frame draws only its new pieces.

#include "model/motion_recorder.h"
#include "model/parameters.h"
#include "ui/graphs/measurement_overlay.h"

#include <QColor>
#include <QObject>
#include <QPointF>
#include <QString>

#include <array>
#include <vector>

class QCustomPlot;
class QCPGraph;
class QCPCurve;

namespace kestrova {

enum class GraphKind { Angle, Speed, Energy, Phase };
inline constexpr std::size_t kGraphCount = 4;

/// A run as the graphs show it.
struct PlotRun {
    const MotionRecorder* recording = nullptr;
    Parameters parameters;
    QString name;
    QColor colour;
    bool live = false;
    /// Half-height of the angle axis, and the largest angular speed and
    /// energy it needs.
    double angleScale = 0;
    double speedScale = 0;
    double energyScale = 0;
    /// The small-angle theory's energy envelope is drawn with the current run.
    bool envelope = false;
};

class RunPlots : public QObject {
    Q_OBJECT

public:
    explicit RunPlots(QObject* parent = nullptr);

    [[nodiscard]] QCustomPlot* Plot(GraphKind kind) const
    {
        return plots_[static_cast<std::size_t>(kind)];
    }
    [[nodiscard]] const std::array<QCustomPlot*, kGraphCount>& Plots() const { return plots_; }

    /// Draws `runs` anew, with time from 0 to `timeEnd` unless the user has
    /// moved the view.
    void Show(const std::vector<PlotRun>& runs, double timeEnd);
    /// Adds the rows each run has gained since the last call; when the
    /// time axis follows and `timeEnd` is beyond it, it grows. Repaints the
    /// visible graphs, only the current run's layer when the axes stayed.
    void Extend(double timeEnd);

    /// The view is the whole of every run again and follows the current one.
    void ResetView();
    [[nodiscard]] bool FollowsRuns() const { return follows_; }

    /// Thick lines, large fonts and strong contrast for a projector.
    void SetProjectorStyle(bool projector);
    [[nodiscard]] bool ProjectorStyle() const { return projector_; }
    /// The energy levels and the separatrix of the current run behind the phase portrait.
    void SetEnergyLevelsShown(bool shown);
    /// Pans with the pointer, or zooms on a box drawn with it.
    void SetBoxZoom(bool box);

    /// Axis titles in the interface language.
    void Retranslate();

    /// The imported measurement and its fitted curve, drawn with the runs.
    [[nodiscard]] MeasurementOverlay& Overlay() const { return *overlay_; }

private:
    struct Drawn {
        PlotRun run;
        std::size_t rows = 0;          ///< rows of the recording already in the graphs
        std::vector<QCPGraph*> graphs; ///< angle, speed, total, then kinetic and potential
        QCPGraph* envelope = nullptr;  ///< the current damped run's only
        QCPCurve* phase = nullptr;
        /// The current run's points added by the last AppendRows, joined to
        /// the last one shown before: angle, speed, total, kinetic and
        /// potential energy, envelope, phase portrait.
        std::vector<std::vector<QPointF>> fresh;
    };
    static constexpr std::size_t kFreshCurves = 7;

    void Build(QCustomPlot* plot);
    void AddRun(const PlotRun& run);
    void AppendRows(Drawn& drawn);
    void DrawEnergyLevels();
    void ApplyRanges();
    void ApplyStyle();
    /// The visible graphs drawn whole again at the next turn of the event loop.
    void Replot();

    std::array<QCustomPlot*, kGraphCount> plots_{};
    std::vector<Drawn> drawn_;
    double timeEnd_ = 10;
    bool follows_ = true;
    bool applyingRanges_ = false; ///< the ranges are being set by the program, not the user
    bool projector_ = false;
    bool levelsShown_ = false;
    std::vector<QCPCurve*> levels_;
    MeasurementOverlay* overlay_ = nullptr;
};

} // namespace kestrova
