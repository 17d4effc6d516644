#include "scenarios.h"

#include "support/recorder_log.h"

namespace bench {

namespace {
constexpr DWORD kSettle = 500;  // after the start, before the idle figures
constexpr char kMessageBoxClass[] = "#32770";
constexpr char kSampleText[] = "Zkušební zpráva";

// Asks the main window to close and waits for the end; the driver kills what stays.
bool Close(drv::Program& program, const char* mainClass) {
    if (HWND window = WindowOf(program.Id(), mainClass, false)) PostMessageA(window, WM_CLOSE, 0, 0);
    return program.WaitExit(kTimeout) == DWORD(0);
}
}  // namespace

std::optional<StartFigures> MeasureStart(const Subject& subject) {
    drv::Program program;
    const LARGE_INTEGER start = Now();
    if (!program.Start("", -1, subject.exe)) return std::nullopt;  // returns once the process is input-idle
    if (!WaitUntil([&] { return WindowOf(program.Id(), subject.mainClass, true) != nullptr; }, kTimeout))
        return std::nullopt;
    WaitForInputIdle(program.Process(), kTimeout);
    StartFigures figures{MillisecondsSince(start), {}};
    Sleep(kSettle);
    figures.idle = IdleFiguresOf(program.Process(), program.Id());
    if (!Close(program, subject.mainClass)) return std::nullopt;
    return figures;
}

std::optional<double> MeasureHiddenStart(TrayWatch& watch, const Subject& subject, const std::string& arguments,
                                         const char* trayClass) {
    drv::Program program;
    watch.Arm();
    const LARGE_INTEGER start = Now();
    if (!program.Start(arguments, -1, subject.exe)) return std::nullopt;
    const std::optional<LARGE_INTEGER> added = watch.WaitIconAdded(kTimeout);
    std::optional<double> milliseconds;
    if (added) milliseconds = MillisecondsBetween(start, *added);
    // The icon seen must be this program's, and its main window must have stayed hidden.
    HWND owner = nullptr;
    WaitUntil([&] { return (owner = WindowOf(program.Id(), trayClass, false)) != nullptr; }, kTimeout);
    if (!IconPresent(owner) || WindowOf(program.Id(), subject.mainClass, true)) milliseconds.reset();
    if (!Close(program, subject.mainClass)) milliseconds.reset();
    return milliseconds;
}

SendTarget::SendTarget(const Subject& subject, int textControl) : subject_(subject) {
    if (!program_.Start("", -1, subject.exe)) return;
    WaitUntil([&] { return (window_ = WindowOf(program_.Id(), subject.mainClass, true)) != nullptr; }, kTimeout);
    if (window_) control_ = textControl ? drv::ChildById(window_, textControl) : window_;
}

bool SendTarget::Close() { return bench::Close(program_, subject_.mainClass); }

std::optional<double> SendTarget::MeasureSend() {
    if (control_ != window_) drv::SetWindowTextOf(control_, kSampleText);
    if (!drv::FocusControl(window_, control_)) return std::nullopt;
    drv::ClearRecorderLog();
    const unsigned long long pressed = SystemMilliseconds();
    drv::PressKey('S', true);
    HWND box = nullptr;
    std::vector<drv::LaunchRecord> records;
    const bool seen = WaitUntil(
        [&] {
            if (!box) box = WindowOf(program_.Id(), kMessageBoxClass, true);
            if (records.empty()) records = drv::ReadRecorderLog();
            return box && !records.empty();
        },
        kTimeout);
    if (box) {
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
        WaitUntil([&] { return !IsWindow(box); }, kTimeout);
    }
    if (!seen) return std::nullopt;
    return double(records.front().time) - double(pressed);
}

}  // namespace bench
