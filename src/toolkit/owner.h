// What a subsystem acting for the running program needs of it: made once by the start from the
// application and handed down, so that no subsystem reaches for the application itself.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace tk {

class Application;

struct Owner {
    HWND window = nullptr;               // owns the subsystem's boxes and dialogs
    std::string caption;                 // the caption its boxes carry
    std::string exeName;                 // the running program file's full path
    Application* application = nullptr;  // told before each modal window; none in a test without one

    // A message box over the window, modal as every box of the program: the one way to show a box.
    int Tell(std::string_view text, UINT flags) const;
    // The error box (stop icon, OK) for a message, ended with a full stop where it lacks one.
    void TellError(std::string_view message) const;
};

}  // namespace tk
