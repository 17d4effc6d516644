// The component and the program's windows: minimising into the icon, showing and hiding the
// main window, the hooks and their removal, a restarted notification area.
#include <windows.h>

#include <doctest/doctest.h>

#include <memory>
#include <typeinfo>
#include <vector>

#include "win/tray_fixture.h"
#include "toolkit/window_hook.h"

using namespace traytest;
using trayicon::TCoolTrayIcon;

namespace {

using Messages = std::vector<DWORD>;

// The application window shown and restored, with `form` as the main window, for one test.
struct MainWindowScene {
    OwnerForm form;
    explicit MainWindowScene(bool mainFormSet = true) {
        ShowWindow(App().Handle(), SW_SHOWNORMAL);
        if (mainFormSet) App().SetMainForm(&form);
        form.SetVisible(true);
    }
    ~MainWindowScene() {
        App().SetMainForm(nullptr);
        ShowWindow(App().Handle(), SW_RESTORE);
        ShowWindow(App().Handle(), SW_HIDE);
    }
};

}  // namespace

TEST_CASE("minimising the application hides everything into the icon before the window's own procedure runs") {
    struct Row {
        const char* name;
        bool minimizeToTray;
        Messages shellCalls;
        bool formVisibleAtOwnProc;
        bool applicationVisibleAtOwnProc;
    } rows[] = {
        {"MinimizeToTray on", true, {NIM_ADD}, false, false},
        {"MinimizeToTray off: the component does nothing", false, {}, true, true},
    };
    for (const Row& row : rows) {
        CAPTURE(row.name);
        MainWindowScene scene;
        // Stands for the application window's own procedure: installed first, so it runs after the tray's hook.
        int seen = 0;
        bool formVisible = false, applicationVisible = false;
        size_t shellCallsThen = 0;
        ShellRecorder shell;
        tk::WindowProcHook ownProcedure;
        ownProcedure.Install(App().Handle(), [&](UINT message, WPARAM wParam, LPARAM lParam) {
            if (message == WM_SIZE && wParam == SIZE_MINIMIZED) {
                ++seen;
                formVisible = IsWindowVisible(scene.form.Handle()) != 0;
                applicationVisible = IsWindowVisible(App().Handle()) != 0;
                shellCallsThen = shell.calls.size();
            }
            return ownProcedure.CallPrevious(message, wParam, lParam);
        });
        {
            TCoolTrayIcon tray(App(), &scene.form);
            tray.SetMinimizeToTray(row.minimizeToTray);
            App().Minimize();
            Pump();
            CHECK(seen == 1);
            CHECK(formVisible == row.formVisibleAtOwnProc);
            CHECK(applicationVisible == row.applicationVisibleAtOwnProc);
            CHECK(shellCallsThen == row.shellCalls.size());
            CHECK(scene.form.Visible() == !row.minimizeToTray);
            shell.calls.resize(shellCallsThen);
            CHECK(shell.Messages() == row.shellCalls);
        }
        ownProcedure.Remove();
    }
}

TEST_CASE("ShowMainWindow and HideMainWindow move the main window and the taskbar button together") {
    MainWindowScene scene;
    ShellRecorder shell;
    TCoolTrayIcon tray(App(), &scene.form);
    tray.SetIconVisible(true);
    tray.HideMainWindow();
    CHECK_FALSE(IsWindowVisible(scene.form.Handle()));
    CHECK_FALSE(scene.form.Visible());
    CHECK_FALSE(IsWindowVisible(App().Handle()));
    tray.ShowMainWindow();
    Pump();
    CHECK(IsWindowVisible(scene.form.Handle()));
    CHECK(IsWindowVisible(App().Handle()));
    CHECK(GetForegroundWindow() == scene.form.Handle());
    CHECK(shell.Messages() == Messages{NIM_ADD});  // the icon is not touched
}

TEST_CASE("ShowMainWindow and HideMainWindow do nothing without a main window") {
    MainWindowScene scene(false);
    TCoolTrayIcon tray(App(), &scene.form);
    tray.HideMainWindow();
    CHECK(IsWindowVisible(scene.form.Handle()));
    CHECK(IsWindowVisible(App().Handle()));
    ShowWindow(App().Handle(), SW_HIDE);
    tray.ShowMainWindow();
    CHECK_FALSE(IsWindowVisible(App().Handle()));
}

