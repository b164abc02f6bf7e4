#include "plot/qt_picture_box.h"

#include <QBasicTimer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimerEvent>
#include <QTransform>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

namespace kestrova {

namespace {

// Line styles beyond dashed and dotted, as classic picture boxes number them.
constexpr int kDashDot = 3;
constexpr int kDashDotDot = 4;
constexpr int kInvisible = 5;

// Fill styles beyond solid and transparent: hatch patterns.
constexpr int kFillHorizontal = 2;
constexpr int kFillVertical = 3;
constexpr int kFillUpwardDiagonal = 4;
constexpr int kFillDownwardDiagonal = 5;
constexpr int kFillCross = 6;
constexpr int kFillDiagonalCross = 7;

/// A pixel index from a continuous pixel coordinate, ties to even.
double Snap(double p)
{
    return std::nearbyint(p);
}

/// The device pixel an edge at logical coordinate p starts or ends on: the
/// first whose centre lies past the edge, as the unsmoothed painter fills.
/// Edges already on whole device pixels stay where they are; the others
/// move by at most half a device pixel.
int DevicePixel(double p, double ratio)
{
    constexpr double kFar = 1 << 29; // far outside any image, and no overflow
    const double edge = std::floor(p * ratio + 0.5);
    return std::isnan(edge) ? 0 : static_cast<int>(std::clamp(edge, -kFar, kFar));
}

/// A width in whole device pixels, never less than one.
int DevicePixels(double width, double ratio)
{
    return std::max(1, static_cast<int>(std::lround(width * ratio)));
}

/// A whole number of pixels within what a widget can take.
int ClampedPixels(double pixels)
{
    constexpr double kLimit = QWIDGETSIZE_MAX;
    if (std::isnan(pixels))
        return 0;
    return static_cast<int>(std::clamp(std::nearbyint(pixels), -kLimit, kLimit));
}


QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

/// Texts whose widths the box remembers at most, per font.
constexpr std::size_t kMostRememberedWidths = 512;

qint64 Area(const QRect& r)
{
    return static_cast<qint64>(r.width()) * r.height();
}

QFont::Weight ToQtWeight(int weight)
{
    // Qt uses the same 1..1000 scale as the font's Weight (400 normal,
    // 700 bold); 0 means "don't care", that is normal.
    return static_cast<QFont::Weight>(weight <= 0 ? 400 : std::min(weight, 1000));
}

} // namespace

/// Tells the screen about the boxes' drawing once a frame, all boxes at
/// the same moment: their repaints then reach the screen together, in one
/// flush of the window, instead of one flush per box.
class FramePacer : public QObject {
public:
    static FramePacer* Instance()
    {
        static QPointer<FramePacer> instance;
        if (instance.isNull() && QCoreApplication::instance() != nullptr)
            instance = new FramePacer(QCoreApplication::instance());
        return instance.data();
    }

