// The main window's band container: the layout the program reports after the changes a user
// makes by dragging bands, and the controls below following the container's height.
#include <doctest/doctest.h>

#include <windows.h>

#include <commctrl.h>

#include "app/command_ids.h"
#include "app/main_form.h"
#include "settings/settings_store.h"
#include "toolkit/application.h"
#include "win/user_state.h"

namespace {

using tk::BandLayout;

const BandLayout kDesign = {
    {app::IDC_TOOLBAR1, true, 185, 172, 21},
    {app::IDC_TOOLBAR2, false, 141, 128, 22},
};

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

int ClientTop(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect.top;
}

int Height(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return rect.bottom - rect.top;
}

// The main window in the test process, at its design size.
struct MainWindow {
    CleanUserState clean;
    app::TMainForm form{tk::Application::Instance()};
    HWND bars = nullptr, panel = nullptr, memo = nullptr, status = nullptr;

    MainWindow() {
        // As on a first start: no arrangement stored by an earlier window.
        settings::SettingsStore().DropSection(settings::kSection);
        tk::Application& application = tk::Application::Instance();
        if (!application.Handle()) REQUIRE(application.Initialize("Pebblewire"));
        application.SetMainForm(&form);
        REQUIRE(form.Create(application.AsOwner()));
        bars = GetDlgItem(form.Handle(), app::IDC_COOLBAR1);
        panel = GetDlgItem(form.Handle(), app::IDC_PANEL1);
        memo = GetDlgItem(form.Handle(), app::IDC_MEMO1);
        status = GetDlgItem(form.Handle(), app::IDC_STATUSLINE);
        REQUIRE((bars && panel && memo && status));
        Pump();
    }
    ~MainWindow() { tk::Application::Instance().SetMainForm(nullptr); }

    RECT BandRect(int index) const {
        RECT rect{};
        SendMessageA(bars, RB_GETRECT, WPARAM(index), reinterpret_cast<LPARAM>(&rect));
        return rect;
    }

    // Drags a band by its gripper, as the mouse would, to a point in the container.
    void DragBand(int index, POINT to) {
        const RECT band = BandRect(index);
        POINT at{band.left + 4, (band.top + band.bottom) / 2};
        SendMessageA(bars, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        for (int step = 1; step <= 4; ++step) {
            const POINT p{at.x + (to.x - at.x) * step / 4, at.y + (to.y - at.y) * step / 4};
            SendMessageA(bars, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        }
        SendMessageA(bars, WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
        Pump();
    }

    // The panel sits right below the band container and the editor fills the rest.
    void CheckControlsFollowBars() const {
        RECT client;
        GetClientRect(form.Handle(), &client);
        const int barsHeight = Height(bars);
        CHECK(ClientTop(panel) == barsHeight);
        CHECK(ClientTop(memo) == barsHeight + Height(panel));
        CHECK(ClientTop(memo) + Height(memo) == ClientTop(status));
        CHECK(ClientTop(status) + Height(status) == client.bottom);
    }
};

}  // namespace

TEST_CASE("at design size both bands share one row 26 pixels high above the panel") {
    MainWindow window;
    CHECK(window.form.Bands() == kDesign);
    CHECK(Height(window.bars) == 26);
    CHECK(Height(window.status) == 19);
    RECT memo;
    GetWindowRect(window.memo, &memo);
    CHECK(memo.right - memo.left == 332);
    CHECK(memo.bottom - memo.top == 136);
    window.CheckControlsFollowBars();
}

TEST_CASE("the reported layout follows the bands as they are moved") {
    MainWindow window;
    const int oneRow = Height(window.bars);

    SUBCASE("the second band dragged below the first starts a second row") {
        const RECT first = window.BandRect(0);
        window.DragBand(1, {first.left + 20, first.bottom + 8});
        const BandLayout layout = window.form.Bands();
        REQUIRE(layout.size() == 2);
        CHECK(layout[0].id == app::IDC_TOOLBAR1);
        CHECK(layout[1].id == app::IDC_TOOLBAR2);
        CHECK(layout[1].rowBreak);
        CHECK(Height(window.bars) > oneRow);
        window.CheckControlsFollowBars();
    }

    SUBCASE("the second band dragged above the first comes first") {
        const RECT first = window.BandRect(0);
        window.DragBand(1, {first.left + 20, first.top - 6});
        const BandLayout layout = window.form.Bands();
        REQUIRE(layout.size() == 2);
        CHECK(layout[0].id == app::IDC_TOOLBAR2);
        CHECK(layout[1].id == app::IDC_TOOLBAR1);
        // The minimum sizes travel with the tool bars.
        CHECK(layout[0].minWidth == 128);
        CHECK(layout[0].minHeight == 22);
        CHECK(layout[1].minWidth == 172);
        CHECK(layout[1].minHeight == 21);
        // A row of its own above the menu bar's.
        CHECK(layout[1].rowBreak);
        CHECK(Height(window.bars) > oneRow);
        window.CheckControlsFollowBars();
    }

    SUBCASE("a row break set on the second band") {
        REBARBANDINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = RBBIM_STYLE;
        SendMessageA(window.bars, RB_GETBANDINFOA, 1, reinterpret_cast<LPARAM>(&info));
        info.fStyle |= RBBS_BREAK;
        SendMessageA(window.bars, RB_SETBANDINFOA, 1, reinterpret_cast<LPARAM>(&info));
        Pump();
        CHECK(window.form.Bands()[1].rowBreak);
        CHECK(Height(window.bars) > oneRow);
        window.CheckControlsFollowBars();
    }

    SUBCASE("the bands swapped") {
        SendMessageA(window.bars, RB_MOVEBAND, 1, 0);
        Pump();
        const BandLayout layout = window.form.Bands();
        REQUIRE(layout.size() == 2);
        CHECK(layout[0] == tk::BandState{app::IDC_TOOLBAR2, layout[0].rowBreak, layout[0].width, 128, 22});
        CHECK(layout[1] == tk::BandState{app::IDC_TOOLBAR1, layout[1].rowBreak, layout[1].width, 172, 21});
    }
}

TEST_CASE("a stored arrangement applied to the bands is what they show") {
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 332, 100, nullptr, nullptr, nullptr, nullptr);
    REQUIRE(parent);
    tk::Rebar rebar;
    REQUIRE(rebar.Create(parent, app::IDC_COOLBAR1));
    for (const tk::BandState& band : kDesign)
        rebar.AddBand(CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, rebar.Handle(), nullptr,
                                      nullptr, nullptr),
                      band);
    rebar.FitToParent();
    CHECK(rebar.Layout() == kDesign);
    struct Row {
        const char* name;
        BandLayout stored;
    } rows[] = {
        {"buttons first, on one row",
         {{app::IDC_TOOLBAR2, true, 150, 128, 22}, {app::IDC_TOOLBAR1, false, 182, 172, 21}}},
        {"two rows", {{app::IDC_TOOLBAR1, true, 185, 172, 21}, {app::IDC_TOOLBAR2, true, 141, 128, 22}}},
        {"back to the design", kDesign},
    };
    for (const Row& row : rows) {
        INFO(row.name);
        rebar.Apply(row.stored);
        rebar.FitToParent();
        const BandLayout shown = rebar.Layout();
        CHECK(shown == row.stored);
    }
    DestroyWindow(parent);
}
