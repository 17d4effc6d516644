#include "messaging/messenger.h"

#include <shellapi.h>

#include <vector>

namespace messaging {

std::string WindowsDirectory() {
    std::vector<char> buffer(MAX_PATH + 1, '\0');
    UINT length = GetWindowsDirectoryA(buffer.data(), UINT(buffer.size()));
    if (length >= buffer.size()) {
        // Too small: the call returned the size it needs, terminating zero included.
        buffer.assign(length + 1, '\0');
        length = GetWindowsDirectoryA(buffer.data(), UINT(buffer.size()));
        if (length >= buffer.size()) length = 0;
    }
    return std::string(buffer.data(), length);
}

void LaunchMessenger(HWND owner, const SendPlan& plan) {
    if (!FitsCommandLine(plan)) throw LaunchError("Zprávu se nepodařilo odeslat: je příliš dlouhá.");
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(owner, "open", plan.programPath.c_str(), plan.parameters.c_str(), nullptr, SW_HIDE));
    if (result <= 32) throw LaunchError("Zprávu se nepodařilo odeslat: nelze spustit program " + plan.programPath);
}

}  // namespace messaging
