#include "ui/driven/frm_pendule_force.h"

#include "plot/frame_pacer.h"
#include "plot/qt_colour.h"
#include "plot/qt_picture_box.h"
#include "ui/accessibility/accessible_controls.h"
#include "ui/common/dialog_font.h"
#include "ui/common/form_layout.h"
#include "ui/common/translatable.h"
#include "ui/driven/driven_analysis.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

namespace kestrova {

namespace {

constexpr int kClientWidthTwips = 13920;
constexpr int kClientHeightTwips = 9540;
constexpr int kRowTwips = 420;
constexpr int kFieldsTopTwips = 4440;
constexpr const char* kStartCaption =
    QT_TRANSLATE_NOOP("kestrova::frmPenduleForce", "Lancer l'&animation");
constexpr const char* kPauseCaption =
    QT_TRANSLATE_NOOP("kestrova::frmPenduleForce", "Suspendre l'&animation");

} // namespace

frmPenduleForce::frmPenduleForce(HighResolutionClock& clock, QWidget* parent)
    : QWidget(parent)
    , simulatedTime_(clock)
{
    SetTranslatable(this, "windowTitle", QT_TR_NOOP("Pendule forcé"));
    setFont(DialogFont());
    setFixedSize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));
    InstallAccessibleControls();
    CreateControls();
    DescribeControls();
    ConnectHandlers();
    ApplySetup(kDrivenPresets[0].setup);
    RetranslateOnLanguageChange(*this, [this] {
        DescribeControls();
        ShowRunning();
        DrawWholePlots();
        ShowReadout();
    });
}

frmPenduleForce::~frmPenduleForce()
{
    tmrPendule_->stop();
    delete analysis_.data();
}

void frmPenduleForce::CreateControls()
{
    const Colour back = ToColour(palette().color(QPalette::Base));
    const Colour text = ToColour(palette().color(QPalette::Text));
    auto addPictureBox = [&](const char* name, TwipsBox place) {
        auto* box = new PictureBox(this);
        box->setObjectName(QLatin1String(name));
        box->SetLeft(place.left);
        box->SetTop(place.top);
        box->SetWidth(place.width);
        box->SetHeight(place.height);
        box->SetBackColor(back);
        box->SetForeColor(text);
        box->Cls();
        return box;
    };
    picPendule_ = addPictureBox("picPendule", {120, 120, 4200, 4200});
    picOscillation_ = addPictureBox("picOscillation", {4440, 120, 9360, 4200});
    picPhase_ = addPictureBox("picPhase", {4440, 4440, 6300, 4980});

    for (std::size_t i = 0; i < kDrivenParameterCount; ++i) {
        const DrivenParameterEntry& entry = kDrivenParameters[i];
        const int top = kFieldsTopTwips + static_cast<int>(i) * kRowTwips;
        titles_[i] = new QLabel(this);
        SetTranslatable(titles_[i], "text", entry.title);
        titles_[i]->setGeometry(TwipsRect({120, top + 30, 2700, 300}));
        auto* field = new QDoubleSpinBox(this);
        field->setObjectName(
            QStringLiteral("txt_%1").arg(QLatin1String(entry.id.data(), entry.id.size())));
        field->setRange(entry.minimum, entry.maximum);
        field->setSingleStep(entry.step);
        field->setDecimals(entry.decimals);
        field->setSuffix(QString::fromUtf8(entry.unit.data(), static_cast<int>(entry.unit.size())));
        field->setKeyboardTracking(false);
        field->setGeometry(TwipsRect({2820, top, 1500, 360}));
        titles_[i]->setBuddy(field);
        fields_[i] = field;
    }

    const int presetsTop = kFieldsTopTwips + static_cast<int>(kDrivenParameterCount) * kRowTwips;
    lblPresets_ = new QLabel(this);
    SetTranslatable(lblPresets_, "text", QT_TR_NOOP("&Cas classiques :"));
    lblPresets_->setGeometry(TwipsRect({120, presetsTop + 30, 1500, 300}));
    cboPresets_ = new QComboBox(this);
    cboPresets_->setObjectName(QStringLiteral("cboPresets"));
    cboPresets_->setGeometry(TwipsRect({1620, presetsTop, 2700, 360}));
    lblPresets_->setBuddy(cboPresets_);

    const int buttonsTop = presetsTop + 540;
    chkGo_ = new QPushButton(this);
    chkGo_->setObjectName(QStringLiteral("chkGo"));
    chkGo_->setCheckable(true);
    chkGo_->setGeometry(TwipsRect({120, buttonsTop, 2040, 450}));
    cmdReset_ = new QPushButton(this);
    cmdReset_->setObjectName(QStringLiteral("cmdReset"));
    SetTranslatable(cmdReset_, "text", QT_TR_NOOP("Position &initiale"));
    cmdReset_->setGeometry(TwipsRect({2280, buttonsTop, 2040, 450}));
    cmdAnalysis_ = new QPushButton(this);
    cmdAnalysis_->setObjectName(QStringLiteral("cmdAnalysis"));
    SetTranslatable(cmdAnalysis_, "text", QT_TR_NOOP("&Résonance et chaos…"));
    cmdAnalysis_->setGeometry(TwipsRect({120, buttonsTop + 570, 4200, 450}));

    lblReadout_ = new QLabel(this);
    lblReadout_->setObjectName(QStringLiteral("lblReadout"));
    lblReadout_->setWordWrap(true);
    lblReadout_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblReadout_->setGeometry(TwipsRect({10860, 5040, 2940, 4380}));

    // The equation, in red as in the damped window.
    lblEquation_ = new QLabel(QStringLiteral("θ'' + 2λθ' + ω₀² sin θ\n= γ ω₀² cos Ωt"), this);
    lblEquation_->setObjectName(QStringLiteral("lblEquation"));
    QFont equationFont(QStringLiteral("Times New Roman"), 13);
    equationFont.setItalic(true);
    lblEquation_->setFont(equationFont);
    QPalette red = lblEquation_->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    lblEquation_->setPalette(red);
    lblEquation_->setGeometry(TwipsRect({10860, 4440, 2940, 600}));

    tmrPendule_ = new QTimer(this);
    tmrPendule_->setObjectName(QStringLiteral("tmrPendule"));
}

