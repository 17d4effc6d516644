// The same short session under every Windows version the program is for, as Wine reports them
// to it: start, send, the tray menu, quit.
#include <doctest/doctest.h>

#include <windows.h>

#include <string>

#include "app/command_ids.h"
#include "e2e/startup_support.h"
#include "e2e/tray_support.h"
#include "support/driver_checks.h"
#include "support/recorder_log.h"

using namespace tray_support;

TEST_CASE("start, send, tray menu and quit under Windows NT 4.0, 2000, XP, 7 and 10") {
    const startup_support::Finally backToWindows2000([] { drv::SetWindowsVersion("win2k"); });
    const std::string text = "Ahoj z verze ";
    for (const char* version : {"nt40", "win2k", "winxp", "win7", "win10"}) {
        CAPTURE(std::string(version));
        drv::ResetFirstStart(version);
        drv::Program program;
        HWND form = drv::Started(program);
        HWND memo = drv::ChildById(form, app::IDC_MEMO1);
        REQUIRE(memo);

        drv::SetWindowTextOf(memo, text + version);
        REQUIRE(drv::FocusControl(form, memo));
        drv::PressKey('S', true);
        const auto box = drv::WaitMessageBox(program);
        REQUIRE(box);
        CHECK(box->text.starts_with("Zpráva byla poslána"));
        CHECK(drv::AnswerMessageBox(*box, IDOK));
        const auto records = drv::WaitRecords(1);
        REQUIRE(records.size() == 1);
        CHECK(records[0].commandLine.starts_with("\"C:\\windows\\system32\\net.exe\" send "));
        CHECK(records[0].commandLine.ends_with(" " + text + version));

        // A first start shows the icon; its menu's "&Konec" ends the program and takes the icon away.
        HWND tray = program.WaitWindow(kTrayWindowClass, nullptr, false);
        REQUIRE(tray);
        REQUIRE(drv::WaitUntil([&] { return IconPresent(tray); }));
        // The shell may still be placing the icon it has just taken, after the last one went away.
        const DWORD programThread = GetWindowThreadProcessId(form, nullptr);
        bool menuOpen = false;
        for (int click = 0; click < 3 && !menuOpen; ++click) {
            RightClickIcon();
            menuOpen = drv::WaitUntil([&] { return MenuWindowOf(programThread) != nullptr; }, 3000);
        }
        REQUIRE(menuOpen);
        drv::PressKey('K');
        CHECK(program.WaitExit() == std::optional<DWORD>(0));
        CHECK_FALSE(IconPresent(tray));
    }
}
