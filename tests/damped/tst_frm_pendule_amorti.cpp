// The damped-pendulum window: captions, reset, the start/pause toggle, the
// animation tick and its traces, the automatic stop and the fault guard.
// Time comes from a fake counter; ticks are run by hand, never by waiting.

#include "ui/damped/frm_pendule_amorti.h"

#include "clock/high_resolution_clock.h"
#include "model/integrator.h"
#include "tests/support/recording_surface.h"
#include "ui/accessibility/accessible_controls.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QCheckBox>
#include <QSignalSpy>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

using kestrova::Colour;
using kestrova::DampedSurfaces;
using kestrova::DegToRad;
using kestrova::FakeCounterSource;
using kestrova::frmPenduleAmorti;
using kestrova::HighResolutionClock;
using kestrova::Rgb;
using kestrova::testing::Primitive;
using kestrova::testing::PrimitiveKind;
using kestrova::testing::RecordingSurface;
using kestrova::WithoutMnemonic;

namespace {

constexpr Colour kRed = Rgb(255, 0, 0);
constexpr Colour kGreen = Rgb(50, 200, 50);

/// A window on a fake clock, drawing on recording surfaces.
class Harness {
public:
    Harness()
    {
        clock.ReadFrequency();
        window = std::make_unique<frmPenduleAmorti>(clock);
        window->SetFaultReporter([this](const QString& message) { faults.push_back(message); });
    }

    /// Draws on recording surfaces from now on, framed by a fresh reset.
    void Record()
    {
        DampedSurfaces s;
        s.picPendule = &pendule;
        s.picOscillation = {&oscillation[0], &oscillation[1]};
        s.picPhase = {&phase[0], &phase[1]};
        window->SetSurfaces(s);
        window->ResetSimulation();
    }

    template <typename T = QWidget>
    T* Child(const char* name) const
    {
        T* child = window->findChild<T*>(QLatin1String(name));
        if (child == nullptr)
            qFatal("no control %s", name);
        return child;
    }
    QString Caption(const char* label) const { return Child<QLabel>(label)->text(); }
    QPushButton* Go() const { return Child<QPushButton>("chkGo"); }
    QTimer* Timer() const { return Child<QTimer>("tmrPendule"); }
    const kestrova::PenduleState& State() const { return window->State(); }

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
    RecordingSurface oscillation[2]{RecordingSurface(344, 320), RecordingSurface(344, 320)};
    RecordingSurface phase[2]{RecordingSurface(464, 320), RecordingSurface(464, 320)};
};

std::vector<Primitive> LinesOf(const RecordingSurface& surface, Colour colour)
{
    std::vector<Primitive> lines;
    for (const Primitive& p : surface.primitives)
        if (p.kind == PrimitiveKind::Line && p.colour == colour)
            lines.push_back(p);
    return lines;
}

/// The rod of the last figure drawn: the line drawn 3 pixels wide.
const Primitive* LastRod(const RecordingSurface& surface)
{
    const Primitive* rod = nullptr;
    for (const Primitive& p : surface.primitives)
        if (p.kind == PrimitiveKind::Line && p.drawWidth == 3)
            rod = &p;
    return rod;
}

double Energy(const kestrova::PenduleState& s)
{
    return s.Omega * s.Omega / 2 + s.Pulsation2 * (1 - std::cos(s.Teta));
}

/// A mouse event straight to the slider, as the platform would deliver it.
void SendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

QPoint HandleCentre(QSlider* slider)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    option.tickPosition = slider->tickPosition();
    option.tickInterval = slider->tickInterval();
    option.upsideDown = slider->invertedAppearance();
    option.pageStep = slider->pageStep();
    option.singleStep = slider->singleStep();
    option.subControls = QStyle::SC_SliderHandle;
    return slider->style()
        ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider)
        .center();
}

} // namespace

