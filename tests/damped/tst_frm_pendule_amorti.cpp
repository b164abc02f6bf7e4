// The damped-pendulum window on a fake clock and recording surfaces: captions,
// the start/pause toggle, the traces, the automatic stop and the fault guard.

#include "ui/damped/frm_pendule_amorti.h"

#include "clock/high_resolution_clock.h"
#include "tests/support/recording_surface.h"
#include "ui/accessibility/accessible_controls.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

using namespace kestrova;
using kestrova::testing::Primitive;
using kestrova::testing::PrimitiveKind;
using kestrova::testing::RecordingSurface;

namespace {

constexpr Colour kRed = Rgb(255, 0, 0);
constexpr Colour kGreen = Rgb(50, 200, 50);
constexpr Colour kAnyColour = ~Colour{0};
// Toggle state as Harness::Toggle() reads it.
const QString kRunning = QStringLiteral("checked, timer on: Suspendre l'animation");
const QString kStopped = QStringLiteral("unchecked, timer off: Lancer l'animation");

std::vector<Primitive> Lines(const RecordingSurface& surface, Colour colour, int width = 1)
{
    std::vector<Primitive> lines;
    for (const Primitive& p : surface.primitives)
        if (p.kind == PrimitiveKind::Line && p.drawWidth == width
            && (colour == kAnyColour || p.colour == colour))
            lines.push_back(p);
    return lines;
}

QString Ends(double x1, double y1, double x2, double y2)
{
    return QString::asprintf("(%.9g, %.9g)-(%.9g, %.9g)", x1, y1, x2, y2);
}
QString Ends(const Primitive& p)
{
    return Ends(p.x1, p.y1, p.x2, p.y2);
}

double Energy(const PenduleState& s)
{
    return s.Omega * s.Omega / 2 + s.Pulsation2 * (1 - std::cos(s.Teta));
}

/// A window on a fake clock, drawing on recording surfaces once Record() ran.
struct Harness {
    Harness()
    {
        clock.ReadFrequency();
        window = std::make_unique<frmPenduleAmorti>(clock);
        window->SetFaultReporter([this](const QString& message) { faults.push_back(message); });
    }
    void Record()
    {
        window->SetSurfaces({&pendule, {&osc[0], &osc[1]}, {&phase[0], &phase[1]}});
        window->ResetSimulation();
    }
    template <typename T = QWidget>
    T* Child(const QString& name) const
    {
        T* child = window->findChild<T*>(name);
        if (child == nullptr)
            qFatal("no control %s", qPrintable(name));
        return child;
    }
    QString Caption(const QString& label) const { return Child<QLabel>(label)->text(); }
    QPushButton* Go() const { return Child<QPushButton>("chkGo"); }
    const PenduleState& State() const { return window->State(); }
    QString Toggle() const
    {
        return QStringLiteral("%1, timer %2: %3")
            .arg(Go()->isChecked() ? "checked" : "unchecked",
                 Child<QTimer>("tmrPendule")->isActive() ? "on" : "off",
                 WithoutMnemonic(Go()->text()));
    }
    /// The last figure drawn (its rod is 3 pixels wide) shows the pendulum at `angle`.
    bool FigureAt(double angle) const
    {
        const auto rods = Lines(pendule, kAnyColour, 3);
        return !rods.empty() && rods.back().x2 == double(float(std::sin(angle) * 8))
            && rods.back().y2 == double(float(-std::cos(angle) * 8));
    }
    /// Sets the sliders from code, then applies them with "Position initiale".
    void Apply(int teta0, int omega0, int pulsation, int lambda)
    {
        Child<QSlider>("sldTeta0")->setValue(teta0);
        Child<QSlider>("sldOmega0")->setValue(omega0);
        Child<QSlider>("sldPulsation")->setValue(pulsation);
        Child<QSlider>("sldLambda")->setValue(lambda);
        Child<QPushButton>("cmdPosInit")->click();
    }
    void Tick(double seconds)
    {
        source.AdvanceSeconds(seconds);
        window->AnimationTick();
    }

