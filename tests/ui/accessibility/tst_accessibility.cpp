// What an assistive technology reads from the frame and the two simulation
// windows through Qt's accessibility interfaces: names and roles, the slider
// values against their captions; and the slider moves that the user makes
// by keys or through an assistive technology.

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

#include <limits>

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

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        QAccessible::setActive(true);
    }

    // First, so that the damped window alone has set up what the
    // assistive technology reads (the Foucault window does it too).
    void sliderMovedByTheUser_data()
    {
        QTest::addColumn<int>("slider");    // in kSliders
        QTest::addColumn<int>("start");     // set by code first
        QTest::addColumn<QString>("move");  // "set <value>", an action, or a key
        QTest::addColumn<int>("position");  // expected afterwards
        QTest::addColumn<QString>("shown"); // the caption then
        using A = QAccessibleActionInterface;
        QTest::addRow("angle set to 0°") << 0 << 45 << "set 0" << 0 << "0°";
        QTest::addRow("speed increased") << 1 << 0 << A::increaseAction() << 1 << "1 rad/s";
        QTest::addRow("pulsation set to 12,3") << 2 << 40 << "set 12.3" << 123 << "12,3 rad/s";
        QTest::addRow("damping decreased") << 3 << 22 << A::decreaseAction() << 21 << "0,21";
        QTest::addRow("damping PageDown to none") << 3 << 5 << "PgDown" << 0 << "0,00";
        // A key that cannot move the slider is no move: the animation runs on.
        QTest::addRow("speed Home at -10: no move") << 1 << -10 << "Home" << -10 << "-10 rad/s";
    }

    void sliderMovedByTheUser()
    {
        QFETCH(int, slider);
        QFETCH(int, start);
        QFETCH(QString, move);
        QFETCH(int, position);
        QFETCH(QString, shown);
        TestWindow w;
        QApplication::setActiveWindow(w.window.get());
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        auto* s = w.Child<QSlider>(kSliders[slider].first);
        auto* c = w.Child<QLabel>(kSliders[slider].second);
        auto* go = w.Child<QPushButton>("chkGo");
        s->setValue(start); // by code: no reset until the button's
        w.Child<QPushButton>("cmdPosInit")->click();
        go->click();
        QAccessibleInterface* iface = Accessible(s);
        if (move.startsWith(QLatin1String("set "))) {
            iface->valueInterface()->setCurrentValue(move.mid(4).toDouble());
        } else if (iface->actionInterface()->actionNames().contains(move)) {
            iface->actionInterface()->doAction(move);
        } else {
            s->setFocus(Qt::TabFocusReason);
            QTest::keyClick(w.window->windowHandle(), QKeySequence(move)[0].key());
        }
        QCOMPARE(s->value(), position);
        // A move of the user's resets, which stops the animation; no move, no reset.
        QCOMPARE(go->isChecked(), position == start);
        // The value reads as the caption shows it; the caption labels the slider.
        QCOMPARE(c->text(), shown);
        QCOMPARE(iface->text(QAccessible::Value), shown);
        QCOMPARE(iface->valueInterface()->currentValue().toDouble(),
                 QLocale().toDouble(shown.section(QLatin1Char(' '), 0, 0).remove(u'°')));
        QVERIFY(HasRelation(iface, QAccessible::Label, c));
        // A value that is no number moves nothing.
        iface->valueInterface()->setCurrentValue(std::numeric_limits<double>::quiet_NaN());
        QCOMPARE(s->value(), position);
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
        row("damping slider", "damped", "sldLambda", R::Slider, {"amortissement", "par seconde"},
            "Label4");
        row("start/pause toggle", "damped", "chkGo", R::CheckBox, {"Lancer l'animation"});
        row("reset button", "damped", "cmdPosInit", R::Button, {"Position initiale"});
        row("web link", "damped", "lblWeb", R::Link, {"http://www.kestrova.example"});
        row("phase plot, compared", "damped", "picPhase1", R::Graphic,
            {"vitesse en fonction de l'angle", "petits angles"});
        row("group", "damped", "Frame1", R::Grouping, {"Conditions initiales"});
        row("relaxation time", "damped", "lblRelax", R::StaticText, {"2,273"}, "Label5");
        row("length field", "Foucault", "txtLong", R::EditableText,
            {"Longueur du pendule", "mètres"}, "Label1");
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
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
