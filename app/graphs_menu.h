#pragma once

/// \file
/// The frame's side of the "Graphiques" window: its menu items in
/// "Analyse" (the window, keeping the current run, clearing the kept runs),
/// the window itself among the frame's children, following the damped
/// window as it opens and closes, and the files the window exports.

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QAction;
class QMainWindow;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace kestrova {

class frmPenduleAmorti;
class GraphsWindow;
class KeptRuns;

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

    [[nodiscard]] QAction* GraphsAction() const { return graphs_; }
    [[nodiscard]] QAction* KeepAction() const { return keep_; }
    [[nodiscard]] QAction* ClearAction() const { return clear_; }
    /// The open graphs window, or null.
    [[nodiscard]] GraphsWindow* Window() const;

    /// Opens the graphs window, or brings it forward when open.
    void ShowGraphs();
    /// Keeps the current run of the damped window, if any.
    void KeepCurrentRun();
    /// "Effacer les lancers": every kept run goes.
    void ClearKeptRuns();

    /// Writes the graphs window as shown: PNG (twice the screen's logical
    /// pixels), SVG or PDF after the path's suffix. False and a message
    /// when it could not.
    bool ExportImage(const QString& path);
    /// Writes every run of the graphs window, kept ones included, as CSV.
    bool ExportData(const QString& path);

    void SetNameChooser(NameChooser chooser) { chooseName_ = std::move(chooser); }
    void SetErrorReporter(ErrorReporter reporter) { reportError_ = std::move(reporter); }

private:
    void KeptChanged();
    void UpdateEnabled();
    bool Report(const QString& message);

    QMainWindow& frame_;
    QMdiArea& area_;
    KeptRuns& kept_;
    QAction& energyCurves_;
    QPointer<frmPenduleAmorti> damped_;
    QPointer<QMdiSubWindow> subWindow_;
    NameChooser chooseName_;
    ErrorReporter reportError_;
    QAction* graphs_ = nullptr;
    QAction* keep_ = nullptr;
    QAction* clear_ = nullptr;
    QAction* fullScreen_ = nullptr; ///< the frame over the whole screen, for a projector
};

} // namespace kestrova
