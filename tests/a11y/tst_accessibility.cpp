// What an assistive technology reads from the frame and the two simulation
// windows, through Qt's accessibility interfaces: names and roles, the
// slider values and the captions tied to them, the link, the menu.

#include "a11y_support.h"

#include "app/mdi_brunmalt.h"
#include "ui/accessibility/accessible_controls.h"
#include "ui/damped/frm_pendule_amorti.h"
#include "ui/damped/web_link.h"
#include "ui/foucault/frm_foucault.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <functional>
#include <limits>
#include <map>

using namespace kestrova;
using kestrova::testing::CaptionNumber;
using kestrova::testing::ShownWindow;

Q_DECLARE_METATYPE(QAccessible::Role)

namespace {

QAccessibleInterface* Accessible(QObject* object)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    if (iface == nullptr)
        qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    return iface;
}

QString Name(QObject* object)
{
    return Accessible(object)->text(QAccessible::Name);
}

bool HasRelation(QAccessibleInterface* iface, QAccessible::Relation relation, QObject* other)
{
    const auto relations = iface->relations(relation);
    return std::any_of(relations.begin(), relations.end(),
                       [&](const auto& r) { return r.first->object() == other; });
}

/// Every interface below `root` that an assistive technology reaches by
/// walking the tree, depth first.
void Walk(QAccessibleInterface* root, const std::function<void(QAccessibleInterface*)>& visit)
{
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        if (child == nullptr)
            continue;
        visit(child);
        Walk(child, visit);
    }
}

/// Roles of controls the user acts on.
bool IsInteractive(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Slider:
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::Link:
    case QAccessible::EditableText:
    case QAccessible::MenuItem:
    case QAccessible::ComboBox:
    case QAccessible::SpinBox:
        return true;
    default:
        return false;
    }
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        QAccessible::setActive(true);
    }

    void dampedControls_data();
    void dampedControls();
    void everyInteractiveControlIsNamed_data();
    void everyInteractiveControlIsNamed();
    void sliderValueReadsAsItsCaption_data();
    void sliderValueReadsAsItsCaption();
    void sliderMovedByAssistiveTechnologyResets_data();
    void sliderMovedByAssistiveTechnologyResets();
    void derivedQuantitiesLabelledByTheirTitles();
    void toggleReadsItsCurrentAction();
    void linkIsFollowedByItsPressAction();
    void foucaultControls_data();
    void foucaultControls();
    void menuReadsItsCommandsAndShortcuts_data();
    void menuReadsItsCommandsAndShortcuts();
};

void TestAccessibility::dampedControls_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QStringList>("nameHas");
    QTest::addColumn<QString>("nameLacks"); // empty: nothing
    QTest::addColumn<bool>("described");

    using R = QAccessible::Role;
    const QString none;
    QTest::addRow("angle slider: quantity and unit")
        << "sldTeta0" << R::Slider << QStringList{"Angle initial", "degrés"} << none << true;
    QTest::addRow("speed slider") << "sldOmega0" << R::Slider
                                  << QStringList{"Vitesse initiale", "radians par seconde"} << none
                                  << true;
    QTest::addRow("pulsation slider") << "sldPulsation" << R::Slider
                                      << QStringList{"Pulsation propre", "radians par seconde"}
                                      << none << true;
    QTest::addRow("damping slider") << "sldLambda" << R::Slider
                                    << QStringList{"amortissement", "par seconde"} << none << true;
    // A push button that stays down: Qt reads it as a check box, checked while running.
    QTest::addRow("start/pause toggle") << "chkGo" << R::CheckBox
                                        << QStringList{"Lancer l'animation"} << "&" << true;
    QTest::addRow("reset button") << "cmdPosInit" << R::Button
                                  << QStringList{"Position initiale"} << "&" << true;
    QTest::addRow("comparison check box") << "chkApproxi" << R::CheckBox
                                          << QStringList{"Approximation angle faible"} << "&"
                                          << true;
    QTest::addRow("web link") << "lblWeb" << R::Link
                              << QStringList{"http://www.kestrova.example"} << none << true;
    QTest::addRow("equation picture") << "imgEquation" << R::Graphic
                                      << QStringList{"Équation du mouvement"} << none << true;
    QTest::addRow("pendulum figure") << "picPendule" << R::Graphic << QStringList{"Pendule"}
                                     << none << true;
    QTest::addRow("oscillation plot, exact motion")
        << "picOscillation0" << R::Graphic << QStringList{"angle en fonction du temps"}
        << "petits angles" << true;
    QTest::addRow("oscillation plot, with the small-angle comparison")
        << "picOscillation1" << R::Graphic
        << QStringList{"angle en fonction du temps", "petits angles"} << none << true;
    QTest::addRow("phase plot, exact motion")
        << "picPhase0" << R::Graphic << QStringList{"vitesse en fonction de l'angle"}
        << "petits angles" << true;
    QTest::addRow("phase plot, with the small-angle comparison")
        << "picPhase1" << R::Graphic
        << QStringList{"vitesse en fonction de l'angle", "petits angles"} << none << true;
    QTest::addRow("oscillation axis title") << "picOrdoOsci" << R::Graphic
                                            << QStringList{"Angle (en degrés)"} << none << true;
    QTest::addRow("phase axis title") << "picOrdoPhase" << R::Graphic
                                      << QStringList{"Vitesse (en rad/s)"} << none << true;
    QTest::addRow("initial conditions group") << "Frame1" << R::Grouping
                                              << QStringList{"Conditions initiales"} << none
                                              << false;
    QTest::addRow("oscillation parameters group") << "Frame2" << R::Grouping
                                                  << QStringList{"Paramètres"} << none << false;
    QTest::addRow("angle caption: its value") << "lblteta0" << R::StaticText
                                              << QStringList{"45°"} << none << true;
    QTest::addRow("pulsation caption: French decimal comma")
        << "lblPulsation" << R::StaticText << QStringList{"4,0 rad/s"} << none << true;
    QTest::addRow("regime caption") << "lblRegime" << R::StaticText
                                    << QStringList{"Régime pseudo-périodique"} << none << true;
    QTest::addRow("angle title") << "Label3" << R::StaticText << QStringList{"Angle initial"}
                                 << none << false;
}

