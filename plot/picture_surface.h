#pragma once

/// \file
/// The drawing surface every drawing procedure of the program goes through:
/// a picture box with a user coordinate system, pen, fill and font settings,
/// a current text position and a persistent image. This base class keeps all
/// of that state and the coordinate arithmetic; a concrete surface (the Qt
/// picture box, the recording fake of the tests) supplies the device: its
/// size, text metrics and the primitives themselves.

#include "plot/colour.h"
#include "plot/twips.h"

#include <string>
#include <string_view>

namespace kestrova {

/// Units of a coordinate system.
enum ScaleModes : int {
    kScaleUser = 0,   ///< set by Scale(x1, y1, x2, y2)
    kScaleTwips = 1,  ///< 1440 per inch, 15 per logical pixel; the default
    kScalePixels = 3, ///< logical pixels, origin top-left
};

/// Pen patterns; any other value draws solid.
enum DrawStyles : int { kSolid = 0, kDashed = 1, kDotted = 2 };
/// Fill of circles; any other value leaves them unfilled.
enum FillStyles : int { kFillSolid = 0, kFillTransparent = 1 };

/// A surface's font. Bold and Weight move together (Bold ⇔ Weight ≥ 700).
struct FontSpec {
    std::string Name = "MS Sans Serif";
    double Size = 8.25; ///< points
    int Weight = 400;
    [[nodiscard]] bool Bold() const { return Weight >= 700; }
    void SetBold(bool bold) { Weight = bold ? 700 : 400; }
    bool operator==(const FontSpec&) const = default;
};

/// A font for text output at an angle, in device terms: the face name, the
/// cell height in device pixels, the angles in tenths of a degree
/// counter-clockwise.
struct RotatedFont {
    std::string FaceName;
    int Height = 0;
    int Escapement = 0;
    int Orientation = 0;
    int Weight = 400;
};

class PictureSurface {
public:
    virtual ~PictureSurface() = default;
    PictureSurface(const PictureSurface&) = delete;
    PictureSurface& operator=(const PictureSurface&) = delete;

    // --- coordinate system -------------------------------------------------
    /// User coordinates: (x1, y1) the top-left corner, (x2, y2) the
    /// bottom-right; y1 > y2 makes y point up.
    void Scale(double x1, double y1, double x2, double y2);
    [[nodiscard]] int ScaleMode() const { return mode_; }
    /// 1 twips or 3 pixels restore that unit; 0 restores the last user system.
    void SetScaleMode(int mode);
    [[nodiscard]] double ScaleLeft() const;
    [[nodiscard]] double ScaleTop() const;
    [[nodiscard]] double ScaleWidth() const;
    [[nodiscard]] double ScaleHeight() const;

    /// Conversions between the current units and logical pixels of the box.
    [[nodiscard]] double ToPixelX(double x) const;
    [[nodiscard]] double ToPixelY(double y) const;
    [[nodiscard]] double FromPixelX(double px) const;
    [[nodiscard]] double FromPixelY(double py) const;

    // --- current text position, in current units --------------------------
    [[nodiscard]] double CurrentX() const;
    [[nodiscard]] double CurrentY() const;
    void SetCurrentX(double x);
    void SetCurrentY(double y);

    // --- pen, fill, colours, font -----------------------------------------
    [[nodiscard]] int DrawStyle() const { return drawStyle_; }
    void SetDrawStyle(int style) { drawStyle_ = style; }
    [[nodiscard]] int DrawWidth() const { return drawWidth_; }
    void SetDrawWidth(int width) { drawWidth_ = width < 1 ? 1 : width; }
    [[nodiscard]] int FillStyle() const { return fillStyle_; }
    void SetFillStyle(int style) { fillStyle_ = style; }
    [[nodiscard]] Colour FillColor() const { return fillColor_; }
    void SetFillColor(Colour c) { fillColor_ = c; }
    [[nodiscard]] Colour ForeColor() const { return foreColor_; }
    void SetForeColor(Colour c) { foreColor_ = c; }
    [[nodiscard]] Colour BackColor() const { return backColor_; }
    void SetBackColor(Colour c);

    [[nodiscard]] const FontSpec& Font() const { return font_; }
    void SetFont(const FontSpec& font);

    // --- drawing -------------------------------------------------------------
    /// Erases the image to the background colour.
    void Cls() { DeviceClear(); }
    /// A segment in the foreground colour with the current pen.
    void Line(double x1, double y1, double x2, double y2)
    {
        DeviceLine(x1, y1, x2, y2, foreColor_, false);
    }
    /// A segment in the given colour with the current pen.
    void Line(double x1, double y1, double x2, double y2, Colour c)
    {
        DeviceLine(x1, y1, x2, y2, c, false);
    }
    /// The outline of the rectangle with these corners ("Line ..., c, B").
    void LineBox(double x1, double y1, double x2, double y2, Colour c)
    {
        DeviceLine(x1, y1, x2, y2, c, true);
    }
    /// A full circle, radius in x units, outlined in c and filled as FillStyle/FillColor say.
    void Circle(double x, double y, double radius, Colour c) { DeviceCircle(x, y, radius, c); }
    /// One point, DrawWidth pixels across.
    void PSet(double x, double y, Colour c) { DevicePoint(x, y, c); }
    /// Text (UTF-8) with its top-left corner at (CurrentX, CurrentY), in the
    /// box's font and foreground colour. The current position does not move.
    void Print(std::string_view text) { DeviceText(CurrentX(), CurrentY(), text); }

