#include "app/language_switch.h"
#include "app/mdi_brunmalt.h"
#include "clock/high_resolution_clock.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[])
{
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
