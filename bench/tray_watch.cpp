#include "tray_watch.h"

#include "probe.h"

namespace bench {

namespace {
constexpr char kToolTipClass[] = "tooltips_class32";
constexpr DWORD kShellStartWait = 15000;

std::optional<LARGE_INTEGER> seen;

void CALLBACK Created(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG, DWORD, DWORD) {
    char name[32] = {};
    if (seen || object != OBJID_WINDOW || !GetClassNameA(window, name, sizeof name) ||
        lstrcmpA(name, kToolTipClass) != 0)
        return;
    seen = Now();
}
}  // namespace

TrayWatch::TrayWatch() {
    // Asking for the desktop window starts the desktop's shell when none runs yet.
    GetDesktopWindow();
    HWND taskbar = nullptr;
    WaitUntil([&] { return (taskbar = FindWindowA("Shell_TrayWnd", nullptr)) != nullptr; }, kShellStartWait);
    DWORD shell = 0;
    if (taskbar) GetWindowThreadProcessId(taskbar, &shell);
    if (shell)
        hook_ = SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_CREATE, nullptr, Created, shell, 0,
                                WINEVENT_OUTOFCONTEXT);
}

TrayWatch::~TrayWatch() {
    if (hook_) UnhookWinEvent(hook_);
}

void TrayWatch::Arm() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    seen.reset();
}

std::optional<LARGE_INTEGER> TrayWatch::WaitIconAdded(DWORD ms) {
    const DWORD start = GetTickCount();
    while (!seen) {
        const DWORD spent = GetTickCount() - start;
        if (spent > ms) break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - spent, QS_ALLINPUT);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    }
    return seen;
}

}  // namespace bench
