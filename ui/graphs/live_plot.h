#pragma once

/// \file
/// A QCustomPlot that grows cheaply: what a frame adds to a curve is drawn
/// over the last replot on a transparent sheet of its own, and only the
/// pixels around it are repainted. A replot draws the curves whole again
/// and clears the sheet.

#include <qcustomplot.h>

#include <QImage>

#include <vector>

namespace kestrova {

class LivePlot : public QCustomPlot {
    Q_OBJECT

public:
    explicit LivePlot(QWidget* parent = nullptr);

    /// Joins `points` (plot coordinates; a NaN breaks the line) with `pen`
    /// over what is shown, inside the axis rectangle.
    void DrawOver(const std::vector<QPointF>& points, const QPen& pen);
    /// Repaints what DrawOver added since the last call.
    void ShowDrawnOver();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage sheet_;
    QRectF dirty_;
};

} // namespace kestrova
