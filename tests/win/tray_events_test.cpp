// The shell's mouse notifications, posted to the component's hidden window exactly as the shell
// posts them, and the events, menus and default-item clicks they cause.
#include <windows.h>

#include <doctest/doctest.h>

#include <memory>
#include <string>
#include <vector>

#include "win/tray_fixture.h"

using namespace traytest;
using trayicon::MouseButton;
using trayicon::ShiftState;
using trayicon::TCoolTrayIcon;
namespace mouse = trayicon::mouse;

namespace {

struct Scene {
    OwnerForm owner;
    tk::PopupMenu menu{&owner};
    TCoolTrayIcon tray{App(), &owner};
    std::vector<std::string> events;
    std::unique_ptr<MenuCloser> closer = std::make_unique<MenuCloser>([this](HMENU) { events.push_back("menu"); });

    Scene() {
        menu.AddItem(
            1, "Show", [this] { events.push_back("item Show"); }, true);
        menu.AddItem(2, "Hide", [this] { events.push_back("item Hide"); });
        tray.SetPopupMenu(&menu);
        const char* buttons[] = {"L", "R", "M"};
        tray.OnMouseDown = [this, buttons](TCoolTrayIcon&, MouseButton b, ShiftState, int, int) {
            events.push_back(std::string("down ") + buttons[int(b)]);
        };
        tray.OnMouseUp = [this, buttons](TCoolTrayIcon&, MouseButton b, ShiftState, int, int) {
            events.push_back(std::string("up ") + buttons[int(b)]);
        };
        tray.OnMouseMove = [this](TCoolTrayIcon&, ShiftState, int, int) { events.push_back("move"); };
        tray.OnClick = [this](TCoolTrayIcon&) { events.push_back("click"); };
        tray.OnDblClick = [this](TCoolTrayIcon&) { events.push_back("dbl"); };
    }

    // Posts the notifications as the shell does and handles them.
    void Notify(std::initializer_list<unsigned> mouseMessages) {
        for (unsigned message : mouseMessages) {
            PostMessageA(tray.Handle(), trayicon::kTrayCallbackMessage, trayicon::kIconId, message);
            Pump();
        }
    }
};

}  // namespace

TEST_CASE("mouse notifications raise their events in order and open the menu where they should") {
    App();
    struct Row {
        const char* name;
        std::vector<unsigned> notifications;
        std::vector<std::string> expected;
        bool leftPopup = false;
        bool enabled = true;
        bool autoPopup = true;
    } rows[] = {
        {"left click: the click comes before the button-up",
         {mouse::kLeftDown, mouse::kLeftUp},
         {"down L", "click", "up L"}},
        {"double-click sequence: exactly one click, and the default item",
         {mouse::kLeftDown, mouse::kLeftUp, mouse::kLeftDoubleClick, mouse::kLeftUp},
         {"down L", "click", "up L", "dbl", "item Show", "up L"}},
        {"right press opens the menu on the press", {mouse::kRightDown}, {"down R", "menu"}},
        {"right release raises its event and nothing else", {mouse::kRightUp}, {"up R"}},
        {"middle button", {mouse::kMiddleDown, mouse::kMiddleUp}, {"down M", "up M"}},
        {"mouse move", {mouse::kMove}, {"move"}},
        {"double-clicks of the other buttons are ignored", {mouse::kRightDoubleClick, mouse::kMiddleDoubleClick}, {}},
        {"a release without its press makes no click", {mouse::kLeftUp}, {"up L"}},
        {"LeftPopup: a left press opens the menu after its event",
         {mouse::kLeftDown, mouse::kLeftUp},
         {"down L", "menu", "click", "up L"},
         true},
        {"LeftPopup: a double-click fires no default item", {mouse::kLeftDoubleClick}, {"dbl"}, true},
        {"disabled: no event, no menu, no default item",
         {mouse::kLeftDown, mouse::kLeftUp, mouse::kLeftDoubleClick, mouse::kRightDown, mouse::kRightUp, mouse::kMove},
         {},
         false,
         false},
        {"menu without auto-popup: events only",
         {mouse::kRightDown, mouse::kLeftDoubleClick},
         {"down R", "dbl"},
         false,
         true,
         false},
    };
    for (const Row& row : rows) {
        CAPTURE(row.name);
        ShellRecorder shell;
        Scene scene;
        scene.tray.SetLeftPopup(row.leftPopup);
        scene.tray.SetEnabled(row.enabled);
        scene.menu.SetAutoPopup(row.autoPopup);
        for (unsigned message : row.notifications) scene.Notify({message});
        CHECK(scene.events == row.expected);
        CHECK(OpenMenu() == nullptr);
    }
}

TEST_CASE("a disabled component leaves the icon alone and never blocks the end of the session") {
    App();
    ShellRecorder shell;
    Scene scene;
    scene.tray.SetIconVisible(true);
    scene.tray.SetEnabled(false);
    scene.Notify({mouse::kRightDown, mouse::kLeftDoubleClick});
    CHECK(scene.events.empty());
    CHECK(shell.Messages() == std::vector<DWORD>{NIM_ADD});
    CHECK(scene.tray.IconVisible());
    CHECK(SendMessageA(scene.tray.Handle(), WM_QUERYENDSESSION, 0, 0) == 1);
    scene.tray.SetEnabled(true);
    CHECK(SendMessageA(scene.tray.Handle(), WM_QUERYENDSESSION, 0, 0) == 1);
}