class TestFrmPenduleAmorti : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void startupCaptions_data();
    void startupCaptions();
    void regimeCaptions_data();
    void regimeCaptions();
    void undampedKeepsQualityAndRelaxation();
    void toggleThroughStartPauseResumeReset();
    void firstTickStartsAtInitialConditions();
    void resumeContinuesTheTrace();
    void figureRedrawnAtDisplayRate();
    void pauseBeforeFirstTickAddsNothing();
    void automaticStop_data();
    void automaticStop();
    void restDelayCountsFromResume();
    void longTickKeepsEnergy_data();
    void longTickKeepsEnergy();
    void userSliderMovesReset_data();
    void userSliderMovesReset();
    void sliderSetByCodeDoesNotReset();
    void nonFiniteStopsAndReports_data();
    void nonFiniteStopsAndReports();
    void viewSwitch();
    void closingEmitsUnloaded();
};

void TestFrmPenduleAmorti::startupCaptions_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("expected"); // teta0, omega0, pulsation, lambda, Q, tau, pseudo

    QTest::addRow("French: decimal comma")
        << QLocale(QLocale::French, QLocale::France)
        << QStringList{"45°", "0 rad/s", "4,0 rad/s", "0,22", "9,091", "2,273", "1,573 s"};
    QTest::addRow("C: decimal point")
        << QLocale::c()
        << QStringList{"45°", "0 rad/s", "4.0 rad/s", "0.22", "9.091", "2.273", "1.573 s"};
}

void TestFrmPenduleAmorti::startupCaptions()
{
    QFETCH(QLocale, locale);
    QFETCH(QStringList, expected);
    QLocale::setDefault(locale);

    Harness h;
    const char* labels[] = {"lblteta0", "lblOmega0", "lblPulsation", "lblLambda",
                            "lblQualite", "lblRelax", "lblPseudo"};
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(h.Caption(labels[i]), expected[i]);
    QCOMPARE(h.Caption("lblRegime"), QStringLiteral("Régime pseudo-périodique"));
    QCOMPARE(WithoutMnemonic(h.Go()->text()), QStringLiteral("Lancer l'animation"));
    QVERIFY(!h.Go()->isChecked());
    QVERIFY(!h.Timer()->isActive());
    QCOMPARE(h.State().Teta, 45 * DegToRad);
    QCOMPARE(h.State().DureeTrace, 10.0);
}

void TestFrmPenduleAmorti::regimeCaptions_data()
{
    QTest::addColumn<int>("pulsation");
    QTest::addColumn<int>("lambda");
    QTest::addColumn<QString>("regime");
    QTest::addColumn<QString>("pseudo");

    QTest::addRow("critical: lambda 1.00, omega 1.0") << 10 << 100 << "Régime critique" << "";
    QTest::addRow("aperiodic: lambda 1.01, omega 1.0") << 10 << 101 << "Régime apériodique" << "";
    QTest::addRow("aperiodic: strongest damping") << 1 << 500 << "Régime apériodique" << "";
    QTest::addRow("pseudo-periodic: slowest swing") << 1 << 9 << "Régime pseudo-périodique"
                                                    << "144,146 s";
}

void TestFrmPenduleAmorti::regimeCaptions()
{
    QFETCH(int, pulsation);
    QFETCH(int, lambda);
    QFETCH(QString, regime);
    QFETCH(QString, pseudo);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));

    Harness h;
    QCOMPARE(h.Caption("lblPseudo"), QStringLiteral("1,573 s")); // written at load
    h.Apply(45, 0, pulsation, lambda);
    QCOMPARE(h.Caption("lblRegime"), regime);
    QCOMPARE(h.Caption("lblPseudo"), pseudo);
}

void TestFrmPenduleAmorti::undampedKeepsQualityAndRelaxation()
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    Harness h;
    h.Apply(45, 0, 40, 50);
    QCOMPARE(h.Caption("lblQualite"), QStringLiteral("4,000"));
    QCOMPARE(h.Caption("lblRelax"), QStringLiteral("1,000"));

    h.Apply(45, 0, 40, 0);
    QCOMPARE(h.Caption("lblLambda"), QStringLiteral("0,00"));
    QCOMPARE(h.Caption("lblQualite"), QStringLiteral("4,000"));
    QCOMPARE(h.Caption("lblRelax"), QStringLiteral("1,000"));
    QCOMPARE(h.Caption("lblPseudo"), QStringLiteral("1,571 s"));
    QCOMPARE(h.Caption("lblRegime"), QStringLiteral("Régime pseudo-périodique"));
}

