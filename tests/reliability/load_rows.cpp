// Load held: the same action many times in one run of the program. What it holds (private bytes,
// GDI and USER objects) may not grow by 1 MiB or 20 objects between the first time and the last,
// and every message sent reaches the messenger byte for byte.
#include <windows.h>

#include "app/command_ids.h"
#include "reliability/runner.h"
#include "support/recorder_log.h"

namespace rel {

namespace {

constexpr SIZE_T kMaxGrowth = 1 << 20;
constexpr int kMaxObjects = 20;
constexpr char kTrayWindow[] = "PebblewireTrayIcon";
constexpr UINT kTrayCallback = 0x800;

// The command line the messenger gets: its quoted path, then the parameters.
const std::string kCommandStart = "\"C:\\windows\\system32\\net.exe\" send * ";
// The longest a command line may be, its terminating NUL included, as CreateProcess takes it.
constexpr size_t kCommandLineLimit = 32767;

// The longest message the messenger's command line carries, as lines.
std::string LongestMessage() {
    const size_t longest = kCommandLineLimit - 1 - kCommandStart.size();
    std::string text = Lines(longest);
    text.resize(text.size() - 2);  // the last line break is not sent
    return text + std::string(longest - text.size(), '.');
}

// Sends the editor's text and answers the confirmation; what went wrong, empty when nothing did
// ("lost: ..." when the message did not reach the messenger as it was).
std::string Send(Run& run, const std::string& expected) {
    drv::ClearRecorderLog();
    run.Command(app::IDM_POSLAT);
    const size_t boxes = run.boxes.size();
    if (!run.AnswerUntil([&] { return run.boxes.size() > boxes; })) return "no confirmation";
    if (run.boxes.back() != "Zpráva byla poslána vaší pracovní skupině.") return "box: " + run.boxes.back();
    const std::vector<drv::LaunchRecord> records = drv::WaitRecords(1);
    if (records.empty()) return "lost: no command line recorded";
    return records.front().commandLine == expected ? "" : "lost: a command line differs";
}

// Opens a window of the program with a command and closes it again.
std::string OpenAndClose(Run& run, int command, const char* className) {
    run.Command(command);
    HWND window = run.program.WaitWindow(className);
    if (!window) return std::string("no ") + className;
    PostMessageA(window, WM_CLOSE, 0, 0);
    return drv::WaitUntil([&] { return !IsWindow(window); }) ? "" : std::string(className) + " stays";
}

BOOL CALLBACK FindMenu(HWND window, LPARAM found) {
    if (drv::ClassName(window) != "#32768" || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// The shell's right-button notification opens the tray menu; Esc closes it.
std::string TrayMenu(Run& run) {
    HWND tray = run.program.WaitWindow(kTrayWindow, nullptr, false);
    const DWORD thread = GetWindowThreadProcessId(tray, nullptr);
    HWND menu = nullptr;
    PostMessageA(tray, kTrayCallback, 1, WM_RBUTTONDOWN);
    if (!drv::WaitUntil([&] {
            EnumThreadWindows(thread, FindMenu, LPARAM(&menu));
            return menu != nullptr;
        }))
        return "no tray menu";
    drv::PressKey(VK_ESCAPE);
    return drv::WaitUntil([&] { return !IsWindowVisible(menu); }) ? "" : "the tray menu stays";
}

const struct {
    int command;
    const char* value;
    bool design;
} kOptions[] = {{app::IDM_DO_TRAYBARU, "InTraybar", true},
                {app::IDM_ZAVIRAT_DO_TRAYBARU, "CloseToTraybar", true},
                {app::IDM_UKLADAT_NASTAVENI, "SaveAtClose", true},
                {app::IDM_VYMAZAT, "ClearAfterSend", false},
                {app::IDM_POSLEDNI_ZPRAVU, "LoadLastMsg", false}};

// Each option in turn; its value holds the new state at once.
std::string Toggle(Run& run, int time) {
    const auto& option = kOptions[size_t(time) % std::size(kOptions)];
    const bool flipped = (size_t(time) / std::size(kOptions)) % 2 == 0;
    run.Command(option.command);
    const std::string expected = option.design != flipped ? "1" : "0";
    return drv::WaitUntil([&] { return drv::ReadString(drv::kSettingsKey, option.value) == expected; })
               ? ""
               : std::string(option.value) + " not stored";
}

struct Load {
    const char* name;
    int soak, quick;
    std::string (*once)(Run&, int time);
};

const Load kLoads[] = {
    {"sends of the longest message, confirmed", 1000, 20,
     [](Run& run, int) { return Send(run, kCommandStart + LongestMessage()); }},
    {"About boxes and help windows", 200, 10,
     [](Run& run, int time) {
         return time % 2 ? OpenAndClose(run, app::IDM_OBSAH_NAPOVEDY, "PebblewireHelpForm")
                         : OpenAndClose(run, app::IDM_O_PROGRAMU, "PebblewireAboutBox");
     }},
    {"tray-menu openings", 500, 20, [](Run& run, int) { return TrayMenu(run); }},
    {"option toggles", 200, 20, Toggle},
};

std::string Growth(const Resources& before, const Resources& after) {
    const long long bytes = static_cast<long long>(after.privateBytes) - static_cast<long long>(before.privateBytes);
    const std::string gdi =
        before.gdiObjects < 0 ? "GDI table unreadable" : std::to_string(after.gdiObjects - before.gdiObjects) + " GDI";
    return std::to_string(bytes / 1024) + " KiB, " + gdi + ", " +
           std::to_string(after.userObjects - before.userObjects) + " USER";
}

Row Hold(const Load& load) {
    Row row;
    const int times = Times(load.soak, load.quick);
    row.name = "load: " + std::to_string(times) + " " + load.name;
    FreshUser();
    drv::WriteString(drv::kSettingsKey, "ClearAfterSend", "0");
    Run run;
    std::string problem = run.Open() ? "" : "no window";
    drv::SetWindowTextOf(run.Control(app::IDC_MEMO1), LongestMessage());
    // The first time loads what the program keeps for later (fonts, resources): it is no growth.
    if (problem.empty()) problem = load.once(run, 0);
    const Resources before = Measure(run.program);
    int done = problem.empty() ? 1 : 0;
    while (done < times && problem.empty())
        if ((problem = load.once(run, done)).empty()) ++done;
    const Resources after = Measure(run.program);
    row.result = std::to_string(done) + " done, growth " + Growth(before, after);
    const std::string at = "at the " + std::to_string(done + 1) + ".: ";
    if (problem.starts_with("lost: "))
        Note(row.lost, at + problem.substr(6));
    else if (!problem.empty())
        row.result += "; " + at + problem;
    const bool held = after.privateBytes < before.privateBytes + kMaxGrowth && before.gdiObjects >= 0 &&
                      after.gdiObjects - before.gdiObjects < kMaxObjects &&
                      after.userObjects - before.userObjects < kMaxObjects;
    if (!held) row.result += " (too much)";
    row.crash = run.Quit();
    row.pass = held && problem.empty() && row.crash == "none";
    return row;
}

}  // namespace

std::vector<Row> LoadRows() {
    std::vector<Row> rows;
    for (const Load& load : kLoads) rows.push_back(Hold(load));
    FreshUser();
    return rows;
}

}  // namespace rel
