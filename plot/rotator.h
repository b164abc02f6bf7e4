#pragma once

/// \file
/// Rotator: writes one line of text at any angle on a picture surface, at
/// the surface's current position and in its current font.

#include "plot/picture_surface.h"

#include <cstdint>
#include <string_view>

namespace kestrova {

/// Writes text turned counter-clockwise by a whole number of degrees. The
/// coordinate conversion of the surface is captured when the surface is
/// given (SetDevice); a later change of its system or size is not seen
/// until SetDevice is called again.
class Rotator {
public:
    /// Longest face name a rotated font can carry, in single-byte
    /// characters, without its terminating NUL.
    static constexpr std::size_t kMaxFaceNameBytes = 31;

    /// Text angle in degrees, counter-clockwise; 0 until set.
    void SetAngle(std::int16_t angle) { angle_ = angle; }
    [[nodiscard]] std::int16_t Angle() const { return angle_; }

    /// Keeps the surface and captures its pixels per user unit, by a round
    /// trip through pixel units that leaves the surface's coordinate system
    /// and current position as they were. The surface must outlive its use
    /// here. Throws std::domain_error for a surface whose extent is zero.
    void SetDevice(PictureSurface& device);

    /// Draws text (UTF-8) with the top-left corner of its unrotated cell at
    /// the surface's current position, in the surface's font with a cell
    /// height of (dpi × size) / 72 pixels, turned by Angle(). The current
    /// position does not move.
    /// Throws std::logic_error before SetDevice, std::length_error for a
    /// font name longer than kMaxFaceNameBytes (nothing is drawn), and
    /// std::overflow_error for a position beyond the pixel range.
    void Label(std::string_view text);

private:
    [[nodiscard]] std::int32_t PixelX(float x) const;
    [[nodiscard]] std::int32_t PixelY(float y) const;

    PictureSurface* device_ = nullptr;
    float left_ = 0;
    float top_ = 0;
    float xFactor_ = 0; ///< device pixels per user unit along x
    float yFactor_ = 0; ///< the same along y; negative when y points up
    std::int16_t angle_ = 0;
};

} // namespace kestrova
