// The main window's settings steps against the store: the first-run probe, and the loading and
// saving of the window's values by their table.
#pragma once

#include <windows.h>

#include "settings/settings_store.h"
#include "settings/window_values.h"

namespace settings {

// Any start without a usable "Width" is a first run.
bool IsFirstRun(const SettingsStore& store);

// The creation steps whose values the start has read. The exit saves only their values: a value
// the start never got to, because an earlier one could not be read, stays as it was stored.
class LoadedValues {
public:
    void Mark(LoadStep step) { steps_ |= Bit(step); }
    bool Has(LoadStep step) const { return steps_ & Bit(step); }

private:
    static unsigned Bit(LoadStep step) { return 1u << unsigned(step); }
    unsigned steps_ = 0;
};

// Loads the values of one creation step; an absent value keeps what `values` holds.
void LoadValues(const SettingsStore& store, LoadStep step, WindowValues& values);

// Stores, in the table's order, every value whose step was loaded.
void SaveValues(SettingsStore& store, const WindowValues& values, const LoadedValues& loaded);
// Stores the table's value of that name; false when the table has none.
bool SaveValue(SettingsStore& store, const WindowValues& values, std::string_view name);

}  // namespace settings
