#include "app/simulation_registry.h"

#include "ui/damped/frm_pendule_amorti.h"
#include "ui/foucault/frm_foucault.h"

#include <QtGlobal>

namespace kestrova {

namespace {

template <typename Window>
SimulationWindow Load(HighResolutionClock& clock)
{
    auto* window = new Window(clock);
    return {window, window};
}

// The damped pendulum is the program's main window: it opens at start, and
// closing it ends the program. The menu names the Foucault pendulum for what
// it shows; its window keeps the caption "Pendule pesant".
const SimulationEntry kSimulations[] = {
    {QT_TRANSLATE_NOOP("kestrova::MDIBrunmalt", "Pendule pesant &amorti"), Qt::CTRL | Qt::Key_1,
     &Load<frmPenduleAmorti>, true},
    {QT_TRANSLATE_NOOP("kestrova::MDIBrunmalt", "Pendule de &Foucault"), Qt::CTRL | Qt::Key_2,
     &Load<frmFoucault>, false},
};

} // namespace

std::span<const SimulationEntry> Simulations()
{
    return kSimulations;
}

} // namespace kestrova
