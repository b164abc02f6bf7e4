#pragma once

/// \file
/// The frame's side of the "Graphiques" window: its menu items in
/// "Analyse" (the window, keeping the current run, clearing the kept runs),
/// the window itself among the frame's children, following the run of the
/// damped or the driven window (the one last activated) as they open and
/// close, and the files the window exports.

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <variant>

class QAction;
class QMainWindow;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace kestrova {

class DampedRun;
class DrivenRun;
class frmPenduleAmorti;
class frmPenduleForce;
class GraphsWindow;
class KeptRuns;
class MeasurementSession;

class GraphsMenu : public QObject {
    Q_OBJECT

public:
    using NameChooser = std::function<QString(const QString& caption, const QString& proposed,
                                              const QString& filters)>;
    using ErrorReporter = std::function<void(const QString& message)>;

    /// Adds its items to `analysis`; `energyCurves` is the frame's switch of
    /// the energy levels on the phase portraits.
    GraphsMenu(QMainWindow& frame, QMdiArea& area, KeptRuns& kept, QMenu& analysis,
               QAction& energyCurves);

    /// The damped window just opened (or null): the graphs follow its run.
    void Follow(frmPenduleAmorti* damped);
    /// The driven window just opened: the graphs follow its run.
    void Follow(frmPenduleForce* driven);
    /// The graphs show the imported measurement and its fitted motion.
    void FollowMeasurement(const MeasurementSession& measured);

    [[nodiscard]] QAction* GraphsAction() const { return graphs_; }
    [[nodiscard]] QAction* KeepAction() const { return keep_; }
    [[nodiscard]] QAction* ClearAction() const { return clear_; }
    /// The open graphs window, or null.
    [[nodiscard]] GraphsWindow* Window() const;

    /// Opens the graphs window, or brings it forward when open.
    void ShowGraphs();
    /// Keeps the run the graphs follow, if any.
    void KeepCurrentRun();
    /// "Effacer les lancers": every kept run goes, and so do the other runs
    /// the program remembers (the earlier runs of the period–amplitude plot),
    /// through `alsoClear`.
    void ClearKeptRuns();
    /// The frame's other remembered runs: whether there are any, and how to
    /// forget them; "Effacer les lancers" is one action for all of them.
    void SetOtherRuns(std::function<bool()> any, std::function<void()> clear);
    /// Enables the items after a change of what is remembered.
    void UpdateEnabled();

    /// Writes the graphs window as shown: PNG (twice the screen's logical
    /// pixels), SVG or PDF after the path's suffix. False and a message
    /// when it could not.
    bool ExportImage(const QString& path);
    /// Writes every run of the graphs window, kept ones included, and the
    /// measurement with its fitted curve, as CSV.
    bool ExportData(const QString& path);

    void SetNameChooser(NameChooser chooser) { chooseName_ = std::move(chooser); }
    void SetErrorReporter(ErrorReporter reporter) { reportError_ = std::move(reporter); }

private:
    enum class Followed { Damped, Driven };

    void KeptChanged();
    void ShowMeasurement();
    /// A simulation window came forward: its run is followed.
    void WindowActivated(QMdiSubWindow* subWindow);
    /// The graphs window follows the run chosen, or none.
    void ShowFollowed();
    /// The run followed: the chosen window's, or the other's when it is closed.
    [[nodiscard]] std::variant<std::monostate, const DampedRun*, const DrivenRun*> Live();
    bool Report(const QString& message);

    QMainWindow& frame_;
    QMdiArea& area_;
    KeptRuns& kept_;
    QAction& energyCurves_;
    QPointer<frmPenduleAmorti> damped_;
    /// The followed damped window as a mere object, to know it while it is
    /// being destroyed: reading damped_ then would take it for a window.
    const QObject* dampedObject_ = nullptr;
    QPointer<frmPenduleForce> driven_;
    Followed followed_ = Followed::Damped;
    QPointer<QMdiSubWindow> subWindow_;
    const MeasurementSession* measured_ = nullptr;
    NameChooser chooseName_;
    ErrorReporter reportError_;
    std::function<bool()> anyOtherRuns_;
    std::function<void()> clearOtherRuns_;
    QAction* graphs_ = nullptr;
    QAction* keep_ = nullptr;
    QAction* clear_ = nullptr;
};

} // namespace kestrova
