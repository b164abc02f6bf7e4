#include "plot/painter_surface.h"

#include "plot/qt_colour.h"
#include "plot/qt_utf8.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace kestrova {

namespace {

/// A font size in whole pixels, at least one, as the screen box sizes it.
int FontPixels(double pixels)
{
    return std::isfinite(pixels)
        ? static_cast<int>(std::clamp(std::nearbyint(pixels), 1.0, 65536.0))
        : 1;
}

// A gathered point closer than this (logical pixels) to the previous one
// adds nothing visible: a trace of millisecond steps has many.
constexpr double kSmallestStep = 0.05;

} // namespace

PainterSurface::PainterSurface(QPainter* painter, QSizeF size, int logicalDpi)
    : painter_(painter)
    , size_(size)
    , dpi_(logicalDpi)
    , metrics_(font_)
    , metricsF_(font_)
{
    FontChanged();
}

PainterSurface::~PainterSurface()
{
    Flush();
}

QPen PainterSurface::Pen(Colour c, Qt::PenCapStyle cap, int style, int width)
{
    // Patterns only for thin pens, in pixels, as on the screen boxes.
    QPen pen(ToQColor(c), width, Qt::SolidLine, cap, Qt::MiterJoin);
    if (width == 1 && style == kDashed)
        pen.setDashPattern({18, 6});
    else if (width == 1 && style == kDotted)
        pen.setDashPattern({3, 3});
    return pen;
}

void PainterSurface::Flush()
{
    if (painter_ != nullptr && polyline_.size() > 1) {
        painter_->setRenderHint(QPainter::Antialiasing, true);
        painter_->setPen(Pen(polylineColour_, Qt::FlatCap, polylineStyle_, polylineWidth_));
        painter_->setBrush(Qt::NoBrush);
        painter_->drawPolyline(polyline_);
    }
    polyline_.clear();
}

void PainterSurface::FontChanged()
{
    const FontSpec& wanted = Font();
    font_ = QFont(QString::fromStdString(wanted.Name));
    font_.setPixelSize(FontPixels(wanted.Size * dpi_ / 72.0));
    font_.setWeight(
        static_cast<QFont::Weight>(std::clamp(wanted.Weight <= 0 ? 400 : wanted.Weight, 1, 1000)));
    metrics_ = QFontMetrics(font_);
    metricsF_ = QFontMetricsF(font_);
}

double PainterSurface::TextPixelWidth(std::string_view text) const
{
    return metricsF_.horizontalAdvance(FromUtf8(text));
}

double PainterSurface::TextPixelHeight(std::string_view) const
{
    return metrics_.height();
}

void PainterSurface::DeviceClear()
{
    polyline_.clear();
    coverage_.clear();
    if (painter_ != nullptr)
        painter_->fillRect(QRectF(QPointF(0, 0), size_), ToQColor(BackColor()));
}

void PainterSurface::DeviceLine(double x1, double y1, double x2, double y2, Colour c, bool box)
{
    if (painter_ == nullptr)
        return;
    const QPointF from(ToPixelX(x1) + 0.5, ToPixelY(y1) + 0.5);
    const QPointF to(ToPixelX(x2) + 0.5, ToPixelY(y2) + 0.5);
    if (box || from.x() == to.x() || from.y() == to.y()) {
        // Grid lines and frames on whole pixels, as the screen box draws them.
        const QPointF a(std::nearbyint(from.x() - 0.5) + 0.5, std::nearbyint(from.y() - 0.5) + 0.5);
        const QPointF b(std::nearbyint(to.x() - 0.5) + 0.5, std::nearbyint(to.y() - 0.5) + 0.5);
        Flush();
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setPen(Pen(c, Qt::SquareCap, DrawStyle(), DrawWidth()));
        painter_->setBrush(Qt::NoBrush);
        if (box)
            painter_->drawRect(QRectF(a, b).normalized());
        else
            painter_->drawLine(a, b);
        return;
    }
    // Sloped lines (the traces) are gathered while they join up in one pen;
    // unrounded, so a trace stays as smooth as it was computed.
    auto covered = coverage_.find(c);
    if (covered == coverage_.end())
        covered = coverage_.emplace(c, TraceCoverage(size_)).first;
    if (covered->second.Retraces(from, to))
        return; // the next segment drawn starts a new polyline
    const bool joins = !polyline_.isEmpty() && polyline_.back() == from && polylineColour_ == c
        && polylineStyle_ == DrawStyle() && polylineWidth_ == DrawWidth();
    if (!joins) {
        Flush();
        polyline_ << from;
        polylineColour_ = c;
        polylineStyle_ = DrawStyle();
        polylineWidth_ = DrawWidth();
    }
    const QPointF step = to - polyline_.back();
    if (polyline_.size() == 1 || std::abs(step.x()) + std::abs(step.y()) >= kSmallestStep)
        polyline_ << to;
    else
        polyline_.back() = to; // replaces the last point, so the next segment still joins
}

void PainterSurface::DeviceCircle(double x, double y, double radius, Colour c)
{
    Flush();
    if (painter_ == nullptr)
        return;
    const QPointF centre(ToPixelX(x) + 0.5, ToPixelY(y) + 0.5);
    const double r = std::abs(ToPixelX(x + radius) - ToPixelX(x));
    painter_->setRenderHint(QPainter::Antialiasing, true);
    painter_->setPen(Pen(c, Qt::FlatCap, DrawStyle(), DrawWidth()));
    painter_->setBrush(FillStyle() == kFillSolid ? QBrush(ToQColor(FillColor()))
                                                 : QBrush(Qt::NoBrush));
    painter_->drawEllipse(centre, r, r);
}

void PainterSurface::DevicePoint(double x, double y, Colour c)
{
    Flush();
    if (painter_ == nullptr)
        return;
    const double px = std::nearbyint(ToPixelX(x));
    const double py = std::nearbyint(ToPixelY(y));
    const int w = DrawWidth();
    painter_->setRenderHint(QPainter::Antialiasing, true);
    painter_->setPen(Qt::NoPen);
    painter_->setBrush(ToQColor(c));
    if (w == 1)
        painter_->drawRect(QRectF(px, py, 1, 1));
    else
        painter_->drawEllipse(QPointF(px + 0.5, py + 0.5), w / 2.0, w / 2.0);
}

void PainterSurface::DeviceText(double x, double y, std::string_view text)
{
    Flush();
    if (painter_ == nullptr)
        return;
    const QPointF topLeft(std::nearbyint(ToPixelX(x)), std::nearbyint(ToPixelY(y)));
    painter_->setRenderHint(QPainter::Antialiasing, true);
    painter_->setFont(font_);
    painter_->setPen(ToQColor(ForeColor()));
    painter_->drawText(topLeft + QPointF(0, metrics_.ascent()), FromUtf8(text));
}

void PainterSurface::TextOutRotated(int px, int py, std::string_view text, const RotatedFont& font)
{
    Flush();
    if (painter_ == nullptr)
        return;
    QFont f(QString::fromStdString(font.FaceName));
    f.setPixelSize(font.Height != 0 ? std::abs(font.Height) : font_.pixelSize());
    painter_->save();
    painter_->translate(px, py);
    painter_->rotate(-font.Escapement / 10.0);
    painter_->setFont(f);
    painter_->setPen(ToQColor(ForeColor()));
    painter_->drawText(QPointF(0, QFontMetricsF(f).ascent()), FromUtf8(text));
    painter_->restore();
}

} // namespace kestrova
