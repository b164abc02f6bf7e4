#pragma once

/// \file
/// Counting characters in UTF-8 text.

#include <cstddef>
#include <string_view>

namespace kestrova {

/// Unicode code points in UTF-8 text: every byte that does not continue a
/// sequence starts one. In a single-byte code page each takes one byte.
[[nodiscard]] inline std::size_t CodePoints(std::string_view utf8)
{
    std::size_t n = 0;
    for (const char ch : utf8)
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80)
            ++n;
    return n;
}

} // namespace kestrova
