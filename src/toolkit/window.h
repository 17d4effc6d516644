// Thin window base: the static procedure keeps `this` in GWLP_USERDATA from WM_NCCREATE
// to WM_NCDESTROY and forwards every message to HandleMessage through the guarded dispatch.
#pragma once

#include <windows.h>

#include "toolkit/icon.h"

namespace tk {

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return hwnd_; }

protected:
    // Registers a class whose procedure forwards to the Window object; returns false when it fails.
    static bool RegisterWindowClass(const char* className, HBRUSH background, const ProgramIcons& icons = {},
                                    UINT style = 0);
    HWND Create(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y, int width,
                int height, HWND parent, HMENU menu = nullptr);

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
};

}  // namespace tk
