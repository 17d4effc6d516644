// The program's icon in the notification area of the virtual desktop: shown with the option,
// its menu on a right click, and back after the notification area is created anew.
#include <windows.h>

#include <shellapi.h>

#include <doctest/doctest.h>

#include <initializer_list>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/command_ids.h"
#include "e2e/tray_support.h"
#include "support/driver_checks.h"

using namespace tray_support;

namespace {

constexpr UINT kCallbackMessage = 0x800;

bool DeleteIcon(HWND owner) {
    NOTIFYICONDATAA data = IconKey(owner);
    return Shell_NotifyIconA(NIM_DELETE, &data) != 0;
}

// How many colours the rightmost `width` pixels of the taskbar show: one for the bare bar.
size_t ColoursAtRightEnd(int width) {
    const RECT bar = drv::WindowRectOf(Taskbar());
    HDC screen = GetDC(nullptr);
    std::set<COLORREF> colours;
    for (int x = bar.right - width; x < bar.right - 2; ++x)
        for (int y = bar.top + 3; y < bar.bottom - 3; ++y) colours.insert(GetPixel(screen, x, y));
    ReleaseDC(nullptr, screen);
    return colours.size();
}

void DoubleClickIcon() {
    MouseAt(IconPoint(), {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
}

// A screen area's pixels.
struct Picture {
    RECT area{};
    std::vector<DWORD> pixels;
    bool operator==(const Picture& other) const { return EqualRect(&area, &other.area) && pixels == other.pixels; }
};

Picture Capture(const RECT& area) {
    Picture picture{area, {}};
    const int width = area.right - area.left, height = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    picture.pixels.resize(size_t(width) * size_t(height));
    GetDIBits(memory, bitmap, 0, UINT(height), picture.pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return picture;
}

// A window's picture once it has settled: two takes in a row agree.
Picture SettledPicture(HWND window) {
    Picture previous = Capture(drv::WindowRectOf(window));
    for (int take = 0; take < 30; ++take) {
        Sleep(100);
        Picture next = Capture(drv::WindowRectOf(window));
        if (next == previous) break;
        previous = std::move(next);
    }
    return previous;
}

Picture referencePicture;  // taken inside the reference menu's own loop

void CALLBACK TakeReferencePicture(HWND, UINT, UINT_PTR, DWORD) {
    HWND menu = MenuWindowOf(GetCurrentThreadId());
    if (!menu) return;
    referencePicture = SettledPicture(menu);
    EndMenu();
}

// The tray menu as it must look, built here from its captions and opened where the program's
// opened; its picture is taken once it has been drawn.
Picture ReferenceMenu(POINT at, bool boldDefault) {
    const struct {
        const char* caption;
        bool isDefault;
    } items[] = {{"&Psát zprávu", boldDefault},
                 {"&Skrýt okno programu", false},
                 {nullptr, false},
                 {"&O programu Pebblewire...", false},
                 {nullptr, false},
                 {"&Konec", false}};
    HMENU menu = CreatePopupMenu();
    for (const auto& item : items) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_TYPE | MIIM_STATE | MIIM_ID;
        info.fType = item.caption ? MFT_STRING : MFT_SEPARATOR;
        info.fState = item.isDefault ? MFS_DEFAULT : 0;
        info.wID = UINT(GetMenuItemCount(menu) + 1);
        info.dwTypeData = const_cast<char*>(item.caption);
        InsertMenuItemA(menu, UINT(GetMenuItemCount(menu)), TRUE, &info);
    }
    HWND owner =
        CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    referencePicture = {};
    const UINT_PTR timer = SetTimer(nullptr, 0, 300, &TakeReferencePicture);
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
    KillTimer(nullptr, timer);
    DestroyWindow(owner);
    DestroyMenu(menu);
    return referencePicture;
}

// A first start: "Minimalizovat do &Traybaru" and "&Zavírat do Traybaru" are on by design.
struct RunningProgram {
    drv::Program program;
    HWND form = nullptr;
    HWND tray = nullptr;
    HWND application = nullptr;

    RunningProgram() {
        form = drv::StartedFresh(program);
        tray = program.WaitWindow(kTrayWindowClass, nullptr, false);
        application = program.WaitApplicationWindow();
        REQUIRE(tray);
    }
    // As choosing the option in the menu.
    void ToggleMinimizeToTray() const { PostMessageA(form, WM_COMMAND, app::IDM_DO_TRAYBARU, 0); }
};

}  // namespace

TEST_CASE("the icon shows in the notification area exactly while the option is on") {
    RunningProgram running;
    REQUIRE(Taskbar());
    struct Row {
        const char* name;
        bool toggle;
        bool shown;
    } rows[] = {
        {"on at the first start", false, true},
        {"switched off: removed at once", true, false},
        {"switched on again", true, true},
    };
    for (const Row& row : rows) {
        CAPTURE(row.name);
        if (row.toggle) running.ToggleMinimizeToTray();
        CHECK(drv::WaitUntil([&] { return IconPresent(running.tray) == row.shown; }));
        Sleep(200);  // drawn
        CHECK((ColoursAtRightEnd(20) > 1) == row.shown);
        if (row.shown) drv::SaveScreenshot(Taskbar(), "tray-icon");
    }
    // With the option off, minimising goes to the taskbar and shows no icon.
    running.ToggleMinimizeToTray();
    PostMessageA(running.form, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    CHECK(drv::WaitUntil([&] { return IsIconic(running.application) && IsWindowVisible(running.application); }));
    CHECK_FALSE(IconPresent(running.tray));
}

TEST_CASE("a notification area created anew shows the icon again, and only once") {
    RunningProgram running;
    REQUIRE(drv::WaitUntil([&] { return IconPresent(running.tray); }));
    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    // As after a restart of the shell: the icon is gone from the notification area.
    REQUIRE(DeleteIcon(running.tray));
    REQUIRE_FALSE(IconPresent(running.tray));
    DWORD_PTR result = 0;
    SendMessageTimeoutA(HWND_BROADCAST, taskbarCreated, 0, 0, SMTO_ABORTIFHUNG, drv::kWait, &result);
    CHECK(drv::WaitUntil([&] { return IconPresent(running.tray); }));
    // Broadcast again while the icon is there: still exactly one, so one deletion removes it.
    SendMessageTimeoutA(HWND_BROADCAST, taskbarCreated, 0, 0, SMTO_ABORTIFHUNG, drv::kWait, &result);
    CHECK(IconPresent(running.tray));
    CHECK(DeleteIcon(running.tray));
    CHECK_FALSE(IconPresent(running.tray));
}

TEST_CASE("a right click on the icon opens the tray menu: its four items, the first in bold") {
    RunningProgram running;
    REQUIRE(drv::WaitUntil([&] { return IconPresent(running.tray); }));
    RightClickIcon();
    const DWORD programThread = GetWindowThreadProcessId(running.form, nullptr);
    HWND menu = nullptr;
    REQUIRE(drv::WaitUntil([&] { return (menu = MenuWindowOf(programThread)) != nullptr; }));
    const Picture shown = SettledPicture(menu);
    drv::SaveScreenshot(GetDesktopWindow(), "tray-menu");
    drv::PressKey(VK_ESCAPE);
    REQUIRE(drv::WaitUntil([&] { return !IsWindowVisible(menu); }));

    const Picture expected = ReferenceMenu(IconPoint(), true);
    CHECK(shown.pixels.size() > 0);
    CHECK(shown == expected);
    // The comparison tells bold from regular: a menu without the default item looks different.
    CHECK_FALSE(shown == ReferenceMenu(IconPoint(), false));
}

TEST_CASE("the tray menu's items and a double-click on the icon at work") {
    RunningProgram running;
    REQUIRE(drv::WaitUntil([&] { return IconPresent(running.tray); }));
    HWND application = running.application;
    const DWORD programThread = GetWindowThreadProcessId(running.form, nullptr);
    auto choose = [&](WORD accessKey) {
        RightClickIcon();
        REQUIRE(drv::WaitUntil([&] { return MenuWindowOf(programThread) != nullptr; }));
        drv::PressKey(accessKey);
        REQUIRE(drv::WaitUntil([&] { return MenuWindowOf(programThread) == nullptr; }));
    };

    choose('S');  // "&Skrýt okno programu": window and taskbar button go, the icon stays
    CHECK(drv::WaitUntil([&] { return !IsWindowVisible(running.form) && !IsWindowVisible(application); }));
    CHECK(IconPresent(running.tray));

    DoubleClickIcon();  // the default item "&Psát zprávu": back, in front
    CHECK(drv::WaitUntil([&] { return IsWindowVisible(running.form) && IsWindowVisible(application); }));
    CHECK(drv::WaitUntil([&] { return GetForegroundWindow() == running.form; }));
    CHECK(IconPresent(running.tray));  // the option is on: the icon stays

    // Minimising with the option on hides the program behind the icon.
    PostMessageA(running.form, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    CHECK(drv::WaitUntil([&] { return !IsWindowVisible(running.form) && !IsWindowVisible(application); }));
    CHECK(IconPresent(running.tray));

    choose('K');  // "&Konec" ends the program at once, hidden as it is
    CHECK(running.program.WaitExit() == std::optional<DWORD>(0));
    CHECK_FALSE(IconPresent(running.tray));
}

TEST_CASE("closed into the tray with the option off: the icon shows until the window is back") {
    RunningProgram running;
    running.ToggleMinimizeToTray();
    CHECK(drv::WaitUntil([&] { return !IconPresent(running.tray); }));
    PostMessageA(running.form, WM_CLOSE, 0, 0);  // "&Zavírat do Traybaru" is on by design
    CHECK(drv::WaitUntil([&] { return !IsWindowVisible(running.form); }));
    CHECK(drv::WaitUntil([&] { return IconPresent(running.tray); }));
    CHECK_FALSE(running.program.WaitExit(300));

    RightClickIcon();
    const DWORD programThread = GetWindowThreadProcessId(running.form, nullptr);
    REQUIRE(drv::WaitUntil([&] { return MenuWindowOf(programThread) != nullptr; }));
    drv::PressKey('P');  // "&Psát zprávu"
    CHECK(drv::WaitUntil([&] { return IsWindowVisible(running.form); }));
    CHECK(drv::WaitUntil([&] { return !IconPresent(running.tray); }));
}
