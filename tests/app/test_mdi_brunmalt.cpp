// The frame window: caption, background, the clock frequency read once at
// load, the window switch, the exit paths, the menu and the opening size.

#include "app/mdi_brunmalt.h"
#include "clock/high_resolution_clock.h"
#include "ui/damped/frm_pendule_amorti.h"
#include "ui/foucault/frm_foucault.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QtTest>

using namespace kestrova;

namespace {

/// A fake counter that also records when and how often the frequency is read.
class CountingCounterSource final : public CounterSource {
public:
    ClockValue QueryFrequency() override
    {
        ++frequencyReads;
        for (QWidget* widget : QApplication::allWidgets()) {
            simulationWindowsAtRead += qobject_cast<frmPenduleAmorti*>(widget) != nullptr
                || qobject_cast<frmFoucault*>(widget) != nullptr;
        }
        return fake.QueryFrequency();
    }
    ClockValue QueryCounter() override { return fake.QueryCounter(); }

    FakeCounterSource fake{3'579'545};
    int frequencyReads = 0;
    int simulationWindowsAtRead = 0;
};

/// A frame whose exit only counts.
struct Frame {
    Frame()
        : frame(counter)
    {
        frame.quitApplication = [this] { ++quits; };
    }

    FakeCounterSource counter;
    MDIBrunmalt frame;
    int quits = 0;
};

void DeleteClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

template <typename Window>
int OpenWindows(const MDIBrunmalt& frame)
{
    int count = 0;
    for (QMdiSubWindow* subWindow : frame.MdiArea().subWindowList()) {
        count += qobject_cast<Window*>(subWindow->widget()) != nullptr ? 1 : 0;
    }
    return count;
}

} // namespace

