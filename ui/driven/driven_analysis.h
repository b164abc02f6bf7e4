#pragma once

/// \file
/// The driven pendulum's analysis window: the resonance curve beside its
/// theory, the Poincaré section, the bifurcation diagram and the separation
/// of two runs started 1e-6 rad apart, one tab each. Every computation runs
/// on a worker thread with a progress bar and a cancel button: the
/// interface, and the animation of the driven window, go on meanwhile.

#include "model/driven_sweeps.h"
#include "plot/plot_picture.h"

#include <QWidget>

#include <array>
#include <atomic>
#include <functional>
#include <thread>

class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;

namespace kestrova {

class PictureBox;

/// What the analysis window computed, each tab's part with the setup it
/// was computed for.
struct DrivenAnalysisResults {
    std::array<DrivenSetup, 4> computedFor{};
    std::vector<ResonancePoint> upward;
    std::vector<ResonancePoint> downward;
    ResonanceSummary summary;
    std::vector<Motion> section;
    std::vector<BifurcationColumn> columns;
    BifurcationOptions bifurcation;
    std::vector<SeparationSample> separation;
};

class DrivenAnalysis : public QWidget {
    Q_OBJECT

public:
    enum Tab { Resonance, Section, Bifurcation, Sensitivity, TabCount };

    /// A window of its own above `parent`.
    explicit DrivenAnalysis(QWidget* parent);
    /// Cancels a running computation and waits for its worker.
    ~DrivenAnalysis() override;

    /// The setup the next computations start from.
    void SetSetup(const DrivenSetup& setup) { setup_ = setup; }
    /// Computes what `tab` shows, off the interface thread; nothing while
    /// another computation runs.
    void Compute(Tab tab);
    void Cancel() { cancel_ = true; }
    [[nodiscard]] bool Busy() const { return worker_.joinable(); }
    void SetGammaRange(double from, double to);
    /// How many values of γ the bifurcation sweep takes (400 at first).
    void SetGammaCount(int count) { results_.bifurcation.count = count; }

    /// The plots computed so far, each drawn again from a copy of its
    /// results, for the exports and the printouts. None while a
    /// computation runs.
    [[nodiscard]] QList<PlotPicture> Plots() const;

    [[nodiscard]] const std::vector<BifurcationColumn>& Columns() const { return results_.columns; }
    [[nodiscard]] const ResonanceSummary& Summary() const { return results_.summary; }

signals:
    /// A computation ended, finished or cancelled; its results are shown.
    void Finished(bool completed);

private:
    void CreateControls();
    /// Runs `job` on the worker; `total` is the count its progress reaches.
    /// `job` returns whether it completed; `show` then runs on this thread.
    void Start(int total, std::function<bool(const std::function<bool(int)>&)> job,
               std::function<void()> show);
    void Draw(Tab tab);
    /// Draws what `tab` shows of `results` on `box` and returns its summary.
    static QString DrawOn(PictureSurface& box, Tab tab, const DrivenAnalysisResults& results);

    DrivenSetup setup_;
    DrivenAnalysisResults results_;

    QTabWidget* tabs_ = nullptr;
    std::array<PictureBox*, TabCount> boxes_{};
    std::array<QLabel*, TabCount> summaries_{};
    QDoubleSpinBox* gammaFrom_ = nullptr;
    QDoubleSpinBox* gammaTo_ = nullptr;
    QPushButton* cmdCompute_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    QProgressBar* progress_ = nullptr;

    std::atomic<bool> cancel_{false};
    std::thread worker_;
};

} // namespace kestrova
