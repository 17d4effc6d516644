#include "app/command_line.h"

namespace app {

namespace {
constexpr char kQuote = '"';
constexpr std::string_view kMinimizedArgument = "minimized";

bool IsSeparator(char c) { return static_cast<unsigned char>(c) <= ' '; }

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }
}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view commandLine) {
    std::vector<std::string> words;
    std::string word;
    bool quoted = false;
    // The text ends at the first NUL, as the system's command line does.
    for (char c : commandLine.substr(0, commandLine.find('\0'))) {
        if (c == kQuote) {
            quoted = !quoted;
        } else if (!quoted && IsSeparator(c)) {
            if (!word.empty()) words.push_back(std::move(word));
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty()) words.push_back(std::move(word));
    return words;
}

std::string FirstArgument(std::string_view commandLine) {
    std::vector<std::string> words = SplitCommandLine(commandLine);
    return words.size() > 1 ? std::move(words[1]) : std::string();
}

bool StartsMinimized(std::string_view commandLine) {
    const std::string argument = FirstArgument(commandLine);
    if (argument.size() != kMinimizedArgument.size()) return false;
    for (size_t i = 0; i < argument.size(); ++i)
        if (AsciiLower(argument[i]) != kMinimizedArgument[i]) return false;
    return true;
}

}  // namespace app
