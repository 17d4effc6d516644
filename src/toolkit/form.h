// A top-level window owned by the application window, with the visibility flag and window state
// the application object works with, and focus kept across deactivation.
#pragma once

#include <windows.h>

#include "toolkit/component.h"
#include "toolkit/window.h"

namespace tk {

class Application;

enum class WindowState { Normal, Minimized, Maximized };

// A form is also the owner of the non-visual components it holds.
class Form : public Window, public Component {
public:
    // The application forgets a main form that goes.
    ~Form() override;

    bool Visible() const { return visible_; }
    // Shows or hides the window; showing delivers WM_SHOWWINDOW as ShowWindow does.
    void SetVisible(bool visible);

    WindowState State() const { return state_; }
    void SetState(WindowState state) { state_ = state; }

    // The control that gets the focus when the form is next activated.
    void SetActiveControl(HWND control) { focused_ = control; }

    // The smallest outer size the user may drag the window to; the system's until it is set.
    void SetMinimumSize(int width, int height) { minimum_ = {width, height}; }

    // Asks the window to close, as its close button does.
    void Close() { PostMessageA(Handle(), WM_CLOSE, 0, 0); }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Answers whether the window may close; a refusal leaves it open.
    virtual bool CanClose() { return true; }

private:
    friend class Application;  // tells the form that it is the main one

    LRESULT OnActivate(WPARAM wParam, LPARAM lParam);
    LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);

    bool visible_ = false;
    WindowState state_ = WindowState::Normal;
    HWND focused_ = nullptr;
    POINT minimum_{};
    Application* application_ = nullptr;  // set while this is the application's main form
};

}  // namespace tk
