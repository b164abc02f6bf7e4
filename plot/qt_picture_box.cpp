#include "plot/qt_picture_box.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimerEvent>
#include <QTransform>
#include <QtMath>
#include <qdrawutil.h>

#include <algorithm>
#include <cmath>
#include <utility>

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

/// A whole number of pixels within what a widget can take.
int ClampedPixels(double pixels)
{
    constexpr double kLimit = QWIDGETSIZE_MAX;
    if (std::isnan(pixels))
        return 0;
    return static_cast<int>(std::clamp(std::nearbyint(pixels), -kLimit, kLimit));
}

int TwipsToPixels(double twips)
{
    return ClampedPixels(twips / kTwipsPerPixel);
}

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont::Weight ToQtWeight(int weight)
{
    // Qt uses the same 1..1000 scale as the font's Weight (400 normal,
    // 700 bold); 0 means "don't care", that is normal.
    return static_cast<QFont::Weight>(weight <= 0 ? 400 : std::min(weight, 1000));
}

} // namespace

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent), metrics_(qfont_), metricsF_(qfont_)
{
    // Every pixel of the widget comes from the border and the picture.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    FontChanged();
}

PictureBox::~PictureBox() = default;

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
    return border_ ? rect().adjusted(kBorderWidth, kBorderWidth, -kBorderWidth, -kBorderWidth) : rect();
}

const QImage& PictureBox::Picture()
{
    EnsureImage();
    return image_;
}

void PictureBox::EnsureImage()
{
    const qreal dpr = devicePixelRatioF();
    const QSize deviceSize(qCeil(PixelWidth() * dpr), qCeil(PixelHeight() * dpr));
    if (image_.size() == deviceSize && image_.devicePixelRatio() == dpr)
        return;

    QImage next(deviceSize, QImage::Format_RGB32);
    next.setDevicePixelRatio(dpr);
    next.fill(ToQColor(BackColor()));
    if (!image_.isNull()) {
        // Same ratio: a plain copy of the overlap. A new ratio (the window
        // moved to another screen): the picture is scaled, as nothing
        // remembers how to draw it again.
        QPainter painter(&next);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QPointF(0, 0), image_);
    }
    image_ = std::move(next);
}

void PictureBox::BeginPainting(QPainter& painter)
{
    EnsureImage();
    painter.begin(&image_);
    painter.setRenderHint(QPainter::Antialiasing);
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

void PictureBox::Touch(const QRectF& imageRect)
{
    if (!isVisible())
        return; // showing the box repaints it whole
    const QRect inside = InsideRect();
    pendingUpdate_ |= imageRect.translated(inside.topLeft()).toAlignedRect() & inside;
    // The animation draws every millisecond; the screen is told at most once
    // a frame, with the area touched since the last time.
    if (!updateTimer_.isActive())
        updateTimer_.start(FrameIntervalMs(), Qt::PreciseTimer, this);
}

int PictureBox::FrameIntervalMs() const
{
    const QScreen* s = screen();
    const double rate = s != nullptr && s->refreshRate() > 1 ? s->refreshRate() : 60.0;
    return std::max(1, static_cast<int>(1000.0 / rate));
}

void PictureBox::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != updateTimer_.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    updateTimer_.stop();
    if (!pendingUpdate_.isEmpty())
        update(pendingUpdate_);
    pendingUpdate_ = QRect();
}

