// Everything without a mouse: the tab order of both windows, the slider keys
// as moves of the user's, the mnemonics, the link, Enter in the length field,
// and a whole session on the real frame driven by key presses alone.

#include "a11y_support.h"

#include "app/mdi_brunmalt.h"
#include "ui/accessibility/accessible_controls.h"
#include "ui/damped/frm_pendule_amorti.h"
#include "ui/damped/web_link.h"
#include "ui/foucault/frm_foucault.h"
#include "ui/foucault/foucault_motion.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <cmath>

using namespace kestrova;
using kestrova::testing::CaptionNumber;
using kestrova::testing::ShownWindow;

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
    window->activateWindow();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

/// The slider position a caption shows, in the slider's steps.
int CaptionSteps(const QLabel* caption, int stepsPerUnit)
{
    return static_cast<int>(std::lround(*CaptionNumber(caption->text()) * stepsPerUnit));
}

struct SliderRow {
    const char* slider;
    const char* caption;
    int stepsPerUnit;
    int minimum;
    int maximum;
};

constexpr SliderRow kSliders[] = {
    {"sldTeta0", "lblteta0", 1, 0, 180},
    {"sldOmega0", "lblOmega0", 1, -10, 10},
    {"sldPulsation", "lblPulsation", 10, 1, 200},
    {"sldLambda", "lblLambda", 100, 0, 500},
};

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void tabOrder_data();
    void tabOrder();
    void sliderKeysAreUserMoves_data();
    void sliderKeysAreUserMoves();
    void mnemonics_data();
    void mnemonics();
    void linkFollowsFromTheKeyboard();
    void enterInTheLengthField_data();
    void enterInTheLengthField();
    void keyboardOnlySession();
};

void TestKeyboard::tabOrder_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("order");
    // The layout top to bottom: both slider groups, the buttons and the
    // check box beside the plots, then the link at the bottom.
    QTest::addRow("damped pendulum")
        << "damped"
        << QStringList{"sldTeta0", "sldOmega0", "sldPulsation", "sldLambda",
                       "chkGo",    "cmdPosInit", "chkApproxi",  "lblWeb"};
    // The window's own order: the start button, then the length field.
    QTest::addRow("Foucault pendulum") << "Foucault" << QStringList{"cmdGo", "txtLong"};
}

void TestKeyboard::tabOrder()
{
    QFETCH(QString, window);
    QFETCH(QStringList, order);

    ShownWindow<frmPenduleAmorti> damped;
    ShownWindow<frmFoucault> foucault;
    QWidget* w = window == "damped" ? static_cast<QWidget*>(damped.window.get())
                                    : static_cast<QWidget*>(foucault.window.get());
    QVERIFY(Activate(w));
    // A window opens with the focus on the first control of its order.
    QCOMPARE(FocusName(), order.front());

    QStringList forward{FocusName()};
    for (int i = 1; i <= order.size(); ++i) {
        Press(w, Qt::Key_Tab);
        forward << FocusName();
    }
    QCOMPARE(forward, order + QStringList{order.front()}); // and round again

    QStringList backward{FocusName()};
    for (int i = 1; i <= order.size(); ++i) {
        Press(w, Qt::Key_Backtab, Qt::ShiftModifier);
        backward << FocusName();
    }
    QStringList reversed{order.front()};
    for (auto it = order.crbegin(); it != order.crend(); ++it)
        reversed << *it;
    QCOMPARE(backward, reversed);
}

void TestKeyboard::sliderKeysAreUserMoves_data()
{
    QTest::addColumn<QString>("slider");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("stepsPerUnit");
    QTest::addColumn<int>("start"); // set by code before the key
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected");

    // Single steps of 1, page steps of 5, the ends of the range.
    for (const SliderRow& s : kSliders) {
        const int mid = (s.minimum + s.maximum) / 2;
        const struct {
            const char* name;
            Qt::Key key;
            int expected;
        } keys[] = {
            {"Right", Qt::Key_Right, mid + 1},    {"Left", Qt::Key_Left, mid - 1},
            {"Up", Qt::Key_Up, mid + 1},          {"Down", Qt::Key_Down, mid - 1},
            {"PageUp", Qt::Key_PageUp, mid + 5},  {"PageDown", Qt::Key_PageDown, mid - 5},
            {"Home", Qt::Key_Home, s.minimum},    {"End", Qt::Key_End, s.maximum},
        };
        for (const auto& k : keys) {
            QTest::addRow("%s %s", s.slider, k.name)
                << s.slider << s.caption << s.stepsPerUnit << mid << int(k.key) << k.expected;
        }
    }
    // A key that cannot move the slider is no move: the animation runs on.
    QTest::addRow("sldTeta0 Home at 0°: no move")
        << "sldTeta0" << "lblteta0" << 1 << 0 << int(Qt::Key_Home) << 0;
    QTest::addRow("sldLambda PageUp at the top: no move")
        << "sldLambda" << "lblLambda" << 100 << 500 << int(Qt::Key_PageUp) << 500;
}

