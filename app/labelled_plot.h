#pragma once

/// \file
/// A plot as it leaves the program for a lab report: what the screen shows
/// beside it (its title, the titles of its axes with their units) and the
/// run's parameters become part of the picture, around the plot itself.

#include "plot/plot_picture.h"

#include <QByteArray>
#include <QImage>
#include <QSizeF>
#include <QStringList>

class QPainter;

namespace kestrova {

/// The size of the labelled picture, in the plot's logical pixels.
[[nodiscard]] QSizeF LabelledPlotSize(const PlotPicture& plot, const QStringList& parameters);

/// Paints the title above the plot, the vertical axis title turned along its
/// left side, the horizontal one under it, then the parameters, black on
/// white, into (0, 0, LabelledPlotSize) of the painter's coordinates.
void PaintLabelledPlot(QPainter& painter, const PlotPicture& plot, const QStringList& parameters);

/// The labelled plot as an SVG document drawn as vectors.
[[nodiscard]] QByteArray LabelledPlotSvg(const PlotPicture& plot, const QStringList& parameters);

/// The labelled plot as an image at `pixelRatio` device pixels per logical pixel.
[[nodiscard]] QImage LabelledPlotImage(const PlotPicture& plot, const QStringList& parameters,
                                       qreal pixelRatio);

} // namespace kestrova
