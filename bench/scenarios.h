// The measured scenarios: a start to the visible, idle main window; a hidden start to the icon in
// the notification area; a send from Ctrl+S to the messenger process's own start.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "probe.h"
#include "support/driver.h"
#include "tray_watch.h"

namespace bench {

constexpr DWORD kTimeout = 15000;

struct Subject {
    std::string name;
    std::string exe;
    const char* mainClass;  // the window that shows the start is over, and that closing ends
};

struct StartFigures {
    double milliseconds = 0;
    IdleFigures idle;
};

// CreateProcess to the main window visible and the process input-idle, then what it uses once settled.
std::optional<StartFigures> MeasureStart(const Subject& subject);

// CreateProcess with `arguments` to the shell's taking the icon of the window of `trayClass`.
std::optional<double> MeasureHiddenStart(TrayWatch& watch, const Subject& subject, const std::string& arguments,
                                         const char* trayClass);

// A program kept running for sends: Ctrl+S with the focus in its control, to the record the
// messenger stand-in writes as its process starts.
class SendTarget {
public:
    // `textControl` is the control that gets the message and the focus; 0 means the main window itself.
    SendTarget(const Subject& subject, int textControl);
    bool Ready() const { return control_ != nullptr; }
    std::optional<double> MeasureSend();
    IdleFigures Figures() const { return IdleFiguresOf(program_.Process(), program_.Id()); }
    bool Close();

private:
    Subject subject_;
    drv::Program program_;
    HWND window_ = nullptr;
    HWND control_ = nullptr;
};

}  // namespace bench
