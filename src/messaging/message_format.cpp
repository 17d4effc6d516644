#include "messaging/message_format.h"

namespace messaging {

namespace {
constexpr char kCr = '\r', kLf = '\n';
constexpr std::string_view kLastMessageExtension = ".sav";

// Where the file name starts: after the last "\" or ":".
std::size_t NameStart(std::string_view path) {
    const std::size_t separator = path.find_last_of("\\:");
    return separator == std::string_view::npos ? 0 : separator + 1;
}
}  // namespace

std::string EditorText(std::string_view fileBytes) {
    fileBytes = fileBytes.substr(0, fileBytes.find('\0'));
    std::string text;
    text.reserve(fileBytes.size() + fileBytes.size() / 8);
    for (std::size_t i = 0; i < fileBytes.size(); ++i) {
        const char c = fileBytes[i];
        if (c == kLf) {
            if (i == 0 || fileBytes[i - 1] != kCr) text += kCr;
            text += kLf;
            continue;
        }
        text += c;
        if (c == kCr && (i + 1 == fileBytes.size() || fileBytes[i + 1] != kLf)) text += kLf;
    }
    return text;
}

std::string LastMessageFileName(std::string_view programPath) {
    const std::size_t dot = programPath.rfind('.');
    if (dot != std::string_view::npos && dot >= NameStart(programPath)) programPath = programPath.substr(0, dot);
    return std::string(programPath) + std::string(kLastMessageExtension);
}

std::string AppDataFileName(std::string_view appData, std::string_view programPath) {
    return std::string(appData) + "\\Brantel\\Pebblewire\\" +
           LastMessageFileName(programPath.substr(NameStart(programPath)));
}

std::string BesideProgram(std::string_view programPath, std::string_view name) {
    return std::string(programPath.substr(0, NameStart(programPath))) + std::string(name);
}

}  // namespace messaging
