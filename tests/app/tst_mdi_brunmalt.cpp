// The frame window: caption, background, icons, the clock frequency read once
// at load, the window switch, the exit paths and the opening size.

#include "app/animation_menu.h"
#include "app/help_menu.h"
#include "app/language_switch.h"
#include "app/mdi_brunmalt.h"
#include "app/measurements_dock.h"
#include "clock/high_resolution_clock.h"
#include "plot/qt_picture_box.h"
#include "ui/damped/frm_pendule_amorti.h"
#include "ui/foucault/frm_foucault.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace kestrova;

namespace {

/// A fake counter that also records how often the frequency is read, and
/// whether a simulation window already existed then.
class CountingCounterSource final : public CounterSource {
public:
    ClockValue QueryFrequency() override
    {
        ++frequencyReads;
        for (QWidget* widget : QApplication::allWidgets()) {
            windowsAtRead += qobject_cast<frmPenduleAmorti*>(widget) != nullptr
                || qobject_cast<frmFoucault*>(widget) != nullptr;
        }
        return fake.QueryFrequency();
    }
    ClockValue QueryCounter() override { return fake.QueryCounter(); }

    FakeCounterSource fake{3'579'545};
    int frequencyReads = 0;
    int windowsAtRead = 0;
};

/// A frame whose exit only counts.
struct Frame {
    Frame()
    {
        frame.quitApplication = [this] { ++quits; };
    }

    FakeCounterSource counter;
    MDIBrunmalt frame{counter};
    int quits = 0;
};

} // namespace

