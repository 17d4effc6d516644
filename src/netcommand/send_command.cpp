#include "netcommand/send_command.h"

namespace netcommand {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view SkipBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    return text;
}

// The next word, quoted or up to a blank, and what follows it; nothing for an unclosed quote.
std::optional<std::string_view> TakeWord(std::string_view& text) {
    std::size_t start = 0, end = 0, next = 0;
    if (!text.empty() && text.front() == '"') {
        start = 1;
        end = text.find('"', 1);
        if (end == std::string_view::npos) return std::nullopt;
        next = end + 1;
    } else {
        while (end < text.size() && !IsBlank(text[end])) ++end;
        next = end;
    }
    const std::string_view word = text.substr(start, end - start);
    text.remove_prefix(next);
    return word;
}

bool SameWord(std::string_view word, std::string_view lowerCase) {
    if (word.size() != lowerCase.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const char c = word[i];
        if ((c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c) != lowerCase[i]) return false;
    }
    return true;
}

constexpr std::string_view kVerb = "send";
constexpr std::string_view kDomainPrefix = "/domain:";
constexpr std::string_view kDomainSwitch = kDomainPrefix.substr(0, kDomainPrefix.size() - 1);
constexpr std::string_view kUsersSwitch = "/users";
}  // namespace

std::string TargetArgument(std::string_view name, bool group) {
    std::string target;
    if (group && name != kOwnGroup) target = kDomainPrefix;
    target += name;
    return target;
}

std::string ComposeSend(std::string_view targetArgument, std::string_view text) {
    std::string parameters(kVerb);
    ((parameters += ' ') += targetArgument) += ' ';
    return parameters += text;
}

std::optional<SendCommand> ParseSendCommand(std::string_view commandLine) {
    std::string_view rest = SkipBlanks(commandLine);
    if (!TakeWord(rest)) return std::nullopt;  // the program's own name
    rest = SkipBlanks(rest);
    const auto verb = TakeWord(rest);
    if (!verb || !SameWord(*verb, kVerb)) return std::nullopt;
    rest = SkipBlanks(rest);
    const bool quoted = !rest.empty() && rest.front() == '"';
    const auto target = TakeWord(rest);
    if (!target || target->empty()) return std::nullopt;
    if (!rest.empty() && IsBlank(rest.front())) rest.remove_prefix(1);

    const std::string text(rest);
    if (quoted) return SendCommand{Target::kName, std::string(*target), text};
    if (*target == kOwnGroup || SameWord(*target, kDomainSwitch)) return SendCommand{Target::kGroup, "", text};
    if (SameWord(target->substr(0, kDomainPrefix.size()), kDomainPrefix))
        return SendCommand{Target::kGroup, std::string(target->substr(kDomainPrefix.size())), text};
    if (SameWord(*target, kUsersSwitch)) return SendCommand{Target::kUsers, "", text};
    if (target->front() == '/') return std::nullopt;  // a switch this command does not know
    return SendCommand{Target::kName, std::string(*target), text};
}

}  // namespace netcommand
