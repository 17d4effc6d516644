// Single-byte text helpers in the system's ANSI code page.
#pragma once

#include <string>
#include <string_view>

namespace tk {

// Upper-cases by the system's locale rules. Windows asks CharUpperBuffA; the native
// test build links a Windows-1250 table in its place.
std::string LocaleUpper(std::string_view text);

// Removes leading and trailing characters whose code is 32 or less.
std::string_view TrimControl(std::string_view text);

}  // namespace tk
