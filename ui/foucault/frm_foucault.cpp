#include "ui/foucault/frm_foucault.h"

#include "model/foucault_motion.h"
#include "model/translatable_text.h"
#include "plot/frame_pacer.h"
#include "plot/qt_colour.h"
#include "plot/qt_picture_box.h"
#include "plot/twips.h"
#include "ui/accessibility/accessible_controls.h"
#include "ui/common/dialog_font.h"
#include "ui/common/form_layout.h"
#include "ui/common/translatable.h"
#include "ui/foucault/foucault_views.h"
#include "ui/foucault/length_field.h"
#include "ui/foucault/line_element.h"
#include "ui/foucault/place_panel.h"
#include "ui/foucault/plane_readout.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTimer>

#include <cmath>

namespace kestrova {

namespace {

// Client area at design, in twips, with the place and the readout below the
// controls of the first design (7560 twips high).
constexpr int kClientWidthTwips = 13920;
constexpr int kClientHeightTwips = 9660;
// The place and the readout, side by side under the two views.
constexpr TwipsBox kPlaceBox{120, 7140, 5775, 2400};
constexpr TwipsBox kReadoutBox{6180, 7140, 7620, 2400};
// Gap between the two views, in twips.
constexpr double kViewGapTwips = 50;

} // namespace

frmFoucault::frmFoucault(HighResolutionClock& clock, QWidget* parent)
    : QWidget(parent)
    , simulatedTime_(clock)
{
    SetTranslatable(this, "windowTitle", QT_TR_NOOP("Pendule pesant"));
    setFont(DialogFont());
    setFixedSize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));
    InstallAccessibleControls();
    CreateControls();
    DescribeControls();
    ConnectHandlers();
    LoadWindow();
    RetranslateOnLanguageChange(*this, [this] {
        DescribeControls();
        if (!lengthAccepted_)
            ShowRefusal();
        placePanel_->Retranslate();
        ShowReadout();
    });
}

frmFoucault::~frmFoucault()
{
    tmrCourbe_->stop();
}

void frmFoucault::CreateControls()
{
    const Colour windowColour = ToColour(palette().color(QPalette::Base));
    const Colour windowText = ToColour(palette().color(QPalette::Text));
    auto addPictureBox = [&](const char* name, int left, int top, int width, int height) {
        auto* box = new PictureBox(this);
        box->setObjectName(QLatin1String(name));
        box->SetLeft(left);
        box->SetTop(top);
        box->SetWidth(width);
        box->SetHeight(height);
        box->SetBackColor(windowColour);
        box->SetForeColor(windowText);
        box->Cls();
        return box;
    };
    picCourbe_ = addPictureBox("picCourbe", 120, 120, 5775, 6015);
    picPendule_ = addPictureBox("picPendule", 6120, 120, 4155, 6015);

    // Alt+A starts the animation here as in the damped-pendulum window.
    cmdGo_ = new QPushButton(this);
    SetTranslatable(cmdGo_, "text", QT_TR_NOOP(" lancer l'&animation"));
    cmdGo_->setObjectName(QStringLiteral("cmdGo"));
    cmdGo_->setGeometry(TwipsRect({3960, 6480, 1515, 495}));

    txtLong_ = new QLineEdit(QStringLiteral("Text1"), this);
    txtLong_->setObjectName(QStringLiteral("txtLong"));
    txtLong_->setGeometry(TwipsRect({1800, 6360, 615, 375}));

    // Alt+L goes to the length field.
    Label1_ = new QLabel(this);
    SetTranslatable(Label1_, "text", QT_TR_NOOP("&Longueur du pendule : "));
    Label1_->setObjectName(QStringLiteral("Label1"));
    Label1_->setGeometry(TwipsRect({120, 6420, 1635, 255}));

    // Beside the field and the button, over the rest of the bottom strip.
    lblRefus_ = new QLabel(this);
    lblRefus_->setObjectName(QStringLiteral("lblRefus"));
    lblRefus_->setGeometry(TwipsRect({5640, 6330, 8160, 660}));
    lblRefus_->setWordWrap(true);
    QPalette warning = lblRefus_->palette();
    warning.setColor(QPalette::WindowText, QColor(192, 0, 0));
    lblRefus_->setPalette(warning);
    lblRefus_->hide();

    linFil_ = new LineElement(*picPendule_);
    linFil_->setObjectName(QStringLiteral("linFil"));

    tmrCourbe_ = new QTimer(this);
    tmrCourbe_->setObjectName(QStringLiteral("tmrCourbe"));

    placePanel_ = new PlacePanel(this);
    placePanel_->setGeometry(TwipsRect(kPlaceBox));
    readout_ = new PlaneReadout(this);
    readout_->setGeometry(TwipsRect(kReadoutBox));

    setTabOrder(picCourbe_, picPendule_);
    setTabOrder(picPendule_, cmdGo_);
    setTabOrder(cmdGo_, txtLong_);
    setTabOrder(txtLong_, Label1_);
}

