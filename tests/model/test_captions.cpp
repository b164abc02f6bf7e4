#include "model/captions.h"
#include "model/damped_parameters.h"
#include "model/parameters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <string>
#include <tuple>

namespace kestrova {
namespace {

// Each caption with "," as the user's separator; with "." the same text
// with "." in its place.
TEST(Captions, InBothSeparators)
{
    const auto check = [](const std::string& french, auto caption) {
        std::string point = french;
        std::replace(point.begin(), point.end(), ',', '.');
        EXPECT_EQ(caption(","), french);
        EXPECT_EQ(caption("."), point);
    };
    const DerivedQuantities quality1000 = Derive(ParametersFromSliders({45, 0, 200, 1}));
    const DerivedQuantities longest = Derive(ParametersFromSliders({45, 0, 1, 9}));
    using enum DampedParameter;
    for (const auto& [parameter, position, caption] :
         {std::tuple{Teta0, 180, "180°"}, std::tuple{Omega0, -3, "-3 rad/s"},
          std::tuple{Pulsation, 1, "0,1 rad/s"}, std::tuple{Lambda, 22, "0,22"},
          std::tuple{Lambda, 500, "5,00"}}) {
        const DampedParameterEntry& entry = DampedParameterOf(parameter);
        check(caption, [&](auto s) { return ValueCaption(entry, ValueAt(entry, position), s); });
    }
    check("1000,000", [&](auto s) { return QualityCaption(*quality1000.qualityFactor, s); });
    check("144,146 s", [&](auto s) { return PseudoPeriodCaption(*longest.pseudoPeriod, s); });
    check("10,000", [](auto s) { return FormatFixed(9.9996, 3, s); }); // carries
    check("-0,01", [](auto s) { return FormatFixed(-0.006, 2, s); });  // away from zero
    check("0,000", [](auto s) { return FormatFixed(-0.0004, 3, s); }); // never "-0"
    check("0", [](auto s) { return FormatFixed(-0.4, 0, s); });
    check("1234567,891", [](auto s) { return FormatFixed(1234567.891, 3, s); }); // no grouping
}

// The GUI toolkit switches the C library to the user's locale at start; a
// comma LC_NUMERIC must not leak into the text.
TEST(FormatFixed, IgnoresTheProcessLocale)
{
    if (std::setlocale(LC_NUMERIC, "fr_FR.UTF-8") == nullptr
        && std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr)
        GTEST_SKIP() << "no locale with a decimal comma installed";
    const std::string text = FormatFixed(9.0909, 3, ".");
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(text, "9.091");
}

} // namespace
} // namespace kestrova
