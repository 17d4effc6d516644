// ShellLink: writes shell shortcut files into the user's special folders and tells whether one
// exists. A special folder lies where the user's "Shell Folders" key says. Needs COM initialised
// on the calling thread.
#pragma once

#include <string>

#include "shell/shortcut_path.h"

namespace shell {

// Writes folder\[subFolder\]name.lnk, replacing a shortcut of that name. Failures of the shell-link
// object's setters and of saving go unreported; a "Shell Folders" value that is not text and a
// shell-link object that cannot be made throw.
void CreateShortcut(ShellFolderKind folder, const std::string& subFolder, bool createFolders, const std::string& name,
                    const std::string& description, const std::string& targetPath, const std::string& arguments,
                    const std::string& workingDirectory, ShortcutWindowState windowState);

// Where the special folder lies; empty when the key or the value is missing. Throws for a value
// that is not text.
std::string FolderLocation(ShellFolderKind folder);
// The same, empty also where the value cannot be read.
std::string FolderLocationIfKnown(ShellFolderKind folder) noexcept;

// Whether a file, not a folder, carries the shortcut's file name.
bool ShortcutExists(ShellFolderKind folder, const std::string& subFolder, const std::string& name);

}  // namespace shell
