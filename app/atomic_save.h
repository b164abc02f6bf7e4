#pragma once

/// \file
/// Files written whole or not at all: each goes to a temporary file next to
/// its final name and takes that name only once everything is written, so
/// a failure (folder not writable, disk full, name refused) leaves no
/// half-written file and any older file of that name as it was.

#include <QList>
#include <QString>

#include <functional>

class QIODevice;

namespace kestrova {

/// Writes a file's content to the device; returns false when it could not.
using ContentWriter = std::function<bool(QIODevice& device)>;

struct PlannedFile {
    QString path;
    ContentWriter write;
};

/// Writes every file, or none when any of them fails before it is complete.
/// Returns an empty string on success, else a French message for the user
/// that names the file and the reason.
[[nodiscard]] QString SaveAtomically(const QList<PlannedFile>& files);

} // namespace kestrova
