// The main menu (three submenus reached through the menu tool bar), the button tool bar and the
// tray menu: which commands each shows, in which order. What a command shows comes from the
// command table.
#pragma once

#include <windows.h>

#include <algorithm>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "app/command_ids.h"
#include "toolkit/check_mark.h"
#include "toolkit/handles.h"
#include "toolkit/popup_menu.h"
#include "toolkit/tool_bar.h"

namespace app {

// Separator in a menu layout.
constexpr Command kSeparator = Command(0);

struct SubmenuSpec {
    std::string_view caption;
    std::string_view hint;  // the menu-bar button's: no tooltip, only a status-line text
    std::span<const Command> items;
};

// The three submenus in menu-bar order: Soubor, Možnosti, Nápověda.
std::span<const SubmenuSpec> MainSubmenus();
// The button tool bar's commands in their order.
std::span<const Command> ToolBar2Commands();

// The menu tool bar's buttons, one per submenu: caption and hint come from the submenu.
std::vector<tk::ToolButton> MenuBarButtons();
// The button tool bar's buttons in their order.
std::vector<tk::ToolButton> ToolBar2Buttons();

// Fills the tray menu; each item runs its command through `run`.
void BuildTrayMenu(tk::PopupMenu& menu, const std::function<void(Command)>& run);

class MainMenu {
public:
    MainMenu();

    std::vector<HMENU> Submenus() const;

    // Whether the menu is one of the submenus.
    bool Owns(HMENU menu) const {
        return menu && std::any_of(std::begin(submenus_), std::end(submenus_),
                                   [menu](const tk::MenuHandle& submenu) { return submenu.get() == menu; });
    }

    bool Checked(Command command) const;
    void SetChecked(Command command, bool checked);
    // Flips the check mark and returns the new state.
    bool Toggle(Command command);
    // The item's check mark, for the code that keeps it.
    tk::CheckMark Mark(Command command) const;
    // The status-line hint for a WM_MENUSELECT: none for closing the menu, a submenu, a separator
    // or another menu's item.
    std::string_view SelectedHint(WPARAM wParam, LPARAM lParam) const;

private:
    static constexpr int kSubmenus = 3;
    tk::MenuHandle submenus_[kSubmenus];
    HMENU Owner(Command command) const;
};

}  // namespace app