TEST_CASE("a double-click clicks the default item nearest the top; a disabled one does nothing") {
    App();
    struct Row {
        const char* name;
        bool defaults[3];
        bool enabled[3];
        std::vector<std::string> expected;
    } rows[] = {
        {"two default items: the upper one", {false, true, true}, {true, true, true}, {"dbl", "item B"}},
        {"the only default item", {false, false, true}, {true, true, true}, {"dbl", "item C"}},
        {"no default item", {false, false, false}, {true, true, true}, {"dbl"}},
        {"the upper default item disabled: nothing, not the next one",
         {true, false, true},
         {false, true, true},
         {"dbl"}},
    };
    for (const Row& row : rows) {
        CAPTURE(row.name);
        ShellRecorder shell;
        Scene scene;
        tk::PopupMenu menu(&scene.owner);
        for (int i = 0; i < 3; ++i) {
            const std::string name(1, char('A' + i));
            menu.AddItem(
                UINT(10 + i), name, [&scene, name] { scene.events.push_back("item " + name); }, row.defaults[i]);
            menu.SetEnabled(i, row.enabled[i]);
        }
        scene.tray.SetPopupMenu(&menu);
        scene.Notify({mouse::kLeftDoubleClick});
        CHECK(scene.events == row.expected);
    }
}

TEST_CASE("button events carry the keys held, the button and the cursor position") {
    App();
    struct Row {
        const char* name;
        std::vector<int> keysDown;
        unsigned notification;
        ShiftState expected;
    } rows[] = {
        {"nothing held, left press", {}, mouse::kLeftDown, trayicon::shift::kLeft},
        {"Shift and Ctrl, left release", {VK_SHIFT, VK_CONTROL}, mouse::kLeftUp, 0x01 | 0x04 | 0x08},
        {"Alt, right press", {VK_MENU}, mouse::kRightUp, 0x02 | 0x10},
        {"all three, middle press", {VK_SHIFT, VK_CONTROL, VK_MENU}, mouse::kMiddleDown, 0x01 | 0x02 | 0x04 | 0x20},
        {"moves carry no button", {VK_CONTROL}, mouse::kMove, 0x04},
    };
    for (const Row& row : rows) {
        CAPTURE(row.name);
        ShellRecorder shell;
        Scene scene;
        scene.menu.SetAutoPopup(false);
        int shiftSeen = -1, xSeen = -1, ySeen = -1;
        auto button = [&](TCoolTrayIcon&, MouseButton, ShiftState shift, int x, int y) {
            shiftSeen = shift, xSeen = x, ySeen = y;
        };
        scene.tray.OnMouseDown = scene.tray.OnMouseUp = button;
        scene.tray.OnMouseMove = [&](TCoolTrayIcon&, ShiftState shift, int x, int y) {
            shiftSeen = shift, xSeen = x, ySeen = y;
        };
        BYTE keys[256] = {};
        for (int key : row.keysDown) keys[key] = 0x80;
        SetKeyboardState(keys);
        SetCursorPos(123, 321);
        PostMessageA(scene.tray.Handle(), trayicon::kTrayCallbackMessage, trayicon::kIconId, row.notification);
        Pump();
        const BYTE none[256] = {};
        SetKeyboardState(const_cast<BYTE*>(none));
        CHECK(shiftSeen == row.expected);
        CHECK(xSeen == 123);
        CHECK(ySeen == 321);
    }
}

TEST_CASE("the popup menu opens at the cursor with the owner in front and names the component as its source") {
    App();
    ShellRecorder shell;
    Scene scene;
    ShowWindow(scene.owner.Handle(), SW_SHOW);
    HMENU shown = nullptr;
    HWND foregroundWhileOpen = nullptr;
    scene.closer.reset();
    MenuCloser closer([&](HMENU menu) {
        shown = menu;
        foregroundWhileOpen = GetForegroundWindow();
    });
    scene.Notify({mouse::kRightDown});
    CHECK(shown == scene.menu.Handle());
    CHECK(foregroundWhileOpen == scene.owner.Handle());
    CHECK(scene.menu.PopupComponent() == &scene.tray);
}

TEST_CASE("an item chosen in the open menu runs after the menu has closed") {
    App();
    ShellRecorder shell;
    Scene scene;
    scene.closer.reset();
    scene.menu.AddItem(3, "Check", [&scene] {
        scene.events.push_back(OpenMenu() ? "ran inside the menu" : "ran after the menu");
    });
    // Choose the third item with the keyboard instead of closing the menu.
    const ThreadWindowWatch chooser(kMenuClass, [](HWND menu) {
        for (WPARAM key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}) PostMessageA(menu, WM_KEYDOWN, key, 0);
    });
    scene.tray.OnMouseDown = [&](TCoolTrayIcon&, MouseButton, ShiftState, int, int) {};
    PostMessageA(scene.tray.Handle(), trayicon::kTrayCallbackMessage, trayicon::kIconId, mouse::kRightDown);
    Pump(300);
    CHECK(scene.events == std::vector<std::string>{"ran after the menu"});
}
