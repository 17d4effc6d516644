// A flat tool bar whose buttons come from one table. Each button carries a hint: its short part
// is the tooltip, its long part goes to the status line while the pointer rests on the button.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <string_view>
#include <vector>

#include "toolkit/hints.h"

namespace tk {

class ImageList;

struct ToolButton {
    int id;                    // command the button sends
    int image;                 // index in the tool bar's image list, or I_IMAGENONE
    std::string_view caption;  // shown only by tool bars that show captions
    std::string hint;          // "short|long"
    BYTE style;                // BTNS_* flags
};

struct ToolBarLook {
    bool captions;    // buttons show their captions and are sized to them
    int buttonWidth;  // for image buttons; 0 when sized to captions
    int buttonHeight;
    const ImageList* images;  // null for a tool bar without images
};

class ToolBar : public HintSource {
public:
    ToolBar() = default;
    ToolBar(const ToolBar&) = delete;
    ToolBar& operator=(const ToolBar&) = delete;
    ~ToolBar();

    // The bar registers with `hints` for as long as it lives.
    HWND Create(HWND parent, int id, const ToolBarLook& look, std::vector<ToolButton> buttons, HintTracker& hints);
    HWND Handle() const { return hwnd_; }

    int ButtonCount() const { return int(buttons_.size()); }
    const ToolButton& Button(int index) const { return buttons_[size_t(index)]; }
    int IndexOf(int id) const;
    // The button at a screen point, or -1.
    int HitTest(POINT screen) const;
    RECT ButtonScreenRect(int index) const;
    // The button whose caption has this access letter, or -1.
    int IndexOfAccessKey(char key) const;

    // Keeps caption buttons at the designed height after the bar's font changed.
    void FitButtonHeight();

    void SetPressed(int index, bool pressed);
    void SetHotItem(int index) { SendMessageA(hwnd_, TB_SETHOTITEM, WPARAM(index), 0); }

    std::string HintAt(POINT screen) const override;
    void PointerOver(POINT screen) override;
    // Answers the tooltip's request for a button's text; false when the notification is not ours.
    bool HandleNotify(NMHDR& header, LRESULT& result);

private:
    void AddButtons();
    void CreateTooltips(POINT screen);

    HWND hwnd_ = nullptr;
    HWND tooltips_ = nullptr;  // made when the pointer first comes over the bar
    HintTracker* hints_ = nullptr;
    std::vector<ToolButton> buttons_;
    int buttonHeight_ = 0;
    std::string tipText_;  // the tooltip reads the text after the notification returns
};

}  // namespace tk
