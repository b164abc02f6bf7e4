#include "app/mdi_brunmalt.h"
#include "clock/high_resolution_clock.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrova"));

    kestrova::MonotonicCounterSource counter;
    kestrova::MDIBrunmalt frame(counter);
    frame.ShowOnScreen(frame.screen()->availableGeometry());
    return QApplication::exec();
}
