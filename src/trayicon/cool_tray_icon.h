// TCoolTrayIcon: keeps one icon of the program in the taskbar's notification area, turns the
// shell's mouse notifications into events, opens a popup menu from the icon, hides the program
// into the icon on minimise and can cycle the icon through the images of an image list.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "toolkit/application.h"
#include "toolkit/component.h"
#include "toolkit/icon.h"
#include "toolkit/image_list.h"
#include "toolkit/popup_menu.h"
#include "toolkit/timer.h"
#include "toolkit/utility_window.h"
#include "toolkit/window_hook.h"
#include "trayicon/shell_notify.h"
#include "trayicon/tray_logic.h"

namespace trayicon {

class TCoolTrayIcon;

using TNotifyEvent = std::function<void(TCoolTrayIcon& Sender)>;
using TMouseEvent = std::function<void(TCoolTrayIcon& Sender, MouseButton Button, ShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TCoolTrayIcon& Sender, ShiftState Shift, int X, int Y)>;
using TCycleEvent = std::function<void(TCoolTrayIcon& Sender, int NextIndex)>;

class TCoolTrayIcon : public tk::Component {
public:
    static constexpr char kWindowClass[] = "PebblewireTrayIcon";

    // The owner must be a window that exists (std::bad_cast otherwise); it is hooked, as is the
    // window of `application`, unless the component is in design mode. No shell call is made yet.
    TCoolTrayIcon(tk::Application& application, tk::Component* owner, bool designing = false);
    // Deletes the icon from the notification area first, then lets go of window, timer and hooks.
    ~TCoolTrayIcon() override;

    // The hidden window that receives the shell's notifications.
    HWND Handle() const { return iconData.hWnd; }

    bool DesignPreview() const { return designPreview_; }
    void SetDesignPreview(bool value);
    tk::ImageList* IconList() const { return iconList_; }
    void SetIconList(tk::ImageList* value);
    bool CycleIcons() const { return cycleIcons_; }
    void SetCycleIcons(bool value);
    unsigned CycleInterval() const { return cycleInterval_; }
    void SetCycleInterval(unsigned value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool value);
    const tk::Icon& Icon() const { return icon_; }
    // Copies the image; it reaches the shell with this call's NIM_MODIFY or the next NIM_ADD.
    void SetIcon(const tk::Icon& value);
    void SetIcon(HICON value);
    bool IconVisible() const { return iconVisible_; }
    // true adds the icon, false deletes it, whatever the shell has now.
    void SetIconVisible(bool value);
    int IconIndex() const { return iconIndex_; }
    void SetIconIndex(int value);
    tk::PopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(tk::PopupMenu* value) { popupMenu_ = value; }
    bool LeftPopup() const { return leftPopup_; }
    void SetLeftPopup(bool value) { leftPopup_ = value; }
    bool StartMinimized() const { return startMinimized_; }
    void SetStartMinimized(bool value) { startMinimized_ = value; }
    bool MinimizeToTray() const { return minimizeToTray_; }
    void SetMinimizeToTray(bool value) { minimizeToTray_ = value; }

    TNotifyEvent OnClick, OnDblClick;
    TCycleEvent OnCycle;
    TMouseEvent OnMouseDown, OnMouseUp;
    TMouseMoveEvent OnMouseMove;

    // Each is true when the shell accepted the call.
    virtual bool AddIcon();
    virtual bool RemoveIcon();
    virtual bool UpdateIcon();

    // Taskbar button and main window come back, and the window to the front.
    void ShowMainWindow();
    // Main window and taskbar button go; the icon is not touched.
    void HideMainWindow();

protected:
    void Loaded() override;
    void Notification(tk::Component* component, tk::Operation operation) override;

    virtual void DoClick();
    virtual void DoDblClick();
    virtual void DoCycle();
    virtual void DoMouseDown(MouseButton Button, ShiftState Shift, int X, int Y);
    virtual void DoMouseUp(MouseButton Button, ShiftState Shift, int X, int Y);
    virtual void DoMouseMove(ShiftState Shift, int X, int Y);
    virtual void DoMinimize();

private:
    bool PrepareIconData();
    bool CallShell(DWORD message);
    void CycleTimerTick();

    // The hidden window and the mouse notifications (tray_mouse.cpp).
    LRESULT IconWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnTrayNotification(UINT mouseMessage);
    LRESULT OnTaskbarCreated();
    void Run(const TrayReaction& reaction);
    ShiftState CurrentShiftState() const;
    void ShowPopupAtCursor();
    void ClickDefaultItem();

    // The replaced window procedures (tray_hooks.cpp).
    HWND OwnerWindow() const;
    void HookApplicationWindow();
    void HookOwnerWindow();
    void UnhookApplicationWindow() { applicationHook_.Remove(); }
    void UnhookOwnerWindow() { ownerHook_.Remove(); }
    LRESULT ApplicationWindowHook(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OwnerWindowHook(UINT message, WPARAM wParam, LPARAM lParam);
    void BringForward();
    void FocusActiveControl();

    bool enabled_ = true;
    tk::Icon icon_;
    bool iconVisible_ = true;
    std::string hint_;
    bool showHint_ = false;
    tk::PopupMenu* popupMenu_ = nullptr;
    bool leftPopup_ = false;
    bool startMinimized_ = false;
    bool minimizeToTray_ = false;
    bool clickPending_ = false;
    std::unique_ptr<tk::Timer> cycleTimer_;
    int iconIndex_ = 0;
    bool designPreview_ = false;
    bool settingPreview_ = false;
    tk::ImageList* iconList_ = nullptr;
    bool cycleIcons_ = false;
    unsigned cycleInterval_ = 0;
    tk::Application& application_;
    tk::WindowProcHook applicationHook_;
    tk::WindowProcHook ownerHook_;
    IconData iconData{};
    std::unique_ptr<tk::UtilityWindow> window_;
    // Broadcast by the shell when the notification area was created anew; 0 if unregistered.
    UINT taskbarCreated_;
};

}  // namespace trayicon
