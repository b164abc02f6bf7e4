#pragma once

/// \file
/// A line element over a picture box: a one-pixel segment in the window-text
/// colour that lies on top of the box's picture without being part of it, so
/// clearing the box does not erase it and moving it does not touch the
/// picture.

#include <QLineF>
#include <QWidget>

namespace kestrova {

class PictureBox;

class LineElement : public QWidget {
    Q_OBJECT

public:
    /// Lays the element over the box's drawing area; it follows the box when
    /// the box is resized and lets mouse events through.
    explicit LineElement(PictureBox& box);

    /// Sets the end points, given in the box's current coordinates. The
    /// segment stays where it is on the box if the box's coordinates change
    /// later, like the picture under it.
    void SetEnds(double x1, double y1, double x2, double y2);

    /// The end points in the box's current coordinates.
    [[nodiscard]] double X1() const;
    [[nodiscard]] double Y1() const;
    [[nodiscard]] double X2() const;
    [[nodiscard]] double Y2() const;

    /// The segment in logical pixels of the box's drawing area.
    [[nodiscard]] QLineF PixelLine() const { return pixelLine_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// The widget area covering the segment, with room for the pen.
    [[nodiscard]] QRect DirtyRect(const QLineF& line) const;

    PictureBox& box_;
    QLineF pixelLine_;
};

} // namespace kestrova
