// A popup menu built from items that each carry a default flag, an enabled flag and a click
// handler. Shown at a screen point, it returns when it closes; the chosen item's handler runs
// later from the message queue, as WM_COMMAND reaches the menu's own hidden window.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/component.h"
#include "toolkit/handles.h"
#include "toolkit/utility_window.h"

namespace tk {

class PopupMenu : public Component {
public:
    explicit PopupMenu(Component* owner = nullptr);

    HMENU Handle() const { return menu_.get(); }

    // Appends an item with its command id (unique in the menu); returns its index.
    int AddItem(UINT command, std::string_view caption, std::function<void()> onClick, bool isDefault = false);
    int AddSeparator();

    int Count() const { return static_cast<int>(items_.size()); }
    UINT Command(int index) const { return items_[index].command; }
    bool Default(int index) const { return items_[index].isDefault; }
    // Default items are drawn in bold; more than one may carry the flag.
    void SetDefault(int index, bool isDefault);
    bool Enabled(int index) const { return items_[index].enabled; }
    void SetEnabled(int index, bool enabled);
    // Runs the item's handler; a disabled item or a separator ignores the click.
    void Click(int index);

    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool autoPopup) { autoPopup_ = autoPopup; }
    // The component that last opened the menu.
    Component* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(Component* component) { popupComponent_ = component; }
    // Shows the menu at a screen point and returns when it has closed.
    void Popup(int x, int y);

protected:
    void Notification(Component* component, Operation operation) override;

private:
    struct Item {
        UINT command;
        std::string caption;
        std::function<void()> onClick;
        bool isDefault;
        bool enabled;
    };
    void Apply(int index);
    LRESULT OnCommand(WPARAM wParam);
    HWND CommandWindow();

    std::vector<Item> items_;
    MenuHandle menu_;
    bool autoPopup_ = true;
    Component* popupComponent_ = nullptr;
    std::optional<UtilityWindow> window_;  // made at the first popup
};

}  // namespace tk
