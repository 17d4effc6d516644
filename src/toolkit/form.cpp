#include "toolkit/form.h"

#include "toolkit/application.h"

namespace tk {

Form::~Form() {
    if (application_) application_->SetMainForm(nullptr);
}

void Form::SetVisible(bool visible) {
    visible_ = visible;
    if (!visible) {
        ShowWindow(Handle(), SW_HIDE);
        return;
    }
    // While the application is minimised the form appears with it when it is restored.
    if (application_ && IsIconic(application_->Handle())) return;
    ShowWindow(Handle(), state_ == WindowState::Maximized ? SW_SHOWMAXIMIZED : SW_SHOW);
}

LRESULT Form::OnActivate(WPARAM wParam, LPARAM) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(Handle(), focus)) focused_ = focus;
    } else if (focused_ && IsWindow(focused_) && IsChild(Handle(), focused_)) {
        SetFocus(focused_);
    }
    return 0;
}

LRESULT Form::OnSysCommand(WPARAM wParam, LPARAM lParam) {
    // The main form minimises with the whole application, so the taskbar button stays the only one.
    if ((wParam & 0xFFF0) == SC_MINIMIZE && application_) {
        application_->Minimize();
        return 0;
    }
    return Default(WM_SYSCOMMAND, wParam, lParam);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ACTIVATE: return OnActivate(wParam, lParam);
    case WM_SYSCOMMAND: return OnSysCommand(wParam, lParam);
    case WM_GETMINMAXINFO:
        if (minimum_.x) reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = minimum_;
        break;
    case WM_CLOSE:
        if (CanClose()) {
            if (application_)
                application_->Terminate();
            else
                DestroyWindow(Handle());
        }
        return 0;
    }
    return Default(message, wParam, lParam);
}

}  // namespace tk
