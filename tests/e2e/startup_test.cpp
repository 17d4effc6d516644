// How a start goes: the refusal on Windows 95/98/ME, the font by version, the hand-over to a
// running instance, the hidden start, and starts after an instance that did not clean up.
#include <doctest/doctest.h>

#include <windows.h>

#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "e2e/startup_support.h"
#include "app/command_ids.h"
#include "support/driver_checks.h"
#include "support/recorder_log.h"

using startup_support::Finally;
using startup_support::RawProcess;
using startup_support::RegistryOverride;
using startup_support::RegistryWatch;
using startup_support::WindowCreations;

namespace {

constexpr char kBrantelKey[] = "Software\\Brantel";
using namespace app;
constexpr int kFontHeight = -11;
constexpr size_t kShowCommandOffset = 0x3C;
constexpr char kAppDefaults[] = "Software\\Wine\\AppDefaults\\pebblewire.exe";

constexpr char kRefusal[] =
    "Program Pebblewire je pouze pro operační systémy Windows 2000 a NT. Pod Windows ME/98/95 nefunguje, ale místo "
    "něj je zde podobný program WinPopup (součást Windows ME/98/95). Oba programy slouží k posílání krátkých "
    "textových zpráv počítačům v místní síti. Zprávy poslané z obou programů jsou navzájem kompatibilní. Narozdíl "
    "od Pebblewirea je WinPopup nutný také k přijímání zpráv.\r\rChcete proto vytvořit zástupce programu WinPopup "
    "do nabídky Po spuštění a hned jej spustit, aby vám neunikla žádná zpráva?";

RegistryOverride WindowsVersion(const char* version) { return {kAppDefaults, "Version", version}; }

// A first start's user for whom closing the window ends the program.
void FreshUserCloseQuits() {
    drv::FreshUser();
    drv::WriteString(drv::kSettingsKey, "CloseToTraybar", "0");
}

bool Close(drv::Program& program, HWND form) {
    PostMessageA(form, WM_CLOSE, 0, 0);
    return program.WaitExit() == DWORD(0);
}

std::optional<DWORD> ShowCommandOfLink(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    DWORD show = 0;
    if (!file.seekg(kShowCommandOffset).read(reinterpret_cast<char*>(&show), sizeof show)) return std::nullopt;
    return show;
}

// Runs a suspended start of the program to its end while counting the windows it creates.
int WindowsCreatedBy(RawProcess& process, std::optional<DWORD>& exitCode) {
    const WindowCreations creations(process.info.dwProcessId);
    REQUIRE(creations.Hooked());
    ResumeThread(process.info.hThread);
    drv::WaitUntil([&] {
        creations.Count();
        return WaitForSingleObject(process.info.hProcess, 0) == WAIT_OBJECT_0;
    });
    exitCode = process.WaitExit(0);
    Sleep(200);
    return creations.Count();
}

// How far an edit control puts the sample's last character from its first.
int LaidOutWidth(HWND edit, const std::string& sample) {
    drv::SetWindowTextOf(edit, sample);
    DWORD_PTR first = 0, last = 0;
    SendMessageTimeoutA(edit, EM_POSFROMCHAR, 0, 0, SMTO_ABORTIFHUNG, drv::kWait, &first);
    SendMessageTimeoutA(edit, EM_POSFROMCHAR, sample.size() - 1, 0, SMTO_ABORTIFHUNG, drv::kWait, &last);
    return short(LOWORD(last)) - short(LOWORD(first));
}

// The same distance for the form's font size in the given face.
int TextWidth(const char* face, const std::string& sample) {
    HDC screen = GetDC(nullptr);
    HFONT font = CreateFontA(kFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
    HGDIOBJ old = SelectObject(screen, font);
    SIZE size{};
    GetTextExtentPoint32A(screen, sample.c_str(), int(sample.size() - 1), &size);
    SelectObject(screen, old);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
    return size.cx;
}

}  // namespace

TEST_CASE("on Windows 98 and ME the program refuses to run and offers WinPopup") {
    const std::string startup = drv::TempPath("pw-startup-test");
    const RegistryOverride startupFolder(drv::kShellFolders, "Startup", startup);
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, sizeof windows);
    const std::string winPopup = std::string(windows) + "\\Winpopup.exe";
    CopyFileA(drv::DosPath(drv::Env("PW_RECORDER")).c_str(), winPopup.c_str(), FALSE);
    const Finally removeWinPopup([&] { DeleteFileA(winPopup.c_str()); });
    const Finally removeStartup([&] { drv::RemoveTree(startup); });
    for (const char* version : {"win98", "winme"}) {
        for (const bool yes : {false, true}) {
            CAPTURE(std::string(version));
            CAPTURE(yes);
            drv::ResetUserState();
            const RegistryOverride windowsVersion = WindowsVersion(version);
            drv::RemoveTree(startup);
            CreateDirectoryA(startup.c_str(), nullptr);
            drv::RecorderLogPath();
            drv::ClearRecorderLog();

            drv::Program program;
            REQUIRE(program.Start());
            const std::optional<drv::MessageBoxInfo> box = drv::WaitMessageBox(program);
            REQUIRE(box);
            CHECK(box->caption == "Pebblewire");
            CHECK(box->text == kRefusal);
            CHECK(box->buttons.size() == 2);
            CHECK(GetDlgItem(box->window, IDYES));
            CHECK(GetDlgItem(box->window, IDNO));
            CHECK(drv::ShowsSystemIcon(*box, IDI_QUESTION));
            for (HWND window : program.Windows(false)) CHECK(drv::ClassName(window) != "PebblewireMainForm");

            REQUIRE(drv::AnswerMessageBox(*box, yes ? IDYES : IDNO));
            CHECK(program.WaitExit() == DWORD(0));
            CHECK_FALSE(drv::KeyExists(kBrantelKey));
            if (!yes) {
                Sleep(500);
                CHECK(drv::FileNames(startup).empty());
                CHECK(drv::ReadRecorderLog().empty());
                continue;
            }
            CHECK(drv::FileNames(startup) == std::vector<std::string>{"WinPopup.lnk"});
            CHECK(ShowCommandOfLink(startup + "\\WinPopup.lnk") == DWORD(SW_SHOWMINNOACTIVE));
            const std::vector<drv::LaunchRecord> records = drv::WaitRecords(1);
            REQUIRE(records.size() == 1);
            CHECK(lstrcmpiA(records[0].exe.c_str(), winPopup.c_str()) == 0);
            const std::vector<std::string> words = app::SplitCommandLine(records[0].commandLine);
            REQUIRE(words.size() == 1);
            CHECK(lstrcmpiA(words[0].c_str(), winPopup.c_str()) == 0);
            CHECK(records[0].show == SW_SHOW);
        }
    }
}

