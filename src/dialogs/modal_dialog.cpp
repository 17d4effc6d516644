#include "dialogs/modal_dialog.h"

#include "toolkit/control_helpers.h"
#include "toolkit/fonts.h"
#include "toolkit/message_box.h"
#include "toolkit/navigation.h"

namespace dialogs {

namespace {
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr char kOkCaption[] = "&OK";
constexpr WPARAM kOkAccessKey = 'o';

bool IsAccessKey(WPARAM character, WPARAM key) { return (character | 0x20) == key; }
}  // namespace

ModalDialog::~ModalDialog() { DestroyHandle(); }

void ModalDialog::DestroyHandle() {
    if (Handle()) DestroyWindow(Handle());
}

bool ModalDialog::Create(HWND owner) {
    if (!RegisterWindowClass(layout_.className, GetSysColorBrush(COLOR_BTNFACE))) return false;
    RECT outer{0, 0, layout_.client.cx, layout_.client.cy};
    AdjustWindowRectEx(&outer, kStyle, FALSE, kExStyle);
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2, y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    if (!tk::Form::Create(kExStyle, layout_.className, layout_.caption, kStyle, x, y, width, height, owner))
        return false;
    CreateControls();
    const Bounds& ok = layout_.okButton;
    tk::CreateControl(0, "BUTTON", kOkCaption, WS_TABSTOP | BS_DEFPUSHBUTTON, ok.x, ok.y, ok.width, ok.height, Handle(),
                      IDOK);
    font_.reset(tk::CreateFormFont());
    tk::ApplyFont(Handle(), font_.get());
    FormCreate();
    SetActiveControl(GetNextDlgTabItem(Handle(), nullptr, FALSE));
    return true;
}

int ModalDialog::ShowModal(const tk::Owner& program) {
    modalResult_ = 0;
    {
        tk::ModalScope modal(program, Handle());
        ShowWindow(Handle(), SW_SHOWNORMAL);
        MSG msg{};
        while (modalResult_ == 0 && Handle()) {
            const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
            if (got <= 0) {
                // The application is ending: the outer loop must see the quit message too.
                if (got == 0) PostQuitMessage(int(msg.wParam));
                EndModal(IDCANCEL);
            } else if (!PreTranslate(msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
    }
    // Hidden only after the other windows are enabled again, so the activation returns to them.
    if (Handle()) ShowWindow(Handle(), SW_HIDE);
    return modalResult_ ? modalResult_ : IDCANCEL;
}

bool ModalDialog::PreTranslate(const MSG& msg) {
    if (msg.hwnd != Handle() && !IsChild(Handle(), msg.hwnd)) return false;
    const bool enterOrEsc = msg.message == WM_KEYDOWN && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE);
    const bool accessKey = msg.message == WM_SYSCHAR && IsAccessKey(msg.wParam, kOkAccessKey);
    if (enterOrEsc || accessKey) {
        EndModal(IDOK);
        return true;
    }
    return tk::HandleNavigationKey(Handle(), msg);
}

LRESULT ModalDialog::OnCommand(WPARAM wParam) {
    if (LOWORD(wParam) == IDOK && HIWORD(wParam) == BN_CLICKED) EndModal(IDOK);
    return 0;
}

LRESULT ModalDialog::OnCtlColor(HDC dc, HWND control) const {
    SetTextColor(dc, TextColor(control));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT ModalDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: return OnCommand(wParam);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CLOSE: EndModal(IDCANCEL); return 0;
    }
    return tk::Form::HandleMessage(message, wParam, lParam);
}

}  // namespace dialogs
