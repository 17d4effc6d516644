#include "netcommand/send_outcome.h"

namespace netcommand {

namespace {
constexpr std::string_view kCutStart = "Zpráva je delší než ";
constexpr std::string_view kCutEnd = " bajtů; odeslána je jen její první část.";
}  // namespace

std::string CutNotice(std::size_t limit) {
    return std::string(kCutStart) + std::to_string(limit) + std::string(kCutEnd);
}

std::string_view FindCutNotice(std::string_view output) {
    const std::size_t start = output.find(kCutStart);
    if (start == std::string_view::npos) return {};
    const std::string_view line = output.substr(start, output.find_first_of("\r\n", start) - start);
    return line.ends_with(kCutEnd) ? line : std::string_view();
}

}  // namespace netcommand
