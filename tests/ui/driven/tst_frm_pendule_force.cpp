// The driven-pendulum window on a fake clock: its fields set the run in SI
// units, the animation advances in whole steps, and each analysis runs on
// its worker, shows its result and offers it to the exports, or stops when
// cancelled.

#include "clock/high_resolution_clock.h"
#include "ui/driven/driven_analysis.h"
#include "ui/driven/frm_pendule_force.h"

#include <QDoubleSpinBox>
#include <QPushButton>
#include <QtTest>

#include <cmath>
#include <numbers>

using namespace kestrova;

class TestFrmPenduleForce : public QObject {
    Q_OBJECT

    FakeCounterSource source_{1'000'000};
    HighResolutionClock clock_{source_};

private slots:
    void initTestCase() { clock_.ReadFrequency(); }

    void fieldsAndSteps()
    {
        frmPenduleForce window(clock_);
        window.findChild<QDoubleSpinBox*>(QStringLiteral("txt_teta0"))->setValue(30);
        QCOMPARE(window.Setup().teta0, 30 * std::numbers::pi / 180);
        QCOMPARE(window.Setup().drivePulsation, 2.0 / 3); // the preset's, untouched
        const double h = window.Run().Motion().StepSeconds();
        window.NextStep();
        QCOMPARE(window.Run().Time(), h);
        window.findChild<QPushButton*>(QStringLiteral("chkGo"))->click();
        source_.AdvanceSeconds(10 * h + h / 2);
        window.AnimationTick();
        QVERIFY(std::abs(window.Run().Time() - 11 * h) < 1e-9);
    }

    void analyses_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("plot");
        QTest::addRow("resonance") << int{DrivenAnalysis::Resonance} << "resonance";
        QTest::addRow("section") << int{DrivenAnalysis::Section} << "poincare";
        QTest::addRow("bifurcation") << int{DrivenAnalysis::Bifurcation} << "bifurcation";
        QTest::addRow("separation") << int{DrivenAnalysis::Sensitivity} << "separation";
    }
    void analyses()
    {
        QFETCH(int, tab);
        QFETCH(QString, plot);
        frmPenduleForce window(clock_);
        window.ApplySetup({0, 0, 1, 0.1, 0.01, 1}); // small swings: quick to settle
        DrivenAnalysis* analysis = window.ShowAnalysis();
        analysis->SetGammaRange(0.9, 0.95);
        analysis->SetGammaCount(8);
        QSignalSpy finished(analysis, &DrivenAnalysis::Finished);
        analysis->Compute(static_cast<DrivenAnalysis::Tab>(tab));
        QVERIFY(finished.wait(20000));
        QCOMPARE(finished.at(0).at(0).toBool(), true);
        QStringList names;
        for (const PlotPicture& picture : window.Plots())
            names << picture.name;
        QCOMPARE(names.count(plot), 1);
        QCOMPARE(names.size(), 4);
    }

    void cancel()
    {
        frmPenduleForce window(clock_);
        DrivenAnalysis* analysis = window.ShowAnalysis();
        QSignalSpy finished(analysis, &DrivenAnalysis::Finished);
        analysis->Compute(DrivenAnalysis::Bifurcation);
        analysis->Cancel();
        QVERIFY(finished.wait(20000));
        QCOMPARE(finished.at(0).at(0).toBool(), false);
        QVERIFY(!analysis->Busy());
    }
};

QTEST_MAIN(TestFrmPenduleForce)
#include "tst_frm_pendule_force.moc"
