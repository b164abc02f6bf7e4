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

#include <algorithm>
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
constexpr int kButtonWidth = 1575; // twips: the two buttons, unless a caption needs more
constexpr int kButtonRoom = 1800;  // twips: as wide as they may grow, short of the plot titles

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
// At the row's top, clear of the slider's end.
constexpr TwipsBox kValueCaptionBox{kSliderLeft + kSliderWidth + 75, 0, 480, 195};

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

    auto* imgEquation = new QLabel(this);
    imgEquation->setObjectName(QStringLiteral("imgEquation"));
    imgEquation->setGeometry(TwipsRect({540, 120, 6465, 630}));
    imgEquation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    imgEquation->setPixmap(
        RenderPicture(kEquationPicturePath, kEquationPictureWidth, kEquationPictureHeight));

    boxes_.picPendule = AddPictureBox("picPendule", 480, 720, 6500, 6500);
    boxes_.picPendule->SetBackColor(ToColour(palette().color(QPalette::ToolTipBase)));
    boxes_.picPendule->SetForeColor(ToColour(palette().color(QPalette::WindowText)));

    auto* Frame1 = new QGroupBox(this);
    SetTranslatable(Frame1, "title", QT_TR_NOOP("Conditions initiales : "));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(TwipsRect({540, 7440, 5595, 1215}));
    CreateInitialConditions(Frame1);

    auto* Frame2 = new QGroupBox(this);
    SetTranslatable(Frame2, "title", QT_TR_NOOP("Paramètres oscillations : "));
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(TwipsRect({540, 8820, 5595, 1815}));
    CreateOscillationParameters(Frame2);

    commands_.chkGo = new QPushButton(tr(kStartCaption), this);
    commands_.chkGo->setObjectName(QStringLiteral("chkGo"));
    commands_.chkGo->setCheckable(true);
    commands_.chkGo->setGeometry(TwipsRect({7080, 2580, kButtonWidth, 495}));

    commands_.cmdPosInit = new QPushButton(this);
    SetTranslatable(commands_.cmdPosInit, "text", QT_TR_NOOP("&Position initiale"));
    commands_.cmdPosInit->setObjectName(QStringLiteral("cmdPosInit"));
    commands_.cmdPosInit->setGeometry(TwipsRect({7080, 3300, kButtonWidth, 495}));
    FitToggleCaptions();

    commands_.chkApproxi = new QCheckBox(this);
    SetTranslatable(commands_.chkApproxi, "text", QT_TR_NOOP("Approximation angle &faible "));
    commands_.chkApproxi->setObjectName(QStringLiteral("chkApproxi"));
    commands_.chkApproxi->setGeometry(TwipsRect({7080, 4920, 2235, 315}));
    SetTranslatable(commands_.chkApproxi, "toolTip",
                    QT_TR_NOOP("Pour le dernier terme de l'équation , on considère que sinx = x"));
    QPalette darkGreen = commands_.chkApproxi->palette();
    darkGreen.setColor(QPalette::WindowText, QColor(0, 128, 0));
    darkGreen.setColor(QPalette::ButtonText, QColor(0, 128, 0));
    commands_.chkApproxi->setPalette(darkGreen);

    const Colour windowText = ToColour(palette().color(QPalette::WindowText));
    const Colour windowBackground = ToColour(palette().color(QPalette::Window));
    const Colour plotBackground = ToColour(palette().color(QPalette::Base));

    boxes_.picOrdoOsci = AddPictureBox("picOrdoOsci", 8940, 60, 315, 4815);
    boxes_.picOrdoOsci->SetBorder(false);
    boxes_.picOrdoOsci->SetBackColor(windowBackground);
    boxes_.picOrdoOsci->SetForeColor(windowText);

    for (int i = 0; i < 2; ++i) {
        boxes_.picOscillation[i] =
            AddPictureBox(i == 0 ? "picOscillation0" : "picOscillation1", 9360, 60, 5160, 4800);
        boxes_.picOscillation[i]->SetBackColor(plotBackground);
        boxes_.picOscillation[i]->SetForeColor(windowText);
    }

    auto* lblAbsciOsci =
        AddLabel(this, "lblAbsciOsci", QT_TR_NOOP("Temps (en s)"), {9345, 4920, 5115, 255}, Fixed);
    lblAbsciOsci->setFont(AxisTitleFont());
    lblAbsciOsci->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    boxes_.picOrdoPhase = AddPictureBox("picOrdoPhase", 7140, 5340, 315, 4815);
    boxes_.picOrdoPhase->SetBorder(false);
    boxes_.picOrdoPhase->SetBackColor(windowBackground);
    boxes_.picOrdoPhase->SetForeColor(windowText);

    for (int i = 0; i < 2; ++i) {
        boxes_.picPhase[i] =
            AddPictureBox(i == 0 ? "picPhase0" : "picPhase1", 7560, 5340, 6960, 4800);
        boxes_.picPhase[i]->SetBackColor(plotBackground);
        boxes_.picPhase[i]->SetForeColor(windowText);
    }

    auto* Label8 =
        AddLabel(this, "Label8", QT_TR_NOOP("Angle (en degrés)"), {7545, 10200, 6915, 255}, Fixed);
    Label8->setFont(AxisTitleFont());
    Label8->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    AddLabel(this, "Label15", QT_TR_NOOP("Réalisation : Kestrova"), {7560, 10620, 1815, 195},
             AutoSize);

    commands_.lblWeb = new WebLink(this);
    commands_.lblWeb->setObjectName(QStringLiteral("lblWeb"));
    commands_.lblWeb->move(TwipsRect({9480, 10620, 2505, 195}).topLeft());

    tmrPendule_ = new QTimer(this);
    tmrPendule_->setObjectName(QStringLiteral("tmrPendule"));
    tmrPendule_->setTimerType(Qt::PreciseTimer);
    tmrPendule_->setSingleShot(true); // each tick sets the wait for the next frame

    surfaces_.picPendule = boxes_.picPendule;
    surfaces_.picOscillation = {boxes_.picOscillation[0], boxes_.picOscillation[1]};
    surfaces_.picPhase = {boxes_.picPhase[0], boxes_.picPhase[1]};
}

