// The toolkit services under the tray component: window-procedure hooks, timers, popup menus.
#include <windows.h>

#include <doctest/doctest.h>

#include <string>
#include <vector>

#include "win/tray_fixture.h"
#include "toolkit/popup_menu.h"
#include "toolkit/timer.h"
#include "toolkit/window_hook.h"

using namespace traytest;

namespace {

constexpr UINT kProbe = WM_APP + 7;

// A hook that counts the probe messages it sees and passes everything on.
struct CountingHook {
    tk::WindowProcHook hook;
    int seen = 0;
    void Install(HWND window) {
        hook.Install(window, [this](UINT message, WPARAM wParam, LPARAM lParam) {
            if (message == kProbe) ++seen;
            return hook.CallPrevious(message, wParam, lParam);
        });
    }
};

}  // namespace

TEST_CASE("hooks on one window chain, and removing them in any order loses no procedure") {
    struct Row {
        const char* name;
        bool removeFirstHookFirst;
    } rows[] = {{"removed last-in first-out", false}, {"removed out of order", true}};
    for (const Row& row : rows) {
        CAPTURE(row.name);
        int ownSeen = 0;
        tk::UtilityWindow window([&](UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (message != kProbe) return window.DefaultProc(message, wParam, lParam);
            ++ownSeen;
            return 42;
        });
        const LONG_PTR ownProc = GetWindowLongPtrA(window.Handle(), GWLP_WNDPROC);
        CountingHook first, second;
        first.Install(window.Handle());
        second.Install(window.Handle());
        CHECK(SendMessageA(window.Handle(), kProbe, 0, 0) == 42);
        CHECK((first.seen == 1 && second.seen == 1 && ownSeen == 1));
        CountingHook& removedFirst = row.removeFirstHookFirst ? first : second;
        CountingHook& removedLast = row.removeFirstHookFirst ? second : first;
        removedFirst.hook.Remove();
        CHECK(SendMessageA(window.Handle(), kProbe, 0, 0) == 42);
        CHECK(removedFirst.seen == 1);
        CHECK(removedLast.seen == 2);
        CHECK(ownSeen == 2);
        removedLast.hook.Remove();
        CHECK(SendMessageA(window.Handle(), kProbe, 0, 0) == 42);
        CHECK(ownSeen == 3);
        CHECK((first.seen + second.seen) == 3);
        if (!row.removeFirstHookFirst) CHECK(GetWindowLongPtrA(window.Handle(), GWLP_WNDPROC) == ownProc);
    }
}

TEST_CASE("a timer ticks only while enabled, with an interval and a handler") {
    struct Row {
        const char* name;
        bool enabled;
        UINT interval;
        bool handler;
        bool ticks;
    } rows[] = {
        {"all three", true, 10, true, true},
        {"disabled", false, 10, true, false},
        {"interval 0", true, 0, true, false},
        {"no handler", true, 10, false, false},
    };
    for (const Row& row : rows) {
        CAPTURE(row.name);
        int ticks = 0;
        tk::Timer timer;
        timer.SetInterval(row.interval);
        timer.SetEnabled(row.enabled);
        if (row.handler) timer.SetOnTimer([&] { ++ticks; });
        Pump(150);
        CHECK((ticks > 0) == row.ticks);
        timer.SetEnabled(false);
        const int stopped = ticks;
        Pump(60);
        CHECK(ticks == stopped);
    }
}

TEST_CASE("popup menu items: a click runs the handler unless disabled; default items are bold") {
    App();
    std::vector<std::string> clicked;
    tk::PopupMenu menu;
    menu.AddItem(
        1, "&Jedna", [&] { clicked.push_back("1"); }, true);
    menu.AddSeparator();
    menu.AddItem(2, "&Dvě", [&] { clicked.push_back("2"); });
    menu.SetEnabled(2, false);
    menu.Click(0);
    menu.Click(1);  // the separator
    menu.Click(2);  // disabled
    menu.Click(7);  // no such item
    CHECK(clicked == std::vector<std::string>{"1"});
    CHECK(GetMenuItemCount(menu.Handle()) == 3);
    CHECK(GetMenuDefaultItem(menu.Handle(), FALSE, 0) == 1);
    CHECK((GetMenuState(menu.Handle(), 2, MF_BYCOMMAND) & MF_GRAYED) != 0);
    char text[32] = {};
    GetMenuStringA(menu.Handle(), 2, text, sizeof text, MF_BYCOMMAND);
    CHECK(std::string(text) == "&Dvě");
    menu.SetDefault(0, false);
    CHECK(GetMenuDefaultItem(menu.Handle(), FALSE, 0) == UINT(-1));
}

TEST_CASE("an image list yields no icon for an index it has no image for") {
    tk::ImageList list;
    HICON red = SolidIcon(RGB(255, 0, 0));
    CHECK(list.AddIcon(red) == 0);
    DestroyIcon(red);
    tk::Icon icon;
    for (int index : {0, 1, -1}) {
        CAPTURE(index);
        list.GetIcon(index, icon);
        CHECK(icon.Empty() == (index != 0));
    }
}
