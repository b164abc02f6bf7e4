#include "app/atomic_save.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

#include <memory>
#include <vector>

namespace kestrova {

namespace {

/// Why the file could not be written, in words for the user, with the
/// system's own words after them.
QString Failure(const QSaveFile& file, QFileDevice::FileError error)
{
    QString reason;
    switch (error) {
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
        reason = QCoreApplication::translate("AtomicSave",
                                             "le dossier n'existe pas ou n'accepte pas l'écriture");
        break;
    case QFileDevice::WriteError:
    case QFileDevice::ResourceError:
        reason = QCoreApplication::translate("AtomicSave",
                                             "l'écriture a échoué (le disque est peut-être plein)");
        break;
    case QFileDevice::RenameError:
        reason = QCoreApplication::translate("AtomicSave", "le fichier n'a pas pu prendre ce nom");
        break;
    default:
        reason = QCoreApplication::translate("AtomicSave", "erreur d'écriture");
        break;
    }
    if (!file.errorString().isEmpty() && file.errorString() != QLatin1String("Unknown error"))
        reason += QStringLiteral(" (") + file.errorString() + QLatin1Char(')');
    return QCoreApplication::translate("AtomicSave",
                                       "Le fichier « %1 » n'a pas pu être enregistré : %2.")
        .arg(QDir::toNativeSeparators(file.fileName()), reason);
}

} // namespace

QString SaveAtomically(const QList<PlannedFile>& files)
{
    std::vector<std::unique_ptr<QSaveFile>> open;
    for (const PlannedFile& planned : files) {
        auto file = std::make_unique<QSaveFile>(planned.path);
        if (!file->open(QIODevice::WriteOnly))
            return Failure(*file,
                           file->error() == QFileDevice::NoError ? QFileDevice::OpenError
                                                                 : file->error());
        const bool written = planned.write(*file) && file->error() == QFileDevice::NoError;
        if (!written) {
            // Unwritten files are dropped (their temporary files removed)
            // as the unique pointers go.
            const QFileDevice::FileError error =
                file->error() == QFileDevice::NoError ? QFileDevice::WriteError : file->error();
            const QString message = Failure(*file, error);
            for (auto& other : open)
                other->cancelWriting();
            file->cancelWriting();
            return message;
        }
        open.push_back(std::move(file));
    }
    for (auto& file : open) {
        if (!file->commit())
            return Failure(*file, file->error());
    }
    return {};
}

} // namespace kestrova