void frmPenduleAmorti::CreateInitialConditions(QWidget* frame)
{
    using enum LabelSizing;
    AddLabel(frame, "Label12", QStringLiteral("θ :"), {240, 300, 195, 315}, Fixed,
             kSymbolFontPoints);
    CreateParameterRow(frame, DampedParameter::Teta0);

    AddLabel(frame, "Label13", QStringLiteral("θ"), {180, 720, 90, 240}, AutoSize,
             kSymbolFontPoints);
    AddLabel(frame, "Label14", QStringLiteral("' : "), {300, 720, 165, 195}, AutoSize);
    CreateParameterRow(frame, DampedParameter::Omega0);
}

void frmPenduleAmorti::CreateOscillationParameters(QWidget* frame)
{
    using enum LabelSizing;
    AddLabel(frame, "Label10", QStringLiteral("ω :"), {40, 240, 225, 240}, AutoSize,
             kSymbolFontPoints);
    CreateParameterRow(frame, DampedParameter::Pulsation);

    AddLabel(frame, "Label9", QStringLiteral("λ :"), {60, 540, 195, 315}, Fixed, kSymbolFontPoints);
    CreateParameterRow(frame, DampedParameter::Lambda);

    AddLabel(frame, "Label11", QStringLiteral("τ :"), {60, 1080, 195, 315}, Fixed,
             kSymbolFontPoints);
    const auto& [relax, pseudo, quality] = kDerivedCaptions;
    AddLabel(frame, relax.title, relax.titleText, {300, 1140, 1515, 255}, Fixed);
    setupControls_.lblRelax =
        AddLabel(frame, relax.caption, kDesignCaption, {1860, 1140, 480, 195}, AutoSize);
    AddLabel(frame, pseudo.title, pseudo.titleText, {2940, 1140, 1275, 255}, Fixed);
    setupControls_.lblPseudo =
        AddLabel(frame, pseudo.caption, kDesignCaption, {4260, 1140, 480, 195}, AutoSize);

    AddLabel(frame, quality.title, quality.titleText, {60, 1440, 1695, 255}, Fixed);
    setupControls_.lblQualite =
        AddLabel(frame, quality.caption, kDesignCaption, {1860, 1440, 480, 195}, AutoSize);
    setupControls_.lblRegime =
        AddLabel(frame, "lblRegime", QT_TR_NOOP("Régime"), {2940, 1440, 540, 195}, AutoSize);
}

void frmPenduleAmorti::CreateParameterRow(QWidget* frame, DampedParameter parameter)
{
    const auto index = static_cast<std::size_t>(parameter);
    std::tie(setupControls_.sliders[index], setupControls_.values[index]) =
        AddParameterRow(frame, parameter);
}

QSlider* frmPenduleAmorti::SliderOf(DampedParameter parameter) const
{
    return setupControls_.sliders[static_cast<std::size_t>(parameter)];
}

QLabel* frmPenduleAmorti::CaptionOf(DampedParameter parameter) const
{
    return setupControls_.values[static_cast<std::size_t>(parameter)];
}

void frmPenduleAmorti::FitToggleCaptions()
{
    // The toggle keeps the window's font, as "Position initiale" does: the
    // two buttons widen together, one above the other, to the longest caption.
    QPushButton* toggle = commands_.chkGo;
    const QString shown = toggle->text();
    int needed = TwipsToPixels(kButtonWidth);
    for (const char* caption : {kStartCaption, kPauseCaption}) {
        toggle->setText(tr(caption));
        needed = std::max(needed, toggle->sizeHint().width());
    }
    toggle->setText(shown);
    const int width = std::min(needed, TwipsToPixels(kButtonRoom));
    for (QPushButton* button : {toggle, commands_.cmdPosInit})
        button->resize(width, button->height());
}

void frmPenduleAmorti::Retranslate()
{
    // The values stay as they are and a running animation goes on: only the
    // words change.
    commands_.chkGo->setText(tr(commands_.chkGo->isChecked() ? kPauseCaption : kStartCaption));
    FitToggleCaptions();
    SetCaption(setupControls_.lblRegime,
               QCoreApplication::translate(kCaptionsContext,
                                           RegimeCaption(run_.SmallAngleStart().regime).c_str()));
    for (PictureBox* box : {boxes_.picOrdoOsci, boxes_.picOrdoPhase})
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
