// SettingsStore: the program's settings under HKEY_CURRENT_USER\Software\Brantel, one subkey per
// section, every value stored as text. Registry failures throw SettingsError.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "settings/settings_codec.h"
#include "toolkit/handles.h"

namespace settings {

// The value as text, nothing when the key or the value is missing; throws SettingsError for a
// value that is not text.
std::optional<std::string> ReadText(const tk::RegistryKey& key, const char* name);

class SettingsStore {
public:
    // Opens the root key, creating it when it is missing. Should neither work, reads give their
    // defaults and writes report that the section cannot be created.
    SettingsStore();

    std::string LoadText(const char* section, const char* name, const std::string& fallback) const;
    std::int32_t LoadNumber(const char* section, const char* name, std::int32_t fallback) const;
    bool LoadFlag(const char* section, const char* name, bool fallback) const;

    void StoreText(const char* section, const char* name, const std::string& text);
    void StoreNumber(const char* section, const char* name, std::int32_t number);
    void StoreFlag(const char* section, const char* name, bool flag);

    // Deletes the value when the section exists; a missing section or value is no error.
    void DropValue(const char* section, const char* name);
    // Deletes the section with every subkey and value.
    void DropSection(const char* section);

private:
    // The section's value as text, nothing when the section or the value is missing.
    std::optional<std::string> ReadValue(const char* section, const char* name) const;

    tk::RegistryKey root_;
};

}  // namespace settings
