// The damped-pendulum window on a fake clock and recording surfaces: captions,
// the start/pause session, the automatic stop, the fault guard, the Greek
// letters, the pointers and what screen readers announce.

#include "ui/common/dialog_font.h"
#include "ui/damped/frm_pendule_amorti.h"

#include "clock/high_resolution_clock.h"
#include "plot/qt_picture_box.h"
#include "resources/resource_paths.h"
#include "tests/support/recording_surface.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QSvgRenderer>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <limits>
#include <memory>
#include <tuple>
#include <utility>

using namespace kestrova;
using namespace kestrova::testing;

namespace {

/// A window on a fake clock, drawing on recording surfaces.
struct Harness {
    explicit Harness(const QList<int>& sliders = {})
    {
        clock.ReadFrequency();
        window = std::make_unique<frmPenduleAmorti>(clock);
        window->SetFaultReporter([this](const QString& message) { faults << message; });
        window->SetSurfaces({&pendule, {&osc[0], &osc[1]}, {&phase[0], &phase[1]}});
        Apply(sliders);
    }
    /// Sets the sliders from code (θ0, ω0, ω₀, λ), then "Position initiale".
    void Apply(const QList<int>& sliders)
    {
        const char* names[] = {"sldTeta0", "sldOmega0", "sldPulsation", "sldLambda"};
        for (int i = 0; i < sliders.size(); ++i)
            Child<QSlider>(names[i])->setValue(sliders[i]);
        Child<QPushButton>("cmdPosInit")->click();
    }
    template <typename T = QWidget>
    T* Child(const char* name) const
    {
        return window->findChild<T*>(QLatin1String(name));
    }
    QPushButton* Go() const { return Child<QPushButton>("chkGo"); }
    void Tick(double seconds) { source.AdvanceSeconds(seconds), window->AnimationTick(); }
    static QList<QLineF> Red(const RecordingSurface& s) // in drawing order
    {
        QList<QLineF> out;
        for (const Primitive& p : s.primitives)
            if (p.kind == PrimitiveKind::Line && p.colour == Rgb(255, 0, 0))
                out << QLineF(p.x1, p.y1, p.x2, p.y2);
        return out;
    }

    FakeCounterSource source{1'000'000'000};
    HighResolutionClock clock{source};
    std::unique_ptr<frmPenduleAmorti> window;
    QStringList faults;
    RecordingSurface pendule{433, 433};
    RecordingSurface osc[2]{RecordingSurface(344, 320), RecordingSurface(344, 320)};
    RecordingSurface phase[2]{RecordingSurface(464, 320), RecordingSurface(464, 320)};
};

void MoveOver(QWidget* target, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

} // namespace

class TestFrmPenduleAmorti : public QObject {
    Q_OBJECT

private slots:
    // The user's decimal separator (in the graduations too), the regime
    // names, and λ = 0 giving an infinite quality factor and relaxation
    // time, never the values shown before, on screen and in the printout
    // (Q τ T regime).
    void captions()
    {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        Harness h;
        using Row = std::pair<QList<int>, QString>;
        for (const auto& [sliders, expected] :
             {Row{{45, -3, 10, 100}, "0,500|0,500||Régime critique"},
              Row{{45, 0, 10, 101}, "0,495|0,495||Régime apériodique"},
              Row{{45, 0, 40, 0}, "∞|∞|1,571 s|Régime pseudo-périodique"}}) {
            h.pendule.ClearRecord();
            h.Apply(sliders);
            QVERIFY(h.pendule.primitives.size() > 1); // the figure drawn again, not only erased
            QStringList shown;
            for (const char* label : {"lblQualite", "lblRelax", "lblPseudo", "lblRegime"})
                shown << h.Child<QLabel>(label)->text();
            QCOMPARE(shown.join('|'), expected);
            QVERIFY(h.window->Captions().contains("Q : facteur de qualité : " + shown[0]));
        }
        h.Apply({1, 0, 40, 22}); // the phase portrait's speeds in hundredths
        QVERIFY(std::any_of(h.phase[0].primitives.begin(), h.phase[0].primitives.end(),
                            [](const Primitive& p) { return p.text == "0,05"; }));
    }

