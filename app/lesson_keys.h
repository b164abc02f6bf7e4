#pragma once

/// \file
/// The keys and fixed values of a lesson file, shared by its reading and
/// its writing.

namespace kestrova::lesson_key {

/// The value of kFormat that tells a lesson from any other JSON document.
inline constexpr char kFormatName[] = "kestrova-lecon";
inline constexpr char kFormat[] = "format";
inline constexpr char kVersion[] = "version";
inline constexpr char kTitle[] = "titre";
inline constexpr char kNote[] = "note";
inline constexpr char kWindow[] = "fenetre";
inline constexpr char kDamped[] = "amorti";
inline constexpr char kFoucault[] = "foucault";
/// The driven pendulum: its values under the ids of its parameter table, in
/// SI units (the angle in radians).
inline constexpr char kDriven[] = "force";
inline constexpr char kSmallAngle[] = "petitsAngles";
inline constexpr char kEnergyCurves[] = "courbesEnergie";
inline constexpr char kSpeed[] = "vitesseAnimation";
inline constexpr char kLength[] = "longueur";
inline constexpr char kLatitude[] = "latitude";
inline constexpr char kDay[] = "jour";
inline constexpr char kAccelerated[] = "accelere";
inline constexpr char kSidereal[] = "sideral";
inline constexpr char kTimeFactor[] = "accelerationTemps";
inline constexpr char kRuns[] = "essais";
inline constexpr char kVisible[] = "visible";
inline constexpr char kPanels[] = "panneaux";
inline constexpr char kMeasurements[] = "mesures";
inline constexpr char kGraphs[] = "graphiques";
inline constexpr char kView[] = "affichage";
inline constexpr char kZoom[] = "zoom"; ///< in percent
inline constexpr char kFitted[] = "ajuste";
inline constexpr char kHighContrast[] = "contrasteEleve";

} // namespace kestrova::lesson_key
