// The program's modal message box: owned by the application window, with every other window of
// the program disabled while it shows.
#pragma once

#include <windows.h>

#include <string_view>

namespace tk {

int ShowMessageBox(std::string_view text, std::string_view caption, UINT flags);
// Shows the error box (caption the application title, stop icon, OK) for a message.
void ShowErrorBox(std::string_view message);

// Disables the thread's enabled top-level windows for the life of the object (a modal window
// runs its own loop meanwhile); `except` stays enabled.
class ModalScope {
public:
    explicit ModalScope(HWND except = nullptr);
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
