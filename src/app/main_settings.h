// The main window's stored settings: read in one sequence while the window is made, written back
// in one as it goes.
#pragma once

#include <windows.h>

#include "app/main_bars.h"
#include "app/main_controls.h"
#include "app/main_menu.h"
#include "app/running_instance.h"
#include "settings/settings_session.h"
#include "settings/window_values.h"
#include "toolkit/owner.h"

namespace app {

// What the sequences read into and save from.
struct MainSettings {
    settings::SettingsSession& session;
    RunningInstance& running;
    HWND form;  // placed at the start, measured at the exit
    const tk::Owner& program;
    MainMenu& menu;
    MainControls& controls;
    MainBars& bars;
};

// The design size in the middle of the primary screen.
settings::WindowValues CentredPlacement();

// Opens the store and loads every value, in order. An error stops the sequence where it is
// raised; the session keeps which value did.
void LoadMainSettings(const MainSettings& main);
// When settings are kept, saves the values the start has read; writes anew the value that stopped
// the start; drops "Handle" and closes the store. Nothing when the start never opened it.
void SaveMainSettings(const MainSettings& main);

}  // namespace app