void TestAccessibility::dampedControls()
{
    QFETCH(QString, object);
    QFETCH(QAccessible::Role, role);
    QFETCH(QStringList, nameHas);
    QFETCH(QString, nameLacks);
    QFETCH(bool, described);

    ShownWindow<frmPenduleAmorti> w;
    QAccessibleInterface* iface = Accessible(w.Child(object.toLatin1().constData()));
    QCOMPARE(iface->role(), role);
    const QString name = iface->text(QAccessible::Name);
    for (const QString& part : nameHas)
        QVERIFY2(name.contains(part), qPrintable(name));
    if (!nameLacks.isEmpty())
        QVERIFY2(!name.contains(nameLacks), qPrintable(name));
    if (described)
        QVERIFY(!iface->text(QAccessible::Description).isEmpty());
}

void TestAccessibility::everyInteractiveControlIsNamed_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("sliders");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("checkBoxes");
    QTest::addColumn<int>("links");
    QTest::addColumn<int>("fields");
    QTest::addColumn<int>("graphics");
    // The damped window's graphics: the equation, the figure, both members of
    // both plots and the two axis-title boxes.
    QTest::addRow("damped pendulum") << "damped" << 4 << 1 << 2 << 1 << 0 << 8;
    QTest::addRow("Foucault pendulum") << "Foucault" << 0 << 1 << 0 << 0 << 1 << 2;
}

void TestAccessibility::everyInteractiveControlIsNamed()
{
    QFETCH(QString, window);
    QFETCH(int, sliders);
    QFETCH(int, buttons);
    QFETCH(int, checkBoxes);
    QFETCH(int, links);
    QFETCH(int, fields);
    QFETCH(int, graphics);

    ShownWindow<frmPenduleAmorti> damped;
    ShownWindow<frmFoucault> foucault;
    QWidget* root = window == "damped" ? static_cast<QWidget*>(damped.window.get())
                                       : static_cast<QWidget*>(foucault.window.get());

    std::map<QAccessible::Role, int> count;
    Walk(Accessible(root), [&](QAccessibleInterface* iface) {
        const QAccessible::Role role = iface->role();
        ++count[role];
        const QString name = iface->text(QAccessible::Name).trimmed();
        if (IsInteractive(role) || role == QAccessible::Graphic) {
            QVERIFY2(!name.isEmpty(), qPrintable(QStringLiteral("role %1 of %2 has no name")
                                                     .arg(int(role))
                                                     .arg(iface->object()->objectName())));
        }
        if (iface->state().focusable)
            QVERIFY2(IsInteractive(role), qPrintable(iface->object()->objectName()));
    });
    QCOMPARE(count[QAccessible::Slider], sliders);
    QCOMPARE(count[QAccessible::Button], buttons);
    QCOMPARE(count[QAccessible::CheckBox], checkBoxes);
    QCOMPARE(count[QAccessible::Link], links);
    QCOMPARE(count[QAccessible::EditableText], fields);
    QCOMPARE(count[QAccessible::Graphic], graphics);
}

