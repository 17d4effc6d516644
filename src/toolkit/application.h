// The application object: the hidden top-level window that carries the taskbar button and owns
// every other window, the main form, and the message loop with its keyboard handling.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "toolkit/hints.h"
#include "toolkit/owner.h"
#include "toolkit/window.h"

namespace tk {

class Form;
class MenuBar;

class Application : public Window {
public:
    // Window class of the application window; a second start looks for it.
    static constexpr char kClassName[] = "PebblewireApplication";

    static Application& Instance();

    // The full path of the program file, however long it is.
    static std::string ExeName();

    // Creates the application window; false when Windows refuses.
    bool Initialize(const std::string& title);

    const std::string& Title() const { return title_; }
    // The application window, title and program file, for a subsystem that acts for the program.
    Owner AsOwner() { return {Handle(), title_, ExeName(), this}; }
    void SetTitle(const std::string& title);

    Form* MainForm() const { return mainForm_; }
    // The form learns that it is the main one, and forgets it when another takes its place.
    void SetMainForm(Form* form);

    // Whether Run shows the main form when the message loop starts.
    bool ShowMainForm() const { return showMainForm_; }
    void SetShowMainForm(bool show) { showMainForm_ = show; }

    // Keyboard shortcuts of the main form, translated while it is the active window.
    void SetAccelerators(HACCEL accelerators) { accelerators_ = accelerators; }
    // The main form's menu bar sees the form's keys first, so Alt and F10 reach it from anywhere.
    void SetMenuBar(MenuBar* menuBar) { menuBar_ = menuBar; }

    // The current hint: the long part of the hint of the control under the pointer when the
    // program is idle, or of the highlighted menu item; empty when there is none.
    const std::string& Hint() const { return hint_; }
    void SetHint(std::string_view hint);
    // Called after every change of the hint.
    void SetOnHint(std::function<void()> handler) { onHint_ = std::move(handler); }
    // A later start asks the running instance's application window to show the program, hidden
    // as it may be; the handler runs when such a request comes.
    static void RequestShow(HWND applicationWindow);
    void SetOnShowRequest(std::function<void()> handler) { onShowRequest_ = std::move(handler); }
    // Windows whose hints follow the pointer.
    HintTracker& Hints() { return hints_; }

    // Runs once, just before the program's next modal window shows: what must not wait behind a
    // box the user may leave open (the start-up lock) is let go there.
    void SetBeforeModal(std::function<void()> handler) { beforeModal_ = std::move(handler); }
    void BeforeModal();

    void Minimize();
    // Handles every message already waiting in the queue.
    void ProcessMessages();
    // Applies the start-up show command, shows the main form and runs until Terminate.
    int Run();
    void Terminate();

    // The control with the keyboard focus in the active window, or null.
    HWND ActiveControl() const;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Application() = default;
    void ApplyStartupShowCommand();
    bool PreTranslate(MSG& msg);
    void Idle();
    LRESULT OnSize(WPARAM kind);

    std::string title_;
    Form* mainForm_ = nullptr;
    bool showMainForm_ = true;
    bool terminated_ = false;
    HACCEL accelerators_ = nullptr;
    MenuBar* menuBar_ = nullptr;
    std::string hint_;
    std::function<void()> onHint_;
    std::function<void()> onShowRequest_;
    std::function<void()> beforeModal_;
    HintTracker hints_;
    bool hintTimer_ = false;
};

}  // namespace tk
