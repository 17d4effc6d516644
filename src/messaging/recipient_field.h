// The recipient controls of the main window: the two mode buttons and the one-line field, which
// keeps names in capitals and shows the workgroup placeholder when it holds none.
#pragma once

#include <windows.h>

#include <string>

#include "messaging/message_dispatch.h"
#include "messaging/recipient_rules.h"
#include "settings/window_values.h"
#include "toolkit/button.h"
#include "toolkit/edit.h"

namespace messaging {

class RecipientField {
public:
    // The control ids of the person button, the workgroup button and the field.
    struct Ids {
        int person, workgroup, field;
    };

    // Makes the controls in `panel` in tab order, the person button checked, the field empty.
    void Create(HWND panel, Ids ids);

    HWND PersonButton() const { return person_; }
    HWND WorkgroupButton() const { return workgroup_; }
    HWND Field() const { return field_; }
    // The field grows and shrinks with the window: `extra` pixels beyond its width at the minimum.
    void Stretch(int extra) const;

    // The field loses the focus to another control of its window.
    void Leave() const;
    // Whom a send now goes to: the field as it stands, and the mode.
    SendTarget Target() const { return {field_.Text(), workgroup_.Checked()}; }

    // The mode and the text as they are stored.
    void Record(settings::WindowValues& values) const;
    // Checking the workgroup button unchecks the person button; unchecking it leaves the pair as
    // it is.
    void SetWorkgroupMode(bool on) const;
    // A stored text in capitals, or the placeholder for none.
    void ShowStored(const std::string& text) const { field_.SetText(RestoredText(text)); }

private:

    tk::Button person_;
    tk::Button workgroup_;
    tk::Edit field_;
};

}  // namespace messaging
