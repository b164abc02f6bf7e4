#pragma once

/// \file
/// One printed page of a simulation window: its caption, its parameters and
/// derived quantities, then its plots side by side, three to a row, with
/// what each shows.

#include "plot/plot_picture.h"

#include <QSizeF>

class QPainter;

namespace kestrova {

/// Paints the page of `source` through `painter`, fitted to `page` (device
/// units of the painter, the printable area).
void PaintPage(QPainter& painter, QSizeF page, const PlotSource& source);

} // namespace kestrova
