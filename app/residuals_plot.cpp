#include "app/residuals_plot.h"

#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kestrova {

ResidualsPlot::ResidualsPlot(QWidget* parent)
    : QWidget(parent)
{
    setMinimumSize(360, 140);
    setAccessibleName(tr("Résidus en fonction du temps"));
}

void ResidualsPlot::SetResiduals(std::vector<double> time, std::vector<double> residual,
                                 const QString& unit)
{
    time_ = std::move(time);
    residual_ = std::move(residual);
    unit_ = unit;
    update();
}

void ResidualsPlot::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().base());
    const QRectF area = QRectF(rect()).adjusted(90, 10, -10, -25);
    p.setPen(palette().text().color());
    p.drawRect(area);
    if (time_.size() < 2)
        return;
    double extent = 0;
    for (const double r : residual_)
        extent = std::max(extent, std::abs(r));
    if (extent == 0)
        extent = 1;
    const double t0 = time_.front(), t1 = time_.back();
    const auto x = [&](double t) { return area.left() + (t - t0) / (t1 - t0) * area.width(); };
    const auto y = [&](double r) { return area.center().y() - r / extent * area.height() / 2; };
    p.drawLine(QPointF(area.left(), y(0)), QPointF(area.right(), y(0)));
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const QString top = QStringLiteral("%1 %2").arg(locale.toString(extent, 'g', 2), unit_);
    p.drawText(QRectF(0, area.top() - 6, 86, 14), Qt::AlignRight, top);
    p.drawText(QRectF(0, area.bottom() - 8, 86, 14), Qt::AlignRight,
               QStringLiteral("−%1").arg(top));
    p.drawText(QRectF(area.left(), area.bottom() + 4, 100, 16), Qt::AlignLeft,
               tr("%1 s").arg(locale.toString(t0, 'f', 1)));
    p.drawText(QRectF(area.right() - 100, area.bottom() + 4, 100, 16), Qt::AlignRight,
               tr("%1 s").arg(locale.toString(t1, 'f', 1)));
    p.setPen(QPen(QColor(0, 90, 200), 1.5));
    // One point per pixel column at most: a long recording stays quick to draw.
    const std::size_t step =
        std::max<std::size_t>(1, time_.size() / static_cast<std::size_t>(area.width() * 2));
    for (std::size_t i = 0; i < time_.size(); i += step)
        p.drawPoint(QPointF(x(time_[i]), y(residual_[i])));
}

} // namespace kestrova
