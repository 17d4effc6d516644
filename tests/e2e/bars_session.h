// Shared by the menu-bar and hint scenarios: the running program with its bars and status line,
// and what a user sees of them (the open submenu, the highlighted menu button, the tooltip).
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "app/command_ids.h"
#include "support/driver.h"
#include "support/recorder_log.h"

namespace bars {

constexpr int kNoMenu = -1;
constexpr int kMenuCount = 3;
// Time for something that must not happen to show that it does not.
constexpr DWORD kSettle = 400;

// The long hints of the first items, shown while a submenu opened from the keyboard starts.
inline const char* const kFirstItemHints[kMenuCount] = {
    "Vytvořit novou zprávu",
    "Spouštět program po každém přihlášení do Windows",
    "Zobrazí obsah nápovědy",
};

struct Session {
    drv::Program program;
    HWND form = nullptr, menuBar = nullptr, buttons = nullptr, status = nullptr, memo = nullptr;

    Session() {
        form = drv::StartFresh(program);
        REQUIRE(form);
        menuBar = drv::ChildById(form, app::IDC_TOOLBAR1);
        buttons = drv::ChildById(form, app::IDC_TOOLBAR2);
        status = drv::ChildById(form, app::IDC_STATUSLINE);
        memo = drv::ChildById(form, app::IDC_MEMO1);
        REQUIRE((menuBar && buttons && status && memo));
        ParkPointer();
        REQUIRE(drv::FocusControl(form, memo));
    }

    // Puts the pointer on the desktop, away from the window, where it points at nothing.
    void ParkPointer() const { drv::MoveMouse({10, 10}); }

    HWND Control(int id) const { return drv::ChildById(form, id); }
    RECT MenuButton(int index) const { return drv::ToolButtonRect(menuBar, index); }
    RECT ToolButton(int index) const { return drv::ToolButtonRect(buttons, index); }
    std::string Status() const { return drv::StatusText(status); }

    int HotMenuButton() const {
        DWORD_PTR hot = 0;
        SendMessageTimeoutA(menuBar, TB_GETHOTITEM, 0, 0, SMTO_ABORTIFHUNG, drv::kWait, &hot);
        return int(hot);
    }

    // Which submenu is open: it drops down from its button's lower left corner.
    int OpenMenu() const {
        HWND popup = program.WaitWindow("#32768", nullptr, true, 0);
        if (!popup) return kNoMenu;
        const RECT shown = drv::WindowRectOf(popup);
        for (int i = 0; i < kMenuCount; ++i) {
            const RECT button = MenuButton(i);
            if (shown.left == button.left && shown.top == button.bottom) return i;
        }
        return -2;
    }

    bool WaitMenu(int index) const {
        return drv::WaitUntil([&] { return OpenMenu() == index; });
    }
    bool WaitHot(int index) const {
        return drv::WaitUntil([&] { return HotMenuButton() == index; });
    }
    bool WaitStatus(const std::string& text) const {
        return drv::WaitUntil([&] { return Status() == text; });
    }

    // The text of the tooltip on screen, empty when none shows.
    std::string Tooltip() const {
        for (HWND window : program.Windows(true))
            if (drv::ClassName(window) == TOOLTIPS_CLASSA) return drv::WindowText(window);
        return {};
    }

    // Closes the open submenu, then leaves the menu mode that Esc returns to.
    void CloseMenus() const {
        REQUIRE(OpenMenu() != kNoMenu);
        drv::PressKey(VK_ESCAPE);
        REQUIRE(WaitMenu(kNoMenu));
        drv::PressKey(VK_ESCAPE);
    }
};

}  // namespace bars
