#include "tests/support/recording_surface.h"

namespace kestrova::testing {

void RecordingSurface::Record(PrimitiveKind kind, double x1, double y1, double x2, double y2,
                              Colour colour, std::string_view text)
{
    if (keep_ == kEverything)
        primitives.push_back({kind, x1, y1, x2, y2, colour, std::string(text), DrawStyle(),
                              DrawWidth(), FillStyle(), FillColor()});
}

} // namespace kestrova::testing
