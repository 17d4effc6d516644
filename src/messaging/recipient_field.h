// The recipient controls of the main window: the two mode buttons and the one-line field, which
// keeps names in capitals and shows the workgroup placeholder when it holds none.
#pragma once

#include <windows.h>

#include <string>

#include "settings/settings_store.h"
#include "settings/window_settings.h"
#include "settings/window_values.h"

namespace messaging {

class RecipientField {
public:
    // The controls as laid out: the person button checked, the field empty.
    void Attach(HWND personButton, HWND workgroupButton, HWND field);

    // The field loses the focus to another control of its window.
    void Leave();

    // The mode from "Workgroup", then the text from "Destination"; what the controls show is
    // the default of each. Each value read is marked in `loaded`.
    void Restore(const settings::SettingsStore& store, settings::LoadedValues& loaded);
    // The mode and the text as they are stored.
    void Record(settings::WindowValues& values) const;

private:
    void SetWorkgroupMode(bool on);

    HWND person_ = nullptr;
    HWND workgroup_ = nullptr;
    HWND field_ = nullptr;
};

}  // namespace messaging
