#include "ui/damped/frm_pendule_amorti.h"

#include "model/captions.h"
#include "model/damped_animation.h"
#include "model/parameters.h"
#include "model/plot_scales.h"
#include "model/start_from_phase_point.h"
#include "model/translatable_text.h"
#include "plot/damped_plots.h"
#include "plot/frame_pacer.h"
#include "plot/pendulum_figure.h"
#include "plot/qt_picture_box.h"
#include "plot/rotator.h"
#include "plot/twips.h"
#include "ui/accessibility/accessible_controls.h"
#include "ui/common/dialog_font.h"
#include "ui/common/form_layout.h"
#include "ui/common/translatable.h"
#include "ui/damped/damped_descriptions.h"
#include "ui/damped/phase_picker.h"
#include "ui/damped/web_link.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

namespace kestrova {

// How often the figure box reaches the screen, and its longest wait, about
// once a second: QT_LOGGING_RULES="kestrova.paint.debug=true".
Q_LOGGING_CATEGORY(lcPaint, "kestrova.paint", QtWarningMsg)

namespace {

// Client area, in twips (15 per logical pixel).
constexpr int kClientWidthTwips = 15240;
constexpr int kClientHeightTwips = 11010;

// Between two new measured values, the energy and the like are passed on
// this often (displayed time): enough for labels that a person reads.
constexpr double kMeasurementsIntervalSeconds = 0.25;

QString ToQString(const std::string& utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

/// A caption of the model with its words in the interface language.
QString CaptionText(const std::string& caption)
{
    return QCoreApplication::translate(kCaptionsContext, caption.c_str());
}

void SetVisibleIfChanged(PictureSurface* box, bool visible)
{
    if (box->Visible() != visible)
        box->SetVisible(visible);
}

} // namespace

frmPenduleAmorti::frmPenduleAmorti(HighResolutionClock& clock, QWidget* parent)
    : QWidget(parent)
    , clock_(clock)
{
    SetTranslatable(this, "windowTitle", QT_TR_NOOP("Pendule pesant amorti"));
    setFixedSize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));
    setFont(DialogFont());

