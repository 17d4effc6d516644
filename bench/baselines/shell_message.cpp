// Send baseline: Ctrl+S starts the messenger command hidden, as the program does, and then shows
// a message box.
#include "baselines/baseline_window.h"

#include <shellapi.h>

#include <string>

namespace {
LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN && wParam == 'S' && (GetKeyState(VK_CONTROL) & 0x8000)) {
        char directory[MAX_PATH] = {};
        GetWindowsDirectoryA(directory, sizeof directory);
        const std::string messenger = std::string(directory) + "\\system32\\net.exe";
        ShellExecuteA(window, "open", messenger.c_str(), "send * baseline", nullptr, SW_HIDE);
        MessageBoxA(window, "Zpráva byla poslána.", "Bench", MB_OK | MB_ICONINFORMATION);
        return 0;
    }
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
    return baseline::RunShownWindow("BenchShellMessage", Procedure, show);
}
