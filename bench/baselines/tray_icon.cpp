// Hidden-start baseline: a hidden window that adds one icon to the notification area.
#include "baselines/baseline_window.h"

#include <shellapi.h>

namespace {
constexpr UINT kIconId = 1;

NOTIFYICONDATAA IconOf(HWND window) {
    NOTIFYICONDATAA icon{};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;  // the Windows 2000 record, as the program passes it
    icon.hWnd = window;
    icon.uID = kIconId;
    return icon;
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        NOTIFYICONDATAA icon = IconOf(window);
        Shell_NotifyIconA(NIM_DELETE, &icon);
        PostQuitMessage(0);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    HWND window = baseline::CreateMainWindow("BenchTrayIcon", Procedure, WS_OVERLAPPEDWINDOW);
    if (!window) return 1;
    NOTIFYICONDATAA icon = IconOf(window);
    icon.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    icon.uCallbackMessage = WM_APP;
    icon.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    lstrcpynA(icon.szTip, "Bench", sizeof icon.szTip);
    Shell_NotifyIconA(NIM_ADD, &icon);
    return baseline::RunMessageLoop();
}
