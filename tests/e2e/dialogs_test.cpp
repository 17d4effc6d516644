// The help window and the About box in the running program: opened by F1 and the menu command,
// closed by Enter and Esc, their texts and memory figures, and the links they start.
#include <doctest/doctest.h>

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/command_ids.h"
#include "dialogs/about_box.h"
#include "dialogs/help_form.h"
#include "dialogs/help_text.h"
#include "dialogs/memory_figures.h"
#include "support/driver_checks.h"
#include "support/recorder_log.h"
#include "toolkit/handles.h"

namespace {

constexpr char kHelpClass[] = "PebblewireHelpForm";
constexpr char kHelpCaption[] = "Nápověda pro program Pebblewire";
constexpr char kAboutClass[] = "PebblewireAboutBox";
constexpr char kAboutCaption[] = "O programu Pebblewire";

HWND FocusOf(HWND window) {
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &gui) ? gui.hwndFocus : nullptr;
}

bool NoWindowOfClass(const drv::Program& program, const char* className) {
    for (HWND window : program.Windows(false))
        if (drv::ClassName(window) == className) return false;
    return true;
}

// The program's windows are gone and the main window is back in charge.
void CheckClosed(const drv::Program& program, HWND dialog, const char* className, HWND form) {
    CHECK(drv::WaitUntil([&] { return !IsWindow(dialog); }));
    CHECK(NoWindowOfClass(program, className));
    CHECK(IsWindowEnabled(form));
}

