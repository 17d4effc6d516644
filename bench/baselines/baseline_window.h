// What the baseline programs share: one window class and the message loop, the least a Win32
// program needs to be a window-owning process.
#pragma once

#include <windows.h>

namespace baseline {

inline HWND CreateMainWindow(const char* className, WNDPROC procedure, DWORD style) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    if (!RegisterClassA(&windowClass)) return nullptr;
    // The main form's design size, so that both windows cost the same to paint.
    return CreateWindowExA(0, className, className, style, CW_USEDEFAULT, CW_USEDEFAULT, 340, 250, nullptr, nullptr,
                           windowClass.hInstance, nullptr);
}

inline int RunMessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

// Creates the window, shows it as the starter asked and runs the message loop.
inline int RunShownWindow(const char* className, WNDPROC procedure, int show) {
    HWND window = CreateMainWindow(className, procedure, WS_OVERLAPPEDWINDOW);
    if (!window) return 1;
    ShowWindow(window, show);
    UpdateWindow(window);
    return RunMessageLoop();
}

}  // namespace baseline
