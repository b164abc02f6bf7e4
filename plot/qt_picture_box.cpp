#include "plot/qt_picture_box.h"

#include "plot/device_pixels.h"

#include <QPaintEvent>
#include <QScreen>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <utility>

namespace kestrova {

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
    , metrics_(qfont_)
    , metricsF_(qfont_)
{
    // Every pixel of the widget comes from the border and the picture.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    FontChanged();
}

PictureBox::~PictureBox()
{
    EndPainting();
    if (waitingForFrame_) {
        if (FramePacer* pacer = FramePacer::Instance())
            pacer->Forget(this);
    }
}

void PictureBox::SetBorder(bool border)
{
    if (border == border_)
        return;
    border_ = border;
    EnsureImage();
    update();
}

void PictureBox::SetZoom(double zoom)
{
    if (!(zoom > 0) || zoom == zoom_)
        return;
    EndPainting();
    zoom_ = zoom;
    update();
}

int PictureBox::BorderPixels() const
{
    return std::max(1, static_cast<int>(std::lround(kBorderWidth * zoom_)));
}

QRectF PictureBox::ToWidget(const QRectF& imageRect) const
{
    return {imageRect.x() * zoom_, imageRect.y() * zoom_, imageRect.width() * zoom_,
            imageRect.height() * zoom_};
}

QRect PictureBox::InsideRect() const
{
    const int b = BorderPixels();
    return border_ ? rect().adjusted(b, b, -b, -b) : rect();
}

QPointF PictureBox::UserPointAt(QPointF widgetPos) const
{
    const QPointF inside = (widgetPos - InsideRect().topLeft()) / zoom_;
    return {FromPixelX(inside.x()), FromPixelY(inside.y())};
}

const QImage& PictureBox::Picture()
{
    // Finished drawing, so that the caller may share the pixels.
    EndPainting();
    EnsureImage();
    return image_;
}

void PictureBox::EnsureImage()
{
    // The image holds the screen's pixels of the inside area; its painter
    // works in pixels of the drawing, zoom_ times fewer.
    const qreal screenRatio = devicePixelRatioF();
    const qreal dpr = screenRatio * zoom_;
    const QSize inside = InsideRect().size();
    const QSize deviceSize(qCeil(std::max(1, inside.width()) * screenRatio),
                           qCeil(std::max(1, inside.height()) * screenRatio));
    if (image_.size() == deviceSize && image_.devicePixelRatio() == dpr)
        return;

    EndPainting();
    DropBackdrop(); // drawn for the old size; the whole image counts as drawn below
    QImage next(deviceSize, QImage::Format_RGB32);
    next.setDevicePixelRatio(dpr);
    next.fill(ToQColor(BackColor()));
    ink_.Clear();
    inkBackColour_ = BackColor();
    if (!image_.isNull()) {
        // Same ratio: a plain copy of the overlap. A new ratio (the window
        // moved to another screen): the picture is scaled, as nothing
        // remembers how to draw it again.
        QPainter painter(&next);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QPointF(0, 0), image_);
        image_ = std::move(next);
        InkEverywhere();
        return;
    }
    image_ = std::move(next);
}

QPainter& PictureBox::Painter()
{
    // While the painter is active only the size is checked: the device
    // pixel ratio is asked when it starts (the screen's ratio costs a walk
    // up to the window), and a change of screen ends it. Copies of the
    // image are safe either way: Qt copies an image being painted on
    // instead of sharing it, and starting a painter unshares the image.
    if (painter_.isActive() && paintedSize_ != InsideRect().size())
        EndPainting();
    if (!painter_.isActive()) {
        EnsureImage();
        paintedSize_ = InsideRect().size();
        painter_.begin(&image_);
        // The painter takes an image's ratio below 1 as 1: a box zoomed out
        // on a plain screen scales itself.
        const qreal ratio = image_.devicePixelRatio();
        if (ratio < 1)
            painter_.scale(ratio, ratio);
        painter_.setRenderHint(QPainter::Antialiasing);
        painterHasFont_ = false;
    }
    return painter_;
}

void PictureBox::EndPainting()
{
    if (painter_.isActive())
        painter_.end();
}

void PictureBox::Drawn(const QRectF& imageRect)
{
    const QRect image(0, 0, qCeil(PixelWidth()), qCeil(PixelHeight()));
    ink_.Add(imageRect.toAlignedRect() & image);
    Touch(imageRect);
}

void PictureBox::InkEverywhere()
{
    ink_.Add(QRect(0, 0, qCeil(PixelWidth()), qCeil(PixelHeight())));
}

void PictureBox::Touch(const QRectF& imageRect)
{
    if (!isVisible())
        return; // showing the box repaints it whole
    const QRect inside = InsideRect();
    pendingUpdate_.Add(ToWidget(imageRect).translated(inside.topLeft()).toAlignedRect() & inside);
    // The screen is told at most once a frame, with the area touched since
    // the last time (an animation's tick shows its frame itself at once).
    if (!waitingForFrame_) {
        if (FramePacer* pacer = FramePacer::Instance()) {
            pacer->Wait(this, FramePacer::FramePeriodNs(screen()));
            waitingForFrame_ = true;
        } else {
            ShowFrame();
        }
    }
}