bool IsCentredOnScreen(HWND window) {
    const RECT rect = drv::WindowRectOf(window);
    return std::abs((rect.left + rect.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2) <= 1 &&
           std::abs((rect.top + rect.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2) <= 1;
}

HWND OpenAboutBox(const drv::Program& program, HWND form) {
    PostMessageA(form, WM_COMMAND, MAKEWPARAM(app::IDM_O_PROGRAMU, 0), 0);
    return program.WaitWindow(kAboutClass, kAboutCaption);
}

// Points a URL protocol's open command at the recorder for the life of the object. Wine builds
// HKEY_CLASSES_ROOT from the machine's classes alone, so that is where the command goes.
class ProtocolRecorder {
public:
    explicit ProtocolRecorder(const std::string& protocol)
        : key_(tk::RegistryKey::Create(HKEY_CLASSES_ROOT, (protocol + "\\shell\\open\\command").c_str(),
                                       KEY_READ | KEY_WRITE)),
          previous_(key_.ReadRaw(nullptr)) {
        const std::string command = "\"" + drv::DosPath(drv::Env("PW_RECORDER")) + "\" \"%1\"";
        Set(REG_SZ, command.c_str(), command.size() + 1);
    }
    ~ProtocolRecorder() {
        if (previous_)
            Set(previous_->type, previous_->bytes.data(), previous_->bytes.size());
        else
            RegDeleteValueA(key_.Get(), nullptr);
    }

private:
    void Set(DWORD type, const void* data, size_t size) const {
        RegSetValueExA(key_.Get(), nullptr, 0, type, static_cast<const BYTE*>(data), DWORD(size));
    }
    const tk::RegistryKey key_;
    const std::optional<tk::RegistryKey::RawValue> previous_;
};

// A string of the program file's version resource (Czech, Windows-1250 block).
std::string VersionString(const std::string& file, const char* name) {
    using SizeFunction = DWORD(WINAPI*)(LPCSTR, LPDWORD);
    using InfoFunction = BOOL(WINAPI*)(LPCSTR, DWORD, DWORD, LPVOID);
    using QueryFunction = BOOL(WINAPI*)(LPCVOID, LPCSTR, LPVOID*, PUINT);
    HMODULE version = LoadLibraryA("version.dll");
    REQUIRE(version);
    const auto function = [&](const char* exported) {
        return reinterpret_cast<void*>(GetProcAddress(version, exported));
    };
    const auto size = reinterpret_cast<SizeFunction>(function("GetFileVersionInfoSizeA"));
    const auto info = reinterpret_cast<InfoFunction>(function("GetFileVersionInfoA"));
    const auto query = reinterpret_cast<QueryFunction>(function("VerQueryValueA"));
    DWORD handle = 0;
    std::vector<char> data(size(file.c_str(), &handle));
    std::string value;
    char* text = nullptr;
    UINT length = 0;
    const std::string key = std::string("\\StringFileInfo\\040504E2\\") + name;
    if (!data.empty() && info(file.c_str(), 0, DWORD(data.size()), data.data()) &&
        query(data.data(), key.c_str(), reinterpret_cast<LPVOID*>(&text), &length) && text)
        value = text;
    FreeLibrary(version);
    return value;
}

}  // namespace

TEST_CASE("F1 opens the help window from anywhere in the main window; Enter and Esc close it") {
    drv::Program program;
    HWND form = drv::StartedFresh(program);

    struct Row {
        int focusId;
        WORD closeKey;
        bool tabToOk;  // move the focus from the text area to the button first
    } rows[] = {
        {app::IDC_MEMO1, VK_ESCAPE, false},
        {app::IDC_EDIT1, VK_RETURN, false},
        {app::IDC_RADIOBUTTON1, VK_ESCAPE, false},
        {app::IDC_MEMO1, VK_RETURN, true},
    };
    bool first = true;
    for (const Row& row : rows) {
        CAPTURE(row.focusId);
        CAPTURE(row.closeKey);
        REQUIRE(drv::FocusControl(form, drv::ChildById(form, row.focusId)));
        drv::PressKey(VK_F1);
        HWND help = program.WaitWindow(kHelpClass, kHelpCaption);
        REQUIRE(help);
        HWND memo = drv::ChildById(help, dialogs::IDC_HELP_MEMO1);
        CHECK(drv::WaitUntil([&] { return FocusOf(help) == memo; }));
        CHECK_FALSE(IsWindowEnabled(form));
        if (first) {
            CHECK(IsCentredOnScreen(help));
            CHECK(drv::WindowText(memo) == dialogs::HelpText());
            drv::SaveScreenshot(help, "help-dialog");
            first = false;
        }
        if (row.tabToOk) {
            drv::PressKey(VK_TAB);
            CHECK(drv::WaitUntil([&] { return FocusOf(help) == drv::ChildById(help, IDOK); }));
        }
        drv::PressKey(row.closeKey);
        CheckClosed(program, help, kHelpClass, form);
    }
}

TEST_CASE("About box: memory figures, version, links with their show commands, Enter and Esc") {
    drv::Program program;
    HWND form = drv::StartedFresh(program);

    HWND box = OpenAboutBox(program, form);
    REQUIRE(box);
    REQUIRE(drv::FocusControl(box, drv::ChildById(box, IDOK)));
    CHECK(IsCentredOnScreen(box));
    CHECK_FALSE(IsWindowEnabled(form));
    // Both processes see the same machine: the box shows this system's physical memory.
    MEMORYSTATUS status{};
    status.dwLength = sizeof status;
    GlobalMemoryStatus(&status);
    CHECK(drv::WindowText(drv::ChildById(box, dialogs::IDC_PHYSMEM)) ==
          dialogs::FormatKilobytes(status.dwTotalPhys, dialogs::ThousandSeparator()));
    const std::string virt = drv::WindowText(drv::ChildById(box, dialogs::IDC_VIRTMEM));
    CHECK(virt.size() > 3);
    CHECK(virt.substr(virt.size() - 3) == " kB");

    const std::string programFile = drv::ProgramPath();
    CHECK(VersionString(programFile, "ProductName") == "Pebblewire");
    CHECK(VersionString(programFile, "CompanyName") == "Brantel");
    const std::string version = VersionString(programFile, "FileVersion");
    CHECK(drv::WindowText(drv::ChildById(box, dialogs::IDC_LABEL2)).find("Verze " + version + "\r\n") == 0);
    HWND picture = drv::ChildById(box, dialogs::IDC_PROGRAMICON);
    DWORD_PTR icon = 0;
    SendMessageTimeoutA(picture, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, drv::kWait, &icon);
    CHECK(icon != 0);
    drv::SaveScreenshot(box, "about-dialog");

    // Each link starts its target with its show command; the box stays open.
    const ProtocolRecorder https("https"), mailto("mailto");
    struct Row {
        int id;
        const char* target;
        int show;
    } rows[] = {
        {dialogs::IDC_LABEL11, "\"https://www.brantel.example\"", SW_SHOWMAXIMIZED},
        {dialogs::IDC_LABEL7, "\"https://tym.brantel.example\"", SW_SHOWMAXIMIZED},
        {dialogs::IDC_LABEL12, "\"mailto:tym@brantel.example\"", SW_SHOW},
    };
    size_t count = 0;
    for (const Row& row : rows) {
        CAPTURE(row.target);
        drv::ClickAt(drv::CenterOf(drv::WindowRectOf(drv::ChildById(box, row.id))));
        const std::vector<drv::LaunchRecord> records = drv::WaitRecords(++count);
        REQUIRE(records.size() == count);
        const std::string& commandLine = records.back().commandLine;
        CHECK(commandLine.substr(commandLine.size() - std::string(row.target).size()) == row.target);
        CHECK(records.back().show == row.show);
        CHECK(IsWindowVisible(box));
    }

    // Esc closes the box, Enter the next one, a new window.
    drv::PressKey(VK_ESCAPE);
    CheckClosed(program, box, kAboutClass, form);
    HWND second = OpenAboutBox(program, form);
    REQUIRE(second);
    REQUIRE(drv::FocusControl(second, drv::ChildById(second, IDOK)));
    drv::PressKey(VK_RETURN);
    CheckClosed(program, second, kAboutClass, form);
}