    // Each slider as its parameter is described: range and start position,
    // its caption after one step, and that caption under the slider's title
    // in the printout, which lists every value under its title.
    void parameterRowsAndPrintout()
    {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        Harness h;
        QCOMPARE(h.window->Captions(),
                 QStringList({"Angle initial : 45°", "Vitesse initiale : 0 rad/s",
                              "Pulsation propre : 4,0 rad/s", "Coefficient d'amortissement : 0,22",
                              "Durée de relaxation : 2,273", "Pseudo-période : 1,573 s",
                              "Q : facteur de qualité : 9,091", "Régime pseudo-périodique"}));
        using Row = std::tuple<const char*, const char*, QList<int>, QString>;
        for (const auto& [slider, caption, rangeAndStart, printed] :
             {Row{"sldTeta0", "lblteta0", {0, 180, 45}, "Angle initial : 46°"},
              Row{"sldOmega0", "lblOmega0", {-10, 10, 0}, "Vitesse initiale : 1 rad/s"},
              Row{"sldPulsation", "lblPulsation", {1, 200, 40}, "Pulsation propre : 4,1 rad/s"},
              Row{"sldLambda", "lblLambda", {0, 500, 22}, "Coefficient d'amortissement : 0,23"}}) {
            auto* s = h.Child<QSlider>(slider);
            QCOMPARE(QList<int>({s->minimum(), s->maximum(), s->value()}), rangeAndStart);
            s->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            QVERIFY2(printed.endsWith(" " + h.Child<QLabel>(caption)->text()), slider);
            QVERIFY2(h.window->Captions().contains(printed), slider);
            s->triggerAction(QAbstractSlider::SliderSingleStepSub);
        }
    }

    // Segments continue without a gap over a pause; a pause before the first
    // tick after a resume adds nothing; paused time does not count; starting
    // and resuming draw no frame again over the traces; the reset stops and
    // zeroes the clocks. A value that turns non-finite stops the
    // animation, is reported, draws nothing and counts only the time drawn.
    void startPauseResumeResetAndFault()
    {
        Harness h({30, -3, 40, 22});
        const auto framed = [&h] {
            std::size_t n = 0;
            for (const RecordingSurface* s : {&h.osc[0], &h.osc[1], &h.phase[0], &h.phase[1]})
                n += std::count_if(s->primitives.begin(), s->primitives.end(),
                                   [](const Primitive& p) { return p.colour == 0; });
            return n;
        };
        const std::size_t frames = framed();
        h.Go()->click();
        h.Tick(0.02);
        const PenduleState& st = h.window->Run().State();
        QCOMPARE(Harness::Red(h.phase[1]).value(0).p1(), QPointF(30 * DegToRad, -3));
        QCOMPARE(Harness::Red(h.phase[1]).constLast().p2(), QPointF(st.Teta, st.Omega));
        h.Tick(0.1);
        h.Go()->click(), h.Go()->click(); // paused and resumed at once
        h.source.AdvanceSeconds(0.0005);
        h.Go()->click();
        QCOMPARE(st.TempsCumul, 0.12);
        h.source.AdvanceSeconds(7);
        h.Go()->click();
        h.Tick(0.05);
        QCOMPARE(st.TempsCumul + st.Temps, 0.17);
        for (const RecordingSurface* s : {&h.osc[0], &h.osc[1], &h.phase[0], &h.phase[1]}) {
            const QList<QLineF> red = Harness::Red(*s);
            QCOMPARE(red.size(), 170); // a segment per millisecond
            for (qsizetype k = 1; k < red.size(); ++k)
                QCOMPARE(red[k].p1(), red[k - 1].p2());
        }
        QCOMPARE(Harness::Red(h.osc[0]).constLast().x2(), 0.17);
        QCOMPARE(framed(), frames);

        // The reset of a running animation is told once, of the run already reset.
        QVERIFY(h.Go()->isChecked());
        QStringList told;
        QObject::connect(h.window.get(), &frmPenduleAmorti::MeasurementsChanged, [&] {
            const DampedRun& run = h.window->Run();
            told << QStringLiteral("%1 %2 %3")
                        .arg(run.Running())
                        .arg(run.Time())
                        .arg(run.Measurement().Empty());
        });
        h.Child<QPushButton>("cmdPosInit")->click();
        QCOMPARE(told, QStringList{"0 0 1"});
        QVERIFY(!h.Go()->isChecked());
        QCOMPARE(QList<double>({st.Temps, st.TempsPrec, st.TempsCumul}), QList<double>({0, 0, 0}));
        QCOMPARE(st.Teta, st.Teta0);

        h.Go()->click();
        h.Tick(0.1);
        h.window->SetSlowMotion(std::numeric_limits<double>::quiet_NaN()); // the clock goes wrong
        const auto drawn = h.osc[0].primitives.size() + h.pendule.primitives.size();
        h.Tick(0.1);
        QVERIFY(h.faults.size() == 1 && h.faults[0].contains(QStringLiteral("non finie")));
        QVERIFY(!h.Go()->isChecked());
        QCOMPARE(h.osc[0].primitives.size() + h.pendule.primitives.size(), drawn);
        QCOMPARE(st.TempsCumul, 0.1);
    }