void PictureBox::ShowFrame()
{
    waitingForFrame_ = false;
    if (!pendingUpdate_.IsEmpty())
        update(pendingUpdate_.Region());
    pendingUpdate_.Clear();
}

bool PictureBox::event(QEvent* event)
{
    if (event->type() == QEvent::ScreenChangeInternal)
        EndPainting(); // the next primitive sees the new ratio
    return QWidget::event(event);
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    // The image's own painter stays active: it draws straight into the
    // pixels read here, and starting it again at every frame of the
    // animation costs more than the copy. EnsureImage ends it if the image
    // has to be replaced.
    EnsureImage();
    QPainter painter(this);
    const QRect inside = InsideRect();
    if (border_ && !inside.contains(event->rect()))
        DrawSunkenBorder(painter);
    // Screen pixels per logical pixel of the widget: the image's ratio
    // without the zoom.
    const qreal dpr = image_.devicePixelRatio() / zoom_;
    if (dpr != std::floor(dpr)) {
        painter.setClipRect(inside, Qt::IntersectClip);
        painter.drawImage(QRectF(inside.topLeft(), QSizeF(image_.size()) / dpr), image_);
        return;
    }
    // Only the parts asked for, each copied pixel for pixel: handing the
    // whole picture over with a clip costs a pass over all of it, spread
    // over threads, at every frame of the animation.
    // The raster engine hands a copy of 96 rows or more to its thread pool:
    // waking the pool's threads costs far more than the thin strips the
    // animation repaints (an axis of the figure, every frame), so the copy
    // goes in bands short enough to stay on this thread.
    constexpr int kBandRows = 64;
    const int ratio = static_cast<int>(dpr);
    const int bandHeight = std::max(1, kBandRows / ratio);
    for (const QRect& r : event->region()) {
        const QRect part = r & inside;
        for (int top = part.top(); top <= part.bottom(); top += bandHeight) {
            const QRect band(part.left(), top, part.width(),
                             std::min(bandHeight, part.bottom() + 1 - top));
            painter.drawImage(
                band, image_,
                QRect((band.topLeft() - inside.topLeft()) * ratio, band.size() * ratio));
        }
    }
}

void PictureBox::DrawSunkenBorder(QPainter& painter) const
{
    // The classic two-pixel sunken frame, as whole logical pixels: at any
    // device pixel ratio every device pixel of the border is painted (thin
    // lines would leave half of them to whatever the screen held). Zoomed,
    // each ring is as many pixels thick as the zoom makes its one pixel.
    const QPalette& pal = palette();
    const int w = width();
    const int h = height();
    const int outer = (BorderPixels() + 1) / 2;
    const int inner = BorderPixels() - outer;
    // A ring `t` pixels thick whose outer edge is `at` pixels in.
    auto ring = [&](int at, int t, const QColor& shadow, const QColor& light) {
        const int least = at == 0 ? 2 : 2 * at + 3; // the inner ring wants some inside
        if (t <= 0 || w < least || h < least)
            return;
        const int right = w - at; // past the ring's outer edge
        const int bottom = h - at;
        // Shadow above and left, light below and right; the light sides
        // take the corners they share with the shadow ones.
        painter.fillRect(QRect(at, at, t, bottom - at - t), shadow);
        painter.fillRect(QRect(at, at, right - at - t, t), shadow);
        painter.fillRect(QRect(at, bottom - t, right - at, t), light);
        painter.fillRect(QRect(right - t, at, t, bottom - at), light);
    };
    ring(0, outer, pal.dark().color(), pal.light().color());
    ring(outer, inner, pal.shadow().color(), pal.midlight().color());
}

// --- geometry ------------------------------------------------------------------

double PictureBox::PixelWidth() const
{
    return std::max(1, InsideRect().width()) / zoom_;
}

double PictureBox::PixelHeight() const
{
    return std::max(1, InsideRect().height()) / zoom_;
}

int PictureBox::LogicalDpiY() const
{
    return logicalDpiY();
}

bool PictureBox::Visible() const
{
    // What the program asked for, whether or not the window is on screen yet.
    return !isHidden();
}

void PictureBox::SetVisible(bool visible)
{
    setVisible(visible);
}

double PictureBox::Left() const
{
    return x() * kTwipsPerPixel / zoom_;
}
double PictureBox::Top() const
{
    return y() * kTwipsPerPixel / zoom_;
}
double PictureBox::Width() const
{
    return width() * kTwipsPerPixel / zoom_;
}
double PictureBox::Height() const
{
    return height() * kTwipsPerPixel / zoom_;
}
void PictureBox::SetLeft(double twips)
{
    move(TwipsToPixels(twips * zoom_), y());
}
void PictureBox::SetTop(double twips)
{
    move(x(), TwipsToPixels(twips * zoom_));
}
void PictureBox::SetWidth(double twips)
{
    resize(TwipsToPixels(twips * zoom_), height());
}
void PictureBox::SetHeight(double twips)
{
    resize(width(), TwipsToPixels(twips * zoom_));
}

void PictureBox::BackColorChanged()
{
    // As on a classic picture box, a new background colour erases the picture.
    DeviceClear();
}

} // namespace kestrova