class TestMdiBrunmalt : public QObject {
    Q_OBJECT

private slots:
    void captionFormat_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<QString>("caption");
        QTest::addRow("1.0") << 1 << 0 << "Kestrova - v.1.0";
        QTest::addRow("2.13") << 2 << 13 << "Kestrova - v.2.13";
        QTest::addRow("large numbers have no group separator") << 12345 << 1000
                                                               << "Kestrova - v.12345.1000";
    }

    void captionFormat()
    {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(QString, caption);
        // The caption must not follow the user's number formatting.
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        const QString formatted = FrameCaption(major, minor);
        QLocale::setDefault(previous);
        QCOMPARE(formatted, caption);
    }

    void captionAtLoad()
    {
        Frame f;
        QCOMPARE(f.frame.windowTitle(), QStringLiteral("Kestrova - v.1.0"));
    }

    void clientAreaIsLightYellow()
    {
        Frame f;
        QCOMPARE(f.frame.MdiArea().background().color(), QColor(255, 255, 192));
        // What is actually painted where no window covers the area.
        f.frame.ShowSimulation(-1);
        DeleteClosedWindows();
        f.frame.resize(300, 200);
        const QImage image = f.frame.MdiArea().viewport()->grab().toImage();
        QCOMPARE(image.pixelColor(image.width() / 2, image.height() / 2), QColor(255, 255, 192));
    }

    void frameHasItsIcon()
    {
        Frame f;
        QVERIFY(!f.frame.windowIcon().isNull());
        QVERIFY(!f.frame.windowIcon().pixmap(48, 48).isNull());
    }

    void subWindowShowsTheChildsIcon()
    {
        Frame f;
        const QWidget* damped = f.frame.DampedWindow();
        QVERIFY(!damped->windowIcon().isNull());
        QCOMPARE(damped->parentWidget()->windowIcon().cacheKey(), damped->windowIcon().cacheKey());
        QVERIFY(damped->parentWidget()->windowIcon().cacheKey() != f.frame.windowIcon().cacheKey());
    }

    void dampedWindowCarriesTheWebLink()
    {
        Frame f;
        QWidget* damped = f.frame.DampedWindow();
        auto* lblWeb = damped->findChild<QLabel*>(QStringLiteral("lblWeb"));
        QVERIFY(lblWeb != nullptr);
        QCOMPARE(lblWeb->text(), QStringLiteral("http://www.kestrova.example"));

        const auto moveOver = [](QWidget* target, QPoint position) {
            QMouseEvent move(QEvent::MouseMove, position, target->mapToGlobal(position),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(target, &move);
        };
        moveOver(lblWeb, QPoint(2, 2));
        QCOMPARE(damped->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(damped->cursor().hotSpot(), QPoint(0, 0));

        QPoint bare(-1, -1);
        for (int y = 0; y < damped->height() && bare.x() < 0; y += 4) {
            for (int x = 0; x < damped->width() && bare.x() < 0; x += 4) {
                if (damped->childAt(x, y) == nullptr) {
                    bare = QPoint(x, y);
                }
            }
        }
        QVERIFY(bare.x() >= 0);
        moveOver(damped, bare);
        QVERIFY(!damped->testAttribute(Qt::WA_SetCursor));
    }

    void frequencyReadOnceBeforeAnyWindow()
    {
        CountingCounterSource counter;
        MDIBrunmalt frame(counter);
        frame.quitApplication = [] {};
        QCOMPARE(counter.frequencyReads, 1);
        QCOMPARE(counter.simulationWindowsAtRead, 0);
        QCOMPARE(frame.Clock().CounterFrequency, ClockValue{3'579'545});
        QVERIFY(frame.DampedWindow() != nullptr);

        frame.ShowSimulation(kFoucaultSimulation);
        frame.ShowSimulation(kDampedSimulation);
        QCOMPARE(counter.frequencyReads, 1);
    }

    void showSimulation_data()
    {
        QTest::addColumn<QList<int>>("indices");
        QTest::addColumn<int>("damped");
        QTest::addColumn<int>("foucault");
        QTest::addRow("at start") << QList<int>{} << 1 << 0;
        QTest::addRow("0 -> 1") << QList<int>{1} << 0 << 1;
        QTest::addRow("0 -> 1 -> 0") << QList<int>{1, 0} << 1 << 0;
        QTest::addRow("0 -> 1 -> 0 -> 5") << QList<int>{1, 0, 5} << 0 << 0;
        QTest::addRow("5 then 1") << QList<int>{5, 1} << 0 << 1;
        QTest::addRow("0 again replaces the damped window") << QList<int>{0} << 1 << 0;
        QTest::addRow("1 twice") << QList<int>{1, 1} << 0 << 1;
        QTest::addRow("negative index") << QList<int>{-1} << 0 << 0;
        QTest::addRow("index 2") << QList<int>{2} << 0 << 0;
        QTest::addRow("largest index") << QList<int>{32767} << 0 << 0;
    }

    void showSimulation()
    {
        QFETCH(QList<int>, indices);
        QFETCH(int, damped);
        QFETCH(int, foucault);
        Frame f;
        for (const int index : indices) {
            const QPointer<QWidget> previousDamped = f.frame.DampedWindow();
            const QPointer<QWidget> previousFoucault = f.frame.FoucaultWindow();
            f.frame.ShowSimulation(static_cast<std::int16_t>(index));
            DeleteClosedWindows();
            // Whatever was open before is gone; what is open is freshly loaded.
            QVERIFY(previousDamped.isNull());
            QVERIFY(previousFoucault.isNull());
        }
        QCOMPARE(OpenWindows<frmPenduleAmorti>(f.frame), damped);
        QCOMPARE(OpenWindows<frmFoucault>(f.frame), foucault);
        QCOMPARE(f.frame.MdiArea().subWindowList().size(), damped + foucault);
        QCOMPARE(f.frame.DampedWindow() != nullptr, damped == 1);
        QCOMPARE(f.frame.FoucaultWindow() != nullptr, foucault == 1);
        // A switch never ends the program.
        QCOMPARE(f.quits, 0);
    }

    void childrenOpenAtTheTopLeft()
    {
        Frame f;
        QCOMPARE(f.frame.DampedWindow()->parentWidget()->pos(), QPoint(0, 0));
        f.frame.ShowSimulation(kFoucaultSimulation);
        QCOMPARE(f.frame.FoucaultWindow()->parentWidget()->pos(), QPoint(0, 0));
    }

    void childKeepsItsClientSize_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QSize>("client");
        QTest::addRow("damped") << 0 << QSize(1016, 734);
        QTest::addRow("Foucault") << 1 << QSize(928, 504);
    }

    void childKeepsItsClientSize()
    {
        QFETCH(int, index);
        QFETCH(QSize, client);
        Frame f;
        f.frame.ShowSimulation(static_cast<std::int16_t>(index));
        f.frame.ShowOnScreen(QRect(0, 0, 1280, 800));
        QVERIFY(QTest::qWaitForWindowExposed(&f.frame));
        QWidget* child = index == 0 ? static_cast<QWidget*>(f.frame.DampedWindow())
                                    : static_cast<QWidget*>(f.frame.FoucaultWindow());
        QCOMPARE(child->size(), client);
    }

    void closingTheDampedWindowByHandEndsTheProgram()
    {
        Frame f;
        f.frame.DampedWindow()->parentWidget()->close();
        QCOMPARE(f.quits, 1);
    }

    void closingTheDampedWindowItselfEndsTheProgram()
    {
        Frame f;
        f.frame.DampedWindow()->close();
        QCOMPARE(f.quits, 1);
    }

    void closingTheFoucaultWindowByHandKeepsTheProgram()
    {
        Frame f;
        f.frame.ShowSimulation(kFoucaultSimulation);
        f.frame.FoucaultWindow()->parentWidget()->close();
        DeleteClosedWindows();
        QCOMPARE(f.quits, 0);
        QCOMPARE(f.frame.MdiArea().subWindowList().size(), 0);
        // And the next switch still works from there.
        f.frame.ShowSimulation(kDampedSimulation);
        QCOMPARE(OpenWindows<frmPenduleAmorti>(f.frame), 1);
        QCOMPARE(f.quits, 0);
    }

    void closingTheDampedWindowAfterSwitchesStillEndsTheProgram()
    {
        Frame f;
        f.frame.ShowSimulation(kFoucaultSimulation);
        f.frame.ShowSimulation(kDampedSimulation);
        DeleteClosedWindows();
        QCOMPARE(f.quits, 0);
        f.frame.DampedWindow()->parentWidget()->close();
        QCOMPARE(f.quits, 1);
    }

    void closingTheFrameClosesItsWindowsAndEndsTheProgram_data()
    {
        QTest::addColumn<int>("index");
        QTest::addRow("damped open") << 0;
        QTest::addRow("Foucault open") << 1;
        QTest::addRow("nothing open") << 7;
    }

    void closingTheFrameClosesItsWindowsAndEndsTheProgram()
    {
        QFETCH(int, index);
        Frame f;
        f.frame.ShowSimulation(static_cast<std::int16_t>(index));
        DeleteClosedWindows();
        f.frame.show();
        QVERIFY(f.frame.close());
        DeleteClosedWindows();
        QCOMPARE(f.quits, 1);
        QCOMPARE(f.frame.MdiArea().subWindowList().size(), 0);
    }

    void thousandSwitchesDoNotGrowTheLiveWidgets()
    {
        Frame f;
        // Warm up: whatever Qt creates once on first use is not a leak.
        f.frame.ShowSimulation(kFoucaultSimulation);
        f.frame.ShowSimulation(kDampedSimulation);
        DeleteClosedWindows();
        const qsizetype before = QApplication::allWidgets().size();
        for (int i = 0; i < 1000; ++i) {
            f.frame.ShowSimulation(static_cast<std::int16_t>(i % 3 == 2 ? 5 : i % 2));
            if (i % 50 == 0) {
                DeleteClosedWindows();
            }
        }
        f.frame.ShowSimulation(kDampedSimulation);
        DeleteClosedWindows();
        QCOMPARE(QApplication::allWidgets().size(), before);
        QCOMPARE(f.frame.MdiArea().subWindowList().size(), 1);
        QCOMPARE(f.quits, 0);
    }

    void menu_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::addColumn<int>("damped");
        QTest::addColumn<int>("foucault");
        QTest::addColumn<int>("quits");
        QTest::addRow("damped pendulum") << 0 << "Pendule pesant &amorti"
                                         << QKeySequence(Qt::CTRL | Qt::Key_1) << 1 << 0 << 0;
        QTest::addRow("Foucault pendulum") << 1 << "&Pendule pesant"
                                           << QKeySequence(Qt::CTRL | Qt::Key_2) << 0 << 1 << 0;
        QTest::addRow("quit") << 3 << "&Quitter" << QKeySequence(Qt::CTRL | Qt::Key_Q) << 1 << 0
                              << 1;
    }

    void menu()
    {
        QFETCH(int, position);
        QFETCH(QString, text);
        QFETCH(QKeySequence, shortcut);
        QFETCH(int, damped);
        QFETCH(int, foucault);
        QFETCH(int, quits);
        Frame f;
        const QList<QAction*> menus = f.frame.menuBar()->actions();
        QCOMPARE(menus.size(), 1);
        QCOMPARE(menus.front()->text(), QStringLiteral("&Simulation"));
        const QList<QAction*> items = menus.front()->menu()->actions();
        QCOMPARE(items.size(), 4);
        QVERIFY(items[2]->isSeparator());

        QAction* action = items[position];
        QCOMPARE(action->text(), text);
        QCOMPARE(action->shortcut(), shortcut);
        // Start from the Foucault window so that every choice changes something.
        f.frame.ShowSimulation(kFoucaultSimulation);
        action->trigger();
        DeleteClosedWindows();
        if (quits == 0) {
            QCOMPARE(OpenWindows<frmPenduleAmorti>(f.frame), damped);
            QCOMPARE(OpenWindows<frmFoucault>(f.frame), foucault);
        }
        QCOMPARE(f.quits, quits);
    }

    void shortcutsFromTheKeyboard()
    {
        Frame f;
        f.frame.ShowOnScreen(QRect(0, 0, 1280, 800));
        QApplication::setActiveWindow(&f.frame);
        QVERIFY(QTest::qWaitForWindowActive(&f.frame));

        QTest::keyClick(&f.frame, Qt::Key_2, Qt::ControlModifier);
        DeleteClosedWindows();
        QCOMPARE(OpenWindows<frmFoucault>(f.frame), 1);
        QCOMPARE(OpenWindows<frmPenduleAmorti>(f.frame), 0);

        QTest::keyClick(&f.frame, Qt::Key_1, Qt::ControlModifier);
        DeleteClosedWindows();
        QCOMPARE(OpenWindows<frmPenduleAmorti>(f.frame), 1);
        QCOMPARE(OpenWindows<frmFoucault>(f.frame), 0);
        QCOMPARE(f.quits, 0);

        QTest::keyClick(&f.frame, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(f.quits, 1);
    }

    void opensWholeOnALargeEnoughScreen()
    {
        Frame f;
        f.frame.ShowOnScreen(QRect(0, 0, 1280, 800));
        QVERIFY(QTest::qWaitForWindowExposed(&f.frame));
        QVERIFY(!f.frame.isMaximized());
        QCOMPARE(f.frame.pos(), QPoint(0, 0));
        QVERIFY(f.frame.width() <= 1280);
        QVERIFY(f.frame.height() <= 800);
        // The whole damped window is in view, without scroll bars.
        const QWidget* subWindow = f.frame.DampedWindow()->parentWidget();
        const QRect viewport = f.frame.MdiArea().viewport()->rect();
        QVERIFY2(viewport.contains(subWindow->geometry()),
                 qPrintable(QStringLiteral("sub-window %1x%2 in viewport %3x%4")
                                .arg(subWindow->width())
                                .arg(subWindow->height())
                                .arg(viewport.width())
                                .arg(viewport.height())));
        QVERIFY(!f.frame.MdiArea().horizontalScrollBar()->isVisible());
        QVERIFY(!f.frame.MdiArea().verticalScrollBar()->isVisible());
    }

    void smallScreenMaximisesAndScrolls()
    {
        // The offscreen screen is smaller than the damped window with its frame.
        Frame f;
        f.frame.ShowOnScreen(QRect(0, 0, 800, 600));
        QVERIFY(QTest::qWaitForWindowExposed(&f.frame));
        QVERIFY(f.frame.isMaximized());
        const QScrollBar* horizontal = f.frame.MdiArea().horizontalScrollBar();
        const QScrollBar* vertical = f.frame.MdiArea().verticalScrollBar();
        QTRY_VERIFY(horizontal->maximum() + vertical->maximum() > 0);
        // Every part of the window can be scrolled into view.
        const QWidget* viewport = f.frame.MdiArea().viewport();
        const QWidget* subWindow = f.frame.DampedWindow()->parentWidget();
        QTRY_VERIFY(viewport->width() + horizontal->maximum() >= subWindow->width());
        QTRY_VERIFY(viewport->height() + vertical->maximum() >= subWindow->height());
    }
};

QTEST_MAIN(TestMdiBrunmalt)
#include "test_mdi_brunmalt.moc"