    // A damped pendulum at rest stops ten seconds of simulated time after the
    // start or the last resume (a pause at 8 s: at 18 s), in slow motion too;
    // an undamped one never stops.
    void automaticStop()
    {
        for (const auto& [lambda, pauseAt, stopAfter, speed] :
             {std::tuple{22, -1.0, 10.0, 1.0}, std::tuple{22, 8.0, 18.0, 1.0},
              std::tuple{0, -1.0, -1.0, 1.0}, std::tuple{22, -1.0, 10.0, 0.25}}) {
            Harness h({0, 0, 40, lambda});
            h.window->SetSlowMotion(speed);
            h.Go()->click();
            double stoppedAt = -1;
            for (int i = 1; i <= 200 && stoppedAt < 0; ++i) {
                h.Tick(0.25);
                if (!h.Go()->isChecked())
                    stoppedAt = i * 0.25;
                else if (i * 0.25 == pauseAt)
                    h.Go()->click(), h.Go()->click();
            }
            QCOMPARE(stoppedAt, stopAfter < 0 ? -1.0 : stopAfter / speed + 0.25);
            // The pause was taken: its time is in TempsCumul.
            QCOMPARE(h.window->Run().State().TempsCumul, stopAfter < 0 ? 0.0 : stoppedAt * speed);
        }
    }

    // At ×1/8, 8 s of frames advance the motion by 1 s; back to normal speed
    // while running, nothing is lost. "Pas suivant" does nothing while the
    // motion runs; paused, it advances it by 10 ms, drawn on the figure and
    // both plots, without starting it, and a resume goes on from there.
    void slowMotionAndNextStep()
    {
        Harness h({30, 0, 40, 22});
        const PenduleState& st = h.window->Run().State();
        h.window->SetSlowMotion(0.125);
        h.Go()->click();
        for (int k = 0; k < 8 * 60; ++k)
            h.Tick(1.0 / 60);
        QVERIFY2(std::abs(st.TempsCumul + st.Temps - 1) <= 0.02,
                 qPrintable(QString::number(st.Temps)));
        h.window->SetSlowMotion(1);
        h.Tick(0.5);
        h.window->NextStep();
        QVERIFY(std::abs(st.TempsCumul + st.Temps - 1.5) < 1e-6);

        h.Go()->click();
        for (RecordingSurface* s : {&h.pendule, &h.osc[0], &h.phase[1]})
            s->ClearRecord();
        const double paused = st.TempsCumul;
        h.window->NextStep();
        QVERIFY(!h.Go()->isChecked() && !h.Child<QTimer>("tmrPendule")->isActive());
        QCOMPARE(st.TempsCumul, paused + 0.010);
        QVERIFY(!h.pendule.primitives.empty() && Harness::Red(h.phase[1]).size() == 10);
        const QPointF stepped(paused + 0.010, st.Teta);
        QCOMPARE(Harness::Red(h.osc[0]).constLast().p2(), stepped);
        h.Go()->click();
        h.Tick(0.001);
        QCOMPARE(Harness::Red(h.osc[0]).constLast().p1(), stepped);
    }

