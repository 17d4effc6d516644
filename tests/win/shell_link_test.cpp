// ShellLink against Wine's shell-link object, with the user's special folders pointed at scratch
// folders. Show command and flags are read from the file's header bytes, strings from its string
// data: Wine's own read-back loses the show command.
#include <doctest/doctest.h>

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "settings/settings_store.h"
#include "shell/shell_link.h"
#include "support/driver.h"
#include "support/link_file.h"

using link_file::LinkFile;
using link_file::ReadLink;
using shell::CreateShortcut;
using shell::ShellFolderKind;
using shell::ShortcutExists;
using shell::ShortcutWindowState;

namespace {

std::wstring Wide(const std::string& text) {
    std::vector<wchar_t> wide(text.size() + 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), int(wide.size()));
    return wide.data();
}

// The target path as the shell-link object reads it back from the file.
std::string TargetOf(const std::string& path) {
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))))
        return {};
    IPersistFile* file = nullptr;
    char target[MAX_PATH] = {};
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        if (SUCCEEDED(file->Load(Wide(path).c_str(), STGM_READ))) link->GetPath(target, sizeof target, nullptr, 0);
        file->Release();
    }
    link->Release();
    return target;
}

bool IsFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// COM for the case, a scratch folder, and one "Shell Folders" value pointed at it; all put back
// as they were at the end.
class ShellFolderScratch {
public:
    explicit ShellFolderScratch(const char* valueName) : valueName_(valueName) {
        CoInitialize(nullptr);
        root_ = drv::TempPath("pw-shell-link-test");
        drv::RemoveTree(root_);
        CreateDirectoryA(root_.c_str(), nullptr);
        folder_ = root_ + "\\Programy";
        CreateDirectoryA(folder_.c_str(), nullptr);
        const drv::Values values = drv::ReadValues(drv::kShellFolders);
        if (const auto saved = values.find(valueName_); saved != values.end()) saved_ = saved->second;
        SetLocation(folder_);
    }
    ShellFolderScratch(const ShellFolderScratch&) = delete;
    ShellFolderScratch& operator=(const ShellFolderScratch&) = delete;
    ~ShellFolderScratch() {
        if (saved_)
            drv::WriteRaw(drv::kShellFolders, valueName_, *saved_);
        else
            RemoveLocation();
        drv::RemoveTree(root_);
        CoUninitialize();
    }

    const std::string& Folder() const { return folder_; }
    const std::string& Root() const { return root_; }

    void SetLocation(const std::string& location) const { drv::WriteString(drv::kShellFolders, valueName_, location); }
    void SetRaw(DWORD type, const void* data, DWORD size) const {
        drv::WriteRaw(drv::kShellFolders, valueName_, {type, std::string(static_cast<const char*>(data), size)});
    }
    void RemoveLocation() const { drv::DeleteValue(drv::kShellFolders, valueName_); }

private:
    const char* valueName_;
    std::string root_, folder_;
    std::optional<drv::RawValue> saved_;
};

}  // namespace

TEST_CASE("a shortcut goes into the special folder under its own name and a second one replaces it") {
    const ShellFolderScratch scratch("Programs");
    const std::string file = scratch.Folder() + "\\Pebblewire.lnk";
    CreateShortcut(ShellFolderKind::Programs, "", true, "Pebblewire", "Posílání zpráv", "\"c:\\apps\\pw.exe\"",
                   "minimized", "C:\\apps", ShortcutWindowState::Normal);
    REQUIRE(IsFile(file));
    std::optional<LinkFile> link = ReadLink(file);
    REQUIRE(link);
    CHECK(link->showCommand == SW_SHOWNORMAL);
    CHECK(link->description == Wide("Posílání zpráv"));
    CHECK(link->arguments == Wide("minimized"));
    CHECK(link->workingDirectory == Wide("C:\\apps"));
    CHECK(ShortcutExists(ShellFolderKind::Programs, "", "Pebblewire"));

    CreateShortcut(ShellFolderKind::Programs, "", true, "Pebblewire", "", "c:\\windows\\notepad.exe", "", "",
                   ShortcutWindowState::Maximized);
    link = ReadLink(file);
    REQUIRE(link);
    CHECK(link->showCommand == SW_SHOWMAXIMIZED);
    // Every property is set even when empty: nothing of the first shortcut survives.
    CHECK(link->description.value_or(L"") == L"");
    CHECK(link->arguments.value_or(L"") == L"");
    CHECK(link->workingDirectory.value_or(L"") == L"");
    CHECK(TargetOf(file) == "c:\\windows\\notepad.exe");
}

TEST_CASE("each window state stores its show command") {
    const ShellFolderScratch scratch("Programs");
    struct Row {
        int state;
        DWORD showCommand;
    } rows[] = {{0, SW_SHOWNORMAL}, {1, SW_SHOWMINNOACTIVE}, {2, SW_SHOWMAXIMIZED}, {7, SW_SHOWNORMAL}};
    for (const Row& row : rows) {
        CAPTURE(row.state);
        const std::string name = "Stav" + std::to_string(row.state);
        CreateShortcut(ShellFolderKind::Programs, "", false, name, "", "c:\\windows\\notepad.exe", "", "",
                       ShortcutWindowState(row.state));
        const std::optional<LinkFile> link = ReadLink(scratch.Folder() + "\\" + name + ".lnk");
        REQUIRE(link);
        CHECK(link->showCommand == row.showCommand);
        CHECK(link->arguments.value_or(L"") == L"");
    }
}

