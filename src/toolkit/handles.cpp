#include "toolkit/handles.h"

namespace tk {

namespace {
constexpr DWORD kFirstReadSize = 256;
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

bool RegistryKey::HasValue(const char* name) const {
    return key_ && RegQueryValueExA(key_, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

std::optional<RegistryKey::RawValue> RegistryKey::ReadRaw(const char* name) const {
    if (!key_) return std::nullopt;
    RawValue value{REG_NONE, std::string(kFirstReadSize, '\0')};
    for (;;) {
        DWORD size = DWORD(value.bytes.size());
        const LONG status = RegQueryValueExA(key_, name, nullptr, &value.type, reinterpret_cast<BYTE*>(value.bytes.data()), &size);
        // The value may grow between the two reads: ask again with the size it has now.
        if (status == ERROR_MORE_DATA && size > value.bytes.size()) {
            value.bytes.resize(size);
            continue;
        }
        if (status != ERROR_SUCCESS) return std::nullopt;
        value.bytes.resize(size);
        return value;
    }
}

}  // namespace tk
