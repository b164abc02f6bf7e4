#include "ui/damped/damped_descriptions.h"

#include "ui/accessibility/accessible_controls.h"

#include <QCoreApplication>
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

constexpr char kSliderResets[] =
    QT_TRANSLATE_NOOP("Descriptions", ". Le déplacer remet le pendule à sa position initiale.");
constexpr char kExactTrace[] =
    QT_TRANSLATE_NOOP("Descriptions", "Mouvement exact, tracé en rouge pendant l'animation");
constexpr char kComparedTraces[] =
    QT_TRANSLATE_NOOP("Descriptions",
                      "Mouvement exact en rouge et solution des petits angles en vert ; montré "
                      "quand « Approximation angle faible » est cochée");

const AccessibleText kTexts[] = {
    {"imgEquation", QT_TRANSLATE_NOOP("Descriptions", "Équation du mouvement"),
     QT_TRANSLATE_NOOP("Descriptions", "θ'' + 2λθ' + ω₀² sin θ = 0")},
    {"picPendule", QT_TRANSLATE_NOOP("Descriptions", "Pendule"),
     QT_TRANSLATE_NOOP("Descriptions", "Le pendule dessiné à son angle du moment")},
    {"Frame1", QT_TRANSLATE_NOOP("Descriptions", "Conditions initiales"), nullptr},
    {"Frame2", QT_TRANSLATE_NOOP("Descriptions", "Paramètres oscillations"), nullptr},
    {"sldTeta0", QT_TRANSLATE_NOOP("Descriptions", "Angle initial, en degrés"),
     QT_TRANSLATE_NOOP("Descriptions", "De 0 à 180 degrés")},
    {"sldOmega0", QT_TRANSLATE_NOOP("Descriptions", "Vitesse initiale, en radians par seconde"),
     QT_TRANSLATE_NOOP("Descriptions", "De -10 à 10 radians par seconde")},
    {"sldPulsation", QT_TRANSLATE_NOOP("Descriptions", "Pulsation propre, en radians par seconde"),
     QT_TRANSLATE_NOOP("Descriptions", "De 0,1 à 20 radians par seconde")},
    {"sldLambda", QT_TRANSLATE_NOOP("Descriptions", "Coefficient d'amortissement, par seconde"),
     QT_TRANSLATE_NOOP("Descriptions", "De 0 à 5 par seconde")},
    {"lblteta0", nullptr, QT_TRANSLATE_NOOP("Descriptions", "Valeur de l'angle initial")},
    {"lblOmega0", nullptr, QT_TRANSLATE_NOOP("Descriptions", "Valeur de la vitesse initiale")},
    {"lblPulsation", nullptr, QT_TRANSLATE_NOOP("Descriptions", "Valeur de la pulsation propre")},
    {"lblLambda", nullptr,
     QT_TRANSLATE_NOOP("Descriptions", "Valeur du coefficient d'amortissement, par seconde")},
    {"lblRelax", nullptr, QT_TRANSLATE_NOOP("Descriptions", "Durée de relaxation, en secondes")},
    {"lblPseudo", nullptr, QT_TRANSLATE_NOOP("Descriptions", "Pseudo-période")},
    {"lblQualite", nullptr, QT_TRANSLATE_NOOP("Descriptions", "Facteur de qualité")},
    {"lblRegime", nullptr, QT_TRANSLATE_NOOP("Descriptions", "Régime des oscillations")},
    {"chkGo", nullptr,
     QT_TRANSLATE_NOOP("Descriptions",
                       "Lance l'animation du pendule et le tracé des courbes, ou la suspend")},
    {"cmdPosInit", nullptr,
     QT_TRANSLATE_NOOP("Descriptions",
                       "Remet le pendule à ses conditions initiales et arrête l'animation")},
    {"chkApproxi", nullptr,
     QT_TRANSLATE_NOOP(
         "Descriptions",
         "Montre aussi, en vert, la solution des petits angles, où sin θ est pris égal à θ")},
    {"picOrdoOsci", QT_TRANSLATE_NOOP("Descriptions", "Angle (en degrés)"),
     QT_TRANSLATE_NOOP("Descriptions", "Titre de l'axe vertical du graphique des oscillations")},
    {"picOrdoPhase", QT_TRANSLATE_NOOP("Descriptions", "Vitesse (en rad/s)"),
     QT_TRANSLATE_NOOP("Descriptions", "Titre de l'axe vertical du portrait de phase")},
    {"picOscillation0",
     QT_TRANSLATE_NOOP("Descriptions", "Oscillations : angle en fonction du temps"), kExactTrace},
    {"picOscillation1",
     QT_TRANSLATE_NOOP(
         "Descriptions",
         "Oscillations : angle en fonction du temps, avec l'approximation des petits angles"),
     kComparedTraces},
    {"picPhase0",
     QT_TRANSLATE_NOOP("Descriptions", "Portrait de phase : vitesse en fonction de l'angle"),
     kExactTrace},
    {"picPhase1",
     QT_TRANSLATE_NOOP("Descriptions",
                       "Portrait de phase : vitesse en fonction de l'angle, avec l'approximation "
                       "des petits angles"),
     kComparedTraces},
    {"lblWeb", nullptr,
     QT_TRANSLATE_NOOP("Descriptions", "Ouvre le site de l'auteur dans le navigateur")},
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

QString Translated(const char* text)
{
    return QCoreApplication::translate("Descriptions", text);
}

} // namespace

void DescribeDampedTexts(QWidget& window)
{
    for (const AccessibleText& t : kTexts) {
        auto* control = window.findChild<QWidget*>(QLatin1String(t.objectName));
        if (control == nullptr)
            continue;
        if (t.name != nullptr)
            control->setAccessibleName(Translated(t.name));
        if (t.description != nullptr) {
            QString description = Translated(t.description);
            if (qobject_cast<QSlider*>(control) != nullptr)
                description += Translated(kSliderResets);
            control->setAccessibleDescription(description);
        }
    }
}

void DescribeDampedControls(QWidget& window)
{
    const auto child = [&window]<typename T = QWidget>(const char* name)
    {
        return window.findChild<T*>(QLatin1String(name));
    };
    DescribeDampedTexts(window);
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
