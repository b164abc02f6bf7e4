// What an assistive technology reads from the frame and the two simulation
// windows through Qt's accessibility interfaces: names and roles, the slider
// values against their captions; and the slider moves and toggle that the
// user makes by keys or through an assistive technology.

#include "tests/support/test_window.h"

#include "app/mdi_brunmalt.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <limits>
#include <map>

using namespace kestrova;
using namespace kestrova::testing;

Q_DECLARE_METATYPE(QAccessible::Role)

namespace {

QAccessibleInterface* Accessible(QObject* object)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    if (iface == nullptr)
        qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    return iface;
}

bool HasRelation(QAccessibleInterface* iface, QAccessible::Relation relation, QObject* other)
{
    const auto relations = iface->relations(relation);
    return std::any_of(relations.begin(), relations.end(),
                       [&](const auto& r) { return r.first->object() == other; });
}

/// Every interface an assistive technology reaches below `root`, depth first.
void Walk(QAccessibleInterface* root, const std::function<void(QAccessibleInterface*)>& visit)
{
    for (int i = 0; i < root->childCount(); ++i) {
        if (QAccessibleInterface* child = root->child(i)) {
            visit(child);
            Walk(child, visit);
        }
    }
}

bool IsInteractive(QAccessible::Role role)
{
    static const QAccessible::Role kInteractive[] = {
        QAccessible::Slider, QAccessible::Button,       QAccessible::CheckBox,
        QAccessible::Link,   QAccessible::EditableText, QAccessible::MenuItem};
    return std::find(std::begin(kInteractive), std::end(kInteractive), role)
        != std::end(kInteractive);
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

    void controls_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("object");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QStringList>("nameHas");
        QTest::addColumn<QString>("labelledBy"); // empty: no check
        using R = QAccessible::Role;
        const auto row = [](const char* tag, const char* window, const char* object, R role,
                            const QStringList& nameHas, const char* labelledBy = "") {
            QTest::addRow("%s", tag) << window << object << role << nameHas << labelledBy;
        };
        // Each slider names its quantity and unit; a toggle that stays down reads as a check box.
        row("angle slider", "damped", "sldTeta0", R::Slider, {"Angle initial", "degrés"}, "Label3");
        row("speed slider", "damped", "sldOmega0", R::Slider,
            {"Vitesse initiale", "radians par seconde"}, "Label1");
        row("damping slider", "damped", "sldLambda", R::Slider, {"amortissement", "par seconde"},
            "Label4");
        row("start/pause toggle", "damped", "chkGo", R::CheckBox, {"Lancer l'animation"});
        row("reset button", "damped", "cmdPosInit", R::Button, {"Position initiale"});
        row("comparison check box", "damped", "chkApproxi", R::CheckBox,
            {"Approximation angle faible"});
        row("web link", "damped", "lblWeb", R::Link, {"http://www.kestrova.example"});
        row("phase plot, compared", "damped", "picPhase1", R::Graphic,
            {"vitesse en fonction de l'angle", "petits angles"});
        row("group", "damped", "Frame1", R::Grouping, {"Conditions initiales"});
        row("relaxation time", "damped", "lblRelax", R::StaticText, {"2,273"}, "Label5");
        row("length field", "Foucault", "txtLong", R::EditableText,
            {"Longueur du pendule", "mètres"}, "Label1");
        row("start button", "Foucault", "cmdGo", R::Button, {"Lancer l'animation"});
        row("side view", "Foucault", "picPendule", R::Graphic, {"Vue de côté"});
    }

    void controls()
    {
        QFETCH(QString, window);
        QFETCH(QString, object);
        QFETCH(QAccessible::Role, role);
        QFETCH(QStringList, nameHas);
        QFETCH(QString, labelledBy);
        TestWindow w(window);
        QAccessibleInterface* iface = Accessible(w.Child(object));
        QCOMPARE(iface->role(), role);
        const QString name = iface->text(QAccessible::Name);
        for (const QString& part : nameHas)
            QVERIFY2(name.contains(part), qPrintable(name));
        // Read as shown: no mnemonic marker, no leading blank.
        QVERIFY2(!name.contains(QLatin1Char('&')) && !name.startsWith(QLatin1Char(' ')),
                 qPrintable(name));
        if (role != QAccessible::Grouping) // a group is told by its controls
            QVERIFY(!iface->text(QAccessible::Description).isEmpty());
        if (!labelledBy.isEmpty())
            QVERIFY(HasRelation(iface, QAccessible::Label, w.Child(labelledBy)));
        // A picture or a link is one piece: the string over the side view and
        // the link's focus frame are drawing, not content.
        if (role == QAccessible::Graphic || role == QAccessible::Link)
            QCOMPARE(iface->childCount(), 0);
    }

    void everyInteractiveControlIsNamed_data()
    {
        QTest::addColumn<int>("index"); // the simulation shown in the frame
        QTest::addColumn<QList<int>>(
            "counts"); // sliders, buttons, check boxes, links, fields, graphics
        // Graphics: the equation, the figure, both members of both plots, two axis titles.
        QTest::addRow("damped pendulum") << 0 << QList<int>{4, 1, 2, 1, 0, 8};
        QTest::addRow("Foucault pendulum") << 1 << QList<int>{0, 1, 0, 0, 1, 2};
    }

    void everyInteractiveControlIsNamed()
    {
        QFETCH(int, index);
        QFETCH(QList<int>, counts);
        FakeCounterSource source;
        MDIBrunmalt frame(source);
        frame.ShowSimulation(static_cast<std::int16_t>(index));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        frame.show();
        std::map<QAccessible::Role, int> count;
        Walk(Accessible(&frame), [&](QAccessibleInterface* iface) {
            const QAccessible::Role role = iface->role();
            ++count[role];
            const QString what =
                QString::number(role) + QLatin1Char(' ') + iface->object()->objectName();
            if (IsInteractive(role) || role == QAccessible::Graphic)
                QVERIFY2(!iface->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(what));
            if (iface->state().focusable) // a sub-window takes the focus as a whole
                QVERIFY2(IsInteractive(role) || role == QAccessible::Window, qPrintable(what));
        });
        const QList<int> found{count[QAccessible::Slider],       count[QAccessible::Button],
                               count[QAccessible::CheckBox],     count[QAccessible::Link],
                               count[QAccessible::EditableText], count[QAccessible::Graphic]};
        QCOMPARE(found, counts);
        QCOMPARE(count[QAccessible::MenuItem], 4); // the menu, two windows, "Quitter"
        QCOMPARE(Accessible(&frame)->text(QAccessible::Name), QStringLiteral("Kestrova - v.1.0"));
        QCOMPARE(Accessible(&frame.MdiArea())->text(QAccessible::Name),
                 QStringLiteral("Fenêtres de simulation"));
    }

    void sliderMovedByTheUser_data()
    {
        QTest::addColumn<int>("slider"); // in kSliders
        QTest::addColumn<int>("start");  // set by code first
        QTest::addColumn<QString>(
            "move"); // a key, or "set <value>" or an action by assistive technology
        QTest::addColumn<int>("position"); // expected afterwards
        QTest::addColumn<double>("value"); // in the quantity's unit, as the caption shows it
        using A = QAccessibleActionInterface;
        QTest::addRow("angle set to 0°") << 0 << 45 << "set 0" << 0 << 0.0;
        QTest::addRow("angle set beyond the range") << 0 << 45 << "set 1000" << 180 << 180.0;
        QTest::addRow("speed set to -10 rad/s") << 1 << 0 << "set -10" << -10 << -10.0;
        QTest::addRow("speed increased") << 1 << 0 << A::increaseAction() << 1 << 1.0;
        QTest::addRow("speed End") << 1 << 0 << "End" << 10 << 10.0;
        QTest::addRow("pulsation set to 12,3 rad/s") << 2 << 40 << "set 12.3" << 123 << 12.3;
        QTest::addRow("pulsation PageUp to the top") << 2 << 195 << "PgUp" << 200 << 20.0;
        QTest::addRow("damping set to 1,23") << 3 << 22 << "set 1.23" << 123 << 1.23;
        QTest::addRow("damping decreased") << 3 << 22 << A::decreaseAction() << 21 << 0.21;
        QTest::addRow("damping PageDown to none") << 3 << 5 << "PgDown" << 0 << 0.0;
        // A key that cannot move the slider is no move: the animation runs on.
        QTest::addRow("speed Home at -10 rad/s: no move") << 1 << -10 << "Home" << -10 << -10.0;
        QTest::addRow("damping PageUp at the top: no move") << 3 << 500 << "PgUp" << 500 << 5.0;
    }

    void sliderMovedByTheUser()
    {
        QFETCH(int, slider);
        QFETCH(int, start);
        QFETCH(QString, move);
        QFETCH(int, position);
        QFETCH(double, value);
        const SliderSpec& row = kSliders[slider];
        TestWindow w;
        QApplication::setActiveWindow(w.window.get());
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        auto* s = w.Child<QSlider>(row.slider);
        auto* c = w.Child<QLabel>(row.caption);
        auto* go = w.Child<QPushButton>("chkGo");
        s->setValue(start);
        w.Child<QPushButton>("cmdPosInit")->click();
        const QString before = c->text();
        go->click();
        w.source.AdvanceSeconds(0.25);
        w.Damped()->AnimationTick();

        QAccessibleInterface* iface = Accessible(s);
        QAccessibleValueInterface* v = iface->valueInterface();
        QVERIFY(v != nullptr);
        if (move.startsWith(QLatin1String("set "))) {
            v->setCurrentValue(move.mid(4).toDouble());
        } else if (iface->actionInterface()->actionNames().contains(move)) {
            iface->actionInterface()->doAction(move);
        } else {
            s->setFocus(Qt::TabFocusReason);
            QTest::keyClick(w.window->windowHandle(), QKeySequence(move)[0].key());
        }
        QCOMPARE(s->value(), position);
        // A move of the user's resets: stopped, back at the start; no move, no reset.
        const bool moved = position != start;
        QCOMPARE(go->isChecked(), !moved);
        QCOMPARE(w.Child<QTimer>("tmrPendule")->isActive(), !moved);
        QCOMPARE(w.Damped()->State().Teta == w.Damped()->State().Teta0, moved);
        QCOMPARE(c->text() == before, !moved);

        // The value reads as the caption shows it; the caption labels the slider.
        QCOMPARE(v->currentValue().toDouble(), value);
        QCOMPARE(CaptionNumber(c->text()).value_or(-1e9), value);
        QCOMPARE(iface->text(QAccessible::Value), c->text());
        QCOMPARE(Accessible(c)->text(QAccessible::Name), c->text());
        if (position == row.minimum)
            QCOMPARE(v->minimumValue().toDouble(), value);
        if (position == row.maximum)
            QCOMPARE(v->maximumValue().toDouble(), value);
        QVERIFY(HasRelation(iface, QAccessible::Label, c));
        QVERIFY(HasRelation(Accessible(c), QAccessible::Labelled, s));
        // A value that is no number moves nothing.
        v->setCurrentValue(std::numeric_limits<double>::quiet_NaN());
        QCOMPARE(s->value(), position);
    }

    void toggleReadsItsCurrentAction()
    {
        TestWindow w;
        QAccessibleInterface* iface = Accessible(w.Child("chkGo"));
        QAccessibleActionInterface* actions = iface->actionInterface();
        QVERIFY(actions != nullptr && iface->state().checkable);
        const QString press =
            actions->actionNames().contains(QAccessibleActionInterface::toggleAction())
            ? QAccessibleActionInterface::toggleAction()
            : QAccessibleActionInterface::pressAction();
        for (const bool running : {true, false}) {
            actions->doAction(press);
            QCOMPARE(w.Child<QTimer>("tmrPendule")->isActive(), running);
            QCOMPARE(bool(iface->state().checked), running);
            QCOMPARE(iface->text(QAccessible::Name),
                     QString::fromUtf8(running ? "Suspendre l'animation" : "Lancer l'animation"));
        }
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
