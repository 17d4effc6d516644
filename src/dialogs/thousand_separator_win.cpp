#include <windows.h>

#include "dialogs/memory_figures.h"

namespace dialogs {

namespace {
// The locale's separator has at most three characters plus the terminator.
constexpr int kSeparatorBuffer = 8;
constexpr char kFallbackSeparator[] = ",";
}  // namespace

std::string ThousandSeparator() {
    char separator[kSeparatorBuffer] = {};
    const int length = GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, separator, kSeparatorBuffer);
    return length > 0 ? std::string(separator, size_t(length - 1)) : kFallbackSeparator;
}

}  // namespace dialogs
