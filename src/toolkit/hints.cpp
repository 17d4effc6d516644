#include "toolkit/hints.h"

#include <algorithm>

namespace tk {

void HintTracker::Register(HWND window, HintSource* source) {
    Unregister(window);
    entries_.push_back({window, source});
}

void HintTracker::Unregister(HWND window) {
    std::erase_if(entries_, [window](const Entry& entry) { return entry.window == window; });
}

HintSource* HintTracker::Find(HWND window) const {
    const auto found =
        std::find_if(entries_.begin(), entries_.end(), [window](const Entry& entry) { return entry.window == window; });
    return found == entries_.end() ? nullptr : found->source;
}

std::string HintTracker::HintAt(POINT screen) {
    HWND window = WindowFromPoint(screen);
    // Windows of other threads never carry our hints.
    if (!window || GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) return {};
    for (; window; window = GetParent(window))
        if (HintSource* source = Find(window)) {
            source->PointerOver(screen);
            return source->HintAt(screen);
        }
    return {};
}

}  // namespace tk
