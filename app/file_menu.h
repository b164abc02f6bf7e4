#pragma once

/// \file
/// The frame's "Fichier" menu: the recorded damped or driven run as a CSV table, the
/// plots of the open simulation window as PNG or SVG files, the plot under
/// the pointer (or the whole window) on the clipboard, and a printed page.
/// Every file is written atomically; a failure is told in French.

#include "plot/plot_picture.h"

#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>

class QAction;
class QMainWindow;
class QMenu;

namespace kestrova {

class DampedRun;
class DrivenRun;
class PlotSource;

class FileMenu : public QObject {
    Q_OBJECT

public:
    /// Asks for a file name to save to: caption, proposed path, filters.
    /// An empty answer cancels.
    using NameChooser = std::function<QString(const QString& caption, const QString& proposed,
                                              const QString& filters)>;
    /// Tells the user why a file could not be written.
    using ErrorReporter = std::function<void(const QString& message)>;

    /// `damped` and `active` give the run of the open damped window (or
    /// null) and the open simulation window (or null) at the moment of each
    /// command.
    FileMenu(QMainWindow& frame, std::function<const DampedRun*()> damped,
             std::function<PlotSource*()> active);

    /// The menu, to be put first in the frame's menu bar.
    [[nodiscard]] QMenu* Menu() const { return menu_; }
    [[nodiscard]] QAction* ExportDataAction() const { return exportData_; }
    [[nodiscard]] QAction* ExportPlotsAction() const { return exportPlots_; }
    [[nodiscard]] QAction* CopyAction() const { return copy_; }
    [[nodiscard]] QAction* PrintAction() const { return print_; }

    void SetNameChooser(NameChooser chooser) { chooseName_ = std::move(chooser); }
    /// The run of the open driven window (or null): its data are exported
    /// while no damped window is open.
    void SetDrivenRun(std::function<const DrivenRun*()> driven) { driven_ = std::move(driven); }
    /// Plots shown beside the simulation window (in a dock) that leave the
    /// program with it: exported after its own, copied when under the pointer.
    void SetSidePlots(std::function<QList<PlotPicture>()> plots) { sidePlots_ = std::move(plots); }
    void SetErrorReporter(ErrorReporter reporter) { reportError_ = std::move(reporter); }

    /// Enables each command when it has something to act on: the data once
    /// the damped run has started since its reset, the others while a
    /// simulation window is open.
    void UpdateEnabled();

    /// Writes the damped (else the driven) run's setup and recording to
    /// `path`; false (and a message) when it could not.
    bool ExportData(const QString& path);
    /// Writes each plot of the open window next to `path`, named after it
    /// with the plot's name added: SVG when `path` ends in ".svg", PNG at
    /// twice the logical resolution otherwise. Each file holds the plot with
    /// its title, its axis titles and the window's parameters.
    bool ExportPlots(const QString& path);
    /// Puts the plot under the pointer (global coordinates), else the whole
    /// open window, on the clipboard.
    void Copy(QPoint pointer);

    /// A proposed path in the documents folder: the simulation and the date.
    [[nodiscard]] static QString ProposedPath(const QString& stem, const QString& suffix);

protected:
    /// The texts follow the interface language.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Retranslate();
    void Print();
    bool Report(const QString& message);
    bool ExportDrivenData(const DrivenRun& run, const QString& path);
    /// The driven run when there is one and no damped run.
    [[nodiscard]] const DrivenRun* DrivenOnly() const;
    /// The open window's plots, then the side plots.
    [[nodiscard]] QList<PlotPicture> AllPlots(const PlotSource& source) const;

    QMainWindow& frame_;
    std::function<const DampedRun*()> damped_;
    std::function<const DrivenRun*()> driven_;
    std::function<PlotSource*()> active_;
    std::function<QList<PlotPicture>()> sidePlots_;
    NameChooser chooseName_;
    ErrorReporter reportError_;
    QMenu* menu_ = nullptr;
    QAction* exportData_ = nullptr;
    QAction* exportPlots_ = nullptr;
    QAction* copy_ = nullptr;
    QAction* print_ = nullptr;
};

} // namespace kestrova
