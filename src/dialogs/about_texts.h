// Who made the program and where to reach them: shown by the About box and the help text.
#pragma once

#include <string_view>

#include "res/version.h"

namespace dialogs {

constexpr std::string_view kProgramTitle = "Pebblewire pro Windows 2000/NT";
constexpr std::string_view kVersionNotice = "Verze " PW_VERSION_TEXT "\r\n© 2003 Brantel";
constexpr std::string_view kCredit = "Autor: tým Brantel";
constexpr std::string_view kAuthorName = "Vývojový tým Brantel";

// Addresses as the labels show them, without their scheme; the links add it.
constexpr std::string_view kMakerWeb = "www.brantel.example";
constexpr std::string_view kAuthorWeb = "tym.brantel.example";
constexpr std::string_view kAuthorMail = "tym@brantel.example";
constexpr std::string_view kWebScheme = "https://";
constexpr std::string_view kMailScheme = "mailto:";
constexpr std::string_view kIcq = "123-456-789";

}  // namespace dialogs
