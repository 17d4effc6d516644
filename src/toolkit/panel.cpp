#include "toolkit/panel.h"

namespace tk {

namespace {
constexpr char kPanelClass[] = "PebblewirePanel";
}

HWND Panel::Create(HWND parent, int id, int x, int y, int width, int height) {
    if (!RegisterWindowClass(kPanelClass, GetSysColorBrush(COLOR_BTNFACE))) return nullptr;
    return Window::Create(WS_EX_CONTROLPARENT, kPanelClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, x, y, width,
                          height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

LRESULT Panel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT: return SendMessageA(GetParent(Handle()), message, wParam, lParam);
    }
    return Default(message, wParam, lParam);
}

}  // namespace tk