    // --- backdrop: a still part of a figure drawn once, not at every frame ---
    /// Keeps what the box holds now as its backdrop, for the current
    /// coordinate system. A device that cannot keep one ignores it.
    void KeepBackdrop();
    /// Whether a kept backdrop still stands: the device still holds it (no
    /// Cls, new size, scale of the screen or background colour since) and the
    /// coordinate system is the one it was drawn in.
    [[nodiscard]] bool HasBackdrop();
    /// Erases what was drawn since KeepBackdrop: the box shows the backdrop
    /// alone again. Does nothing without one.
    void RestoreBackdrop() { DeviceRestoreBackdrop(); }
    /// The erase of an animation frame: back to the backdrop where one
    /// stands; otherwise Cls, drawBackdrop(), and that is kept. On a device
    /// without backdrops it is Cls and drawBackdrop() every time, so both
    /// ways draw the same picture.
    template <class DrawBackdrop>
    void EraseToBackdrop(DrawBackdrop&& drawBackdrop)
    {
        if (HasBackdrop()) {
            RestoreBackdrop();
            return;
        }
        Cls();
        drawBackdrop();
        KeepBackdrop();
    }

    /// Extent of the text in the box's font, in current units, signed by the
    /// axis direction (TextHeight < 0 when y points up).
    [[nodiscard]] double TextWidth(std::string_view text) const;
    [[nodiscard]] double TextHeight(std::string_view text) const;

    // --- device: what rotated text needs ---------------------------------------
    /// Vertical logical pixels per inch of the device (96 on a standard screen).
    [[nodiscard]] virtual int LogicalDpiY() const = 0;
    /// Text at pixel (px, py) (top-left corner of the unrotated cell) in the
    /// given font, the surface's text colour, transparent background.
    virtual void TextOutRotated(int px, int py, std::string_view text, const RotatedFont& font) = 0;

    // --- the box in its container (twips) ---------------------------------------
    [[nodiscard]] virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;
    [[nodiscard]] virtual double Left() const = 0;
    [[nodiscard]] virtual double Top() const = 0;
    [[nodiscard]] virtual double Width() const = 0;
    [[nodiscard]] virtual double Height() const = 0;
    virtual void SetLeft(double twips) = 0;
    virtual void SetTop(double twips) = 0;
    virtual void SetWidth(double twips) = 0;
    virtual void SetHeight(double twips) = 0;

protected:
    PictureSurface() = default;

    /// Inside size of the box in logical pixels.
    [[nodiscard]] virtual double PixelWidth() const = 0;
    [[nodiscard]] virtual double PixelHeight() const = 0;
    /// Extent of the text in logical pixels, in the current font.
    [[nodiscard]] virtual double TextPixelWidth(std::string_view text) const = 0;
    [[nodiscard]] virtual double TextPixelHeight(std::string_view text) const = 0;

    /// The primitives, in the current user coordinates; implementations use
    /// ToPixelX/ToPixelY and the pen, fill and font getters.
    virtual void DeviceClear() = 0;
    virtual void DeviceLine(double x1, double y1, double x2, double y2, Colour c, bool box) = 0;
    virtual void DeviceCircle(double x, double y, double radius, Colour c) = 0;
    virtual void DevicePoint(double x, double y, Colour c) = 0;
    virtual void DeviceText(double x, double y, std::string_view text) = 0;
    /// The backdrop's pixels, as KeepBackdrop, HasBackdrop and
    /// RestoreBackdrop describe them; by default a device keeps none.
    virtual bool DeviceKeepBackdrop() { return false; }
    virtual bool DeviceHasBackdrop() { return false; }
    virtual void DeviceRestoreBackdrop() { }
    /// Called after a change of the font or the background colour.
    virtual void FontChanged() { }
    virtual void BackColorChanged() { }

private:
    struct System {
        double left = 0, top = 0, width = 1, height = 1;
        bool operator==(const System&) const = default;
    };
    [[nodiscard]] System CurrentSystem() const;

    /// The current position converted to logical pixels of the box.
    [[nodiscard]] double PositionPixelX() const;
    [[nodiscard]] double PositionPixelY() const;

    int mode_ = kScaleTwips;
    System user_;           ///< the last system set by Scale
    System backdropSystem_; ///< the system the kept backdrop was drawn in
    // The current position is kept in the unit it was set in, so that a
    // round trip through another unit gives back exactly the same numbers.
    // Standard units are tied to pixels, not to the box size: a position set
    // in twips stays where it is when the box is resized.
    static constexpr int kPositionUnset = -1; ///< position (0, 0) in any unit
    double posX_ = 0, posY_ = 0;
    int posMode_ = kPositionUnset;
    System posUser_; ///< the user system of the position when posMode_ is kScaleUser

    int drawStyle_ = kSolid;
    int drawWidth_ = 1;
    int fillStyle_ = kFillTransparent;
    Colour fillColor_ = 0;
    Colour foreColor_ = 0;
    Colour backColor_ = 0xFFFFFF;
    FontSpec font_;
};

} // namespace kestrova
