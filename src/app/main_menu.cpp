#include "app/main_menu.h"

#include <iterator>
#include <string>

#include "app/command_table.h"
#include "toolkit/hint_text.h"
#include "toolkit/menu_images.h"

namespace app {

namespace {

constexpr Command kSoubor[] = {
    IDM_NOVA, IDM_POSLAT, kSeparator, IDM_OTEVRIT, IDM_ULOZIT_JAKO, kSeparator, IDM_KONEC,
};

constexpr Command kMoznosti[] = {
    IDM_SPOUSTET,        IDM_DO_TRAYBARU, IDM_ZAVIRAT_DO_TRAYBARU, IDM_UKLADAT_NASTAVENI,    IDM_VYMAZAT,
    IDM_POSLEDNI_ZPRAVU, kSeparator,      IDM_PRIDAT_ZASTUPCE,     IDM_ODSTRANIT_Z_REGISTRU,
};

constexpr Command kNapoveda[] = {IDM_OBSAH_NAPOVEDY, kSeparator, IDM_O_PROGRAMU};

constexpr SubmenuSpec kSubmenuSpecs[] = {
    {"&Soubor", "|Poslání, uložení a otevření textové zprávy", kSoubor},
    {"&Možnosti", "|Volby nastavení programu", kMoznosti},
    {"Nápo&věda", "|Nápověda k programu", kNapoveda},
};

// BtnSend, BtnNew, BtnOpen, BtnSave, BtnHelp.
constexpr Command kToolBar2[] = {IDM_POSLAT, IDM_NOVA, IDM_OTEVRIT, IDM_ULOZIT_JAKO, IDM_OBSAH_NAPOVEDY};

struct TrayItem {
    Command command;
    bool isDefault;  // drawn in bold; a double-click on the icon runs it
};

// ShowWindow1, HideWindow1, N5, OprogramuTray1, MenuItem1, Exit1.
constexpr TrayItem kTrayMenu[] = {
    {IDM_SHOW_WINDOW, true}, {IDM_HIDE_WINDOW, false}, {kSeparator, false},
    {IDM_O_PROGRAMU, false}, {kSeparator, false},      {IDM_KONEC, false},
};

// Option items carry their design check marks, image items their pictures.
HMENU BuildSubmenu(const SubmenuSpec& submenu) {
    HMENU menu = CreatePopupMenu();
    for (const Command id : submenu.items) {
        const CommandSpec* command = FindCommand(id);
        if (!command) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const OptionSpec* option = FindOption(id);
        const UINT mark = option && option->designState ? MF_CHECKED : MF_UNCHECKED;
        AppendMenuA(menu, MF_STRING | mark, id, MenuText(*command).c_str());
        if (command->image >= 0) tk::SetMenuItemImage(menu, id, command->image);
    }
    return menu;
}

// MenuFile, MenuOptions, MenuHelp: ids of their own, apart from the commands.
constexpr int kFirstMenuButtonId = 900;
// Each drops down its submenu on the press; grouped, they switch from one menu to the next.
constexpr BYTE kMenuButtonStyle = BTNS_BUTTON | BTNS_DROPDOWN | BTNS_AUTOSIZE | BTNS_GROUP;

}  // namespace

std::span<const SubmenuSpec> MainSubmenus() { return kSubmenuSpecs; }

std::span<const Command> ToolBar2Commands() { return kToolBar2; }

// The button lists are made at their final size and filled in place: no growth code for one call.
std::vector<tk::ToolButton> MenuBarButtons() {
    std::vector<tk::ToolButton> buttons(std::size(kSubmenuSpecs));
    for (size_t i = 0; i < buttons.size(); ++i) {
        const SubmenuSpec& submenu = kSubmenuSpecs[i];
        buttons[i] = {kFirstMenuButtonId + int(i), I_IMAGENONE, submenu.caption, std::string(submenu.hint),
                      kMenuButtonStyle};
    }
    return buttons;
}

std::vector<tk::ToolButton> ToolBar2Buttons() {
    std::vector<tk::ToolButton> buttons(std::size(kToolBar2));
    for (size_t i = 0; i < buttons.size(); ++i) {
        const CommandSpec& command = *FindCommand(kToolBar2[i]);
        buttons[i] = {kToolBar2[i], command.image, "", ButtonHint(command), BTNS_BUTTON};
    }
    return buttons;
}

void BuildTrayMenu(tk::PopupMenu& menu, const std::function<void(Command)>& run) {
    for (const TrayItem& item : kTrayMenu) {
        const CommandSpec* command = FindCommand(item.command);
        if (!command) {
            menu.AddSeparator();
            continue;
        }
        const Command id = item.command;
        menu.AddItem(
            id, command->caption, [run, id] { run(id); }, item.isDefault);
    }
}

MainMenu::MainMenu() {
    for (int i = 0; i < kSubmenus; ++i) submenus_[i].reset(BuildSubmenu(kSubmenuSpecs[i]));
}

std::vector<HMENU> MainMenu::Submenus() const {
    std::vector<HMENU> menus(kSubmenus);
    for (int i = 0; i < kSubmenus; ++i) menus[size_t(i)] = submenus_[i].get();
    return menus;
}

HMENU MainMenu::Owner(Command command) const {
    for (const tk::MenuHandle& menu : submenus_)
        if (GetMenuState(menu.get(), command, MF_BYCOMMAND) != UINT(-1)) return menu.get();
    return nullptr;
}

bool MainMenu::Checked(Command command) const { return Mark(command).checked(); }

void MainMenu::SetChecked(Command command, bool checked) { Mark(command).setChecked(checked); }

bool MainMenu::Toggle(Command command) {
    const bool checked = !Checked(command);
    SetChecked(command, checked);
    return checked;
}

tk::CheckMark MainMenu::Mark(Command command) const { return {Owner(command), command}; }

std::string_view MainMenu::SelectedHint(WPARAM wParam, LPARAM lParam) const {
    const bool isItem = !(HIWORD(wParam) & (MF_POPUP | MF_SEPARATOR)) && Owns(reinterpret_cast<HMENU>(lParam));
    const CommandSpec* item = isItem ? FindCommand(Command(LOWORD(wParam))) : nullptr;
    return item ? tk::LongHint(item->hint) : std::string_view();
}

}  // namespace app
