#pragma once

/// \file
/// A label that acts as a link, for the mouse, the keyboard and assistive
/// technologies alike: a left click on it, Enter or Space while it has the
/// focus, or the press action of a screen reader all emit Followed(). It is
/// reached with Tab and shows a focus frame while it has the keyboard focus;
/// a screen reader reads it as a link named by its text.

#include <QLabel>

namespace kestrova {

class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent = nullptr);

    /// Runs what following the link does (as the press action does).
    void Follow();

signals:
    /// The user followed the link.
    void Followed();
    /// The mouse moved over the link (every move, not only the first).
    void Hovered();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* focusFrame_;
    bool pressed_ = false;
};

} // namespace kestrova