TEST_CASE("the owner shown by its own show call restores the application and comes to the front") {
    struct Row {
        const char* name;
        bool hooked;
    } rows[] = {{"with the component", true}, {"without it nothing does this", false}};
    for (const Row& row : rows) {
        CAPTURE(row.name);
        MainWindowScene scene(false);
        OwnerForm other;
        std::unique_ptr<TCoolTrayIcon> tray;
        if (row.hooked) tray = std::make_unique<TCoolTrayIcon>(App(), &scene.form);
        ShowWindow(scene.form.Handle(), SW_HIDE);
        ShowWindow(App().Handle(), SW_MINIMIZE);
        ShowWindow(other.Handle(), SW_SHOW);
        SetForegroundWindow(other.Handle());
        ShowWindow(scene.form.Handle(), SW_SHOWNA);  // shows without activating: only the hook brings it forward
        Pump();
        CHECK(IsIconic(App().Handle()) == !row.hooked);
        CHECK((GetForegroundWindow() == scene.form.Handle()) == row.hooked);
    }
}

TEST_CASE("destruction deletes the icon first, then lets go of the hidden window and both hooks") {
    App();
    OwnerForm owner;
    const LONG_PTR applicationProc = GetWindowLongPtrA(App().Handle(), GWLP_WNDPROC);
    const LONG_PTR ownerProc = GetWindowLongPtrA(owner.Handle(), GWLP_WNDPROC);
    ShellRecorder shell;
    auto tray = std::make_unique<TCoolTrayIcon>(App(), &owner);
    const HWND hidden = tray->Handle();
    CHECK(GetWindowLongPtrA(App().Handle(), GWLP_WNDPROC) != applicationProc);
    CHECK(GetWindowLongPtrA(owner.Handle(), GWLP_WNDPROC) != ownerProc);
    tray->SetIconVisible(true);
    bool windowThen = false, applicationHookedThen = false, ownerHookedThen = false;
    shell.onCall = [&](const ShellCall& call) {
        if (call.message != NIM_DELETE) return;
        windowThen = IsWindow(hidden) != 0;
        applicationHookedThen = GetWindowLongPtrA(App().Handle(), GWLP_WNDPROC) != applicationProc;
        ownerHookedThen = GetWindowLongPtrA(owner.Handle(), GWLP_WNDPROC) != ownerProc;
    };
    tray.reset();
    CHECK(shell.Messages() == Messages{NIM_ADD, NIM_DELETE});
    CHECK(shell.Last().data.hWnd == hidden);
    CHECK(windowThen);
    CHECK(applicationHookedThen);
    CHECK(ownerHookedThen);
    CHECK_FALSE(IsWindow(hidden));
    CHECK(GetWindowLongPtrA(App().Handle(), GWLP_WNDPROC) == applicationProc);
    CHECK(GetWindowLongPtrA(owner.Handle(), GWLP_WNDPROC) == ownerProc);
}

TEST_CASE("an owner that is not a window fails construction and leaves no hook behind") {
    App();
    const LONG_PTR applicationProc = GetWindowLongPtrA(App().Handle(), GWLP_WNDPROC);
    tk::Component notAWindow;
    CHECK_THROWS_AS(TCoolTrayIcon tray(App(), &notAWindow), std::bad_cast);
    CHECK(GetWindowLongPtrA(App().Handle(), GWLP_WNDPROC) == applicationProc);
    TCoolTrayIcon ownerless(App(), nullptr);  // no owner: only the application window is hooked
    CHECK(GetWindowLongPtrA(App().Handle(), GWLP_WNDPROC) != applicationProc);
}

TEST_CASE("a notification area created anew gets the icon back, if it was visible") {
    App();
    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    struct Row {
        const char* name;
        bool iconVisible;
        Messages expected;
    } rows[] = {
        {"visible: added again", true, {NIM_ADD}},
        {"hidden: stays away", false, {}},
    };
    for (const Row& row : rows) {
        CAPTURE(row.name);
        OwnerForm owner;
        TCoolTrayIcon tray(App(), &owner);
        tray.SetIconVisible(row.iconVisible);
        ShellRecorder shell;
        SendMessageA(tray.Handle(), taskbarCreated, 0, 0);
        CHECK(shell.Messages() == row.expected);
        CHECK(tray.IconVisible() == row.iconVisible);
    }
}

TEST_CASE("StartMinimized hides the application when loaded, and is ignored in design mode") {
    struct Row {
        const char* name;
        bool startMinimized;
        bool designing;
        bool hidden;
    } rows[] = {
        {"on", true, false, true},
        {"off", false, false, false},
        {"on, in design mode", true, true, false},
    };
    for (const Row& row : rows) {
        CAPTURE(row.name);
        MainWindowScene scene;
        ShellRecorder shell;
        TCoolTrayIcon tray(App(), &scene.form, row.designing);
        tray.SetStartMinimized(row.startMinimized);
        App().SetShowMainForm(true);
        scene.form.NotifyLoaded();
        CHECK(App().ShowMainForm() == !row.hidden);
        CHECK((IsWindowVisible(App().Handle()) == 0) == row.hidden);
        App().SetShowMainForm(true);
    }
}
