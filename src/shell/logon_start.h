// Start at log-on and the Start-menu shortcut: the Run value that starts the program hidden at
// every log-on, the shortcut in the user's Programs folder, and the program path both name.
#pragma once

#include <string>

#include "toolkit/check_mark.h"
#include "toolkit/owner.h"

namespace shell {

// A check mark of the main window, as these commands read and set it.
using CheckMark = tk::CheckMark;

// The running program file's full path, lower-cased by the system's locale rules.
std::string ProgramPath(const tk::Owner& program);

// Whether the Run value exists, whatever its type and data.
bool RunValueExists();

// Writes the Run value for the program path (on) or deletes it (off). Afterwards the mark shows
// whether the value exists, and a box says so when that is not what was asked for. A write the
// registry refuses throws its write error, with the mark already set.
void SetStartAtLogon(const tk::Owner& program, const CheckMark& mark, bool on);
// The menu command: asks for the opposite of what the mark shows.
void ToggleStartAtLogon(const tk::Owner& program, const CheckMark& mark);

// Writes (or replaces) the Start-menu shortcut to the program path.
void WriteStartMenuShortcut(const tk::Owner& program);
bool StartMenuShortcutExists();

}  // namespace shell