    void Wait(PictureBox* box, qint64 periodNs)
    {
        waiting_.push_back(box);
        periodNs_ = periodNs;
        if (!timer_.isActive()) {
            const qint64 wait = std::max<qint64>(0, nextFrameNs_ - clock_.nsecsElapsed());
            timer_.start(static_cast<int>((wait + 999'999) / 1'000'000), Qt::PreciseTimer, this);
        }
    }

    void Forget(PictureBox* box) { std::erase(waiting_, box); }

protected:
    void timerEvent(QTimerEvent* event) override
    {
        if (event->timerId() != timer_.timerId()) {
            QObject::timerEvent(event);
            return;
        }
        timer_.stop();
        std::vector<PictureBox*> due;
        due.swap(waiting_);
        for (PictureBox* box : due)
            box->Flush();
        // The next frame one period after this one was due, so that the
        // pace holds whatever the timer's rounding; after a quiet spell or
        // a frame more than half a period late, one period from now.
        const qint64 now = clock_.nsecsElapsed();
        const qint64 next = nextFrameNs_ + periodNs_;
        nextFrameNs_ = next >= now + periodNs_ / 2 ? next : now + periodNs_;
    }

private:
    explicit FramePacer(QObject* parent)
        : QObject(parent)
    {
        clock_.start();
    }

    QBasicTimer timer_;
    QElapsedTimer clock_;
    qint64 nextFrameNs_ = 0; ///< the earliest the screen may be told again
    qint64 periodNs_ = 16'666'667;
    std::vector<PictureBox*> waiting_;
};

void PictureBox::RectList::Add(const QRect& r)
{
    if (r.isEmpty())
        return;
    for (const QRect& known : *this) {
        if (known.contains(r))
            return;
    }
    int kept = 0;
    for (int i = 0; i < count_; ++i) {
        if (!r.contains(rects_[i]))
            rects_[kept++] = rects_[i];
    }
    count_ = kept;
    if (count_ < kMostRects) {
        rects_[count_++] = r;
        return;
    }
    int best = 0;
    qint64 bestGrowth = -1;
    for (int i = 0; i < count_; ++i) {
        const qint64 growth = Area(rects_[i] | r) - Area(rects_[i]);
        if (bestGrowth < 0 || growth < bestGrowth) {
            best = i;
            bestGrowth = growth;
        }
    }
    rects_[best] |= r;
}

QRegion PictureBox::RectList::Region() const
{
    QRegion region;
    for (const QRect& r : *this)
        region += r;
    return region;
}

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

QRect PictureBox::InsideRect() const
{
    return border_ ? rect().adjusted(kBorderWidth, kBorderWidth, -kBorderWidth, -kBorderWidth)
                   : rect();
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
    const qreal dpr = devicePixelRatioF();
    const QSize deviceSize(qCeil(PixelWidth() * dpr), qCeil(PixelHeight() * dpr));
    if (image_.size() == deviceSize && image_.devicePixelRatio() == dpr)
        return;

    EndPainting();
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
        painter_.setRenderHint(QPainter::Antialiasing);
        antialiased_ = true;
        painterHasFont_ = false;
    }
    return painter_;
}

void PictureBox::EndPainting()
{
    if (painter_.isActive())
        painter_.end();
}

void PictureBox::SetAntialiasing(bool on)
{
    if (antialiased_ == on)
        return;
    painter_.setRenderHint(QPainter::Antialiasing, on);
    antialiased_ = on;
}

const QPen& PictureBox::PenFor(Colour c, Qt::PenCapStyle cap)
{
    // Styles only apply to thin pens; a wider pen draws solid, as on the
    // classic boxes.
    const int width = DrawWidth();
    const int style = width == 1 ? DrawStyle() : kSolid;
    if (style == penStyle_ && width == penWidth_ && c == penColour_) {
        if (pen_.capStyle() != cap)
            pen_.setCapStyle(cap);
        return pen_;
    }

    pen_ = QPen(ToQColor(c), width, Qt::SolidLine, cap, Qt::MiterJoin);
    // The classic one-pixel patterns, in pixels (pen width 1).
    switch (style) {
    case kDashed:
        pen_.setDashPattern({18, 6});
        break;
    case kDotted:
        pen_.setDashPattern({3, 3});
        break;
    case kDashDot:
        pen_.setDashPattern({9, 6, 3, 6});
        break;
    case kDashDotDot:
        pen_.setDashPattern({9, 3, 3, 3, 3, 3});
        break;
    case kInvisible:
        pen_.setStyle(Qt::NoPen);
        break;
    default:
        break;
    }
    penStyle_ = style;
    penWidth_ = width;
    penColour_ = c;
    return pen_;
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
    pendingUpdate_.Add(imageRect.translated(inside.topLeft()).toAlignedRect() & inside);
    // The animation draws every millisecond; the screen is told at most once
    // a frame, with the area touched since the last time.
    if (!waitingForFrame_) {
        if (FramePacer* pacer = FramePacer::Instance()) {
            pacer->Wait(this, FramePeriodNs());
            waitingForFrame_ = true;
        } else {
            Flush();
        }
    }
}

void PictureBox::Flush()
{
    waitingForFrame_ = false;
    if (!pendingUpdate_.IsEmpty())
        update(pendingUpdate_.Region());
    pendingUpdate_.Clear();
}

qint64 PictureBox::FramePeriodNs() const
{
    const QScreen* s = screen();
    const double rate = s != nullptr && s->refreshRate() > 1 ? s->refreshRate() : 60.0;
    return std::max<qint64>(1'000'000, static_cast<qint64>(1e9 / rate));
}

bool PictureBox::event(QEvent* event)
{
    if (event->type() == QEvent::ScreenChangeInternal)
        EndPainting(); // the next primitive sees the new ratio
    return QWidget::event(event);
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    EnsureImage();
    EndPainting();
    QPainter painter(this);
    const QRect inside = InsideRect();
    if (border_ && !inside.contains(event->rect()))
        DrawSunkenBorder(painter);
    const qreal dpr = image_.devicePixelRatio();
    if (dpr != std::floor(dpr)) {
        painter.setClipRect(inside, Qt::IntersectClip);
        painter.drawImage(inside.topLeft(), image_);
        return;
    }
    // Only the parts asked for, each copied pixel for pixel: handing the
    // whole picture over with a clip costs a pass over all of it, spread
    // over threads, at every frame of the animation.
    const int ratio = static_cast<int>(dpr);
    for (const QRect& r : event->region()) {
        const QRect part = r & inside;
        if (!part.isEmpty())
            painter.drawImage(
                part, image_,
                QRect((part.topLeft() - inside.topLeft()) * ratio, part.size() * ratio));
    }
}

void PictureBox::DrawSunkenBorder(QPainter& painter) const
{
    // The classic two-pixel sunken frame, as whole logical pixels: at any
    // device pixel ratio every device pixel of the border is painted (thin
    // lines would leave half of them to whatever the screen held).
    const QPalette& pal = palette();
    const int x = 0;
    const int y = 0;
    const int w = width();
    const int h = height();
    if (w < 2 || h < 2)
        return;
    auto strip = [&painter](int left, int top, int right, int bottom, const QColor& colour) {
        if (right >= left && bottom >= top)
            painter.fillRect(QRect(QPoint(left, top), QPoint(right, bottom)), colour);
    };
    // Outer ring: dark above and left, light below and right.
    strip(x, y, x, y + h - 2, pal.dark().color());
    strip(x, y, x + w - 2, y, pal.dark().color());
    strip(x, y + h - 1, x + w - 1, y + h - 1, pal.light().color());
    strip(x + w - 1, y, x + w - 1, y + h - 1, pal.light().color());
    if (w > 4 && h > 4) {
        // Inner ring: shadow above and left, midlight below and right.
        strip(x + 1, y + 1, x + 1, y + h - 3, pal.shadow().color());
        strip(x + 1, y + 1, x + w - 3, y + 1, pal.shadow().color());
        strip(x + 1, y + h - 2, x + w - 2, y + h - 2, pal.midlight().color());
        strip(x + w - 2, y + 1, x + w - 2, y + h - 2, pal.midlight().color());
    }
}

// --- geometry ------------------------------------------------------------------

double PictureBox::PixelWidth() const
{
    return std::max(1, InsideRect().width());
}

double PictureBox::PixelHeight() const
{
    return std::max(1, InsideRect().height());
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
    return x() * kTwipsPerPixel;
}
double PictureBox::Top() const
{
    return y() * kTwipsPerPixel;
}
double PictureBox::Width() const
{
    return width() * kTwipsPerPixel;
}
double PictureBox::Height() const
{
    return height() * kTwipsPerPixel;
}
void PictureBox::SetLeft(double twips)
{
    move(TwipsToPixels(twips), y());
}
void PictureBox::SetTop(double twips)
{
    move(x(), TwipsToPixels(twips));
}
void PictureBox::SetWidth(double twips)
{
    resize(TwipsToPixels(twips), height());
}
void PictureBox::SetHeight(double twips)
{
    resize(width(), TwipsToPixels(twips));
}

// --- font and colours ------------------------------------------------------------

void PictureBox::FontChanged()
{
    const FontSpec& wanted = Font();
    qfont_ = QFont(QString::fromStdString(wanted.Name));
    // A whole number of pixels, as a classic box sizes its font: metrics
    // and drawing then agree whatever the resolution of the image.
    qfont_.setPixelSize(std::max(1, ClampedPixels(wanted.Size * LogicalDpiY() / 72.0)));
    qfont_.setWeight(ToQtWeight(wanted.Weight));
    qfont_.setItalic(wanted.Italic);
    qfont_.setUnderline(wanted.Underline);
    qfont_.setStrikeOut(wanted.Strikethrough);
    metrics_ = QFontMetrics(qfont_);
    metricsF_ = QFontMetricsF(qfont_);
    widths_.clear();
    painterHasFont_ = false;
}

void PictureBox::BackColorChanged()
{
    // As on a classic picture box, a new background colour erases the picture.
    DeviceClear();
}

double PictureBox::TextPixelWidth(std::string_view text) const
{
    if (const auto known = widths_.find(text); known != widths_.end())
        return known->second;
    const double width = metricsF_.horizontalAdvance(FromUtf8(text));
    if (widths_.size() >= kMostRememberedWidths)
        widths_.clear(); // texts that keep changing: start afresh
    widths_.emplace(text, width);
    return width;
}

double PictureBox::TextPixelHeight(std::string_view /*text*/) const
{
    return metrics_.height();
}

// --- primitives --------------------------------------------------------------------

void PictureBox::DeviceClear()
{
    // The image as the painter sees it: of the right size, and not shared
    // (filling a shared image would give the box new pixels behind an
    // active painter's back).
    Painter();
    const QRect whole(0, 0, qCeil(PixelWidth()), qCeil(PixelHeight()));
    const bool inkEverywhere = ink_.begin() != ink_.end() && ink_.begin()->contains(whole);
    if (BackColor() != inkBackColour_ || inkEverywhere) {
        image_.fill(ToQColor(BackColor()));
        Touch(whole);
    } else {
        // Only what was drawn since the image was last plain: the pendulum
        // figure is erased and drawn again up to 250 times a second.
        // The painter draws into these same pixels, so it can stay.
        const QRgb back = ToQColor(BackColor()).rgb();
        const qreal dpr = image_.devicePixelRatio();
        const QRect deviceImage = image_.rect();
        uchar* const bits = image_.bits();
        const qsizetype stride = image_.bytesPerLine();
        for (const QRect& r : ink_) {
            const QRect d =
                QRectF(r.x() * dpr, r.y() * dpr, r.width() * dpr, r.height() * dpr).toAlignedRect()
                & deviceImage;
            if (d.isEmpty())
                continue;
            // Wide areas: one row filled, the others copied from it (a fast
            // block copy); narrow ones (an axis) row by row.
            constexpr int kNarrow = 32;
            auto* const first = reinterpret_cast<QRgb*>(bits + d.top() * stride) + d.left();
            std::fill(first, first + d.width(), back);
            const std::size_t rowBytes = static_cast<std::size_t>(d.width()) * sizeof(QRgb);
            for (int y = d.top() + 1; y <= d.bottom(); ++y) {
                auto* const row = reinterpret_cast<QRgb*>(bits + y * stride) + d.left();
                if (d.width() <= kNarrow)
                    std::fill(row, row + d.width(), back);
                else
                    std::memcpy(row, first, rowBytes);
            }
            Touch(r);
        }
    }
    ink_.Clear();
    inkBackColour_ = BackColor();
}

void PictureBox::DeviceLine(double x1, double y1, double x2, double y2, Colour c, bool box)
{
    const double px1 = ToPixelX(x1);
    const double py1 = ToPixelY(y1);
    const double px2 = ToPixelX(x2);
    const double py2 = ToPixelY(y2);
    const double w = DrawWidth();
    // An odd width centred on pixel centres covers whole pixels.
    const double across = (DrawWidth() % 2 == 1) ? 0.5 : 0.0;

    QPainter& painter = Painter();
    const bool sloped = py1 != py2 && px1 != px2;
    if (box || !sloped) {
        // Axis-parallel lines and boxes are filled as runs of whole device
        // pixels, without smoothing, whatever the device pixel ratio: at a
        // ratio like 1.5 a stroked pen would leave a grey half pixel beside
        // every grid line and box edge. At whole ratios solid lines and
        // outlines and patterned lines come out as a stroked pen drew them.
        const QPen& pen = PenFor(c, Qt::FlatCap);
        if (pen.style() == Qt::NoPen)
            return;
        const QList<qreal> pattern =
            pen.style() == Qt::CustomDashLine ? pen.dashPattern() : QList<qreal>();
        const QRgb colour = pen.color().rgb();
        const double ratio = image_.devicePixelRatio();
        const int deviceWidth = DevicePixels(w, ratio);
        // The near edge of the band of pixels a line on pixel row or column p covers.
        auto nearEdge = [&](double p) { return DevicePixel(Snap(p) + across - w / 2, ratio); };
        if (box) {
            // Each side from outer edge to outer edge; the pattern runs
            // clockwise along the middle of the pen from the top-left
            // corner, as on a stroked rectangle.
            const double left = Snap(std::min(px1, px2)) + across - w / 2;
            const double right = Snap(std::max(px1, px2)) + across + w / 2;
            const double top = Snap(std::min(py1, py2)) + across - w / 2;
            const double bottom = Snap(std::max(py1, py2)) + across + w / 2;
            const double wide = right - left - w; // between the middles of the sides
            const double high = bottom - top - w;
            const double half = w / 2;
            FillRun(true, left, right, nearEdge(std::min(py1, py2)), deviceWidth, pattern, -half,
                    colour);
            FillRun(false, top, bottom, nearEdge(std::max(px1, px2)), deviceWidth, pattern,
                    wide - half, colour);
            FillRun(true, right, left, nearEdge(std::max(py1, py2)), deviceWidth, pattern,
                    wide + high - half, colour);
            FillRun(false, bottom, top, nearEdge(std::min(px1, px2)), deviceWidth, pattern,
                    2 * wide + high - half, colour);
            Drawn(QRectF(QPointF(left, top), QPointF(right, bottom)).adjusted(-1, -1, 1, 1));
            return;
        }
        // The ends on the outer edges of the end pixels, so that the pattern
        // starts at the first point; wide pens reach half their width past.
        const bool horizontal = py1 == py2;
        const double from = horizontal ? px1 : py1;
        const double to = horizontal ? px2 : py2;
        const double dir = Snap(to) >= Snap(from) ? 1.0 : -1.0;
        const double start = Snap(from) + 0.5 - dir * w / 2;
        const double stop = Snap(to) + 0.5 + dir * w / 2;
        FillRun(horizontal, start, stop, nearEdge(horizontal ? py1 : px1), deviceWidth, pattern, 0,
                colour);
        const double side = (horizontal ? Snap(py1) : Snap(px1)) + across - w / 2;
        const QRectF band = horizontal
            ? QRectF(QPointF(std::min(start, stop), side), QSizeF(std::abs(stop - start), w))
            : QRectF(QPointF(side, std::min(start, stop)), QSizeF(w, std::abs(stop - start)));
        Drawn(band.adjusted(-1, -1, 1, 1));
        return;
    }

    QPointF a(px1 + 0.5, py1 + 0.5);
    QPointF b(px2 + 0.5, py2 + 0.5);
    Qt::PenCapStyle cap = Qt::FlatCap;
    if (w == 1 && DrawStyle() == kSolid)
        cap = Qt::SquareCap; // the end pixels belong to the line
    SetAntialiasing(true);
    painter.setPen(PenFor(c, cap));
    painter.drawLine(a, b);
    if (w > 1) {
        // Round ends, as wide pens have, drawn as two discs: a round-capped
        // stroke costs several times more, and the pendulum's rod is drawn
        // at every tick.
        painter.setPen(Qt::NoPen);
        painter.setBrush(ToQColor(c));
        painter.drawEllipse(a, w / 2, w / 2);
        painter.drawEllipse(b, w / 2, w / 2);
    }
    // A long slanted line (the pendulum's rod) in a few pieces, each with
    // its own box: far less to erase and to show than one box around it.
    constexpr double kPieceLength = 48;
    constexpr int kMostPieces = 4;
    const double length = std::max(std::abs(b.x() - a.x()), std::abs(b.y() - a.y()));
    const int pieces =
        std::clamp(static_cast<int>(std::ceil(length / kPieceLength)), 1, kMostPieces);
    for (int i = 0; i < pieces; ++i) {
        const QPointF from = a + (b - a) * (double(i) / pieces);
        const QPointF to = i + 1 == pieces ? b : a + (b - a) * (double(i + 1) / pieces);
        Drawn(QRectF(from, to).normalized().adjusted(-w - 1, -w - 1, w + 1, w + 1));
    }
}

void PictureBox::FillRun(bool horizontal, double from, double to, int acrossStart, int deviceWidth,
                         const QList<qreal>& pattern, double phase, QRgb colour)
{
    const double ratio = image_.devicePixelRatio();
    auto fill = [&](double p1, double p2) {
        const int lo = DevicePixel(std::min(p1, p2), ratio);
        const int hi = DevicePixel(std::max(p1, p2), ratio);
        if (hi > lo)
            FillDevice(horizontal ? QRect(lo, acrossStart, hi - lo, deviceWidth)
                                  : QRect(acrossStart, lo, deviceWidth, hi - lo),
                       colour);
    };
    if (!std::isfinite(from) || !std::isfinite(to))
        return;
    double period = 0;
    for (const qreal part : pattern)
        period += part;
    if (!(period > 0)) {
        fill(from, to);
        return;
    }
    // The dashes, each a run of whole pixels: the pendulum's dashed axes
    // are drawn 500 times a second, and this costs a fraction of the
    // general dash stroker. Only the stretch over the image is walked.
    const double dir = to >= from ? 1.0 : -1.0;
    const double extent = (horizontal ? PixelWidth() : PixelHeight()) + 1;
    const double firstSeen = dir > 0 ? -1 - from : from - extent;
    const double length = std::min(std::abs(to - from), dir > 0 ? extent - from : from + 1);
    double pos = -std::fmod(phase, period); // where the current part of the pattern starts
    if (firstSeen > pos)
        pos += std::floor((firstSeen - pos) / period) * period;
    for (qsizetype k = 0; pos < length; k = (k + 1) % pattern.size()) {
        const double next = pos + pattern[k];
        if (k % 2 == 0 && std::min(next, length) > std::max(pos, 0.0))
            fill(from + dir * std::max(pos, 0.0), from + dir * std::min(next, length));
        pos = next;
    }
}

void PictureBox::FillDevice(const QRect& deviceRect, QRgb colour)
{
    // Straight into the image, as the painter's raster engine would: the
    // painter stays on it.
    const QRect r = deviceRect & image_.rect();
    if (r.isEmpty())
        return;
    uchar* const bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        auto* const row = reinterpret_cast<QRgb*>(bits + y * stride) + r.left();
        std::fill(row, row + r.width(), colour);
    }
}

void PictureBox::DeviceCircle(double x, double y, double radius, Colour c)
{
    const QPointF centre(ToPixelX(x) + 0.5, ToPixelY(y) + 0.5);
    const double r = std::abs(ToPixelX(x + radius) - ToPixelX(x));

    QBrush brush;
    switch (FillStyle()) {
    case kFillSolid:
        brush = QBrush(ToQColor(FillColor()));
        break;
    case kFillHorizontal:
        brush = QBrush(ToQColor(FillColor()), Qt::HorPattern);
        break;
    case kFillVertical:
        brush = QBrush(ToQColor(FillColor()), Qt::VerPattern);
        break;
    case kFillUpwardDiagonal:
        brush = QBrush(ToQColor(FillColor()), Qt::BDiagPattern);
        break;
    case kFillDownwardDiagonal:
        brush = QBrush(ToQColor(FillColor()), Qt::FDiagPattern);
        break;
    case kFillCross:
        brush = QBrush(ToQColor(FillColor()), Qt::CrossPattern);
        break;
    case kFillDiagonalCross:
        brush = QBrush(ToQColor(FillColor()), Qt::DiagCrossPattern);
        break;
    default:
        break; // transparent
    }

    QPainter& painter = Painter();
    SetAntialiasing(true);
    painter.setPen(PenFor(c, Qt::FlatCap));
    painter.setBrush(brush);
    painter.drawEllipse(centre, r, r);
    const double margin = r + DrawWidth() + 1;
    Drawn(QRectF(centre.x() - margin, centre.y() - margin, 2 * margin, 2 * margin));
}

void PictureBox::DevicePoint(double x, double y, Colour c)
{
    const double px = Snap(ToPixelX(x));
    const double py = Snap(ToPixelY(y));
    const int w = DrawWidth();
    QPainter& painter = Painter();
    SetAntialiasing(true);
    if (w == 1) {
        painter.fillRect(QRectF(px, py, 1, 1), ToQColor(c));
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(ToQColor(c));
        painter.drawEllipse(QPointF(px + 0.5, py + 0.5), w / 2.0, w / 2.0);
    }
    Drawn(QRectF(px - w, py - w, 2.0 * w + 1, 2.0 * w + 1));
}

void PictureBox::DeviceText(double x, double y, std::string_view text)
{
    const QString s = FromUtf8(text);
    // The top-left corner on a pixel corner and the baseline on a pixel
    // row, for crisp glyphs.
    const QPointF topLeft(Snap(ToPixelX(x)), Snap(ToPixelY(y)));
    const QPointF baseline(topLeft.x(), topLeft.y() + metrics_.ascent());

    QPainter& painter = Painter();
    SetAntialiasing(true);
    if (!painterHasFont_) {
        painter.setFont(qfont_);
        painterHasFont_ = true;
    }
    painter.setPen(ToQColor(ForeColor()));
    painter.drawText(baseline, s);

    // Glyphs may overhang their cell (italics, accents); half the font's
    // height around it covers them without shaping the text again. Erasing
    // text costs the whole picture: it is drawn when the plots are framed,
    // never during the animation.
    const double h = metrics_.height();
    const QRectF cell(topLeft, QSizeF(TextPixelWidth(text), h));
    InkEverywhere();
    Touch(cell.adjusted(-h / 2 - 2, -h / 2 - 2, h / 2 + 2, h / 2 + 2));
}

void PictureBox::TextOutRotated(int px, int py, std::string_view text, const RotatedFont& font)
{
    QFont f(QString::fromStdString(font.FaceName));
    f.setWeight(ToQtWeight(font.Weight));
    f.setItalic(font.Italic);
    f.setUnderline(font.Underline);
    f.setStrikeOut(font.StrikeOut);
    if (font.Height > 0) {
        // A positive height is the cell (ascent + descent): find the em size
        // that gives that cell.
        f.setPixelSize(font.Height);
        const QFontMetricsF probe(f);
        const double cell = probe.ascent() + probe.descent();
        if (cell > 0)
            f.setPixelSize(std::max(1, ClampedPixels(double(font.Height) * font.Height / cell)));
    } else if (font.Height < 0) {
        f.setPixelSize(-font.Height); // the em height itself
    } else {
        f.setPixelSize(qfont_.pixelSize());
    }

    const QString s = FromUtf8(text);
    const QFontMetrics metrics(f);
    QTransform turn;
    turn.translate(px, py);
    turn.rotate(-font.Escapement / 10.0); // counter-clockwise on screen, y pointing down

    QPainter& painter = Painter();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setFont(f);
    painter.setPen(ToQColor(ForeColor()));
    painter.setTransform(turn, true);
    painter.drawText(QPointF(0, metrics.ascent()), s);
    painter.restore();

    const QRectF cell(0, 0, metrics.horizontalAdvance(s), metrics.height());
    InkEverywhere();
    Touch(turn.mapRect(cell.united(QRectF(metrics.boundingRect(s)).translated(0, metrics.ascent())))
              .adjusted(-2, -2, 2, 2));
}

} // namespace kestrova
