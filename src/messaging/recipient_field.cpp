#include "messaging/recipient_field.h"

#include "messaging/recipient_rules.h"
#include "settings/window_settings.h"
#include "toolkit/controls.h"
#include "toolkit/navigation.h"

namespace messaging {

void RecipientField::Attach(HWND personButton, HWND workgroupButton, HWND field) {
    person_ = personButton;
    workgroup_ = workgroupButton;
    field_ = field;
}

void RecipientField::Leave() {
    const std::string text = tk::GetText(field_);
    const std::string left = LeftText(text);
    if (left != text) tk::SetText(field_, left);
}

void RecipientField::Restore(const settings::SettingsStore& store, settings::LoadedValues& loaded) {
    settings::WindowValues values;
    values.workgroup = tk::IsChecked(workgroup_);
    settings::LoadValues(store, settings::LoadStep::Workgroup, values, loaded);
    SetWorkgroupMode(values.workgroup);
    values.destination = tk::GetText(field_);
    settings::LoadValues(store, settings::LoadStep::Destination, values, loaded);
    tk::SetText(field_, RestoredText(values.destination));
}

void RecipientField::Record(settings::WindowValues& values) const {
    values.workgroup = tk::IsChecked(workgroup_);
    values.destination = StoredText(tk::GetText(field_));
}

// Checking the workgroup button unchecks the person button; unchecking it leaves the pair as it is.
void RecipientField::SetWorkgroupMode(bool on) {
    tk::SetChecked(workgroup_, on);
    if (!on) return;
    tk::SetChecked(person_, false);
    tk::UpdateRadioTabStops(workgroup_);
}

}  // namespace messaging
