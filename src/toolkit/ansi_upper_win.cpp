#include <windows.h>

#include "toolkit/ansi_text.h"

namespace tk {

std::string LocaleUpper(std::string_view text) {
    std::string result(text);
    if (!result.empty()) CharUpperBuffA(result.data(), static_cast<DWORD>(result.size()));
    return result;
}

}  // namespace tk
