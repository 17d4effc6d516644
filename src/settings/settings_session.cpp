#include "settings/settings_session.h"

#include <utility>

namespace settings {

WindowValues CentredPlacement() {
    WindowValues placement;
    CentreOnScreen(placement, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    return placement;
}

void SettingsSession::Load(SessionWindow window) {
    window_ = std::move(window);
    store_ = std::make_unique<SettingsStore>();
    try {
        LoadMark(window_.keepSettings);
        const bool firstRun = IsFirstRun(*store_);
        Place(firstRun);
        if (firstRun && window_.keepSettings.mark.checked()) window_.firstRun();
        for (const StoredMark& option : window_.options) LoadMark(option);
        optionsRead_ = true;
        window_.restore(*store_, loaded_);
        window_.repair(*store_);
    } catch (const SettingsError& error) {
        unreadable_ = error.Unreadable();
        throw;
    }
}

void SettingsSession::Save() {
    if (!store_) return;
    if (window_.keepSettings.mark.checked()) SaveValues(*store_, ShownValues(), loaded_);
    RewriteUnreadable();
    store_.reset();
}

// Otherwise the same value stops every later start with the same box. Only values the program
// writes itself: an option's value changes only when the user flips the option.
void SettingsSession::RewriteUnreadable() {
    if (unreadable_.empty() || SaveValue(*store_, ShownValues(), unreadable_)) return;
    if (unreadable_ == kPathFilename) store_->StoreText(kSection, kPathFilename, window_.programPath);
}

void SettingsSession::StoreFlag(const char* valueName, bool on) {
    if (store_) store_->StoreFlag(kSection, valueName, on);
}

void SettingsSession::LoadMark(const StoredMark& mark) {
    mark.mark.setChecked(store_->LoadFlag(kSection, mark.valueName, mark.mark.checked()));
}

void SettingsSession::Place(bool firstRun) {
    if (firstRun) loaded_.Mark(LoadStep::Placement);  // the centred place is this run's own
    const WindowValues placement = firstRun ? CentredPlacement() : LoadPlacement(*store_, loaded_);
    SetWindowPos(window_.window, nullptr, placement.left, placement.top, placement.width, placement.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

WindowValues SettingsSession::ShownValues() const {
    RECT frame{};
    GetWindowRect(window_.window, &frame);
    WindowValues values;
    values.left = frame.left;
    values.top = frame.top;
    values.width = frame.right - frame.left;
    values.height = frame.bottom - frame.top;
    window_.record(values);
    return values;
}

}  // namespace settings