TEST_CASE("a sub-folder is created only when asked for; without it nothing is written and nothing reported") {
    const ShellFolderScratch scratch("Programs");
    const std::string sub = scratch.Folder() + "\\Brantel";
    CHECK_NOTHROW(CreateShortcut(ShellFolderKind::Programs, "Brantel\\Nástroje", false, "Pebblewire", "", "c:\\x.exe",
                                 "", "", ShortcutWindowState::Normal));
    CHECK_FALSE(IsFolder(sub));
    CHECK_FALSE(ShortcutExists(ShellFolderKind::Programs, "Brantel\\Nástroje", "Pebblewire"));

    CreateShortcut(ShellFolderKind::Programs, "Brantel\\Nástroje", true, "Pebblewire", "", "c:\\x.exe", "", "",
                   ShortcutWindowState::Normal);
    CHECK(IsFolder(sub));
    CHECK(IsFile(sub + "\\Nástroje\\Pebblewire.lnk"));
    CHECK(ShortcutExists(ShellFolderKind::Programs, "Brantel\\Nástroje", "Pebblewire"));
}

TEST_CASE("the special folder's own path is created when it is missing") {
    const ShellFolderScratch scratch("Startup");
    const std::string startup = scratch.Root() + "\\Nabídka Start\\Po spuštění";
    scratch.SetLocation(startup);
    CreateShortcut(ShellFolderKind::Startup, "", true, "WinPopup", "", "c:\\windows\\Winpopup.exe", "", "",
                   ShortcutWindowState::Minimized);
    const std::optional<LinkFile> link = ReadLink(startup + "\\WinPopup.lnk");
    REQUIRE(link);
    CHECK(link->showCommand == SW_SHOWMINNOACTIVE);
}

TEST_CASE("a Czech shortcut name keeps its letters and case on disk") {
    const ShellFolderScratch scratch("Programs");
    const std::string name = "Žluťoučký Kůň";
    CreateShortcut(ShellFolderKind::Programs, "", false, name, "Příliš", "c:\\x.exe", "", "",
                   ShortcutWindowState::Normal);
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(Wide(scratch.Folder() + "\\*.lnk").c_str(), &found);
    REQUIRE(search != INVALID_HANDLE_VALUE);
    FindClose(search);
    CHECK(std::wstring(found.cFileName) == Wide(name + ".lnk"));
    CHECK(ShortcutExists(ShellFolderKind::Programs, "", name));
    const std::optional<LinkFile> link = ReadLink(scratch.Folder() + "\\" + name + ".lnk");
    REQUIRE(link);
    CHECK(link->description == Wide("Příliš"));
}

TEST_CASE("a folder carrying the shortcut's name, or a missing special folder, is no shortcut") {
    const ShellFolderScratch scratch("Programs");
    CreateDirectoryA((scratch.Folder() + "\\Složka.lnk").c_str(), nullptr);
    CHECK_FALSE(ShortcutExists(ShellFolderKind::Programs, "", "Složka"));
    CHECK_FALSE(ShortcutExists(ShellFolderKind::Programs, "", "Chybí"));
    scratch.RemoveLocation();
    // The location is then empty and the name is looked for in the current drive's root.
    CHECK_FALSE(ShortcutExists(ShellFolderKind::Programs, "", "pw-no-such-shortcut"));
    scratch.SetLocation("");
    CHECK_FALSE(ShortcutExists(ShellFolderKind::Programs, "", "pw-no-such-shortcut"));
}

TEST_CASE("a special folder whose value is not text stops both operations before anything is written") {
    const ShellFolderScratch scratch("Programs");
    const DWORD number = 5;
    scratch.SetRaw(REG_DWORD, &number, sizeof number);
    CHECK_THROWS_WITH_AS(CreateShortcut(ShellFolderKind::Programs, "Nová", true, "Pebblewire", "", "c:\\x.exe", "", "",
                                        ShortcutWindowState::Normal),
                         "Invalid data type for 'Programs'", settings::SettingsError);
    CHECK_THROWS_WITH_AS(ShortcutExists(ShellFolderKind::Programs, "", "Pebblewire"),
                         "Invalid data type for 'Programs'", settings::SettingsError);
    const std::string expanding = scratch.Folder().substr(0, 2) + "%NOT_EXPANDED%";
    scratch.SetRaw(REG_EXPAND_SZ, expanding.c_str(), DWORD(expanding.size() + 1));
    CreateShortcut(ShellFolderKind::Programs, "", true, "Pebblewire", "", "c:\\x.exe", "", "",
                   ShortcutWindowState::Normal);
    // Read as stored, with no expansion.
    CHECK(IsFile(expanding + "\\Pebblewire.lnk"));
    drv::RemoveTree(expanding);
}

TEST_CASE("without a COM apartment the shell-link object cannot be made and the error says why") {
    const ShellFolderScratch scratch("Programs");
    CoUninitialize();
    try {
        CreateShortcut(ShellFolderKind::Programs, "", false, "Pebblewire", "", "c:\\x.exe", "", "",
                       ShortcutWindowState::Normal);
        FAIL("no error");
    } catch (const std::runtime_error& error) {
        const std::string text = error.what();
        CAPTURE(text);
        CHECK_FALSE(text.empty());
        CHECK(text.back() != '.');
        CHECK(static_cast<unsigned char>(text.back()) > ' ');
    }
    CHECK_FALSE(IsFile(scratch.Folder() + "\\Pebblewire.lnk"));
    CoInitialize(nullptr);
}
