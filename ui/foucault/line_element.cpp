#include "ui/foucault/line_element.h"

#include "plot/qt_picture_box.h"

#include <QEvent>
#include <QPainter>

#include <cmath>

namespace kestrova {

LineElement::LineElement(PictureBox& box)
    : QWidget(&box)
    , box_(box)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(box.InsideRect());
    box.installEventFilter(this);
}

void LineElement::SetEnds(double x1, double y1, double x2, double y2)
{
    // A hidden box gets its resize event only when shown: follow it here too.
    if (geometry() != box_.InsideRect())
        setGeometry(box_.InsideRect());
    const QLineF next(box_.ToPixelX(x1), box_.ToPixelY(y1), box_.ToPixelX(x2), box_.ToPixelY(y2));
    if (next == pixelLine_)
        return;
    // Only the strip the segment leaves and the one it enters need painting.
    update(DirtyRect(pixelLine_));
    update(DirtyRect(next));
    pixelLine_ = next;
}

double LineElement::X1() const
{
    return box_.FromPixelX(pixelLine_.x1());
}
double LineElement::Y1() const
{
    return box_.FromPixelY(pixelLine_.y1());
}
double LineElement::X2() const
{
    return box_.FromPixelX(pixelLine_.x2());
}
double LineElement::Y2() const
{
    return box_.FromPixelY(pixelLine_.y2());
}

QRect LineElement::DirtyRect(const QLineF& line) const
{
    // The segment is in pixels of the box's drawing, the widget in screen pixels.
    const double zoom = box_.Zoom();
    const int pen = static_cast<int>(std::ceil(zoom)) + 1;
    return QRectF(line.p1() * zoom, line.p2() * zoom)
        .normalized()
        .toAlignedRect()
        .adjusted(-pen, -pen, pen, pen);
}

void LineElement::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.scale(box_.Zoom(), box_.Zoom());
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.drawLine(pixelLine_);
}

bool LineElement::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &box_ && event->type() == QEvent::Resize)
        setGeometry(box_.InsideRect());
    return QWidget::eventFilter(watched, event);
}

} // namespace kestrova
