// A check mark somewhere in the user interface, as the code that keeps it reads and sets it.
#pragma once

#include <functional>

namespace tk {

struct CheckMark {
    std::function<bool()> checked;
    std::function<void(bool)> setChecked;
};

}  // namespace tk
