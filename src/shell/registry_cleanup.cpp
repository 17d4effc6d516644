#include "shell/registry_cleanup.h"

#include <windows.h>

#include <string>

#include "shell/integration_texts.h"

namespace shell {

namespace {
// Asks for no access at all, so that a section the user may not even read still counts.
bool SectionExists() {
    const std::string path = std::string(settings::kRoot) + "\\" + settings::kSection;
    return bool(tk::RegistryKey::Open(HKEY_CURRENT_USER, path.c_str(), 0));
}
}  // namespace

void RemoveRegistryEntries(const tk::Owner& program, settings::SettingsStore& store, const CheckMark& logonStart,
                           const CheckMark& saveAtClose) {
    if (logonStart.checked()) SetStartAtLogon(program, logonStart, false);
    store.DropSection(settings::kSection);
    saveAtClose.setChecked(false);
    if (SectionExists())
        program.Tell(kSettingsNotRemoved, MB_OK | MB_ICONERROR);
    else if (!logonStart.checked())  // else the Run value stayed, and the switch has said so
        program.Tell(kRegistryCleaned, MB_OK | MB_ICONWARNING);
}

}  // namespace shell
