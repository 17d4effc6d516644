#include "app/running_instance.h"

#include <cstdint>
#include <string_view>

#include "toolkit/application.h"

namespace app {

namespace {

// Only a live application window of this program counts: a marker left by an instance that was
// killed, or whose clean-up failed, must not keep the program from starting.
bool IsApplicationWindow(HWND window) {
    char className[sizeof tk::Application::kClassName + 1] = {};
    return window && IsWindow(window) && GetClassNameA(window, className, sizeof className) &&
           std::string_view(className) == tk::Application::kClassName;
}

}  // namespace

// A "Handle" of another registry type counts as absent: otherwise the program would end before
// its window, at every start, until the user mended the registry by hand. The window's creation
// writes it anew.
HWND RunningInstance::Find(const settings::SettingsStore& store) {
    if (!tk::GlobalAtom::Exists(kAtom)) return nullptr;
    std::int32_t stored = 0;
    try {
        stored = store.LoadNumber(settings::kSection, settings::kHandle, 0);
    } catch (const settings::SettingsError&) {
    }
    HWND window = reinterpret_cast<HWND>(static_cast<INT_PTR>(stored));
    return IsApplicationWindow(window) ? window : nullptr;
}

void RunningInstance::RecordWindow(HWND applicationWindow) {
    store_.emplace();
    store_->StoreNumber(settings::kSection, settings::kHandle,
                        static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(applicationWindow)));
}

void RunningInstance::DropWindow() {
    if (store_) store_->DropValue(settings::kSection, settings::kHandle);
    store_.reset();
}

}  // namespace app
