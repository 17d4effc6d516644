// The About box's memory figures: a byte count shown as whole kilobytes, grouped by threes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace dialogs {

// The user's thousands separator in the ANSI code page. Windows asks GetLocaleInfoA; the native
// test build links the Czech locale's separator in its place.
std::string ThousandSeparator();

// Whole kilobytes grouped with `separator`, then " kB": 268,435,456 bytes give "262" + separator +
// "144 kB". Below one kilobyte the figure is "0 kB".
std::string FormatKilobytes(std::uint32_t bytes, std::string_view separator);

// FormatKilobytes with the user's separator.
std::string MemoryText(std::uint32_t bytes);

}  // namespace dialogs
