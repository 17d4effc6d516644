// The system's open and save dialogs for message text files.
#pragma once

#include <windows.h>

#include <string>

namespace messaging {

// Shows the open dialog (forSaving false) or the save dialog (true), owned by `owner` and
// proposing initialName; the chosen full path, or empty when the user cancelled or the
// dialog failed.
std::string RunFileDialog(HWND owner, const std::string& initialName, bool forSaving);

}  // namespace messaging
