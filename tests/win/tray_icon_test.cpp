// What the component hands to the shell: the record, the NIM_ADD/NIM_MODIFY/NIM_DELETE sequence
// each property write causes, image-list indexes and cycling.
#include <windows.h>

#include <doctest/doctest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "win/tray_fixture.h"

using namespace traytest;
using trayicon::TCoolTrayIcon;

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);

// A component with an image list of three solid images: red, green, blue.
struct ListScene {
    OwnerForm owner;
    tk::ImageList list{&owner};
    TCoolTrayIcon tray{App(), &owner};
    explicit ListScene(bool withList = true) {
        App();
        for (COLORREF color : {kRed, kGreen, kBlue}) {
            HICON icon = SolidIcon(color);
            list.AddIcon(icon);
            DestroyIcon(icon);
        }
        if (withList) tray.SetIconList(&list);
    }
};

using Messages = std::vector<DWORD>;

}  // namespace

TEST_CASE("the record the shell gets: the first form (88 bytes, 104 on x86-64), the hidden window, id 1, flags 7, message 0x800") {
    App();
    ShellRecorder shell;
    OwnerForm owner;
    TCoolTrayIcon tray(App(), &owner);
    CHECK(shell.calls.empty());  // construction calls nothing
    tray.SetIconVisible(true);
    REQUIRE(shell.calls.size() == 1);
    const IconData& data = shell.Last().data;
    CHECK(data.cbSize == (sizeof(void*) == 8 ? 104u : 88u));
    CHECK(data.hWnd == tray.Handle());
    CHECK(IsWindow(data.hWnd));
    CHECK_FALSE(IsWindowVisible(data.hWnd));
    CHECK(data.uID == 1);
    CHECK(data.uFlags == 7);
    CHECK(data.uCallbackMessage == 0x800);
}

TEST_CASE("the tooltip is the hint cut to 63 characters, and empty unless hints are on") {
    App();
    const std::string hundred = std::string(50, 'a') + std::string(50, 'b');
    struct Row {
        const char* name;
        std::string hint;
        bool showHint;
        std::string expected;
    } rows[] = {
        {"100 characters give the first 63", hundred, true, hundred.substr(0, 63)},
        {"exactly 63 kept whole", std::string(63, 'x'), true, std::string(63, 'x')},
        {"short hint", "Brantel Pebblewire", true, "Brantel Pebblewire"},
        {"Czech letters pass unchanged", "Psát zprávu", true, "Psát zprávu"},
        {"hint with ShowHint off", "Brantel Pebblewire", false, ""},
        {"empty hint with ShowHint on", "", true, ""},
    };
    for (const Row& row : rows) {
        CAPTURE(row.name);
        ShellRecorder shell;
        OwnerForm owner;
        TCoolTrayIcon tray(App(), &owner);
        tray.SetHint(std::string(80, 'z'));  // leaves bytes behind if the record were not cleared
        tray.SetShowHint(true);
        tray.SetHint(row.hint);
        tray.SetShowHint(row.showHint);
        const IconData& data = shell.Last().data;
        char expected[64] = {};
        std::memcpy(expected, row.expected.data(), row.expected.size());
        CHECK(std::memcmp(data.szTip, expected, sizeof expected) == 0);
    }
}

