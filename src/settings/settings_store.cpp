#include "settings/settings_store.h"

#include <vector>

namespace settings {

namespace {
// Deletes a key's subkeys depth first, then the key: Windows NT will not delete a key that has any.
void DeleteTree(HKEY parent, const char* path) {
    std::vector<std::string> children;
    if (const tk::RegistryKey key = tk::RegistryKey::Open(parent, path)) {
        char child[MAX_PATH];
        for (DWORD index = 0;; ++index) {
            DWORD size = sizeof child;
            if (RegEnumKeyExA(key.Get(), index, child, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
                break;
            children.push_back(std::string(child, size));  // as a std::string: one growth routine for all
        }
        for (const std::string& name : children) DeleteTree(key.Get(), name.c_str());
    }
    RegDeleteKeyA(parent, path);
}
}  // namespace

std::optional<std::string> ReadText(const tk::RegistryKey& key, const char* name) {
    const std::optional<tk::RegistryKey::RawValue> value = key.ReadRaw(name);
    if (!value) return std::nullopt;
    return DecodeText(name, value->type, value->Data(), value->bytes.size());
}

SettingsStore::SettingsStore() : root_(tk::RegistryKey::Create(HKEY_CURRENT_USER, kRoot)) {}

std::optional<std::string> SettingsStore::ReadValue(const char* section, const char* name) const {
    return ReadText(tk::RegistryKey::Open(root_.Get(), section), name);
}

std::string SettingsStore::LoadText(const char* section, const char* name, const std::string& fallback) const {
    return ReadValue(section, name).value_or(fallback);
}

std::int32_t SettingsStore::LoadNumber(const char* section, const char* name, std::int32_t fallback) const {
    const std::optional<std::string> text = ReadValue(section, name);
    return text ? DecodeNumber(*text, fallback) : fallback;
}

bool SettingsStore::LoadFlag(const char* section, const char* name, bool fallback) const {
    const std::optional<std::string> text = ReadValue(section, name);
    return text ? DecodeFlag(*text, fallback) : fallback;
}

void SettingsStore::StoreText(const char* section, const char* name, const std::string& text) {
    const tk::RegistryKey key = tk::RegistryKey::Create(root_.Get(), section);
    if (!key) throw SettingsError::CreateKeyFailed(section);
    if (RegSetValueExA(key.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       DWORD(text.size() + 1)) != ERROR_SUCCESS)
        throw SettingsError::SetDataFailed(name);
}

void SettingsStore::StoreNumber(const char* section, const char* name, std::int32_t number) {
    StoreText(section, name, EncodeNumber(number));
}

void SettingsStore::StoreFlag(const char* section, const char* name, bool flag) {
    StoreText(section, name, EncodeFlag(flag));
}

void SettingsStore::DropValue(const char* section, const char* name) {
    if (const tk::RegistryKey key = tk::RegistryKey::Open(root_.Get(), section)) RegDeleteValueA(key.Get(), name);
}

void SettingsStore::DropSection(const char* section) {
    if (root_) DeleteTree(root_.Get(), section);
}

}  // namespace settings
