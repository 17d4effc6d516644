// The one door to Shell_NotifyIconA, replaceable so that tests see every call and its record.
#pragma once

#include <windows.h>

#include "trayicon/tray_logic.h"

namespace trayicon {

// NOTIFYICONDATAA in its first, 88-byte form, which every shell accepts.
struct IconData {
    DWORD cbSize;
    HWND hWnd;
    UINT uID;
    UINT uFlags;
    UINT uCallbackMessage;
    HICON hIcon;
    CHAR szTip[kTipSize];
};
static_assert(sizeof(IconData) == 88, "the shell's first NOTIFYICONDATAA is 88 bytes");

using ShellNotifyProc = BOOL (*)(DWORD message, IconData* data);

// Passes the record to the shell (or to what a test put in its place).
BOOL ShellNotify(DWORD message, IconData& data);
// Puts `proc` in the shell's place, null for the shell itself; returns what was there.
ShellNotifyProc SetShellNotifyProc(ShellNotifyProc proc);
// The shell's own Shell_NotifyIconA.
BOOL SystemShellNotify(DWORD message, IconData* data);

}  // namespace trayicon
