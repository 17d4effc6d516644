// The registry of the test prefix, HKEY_CURRENT_USER: the keys the program uses and what the
// scenarios read, write and put back there.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace drv {

constexpr char kSettingsKey[] = "Software\\Brantel\\Pebblewire";
constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

bool KeyExists(const std::string& path);
void DeleteKeyTree(const std::string& path);
std::optional<std::string> ReadString(const std::string& path, const std::string& name);
std::optional<DWORD> ReadDword(const std::string& path, const std::string& name);
// Each write makes the key when it is missing; false when the value could not be written.
bool WriteString(const std::string& path, const std::string& name, const std::string& value);
bool WriteDword(const std::string& path, const std::string& name, DWORD value);
void DeleteValue(const std::string& path, const std::string& name);

// A value as stored: its type and its bytes.
struct RawValue {
    DWORD type = REG_NONE;
    std::string bytes;
    bool operator==(const RawValue&) const = default;
};
using Values = std::map<std::string, RawValue>;
Values ReadValues(const std::string& path);
bool WriteRaw(const std::string& path, const std::string& name, const RawValue& value);
// Puts the key's values back as they were: every value not in `values` goes.
void RestoreValues(const std::string& path, const Values& values);
// The names whose values differ between two readings.
std::vector<std::string> Changed(const Values& before, const Values& after);

}  // namespace drv
