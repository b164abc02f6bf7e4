#pragma once

/// \file
/// The value captions of the damped-pendulum window. The caller passes the
/// user's decimal separator; no group separator is ever written.

#include "model/fixed_decimal.h"
#include "model/parameters.h"

#include <optional>
#include <string>
#include <string_view>

namespace kestrova {

[[nodiscard]] std::string LambdaCaption(double lambda, std::string_view sep); // "0,22"
// Without damping (no value) the quality factor and the relaxation time are
// infinite: both read "∞".
[[nodiscard]] std::string QualityCaption(std::optional<double> quality,
                                         std::string_view sep); // "9,091"
[[nodiscard]] std::string RelaxationCaption(std::optional<double> relaxation,
                                            std::string_view sep); // "2,273"
[[nodiscard]] std::string PseudoPeriodCaption(double pseudoPeriod,
                                              std::string_view sep); // "1,573 s"
[[nodiscard]] std::string RegimeCaption(Regime regime);              // "Régime pseudo-périodique"

} // namespace kestrova
