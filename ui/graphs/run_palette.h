#pragma once

/// \file
/// The colours of the runs on the graphs: the current run in black, the
/// kept ones in eight hues chosen to stay apart for the common forms of
/// colour blindness and on a washed-out projector (no pale yellow).

#include <QColor>

#include <array>

namespace kestrova {

inline const QColor kLiveRunColour(0, 0, 0);

inline const std::array<QColor, 8> kKeptRunColours{
    QColor(0, 114, 178),   // blue
    QColor(213, 94, 0),    // vermilion
    QColor(0, 158, 115),   // bluish green
    QColor(204, 121, 167), // reddish purple
    QColor(230, 159, 0),   // orange
    QColor(86, 180, 233),  // sky blue
    QColor(136, 34, 85),   // wine
    QColor(153, 153, 51),  // olive
};

[[nodiscard]] inline QColor KeptRunColour(int index)
{
    return kKeptRunColours[static_cast<std::size_t>(index) % kKeptRunColours.size()];
}

} // namespace kestrova
