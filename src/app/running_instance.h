// The running instance as the system and a second start see it: the global atom that says one
// runs, and "Handle", the application window a second start hands over to.
#pragma once

#include <windows.h>

#include <optional>

#include "settings/settings_store.h"
#include "toolkit/handles.h"

namespace app {

class RunningInstance {
public:
    // The application window of the instance already running, or null. Only a live application
    // window of this program counts, and a "Handle" that cannot be read counts as absent.
    static HWND Find(const settings::SettingsStore& store);

    // The atom goes up as the main window is made, "Handle" where its settings are read.
    void AddMarker() { atom_.Add(kAtom); }
    void RecordWindow(HWND applicationWindow);
    // At exit, "Handle" after the settings are saved (a failed save keeps it), then the atom.
    void DropWindow();
    void DropMarker() { atom_.Delete(); }

private:
    static constexpr char kAtom[] = "BRANTEL_PEBBLEWIRE_IS_RUNNING";

    tk::GlobalAtom atom_;
    // Open from the recording to the drop, as the settings are while the window lives. Opened
    // before the write: a write that failed may still have left the value.
    std::optional<settings::SettingsStore> store_;
};

}  // namespace app
