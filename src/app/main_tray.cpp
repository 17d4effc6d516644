#include "app/main_tray.h"

#include "app/main_menu.h"

namespace app {

namespace {
constexpr char kTrayHint[] = "Brantel Pebblewire";
}  // namespace

void MainTray::Create(tk::Application& application, tk::Component* form, const std::function<void(Command)>& run) {
    BuildTrayMenu(PopupTray, run);
    TrayIcon1 = std::make_unique<trayicon::TCoolTrayIcon>(application, form);
    TrayIcon1->SetCycleInterval(0);
    TrayIcon1->SetHint(kTrayHint);
    TrayIcon1->SetShowHint(true);
    TrayIcon1->SetIconVisible(false);
    TrayIcon1->SetIconIndex(0);
    TrayIcon1->SetPopupMenu(&PopupTray);
}

void MainTray::ApplyOption(bool inTray) {
    TrayIcon1->SetIconVisible(inTray);
    TrayIcon1->SetMinimizeToTray(inTray);
}

void MainTray::ShowWindow(bool inTray) {
    TrayIcon1->ShowMainWindow();
    if (!inTray) TrayIcon1->SetIconVisible(false);
}

void MainTray::CloseToTray() {
    TrayIcon1->HideMainWindow();
    TrayIcon1->SetIconVisible(true);
}

}  // namespace app
