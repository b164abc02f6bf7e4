#pragma once

/// \file
/// "Graphiques": a large, resizable window of graphs of the runs — the
/// current run of the damped or the driven window, followed live, and the
/// runs the teacher kept to compare with it — with zoom, a cursor, a
/// measuring tool, a projector style and a legend naming each run by what
/// sets it apart. It only reads the runs: drawing never changes a model.

#include "model/kept_runs.h"
#include "model/run_curves.h"
#include "model/runs_csv.h"

#include <QWidget>

#include <memory>
#include <optional>
#include <variant>
#include <vector>

class QAction;
class QLabel;
class QListWidget;
class QCPPainter;
class QPushButton;
class QStackedWidget;
class QTabWidget;
class QToolBar;
class QWidget;

namespace kestrova {

class DampedRun;
class DrivenRun;
class GraphReader;
class RunPlots;

class GraphsWindow : public QWidget {
    Q_OBJECT

public:
    /// Shows `kept`, which must outlive the window; its owner calls
    /// KeptChanged after each change.
    explicit GraphsWindow(KeptRuns& kept, QWidget* parent = nullptr);
    ~GraphsWindow() override;

    /// The version of the library that draws the graphs, for the About box.
    [[nodiscard]] static QString LibraryVersion();

    /// The run followed live: none (only the kept runs are shown), the
    /// damped window's or the driven window's.
    using LiveRun = std::variant<std::monostate, const DampedRun*, const DrivenRun*>;

    /// Follows `run`, which must outlive the following or be replaced first.
    void Follow(LiveRun run);
    /// The followed run has advanced, been reset or paused: the graphs catch up.
    void RunMoved();

    /// The kept runs changed: their curves are taken again, the list rebuilt.
    void KeptChanged();

    void SetEnergyLevelsShown(bool shown);
    [[nodiscard]] RunPlots& Plots() const { return *plots_; }
    [[nodiscard]] GraphReader& Reader() const { return *reader_; }
    [[nodiscard]] QAction* GridAction() const { return grid_; }
    [[nodiscard]] QAction* ProjectorAction() const { return projector_; }
    [[nodiscard]] QAction* MeasureAction() const { return measure_; }

    /// What the window shows, as it shows it: the parameters line, the
    /// visible graphs in their places and the readout, painted at the
    /// window's logical size (vectors when the painter draws them).
    void PaintShown(QCPPainter& painter) const;
    [[nodiscard]] QSize ShownSize() const;
    /// Every run, the current one first, with its name, as long as it is drawn.
    [[nodiscard]] std::vector<CsvRun> DataRuns() const;
    /// One line for each run of DataRuns: its name and all its parameters.
    [[nodiscard]] std::vector<std::string> DataNotes() const;
    /// The current run's parameters, or what the window shows without one.
    [[nodiscard]] QString Heading() const;

signals:
    void ExportImageAsked();
    void ExportDataAsked();

private:
    void CreateToolBar(QToolBar* bar);
    QAction* AddTool(QToolBar* bar, const char* text, QKeyCombination key, bool checkable);
    void SetGridLayout(bool grid);
    /// Draws every run anew.
    void ShowRuns();
    void FillKeptList();
    void RemoveSelectedRun();
    [[nodiscard]] double TimeEnd() const;
    [[nodiscard]] std::optional<RunSetup> LiveSetup() const;
    [[nodiscard]] std::optional<RunOnGraphs> LiveGraphs() const;
    [[nodiscard]] double LiveTime() const;
    [[nodiscard]] std::vector<RunSetup> AllSetups() const;
    [[nodiscard]] QString KeptName(const RunSetup& setup) const;
    [[nodiscard]] QString LiveName() const;
    /// The scales of the driven runs, which grow as their drive feeds them:
    /// when they change, the graphs are drawn anew on larger axes.
    [[nodiscard]] std::vector<double> DrivenScales() const;
    /// Where the parameters, the graphs and the readout lie in the window.
    [[nodiscard]] QRect ShownArea() const;

    KeptRuns& kept_;
    LiveRun live_;
    std::size_t liveRows_ = 0;
    std::optional<RunSetup> liveSetup_;
    std::vector<double> drivenScales_;
    /// The curves of the kept runs, in the list's order.
    std::vector<std::unique_ptr<RunCurves>> curves_;

    RunPlots* plots_ = nullptr;
    GraphReader* reader_ = nullptr;
    QLabel* heading_ = nullptr;
    QLabel* hint_ = nullptr;
    QLabel* readout_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QWidget* gridPage_ = nullptr;
    QListWidget* keptList_ = nullptr;
    QPushButton* remove_ = nullptr;
    QAction* grid_ = nullptr;
    QAction* boxZoom_ = nullptr;
    QAction* resetView_ = nullptr;
    QAction* measure_ = nullptr;
    QAction* projector_ = nullptr;
    QAction* exportImage_ = nullptr;
    QAction* exportData_ = nullptr;
};

} // namespace kestrova
