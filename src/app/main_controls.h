// The main window's controls below the bars: the editor, the recipient panel and the status
// line, made in tab order and placed in one batch.
#pragma once

#include <windows.h>

#include "messaging/recipient_field.h"
#include "toolkit/control_events.h"
#include "toolkit/edit.h"
#include "toolkit/panel.h"
#include "toolkit/status_bar.h"

namespace app {

class MainControls {
public:
    // Makes the controls in `form`: `escape` sees the keys typed into the editor and the mode
    // buttons, `fieldKey` and `leaveField` the recipient field's.
    void Create(HWND form, const tk::ControlEvents::KeyPressHandler& escape,
                const tk::ControlEvents::KeyPressHandler& fieldKey, const tk::ControlEvents::ExitHandler& leaveField);
    // Places the panel at `top`, the status line at the bottom, the editor between them.
    void Layout(HWND form, int top) const;

    tk::Edit Memo1;
    messaging::RecipientField Recipient;
    tk::StatusBar StatusLine;

private:
    tk::Panel Panel1;
    // Memo1, then the recipient controls: person button, workgroup button, field.
    tk::ControlEvents events_[4];
};

}  // namespace app
