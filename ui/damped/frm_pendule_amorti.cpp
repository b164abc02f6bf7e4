#include "ui/damped/frm_pendule_amorti.h"

#include <QCloseEvent>

namespace kestrova {

frmPenduleAmorti::frmPenduleAmorti(HighResolutionClock& clock, QWidget* parent)
    : QWidget(parent)
    , clock_(clock)
{
    setWindowTitle(QStringLiteral("Pendule pesant amorti"));
    setFixedSize(1016, 734);
}

frmPenduleAmorti::~frmPenduleAmorti() = default;

void frmPenduleAmorti::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    emit Unloaded();
}

} // namespace kestrova
