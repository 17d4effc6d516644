// Hints have the form short part "|" long part: the short part is the tooltip, the long part is
// what the status line shows. A hint without "|" is all long part.
#pragma once

#include <string_view>

namespace tk {

std::string_view ShortHint(std::string_view hint);
std::string_view LongHint(std::string_view hint);

}  // namespace tk