    InstallAccessibleControls();
    CreateControls();
    KeepOwnPointers();
    ConnectHandlers();
    DescribeDampedControls(*this);
    if (lcPaint().isDebugEnabled())
        picPendule_->installEventFilter(this);
    reportFault_ = [this](const QString& message) {
        // Not modal to the event loop: the tick that found the fault has
        // already stopped the animation and returns at once.
        auto* box =
            new QMessageBox(QMessageBox::Warning, windowTitle(), message, QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    };
    LoadWindow();
    RetranslateOnLanguageChange(*this, [this] { Retranslate(); });
}

frmPenduleAmorti::~frmPenduleAmorti() = default;

// ---------------------------------------------------------------------------
// Controls

void frmPenduleAmorti::ConnectHandlers()
{
    for (QSlider* slider : {sldTeta0_, sldOmega0_, sldPulsation_, sldLambda_}) {
        connect(slider, &QAbstractSlider::actionTriggered, this,
                [this, slider](int) { OnSliderAction(slider); });
        connect(slider, &QAbstractSlider::valueChanged, this,
                [this, slider](int) { OnSliderValueChanged(slider); });
    }
    connect(cmdPosInit_, &QPushButton::clicked, this, [this] { ResetSimulation(); });
    connect(chkApproxi_, &QCheckBox::toggled, this, [this] { ShowChosenView(); });
    // toggled, not clicked: unchecking from code (reset, automatic stop) must
    // run the pause exactly as a click does.
    connect(chkGo_, &QPushButton::toggled, this, &frmPenduleAmorti::OnChkGoToggled);
    connect(tmrPendule_, &QTimer::timeout, this, &frmPenduleAmorti::AnimationTick);
    picker_ = new PhasePicker(
        picPhase_, [this] { return !chkGo_->isChecked(); },
        [this](Motion point, bool pressed) { PickStart(point.angle, point.speed, pressed); }, this);
    // Without tracking, moves with no button held never reach the window.
    setMouseTracking(true);
    connect(lblWeb_, &LinkLabel::Hovered, this, [this] {
        // The picture is loaded once, not on every move.
        if (handCursor_.shape() != Qt::BitmapCursor)
            handCursor_ = WebLink::HandCursor();
        setCursor(handCursor_);
    });
}

// ---------------------------------------------------------------------------
// Load, reset, small handlers

void frmPenduleAmorti::LoadWindow()
{
    WriteAxisTitles();

    // No handler runs for values set by code.
    for (const DampedParameterEntry& entry : kDampedParameters)
        SliderOf(entry.parameter)->setValue(entry.defaultPosition);

    ResetSimulation();
}

void frmPenduleAmorti::WriteAxisTitles()
{
    WriteAxisTitle(*picOrdoOsci_, QT_TR_NOOP("Angle (en degrés)"));
    WriteAxisTitle(*picOrdoPhase_, QT_TR_NOOP("Vitesse (en rad/s)"));
}

void frmPenduleAmorti::WriteAxisTitle(PictureSurface& box, const char* title)
{
    box.Scale(0, 10, 1, 0);
    FontSpec font = box.Font();
    font.Name = "Arial";
    font.Size = 11;
    font.SetBold(true);
    box.SetFont(font);
    box.SetCurrentX(0);
    box.SetCurrentY(3);

    if (!AxisTitler_)
        AxisTitler_ = std::make_unique<Rotator>();
    AxisTitler_->SetDevice(box);
    AxisTitler_->SetAngle(90);
    AxisTitler_->Label(tr(title).toStdString());
}

void frmPenduleAmorti::ResetSimulation()
{
    tmrPendule_->stop();

    SliderValues sliders;
    for (const DampedParameterEntry& entry : kDampedParameters)
        sliders[entry.parameter] = SliderOf(entry.parameter)->value();
    const Parameters parameters = ParametersFromSliders(sliders);
    state_.Teta0 = parameters.Teta0;
    state_.Omega0 = parameters.Omega0;
    state_.Pulsation2 = parameters.Pulsation2;
    state_.Lambda = parameters.Lambda;
    ShowCaptions(sliders, Derive(parameters));

    // Pauses a running animation through the toggle's own handler, which adds
    // the running time into TempsCumul; the clocks are zeroed only after it.
    // The figure is redrawn below, at the initial angle.
    chkGo_->setChecked(false);
    state_.Teta = state_.Teta0;
    state_.Omega = state_.Omega0;
    state_.Temps = 0;
    state_.TempsPrec = 0;
    state_.TempsCumul = 0;
    measurement_.Reset({state_.Teta, state_.Omega}, state_.Pulsation2);
    NotifyMeasurements(0);

    const LinearSolutionResult start =
        LinearSolution(state_.Teta0, state_.Omega0, state_.Pulsation2, state_.Lambda, 0);
    state_.TetaApprox = start.motion.angle;
    state_.OmegaApprox = start.motion.speed;
    state_.DureeTrace = start.DureeTrace;
    // The pseudo-period is shown only in the pseudo-periodic regime.
    const std::string sep = QLocale().decimalPoint().toStdString();
    SetCaption(lblPseudo_,
               start.pseudoPeriod ? ToQString(PseudoPeriodCaption(*start.pseudoPeriod, sep))
                                  : QString());
    SetCaption(lblRegime_, CaptionText(RegimeCaption(start.regime)));
    recorder_.Reset({0, {state_.Teta, state_.Omega}, start.motion}, state_.Pulsation2,
                    state_.Lambda);

    DampedSurfaces& s = surfaces_;
    s.picOscillation[0]->Cls();
    s.picOscillation[1]->Cls();

    const AmplitudeScan scan = ScanAmplitudes(state_.Teta0, state_.Omega0, state_.Pulsation2,
                                              state_.Lambda, state_.DureeTrace);
    state_.TetaMax = scan.angleScale;
    state_.OmegaMax = scan.maxSpeed;
    // The plots show a whole number of time graduations.
    state_.DureeTrace = FramedTimeSpan(state_.DureeTrace);

    s.picPendule->Scale(-10, 10, 10, -10);
    DrawPendulum(*s.picPendule, state_.Teta0);
    s.picPhase[0]->Cls();
    s.picPhase[1]->Cls();
    energyCurvesDrawn_ = energyCurves_;
    DrawDampedPlots({s.picOscillation, s.picPhase}, state_, recorder_, energyCurvesDrawn_);
}

void frmPenduleAmorti::SetEnergyCurvesShown(bool shown)
{
    if (shown == energyCurves_)
        return;
    energyCurves_ = shown;
    // No trace yet (never started since the reset, or paused before the
    // first tick): the reset redraws the plots with nothing else to change.
    if (!chkGo_->isChecked() && state_.TempsCumul == 0)
        ResetSimulation();
}

void frmPenduleAmorti::PickStart(double angle, double speed, bool always)
{
    const StartSliders picked = NearestStartSliders({angle, speed});
    if (!always && picked == StartSliders{sldTeta0_->value(), sldOmega0_->value()})
        return;
    // Set from code, the sliders run no handler: one reset for both.
    sldTeta0_->setValue(picked.Teta0Degrees);
    sldOmega0_->setValue(picked.Omega0);
    ResetSimulation();
}

void frmPenduleAmorti::OnSliderAction(QSlider* slider)
{
    // actionTriggered comes just before the slider takes the position the
    // user asked for (drag, click on the groove, keyboard, wheel); remember
    // that the coming value change is the user's. An action that leaves the
    // value as it is (an arrow key at the end of the range) brings none.
    if (slider->sliderPosition() != slider->value())
        userMovedSlider_ = slider;
}

void frmPenduleAmorti::OnSliderValueChanged(QSlider* slider)
{
    if (userMovedSlider_ != slider)
        return; // set by code: nothing to do
    userMovedSlider_ = nullptr;
    ResetSimulation();
}

void frmPenduleAmorti::ShowChosenView()
{
    const DampedSurfaces& s = surfaces_;
    if (chkApproxi_->isChecked()) {
        SetVisibleIfChanged(s.picOscillation[0], false);
        SetVisibleIfChanged(s.picPhase[0], false);
        SetVisibleIfChanged(s.picOscillation[1], true);
        SetVisibleIfChanged(s.picPhase[1], true);
    } else {
        SetVisibleIfChanged(s.picOscillation[0], true);
        SetVisibleIfChanged(s.picPhase[0], true);
        SetVisibleIfChanged(s.picOscillation[1], false);
        SetVisibleIfChanged(s.picPhase[1], false);
    }
}

void frmPenduleAmorti::closeEvent(QCloseEvent* event)
{
    tmrPendule_->stop();
    QWidget::closeEvent(event);
    emit Unloaded();
}

void frmPenduleAmorti::mouseMoveEvent(QMouseEvent* event)
{
    // A move that a control ignored is passed on to the window too; only the
    // bare surface resets the pointer.
    if (childAt(event->position().toPoint()) == nullptr)
        unsetCursor();
    QWidget::mouseMoveEvent(event);
}

bool frmPenduleAmorti::eventFilter(QObject* watched, QEvent* event)
{
    // Installed on the figure box only when kestrova.paint is enabled.
    if (watched == picPendule_ && event->type() == QEvent::Paint) {
        const bool first = !paintClock_.isValid();
        if (first)
            paintClock_.start();
        const qint64 now = paintClock_.elapsed();
        if (!first) {
            longestPaintGapMs_ = std::max(longestPaintGapMs_, now - lastPaintMs_);
            ++paintCount_;
        }
        lastPaintMs_ = now;
        if (now >= 1000) {
            qCDebug(lcPaint, "picPendule: %d paints in %lld ms, longest gap %lld ms", paintCount_,
                    static_cast<long long>(now), static_cast<long long>(longestPaintGapMs_));
            paintClock_.start(); // this paint opens the next count
            lastPaintMs_ = 0;
            longestPaintGapMs_ = 0;
            paintCount_ = 0;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------
// Animation

void frmPenduleAmorti::OnChkGoToggled(bool checked)
{
    state_.TempsPrec = 0;
    if (checked) {
        chkGo_->setText(tr(kPauseCaption));
        simulatedTime_.Start();
        // Temps belongs to the run that has just ended: a pause arriving
        // before this run's first tick must not add it to TempsCumul again.
        state_.Temps = 0;
        // Once a screen frame: more often would draw what nobody sees; the
        // samples keep the traces as fine as a millisecond tick would.
        tmrPendule_->start(FramePacer::FrameIntervalMs(screen()));
    } else {
        chkGo_->setText(tr(kStartCaption));
        state_.TempsCumul += state_.Temps;
        tmrPendule_->stop();
        emit MeasurementsChanged();
        FinishTraces();
    }
    picker_->UpdatePointer();
}

void frmPenduleAmorti::SetSlowMotion(double speed)
{
    simulatedTime_.SetSpeed(speed, chkGo_->isChecked());
}

void frmPenduleAmorti::AnimationTick()
{
    ShowChosenView();

    const AnimationStep step = AdvanceAnimation(state_, simulatedTime_.Now(), samples_);
    if (!step.finite) {
        StopOnFault();
        return;
    }
    Measure(step);
    DrawStep(step, false);
    if (step.atRest) {
        // Shown hanging straight down; Teta keeps its residual value.
        DrawPendulum(*surfaces_.picPendule, 0);
        chkGo_->setChecked(false);
        tmrPendule_->stop();
    }
    ShowFrameNow();
}

void frmPenduleAmorti::NextStep()
{
    if (chkGo_->isChecked())
        return;
    ShowChosenView();
    // A tick of its own from where the traces stopped, then folded into
    // TempsCumul as a pause would: the next start goes on from there.
    const AnimationStep step =
        AdvanceAnimation(state_, state_.TempsPrec + kNextStepSeconds, samples_);
    if (!step.finite) {
        StopOnFault();
        return;
    }
    Measure(step);
    DrawStep(step, true);
    tracing_ = false;
    state_.TempsCumul += state_.Temps;
    state_.Temps = 0;
    state_.TempsPrec = 0;
    ShowFrameNow();
}

void frmPenduleAmorti::DrawStep(const AnimationStep& step, bool toTheEnd)
{
    DrawPendulum(*surfaces_.picPendule, step.next.angle);
    if (!tracing_) {
        traceDrawnTo_ = step.samples.front();
        tracing_ = true;
    }
    // From whole millisecond to whole millisecond, whatever the pace of the
    // frames: the traces come out as millisecond ticks would draw them. The
    // piece to where a tick happened to end waits for the next tick.
    const std::size_t last = step.samples.size() - 1;
    for (std::size_t k = 1; k <= last; ++k) {
        if (k == last && !step.endsOnGrid && !toTheEnd)
            break;
        DrawSegment(traceDrawnTo_, step.samples[k]);
        traceDrawnTo_ = step.samples[k];
    }
    traceEnd_ = step.samples.back();
}

void frmPenduleAmorti::FinishTraces()
{
    if (tracing_ && traceDrawnTo_.time < traceEnd_.time)
        DrawSegment(traceDrawnTo_, traceEnd_);
    tracing_ = false;
}

void frmPenduleAmorti::DrawSegment(const TraceSample& from, const TraceSample& to)
{
    DrawDampedSegment({surfaces_.picOscillation, surfaces_.picPhase}, from, to);
}

void frmPenduleAmorti::ShowFrameNow()
{
    FramePacer* pacer = FramePacer::Instance();
    if (pacer != nullptr)
        pacer->ShowFrame();
    if (chkGo_->isChecked())
        tmrPendule_->start(pacer != nullptr ? pacer->MillisecondsToNextFrame()
                                            : FramePacer::FrameIntervalMs(screen()));
}

void frmPenduleAmorti::Measure(const AnimationStep& step)
{
    // Every sample but the first, which the previous step already gave.
    bool measured = false;
    for (std::size_t k = 1; k < step.samples.size(); ++k) {
        const TraceSample& sample = step.samples[k];
        measured = measurement_.Add(sample.time, sample.exact) || measured;
        recorder_.Add(sample);
    }
    if (measured || step.time >= measurementsDue_)
        NotifyMeasurements(step.time);
}

void frmPenduleAmorti::NotifyMeasurements(double time)
{
    measurementsDue_ = time + kMeasurementsIntervalSeconds;
    emit MeasurementsChanged();
}

void frmPenduleAmorti::StopOnFault()
{
    // Nothing of this tick is drawn or kept: the figure and the traces stay
    // as the last sound tick left them.
    tmrPendule_->stop();
    tracing_ = false; // the piece the last sound tick left waiting is not drawn either
    chkGo_->setChecked(false);
    if (reportFault_)
        reportFault_(
            tr("Le calcul du mouvement a donné une valeur non finie : l'animation est arrêtée.\n"
               "Cliquez sur « Position initiale » ou changez un paramètre pour repartir."));
}

} // namespace kestrova
