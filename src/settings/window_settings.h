// The main window's settings steps against the store: the running-instance value, the first-run
// probe, and the loading and saving of the window's values by their table.
#pragma once

#include <windows.h>

#include "settings/settings_store.h"
#include "settings/window_values.h"

namespace settings {

// "Handle" names the application window that a second start hands over to, while this one runs.
void RecordRunningInstance(SettingsStore& store, HWND applicationWindow);
void DropRunningInstance(SettingsStore& store);

// Any start without a usable "Width" is a first run.
bool IsFirstRun(const SettingsStore& store);

// Loads the values of one creation step; an absent value keeps what `values` holds.
void LoadValues(const SettingsStore& store, LoadStep step, WindowValues& values);
// The stored placement, limited by the minimum size.
WindowValues LoadPlacement(const SettingsStore& store);
// The bands as stored; each value that is absent keeps what `shown` shows.
tk::BandLayout LoadBands(const SettingsStore& store, const tk::BandLayout& shown, unsigned toolBar1);

// Stores every value of the table, in its order.
void SaveValues(SettingsStore& store, const WindowValues& values);

}  // namespace settings