void TestAccessibility::sliderValueReadsAsItsCaption_data()
{
    QTest::addColumn<QString>("slider");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("value");   // in the quantity's unit
    QTest::addColumn<double>("minimum"); // likewise
    QTest::addColumn<double>("maximum");
    QTest::addColumn<double>("step");

    QTest::addRow("angle 45°") << "sldTeta0" << "lblteta0" << "Label3" << 45 << 45.0 << 0.0
                               << 180.0 << 1.0;
    QTest::addRow("angle at the top of its range")
        << "sldTeta0" << "lblteta0" << "Label3" << 180 << 180.0 << 0.0 << 180.0 << 1.0;
    QTest::addRow("negative speed") << "sldOmega0" << "lblOmega0" << "Label1" << -3 << -3.0
                                    << -10.0 << 10.0 << 1.0;
    QTest::addRow("pulsation in tenths: 40 is 4,0")
        << "sldPulsation" << "lblPulsation" << "Label2" << 40 << 4.0 << 0.1 << 20.0 << 0.1;
    QTest::addRow("lowest pulsation") << "sldPulsation" << "lblPulsation" << "Label2" << 1 << 0.1
                                      << 0.1 << 20.0 << 0.1;
    QTest::addRow("odd tenths") << "sldPulsation" << "lblPulsation" << "Label2" << 123 << 12.3
                                << 0.1 << 20.0 << 0.1;
    QTest::addRow("damping in hundredths: 22 is 0,22")
        << "sldLambda" << "lblLambda" << "Label4" << 22 << 0.22 << 0.0 << 5.0 << 0.01;
    QTest::addRow("no damping") << "sldLambda" << "lblLambda" << "Label4" << 0 << 0.0 << 0.0
                                << 5.0 << 0.01;
    QTest::addRow("strongest damping") << "sldLambda" << "lblLambda" << "Label4" << 500 << 5.0
                                       << 0.0 << 5.0 << 0.01;
}

void TestAccessibility::sliderValueReadsAsItsCaption()
{
    QFETCH(QString, slider);
    QFETCH(QString, caption);
    QFETCH(QString, title);
    QFETCH(int, position);
    QFETCH(double, value);
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(double, step);

    ShownWindow<frmPenduleAmorti> w;
    auto* s = w.Child<QSlider>(slider.toLatin1().constData());
    auto* c = w.Child<QLabel>(caption.toLatin1().constData());
    s->setValue(position);
    w.Child<QPushButton>("cmdPosInit")->click(); // applies it and writes the caption

    QAccessibleInterface* iface = Accessible(s);
    QAccessibleValueInterface* v = iface->valueInterface();
    QVERIFY(v != nullptr);
    QCOMPARE(v->currentValue().toDouble(), value);
    QCOMPARE(v->minimumValue().toDouble(), minimum);
    QCOMPARE(v->maximumValue().toDouble(), maximum);
    QCOMPARE(v->minimumStepSize().toDouble(), step);
    // The caption reads the same number; the value text is the caption itself.
    const std::optional<double> shown = CaptionNumber(c->text());
    QVERIFY2(shown.has_value(), qPrintable(c->text()));
    QVERIFY2(std::abs(*shown - value) < 1e-9, qPrintable(c->text()));
    QCOMPARE(iface->text(QAccessible::Value), c->text());
    QCOMPARE(Name(c), c->text());

    // Both the title on the left and the value caption label the slider.
    QVERIFY(HasRelation(iface, QAccessible::Label, c));
    QVERIFY(HasRelation(iface, QAccessible::Label, w.Child(title.toLatin1().constData())));
    QVERIFY(HasRelation(Accessible(c), QAccessible::Labelled, s));
}

void TestAccessibility::sliderMovedByAssistiveTechnologyResets_data()
{
    QTest::addColumn<QString>("slider");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("action"); // "set" or an action name
    QTest::addColumn<double>("argument");
    QTest::addColumn<int>("position"); // expected afterwards

    const QString set = QStringLiteral("set");
    QTest::addRow("set 6,5 rad/s") << "sldPulsation" << "lblPulsation" << set << 6.5 << 65;
    QTest::addRow("set 1,23 per second") << "sldLambda" << "lblLambda" << set << 1.23 << 123;
    QTest::addRow("set beyond the range: clamped") << "sldTeta0" << "lblteta0" << set << 1000.0
                                                   << 180;
    QTest::addRow("increase") << "sldTeta0" << "lblteta0" << QAccessibleActionInterface::increaseAction()
                              << 0.0 << 46;
    QTest::addRow("decrease") << "sldOmega0" << "lblOmega0"
                              << QAccessibleActionInterface::decreaseAction() << 0.0 << -1;
}

