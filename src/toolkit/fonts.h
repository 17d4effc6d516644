// The font of the program's windows: "Tahoma" 8 pt, or "MS Sans Serif" when the start-up
// decided the system is too old for Tahoma.
#pragma once

#include <windows.h>

namespace tk {

bool UseClassicFont();
void SetUseClassicFont(bool classic);

// A font of the windows' family at the given height (negative: character height in pixels).
HFONT CreateFormFont(int height = -11, int weight = FW_NORMAL, bool underline = false);

// Sends WM_SETFONT to the window and every descendant.
void ApplyFont(HWND window, HFONT font);

}  // namespace tk
