#include "ui/damped/phase_picker.h"

#include "plot/qt_picture_box.h"

#include <QMouseEvent>

#include <algorithm>
#include <utility>

namespace kestrova {

PhasePicker::PhasePicker(const std::array<PictureBox*, 2>& boxes, Enabled enabled, Picked picked,
                         QObject* parent)
    : QObject(parent)
    , boxes_(boxes)
    , enabled_(std::move(enabled))
    , picked_(std::move(picked))
{
    for (PictureBox* box : boxes_)
        box->installEventFilter(this);
    UpdatePointer();
}

void PhasePicker::UpdatePointer()
{
    const Qt::CursorShape shape = enabled_() ? Qt::CrossCursor : Qt::ArrowCursor;
    for (PictureBox* box : boxes_)
        box->setCursor(shape);
}

bool PhasePicker::eventFilter(QObject* watched, QEvent* event)
{
    const auto box = std::find(boxes_.begin(), boxes_.end(), watched);
    if (box == boxes_.end())
        return QObject::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton || !enabled_())
            break;
        const QPointF origin = (*box)->UserPointAt({0, 0});
        drag_ = Aim{origin, (*box)->UserPointAt({1, 1}) - origin};
        picked_(drag_->At(mouse->position()), true);
        return true;
    }
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (!drag_ || !(mouse->buttons() & Qt::LeftButton) || !enabled_())
            break;
        picked_(drag_->At(mouse->position()), false);
        return true;
    }
    case QEvent::MouseButtonRelease:
        drag_.reset();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kestrova
