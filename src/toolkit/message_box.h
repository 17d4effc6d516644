// What every modal window of the program (its boxes, dialogs and file dialogs) runs inside: every
// other window of the program disabled while it shows.
#pragma once

#include <windows.h>

#include "toolkit/owner.h"

namespace tk {

// Tells the owner's application that a modal window comes, then disables the thread's enabled
// top-level windows for the life of the object (a modal window runs its own loop meanwhile);
// `except` stays enabled.
class ModalScope {
public:
    ModalScope(const Owner& owner, HWND except);
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
    ~ModalScope();

private:
    static constexpr int kMaxWindows = 32;
    HWND disabled_[kMaxWindows] = {};
    int count_ = 0;
    HWND except_;
    HWND previousActive_;

    static BOOL CALLBACK Collect(HWND window, LPARAM scope);
};

}  // namespace tk
