// The one door to Shell_NotifyIconA, replaceable so that tests see every call and its record.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include "trayicon/tray_logic.h"

namespace trayicon {

// NOTIFYICONDATAA in its first form, which every shell accepts: 88 bytes on 32-bit Windows, 104
// on x86-64.
struct IconData {
    DWORD cbSize;
    HWND hWnd;
    UINT uID;
    UINT uFlags;
    UINT uCallbackMessage;
    HICON hIcon;
    CHAR szTip[kTipSize];
};
constexpr DWORD kIconDataSize = NOTIFYICONDATAA_V1_SIZE;
static_assert(sizeof(IconData) == kIconDataSize);
static_assert(kIconDataSize == (sizeof(void*) == 8 ? 104 : 88), "the shell's first NOTIFYICONDATAA");

using ShellNotifyProc = BOOL (*)(DWORD message, IconData* data);

// Passes the record to the shell (or to what a test put in its place).
BOOL ShellNotify(DWORD message, IconData& data);
// Puts `proc` in the shell's place, null for the shell itself; returns what was there.
ShellNotifyProc SetShellNotifyProc(ShellNotifyProc proc);
// The shell's own Shell_NotifyIconA.
BOOL SystemShellNotify(DWORD message, IconData* data);

}  // namespace trayicon
