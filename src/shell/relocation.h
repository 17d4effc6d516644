// The start-up check for a program file that was moved or renamed since the last start.
#pragma once

#include "settings/settings_store.h"
#include "shell/logon_start.h"

namespace shell {

// Records the program path at the first start. When it differs from the recorded one, points the
// Run value (if start at log-on is on) and an existing Start-menu shortcut at the new path,
// records it and tells the user. An error stops the check before the path is recorded, so that
// the next start tries again.
void RepairAfterMove(const tk::Owner& program, settings::SettingsStore& store, const CheckMark& logonStart);

}  // namespace shell
