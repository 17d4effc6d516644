// Command identifiers of the main window's menus, tool buttons and keyboard shortcuts.
#pragma once

namespace app {

enum Command : unsigned short {
    // Soubor
    IDM_NOVA = 100,
    IDM_POSLAT,
    IDM_OTEVRIT,
    IDM_ULOZIT_JAKO,
    IDM_KONEC,
    // Možnosti
    IDM_SPOUSTET = 200,
    IDM_DO_TRAYBARU,
    IDM_ZAVIRAT_DO_TRAYBARU,
    IDM_UKLADAT_NASTAVENI,
    IDM_VYMAZAT,
    IDM_POSLEDNI_ZPRAVU,
    IDM_PRIDAT_ZASTUPCE,
    IDM_ODSTRANIT_Z_REGISTRU,
    // Nápověda
    IDM_OBSAH_NAPOVEDY = 300,
    IDM_O_PROGRAMU,
    // Tray menu
    IDM_SHOW_WINDOW = 400,
    IDM_HIDE_WINDOW,
};

// Child-window identifiers of the main window's controls.
enum Control : unsigned short {
    IDC_PANEL1 = 1000,
    IDC_RADIOBUTTON1,
    IDC_RADIOBUTTON2,
    IDC_EDIT1,
    IDC_MEMO1,
    IDC_STATUSLINE,
    IDC_COOLBAR1,
    IDC_TOOLBAR1,
    IDC_TOOLBAR2,
};

}  // namespace app
