#include "settings/settings_codec.h"

#include <algorithm>
#include <charconv>

namespace settings {

namespace {
std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }
}  // namespace

SettingsError SettingsError::InvalidDataType(std::string_view valueName) {
    SettingsError error("Invalid data type for " + Quoted(valueName));
    error.unreadable_ = valueName;
    return error;
}

SettingsError SettingsError::CreateKeyFailed(std::string_view keyName) {
    return SettingsError("Failed to create key " + std::string(keyName));
}

SettingsError SettingsError::SetDataFailed(std::string_view valueName) {
    return SettingsError("Failed to set data for " + Quoted(valueName));
}

std::string DecodeText(std::string_view valueName, unsigned long type, std::span<const unsigned char> buffer,
                       std::size_t reportedSize) {
    if (type != kRegistryText && type != kRegistryExpandText) throw SettingsError::InvalidDataType(valueName);
    const auto data = buffer.first(std::min(reportedSize, buffer.size()));
    const auto end = std::find(data.begin(), data.end(), 0);
    return std::string(data.begin(), end);
}

std::string EncodeNumber(std::int32_t number) { return std::to_string(number); }

std::int32_t DecodeNumber(std::string_view text, std::int32_t fallback) {
    // from_chars takes a minus sign but no plus sign.
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
    std::int32_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) return fallback;
    return number;
}

std::string EncodeFlag(bool flag) { return flag ? "1" : "0"; }

bool DecodeFlag(std::string_view text, bool fallback) { return DecodeNumber(text, fallback ? 1 : 0) != 0; }

}  // namespace settings
