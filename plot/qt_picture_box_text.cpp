// The picture box's text: its font and metrics, printed text and text at
// an angle.

#include "plot/qt_picture_box.h"

#include "plot/device_pixels.h"
#include "plot/qt_utf8.h"

#include <QTransform>

#include <algorithm>
#include <cmath>

namespace kestrova {

namespace {

/// A font size in whole pixels, at least one.
int FontPixels(double pixels)
{
    constexpr double kLargest = 1 << 16;
    return std::isnan(pixels) ? 1
                              : static_cast<int>(std::clamp(std::nearbyint(pixels), 1.0, kLargest));
}

/// Texts whose widths the box remembers at most, per font.
constexpr std::size_t kMostRememberedWidths = 512;

QFont::Weight ToQtWeight(int weight)
{
    // Qt uses the same 1..1000 scale as the font's Weight (400 normal,
    // 700 bold); 0 means "don't care", that is normal.
    return static_cast<QFont::Weight>(weight <= 0 ? 400 : std::min(weight, 1000));
}

} // namespace

// --- font ----------------------------------------------------------------------

void PictureBox::FontChanged()
{
    const FontSpec& wanted = Font();
    qfont_ = QFont(QString::fromStdString(wanted.Name));
    // A whole number of pixels, as a classic box sizes its font: metrics
    // and drawing then agree whatever the resolution of the image.
    qfont_.setPixelSize(FontPixels(wanted.Size * LogicalDpiY() / 72.0));
    qfont_.setWeight(ToQtWeight(wanted.Weight));
    metrics_ = QFontMetrics(qfont_);
    metricsF_ = QFontMetricsF(qfont_);
    widths_.clear();
    painterHasFont_ = false;
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

// --- text ------------------------------------------------------------------------

void PictureBox::DeviceText(double x, double y, std::string_view text)
{
    // The top-left corner on a pixel corner and the baseline on a pixel
    // row, for crisp glyphs.
    const QPointF topLeft(std::nearbyint(ToPixelX(x)), std::nearbyint(ToPixelY(y)));
    const QPointF baseline(topLeft.x(), topLeft.y() + metrics_.ascent());
    // Glyphs may overhang their cell (italics, accents); half the font's
    // height around it covers them without shaping the text again.
    const double h = metrics_.height();
    const QRectF cell(topLeft, QSizeF(TextPixelWidth(text), h));
    const QRectF reach = cell.adjusted(-h / 2 - 2, -h / 2 - 2, h / 2 + 2, h / 2 + 2);

    // The plot frames print their labels again over themselves at every
    // start of the animation, and blended anti-aliased text grows bolder
    // each time. A text printed where it already is gets merged instead,
    // which leaves it as it is; the first print, on every reset, blends.
    if (printed_.size() >= kMostRememberedWidths)
        printed_.clear();
    if (printed_.insert(PrintedKey(text, topLeft)).second)
        DrawTextBlended(baseline, text);
    else
        MergeTextAgain(baseline, reach, text);

    // Erasing text costs the whole picture: it is drawn when the plots are
    // framed, never during the animation.
    InkEverywhere();
    Touch(reach);
}

std::size_t PictureBox::PrintedKey(std::string_view text, QPointF topLeft) const
{
    // A hash, not the whole description: two prints that collide only get
    // merged where blending was due, which over the plain background gives
    // the same pixels.
    const FontSpec& font = Font();
    std::size_t key = std::hash<std::string_view>{}(text);
    const auto mix = [&key](std::size_t value) {
        key ^= value + 0x9E3779B97F4A7C15ULL + (key << 6) + (key >> 2);
    };
    mix(std::hash<std::string_view>{}(font.Name));
    for (const double value :
         {topLeft.x(), topLeft.y(), font.Size, double(font.Weight), double(ForeColor())})
        mix(std::hash<double>{}(value));
    return key;
}

void PictureBox::DrawTextBlended(QPointF baseline, std::string_view text)
{
    QPainter& painter = Painter();
    if (!painterHasFont_) {
        painter.setFont(qfont_);
        painterHasFont_ = true;
    }
    painter.setPen(ToQColor(ForeColor()));
    painter.drawText(baseline, FromUtf8(text));
}

void PictureBox::MergeTextAgain(QPointF baseline, const QRectF& reach, std::string_view text)
{
    Painter(); // the image at its size, ready to be written
    const qreal dpr = image_.devicePixelRatio();
    const QRect deviceReach =
        QRectF(reach.topLeft() * dpr, reach.size() * dpr).toAlignedRect() & image_.rect();
    if (deviceReach.isEmpty())
        return;
    // The text alone over the background, at the same sub-pixel offset as
    // in the picture, then merged: each pixel keeps whichever is nearer
    // the ink, what is there or the text.
    const QRgb ink = ToQColor(ForeColor()).rgb();
    const QRgb back = ToQColor(BackColor()).rgb();
    // One scratch image kept for all labels: a fresh image costs a new
    // paint engine every time.
    const QSize size = deviceReach.size();
    if (alone_.width() < size.width() || alone_.height() < size.height()
        || alone_.devicePixelRatio() != dpr) {
        alone_ = QImage(size.expandedTo(alone_.size()), QImage::Format_RGB32);
        alone_.setDevicePixelRatio(dpr);
    }
    const QRect part(QPoint(0, 0), size);
    FillDevice(alone_, part, back);
    QPainter painter(&alone_);
    painter.setClipRect(QRectF(0, 0, size.width() / dpr, size.height() / dpr));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(qfont_);
    painter.setPen(QColor(ink));
    painter.drawText(baseline - QPointF(deviceReach.topLeft()) / dpr, FromUtf8(text));
    painter.end();
    MergeText(image_, alone_, part, deviceReach.topLeft(), ink, back);
}

void PictureBox::TextOutRotated(int px, int py, std::string_view text, const RotatedFont& font)
{
    QFont f(QString::fromStdString(font.FaceName));
    f.setWeight(ToQtWeight(font.Weight));
    if (font.Height > 0) {
        // A positive height is the cell (ascent + descent): find the em size
        // that gives that cell.
        f.setPixelSize(font.Height);
        const QFontMetricsF probe(f);
        const double cell = probe.ascent() + probe.descent();
        if (cell > 0)
            f.setPixelSize(FontPixels(double(font.Height) * font.Height / cell));
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