void TestFrmPenduleAmorti::toggleThroughStartPauseResumeReset()
{
    Harness h;
    h.Record();

    h.Go()->click();
    QVERIFY(h.Go()->isChecked());
    QCOMPARE(WithoutMnemonic(h.Go()->text()), QStringLiteral("Suspendre l'animation"));
    QVERIFY(h.Timer()->isActive());
    QCOMPARE(h.Timer()->interval(), 1);
    QCOMPARE(h.Timer()->timerType(), Qt::PreciseTimer);
    h.Tick(0.5);

    h.Go()->click();
    QCOMPARE(WithoutMnemonic(h.Go()->text()), QStringLiteral("Lancer l'animation"));
    QVERIFY(!h.Timer()->isActive());
    QCOMPARE(h.State().TempsCumul, 0.5);

    h.source.AdvanceSeconds(7); // paused time does not count
    h.Go()->click();
    QCOMPARE(WithoutMnemonic(h.Go()->text()), QStringLiteral("Suspendre l'animation"));
    QVERIFY(h.Timer()->isActive());
    h.Tick(0.25);
    QCOMPARE(h.State().TempsCumul + h.State().Temps, 0.75);

    // "Position initiale" while running: stopped, clocks at zero, back at
    // the initial conditions, figure redrawn there.
    h.pendule.ClearRecord();
    h.Child<QPushButton>("cmdPosInit")->click();
    QVERIFY(!h.Go()->isChecked());
    QCOMPARE(WithoutMnemonic(h.Go()->text()), QStringLiteral("Lancer l'animation"));
    QVERIFY(!h.Timer()->isActive());
    QCOMPARE(h.State().Temps, 0.0);
    QCOMPARE(h.State().TempsPrec, 0.0);
    QCOMPARE(h.State().TempsCumul, 0.0);
    QCOMPARE(h.State().Teta, h.State().Teta0);
    QCOMPARE(h.State().Omega, h.State().Omega0);
    const Primitive* rod = LastRod(h.pendule);
    QVERIFY(rod != nullptr);
    QCOMPARE(rod->x2, double(float(std::sin(h.State().Teta0) * 8)));
}

void TestFrmPenduleAmorti::firstTickStartsAtInitialConditions()
{
    Harness h;
    h.Apply(30, -3, 40, 22);
    h.Record();
    h.Go()->click();
    h.Tick(0.02);

    const double teta0 = 30 * DegToRad;
    for (int i = 0; i < 2; ++i) {
        const auto red = LinesOf(h.oscillation[i], kRed);
        QCOMPARE(red.size(), std::size_t{1});
        QCOMPARE(red[0].x1, 0.0);
        QCOMPARE(red[0].y1, teta0);
        QCOMPARE(red[0].x2, 0.02);
        QCOMPARE(red[0].y2, h.State().Teta);
        const auto phase = LinesOf(h.phase[i], kRed);
        QCOMPARE(phase.size(), std::size_t{1});
        QCOMPARE(phase[0].x1, teta0);
        QCOMPARE(phase[0].y1, -3.0);
        QCOMPARE(phase[0].x2, h.State().Teta);
        QCOMPARE(phase[0].y2, h.State().Omega);
    }
    // The small-angle solution is traced on member 1 only.
    QVERIFY(LinesOf(h.oscillation[0], kGreen).empty());
    QVERIFY(LinesOf(h.phase[0], kGreen).empty());
    const auto green = LinesOf(h.oscillation[1], kGreen);
    QCOMPARE(green.size(), std::size_t{1});
    QCOMPARE(green[0].x1, 0.0);
    QCOMPARE(green[0].x2, 0.02);
    QCOMPARE(green[0].y2, h.State().TetaApprox);
    QCOMPARE(LinesOf(h.phase[1], kGreen).size(), std::size_t{1});

    // The figure follows the integrated angle.
    const Primitive* rod = LastRod(h.pendule);
    QVERIFY(rod != nullptr);
    QCOMPARE(rod->x2, double(float(std::sin(h.State().Teta) * 8)));
    QVERIFY(h.State().Teta < teta0); // swinging back from the right
}