void frmFoucault::DescribeControls()
{
    picCourbe_->setAccessibleName(tr("Trace au sol"));
    picCourbe_->setAccessibleDescription(
        tr("Vue de dessus : les 100 dernières positions de la masse sur le sol, "
           "où l'on voit tourner lentement le plan d'oscillation"));
    picPendule_->setAccessibleName(tr("Vue de côté"));
    picPendule_->setAccessibleDescription(
        tr("Le fil et la masse oscillant sous le point de suspension"));
    cmdGo_->setAccessibleName(tr("Lancer l'animation"));
    cmdGo_->setAccessibleDescription(
        tr("Relance le mouvement depuis l'instant zéro, avec une trace vide"));
    Label1_->setBuddy(txtLong_);
    txtLong_->setAccessibleName(tr("Longueur du pendule, en mètres"));
    txtLong_->setAccessibleDescription(
        tr("Plus de 3 m et au plus 1000 m ; la touche Entrée lance l'animation"));
    lblRefus_->setAccessibleDescription(tr("Pourquoi la longueur est refusée"));
}

void frmFoucault::ConnectHandlers()
{
    connect(txtLong_, &QLineEdit::textChanged, this, &frmFoucault::LengthChanged);
    // Enter in the field starts, as the button would; a refused length
    // leaves the button, and so Enter, without effect.
    connect(txtLong_, &QLineEdit::returnPressed, cmdGo_, &QPushButton::click);
    connect(cmdGo_, &QPushButton::clicked, this, &frmFoucault::StartAnimation);
    connect(tmrCourbe_, &QTimer::timeout, this, &frmFoucault::AnimationTick);
    connect(placePanel_, &PlacePanel::PlaceChanged, this, &frmFoucault::PlaceChanged);
    // A new factor takes effect from the last tick on, without a jump.
    connect(placePanel_, &PlacePanel::TimeFactorChanged, this, [this] {
        run_.SetTimeFactor(placePanel_->TimeFactor());
        emit SetupChanged();
    });
}

void frmFoucault::LoadWindow()
{
    picCourbe_->SetWidth(picCourbe_->Height());
    foucault::ScaleGroundView(*picCourbe_);
    foucault::DrawGroundReference(*picCourbe_, foucault::kAmplitude);

    FoucaultSetup setup;
    setup.Latitude = placePanel_->Latitude();
    setup.Day = placePanel_->Day();
    setup.TimeFactor = placePanel_->TimeFactor();
    run_.Reset(setup);
    // Runs LengthChanged at once: timer off, trail empty, side-view scale, OmegaPendule.
    txtLong_->setText(foucault::LengthText(run_.Longueur(), QLocale()));

    picPendule_->SetWidth(picPendule_->Height());
    picPendule_->SetLeft(picCourbe_->Width() + picCourbe_->Left() + kViewGapTwips);
    foucault::ScaleSideView(*picPendule_, run_.Longueur());

    // The string at rest: displaced by the amplitude, the bob lifted on its path.
    const foucault::StringEnd rest = run_.StringEnd();
    linFil_->SetEnds(0, run_.Longueur(), rest.X, rest.Y);
    foucault::DrawSideView(*picPendule_, run_.Longueur(), linFil_->X2(), linFil_->Y2());
    ShowReadout();
}

void frmFoucault::LengthChanged()
{
    StopAnimation();
    const foucault::LengthReading reading = foucault::ReadLengthText(txtLong_->text(), QLocale());
    lengthAccepted_ = reading.Accepted();
    // The previous length stays while the text is refused.
    run_.SetLength(lengthAccepted_ ? reading.Length : run_.Longueur());
    if (lengthAccepted_) {
        lblRefus_->clear();
        lblRefus_->hide();
    } else {
        // The previous length stays; starting is impossible until the text is fixed.
        ShowRefusal();
    }
    cmdGo_->setEnabled(lengthAccepted_ && placePanel_->Accepted());

    foucault::ScaleSideView(*picPendule_, run_.Longueur());
    ShowReadout();
    emit SetupChanged();
}

