// The application object: the hidden top-level window that carries the taskbar button and owns
// every other window, the main form, and the message loop with its keyboard handling.
#pragma once

#include <windows.h>

#include <string>

#include "toolkit/window.h"

namespace tk {

class Form;

class Application : public Window {
public:
    static Application& Instance();

    // Creates the application window; false when Windows refuses.
    bool Initialize(const std::string& title);

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);

    Form* MainForm() const { return mainForm_; }
    void SetMainForm(Form* form) { mainForm_ = form; }

    // Whether Run shows the main form when the message loop starts.
    bool ShowMainForm() const { return showMainForm_; }
    void SetShowMainForm(bool show) { showMainForm_ = show; }

    // Keyboard shortcuts of the main form, translated while it is the active window.
    void SetAccelerators(HACCEL accelerators) { accelerators_ = accelerators; }

    void Minimize();
    void Restore();
    // Handles every message already waiting in the queue.
    void ProcessMessages();
    // Applies the start-up show command, shows the main form and runs until Terminate.
    int Run();
    void Terminate();
    bool Terminated() const { return terminated_; }

    // The control with the keyboard focus in the active window, or null.
    HWND ActiveControl() const;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Application() = default;
    void ApplyStartupShowCommand();
    bool PreTranslate(MSG& msg);
    LRESULT OnSize(WPARAM kind);

    std::string title_;
    Form* mainForm_ = nullptr;
    bool showMainForm_ = true;
    bool terminated_ = false;
    HACCEL accelerators_ = nullptr;
};

}  // namespace tk
