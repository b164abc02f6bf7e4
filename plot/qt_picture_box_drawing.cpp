// The picture box's primitives: what each drawing operation does to the
// pixels of the persistent image.

#include "plot/qt_picture_box.h"

#include "plot/device_pixels.h"
#include "plot/qt_pen_and_font.h"

#include <QTransform>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace kestrova {

namespace {

/// A pixel index from a continuous pixel coordinate, ties to even.
double Snap(double p)
{
    return std::nearbyint(p);
}

} // namespace

// --- primitives --------------------------------------------------------------------

bool PictureBox::Patterned() const
{
    return DrawStyle() == kDashed || DrawStyle() == kDotted;
}

int PictureBox::PenStyle() const
{
    return highContrast_ && Patterned() ? kSolid : DrawStyle();
}

int PictureBox::PenWidth() const
{
    return highContrast_ && !Patterned() ? 2 * DrawWidth() : DrawWidth();
}

Colour PictureBox::PenColour(Colour c) const
{
    if (!highContrast_ || !Patterned())
        return c;
    const Colour back = BackColor();
    return Rgb((RedOf(c) + RedOf(back)) / 2, (GreenOf(c) + GreenOf(back)) / 2,
               (BlueOf(c) + BlueOf(back)) / 2);
}

const QPen& PictureBox::PenFor(Colour line, Qt::PenCapStyle cap)
{
    // The last pen is kept while the colour and pen settings stay: the
    // traces draw one segment after another in the same pen.
    const int width = PenWidth();
    const int style = PenStyle();
    const Colour c = PenColour(line);
    if (style == penStyle_ && width == penWidth_ && c == penColour_) {
        if (pen_.capStyle() != cap)
            pen_.setCapStyle(cap);
        return pen_;
    }
    pen_ = SurfacePen(c, style, width, cap);
    penStyle_ = style;
    penWidth_ = width;
    penColour_ = c;
    return pen_;
}

void PictureBox::DeviceClear()
{
    // The image as the painter sees it: of the right size, and not shared
    // (filling a shared image would give the box new pixels behind an
    // active painter's back).
    Painter();
    DropBackdrop();
    const QRect whole(0, 0, qCeil(PixelWidth()), qCeil(PixelHeight()));
    const bool inkEverywhere = ink_.begin() != ink_.end() && ink_.begin()->contains(whole);
    if (BackColor() != inkBackColour_ || inkEverywhere) {
        image_.fill(ToQColor(BackColor()));
        Touch(whole);
    } else {
        // Only what was drawn since the image was last plain: the pendulum
        // figure is erased and drawn again up to 250 times a second.
        // The painter draws into these same pixels, so it can stay.
        FillArea(image_, ink_, ToQColor(BackColor()).rgb());
        for (const QRect& r : ink_)
            Touch(r);
    }
    ink_.Clear();
    inkBackColour_ = BackColor();
}

bool PictureBox::DeviceKeepBackdrop()
{
    Painter(); // the image of the moment's size, drawn into from here on
    backdrop_ = image_.copy();
    backdropInk_ = ink_;
    ink_.Clear();
    return true;
}

bool PictureBox::DeviceHasBackdrop()
{
    if (backdrop_.isNull())
        return false;
    // A new size or screen replaces the image and drops the backdrop. The
    // painter's size is checked as the primitives do: asking the ratio at
    // every frame costs a walk up to the window.
    if (!painter_.isActive() || paintedSize_ != InsideRect().size())
        EnsureImage();
    return !backdrop_.isNull();
}

void PictureBox::DeviceRestoreBackdrop()
{
    if (!DeviceHasBackdrop())
        return;
    // Only what was drawn since the keep goes back: the pendulum's rod
    // and bob, not the whole box, at every frame of the animation.
    CopyArea(image_, backdrop_, ink_);
    for (const QRect& r : ink_)
        Touch(r);
    ink_.Clear();
}

void PictureBox::DropBackdrop()
{
    if (backdrop_.isNull())
        return;
    backdrop_ = QImage();
    for (const QRect& r : backdropInk_)
        ink_.Add(r);
    backdropInk_.Clear();
}

