// The main window's settings over one run: the store from creation to destruction, which stored
// values the start has read, and which one stopped it.
#pragma once

#include <memory>
#include <string>

#include "settings/settings_store.h"
#include "settings/window_settings.h"
#include "settings/window_values.h"

namespace settings {

class SettingsSession {
public:
    // Opens the store; the window holds it until Close.
    void Open() { store_ = std::make_unique<SettingsStore>(); }
    bool IsOpen() const { return bool(store_); }
    SettingsStore& Store() { return *store_; }

    // An option's mark as stored; the mark as it is, `shown`, is the default.
    bool LoadFlag(const char* valueName, bool shown) const { return store_->LoadFlag(kSection, valueName, shown); }
    // Any start without a usable "Width" is a first run, whose centred place counts as read.
    bool FirstRun();
    // The stored placement, at least at the minimum size.
    WindowValues LoadPlacement();
    // The values of one creation step; each absent one keeps what `values` holds.
    void Load(LoadStep step, WindowValues& values);
    // The option marks are read: the last message's step may run.
    void OptionsRead() { loaded_.Mark(LoadStep::Options); }
    bool HasRead(LoadStep step) const { return loaded_.Has(step); }
    // The start stopped at `error`; a value it could not read for its type is written anew at exit.
    void Stopped(const SettingsError& error) { unreadable_ = error.Unreadable(); }

    // The exit: when `keep`, the values the start has read, as `shown`; kept or not, the value
    // that stopped the start, from what the program uses (`programPath` for "PathFilename").
    // Options are not among them: they change only when the user flips them.
    void Save(const WindowValues& shown, bool keep, const std::string& programPath);
    void Close() { store_.reset(); }

    // Stores a flipped option at once; nothing once the store is closed.
    void StoreFlag(const char* valueName, bool on);

private:
    std::unique_ptr<SettingsStore> store_;
    // The stored values the start has read; the exit saves only these.
    LoadedValues loaded_;
    std::string unreadable_;
};

}  // namespace settings
