#include "ui/accessibility/link_label.h"

#include "ui/accessibility/accessible_controls.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace kestrova {

namespace {

/// A dotted frame over a focused link: a label draws no focus of its own.
class FocusFrame : public QWidget {
public:
    explicit FocusFrame(QWidget& label)
        : QWidget(&label)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(label.rect());
        hide();
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QStylePainter painter(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.backgroundColor = palette().color(QPalette::Window);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    }
};

} // namespace

LinkLabel::LinkLabel(QWidget* parent)
    : QLabel(parent)
    , focusFrame_(new FocusFrame(*this))
{
    // The link's interface comes from the program's accessibility factory.
    InstallAccessibleControls();
    setFocusPolicy(Qt::TabFocus);
    // Without tracking, moves with no button held never arrive.
    setMouseTracking(true);
}

void LinkLabel::Follow()
{
    emit Followed();
}

void LinkLabel::mouseMoveEvent(QMouseEvent* event)
{
    emit Hovered();
    QLabel::mouseMoveEvent(event);
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    // A click is a left press and release both on the link.
    const bool click = pressed_ && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        Follow();
    else
        QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool activates = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter
        || event->key() == Qt::Key_Space;
    if (activates && modifiers == Qt::NoModifier) {
        Follow();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::focusInEvent(QFocusEvent* event)
{
    focusFrame_->setGeometry(rect());
    focusFrame_->raise();
    focusFrame_->show();
    QLabel::focusInEvent(event);
}

void LinkLabel::focusOutEvent(QFocusEvent* event)
{
    focusFrame_->hide();
    QLabel::focusOutEvent(event);
}

void LinkLabel::resizeEvent(QResizeEvent* event)
{
    focusFrame_->setGeometry(rect());
    QLabel::resizeEvent(event);
}

} // namespace kestrova
