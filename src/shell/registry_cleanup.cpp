#include "shell/registry_cleanup.h"

#include <windows.h>

#include <string>

#include "shell/integration_texts.h"
#include "toolkit/application.h"
#include "toolkit/message_box.h"

namespace shell {

namespace {
// Asks for no access at all, so that a section the user may not even read still counts.
bool SectionExists() {
    const std::string path = std::string(settings::kRoot) + "\\" + settings::kSection;
    return bool(tk::RegistryKey::Open(HKEY_CURRENT_USER, path.c_str(), 0));
}
}  // namespace

void RemoveRegistryEntries(settings::SettingsStore& store, const CheckMark& logonStart, const CheckMark& saveAtClose) {
    if (logonStart.checked()) SetStartAtLogon(logonStart, false);
    store.DropSection(settings::kSection);
    saveAtClose.setChecked(false);
    const std::string& title = tk::Application::Instance().Title();
    if (SectionExists())
        tk::ShowMessageBox(kSettingsNotRemoved, title, MB_OK | MB_ICONERROR);
    else if (!logonStart.checked())  // else the Run value stayed, and the switch has said so
        tk::ShowMessageBox(kRegistryCleaned, title, MB_OK | MB_ICONWARNING);
}

}  // namespace shell
