// What the user made survives a stored value of the wrong type, a start that stopped short, a Tab
// key and an exit that cannot save everything: the kept message, the other settings and the way
// back to the program.
#include <doctest/doctest.h>

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "app/command_ids.h"
#include "e2e/startup_support.h"
#include "support/driver_checks.h"
#include "toolkit/handles.h"

namespace {

// The last two add `typed` to the message, end the program (the session ending while the settings
// cannot be written) and start it again, which must open without a box and show the message.
enum class Action { Quit, StartAgain, TabOutAndBack, TypeAndQuit, TypeAndEndSession };

struct Scene {
    const char* what;
    std::vector<std::pair<const char*, const char*>> stored;
    const char* wrongType;  // stored as a REG_DWORD: creation stops with its error box
    const char* arguments;
    Action action;
    std::vector<std::pair<const char*, const char*>> kept;  // values still stored afterwards
    const char* typed = "";                                 // what the user added to the message
    bool locked = false;  // another program holds the last-message file for writing while the program starts
};

const char kMessage[] = "Dlouhá rozepsaná zpráva,\r\nkterou nesmí smazat jediná klávesa.";

using drv::LastMessageFile;

// The caret stays where the user left it; Tab and Shift+Tab pass through the mode button.
std::string TypeAfterTabbing(HWND form) {
    HWND memo = drv::ChildById(form, app::IDC_MEMO1);
    REQUIRE(drv::FocusControl(form, memo));
    SendMessageA(memo, EM_SETSEL, sizeof kMessage - 1, sizeof kMessage - 1);
    drv::PressKey(VK_TAB);
    drv::PressKey(VK_TAB, false, true);
    drv::PressKey('X');
    drv::WaitUntil([&] { return drv::WindowText(memo).size() >= sizeof kMessage; });
    return drv::WindowText(memo);
}

}  // namespace

TEST_CASE("one bad value, a hidden start, a Tab key or an exit costs neither the message nor the settings") {
    const Scene scenes[] = {
        // clang-format off
        {"the kept message, a band width of another type", {{"LoadLastMsg", "1"}}, "Band1_Width", "", Action::Quit,
            {}},
        {"the kept message, close-to-tray of another type", {{"LoadLastMsg", "1"}}, "CloseToTraybar", "",
            Action::Quit, {}},
        {"settings never read", {{"Left", "123"}, {"Width", "400"}, {"Destination", "PC77"}}, "SaveAtClose", "",
            Action::Quit, {{"Left", "123"}, {"Destination", "PC77"}}},
        {"a hidden start stopped short", {{"InTraybar", "1"}, {"LoadLastMsg", "1"}}, "Workgroup", "Minimized",
            Action::StartAgain, {}},
        {"Tab out of the editor and back", {{"LoadLastMsg", "1"}}, nullptr, "", Action::TabOutAndBack, {}, "x"},
        {"a program path of another type", {{"LoadLastMsg", "1"}}, "PathFilename", "", Action::TypeAndQuit, {}, " A."},
        {"the session ends, the settings unwritable", {{"LoadLastMsg", "1"}}, nullptr, "", Action::TypeAndEndSession,
            {}, " A."},
        {"an unread file kept aside", {{"LoadLastMsg", "1"}}, nullptr, "", Action::TypeAndQuit, {}, " A.", true},
        // clang-format on
    };
    const std::string aside = LastMessageFile() + ".bak";
    for (const Scene& scene : scenes) {
        const std::string what = scene.what;
        CAPTURE(what);
        drv::ResetUserState();
        for (const auto& [name, value] : scene.stored) drv::WriteString(drv::kSettingsKey, name, value);
        if (scene.wrongType) REQUIRE(drv::WriteDword(drv::kSettingsKey, scene.wrongType, 1));
        drv::WriteBytes(LastMessageFile(), kMessage);
        DeleteFileA(aside.c_str());
        tk::FileHandle lock(scene.locked ? CreateFileA(LastMessageFile().c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                                       nullptr, OPEN_EXISTING, 0, nullptr)
                                         : INVALID_HANDLE_VALUE);

        drv::Program program;
        REQUIRE(program.Start(scene.arguments));
        if (scene.wrongType) drv::AnswerTypeError(program, scene.wrongType);
        // A hidden start makes the window without showing it.
        HWND form = program.WaitWindow("PebblewireMainForm", nullptr, !*scene.arguments);
        REQUIRE(form);
        lock.Close();
        const std::string message = (scene.locked ? "" : kMessage) + std::string(scene.typed);
        const bool types = scene.action >= Action::TypeAndQuit;
        HWND memo = drv::ChildById(form, app::IDC_MEMO1);
        if (types) {
            CHECK(drv::WindowText(memo) + scene.typed == message);
            drv::SetWindowTextOf(memo, message);
        }
        if (scene.action == Action::StartAgain) {
            drv::Program second;
            REQUIRE(second.Start());
            CHECK(second.WaitExit() == DWORD(0));
            CHECK(drv::WaitUntil([&] { return IsWindowVisible(form) != FALSE; }));
        }
        if (scene.action == Action::TabOutAndBack) CHECK(TypeAfterTabbing(form) == kMessage + std::string(scene.typed));
        if (scene.action == Action::TypeAndEndSession) {
            const startup_support::Locked readOnly(drv::kSettingsKey, KEY_READ);
            CHECK(drv::EndSessionLikeWindows(program, form) == 1);
        } else {
            CHECK(drv::Quit(program, form));
        }

        CHECK(drv::ReadBytes(LastMessageFile()) == message);
        CHECK(drv::ReadBytes(aside) == (scene.locked ? kMessage : ""));
        for (const auto& [name, value] : scene.kept)
            CHECK(drv::ReadString(drv::kSettingsKey, name).value_or("") == std::string(value));
        if (types) {
            drv::Program next;  // no box stops this start
            form = drv::Started(next);
            CHECK(drv::WindowText(drv::ChildById(form, app::IDC_MEMO1)) == message);
            CHECK(drv::Quit(next, form));
        }
        CHECK_FALSE(drv::ReadString(drv::kSettingsKey, "Handle"));
    }
    DeleteFileA(LastMessageFile().c_str());
    DeleteFileA(aside.c_str());
    drv::ResetUserState();
}