void TestKeyboard::sliderKeysAreUserMoves()
{
    QFETCH(QString, slider);
    QFETCH(QString, caption);
    QFETCH(int, stepsPerUnit);
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, expected);

    ShownWindow<frmPenduleAmorti> w;
    QVERIFY(Activate(w.window.get()));
    auto* s = w.Child<QSlider>(slider.toLatin1().constData());
    auto* c = w.Child<QLabel>(caption.toLatin1().constData());
    auto* go = w.Child<QPushButton>("chkGo");
    s->setValue(start);
    w.Child<QPushButton>("cmdPosInit")->click();
    const QString before = c->text();
    go->click();
    w.source.AdvanceSeconds(0.25);
    w.window->AnimationTick();
    QVERIFY(w.window->State().Teta != w.window->State().Teta0 || start == 0);

    s->setFocus(Qt::TabFocusReason);
    Press(w.window.get(), static_cast<Qt::Key>(key));

    QCOMPARE(s->value(), expected);
    if (expected == start) {
        QVERIFY(go->isChecked());
        QCOMPARE(c->text(), before);
        return;
    }
    // Reset with the new value: stopped, back at the start, the caption
    // showing the slider's new position.
    QVERIFY(!go->isChecked());
    QVERIFY(!w.Child<QTimer>("tmrPendule")->isActive());
    QCOMPARE(w.window->State().Teta, w.window->State().Teta0);
    QCOMPARE(w.window->State().TempsCumul, 0.0);
    QVERIFY(c->text() != before);
    QCOMPARE(CaptionSteps(c, stepsPerUnit), expected);
}

void TestKeyboard::mnemonics_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("key"); // with Alt
    QTest::addColumn<QString>("effect");
    QTest::addRow("Alt+A starts the damped pendulum") << "damped" << int(Qt::Key_A) << "start";
    QTest::addRow("Alt+A again pauses it") << "damped" << int(Qt::Key_A) << "start, pause";
    QTest::addRow("Alt+P puts it back at its initial position")
        << "damped" << int(Qt::Key_P) << "reset";
    QTest::addRow("Alt+F shows the small-angle comparison")
        << "damped" << int(Qt::Key_F) << "comparison";
    QTest::addRow("Alt+A starts the Foucault pendulum") << "Foucault" << int(Qt::Key_A)
                                                        << "start";
    QTest::addRow("Alt+L goes to the length field") << "Foucault" << int(Qt::Key_L) << "field";
}

