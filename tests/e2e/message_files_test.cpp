// Message files as the user meets them: the system's open and save dialogs, the errors, and the
// last message kept beside the program between runs.
#include <doctest/doctest.h>

#include <windows.h>

#include <dlgs.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "app/command_ids.h"
#include "e2e/startup_support.h"
#include "support/driver_checks.h"

namespace {
using namespace app;

std::optional<std::string> Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return in ? std::optional<std::string>(std::string(std::istreambuf_iterator<char>(in), {})) : std::nullopt;
}

// A new folder under the prefix's temporary folder, with a trailing "\".
std::string TempFolder(const char* name) {
    const std::string folder = drv::TempPath(name);
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder + "\\";
}

std::vector<std::string> FileTypes(HWND dialog) {
    HWND list = GetDlgItem(dialog, cmb1);
    std::vector<std::string> types;
    for (LRESULT i = 0, count = SendMessageA(list, CB_GETCOUNT, 0, 0); i < count; ++i) {
        // Asked in ANSI from another process, the list would answer with its Unicode bytes.
        wchar_t wide[128] = {};
        char text[128] = {};
        SendMessageW(list, CB_GETLBTEXT, WPARAM(i), reinterpret_cast<LPARAM>(wide));
        WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
        types.push_back(text);
    }
    return types;
}

}  // namespace

