#include "ui/foucault/frm_foucault.h"

#include "plot/picture_surface.h"

namespace kestrova {

namespace {

// Client area at design, in twips.
constexpr int kClientWidthTwips = 13920;
constexpr int kClientHeightTwips = 7560;

constexpr int ToPixels(int twips)
{
    return static_cast<int>(twips / kTwipsPerPixel);
}

} // namespace

frmFoucault::frmFoucault(HighResolutionClock& clock, QWidget* parent)
    : QWidget(parent)
    , clock_(clock)
{
    setWindowTitle(QStringLiteral("Pendule pesant"));
    setFixedSize(ToPixels(kClientWidthTwips), ToPixels(kClientHeightTwips));
    Form_Load();
}

frmFoucault::~frmFoucault() = default;

void frmFoucault::Form_Load()
{
}

} // namespace kestrova
