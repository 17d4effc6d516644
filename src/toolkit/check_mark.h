// A check mark in a menu, as the code that keeps it reads and sets it.
#pragma once

#include <windows.h>

namespace tk {

struct CheckMark {
    HMENU menu = nullptr;  // the menu that holds the item; none reads as unchecked and ignores a change
    UINT item = 0;         // the item's command

    bool checked() const { return menu && (GetMenuState(menu, item, MF_BYCOMMAND) & MF_CHECKED); }
    void setChecked(bool on) const {
        if (menu) CheckMenuItem(menu, item, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
    }
};

}  // namespace tk
