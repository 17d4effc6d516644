// Replacement of an existing window's procedure (subclassing) by an entry that forwards every
// message to an object, which passes it on to the procedure it replaced.
#pragma once

#include <windows.h>

#include <functional>

namespace tk {

class WindowProcHook {
public:
    using Handler = std::function<LRESULT(UINT message, WPARAM wParam, LPARAM lParam)>;

    WindowProcHook() = default;
    WindowProcHook(const WindowProcHook&) = delete;
    WindowProcHook& operator=(const WindowProcHook&) = delete;
    ~WindowProcHook() { Remove(); }

    // Puts a forwarding entry in place of the window's procedure; throws when every entry is in use.
    void Install(HWND window, Handler handler);
    // Puts the replaced procedure back. When another procedure has since replaced ours, our entry
    // stays behind it and only passes messages on, so that neither procedure is lost.
    void Remove();

    HWND Window() const { return window_; }
    // Runs the replaced procedure; its result is the hook's result.
    LRESULT CallPrevious(UINT message, WPARAM wParam, LPARAM lParam) const;

private:
    friend struct HookDispatch;
    int slot_ = -1;
    HWND window_ = nullptr;
    WNDPROC previous_ = nullptr;
    Handler handler_;
};

}  // namespace tk
