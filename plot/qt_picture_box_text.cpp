// The picture box's text: its font and metrics, printed text and text at
// an angle.

#include "plot/qt_picture_box.h"

#include "plot/qt_pen_and_font.h"
#include "plot/qt_utf8.h"

#include <QTransform>

#include <algorithm>
#include <cmath>

namespace kestrova {

namespace {

/// Texts whose widths the box remembers at most, per font.
constexpr std::size_t kMostRememberedWidths = 512;

} // namespace

// --- font ----------------------------------------------------------------------

void PictureBox::FontChanged()
{
    qfont_ = SurfaceFont(Font(), LogicalDpiY());
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

    QPainter& painter = Painter();
    if (!painterHasFont_) {
        painter.setFont(qfont_);
        painterHasFont_ = true;
    }
    painter.setPen(ToQColor(ForeColor()));
    painter.drawText(baseline, FromUtf8(text));

    // Erasing text costs the whole picture: it is drawn when the plots are
    // framed, never during the animation.
    InkEverywhere();
    Touch(reach);
}

void PictureBox::TextOutRotated(int px, int py, std::string_view text, const RotatedFont& font)
{
    const QFont f = RotatedTextFont(font, qfont_.pixelSize());

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
