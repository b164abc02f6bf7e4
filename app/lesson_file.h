#pragma once

/// \file
/// Lesson files (".kestrova"): a lesson as a UTF-8 JSON document with a
/// format version "major.minor". A newer minor version only adds keys, which
/// are ignored; a newer major version is refused. Anything that is not a
/// sound lesson within the windows' ranges is refused with a French message
/// that names the file and the problem.

#include "model/lesson.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace kestrova {

/// The format this program writes and the newest it reads.
inline constexpr int kLessonFormatMajor = 1;
inline constexpr int kLessonFormatMinor = 0;
/// Larger files are refused unread. A lesson takes a few kilobytes, its
/// measurement 21 bytes a sample at most (times and values in base64):
/// the importer's largest series, with its pauses, stays within this.
inline constexpr qint64 kLessonFileMaxBytes = 64 * 1024 * 1024;
inline constexpr char kLessonSuffix[] = "kestrova";

/// A lesson, or why the file is not one.
struct LessonReading {
    std::optional<Lesson> lesson;
    QString error; ///< French, names the file; empty when the lesson was read
};

/// Reads a lesson from the bytes of a file called `fileName`.
[[nodiscard]] LessonReading ReadLesson(const QByteArray& bytes, const QString& fileName);
/// Reads the lesson file at `path`.
[[nodiscard]] LessonReading ReadLessonFile(const QString& path);

/// The lesson as a file holds it.
[[nodiscard]] QByteArray LessonJson(const Lesson& lesson);
/// Writes the lesson to `path` atomically; an empty string, or a French
/// message naming the file and the reason.
[[nodiscard]] QString SaveLessonFile(const QString& path, const Lesson& lesson);

} // namespace kestrova