void TestAccessibility::sliderMovedByAssistiveTechnologyResets()
{
    QFETCH(QString, slider);
    QFETCH(QString, caption);
    QFETCH(QString, action);
    QFETCH(double, argument);
    QFETCH(int, position);

    ShownWindow<frmPenduleAmorti> w;
    auto* s = w.Child<QSlider>(slider.toLatin1().constData());
    auto* c = w.Child<QLabel>(caption.toLatin1().constData());
    auto* go = w.Child<QPushButton>("chkGo");
    const QString before = c->text();
    go->click();
    QVERIFY(w.Child<QTimer>("tmrPendule")->isActive());

    QAccessibleInterface* iface = Accessible(s);
    if (action == "set") {
        iface->valueInterface()->setCurrentValue(argument);
    } else {
        QVERIFY(iface->actionInterface()->actionNames().contains(action));
        iface->actionInterface()->doAction(action);
    }

    QCOMPARE(s->value(), position);
    // A move of the user's: the animation stops and the captions follow.
    QVERIFY(!go->isChecked());
    QVERIFY(!w.Child<QTimer>("tmrPendule")->isActive());
    QVERIFY(c->text() != before);
    QCOMPARE(*CaptionNumber(c->text()), iface->valueInterface()->currentValue().toDouble());

    // A value that is no number moves nothing.
    iface->valueInterface()->setCurrentValue(std::numeric_limits<double>::quiet_NaN());
    QCOMPARE(s->value(), position);
}

void TestAccessibility::derivedQuantitiesLabelledByTheirTitles()
{
    ShownWindow<frmPenduleAmorti> w;
    const std::pair<const char*, const char*> pairs[] = {
        {"Label5", "lblRelax"}, {"Label7", "lblPseudo"}, {"Label6", "lblQualite"}};
    for (const auto& [title, caption] : pairs) {
        QLabel* c = w.Child<QLabel>(caption);
        QAccessibleInterface* iface = Accessible(c);
        QCOMPARE(iface->role(), QAccessible::StaticText);
        QCOMPARE(iface->text(QAccessible::Name), c->text()); // the value itself
        QVERIFY(!iface->text(QAccessible::Description).isEmpty());
        QVERIFY2(HasRelation(iface, QAccessible::Label, w.Child(title)), caption);
    }
    QCOMPARE(Name(w.Child("lblRelax")), QStringLiteral("2,273"));
}

void TestAccessibility::toggleReadsItsCurrentAction()
{
    ShownWindow<frmPenduleAmorti> w;
    auto* go = w.Child<QPushButton>("chkGo");
    QAccessibleInterface* iface = Accessible(go);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Lancer l'animation"));
    QVERIFY(iface->state().checkable);
    QVERIFY(!iface->state().checked);

    // Pressed through the assistive technology: it runs, and says what it does now.
    QAccessibleActionInterface* actions = iface->actionInterface();
    QVERIFY(actions != nullptr);
    const QString press = actions->actionNames().contains(QAccessibleActionInterface::toggleAction())
        ? QAccessibleActionInterface::toggleAction()
        : QAccessibleActionInterface::pressAction();
    actions->doAction(press);
    QVERIFY(w.Child<QTimer>("tmrPendule")->isActive());
    QVERIFY(iface->state().checked);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Suspendre l'animation"));

    actions->doAction(press);
    QVERIFY(!w.Child<QTimer>("tmrPendule")->isActive());
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Lancer l'animation"));
}

void TestAccessibility::linkIsFollowedByItsPressAction()
{
    ShownWindow<frmPenduleAmorti> w;
    auto* label = w.Child<QLabel>("lblWeb");
    auto* link = label->findChild<WebLink*>();
    QVERIFY(link != nullptr);
    QList<QUrl> opened;
    link->isConnected = [] { return true; };
    link->openUrl = [&](const QUrl& url) {
        opened.append(url);
        return true;
    };

    QAccessibleInterface* iface = Accessible(label);
    QCOMPARE(iface->role(), QAccessible::Link);
    QVERIFY(iface->state().linked);
    QVERIFY(iface->state().focusable);
    QCOMPARE(iface->childCount(), 0); // its focus frame is no content
    QAccessibleActionInterface* actions = iface->actionInterface();
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(opened, QList<QUrl>{WebLink::SiteUrl()});

    // Offline, the same press reports it instead.
    int reported = 0;
    link->isConnected = [] { return false; };
    link->execMessageBox = [&](QMessageBox&) { ++reported; };
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(reported, 1);
    QCOMPARE(opened.size(), 1);
}