void frmPenduleForce::DescribeControls()
{
    picPendule_->setAccessibleName(tr("Pendule"));
    picPendule_->setAccessibleDescription(
        tr("Le pendule et, en bleu autour de l'axe, le couple de l'excitation"));
    picOscillation_->setAccessibleName(tr("Angle en fonction du temps"));
    picPhase_->setAccessibleName(tr("Portrait de phase"));
    const QSignalBlocker quiet(cboPresets_);
    const int chosen = cboPresets_->currentIndex();
    cboPresets_->clear();
    cboPresets_->addItem(tr("(choisir)"));
    for (const DrivenPreset& preset : kDrivenPresets)
        cboPresets_->addItem(tr(preset.title));
    cboPresets_->setCurrentIndex(std::max(chosen, 0));
}

void frmPenduleForce::ConnectHandlers()
{
    for (std::size_t i = 0; i < kDrivenParameterCount; ++i) {
        connect(fields_[i], &QDoubleSpinBox::valueChanged, this, [this, i] { FieldChanged(i); });
    }
    connect(cboPresets_, &QComboBox::activated, this, &frmPenduleForce::PresetChosen);
    connect(chkGo_, &QPushButton::toggled, this, &frmPenduleForce::OnGoToggled);
    connect(cmdReset_, &QPushButton::clicked, this, [this] { ResetRun(run_.Setup()); });
    connect(cmdAnalysis_, &QPushButton::clicked, this, &frmPenduleForce::ShowAnalysis);
    connect(tmrPendule_, &QTimer::timeout, this, &frmPenduleForce::AnimationTick);
}

void frmPenduleForce::FieldChanged(std::size_t index)
{
    const DrivenParameterEntry& entry = kDrivenParameters[index];
    DrivenSetup setup = run_.Setup();
    setup.*entry.member = fields_[index]->value() / entry.displayScale;
    ResetRun(setup);
}

void frmPenduleForce::PresetChosen(int index)
{
    if (index >= 1 && index <= static_cast<int>(kDrivenPresets.size()))
        ApplySetup(kDrivenPresets[static_cast<std::size_t>(index - 1)].setup);
}

void frmPenduleForce::ApplySetup(const DrivenSetup& setup)
{
    for (std::size_t i = 0; i < kDrivenParameterCount; ++i) {
        const DrivenParameterEntry& entry = kDrivenParameters[i];
        const QSignalBlocker quiet(fields_[i]);
        fields_[i]->setValue(setup.*entry.member * entry.displayScale);
    }
    ResetRun(setup);
}

void frmPenduleForce::ResetRun(const DrivenSetup& setup)
{
    run_.Reset(setup);
    ShowRunning();
    DrawWholePlots();
    ShowReadout();
    if (analysis_)
        analysis_->SetSetup(setup);
    emit SetupChanged();
    emit RunMoved();
}

void frmPenduleForce::OnGoToggled(bool checked)
{
    if (checked) {
        run_.Start();
        simulatedTime_.Start();
        tmrPendule_->start(FramePacer::FrameIntervalMs(screen()));
    } else {
        run_.Pause();
    }
    ShowRunning();
}

void frmPenduleForce::ShowRunning()
{
    const bool running = run_.Running();
    if (chkGo_->isChecked() != running) {
        const QSignalBlocker quiet(chkGo_);
        chkGo_->setChecked(running);
    }
    chkGo_->setText(QCoreApplication::translate("kestrova::frmPenduleForce",
                                                running ? kPauseCaption : kStartCaption));
    if (!running)
        tmrPendule_->stop();
}

void frmPenduleForce::SetSlowMotion(double speed)
{
    simulatedTime_.SetSpeed(speed, run_.Running());
}

void frmPenduleForce::AnimationTick()
{
    DrawStep(run_.AdvanceTo(simulatedTime_.Now()));
    ShowReadout();
    ShowFrameNow();
    emit RunMoved();
}

void frmPenduleForce::NextStep()
{
    if (run_.Running())
        return;
    DrawStep(run_.NextStep(run_.Motion().StepSeconds()));
    ShowReadout();
    ShowFrameNow();
    emit RunMoved();
}

void frmPenduleForce::ShowFrameNow()
{
    FramePacer* pacer = FramePacer::Instance();
    if (pacer != nullptr)
        pacer->ShowFrame();
    if (run_.Running())
        tmrPendule_->start(pacer != nullptr ? pacer->MillisecondsToNextFrame()
                                            : FramePacer::FrameIntervalMs(screen()));
}

DrivenAnalysis* frmPenduleForce::ShowAnalysis()
{
    if (!analysis_) {
        analysis_ = new DrivenAnalysis(this);
        analysis_->SetSetup(run_.Setup());
    }
    analysis_->show();
    analysis_->raise();
    analysis_->activateWindow();
    return analysis_;
}

void frmPenduleForce::closeEvent(QCloseEvent* event)
{
    tmrPendule_->stop();
    run_.Pause();
    ShowRunning();
    if (analysis_)
        analysis_->close();
    QWidget::closeEvent(event);
    emit Unloaded();
}

} // namespace kestrova
