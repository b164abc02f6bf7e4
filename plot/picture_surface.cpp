#include "plot/picture_surface.h"

namespace kestrova {

PictureSurface::System PictureSurface::CurrentSystem() const
{
    switch (mode_) {
    case kScaleUser:
        return user_;
    case kScalePixels:
        return {0, 0, PixelWidth(), PixelHeight()};
    default:
        return {0, 0, PixelWidth() * kTwipsPerPixel, PixelHeight() * kTwipsPerPixel};
    }
}

void PictureSurface::KeepBackdrop()
{
    if (DeviceKeepBackdrop())
        backdropSystem_ = CurrentSystem();
}

bool PictureSurface::HasBackdrop()
{
    return DeviceHasBackdrop() && CurrentSystem() == backdropSystem_;
}

void PictureSurface::Scale(double x1, double y1, double x2, double y2)
{
    user_ = {x1, y1, x2 - x1, y2 - y1};
    mode_ = kScaleUser;
}

void PictureSurface::SetScaleMode(int mode)
{
    mode_ = (mode == kScaleUser || mode == kScalePixels) ? mode : kScaleTwips;
}

double PictureSurface::ScaleLeft() const
{
    return CurrentSystem().left;
}
double PictureSurface::ScaleTop() const
{
    return CurrentSystem().top;
}
double PictureSurface::ScaleWidth() const
{
    return CurrentSystem().width;
}
double PictureSurface::ScaleHeight() const
{
    return CurrentSystem().height;
}

double PictureSurface::ToPixelX(double x) const
{
    const System s = CurrentSystem();
    return (x - s.left) * PixelWidth() / s.width;
}

double PictureSurface::ToPixelY(double y) const
{
    const System s = CurrentSystem();
    return (y - s.top) * PixelHeight() / s.height;
}

double PictureSurface::FromPixelX(double px) const
{
    const System s = CurrentSystem();
    return s.left + px * s.width / PixelWidth();
}

double PictureSurface::FromPixelY(double py) const
{
    const System s = CurrentSystem();
    return s.top + py * s.height / PixelHeight();
}

double PictureSurface::PositionPixelX() const
{
    switch (posMode_) {
    case kScaleUser:
        return (posX_ - posUser_.left) * PixelWidth() / posUser_.width;
    case kScalePixels:
        return posX_;
    default:
        return posX_ / kTwipsPerPixel;
    }
}

double PictureSurface::PositionPixelY() const
{
    switch (posMode_) {
    case kScaleUser:
        return (posY_ - posUser_.top) * PixelHeight() / posUser_.height;
    case kScalePixels:
        return posY_;
    default:
        return posY_ / kTwipsPerPixel;
    }
}

double PictureSurface::CurrentX() const
{
    if (posMode_ == kPositionUnset
        || (posMode_ == mode_ && (mode_ != kScaleUser || posUser_ == user_)))
        return posX_;
    return FromPixelX(PositionPixelX());
}

double PictureSurface::CurrentY() const
{
    if (posMode_ == kPositionUnset
        || (posMode_ == mode_ && (mode_ != kScaleUser || posUser_ == user_)))
        return posY_;
    return FromPixelY(PositionPixelY());
}

void PictureSurface::SetCurrentX(double x)
{
    const double y = CurrentY();
    posMode_ = mode_;
    posUser_ = user_;
    posX_ = x;
    posY_ = y;
}

void PictureSurface::SetCurrentY(double y)
{
    const double x = CurrentX();
    posMode_ = mode_;
    posUser_ = user_;
    posX_ = x;
    posY_ = y;
}

void PictureSurface::SetBackColor(Colour c)
{
    backColor_ = c;
    BackColorChanged();
}

void PictureSurface::SetFont(const FontSpec& font)
{
    font_ = font;
    FontChanged();
}

double PictureSurface::TextWidth(std::string_view text) const
{
    return TextPixelWidth(text) * ScaleWidth() / PixelWidth();
}

double PictureSurface::TextHeight(std::string_view text) const
{
    return TextPixelHeight(text) * ScaleHeight() / PixelHeight();
}

} // namespace kestrova
