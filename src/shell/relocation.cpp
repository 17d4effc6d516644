#include "shell/relocation.h"

#include <windows.h>

#include "shell/integration_texts.h"
#include "shell/run_value.h"
#include "toolkit/application.h"
#include "toolkit/message_box.h"

namespace shell {

void RepairAfterMove(settings::SettingsStore& store, const CheckMark& logonStart) {
    const std::string path = ProgramPath();
    const PathCheck check = CheckProgramPath(store.LoadText(settings::kSection, settings::kPathFilename, ""), path);
    if (check == PathCheck::Unchanged) return;
    if (check == PathCheck::Moved) {
        // Off, then on again: the value is written anew with the new path.
        if (logonStart.checked()) {
            SetStartAtLogon(logonStart, false);
            SetStartAtLogon(logonStart, true);
        }
        // Where the old shortcut pointed does not matter: it is the program's own.
        if (StartMenuShortcutExists()) WriteStartMenuShortcut();
    }
    store.StoreText(settings::kSection, settings::kPathFilename, path);
    if (check == PathCheck::Moved)
        tk::ShowMessageBox(kProgramMoved, tk::Application::Instance().Title(), MB_OK | MB_ICONINFORMATION);
}

}  // namespace shell
