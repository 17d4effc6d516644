// Start at log-on, the Start-menu shortcut, the repair after the program file moved and the
// registry clean-up, as the registry, the shortcut file and the message boxes show them.
#include <doctest/doctest.h>

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "app/command_ids.h"
#include "e2e/startup_support.h"
#include "shell/integration_texts.h"
#include "support/driver.h"
#include "support/link_file.h"
#include "toolkit/handles.h"

using namespace app;
using startup_support::Finally;
using startup_support::Locked;
using startup_support::RegistryOverride;

namespace {

using drv::kRunKey;

std::optional<std::string> RunValue() { return drv::ReadString(kRunKey, "Pebblewire"); }
std::optional<std::string> StoredPath() { return drv::ReadString(drv::kSettingsKey, "PathFilename"); }

// Values and subkeys of the key, or nothing when it is missing; with `value`, whether that exists.
std::optional<DWORD> Entries(const char* path, const char* value = nullptr) {
    const tk::RegistryKey key = tk::RegistryKey::Open(HKEY_CURRENT_USER, path, KEY_READ);
    if (!key) return std::nullopt;
    DWORD subkeys = 0, values = 0;
    RegQueryInfoKeyA(key.Get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr, nullptr,
                     nullptr, nullptr);
    return value ? DWORD(key.HasValue(value)) : subkeys + values;
}

// The user's Programs folder, pointed at a scratch folder for the scenario.
struct ProgramsFolder {
    std::string path = drv::DosPath(drv::Env("WINEPREFIX") + ".programy");  // beside this tree's prefix
    RegistryOverride location{drv::kShellFolders, "Programs", path};
    ~ProgramsFolder() {
        DeleteFileA((path + "\\Pebblewire.lnk").c_str());
        RemoveDirectoryA(path.c_str());
    }
    std::optional<link_file::LinkFile> Link() const { return link_file::ReadLink(path + "\\Pebblewire.lnk"); }
};

// Chooses a menu command; `done`: waits until its handler has returned (one that shows no box).
void Choose(HWND form, int id, bool done = false) {
    DWORD_PTR result = 0;
    if (done) SendMessageTimeoutA(form, WM_COMMAND, id, 0, SMTO_ABORTIFHUNG, drv::kWait, &result);
    if (!done) PostMessageA(form, WM_COMMAND, id, 0);
}

// Checks the box the program shows now and answers it; `alone`: no other window of it shows.
void Answer(const drv::Program& program, const char* text, LPCSTR icon, bool alone = false) {
    const std::optional<drv::MessageBoxInfo> box = drv::WaitMessageBox(program);
    REQUIRE(box);
    CHECK(box->caption == "Pebblewire");
    CHECK(box->text == text);
    CHECK(drv::ShowsSystemIcon(*box, icon));
    if (alone) CHECK(program.Windows(true) == std::vector<HWND>{box->window});
    CHECK(drv::AnswerMessageBox(*box, IDOK));
}

// Starts the program, answers the box it shows before any window when `text` is given and checks
// that none shows otherwise; its main window, shown or hidden.
HWND Start(drv::Program& program, const char* text = nullptr, LPCSTR icon = nullptr, const char* arguments = "",
           const std::string& exe = "") {
    REQUIRE(program.Start(arguments, -1, exe));
    if (text) Answer(program, text, icon, true);
    HWND form = program.WaitWindow("PebblewireMainForm", nullptr, false);
    if (!text) CHECK_FALSE(drv::WaitMessageBox(program, 1500));
    return form;
}

}  // namespace

TEST_CASE("the lower-cased program path in the Run value, PathFilename and the shortcut; a move repaired once") {
    drv::ResetUserState();
    const ProgramsFolder programs;
    std::string exe = "C:\\Program Files\\Pebblewire\\PEBBLEWIRE.EXE";
    const Finally removeCopy([&] {
        DeleteFileA(exe.c_str());
        for (const char* folder : {"C:\\Program Files\\Pebblewire", "C:\\Pw Přesun"}) RemoveDirectoryA(folder);
        drv::ResetUserState();
    });
    struct Row {
        const char* change;
        const char* exe;         // moved or renamed to this
        const char* storedPath;  // PathFilename edited to this
        const char* arguments;
        const char* expected;
    } rows[] = {
        {"first start", nullptr, nullptr, "", "c:\\program files\\pebblewire\\pebblewire.exe"},
        {"renamed", "C:\\Program Files\\Pebblewire\\POSÍLAČ.EXE", nullptr, "",
         "c:\\program files\\pebblewire\\posílač.exe"},
        {"moved, hidden start", "C:\\Pw Přesun\\Posílač.exe", nullptr, "Minimized", "c:\\pw přesun\\posílač.exe"},
        {"PathFilename in upper case", nullptr, "C:\\PW PŘESUN\\POSÍLAČ.EXE", "", "c:\\pw přesun\\posílač.exe"},
    };
    for (const Row& row : rows) {
        CAPTURE(std::string(row.change));
        const bool first = &row == rows;
        const std::string to = first ? exe : row.exe ? row.exe : "";
        if (!to.empty()) {
            CreateDirectoryA(to.substr(0, to.rfind('\\')).c_str(), nullptr);
            REQUIRE((first ? CopyFileA(drv::ProgramPath().c_str(), to.c_str(), FALSE)
                           : MoveFileA(exe.c_str(), to.c_str())));
            exe = to;
        }
        if (row.storedPath) drv::WriteString(drv::kSettingsKey, "PathFilename", row.storedPath);
        for (const bool repairs : {!first, false}) {
            CAPTURE(repairs);
            drv::Program program;
            HWND form = Start(program, repairs ? shell::kProgramMoved : nullptr, IDI_ASTERISK, row.arguments, exe);
            REQUIRE(form);
            if (*row.arguments) CHECK_FALSE(drv::WaitUntil([&] { return !program.Windows(true).empty(); }, 1500));
            if (first) {
                Choose(form, IDM_PRIDAT_ZASTUPCE, true);
                REQUIRE(programs.Link());
                CHECK(programs.Link()->showCommand == SW_SHOWNORMAL);
                CHECK(programs.Link()->description ==
                      L"Program pro posílání krátkých textových zpráv počítačům v místní síti.");
            }
            CHECK(RunValue() == "\"" + std::string(row.expected) + "\" \"Minimized\"");
            CHECK(StoredPath() == row.expected);
            CHECK(programs.Link().value_or(link_file::LinkFile()).target == row.expected);
            CHECK(drv::Quit(program, form));
        }
    }
}

