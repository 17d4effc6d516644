#include "trayicon/shell_notify.h"

#include <shellapi.h>

namespace trayicon {

namespace {
ShellNotifyProc current = SystemShellNotify;
}

BOOL SystemShellNotify(DWORD message, IconData* data) {
    return Shell_NotifyIconA(message, reinterpret_cast<NOTIFYICONDATAA*>(data));
}

BOOL ShellNotify(DWORD message, IconData& data) { return current(message, &data); }

ShellNotifyProc SetShellNotifyProc(ShellNotifyProc proc) {
    const ShellNotifyProc previous = current;
    current = proc ? proc : SystemShellNotify;
    return previous;
}

}  // namespace trayicon
