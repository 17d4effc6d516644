// Removes the program's registry entries before and after the main window is built in the test
// process: it records this test program's path there, and a path left by another program would
// stop its creation with the message about a moved program.
#pragma once

#include <windows.h>

#include "app/settings_store.h"
#include "shell/run_value.h"

struct CleanUserState {
    CleanUserState() { Clear(); }
    ~CleanUserState() { Clear(); }
    static void Clear() {
        app::SettingsStore().DropSection(app::settings::kSection);
        if (const app::RegistryKey run = app::RegistryKey::Open(HKEY_CURRENT_USER, shell::kRunKey))
            RegDeleteValueA(run.Get(), shell::kRunValueName);
    }
};
