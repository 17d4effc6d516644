#include <doctest/doctest.h>

#include <string>
#include <vector>

#include "shell/shortcut_path.h"

using shell::ShellFolderKind;
using shell::ShortcutWindowState;

TEST_CASE("each special folder reads its own Shell Folders value") {
    struct Row {
        ShellFolderKind folder;
        const char* valueName;
    } rows[] = {
        {ShellFolderKind::Desktop, "Desktop"},
        {ShellFolderKind::StartMenu, "Start Menu"},
        {ShellFolderKind::Programs, "Programs"},
        {ShellFolderKind::Startup, "Startup"},
        {ShellFolderKind::Personal, "Personal"},
        {ShellFolderKind::MyPictures, "My Pictures"},
        {ShellFolderKind::Favorites, "Favorites"},
        {ShellFolderKind::SendTo, "SendTo"},
        {ShellFolderKind::Fonts, "Fonts"},
        {ShellFolderKind::Recent, "Recent"},
        {ShellFolderKind::AppData, "AppData"},
        {ShellFolderKind(11), ""},
        {ShellFolderKind(255), ""},
    };
    for (const Row& row : rows) {
        CAPTURE(int(row.folder));
        CHECK(shell::ShellFolderValueName(row.folder) == row.valueName);
    }
}

TEST_CASE("shortcut file names join location, sub-folder and name untouched") {
    struct Row {
        const char* location;
        const char* subFolder;
        const char* name;
        const char* folderPath;
        const char* fileName;
    } rows[] = {
        {"C:\\P", "", "Pebblewire", "C:\\P\\", "C:\\P\\Pebblewire.lnk"},
        {"C:\\P", "Brantel", "Pebblewire", "C:\\P\\Brantel\\", "C:\\P\\Brantel\\Pebblewire.lnk"},
        {"C:\\P\\", "", "x", "C:\\P\\\\", "C:\\P\\\\x.lnk"},
        {"", "", "WinPopup", "\\", "\\WinPopup.lnk"},
        {" C:\\P ", "", "MiXeD Case", " C:\\P \\", " C:\\P \\MiXeD Case.lnk"},
        {"C:\\Nabídka Start", "Příslušenství", "Žluťoučký", "C:\\Nabídka Start\\Příslušenství\\",
         "C:\\Nabídka Start\\Příslušenství\\Žluťoučký.lnk"},
        {"C:\\P", "a\\b", "", "C:\\P\\a\\b\\", "C:\\P\\a\\b\\.lnk"},
    };
    for (const Row& row : rows) {
        CAPTURE(std::string(row.location));
        CAPTURE(std::string(row.subFolder));
        CHECK(shell::ShortcutFolderPath(row.location, row.subFolder) == row.folderPath);
        CHECK(shell::ShortcutFileName(row.location, row.subFolder, row.name) == row.fileName);
    }
}

TEST_CASE("folders are created from the outermost level inwards, one per backslash") {
    using Levels = std::vector<std::string>;
    struct Row {
        const char* path;
        Levels levels;
    } rows[] = {
        {"C:\\P\\Sub\\", {"C:\\", "C:\\P\\", "C:\\P\\Sub\\"}},
        {"\\", {"\\"}},
        {"C:\\P\\\\", {"C:\\", "C:\\P\\", "C:\\P\\\\"}},
        {"\\\\server\\share\\a\\", {"\\", "\\\\", "\\\\server\\", "\\\\server\\share\\", "\\\\server\\share\\a\\"}},
        {"", {}},
        {"relative", {}},
    };
    for (const Row& row : rows) {
        CAPTURE(std::string(row.path));
        CHECK(shell::FolderLevels(row.path) == row.levels);
    }
}

TEST_CASE("window states become show commands, unknown ones normal") {
    struct Row {
        int state;
        int showCommand;
    } rows[] = {{0, 1}, {1, 7}, {2, 3}, {3, 1}, {7, 1}, {255, 1}};
    for (const Row& row : rows) {
        CAPTURE(row.state);
        CHECK(shell::ShortcutShowCommand(ShortcutWindowState(row.state)) == row.showCommand);
    }
}

TEST_CASE("component-object errors use the system's text, or the code when it has none") {
    struct Row {
        const char* systemText;
        std::uint32_t code;
        const char* expected;
    } rows[] = {
        {"", 0x80040154u, "OLE error 80040154"},
        {"", 0x1u, "OLE error 00000001"},
        {" \r\n", 0x8000ffffu, "OLE error 8000ffff"},
        {"Třída není registrována.\r\n", 0x80040154u, "Třída není registrována"},
        {"No such interface supported\r\n", 0x80004002u, "No such interface supported"},
        {"Ends in dots...  ", 0x80004005u, "Ends in dots"},
    };
    for (const Row& row : rows) {
        CAPTURE(std::string(row.systemText));
        CHECK(shell::ComErrorText(row.systemText, row.code) == row.expected);
    }
}
