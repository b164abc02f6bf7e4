#include "ui/damped/damped_descriptions.h"

#include "ui/accessibility/accessible_controls.h"

#include <QLabel>
#include <QSlider>
#include <QWidget>

#include <iterator>

namespace kestrova {

namespace {

/// One control's texts; a null name keeps the control's own (a value caption
/// or the toggle, whose changing text is what should be read).
struct AccessibleText {
    const char* objectName;
    const char* name;
    const char* description;
};

constexpr char kSliderResets[] = ". Le déplacer remet le pendule à sa position initiale.";
constexpr char kExactTrace[] = "Mouvement exact, tracé en rouge pendant l'animation";
constexpr char kComparedTraces[] =
    "Mouvement exact en rouge et solution des petits angles en vert ; montré quand "
    "« Approximation angle faible » est cochée";

const AccessibleText kTexts[] = {
    {"imgEquation", "Équation du mouvement", "θ'' + 2λθ' + ω₀² sin θ = 0"},
    {"picPendule", "Pendule", "Le pendule dessiné à son angle du moment"},
    {"Frame1", "Conditions initiales", nullptr},
    {"Frame2", "Paramètres oscillations", nullptr},
    {"sldTeta0", "Angle initial, en degrés", "De 0 à 180 degrés"},
    {"sldOmega0", "Vitesse initiale, en radians par seconde", "De -10 à 10 radians par seconde"},
    {"sldPulsation", "Pulsation propre, en radians par seconde", "De 0,1 à 20 radians par seconde"},
    {"sldLambda", "Coefficient d'amortissement, par seconde", "De 0 à 5 par seconde"},
    {"lblteta0", nullptr, "Valeur de l'angle initial"},
    {"lblOmega0", nullptr, "Valeur de la vitesse initiale"},
    {"lblPulsation", nullptr, "Valeur de la pulsation propre"},
    {"lblLambda", nullptr, "Valeur du coefficient d'amortissement, par seconde"},
    {"lblRelax", nullptr, "Durée de relaxation, en secondes"},
    {"lblPseudo", nullptr, "Pseudo-période"},
    {"lblQualite", nullptr, "Facteur de qualité"},
    {"lblRegime", nullptr, "Régime des oscillations"},
    {"chkGo", nullptr, "Lance l'animation du pendule et le tracé des courbes, ou la suspend"},
    {"cmdPosInit", nullptr, "Remet le pendule à ses conditions initiales et arrête l'animation"},
    {"chkApproxi", nullptr,
     "Montre aussi, en vert, la solution des petits angles, où sin θ est pris égal à θ"},
    {"picOrdoOsci", "Angle (en degrés)", "Titre de l'axe vertical du graphique des oscillations"},
    {"picOrdoPhase", "Vitesse (en rad/s)", "Titre de l'axe vertical du portrait de phase"},
    {"picOscillation0", "Oscillations : angle en fonction du temps", kExactTrace},
    {"picOscillation1",
     "Oscillations : angle en fonction du temps, avec l'approximation des petits angles",
     kComparedTraces},
    {"picPhase0", "Portrait de phase : vitesse en fonction de l'angle", kExactTrace},
    {"picPhase1",
     "Portrait de phase : vitesse en fonction de l'angle, avec l'approximation des petits angles",
     kComparedTraces},
    {"lblWeb", nullptr, "Ouvre le site de l'auteur dans le navigateur"},
};

/// A slider, its title label, its value caption, and how many of its steps
/// make one unit of the value the caption shows.
struct SliderTexts {
    const char* slider;
    const char* title;
    const char* caption;
    int stepsPerUnit;
};

const SliderTexts kSliders[] = {
    {"sldTeta0", "Label3", "lblteta0", 1},
    {"sldOmega0", "Label1", "lblOmega0", 1},
    {"sldPulsation", "Label2", "lblPulsation", 10},
    {"sldLambda", "Label4", "lblLambda", 100},
};

/// The derived quantities, each labelled by its title.
const std::pair<const char*, const char*> kTitledCaptions[] = {
    {"Label5", "lblRelax"}, {"Label7", "lblPseudo"}, {"Label6", "lblQualite"}};

/// The order of the layout: the two groups of sliders top to bottom, then
/// the buttons and the check box, then the link.
const char* const kTabOrder[] = {"sldTeta0", "sldOmega0",  "sldPulsation", "sldLambda",
                                 "chkGo",    "cmdPosInit", "chkApproxi",   "lblWeb"};

} // namespace

void DescribeDampedControls(QWidget& window)
{
    const auto child = [&window]<typename T = QWidget>(const char* name)
    {
        return window.findChild<T*>(QLatin1String(name));
    };
    for (const AccessibleText& t : kTexts) {
        QWidget* control = child(t.objectName);
        if (control == nullptr)
            continue;
        if (t.name != nullptr)
            control->setAccessibleName(QString::fromUtf8(t.name));
        if (t.description != nullptr) {
            QString description = QString::fromUtf8(t.description);
            if (qobject_cast<QSlider*>(control) != nullptr)
                description += QString::fromUtf8(kSliderResets);
            control->setAccessibleDescription(description);
        }
    }
    for (const SliderTexts& s : kSliders) {
        auto* slider = child.operator()<QSlider>(s.slider);
        auto* caption = child.operator()<QLabel>(s.caption);
        if (slider == nullptr || caption == nullptr)
            continue;
        if (auto* title = child.operator()<QLabel>(s.title))
            title->setBuddy(slider);
        TieSliderToCaption(*slider, *caption, s.stepsPerUnit);
    }
    for (const auto& [title, caption] : kTitledCaptions) {
        if (auto* t = child.operator()<QLabel>(title))
            t->setBuddy(child(caption));
    }
    for (std::size_t i = 0; i + 1 < std::size(kTabOrder); ++i)
        QWidget::setTabOrder(child(kTabOrder[i]), child(kTabOrder[i + 1]));
}

} // namespace kestrova
