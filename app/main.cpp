#include "app/kestrova_version.h"
#include "app/language_switch.h"
#include "app/lesson_session.h"
#include "app/mdi_brunmalt.h"
#include "app/view_menu.h"
#include "clock/high_resolution_clock.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>
#include <QTimer>

int main(int argc, char* argv[])
{
    // An animation frame sends only the rod and the bob to the X server.
    // Qt's shared-memory path for it waits on the server at every frame:
    // more wake-ups than sending those few pixels down the socket. Qt only
    // asks whether the variable is set; one already set is left alone.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrova"));
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2").arg(kestrova::kVersionMajor).arg(kestrova::kVersionMinor));
    // The installed desktop entry's id: the desktop and its assistive tools
    // match the running program to its entry by it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Kestrova"));

    // --help and --version answer before any window opens.
    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Kestrova : le pendule pesant amorti et le pendule de Foucault.\n"
                       "Kestrova: the damped heavy pendulum and the Foucault pendulum."));
    options.addHelpOption();
    options.addVersionOption();
    options.addPositionalArgument(QStringLiteral("lecon.kestrova"),
                                  QStringLiteral("Leçon à ouvrir / lesson to open"),
                                  QStringLiteral("[lecon.kestrova]"));
    options.process(app);

    kestrova::MonotonicCounterSource counter;
    kestrova::MDIBrunmalt frame(counter);
    frame.LanguageChoice().RestoreSaved();
    frame.View().RestoreSaved(frame.screen()->availableGeometry().size());
    frame.ShowOnScreen(frame.screen()->availableGeometry());
    if (!options.positionalArguments().isEmpty()) {
        // Once the frame is on screen, so that a refusal or the lesson's
        // note shows above it.
        const QString path = options.positionalArguments().constFirst();
        QTimer::singleShot(0, &frame, [&frame, path] { frame.Lessons().Open(path); });
    }
    return QApplication::exec();
}