    // The same 3 s drawn at the pace of uneven screen frames (one missed) and
    // by millisecond ticks: the traces pass through the same instants, so the
    // pictures differ at most where a frame split a millisecond segment.
    void framePacedTracesMatchMillisecondTicks()
    {
        constexpr std::int64_t kEnd = 3'000'000'000;
        const std::int64_t frames[] = {16'666'667, 16'200'000, 17'300'000, 33'400'000};
        QList<QImage> pictures[2];
        for (int run = 0; run < 2; ++run) {
            FakeCounterSource source;
            HighResolutionClock clock{source};
            clock.ReadFrequency();
            frmPenduleAmorti window(clock);
            window.findChild<QPushButton*>(QStringLiteral("chkGo"))->click();
            for (std::int64_t t = 0, k = 0; t < kEnd; ++k) {
                t = std::min(kEnd, t + (run == 0 ? 1'000'000 : frames[k % 4]));
                source.SetCount(t);
                window.AnimationTick();
            }
            for (const char* name : {"picOscillation1", "picPhase1"})
                pictures[run] << window.findChild<PictureBox*>(QLatin1String(name))->Picture();
        }
        int differing = 0;
        for (qsizetype i = 0; i < pictures[0].size(); ++i) {
            const QImage& a = pictures[0][i];
            const QImage& b = pictures[1][i];
            QCOMPARE(a.size(), b.size());
            for (int y = 0; y < a.height(); ++y)
                for (int x = 0; x < a.width(); ++x)
                    differing += a.pixel(x, y) != b.pixel(x, y);
        }
        qInfo("pixels that differ: %d", differing);
        QVERIFY2(differing <= 10, qPrintable(QString::number(differing)));
    }

    // After a visit to the link the window shows the hand, and so do the
    // labels; every other control keeps its own pointer. A move over the bare
    // window surface brings the default pointer back. The Greek letters are
    // larger than the dialog text, and a screen reader announces at least
    // what a frame shows.
    void pointerFontsAndNames()
    {
        Harness h;
        MoveOver(h.Child("lblWeb"), QPoint(2, 2));
        QCOMPARE(h.window->cursor().shape(), Qt::BitmapCursor);
        for (const char* label : {"Label15", "lblteta0", "Label4"})
            QCOMPARE(h.Child(label)->cursor().shape(), Qt::BitmapCursor);
        for (const char* control :
             {"sldTeta0", "chkGo", "cmdPosInit", "chkApproxi", "picOscillation1"})
            QCOMPARE(h.Child(control)->cursor().shape(), Qt::ArrowCursor);
        MoveOver(h.window.get(), h.Child("Label15")->geometry().center()); // passed on by a label
        QCOMPARE(h.window->cursor().shape(), Qt::BitmapCursor);
        MoveOver(h.window.get(), QPoint(5, 5));
        QCOMPARE(h.window->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(h.window->font(), DialogFont());
        for (const char* name : {"Label12", "Label13", "Label10", "Label9", "Label11"})
            QCOMPARE(h.Child<QLabel>(name)->font().pointSizeF(), 9.75);
        for (QGroupBox* frame : h.window->findChildren<QGroupBox*>())
            QVERIFY(frame->accessibleName().contains(frame->title().remove(':').trimmed()));
    }

    // The toggle reads in the window's font, as "Position initiale" does,
    // and both its captions fit; no value caption touches its slider.
    void controlsFitAndKeepClear()
    {
        Harness h;
        QCOMPARE(h.Go()->font(), h.Child<QPushButton>("cmdPosInit")->font());
        for (int clicks = 0; clicks < 2; ++clicks, h.Go()->click())
            QVERIFY2(h.Go()->sizeHint().width() <= h.Go()->width(), qPrintable(h.Go()->text()));
        for (const auto& [slider, caption] : {std::pair{"sldTeta0", "lblteta0"},
                                              {"sldOmega0", "lblOmega0"},
                                              {"sldPulsation", "lblPulsation"},
                                              {"sldLambda", "lblLambda"}})
            QVERIFY2(h.Child(caption)->x() > h.Child(slider)->geometry().right() + 2, caption);
    }

    // The natural pulsation in the equation is an omega, not a varpi: no bar
    // over the middle of the letter after the second "+".
    void equationWritesOmega()
    {
        constexpr int kScale = 4;
        QImage image(QSize(kEquationPictureWidth, kEquationPictureHeight) * kScale,
                     QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        QSvgRenderer(QString::fromLatin1(kEquationPicturePath)).render(&painter);
        painter.end();
        const auto ink = [&](QRect area) {
            int sum = 0;
            for (int y = area.top() * kScale; y <= area.bottom() * kScale; ++y)
                for (int x = area.left() * kScale; x <= area.right() * kScale; ++x)
                    sum += qAlpha(image.pixel(x, y));
            return sum;
        };
        QVERIFY(ink({224, 28, 24, 3}) > 0); // the letter is there
        QCOMPARE(ink({232, 15, 6, 1}), 0);
    }
};

QTEST_MAIN(TestFrmPenduleAmorti)
#include "tst_frm_pendule_amorti.moc"
