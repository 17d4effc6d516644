// The program's command line: split into words, the first argument, the hidden-start request.
#include "app/command_line.h"
#include "fuzz.h"

namespace {
bool IsMinimized(const std::string& word) {
    constexpr std::string_view kWord = "minimized";
    if (word.size() != kWord.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if ((word[i] | 0x20) != kWord[i]) return false;
    return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line = fuzz::Text(data, size);
    const std::vector<std::string> words = app::SplitCommandLine(line);
    for (const std::string& word : words)
        fuzz::Expect(!word.empty() && word.find('"') == std::string::npos && word.find('\0') == std::string::npos);
    const std::string first = app::FirstArgument(line);
    fuzz::Expect(first == (words.size() > 1 ? words[1] : std::string()));
    fuzz::Expect(app::StartsMinimized(line) == IsMinimized(first));
    return 0;
}