void TestFrmPenduleAmorti::resumeContinuesTheTrace()
{
    Harness h;
    h.Record();
    h.Go()->click();
    h.Tick(0.1);
    h.Tick(0.1);
    h.Go()->click(); // pause
    h.source.AdvanceSeconds(3);
    h.Go()->click(); // resume
    h.Tick(0.05);

    for (int i = 0; i < 2; ++i) {
        const auto osc = LinesOf(h.oscillation[i], kRed);
        QCOMPARE(osc.size(), std::size_t{3});
        QCOMPARE(osc[2].x1, osc[1].x2);
        QCOMPARE(osc[2].y1, osc[1].y2);
        QCOMPARE(osc[2].x1, 0.2);
        QVERIFY(std::abs(osc[2].x2 - 0.25) < 1e-12);
        const auto phase = LinesOf(h.phase[i], kRed);
        QCOMPARE(phase[2].x1, phase[1].x2);
        QCOMPARE(phase[2].y1, phase[1].y2);
    }
    const auto green = LinesOf(h.oscillation[1], kGreen);
    QCOMPARE(green[2].x1, green[1].x2);
    QCOMPARE(green[2].y1, green[1].y2);
}

void TestFrmPenduleAmorti::figureRedrawnAtDisplayRate()
{
    Harness h;
    h.Record();
    h.pendule.ClearRecord();
    h.Go()->click();
    auto rods = [&h] {
        int n = 0;
        for (const Primitive& p : h.pendule.primitives)
            n += p.kind == PrimitiveKind::Line && p.drawWidth == 3;
        return n;
    };
    for (int i = 0; i < 100; ++i)
        h.Tick(0.001);
    // Every 4 ms of the 100 ms, not every tick; the traces get every tick.
    QVERIFY2(rods() >= 20 && rods() <= 26, qPrintable(QString::number(rods())));
    QCOMPARE(LinesOf(h.oscillation[0], kRed).size(), std::size_t{100});

    // Paused between two redraws, the figure shows the pendulum's angle.
    int drawn = rods();
    h.Tick(0.001);
    if (rods() != drawn) {
        drawn = rods();
        h.Tick(0.001);
    }
    QCOMPARE(rods(), drawn); // the last tick left the figure behind
    h.Go()->click();
    QCOMPARE(rods(), drawn + 1);
    const Primitive* rod = LastRod(h.pendule);
    QCOMPARE(rod->x2, double(float(std::sin(h.State().Teta) * 8)));
    QCOMPARE(rod->y2, double(float(std::cos(h.State().Teta) * -8)));

    // A long tick (a slow machine) redraws it at once.
    h.Go()->click();
    const int before = rods();
    h.Tick(0.05);
    QCOMPARE(rods(), before + 1);
}

void TestFrmPenduleAmorti::pauseBeforeFirstTickAddsNothing()
{
    Harness h;
    h.Record();
    h.Go()->click();
    h.Tick(0.3);
    h.Go()->click(); // pause: 0.3 s accumulated
    h.Go()->click(); // resume ...
    h.source.AdvanceSeconds(0.0005);
    h.Go()->click(); // ... and pause again before any tick
    QCOMPARE(h.State().TempsCumul, 0.3);

    h.Go()->click();
    h.Tick(0.1);
    const auto osc = LinesOf(h.oscillation[0], kRed);
    QCOMPARE(osc.size(), std::size_t{2});
    QCOMPARE(osc[1].x1, 0.3); // no jump to the right
    QCOMPARE(osc[1].x1, osc[0].x2);
}

void TestFrmPenduleAmorti::automaticStop_data()
{
    QTest::addColumn<int>("teta0");
    QTest::addColumn<int>("lambda");
    QTest::addColumn<double>("earliestStop"); // s; -1: never within the run
    QTest::addColumn<double>("latestStop");

    // At rest from the start: stops on the first tick past ten seconds.
    QTest::addRow("damped, at rest from the start") << 0 << 22 << 10.0 << 10.25;
    // 45° decaying as e^(-0.22 t): (θ/1 rad)² falls below 1e-6 after ~30 s.
    QTest::addRow("damped swing dies out") << 45 << 22 << 29.0 << 33.0;
    QTest::addRow("undamped at rest never stops") << 0 << 0 << -1.0 << -1.0;
    QTest::addRow("undamped swing never stops") << 45 << 0 << -1.0 << -1.0;
}

