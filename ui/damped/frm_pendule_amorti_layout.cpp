#include "ui/damped/frm_pendule_amorti.h"

#include "model/captions.h"
#include "model/damped_animation.h"
#include "model/damped_parameters.h"
#include "model/parameters.h"
#include "model/translatable_text.h"
#include "plot/qt_colour.h"
#include "plot/qt_picture_box.h"
#include "resources/resource_paths.h"
#include "ui/accessibility/accessible_controls.h"
#include "ui/common/form_layout.h"
#include "ui/common/translatable.h"
#include "ui/damped/damped_controls.h"
#include "ui/damped/damped_descriptions.h"
#include "ui/damped/web_link.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSlider>
#include <QSvgRenderer>
#include <QTimer>

#include <array>
#include <string>
#include <tuple>
#include <utility>

namespace kestrova {

namespace {

// What a value label shows until the first reset writes its value.
const QString kDesignCaption = QStringLiteral("Label1");

constexpr double kTitleFontPoints = 11.25; // the two horizontal axis titles
constexpr double kSymbolFontPoints = 9.75; // the Greek letters θ, ω, λ, τ
constexpr int kSliderWidth = 3075;         // twips, every slider
constexpr int kSliderHeight = 315;
constexpr int kButtonTextMargins = 8; // px: the push button's frame and padding, both sides

QFont AxisTitleFont()
{
    QFont font;
    font.setFamilies(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Helvetica")});
    font.setPointSizeF(kTitleFontPoints);
    font.setBold(true);
    return font;
}

/// Where a parameter's row sits in its frame, and how its title is set.
/// The slider and its value caption share the row's top.
struct ParameterRowLayout {
    TwipsBox title;
    LabelSizing titleSizing;
    Qt::Alignment titleAlignment;
    int top;
    int tickInterval; // slider steps
};

/// Entry i places the row of kDampedParameters[i].
constexpr std::array<ParameterRowLayout, kDampedParameterCount> kParameterRows{{
    {{480, 360, 1095, 255}, LabelSizing::Fixed, Qt::AlignLeft, 300, 10},
    {{480, 780, 1095, 255}, LabelSizing::Fixed, Qt::AlignRight, 720, 1},
    {{300, 300, 1275, 195}, LabelSizing::Fixed, Qt::AlignRight, 240, 10},
    {{300, 600, 1215, 435}, LabelSizing::WordWrap, Qt::AlignLeft, 660, 50},
}};
constexpr int kSliderLeft = 1560;
constexpr TwipsBox kValueCaptionBox{4620, 0, 480, 195}; // at the row's top

/// The title, the slider and the value caption of one parameter, in
/// `frame`; returns the slider and the caption.
std::pair<QSlider*, QLabel*> AddParameterRow(QWidget* frame, DampedParameter parameter)
{
    const auto index = static_cast<std::size_t>(parameter);
    const DampedParameterEntry& entry = kDampedParameters[index];
    const ParameterControlNames& names = kParameterControls[index];
    const ParameterRowLayout& row = kParameterRows[index];
    QLabel* title = AddLabel(frame, names.title, entry.title, row.title, row.titleSizing);
    if (row.titleAlignment != Qt::AlignLeft)
        title->setAlignment(row.titleAlignment | Qt::AlignTop);
    QSlider* slider =
        AddSlider(frame, names.slider, {kSliderLeft, row.top, kSliderWidth, kSliderHeight},
                  entry.range.minimum, entry.range.maximum, row.tickInterval);
    TwipsBox captionBox = kValueCaptionBox;
    captionBox.top = row.top;
    QLabel* caption =
        AddLabel(frame, names.caption, kDesignCaption, captionBox, LabelSizing::AutoSize);
    return {slider, caption};
}

QPixmap RenderPicture(const char* path, int width, int height)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer{QString::fromLatin1(path)};
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter);
    }
    return pixmap;
}

} // namespace