TEST_CASE("Windows NT 4.0 gets MS Sans Serif, Windows 2000 Tahoma") {
    // Font handles do not cross processes: the editor's layout of a sample, measured against the
    // same text in each face here, tells which face the program chose.
    struct Row {
        std::string version;
        const char* face;
    } rows[] = {{"nt40", "MS Sans Serif"}, {"win2k", "Tahoma"}};
    const std::string sample = "Wiwi Žluťoučký kůň MW";
    REQUIRE(TextWidth(rows[0].face, sample) != TextWidth(rows[1].face, sample));
    for (const Row& row : rows) {
        CAPTURE(row.version);
        FreshUserCloseQuits();
        const RegistryOverride windowsVersion = WindowsVersion(row.version.c_str());
        drv::Program program;
        HWND form = drv::Started(program);
        HWND memo = drv::ChildById(form, IDC_MEMO1);
        REQUIRE(memo);
        CHECK(LaidOutWidth(memo, sample) == TextWidth(row.face, sample));
        CHECK(Close(program, form));
    }
}

TEST_CASE("the running window marks the instance while it lives and the mark goes with it") {
    FreshUserCloseQuits();
    drv::Program program;
    HWND form = drv::Started(program);
    HWND application = program.WaitApplicationWindow();
    REQUIRE(application);
    CHECK(GlobalFindAtomA(drv::kRunningAtom) != 0);
    CHECK(drv::ReadString(drv::kSettingsKey, "Handle") == std::to_string(reinterpret_cast<INT_PTR>(application)));
    CHECK(Close(program, form));
    CHECK(GlobalFindAtomA(drv::kRunningAtom) == 0);
    CHECK_FALSE(drv::ReadString(drv::kSettingsKey, "Handle"));
}

