// The main menu (three submenus reached through the menu tool bar) and the button tool bar, built
// from one table each. Option items carry their design check marks, image items their pictures.
#pragma once

#include <windows.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "app/commands.h"
#include "toolkit/tool_bar.h"

namespace app {

struct MenuItemSpec {
    Command command;  // 0 for a separator
    std::string_view caption;
    std::string_view shortcut;  // text shown beside the caption
    std::string_view hint;
    int image;     // index in the tool-bar image list, or -1
    bool checked;  // design state of an option
};

struct SubmenuSpec {
    std::string_view name;
    std::string_view caption;
    std::string_view hint;
    const MenuItemSpec* items;
    int count;
};

// The three submenus in menu-bar order: Soubor, Možnosti, Nápověda.
const SubmenuSpec* MainSubmenus(int& count);
// The item of a command, or null.
const MenuItemSpec* FindMenuItem(Command command);

// The menu tool bar's buttons, one per submenu: caption and hint come from the submenu.
std::vector<tk::ToolButton> MenuBarButtons();
// The button tool bar's buttons in their order.
std::vector<tk::ToolButton> ToolBar2Buttons();

// Indexes in the tool-bar image strip.
enum ToolImage { kImageNew, kImageOpen, kImageSave, kImageSend, kImageHelp, kToolImageCount };

class MainMenu {
public:
    MainMenu();
    MainMenu(const MainMenu&) = delete;
    MainMenu& operator=(const MainMenu&) = delete;
    ~MainMenu();

    HMENU Submenu(int index) const { return submenus_[index]; }
    int SubmenuCount() const { return kSubmenus; }
    std::vector<HMENU> Submenus() const { return {std::begin(submenus_), std::end(submenus_)}; }

    // Whether the menu is one of the submenus.
    bool Owns(HMENU menu) const {
        return menu && std::find(std::begin(submenus_), std::end(submenus_), menu) != std::end(submenus_);
    }

    bool Checked(Command command) const;
    void SetChecked(Command command, bool checked);
    // Flips the check mark and returns the new state.
    bool Toggle(Command command);

private:
    static constexpr int kSubmenus = 3;
    HMENU submenus_[kSubmenus] = {};
    HMENU Owner(Command command) const;
};

}  // namespace app