TEST_CASE("each property write sends its shell call, whether or not the icon is present") {
    App();
    struct Row {
        const char* name;
        void (*act)(TCoolTrayIcon&);
        Messages expected;
    } rows[] = {
        {"IconVisible true twice: NIM_ADD twice and no NIM_MODIFY",
         [](TCoolTrayIcon& t) { t.SetIconVisible(true), t.SetIconVisible(true); },
         {NIM_ADD, NIM_ADD}},
        {"IconVisible false twice: NIM_DELETE twice",
         [](TCoolTrayIcon& t) { t.SetIconVisible(false), t.SetIconVisible(false); },
         {NIM_DELETE, NIM_DELETE}},
        {"Icon while absent still sends NIM_MODIFY",
         [](TCoolTrayIcon& t) { t.SetIcon(LoadIconA(nullptr, IDI_WARNING)); },
         {NIM_MODIFY}},
        {"Hint and ShowHint update",
         [](TCoolTrayIcon& t) { t.SetHint("a"), t.SetShowHint(true); },
         {NIM_MODIFY, NIM_MODIFY}},
        {"IconIndex without a list updates", [](TCoolTrayIcon& t) { t.SetIconIndex(4); }, {NIM_MODIFY}},
        {"events, menu and flags call nothing",
         [](TCoolTrayIcon& t) {
             t.SetEnabled(false), t.SetLeftPopup(true), t.SetMinimizeToTray(true), t.SetStartMinimized(true);
             t.SetPopupMenu(nullptr), t.SetCycleInterval(50);
             t.OnClick = [](TCoolTrayIcon&) {};
         },
         {}},
        {"DesignPreview outside design mode adds and removes, IconVisible untouched",
         [](TCoolTrayIcon& t) {
             t.SetIconVisible(false), t.SetDesignPreview(true);
             CHECK_FALSE(t.IconVisible());
             t.SetIconVisible(true), t.SetDesignPreview(false);
             CHECK(t.IconVisible());
         },
         {NIM_DELETE, NIM_ADD, NIM_ADD, NIM_DELETE}},
    };
    for (const Row& row : rows) {
        CAPTURE(row.name);
        OwnerForm owner;
        TCoolTrayIcon tray(App(), &owner);
        ShellRecorder shell;
        row.act(tray);
        CHECK(shell.Messages() == row.expected);
    }
}

TEST_CASE("the icon is a copy; a new image shows with the next NIM_ADD") {
    App();
    ShellRecorder shell;
    OwnerForm owner;
    TCoolTrayIcon tray(App(), &owner);
    HICON red = SolidIcon(kRed);
    tray.SetIcon(red);
    DestroyIcon(red);  // the component keeps its own copy
    tray.SetIconVisible(true);
    CHECK(shell.Messages() == Messages{NIM_MODIFY, NIM_ADD});
    CHECK(shell.Last().data.hIcon != red);
    CHECK(shell.Last().iconColor == kRed);
    tk::Icon empty;
    tray.SetIcon(empty);
    CHECK(shell.Last().data.hIcon == nullptr);
}

TEST_CASE("the shell's answer is the result and changes nothing else") {
    App();
    for (BOOL answer : {TRUE, FALSE}) {
        CAPTURE(answer);
        ShellRecorder shell(answer);
        OwnerForm owner;
        TCoolTrayIcon tray(App(), &owner);
        CHECK(tray.AddIcon() == bool(answer));
        CHECK(tray.IconVisible());
        CHECK(tray.UpdateIcon() == bool(answer));
        CHECK(tray.RemoveIcon() == bool(answer));
        CHECK_FALSE(tray.IconVisible());
        CHECK(shell.Messages() == Messages{NIM_ADD, NIM_MODIFY, NIM_DELETE});
    }
}

TEST_CASE("IconIndex follows the image list: clamped above, kept below zero, 0 without a list") {
    App();
    struct Row {
        const char* name;
        bool withList;
        int requested;
        int stored;
        COLORREF shown;
    } rows[] = {
        {"7 with 3 images stores 2", true, 7, 2, kBlue},
        {"3 with 3 images stores 2", true, 3, 2, kBlue},
        {"1 shows image 1", true, 1, 1, kGreen},
        {"0 shows image 0", true, 0, 0, kRed},
        {"negative is kept and the icon becomes empty", true, -1, -1, kNoIcon},
        {"without a list always 0", false, 2, 0, kNoIcon},
        {"without a list, negative too", false, -5, 0, kNoIcon},
    };
    for (const Row& row : rows) {
        CAPTURE(row.name);
        ListScene scene(row.withList);
        ShellRecorder shell;
        scene.tray.SetIconIndex(row.requested);
        CHECK(scene.tray.IconIndex() == row.stored);
        CHECK(shell.Messages() == Messages{NIM_MODIFY});
        CHECK(shell.Last().iconColor == row.shown);
    }
}

TEST_CASE("cycling with 3 images shows 1, 2, 0, 1 and OnCycle reports each next index") {
    ListScene scene;
    TCoolTrayIcon& tray = scene.tray;
    ShellRecorder shell;
    std::vector<int> reported;
    std::vector<COLORREF> shownAfterTick;
    tray.OnCycle = [&](TCoolTrayIcon& sender, int next) {
        CHECK(&sender == &tray);
        if (!reported.empty()) shownAfterTick.push_back(shell.Last().iconColor);
        reported.push_back(next);
    };
    tray.SetCycleInterval(20);
    tray.SetCycleIcons(true);
    CHECK(shell.Last().iconColor == kRed);  // image 0 at once
    const DWORD start = GetTickCount();
    while (reported.size() < 5 && GetTickCount() - start < 5000) Pump(10);
    tray.SetCycleIcons(false);
    shownAfterTick.push_back(shell.Last().iconColor);
    REQUIRE(reported.size() >= 5);
    reported.resize(4);
    CHECK(reported == std::vector<int>{1, 2, 0, 1});
    CHECK(std::vector<COLORREF>(shownAfterTick.begin(), shownAfterTick.begin() + 4) ==
          std::vector<COLORREF>{kGreen, kBlue, kRed, kGreen});
}

