// The replaced procedures of the application window (minimise into the icon before the window's
// own procedure sees WM_SIZE) and of the owner window (shown: to the front), and the two
// operations that hide and show the program's windows.
#include "trayicon/cool_tray_icon.h"

#include <stdexcept>
#include <typeinfo>

#include "toolkit/form.h"
#include "toolkit/guarded.h"

namespace trayicon {

HWND TCoolTrayIcon::OwnerWindow() const {
    if (!Owner()) return nullptr;
    const auto* window = dynamic_cast<const tk::Window*>(Owner());
    if (!window) throw std::bad_cast();
    return window->Handle();
}

void TCoolTrayIcon::HookApplicationWindow() {
    applicationHook_.Install(application_.Handle(),
                             [this](UINT m, WPARAM w, LPARAM l) { return ApplicationWindowHook(m, w, l); });
}

void TCoolTrayIcon::HookOwnerWindow() {
    if (!Owner()) return;
    HWND owner = OwnerWindow();
    // Our windows are created by their objects' Create call; the owner's must come first.
    if (!owner) throw std::logic_error("TCoolTrayIcon: the owner window does not exist yet");
    ownerHook_.Install(owner, [this](UINT m, WPARAM w, LPARAM l) { return OwnerWindowHook(m, w, l); });
}

LRESULT TCoolTrayIcon::ApplicationWindowHook(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE && wParam == SIZE_MINIMIZED && minimizeToTray_) tk::Guarded([this] { DoMinimize(); });
    return applicationHook_.CallPrevious(message, wParam, lParam);
}

LRESULT TCoolTrayIcon::OwnerWindowHook(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SHOWWINDOW:
        // Shown by its own show call, not because its owner window opened.
        if (wParam == TRUE && lParam == 0) BringForward();
        break;
    case WM_WINDOWPOSCHANGED: FocusActiveControl(); break;
    }
    return ownerHook_.CallPrevious(message, wParam, lParam);
}

void TCoolTrayIcon::BringForward() {
    ShowWindow(application_.Handle(), SW_RESTORE);
    SetForegroundWindow(application_.Handle());
    SetForegroundWindow(ownerHook_.Window());
}

void TCoolTrayIcon::FocusActiveControl() {
    if (HWND control = application_.ActiveControl()) SetFocus(control);
}

void TCoolTrayIcon::DoMinimize() {
    HideMainWindow();
    SetIconVisible(true);
}

void TCoolTrayIcon::ShowMainWindow() {
    tk::Form* mainForm = application_.MainForm();
    if (!mainForm) return;
    ShowWindow(application_.Handle(), SW_SHOWNORMAL);
    mainForm->SetVisible(true);
}

void TCoolTrayIcon::HideMainWindow() {
    tk::Form* mainForm = application_.MainForm();
    if (!mainForm) return;
    mainForm->SetVisible(false);
    ShowWindow(application_.Handle(), SW_HIDE);
}

}  // namespace trayicon
