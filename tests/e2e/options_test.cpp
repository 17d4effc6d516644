// Option toggles store their new state at once, and the next start shows what was stored.
#include <doctest/doctest.h>

#include <optional>
#include <string>

#include "app/command_ids.h"
#include "support/driver_checks.h"

namespace {
using namespace app;

std::optional<std::string> StoredOption(const char* name) { return drv::ReadString(drv::kSettingsKey, name); }

// Runs the menu command and waits until its value holds `expected`.
bool ToggleAndWait(HWND form, int command, const char* name, const char* expected) {
    PostMessageA(form, WM_COMMAND, command, 0);
    return drv::WaitUntil([&] { return StoredOption(name) == std::string(expected); });
}

}  // namespace

TEST_CASE("each option toggle writes its value at once and the next start loads it") {
    struct Row {
        int command;
        const char* name;
        const char* afterFirstToggle;  // the design state flipped
        const char* afterSecondToggle;
    } rows[] = {
        {IDM_DO_TRAYBARU, "InTraybar", "0", "1"},         {IDM_ZAVIRAT_DO_TRAYBARU, "CloseToTraybar", "0", "1"},
        {IDM_UKLADAT_NASTAVENI, "SaveAtClose", "0", "1"}, {IDM_VYMAZAT, "ClearAfterSend", "0", "1"},
        {IDM_POSLEDNI_ZPRAVU, "LoadLastMsg", "1", "0"},
    };
    for (const Row& row : rows) {
        const std::string name = row.name;
        CAPTURE(name);
        {
            drv::Program program;
            HWND form = drv::StartedFresh(program);
            CHECK_FALSE(StoredOption(row.name));
            CHECK(ToggleAndWait(form, row.command, row.name, row.afterFirstToggle));
            // Toggling close-to-tray off must not keep the quit below from ending the program.
            REQUIRE(drv::Quit(program, form));
        }
        // Loaded at the start: toggling again flips the stored state, not the design state.
        drv::Program program;
        HWND form = drv::Started(program);
        CHECK(StoredOption(row.name) == std::string(row.afterFirstToggle));
        CHECK(ToggleAndWait(form, row.command, row.name, row.afterSecondToggle));
        REQUIRE(drv::Quit(program, form));
    }
}
