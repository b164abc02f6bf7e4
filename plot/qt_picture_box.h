#pragma once

/// \file
/// The picture box on screen: a widget that implements PictureSurface over a
/// persistent image. Everything is drawn into the image, never straight onto
/// the screen, so what was drawn survives the box being covered, hidden or
/// repainted, and drawing into a hidden box shows as soon as it is shown.
/// qt_picture_box.cpp holds the widget (image, screen, geometry),
/// qt_picture_box_drawing.cpp the primitives, qt_picture_box_text.cpp the
/// font and text.

#include "plot/frame_pacer.h"
#include "plot/picture_surface.h"
#include "plot/qt_colour.h"
#include "plot/rect_list.h"

#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QWidget>

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace kestrova {

/// A picture box: user coordinates in logical pixels of the inside area,
/// drawn anti-aliased into an image kept at the screen's device pixel ratio.
/// Position and size (Left, Top, Width, Height) are in twips, 15 per logical
/// pixel, and include the border; ScaleWidth/ScaleHeight in pixel units are
/// the inside size. A zoomed box keeps all of these: only the screen pixels
/// per pixel change (SetZoom).
class PictureBox : public QWidget, public PictureSurface, private FramePacer::Client {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);
    ~PictureBox() override;

    /// With a border (the default) the box has a 2-pixel sunken frame and
    /// the drawing area is the inside; without, the whole widget draws.
    /// The picture is kept, cropped or extended with the background colour.
    void SetBorder(bool border);

    /// The drawing area in widget coordinates (logical pixels).
    [[nodiscard]] QRect InsideRect() const;

    /// Screen pixels per pixel of the drawing (1 unless the window is
    /// zoomed). The drawing keeps its own units, sizes and metrics: pens,
    /// texts and the border come out that much larger, the twips of the
    /// box's place and size that many more screen pixels. The caller moves
    /// and resizes the box; the picture is drawn again by its owner.
    void SetZoom(double zoom);
    [[nodiscard]] double Zoom() const { return zoom_; }

    /// For projectors: solid lines twice as wide, and patterned lines (the
    /// grids) solid, in their colour halfway to the background. Applies to
    /// what is drawn from now on.
    void SetHighContrast(bool high) { highContrast_ = high; }
    [[nodiscard]] bool HighContrast() const { return highContrast_; }

    /// The point of the user coordinate system at a position of the widget
    /// (logical pixels, as mouse events give them): the drawing's inverse.
    [[nodiscard]] QPointF UserPointAt(QPointF widgetPos) const;

    /// The persistent picture: inside size × device pixel ratio, with that
    /// ratio set on the image.
    [[nodiscard]] const QImage& Picture();

    // --- PictureSurface: device ----------------------------------------------
    [[nodiscard]] int LogicalDpiY() const override;
    /// Text rotated counter-clockwise by font.Escapement / 10 degrees about
    /// (px, py), the top-left corner of the unrotated cell; font.Height is
    /// the cell height (ascent + descent) in pixels.
    void TextOutRotated(int px, int py, std::string_view text, const RotatedFont& font) override;

    [[nodiscard]] bool Visible() const override;
    void SetVisible(bool visible) override;
    [[nodiscard]] double Left() const override;
    [[nodiscard]] double Top() const override;
    [[nodiscard]] double Width() const override;
    [[nodiscard]] double Height() const override;
    void SetLeft(double twips) override;
    void SetTop(double twips) override;
    void SetWidth(double twips) override;
    void SetHeight(double twips) override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

    [[nodiscard]] double PixelWidth() const override;
    [[nodiscard]] double PixelHeight() const override;
    [[nodiscard]] double TextPixelWidth(std::string_view text) const override;
    [[nodiscard]] double TextPixelHeight(std::string_view text) const override;

    void DeviceClear() override;
    void DeviceLine(double x1, double y1, double x2, double y2, Colour c, bool box) override;
    void DeviceCircle(double x, double y, double radius, Colour c) override;
    void DevicePoint(double x, double y, Colour c) override;
    void DeviceText(double x, double y, std::string_view text) override;
    bool DeviceKeepBackdrop() override;
    bool DeviceHasBackdrop() override;
    void DeviceRestoreBackdrop() override;
    void FontChanged() override;
    void BackColorChanged() override;

private:
    /// Width of the classic sunken border, in pixels of the drawing.
    static constexpr int kBorderWidth = 2;
    /// The border's width on screen, in logical pixels.
    [[nodiscard]] int BorderPixels() const;
    /// A rectangle of the drawing in the widget's logical pixels.
    [[nodiscard]] QRectF ToWidget(const QRectF& imageRect) const;

    /// Brings the image to the inside size and device pixel ratio of the
    /// moment, keeping the picture.
    void EnsureImage();
    /// The painter on the image, started if need be. It stays active
    /// from one primitive to the next; EndPainting closes it before the
    /// image is read, shared or replaced.
    QPainter& Painter();
    void EndPainting();
    /// The pen of the current DrawStyle and DrawWidth in colour c, as the
    /// contrast setting shows them.
    const QPen& PenFor(Colour c, Qt::PenCapStyle cap);
    /// DrawStyle, DrawWidth and a line colour as drawn with the contrast setting.
    [[nodiscard]] bool Patterned() const;
    [[nodiscard]] int PenStyle() const;
    [[nodiscard]] int PenWidth() const;
    [[nodiscard]] Colour PenColour(Colour c) const;
    /// Records a rectangle of the image (logical pixels) as drawn: Cls
    /// erases it, and the screen shows it at the next frame.
    void Drawn(const QRectF& imageRect);
    /// Forgets the backdrop; what it held still counts as drawn, for Cls.
    void DropBackdrop();
    /// Records the whole image as drawn, for Cls (not for the screen).
    void InkEverywhere();
    /// Marks a rectangle of the image (logical pixels) for repainting at
    /// the next screen frame.
    void Touch(const QRectF& imageRect);
    /// Asks the screen to show what was drawn since the last frame; the
    /// frame pacer calls it for every waiting box at once.
    void ShowFrame() override;
    void DrawSunkenBorder(QPainter& painter) const;

    struct TransparentHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const
        {
            return std::hash<std::string_view>{}(s);
        }
    };

    bool border_ = true;
    double zoom_ = 1.0;
    bool highContrast_ = false;
    QImage image_;
    QPainter painter_;  ///< on image_ while active; declared after it, so ended first
    QSize paintedSize_; ///< the inside size when the painter started
    bool painterHasFont_ = false;
    // What differs from a plain image in the background colour: Cls
    // erases only that. A rectangle covering the image means "everything".
    RectList ink_;
    Colour inkBackColour_ = 0xFFFFFF; ///< the colour outside ink_
    // The backdrop: a copy of the image as it was kept, with what differed
    // from the background then (ink_ holds only what was drawn since).
    QImage backdrop_;
    RectList backdropInk_;
    RectList pendingUpdate_; ///< widget area drawn since the last update, not yet on screen
    bool waitingForFrame_ = false;
    QFont qfont_;
    QFontMetrics metrics_;
    QFontMetricsF metricsF_;
    /// Widths of the texts measured in the current font: the plot frames
    /// measure each label before printing it, and print the same labels
    /// again and again.
    mutable std::unordered_map<std::string, double, TransparentHash, std::equal_to<>> widths_;

    // The last pen built, reused while the colour and pen settings stay.
    QPen pen_;
    Colour penColour_ = 0;
    int penStyle_ = -1;
    int penWidth_ = 0;
};

} // namespace kestrova
