// A tool bar acting as the window's menu bar. A click on a button drops down its popup menu;
// while one is open, pointing at another button, Right on an item without a submenu and Left on
// the dropped-down level switch to the next or previous menu; Alt with an access letter opens
// that button's menu; Alt or F10 alone enters keyboard menu mode with the first button
// highlighted (arrows move, Enter or Down opens, Esc leaves). Only grouped buttons (BTNS_GROUP)
// take part in switching. The chosen command reaches the owner as WM_COMMAND.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <vector>

namespace tk {

class ToolBar;

class MenuBar {
public:
    // Button i of the bar opens menus[i]; `owner` gets the menus' messages and the commands.
    void Attach(ToolBar& bar, HWND owner, std::vector<HMENU> menus);

    // Keyboard messages of the owner's window, before they are translated; true when consumed.
    bool PreTranslate(const MSG& msg);
    // TBN_DROPDOWN from the bar; false when the notification is not the bar's.
    bool HandleNotify(const NMHDR& header, LRESULT& result);
    // WM_MENUSELECT sent to the owner while a menu is open.
    void MenuSelected(WPARAM wParam, LPARAM lParam);
    // Leaves keyboard menu mode, as when the window is deactivated.
    void CancelKeyboardMode();

private:
    void Track(int index, bool selectFirst);
    int OpenOne(int index, bool selectFirst);
    static LRESULT CALLBACK FilterProc(int code, WPARAM wParam, LPARAM lParam);
    bool FilterMessage(const MSG& msg);
    bool OnTrackingMouseMove();
    bool OnTrackingButtonDown(POINT screen);
    bool OnTrackingKey(WPARAM key);
    bool SwitchAlong(int step);
    bool SwitchTo(int index, bool selectFirst);

    bool OnSysKeyDown(const MSG& msg);
    bool OnSysKeyUp(const MSG& msg);
    bool OnSysChar(char typed);
    bool OnModeMessage(const MSG& msg);
    bool OnModeKey(const MSG& msg);
    bool OnModeChar(char typed);
    void EnterKeyboardMode(int index);
    void MoveHotItem(int step);

    void CloseOpenMenu() const;
    bool IsGrouped(int index) const;
    // The next grouped button after `index` in direction `step`, wrapping around.
    int NextGrouped(int index, int step) const;

    ToolBar* bar_ = nullptr;
    HWND owner_ = nullptr;
    std::vector<HMENU> menus_;

    // While a menu is open
    int current_ = -1;
    int next_ = -1;
    bool nextSelectsFirst_ = false;
    bool escaped_ = false;
    POINT openedAt_{};  // pointer position when the menu opened
    HMENU selectedMenu_ = nullptr;
    UINT selectedFlags_ = 0;

    // Keyboard menu mode and the keys that lead to it
    bool keyboardMode_ = false;
    int hot_ = -1;
    bool altAlone_ = false;
    bool f10Alone_ = false;
};

}  // namespace tk
