// Free one-line helpers over any control's handle (its text, its creation, its width), for code
// that holds a bare HWND; the Control class (control.h) wraps them for the control wrappers.
#pragma once

#include <windows.h>

#include <string>

namespace tk {

inline std::string GetText(HWND control) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(control)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

inline void SetText(HWND control, const std::string& text) { SetWindowTextA(control, text.c_str()); }

inline HWND CreateControl(DWORD exStyle, const char* className, const char* text, DWORD style, int x, int y, int width,
                          int height, HWND parent, int id) {
    return CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
}

inline int WindowWidth(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return r.right - r.left;
}

}  // namespace tk