void TestAccessibility::foucaultControls_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QStringList>("nameHas");
    QTest::addColumn<QStringList>("descriptionHas");

    using R = QAccessible::Role;
    QTest::addRow("length field: unit and range")
        << "txtLong" << R::EditableText << QStringList{"Longueur du pendule", "mètres"}
        << QStringList{"3 m", "1000 m", "Entrée"};
    QTest::addRow("start button, without its leading blank")
        << "cmdGo" << R::Button << QStringList{"Lancer l'animation"} << QStringList{};
    QTest::addRow("ground trace") << "picCourbe" << R::Graphic << QStringList{"Trace au sol"}
                                  << QStringList{"100"};
    QTest::addRow("side view") << "picPendule" << R::Graphic << QStringList{"Vue de côté"}
                               << QStringList{"fil"};
    QTest::addRow("length title") << "Label1" << R::StaticText
                                  << QStringList{"Longueur du pendule"} << QStringList{};
}

void TestAccessibility::foucaultControls()
{
    QFETCH(QString, object);
    QFETCH(QAccessible::Role, role);
    QFETCH(QStringList, nameHas);
    QFETCH(QStringList, descriptionHas);

    ShownWindow<frmFoucault> w;
    QAccessibleInterface* iface = Accessible(w.Child(object.toLatin1().constData()));
    QCOMPARE(iface->role(), role);
    const QString name = iface->text(QAccessible::Name);
    for (const QString& part : nameHas)
        QVERIFY2(name.contains(part), qPrintable(name));
    QVERIFY2(!name.startsWith(QLatin1Char(' ')) && !name.contains(QLatin1Char('&')),
             qPrintable(name));
    const QString description = iface->text(QAccessible::Description);
    for (const QString& part : descriptionHas)
        QVERIFY2(description.contains(part), qPrintable(description));

    if (role == QAccessible::Graphic)
        QCOMPARE(iface->childCount(), 0); // the string over the side view is part of the picture
    if (object == "txtLong") {
        QVERIFY(HasRelation(iface, QAccessible::Label, w.Child("Label1")));
        QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("67,0"));
    }
}

void TestAccessibility::menuReadsItsCommandsAndShortcuts_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<bool>("foucaultAfter"); // the window open after pressing it
    QTest::addRow("damped pendulum") << 0 << "Pendule pesant amorti" << "Ctrl+1" << false;
    QTest::addRow("Foucault pendulum") << 1 << "Pendule pesant" << "Ctrl+2" << true;
}

void TestAccessibility::menuReadsItsCommandsAndShortcuts()
{
    QFETCH(int, position);
    QFETCH(QString, name);
    QFETCH(QString, shortcut);
    QFETCH(bool, foucaultAfter);

    FakeCounterSource source{1'000'000'000};
    MDIBrunmalt frame(source);
    int quits = 0;
    frame.quitApplication = [&] { ++quits; };
    frame.show();

    QAccessibleInterface* window = Accessible(&frame);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Kestrova - v.1.0"));
    QCOMPARE(Name(&frame.MdiArea()), QStringLiteral("Fenêtres de simulation"));

    QAccessibleInterface* bar = Accessible(frame.menuBar());
    QCOMPARE(bar->role(), QAccessible::MenuBar);
    QCOMPARE(bar->childCount(), 1);
    QAccessibleInterface* simulation = bar->child(0);
    QCOMPARE(simulation->role(), QAccessible::MenuItem);
    QCOMPARE(simulation->text(QAccessible::Name), QStringLiteral("Simulation"));

    QMenu* menu = frame.menuBar()->actions().front()->menu();
    QAccessibleInterface* items = Accessible(menu);
    QCOMPARE(items->childCount(), 4); // two windows, a separator, "Quitter"
    QAccessibleInterface* item = items->child(position);
    QCOMPARE(item->role(), QAccessible::MenuItem);
    QCOMPARE(item->text(QAccessible::Name), name);
    QCOMPARE(QKeySequence(item->text(QAccessible::Accelerator)), QKeySequence(shortcut));
    QCOMPARE(items->child(3)->text(QAccessible::Name), QStringLiteral("Quitter"));

    // Pressed through the assistive technology, it switches the window.
    frame.ShowSimulation(foucaultAfter ? kDampedSimulation : kFoucaultSimulation);
    item->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(frame.FoucaultWindow() != nullptr, foucaultAfter);
    QCOMPARE(frame.DampedWindow() != nullptr, !foucaultAfter);
    QCOMPARE(quits, 0);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