void TestFrmPenduleAmorti::automaticStop()
{
    QFETCH(int, teta0);
    QFETCH(int, lambda);
    QFETCH(double, earliestStop);
    QFETCH(double, latestStop);

    Harness h;
    h.Apply(teta0, 0, 40, lambda);
    h.Record();
    h.Go()->click();
    constexpr double kTick = 0.25;
    double stoppedAt = -1;
    for (int i = 1; i <= 240 && stoppedAt < 0; ++i) {
        h.Tick(kTick);
        if (!h.Timer()->isActive())
            stoppedAt = i * kTick;
    }
    if (earliestStop < 0) {
        QCOMPARE(stoppedAt, -1.0);
        QVERIFY(h.Go()->isChecked());
        return;
    }
    QVERIFY2(stoppedAt > earliestStop && stoppedAt <= latestStop,
             qPrintable(QString::number(stoppedAt)));
    QVERIFY(!h.Go()->isChecked());
    QCOMPARE(WithoutMnemonic(h.Go()->text()), QStringLiteral("Lancer l'animation"));
    QCOMPARE(h.State().TempsCumul, stoppedAt); // the pause branch ran

    // The figure hangs straight down, whatever residue Teta keeps.
    const Primitive* rod = LastRod(h.pendule);
    QVERIFY(rod != nullptr);
    QCOMPARE(rod->x2, 0.0);
    QCOMPARE(rod->y2, -8.0);
    if (teta0 != 0)
        QVERIFY(h.State().Teta != 0);
}

void TestFrmPenduleAmorti::restDelayCountsFromResume()
{
    Harness h;
    h.Apply(0, 0, 40, 22); // at rest, damped
    h.Record();
    h.Go()->click();
    for (int i = 0; i < 8; ++i)
        h.Tick(1);
    h.Go()->click(); // pause after 8 s
    h.Go()->click(); // resume: ten seconds again from here
    for (int i = 0; i < 10; ++i)
        h.Tick(1);
    QVERIFY(h.Timer()->isActive()); // exactly 10 s: not more than ten
    h.Tick(0.5);
    QVERIFY(!h.Timer()->isActive());
    QCOMPARE(h.State().TempsCumul, 18.5);
}

void TestFrmPenduleAmorti::longTickKeepsEnergy_data()
{
    QTest::addColumn<int>("pulsation");
    QTest::addColumn<int>("teta0");
    QTest::addColumn<double>("interval");
    QTest::addColumn<double>("tolerance"); // relative energy change

    QTest::addRow("3 s tick at omega 20") << 200 << 45 << 3.0 << 1e-3;
    QTest::addRow("150 ms hiccup at omega 20") << 200 << 45 << 0.15 << 1e-3;
    QTest::addRow("3 s tick at omega 20, near the top") << 200 << 179 << 3.0 << 1e-3;
    QTest::addRow("one minute at omega 5") << 50 << 90 << 60.0 << 1e-3;
    // Steps of ω₀·h = 0.05 lost 5e-5 of it here (6e-6 over two hours of 1 ms ticks).
    QTest::addRow("ten minutes at omega 20, small swing") << 200 << 10 << 600.0 << 1e-7;
}

void TestFrmPenduleAmorti::longTickKeepsEnergy()
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
    QCOMPARE(LinesOf(h.oscillation[0], kRed).size(), std::size_t{1});
    QCOMPARE(LinesOf(h.oscillation[0], kRed)[0].x2, interval);
}

void TestFrmPenduleAmorti::userSliderMovesReset_data()
{
    QTest::addColumn<QString>("slider");
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<QString>("label");

    for (const char* slider : {"sldTeta0", "sldOmega0", "sldPulsation", "sldLambda"}) {
        const QString label = QStringLiteral("lbl") + QString::fromLatin1(slider + 3);
        const QString caption = label == "lblTeta0" ? QStringLiteral("lblteta0") : label;
        QTest::addRow("%s by keyboard", slider) << slider << "key" << caption;
        QTest::addRow("%s by drag", slider) << slider << "drag" << caption;
    }
    QTest::addRow("sldTeta0 by page key") << "sldTeta0" << "page" << "lblteta0";
    QTest::addRow("sldLambda by click on the groove") << "sldLambda" << "groove" << "lblLambda";
}