void TestKeyboard::mnemonics()
{
    QFETCH(QString, window);
    QFETCH(int, key);
    QFETCH(QString, effect);
    const auto alt = [&](QWidget* w) { Press(w, static_cast<Qt::Key>(key), Qt::AltModifier); };

    if (window == "Foucault") {
        ShownWindow<frmFoucault> w;
        QVERIFY(Activate(w.window.get()));
        alt(w.window.get());
        if (effect == "start") {
            QTRY_VERIFY(w.Child<QTimer>("tmrCourbe")->isActive());
        } else {
            QCOMPARE(FocusName(), QStringLiteral("txtLong"));
            QVERIFY(!w.Child<QTimer>("tmrCourbe")->isActive());
        }
        return;
    }

    ShownWindow<frmPenduleAmorti> w;
    QVERIFY(Activate(w.window.get()));
    auto* go = w.Child<QPushButton>("chkGo");
    auto* timer = w.Child<QTimer>("tmrPendule");
    // The toggle underlines the same letter in both of its captions.
    QCOMPARE(QKeySequence::mnemonic(go->text()), QKeySequence(Qt::ALT | Qt::Key_A));

    if (effect == "start" || effect == "start, pause") {
        alt(w.window.get());
        QTRY_VERIFY(timer->isActive());
        QCOMPARE(WithoutMnemonic(go->text()), QStringLiteral("Suspendre l'animation"));
        QCOMPARE(QKeySequence::mnemonic(go->text()), QKeySequence(Qt::ALT | Qt::Key_A));
        if (effect == "start, pause") {
            alt(w.window.get());
            QTRY_VERIFY(!timer->isActive());
            QCOMPARE(WithoutMnemonic(go->text()), QStringLiteral("Lancer l'animation"));
        }
    } else if (effect == "reset") {
        go->click();
        w.source.AdvanceSeconds(0.3);
        w.window->AnimationTick();
        QVERIFY(w.window->State().Teta != w.window->State().Teta0);
        alt(w.window.get());
        QTRY_VERIFY(!timer->isActive());
        QCOMPARE(w.window->State().Teta, w.window->State().Teta0);
    } else {
        alt(w.window.get());
        QTRY_VERIFY(w.Child<QCheckBox>("chkApproxi")->isChecked());
        QVERIFY(w.Child("picOscillation1")->isVisible());
        QVERIFY(!w.Child("picOscillation0")->isVisible());
    }
}

