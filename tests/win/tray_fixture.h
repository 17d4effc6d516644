// Shared by the tray tests: a recorder in Shell_NotifyIconA's place, an owner window like the
// main window, solid-colour icons, a message pump and a closer for the menus the tests open.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <vector>

#include "toolkit/application.h"
#include "toolkit/form.h"
#include "trayicon/cool_tray_icon.h"
#include "win/thread_window_watch.h"

namespace traytest {

using trayicon::IconData;

constexpr COLORREF kNoIcon = CLR_INVALID;

// The colour at the centre of an icon, kNoIcon for none.
inline COLORREF IconColor(HICON icon) {
    if (!icon) return kNoIcon;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
    HGDIOBJ old = SelectObject(memory, bitmap);
    DrawIconEx(memory, 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL);
    const COLORREF color = GetPixel(memory, 8, 8);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return color;
}

// A 16 x 16 icon of one colour; the caller owns it.
inline HICON SolidIcon(COLORREF color) {
    HDC screen = GetDC(nullptr);
    HBITMAP image = CreateCompatibleBitmap(screen, 16, 16);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, image);
    const RECT all{0, 0, 16, 16};
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(memory, &all, brush);
    DeleteObject(brush);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    const BYTE opaque[16 * 16 / 8] = {};
    HBITMAP mask = CreateBitmap(16, 16, 1, 1, opaque);
    ICONINFO info{TRUE, 0, 0, mask, image};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(image);
    return icon;
}

struct ShellCall {
    DWORD message;
    IconData data;
    COLORREF iconColor;  // what the icon showed at the time of the call
};

// Stands in for the shell while it lives and records every call.
class ShellRecorder {
public:
    explicit ShellRecorder(BOOL answer = TRUE) : answer_(answer) {
        Active() = this;
        previous_ = trayicon::SetShellNotifyProc(&Record);
    }
    ShellRecorder(const ShellRecorder&) = delete;
    ShellRecorder& operator=(const ShellRecorder&) = delete;
    ~ShellRecorder() {
        trayicon::SetShellNotifyProc(previous_);
        Active() = nullptr;
    }

    std::vector<ShellCall> calls;
    // Runs inside each call, to look at the state of things at that moment.
    std::function<void(const ShellCall&)> onCall;

    std::vector<DWORD> Messages() const {
        std::vector<DWORD> messages;
        for (const ShellCall& call : calls) messages.push_back(call.message);
        return messages;
    }
    const ShellCall& Last() const { return calls.back(); }

private:
    static ShellRecorder*& Active() {
        static ShellRecorder* active = nullptr;
        return active;
    }
    static BOOL Record(DWORD message, IconData* data) {
        ShellRecorder* self = Active();
        self->calls.push_back({message, *data, IconColor(data->hIcon)});
        if (self->onCall) self->onCall(self->calls.back());
        return self->answer_;
    }

    BOOL answer_;
    trayicon::ShellNotifyProc previous_;
};

// The application window every test needs; made once per test program.
inline tk::Application& App() {
    tk::Application& application = tk::Application::Instance();
    if (!application.Handle()) application.Initialize("Pebblewire");
    return application;
}

// Handles every waiting message, and keeps doing so for `ms` milliseconds.
inline void Pump(DWORD ms = 0) {
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (ms) Sleep(5);
    } while (GetTickCount() - start < ms);
}

// A top-level form owned by the application window, as the main window is.
class OwnerForm : public tk::Form {
public:
    OwnerForm() {
        RegisterWindowClass("PebblewireTrayTestOwner", GetSysColorBrush(COLOR_BTNFACE));
        Create(0, "PebblewireTrayTestOwner", "Owner", WS_OVERLAPPEDWINDOW, 100, 100, 300, 200, App().Handle());
    }
};

constexpr char kMenuClass[] = "#32768";

// The open menu window of this thread, or null.
inline HWND OpenMenu() { return ThreadWindowWatch::Find(kMenuClass); }

// Closes each popup menu of this thread as soon as it shows, and reports it.
class MenuCloser : public ThreadWindowWatch {
public:
    explicit MenuCloser(std::function<void(HMENU)> onMenu)
        : ThreadWindowWatch(kMenuClass, [onMenu = std::move(onMenu)](HWND menu) {
              if (onMenu) onMenu(reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0)));
              EndMenu();
          }) {}
};

}  // namespace traytest
