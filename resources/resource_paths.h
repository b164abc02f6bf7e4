#pragma once

/// \file
/// Where the program's pictures live in its compiled-in resources, with the
/// pixel sizes they are drawn at.

namespace kestrova {

/// The frame window's icon: a swinging pendulum, 48 × 48.
inline constexpr char kFrameIconPath[] = ":/kestrova/frame_icon.svg";
inline constexpr int kFrameIconSize = 48;

/// The damped-pendulum window's icon: a cyan spiral on black, 32 × 32.
inline constexpr char kDampedIconPath[] = ":/kestrova/damped_icon.svg";
inline constexpr int kDampedIconSize = 32;

/// The equation of motion, red on transparent, 431 × 42.
inline constexpr char kEquationPicturePath[] = ":/kestrova/equation.svg";
inline constexpr int kEquationPictureWidth = 431;
inline constexpr int kEquationPictureHeight = 42;

/// The pointing hand shown over the web link, 32 × 32, with its hot spot at
/// the fingertip in the top-left corner.
inline constexpr char kHandCursorPath[] = ":/kestrova/hand_cursor.svg";
inline constexpr int kHandCursorSize = 32;
inline constexpr int kHandCursorHotSpotX = 0;
inline constexpr int kHandCursorHotSpotY = 0;

/// The teacher's guide, rich text, in French and in English.
inline constexpr char kGuideFrenchPath[] = ":/kestrova/guide/guide_fr.html";
inline constexpr char kGuideEnglishPath[] = ":/kestrova/guide/guide_en.html";

} // namespace kestrova
