#include <windows.h>

#include "netsend/console.h"

namespace netsend {

std::string ToOem(std::string_view ansi) {
    if (ansi.empty()) return {};
    const int length = static_cast<int>(ansi.size());
    std::wstring wide(MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, wide.data(), static_cast<int>(wide.size()));
    const int wideLength = static_cast<int>(wide.size());
    std::string oem(WideCharToMultiByte(CP_OEMCP, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_OEMCP, 0, wide.data(), wideLength, oem.data(), static_cast<int>(oem.size()), nullptr,
                        nullptr);
    return oem;
}

void PrintLine(std::string_view ansi, bool failure) {
    const std::string line = ToOem(ansi) + "\r\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(failure ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE), line.data(), DWORD(line.size()), &written,
              nullptr);
}

}  // namespace netsend
