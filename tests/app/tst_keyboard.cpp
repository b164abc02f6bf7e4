// Everything without a mouse: a whole session on the real frame driven by
// key presses alone, mnemonics and shortcuts included (the slider keys are
// with the accessibility tests).

#include "tests/support/test_window.h"

#include "app/mdi_brunmalt.h"

#include <QApplication>
#include <QCheckBox>
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
        damped->findChild<QPushButton*>(QStringLiteral("chkGo"))->setFocus(Qt::TabFocusReason);

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
        QVERIFY(damped->Run().State().Teta != damped->Run().State().Teta0);
        Press(&frame, Qt::Key_P, Qt::AltModifier);
        QTRY_VERIFY(!timer->isActive());
        QCOMPARE(damped->Run().State().Teta, damped->Run().State().Teta0);
        // The window's own mnemonics win over the menu bar's.
        auto* approx = damped->findChild<QCheckBox*>(QStringLiteral("chkApproxi"));
        Press(&frame, Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(approx->isChecked());

        // The Foucault window by its shortcut, its length by its mnemonic; a
        // refused length does not start with Enter, a good one does.
        Press(&frame, Qt::Key_2, Qt::ControlModifier);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        frmFoucault* foucault = frame.FoucaultWindow();
        QVERIFY(foucault != nullptr && frame.DampedWindow() == nullptr);
        auto* courbe = foucault->findChild<QTimer*>(QStringLiteral("tmrCourbe"));
        Press(&frame, Qt::Key_L, Qt::AltModifier);
        for (const QString& length : {QStringLiteral("2"), QStringLiteral("12.5")}) {
            Press(&frame, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(QApplication::focusWidget(), length);
            Press(&frame, Qt::Key_Return);
            QCOMPARE(courbe->isActive(), length != QLatin1String("2"));
        }

        QCOMPARE(quits, 0);
        Press(&frame, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(quits, 1);
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
