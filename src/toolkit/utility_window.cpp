#include "toolkit/utility_window.h"

#include <utility>

namespace tk {

UtilityWindow::UtilityWindow(Handler handler, const char* className) : handler_(std::move(handler)) {
    if (RegisterWindowClass(className, nullptr)) Create(WS_EX_TOOLWINDOW, className, "", WS_POPUP, 0, 0, 0, 0, nullptr);
    created_ = Handle() != nullptr;
}

LRESULT UtilityWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return created_ && handler_ ? handler_(message, wParam, lParam) : Default(message, wParam, lParam);
}

}  // namespace tk
