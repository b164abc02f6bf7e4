#include "ui/foucault/place_panel.h"

#include "model/latitude_reading.h"
#include "model/pendulum_state.h"
#include "ui/common/translatable.h"
#include "ui/foucault/latitude_field.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

namespace kestrova {

namespace {

struct PresetPlace {
    const char* name;
    const char* objectName;
    double degrees;
};

constexpr PresetPlace kPresetPlaces[] = {
    {QT_TRANSLATE_NOOP("kestrova::PlacePanel", "Paris"), "cmdParis",
     foucault::kParisLatitudeDegrees},
    {QT_TRANSLATE_NOOP("kestrova::PlacePanel", "Pôle Nord"), "cmdPoleNord", 90.0},
    {QT_TRANSLATE_NOOP("kestrova::PlacePanel", "Équateur"), "cmdEquateur", 0.0},
    {QT_TRANSLATE_NOOP("kestrova::PlacePanel", "Sydney"), "cmdSydney", -33.87},
};

} // namespace

PlacePanel::PlacePanel(QWidget* parent)
    : QGroupBox(parent)
{
    SetTranslatable(this, "title", QT_TR_NOOP("Lieu et durée du jour"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(3);

    txtLatitude_ = new QLineEdit(this);
    txtLatitude_->setObjectName(QStringLiteral("txtLatitude"));
    txtLatitude_->setMaximumWidth(80);
    SetTranslatable(txtLatitude_, "accessibleName", QT_TR_NOOP("Latitude du lieu, en degrés"));
    SetTranslatable(txtLatitude_, "accessibleDescription",
                    QT_TR_NOOP("De 0 à 90, suivi de N pour le nord ou de S pour le sud"));
    auto* lblLatitude = new QLabel(this);
    SetTranslatable(lblLatitude, "text", QT_TR_NOOP("La&titude (°) :"));
    lblLatitude->setBuddy(txtLatitude_);
    grid->addWidget(lblLatitude, 0, 0);
    grid->addWidget(txtLatitude_, 0, 1, Qt::AlignLeft);

    auto* presets = new QHBoxLayout;
    presets->setSpacing(3);
    for (const PresetPlace& place : kPresetPlaces) {
        auto* button = new QPushButton(this);
        SetTranslatable(button, "text", place.name);
        button->setObjectName(QLatin1String(place.objectName));
        button->setAutoDefault(false);
        const double degrees = place.degrees;
        connect(button, &QPushButton::clicked, this, [this, degrees] {
            txtLatitude_->setText(foucault::LatitudeText(degrees, QLocale()));
        });
        presets->addWidget(button);
    }
    presets->addStretch();
    auto* lblLieux = new QLabel(this);
    SetTranslatable(lblLieux, "text", QT_TR_NOOP("Lieux :"));
    grid->addWidget(lblLieux, 1, 0);
    grid->addLayout(presets, 1, 1);

    lblRefusLatitude_ = new QLabel(this);
    lblRefusLatitude_->setObjectName(QStringLiteral("lblRefusLatitude"));
    lblRefusLatitude_->setWordWrap(true);
    SetTranslatable(lblRefusLatitude_, "accessibleDescription",
                    QT_TR_NOOP("Pourquoi la latitude est refusée"));
    QPalette warning = lblRefusLatitude_->palette();
    warning.setColor(QPalette::WindowText, QColor(192, 0, 0));
    lblRefusLatitude_->setPalette(warning);
    lblRefusLatitude_->hide();
    grid->addWidget(lblRefusLatitude_, 2, 0, 1, 2);

    cboJour_ = new QComboBox(this);
    cboJour_->setObjectName(QStringLiteral("cboJour"));
    cboJour_->addItem(QString());
    cboJour_->addItem(QString());
    auto* lblJour = new QLabel(this);
    SetTranslatable(lblJour, "text", QT_TR_NOOP("&Jour :"));
    lblJour->setBuddy(cboJour_);
    grid->addWidget(lblJour, 3, 0);
    grid->addWidget(cboJour_, 3, 1, Qt::AlignLeft);

    cboFacteur_ = new QComboBox(this);
    cboFacteur_->setObjectName(QStringLiteral("cboFacteur"));
    for (const int factor : foucault::kTimeFactors)
        cboFacteur_->addItem(QStringLiteral("×") + QString::number(factor), factor);
    cboFacteur_->setEnabled(false);
    SetTranslatable(
        cboFacteur_, "accessibleDescription",
        QT_TR_NOOP("Combien de fois plus vite que le temps réel, avec le jour sidéral réel"));
    auto* lblFacteur = new QLabel(this);
    SetTranslatable(lblFacteur, "text", QT_TR_NOOP("A&ccélération du temps :"));
    lblFacteur->setBuddy(cboFacteur_);
    grid->addWidget(lblFacteur, 4, 0);
    grid->addWidget(cboFacteur_, 4, 1, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(5, 1);

    txtLatitude_->setText(foucault::LatitudeText(foucault::kParisLatitudeDegrees, QLocale()));
    LatitudeTextChanged();
    Retranslate();
    connect(txtLatitude_, &QLineEdit::textChanged, this, [this] {
        LatitudeTextChanged();
        emit PlaceChanged();
    });
    connect(cboJour_, &QComboBox::currentIndexChanged, this, &PlacePanel::DayChanged);
    connect(cboFacteur_, &QComboBox::currentIndexChanged, this, &PlacePanel::TimeFactorChanged);
}

void PlacePanel::Retranslate()
{
    cboJour_->setItemText(0, tr("Jour accéléré (1000 s)"));
    cboJour_->setItemText(1, tr("Jour sidéral réel"));
    if (!accepted_)
        LatitudeTextChanged();
}

foucault::PlanetDay PlacePanel::Day() const
{
    return cboJour_->currentIndex() == 1 ? foucault::PlanetDay::Sidereal
                                         : foucault::PlanetDay::Accelerated;
}

QString PlacePanel::DayText() const
{
    if (Day() == foucault::PlanetDay::Sidereal)
        return cboJour_->currentText() + QStringLiteral(", ") + cboFacteur_->currentText();
    return cboJour_->currentText();
}

double PlacePanel::TimeFactor() const
{
    return Day() == foucault::PlanetDay::Sidereal ? cboFacteur_->currentData().toDouble() : 1.0;
}

void PlacePanel::LatitudeTextChanged()
{
    const foucault::LatitudeReading reading =
        foucault::ReadLatitudeText(txtLatitude_->text(), QLocale());
    accepted_ = reading.Accepted();
    if (accepted_) {
        latitudeDegrees_ = reading.Degrees;
        latitude_ = reading.Degrees * DegToRad;
    }
    lblRefusLatitude_->setText(foucault::LatitudeRefusalMessage(reading.Refusal));
    lblRefusLatitude_->setVisible(!accepted_);
}

void PlacePanel::ApplyPlace(double latitudeDegrees, foucault::PlanetDay day, int timeFactor)
{
    cboJour_->setCurrentIndex(day == foucault::PlanetDay::Sidereal ? 1 : 0);
    const int factorIndex = cboFacteur_->findData(timeFactor);
    if (day == foucault::PlanetDay::Sidereal && factorIndex >= 0)
        cboFacteur_->setCurrentIndex(factorIndex);
    txtLatitude_->setText(foucault::LatitudeText(latitudeDegrees, QLocale()));
    // Two decimals are what the field shows; a latitude typed finer keeps
    // every digit it was given.
    if (!accepted_ || latitudeDegrees_ != latitudeDegrees) {
        QString text = QString::number(std::abs(latitudeDegrees), 'g', 15);
        text.replace(QLatin1Char('.'), QLocale().decimalPoint());
        if (latitudeDegrees != 0)
            text += latitudeDegrees > 0 ? QStringLiteral(" N") : QStringLiteral(" S");
        txtLatitude_->setText(text);
    }
}

void PlacePanel::DayChanged()
{
    const bool realDay = Day() == foucault::PlanetDay::Sidereal;
    if (!realDay)
        cboFacteur_->setCurrentIndex(0);
    cboFacteur_->setEnabled(realDay);
    emit PlaceChanged();
    emit TimeFactorChanged();
}

} // namespace kestrova
