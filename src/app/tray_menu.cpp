#include "app/tray_menu.h"

#include <iterator>

namespace app {

namespace {

constexpr TrayMenuItemSpec kTrayMenu[] = {
    {IDM_SHOW_WINDOW, "ShowWindow1", "&Psát zprávu", true},
    {IDM_HIDE_WINDOW, "HideWindow1", "&Skrýt okno programu", false},
    {Command(0), "N5", "-", false},
    {IDM_O_PROGRAMU, "OprogramuTray1", "&O programu Pebblewire...", false},
    {Command(0), "MenuItem1", "-", false},
    {IDM_KONEC, "Exit1", "&Konec", false},
};

}  // namespace

const TrayMenuItemSpec* TrayMenuItems(int& count) {
    count = int(std::size(kTrayMenu));
    return kTrayMenu;
}

void BuildTrayMenu(tk::PopupMenu& menu, const std::function<void(Command)>& run) {
    for (const TrayMenuItemSpec& item : kTrayMenu) {
        if (item.command == 0) {
            menu.AddSeparator();
            continue;
        }
        const Command command = item.command;
        menu.AddItem(
            command, item.caption, [run, command] { run(command); }, item.isDefault);
    }
}

}  // namespace app