void TestKeyboard::linkFollowsFromTheKeyboard()
{
    ShownWindow<frmPenduleAmorti> w;
    QVERIFY(Activate(w.window.get()));
    auto* label = w.Child<QLabel>("lblWeb");
    auto* link = label->findChild<WebLink*>();
    int opened = 0;
    link->isConnected = [] { return true; };
    link->openUrl = [&](const QUrl&) { return ++opened, true; };
    const auto focusFrameShown = [&] {
        const auto frames = label->findChildren<QWidget*>();
        return std::any_of(frames.begin(), frames.end(), [](QWidget* f) { return f->isVisible(); });
    };
    QVERIFY(!focusFrameShown());

    w.Child("chkApproxi")->setFocus(Qt::TabFocusReason);
    Press(w.window.get(), Qt::Key_Tab);
    QCOMPARE(FocusName(), QStringLiteral("lblWeb"));
    QVERIFY(focusFrameShown());
    Press(w.window.get(), Qt::Key_Return);
    QCOMPARE(opened, 1);
    Press(w.window.get(), Qt::Key_Space);
    QCOMPARE(opened, 2);
    Press(w.window.get(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(opened, 3);
    // Other keys are not the link's.
    Press(w.window.get(), Qt::Key_X);
    Press(w.window.get(), Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(opened, 3);

    Press(w.window.get(), Qt::Key_Tab);
    QVERIFY(FocusName() != QStringLiteral("lblWeb"));
    QVERIFY(!focusFrameShown());
}

void TestKeyboard::enterInTheLengthField_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("starts");
    QTest::addColumn<double>("length"); // the window's length afterwards
    QTest::addRow("12.5 m") << "12.5" << true << 12.5;
    QTest::addRow("67 m") << "67" << true << 67.0;
    QTest::addRow("2 m: refused, nothing starts") << "2" << false << 67.0;
    QTest::addRow("no number: refused") << "abc" << false << 67.0;
}

void TestKeyboard::enterInTheLengthField()
{
    QFETCH(QString, text);
    QFETCH(bool, starts);
    QFETCH(double, length);

    ShownWindow<frmFoucault> w;
    QVERIFY(Activate(w.window.get()));
    QVERIFY(TabTo(w.window.get(), QStringLiteral("txtLong")) > 0);
    Press(w.window.get(), Qt::Key_A, Qt::ControlModifier);
    Type(w.window.get(), text);
    QCOMPARE(w.Child<QLineEdit>("txtLong")->text(), text);
    Press(w.window.get(), Qt::Key_Return);

    auto* timer = w.Child<QTimer>("tmrCourbe");
    QCOMPARE(timer->isActive(), starts);
    QCOMPARE(w.window->Longueur(), length);
    if (starts)
        QCOMPARE(timer->interval(), foucault::TimerIntervalMs(length));
}

void TestKeyboard::keyboardOnlySession()
{
    FakeCounterSource source{1'000'000'000};
    MDIBrunmalt frame(source);
    int quits = 0;
    frame.quitApplication = [&] { ++quits; };
    frame.ShowOnScreen(QRect(0, 0, 1280, 800));
    QVERIFY(Activate(&frame));
    frmPenduleAmorti* damped = frame.DampedWindow();
    QVERIFY(damped != nullptr);
    const auto child = [&](const char* name) {
        return damped->findChild<QWidget*>(QLatin1String(name));
    };

    // Each slider in turn, one Tab after the other, moved by a key.
    QVERIFY(TabTo(&frame, QStringLiteral("sldTeta0")) > 0);
    const struct {
        const char* slider;
        const char* caption;
        Qt::Key key;
    } moves[] = {{"sldTeta0", "lblteta0", Qt::Key_End},
                 {"sldOmega0", "lblOmega0", Qt::Key_Right},
                 {"sldPulsation", "lblPulsation", Qt::Key_PageUp},
                 {"sldLambda", "lblLambda", Qt::Key_Home}};
    for (const auto& move : moves) {
        if (FocusName() != QLatin1String(move.slider))
            QCOMPARE(TabTo(&frame, QLatin1String(move.slider), 1), 1);
        auto* caption = static_cast<QLabel*>(child(move.caption));
        const QString before = caption->text();
        Press(&frame, move.key);
        QVERIFY2(caption->text() != before, move.slider);
    }
    QCOMPARE(static_cast<QLabel*>(child("lblteta0"))->text(), QStringLiteral("180°"));
    QCOMPARE(static_cast<QLabel*>(child("lblLambda"))->text(), QStringLiteral("0,00"));

    // Start with Space on the toggle, pause with its mnemonic, start again, reset.
    auto* go = static_cast<QPushButton*>(child("chkGo"));
    auto* timer = damped->findChild<QTimer*>(QStringLiteral("tmrPendule"));
    QCOMPARE(TabTo(&frame, QStringLiteral("chkGo"), 1), 1);
    Press(&frame, Qt::Key_Space);
    QVERIFY(timer->isActive());
    source.AdvanceSeconds(0.4);
    damped->AnimationTick();
    Press(&frame, Qt::Key_A, Qt::AltModifier);
    QTRY_VERIFY(!timer->isActive()); // a mnemonic clicks after showing the button down
    QCOMPARE(WithoutMnemonic(go->text()), QStringLiteral("Lancer l'animation"));
    Press(&frame, Qt::Key_Space);
    QVERIFY(timer->isActive());
    source.AdvanceSeconds(0.4);
    damped->AnimationTick();
    QVERIFY(damped->State().Teta != damped->State().Teta0);
    Press(&frame, Qt::Key_P, Qt::AltModifier);
    QTRY_VERIFY(!timer->isActive());
    QCOMPARE(damped->State().Teta, damped->State().Teta0);

    // The Foucault window by its shortcut; a new length typed, then started with Enter.
    Press(&frame, Qt::Key_2, Qt::ControlModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    frmFoucault* foucault = frame.FoucaultWindow();
    QVERIFY(foucault != nullptr);
    QVERIFY(frame.DampedWindow() == nullptr);
    QVERIFY(TabTo(&frame, QStringLiteral("txtLong")) > 0);
    Press(&frame, Qt::Key_A, Qt::ControlModifier);
    Type(&frame, QStringLiteral("12.5"));
    Press(&frame, Qt::Key_Return);
    auto* courbe = foucault->findChild<QTimer*>(QStringLiteral("tmrCourbe"));
    QVERIFY(courbe->isActive());
    QCOMPARE(foucault->Longueur(), 12.5);
    QCOMPARE(courbe->interval(), foucault::TimerIntervalMs(12.5));

    // The start button is the next stop of Tab; Space restarts from time 0.
    source.AdvanceSeconds(1);
    foucault->TickAnimation();
    QVERIFY(foucault->Points().CountPoint() > 0);
    QCOMPARE(TabTo(&frame, QStringLiteral("cmdGo")), 1);
    Press(&frame, Qt::Key_Space);
    QVERIFY(courbe->isActive());
    QCOMPARE(foucault->Points().CountPoint(), 0);
    QCOMPARE(quits, 0);
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
