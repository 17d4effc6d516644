#include "settings/settings_session.h"

namespace settings {

bool SettingsSession::FirstRun() {
    if (!IsFirstRun(*store_)) return false;
    loaded_.Mark(LoadStep::Placement);
    return true;
}

WindowValues SettingsSession::LoadPlacement() {
    WindowValues values;
    Load(LoadStep::Placement, values);
    LimitToMinimum(values);
    return values;
}

void SettingsSession::Load(LoadStep step, WindowValues& values) {
    LoadValues(*store_, step, values);
    loaded_.Mark(step);
}

void SettingsSession::Save(const WindowValues& shown, bool keep, const std::string& programPath) {
    if (keep) SaveValues(*store_, shown, loaded_);
    // Otherwise the same value stops every later start with the same box.
    if (unreadable_.empty() || SaveValue(*store_, shown, unreadable_)) return;
    if (unreadable_ == kPathFilename) store_->StoreText(kSection, kPathFilename, programPath);
}

void SettingsSession::StoreFlag(const char* valueName, bool on) {
    if (store_) store_->StoreFlag(kSection, valueName, on);
}

}  // namespace settings
