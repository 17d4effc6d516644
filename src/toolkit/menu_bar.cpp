#include "toolkit/menu_bar.h"

#include "toolkit/guarded.h"
#include "toolkit/handles.h"
#include "toolkit/tool_bar.h"

namespace tk {

namespace {

// A message-filter hook carries no context of its own: this is the bar whose menu is open.
MenuBar* trackingBar = nullptr;

constexpr UINT kTrackFlags = TPM_LEFTALIGN | TPM_TOPALIGN | TPM_VERTICAL | TPM_LEFTBUTTON | TPM_RETURNCMD;
constexpr LPARAM kRepeatBit = LPARAM(1) << 30;  // key-down message of a key that was already down
constexpr WORD kMenuClosed = 0xFFFF;            // WM_MENUSELECT flags when the menu closes

bool Pressed(int key) { return GetKeyState(key) < 0; }

}  // namespace

void MenuBar::Attach(ToolBar& bar, HWND owner, std::vector<HMENU> menus) {
    bar_ = &bar;
    owner_ = owner;
    menus_ = std::move(menus);
}

// ---- the open menu ----

bool MenuBar::HandleNotify(const NMHDR& header, LRESULT& result) {
    if (!bar_ || header.hwndFrom != bar_->Handle() || header.code != TBN_DROPDOWN) return false;
    const int index = bar_->IndexOf(reinterpret_cast<const NMTOOLBARA&>(header).iItem);
    if (index < 0 || index >= int(menus_.size())) return false;
    Track(index, false);
    result = TBDDRET_DEFAULT;
    return true;
}

void MenuBar::Track(int index, bool selectFirst) {
    CancelKeyboardMode();
    while (index >= 0) {
        index = OpenOne(index, selectFirst);
        selectFirst = nextSelectsFirst_;
    }
}

// Shows one menu below its button; returns the button to open next, or -1.
int MenuBar::OpenOne(int index, bool selectFirst) {
    current_ = index;
    next_ = -1;
    escaped_ = false;
    selectedMenu_ = nullptr;
    selectedFlags_ = 0;
    bar_->SetPressed(index, true);
    UpdateWindow(bar_->Handle());
    const RECT button = bar_->ButtonScreenRect(index);
    TPMPARAMS params{};
    params.cbSize = sizeof params;
    params.rcExclude = button;
    // A menu opened from the keyboard starts with its first item highlighted.
    if (selectFirst) PostMessageA(owner_, WM_KEYDOWN, VK_DOWN, 0);
    GetCursorPos(&openedAt_);
    UINT command = 0;
    {
        const HookHandle hook(SetWindowsHookExA(WH_MSGFILTER, FilterProc, nullptr, GetCurrentThreadId()));
        trackingBar = this;
        command =
            UINT(TrackPopupMenuEx(menus_[size_t(index)], kTrackFlags, button.left, button.bottom, owner_, &params));
        trackingBar = nullptr;
    }
    bar_->SetPressed(index, false);
    current_ = -1;
    if (command) {
        PostMessageA(owner_, WM_COMMAND, MAKEWPARAM(command, 0), 0);
        return -1;
    }
    if (escaped_) {
        EnterKeyboardMode(index);
        return -1;
    }
    return next_;
}

void MenuBar::MenuSelected(WPARAM wParam, LPARAM lParam) {
    if (current_ < 0) return;
    selectedMenu_ = reinterpret_cast<HMENU>(lParam);
    selectedFlags_ = HIWORD(wParam) == kMenuClosed ? 0 : HIWORD(wParam);
}

LRESULT CALLBACK MenuBar::FilterProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_MENU && trackingBar) {
        const MSG& msg = *reinterpret_cast<const MSG*>(lParam);
        if (Guarded<bool>([&] { return trackingBar->FilterMessage(msg); }, false)) return TRUE;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool MenuBar::FilterMessage(const MSG& msg) {
    switch (msg.message) {
    case WM_MOUSEMOVE: return OnTrackingMouseMove();
    case WM_LBUTTONDOWN: return OnTrackingButtonDown(msg.pt);
    case WM_KEYDOWN: return OnTrackingKey(msg.wParam);
    }
    return false;
}

// Where the pointer is now counts, not where a move message says it was: the system also sends
// moves when windows appear or vanish, some with an earlier position. A menu that appears under
// a resting pointer gets such a move too; only a pointer that left where it was at the opening
// switches, so a menu opened from the keyboard stays open.
bool MenuBar::OnTrackingMouseMove() {
    POINT pointer{};
    GetCursorPos(&pointer);
    if (pointer.x == openedAt_.x && pointer.y == openedAt_.y) return false;
    const int index = bar_->HitTest(pointer);
    return index >= 0 && IsGrouped(index) && IsGrouped(current_) && SwitchTo(index, false);
}

// A click on the open menu's own button closes it; the click must not reach the bar, which
// would open the menu again.
bool MenuBar::OnTrackingButtonDown(POINT screen) {
    if (bar_->HitTest(screen) != current_) return false;
    CloseOpenMenu();
    return true;
}

bool MenuBar::OnTrackingKey(WPARAM key) {
    // Left on a submenu's item closes that submenu, Right on an item with a submenu opens it:
    // the menu's own work. Elsewhere they move along the bar.
    const bool onDroppedLevel = !selectedMenu_ || selectedMenu_ == menus_[size_t(current_)];
    const bool onSubmenuItem = (selectedFlags_ & MF_POPUP) != 0;
    escaped_ = false;
    switch (key) {
    case VK_LEFT: return onDroppedLevel && SwitchAlong(-1);
    case VK_RIGHT: return !onSubmenuItem && SwitchAlong(1);
    case VK_ESCAPE: escaped_ = onDroppedLevel; return false;
    }
    return false;
}

bool MenuBar::SwitchAlong(int step) { return IsGrouped(current_) && SwitchTo(NextGrouped(current_, step), true); }

bool MenuBar::SwitchTo(int index, bool selectFirst) {
    if (index < 0 || index == current_) return false;
    next_ = index;
    nextSelectsFirst_ = selectFirst;
    CloseOpenMenu();
    return true;
}

// EndMenu came with Windows 2000; importing it would keep the program from loading on NT 4.0,
// where cancelling the owner's mode ends the menu's loop the same way.
void MenuBar::CloseOpenMenu() const {
    using EndMenuFunction = BOOL(WINAPI*)();
    static const auto endMenu = reinterpret_cast<EndMenuFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "EndMenu")));
    if (endMenu)
        endMenu();
    else
        SendMessageA(owner_, WM_CANCELMODE, 0, 0);
}

