#pragma once

/// \file
/// Where and how fast the Foucault pendulum's planet turns: the latitude (a
/// field and a few places to pick), the day (sped up to 1000 s, or the real
/// sidereal day) and, with the real day, how many times faster than real
/// time the simulation runs.

#include "model/foucault_motion.h"

#include <QGroupBox>

class QComboBox;
class QLabel;
class QLineEdit;

namespace kestrova {

class PlacePanel : public QGroupBox {
    Q_OBJECT

public:
    /// Starts at Paris with the sped-up day and the factor 1.
    explicit PlacePanel(QWidget* parent = nullptr);

    /// The latitude text as it stands gives a latitude.
    [[nodiscard]] bool Accepted() const { return accepted_; }
    /// Writes the texts built here (the day choices, a refusal) again in the
    /// interface language.
    void Retranslate();
    /// The last accepted latitude (rad, north positive).
    [[nodiscard]] double Latitude() const { return latitude_; }
    /// The same in degrees, as read from the text.
    [[nodiscard]] double LatitudeDegrees() const { return latitudeDegrees_; }
    /// Sets the controls as the user would: the day, the factor (with the
    /// sidereal day only), then the latitude text.
    void ApplyPlace(double latitudeDegrees, foucault::PlanetDay day, int timeFactor);
    [[nodiscard]] foucault::PlanetDay Day() const;
    /// The day as the panel shows it, with the time acceleration when it applies.
    [[nodiscard]] QString DayText() const;
    /// How many times faster than real time; 1 with the sped-up day, whose
    /// plane already turns within a lesson.
    [[nodiscard]] double TimeFactor() const;

signals:
    /// The latitude text or the day changed.
    void PlaceChanged();
    void TimeFactorChanged();

private:
    void LatitudeTextChanged();
    void DayChanged();

    QLineEdit* txtLatitude_ = nullptr;
    QLabel* lblRefusLatitude_ = nullptr;
    QComboBox* cboJour_ = nullptr;
    QComboBox* cboFacteur_ = nullptr;
    bool accepted_ = false;
    double latitude_ = 0;
    double latitudeDegrees_ = 0;
};

} // namespace kestrova
