#include "toolkit/tool_bar.h"

#include "toolkit/access_key.h"
#include "toolkit/hint_text.h"
#include "toolkit/image_list.h"

namespace tk {

namespace {
constexpr int kCaptionPadding = 2 * 2;  // the two button edges
}

ToolBar::~ToolBar() {
    if (hwnd_ && hints_) hints_->Unregister(hwnd_);
}

HWND ToolBar::Create(HWND parent, int id, const ToolBarLook& look, std::vector<ToolButton> buttons,
                     HintTracker& hints) {
    buttons_ = std::move(buttons);
    // The band container places and sizes the bar; it draws through to the container's background.
    // The tooltips are the bar's, but their window waits for the pointer (PointerOver).
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER |
                        TBSTYLE_FLAT | TBSTYLE_TRANSPARENT | (look.captions ? TBSTYLE_LIST : 0);
    hwnd_ = CreateWindowExA(0, TOOLBARCLASSNAMEA, "", style, 0, 0, 0, 0, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    if (!hwnd_) return nullptr;
    SendMessageA(hwnd_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    if (look.images)
        SendMessageA(hwnd_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(look.images->Handle()));
    else
        SendMessageA(hwnd_, TB_SETBITMAPSIZE, 0, MAKELPARAM(0, 0));
    // Caption buttons are as narrow as their text allows: no gap is kept for the image they do
    // not have, and the padding is just what the text needs beside the button's edges.
    if (look.captions) {
        SendMessageA(hwnd_, TB_SETLISTGAP, 0, 0);
        SendMessageA(hwnd_, TB_SETPADDING, 0, MAKELPARAM(kCaptionPadding, 0));
    }
    AddButtons();
    buttonHeight_ = look.buttonHeight;
    SendMessageA(hwnd_, TB_SETBUTTONSIZE, 0, MAKELPARAM(look.buttonWidth, look.buttonHeight));
    hints_ = &hints;
    hints_->Register(hwnd_, this);
    return hwnd_;
}

// The control recomputes its button height from the font whenever the font changes; the
// designed height is set again afterwards.
void ToolBar::FitButtonHeight() { SendMessageA(hwnd_, TB_SETBUTTONSIZE, 0, MAKELPARAM(0, buttonHeight_)); }

void ToolBar::AddButtons() {
    std::vector<std::string> captions;
    captions.reserve(buttons_.size());
    std::vector<TBBUTTON> items(buttons_.size());
    for (size_t i = 0; i < buttons_.size(); ++i) {
        const ToolButton& button = buttons_[i];
        TBBUTTON& item = items[i];
        item.iBitmap = button.image;
        item.idCommand = button.id;
        item.fsState = TBSTATE_ENABLED;
        item.fsStyle = button.style;
        item.iString = -1;
        if (!button.caption.empty()) {
            // A std::string pushed, not emplaced from the view: the program keeps one growth routine.
            captions.push_back(std::string(button.caption));
            item.iString = reinterpret_cast<INT_PTR>(captions.back().c_str());
        }
    }
    SendMessageA(hwnd_, TB_ADDBUTTONSA, items.size(), reinterpret_cast<LPARAM>(items.data()));
}

int ToolBar::IndexOf(int id) const {
    for (size_t i = 0; i < buttons_.size(); ++i)
        if (buttons_[i].id == id) return int(i);
    return -1;
}

int ToolBar::HitTest(POINT screen) const {
    ScreenToClient(hwnd_, &screen);
    const int index = int(SendMessageA(hwnd_, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&screen)));
    return index >= 0 && index < ButtonCount() ? index : -1;
}

RECT ToolBar::ButtonScreenRect(int index) const {
    RECT rect{};
    SendMessageA(hwnd_, TB_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&rect));
    MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int ToolBar::IndexOfAccessKey(char key) const {
    for (size_t i = 0; i < buttons_.size(); ++i)
        if (MatchesAccessKey(buttons_[i].caption, key)) return int(i);
    return -1;
}

void ToolBar::SetPressed(int index, bool pressed) {
    SendMessageA(hwnd_, TB_PRESSBUTTON, WPARAM(Button(index).id), MAKELPARAM(pressed, 0));
}

std::string ToolBar::HintAt(POINT screen) const {
    const int index = HitTest(screen);
    return index < 0 ? std::string() : std::string(Button(index).hint);
}

void ToolBar::PointerOver(POINT screen) {
    if (!tooltips_) CreateTooltips(screen);
}

// What the bar itself would make at its creation, made when first needed: a start shows the bar
// without a tooltip window that the pointer may never ask for.
void ToolBar::CreateTooltips(POINT screen) {
    tooltips_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, hwnd_, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!tooltips_) return;
    SendMessageA(hwnd_, TB_SETTOOLTIPS, WPARAM(tooltips_), 0);
    // One tool per button, its text asked for when shown; the bar keeps the rectangles current.
    for (int i = 0; i < ButtonCount(); ++i) {
        if (Button(i).style & BTNS_SEP) continue;
        TOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.hwnd = hwnd_;
        tool.uId = UINT_PTR(Button(i).id);
        SendMessageA(hwnd_, TB_GETITEMRECT, WPARAM(i), reinterpret_cast<LPARAM>(&tool.rect));
        tool.lpszText = LPSTR_TEXTCALLBACKA;
        SendMessageA(tooltips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    // The move that brought the pointer here reached the bar before the tooltip existed.
    POINT client = screen;
    ScreenToClient(hwnd_, &client);
    MSG move{hwnd_, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y), 0, screen};
    SendMessageA(tooltips_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
}

bool ToolBar::HandleNotify(NMHDR& header, LRESULT& result) {
    if (header.code != TTN_GETDISPINFOA || !tooltips_ || header.hwndFrom != tooltips_) return false;
    const int index = IndexOf(int(header.idFrom));
    if (index < 0) return false;
    auto& info = reinterpret_cast<NMTTDISPINFOA&>(header);
    tipText_ = ShortHint(Button(index).hint);
    info.lpszText = tipText_.data();
    info.hinst = nullptr;
    result = 0;
    return true;
}

}  // namespace tk
