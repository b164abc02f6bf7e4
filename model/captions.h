#pragma once

/// \file
/// The value captions of the damped-pendulum window. The one place where
/// numbers become text: the caller passes the user's decimal separator; no
/// group separator is ever written.

#include "model/parameters.h"

#include <string>
#include <string_view>

namespace kestrova {

/// value rounded to `decimals` places, with the given decimal separator,
/// a leading '-' for negatives (never "-0"), no group separator.
[[nodiscard]] std::string FormatFixed(double value, int decimals,
                                      std::string_view decimalSeparator);

[[nodiscard]] std::string Teta0Caption(int degrees);                          // "45°"
[[nodiscard]] std::string Omega0Caption(double omega0, std::string_view sep); // "0 rad/s"
[[nodiscard]] std::string PulsationCaption(int pulsationTenths,
                                           std::string_view sep);                     // "4,0 rad/s"
[[nodiscard]] std::string LambdaCaption(double lambda, std::string_view sep);         // "0,22"
[[nodiscard]] std::string QualityCaption(double quality, std::string_view sep);       // "9,091"
[[nodiscard]] std::string RelaxationCaption(double relaxation, std::string_view sep); // "2,273"
[[nodiscard]] std::string PseudoPeriodCaption(double pseudoPeriod,
                                              std::string_view sep); // "1,573 s"
[[nodiscard]] std::string RegimeCaption(Regime regime);              // "Régime pseudo-périodique"

} // namespace kestrova
