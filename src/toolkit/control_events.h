// Key presses and leaving, for an existing control: its procedure is replaced, so that a handler
// sees each typed character first and may change it, or set it to 0 to keep it from the control.
#pragma once

#include <windows.h>

#include <functional>

#include "toolkit/window_hook.h"

namespace tk {

class ControlEvents {
public:
    using KeyPressHandler = std::function<void(char& key)>;
    using ExitHandler = std::function<void()>;

    void Attach(HWND control, KeyPressHandler onKeyPress, ExitHandler onExit = nullptr);

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnChar(WPARAM wParam, LPARAM lParam);
    LRESULT OnKillFocus(WPARAM wParam, LPARAM lParam);

    WindowProcHook hook_;
    KeyPressHandler onKeyPress_;
    ExitHandler onExit_;
};

}  // namespace tk
