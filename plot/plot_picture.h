#pragma once

/// \file
/// A plot as something that can leave the program: its size on screen and a
/// procedure that draws it again on any picture surface. The windows
/// describe their plots this way; the exports turn the description into an
/// SVG file drawn as vectors, an image, or a part of a printed page.

#include "plot/picture_surface.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QPainter;
class QWidget;

namespace kestrova {

class PictureBox;

struct PlotPicture {
    QString name;                     ///< short, for file names: "oscillation"
    QString title;                    ///< what the plot shows, for printed pages and SVG titles
    QString xTitle;                   ///< the horizontal axis with its unit, if it has one
    QString yTitle;                   ///< the vertical axis with its unit, if it has one
    QSize size;                       ///< logical pixels, as on screen
    int logicalDpi = 96;              ///< the screen box's, for its font sizes
    Colour backColour = 0xFFFFFF;     ///< the box's background
    Colour foreColour = 0;            ///< its foreground (grid, labels)
    const QWidget* shownBy = nullptr; ///< the box showing it on screen
    /// Draws the plot on a cleared surface of `size` in these colours.
    std::function<void(PictureSurface&)> draw;
};

/// The plot shown in `box`, named and titled, without its drawing procedure.
[[nodiscard]] PlotPicture PictureOfBox(const PictureBox& box, const QString& name,
                                       const QString& title);

/// What a simulation window offers to the exports.
class PlotSource {
public:
    virtual ~PlotSource() = default;
    /// The plots as they are now, the visible member of each pair.
    [[nodiscard]] virtual QList<PlotPicture> Plots() const = 0;
    /// The parameters and derived quantities, one "name : value" per line.
    [[nodiscard]] virtual QStringList Captions() const = 0;
    /// The simulation, for proposed file names ("pendule-amorti").
    [[nodiscard]] virtual QString FileStem() const = 0;
    /// The window's caption.
    [[nodiscard]] virtual QString Heading() const = 0;
};

/// Draws the plot through `painter` into the rectangle (0, 0, size) of its
/// current coordinates.
void PaintPlot(QPainter& painter, const PlotPicture& plot);

/// The plot as an SVG document drawn as vectors (paths and text, no image).
[[nodiscard]] QByteArray PlotSvg(const PlotPicture& plot);

/// The plot as an image at `pixelRatio` device pixels per logical pixel.
[[nodiscard]] QImage PlotImage(const PlotPicture& plot, qreal pixelRatio);

/// The image encoded as PNG.
[[nodiscard]] QByteArray PngBytes(const QImage& image);

} // namespace kestrova
