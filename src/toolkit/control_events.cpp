#include "toolkit/control_events.h"

#include <utility>

namespace tk {

namespace {
HWND TopLevelOf(HWND window) {
    while (window && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) window = GetParent(window);
    return window;
}
}  // namespace

void ControlEvents::Attach(HWND control, KeyPressHandler onKeyPress, ExitHandler onExit) {
    onKeyPress_ = std::move(onKeyPress);
    onExit_ = std::move(onExit);
    hook_.Install(control, [this](UINT m, WPARAM w, LPARAM l) { return HandleMessage(m, w, l); });
}

LRESULT ControlEvents::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CHAR: return OnChar(wParam, lParam);
    case WM_KILLFOCUS: return OnKillFocus(wParam, lParam);
    }
    return hook_.CallPrevious(message, wParam, lParam);
}

LRESULT ControlEvents::OnChar(WPARAM wParam, LPARAM lParam) {
    char key = static_cast<char>(wParam);
    if (onKeyPress_) onKeyPress_(key);
    return key ? hook_.CallPrevious(WM_CHAR, static_cast<unsigned char>(key), lParam) : 0;
}

// Only a move to another control of the same window leaves the control; the focus that goes
// with the window to another one comes back to it unchanged.
LRESULT ControlEvents::OnKillFocus(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = hook_.CallPrevious(WM_KILLFOCUS, wParam, lParam);
    const auto next = reinterpret_cast<HWND>(wParam);
    if (onExit_ && next && TopLevelOf(next) == TopLevelOf(hook_.Window())) onExit_();
    return result;
}

}  // namespace tk
