#pragma once

/// \file
/// The user's settings file of the program: the language, the view and the
/// recent lessons are kept there (a test may move it with QSettings::setPath).

#include <QSettings>
#include <QString>

#include <memory>

namespace kestrova {

[[nodiscard]] inline std::unique_ptr<QSettings> UserSettings()
{
    return std::make_unique<QSettings>(QStringLiteral("Kestrova"), QStringLiteral("Kestrova"));
}

} // namespace kestrova
