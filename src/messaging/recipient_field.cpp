#include "messaging/recipient_field.h"

#include "messaging/recipient_rules.h"
#include "toolkit/navigation.h"

namespace messaging {

namespace {

// The buttons one above the other at the panel's left, the field beside them; its width is the
// one it has at the window's minimum width.
constexpr tk::Place kPersonPlace{3, 4, 130, 17};
constexpr tk::Place kWorkgroupPlace{3, 21, 130, 17};
constexpr tk::Place kFieldPlace{133, 10, 201, 21};

}  // namespace

void RecipientField::Create(HWND panel, Ids ids) {
    person_.Create(0, "BUTTON", "Uživatel nebo počítač:", WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON, kPersonPlace,
                   panel, ids.person);
    workgroup_.Create(0, "BUTTON", "Pracovní skupina:", BS_AUTORADIOBUTTON, kWorkgroupPlace, panel, ids.workgroup);
    field_.Create(WS_EX_CLIENTEDGE, "EDIT", "", WS_GROUP | WS_TABSTOP | ES_AUTOHSCROLL, kFieldPlace, panel, ids.field);
    person_.SetChecked(true);
    tk::UpdateRadioTabStops(person_);
}

void RecipientField::Stretch(int extra) const {
    SetWindowPos(field_, nullptr, 0, 0, kFieldPlace.width + extra, kFieldPlace.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void RecipientField::Leave() const {
    const std::string text = field_.Text();
    const std::string left = LeftText(text);
    if (left != text) field_.SetText(left);
}

void RecipientField::Record(settings::WindowValues& values) const {
    values.workgroup = workgroup_.Checked();
    values.destination = StoredText(field_.Text());
}

void RecipientField::SetWorkgroupMode(bool on) const {
    workgroup_.SetChecked(on);
    if (!on) return;
    person_.SetChecked(false);
    tk::UpdateRadioTabStops(workgroup_);
}

}  // namespace messaging
