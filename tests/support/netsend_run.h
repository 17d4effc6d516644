// net.exe of the test prefix run as the program runs it: its exit status and the lines it printed.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

namespace drv {

// Runs C:\windows\system32\net.exe with the arguments as they are (CR LF and all), waiting at
// most `ms`: its exit status (~0 when it had to be ended) and what it printed on both streams.
std::pair<DWORD, std::string> RunNetSend(const std::string& arguments, DWORD ms = 30000);

}  // namespace drv
