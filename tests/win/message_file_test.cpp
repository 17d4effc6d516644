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
