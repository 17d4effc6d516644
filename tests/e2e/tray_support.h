// Helpers of the scenarios that use the notification area of the virtual desktop: whether the shell
// holds the program's icon, where the icon sits, clicks on it, and the open menu of a thread.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <doctest/doctest.h>

#include <initializer_list>

#include "support/driver.h"

namespace tray_support {

constexpr char kTrayWindowClass[] = "PebblewireTrayIcon";

using drv::IconKey;
using drv::IconPresent;

inline HWND Taskbar() { return FindWindowA("Shell_TrayWnd", nullptr); }

// Where the program's icon sits: the first icon from the taskbar's right end.
inline POINT IconPoint() {
    const RECT bar = drv::WindowRectOf(Taskbar());
    return {bar.right - 10, (bar.top + bar.bottom) / 2};
}

// Presses and releases mouse buttons where the pointer is put, as the user's hand does.
inline void MouseAt(POINT at, std::initializer_list<DWORD> buttonEvents) {
    REQUIRE(drv::PlacePointer(at));
    for (DWORD flags : buttonEvents) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = flags;
        SendInput(1, &input, sizeof input);
        Sleep(30);
    }
}

inline void RightClickIcon() { MouseAt(IconPoint(), {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP}); }

inline BOOL CALLBACK FindMenuWindow(HWND window, LPARAM found) {
    if (drv::ClassName(window) != "#32768" || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// The open menu window of a thread, or null.
inline HWND MenuWindowOf(DWORD threadId) {
    HWND found = nullptr;
    EnumThreadWindows(threadId, &FindMenuWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace tray_support
