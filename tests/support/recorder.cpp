// Stand-in for programs that Pebblewire starts (net.exe, Winpopup.exe, link handlers): appends
// one record with its own path and its exact command-line bytes to the log named by the
// environment variable PW_RECORDER_LOG (default C:\recorder.log), then answers as the file beside
// the log with ".answer" appended says, or ends with status 0 when there is none.
//
// Record: "time=<ms> exe=<module path> show=<n> len=<n>\n" + n command-line bytes + "\n"; show is the
// show command the starter asked for (STARTUPINFO's wShowWindow), -1 when it asked for none.
//
// Answer: "<status> <delay ms>\n" + the bytes to write to standard output. The bytes are written
// first, then it waits for the delay (-1: for ever; -2: for ever, after starting a copy of itself
// that records nothing and never ends) and ends with the status.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr char kStayVariable[] = "PW_RECORDER_STAY";

void StartStayingCopy() {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    SetEnvironmentVariableA(kStayVariable, "1");
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION copy{};
    if (CreateProcessA(exe, nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &copy)) {
        CloseHandle(copy.hThread);
        CloseHandle(copy.hProcess);
    }
}

std::string ReadWhole(const std::string& path) {
    std::string bytes;
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;) bytes.append(buffer, got);
        std::fclose(file);
    }
    return bytes;
}

int Answer(const char* logPath) {
    const std::string answer = ReadWhole(std::string(logPath) + ".answer");
    const size_t lineEnd = answer.find('\n');
    if (lineEnd == std::string::npos) return 0;
    char* rest = nullptr;
    const int status = int(std::strtol(answer.c_str(), &rest, 10));
    const long delay = std::strtol(rest, nullptr, 10);
    DWORD written;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), answer.data() + lineEnd + 1, DWORD(answer.size() - lineEnd - 1),
              &written, nullptr);
    if (delay < -1) StartStayingCopy();
    if (delay) Sleep(delay < 0 ? INFINITE : DWORD(delay));
    return status;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (GetEnvironmentVariableA(kStayVariable, nullptr, 0)) Sleep(INFINITE);
    char logPath[MAX_PATH] = "C:\\recorder.log";
    GetEnvironmentVariableA("PW_RECORDER_LOG", logPath, sizeof logPath);
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    const char* commandLine = GetCommandLineA();
    const DWORD length = DWORD(std::strlen(commandLine));
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;

    SYSTEMTIME now;
    GetSystemTime(&now);
    FILETIME stamp;
    SystemTimeToFileTime(&now, &stamp);
    const unsigned long long ms = ((ULONGLONG(stamp.dwHighDateTime) << 32) | stamp.dwLowDateTime) / 10000;
    char header[MAX_PATH + 64];
    const int headerLength = std::snprintf(header, sizeof header, "time=%llu exe=%s show=%d len=%lu\n", ms, exe, show,
                                           static_cast<unsigned long>(length));

    // Several recorders may run at once, and the tests read the log: retry while another holds it,
    // on a loaded machine for as long as a test waits for anything (20 s). A recorder that gives
    // up ends with status 1, which the program reports as a failed delivery.
    HANDLE log = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 2000 && log == INVALID_HANDLE_VALUE; ++attempt) {
        log = CreateFileA(logPath, FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (log == INVALID_HANDLE_VALUE) Sleep(10);
    }
    if (log == INVALID_HANDLE_VALUE) return 1;
    DWORD written;
    WriteFile(log, header, DWORD(headerLength), &written, nullptr);
    WriteFile(log, commandLine, length, &written, nullptr);
    WriteFile(log, "\n", 1, &written, nullptr);
    CloseHandle(log);
    return Answer(logPath);
}
