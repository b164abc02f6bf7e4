#include "app/printed_page.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

#include <algorithm>

namespace kestrova {

namespace {

// The page is laid out on a canvas in the plots' own logical pixels, then
// scaled to the page: plots, labels and margins keep their proportions.
constexpr double kGap = 16; // between plots, and around the blocks
constexpr double kHeadingPixels = 18;
constexpr double kPrintedTextPixels = 11;
constexpr qsizetype kPlotsPerRow = 3;

QFont CanvasFont(double pixels, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(static_cast<int>(pixels));
    font.setBold(bold);
    return font;
}

} // namespace

void PaintPage(QPainter& painter, QSizeF page, const PlotSource& source)
{
    const QList<PlotPicture> plots = source.Plots();
    const QStringList captions = source.Captions();
    const QFont heading = CanvasFont(kHeadingPixels, true);
    const QFont text = CanvasFont(kPrintedTextPixels, false);
    const double headingLine = QFontMetricsF(heading).lineSpacing();
    const double textLine = QFontMetricsF(text).lineSpacing();

    // Rows of a few plots: a window with its analyses stays legible.
    QList<QList<PlotPicture>> rows;
    for (qsizetype i = 0; i < plots.size(); i += kPlotsPerRow)
        rows.append(plots.mid(i, kPlotsPerRow));
    const double captionHeight = kGap + 2 * textLine;
    double plotsWidth = 0;
    double plotsHeight = 0;
    QList<double> rowHeights;
    for (const QList<PlotPicture>& row : rows) {
        double width = 0;
        double height = 0;
        for (const PlotPicture& plot : row) {
            width += plot.size.width() + (width > 0 ? kGap : 0);
            height = std::max<double>(height, plot.size.height());
        }
        plotsWidth = std::max(plotsWidth, width);
        plotsHeight += height + (plotsHeight > 0 ? captionHeight : 0);
        rowHeights.append(height);
    }
    const double top = headingLine + kGap + textLine * captions.size() + kGap;
    const QSizeF canvas(std::max(plotsWidth, 400.0), top + plotsHeight + captionHeight);
    const double scale = std::min(page.width() / canvas.width(), page.height() / canvas.height());

    painter.save();
    painter.scale(scale, scale);
    painter.setPen(Qt::black);
    painter.setFont(heading);
    painter.drawText(QPointF(0, QFontMetricsF(heading).ascent()), source.Heading());
    painter.setFont(text);
    double y = headingLine + kGap + QFontMetricsF(text).ascent();
    for (const QString& line : captions) {
        painter.drawText(QPointF(0, y), line);
        y += textLine;
    }
    double rowTop = top;
    for (qsizetype r = 0; r < rows.size(); ++r) {
        double x = 0;
        for (const PlotPicture& plot : rows[r]) {
            painter.save();
            painter.translate(x, rowTop);
            PaintPlot(painter, plot);
            painter.setPen(QPen(Qt::gray, 0));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRectF(QPointF(0, 0), QSizeF(plot.size)));
            painter.restore();
            painter.setPen(Qt::black);
            painter.setFont(text);
            painter.drawText(
                QRectF(x, rowTop + plot.size.height() + kGap / 2, plot.size.width(), 2 * textLine),
                Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, plot.title);
            x += plot.size.width() + kGap;
        }
        rowTop += rowHeights[r] + captionHeight;
    }
    painter.restore();
}

} // namespace kestrova