TEST_CASE("a second start brings the first forward and ends without a window or a registry write") {
    FreshUserCloseQuits();
    // Minimised on the taskbar, not hidden behind the tray icon.
    drv::WriteString(drv::kSettingsKey, "InTraybar", "0");
    drv::Program first;
    HWND form = drv::Started(first);
    HWND application = first.WaitApplicationWindow();
    REQUIRE(application);
    PostMessageA(form, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    REQUIRE(drv::WaitUntil([&] { return IsIconic(application) && !IsWindowVisible(form); }));

    const RegistryWatch settings(kBrantelKey), run(drv::kRunKey);
    REQUIRE(settings.Watching());
    REQUIRE(run.Watching());
    RawProcess second;
    REQUIRE(second.Start(CREATE_SUSPENDED));
    std::optional<DWORD> exitCode;
    CHECK(WindowsCreatedBy(second, exitCode) == 0);
    CHECK(exitCode == DWORD(0));
    CHECK_FALSE(settings.Changed());
    CHECK_FALSE(run.Changed());

    CHECK(drv::WaitUntil([&] { return !IsIconic(application) && IsWindowVisible(form); }));
    CHECK(drv::WaitUntil([&] {
        DWORD owner = 0;
        GetWindowThreadProcessId(GetForegroundWindow(), &owner);
        return owner == first.Id();
    }));
    CHECK(Close(first, form));
}

TEST_CASE("the window watch sees the windows of an ordinary start") {
    // Without this the hand-over's count of zero windows would prove nothing.
    FreshUserCloseQuits();
    RawProcess process;
    REQUIRE(process.Start(CREATE_SUSPENDED));
    const WindowCreations creations(process.info.dwProcessId);
    REQUIRE(creations.Hooked());
    ResumeThread(process.info.hThread);
    CHECK(drv::WaitUntil([&] { return creations.Count() > 0; }));
    drv::KillProcess(process.info.hProcess, process.info.dwProcessId);
    drv::ClearRunningMarker();
}

TEST_CASE("minimized as the first argument, or the show command, starts hidden, minimised or maximised") {
    enum Expect { Hidden, Shown, Minimised, Maximised };
    struct Row {
        const char* arguments;
        const char* inTraybar;  // null: absent
        int showCommand;        // -1: none given
        Expect expect;
    } rows[] = {
        {"Minimized", nullptr, -1, Hidden},
        {"MINIMIZED", nullptr, -1, Hidden},
        {"minimized", "1", -1, Hidden},
        {"\"Minimized\"", "1", -1, Hidden},
        {"-minimized", nullptr, -1, Shown},
        {"/minimized", nullptr, -1, Shown},
        {"x minimized", nullptr, -1, Shown},
        {"", nullptr, -1, Shown},
        {"minimized", "0", -1, Minimised},
        {"\"MINIMIZED\"", "0", -1, Minimised},
        {"/minimized", "0", -1, Shown},
        {"", "0", SW_SHOWMINNOACTIVE, Minimised},
        {"", nullptr, SW_SHOWMINNOACTIVE, Hidden},
        {"", nullptr, SW_SHOWMAXIMIZED, Maximised},
        {"", nullptr, SW_SHOWNORMAL, Shown},
    };
    for (const Row& row : rows) {
        CAPTURE(std::string(row.arguments));
        CAPTURE(std::string(row.inTraybar ? row.inTraybar : "absent"));
        CAPTURE(row.showCommand);
        FreshUserCloseQuits();
        if (row.inTraybar) drv::WriteString(drv::kSettingsKey, "InTraybar", row.inTraybar);
        drv::Program program;
        REQUIRE(program.Start(row.arguments, row.showCommand));
        HWND form = program.WaitWindow("PebblewireMainForm", nullptr, false);
        HWND application = program.WaitApplicationWindow();
        REQUIRE(form);
        REQUIRE(application);
        Sleep(300);
        switch (row.expect) {
        case Hidden:
            CHECK(program.Windows(true).empty());
            CHECK_FALSE(IsWindowVisible(application));
            break;
        case Shown:
            CHECK(drv::WaitUntil([&] { return IsWindowVisible(form); }));
            CHECK(IsWindowVisible(application));
            CHECK_FALSE(IsIconic(application));
            break;
        case Minimised:
            CHECK(IsWindowVisible(application));
            CHECK(IsIconic(application));
            CHECK_FALSE(IsWindowVisible(form));
            break;
        case Maximised:
            CHECK(drv::WaitUntil([&] { return IsWindowVisible(form) && IsZoomed(form); }));
            CHECK_FALSE(IsIconic(application));
            break;
        }
        CHECK(Close(program, form));
    }
}

TEST_CASE("a marker left behind by an instance that is gone does not stop the next start") {
    struct Row {
        const char* name;
        bool killFirst;      // the marker and "Handle" of a killed instance
        bool foreignWindow;  // "Handle" names a live window of another program
        const char* handle;  // else: this "Handle" text, or none
    } rows[] = {
        {"killed instance", true, false, nullptr},     {"handle of another program's window", false, true, nullptr},
        {"no handle", false, false, nullptr},          {"handle 0", false, false, "0"},
        {"handle not a number", false, false, "okno"},
    };
    for (const Row& row : rows) {
        CAPTURE(std::string(row.name));
        FreshUserCloseQuits();
        HWND foreign = nullptr;
        if (row.killFirst) {
            drv::Program first;
            drv::Started(first);
            first.Kill();
            REQUIRE(GlobalFindAtomA(drv::kRunningAtom) != 0);
            REQUIRE(drv::ReadString(drv::kSettingsKey, "Handle"));
        } else {
            GlobalAddAtomA(drv::kRunningAtom);
            if (row.foreignWindow) {
                foreign =
                    CreateWindowExA(0, "STATIC", "cizí", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
                drv::WriteString(drv::kSettingsKey, "Handle", std::to_string(reinterpret_cast<INT_PTR>(foreign)));
            } else if (row.handle) {
                drv::WriteString(drv::kSettingsKey, "Handle", row.handle);
            }
        }
        drv::Program next;
        REQUIRE(next.Start());
        HWND form = next.WaitMainForm();
        CHECK(form);
        if (HWND application = next.WaitApplicationWindow())
            CHECK(drv::ReadString(drv::kSettingsKey, "Handle") ==
                  std::to_string(reinterpret_cast<INT_PTR>(application)));
        if (form) CHECK(Close(next, form));
        if (foreign) DestroyWindow(foreign);
        drv::ClearRunningMarker();
    }
}

TEST_CASE("two starts at the same moment give one running instance") {
    FreshUserCloseQuits();
    RawProcess one, two;
    REQUIRE(one.Start(0));
    REQUIRE(two.Start(0));
    // One of them hands over and ends; the other runs on.
    CHECK(drv::WaitUntil([&] { return one.WaitExit(0) || two.WaitExit(0); }));
    const bool firstEnded = bool(one.WaitExit(0));
    const RawProcess& ended = firstEnded ? one : two;
    const RawProcess& running = firstEnded ? two : one;
    CHECK(ended.WaitExit(0) == DWORD(0));
    CHECK_FALSE(running.WaitExit(1000));
    drv::KillProcess(running.info.hProcess, running.info.dwProcessId);
    drv::ClearRunningMarker();
}

TEST_CASE("a box raised while the window is made does not keep a second start waiting") {
    FreshUserCloseQuits();
    // An option stored as a number: the window's creation stops with the type error box.
    REQUIRE(drv::WriteDword(drv::kSettingsKey, "CloseToTraybar", 1));
    drv::Program first;
    REQUIRE(first.Start());
    const auto box = drv::WaitMessageBox(first);
    REQUIRE(box);
    CHECK(box->text == "Invalid data type for 'CloseToTraybar'");
    // The start-up lock would hold the second start for ten seconds.
    RawProcess second;
    REQUIRE(second.Start(0));
    CHECK(second.WaitExit(5000) == DWORD(0));
    CHECK(drv::AnswerMessageBox(*box, IDOK));
    // The options stayed at their design states, close-to-tray among them: quit from the menu.
    PostMessageA(first.WaitMainForm(), WM_COMMAND, IDM_KONEC, 0);
    CHECK(first.WaitExit() == DWORD(0));
}
