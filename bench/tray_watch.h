// Sees the notification area take an icon. Wine's shell makes a tool-tip window for every icon it
// adds; the system reports that window's creation to an observer outside the shell's process, so
// the moment is seen, not guessed, and nothing polls the shell meanwhile.
#pragma once

#include <windows.h>

#include <optional>

#include "support/driver.h"

namespace bench {

class TrayWatch {
public:
    TrayWatch();
    TrayWatch(const TrayWatch&) = delete;
    TrayWatch& operator=(const TrayWatch&) = delete;
    ~TrayWatch();

    bool Hooked() const { return hook_ != nullptr; }
    // Forgets what was seen so far.
    void Arm();
    // Delivers this thread's events until an icon's tool tip appears; when it did.
    std::optional<LARGE_INTEGER> WaitIconAdded(DWORD ms);

private:
    HWINEVENTHOOK hook_ = nullptr;
};

using drv::IconPresent;

}  // namespace bench
