// The tray menu PopupTray, built from one table: the items that show, hide or quit the program.
#pragma once

#include <functional>
#include <string_view>

#include "app/commands.h"
#include "toolkit/popup_menu.h"

namespace app {

struct TrayMenuItemSpec {
    Command command;  // 0 for a separator
    std::string_view name;
    std::string_view caption;
    bool isDefault;  // drawn in bold; a double-click on the icon runs it
};

// The items in menu order.
const TrayMenuItemSpec* TrayMenuItems(int& count);

// Fills the menu; each item runs its command through `run`.
void BuildTrayMenu(tk::PopupMenu& menu, const std::function<void(Command)>& run);

}  // namespace app