TEST_CASE("switching cycling on with interval 0 shows image 0 and never advances; off keeps the image") {
    ListScene scene;
    TCoolTrayIcon& tray = scene.tray;
    tray.SetIconIndex(2);
    ShellRecorder shell;
    int ticks = 0;
    tray.OnCycle = [&](TCoolTrayIcon&, int) { ++ticks; };
    tray.SetCycleIcons(true);
    Pump(200);
    CHECK(ticks == 0);
    CHECK(tray.IconIndex() == 0);
    CHECK(shell.Last().iconColor == kRed);
    tray.SetIconIndex(1);
    tray.SetCycleIcons(false);
    CHECK(tray.IconIndex() == 1);
    CHECK(shell.Last().iconColor == kGreen);
}

TEST_CASE("an image list or popup menu of the same owner that goes is let go of") {
    App();
    OwnerForm owner;
    TCoolTrayIcon tray(App(), &owner);
    auto list = std::make_unique<tk::ImageList>(&owner);
    HICON image = SolidIcon(kRed);
    list->AddIcon(image);
    DestroyIcon(image);
    auto menu = std::make_unique<tk::PopupMenu>(&owner);
    tray.SetIconList(list.get());
    tray.SetIconIndex(1);
    tray.SetPopupMenu(menu.get());
    ShellRecorder shell;
    list.reset();
    CHECK(tray.IconList() == nullptr);
    CHECK(tray.IconIndex() == 0);
    CHECK(shell.Messages() == Messages{NIM_MODIFY});
    menu.reset();
    CHECK(tray.PopupMenu() == nullptr);
}

TEST_CASE("the loaded notification: stored IconVisible false leaves the icon absent") {
    App();
    struct Row {
        const char* name;
        bool iconVisible;
        Messages expected;
    } rows[] = {
        // The main window's stored values: hint, ShowHint, IconVisible false, IconIndex 0, then loaded.
        {"stored false", false, {NIM_MODIFY, NIM_MODIFY, NIM_DELETE, NIM_MODIFY, NIM_MODIFY, NIM_DELETE}},
        {"default true", true, {NIM_MODIFY, NIM_MODIFY, NIM_MODIFY, NIM_MODIFY, NIM_ADD}},
    };
    for (const Row& row : rows) {
        CAPTURE(row.name);
        ShellRecorder shell;
        OwnerForm owner;
        TCoolTrayIcon tray(App(), &owner);
        tray.SetCycleInterval(0);
        tray.SetHint("Brantel Pebblewire");
        tray.SetShowHint(true);
        if (!row.iconVisible) tray.SetIconVisible(false);
        tray.SetIconIndex(0);
        owner.NotifyLoaded();
        CHECK(shell.Messages() == row.expected);
        CHECK(tray.IconVisible() == row.iconVisible);
    }
}

TEST_CASE("design mode: no shell call unless previewing, no hooks") {
    App();
    ShellRecorder shell;
    OwnerForm owner;
    const LONG_PTR ownerProc = GetWindowLongPtrA(owner.Handle(), GWLP_WNDPROC);
    TCoolTrayIcon tray(App(), &owner, true);
    CHECK(GetWindowLongPtrA(owner.Handle(), GWLP_WNDPROC) == ownerProc);
    CHECK_FALSE(tray.AddIcon());
    CHECK(tray.IconVisible());
    tray.SetHint("x");
    CHECK(shell.calls.empty());
    tray.SetDesignPreview(true);
    tray.SetHint("y");
    CHECK(shell.Messages() == Messages{NIM_ADD, NIM_MODIFY});
    tray.SetDesignPreview(false);
    CHECK(shell.Messages() == Messages{NIM_ADD, NIM_MODIFY, NIM_DELETE});
    CHECK(tray.IconVisible());
}