void frmPenduleAmorti::CreateControls()
{
    using enum LabelSizing;
    setWindowIcon(QIcon(RenderPicture(kDampedIconPath, kDampedIconSize, kDampedIconSize)));

    imgEquation_ = new QLabel(this);
    imgEquation_->setObjectName(QStringLiteral("imgEquation"));
    imgEquation_->setGeometry(TwipsRect({540, 120, 6465, 630}));
    imgEquation_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    imgEquation_->setPixmap(
        RenderPicture(kEquationPicturePath, kEquationPictureWidth, kEquationPictureHeight));

    picPendule_ = AddPictureBox("picPendule", 480, 720, 6500, 6500);
    picPendule_->SetBackColor(ToColour(palette().color(QPalette::ToolTipBase)));
    picPendule_->SetForeColor(ToColour(palette().color(QPalette::WindowText)));

    Frame1_ = new QGroupBox(this);
    SetTranslatable(Frame1_, "title", QT_TR_NOOP("Conditions initiales : "));
    Frame1_->setObjectName(QStringLiteral("Frame1"));
    Frame1_->setGeometry(TwipsRect({540, 7440, 5595, 1215}));
    CreateInitialConditions();

    Frame2_ = new QGroupBox(this);
    SetTranslatable(Frame2_, "title", QT_TR_NOOP("Paramètres oscillations : "));
    Frame2_->setObjectName(QStringLiteral("Frame2"));
    Frame2_->setGeometry(TwipsRect({540, 8820, 5595, 1815}));
    CreateOscillationParameters();

    chkGo_ = new QPushButton(tr(kStartCaption), this);
    chkGo_->setObjectName(QStringLiteral("chkGo"));
    chkGo_->setCheckable(true);
    chkGo_->setGeometry(TwipsRect({7080, 2580, 1575, 495}));
    FitToggleCaptions();

    cmdPosInit_ = new QPushButton(this);
    SetTranslatable(cmdPosInit_, "text", QT_TR_NOOP("&Position initiale"));
    cmdPosInit_->setObjectName(QStringLiteral("cmdPosInit"));
    cmdPosInit_->setGeometry(TwipsRect({7080, 3300, 1575, 495}));

    chkApproxi_ = new QCheckBox(this);
    SetTranslatable(chkApproxi_, "text", QT_TR_NOOP("Approximation angle &faible "));
    chkApproxi_->setObjectName(QStringLiteral("chkApproxi"));
    chkApproxi_->setGeometry(TwipsRect({7080, 4920, 2235, 315}));
    SetTranslatable(chkApproxi_, "toolTip",
                    QT_TR_NOOP("Pour le dernier terme de l'équation , on considère que sinx = x"));
    QPalette darkGreen = chkApproxi_->palette();
    darkGreen.setColor(QPalette::WindowText, QColor(0, 128, 0));
    darkGreen.setColor(QPalette::ButtonText, QColor(0, 128, 0));
    chkApproxi_->setPalette(darkGreen);

    const Colour windowText = ToColour(palette().color(QPalette::WindowText));
    const Colour windowBackground = ToColour(palette().color(QPalette::Window));
    const Colour plotBackground = ToColour(palette().color(QPalette::Base));

    picOrdoOsci_ = AddPictureBox("picOrdoOsci", 8940, 60, 315, 4815);
    picOrdoOsci_->SetBorder(false);
    picOrdoOsci_->SetBackColor(windowBackground);
    picOrdoOsci_->SetForeColor(windowText);

    for (int i = 0; i < 2; ++i) {
        picOscillation_[i] =
            AddPictureBox(i == 0 ? "picOscillation0" : "picOscillation1", 9360, 60, 5160, 4800);
        picOscillation_[i]->SetBackColor(plotBackground);
        picOscillation_[i]->SetForeColor(windowText);
    }

    auto* lblAbsciOsci =
        AddLabel(this, "lblAbsciOsci", QT_TR_NOOP("Temps (en s)"), {9345, 4920, 5115, 255}, Fixed);
    lblAbsciOsci->setFont(AxisTitleFont());
    lblAbsciOsci->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    picOrdoPhase_ = AddPictureBox("picOrdoPhase", 7140, 5340, 315, 4815);
    picOrdoPhase_->SetBorder(false);
    picOrdoPhase_->SetBackColor(windowBackground);
    picOrdoPhase_->SetForeColor(windowText);

    for (int i = 0; i < 2; ++i) {
        picPhase_[i] = AddPictureBox(i == 0 ? "picPhase0" : "picPhase1", 7560, 5340, 6960, 4800);
        picPhase_[i]->SetBackColor(plotBackground);
        picPhase_[i]->SetForeColor(windowText);
    }

    auto* Label8 =
        AddLabel(this, "Label8", QT_TR_NOOP("Angle (en degrés)"), {7545, 10200, 6915, 255}, Fixed);
    Label8->setFont(AxisTitleFont());
    Label8->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    AddLabel(this, "Label15", QT_TR_NOOP("Réalisation : Kestrova"), {7560, 10620, 1815, 195},
             AutoSize);

    lblWeb_ = new WebLink(this);
    lblWeb_->setObjectName(QStringLiteral("lblWeb"));
    lblWeb_->move(TwipsRect({9480, 10620, 2505, 195}).topLeft());

    tmrPendule_ = new QTimer(this);
    tmrPendule_->setObjectName(QStringLiteral("tmrPendule"));
    tmrPendule_->setTimerType(Qt::PreciseTimer);
    tmrPendule_->setSingleShot(true); // each tick sets the wait for the next frame

    surfaces_.picPendule = picPendule_;
    surfaces_.picOscillation = {picOscillation_[0], picOscillation_[1]};
    surfaces_.picPhase = {picPhase_[0], picPhase_[1]};
}

