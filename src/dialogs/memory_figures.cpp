#include "dialogs/memory_figures.h"

namespace dialogs {

namespace {
constexpr std::uint32_t kKilobyte = 1024;
constexpr size_t kGroup = 3;
}  // namespace

std::string FormatKilobytes(std::uint32_t bytes, std::string_view separator) {
    const std::string digits = std::to_string(bytes / kKilobyte);
    std::string text;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % kGroup == 0) text += separator;
        text += digits[i];
    }
    return text + " kB";
}

std::string MemoryText(std::uint32_t bytes) { return FormatKilobytes(bytes, ThousandSeparator()); }

}  // namespace dialogs
