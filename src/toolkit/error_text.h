// Text of the error box that reports an error no handler dealt with.
#pragma once

#include <string>
#include <string_view>

namespace tk {

// The message with a full stop appended when its last character's code is above that of '.'.
std::string ErrorBoxText(std::string_view message);

}  // namespace tk
