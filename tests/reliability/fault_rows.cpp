// Faults a real machine brings: the program killed, the shell restarted, the session ending under
// an open box or dialog, the messenger missing or unable to take the message, the shell's folder
// list missing, a folder the program may not write to, two starts at once.
#include <windows.h>

#include <shellapi.h>

#include <algorithm>

#include "app/command_ids.h"
#include "e2e/startup_support.h"
#include "reliability/runner.h"
#include "shell/integration_texts.h"
#include "support/recorder_log.h"

namespace rel {

namespace {

constexpr char kMessenger[] = "C:\\windows\\system32\\net.exe";

using drv::LastMessageFile;

// Where the last message of the program file `name` (without ".exe") goes when its folder takes none.
std::string InAppData(const std::string& name) {
    return drv::ReadString(kShellFolders, "AppData").value_or("") + "\\Brantel\\Pebblewire\\" + name + ".sav";
}

// A first start's user who keeps the last message.
void KeepingUser(const std::string& lastMessage) {
    FreshUser();
    drv::WriteString(drv::kSettingsKey, "LoadLastMsg", "1");
    drv::WriteString(drv::kSettingsKey, "ClearAfterSend", "0");
    WriteBytes(LastMessageFile(), lastMessage);
}

// Notes a failure in the result, which stays empty while everything holds.
void Check(Row& row, bool holds, const std::string& failure) {
    if (!holds) row.result += (row.result.empty() ? "" : "; ") + failure;
}

std::string KilledMidRun(Row& row) {
    KeepingUser("před");
    {
        Run first;
        Check(row, first.Open(), "no window");
        drv::SetWindowTextOf(first.Control(app::IDC_MEMO1), "rozepsáno");
        first.program.Kill();
    }
    Run next;
    Check(row, next.Open(), "no window at the next start");
    if (drv::WindowText(next.Control(app::IDC_MEMO1)) != "před") Note(row.lost, "the last message");
    row.crash = next.Quit();
    return "the next start opens, the last message kept";
}

// Killed at moments spread over the time an end takes, the last-message file is whole: the old
// text or the new. The first end runs its course and measures that time.
std::string KilledWhileSaving(Row& row) {
    // As long as Wine passes from one process's message to another's.
    const std::string old = "starý text", text = Lines(1000000);
    const std::string file = LastMessageFile(), folder = file.substr(0, file.rfind('\\'));
    int kept[2] = {};
    DWORD span = 0;
    for (DWORD attempt = 0, attempts = DWORD(Times(16, 4)); attempt <= attempts; ++attempt) {
        KeepingUser(old);
        Run run;
        Check(row, run.Open(), "no window");
        drv::SetWindowTextOf(run.Control(app::IDC_MEMO1), text);
        const DWORD start = GetTickCount();
        run.Command(app::IDM_KONEC);
        if (attempt == 0) {
            run.program.WaitExit();
            span = GetTickCount() - start;
            continue;
        }
        Sleep(span * attempt / attempts);
        run.program.Kill();
        const std::string after = ReadBytes(file);
        if (after != old && after != text)
            Note(row.lost, "the last message, " + std::to_string(after.size()) + " bytes");
        ++kept[after == text];
        for (const std::string& left : FileNames(folder, "~pw*.tmp")) DeleteFileA((folder + "\\" + left).c_str());
    }
    return "whole each time: " + std::to_string(kept[0]) + " old, " + std::to_string(kept[1]) + " new";
}

// The settings cannot be written when the program ends: the error box comes, and the editor's
// text still goes to the last-message file.
std::string SettingsUnwritable(Row& row) {
    KeepingUser("");
    Run run;
    Check(row, run.Open(), "no window");
    drv::SetWindowTextOf(run.Control(app::IDC_MEMO1), "rozepsáno");
    {
        const startup_support::Locked readOnly(drv::kSettingsKey, KEY_READ);
        row.crash = run.Quit();
    }
    Check(row, !run.boxes.empty(), "no error box");
    if (ReadBytes(LastMessageFile()) != "rozepsáno") Note(row.lost, "the last message");
    return "the error box, the last message kept";
}

// A Run key the user may read but not write: switching start at log-on off says that the value
// stayed, and the check mark shows it.
std::string RunKeyReadOnly(Row& row) {
    FreshUser();
    drv::WriteString(drv::kSettingsKey, "Width", "400");
    drv::WriteString(kRunKey, "Pebblewire", "\"c:\\pebblewire.exe\" \"Minimized\"");
    {
        const startup_support::Locked readOnly(kRunKey, KEY_READ);
        Run run;
        Check(row, run.Open(), "no window");
        run.Command(app::IDM_SPOUSTET);
        run.AnswerUntil([&] { return !run.boxes.empty(); }, 5000);
        row.crash = run.Quit();
        Check(row, run.boxes == std::vector<std::string>{shell::kRunValueNotRemoved}, "boxes: " + Joined(run.boxes));
    }
    Check(row, drv::ReadString(kRunKey, "Pebblewire").has_value(), "the Run value is gone");
    return "the value stays, and the program says so";
}

// A hidden last-message file is written over and stays hidden; no temporary file is left.
std::string HiddenLastMessage(Row& row) {
    KeepingUser("před");
    const std::string file = LastMessageFile(), folder = file.substr(0, file.rfind('\\'));
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_HIDDEN);
    Check(row, GetFileAttributesA(file.c_str()) & FILE_ATTRIBUTE_HIDDEN, "the file system keeps no hidden files");
    Run run;
    Check(row, run.Open(), "no window");
    drv::SetWindowTextOf(run.Control(app::IDC_MEMO1), "po");
    row.crash = run.Quit();
    const DWORD attributes = GetFileAttributesA(file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_HIDDEN))
        Note(row.lost, "the hidden attribute");
    if (ReadBytes(file) != "po") Note(row.lost, "the last message");
    if (!FileNames(folder, "*.tmp").empty()) Note(row.lost, "a temporary file left");
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    return "written over, still hidden";
}