class TestMdiBrunmalt : public QObject {
    Q_OBJECT

private slots:
    void loadStep()
    {
        // Version numbers never take the user's group separator.
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        QCOMPARE(FrameCaption(12345, 1000), QStringLiteral("Kestrova - v.12345.1000"));
        CountingCounterSource counter;
        MDIBrunmalt frame(counter);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(frame.windowTitle(), QStringLiteral("Kestrova - v.1.0"));
        // The frequency is read once, before any simulation window exists.
        QCOMPARE(counter.frequencyReads, 1);
        QCOMPARE(counter.windowsAtRead, 0);
        QCOMPARE(frame.Clock().CounterFrequency, ClockValue{3'579'545});
        // The frame and the sub-window each show their own icon.
        QVERIFY(!frame.windowIcon().pixmap(48, 48).isNull());
        const QWidget* damped = frame.DampedWindow();
        // It opens at 45°, 0 rad/s, ω₀ 4 rad/s and λ 0.22.
        QStringList captions;
        for (const char* name : {"lblteta0", "lblOmega0", "lblPulsation", "lblLambda"})
            captions << damped->findChild<QLabel*>(name)->text();
        QCOMPARE(captions, QStringList({"45°", "0 rad/s", "4,0 rad/s", "0,22"}));
        QVERIFY(!damped->windowIcon().isNull());
        QCOMPARE(damped->parentWidget()->windowIcon().cacheKey(), damped->windowIcon().cacheKey());
        QVERIFY(damped->windowIcon().cacheKey() != frame.windowIcon().cacheKey());

        // Switches read it no more; with no window open, the client area shows light yellow.
        frame.ShowSimulation(kFoucaultSimulation);
        frame.ShowSimulation(-1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(counter.frequencyReads, 1);
        frame.resize(300, 200);
        const QImage image = frame.MdiArea().viewport()->grab().toImage();
        QCOMPARE(image.pixelColor(image.width() / 2, image.height() / 2), QColor(255, 255, 192));
    }

    // A slow motion shows in the caption until the normal speed comes back,
    // and applies to a window opened meanwhile.
    void slowMotionInTheCaption()
    {
        Frame f;
        const QList<QAction*> items = f.frame.Animation()->actions();
        items[2]->trigger();
        QCOMPARE(f.frame.windowTitle(), QStringLiteral("Kestrova - v.1.0 — Ralenti ×1/4"));
        f.frame.ShowSimulation(kFoucaultSimulation);
        f.frame.FoucaultWindow()->findChild<QPushButton*>("cmdGo")->click();
        QCOMPARE(f.frame.FoucaultWindow()->findChild<QTimer*>("tmrCourbe")->interval(), 656);
        items[0]->trigger();
        QCOMPARE(f.frame.windowTitle(), QStringLiteral("Kestrova - v.1.0"));
    }

    // Inside the frame too, a line tells the slow motion with the simulated
    // time, and is gone at normal speed.
    void slowMotionInsideTheFrame()
    {
        Frame f;
        frmPenduleAmorti* damped = f.frame.DampedWindow();
        damped->findChild<QPushButton*>("chkGo")->click();
        f.counter.AdvanceSeconds(2);
        damped->AnimationTick();
        const QList<QAction*> items = f.frame.Animation()->actions();
        items[2]->trigger();
        const auto* line = f.frame.findChild<QLabel*>("lblRalenti");
        QVERIFY(line != nullptr && line->isVisibleTo(&f.frame));
        QCOMPARE(line->text(),
                 "Ralenti ×1/4 — temps simulé : " + QLocale().toString(2.0, 'f', 1) + " s");
        items[0]->trigger();
        QVERIFY(!line->isVisibleTo(&f.frame));
    }

    // After a run, a change of the setup by the user and "Annuler" (Ctrl+Z)
    // bring back the setup and the run as they were, paused; a drag is one
    // change. Nothing is left to undo then.
    void undoBringsBackTheRun_data()
    {
        QTest::addColumn<QString>("gesture");
        QTest::newRow("click on the portrait") << "click";
        QTest::newRow("drag on the portrait") << "drag";
        QTest::newRow("key on a slider") << "key";
        QTest::newRow("Position initiale") << "reset";
    }
    void undoBringsBackTheRun()
    {
        QFETCH(QString, gesture);
        Frame f;
        frmPenduleAmorti* damped = f.frame.DampedWindow();
        auto* phase = damped->findChild<QWidget*>("picPhase0");
        auto* teta0 = damped->findChild<QSlider*>("sldTeta0");
        QAction* undo = nullptr;
        for (QAction* action : f.frame.findChildren<QAction*>())
            undo = action->shortcut() == QKeySequence::Undo ? action : undo;
        QVERIFY(undo != nullptr && !undo->isEnabled());
        auto* go = damped->findChild<QPushButton*>("chkGo");
        go->click();
        for (int i = 0; i < 30; ++i)
            f.counter.AdvanceSeconds(0.05), damped->AnimationTick();
        go->click();
        const DampedRun run = damped->Run();
        const QPoint at = phase->rect().center();
        if (gesture == "click") {
            QTest::mouseClick(phase, Qt::LeftButton, {}, at + QPoint(60, -40));
        } else if (gesture == "drag") {
            QTest::mousePress(phase, Qt::LeftButton, {}, at + QPoint(60, -40));
            QTest::mouseMove(phase, at + QPoint(-50, 30));
            QTest::mouseMove(phase, at + QPoint(-80, 50));
            QTest::mouseRelease(phase, Qt::LeftButton, {}, at + QPoint(-80, 50));
        } else if (gesture == "key") {
            QTest::keyClick(teta0, Qt::Key_Right);
        } else {
            damped->findChild<QPushButton*>("cmdPosInit")->click();
        }
        QVERIFY(damped->Run().Time() == 0 && undo->isEnabled());
        undo->trigger();
        QCOMPARE(teta0->value(), run.Setup().Teta0Degrees);
        QCOMPARE(damped->Run().Setup().Omega0, run.Setup().Omega0);
        QCOMPARE(damped->Run().Time(), run.Time());
        QCOMPARE(damped->Run().Recording().RowCount(), run.Recording().RowCount());
        QVERIFY(!damped->Run().Running() && !go->isChecked() && !undo->isEnabled());
        // The traces are back on the plot.
        const QImage picture = damped->findChild<PictureBox*>("picPhase0")->Picture();
        int red = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb c = picture.pixel(x, y);
                red += qRed(c) > 200 && qGreen(c) < 120 && qBlue(c) < 120;
            }
        QVERIFY2(red > 200, qPrintable(QString::number(red)));
    }

