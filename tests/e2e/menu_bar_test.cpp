// The menu tool bar as a user meets it: clicks, pointing, arrows, Alt with a letter, Alt or F10
// alone, and the window's shortcuts from every control. Also the screenshot of the window.
#include <doctest/doctest.h>

#include "e2e/bars_session.h"

using bars::kFirstItemHints;
using bars::kMenuCount;
using bars::kNoMenu;
using bars::kSettle;

namespace {

struct Key {
    WORD key;
    bool ctrl;
    DWORD dialogWait = 0;  // how long a dialog it opens may take to come
};

constexpr char kConfirmationStart[] = "Zpráva byla poslána";

// The window's controls that can hold the keyboard focus.
constexpr int kFocusable[] = {app::IDC_MEMO1, app::IDC_EDIT1, app::IDC_RADIOBUTTON1, app::IDC_RADIOBUTTON2};

std::string ProgramFolder() {
    const std::string path = drv::ProgramPath();
    return path.substr(0, path.rfind('\\'));
}

std::string CurrentFolder() {
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof folder, folder);
    return folder;
}

}  // namespace

TEST_CASE("the main window at its design size, both bands on one row") {
    bars::Session session;
    const RECT bars = drv::WindowRectOf(session.Control(app::IDC_COOLBAR1));
    const RECT first = session.MenuButton(0), last = session.ToolButton(4);
    CHECK(bars.bottom - bars.top == 26);
    // Both tool bars side by side on the one row.
    CHECK(first.top == last.top);
    CHECK(last.right <= bars.right);
    CHECK(!drv::SaveScreenshot(session.form, "main-window").empty());
}

TEST_CASE("a click on a menu button drops down its submenu; a second click closes it") {
    bars::Session session;
    for (int i = 0; i < kMenuCount; ++i) {
        CAPTURE(i);
        const POINT button = drv::CenterOf(session.MenuButton(i));
        drv::ClickAt(button);
        CHECK(session.WaitMenu(i));
        drv::ClickAt(button);
        CHECK(session.WaitMenu(kNoMenu));
        Sleep(kSettle);
        CHECK(session.OpenMenu() == kNoMenu);  // the closing click does not open it again
    }
}

TEST_CASE("while a submenu is open, pointing at another menu button opens its submenu instead") {
    bars::Session session;
    const char letters[kMenuCount] = {'S', 'M', 'V'};
    struct Switch {
        int from, to;
    } switches[] = {{0, 1}, {1, 2}, {2, 0}, {0, 2}, {2, 1}};
    for (const Switch& step : switches) {
        CAPTURE(step.from);
        CAPTURE(step.to);
        // The pointer rests on the other button while the submenu opens from the keyboard, and
        // the submenu stays; then the pointer moves on that button. (The move is made as input
        // only: while its menu is open the program holds the pointer grab, and the X server's
        // pointer, which a newly shown menu reports, can be warped only before.)
        const POINT target = drv::CenterOf(session.MenuButton(step.to));
        drv::MoveMouse(target);
        drv::PressKey(WORD(letters[step.from]), false, false, true);
        REQUIRE(session.WaitMenu(step.from));
        Sleep(bars::kSettle);
        CHECK(session.OpenMenu() == step.from);
        drv::MoveMouseInput({target.x + 2, target.y});
        CHECK(session.WaitMenu(step.to));
        session.CloseMenus();
    }
}

TEST_CASE("Right and Left on the dropped-down level open the next and previous submenu, around the bar") {
    bars::Session session;
    drv::PressKey('S', false, false, true);
    REQUIRE(session.WaitMenu(0));
    CHECK(session.WaitStatus(kFirstItemHints[0]));
    struct Step {
        WORD key;
        int menu;
    } steps[] = {{VK_RIGHT, 1}, {VK_RIGHT, 2}, {VK_RIGHT, 0}, {VK_LEFT, 2}, {VK_LEFT, 1}};
    for (const Step& step : steps) {
        CAPTURE(step.menu);
        drv::PressKey(step.key);
        CHECK(session.WaitMenu(step.menu));
        // The new submenu starts with its first item highlighted.
        CHECK(session.WaitStatus(kFirstItemHints[step.menu]));
    }
    // Right from an item further down, which has no submenu either.
    drv::PressKey(VK_DOWN);
    drv::PressKey(VK_DOWN);
    CHECK(session.WaitStatus("Při zavření křížkem vpravo nahoře pouze minimalizovat do Traybaru"));
    drv::PressKey(VK_RIGHT);
    CHECK(session.WaitMenu(2));
    session.CloseMenus();
}

TEST_CASE("Alt with an access letter opens that submenu with the focus anywhere in the window") {
    bars::Session session;
    const char letters[kMenuCount] = {'S', 'M', 'V'};
    const std::string field = drv::WindowText(session.Control(app::IDC_EDIT1));
    for (int control : kFocusable) {
        for (int i = 0; i < kMenuCount; ++i) {
            CAPTURE(control);
            CAPTURE(letters[i]);
            REQUIRE(drv::FocusControl(session.form, session.Control(control)));
            drv::PressKey(WORD(letters[i]), false, false, true);
            CHECK(session.WaitMenu(i));
            CHECK(session.WaitStatus(kFirstItemHints[i]));
            session.CloseMenus();
        }
    }
    // None of the letters reached a control as typing.
    CHECK(drv::WindowText(session.memo).empty());
    CHECK(drv::WindowText(session.Control(app::IDC_EDIT1)) == field);
}