bool Notify(DWORD message, HWND trayWindow) {
    NOTIFYICONDATAA icon{};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = trayWindow;
    icon.uID = 1;
    return Shell_NotifyIconA(message, &icon);  // NIM_MODIFY succeeds only for an icon the shell holds
}

std::string ShellRestarted(Row& row) {
    FreshUser();
    Run run;
    Check(row, run.Open(), "no window");
    HWND tray = run.program.WaitWindow("PebblewireTrayIcon", nullptr, false);
    Check(row, drv::WaitUntil([&] { return Notify(NIM_MODIFY, tray); }), "no icon at the start");
    Notify(NIM_DELETE, tray);
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0, SMTO_ABORTIFHUNG, drv::kWait,
                        &answer);
    Check(row, drv::WaitUntil([&] { return Notify(NIM_MODIFY, tray); }), "the icon did not come back");
    row.crash = run.Quit();
    return "the icon is back";
}

// The session ends while the confirmation box or the open dialog waits for the user: the program
// lets it end and keeps what it keeps at an exit.
std::string SessionEnds(Row& row, int command) {
    KeepingUser("");
    Run run;
    Check(row, run.Open(), "no window");
    drv::SetWindowTextOf(run.Control(app::IDC_MEMO1), "rozepsáno");
    run.Command(command);
    const bool open = command == app::IDM_OTEVRIT ? drv::WaitFileDialog(run.program) != nullptr
                                                  : drv::WaitMessageBox(run.program).has_value();
    Check(row, open, "nothing opened");
    const LRESULT answer = drv::EndSessionLikeWindows(run.program, run.form);
    if (answer == -1) row.crash = "hang: no answer to the session's end";
    Check(row, answer == 1, "the end of the session refused");
    if (ReadBytes(LastMessageFile()) != "rozepsáno") Note(row.lost, "the last message");
    if (drv::ReadString(drv::kSettingsKey, "Handle") || !drv::ReadString(drv::kSettingsKey, "Width"))
        Note(row.lost, "the settings");
    return "ends at once, settings and last message kept";
}

