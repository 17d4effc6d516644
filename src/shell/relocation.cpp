#include "shell/relocation.h"

#include <windows.h>

#include "shell/integration_texts.h"
#include "shell/run_value.h"

namespace shell {

void RepairAfterMove(const tk::Owner& program, settings::SettingsStore& store, const CheckMark& logonStart) {
    const std::string path = ProgramPath(program);
    const PathCheck check = CheckProgramPath(store.LoadText(settings::kSection, settings::kPathFilename, ""), path);
    if (check == PathCheck::Unchanged) return;
    if (check == PathCheck::Moved) {
        // Off, then on again: the value is written anew with the new path.
        if (logonStart.checked()) {
            SetStartAtLogon(program, logonStart, false);
            SetStartAtLogon(program, logonStart, true);
        }
        // Where the old shortcut pointed does not matter: it is the program's own.
        if (StartMenuShortcutExists()) WriteStartMenuShortcut(program);
    }
    store.StoreText(settings::kSection, settings::kPathFilename, path);
    if (check == PathCheck::Moved)
        program.Tell(kProgramMoved, MB_OK | MB_ICONINFORMATION);
}

}  // namespace shell
