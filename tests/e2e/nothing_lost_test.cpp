// What the user made survives a stored value of the wrong type, a start that stopped short and a
// Tab key: the kept message, the other settings and the way back to the program.
#include <doctest/doctest.h>

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "app/command_ids.h"
#include "support/driver_checks.h"

namespace {

enum class Action { Quit, StartAgain, TabOutAndBack };

struct Scene {
    const char* what;
    std::vector<std::pair<const char*, const char*>> stored;
    const char* wrongType;  // stored as a REG_DWORD: creation stops with its error box
    const char* arguments;
    Action action;
    std::vector<std::pair<const char*, const char*>> kept;  // values still stored afterwards
    const char* typed = "";                                 // what the user added to the message
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

TEST_CASE("one bad value, a hidden start or a Tab key costs neither the message nor the settings") {
    const Scene scenes[] = {
        // clang-format off
        {"the kept message, a band width of another type", {{"LoadLastMsg", "1"}}, "Band1_Width", "", Action::Quit,
            {}},
        {"the kept message, close-to-tray of another type", {{"LoadLastMsg", "1"}}, "CloseToTraybar", "",
            Action::Quit, {}},
        {"settings never read", {{"Left", "123"}, {"Width", "400"}, {"Destination", "PC77"}}, "SaveAtClose", "",
            Action::Quit, {{"Left", "123"}, {"Destination", "PC77"}}},
        {"a hidden start stopped short", {{"InTraybar", "1"}}, "Workgroup", "Minimized", Action::StartAgain, {}},
        {"Tab out of the editor and back", {{"LoadLastMsg", "1"}}, nullptr, "", Action::TabOutAndBack, {}, "x"},
        // clang-format on
    };
    for (const Scene& scene : scenes) {
        const std::string what = scene.what;
        CAPTURE(what);
        drv::ResetUserState();
        for (const auto& [name, value] : scene.stored) drv::WriteString(drv::kSettingsKey, name, value);
        if (scene.wrongType) REQUIRE(drv::WriteDword(drv::kSettingsKey, scene.wrongType, 1));
        drv::WriteBytes(LastMessageFile(), kMessage);

        drv::Program program;
        REQUIRE(program.Start(scene.arguments));
        if (scene.wrongType) drv::AnswerTypeError(program, scene.wrongType);
        // A hidden start makes the window without showing it.
        HWND form = program.WaitWindow("PebblewireMainForm", nullptr, !*scene.arguments);
        REQUIRE(form);
        if (scene.action == Action::StartAgain) {
            drv::Program second;
            REQUIRE(second.Start());
            CHECK(second.WaitExit() == DWORD(0));
            CHECK(drv::WaitUntil([&] { return IsWindowVisible(form) != FALSE; }));
        }
        if (scene.action == Action::TabOutAndBack) CHECK(TypeAfterTabbing(form) == kMessage + std::string(scene.typed));
        CHECK(drv::Quit(program, form));

        CHECK(drv::ReadBytes(LastMessageFile()) == kMessage + std::string(scene.typed));
        for (const auto& [name, value] : scene.kept)
            CHECK(drv::ReadString(drv::kSettingsKey, name).value_or("") == std::string(value));
        CHECK_FALSE(drv::ReadString(drv::kSettingsKey, "Handle"));
    }
    DeleteFileA(LastMessageFile().c_str());
    drv::ResetUserState();
}
