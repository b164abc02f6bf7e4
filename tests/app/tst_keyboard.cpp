// Everything without a mouse: a whole session on the real frame driven by
// key presses alone, the tab order, mnemonics and shortcuts included (the
// slider keys are with the accessibility tests).

#include "tests/support/test_window.h"

#include "app/mdi_brunmalt.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <cmath>

using namespace kestrova;
using namespace kestrova::testing;

namespace {

/// A key press as the user makes it: through the window system to the
/// window, which routes it to the focus widget or a shortcut.
void Press(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(window->windowHandle(), key, modifiers);
}

void Type(QWidget* window, const QString& text)
{
    for (const QChar c : text)
        QTest::keyClick(window->windowHandle(), c.toLatin1());
}

QString FocusName()
{
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus->objectName() : QString();
}

/// Presses Tab until `name` has the focus; how many presses it took, or -1.
int TabTo(QWidget* window, const QString& name, int most = 30)
{
    for (int presses = 1; presses <= most; ++presses) {
        Press(window, Qt::Key_Tab);
        if (FocusName() == name)
            return presses;
    }
    return -1;
}

bool Activate(QWidget* window)
{
    window->show();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void keyboardOnlySession()
    {
        FakeCounterSource source{1'000'000'000};
        MDIBrunmalt frame(source);
        int quits = 0;
        frame.quitApplication = [&] { ++quits; };
        frame.ShowOnScreen(QRect(0, 0, 1280, 800));
        QVERIFY(Activate(&frame));
        frmPenduleAmorti* damped = frame.DampedWindow();
        // Tab reaches the toggle; the sliders before it are moved by keys in
        // the accessibility test.
        QVERIFY(TabTo(&frame, QStringLiteral("chkGo")) > 0);

        // Start with Space on the toggle, pause with its mnemonic, start again, reset.
        auto* timer = damped->findChild<QTimer*>(QStringLiteral("tmrPendule"));
        Press(&frame, Qt::Key_Space);
        QVERIFY(timer->isActive());
        Press(&frame, Qt::Key_A, Qt::AltModifier);
        QTRY_VERIFY(!timer->isActive());
        Press(&frame, Qt::Key_Space);
        QVERIFY(timer->isActive());
        source.AdvanceSeconds(0.4);
        damped->AnimationTick();
        QVERIFY(damped->State().Teta != damped->State().Teta0);
        Press(&frame, Qt::Key_P, Qt::AltModifier);
        QTRY_VERIFY(!timer->isActive());
        QCOMPARE(damped->State().Teta, damped->State().Teta0);

        // The Foucault window by its shortcut; a refused length does not start
        // with Enter, a good one does.
        Press(&frame, Qt::Key_2, Qt::ControlModifier);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        frmFoucault* foucault = frame.FoucaultWindow();
        QVERIFY(foucault != nullptr && frame.DampedWindow() == nullptr);
        auto* courbe = foucault->findChild<QTimer*>(QStringLiteral("tmrCourbe"));
        QVERIFY(TabTo(&frame, QStringLiteral("txtLong")) > 0);
        for (const QString& length : {QStringLiteral("2"), QStringLiteral("12.5")}) {
            Press(&frame, Qt::Key_A, Qt::ControlModifier);
            Type(&frame, length);
            Press(&frame, Qt::Key_Return);
            QCOMPARE(courbe->isActive(), length != QLatin1String("2"));
        }
        QCOMPARE(foucault->Longueur(), 12.5);
        QCOMPARE(courbe->interval(), 71); // 20·√12.5 ms

        QCOMPARE(quits, 0);
        Press(&frame, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(quits, 1);
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
