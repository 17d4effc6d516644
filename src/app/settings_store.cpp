#include "app/settings_store.h"

#include <vector>

namespace app {

namespace {
constexpr DWORD kFirstReadSize = 256;

// Deletes a key's subkeys depth first, then the key: Windows NT will not delete a key that has any.
void DeleteTree(HKEY parent, const char* path) {
    std::vector<std::string> children;
    if (const RegistryKey key = RegistryKey::Open(parent, path)) {
        char child[MAX_PATH];
        for (DWORD index = 0;; ++index) {
            DWORD size = sizeof child;
            if (RegEnumKeyExA(key.Get(), index, child, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
                break;
            children.emplace_back(child, size);
        }
        for (const std::string& name : children) DeleteTree(key.Get(), name.c_str());
    }
    RegDeleteKeyA(parent, path);
}
}  // namespace

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
    if (this != &other) {
        if (key_) RegCloseKey(key_);
        key_ = other.key_;
        other.key_ = nullptr;
    }
    return *this;
}

RegistryKey::~RegistryKey() {
    if (key_) RegCloseKey(key_);
}

RegistryKey RegistryKey::Open(HKEY parent, const char* path, REGSAM access) {
    HKEY key = nullptr;
    if (!parent || RegOpenKeyExA(parent, path, 0, access, &key) != ERROR_SUCCESS) return RegistryKey();
    return RegistryKey(key);
}

RegistryKey RegistryKey::Create(HKEY parent, const char* path, REGSAM access) {
    HKEY key = nullptr;
    if (!parent || RegCreateKeyExA(parent, path, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key, nullptr) !=
                       ERROR_SUCCESS)
        return RegistryKey();
    return RegistryKey(key);
}

std::optional<std::string> RegistryKey::ReadText(const char* name) const {
    if (!key_) return std::nullopt;
    std::vector<unsigned char> buffer(kFirstReadSize);
    for (;;) {
        DWORD type = REG_NONE, size = DWORD(buffer.size());
        const LONG status = RegQueryValueExA(key_, name, nullptr, &type, buffer.data(), &size);
        // The value may grow between the two reads: ask again with the size it has now.
        if (status == ERROR_MORE_DATA && size > buffer.size()) {
            buffer.resize(size);
            continue;
        }
        if (status != ERROR_SUCCESS) return std::nullopt;
        return DecodeText(name, type, buffer, size);
    }
}

SettingsStore::SettingsStore() : root_(RegistryKey::Create(HKEY_CURRENT_USER, settings::kRoot)) {}

std::optional<std::string> SettingsStore::ReadValue(const char* section, const char* name) const {
    return RegistryKey::Open(root_.Get(), section).ReadText(name);
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
    const RegistryKey key = RegistryKey::Create(root_.Get(), section);
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
    if (const RegistryKey key = RegistryKey::Open(root_.Get(), section)) RegDeleteValueA(key.Get(), name);
}

void SettingsStore::DropSection(const char* section) {
    if (root_) DeleteTree(root_.Get(), section);
}

}  // namespace app