// A send the messenger cannot take: the error box, the text stays, nothing starts.
std::string SendFails(Row& row, const std::string& text, const std::string& box) {
    FreshUser();
    drv::ClearRecorderLog();
    Run run;
    Check(row, run.Open(), "no window");
    HWND memo = run.Control(app::IDC_MEMO1);
    drv::SetWindowTextOf(memo, text);
    run.Command(app::IDM_POSLAT);
    Check(row, run.AnswerUntil([&] { return !run.boxes.empty(); }) && run.boxes == std::vector<std::string>{box},
          "boxes: " + Joined(run.boxes));
    if (drv::WindowText(memo) != text) Note(row.lost, "the message's text");
    Check(row, drv::ReadRecorderLog().empty(), "the messenger started");
    row.crash = run.Quit();
    return "the error box, the text kept, nothing started";
}

std::string MessengerMissing(Row& row) {
    const std::string aside = std::string(kMessenger) + ".aside";
    MoveFileA(kMessenger, aside.c_str());
    const std::string seen = SendFails(
        row, "neodejde", std::string("Zprávu se nepodařilo doručit.\nNelze spustit program ") + kMessenger + ".");
    MoveFileA(aside.c_str(), kMessenger);
    return seen;
}

std::string MessageTooLong(Row& row) {
    return SendFails(row, Lines(64 << 10), "Zprávu se nepodařilo odeslat: je příliš dlouhá.");
}

// Without the key the Programs folder has no location: the shortcut goes to the current drive's
// root, as the shortcut writer's rules say.
std::string ShellFoldersMissing(Row& row) {
    FreshUser();
    const Values folders = ReadValues(kShellFolders);
    drv::DeleteKeyTree(kShellFolders);
    const std::string shortcut = "C:\\Pebblewire.lnk";
    {
        Run run;
        Check(row, run.Open(), "no window");
        run.Command(app::IDM_PRIDAT_ZASTUPCE);
        Check(row, drv::WaitUntil([&] { return GetFileAttributesA(shortcut.c_str()) != INVALID_FILE_ATTRIBUTES; }),
              "no shortcut in the drive's root");
        row.crash = run.Quit();
        Check(row, run.boxes.empty(), "boxes: " + Joined(run.boxes));
    }
    DeleteFileA(shortcut.c_str());
    RestoreValues(kShellFolders, folders);
    return "the shortcut in the drive's root, no box";
}

// The folder comes from the test's wrapper, which alone can make one that not even root may write.
std::string ReadOnlyFolder(Row& row) {
    const std::string exe = drv::Env("PW_READONLY_EXE");
    if (exe.empty()) {
        Check(row, false, "not tried: no read-only folder (it needs root)");
        return {};
    }
    KeepingUser("");
    const std::string typed = "psáno v Program Files";
    for (const bool again : {false, true}) {
        Run run("", exe);
        Check(row, run.Open(), again ? "no window at the next start" : "no window");
        HWND memo = run.Control(app::IDC_MEMO1);
        if (again && drv::WindowText(memo) != typed) Note(row.lost, "the last message");
        drv::SetWindowTextOf(memo, typed);
        if (const std::string end = run.Quit(); end != "none") Note(row.crash, end);
        Check(row, run.boxes.empty(), "boxes: " + Joined(run.boxes));
    }
    if (drv::ReadString(drv::kSettingsKey, "Handle")) Note(row.lost, "the settings");
    DeleteFileA(InAppData("pebblewire").c_str());
    return "runs; the last message kept in the user's application data, no box";
}

