// What a subsystem acting for the running program needs of it, handed out by the application so
// that no subsystem reaches for the application itself.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace tk {

struct Owner {
    HWND window = nullptr;  // owns the subsystem's boxes and dialogs
    std::string caption;    // the caption its boxes carry
    std::string exeName;    // the running program file's full path

    // A message box over the window, modal as every box of the program.
    int Tell(std::string_view text, UINT flags) const;
};

}  // namespace tk