void PictureBox::paintEvent(QPaintEvent* /*event*/)
{
    EnsureImage();
    QPainter painter(this);
    if (border_)
        qDrawWinPanel(&painter, rect(), palette(), true);
    const QRect inside = InsideRect();
    painter.setClipRect(inside, Qt::IntersectClip);
    painter.drawImage(inside.topLeft(), image_);
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

double PictureBox::Left() const { return x() * kTwipsPerPixel; }
double PictureBox::Top() const { return y() * kTwipsPerPixel; }
double PictureBox::Width() const { return width() * kTwipsPerPixel; }
double PictureBox::Height() const { return height() * kTwipsPerPixel; }
void PictureBox::SetLeft(double twips) { move(TwipsToPixels(twips), y()); }
void PictureBox::SetTop(double twips) { move(x(), TwipsToPixels(twips)); }
void PictureBox::SetWidth(double twips) { resize(TwipsToPixels(twips), height()); }
void PictureBox::SetHeight(double twips) { resize(width(), TwipsToPixels(twips)); }

// --- font and colours ------------------------------------------------------------

void PictureBox::FontChanged()
{
    const FontSpec& spec = Font();
    qfont_ = QFont(QString::fromStdString(spec.Name));
    // A whole number of pixels, as a classic box sizes its font: metrics
    // and drawing then agree whatever the resolution of the image.
    qfont_.setPixelSize(std::max(1, ClampedPixels(spec.Size * LogicalDpiY() / 72.0)));
    qfont_.setWeight(ToQtWeight(spec.Weight));
    qfont_.setItalic(spec.Italic);
    qfont_.setUnderline(spec.Underline);
    qfont_.setStrikeOut(spec.Strikethrough);
    metrics_ = QFontMetrics(qfont_);
    metricsF_ = QFontMetricsF(qfont_);
}

void PictureBox::BackColorChanged()
{
    // As on a classic picture box, a new background colour erases the picture.
    DeviceClear();
}

double PictureBox::TextPixelWidth(std::string_view text) const
{
    return metricsF_.horizontalAdvance(FromUtf8(text));
}

double PictureBox::TextPixelHeight(std::string_view /*text*/) const
{
    return metrics_.height();
}

// --- primitives --------------------------------------------------------------------

void PictureBox::DeviceClear()
{
    EnsureImage();
    image_.fill(ToQColor(BackColor()));
    Touch(QRectF(0, 0, PixelWidth(), PixelHeight()));
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

    QPainter painter;
    BeginPainting(painter);
    if (box) {
        const QRectF r(QPointF(Snap(std::min(px1, px2)) + across, Snap(std::min(py1, py2)) + across),
                       QPointF(Snap(std::max(px1, px2)) + across, Snap(std::max(py1, py2)) + across));
        painter.setPen(PenFor(c, Qt::FlatCap));
        painter.drawRect(r);
        Touch(r.adjusted(-w - 1, -w - 1, w + 1, w + 1));
        return;
    }

    QPointF a;
    QPointF b;
    Qt::PenCapStyle cap = Qt::FlatCap;
    const bool sloped = py1 != py2 && px1 != px2;
    if (!sloped) {
        // Axis-parallel: the pen on whole pixels and the ends on the outer
        // edges of the end pixels, so thin and dotted lines stay sharp and
        // the pattern starts at the first point.
        a = QPointF(Snap(px1) + 0.5, Snap(py1) + 0.5);
        b = QPointF(Snap(px2) + 0.5, Snap(py2) + 0.5);
        const double half = w / 2;
        if (py1 == py2) {
            a.setY(Snap(py1) + across);
            b.setY(a.y());
            const double dir = b.x() >= a.x() ? 1.0 : -1.0;
            a.rx() -= dir * half;
            b.rx() += dir * half;
        } else {
            a.setX(Snap(px1) + across);
            b.setX(a.x());
            const double dir = b.y() >= a.y() ? 1.0 : -1.0;
            a.ry() -= dir * half;
            b.ry() += dir * half;
        }
    } else {
        a = QPointF(px1 + 0.5, py1 + 0.5);
        b = QPointF(px2 + 0.5, py2 + 0.5);
        if (w == 1 && DrawStyle() == kSolid)
            cap = Qt::SquareCap; // the end pixels belong to the line
    }
    if (!sloped && image_.devicePixelRatio() == std::floor(image_.devicePixelRatio()))
        painter.setRenderHint(QPainter::Antialiasing, false); // on whole pixels already, and faster
    painter.setPen(PenFor(c, cap));
    painter.drawLine(a, b);
    if (sloped && w > 1) {
        // Round ends, as wide pens have, drawn as two discs: a round-capped
        // stroke costs several times more, and the pendulum's rod is drawn
        // at every tick.
        painter.setPen(Qt::NoPen);
        painter.setBrush(ToQColor(c));
        painter.drawEllipse(a, w / 2, w / 2);
        painter.drawEllipse(b, w / 2, w / 2);
    }
    Touch(QRectF(a, b).normalized().adjusted(-w - 1, -w - 1, w + 1, w + 1));
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

    QPainter painter;
    BeginPainting(painter);
    painter.setPen(PenFor(c, Qt::FlatCap));
    painter.setBrush(brush);
    painter.drawEllipse(centre, r, r);
    const double margin = r + DrawWidth() + 1;
    Touch(QRectF(centre.x() - margin, centre.y() - margin, 2 * margin, 2 * margin));
}

void PictureBox::DevicePoint(double x, double y, Colour c)
{
    const double px = Snap(ToPixelX(x));
    const double py = Snap(ToPixelY(y));
    const int w = DrawWidth();
    QPainter painter;
    BeginPainting(painter);
    if (w == 1) {
        painter.fillRect(QRectF(px, py, 1, 1), ToQColor(c));
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(ToQColor(c));
        painter.drawEllipse(QPointF(px + 0.5, py + 0.5), w / 2.0, w / 2.0);
    }
    Touch(QRectF(px - w, py - w, 2.0 * w + 1, 2.0 * w + 1));
}

void PictureBox::DeviceText(double x, double y, std::string_view text)
{
    const QString s = FromUtf8(text);
    // The top-left corner on a pixel corner and the baseline on a pixel
    // row, for crisp glyphs.
    const QPointF topLeft(Snap(ToPixelX(x)), Snap(ToPixelY(y)));
    const QPointF baseline(topLeft.x(), topLeft.y() + metrics_.ascent());

    QPainter painter;
    BeginPainting(painter);
    painter.setFont(qfont_);
    painter.setPen(ToQColor(ForeColor()));
    painter.drawText(baseline, s);

    const QRectF cell(topLeft, QSizeF(metricsF_.horizontalAdvance(s), metrics_.height()));
    Touch(cell.united(metricsF_.boundingRect(s).translated(baseline)).adjusted(-2, -2, 2, 2));
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

    QPainter painter;
    BeginPainting(painter);
    painter.setFont(f);
    painter.setPen(ToQColor(ForeColor()));
    painter.setTransform(turn, true);
    painter.drawText(QPointF(0, metrics.ascent()), s);

    const QRectF cell(0, 0, metrics.horizontalAdvance(s), metrics.height());
    Touch(turn.mapRect(cell.united(QRectF(metrics.boundingRect(s)).translated(0, metrics.ascent())))
              .adjusted(-2, -2, 2, 2));
}

} // namespace kestrova