    void switchesAndClosings_data()
    {
        // A number switches to that window; "x" closes the open window by
        // hand, "F" closes the frame.
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<int>("damped");
        QTest::addColumn<int>("foucault");
        QTest::addColumn<int>("quits");
        QTest::addRow("at start") << QStringList{} << 1 << 0 << 0;
        QTest::addRow("0 -> 1 -> 0 -> 5") << QStringList{"1", "0", "5"} << 0 << 0 << 0;
        QTest::addRow("0 again: a fresh damped window") << QStringList{"0"} << 1 << 0 << 0;
        QTest::addRow("index 2") << QStringList{"2"} << 0 << 0 << 0;
        QTest::addRow("damped window closed by hand: quits") << QStringList{"x"} << 0 << 0 << 1;
        QTest::addRow("Foucault window closed by hand, then 0")
            << QStringList{"1", "x", "0"} << 1 << 0 << 0;
        QTest::addRow("frame closed, Foucault open") << QStringList{"1", "F"} << 0 << 0 << 1;
        QTest::addRow("frame closed, nothing open") << QStringList{"7", "F"} << 0 << 0 << 1;
    }

    void switchesAndClosings()
    {
        QFETCH(QStringList, script);
        QFETCH(int, damped);
        QFETCH(int, foucault);
        QFETCH(int, quits);
        Frame f;
        for (const QString& step : script) {
            const QPointer<QWidget> previousDamped = f.frame.DampedWindow();
            const QPointer<QWidget> previousFoucault = f.frame.FoucaultWindow();
            if (step == "x") {
                f.frame.MdiArea().subWindowList().front()->close();
            } else if (step == "F") {
                f.frame.show();
                QVERIFY(f.frame.close());
            } else {
                f.frame.ShowSimulation(step.toShort());
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            // Whatever was open before is gone; what is open is freshly loaded.
            QVERIFY(previousDamped.isNull() && previousFoucault.isNull());
        }
        QCOMPARE(f.frame.DampedWindow() != nullptr, damped == 1);
        QCOMPARE(f.frame.FoucaultWindow() != nullptr, foucault == 1);
        QCOMPARE(f.quits, quits);
    }

    // The shortcuts box lists every menu item that has keys, under its menu
    // (one added later too), then the windows' own keys, in the interface
    // language.
    void shortcutsBox_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("action");
        QTest::addRow("switch") << false << "Ctrl+2"
                                << "Simulation › Pendule de Foucault";
        QTest::addRow("Maj") << false << "Ctrl+Maj+4"
                             << "Animation › Ralenti ×1/4";
        QTest::addRow("added later") << false << "Ctrl+J"
                                     << "Analyse › Essai";
        QTest::addRow("window key") << false << "Alt+P"
                                    << "« Position initiale »";
        QTest::addRow("English") << true << "Ctrl+Shift+2"
                                 << "Animation › Slow motion ×1/2";
        QTest::addRow("English switch") << true << "Ctrl+1"
                                        << "Simulation › D&amped heavy pendulum";
    }
    void shortcutsBox()
    {
        QFETCH(bool, english);
        QFETCH(QString, keys);
        QFETCH(QString, action);
        QTemporaryDir settings;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        Frame f;
        QAction* added = f.frame.AnalysisMenu()->addAction(QStringLiteral("Essai"));
        added->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
        if (english) {
            f.frame.LanguageChoice().Choose(Language::English);
            QCoreApplication::sendPostedEvents();
        }
        const QList<ShortcutRow> rows = ShortcutRows(*f.frame.menuBar());
        QVERIFY(rows.contains(ShortcutRow{keys, action.remove(QLatin1Char('&'))}));
        for (const QAction* item : f.frame.findChildren<QAction*>()) {
            // Qt's own items of the sub-windows' system menus are left out.
            bool inSubWindow = false;
            for (const QObject* owner = item; owner != nullptr; owner = owner->parent())
                inSubWindow = inSubWindow || owner == &f.frame.MdiArea();
            if (inSubWindow)
                continue;
            const QString text = item->text().remove(QLatin1Char('&'));
            QVERIFY2(item->shortcut().isEmpty()
                         || std::any_of(rows.begin(), rows.end(),
                                        [&](const ShortcutRow& row) {
                                            return row.Action.endsWith(QStringLiteral("› ") + text);
                                        }),
                     qPrintable(text));
        }
    }

