#include "toolkit/message_box.h"

#include <string>

#include "toolkit/application.h"
#include "toolkit/error_text.h"

namespace tk {

ModalScope::ModalScope(const Owner& owner, HWND except) : except_(except), previousActive_(GetActiveWindow()) {
    if (owner.application) owner.application->BeforeModal();
    EnumThreadWindows(GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(this));
}

ModalScope::~ModalScope() {
    for (int i = 0; i < count_; ++i)
        if (IsWindow(disabled_[i])) EnableWindow(disabled_[i], TRUE);
    if (previousActive_ && IsWindow(previousActive_) && IsWindowVisible(previousActive_))
        SetActiveWindow(previousActive_);
}

BOOL CALLBACK ModalScope::Collect(HWND window, LPARAM scope) {
    auto* self = reinterpret_cast<ModalScope*>(scope);
    if (window == self->except_ || !IsWindowVisible(window) || !IsWindowEnabled(window)) return TRUE;
    if (self->count_ == kMaxWindows) return FALSE;
    EnableWindow(window, FALSE);
    self->disabled_[self->count_++] = window;
    return TRUE;
}

int Owner::Tell(std::string_view text, UINT flags) const {
    ModalScope modal(*this, window);
    const std::string textZ(text);
    return MessageBoxA(window, textZ.c_str(), caption.c_str(), flags);
}

void Owner::TellError(std::string_view message) const { Tell(ErrorBoxText(message), MB_OK | MB_ICONERROR); }

}  // namespace tk
