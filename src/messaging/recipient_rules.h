// The recipient field's text rules: names in capitals, and the workgroup placeholder when the
// field holds no name (see kWorkgroupPlaceholder).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace messaging {

// The field's text when it holds no name.
inline constexpr std::string_view kWorkgroupPlaceholder = "(vaše pracovní skupina)";

// The field holds no name: nothing but blanks, or the placeholder itself.
bool NamesNobody(std::string_view text);

// A typed character as the field receives it: in capitals by the locale's rules.
char TypedKey(char key);
// The most a user can type into the field.
inline constexpr std::size_t kFieldCapacity = 32767;

// A stored name as the field shows it at start: in capitals, or the placeholder for none.
// Blanks are shown as they were stored. A longer text than the field takes from typing is cut
// there: the program never stores one, and the control would take minutes to lay it out.
std::string RestoredText(std::string_view stored);
// The field's text once the user leaves it: the placeholder when nothing but blanks remain,
// else in capitals; the placeholder itself stays.
std::string LeftText(std::string_view text);
// The field's text as it is stored: empty for the placeholder.
std::string StoredText(std::string_view text);

}  // namespace messaging
