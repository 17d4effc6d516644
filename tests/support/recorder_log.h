// Reads what the recorder stand-ins (net.exe, Winpopup.exe, link handlers) logged.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace drv {

struct LaunchRecord {
    std::string exe;              // module path of the recorder that ran
    std::string commandLine;      // its exact command-line bytes
    int show = -1;                // the show command it was started with, -1 when none was given
    unsigned long long time = 0;  // when it started: wall-clock milliseconds since 1601
};

// The log file the recorders of this driver process write to.
std::string RecorderLogPath();
void ClearRecorderLog();
std::vector<LaunchRecord> ReadRecorderLog();
// While it lives, the recorders write `report` to their standard output, wait `delayMs` (-1: for
// ever) and end with `status`.
class RecorderAnswer {
public:
    RecorderAnswer(unsigned status, const std::string& report, int delayMs = 0);
    RecorderAnswer(const RecorderAnswer&) = delete;
    RecorderAnswer& operator=(const RecorderAnswer&) = delete;
    ~RecorderAnswer();
};
// Waits until the log holds at least `count` records.
std::vector<LaunchRecord> WaitRecords(size_t count, DWORD ms = 10000);

}  // namespace drv
