// Message files against the real file system and real windows.
#include <doctest/doctest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

#include "messaging/message_file.h"
#include "toolkit/controls.h"

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
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = temp + std::string("pw-zpravy-win\\"), path = folder + "zpráva.txt";
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
