// The lmhosts file: one "address name" a line, anything after them (#PRE, #DOM:...) ignored, a
// line that starts with '#' a comment or a directive this command does not follow (#INCLUDE).
// A name may be quoted to hold blanks and carry \0xNN for any byte, the sixteenth being the suffix.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace netsend {

// A dotted IPv4 address in host order; nothing unless it is four numbers of 0 to 255.
std::optional<std::uint32_t> ParseAddress(std::string_view dotted);

// The address of the first line that names the messenger `name` (upper case; letters compared
// without regard to case).
std::optional<std::uint32_t> LmhostsAddress(std::string_view file, std::string_view name);

}  // namespace netsend
