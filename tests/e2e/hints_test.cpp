// Hints as a user sees them: the tooltip shows a button's short hint, the status line the long
// hint of what the pointer rests on or of the highlighted menu item, and nothing otherwise.
#include <doctest/doctest.h>

#include "e2e/bars_session.h"

namespace {

struct ButtonHint {
    const char* tooltip;
    const char* status;
};

// ToolBar2 in its order: BtnSend, BtnNew, BtnOpen, BtnSave, BtnHelp.
constexpr ButtonHint kButtonHints[] = {
    {"Poslat zprávu (Ctrl+S)", "Poslat zprávu na uvedený počítač/pracovní skupinu"},
    {"Nová zpráva (Ctrl+N)", "Vytvořit novou zprávu"},
    {"Otevřít zprávu (Ctrl+O)", "Načíst zprávu ze souboru"},
    {"Uložit zprávu", "Uložit zprávu do souboru"},
    {"Nápověda (F1)", "Zobrazí obsah nápovědy"},
};

constexpr const char* kMenuButtonHints[] = {
    "Poslání, uložení a otevření textové zprávy",
    "Volby nastavení programu",
    "Nápověda k programu",
};

}  // namespace

TEST_CASE("a tool button shows its short hint as tooltip and its long hint in the status line") {
    bars::Session session;
    for (int i = 0; i < int(std::size(kButtonHints)); ++i) {
        CAPTURE(i);
        drv::MoveMouse(drv::CenterOf(session.ToolButton(i)));
        CHECK(session.WaitStatus(kButtonHints[i].status));
        CHECK(drv::WaitUntil([&] { return session.Tooltip() == kButtonHints[i].tooltip; }));
    }
    // Pointing at the editor, or away from the window, empties the status line.
    drv::MoveMouse(drv::CenterOf(drv::WindowRectOf(session.memo)));
    CHECK(session.WaitStatus(""));
    drv::MoveMouse(drv::CenterOf(session.ToolButton(0)));
    CHECK(session.WaitStatus(kButtonHints[0].status));
    session.ParkPointer();
    CHECK(session.WaitStatus(""));
}

TEST_CASE("a menu button shows its long hint in the status line and no tooltip") {
    bars::Session session;
    for (int i = 0; i < bars::kMenuCount; ++i) {
        CAPTURE(i);
        drv::MoveMouse(drv::CenterOf(session.MenuButton(i)));
        CHECK(session.WaitStatus(kMenuButtonHints[i]));
        Sleep(1500);  // well past the time a tooltip takes to show
        CHECK(session.Tooltip().empty());
    }
    session.ParkPointer();
    CHECK(session.WaitStatus(""));
}

TEST_CASE("the highlighted menu item's long hint shows in the status line until the menu closes") {
    bars::Session session;
    drv::PressKey('S', false, false, true);
    REQUIRE(session.WaitMenu(0));
    // Down skips the separators.
    for (const char* hint : {"Vytvořit novou zprávu", "Poslat zprávu na uvedený počítač/pracovní skupinu",
                             "Načíst zprávu ze souboru", "Uložit zprávu do souboru", "Ukončit program"}) {
        CHECK(session.WaitStatus(hint));
        drv::PressKey(VK_DOWN);
    }
    drv::PressKey(VK_RIGHT);
    REQUIRE(session.WaitMenu(1));
    for (const char* hint :
         {"Spouštět program po každém přihlášení do Windows", "Minimalizovat do systémové oblasti panelu Start"}) {
        CHECK(session.WaitStatus(hint));
        drv::PressKey(VK_DOWN);
    }
    drv::PressKey(VK_ESCAPE);
    REQUIRE(session.WaitMenu(bars::kNoMenu));
    // The pointer rests on nothing with a hint.
    CHECK(session.WaitStatus(""));
    drv::PressKey(VK_ESCAPE);
}
