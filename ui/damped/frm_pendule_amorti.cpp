#include "ui/damped/frm_pendule_amorti.h"

#include "model/captions.h"
#include "model/damped_parameters.h"
#include "model/start_from_phase_point.h"
#include "model/translatable_text.h"
#include "plot/pendulum_figure.h"
#include "plot/qt_picture_box.h"
#include "plot/qt_utf8.h"
#include "plot/rotator.h"
#include "plot/twips.h"
#include "ui/accessibility/accessible_controls.h"
#include "ui/common/dialog_font.h"
#include "ui/common/form_layout.h"
#include "ui/common/translatable.h"
#include "ui/damped/damped_descriptions.h"
#include "ui/damped/paint_gap_log.h"
#include "ui/damped/phase_picker.h"
#include "ui/damped/web_link.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include <string>
#include <utility>

namespace kestrova {

namespace {

// Client area, in twips (15 per logical pixel).
constexpr int kClientWidthTwips = 15240;
constexpr int kClientHeightTwips = 11010;

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
    , simulatedTime_(clock)
{
    SetTranslatable(this, "windowTitle", QT_TR_NOOP("Pendule pesant amorti"));
    setFixedSize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));
    setFont(DialogFont());

    InstallAccessibleControls();
    CreateControls();
    KeepOwnPointers();
    ConnectHandlers();
    DescribeDampedControls(*this);
    PaintGapLog::Watch(boxes_.picPendule, QStringLiteral("picPendule"));
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
    for (QSlider* slider : setupControls_.sliders) {
        connect(slider, &QAbstractSlider::actionTriggered, this,
                [this, slider](int) { OnSliderAction(slider); });
        connect(slider, &QAbstractSlider::valueChanged, this,
                [this, slider](int) { OnSliderValueChanged(slider); });
        connect(slider, &QAbstractSlider::sliderPressed, this, [this] { BeginUndoStep(); });
    }
    connect(commands_.cmdPosInit, &QPushButton::clicked, this, [this] {
        BeginUndoStep();
        ResetKeepingUndo();
    });
    connect(commands_.chkApproxi, &QCheckBox::toggled, this, [this] {
        ShowChosenView();
        emit SetupChanged();
    });
    // toggled, not clicked: whatever moves the toggle starts or pauses the
    // run. The window moves it itself only to follow the run (ShowRunning),
    // with its signals blocked.
    connect(commands_.chkGo, &QPushButton::toggled, this, &frmPenduleAmorti::OnChkGoToggled);
    connect(tmrPendule_, &QTimer::timeout, this, &frmPenduleAmorti::AnimationTick);
    picker_ = new PhasePicker(
        boxes_.picPhase, [this] { return !run_.Running(); },
        [this](Motion point, bool pressed) { PickStart(point.angle, point.speed, pressed); }, this);
    // Without tracking, moves with no button held never reach the window.
    setMouseTracking(true);
    connect(commands_.lblWeb, &LinkLabel::Hovered, this, [this] {
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
    WriteAxisTitle(*boxes_.picOrdoOsci, QT_TR_NOOP("Angle (en degrés)"));
    WriteAxisTitle(*boxes_.picOrdoPhase, QT_TR_NOOP("Vitesse (en rad/s)"));
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

SliderValues frmPenduleAmorti::ReadSetup() const
{
    SliderValues setup;
    for (const DampedParameterEntry& entry : kDampedParameters)
        setup[entry.parameter] = SliderOf(entry.parameter)->value();
    return setup;
}

void frmPenduleAmorti::ResetSimulation()
{
    // The run pauses and resets in one go: the Mesures panel hears of the
    // new run only, once it is reset.
    run_.Reset(ReadSetup());
    shown_.tracing = false; // the plots are cleared below: no piece is left to draw
    ShowRunning();
    ShowCaptions();
    NotifyMeasurements(0);
    surfaces_.picPendule->Scale(-10, 10, 10, -10);
    DrawPendulum(*surfaces_.picPendule, run_.State().Teta0);
    DrawWholePlots();
    emit RunMoved();
    emit SetupChanged();
}

DampedWindowSetup frmPenduleAmorti::Setup() const
{
    return {run_.Setup(), commands_.chkApproxi->isChecked(), energyCurvesShown_,
            simulatedTime_.Speed()};
}

void frmPenduleAmorti::ApplySetup(const DampedWindowSetup& setup)
{
    // Set from code, the sliders run no handler: one reset for all of them.
    for (const DampedParameterEntry& entry : kDampedParameters)
        SliderOf(entry.parameter)->setValue(setup.sliders[entry.parameter]);
    commands_.chkApproxi->setChecked(setup.smallAngle);
    energyCurvesShown_ = setup.energyCurves;
    SetSlowMotion(setup.speed);
    ResetSimulation();
}

void frmPenduleAmorti::ShowCaptions()
{
    const SetupControls& c = setupControls_;
    const SliderValues& setup = run_.Setup();
    const std::string sep = QLocale().decimalPoint().toStdString();
    for (const DampedParameterEntry& entry : kDampedParameters) {
        const int position = setup[entry.parameter];
        SetCaption(CaptionOf(entry.parameter),
                   FromUtf8(ValueCaption(entry, ValueAt(entry, position), sep)));
    }
    const DerivedQuantities& derived = run_.Derived();
    SetCaption(c.lblQualite, FromUtf8(QualityCaption(derived.qualityFactor, sep)));
    SetCaption(c.lblRelax, FromUtf8(RelaxationCaption(derived.relaxationTime, sep)));
    // The pseudo-period is shown only in the pseudo-periodic regime.
    const LinearSolutionResult& start = run_.SmallAngleStart();
    SetCaption(c.lblPseudo,
               start.pseudoPeriod ? FromUtf8(PseudoPeriodCaption(*start.pseudoPeriod, sep))
                                  : QString());
    SetCaption(c.lblRegime, CaptionText(RegimeCaption(start.regime)));
}

void frmPenduleAmorti::SetEnergyCurvesShown(bool shown)
{
    if (shown == energyCurvesShown_)
        return;
    energyCurvesShown_ = shown;
    // At once, whether the run has traces or not: the plots are drawn again
    // whole, the traces from the run's recording, and a running animation
    // goes on drawing where it was.
    DrawWholePlots();
    emit SetupChanged();
}

void frmPenduleAmorti::PickStart(double angle, double speed, bool always)
{
    const StartSliders picked = NearestStartSliders({angle, speed});
    QSlider* teta0 = SliderOf(DampedParameter::Teta0);
    QSlider* omega0 = SliderOf(DampedParameter::Omega0);
    if (!always && picked == StartSliders{teta0->value(), omega0->value()})
        return;
    // Set from code, the sliders run no handler: one reset for both.
    teta0->setValue(picked.Teta0Degrees);
    omega0->setValue(picked.Omega0);
    if (always) // the press: a drag that follows belongs to the same step
        BeginUndoStep();
    ResetKeepingUndo();
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
    // A drag of the handle is one step from its press; a key, a click on
    // the groove or the wheel each make one.
    if (!slider->isSliderDown())
        BeginUndoStep();
    ResetKeepingUndo();
}

void frmPenduleAmorti::ShowChosenView()
{
    const DampedSurfaces& s = surfaces_;
    if (commands_.chkApproxi->isChecked()) {
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

} // namespace kestrova
