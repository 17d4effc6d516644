// What the shortcut writer decides without asking Windows: which "Shell Folders" value names a
// special folder, where a shortcut file goes, which folders to create on the way, the show
// command a shortcut stores, and the text of a component-object error.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace shell {

enum class ShellFolderKind : std::uint8_t {
    Desktop,
    StartMenu,
    Programs,
    Startup,
    Personal,
    MyPictures,
    Favorites,
    SendTo,
    Fonts,
    Recent,
    AppData,
};

enum class ShortcutWindowState : std::uint8_t { Normal, Minimized, Maximized };

// Name of the "Shell Folders" value that holds the folder; empty for a kind outside the table.
std::string_view ShellFolderValueName(ShellFolderKind folder);

// The location as read, "\", and the sub-folder with its own "\" when there is one. Nothing is
// trimmed or checked: a location ending in "\" gives a doubled separator.
std::string ShortcutFolderPath(std::string_view location, std::string_view subFolder);
// The folder path, the name as given and ".lnk".
std::string ShortcutFileName(std::string_view location, std::string_view subFolder, std::string_view name);

// Every prefix of the path that ends in a backslash, outermost first: the folders to create.
std::vector<std::string> FolderLevels(std::string_view folderPath);

// The show command stored in the shortcut: SW_SHOWNORMAL, SW_SHOWMINNOACTIVE or SW_SHOWMAXIMIZED;
// any other state counts as normal.
int ShortcutShowCommand(ShortcutWindowState state);

// The text of a failed component-object call: the system's message without trailing blanks and
// full stops (the error box adds its own), or "OLE error %.8x" when the system has none.
std::string ComErrorText(std::string_view systemMessage, std::uint32_t code);

}  // namespace shell
