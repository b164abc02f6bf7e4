// The damped-pendulum window on a fake clock and recording surfaces: captions,
// the start/pause session, the automatic stop, the fault guard, the Greek
// letters, the pointers and what screen readers announce.

#include "ui/common/dialog_font.h"
#include "ui/damped/frm_pendule_amorti.h"

#include "clock/high_resolution_clock.h"
#include "tests/support/recording_surface.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

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
    // The user's decimal separator, the regime names, and λ = 0 keeping the
    // quality factor and relaxation time shown before (Q τ T regime).
    void captions()
    {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        Harness h;
        using Row = std::pair<QList<int>, QString>;
        for (const auto& [sliders, expected] :
             {Row{{45, -3, 10, 100}, "0,500|0,500||Régime critique"},
              Row{{45, 0, 10, 101}, "0,495|0,495||Régime apériodique"},
              Row{{45, 0, 40, 0}, "0,495|0,495|1,571 s|Régime pseudo-périodique"}}) {
            h.pendule.ClearRecord();
            h.Apply(sliders);
            QVERIFY(h.pendule.primitives.size() > 1); // the figure drawn again, not only erased
            QStringList shown;
            for (const char* label : {"lblQualite", "lblRelax", "lblPseudo", "lblRegime"})
                shown << h.Child<QLabel>(label)->text();
            QCOMPARE(shown.join('|'), expected);
        }
    }

    // Segments continue without a gap over a pause; a pause before the first
    // tick after a resume adds nothing; paused time does not count; the reset
    // stops and zeroes the clocks. A value that turns non-finite stops the
    // animation, is reported, draws nothing and counts only the time drawn.
    void startPauseResumeResetAndFault()
    {
        Harness h({30, -3, 40, 22});
        h.Go()->click();
        h.Tick(0.02);
        const PenduleState& st = h.window->State();
        QCOMPARE(Harness::Red(h.phase[1]).value(0), QLineF(30 * DegToRad, -3, st.Teta, st.Omega));
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
            QCOMPARE(red.size(), 3);
            QCOMPARE(red[2].p1(), red[1].p2());
        }
        QCOMPARE(Harness::Red(h.osc[0])[2].x2(), 0.17);

        h.Child<QPushButton>("cmdPosInit")->click();
        QVERIFY(!h.Go()->isChecked());
        QCOMPARE(QList<double>({st.Temps, st.TempsPrec, st.TempsCumul}), QList<double>({0, 0, 0}));
        QCOMPARE(st.Teta, st.Teta0);

        h.Go()->click();
        h.Tick(0.1);
        h.window->MutableState().Omega = std::numeric_limits<double>::quiet_NaN();
        const auto drawn = h.osc[0].primitives.size() + h.pendule.primitives.size();
        h.Tick(0.1);
        QVERIFY(h.faults.size() == 1 && h.faults[0].contains(QStringLiteral("non finie")));
        QVERIFY(!h.Go()->isChecked());
        QCOMPARE(h.osc[0].primitives.size() + h.pendule.primitives.size(), drawn);
        QCOMPARE(st.TempsCumul, 0.1);
    }

    // A damped pendulum at rest stops ten seconds after the start or the
    // last resume (a pause at 8 s: at 18 s); an undamped one never stops.
    void automaticStop()
    {
        for (const auto& [lambda, pauseAt, stopAfter] :
             {std::tuple{22, -1.0, 10.0}, std::tuple{22, 8.0, 18.0}, std::tuple{0, -1.0, -1.0}}) {
            Harness h({0, 0, 40, lambda});
            h.Go()->click();
            double stoppedAt = -1;
            for (int i = 1; i <= 200 && stoppedAt < 0; ++i) {
                h.Tick(0.25);
                if (!h.Go()->isChecked())
                    stoppedAt = i * 0.25;
                else if (i * 0.25 == pauseAt)
                    h.Go()->click(), h.Go()->click();
            }
            QCOMPARE(stoppedAt, stopAfter < 0 ? -1.0 : stopAfter + 0.25);
            // The pause was taken: its time is in TempsCumul.
            QCOMPARE(h.window->State().TempsCumul, stopAfter < 0 ? 0.0 : stoppedAt);
        }
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
};

QTEST_MAIN(TestFrmPenduleAmorti)
#include "tst_frm_pendule_amorti.moc"
