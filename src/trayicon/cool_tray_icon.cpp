#include "trayicon/cool_tray_icon.h"

#include <shellapi.h>


namespace trayicon {

namespace {
constexpr UINT kIconDataFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
constexpr char kTaskbarCreated[] = "TaskbarCreated";
}  // namespace

TCoolTrayIcon::TCoolTrayIcon(tk::Application& application, tk::Component* owner, bool designing)
    : tk::Component(owner, designing), application_(application), taskbarCreated_(RegisterWindowMessageA(kTaskbarCreated)) {
    iconData.cbSize = kIconDataSize;
    window_ = std::make_unique<tk::UtilityWindow>(
        [this](UINT m, WPARAM w, LPARAM l) { return IconWindowProc(m, w, l); }, kWindowClass);
    iconData.hWnd = window_->Handle();
    iconData.uID = kIconId;
    iconData.uFlags = kIconDataFlags;
    iconData.uCallbackMessage = kTrayCallbackMessage;
    cycleTimer_ = std::make_unique<tk::Timer>([this] { CycleTimerTick(); });
    cycleTimer_->SetInterval(cycleInterval_);
    if (!Designing()) HookApplicationWindow();
    if (!Designing()) HookOwnerWindow();
}

TCoolTrayIcon::~TCoolTrayIcon() {
    SetIconVisible(false);
    icon_.Clear();
    window_.reset();
    cycleTimer_.reset();
    if (!Designing()) UnhookApplicationWindow();
    if (!Designing()) UnhookOwnerWindow();
}

// ---- properties ----

void TCoolTrayIcon::SetDesignPreview(bool value) {
    designPreview_ = value;
    settingPreview_ = true;
    SetIconVisible(value);
    settingPreview_ = false;
}

void TCoolTrayIcon::SetIconList(tk::ImageList* value) {
    iconList_ = value;
    SetIconIndex(0);
}

void TCoolTrayIcon::SetCycleIcons(bool value) {
    cycleIcons_ = value;
    if (value) SetIconIndex(0);
    cycleTimer_->SetEnabled(value);
}

void TCoolTrayIcon::SetCycleInterval(unsigned value) {
    cycleInterval_ = value;
    cycleTimer_->SetInterval(value);
}

void TCoolTrayIcon::SetHint(const std::string& value) {
    hint_ = value;
    UpdateIcon();
}

void TCoolTrayIcon::SetShowHint(bool value) {
    showHint_ = value;
    UpdateIcon();
}

void TCoolTrayIcon::SetIcon(const tk::Icon& value) { SetIcon(value.Handle()); }

void TCoolTrayIcon::SetIcon(HICON value) {
    icon_.AssignImage(value);
    UpdateIcon();
}

void TCoolTrayIcon::SetIconVisible(bool value) {
    if (value)
        AddIcon();
    else
        RemoveIcon();
}

void TCoolTrayIcon::SetIconIndex(int value) {
    iconIndex_ = StoredIconIndex(value, iconList_ != nullptr, iconList_ ? iconList_->Count() : 0);
    if (iconList_) iconList_->GetIcon(iconIndex_, icon_);
    UpdateIcon();
}

// ---- the shell ----

bool TCoolTrayIcon::PrepareIconData() {
    if (Designing() && !settingPreview_ && !designPreview_) return false;
    iconData.hIcon = icon_.Handle();
    FillTip(iconData.szTip, hint_, showHint_);
    return true;
}

bool TCoolTrayIcon::CallShell(DWORD message) { return PrepareIconData() && ShellNotify(message, iconData) != 0; }

bool TCoolTrayIcon::AddIcon() {
    if (!settingPreview_) iconVisible_ = true;
    if (Designing() && !settingPreview_) return false;
    return CallShell(NIM_ADD);
}

bool TCoolTrayIcon::RemoveIcon() {
    if (!settingPreview_) iconVisible_ = false;
    if (Designing() && !settingPreview_) return false;
    return CallShell(NIM_DELETE);
}

bool TCoolTrayIcon::UpdateIcon() { return CallShell(NIM_MODIFY); }

// ---- cycling ----

void TCoolTrayIcon::CycleTimerTick() {
    if (!iconList_) return;
    iconList_->GetIcon(iconIndex_, icon_);
    DoCycle();
    UpdateIcon();
    // OnCycle may have taken the list away.
    SetIconIndex(iconList_ ? NextIconIndex(iconIndex_, iconList_->Count()) : 0);
}

void TCoolTrayIcon::DoCycle() {
    if (OnCycle && iconList_) OnCycle(*this, NextIconIndex(iconIndex_, iconList_->Count()));
}

// ---- component notifications ----

void TCoolTrayIcon::Loaded() {
    tk::Component::Loaded();
    if (startMinimized_ && !Designing()) {
        application_.SetShowMainForm(false);
        ShowWindow(application_.Handle(), SW_HIDE);
    }
    UpdateIcon();
    SetIconVisible(iconVisible_);
}

void TCoolTrayIcon::Notification(tk::Component* component, tk::Operation operation) {
    tk::Component::Notification(component, operation);
    if (operation != tk::Operation::Remove) return;
    if (component == iconList_) SetIconList(nullptr);
    if (component == popupMenu_) SetPopupMenu(nullptr);
}

}  // namespace trayicon
