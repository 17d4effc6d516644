#include "app/main_menu.h"

#include <iterator>
#include <string>

#include "toolkit/menu_images.h"

namespace app {

namespace {

constexpr MenuItemSpec kSoubor[] = {
    {IDM_NOVA, "&Nová zpráva", "Ctrl+N", "Vytvořit novou zprávu", kImageNew, false},
    {IDM_POSLAT, "&Poslat zprávu", "Ctrl+S", "Poslat zprávu na uvedený počítač/pracovní skupinu", kImageSend, false},
    {Command(0), "", "", "", -1, false},
    {IDM_OTEVRIT, "&Otevřít zprávu...", "Ctrl+O", "Načíst zprávu ze souboru", kImageOpen, false},
    {IDM_ULOZIT_JAKO, "&Uložit zprávu jako...", "", "Uložit zprávu do souboru", kImageSave, false},
    {Command(0), "", "", "", -1, false},
    {IDM_KONEC, "&Konec", "", "Ukončit program", -1, false},
};

constexpr MenuItemSpec kMoznosti[] = {
    {IDM_SPOUSTET, "&Spouštět po přihlášení", "", "Spouštět program po každém přihlášení do Windows", -1, false},
    {IDM_DO_TRAYBARU, "Minimalizovat do &Traybaru", "", "Minimalizovat do systémové oblasti panelu Start", -1, true},
    {IDM_ZAVIRAT_DO_TRAYBARU, "&Zavírat do Traybaru", "",
     "Při zavření křížkem vpravo nahoře pouze minimalizovat do Traybaru", -1, true},
    {IDM_UKLADAT_NASTAVENI, "&Ukládat pozici a vzhled okna", "", "Pamatovat si nastavení programu", -1, true},
    {IDM_VYMAZAT, "&Vymazat zprávu po odeslání", "", "Po odeslání zprávy vytvořit novou", -1, true},
    {IDM_POSLEDNI_ZPRAVU, "&Načítat poslední zprávu", "", "Při spuštění otevřít poslední zprávu", -1, false},
    {Command(0), "", "", "", -1, false},
    {IDM_PRIDAT_ZASTUPCE, "Přidat &zástupce do nabídky Start", "", "Přidá zástupce tohoto programu do nabídky Start",
     -1, false},
    {IDM_ODSTRANIT_Z_REGISTRU, "&Odstranit z registrů", "",
     "Odstraní všechny položky v registrech vytvořené tímto programem", -1, false},
};

constexpr MenuItemSpec kNapoveda[] = {
    {IDM_OBSAH_NAPOVEDY, "Obsah &nápovědy", "F1", "Zobrazí obsah nápovědy", kImageHelp, false},
    {Command(0), "", "", "", -1, false},
    {IDM_O_PROGRAMU, "&O programu Pebblewire...", "", "Zobrazí informace o tomto programu", -1, false},
};

constexpr SubmenuSpec kSubmenuSpecs[] = {
    {"Soubor1", "&Soubor", "|Poslání, uložení a otevření textové zprávy", kSoubor, int(std::size(kSoubor))},
    {"Moznosti1", "&Možnosti", "|Volby nastavení programu", kMoznosti, int(std::size(kMoznosti))},
    {"Napoveda1", "Nápo&věda", "|Nápověda k programu", kNapoveda, int(std::size(kNapoveda))},
};

HMENU BuildSubmenu(const SubmenuSpec& submenu) {
    HMENU menu = CreatePopupMenu();
    for (int i = 0; i < submenu.count; ++i) {
        const MenuItemSpec& item = submenu.items[i];
        if (item.command == 0) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        std::string text(item.caption);
        if (!item.shortcut.empty()) (text += '\t') += item.shortcut;
        AppendMenuA(menu, MF_STRING | (item.checked ? MF_CHECKED : MF_UNCHECKED), item.command, text.c_str());
        if (item.image >= 0) tk::SetMenuItemImage(menu, item.command, item.image);
    }
    return menu;
}

// MenuFile, MenuOptions, MenuHelp: ids of their own, apart from the commands.
constexpr int kFirstMenuButtonId = 900;
// Each drops down its submenu on the press; grouped, they switch from one menu to the next.
constexpr BYTE kMenuButtonStyle = BTNS_BUTTON | BTNS_DROPDOWN | BTNS_AUTOSIZE | BTNS_GROUP;

constexpr tk::ToolButton kToolBar2Buttons[] = {
    {IDM_POSLAT, kImageSend, "", "Poslat zprávu (Ctrl+S)|Poslat zprávu na uvedený počítač/pracovní skupinu",
     BTNS_BUTTON},                                                                                   // BtnSend
    {IDM_NOVA, kImageNew, "", "Nová zpráva (Ctrl+N)|Vytvořit novou zprávu", BTNS_BUTTON},            // BtnNew
    {IDM_OTEVRIT, kImageOpen, "", "Otevřít zprávu (Ctrl+O)|Načíst zprávu ze souboru", BTNS_BUTTON},  // BtnOpen
    {IDM_ULOZIT_JAKO, kImageSave, "", "Uložit zprávu|Uložit zprávu do souboru", BTNS_BUTTON},        // BtnSave
    {IDM_OBSAH_NAPOVEDY, kImageHelp, "", "Nápověda (F1)|Zobrazí obsah nápovědy", BTNS_BUTTON},       // BtnHelp
};

}  // namespace

const SubmenuSpec* MainSubmenus(int& count) {
    count = int(std::size(kSubmenuSpecs));
    return kSubmenuSpecs;
}

const MenuItemSpec* FindMenuItem(Command command) {
    for (const SubmenuSpec& submenu : kSubmenuSpecs)
        for (int i = 0; i < submenu.count; ++i)
            if (submenu.items[i].command == command) return &submenu.items[i];
    return nullptr;
}

std::vector<tk::ToolButton> MenuBarButtons() {
    std::vector<tk::ToolButton> buttons;
    for (const SubmenuSpec& submenu : kSubmenuSpecs)
        buttons.push_back(
            {kFirstMenuButtonId + int(buttons.size()), I_IMAGENONE, submenu.caption, submenu.hint, kMenuButtonStyle});
    return buttons;
}

std::vector<tk::ToolButton> ToolBar2Buttons() { return {std::begin(kToolBar2Buttons), std::end(kToolBar2Buttons)}; }

MainMenu::MainMenu() {
    for (int i = 0; i < kSubmenus; ++i) submenus_[i] = BuildSubmenu(kSubmenuSpecs[i]);
}

MainMenu::~MainMenu() {
    for (HMENU menu : submenus_)
        if (menu) DestroyMenu(menu);
}

HMENU MainMenu::Owner(Command command) const {
    for (HMENU menu : submenus_)
        if (GetMenuState(menu, command, MF_BYCOMMAND) != UINT(-1)) return menu;
    return nullptr;
}

bool MainMenu::Checked(Command command) const {
    HMENU menu = Owner(command);
    return menu && (GetMenuState(menu, command, MF_BYCOMMAND) & MF_CHECKED);
}

void MainMenu::SetChecked(Command command, bool checked) {
    if (HMENU menu = Owner(command)) CheckMenuItem(menu, command, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool MainMenu::Toggle(Command command) {
    const bool checked = !Checked(command);
    SetChecked(command, checked);
    return checked;
}

}  // namespace app