void PictureBox::DeviceLine(double x1, double y1, double x2, double y2, Colour c, bool box)
{
    const double px1 = ToPixelX(x1);
    const double py1 = ToPixelY(y1);
    const double px2 = ToPixelX(x2);
    const double py2 = ToPixelY(y2);
    const double w = PenWidth();
    // An odd width centred on pixel centres covers whole pixels.
    const double across = (PenWidth() % 2 == 1) ? 0.5 : 0.0;

    QPainter& painter = Painter();
    const bool sloped = py1 != py2 && px1 != px2;
    if (box || !sloped) {
        // Axis-parallel lines and boxes are filled as runs of whole device
        // pixels, without smoothing, whatever the device pixel ratio: at a
        // ratio like 1.5 a stroked pen would leave a grey half pixel beside
        // every grid line and box edge. At whole ratios solid lines and
        // outlines and patterned lines come out as a stroked pen drew them.
        const QPen& pen = PenFor(c, Qt::FlatCap);
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
            const int topRow = nearEdge(std::min(py1, py2));
            const int rightColumn = nearEdge(std::max(px1, px2));
            const int bottomRow = nearEdge(std::max(py1, py2));
            const int leftColumn = nearEdge(std::min(px1, px2));
            FillRun(image_, {true, left, right, topRow, deviceWidth}, PixelWidth(), pattern, -half,
                    colour);
            FillRun(image_, {false, top, bottom, rightColumn, deviceWidth}, PixelHeight(), pattern,
                    wide - half, colour);
            FillRun(image_, {true, right, left, bottomRow, deviceWidth}, PixelWidth(), pattern,
                    wide + high - half, colour);
            FillRun(image_, {false, bottom, top, leftColumn, deviceWidth}, PixelHeight(), pattern,
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
        FillRun(image_, {horizontal, start, stop, nearEdge(horizontal ? py1 : px1), deviceWidth},
                horizontal ? PixelWidth() : PixelHeight(), pattern, 0, colour);
        const double side = (horizontal ? Snap(py1) : Snap(px1)) + across - w / 2;
        const QRectF band = horizontal
            ? QRectF(QPointF(std::min(start, stop), side), QSizeF(std::abs(stop - start), w))
            : QRectF(QPointF(side, std::min(start, stop)), QSizeF(w, std::abs(stop - start)));
        Drawn(band.adjusted(-1, -1, 1, 1));
        return;
    }

    QPointF a(px1 + 0.5, py1 + 0.5);
    QPointF b(px2 + 0.5, py2 + 0.5);
    painter.setPen(PenFor(c, SlopedLineCap(PenStyle(), PenWidth())));
    painter.drawLine(a, b);
    if (w > 1) {
        // Round ends, as wide pens have, drawn as two discs: a round-capped
        // stroke costs several times more, and the pendulum's rod is drawn
        // at every tick.
        painter.setPen(Qt::NoPen);
        painter.setBrush(ToQColor(PenColour(c)));
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

void PictureBox::DeviceCircle(double x, double y, double radius, Colour c)
{
    const QPointF centre(ToPixelX(x) + 0.5, ToPixelY(y) + 0.5);
    const double r = std::abs(ToPixelX(x + radius) - ToPixelX(x));

    // Transparent unless solid.
    const QBrush brush =
        FillStyle() == kFillSolid ? QBrush(ToQColor(FillColor())) : QBrush(Qt::NoBrush);

    QPainter& painter = Painter();
    painter.setPen(PenFor(c, Qt::FlatCap));
    painter.setBrush(brush);
    painter.drawEllipse(centre, r, r);
    const double margin = r + PenWidth() + 1;
    Drawn(QRectF(centre.x() - margin, centre.y() - margin, 2 * margin, 2 * margin));
}

void PictureBox::DevicePoint(double x, double y, Colour c)
{
    const double px = Snap(ToPixelX(x));
    const double py = Snap(ToPixelY(y));
    const int w = PenWidth();
    QPainter& painter = Painter();
    if (w == 1) {
        painter.fillRect(QRectF(px, py, 1, 1), ToQColor(c));
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(ToQColor(c));
        painter.drawEllipse(QPointF(px + 0.5, py + 0.5), w / 2.0, w / 2.0);
    }
    Drawn(QRectF(px - w, py - w, 2.0 * w + 1, 2.0 * w + 1));
}

} // namespace kestrova