FoucaultWindowSetup frmFoucault::Setup() const
{
    return {run_.Longueur(), placePanel_->LatitudeDegrees(), placePanel_->Day(),
            static_cast<int>(placePanel_->TimeFactor())};
}

void frmFoucault::ApplySetup(const FoucaultWindowSetup& setup)
{
    placePanel_->ApplyPlace(setup.latitudeDegrees, setup.day, setup.timeFactor);
    txtLong_->setText(foucault::LengthText(setup.lengthMetres, QLocale()));
    // One decimal is what the field shows; a length typed finer keeps
    // every digit it was given.
    if (!lengthAccepted_ || run_.Longueur() != setup.lengthMetres) {
        QString text = QString::number(setup.lengthMetres, 'g', 15);
        text.replace(QLatin1Char('.'), QLocale().decimalPoint());
        txtLong_->setText(text);
    }
    // Texts equal to the old ones changed nothing: the run starts afresh all the same.
    PlaceChanged();
    LengthChanged();
}

void frmFoucault::ShowRefusal()
{
    const foucault::LengthReading reading = foucault::ReadLengthText(txtLong_->text(), QLocale());
    lblRefus_->setText(QCoreApplication::translate(
        kLengthContext, foucault::RefusalMessage(reading.Refusal).c_str()));
    lblRefus_->show();
}

void frmFoucault::PlaceChanged()
{
    StopAnimation();
    // A refused latitude keeps the previous one; starting waits for a good one.
    run_.SetPlace(placePanel_->Latitude(), placePanel_->Day());
    cmdGo_->setEnabled(lengthAccepted_ && placePanel_->Accepted());
    readout_->setEnabled(placePanel_->Accepted());
    ShowReadout();
    emit SetupChanged();
}

void frmFoucault::StartAnimation()
{
    if (!lengthAccepted_ || !placePanel_->Accepted())
        return;
    run_.Start();
    ShowReadout();
    simulatedTime_.Start();
    tmrCourbe_->start(TickIntervalMs());
}

void frmFoucault::StopAnimation()
{
    tmrCourbe_->stop();
    run_.Pause();
}

int frmFoucault::TickIntervalMs() const
{
    return static_cast<int>(
        std::lround(foucault::TimerIntervalMs(run_.Longueur()) / simulatedTime_.Speed()));
}

void frmFoucault::SetSlowMotion(double speed)
{
    simulatedTime_.SetSpeed(speed, tmrCourbe_->isActive());
    if (tmrCourbe_->isActive())
        tmrCourbe_->setInterval(TickIntervalMs());
}

void frmFoucault::ShowReadout()
{
    // The kept latitude's figures would pass for the typed one's: a refused
    // place shows none.
    if (placePanel_->Accepted())
        readout_->Show(run_, lengthAccepted_);
    else
        readout_->ShowNothing();
}

QStringList frmFoucault::ReadoutLines() const
{
    return readout_->Lines();
}

void frmFoucault::AnimationTick()
{
    // The seconds at the animation's pace (fewer than real ones in slow
    // motion); the run speeds them up by its time factor.
    const FoucaultFrame frame = run_.AdvanceTo(simulatedTime_.Now());
    const double length = run_.Longueur();
    linFil_->SetEnds(0, length, frame.StringEnd.X, frame.StringEnd.Y);

    // The references stand still: each frame puts back what the bob and
    // the trail covered instead of drawing the dotted circles again.
    picPendule_->EraseToBackdrop(
        [this, length] { foucault::DrawSideReference(*picPendule_, length); });
    foucault::DrawSideBob(*picPendule_, length, linFil_->X2(), linFil_->Y2());

    picCourbe_->EraseToBackdrop(
        [this] { foucault::DrawGroundReference(*picCourbe_, run_.Amplitude()); });
    foucault::DrawTrail(*picCourbe_, run_.Points());
    ShowReadout();
    // The tick is the frame: what it drew goes to the screen now, not at a
    // second wake-up of the frame pacer.
    if (FramePacer* pacer = FramePacer::Instance())
        pacer->ShowFrame();
}

void frmFoucault::closeEvent(QCloseEvent* event)
{
    StopAnimation();
    QWidget::closeEvent(event);
    emit Unloaded();
}

} // namespace kestrova
