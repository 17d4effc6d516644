// The system's open and save dialogs for message text files.
#pragma once

#include <windows.h>

#include <string>

#include "toolkit/owner.h"

namespace messaging {

// Shows the open dialog (forSaving false) or the save dialog (true), owned by the program's
// window and proposing initialName; the chosen full path, or empty when the user cancelled or the
// dialog failed.
std::string RunFileDialog(const tk::Owner& program, const std::string& initialName, bool forSaving);

}  // namespace messaging
