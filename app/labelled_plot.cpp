#include "app/labelled_plot.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace kestrova {

namespace {

constexpr double kMargin = 8;           // around everything, and between the blocks
constexpr double kLabelTextPixels = 12; // the axis titles and the parameters
constexpr double kTitlePixels = 13;     // the plot's title, bold
constexpr double kMinimumWidth = 320;   // room for the parameters of a small plot
constexpr double kColumnGap = 24;       // between two columns of parameters

QFont LabelFont(double pixels, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(static_cast<int>(pixels));
    font.setBold(bold);
    return font;
}

/// Where each block lies, in the picture's logical pixels.
struct Layout {
    QRectF title;
    QRectF yTitle; // before turning: its length runs down the plot's left side
    QRectF plot;
    QRectF xTitle;
    QPointF parameters; // the top left of the first column
    QSizeF cell;        // one parameter's, its column gap included
    int rows = 0;       // per column: they fill the columns down, then across
    QSizeF size;
};

double WrappedHeight(const QFont& font, double width, const QString& text)
{
    if (text.isEmpty())
        return 0;
    return std::ceil(QFontMetricsF(font)
                         .boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, text)
                         .height());
}

Layout LayOut(const PlotPicture& plot, const QStringList& parameters)
{
    const QFont text = LabelFont(kLabelTextPixels, false);
    const double line = std::ceil(QFontMetricsF(text).lineSpacing());
    const double left = kMargin + (plot.yTitle.isEmpty() ? 0 : line + kMargin);
    const double width = std::max(left + plot.size.width() + kMargin, kMinimumWidth);
    const double inner = width - 2 * kMargin;

    Layout out;
    double y = kMargin;
    const double titleHeight = WrappedHeight(LabelFont(kTitlePixels, true), inner, plot.title);
    out.title = QRectF(kMargin, y, inner, titleHeight);
    y += titleHeight + (titleHeight > 0 ? kMargin : 0);
    out.plot = QRectF(QPointF(left, y), QSizeF(plot.size));
    out.yTitle = QRectF(kMargin, y, line, plot.size.height());
    y += plot.size.height();
    if (!plot.xTitle.isEmpty()) {
        out.xTitle = QRectF(left, y + kMargin / 2, plot.size.width(), line);
        y += kMargin / 2 + line;
    }
    // As many columns as the width holds, each parameter whole on its line.
    double column = 0;
    for (const QString& parameter : parameters)
        column = std::max(column, std::ceil(QFontMetricsF(text).horizontalAdvance(parameter)));
    column = std::min(column, inner);
    const auto count = static_cast<int>(parameters.size());
    const int columns = std::max(1, static_cast<int>((inner + kColumnGap) / (column + kColumnGap)));
    out.rows = (count + columns - 1) / columns;
    out.cell = QSizeF(column + kColumnGap, line);
    y += kMargin;
    out.parameters = QPointF(kMargin, y);
    y += out.rows * line + (count > 0 ? kMargin : 0);
    out.size = QSizeF(width, y);
    return out;
}

} // namespace

QSizeF LabelledPlotSize(const PlotPicture& plot, const QStringList& parameters)
{
    return LayOut(plot, parameters).size;
}

void PaintLabelledPlot(QPainter& painter, const PlotPicture& plot, const QStringList& parameters)
{
    const Layout layout = LayOut(plot, parameters);
    painter.save();
    painter.fillRect(QRectF(QPointF(0, 0), layout.size), Qt::white);
    painter.setPen(Qt::black);
    painter.setFont(LabelFont(kTitlePixels, true));
    painter.drawText(layout.title, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, plot.title);
    painter.setFont(LabelFont(kLabelTextPixels, false));
    painter.drawText(layout.xTitle, Qt::AlignHCenter | Qt::AlignTop, plot.xTitle);
    for (int i = 0; i < parameters.size(); ++i) {
        const QPointF at = layout.parameters
            + QPointF(i / layout.rows * layout.cell.width(),
                      i % layout.rows * layout.cell.height());
        painter.drawText(QRectF(at, layout.cell), Qt::AlignLeft | Qt::AlignTop, parameters[i]);
    }
    if (!plot.yTitle.isEmpty()) {
        // Read from the bottom up, as the screen shows it beside the plot.
        painter.save();
        painter.translate(layout.yTitle.left(), layout.yTitle.bottom());
        painter.rotate(-90);
        painter.drawText(QRectF(0, 0, layout.yTitle.height(), layout.yTitle.width()),
                         Qt::AlignHCenter | Qt::AlignVCenter, plot.yTitle);
        painter.restore();
    }
    painter.translate(layout.plot.topLeft());
    PaintPlot(painter, plot);
    painter.setPen(QPen(Qt::gray, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(QPointF(0, 0), QSizeF(plot.size)));
    painter.restore();
}

QByteArray LabelledPlotSvg(const PlotPicture& plot, const QStringList& parameters)
{
    const QSize size = LabelledPlotSize(plot, parameters).toSize();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(plot.logicalDpi);
    generator.setTitle(plot.title);
    generator.setDescription(parameters.join(QLatin1Char('\n')));
    QPainter painter(&generator);
    PaintLabelledPlot(painter, plot, parameters);
    painter.end();
    return bytes;
}

QImage LabelledPlotImage(const PlotPicture& plot, const QStringList& parameters, qreal pixelRatio)
{
    const QSizeF size = LabelledPlotSize(plot, parameters);
    QImage image((size * pixelRatio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintLabelledPlot(painter, plot, parameters);
    painter.end();
    return image;
}

} // namespace kestrova
