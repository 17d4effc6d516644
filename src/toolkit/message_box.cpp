#include "toolkit/message_box.h"

#include <string>

#include "toolkit/application.h"
#include "toolkit/error_text.h"
#include "toolkit/owner.h"

namespace tk {

ModalScope::ModalScope(HWND except) : except_(except), previousActive_(GetActiveWindow()) {
    Application::Instance().BeforeModal();
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

namespace {
int ShowBoxOver(HWND owner, std::string_view text, std::string_view caption, UINT flags) {
    ModalScope modal(owner);
    const std::string textZ(text), captionZ(caption);
    return MessageBoxA(owner, textZ.c_str(), captionZ.c_str(), flags);
}
}  // namespace

int ShowMessageBox(std::string_view text, std::string_view caption, UINT flags) {
    return ShowBoxOver(Application::Instance().Handle(), text, caption, flags);
}

int Owner::Tell(std::string_view text, UINT flags) const { return ShowBoxOver(window, text, caption, flags); }

void ShowErrorBox(std::string_view message) {
    ShowMessageBox(ErrorBoxText(message), Application::Instance().Title(), MB_OK | MB_ICONERROR);
}

}  // namespace tk
