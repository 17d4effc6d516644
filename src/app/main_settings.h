// The main window's side of the settings sequence: the option marks of the menu, the recipient
// controls and the bars.
#pragma once

#include <windows.h>

#include <functional>

#include "app/main_bars.h"
#include "app/main_controls.h"
#include "app/main_menu.h"
#include "settings/settings_session.h"
#include "toolkit/owner.h"

namespace app {

// `startAtLogon` is what the menu command does; a first run does it when the mark is off.
settings::SessionWindow MainSettingsWindow(HWND form, const tk::Owner& program, MainMenu& menu, MainControls& controls,
                                           MainBars& bars, const std::function<void()>& startAtLogon);

}  // namespace app
