#include "ui/damped/frm_pendule_amorti.h"

#include "model/captions.h"
#include "model/parameters.h"
#include "plot/pendulum_figure.h"
#include "plot/plot_frames.h"
#include "plot/qt_picture_box.h"
#include "plot/rotator.h"
#include "resources/resource_paths.h"
#include "ui/accessibility/accessible_controls.h"
#include "ui/damped/web_link.h"
#include "ui/dialog_font.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSlider>
#include <QSvgRenderer>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <string>
#include <utility>

namespace kestrova {

// How often the figure box reaches the screen: QT_LOGGING_RULES="kestrova.paint.debug=true".
Q_LOGGING_CATEGORY(lcPaint, "kestrova.paint", QtWarningMsg)

namespace {

// Client area, in twips (15 per logical pixel).
constexpr int kClientWidthTwips = 15240;
constexpr int kClientHeightTwips = 11010;

constexpr double kTitleFontPoints = 11.25; // the two horizontal axis titles

constexpr int kButtonTextMargins = 8; // px: the push button's frame and padding, both sides

constexpr int kTimerIntervalMs = 1; // as fast as the platform's timer goes
// An integration step: short enough that RK4 keeps an undamped swing's
// energy to a part in ten million over two hours even at the fastest ω₀ (it
// loses about (ω₀·h)⁶/72 of it per step), and never longer than a few
// milliseconds so that the motion between ticks stays smooth.
constexpr double kMaxPhasePerStep = 0.01; // rad of ω₀·h
constexpr double kMaxStepSeconds = 0.005;

// Rest test: a damped pendulum whose (θ'/ω₀)² + θ² falls below this, more
// than kRestDelaySeconds after the last start or resume, has come to rest.
constexpr double kRestEnergy = 1e-6;
constexpr double kRestDelaySeconds = 10.0;

// The figure is seen only when the screen shows a new frame: redrawing it
// more often than this (250 Hz, above common refresh rates) is wasted work
// on the millisecond tick.
constexpr double kFigureIntervalSeconds = 0.004;

constexpr Colour kExactTraceColour = Rgb(255, 0, 0);
constexpr Colour kSmallAngleTraceColour = Rgb(50, 200, 50);

// Both captions of the toggle underline the same letter: Alt+A starts and pauses.
const QString kStartCaption = QStringLiteral("Lancer l'&animation");
const QString kPauseCaption = QStringLiteral("Suspendre l'&animation");
// What a value label shows until the first reset writes its value.
const QString kDesignCaption = QStringLiteral("Label1");

constexpr int Px(int twips)
{
    // Twips positions are whole pixels except a few odd ones (40 twips):
    // round to the nearest pixel.
    return (twips + static_cast<int>(kTwipsPerPixel) / 2) / static_cast<int>(kTwipsPerPixel);
}

QRect TwipsRect(int left, int top, int width, int height)
{
    return {Px(left), Px(top), Px(width), Px(height)};
}

QFont AxisTitleFont()
{
    QFont font;
    font.setFamilies(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Helvetica")});
    font.setPointSizeF(kTitleFontPoints);
    font.setBold(true);
    return font;
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

QString ToQString(const std::string& utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

/// Changes a caption only when its text changes; an autosizing label then
/// takes the size of its new text, its top-left corner staying in place.
void SetCaption(QLabel* label, const QString& text, bool autoSize = true)
{
    if (label->text() == text)
        return;
    label->setText(text);
    if (autoSize)
        label->adjustSize();
}

/// The widget's font, condensed just enough for `fits(font)` to hold: the
/// substitute for the classic dialog font is a little wider than the texts'
/// design sizes allow.
template <typename Fits>
void CondenseUntil(QWidget* widget, Fits fits)
{
    constexpr int kMostCondensed = 70; // percent: still easy to read
    QFont font = widget->font();
    // Hinting rounds the advances, so the stretch is found by trying.
    for (int stretch = 100; !fits(font) && stretch > kMostCondensed; --stretch)
        font.setStretch(stretch - 1);
    if (font.stretch() != widget->font().stretch())
        widget->setFont(font);
}

/// Every text on one line of at most `room` pixels, trailing blanks
/// included (a right-aligned label places them too).
void CondenseToFit(QWidget* widget, const QStringList& texts, int room)
{
    CondenseUntil(widget, [&](const QFont& font) {
        const QFontMetrics metrics(font);
        return std::all_of(texts.begin(), texts.end(),
                           [&](const QString& t) { return metrics.horizontalAdvance(t) <= room; });
    });
}

/// A word-wrapped label whose lines all fit its box.
void CondenseToWrap(QLabel* label)
{
    const QRect box(QPoint(0, 0), label->size());
    CondenseUntil(label, [&](const QFont& font) {
        const QRect needed =
            QFontMetrics(font).boundingRect(box, Qt::TextWordWrap | Qt::AlignLeft, label->text());
        return needed.width() <= box.width() && needed.height() <= box.height();
    });
}

void SetVisibleIfChanged(PictureSurface* box, bool visible)
{
    if (box->Visible() != visible)
        box->SetVisible(visible);
}

bool AllFinite(std::initializer_list<double> values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

} // namespace

frmPenduleAmorti::frmPenduleAmorti(HighResolutionClock& clock, QWidget* parent)
    : QWidget(parent)
    , clock_(clock)
{
    setWindowTitle(QStringLiteral("Pendule pesant amorti"));
    setWindowIcon(QIcon(RenderPicture(kDampedIconPath, kDampedIconSize, kDampedIconSize)));
    setFixedSize(Px(kClientWidthTwips), Px(kClientHeightTwips));
    setFont(DialogFont());

    InstallAccessibleControls();
    CreateControls();
    ConnectHandlers();
    DescribeControls();
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
    Form_Load();
}

frmPenduleAmorti::~frmPenduleAmorti() = default;

// ---------------------------------------------------------------------------
// Controls

void frmPenduleAmorti::CreateControls()
{
    using enum LabelSizing;
    imgEquation_ = new QLabel(this);
    imgEquation_->setObjectName(QStringLiteral("imgEquation"));
    imgEquation_->setGeometry(TwipsRect(540, 120, 6465, 630));
    imgEquation_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    imgEquation_->setPixmap(
        RenderPicture(kEquationPicturePath, kEquationPictureWidth, kEquationPictureHeight));

    picPendule_ = AddPictureBox("picPendule", 480, 720, 6500, 6500);
    picPendule_->SetBackColor(ToColour(palette().color(QPalette::ToolTipBase)));
    picPendule_->SetForeColor(ToColour(palette().color(QPalette::WindowText)));

    Frame1_ = new QGroupBox(QStringLiteral("Conditions initiales : "), this);
    Frame1_->setObjectName(QStringLiteral("Frame1"));
    Frame1_->setGeometry(TwipsRect(540, 7440, 5595, 1215));
    CreateInitialConditions();

    Frame2_ = new QGroupBox(QStringLiteral("Paramètres oscillations : "), this);
    Frame2_->setObjectName(QStringLiteral("Frame2"));
    Frame2_->setGeometry(TwipsRect(540, 8820, 5595, 1815));
    CreateOscillationParameters();

    chkGo_ = new QPushButton(kStartCaption, this);
    chkGo_->setObjectName(QStringLiteral("chkGo"));
    chkGo_->setCheckable(true);
    chkGo_->setGeometry(TwipsRect(7080, 2580, 1575, 495));
    CondenseToFit(chkGo_, {WithoutMnemonic(kStartCaption), WithoutMnemonic(kPauseCaption)},
                  chkGo_->width() - kButtonTextMargins);

    cmdPosInit_ = new QPushButton(QStringLiteral("&Position initiale"), this);
    cmdPosInit_->setObjectName(QStringLiteral("cmdPosInit"));
    cmdPosInit_->setGeometry(TwipsRect(7080, 3300, 1575, 495));

    chkApproxi_ = new QCheckBox(QStringLiteral("Approximation angle &faible "), this);
    chkApproxi_->setObjectName(QStringLiteral("chkApproxi"));
    chkApproxi_->setGeometry(TwipsRect(7080, 4920, 2235, 315));
    chkApproxi_->setToolTip(
        QStringLiteral("Pour le dernier terme de l'équation , on considère que sinx = x"));
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

    auto* lblAbsciOsci = AddLabel(this, "lblAbsciOsci", QStringLiteral("Temps (en s)"), 9345, 4920,
                                  5115, 255, Fixed);
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

    auto* Label8 = AddLabel(this, "Label8", QStringLiteral("Angle (en degrés)"), 7545, 10200, 6915,
                            255, Fixed);
    Label8->setFont(AxisTitleFont());
    Label8->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    AddLabel(this, "Label15", QStringLiteral("Réalisation : Kestrova"), 7560, 10620, 1815, 195,
             AutoSize);

    lblWeb_ = AddLabel(this, "lblWeb", QString(), 9480, 10620, 2505, 195, AutoSize);
    webLink_ = new WebLink(*lblWeb_, *this);

    tmrPendule_ = new QTimer(this);
    tmrPendule_->setObjectName(QStringLiteral("tmrPendule"));
    tmrPendule_->setTimerType(Qt::PreciseTimer);

    surfaces_.picPendule = picPendule_;
    surfaces_.picOscillation = {picOscillation_[0], picOscillation_[1]};
    surfaces_.picPhase = {picPhase_[0], picPhase_[1]};
}

void frmPenduleAmorti::CreateInitialConditions()
{
    using enum LabelSizing;
    QWidget* frame = Frame1_;
    AddLabel(frame, "Label12", QStringLiteral("θ :"), 240, 300, 195, 315, Fixed);
    AddLabel(frame, "Label3", QStringLiteral("Angle initial : "), 480, 360, 1095, 255, Fixed);
    sldTeta0_ =
        AddSlider(frame, "sldTeta0", 1560, 300, kTeta0Range.minimum, kTeta0Range.maximum, 10);
    lblteta0_ = AddLabel(frame, "lblteta0", kDesignCaption, 4620, 300, 480, 195, AutoSize);

    AddLabel(frame, "Label13", QStringLiteral("θ"), 180, 720, 90, 240, AutoSize);
    AddLabel(frame, "Label14", QStringLiteral("' : "), 300, 720, 165, 195, AutoSize);
    auto* Label1 = AddLabel(frame, "Label1", QStringLiteral("Vitesse initiale : "), 480, 780, 1095,
                            255, Fixed);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignTop);
    sldOmega0_ =
        AddSlider(frame, "sldOmega0", 1560, 720, kOmega0Range.minimum, kOmega0Range.maximum, 1);
    lblOmega0_ = AddLabel(frame, "lblOmega0", kDesignCaption, 4620, 720, 480, 195, AutoSize);
}

void frmPenduleAmorti::CreateOscillationParameters()
{
    using enum LabelSizing;
    QWidget* frame = Frame2_;
    AddLabel(frame, "Label10", QStringLiteral("ω :"), 40, 240, 225, 240, AutoSize);
    auto* Label2 =
        AddLabel(frame, "Label2", QStringLiteral("Pulsation propre :"), 300, 300, 1275, 195, Fixed);
    Label2->setAlignment(Qt::AlignRight | Qt::AlignTop);
    sldPulsation_ = AddSlider(frame, "sldPulsation", 1560, 240, kPulsationRange.minimum,
                              kPulsationRange.maximum, 10);
    lblPulsation_ = AddLabel(frame, "lblPulsation", kDesignCaption, 4620, 240, 480, 195, AutoSize);

    AddLabel(frame, "Label9", QStringLiteral("λ :"), 60, 540, 195, 315, Fixed);
    AddLabel(frame, "Label4", QStringLiteral("Coefficient d'amortissement :"), 300, 600, 1215, 435,
             WordWrap);
    sldLambda_ =
        AddSlider(frame, "sldLambda", 1560, 660, kLambdaRange.minimum, kLambdaRange.maximum, 50);
    lblLambda_ = AddLabel(frame, "lblLambda", kDesignCaption, 4620, 660, 480, 195, AutoSize);

    AddLabel(frame, "Label11", QStringLiteral("τ :"), 60, 1080, 195, 315, Fixed);
    AddLabel(frame, "Label5", QStringLiteral("Durée de relaxation :"), 300, 1140, 1515, 255, Fixed);
    lblRelax_ = AddLabel(frame, "lblRelax", kDesignCaption, 1860, 1140, 480, 195, AutoSize);
    AddLabel(frame, "Label7", QStringLiteral("Pseudo-période :"), 2940, 1140, 1275, 255, Fixed);
    lblPseudo_ = AddLabel(frame, "lblPseudo", kDesignCaption, 4260, 1140, 480, 195, AutoSize);

    AddLabel(frame, "Label6", QStringLiteral("Q : facteur de qualité : "), 60, 1440, 1695, 255,
             Fixed);
    lblQualite_ = AddLabel(frame, "lblQualite", kDesignCaption, 1860, 1440, 480, 195, AutoSize);
    lblRegime_ =
        AddLabel(frame, "lblRegime", QStringLiteral("Régime"), 2940, 1440, 540, 195, AutoSize);
}

QLabel* frmPenduleAmorti::AddLabel(QWidget* parent, const char* name, const QString& text, int left,
                                   int top, int width, int height, LabelSizing sizing)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(TwipsRect(left, top, width, height));
    switch (sizing) {
    case LabelSizing::AutoSize:
        label->adjustSize();
        break;
    case LabelSizing::Fixed:
        CondenseToFit(label, {text}, label->width());
        break;
    case LabelSizing::WordWrap:
        label->setWordWrap(true);
        CondenseToWrap(label);
        break;
    }
    return label;
}

QSlider* frmPenduleAmorti::AddSlider(QWidget* parent, const char* name, int left, int top,
                                     int minimum, int maximum, int tickInterval)
{
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(QLatin1String(name));
    slider->setGeometry(TwipsRect(left, top, 3075, 315));
    slider->setRange(minimum, maximum);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(tickInterval);
    slider->setSingleStep(1);
    slider->setPageStep(5);
    return slider;
}

PictureBox* frmPenduleAmorti::AddPictureBox(const char* name, int left, int top, int width,
                                            int height)
{
    auto* box = new PictureBox(this);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(TwipsRect(left, top, width, height));
    return box;
}

void frmPenduleAmorti::DescribeControls()
{
    // What a screen reader says, in French like the rest of the window. The
    // value captions and the toggle keep their changing text as their name,
    // so that the current value or action is what is read.
    const auto label = [this](const char* name) { return findChild<QLabel*>(QLatin1String(name)); };
    imgEquation_->setAccessibleName(QStringLiteral("Équation du mouvement"));
    imgEquation_->setAccessibleDescription(QStringLiteral("θ'' + 2λθ' + ω₀² sin θ = 0"));
    picPendule_->setAccessibleName(QStringLiteral("Pendule"));
    picPendule_->setAccessibleDescription(
        QStringLiteral("Le pendule dessiné à son angle du moment"));
    Frame1_->setAccessibleName(QStringLiteral("Conditions initiales"));
    Frame2_->setAccessibleName(QStringLiteral("Paramètres des oscillations"));

    struct SliderText {
        QSlider* slider;
        QLabel* title;
        QLabel* caption;
        int stepsPerUnit;
        const char* name;
        const char* description;
        const char* captionDescription;
    };
    const SliderText sliders[] = {
        {sldTeta0_, label("Label3"), lblteta0_, 1, "Angle initial, en degrés", "De 0 à 180 degrés",
         "Valeur de l'angle initial"},
        {sldOmega0_, label("Label1"), lblOmega0_, 1, "Vitesse initiale, en radians par seconde",
         "De -10 à 10 radians par seconde", "Valeur de la vitesse initiale"},
        {sldPulsation_, label("Label2"), lblPulsation_, 10,
         "Pulsation propre, en radians par seconde", "De 0,1 à 20 radians par seconde",
         "Valeur de la pulsation propre"},
        {sldLambda_, label("Label4"), lblLambda_, 100, "Coefficient d'amortissement, par seconde",
         "De 0 à 5 par seconde", "Valeur du coefficient d'amortissement, par seconde"},
    };
    for (const SliderText& s : sliders) {
        s.slider->setAccessibleName(QString::fromUtf8(s.name));
        s.slider->setAccessibleDescription(
            QString::fromUtf8(s.description)
            + QStringLiteral(". Le déplacer remet le pendule à sa position initiale."));
        s.caption->setAccessibleDescription(QString::fromUtf8(s.captionDescription));
        if (s.title != nullptr)
            s.title->setBuddy(s.slider);
        TieSliderToCaption(*s.slider, *s.caption, s.stepsPerUnit);
    }

    // The derived quantities, each labelled by its title.
    const std::pair<const char*, QLabel*> derived[] = {
        {"Label5", lblRelax_}, {"Label7", lblPseudo_}, {"Label6", lblQualite_}};
    for (const auto& [title, caption] : derived) {
        if (QLabel* t = label(title))
            t->setBuddy(caption);
    }
    lblRelax_->setAccessibleDescription(QStringLiteral("Durée de relaxation, en secondes"));
    lblPseudo_->setAccessibleDescription(QStringLiteral("Pseudo-période"));
    lblQualite_->setAccessibleDescription(QStringLiteral("Facteur de qualité"));
    lblRegime_->setAccessibleDescription(QStringLiteral("Régime des oscillations"));

    chkGo_->setAccessibleDescription(
        QStringLiteral("Lance l'animation du pendule et le tracé des courbes, ou la suspend"));
    cmdPosInit_->setAccessibleDescription(
        QStringLiteral("Remet le pendule à ses conditions initiales et arrête l'animation"));
    chkApproxi_->setAccessibleDescription(QStringLiteral(
        "Montre aussi, en vert, la solution des petits angles, où sin θ est pris égal à θ"));

    picOrdoOsci_->setAccessibleName(QStringLiteral("Angle (en degrés)"));
    picOrdoOsci_->setAccessibleDescription(
        QStringLiteral("Titre de l'axe vertical du graphique des oscillations"));
    picOrdoPhase_->setAccessibleName(QStringLiteral("Vitesse (en rad/s)"));
    picOrdoPhase_->setAccessibleDescription(
        QStringLiteral("Titre de l'axe vertical du portrait de phase"));
    const QString exact = QStringLiteral("Mouvement exact, tracé en rouge pendant l'animation");
    const QString compared = QStringLiteral(
        "Mouvement exact en rouge et solution des petits angles en vert ; montré quand "
        "« Approximation angle faible » est cochée");
    picOscillation_[0]->setAccessibleName(
        QStringLiteral("Oscillations : angle en fonction du temps"));
    picOscillation_[0]->setAccessibleDescription(exact);
    picOscillation_[1]->setAccessibleName(QStringLiteral(
        "Oscillations : angle en fonction du temps, avec l'approximation des petits angles"));
    picOscillation_[1]->setAccessibleDescription(compared);
    picPhase_[0]->setAccessibleName(
        QStringLiteral("Portrait de phase : vitesse en fonction de l'angle"));
    picPhase_[0]->setAccessibleDescription(exact);
    picPhase_[1]->setAccessibleName(
        QStringLiteral("Portrait de phase : vitesse en fonction de l'angle, avec l'approximation "
                       "des petits angles"));
    picPhase_[1]->setAccessibleDescription(compared);

    lblWeb_->setAccessibleDescription(
        QStringLiteral("Ouvre le site de l'auteur dans le navigateur"));
    MakeLink(*lblWeb_, [this] { webLink_->Click(); });

    // The order of the layout: the two groups of sliders top to bottom, then
    // the buttons and the check box, then the link.
    QWidget* const order[] = {sldTeta0_, sldOmega0_,  sldPulsation_, sldLambda_,
                              chkGo_,    cmdPosInit_, chkApproxi_,   lblWeb_};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

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
}

// ---------------------------------------------------------------------------
// Load, reset, small handlers

void frmPenduleAmorti::Form_Load()
{
    WriteAxisTitle(*picOrdoOsci_, "Angle (en degrés)");
    WriteAxisTitle(*picOrdoPhase_, "Vitesse (en rad/s)");

    // No handler runs for values set by code.
    sldTeta0_->setValue(45);
    sldOmega0_->setValue(0);
    sldPulsation_->setValue(40);
    sldLambda_->setValue(22);

    ResetSimulation();
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
    AxisTitler_->Label(title);
}

void frmPenduleAmorti::ResetSimulation()
{
    tmrPendule_->stop();

    SliderValues sliders;
    sliders.Teta0Degrees = sldTeta0_->value();
    sliders.Omega0 = sldOmega0_->value();
    sliders.PulsationTenths = sldPulsation_->value();
    sliders.LambdaHundredths = sldLambda_->value();
    const Parameters parameters = ParametersFromSliders(sliders);
    state_.Teta0 = parameters.Teta0;
    state_.Omega0 = parameters.Omega0;
    state_.Pulsation2 = parameters.Pulsation2;
    state_.Lambda = parameters.Lambda;
    maxSubStep_ = MaxSubStep(std::sqrt(state_.Pulsation2));

    const std::string sep = QLocale().decimalPoint().toStdString();
    SetCaption(lblteta0_, ToQString(Teta0Caption(sliders.Teta0Degrees)));
    SetCaption(lblOmega0_, ToQString(Omega0Caption(state_.Omega0, sep)));
    SetCaption(lblPulsation_, ToQString(PulsationCaption(sliders.PulsationTenths, sep)));
    SetCaption(lblLambda_, ToQString(LambdaCaption(state_.Lambda, sep)));
    // Without damping there is no quality factor nor relaxation time: the
    // captions keep what they showed.
    const DerivedQuantities derived = Derive(parameters);
    if (derived.qualityFactor)
        SetCaption(lblQualite_, ToQString(QualityCaption(*derived.qualityFactor, sep)));
    if (derived.relaxationTime)
        SetCaption(lblRelax_, ToQString(RelaxationCaption(*derived.relaxationTime, sep)));

    // Pauses a running animation through the toggle's own handler, which adds
    // the running time into TempsCumul; the clocks are zeroed only after it.
    // The figure is redrawn below, at the initial angle.
    figureBehind_ = false;
    chkGo_->setChecked(false);
    state_.Teta = state_.Teta0;
    state_.Omega = state_.Omega0;
    state_.Temps = 0;
    state_.TempsPrec = 0;
    state_.TempsCumul = 0;

    const LinearSolutionResult start =
        LinearSolution(state_.Teta0, state_.Omega0, state_.Pulsation2, state_.Lambda, 0);
    state_.TetaApprox = start.motion.angle;
    state_.OmegaApprox = start.motion.speed;
    state_.DureeTrace = start.DureeTrace;
    // The pseudo-period is shown only in the pseudo-periodic regime.
    SetCaption(lblPseudo_,
               start.pseudoPeriod ? ToQString(PseudoPeriodCaption(*start.pseudoPeriod, sep))
                                  : QString());
    SetCaption(lblRegime_, ToQString(RegimeCaption(start.regime)));

    DampedSurfaces& s = surfaces_;
    s.picOscillation[0]->Cls();
    s.picOscillation[1]->Cls();

    const AmplitudeScan scan = ScanAmplitudes(state_.Teta0, state_.Omega0, state_.Pulsation2,
                                              state_.Lambda, state_.DureeTrace);
    state_.TetaMax = scan.angleScale;
    state_.OmegaMax = scan.maxSpeed;

    s.picOscillation[0]->Scale(-0.85, state_.TetaMax, 10.3, -state_.TetaMax);
    s.picOscillation[1]->Scale(-0.85, state_.TetaMax, 10.3, -state_.TetaMax);
    s.picPendule->Scale(-10, 10, 10, -10);
    DrawPendulum(*s.picPendule, state_.Teta0);
    s.picPhase[0]->Cls();
    s.picPhase[1]->Cls();
    DrawPlotFrames(state_, s.picOscillation, s.picPhase);
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

bool frmPenduleAmorti::eventFilter(QObject* watched, QEvent* event)
{
    // Installed on the figure box only when kestrova.paint is enabled.
    if (watched == picPendule_ && event->type() == QEvent::Paint) {
        if (!paintClock_.isValid())
            paintClock_.start();
        ++paintCount_;
        if (paintClock_.elapsed() >= 1000) {
            qCDebug(lcPaint, "picPendule: %.1f paints/s",
                    paintCount_ * 1000.0 / static_cast<double>(paintClock_.restart()));
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
        chkGo_->setText(kPauseCaption);
        DrawPlotFrames(state_, surfaces_.picOscillation, surfaces_.picPhase);
        clock_.ReadStart();
        // Temps belongs to the run that has just ended: a pause arriving
        // before this run's first tick must not add it to TempsCumul again.
        state_.Temps = 0;
        figureTime_ = -std::numeric_limits<double>::infinity();
        tmrPendule_->start(kTimerIntervalMs);
    } else {
        chkGo_->setText(kStartCaption);
        state_.TempsCumul += state_.Temps;
        tmrPendule_->stop();
        // A paused pendulum shows exactly where it is.
        if (figureBehind_)
            DrawPendulum(*surfaces_.picPendule, state_.Teta);
        figureBehind_ = false;
    }
}

double frmPenduleAmorti::MaxSubStep(double naturalPulsation)
{
    if (!(naturalPulsation > 0))
        return kMaxStepSeconds;
    return std::min(kMaxStepSeconds, kMaxPhasePerStep / naturalPulsation);
}

Motion frmPenduleAmorti::Integrate(double angle, double speed, double seconds) const
{
    Motion motion{angle, speed};
    if (!(seconds > 0) || !std::isfinite(seconds))
        return motion; // a non-finite time is caught by the tick's guard
    // One RK4 step over a long interval (window dragged, machine busy) would
    // pump energy into the swing, or blow it up beyond h·ω₀ ≈ 2.8: cover the
    // interval in equal steps no longer than maxSubStep_ instead. (The cap
    // only keeps the count an integer: it is days of simulated time.)
    constexpr double kMostSteps = 1e9;
    const double steps = std::clamp(std::ceil(seconds / maxSubStep_), 1.0, kMostSteps);
    const auto n = static_cast<long long>(steps);
    const double h = seconds / static_cast<double>(n);
    for (long long i = 0; i < n; ++i)
        motion = RungeKuttaStep(motion.angle, motion.speed, state_.Pulsation2, state_.Lambda, h);
    return motion;
}

void frmPenduleAmorti::AnimationTick()
{
    ShowChosenView();

    clock_.ReadCurrent();
    state_.Temps = clock_.ElapsedSeconds();
    const double Dt = state_.Temps - state_.TempsPrec;
    const Motion next = Integrate(state_.Teta, state_.Omega, Dt);

    const double previousTime = state_.TempsCumul + state_.TempsPrec;
    const double time = state_.TempsCumul + state_.Temps;
    // Only the motion is needed here: the captions LinearSolution describes
    // cannot change while the animation runs.
    const Motion approx =
        LinearSolution(state_.Teta0, state_.Omega0, state_.Pulsation2, state_.Lambda, time).motion;

    if (!AllFinite({next.angle, next.speed, approx.angle, approx.speed, time, previousTime})) {
        StopOnFault();
        return;
    }

    const DampedSurfaces& s = surfaces_;
    if (time - figureTime_ >= kFigureIntervalSeconds) {
        DrawPendulum(*s.picPendule, next.angle);
        figureTime_ = time;
        figureBehind_ = false;
    } else {
        figureBehind_ = true;
    }

    s.picOscillation[0]->Line(previousTime, state_.Teta, time, next.angle, kExactTraceColour);
    s.picPhase[0]->Line(state_.Teta, state_.Omega, next.angle, next.speed, kExactTraceColour);
    s.picOscillation[1]->Line(previousTime, state_.Teta, time, next.angle, kExactTraceColour);
    s.picPhase[1]->Line(state_.Teta, state_.Omega, next.angle, next.speed, kExactTraceColour);

    s.picOscillation[1]->Line(previousTime, state_.TetaApprox, time, approx.angle,
                              kSmallAngleTraceColour);
    s.picPhase[1]->Line(state_.TetaApprox, state_.OmegaApprox, approx.angle, approx.speed,
                        kSmallAngleTraceColour);

    state_.TetaApprox = approx.angle;
    state_.OmegaApprox = approx.speed;
    state_.Teta = next.angle;
    state_.Omega = next.speed;
    state_.TempsPrec = state_.Temps;

    const double reducedSpeed = state_.Omega / std::sqrt(state_.Pulsation2);
    const double E = reducedSpeed * reducedSpeed + state_.Teta * state_.Teta;
    if (E < kRestEnergy && state_.TempsPrec > kRestDelaySeconds && state_.Lambda != 0) {
        // Shown hanging straight down; Teta keeps its residual value.
        DrawPendulum(*s.picPendule, 0);
        figureBehind_ = false;
        chkGo_->setChecked(false);
        tmrPendule_->stop();
    }
}

void frmPenduleAmorti::StopOnFault()
{
    // Nothing of this tick is drawn or kept: the figure and the traces stay
    // as the last sound tick left them.
    tmrPendule_->stop();
    // The pause adds Temps into TempsCumul: count only the time the traces
    // have reached.
    state_.Temps = std::isfinite(state_.TempsPrec) ? state_.TempsPrec : 0;
    figureBehind_ = false;
    chkGo_->setChecked(false);
    if (reportFault_)
        reportFault_(QStringLiteral(
            "Le calcul du mouvement a donné une valeur non finie : l'animation est arrêtée.\n"
            "Cliquez sur « Position initiale » ou changez un paramètre pour repartir."));
}

} // namespace kestrova
