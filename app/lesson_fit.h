#pragma once

/// \file
/// What a lesson keeps with its measurement besides the samples: the name
/// of the file it came from, under "fichier", and the motion fitted to it,
/// under "ajustement" (the model, the exact fitted values and the window),
/// so that an opened lesson draws the same curve again. A lesson written
/// before has neither and opens as it did.

#include "model/lesson.h"

#include <QJsonObject>
#include <QString>

namespace kestrova {

/// Adds the measurement's name and fitted motion of `lesson` to the
/// measurement's object of its file.
void AddMeasurementFit(QJsonObject& measurement, const Lesson& lesson);

/// Reads them from the measurement's object in the lesson file's `root`
/// once its samples are in `lesson` (none: nothing to read); `problem`
/// (French, translated) is set when they are there but unreadable or do not
/// belong to the samples.
void ReadMeasurementFit(const QJsonObject& root, Lesson& lesson, QString& problem);

} // namespace kestrova
