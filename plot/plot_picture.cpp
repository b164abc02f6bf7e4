#include "plot/plot_picture.h"

#include "plot/painter_surface.h"
#include "plot/qt_colour.h"
#include "plot/qt_picture_box.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

namespace kestrova {

void PaintPlot(QPainter& painter, const PlotPicture& plot)
{
    painter.save();
    painter.setClipRect(QRect(QPoint(0, 0), plot.size));
    PainterSurface surface(painter, QSizeF(plot.size), plot.logicalDpi);
    surface.SetBackColor(plot.backColour);
    surface.SetForeColor(plot.foreColour);
    surface.Cls();
    if (plot.draw)
        plot.draw(surface);
    surface.Flush();
    painter.restore();
}

QByteArray PlotSvg(const PlotPicture& plot)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(plot.size);
    generator.setViewBox(QRect(QPoint(0, 0), plot.size));
    generator.setResolution(plot.logicalDpi);
    generator.setTitle(plot.title);
    QPainter painter(&generator);
    PaintPlot(painter, plot);
    painter.end();
    return bytes;
}

QImage PlotImage(const PlotPicture& plot, qreal pixelRatio)
{
    QImage image(plot.size * pixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(ToQColor(plot.backColour));
    QPainter painter(&image);
    PaintPlot(painter, plot);
    painter.end();
    return image;
}

QByteArray PngBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

PlotPicture PictureOfBox(const PictureBox& box, const QString& name, const QString& title)
{
    PlotPicture plot;
    plot.name = name;
    plot.title = title;
    plot.size = box.InsideRect().size();
    plot.logicalDpi = box.LogicalDpiY();
    plot.backColour = box.BackColor();
    plot.foreColour = box.ForeColor();
    plot.shownBy = &box;
    return plot;
}

} // namespace kestrova
