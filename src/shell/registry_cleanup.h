// The command that removes every registry entry the program made, before it quits.
#pragma once

#include "settings/settings_store.h"
#include "shell/logon_start.h"

namespace shell {

// Switches start at log-on off (the Run key is not touched when it is off already), deletes the
// settings section and clears `saveAtClose` without storing it, so that nothing is written back at
// exit. Then tells the user that everything is gone, or in an error box that the settings key
// stayed; a Run value that stayed has been reported by the switch. The Start-menu shortcut stays.
// The caller quits afterwards.
void RemoveRegistryEntries(const tk::Owner& program, settings::SettingsStore& store, const CheckMark& logonStart,
                           const CheckMark& saveAtClose);

}  // namespace shell
