#include "shell/shortcut_path.h"

#include <iterator>

namespace shell {

namespace {
constexpr std::string_view kFolderValueNames[] = {
    "Desktop",   "Start Menu", "Programs", "Startup", "Personal", "My Pictures",
    "Favorites", "SendTo",     "Fonts",    "Recent",  "AppData",
};

constexpr char kSeparator = '\\';
constexpr std::string_view kLinkExtension = ".lnk";

// Show commands of ShowWindow, as the shell-link object stores them.
constexpr int kShowNormal = 1;
constexpr int kShowMaximized = 3;
constexpr int kShowMinNoActive = 7;
}  // namespace

std::string_view ShellFolderValueName(ShellFolderKind folder) {
    const auto index = static_cast<std::size_t>(folder);
    return index < std::size(kFolderValueNames) ? kFolderValueNames[index] : std::string_view();
}

std::string ShortcutFolderPath(std::string_view location, std::string_view subFolder) {
    std::string path(location);
    path += kSeparator;
    if (!subFolder.empty()) (path += subFolder) += kSeparator;
    return path;
}

std::string ShortcutFileName(std::string_view location, std::string_view subFolder, std::string_view name) {
    return (ShortcutFolderPath(location, subFolder) += name) += kLinkExtension;
}

std::vector<std::string> FolderLevels(std::string_view folderPath) {
    std::vector<std::string> levels;
    for (std::size_t at = folderPath.find(kSeparator); at != std::string_view::npos;
         at = folderPath.find(kSeparator, at + 1))
        levels.push_back(std::string(folderPath.substr(0, at + 1)));
    return levels;
}

int ShortcutShowCommand(ShortcutWindowState state) {
    switch (state) {
    case ShortcutWindowState::Minimized: return kShowMinNoActive;
    case ShortcutWindowState::Maximized: return kShowMaximized;
    default: return kShowNormal;
    }
}

std::string ComErrorText(std::string_view systemMessage, std::uint32_t code) {
    while (!systemMessage.empty() &&
           (static_cast<unsigned char>(systemMessage.back()) <= ' ' || systemMessage.back() == '.'))
        systemMessage.remove_suffix(1);
    if (!systemMessage.empty()) return std::string(systemMessage);
    // Eight hex digits by hand: the C library's formatter would bring its floating-point code along.
    std::string text = "OLE error ";
    for (int shift = 28; shift >= 0; shift -= 4) text += "0123456789abcdef"[(code >> shift) & 0xFu];
    return text;
}

}  // namespace shell