void frmPenduleAmorti::CreateInitialConditions()
{
    using enum LabelSizing;
    QWidget* frame = Frame1_;
    AddLabel(frame, "Label12", QStringLiteral("θ :"), {240, 300, 195, 315}, Fixed,
             kSymbolFontPoints);
    std::tie(sldTeta0_, lblteta0_) = AddParameterRow(frame, DampedParameter::Teta0);

    AddLabel(frame, "Label13", QStringLiteral("θ"), {180, 720, 90, 240}, AutoSize,
             kSymbolFontPoints);
    AddLabel(frame, "Label14", QStringLiteral("' : "), {300, 720, 165, 195}, AutoSize);
    std::tie(sldOmega0_, lblOmega0_) = AddParameterRow(frame, DampedParameter::Omega0);
}

void frmPenduleAmorti::CreateOscillationParameters()
{
    using enum LabelSizing;
    QWidget* frame = Frame2_;
    AddLabel(frame, "Label10", QStringLiteral("ω :"), {40, 240, 225, 240}, AutoSize,
             kSymbolFontPoints);
    std::tie(sldPulsation_, lblPulsation_) = AddParameterRow(frame, DampedParameter::Pulsation);

    AddLabel(frame, "Label9", QStringLiteral("λ :"), {60, 540, 195, 315}, Fixed, kSymbolFontPoints);
    std::tie(sldLambda_, lblLambda_) = AddParameterRow(frame, DampedParameter::Lambda);

    AddLabel(frame, "Label11", QStringLiteral("τ :"), {60, 1080, 195, 315}, Fixed,
             kSymbolFontPoints);
    const auto& [relax, pseudo, quality] = kDerivedCaptions;
    AddLabel(frame, relax.title, relax.titleText, {300, 1140, 1515, 255}, Fixed);
    lblRelax_ = AddLabel(frame, relax.caption, kDesignCaption, {1860, 1140, 480, 195}, AutoSize);
    AddLabel(frame, pseudo.title, pseudo.titleText, {2940, 1140, 1275, 255}, Fixed);
    lblPseudo_ = AddLabel(frame, pseudo.caption, kDesignCaption, {4260, 1140, 480, 195}, AutoSize);

    AddLabel(frame, quality.title, quality.titleText, {60, 1440, 1695, 255}, Fixed);
    lblQualite_ =
        AddLabel(frame, quality.caption, kDesignCaption, {1860, 1440, 480, 195}, AutoSize);
    lblRegime_ =
        AddLabel(frame, "lblRegime", QT_TR_NOOP("Régime"), {2940, 1440, 540, 195}, AutoSize);
}