bool MenuBar::IsGrouped(int index) const {
    return index >= 0 && index < int(menus_.size()) && (bar_->Button(index).style & BTNS_GROUP);
}

int MenuBar::NextGrouped(int index, int step) const {
    const int count = int(menus_.size());
    for (int k = 1; k < count; ++k) {
        const int candidate = ((index + k * step) % count + count) % count;
        if (IsGrouped(candidate)) return candidate;
    }
    return -1;
}

// ---- keys that reach the bar from anywhere in the window ----

bool MenuBar::PreTranslate(const MSG& msg) {
    if (!bar_) return false;
    if (keyboardMode_) return OnModeMessage(msg);
    switch (msg.message) {
    case WM_SYSKEYDOWN: return OnSysKeyDown(msg);
    case WM_SYSKEYUP: return OnSysKeyUp(msg);
    case WM_SYSCHAR: return OnSysChar(char(msg.wParam));
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: altAlone_ = f10Alone_ = false; return false;
    }
    return false;
}

// Alt and F10 count only when released with no other key or click in between.
bool MenuBar::OnSysKeyDown(const MSG& msg) {
    const bool firstPress = !(msg.lParam & kRepeatBit);
    if (msg.wParam == VK_MENU) {
        if (firstPress) altAlone_ = true;
        return true;
    }
    altAlone_ = false;
    f10Alone_ = msg.wParam == VK_F10 && !Pressed(VK_SHIFT) && !Pressed(VK_CONTROL) && !Pressed(VK_MENU);
    return f10Alone_;
}

bool MenuBar::OnSysKeyUp(const MSG& msg) {
    if (msg.wParam != VK_MENU && msg.wParam != VK_F10) return false;
    bool& alone = msg.wParam == VK_MENU ? altAlone_ : f10Alone_;
    if (alone) EnterKeyboardMode(0);
    alone = false;
    return true;
}

bool MenuBar::OnSysChar(char typed) {
    const int index = bar_->IndexOfAccessKey(typed);
    if (index < 0 || index >= int(menus_.size())) return false;
    Track(index, true);
    return true;
}

// ---- keyboard menu mode ----

void MenuBar::EnterKeyboardMode(int index) {
    keyboardMode_ = true;
    altAlone_ = f10Alone_ = false;
    hot_ = index;
    bar_->SetHotItem(index);
}

void MenuBar::CancelKeyboardMode() {
    if (!keyboardMode_) return;
    keyboardMode_ = false;
    hot_ = -1;
    bar_->SetHotItem(-1);
}

void MenuBar::MoveHotItem(int step) {
    const int count = int(menus_.size());
    hot_ = ((hot_ + step) % count + count) % count;
    bar_->SetHotItem(hot_);
}

bool MenuBar::OnModeMessage(const MSG& msg) {
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: return OnModeKey(msg);
    case WM_CHAR:
    case WM_SYSCHAR: return OnModeChar(char(msg.wParam));
    case WM_KEYUP:
    case WM_SYSKEYUP: return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN: CancelKeyboardMode(); return false;
    }
    return false;
}

// In menu mode every key belongs to the bar, as it does to a menu.
bool MenuBar::OnModeKey(const MSG& msg) {
    switch (msg.wParam) {
    case VK_LEFT: MoveHotItem(-1); return true;
    case VK_RIGHT: MoveHotItem(1); return true;
    case VK_RETURN:
    case VK_DOWN:
    case VK_UP: Track(hot_, true); return true;
    case VK_ESCAPE:
    case VK_MENU:
    case VK_F10: CancelKeyboardMode(); return true;
    }
    TranslateMessage(&msg);  // access letters come as characters
    return true;
}

bool MenuBar::OnModeChar(char typed) {
    const int index = bar_->IndexOfAccessKey(typed);
    if (index >= 0 && index < int(menus_.size())) Track(index, true);
    return true;
}

}  // namespace tk
