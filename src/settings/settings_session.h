// The main window's settings over one run: read in one sequence while the window is made, and
// written back when it goes.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "settings/settings_store.h"
#include "settings/window_settings.h"
#include "settings/window_values.h"
#include "toolkit/check_mark.h"

namespace settings {

// A check mark stored as an on/off value; the mark as it is counts as the default.
struct StoredMark {
    const char* valueName;
    tk::CheckMark mark;
};

// What the sequence reads into and saves from, in the order it goes.
struct SessionWindow {
    HWND window = nullptr;             // placed at the start, measured at the exit
    StoredMark keepSettings;           // read first: it decides what a first run may do
    std::function<void()> firstRun;    // what a first run does when settings are kept
    std::vector<StoredMark> options;   // the other marks
    // The parts that read their own values, each marked in `loaded`.
    std::function<void(const SettingsStore&, LoadedValues&)> restore;
    // Repairs what a move of the program left behind.
    std::function<void(SettingsStore&)> repair;
    std::string programPath;  // "PathFilename" as the repair records it
    // The parts' values as they are shown now, beside the placement.
    std::function<void(WindowValues&)> record;
};

// The design size in the middle of the primary screen.
WindowValues CentredPlacement();

class SettingsSession {
public:
    // Opens the store and loads every value into `window`; an error stops the sequence where it
    // is raised.
    void Load(SessionWindow window);
    // Whether the start got past the option marks, the last message's among them.
    bool OptionsRead() const { return optionsRead_; }
    // When settings are kept, saves the values the start has read; a window value or the program
    // path that stopped the start for its type is written anew, kept or not, from what the
    // program uses. Then closes the store. Nothing when the start
    // never opened it.
    void Save();

    SettingsStore& Store() { return *store_; }
    // Stores a flipped option at once; nothing once the store is closed.
    void StoreFlag(const char* valueName, bool on);

private:
    void LoadMark(const StoredMark& mark);
    // A first run opens in the middle of the screen; later runs where they were, at least at
    // the minimum size.
    void Place(bool firstRun);
    WindowValues ShownValues() const;
    void RewriteUnreadable();

    SessionWindow window_;
    std::unique_ptr<SettingsStore> store_;
    // The stored values the start has read; the exit saves only these.
    LoadedValues loaded_;
    bool optionsRead_ = false;
    std::string unreadable_;  // the value whose type stopped the start
};

}  // namespace settings
