// What a start shows of the stored values, and what a quit or the end of the session stores.
#include <doctest/doctest.h>

#include <windows.h>

#include <commctrl.h>
#include <map>
#include <string>

#include "app/command_ids.h"
#include "support/driver_checks.h"

namespace {

using Values = std::map<std::string, std::string>;
enum End { kQuit, kWineSessionEnd, kWindowsSessionEnd };

Values StoredValues() {
    Values values;
    for (const auto& [name, raw] : drv::ReadValues(drv::kSettingsKey))
        values[name] = drv::ReadString(drv::kSettingsKey, name).value_or("?");
    return values;
}

struct Running {
    drv::Program program;
    HWND form = nullptr;

    // Placement, recipient field and mode, then each band: tool bar (after "|" when it starts a
    // row), width, minimum size.
    std::string Shown() const {
        const RECT r = drv::WindowRectOf(form);
        char shown[256];
        int length =
            snprintf(shown, sizeof shown, "%ld,%ld %ldx%ld '%s' %s", r.left, r.top, r.right - r.left, r.bottom - r.top,
                     drv::WindowText(drv::ChildById(form, app::IDC_EDIT1)).c_str(),
                     drv::IsCheckedButton(drv::ChildById(form, app::IDC_RADIOBUTTON2)) ? "workgroup" : "person");
        for (UINT i = 0; i < 2; ++i) {
            REBARBANDINFOA band{};
            band.cbSize = sizeof band;
            band.fMask = RBBIM_ID | RBBIM_STYLE | RBBIM_SIZE | RBBIM_CHILDSIZE;
            drv::SendWithData(drv::ChildById(form, app::IDC_COOLBAR1), RB_GETBANDINFOA, i, band);
            length +=
                snprintf(shown + length, sizeof shown - length, " %s%s %u %ux%u", band.fStyle & RBBS_BREAK ? "|" : "",
                         band.wID == app::IDC_TOOLBAR1 ? "menu" : "buttons", band.cx, band.cxMinChild, band.cyMinChild);
        }
        return shown;
    }
    bool IconShown() const { return drv::IconPresent(program.WaitWindow("PebblewireTrayIcon", nullptr, false)); }
    // What the end wrote, then each value it dropped after a "-".
    std::string End(End how) {
        Values before = StoredValues();
        drv::Program wineboot;
        if (how == kQuit) PostMessageA(form, WM_COMMAND, app::IDM_KONEC, 0);
        if (how == kWineSessionEnd)
            REQUIRE(wineboot.Start("--end-session --shutdown", -1, "C:\\windows\\system32\\wineboot.exe"));
        if (how == kWindowsSessionEnd) CHECK(drv::EndSessionLikeWindows(program, form) == 1);
        CHECK(program.WaitExit(1000).has_value());
        std::string changes;
        for (const auto& [name, value] : StoredValues())
            if (const auto was = before.extract(name); !was || was.mapped() != value)
                changes += name + "=" + value + " ";
        for (const auto& [name, value] : before) changes += "-" + name;
        return changes;
    }
};

}  // namespace

TEST_CASE("a start shows what was stored; a quit, or the session's end, stores what is shown") {
    // The virtual desktop is 1024 x 768, with the design size in its middle at 342,259.
    const std::string design = " '(vaše pracovní skupina)' person |menu 185 172x21 buttons 141 128x22";
    const std::string saved =
        "Band1_Break=1 Band1_ToolBar1=1 Band1_Width=185 Band2_Break=0 Band2_Width=141 "
        "Destination= Height=250 Left=342 Top=259 Width=340 Workgroup=0 -Handle";
    const struct {
        Values stored;  // with "InTraybar" stored as a number when it holds "DWORD"
        const char* placement;
        const char* rest;  // recipient and bands; null: as designed
        End end;
        const char* written;  // null: not checked
    } rows[] = {
        // clang-format off
        {{}, "342,259 340x250", nullptr, kQuit, saved.c_str()},
        {{}, "342,259 340x250", nullptr, kWineSessionEnd, saved.c_str()},
        {{}, "342,259 340x250", nullptr, kWindowsSessionEnd, saved.c_str()},
        {{{"Left", "20"}, {"Top", "30"}, {"Width", "-1"}, {"Height", "300"}}, "342,259 340x250", nullptr, kQuit, nullptr},
        {{{"Left", "20"}, {"Width", "okno"}}, "342,259 340x250", nullptr, kQuit, nullptr},
        {{{"Left", "20"}, {"Top", "30"}, {"Width", "100"}, {"Height", "100"}}, "20,30 340x250", nullptr, kQuit, nullptr},
        {{{"Left", "5000"}, {"Top", "-30"}, {"Width", "400"}, {"Height", "300"}, {"SaveAtClose", "0"}},
            "5000,-30 400x300", nullptr, kQuit, "-Handle"},
        {{{"Destination", "pc01"}, {"Workgroup", "1"}, {"Band1_ToolBar1", "0"}}, "342,259 340x250",
            " 'PC01' workgroup |buttons 185 128x22 menu 141 172x21", kQuit, nullptr},
        {{{"Destination", " "}, {"Band2_Break", "1"}}, "342,259 340x250",
            " ' ' person |menu 185 172x21 |buttons 141 128x22", kQuit, nullptr},
        // Loading stops at the value: the placement before it is shown, nothing after it.
        {{{"Left", "100"}, {"Top", "50"}, {"Width", "400"}, {"Height", "300"}, {"CloseToTraybar", "0"},
            {"Destination", "pc01"}, {"Band1_ToolBar1", "0"}, {"InTraybar", "DWORD"}}, "100,50 400x300",
            " '' person |menu 185 172x21 buttons 141 128x22", kQuit, nullptr},
        // clang-format on
    };
    for (const auto& row : rows) {
        CAPTURE(row.placement);
        CAPTURE(row.end);
        drv::ResetUserState();
        for (const auto& [name, value] : row.stored) drv::WriteString(drv::kSettingsKey, name, value);
        const bool wrongType = row.stored.contains("InTraybar");
        if (wrongType) drv::WriteDword(drv::kSettingsKey, "InTraybar", 1);
        Running running;
        REQUIRE(running.program.Start());
        if (wrongType) drv::AnswerTypeError(running.program, "InTraybar");
        REQUIRE((running.form = running.program.WaitMainForm()));
        CHECK(running.Shown() == row.placement + std::string(row.rest ? row.rest : design));
        // The tray option as designed, also when loading stopped before it was read: the icon
        // shows. The session's end comes to the window as shown.
        CHECK(drv::WaitUntil([&] { return running.IconShown(); }));
        if (row.end == kQuit) {
            PostMessageA(running.form, WM_CLOSE, 0, 0);
            CHECK(drv::WaitUntil([&] { return !IsWindowVisible(running.form); }));
            CHECK_FALSE(running.program.WaitExit(300));
        }
        const std::string written = running.End(row.end);
        if (row.written) CHECK(written == row.written);
        // The options are stored when they are toggled, never at the start or the end.
        for (const char* option : {"SaveAtClose", "InTraybar", "CloseToTraybar", "ClearAfterSend", "LoadLastMsg"})
            CHECK(StoredValues().contains(option) == row.stored.contains(option));
    }
    drv::ResetUserState();
}
