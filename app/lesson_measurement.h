#pragma once

/// \file
/// The measurement a lesson file carries, under the key "mesure", whole, so
/// that the file stands alone:
///
///     "vitesseAngulaire": true when the values are an angular speed (rad/s),
///                         false for an angle (rad);
///     "valeursBinaires":  the values, each an IEEE 754 double in 8 bytes
///                         little-endian, one after the other, in base64;
///     "tempsUniformes":   {"debut": a, "pas": b, "diviseur": d, "nombre": n}
///                         when the sample times are exactly (a + i·b) / d for
///                         i from 0 to n − 1, with a, b integers and d a power
///                         of ten (a recorder's regular clock);
///     "tempsBinaires":    otherwise the times (s), encoded as the values;
///     "pausesBinaires":   the times after which the recording paused, the same.
///
/// Every double comes back exactly as it was saved. A 10-minute recording at
/// 500 Hz (300 001 samples) takes 3.2 MB on a regular clock, 6.4 MB without.
/// Files written before this encoding held "temps", "valeurs" and "pauses"
/// as texts of numbers separated by spaces; they are still read.

#include "model/measured_series.h"

#include <QJsonObject>
#include <QString>

#include <optional>

namespace kestrova {

inline constexpr char kLessonMeasurementKey[] = "mesure";

[[nodiscard]] QJsonObject MeasurementJson(const MeasuredSeries& series);

/// The measurement under kLessonMeasurementKey in `root`, none when the key
/// is absent; `problem` (French, translated) set when it is there but not a
/// sound series.
[[nodiscard]] std::optional<MeasuredSeries> ReadLessonMeasurement(const QJsonObject& root,
                                                                  QString& problem);

} // namespace kestrova
