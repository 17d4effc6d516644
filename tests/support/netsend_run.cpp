#include "support/netsend_run.h"

namespace drv {

std::pair<DWORD, std::string> RunNetSend(const std::string& arguments, DWORD ms) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE reader = nullptr, writer = nullptr;
    if (!CreatePipe(&reader, &writer, &inherit, 0)) return {~DWORD(0), "no pipe"};
    SetHandleInformation(reader, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = writer;
    std::string commandLine = "\"C:\\windows\\system32\\net.exe\" " + arguments;
    PROCESS_INFORMATION process{};
    const BOOL started =
        CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    CloseHandle(writer);
    if (!started) {
        CloseHandle(reader);
        return {~DWORD(0), "not started"};
    }
    DWORD exitCode = ~DWORD(0), got = 0;
    if (WaitForSingleObject(process.hProcess, ms) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, exitCode);
    GetExitCodeProcess(process.hProcess, &exitCode);
    std::string output(4096, '\0');  // a few lines, whole in the pipe by now
    const bool any = PeekNamedPipe(reader, nullptr, 0, nullptr, &got, nullptr) && got;
    output.resize(any && ReadFile(reader, output.data(), DWORD(output.size()), &got, nullptr) ? got : 0);
    for (HANDLE handle : {process.hThread, process.hProcess, reader}) CloseHandle(handle);
    return {exitCode, output};
}

}  // namespace drv
