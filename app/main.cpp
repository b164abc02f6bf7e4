#include "app/language_switch.h"
#include "app/mdi_brunmalt.h"
#include "clock/high_resolution_clock.h"

#include <QApplication>
#include <QScreen>

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
    // The installed desktop entry's id: the desktop and its assistive tools
    // match the running program to its entry by it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Kestrova"));

    kestrova::MonotonicCounterSource counter;
    kestrova::MDIBrunmalt frame(counter);
    frame.LanguageChoice().RestoreSaved();
    frame.ShowOnScreen(frame.screen()->availableGeometry());
    return QApplication::exec();
}
