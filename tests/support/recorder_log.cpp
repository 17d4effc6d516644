#include "support/recorder_log.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "support/driver.h"

namespace drv {

namespace {
constexpr char kLogVariable[] = "PW_RECORDER_LOG";

std::string ReadFileBytes(const std::string& path) {
    std::string bytes;
    HANDLE file =
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got) bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}
}  // namespace

std::string RecorderLogPath() {
    std::string path = Env(kLogVariable);
    if (path.empty()) {
        // One log per driver process, handed down to pebblewire.exe and what it starts.
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        path = std::string(temp) + "pw-recorder-" + std::to_string(GetCurrentProcessId()) + ".log";
        SetEnvironmentVariableA(kLogVariable, path.c_str());
    }
    return path;
}

void ClearRecorderLog() { DeleteFileA(RecorderLogPath().c_str()); }

RecorderAnswer::RecorderAnswer(unsigned status, const std::string& report, int delayMs) {
    WriteBytes(RecorderLogPath() + ".answer", std::to_string(status) + " " + std::to_string(delayMs) + "\n" + report);
}

RecorderAnswer::~RecorderAnswer() { DeleteFileA((RecorderLogPath() + ".answer").c_str()); }

std::vector<LaunchRecord> ReadRecorderLog() {
    const std::string bytes = ReadFileBytes(RecorderLogPath());
    std::vector<LaunchRecord> records;
    size_t at = 0;
    while (at < bytes.size()) {
        const size_t headerEnd = bytes.find('\n', at);
        if (headerEnd == std::string::npos) break;
        const std::string header = bytes.substr(at, headerEnd - at);
        const size_t exeAt = header.find(" exe="), lenAt = header.rfind(" len=");
        if (exeAt == std::string::npos || lenAt == std::string::npos) break;
        const size_t length = std::strtoul(header.c_str() + lenAt + 5, nullptr, 10);
        if (headerEnd + 1 + length > bytes.size()) break;  // still being written
        // The show field sits between the path and the length; records without it end the path at " len=".
        const size_t showAt = header.rfind(" show=", lenAt);
        const bool hasShow = showAt != std::string::npos && showAt > exeAt;
        const size_t exeEnd = hasShow ? showAt : lenAt;
        const int show = hasShow ? std::atoi(header.c_str() + showAt + 6) : -1;
        const unsigned long long time =
            header.starts_with("time=") ? std::strtoull(header.c_str() + 5, nullptr, 10) : 0;
        records.push_back(
            {header.substr(exeAt + 5, exeEnd - exeAt - 5), bytes.substr(headerEnd + 1, length), show, time});
        at = headerEnd + 1 + length + 1;
    }
    return records;
}

std::vector<LaunchRecord> WaitRecords(size_t count, DWORD ms) {
    std::vector<LaunchRecord> records;
    WaitUntil([&] { return (records = ReadRecorderLog()).size() >= count; }, ms);
    return records;
}

}  // namespace drv
