#include "shell/run_value.h"

namespace shell {

namespace {
constexpr std::string_view kHiddenStartArgument = "\"Minimized\"";
}

std::string RunValueData(std::string_view programPath) {
    std::string data = "\"";
    ((data += programPath) += "\" ") += kHiddenStartArgument;
    return data;
}

PathCheck CheckProgramPath(std::string_view stored, std::string_view programPath) {
    if (stored.empty()) return PathCheck::Unrecorded;
    return stored == programPath ? PathCheck::Unchanged : PathCheck::Moved;
}

}  // namespace shell
