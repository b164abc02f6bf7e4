#pragma once

/// \file
/// The model and the drawings write their texts in UTF-8; Qt shows QStrings.

#include <QString>

#include <string_view>

namespace kestrova {

[[nodiscard]] inline QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace kestrova
