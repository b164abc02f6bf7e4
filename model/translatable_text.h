#pragma once

/// \file
/// French texts of the model that the windows show in the interface
/// language. The model returns them in French; the translation tools collect
/// them (lupdate treats the macro as QT_TRANSLATE_NOOP) and the windows look
/// each one up in its context.

/// `text` itself, marked for translation in `context`.
#define KESTROVA_TRANSLATABLE(context, text) text

namespace kestrova {

/// Context of the damped window's captions (the regime).
inline constexpr char kCaptionsContext[] = "kestrova::Captions";
/// Context of the reasons a pendulum length is refused.
inline constexpr char kLengthContext[] = "kestrova::LengthReading";

} // namespace kestrova
