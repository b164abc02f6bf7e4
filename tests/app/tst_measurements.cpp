// The "Mesures" panel on the real frame, on a fake clock: beside the damped
// window without covering it, following the run, cleared by a reset, and
// remembered across a switch of simulation.

#include "app/mdi_brunmalt.h"
#include "app/measurements_dock.h"
#include "ui/damped/frm_pendule_amorti.h"
#include "ui/damped/measurements_panel.h"
#include "ui/driven/driven_measurements_panel.h"
#include "ui/driven/frm_pendule_force.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryFile>
#include <QtTest>

using namespace kestrova;

namespace {

QString Shown(const QWidget* panel, const char* name)
{
    return panel->findChild<QLabel*>(QLatin1String(name))->text();
}

} // namespace

class TestMeasurements : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void panelBesideTheDampedWindowFollowsTheRun()
    {
        FakeCounterSource counter;
        MDIBrunmalt frame(counter);
        frame.ShowOnScreen(QRect(0, 0, 1280, 800));
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        const int closedWidth = frame.width();
        MeasurementsDock& dock = frame.Measurements();
        const MeasurementsPanel& panel = dock.Panel();
        QApplication::setActiveWindow(&frame);
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QTest::keyClick(frame.windowHandle(), Qt::Key_M, Qt::ControlModifier);
        QVERIFY(dock.isVisible());
        // The damped window keeps its whole size in view; the frame still fits the screen.
        const QMdiSubWindow* sub = frame.MdiArea().subWindowList().front();
        QTRY_VERIFY(frame.MdiArea().viewport()->rect().contains(sub->geometry()));
        QVERIFY(frame.frameGeometry().right() < 1280);

        const QStringList notYet{"pas encore mesuré"};
        QCOMPARE(QStringList{Shown(&panel, "lblPeriodeMesuree")}, notYet);
        frmPenduleAmorti* damped = frame.DampedWindow();
        damped->findChild<QPushButton*>("chkGo")->click();
        for (int tick = 0; tick < 1000; ++tick) {
            counter.AdvanceSeconds(0.01);
            damped->AnimationTick();
        }
        QVERIFY2(QRegularExpression("^1,5\\d{3} s\nsur \\d oscillations$")
                     .match(Shown(&panel, "lblPeriodeMesuree"))
                     .hasMatch(),
                 qPrintable(Shown(&panel, "lblPeriodeMesuree")));
        QVERIFY(Shown(&panel, "lblQualiteMesuree").contains("réglé : 9,091"));
        QVERIFY(panel.PlotPoints().thisRun.has_value());

        // A reset clears the values; the run's point stays on the plot.
        damped->findChild<QPushButton*>("cmdPosInit")->click();
        QCOMPARE(QStringList{Shown(&panel, "lblPeriodeMesuree")}, notYet);
        QCOMPARE(QStringList{Shown(&panel, "lblDecrement")}, notYet);
        QCOMPARE(panel.PlotPoints().earlierRuns.size(), 1u);
        QVERIFY(!panel.PlotPoints().thisRun);
        // Taken off the plot, and then there are none to take.
        auto* clear = panel.findChild<QPushButton*>("cmdEffacerLancers");
        QVERIFY(clear->isEnabled());
        clear->click();
        QVERIFY(panel.PlotPoints().earlierRuns.empty() && !clear->isEnabled());

        // Gone with the damped window, back with it; closed, the frame shrinks back.
        frame.ShowSimulation(kFoucaultSimulation);
        QVERIFY(!dock.isVisible() && !dock.ShowAction()->isEnabled());
        frame.ShowSimulation(kDampedSimulation);
        QVERIFY(dock.isVisible() && dock.ShowAction()->isChecked());
        dock.close();
        QVERIFY(!dock.isVisible() && !dock.ShowAction()->isChecked());
        QCOMPARE(frame.width(), closedWidth);
    }

    void wordsForWhatCannotBeMeasured()
    {
        FakeCounterSource counter;
        MDIBrunmalt frame(counter);
        frame.Measurements().ShowAction()->setChecked(true);
        frame.show();
        frmPenduleAmorti* damped = frame.DampedWindow();
        damped->findChild<QSlider*>("sldLambda")->setValue(500);
        damped->findChild<QPushButton*>("cmdPosInit")->click();
        const QWidget* panel = &frame.Measurements().Panel();
        for (const char* name : {"lblPeriodeMesuree", "lblPeriodePetitsAngles", "lblDecrement"})
            QCOMPARE(Shown(panel, name), QStringLiteral("sans objet en régime apériodique"));
        QCOMPARE(Shown(panel, "lblPeriodeExacte"), QStringLiteral("sans objet avec amortissement"));
    }

    // The driven window's run in the same dock, read from its recording:
    // transient at first, then steady beside the theory; the chaotic case
    // says it has no amplitude. Back to the damped window, its own panel.
    void drivenRunMeasured_data()
    {
        QTest::addColumn<int>("preset");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("regime");
        QTest::addColumn<QString>("amplitude");
        QTest::addColumn<QString>("lag");
        QTest::newRow("start") << 0 << 0.0 << "transitoire (période 1 de l'excitation)"
                               << "pas encore mesurée : régime transitoire"
                               << "pas encore mesuré : régime transitoire";
        QTest::newRow("steady") << 0 << 110.0 << "permanent, atteint après 9 périodes"
                                << "143,39°"
                                << "101,41°";
        QTest::newRow("chaotic") << 2 << 30.0
                                 << "aucun régime permanent : le mouvement ne se répète pas "
                                    "d'une période à l'autre"
                                 << "aucune : pas de régime permanent"
                                 << "aucun : pas de régime permanent";
    }
    void drivenRunMeasured()
    {
        QFETCH(int, preset);
        QFETCH(double, seconds);
        FakeCounterSource counter;
        MDIBrunmalt frame(counter);
        frame.Measurements().ShowAction()->setChecked(true);
        frame.show();
        frame.ShowSimulation(kDrivenSimulation);
        auto* driven = qobject_cast<frmPenduleForce*>(frame.SimulationWidget(kDrivenSimulation));
        const QWidget* panel = &frame.Measurements().DrivenPanel();
        QVERIFY(panel->isVisible() && !frame.Measurements().Panel().isVisible());
        driven->ApplySetup(kDrivenPresets[static_cast<std::size_t>(preset)].setup);
        driven->findChild<QPushButton*>("chkGo")->click();
        counter.AdvanceSeconds(seconds);
        driven->AnimationTick();
        QTEST(Shown(panel, "lblRegime"), "regime");
        QTEST(Shown(panel, "lblAmplitudeMesuree"), "amplitude");
        QTEST(Shown(panel, "lblRetardMesure"), "lag");
        QVERIFY(Shown(panel, "lblAmplitudePetitsAngles")
                    .startsWith(preset == 0 ? "79,59°" : "148,17°"));

        frame.ShowSimulation(kDampedSimulation);
        QVERIFY(!panel->isVisible() && frame.Measurements().Panel().isVisible());
    }
};

int main(int argc, char* argv[])
{
    // The 1280 × 800 screen the frame and the panel must fit side by side on.
    QTemporaryFile screens;
    if (!screens.open())
        return 1;
    screens.write(R"({"screens": [{"name": "S", "x": 0, "y": 0, "width": 1280, "height": 800,
                     "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    screens.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    TestMeasurements test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_measurements.moc"
