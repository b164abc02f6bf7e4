#include "plot/painter_surface.h"

#include "plot/qt_colour.h"
#include "plot/qt_pen_and_font.h"
#include "plot/qt_utf8.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace kestrova {

namespace {

// A gathered point closer than this (logical pixels) to the previous one
// adds nothing visible: a trace of millisecond steps has many.
constexpr double kSmallestStep = 0.05;

} // namespace

PainterSurface::PainterSurface(QPainter& painter, QSizeF size, int logicalDpi)
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

void PainterSurface::Flush()
{
    if (polyline_.size() > 1) {
        painter_.setRenderHint(QPainter::Antialiasing, true);
        painter_.setPen(SurfacePen(polylineColour_, polylineStyle_, polylineWidth_,
                                   SlopedLineCap(polylineStyle_, polylineWidth_)));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawPolyline(polyline_);
    }
    polyline_.clear();
}

void PainterSurface::FontChanged()
{
    font_ = SurfaceFont(Font(), dpi_);
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
    painter_.fillRect(QRectF(QPointF(0, 0), size_), ToQColor(BackColor()));
}

void PainterSurface::DeviceLine(double x1, double y1, double x2, double y2, Colour c, bool box)
{
    const QPointF from(ToPixelX(x1) + 0.5, ToPixelY(y1) + 0.5);
    const QPointF to(ToPixelX(x2) + 0.5, ToPixelY(y2) + 0.5);
    if (box || from.x() == to.x() || from.y() == to.y()) {
        // Grid lines and frames on whole pixels, as the screen box draws them.
        const QPointF a(std::nearbyint(from.x() - 0.5) + 0.5, std::nearbyint(from.y() - 0.5) + 0.5);
        const QPointF b(std::nearbyint(to.x() - 0.5) + 0.5, std::nearbyint(to.y() - 0.5) + 0.5);
        Flush();
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.setPen(SurfacePen(c, DrawStyle(), DrawWidth(), Qt::SquareCap));
        painter_.setBrush(Qt::NoBrush);
        if (box)
            painter_.drawRect(QRectF(a, b).normalized());
        else
            painter_.drawLine(a, b);
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
    const QPointF centre(ToPixelX(x) + 0.5, ToPixelY(y) + 0.5);
    const double r = std::abs(ToPixelX(x + radius) - ToPixelX(x));
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setPen(SurfacePen(c, DrawStyle(), DrawWidth(), Qt::FlatCap));
    painter_.setBrush(FillStyle() == kFillSolid ? QBrush(ToQColor(FillColor()))
                                                : QBrush(Qt::NoBrush));
    painter_.drawEllipse(centre, r, r);
}

void PainterSurface::DevicePoint(double x, double y, Colour c)
{
    Flush();
    const double px = std::nearbyint(ToPixelX(x));
    const double py = std::nearbyint(ToPixelY(y));
    const int w = DrawWidth();
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(ToQColor(c));
    if (w == 1)
        painter_.drawRect(QRectF(px, py, 1, 1));
    else
        painter_.drawEllipse(QPointF(px + 0.5, py + 0.5), w / 2.0, w / 2.0);
}

void PainterSurface::DeviceText(double x, double y, std::string_view text)
{
    Flush();
    const QPointF topLeft(std::nearbyint(ToPixelX(x)), std::nearbyint(ToPixelY(y)));
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setFont(font_);
    painter_.setPen(ToQColor(ForeColor()));
    painter_.drawText(topLeft + QPointF(0, metrics_.ascent()), FromUtf8(text));
}

void PainterSurface::TextOutRotated(int px, int py, std::string_view text, const RotatedFont& font)
{
    Flush();
    const QFont f = RotatedTextFont(font, font_.pixelSize());
    painter_.save();
    painter_.translate(px, py);
    painter_.rotate(-font.Escapement / 10.0);
    painter_.setFont(f);
    painter_.setPen(ToQColor(ForeColor()));
    painter_.drawText(QPointF(0, QFontMetricsF(f).ascent()), FromUtf8(text));
    painter_.restore();
}

} // namespace kestrova
