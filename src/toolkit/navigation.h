// Keyboard navigation between the controls of a form: Tab and Shift+Tab move through the tab
// stops, arrow keys move through a radio-button group and check the button they reach.
#pragma once

#include <windows.h>

namespace tk {

// True when the message was a navigation key and has been handled.
bool HandleNavigationKey(HWND form, const MSG& msg);

// Makes the checked button of a radio group its only tab stop.
void UpdateRadioTabStops(HWND checkedButton);

}  // namespace tk
