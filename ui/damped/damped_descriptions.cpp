#include "ui/damped/damped_descriptions.h"

#include "ui/accessibility/accessible_controls.h"
#include "ui/damped/damped_controls.h"

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

/// The order of the layout: the two groups of sliders top to bottom, then
/// the buttons and the check box, then the link.
const char* const kTabOrder[] = {"sldTeta0", "sldOmega0",  "sldPulsation", "sldLambda",
                                 "chkGo",    "cmdPosInit", "chkApproxi",   "lblWeb"};

QString Translated(const char* text)
{
    return QCoreApplication::translate(kDescriptionsContext, text);
}

template <typename T = QWidget>
T* Child(QWidget& window, const char* name)
{
    return window.findChild<T*>(QLatin1String(name));
}

void Describe(QWidget* control, const char* name, const char* description)
{
    if (control == nullptr)
        return;
    if (name != nullptr)
        control->setAccessibleName(Translated(name));
    if (description != nullptr) {
        QString text = Translated(description);
        if (qobject_cast<QSlider*>(control) != nullptr)
            text += Translated(kSliderResets);
        control->setAccessibleDescription(text);
    }
}

} // namespace

void DescribeDampedTexts(QWidget& window)
{
    for (const AccessibleText& t : kTexts)
        Describe(Child(window, t.objectName), t.name, t.description);
    for (std::size_t i = 0; i < kDampedParameters.size(); ++i) {
        const DampedParameterEntry& entry = kDampedParameters[i];
        Describe(Child(window, kParameterControls[i].slider), entry.accessibleName,
                 entry.accessibleDescription);
        Describe(Child(window, kParameterControls[i].caption), nullptr, entry.captionDescription);
    }
}

void DescribeDampedControls(QWidget& window)
{
    DescribeDampedTexts(window);
    for (std::size_t i = 0; i < kDampedParameters.size(); ++i) {
        const ParameterControlNames& names = kParameterControls[i];
        auto* slider = Child<QSlider>(window, names.slider);
        auto* caption = Child<QLabel>(window, names.caption);
        if (slider == nullptr || caption == nullptr)
            continue;
        if (auto* title = Child<QLabel>(window, names.title))
            title->setBuddy(slider);
        TieSliderToCaption(*slider, *caption, kDampedParameters[i].stepsPerUnit);
    }
    for (const DerivedCaptionNames& d : kDerivedCaptions) {
        if (auto* title = Child<QLabel>(window, d.title))
            title->setBuddy(Child(window, d.caption));
    }
    for (std::size_t i = 0; i + 1 < std::size(kTabOrder); ++i)
        QWidget::setTabOrder(Child(window, kTabOrder[i]), Child(window, kTabOrder[i + 1]));
}

} // namespace kestrova