TEST_CASE("Alt or F10 alone highlights the first menu button: arrows move, Enter or Down opens, Esc leaves") {
    bars::Session session;
    for (WORD key : {WORD(VK_MENU), WORD(VK_F10)}) {
        CAPTURE(key);
        drv::PressKey(key);
        CHECK(session.WaitHot(0));
        CHECK(session.OpenMenu() == kNoMenu);
        struct Step {
            WORD key;
            int hot;
        } moves[] = {{VK_RIGHT, 1}, {VK_RIGHT, 2}, {VK_RIGHT, 0}, {VK_LEFT, 2}};
        for (const Step& move : moves) {
            drv::PressKey(move.key);
            CHECK(session.WaitHot(move.hot));
        }
        drv::PressKey(VK_RETURN);
        CHECK(session.WaitMenu(2));
        CHECK(session.WaitStatus(kFirstItemHints[2]));
        // Esc closes the submenu and goes back to its highlighted button.
        drv::PressKey(VK_ESCAPE);
        CHECK(session.WaitMenu(kNoMenu));
        CHECK(session.WaitHot(2));
        drv::PressKey(VK_LEFT);
        drv::PressKey(VK_DOWN);
        CHECK(session.WaitMenu(1));
        drv::PressKey(VK_ESCAPE);
        CHECK(session.WaitMenu(kNoMenu));
        drv::PressKey(VK_ESCAPE);
        CHECK(session.WaitHot(-1));
        // Out of menu mode the keys go to the editor again.
        drv::PressKey('X');
        CHECK(drv::WaitUntil([&] { return drv::WindowText(session.memo) == "x"; }));
        drv::SetWindowTextOf(session.memo, "");
    }
    // In menu mode a button's letter alone opens its submenu.
    drv::PressKey(VK_MENU);
    REQUIRE(session.WaitHot(0));
    drv::PressKey('V');
    CHECK(session.WaitMenu(2));
    session.CloseMenus();
}

TEST_CASE("an item chosen from a submenu runs its command") {
    bars::Session session;
    drv::PressKey('S', false, false, true);
    REQUIRE(session.WaitMenu(0));
    drv::PressKey(VK_DOWN);  // "&Poslat zprávu"
    drv::PressKey(VK_RETURN);
    auto box = drv::WaitMessageBox(session.program);
    REQUIRE(box);
    CHECK(box->text.rfind(kConfirmationStart, 0) == 0);
    CHECK(drv::AnswerMessageBox(*box, IDOK));
    CHECK(drv::WaitRecords(1).size() == 1);
}

TEST_CASE("Ctrl+S sends and F1 opens the help from every control; no shortcut saves a file") {
    bars::Session session;
    const auto programFiles = drv::FileNames(ProgramFolder()), currentFiles = drv::FileNames(CurrentFolder());
    size_t sent = 0;
    for (int control : kFocusable) {
        CAPTURE(control);
        REQUIRE(drv::FocusControl(session.form, session.Control(control)));
        drv::PressKey('S', true);
        auto box = drv::WaitMessageBox(session.program);
        REQUIRE(box);
        CHECK(box->text.rfind(kConfirmationStart, 0) == 0);
        CHECK(drv::AnswerMessageBox(*box, IDOK));
        CHECK(drv::WaitRecords(++sent).size() == sent);

        REQUIRE(drv::FocusControl(session.form, session.Control(control)));
        drv::PressKey(VK_F1);
        HWND help = session.program.WaitWindow("PebblewireHelpForm");
        CHECK(help);
        drv::PressKey(VK_ESCAPE);
        CHECK(drv::WaitUntil([&] { return !IsWindow(help); }));

        // Ctrl+N and Ctrl+O belong to the message files; whatever they do, they save nothing.
        // Ctrl+O's dialog comes once its library is loaded, on a loaded machine later than a
        // settling moment: it is waited for as long as any window.
        for (Key shortcut : {Key{'N', true, kSettle}, Key{'O', true, drv::kWait}}) {
            REQUIRE(drv::FocusControl(session.form, session.Control(control)));
            drv::PressKey(shortcut.key, shortcut.ctrl);
            if (auto dialog = drv::WaitMessageBox(session.program, shortcut.dialogWait)) {
                CHECK(dialog->caption != "Uložit jako");
                PostMessageA(dialog->window, WM_COMMAND, IDCANCEL, 0);
                CHECK(drv::WaitUntil([&] { return !IsWindow(dialog->window); }));
            }
        }
    }
    CHECK(drv::FileNames(ProgramFolder()) == programFiles);
    CHECK(drv::FileNames(CurrentFolder()) == currentFiles);
    CHECK(drv::ReadRecorderLog().size() == sent);
}
