#include "toolkit/navigation.h"

namespace tk {

namespace {

bool IsRadioButton(HWND control) {
    char className[16] = {};
    GetClassNameA(control, className, sizeof className);
    if (lstrcmpiA(className, "Button") != 0) return false;
    const LONG type = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON;
}

HWND GroupParent(HWND control) { return GetParent(control); }

bool MoveByTab(HWND form, HWND focus, bool backwards) {
    HWND next = GetNextDlgTabItem(form, focus, backwards);
    if (!next || next == focus) return false;
    SetFocus(next);
    // A one-line field is entered with its text selected, so that typing replaces it; a
    // multi-line editor keeps its caret, or the next key would replace the whole text.
    const bool multiLine = GetWindowLongA(next, GWL_STYLE) & ES_MULTILINE;
    if (!multiLine && (SendMessageA(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)) SendMessageA(next, EM_SETSEL, 0, -1);
    return true;
}

bool MoveInRadioGroup(HWND focus, bool backwards) {
    HWND next = GetNextDlgGroupItem(GroupParent(focus), focus, backwards);
    if (!next || next == focus || !IsRadioButton(next)) return false;
    SetFocus(next);
    SendMessageA(next, BM_CLICK, 0, 0);
    UpdateRadioTabStops(next);
    return true;
}

}  // namespace

void UpdateRadioTabStops(HWND checkedButton) {
    HWND first = checkedButton;
    // Walk back to the start of the group, then forward through it.
    while (!(GetWindowLongA(first, GWL_STYLE) & WS_GROUP)) {
        HWND previous = GetWindow(first, GW_HWNDPREV);
        if (!previous || !IsRadioButton(previous)) break;
        first = previous;
    }
    for (HWND button = first; button && IsRadioButton(button); button = GetWindow(button, GW_HWNDNEXT)) {
        const LONG style = GetWindowLongA(button, GWL_STYLE);
        SetWindowLongA(button, GWL_STYLE, button == checkedButton ? style | WS_TABSTOP : style & ~WS_TABSTOP);
        if (button != first && (style & WS_GROUP)) break;
    }
}

bool HandleNavigationKey(HWND form, const MSG& msg) {
    if (msg.message != WM_KEYDOWN) return false;
    HWND focus = GetFocus();
    if (!focus || !IsChild(form, focus)) return false;
    const bool ctrl = GetKeyState(VK_CONTROL) < 0, alt = GetKeyState(VK_MENU) < 0;
    if (ctrl || alt) return false;
    switch (msg.wParam) {
    case VK_TAB: return MoveByTab(form, focus, GetKeyState(VK_SHIFT) < 0);
    case VK_UP:
    case VK_LEFT: return IsRadioButton(focus) && MoveInRadioGroup(focus, true);
    case VK_DOWN:
    case VK_RIGHT: return IsRadioButton(focus) && MoveInRadioGroup(focus, false);
    }
    return false;
}

}  // namespace tk
