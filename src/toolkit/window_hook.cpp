#include "toolkit/window_hook.h"

#include <array>
#include <stdexcept>
#include <utility>

#include "toolkit/guarded.h"

namespace tk {

namespace {

// One procedure entry per live hook: a fixed set of distinct functions, so no code is made at run time.
constexpr int kEntries = 32;

struct Slot {
    bool used = false;
    WindowProcHook* hook = nullptr;  // null once the hook is gone but the entry must still pass messages on
    WNDPROC previous = nullptr;
};

Slot slots[kEntries];

}  // namespace

struct HookDispatch {
    static LRESULT Run(int index, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        const Slot& slot = slots[index];
        if (!slot.hook) return CallWindowProcA(slot.previous, window, message, wParam, lParam);
        WindowProcHook* hook = slot.hook;
        return Guarded<LRESULT>([&] { return hook->handler_(message, wParam, lParam); }, 0);
    }
};

namespace {

template <int Index>
LRESULT CALLBACK Entry(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return HookDispatch::Run(Index, window, message, wParam, lParam);
}

template <int... Index>
constexpr auto MakeEntries(std::integer_sequence<int, Index...>) {
    return std::array<WNDPROC, sizeof...(Index)>{&Entry<Index>...};
}

constexpr auto kEntryProcs = MakeEntries(std::make_integer_sequence<int, kEntries>{});

LONG_PTR AsLongPtr(WNDPROC proc) { return reinterpret_cast<LONG_PTR>(proc); }

}  // namespace

void WindowProcHook::Install(HWND window, Handler handler) {
    Remove();
    int free = 0;
    while (free < kEntries && slots[free].used) ++free;
    if (free == kEntries) throw std::runtime_error("Nedostatek volných procedur oken");
    handler_ = std::move(handler);
    window_ = window;
    slot_ = free;
    Slot& slot = slots[free];
    slot.used = true;
    slot.hook = this;
    previous_ = slot.previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
    SetWindowLongPtrA(window, GWLP_WNDPROC, AsLongPtr(kEntryProcs[free]));
}

void WindowProcHook::Remove() {
    if (slot_ < 0) return;
    Slot& slot = slots[slot_];
    const bool ours = IsWindow(window_) && GetWindowLongPtrA(window_, GWLP_WNDPROC) == AsLongPtr(kEntryProcs[slot_]);
    if (ours) SetWindowLongPtrA(window_, GWLP_WNDPROC, AsLongPtr(slot.previous));
    if (ours || !IsWindow(window_))
        slot = Slot{};
    else
        slot.hook = nullptr;
    slot_ = -1;
}

LRESULT WindowProcHook::CallPrevious(UINT message, WPARAM wParam, LPARAM lParam) const {
    // Still valid after Remove, so a handler that removes its own hook can finish the message.
    return previous_ ? CallWindowProcA(previous_, window_, message, wParam, lParam)
                     : DefWindowProcA(window_, message, wParam, lParam);
}

}  // namespace tk