QSlider* frmPenduleAmorti::SliderOf(DampedParameter parameter) const
{
    switch (parameter) {
    case DampedParameter::Teta0:
        return sldTeta0_;
    case DampedParameter::Omega0:
        return sldOmega0_;
    case DampedParameter::Pulsation:
        return sldPulsation_;
    case DampedParameter::Lambda:
        break;
    }
    return sldLambda_;
}

QLabel* frmPenduleAmorti::CaptionOf(DampedParameter parameter) const
{
    switch (parameter) {
    case DampedParameter::Teta0:
        return lblteta0_;
    case DampedParameter::Omega0:
        return lblOmega0_;
    case DampedParameter::Pulsation:
        return lblPulsation_;
    case DampedParameter::Lambda:
        break;
    }
    return lblLambda_;
}

void frmPenduleAmorti::ShowCaptions(const SliderValues& sliders, const DerivedQuantities& derived)
{
    const std::string sep = QLocale().decimalPoint().toStdString();
    for (const DampedParameterEntry& entry : kDampedParameters) {
        const int position = sliders[entry.parameter];
        SetCaption(CaptionOf(entry.parameter),
                   QString::fromStdString(ValueCaption(entry, ValueAt(entry, position), sep)));
    }
    // Without damping there is no quality factor nor relaxation time: the
    // captions keep what they showed.
    if (derived.qualityFactor)
        SetCaption(lblQualite_,
                   QString::fromStdString(QualityCaption(*derived.qualityFactor, sep)));
    if (derived.relaxationTime)
        SetCaption(lblRelax_,
                   QString::fromStdString(RelaxationCaption(*derived.relaxationTime, sep)));
}

void frmPenduleAmorti::FitToggleCaptions()
{
    QFont font = chkGo_->font();
    font.setStretch(QFont::AnyStretch);
    chkGo_->setFont(font);
    CondenseToFit(chkGo_, {WithoutMnemonic(tr(kStartCaption)), WithoutMnemonic(tr(kPauseCaption))},
                  chkGo_->width() - kButtonTextMargins);
}

void frmPenduleAmorti::Retranslate()
{
    // The values stay as they are and a running animation goes on: only the
    // words change.
    chkGo_->setText(tr(chkGo_->isChecked() ? kPauseCaption : kStartCaption));
    FitToggleCaptions();
    const Regime regime =
        LinearSolution(state_.Teta0, state_.Omega0, state_.Pulsation2, state_.Lambda, 0).regime;
    SetCaption(lblRegime_,
               QCoreApplication::translate(kCaptionsContext, RegimeCaption(regime).c_str()));
    for (PictureBox* box : {picOrdoOsci_, picOrdoPhase_})
        box->Cls();
    WriteAxisTitles();
    DescribeDampedTexts(*this);
}

PictureBox* frmPenduleAmorti::AddPictureBox(const char* name, int left, int top, int width,
                                            int height)
{
    auto* box = new PictureBox(this);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(TwipsRect({left, top, width, height}));
    return box;
}

void frmPenduleAmorti::KeepOwnPointers()
{
    // Labels (the link among them) and the frames that hold labels show the
    // window's pointer; every other control its own.
    for (QWidget* child : findChildren<QWidget*>()) {
        if (qobject_cast<QLabel*>(child) == nullptr && qobject_cast<QGroupBox*>(child) == nullptr)
            child->setCursor(Qt::ArrowCursor);
    }
}

} // namespace kestrova
