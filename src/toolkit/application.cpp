#include "toolkit/application.h"

#include <utility>

#include "toolkit/form.h"
#include "toolkit/guarded.h"
#include "toolkit/hint_text.h"
#include "toolkit/menu_bar.h"
#include "toolkit/navigation.h"

namespace tk {

namespace {
// Posted to itself when the application window is activated: the main form takes over.
constexpr UINT WM_ACTIVATE_MAIN_FORM = WM_APP + 1;
// Posted by a later start of the program.
constexpr UINT WM_SHOW_REQUEST = WM_APP + 2;
// While a hint shows, the pointer is looked at this often: when it leaves for another program's
// window no message of ours would clear the hint.
constexpr UINT_PTR kHintTimer = 1;
constexpr UINT kHintPollMs = 200;
}  // namespace

void Application::RequestShow(HWND applicationWindow) { PostMessageA(applicationWindow, WM_SHOW_REQUEST, 0, 0); }

std::string Application::ExeName() {
    // A path longer than the buffer comes back cut to the buffer's size: grow it until it fits.
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), DWORD(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

Application& Application::Instance() {
    static Application application;
    return application;
}

bool Application::Initialize(const std::string& title) {
    title_ = title;
    if (!RegisterWindowClass(kClassName, nullptr, LoadProgramIcons())) return false;
    // Zero-sized popup at the screen's centre: only its taskbar button is ever seen.
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2, y = GetSystemMetrics(SM_CYSCREEN) / 2;
    return Create(0, kClassName, title_.c_str(), WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                  x, y, 0, 0, nullptr) != nullptr;
}

void Application::SetMainForm(Form* form) {
    if (mainForm_) mainForm_->application_ = nullptr;
    mainForm_ = form;
    if (mainForm_) mainForm_->application_ = this;
}

void Application::SetTitle(const std::string& title) {
    title_ = title;
    if (Handle()) SetWindowTextA(Handle(), title_.c_str());
}

void Application::BeforeModal() {
    if (std::function<void()> handler = std::exchange(beforeModal_, nullptr)) handler();
}

void Application::Minimize() {
    if (!IsIconic(Handle())) ShowWindow(Handle(), SW_MINIMIZE);
}

void Application::ProcessMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (!PreTranslate(msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

void Application::ApplyStartupShowCommand() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    const WORD show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWDEFAULT;
    if (show == SW_SHOWMAXIMIZED) mainForm_->SetState(WindowState::Maximized);
    if (show == SW_SHOWMINNOACTIVE) mainForm_->SetState(WindowState::Minimized);
}

int Application::Run() {
    if (mainForm_) {
        ApplyStartupShowCommand();
        if (showMainForm_) {
            // Shown without taking the activation, which the main form takes when it shows.
            ShowWindow(Handle(), SW_SHOWNA);
            // A minimised start shows the form with the application when it is restored.
            if (mainForm_->State() == WindowState::Minimized) Minimize();
            mainForm_->SetVisible(true);
        }
    }
    MSG msg{};
    while (!terminated_) {
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) Idle();
        if (GetMessageA(&msg, nullptr, 0, 0) <= 0) break;
        if (!PreTranslate(msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    terminated_ = true;
    // The quit request has done its job; left pending it would close at once any message box that
    // the windows show while they are destroyed.
    PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    return 0;
}

void Application::Terminate() {
    terminated_ = true;
    PostQuitMessage(0);
}

HWND Application::ActiveControl() const {
    HWND focus = GetFocus();
    return focus && GetParent(focus) ? focus : nullptr;
}

bool Application::PreTranslate(MSG& msg) {
    if (!mainForm_ || !mainForm_->Handle()) return false;
    HWND main = mainForm_->Handle();
    if (msg.hwnd != main && !IsChild(main, msg.hwnd)) return false;
    if (menuBar_ && menuBar_->PreTranslate(msg)) return true;
    if (accelerators_ && GetActiveWindow() == main && TranslateAcceleratorA(main, accelerators_, &msg)) return true;
    return HandleNavigationKey(main, msg);
}

void Application::SetHint(std::string_view hint) {
    if (hint == hint_) return;
    hint_ = hint;
    if (onHint_) onHint_();
}

void Application::Idle() {
    POINT cursor{};
    GetCursorPos(&cursor);
    SetHint(LongHint(hints_.HintAt(cursor)));
    if (hint_.empty() == !hintTimer_) return;
    hintTimer_ = !hint_.empty();
    if (hintTimer_)
        SetTimer(Handle(), kHintTimer, kHintPollMs, nullptr);
    else
        KillTimer(Handle(), kHintTimer);
}

LRESULT Application::OnSize(WPARAM kind) {
    if (!mainForm_ || !mainForm_->Handle() || !mainForm_->Visible()) return 0;
    // The main form leaves the screen with the application and comes back with it.
    if (kind == SIZE_MINIMIZED) ShowWindow(mainForm_->Handle(), SW_HIDE);
    if (kind == SIZE_RESTORED) {
        ShowWindow(mainForm_->Handle(), mainForm_->State() == WindowState::Maximized ? SW_SHOWMAXIMIZED : SW_SHOW);
        PostMessageA(Handle(), WM_ACTIVATE_MAIN_FORM, 0, 0);
    }
    return 0;
}

LRESULT Application::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SHOW_REQUEST:
        if (onShowRequest_) onShowRequest_();
        return 0;
    case WM_SIZE: return OnSize(wParam);
    case WM_CLOSE:
        if (mainForm_) mainForm_->Close();
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) PostMessageA(Handle(), WM_ACTIVATE_MAIN_FORM, 0, 0);
        return 0;
    case WM_ACTIVATE_MAIN_FORM:
        if (mainForm_ && mainForm_->Visible() && !IsIconic(Handle()) && IsWindowEnabled(mainForm_->Handle()) &&
            GetActiveWindow() == Handle())
            SetActiveWindow(mainForm_->Handle());
        return 0;
    }
    return Default(message, wParam, lParam);
}

void ShowErrorBox(std::string_view message) { Application::Instance().AsOwner().TellError(message); }

}  // namespace tk
