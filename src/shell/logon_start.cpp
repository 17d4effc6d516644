#include "shell/logon_start.h"

#include <windows.h>

#include "settings/settings_store.h"
#include "shell/integration_texts.h"
#include "shell/run_value.h"
#include "shell/shell_link.h"

namespace shell {

namespace {
// Writes or deletes the value. A Run key that cannot be opened is left to the caller's check.
void WriteRunValue(const tk::Owner& program, bool on) {
    const tk::RegistryKey key = tk::RegistryKey::Create(HKEY_CURRENT_USER, kRunKey);
    if (!key) return;
    if (!on) {
        RegDeleteValueA(key.Get(), kRunValueName);
        return;
    }
    const std::string data = RunValueData(ProgramPath(program));
    if (RegSetValueExA(key.Get(), kRunValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                       DWORD(data.size() + 1)) != ERROR_SUCCESS)
        throw settings::SettingsError::SetDataFailed(kRunValueName);
}
}  // namespace

std::string ProgramPath(const tk::Owner& program) {
    std::string path = program.exeName;
    if (!path.empty()) CharLowerBuffA(path.data(), DWORD(path.size()));
    return path;
}

// Read access only: a Run key the user may read but not write still tells what it holds.
bool RunValueExists() {
    return tk::RegistryKey::Open(HKEY_CURRENT_USER, kRunKey, KEY_QUERY_VALUE).HasValue(kRunValueName);
}

void SetStartAtLogon(const tk::Owner& program, const CheckMark& mark, bool on) {
    try {
        WriteRunValue(program, on);
    } catch (...) {
        mark.setChecked(RunValueExists());
        throw;
    }
    // Read back with the key opened anew: the mark never claims what the registry does not hold.
    const bool exists = RunValueExists();
    mark.setChecked(exists);
    if (exists != on)
        program.Tell(on ? kRunValueNotWritten : kRunValueNotRemoved, MB_OK | MB_ICONERROR);
}

void ToggleStartAtLogon(const tk::Owner& program, const CheckMark& mark) {
    SetStartAtLogon(program, mark, !mark.checked());
}

void WriteStartMenuShortcut(const tk::Owner& program) {
    CreateShortcut(ShellFolderKind::Programs, "", true, kStartMenuShortcutName, kStartMenuDescription,
                   "\"" + ProgramPath(program) + "\"", "", "", ShortcutWindowState::Normal);
}

bool StartMenuShortcutExists() { return ShortcutExists(ShellFolderKind::Programs, "", kStartMenuShortcutName); }

}  // namespace shell