void TestFrmPenduleAmorti::userSliderMovesReset()
{
    QFETCH(QString, slider);
    QFETCH(QString, gesture);
    QFETCH(QString, label);

    Harness h;
    h.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
    h.Record();
    auto* s = h.Child<QSlider>(slider.toLatin1().constData());
    const QString captionBefore = h.Caption(label.toLatin1().constData());
    const int before = s->value();

    h.Go()->click();
    h.Tick(0.5);
    QVERIFY(h.Timer()->isActive());

    if (gesture == "key") {
        QTest::keyClick(s, Qt::Key_Right);
    } else if (gesture == "page") {
        QTest::keyClick(s, Qt::Key_PageUp);
    } else if (gesture == "drag") {
        const QPoint from = HandleCentre(s);
        SendMouse(s, QEvent::MouseButtonPress, from, Qt::LeftButton);
        SendMouse(s, QEvent::MouseMove, from + QPoint(15, 0), Qt::LeftButton);
        SendMouse(s, QEvent::MouseMove, from + QPoint(40, 0), Qt::LeftButton);
        SendMouse(s, QEvent::MouseButtonRelease, from + QPoint(40, 0), Qt::NoButton);
    } else {
        const QPoint at(s->width() - 4, HandleCentre(s).y());
        SendMouse(s, QEvent::MouseButtonPress, at, Qt::LeftButton);
        SendMouse(s, QEvent::MouseButtonRelease, at, Qt::NoButton);
    }

    QVERIFY(s->value() > before);
    QVERIFY(!h.Go()->isChecked());
    QVERIFY(!h.Timer()->isActive());
    QCOMPARE(h.State().TempsCumul, 0.0);
    QVERIFY(h.Caption(label.toLatin1().constData()) != captionBefore);
    // The model took the slider's new value.
    const kestrova::PenduleState& st = h.State();
    const double modelValue = slider == "sldTeta0"       ? st.Teta0 / DegToRad
                              : slider == "sldOmega0"    ? st.Omega0
                              : slider == "sldPulsation" ? std::sqrt(st.Pulsation2) * 10
                                                         : st.Lambda * 100;
    QCOMPARE(std::round(modelValue), double(s->value()));
    QCOMPARE(st.Teta, st.Teta0);
}

void TestFrmPenduleAmorti::sliderSetByCodeDoesNotReset()
{
    Harness h;
    h.Record();
    h.Go()->click();
    h.Tick(0.5);
    const double teta = h.State().Teta;

    h.Child<QSlider>("sldTeta0")->setValue(90);
    h.Child<QSlider>("sldLambda")->setValue(0);

    QVERIFY(h.Go()->isChecked());
    QVERIFY(h.Timer()->isActive());
    QCOMPARE(h.Caption("lblteta0"), QStringLiteral("45°"));
    QCOMPARE(h.State().Teta0, 45 * DegToRad);
    QCOMPARE(h.State().Lambda, 0.22);
    QCOMPARE(h.State().Teta, teta);

    // An arrow key at the end of the range moves nothing and resets nothing,
    // and leaves no pending reset for a later value set by code.
    auto* lambda = h.Child<QSlider>("sldLambda");
    lambda->setValue(lambda->minimum());
    QTest::keyClick(lambda, Qt::Key_Left);
    QVERIFY(h.Go()->isChecked());
    lambda->setValue(100);
    QVERIFY(h.Go()->isChecked());
    QCOMPARE(h.State().Lambda, 0.22);
}

void TestFrmPenduleAmorti::nonFiniteStopsAndReports_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<double>("value");

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QTest::addRow("NaN angular speed") << "Omega" << nan;
    QTest::addRow("infinite angle") << "Teta" << inf;
    QTest::addRow("NaN initial angle: small-angle solution only") << "Teta0" << nan;
    QTest::addRow("infinite accumulated time") << "TempsCumul" << inf;
    QTest::addRow("NaN previous tick time") << "TempsPrec" << nan;
}

