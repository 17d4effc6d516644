#include "settings/window_settings.h"

namespace settings {

namespace {

// No stored width reads back as this.
constexpr std::int32_t kNoWidth = -1;

void Load(const SettingsStore& store, const char* name, std::int32_t& value) {
    value = store.LoadNumber(kSection, name, value);
}
void Load(const SettingsStore& store, const char* name, bool& value) { value = store.LoadFlag(kSection, name, value); }
void Load(const SettingsStore& store, const char* name, std::string& value) {
    value = store.LoadText(kSection, name, value);
}

void Store(SettingsStore& store, const char* name, std::int32_t value) { store.StoreNumber(kSection, name, value); }
void Store(SettingsStore& store, const char* name, bool value) { store.StoreFlag(kSection, name, value); }
void Store(SettingsStore& store, const char* name, const std::string& value) { store.StoreText(kSection, name, value); }

void Store(SettingsStore& store, const StoredValue& value, const WindowValues& values) {
    std::visit([&](auto field) { Store(store, value.name, values.*field); }, value.field);
}

}  // namespace

bool IsFirstRun(const SettingsStore& store) { return store.LoadNumber(kSection, kWidth, kNoWidth) == kNoWidth; }

void LoadValues(const SettingsStore& store, LoadStep step, WindowValues& values) {
    for (const StoredValue& value : WindowValueTable())
        if (value.step == step) std::visit([&](auto field) { Load(store, value.name, values.*field); }, value.field);
}

void SaveValues(SettingsStore& store, const WindowValues& values, const LoadedValues& loaded) {
    for (const StoredValue& value : WindowValueTable())
        if (loaded.Has(value.step)) Store(store, value, values);
}

bool SaveValue(SettingsStore& store, const WindowValues& values, std::string_view name) {
    for (const StoredValue& value : WindowValueTable())
        if (value.name == name) {
            Store(store, value, values);
            return true;
        }
    return false;
}

}  // namespace settings
