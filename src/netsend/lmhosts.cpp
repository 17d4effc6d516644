#include "netsend/lmhosts.h"

#include <string>

#include "netsend/netbios.h"

namespace netsend {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view SkipBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    return text;
}

// The next field, and what follows it.
std::string_view TakeField(std::string_view& text) {
    std::size_t end = 0;
    while (end < text.size() && !IsBlank(text[end])) ++end;
    const std::string_view field = text.substr(0, end);
    text = SkipBlanks(text.substr(end));
    return field;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The bytes of a quoted name, \0xNN written out; nothing when the quote is not closed.
std::optional<std::string> QuotedName(std::string_view text) {
    std::string name;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] == '"') return name;
        if (text.substr(i, 3) == "\\0x" && i + 4 < text.size() && HexDigit(text[i + 3]) >= 0 &&
            HexDigit(text[i + 4]) >= 0) {
            name.push_back(static_cast<char>(HexDigit(text[i + 3]) * 16 + HexDigit(text[i + 4])));
            i += 4;
        } else {
            name.push_back(text[i]);
        }
    }
    return std::nullopt;
}

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Whether an entry's name stands for the messenger of `name`: the same letters, blanks padding
// it to 15 bytes, and where it gives a sixteenth byte, the messenger's suffix.
bool SameName(std::string entry, std::string_view name) {
    if (entry.size() > kNameLength) {
        if (entry.size() != kNameLength + 1 || entry.back() != static_cast<char>(kMessengerSuffix)) return false;
        entry.pop_back();
    }
    while (!entry.empty() && entry.back() == ' ') entry.pop_back();
    if (entry.size() != name.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (AsciiUpper(entry[i]) != AsciiUpper(name[i])) return false;
    return true;
}
}  // namespace

std::optional<std::uint32_t> ParseAddress(std::string_view dotted) {
    std::uint32_t address = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0) {
            if (dotted.empty() || dotted.front() != '.') return std::nullopt;
            dotted.remove_prefix(1);
        }
        std::size_t digits = 0;
        std::uint32_t number = 0;
        while (digits < dotted.size() && digits < 3 && dotted[digits] >= '0' && dotted[digits] <= '9')
            number = number * 10 + std::uint32_t(dotted[digits++] - '0');
        if (digits == 0 || number > 255) return std::nullopt;
        dotted.remove_prefix(digits);
        address = (address << 8) | number;
    }
    if (!dotted.empty()) return std::nullopt;
    return address;
}

std::optional<std::uint32_t> LmhostsAddress(std::string_view file, std::string_view name) {
    while (!file.empty()) {
        const std::size_t end = file.find('\n');
        std::string_view line = SkipBlanks(file.substr(0, end));
        file.remove_prefix(end == std::string_view::npos ? file.size() : end + 1);
        if (line.empty() || line.front() == '#') continue;
        const auto address = ParseAddress(TakeField(line));
        std::optional<std::string> entry;
        if (!line.empty() && line.front() == '"') {
            entry = QuotedName(line);
        } else {
            const std::string_view field = TakeField(line);
            entry = std::string(field.substr(0, field.find('#')));
        }
        if (address && entry && SameName(*entry, name)) return address;
    }
    return std::nullopt;
}

}  // namespace netsend
