// Removes the program's registry entries before and after the main window is built in the test
// process: it records this test program's path there, and a path left by another program would
// stop its creation with the message about a moved program.
#pragma once

#include <windows.h>

#include "settings/settings_store.h"
#include "shell/run_value.h"

struct CleanUserState {
    CleanUserState() { Clear(); }
    ~CleanUserState() { Clear(); }
    static void Clear() {
        settings::SettingsStore().DropSection(settings::kSection);
        if (const tk::RegistryKey run = tk::RegistryKey::Open(HKEY_CURRENT_USER, shell::kRunKey))
            RegDeleteValueA(run.Get(), shell::kRunValueName);
    }
};
