#include "plot/rotator.h"

#include "plot/utf8.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace kestrova {

namespace {

/// Nearest 32-bit integer, ties to even; out of range is an overflow.
std::int32_t RoundToInt32(double value, const char* what)
{
    const double r = std::nearbyint(value);
    // NaN and anything beyond the 32-bit range do not fit.
    if (!(r >= -2147483648.0 && r < 2147483648.0))
        throw std::overflow_error(std::string("Rotator: ") + what + " is out of the pixel range");
    return static_cast<std::int32_t>(r);
}

} // namespace

void Rotator::SetDevice(PictureSurface& device)
{
    const int mode = device.ScaleMode();
    const auto left = static_cast<float>(device.ScaleLeft());
    const auto top = static_cast<float>(device.ScaleTop());
    const float right = left + static_cast<float>(device.ScaleWidth());
    const float bottom = top + static_cast<float>(device.ScaleHeight());

    device.SetScaleMode(kScalePixels);
    const auto pw = static_cast<float>(device.ScaleWidth());
    const auto ph = static_cast<float>(device.ScaleHeight());
    // Mode 0 brings back the user system that was in force bit for bit.
    // Calling Scale again with corners rebuilt as left + width could differ
    // in the last place (0.1 + 0.2 is not 0.3) and so move the current
    // position, which must stay exactly where it is.
    device.SetScaleMode(mode);

    if (right - left == 0.0f || bottom - top == 0.0f)
        throw std::domain_error("Rotator: the device's coordinate system has no extent");
    device_ = &device;
    left_ = left;
    top_ = top;
    xFactor_ = pw / (right - left);
    yFactor_ = ph / (bottom - top);
}

std::int32_t Rotator::PixelX(float x) const
{
    const float px = (x - left_) * xFactor_; // single precision, as captured
    return RoundToInt32(px, "the x position");
}

std::int32_t Rotator::PixelY(float y) const
{
    const float py = (y - top_) * yFactor_;
    return RoundToInt32(py, "the y position");
}

void Rotator::Label(std::string_view text)
{
    if (device_ == nullptr)
        throw std::logic_error("Rotator: Label needs a device; call SetDevice first");
    PictureSurface& device = *device_;
    const FontSpec& surfaceFont = device.Font();

    RotatedFont font;
    if (CodePoints(surfaceFont.Name) > kMaxFaceNameBytes)
        throw std::length_error("Rotator: the font name \"" + surfaceFont.Name
                                + "\" is longer than " + std::to_string(kMaxFaceNameBytes)
                                + " characters");
    font.FaceName = surfaceFont.Name;

    // The product is rounded first, then the division truncates:
    // 96 dpi × 11 pt → 14, 96 × 8.25 → 11, 120 × 11 → 18. The height is
    // positive, a cell height.
    font.Height = RoundToInt32(device.LogicalDpiY() * surfaceFont.Size, "the font height") / 72;
    font.Weight = surfaceFont.Weight;
    font.Escapement = angle_ * 10;
    font.Orientation = font.Escapement;

    const std::int32_t x = PixelX(static_cast<float>(device.CurrentX()));
    const std::int32_t y = PixelY(static_cast<float>(device.CurrentY()));
    device.TextOutRotated(x, y, text, font);
}

} // namespace kestrova
