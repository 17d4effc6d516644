#include "trayicon/tray_logic.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace trayicon {

namespace {

using S = TrayStep;

constexpr TrayStep kMoveSteps[] = {S::MouseMove};
constexpr TrayStep kLeftDownSteps[] = {S::MouseDown, S::MarkClickPending, S::PopupIfLeftPopup};
constexpr TrayStep kLeftUpSteps[] = {S::ClickIfPending, S::MouseUp};
constexpr TrayStep kDoubleClickSteps[] = {S::DoubleClick, S::ClickDefaultItem};
constexpr TrayStep kRightDownSteps[] = {S::MouseDown, S::Popup};
constexpr TrayStep kButtonUpSteps[] = {S::MouseUp};
constexpr TrayStep kButtonDownSteps[] = {S::MouseDown};

struct Entry {
    unsigned message;
    TrayReaction reaction;
};

template <std::size_t N>
constexpr TrayReaction ButtonReaction(MouseButton button, const TrayStep (&steps)[N]) {
    return {true, true, button, steps, N};
}

// Mouse moves carry no button; a double-click reads neither keys nor cursor.
constexpr Entry kReactions[] = {
    {mouse::kMove, {true, false, MouseButton::Left, kMoveSteps, std::size(kMoveSteps)}},
    {mouse::kLeftDown, ButtonReaction(MouseButton::Left, kLeftDownSteps)},
    {mouse::kLeftUp, ButtonReaction(MouseButton::Left, kLeftUpSteps)},
    {mouse::kLeftDoubleClick, {false, false, MouseButton::Left, kDoubleClickSteps, std::size(kDoubleClickSteps)}},
    {mouse::kRightDown, ButtonReaction(MouseButton::Right, kRightDownSteps)},
    {mouse::kRightUp, ButtonReaction(MouseButton::Right, kButtonUpSteps)},
    {mouse::kMiddleDown, ButtonReaction(MouseButton::Middle, kButtonDownSteps)},
    {mouse::kMiddleUp, ButtonReaction(MouseButton::Middle, kButtonUpSteps)},
};

}  // namespace

ShiftState KeyShiftState(bool shiftDown, bool ctrlDown, bool altDown) {
    return ShiftState((shiftDown ? shift::kShift : 0) | (ctrlDown ? shift::kCtrl : 0) | (altDown ? shift::kAlt : 0));
}

ShiftState ButtonShiftState(MouseButton button) {
    switch (button) {
    case MouseButton::Left: return shift::kLeft;
    case MouseButton::Right: return shift::kRight;
    case MouseButton::Middle: return shift::kMiddle;
    }
    return 0;
}

const TrayReaction* ReactionTo(unsigned mouseMessage) {
    for (const Entry& entry : kReactions)
        if (entry.message == mouseMessage) return &entry.reaction;
    return nullptr;
}

int StoredIconIndex(int requested, bool hasList, int count) {
    if (!hasList) return 0;
    return requested < count ? requested : count - 1;
}

int NextIconIndex(int index, int count) { return index < count - 1 ? index + 1 : 0; }

void FillTip(char (&tip)[kTipSize], std::string_view hint, bool showHint) {
    std::fill(std::begin(tip), std::end(tip), '\0');
    if (!showHint || hint.empty()) return;
    const std::size_t length = std::min(hint.size(), kTipSize - 1);
    std::memcpy(tip, hint.data(), length);
}

}  // namespace trayicon
