// What the notification-area icon decides without asking Windows: how each mouse notification
// from the shell turns into component events, the icon-index arithmetic and the tooltip record.
// No <windows.h>.
#pragma once

#include <cstddef>
#include <string_view>

namespace trayicon {

// The shell calls back with this message (WM_USER + 0x400) for icon id 1.
constexpr unsigned kTrayCallbackMessage = 0x800;
constexpr unsigned kIconId = 1;
// szTip of the 88-byte NOTIFYICONDATAA: 63 characters and the terminating zero.
constexpr std::size_t kTipSize = 64;

// The mouse messages the shell passes in lParam.
namespace mouse {
constexpr unsigned kMove = 0x200, kLeftDown = 0x201, kLeftUp = 0x202, kLeftDoubleClick = 0x203;
constexpr unsigned kRightDown = 0x204, kRightUp = 0x205, kRightDoubleClick = 0x206;
constexpr unsigned kMiddleDown = 0x207, kMiddleUp = 0x208, kMiddleDoubleClick = 0x209;
}  // namespace mouse

enum class MouseButton : unsigned char { Left = 0, Right = 1, Middle = 2 };

// One byte of flags: keys held and the button of a button event.
using ShiftState = unsigned char;
namespace shift {
constexpr ShiftState kShift = 0x01, kAlt = 0x02, kCtrl = 0x04;
constexpr ShiftState kLeft = 0x08, kRight = 0x10, kMiddle = 0x20;
}  // namespace shift

ShiftState KeyShiftState(bool shiftDown, bool ctrlDown, bool altDown);
ShiftState ButtonShiftState(MouseButton button);

// The steps a notification runs, in order. Conditions are checked when the step runs, because an
// opened menu runs a message loop and other notifications may change the state meanwhile.
enum class TrayStep : unsigned char {
    MouseMove,         // raise OnMouseMove
    MouseDown,         // raise OnMouseDown for the button
    MouseUp,           // raise OnMouseUp for the button
    MarkClickPending,  // a left press waits for its release to make a click
    ClickIfPending,    // the release that completes a pending press raises OnClick
    DoubleClick,       // raise OnDblClick
    ClickDefaultItem,  // unless LeftPopup: the popup menu's default item, if the menu pops up
    PopupIfLeftPopup,  // the menu at the cursor, when LeftPopup is on
    Popup,             // the menu at the cursor
};

struct TrayReaction {
    bool readsInput;   // shift state and cursor position are read first
    bool buttonEvent;  // the button's flag joins the shift state
    MouseButton button;
    const TrayStep* steps;
    std::size_t count;
};

// The reaction to a mouse notification, or null for one the component ignores.
const TrayReaction* ReactionTo(unsigned mouseMessage);

// The index IconIndex keeps for a requested one: with a list, at most count - 1 (a negative
// index is kept, and yields no image); without a list always 0.
int StoredIconIndex(int requested, bool hasList, int count);
// The image that follows `index` when cycling through `count` images.
int NextIconIndex(int index, int count);

// The tooltip record: the hint cut to 63 characters and zero-terminated, or all zeros when
// there is no hint or hints are off.
void FillTip(char (&tip)[kTipSize], std::string_view hint, bool showHint);

}  // namespace trayicon
