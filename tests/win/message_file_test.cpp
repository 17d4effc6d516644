// Message files against the real file system and real windows.
#include <doctest/doctest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <atomic>
#include <string>

#include "messaging/message_file.h"
#include "support/driver.h"
#include "toolkit/control_helpers.h"

namespace {

// Writes the first half of the text, then fails as a full disk or a lost share does.
BOOL WINAPI FailHalfWay(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED) {
    WriteFile(file, data, size / 2, written, nullptr);
    SetLastError(ERROR_DISK_FULL);
    return FALSE;
}

// An editor that refuses every new text.
LRESULT CALLBACK RefusingEditor(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return message == WM_SETTEXT ? FALSE : DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

TEST_CASE("a write that fails part way leaves the old file whole, a refused text leaves the editor's") {
    const std::string folder = drv::TempPath("pw-zpravy-win\\"), path = folder + "zpráva.txt";
    const std::string old = "stará\r\nzpráva", cannotCreate = "Nelze vytvořit soubor " + path;
    CreateDirectoryA(folder.c_str(), nullptr);
    for (const std::string& text : {std::string(), std::string("nová"), std::string(100000, 'x')}) {
        CAPTURE(text.size());
        std::ofstream(path, std::ios::binary) << old;
        const messaging::WriteFileProc previous = messaging::SetWriteFileProc(FailHalfWay);
        CHECK_THROWS_WITH_AS(messaging::WriteMessageFile(path, text), cannotCreate.c_str(),
                             messaging::MessageFileError);
        messaging::SetWriteFileProc(previous);
        std::ifstream in(path, std::ios::binary);
        CHECK(std::string(std::istreambuf_iterator<char>(in), {}) == old);
        WIN32_FIND_DATAA found;
        CHECK(FindFirstFileA((folder + "*.tmp").c_str(), &found) == INVALID_HANDLE_VALUE);
    }
    WNDCLASSA refusing{0, RefusingEditor, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, "RefusingEditor"};
    RegisterClassA(&refusing);
    HWND editor = CreateWindowExA(0, "RefusingEditor", "starý", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    CHECK_THROWS_WITH_AS(messaging::LoadMessage(editor, path), "Text exceeds memo capacity",
                         messaging::MessageFileError);
    CHECK(tk::GetText(editor) == "starý");
    DestroyWindow(editor);
    DeleteFileA(path.c_str());
    RemoveDirectoryA(folder.c_str());
}

namespace {
// Looks for the file as often as it can for as long as `saving` holds.
struct Watcher {
    std::string path;
    std::atomic<bool> saving{true};
    std::atomic<int> missing{0}, looks{0};

    static DWORD WINAPI Watch(void* self) {
        auto& watcher = *static_cast<Watcher*>(self);
        for (; watcher.saving; ++watcher.looks)
            if (GetFileAttributesA(watcher.path.c_str()) == INVALID_FILE_ATTRIBUTES) ++watcher.missing;
        return 0;
    }
};
}  // namespace

TEST_CASE("while a save runs, the file is there at every moment, old or new, as a kill would find it") {
    Watcher watcher;
    watcher.path = drv::TempPath("pw-posledni.sav");
    messaging::WriteMessageFile(watcher.path, "první");
    HANDLE thread = CreateThread(nullptr, 0, Watcher::Watch, &watcher, 0, nullptr);
    for (int save = 0; save < 300; ++save) messaging::WriteMessageFile(watcher.path, save % 2 ? "první" : "druhá");
    watcher.saving = false;
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    CHECK(watcher.looks.load() > 300);
    CHECK(watcher.missing.load() == 0);
    DeleteFileA(watcher.path.c_str());
}

namespace {
const std::string kOld = "stará", kNew = "nová", kUsers = "uživatelův soubor";

// A command of the machine's shell, waited for by the file it makes when it is done.
void Unix(const std::string& command) {
    const std::string done = drv::TempPath("pw-hotovo");
    drv::UnixShell(command + "; touch '" + drv::UnixPath(drv::TempPath("")) + "pw-hotovo'");
    REQUIRE(drv::WaitUntil([&] { return DeleteFileA(done.c_str()) != FALSE; }));
}

DWORD WINAPI CloseIn300Ms(void* file) {
    Sleep(300);
    return CloseHandle(file);
}

// Saves the text `times` times; how many were refused.
DWORD Saves(const std::string& path, const std::string& text, int times) {
    DWORD refused = 0;
    for (int save = 0; save < times; ++save) try {
            messaging::WriteMessageFile(path, text);
        } catch (const messaging::MessageFileError&) {
            ++refused;
        }
    return refused;
}
DWORD WINAPI SaveOther200Times(void* path) { return Saves(*static_cast<const std::string*>(path), "druhá", 200); }

// Existing files may be written, no file created or deleted: as an NTFS "Write" grant without "Modify".
void TakesNoNewFile(const std::string& folder, const std::string&) {
    Unix("chattr +i '" + drv::UnixPath(folder) + "'");
}
// Another program opens it sharing reading and writing, not its deletion.
void HeldAMoment(const std::string&, const std::string& target) {
    CloseHandle(CreateThread(nullptr, 0, CloseIn300Ms,
                             CreateFileA(target.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                         OPEN_EXISTING, 0, nullptr),
                             0, nullptr));
}

struct ReplaceRow {
    const char* what;
    void (*arrange)(const std::string& folder, const std::string& target);
    bool race, deep;  // race: 200 saves while SaveOther200Times runs; deep: see below
};
}  // namespace

TEST_CASE("a save replaces its own file only, whatever else holds the file or its folder") {
    const ReplaceRow rows[] = {
        {"two saves racing into one folder", nullptr, true, false},
        {"a folder that takes no new file", TakesNoNewFile, false, false},
        {"held by another program without sharing deletion for 300 ms", HeldAMoment, false, false},
        {"a short name in a folder as deep as it fits", nullptr, false, true},
    };
    // As deep as CreateDirectory takes: "z.sav" fits MAX_PATH there, "~pebblewire.tmp" would not.
    const std::string folder = drv::TempPath("pw-nahrada\\"), other = folder + "druhá.sav";
    const std::string deep = folder + std::string(MAX_PATH - 13 - folder.size(), 'h') + "\\";
    for (const ReplaceRow& row : rows) {
        const std::string what = row.what, target = row.deep ? deep + "z.sav" : folder + "zpráva.sav";
        CAPTURE(what);
        CreateDirectoryA(folder.c_str(), nullptr);
        CreateDirectoryA(deep.c_str(), nullptr);
        drv::WriteBytes(folder + "~pebblewire.tmp", kUsers);
        drv::WriteBytes(target, kOld);
        if (row.arrange) row.arrange(folder, target);
        HANDLE racing = row.race ? CreateThread(nullptr, 0, SaveOther200Times, (void*)&other, 0, nullptr) : nullptr;
        const DWORD refused = Saves(target, kNew, row.race ? 200 : 1);
        DWORD otherRefused = 0;
        if (racing && WaitForSingleObject(racing, INFINITE) == WAIT_OBJECT_0) GetExitCodeThread(racing, &otherRefused);
        Unix("chattr -i '" + drv::UnixPath(folder) + "'");
        CHECK(refused + otherRefused == 0);
        CHECK(drv::ReadBytes(target) == kNew);
        CHECK(drv::ReadBytes(folder + "~pebblewire.tmp") == kUsers);
        CHECK((!row.race || drv::ReadBytes(other) == "druhá"));
        CHECK(drv::FileNames(folder, "~pw*").size() + drv::FileNames(deep, "~pw*").size() == 0);
        if (racing) CloseHandle(racing);
        drv::RemoveTree(folder);
    }
}
