// The component's hidden window: the shell's mouse notifications become events, the popup
// menu opens at the cursor and a double-click fires the menu's default item.
#include "trayicon/cool_tray_icon.h"


namespace trayicon {

LRESULT TCoolTrayIcon::IconWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (taskbarCreated_ && message == taskbarCreated_) return OnTaskbarCreated();
    switch (message) {
    case kTrayCallbackMessage: return OnTrayNotification(UINT(lParam));
    case WM_QUERYENDSESSION: return 1;  // never stands in the way of log-off or shutdown
    }
    return window_->DefaultProc(message, wParam, lParam);
}

LRESULT TCoolTrayIcon::OnTrayNotification(UINT mouseMessage) {
    if (!enabled_) return 0;
    if (const TrayReaction* reaction = ReactionTo(mouseMessage)) Run(*reaction);
    return 0;
}

// A restarted shell has forgotten every icon: without this, a program hidden behind its icon
// could no longer be reached or ended by its user.
LRESULT TCoolTrayIcon::OnTaskbarCreated() {
    if (iconVisible_ && !Designing()) AddIcon();
    return 0;
}

void TCoolTrayIcon::Run(const TrayReaction& reaction) {
    ShiftState shiftState = 0;
    POINT at{};
    if (reaction.readsInput) {
        shiftState = CurrentShiftState();
        if (reaction.buttonEvent) shiftState |= ButtonShiftState(reaction.button);
        GetCursorPos(&at);
    }
    for (std::size_t i = 0; i < reaction.count; ++i) {
        switch (reaction.steps[i]) {
        case TrayStep::MouseMove: DoMouseMove(shiftState, at.x, at.y); break;
        case TrayStep::MouseDown: DoMouseDown(reaction.button, shiftState, at.x, at.y); break;
        case TrayStep::MouseUp: DoMouseUp(reaction.button, shiftState, at.x, at.y); break;
        case TrayStep::MarkClickPending: clickPending_ = true; break;
        case TrayStep::ClickIfPending:
            if (clickPending_) {
                clickPending_ = false;
                DoClick();
            }
            break;
        case TrayStep::DoubleClick: DoDblClick(); break;
        case TrayStep::ClickDefaultItem:
            if (popupMenu_ && popupMenu_->AutoPopup() && !leftPopup_) ClickDefaultItem();
            break;
        case TrayStep::PopupIfLeftPopup:
            if (leftPopup_) ShowPopupAtCursor();
            break;
        case TrayStep::Popup: ShowPopupAtCursor(); break;
        }
    }
}

ShiftState TCoolTrayIcon::CurrentShiftState() const {
    return KeyShiftState(GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_MENU) < 0);
}

void TCoolTrayIcon::ShowPopupAtCursor() {
    if (!popupMenu_ || !popupMenu_->AutoPopup()) return;
    POINT at;
    if (!GetCursorPos(&at)) return;
    application_.ProcessMessages();
    if (!popupMenu_) return;  // the waiting messages may have taken the menu away
    // The menu closes when the user clicks elsewhere only while our window is in front.
    HWND owner = OwnerWindow();
    if (!owner) owner = Handle();
    SetForegroundWindow(owner);
    popupMenu_->SetPopupComponent(this);
    popupMenu_->Popup(at.x, at.y);
    PostMessageA(owner, WM_NULL, 0, 0);
}

// The default item nearest the top gets the click; a disabled one ignores it.
void TCoolTrayIcon::ClickDefaultItem() {
    int chosen = -1;
    for (int i = popupMenu_->Count() - 1; i >= 0; --i)
        if (popupMenu_->Default(i)) chosen = i;
    if (chosen >= 0) popupMenu_->Click(chosen);
}

void TCoolTrayIcon::DoClick() {
    if (OnClick) OnClick(*this);
}

void TCoolTrayIcon::DoDblClick() {
    if (OnDblClick) OnDblClick(*this);
}

void TCoolTrayIcon::DoMouseDown(MouseButton Button, ShiftState Shift, int X, int Y) {
    if (OnMouseDown) OnMouseDown(*this, Button, Shift, X, Y);
}

void TCoolTrayIcon::DoMouseUp(MouseButton Button, ShiftState Shift, int X, int Y) {
    if (OnMouseUp) OnMouseUp(*this, Button, Shift, X, Y);
}

void TCoolTrayIcon::DoMouseMove(ShiftState Shift, int X, int Y) {
    if (OnMouseMove) OnMouseMove(*this, Shift, X, Y);
}

}  // namespace trayicon
