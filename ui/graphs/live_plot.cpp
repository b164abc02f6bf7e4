#include "ui/graphs/live_plot.h"

#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace kestrova {

LivePlot::LivePlot(QWidget* parent)
    : QCustomPlot(parent)
{
    // A replot has drawn every point: the sheet starts empty again.
    connect(this, &QCustomPlot::afterReplot, this, [this] { sheet_ = QImage(); });
}

void LivePlot::DrawOver(const std::vector<QPointF>& points, const QPen& pen)
{
    if (points.size() < 2)
        return;
    const qreal ratio = devicePixelRatioF();
    if (sheet_.isNull()) {
        sheet_ = QImage(size() * ratio, QImage::Format_ARGB32_Premultiplied);
        sheet_.setDevicePixelRatio(ratio);
        sheet_.fill(Qt::transparent);
    }
    QPainter painter(&sheet_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(axisRect()->rect());
    painter.setPen(pen);
    QPolygonF line;
    auto flush = [&] {
        if (line.size() > 1) {
            painter.drawPolyline(line);
            dirty_ |= line.boundingRect();
        }
        line.clear();
    };
    for (const QPointF& point : points) {
        if (std::isnan(point.x()) || std::isnan(point.y())) {
            flush();
            continue;
        }
        line.append(QPointF(xAxis->coordToPixel(point.x()), yAxis->coordToPixel(point.y())));
    }
    flush();
    const qreal margin = pen.widthF() + 2;
    dirty_.adjust(-margin, -margin, margin, margin);
}

void LivePlot::ShowDrawnOver()
{
    if (dirty_.isEmpty())
        return;
    update(dirty_.toAlignedRect());
    dirty_ = QRectF();
}

void LivePlot::paintEvent(QPaintEvent* event)
{
    QCustomPlot::paintEvent(event);
    if (sheet_.isNull())
        return;
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(QPointF(0, 0), sheet_);
}

} // namespace kestrova