void TestFrmPenduleAmorti::nonFiniteStopsAndReports()
{
    QFETCH(QString, field);
    QFETCH(double, value);

    Harness h;
    h.Record();
    h.Go()->click();
    h.Tick(0.1);
    QVERIFY(h.faults.empty());

    kestrova::PenduleState& st = h.window->MutableState();
    double* const fields[] = {&st.Omega, &st.Teta, &st.Teta0, &st.TempsCumul, &st.TempsPrec};
    const QStringList names{"Omega", "Teta", "Teta0", "TempsCumul", "TempsPrec"};
    *fields[names.indexOf(field)] = value;
    const std::size_t drawn[] = {h.pendule.primitives.size(), h.oscillation[0].primitives.size(),
                                 h.oscillation[1].primitives.size(), h.phase[0].primitives.size(),
                                 h.phase[1].primitives.size()};
    h.Tick(0.1);

    QCOMPARE(h.faults.size(), std::size_t{1});
    QVERIFY(h.faults[0].contains(QStringLiteral("non finie")));
    QVERIFY(!h.Timer()->isActive());
    QVERIFY(!h.Go()->isChecked());
    QCOMPARE(WithoutMnemonic(h.Go()->text()), QStringLiteral("Lancer l'animation"));
    QCOMPARE(h.pendule.primitives.size(), drawn[0]);
    QCOMPARE(h.oscillation[0].primitives.size(), drawn[1]);
    QCOMPARE(h.oscillation[1].primitives.size(), drawn[2]);
    QCOMPARE(h.phase[0].primitives.size(), drawn[3]);
    QCOMPARE(h.phase[1].primitives.size(), drawn[4]);
    QCOMPARE(h.State().TempsPrec, 0.0); // paused
    if (field != "TempsCumul") // the time the traces reached, no more
        QCOMPARE(h.State().TempsCumul, field == "TempsPrec" ? 0.0 : 0.1);

    // The window lives on: a reset brings back a sound state that animates.
    h.Child<QPushButton>("cmdPosInit")->click();
    h.Go()->click();
    h.Tick(0.1);
    QVERIFY(h.Timer()->isActive());
    QVERIFY(std::isfinite(h.State().Teta) && std::isfinite(h.State().Omega));
    QCOMPARE(h.faults.size(), std::size_t{1});
}

void TestFrmPenduleAmorti::viewSwitch()
{
    Harness h;
    h.Record();
    auto visible = [&h] {
        return QList<bool>{h.oscillation[0].Visible(), h.phase[0].Visible(),
                           h.oscillation[1].Visible(), h.phase[1].Visible()};
    };
    QCOMPARE(visible(), (QList<bool>{true, true, true, true})); // as designed until chosen

    auto* approx = h.Child<QCheckBox>("chkApproxi");
    approx->click();
    QCOMPARE(visible(), (QList<bool>{false, false, true, true}));
    approx->click();
    QCOMPARE(visible(), (QList<bool>{true, true, false, false}));

    // Each tick applies the choice again.
    h.oscillation[1].SetVisible(true);
    h.Go()->click();
    h.Tick(0.01);
    QCOMPARE(visible(), (QList<bool>{true, true, false, false}));

    // On screen: the real boxes follow the check box.
    Harness screen;
    screen.window->show();
    screen.Child<QCheckBox>("chkApproxi")->click();
    QVERIFY(!screen.Child("picOscillation0")->isVisible());
    QVERIFY(!screen.Child("picPhase0")->isVisible());
    QVERIFY(screen.Child("picOscillation1")->isVisible());
    QVERIFY(screen.Child("picPhase1")->isVisible());
}

void TestFrmPenduleAmorti::closingEmitsUnloaded()
{
    Harness h;
    h.window->show();
    h.Go()->click();
    QSignalSpy unloaded(h.window.get(), &frmPenduleAmorti::Unloaded);
    QVERIFY(h.window->close());
    QCOMPARE(unloaded.count(), 1);
    QVERIFY(!h.Timer()->isActive());
}

QTEST_MAIN(TestFrmPenduleAmorti)
#include "tst_frm_pendule_amorti.moc"