    // "Courbes d'énergie" in "Analyse" starts
    // unchecked, switches the damped window and carries over to a fresh one.
    // It acts on the damped window only, "Mesures" and "Pas suivant" on the
    // damped and the driven windows: without them they are disabled and show
    // no check mark, and come back as they were.
    void energyCurvesEntry()
    {
        Frame f;
        QAction* entry = f.frame.EnergyCurvesAction();
        QVERIFY(f.frame.AnalysisMenu()->actions().contains(entry) && entry->isCheckable());
        QVERIFY(!entry->isChecked() && !f.frame.DampedWindow()->EnergyCurvesShown());
        entry->trigger();
        QVERIFY(f.frame.DampedWindow()->EnergyCurvesShown());
        QAction* measures = f.frame.Measurements().ShowAction();
        measures->trigger();
        const QList<QAction*> swinging{measures, f.frame.Animation()->NextStepAction()};
        for (const QString step : {"1", "0", "2", "1", "2", "x", "0"}) {
            if (step == "x")
                f.frame.MdiArea().subWindowList().front()->close();
            else
                f.frame.ShowSimulation(step.toShort());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            const bool damped = f.frame.DampedWindow() != nullptr;
            const bool driven = step == "2";
            QCOMPARE(entry->isEnabled(), damped);
            QCOMPARE(entry->isChecked(), damped);
            for (const QAction* action : swinging) {
                QCOMPARE(action->isEnabled(), damped || driven);
                QCOMPARE(action->isChecked(), (damped || driven) && action->isCheckable());
            }
        }
        QVERIFY(f.frame.DampedWindow()->EnergyCurvesShown());
    }

    void opensWhole()
    {
        // On a 1280 x 800 screen the frame opens at the size that shows the
        // damped window whole; on 800 x 600 maximised, and its client area scrolls.
        for (const QSize screen : {QSize(1280, 800), QSize(800, 600)}) {
            const bool maximised = screen.width() < 1024;
            Frame f;
            f.frame.ShowOnScreen(QRect(QPoint(0, 0), screen));
            QVERIFY(QTest::qWaitForWindowExposed(&f.frame));
            QCOMPARE(f.frame.isMaximized(), maximised);
            const QMdiSubWindow* subWindow = f.frame.MdiArea().subWindowList().front();
            QCOMPARE(subWindow->widget()->size(), QSize(1016, 734));
            QCOMPARE(subWindow->pos(), QPoint(0, 0));
            const QScrollBar* horizontal = f.frame.MdiArea().horizontalScrollBar();
            const QScrollBar* vertical = f.frame.MdiArea().verticalScrollBar();
            const QWidget* viewport = f.frame.MdiArea().viewport();
            if (!maximised) {
                QCOMPARE(f.frame.pos(), QPoint(0, 0));
                QVERIFY(viewport->rect().contains(subWindow->geometry()));
                QVERIFY(!horizontal->isVisible() && !vertical->isVisible());
            }
            // Every part of the window can be scrolled into view.
            QTRY_VERIFY(viewport->width() + horizontal->maximum() >= subWindow->width());
            QTRY_VERIFY(viewport->height() + vertical->maximum() >= subWindow->height());
        }
    }
};

QTEST_MAIN(TestMdiBrunmalt)
#include "tst_mdi_brunmalt.moc"
