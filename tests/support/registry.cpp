#include "support/registry.h"

#include <algorithm>

#include "toolkit/handles.h"

namespace drv {

namespace {
tk::RegistryKey Open(const std::string& path, REGSAM access) {
    return tk::RegistryKey::Open(HKEY_CURRENT_USER, path.c_str(), access);
}
}  // namespace

bool KeyExists(const std::string& path) { return bool(Open(path, KEY_READ)); }

void DeleteKeyTree(const std::string& path) {
    if (const tk::RegistryKey key = Open(path, KEY_ALL_ACCESS)) {
        char name[256];
        for (DWORD size = sizeof name; RegEnumKeyExA(key.Get(), 0, name, &size, nullptr, nullptr, nullptr, nullptr) ==
                                       ERROR_SUCCESS;
             size = sizeof name)
            DeleteKeyTree(path + "\\" + name);
    }
    RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
}

std::optional<std::string> ReadString(const std::string& path, const std::string& name) {
    const std::optional<tk::RegistryKey::RawValue> raw = Open(path, KEY_READ).ReadRaw(name.c_str());
    if (!raw || (raw->type != REG_SZ && raw->type != REG_EXPAND_SZ)) return std::nullopt;
    std::string value(raw->bytes.begin(), raw->bytes.end());
    while (!value.empty() && value.back() == '\0') value.pop_back();
    return value;
}

std::optional<DWORD> ReadDword(const std::string& path, const std::string& name) {
    const std::optional<tk::RegistryKey::RawValue> raw = Open(path, KEY_READ).ReadRaw(name.c_str());
    if (!raw || raw->type != REG_DWORD || raw->bytes.size() != sizeof(DWORD)) return std::nullopt;
    DWORD value = 0;
    std::copy(raw->bytes.begin(), raw->bytes.end(), reinterpret_cast<unsigned char*>(&value));
    return value;
}

bool WriteString(const std::string& path, const std::string& name, const std::string& value) {
    return WriteRaw(path, name, {REG_SZ, value + '\0'});
}

bool WriteDword(const std::string& path, const std::string& name, DWORD value) {
    return WriteRaw(path, name, {REG_DWORD, std::string(reinterpret_cast<const char*>(&value), sizeof value)});
}

void DeleteValue(const std::string& path, const std::string& name) {
    if (const tk::RegistryKey key = Open(path, KEY_WRITE)) RegDeleteValueA(key.Get(), name.c_str());
}

Values ReadValues(const std::string& path) {
    Values values;
    const tk::RegistryKey key = Open(path, KEY_READ);
    if (!key) return values;
    std::string data(2 << 20, '\0');
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = sizeof name, size = DWORD(data.size()), type = 0;
        if (RegEnumValueA(key.Get(), i, name, &nameSize, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size))
            break;
        values[name] = {type, data.substr(0, size)};
    }
    return values;
}

bool WriteRaw(const std::string& path, const std::string& name, const RawValue& value) {
    const tk::RegistryKey key = tk::RegistryKey::Create(HKEY_CURRENT_USER, path.c_str(), KEY_WRITE);
    return key && RegSetValueExA(key.Get(), name.c_str(), 0, value.type,
                                 reinterpret_cast<const BYTE*>(value.bytes.data()),
                                 DWORD(value.bytes.size())) == ERROR_SUCCESS;
}

void RestoreValues(const std::string& path, const Values& values) {
    for (const auto& [name, value] : ReadValues(path))
        if (!values.contains(name)) DeleteValue(path, name);
    for (const auto& [name, value] : values) WriteRaw(path, name, value);
}

std::vector<std::string> Changed(const Values& before, const Values& after) {
    std::vector<std::string> names;
    for (const auto& [name, value] : before)
        if (const auto now = after.find(name); now == after.end() || now->second != value) names.push_back(name);
    for (const auto& [name, value] : after)
        if (!before.contains(name)) names.push_back(name);
    return names;
}

}  // namespace drv