TEST_CASE("open and save go through the system's dialogs, propose the last name and report what fails") {
    const std::string folder = TempFolder("pw-zpravy"), letter = folder + "dopis.txt", copy = folder + "kopie.txt";
    std::ofstream(letter, std::ios::binary) << "a\nb\rc";
    startup_support::Finally cleanup([&] {
        SetFileAttributesA(copy.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(letter.c_str());
        DeleteFileA(copy.c_str());
        RemoveDirectoryA(folder.c_str());
    });
    drv::Program program;
    HWND form = drv::StartFresh(program);
    REQUIRE(form);
    HWND memo = drv::ChildById(form, IDC_MEMO1);
    const std::vector<std::string> openTypes{"Textové soubory (*.txt)", "Všechny soubory (*.*)"};
    const std::string loaded = "a\r\nb\r\nc";
    struct Step {
        const char* name;
        bool open;        // Ctrl+O, else the menu's save command
        bool newFirst;    // "&Nová zpráva" before
        bool lockLetter;  // another program has dopis.txt open for writing
        bool readOnlyCopy;
        const char* proposed;  // in the dialog's name box
        std::string typed;     // empty: Cancel
        int question;          // the answer to the overwrite question, 0 where none may come
        std::string error;     // the error box expected, empty for none
        std::string editor;    // afterwards
        std::optional<std::string> copyBytes;
    } steps[] = {
        {"open", true, false, false, false, "", letter, 0, "", loaded, std::nullopt},
        {"save without extension", false, false, false, false, "dopis.txt", folder + "kopie", 0, "", loaded, loaded},
        {"overwrite refused", false, true, false, false, "kopie.txt", "kopie.txt", IDNO, "", "", loaded},
        {"open cancelled", true, false, false, false, "kopie.txt", "", 0, "", "", loaded},
        {"locked for writing", true, false, true, false, "kopie.txt", letter, 0, "Nelze otevřít soubor " + letter + ".",
         "", loaded},
        {"read-only target", false, false, false, true, "kopie.txt", "kopie.txt", IDYES,
         "Nelze vytvořit soubor " + copy + ".", "", loaded},
        {"overwrite accepted", false, false, false, false, "kopie.txt", "kopie.txt", IDYES, "", "", ""},
    };
    for (const Step& step : steps) {
        const std::string name = step.name;
        CAPTURE(name);
        if (step.newFirst) PostMessageA(form, WM_COMMAND, IDM_NOVA, 0);
        HANDLE lock = step.lockLetter ? CreateFileA(letter.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                    nullptr, OPEN_EXISTING, 0, nullptr)
                                      : INVALID_HANDLE_VALUE;
        SetFileAttributesA(copy.c_str(), step.readOnlyCopy ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
        if (step.open) {
            REQUIRE(drv::FocusControl(form, memo));
            drv::PressKey('O', true);
        } else {
            PostMessageA(form, WM_COMMAND, IDM_ULOZIT_JAKO, 0);
        }
        HWND dialog = drv::WaitFileDialog(program);
        REQUIRE(dialog);
        CHECK(GetWindow(dialog, GW_OWNER) == program.WaitApplicationWindow());
        CHECK(FileTypes(dialog) == (step.open ? openTypes : std::vector<std::string>{openTypes[0]}));
        CHECK(drv::WindowText(drv::FileNameBox(dialog)) == step.proposed);
        drv::SetWindowTextOf(drv::FileNameBox(dialog), step.typed);
        PostMessageA(dialog, WM_COMMAND, step.typed.empty() ? IDCANCEL : IDOK, 0);
        HWND question = nullptr;
        if (step.question) {
            CHECK(drv::WaitUntil([&] {
                for (HWND window : program.Windows(true))
                    if (GetWindow(window, GW_OWNER) == dialog) question = window;
                return question != nullptr;
            }));
            PostMessageA(question, WM_COMMAND, step.question, 0);
            if (step.question == IDNO) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        }
        CHECK(drv::WaitUntil([&] { return !IsWindow(dialog); }));
        if (!step.error.empty()) {
            const auto box = drv::WaitMessageBox(program);
            REQUIRE(box);
            CHECK(box->text == step.error);
            CHECK(drv::AnswerMessageBox(*box, IDOK));
        }
        if (lock != INVALID_HANDLE_VALUE) CloseHandle(lock);
        CHECK(drv::WaitUntil([&] { return drv::WindowText(memo) == step.editor; }));
        CHECK(Bytes(copy) == step.copyBytes);
    }
    WIN32_FIND_DATAA found;
    CHECK(FindFirstFileA((folder + "*.tmp").c_str(), &found) == INVALID_HANDLE_VALUE);
    CHECK(drv::Quit(program, form));
}

TEST_CASE("the last message survives a restart while the option is on at exit, beside the program's own name") {
    const std::string folder = TempFolder("pw-posta"), renamed = folder + "posta.exe";
    REQUIRE(CopyFileA(drv::ProgramPath().c_str(), renamed.c_str(), FALSE));
    const std::string kept[] = {drv::LastMessageFile(), drv::LastMessageFile(renamed)};
    startup_support::Finally cleanup([&] {
        for (const std::string& file : {kept[0], kept[1], renamed}) DeleteFileA(file.c_str());
        RemoveDirectoryA(folder.c_str());
    });
    struct Row {
        int program;  // 0 the built program, 1 its renamed copy
        bool onAtStart, onAtExit, readOnly;
        const char* text;
    } rows[] = {
        {0, true, true, false, "Ahoj\r\nsvěte\r\n"},  // no file yet: an empty editor, no message
        {0, true, true, false, ""},
        {0, true, true, true, "nový"},  // cannot be written: the error box, then a normal end
        {0, true, false, false, "x"},   // switched off during the run: deleted
        {0, false, false, false, "x"},  // already missing: no error
        {1, false, true, false, "pošta"},
        {1, true, true, false, "pošta 2"},
    };
    std::optional<std::string> expected[2];
    for (const Row& row : rows) {
        const std::string text = row.text;
        CAPTURE(text);
        drv::ResetUserState();
        drv::WriteString(drv::kSettingsKey, "LoadLastMsg", row.onAtStart ? "1" : "0");
        drv::Program program;
        HWND form = drv::Started(program, "", row.program ? renamed : "");
        HWND memo = drv::ChildById(form, IDC_MEMO1);
        CHECK(drv::WindowText(memo) == (row.onAtStart ? expected[row.program].value_or("") : ""));
        drv::SetWindowTextOf(memo, row.text);
        if (row.onAtExit != row.onAtStart) PostMessageA(form, WM_COMMAND, IDM_POSLEDNI_ZPRAVU, 0);
        SetFileAttributesA(kept[row.program].c_str(), row.readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
        PostMessageA(form, WM_COMMAND, IDM_KONEC, 0);
        if (row.readOnly) {
            const auto box = drv::WaitMessageBox(program);
            REQUIRE(box);
            CHECK(box->text == "Nelze vytvořit soubor " + kept[row.program] + ".");
            CHECK(drv::AnswerMessageBox(*box, IDOK));
            SetFileAttributesA(kept[row.program].c_str(), FILE_ATTRIBUTE_NORMAL);
        } else {
            expected[row.program] = row.onAtExit ? std::optional<std::string>(row.text) : std::nullopt;
        }
        CHECK(program.WaitExit() == DWORD(0));
        CHECK(Bytes(kept[0]) == expected[0]);
        CHECK(Bytes(kept[1]) == expected[1]);
    }
}
