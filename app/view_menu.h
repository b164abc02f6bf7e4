#pragma once

/// \file
/// The frame's "Affichage" menu: the zoom of the simulation windows (fixed
/// steps, or fitted to the frame), full screen, and the high contrast for
/// projectors. The zoom and the contrast are kept between runs beside the
/// interface language. The menu also zooms with Ctrl and the mouse wheel
/// over a simulation window, and keeps a fitted window whole when the
/// frame or the Mesures panel changes the room it has.

#include <QMenu>

class QAction;
class QActionGroup;
class QMainWindow;
class QMdiArea;
class QMdiSubWindow;

namespace kestrova {

/// What the menu asks of the simulation windows.
struct ViewChoice {
    bool fitted = false; ///< "Ajuster à la fenêtre"
    double zoom = 1.0;   ///< the fixed zoom, when not fitted
    bool highContrast = false;
    bool operator==(const ViewChoice&) const = default;
};

class ViewMenu : public QMenu {
    Q_OBJECT

public:
    /// The menu of `frame`, whose simulation windows live in `area`.
    ViewMenu(QMainWindow& frame, QMdiArea& area);

    [[nodiscard]] ViewChoice Choice() const { return choice_; }
    /// Takes `choice` as the user's (checks its items, shows the windows
    /// accordingly) and remembers it for the next runs.
    void Choose(const ViewChoice& choice);
    /// The choice remembered from an earlier run, 100 % and normal
    /// contrast if none; unless the open window would not fit on a screen
    /// whose free area is `available` at the remembered zoom: then fitted,
    /// for this run only.
    void RestoreSaved(const QSize& available);
    /// Shows a newly opened simulation window as the menu says.
    void WindowOpened(QMdiSubWindow& subWindow);

    /// The zoom a sub-window's simulation is shown at now.
    [[nodiscard]] static double ZoomOf(const QMdiSubWindow& subWindow);

    [[nodiscard]] QAction* FitAction() const { return fit_; }
    [[nodiscard]] QAction* ZoomInAction() const { return zoomIn_; }
    [[nodiscard]] QAction* ZoomOutAction() const { return zoomOut_; }
    [[nodiscard]] QAction* FullScreenAction() const { return fullScreen_; }
    [[nodiscard]] QAction* HighContrastAction() const { return highContrast_; }
    /// The item of a fixed zoom of kZoomSteps, or null.
    [[nodiscard]] QAction* ZoomAction(double zoom) const;

signals:
    /// The user or a lesson chose another zoom or contrast.
    void ChoiceChanged();

protected:
    /// Ctrl+wheel over a simulation window; the room of the area.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateZoomItems();
    void CreateOtherItems();
    /// Shows `choice` without remembering it.
    void Apply(const ViewChoice& choice);
    /// Every open simulation window at the chosen zoom and contrast.
    void ShowWindows();
    void ShowWindow(QMdiSubWindow& subWindow);
    /// The area's sub-windows that hold a simulation (not the graphs).
    [[nodiscard]] QList<QMdiSubWindow*> SimulationWindows() const;
    /// The zoom that keeps `subWindow` whole in the area.
    [[nodiscard]] double FittingZoomFor(const QMdiSubWindow& subWindow) const;
    /// The Mesures panel or a smaller frame left too little room: fitted.
    void MakeRoom();
    /// One step up (`steps` > 0) or down from the zoom shown.
    void StepZoom(int steps);
    void ToggleFullScreen(bool full);

    QMainWindow& frame_;
    QMdiArea& area_;
    ViewChoice choice_;
    QActionGroup* zooms_ = nullptr;
    QAction* fit_ = nullptr;
    QAction* zoomIn_ = nullptr;
    QAction* zoomOut_ = nullptr;
    QAction* fullScreen_ = nullptr;
    QAction* highContrast_ = nullptr;
    bool wasMaximized_ = false;  ///< the frame's state before full screen
    bool showing_ = false;       ///< guards against the resizes the zoom itself makes
    QSize startRoom_{1016, 734}; ///< the area's guessed size until the frame is shown
    int wheelAngle_ = 0;         ///< Ctrl+wheel turned since the last step (eighths of a degree)
};

} // namespace kestrova