TEST_CASE("a Run value of any type or data sets the mark; an unwritable Run key leaves it off and says so") {
    const DWORD one = 1;
    struct Row {
        DWORD type;
        std::string data;
    } rows[] = {
        {REG_SZ, std::string("\"c:\\jiný\\program.exe\"") + '\0'},
        {REG_SZ, ""},
        {REG_EXPAND_SZ, std::string("%WINDIR%\\x.exe") + '\0'},
        {REG_DWORD, std::string(reinterpret_cast<const char*>(&one), sizeof one)},
        {REG_BINARY, ""},
    };
    for (const Row& row : rows) {
        CAPTURE(row.type);
        drv::ResetUserState();
        // Not switched on at the first start: what the command does depends on the mark alone.
        drv::WriteString(drv::kSettingsKey, "SaveAtClose", "0");
        REQUIRE(drv::WriteRaw(kRunKey, "Pebblewire", {row.type, row.data}));
        drv::Program program;
        HWND form = Start(program);
        REQUIRE(form);
        // Marked, the command deletes the value; unmarked it would write it anew.
        Choose(form, IDM_SPOUSTET, true);
        CHECK(Entries(kRunKey, "Pebblewire") == DWORD(0));
        CHECK(drv::Quit(program, form));
    }

    drv::ResetUserState();
    drv::Program program;
    HWND form = nullptr;
    {
        const Locked run(kRunKey);
        // The first start asks for start at log-on, and so does the command: the mark stayed off.
        form = Start(program, shell::kRunValueNotWritten, IDI_HAND);
        REQUIRE(form);
        Choose(form, IDM_SPOUSTET);
        Answer(program, shell::kRunValueNotWritten, IDI_HAND);
    }
    Choose(form, IDM_SPOUSTET, true);
    CHECK(RunValue());
    CHECK(drv::Quit(program, form));
    drv::ResetUserState();
}

TEST_CASE("the clean-up removes the Run value and the settings, keeps the shortcut, quits; the next start restores") {
    struct Row {
        const char* name;
        bool logonStart;
        bool lockedSettings;  // with a settings subkey that cannot be deleted
        const char* text;
        LPCSTR icon;
    } rows[] = {
        {"start at log-on off", false, false, shell::kRegistryCleaned, IDI_EXCLAMATION},
        {"start at log-on on", true, false, shell::kRegistryCleaned, IDI_EXCLAMATION},
        {"settings that stay", true, true, shell::kSettingsNotRemoved, IDI_HAND},
    };
    const std::string locked = std::string(drv::kSettingsKey) + "\\Zamčeno";
    for (const Row& row : rows) {
        CAPTURE(std::string(row.name));
        drv::ResetUserState();
        const ProgramsFolder programs;
        drv::Program program;
        HWND form = Start(program);
        REQUIRE(form);
        Choose(form, IDM_PRIDAT_ZASTUPCE, true);
        REQUIRE(programs.Link());
        // Without start at log-on the Run key is not even opened: it would be made anew.
        const Finally runKeyBack([] { tk::RegistryKey::Create(HKEY_CURRENT_USER, kRunKey, KEY_READ); });
        if (!row.logonStart) {
            Choose(form, IDM_SPOUSTET, true);
            REQUIRE(Entries(kRunKey) == DWORD(0));
            drv::DeleteKeyTree(kRunKey);
        }
        std::optional<Locked> lock;
        if (row.lockedSettings) {
            // Its own subkey cannot be reached, so neither it nor the section can go.
            drv::WriteString(locked + "\\Vnitřní", "Hodnota", "1");
            lock.emplace(locked);
        }
        Choose(form, IDM_ODSTRANIT_Z_REGISTRU);
        Answer(program, row.text, row.icon);
        CHECK(program.WaitExit() == DWORD(0));
        CHECK(Entries(kRunKey) == (row.logonStart ? std::optional<DWORD>(0) : std::nullopt));
        CHECK(programs.Link());
        if (row.lockedSettings) {
            CHECK(Entries(drv::kSettingsKey));
            lock.reset();
            continue;
        }
        // Nothing was written back at exit, and the next start is a first run.
        CHECK(Entries("Software\\Brantel") == DWORD(0));
        drv::Program next;
        form = Start(next);
        REQUIRE(form);
        CHECK(RunValue());
        CHECK(StoredPath());
        CHECK(drv::Quit(next, form));
    }
    drv::ResetUserState();
}
