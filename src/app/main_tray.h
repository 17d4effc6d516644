// The main window's notification-area icon and the menu it opens.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "app/command_ids.h"
#include "toolkit/application.h"
#include "toolkit/popup_menu.h"
#include "trayicon/cool_tray_icon.h"

namespace app {

class MainTray {
public:
    // The menu and the icon are components of `form`.
    explicit MainTray(tk::Component* form) : PopupTray(form) {}

    // The menu, whose items `run`, and the icon with its stored properties in their stored order;
    // the icon is absent until the options say otherwise. `form`'s window must exist.
    void Create(tk::Application& application, tk::Component* form, const std::function<void(Command)>& run);
    void SetIcon(HICON icon) { TrayIcon1->SetIcon(icon); }

    // With the option on the icon always shows, and minimising hides the program behind it.
    void ApplyOption(bool inTray);
    // The window comes back; without the option the icon goes.
    void ShowWindow(bool inTray);
    void HideWindow() { TrayIcon1->HideMainWindow(); }
    // Closing only hides the program behind its icon.
    void CloseToTray();

private:
    tk::PopupMenu PopupTray;
    // Made once the window exists: it hooks the window's procedure.
    std::unique_ptr<trayicon::TCoolTrayIcon> TrayIcon1;
};

}  // namespace app