// A program file 300 characters deep, started from the command line (Wine's loader takes such a
// path, CreateProcess does not): its own path, as stored for the log-on start and the move check,
// is whole, not cut at MAX_PATH; the last-message file beside it is out of the file functions'
// reach, and the message goes to the user's application data.
std::string LongProgramPath(Row& row) {
    KeepingUser("");
    const std::string folder = FreshFolder("pw-hluboko"), deep = folder + "\\" + std::string(120, 'h');
    const std::string name = deep + "\\" + std::string(300 - deep.size() - 5, 'p');
    const std::string unixFolder = drv::UnixPath(folder);
    std::string unixName = unixFolder + name.substr(folder.size());
    std::replace(unixName.begin(), unixName.end(), '\\', '/');
    // Copied under another name first: the program file appears whole or not at all.
    drv::UnixShell("mkdir -p '" + unixName.substr(0, unixName.rfind('/')) + "' && cp '" +
                   drv::UnixPath(drv::ProgramPath()) + "' '" + unixName + ".tmp' && mv '" + unixName + ".tmp' '" +
                   unixName + ".exe'");
    Check(row, drv::WaitUntil([&] { return FileNames(deep, "*.exe").size() == 1; }), "no copy");
    {
        Run run("", unixName + ".exe");
        Check(row, run.Open(), "no window");
        drv::SetWindowTextOf(run.Control(app::IDC_MEMO1), "z hloubky");
        row.crash = run.Quit();
        Check(row, run.boxes.empty(), "boxes: " + Joined(run.boxes));
    }
    const std::string kept = InAppData(name.substr(deep.size() + 1));
    if (ReadBytes(kept) != "z hloubky") Note(row.lost, "the last message");
    DeleteFileA(kept.c_str());
    std::string lower = name + ".exe";
    CharLowerBuffA(lower.data(), DWORD(lower.size()));
    Check(row, drv::ReadString(drv::kSettingsKey, "PathFilename") == lower, "the stored path is cut");
    Check(row, drv::ReadString(kRunKey, "Pebblewire") == "\"" + lower + "\" \"Minimized\"", "the log-on entry is cut");
    drv::UnixShell("rm -rf '" + unixFolder + "'");
    return "runs; its path whole, the last message in the user's application data";
}

std::string TwoStarts(Row& row) {
    FreshUser();
    startup_support::RawProcess starts[3];
    for (auto& start : starts) start.Start(0);
    const auto ended = [&] {
        return std::count_if(std::begin(starts), std::end(starts), [](auto& start) { return start.WaitExit(0); });
    };
    Check(row, drv::WaitUntil([&] { return ended() == 2; }), std::to_string(ended()) + " of 3 ended");
    for (auto& start : starts) {
        if (start.WaitExit(0)) {
            if (start.WaitExit(0) != DWORD(0)) Note(row.crash, Ending(start.WaitExit(0)));
            continue;
        }
        HWND form = nullptr;
        drv::WaitUntil([&] {
            for (HWND window : drv::WindowsOf(start.info.dwProcessId, true))
                if (drv::ClassName(window) == "PebblewireMainForm") form = window;
            return form != nullptr;
        });
        Check(row, form, "no window");
        PostMessageA(form, WM_COMMAND, app::IDM_KONEC, 0);
        if (const std::string end = Ending(start.WaitExit()); end != "none") Note(row.crash, end);
    }
    return "one window, the other starts end";
}

// Each returns what it saw when all went well, and notes in the row what did not.
const struct {
    const char* name;
    std::string (*run)(Row&);
} kFaults[] = {
    {"killed mid-run", KilledMidRun},
    {"killed while saving the last message", KilledWhileSaving},
    {"settings unwritable at exit", SettingsUnwritable},
    {"Run key read-only: log-on start switched off", RunKeyReadOnly},
    {"a hidden last-message file written over", HiddenLastMessage},
    {"notification area created anew", ShellRestarted},
    {"session ends under the confirmation box", [](Row& row) { return SessionEnds(row, app::IDM_POSLAT); }},
    {"session ends under the open dialog", [](Row& row) { return SessionEnds(row, app::IDM_OTEVRIT); }},
    {"messenger command missing", MessengerMissing},
    {"a 64 KiB message (over a command line)", MessageTooLong},
    {"\"Shell Folders\" key missing", ShellFoldersMissing},
    {"started from a read-only folder", ReadOnlyFolder},
    {"started from a path of 300 characters", LongProgramPath},
    {"three starts at once", TwoStarts},
};

}  // namespace

std::vector<Row> FaultRows() {
    std::vector<Row> rows;
    for (const auto& fault : kFaults) {
        Row row;
        row.name = std::string("fault: ") + fault.name;
        const std::string seen = fault.run(row);
        row.pass = row.result.empty() && row.lost == "nothing" && row.crash == "none";
        if (row.pass) row.result = seen;
        rows.push_back(row);
    }
    FreshUser();
    DeleteFileA(LastMessageFile().c_str());
    return rows;
}

}  // namespace rel
