#pragma once

/// \file
/// The measurement a lesson file carries, under the key "mesure": whether it
/// is an angular speed, and the times, values and pauses each as one text of
/// numbers separated by spaces (compact enough for a quarter of an hour at
/// 50 Hz within a lesson file's size).

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
