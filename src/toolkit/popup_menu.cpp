#include "toolkit/popup_menu.h"

#include <utility>

namespace tk {

namespace {
constexpr UINT kSeparator = 0;
// TrackPopupMenu's alignment and tracking-button flags.
constexpr UINT kTrackFlags = TPM_LEFTALIGN | TPM_RIGHTBUTTON;
}

PopupMenu::PopupMenu(Component* owner) : Component(owner), menu_(CreatePopupMenu()) {}

// The chosen item's WM_COMMAND comes here, after the menu has closed.
HWND PopupMenu::CommandWindow() {
    if (!window_)
        window_.emplace([this](UINT message, WPARAM wParam, LPARAM lParam) {
            return message == WM_COMMAND ? OnCommand(wParam) : window_->DefaultProc(message, wParam, lParam);
        });
    return window_->Handle();
}

int PopupMenu::AddItem(UINT command, std::string_view caption, std::function<void()> onClick, bool isDefault) {
    items_.push_back({command, std::string(caption), std::move(onClick), isDefault, true});
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_TYPE;
    info.fType = MFT_STRING;
    info.wID = command;
    info.dwTypeData = items_.back().caption.data();
    InsertMenuItemA(menu_.get(), UINT(items_.size() - 1), TRUE, &info);
    Apply(Count() - 1);
    return Count() - 1;
}

int PopupMenu::AddSeparator() {
    items_.push_back({kSeparator, "-", nullptr, false, true});
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_TYPE;
    info.fType = MFT_SEPARATOR;
    InsertMenuItemA(menu_.get(), UINT(items_.size() - 1), TRUE, &info);
    return Count() - 1;
}

void PopupMenu::SetDefault(int index, bool isDefault) {
    items_[index].isDefault = isDefault;
    Apply(index);
}

void PopupMenu::SetEnabled(int index, bool enabled) {
    items_[index].enabled = enabled;
    Apply(index);
}

void PopupMenu::Apply(int index) {
    const Item& item = items_[index];
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE;
    info.fState = (item.isDefault ? MFS_DEFAULT : 0) | (item.enabled ? MFS_ENABLED : MFS_GRAYED);
    SetMenuItemInfoA(menu_.get(), UINT(index), TRUE, &info);
}

void PopupMenu::Click(int index) {
    if (index < 0 || index >= Count()) return;
    const Item& item = items_[index];
    if (item.command == kSeparator || !item.enabled || !item.onClick) return;
    const std::function<void()> onClick = item.onClick;  // the handler may change the menu
    onClick();
}

void PopupMenu::Popup(int x, int y) { TrackPopupMenu(menu_.get(), kTrackFlags, x, y, 0, CommandWindow(), nullptr); }

void PopupMenu::Notification(Component* component, Operation operation) {
    Component::Notification(component, operation);
    if (operation == Operation::Remove && component == popupComponent_) popupComponent_ = nullptr;
}

LRESULT PopupMenu::OnCommand(WPARAM wParam) {
    for (int i = 0; i < Count(); ++i)
        if (items_[i].command != kSeparator && items_[i].command == LOWORD(wParam)) {
            Click(i);
            break;
        }
    return 0;
}

}  // namespace tk
