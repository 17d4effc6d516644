// Every command a menu item, tool button or shortcut can send has a handler.
#include <doctest/doctest.h>

#include <set>

#include "app/command_table.h"
#include "app/main_menu.h"

namespace {

std::set<app::Command> ReachableCommands() {
    std::set<app::Command> ids;
    for (const app::SubmenuSpec& submenu : app::MainSubmenus())
        for (app::Command id : submenu.items)
            if (id != app::kSeparator) ids.insert(id);
    for (app::Command id : app::ToolBar2Commands()) ids.insert(id);
    for (const ACCEL& accelerator : app::Accelerators()) ids.insert(app::Command(accelerator.cmd));
    tk::PopupMenu tray;
    app::BuildTrayMenu(tray, [](app::Command) {});
    for (int i = 0; i < tray.Count(); ++i)
        if (tray.Command(i)) ids.insert(app::Command(tray.Command(i)));
    return ids;
}

}  // namespace

TEST_CASE("every command that can be sent is in the table and has a handler") {
    const std::set<app::Command> reachable = ReachableCommands();
    CHECK(reachable.size() == app::Commands().size());
    for (app::Command id : reachable) {
        CAPTURE(unsigned(id));
        const app::CommandSpec* command = app::FindCommand(id);
        REQUIRE(command);
        CHECK(command->handler);
    }
}

TEST_CASE("shortcuts are unique and shown where the table says") {
    std::set<std::pair<BYTE, WORD>> keys;
    for (const ACCEL& accelerator : app::Accelerators())
        CHECK(keys.insert({accelerator.fVirt, accelerator.key}).second);
    CHECK(keys.size() == 4);  // Ctrl+S, Ctrl+N, Ctrl+O, F1
    const std::vector<tk::ToolButton> buttons = app::ToolBar2Buttons();
    REQUIRE(buttons.size() == 5);
    CHECK(buttons[0].hint == "Poslat zprávu (Ctrl+S)|Poslat zprávu na uvedený počítač/pracovní skupinu");
    CHECK(buttons[2].hint == "Otevřít zprávu (Ctrl+O)|Načíst zprávu ze souboru");
    CHECK(buttons[3].hint == "Uložit zprávu|Uložit zprávu do souboru");
    CHECK(app::MenuText(*app::FindCommand(app::IDM_OBSAH_NAPOVEDY)) == "Obsah &nápovědy\tF1");
}