    FakeCounterSource source{1'000'000'000};
    HighResolutionClock clock{source};
    std::unique_ptr<frmPenduleAmorti> window;
    std::vector<QString> faults;
    RecordingSurface pendule{433, 433};
    RecordingSurface osc[2]{RecordingSurface(344, 320), RecordingSurface(344, 320)};
    RecordingSurface phase[2]{RecordingSurface(464, 320), RecordingSurface(464, 320)};
};

} // namespace

class TestFrmPenduleAmorti : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void captions_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QList<int>>("sliders"); // applied after ω₀ = 4, λ = 0.5; none: as loaded
        QTest::addColumn<QStringList>("expected"); // θ0, ω0, ω₀, λ, Q, τ, pseudo-period, regime

        const QLocale french(QLocale::French, QLocale::France);
        QTest::addRow("at load, French")
            << french << QList<int>{}
            << QStringList{"45°",   "0 rad/s", "4,0 rad/s", "0,22",
                           "9,091", "2,273",   "1,573 s",   "Régime pseudo-périodique"};
        QTest::addRow("at load, C")
            << QLocale::c() << QList<int>{}
            << QStringList{"45°",   "0 rad/s", "4.0 rad/s", "0.22",
                           "9.091", "2.273",   "1.573 s",   "Régime pseudo-périodique"};
        QTest::addRow("critical") << french << QList<int>{45, 0, 10, 100}
                                  << QStringList{"45°",  "0 rad/s",        "1,0 rad/s",
                                                 "1,00", "0,500",          "0,500",
                                                 "",     "Régime critique"};
        QTest::addRow("aperiodic just past critical")
            << french << QList<int>{45, 0, 10, 101}
            << QStringList{"45°",   "0 rad/s", "1,0 rad/s", "1,01",
                           "0,495", "0,495",   "",          "Régime apériodique"};
        QTest::addRow("slowest pseudo-period")
            << french << QList<int>{0, 5, 1, 9}
            << QStringList{"0°",    "5 rad/s", "0,1 rad/s", "0,09",
                           "0,556", "5,556",   "144,146 s", "Régime pseudo-périodique"};
        QTest::addRow("undamped keeps the earlier Q and tau")
            << french << QList<int>{45, 0, 40, 0}
            << QStringList{"45°",   "0 rad/s", "4,0 rad/s", "0,00",
                           "4,000", "1,000",   "1,571 s",   "Régime pseudo-périodique"};
    }
    void captions()
    {
        QFETCH(QLocale, locale);
        QFETCH(QList<int>, sliders);
        QFETCH(QStringList, expected);
        QLocale::setDefault(locale);

        Harness h;
        if (!sliders.empty()) {
            h.Apply(45, 0, 40, 50);
            h.Apply(sliders[0], sliders[1], sliders[2], sliders[3]);
        }
        QStringList shown;
        for (const char* label : {"lblteta0", "lblOmega0", "lblPulsation", "lblLambda",
                                  "lblQualite", "lblRelax", "lblPseudo", "lblRegime"})
            shown << h.Caption(label);
        QCOMPARE(shown, expected);
        QCOMPARE(h.Toggle(), kStopped);
    }

    void startPauseResumeReset()
    {
        Harness h;
        h.Apply(30, -3, 40, 22);
        h.Record();
        h.Go()->click();
        QCOMPARE(h.Toggle(), kRunning);
        QCOMPARE(h.Child<QTimer>("tmrPendule")->interval(), 1);
        QCOMPARE(h.Child<QTimer>("tmrPendule")->timerType(), Qt::PreciseTimer);
        h.Tick(0.02);

        // The first segments start at time 0 and at (θ0, ω0), red on both
        // members, green (small angles) on member 1 only.
        const double teta0 = 30 * DegToRad;
        const PenduleState& st = h.State();
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(Lines(h.osc[i], kRed).size(), std::size_t{1});
            QCOMPARE(Ends(Lines(h.osc[i], kRed)[0]), Ends(0, teta0, 0.02, st.Teta));
            QCOMPARE(Lines(h.phase[i], kRed).size(), std::size_t{1});
            QCOMPARE(Ends(Lines(h.phase[i], kRed)[0]), Ends(teta0, -3, st.Teta, st.Omega));
            QCOMPARE(Lines(h.phase[i], kGreen).size(), std::size_t(i));
        }
        QVERIFY(Lines(h.osc[0], kGreen).empty());
        QCOMPARE(Ends(Lines(h.osc[1], kGreen).at(0)), Ends(0, teta0, 0.02, st.TetaApprox));
        QVERIFY(st.Teta < teta0); // swinging back from the right
        QVERIFY(h.FigureAt(st.Teta));

        h.Tick(0.1);
        h.Go()->click();
        QCOMPARE(h.Toggle(), kStopped);
        QCOMPARE(st.TempsCumul, 0.12);
        // A pause before the first tick after a resume adds nothing (it once
        // added the previous run's time again, and the trace jumped right).
        h.Go()->click();
        h.source.AdvanceSeconds(0.0005);
        h.Go()->click();
        QCOMPARE(st.TempsCumul, 0.12);
        h.source.AdvanceSeconds(7); // paused time does not count
        h.Go()->click();
        QCOMPARE(h.Toggle(), kRunning);
        h.Tick(0.05);
        QCOMPARE(st.TempsCumul + st.Temps, 0.17);
        // The first segments after the resume start where the last ones ended.
        for (const RecordingSurface* s : {&h.osc[0], &h.osc[1], &h.phase[0], &h.phase[1]})
            for (Colour colour : {kRed, kGreen})
                if (const auto lines = Lines(*s, colour); !lines.empty()) {
                    QCOMPARE(lines.size(), std::size_t{3});
                    QCOMPARE(QPointF(lines[2].x1, lines[2].y1), QPointF(lines[1].x2, lines[1].y2));
                }

        // "Position initiale" while running: stopped, clocks at zero, back at the start.
        h.Child<QPushButton>("cmdPosInit")->click();
        QCOMPARE(h.Toggle(), kStopped);
        QCOMPARE(QList<double>({st.Temps, st.TempsPrec, st.TempsCumul}), QList<double>({0, 0, 0}));
        QCOMPARE(QPointF(st.Teta, st.Omega), QPointF(st.Teta0, st.Omega0));
        QVERIFY(h.FigureAt(st.Teta0));
    }

    void figureRedrawnAtDisplayRate()
    {
        Harness h;
        h.Record();
        h.pendule.ClearRecord();
        h.Go()->click();
        for (int i = 0; i < 100; ++i)
            h.Tick(0.001);
        // Every 4 ms of the 100 ms, not every tick; the traces get every tick.
        const std::size_t drawn = Lines(h.pendule, kAnyColour, 3).size();
        QVERIFY2(drawn >= 20 && drawn <= 26, qPrintable(QString::number(drawn)));
        QCOMPARE(Lines(h.osc[0], kRed).size(), std::size_t{100});

        // Paused between two redraws, the figure shows the pendulum's angle.
        if (h.FigureAt(h.State().Teta))
            h.Tick(0.001);
        QVERIFY(!h.FigureAt(h.State().Teta));
        h.Go()->click();
        QVERIFY(h.FigureAt(h.State().Teta));
        // A long tick (a slow machine) redraws it at once.
        h.Go()->click();
        h.Tick(0.05);
        QVERIFY(h.FigureAt(h.State().Teta));
    }

    void automaticStop_data()
    {
        QTest::addColumn<int>("teta0");
        QTest::addColumn<int>("lambda");
        QTest::addColumn<double>("pauseAt");   // s of animation; -1: no pause
        QTest::addColumn<double>("stopAfter"); // s; -1: never within the run
        QTest::addColumn<double>("stopBy");

        QTest::addRow("damped, at rest from the start") << 0 << 22 << -1.0 << 10.0 << 10.25;
        // 45° decaying as e^(-0.22 t): (θ/1 rad)² falls below 1e-6 after ~30 s.
        QTest::addRow("damped swing dies out") << 45 << 22 << -1.0 << 29.0 << 33.0;
        QTest::addRow("at rest, paused at 8 s: ten seconds again from the resume")
            << 0 << 22 << 8.0 << 18.0 << 18.25;
        QTest::addRow("undamped at rest never stops") << 0 << 0 << -1.0 << -1.0 << -1.0;
    }
    void automaticStop()
    {
        QFETCH(int, teta0);
        QFETCH(int, lambda);
        QFETCH(double, pauseAt);
        QFETCH(double, stopAfter);
        QFETCH(double, stopBy);

        Harness h;
        h.Apply(teta0, 0, 40, lambda);
        h.Record();
        h.Go()->click();
        double stoppedAt = -1;
        for (int i = 1; i <= 240 && stoppedAt < 0; ++i) {
            h.Tick(0.25);
            if (!h.Go()->isChecked())
                stoppedAt = i * 0.25;
            else if (i * 0.25 == pauseAt) {
                h.Go()->click();
                h.Go()->click();
            }
        }
        if (stopAfter < 0) {
            QCOMPARE(stoppedAt, -1.0);
            QCOMPARE(h.Toggle(), kRunning);
            return;
        }
        QVERIFY2(stoppedAt > stopAfter && stoppedAt <= stopBy,
                 qPrintable(QString::number(stoppedAt)));
        QCOMPARE(h.Toggle(), kStopped);
        QCOMPARE(h.State().TempsCumul, stoppedAt); // the pause branch ran
        QVERIFY(h.FigureAt(0)); // hanging straight down, whatever residue Teta keeps
        QVERIFY(teta0 == 0 || h.State().Teta != 0);
    }

    void longTickKeepsEnergy_data()
    {
        QTest::addColumn<int>("pulsation");
        QTest::addColumn<int>("teta0");
        QTest::addColumn<double>("interval");
        QTest::addColumn<double>("tolerance"); // relative energy change

        QTest::addRow("3 s tick at omega 20") << 200 << 45 << 3.0 << 1e-3;
        QTest::addRow("150 ms hiccup at omega 20") << 200 << 45 << 0.15 << 1e-3;
        QTest::addRow("3 s tick at omega 20, near the top") << 200 << 179 << 3.0 << 1e-3;
        // Steps of ω₀·h = 0.05 lost 5e-5 of it here (6e-6 over two hours of 1 ms ticks).
        QTest::addRow("ten minutes at omega 20, small swing") << 200 << 10 << 600.0 << 1e-7;
    }
    void longTickKeepsEnergy()
    {
        QFETCH(int, pulsation);
        QFETCH(int, teta0);
        QFETCH(double, interval);
        QFETCH(double, tolerance);

        Harness h;
        h.Apply(teta0, 0, pulsation, 0);
        h.Record();
        const double before = Energy(h.State());
        h.Go()->click();
        h.Tick(interval);
        const double after = Energy(h.State());
        QVERIFY2(std::abs(after - before) <= tolerance * before,
                 qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(after)));
        // Simulated time is real time, and the tick still draws one segment.
        QCOMPARE(h.State().Temps, interval);
        QCOMPARE(Lines(h.osc[0], kRed).size(), std::size_t{1});
        QCOMPARE(Lines(h.osc[0], kRed)[0].x2, interval);
    }

    void userSliderMovesReset_data()
    {
        QTest::addColumn<QString>("slider");
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("drag"); // otherwise an arrow key

        QTest::addRow("sldTeta0 by keyboard") << "sldTeta0"
                                              << "lblteta0" << false;
        QTest::addRow("sldOmega0 by drag") << "sldOmega0"
                                           << "lblOmega0" << true;
        QTest::addRow("sldPulsation by drag") << "sldPulsation"
                                              << "lblPulsation" << true;
        QTest::addRow("sldLambda by drag") << "sldLambda"
                                           << "lblLambda" << true;
    }
    void userSliderMovesReset()
    {
        QFETCH(QString, slider);
        QFETCH(QString, label);
        QFETCH(bool, drag);

        Harness h;
        h.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
        h.Record();
        auto* s = h.Child<QSlider>(slider);
        s->setValue(s->minimum()); // from code: no reset; the handle at the left end
        const QString captionBefore = h.Caption(label);
        h.Go()->click();
        h.Tick(0.5);

        if (drag) {
            const QPoint from(s->style()->pixelMetric(QStyle::PM_SliderLength, nullptr, s) / 2,
                              s->height() / 2);
            QTest::mousePress(s, Qt::LeftButton, {}, from);
            QVERIFY(s->isSliderDown());
            QTest::mouseMove(s, from + QPoint(15, 0));
            QTest::mouseMove(s, from + QPoint(40, 0));
            QTest::mouseRelease(s, Qt::LeftButton, {}, from + QPoint(40, 0));
        } else {
            QTest::keyClick(s, Qt::Key_Right);
        }
        QVERIFY(s->value() > s->minimum());
        QCOMPARE(h.Toggle(), kStopped);
        QCOMPARE(h.State().TempsCumul, 0.0);
        QVERIFY(h.Caption(label) != captionBefore);
        QCOMPARE(h.State().Teta, h.State().Teta0);
    }

    void sliderSetByCodeDoesNotReset()
    {
        Harness h;
        h.Record();
        h.Go()->click();
        h.Tick(0.5);
        const double teta = h.State().Teta;
        h.Child<QSlider>("sldTeta0")->setValue(90);
        auto* lambda = h.Child<QSlider>("sldLambda");
        lambda->setValue(lambda->minimum());
        // An arrow key at the end of the range moves nothing, resets nothing,
        // and leaves no pending reset for a later value set by code.
        QTest::keyClick(lambda, Qt::Key_Left);
        lambda->setValue(100);

        QCOMPARE(h.Toggle(), kRunning);
        QCOMPARE(h.Caption("lblteta0"), QStringLiteral("45°"));
        QCOMPARE(h.State().Lambda, 0.22);
        QCOMPARE(h.State().Teta, teta);
    }

    void nonFiniteStopsAndReports_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("cumul"); // TempsCumul after the stop: the time the traces reached

        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::addRow("NaN angular speed") << "Omega" << nan << 0.1;
        QTest::addRow("NaN initial angle: small-angle solution only") << "Teta0" << nan << 0.1;
        QTest::addRow("NaN previous tick time") << "TempsPrec" << nan << 0.0;
    }
    void nonFiniteStopsAndReports()
    {
        QFETCH(QString, field);
        QFETCH(double, value);
        QFETCH(double, cumul);

        Harness h;
        h.Record();
        h.Go()->click();
        h.Tick(0.1);
        PenduleState& st = h.window->MutableState();
        (field == "Omega" ? st.Omega : field == "Teta0" ? st.Teta0 : st.TempsPrec) = value;
        auto drawn = [&h] {
            return h.pendule.primitives.size() + h.osc[0].primitives.size()
                + h.osc[1].primitives.size() + h.phase[0].primitives.size()
                + h.phase[1].primitives.size();
        };
        const std::size_t before = drawn();
        h.Tick(0.1);

        QCOMPARE(h.faults.size(), std::size_t{1});
        QVERIFY(h.faults[0].contains(QStringLiteral("non finie")));
        QCOMPARE(h.Toggle(), kStopped);
        QCOMPARE(drawn(), before); // nothing of the faulty tick is drawn
        QCOMPARE(st.TempsCumul, cumul);

        // The window lives on: a reset brings back a sound state that animates.
        h.Child<QPushButton>("cmdPosInit")->click();
        h.Go()->click();
        h.Tick(0.1);
        QCOMPARE(h.Toggle(), kRunning);
        QVERIFY(std::isfinite(st.Teta) && std::isfinite(st.Omega));
        QCOMPARE(h.faults.size(), std::size_t{1});
    }
};

QTEST_MAIN(TestFrmPenduleAmorti)
#include "tst_frm_pendule_amorti.moc"
