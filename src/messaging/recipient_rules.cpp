#include "messaging/recipient_rules.h"

#include "toolkit/ansi_text.h"

namespace messaging {

char TypedKey(char key) { return tk::LocaleUpper(std::string_view(&key, 1)).front(); }

bool NamesNobody(std::string_view text) { return text == kWorkgroupPlaceholder || tk::TrimControl(text).empty(); }

std::string RestoredText(std::string_view stored) {
    return stored.empty() ? std::string(kWorkgroupPlaceholder) : tk::LocaleUpper(stored.substr(0, kFieldCapacity));
}

std::string LeftText(std::string_view text) {
    return NamesNobody(text) ? std::string(kWorkgroupPlaceholder) : tk::LocaleUpper(text);
}

std::string StoredText(std::string_view text) {
    return text == kWorkgroupPlaceholder ? std::string() : std::string(text);
}

}  // namespace messaging
