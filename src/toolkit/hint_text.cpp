#include "toolkit/hint_text.h"

namespace tk {

namespace {
constexpr char kSeparator = '|';
}

std::string_view ShortHint(std::string_view hint) {
    const size_t separator = hint.find(kSeparator);
    return separator == std::string_view::npos ? std::string_view() : hint.substr(0, separator);
}

std::string_view LongHint(std::string_view hint) {
    const size_t separator = hint.find(kSeparator);
    return separator == std::string_view::npos ? hint : hint.substr(separator + 1);
}

}  // namespace tk
