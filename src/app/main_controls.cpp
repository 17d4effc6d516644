#include "app/main_controls.h"

#include <commctrl.h>

#include "app/command_ids.h"
#include "settings/window_values.h"
#include "toolkit/control_helpers.h"

namespace app {

namespace {

constexpr int kPanelHeight = 42;
constexpr int kStatusLineHeight = 19;

}  // namespace

void MainControls::Create(HWND form, const tk::ControlEvents::KeyPressHandler& escape,
                          const tk::ControlEvents::KeyPressHandler& fieldKey,
                          const tk::ControlEvents::ExitHandler& leaveField) {
    // Creation order is the tab order: the editor first, then the recipient controls. The layout
    // places the editor and the status line.
    Memo1.Create(WS_EX_CLIENTEDGE, "EDIT", "",
                 WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL, {}, form,
                 IDC_MEMO1);
    Memo1.SetLimitText(0);
    Panel1.Create(form, IDC_PANEL1, 0, 0, settings::kWindowWidth, kPanelHeight);
    Recipient.Create(Panel1.Handle(), {IDC_RADIOBUTTON1, IDC_RADIOBUTTON2, IDC_EDIT1});
    // Placed at its designed height, not at the height its font would give it. No tooltip
    // window: the line never has tip text for one to show.
    StatusLine.Create(0, STATUSCLASSNAMEA, "", CCS_NOPARENTALIGN | CCS_NORESIZE | SBARS_SIZEGRIP, {}, form,
                      IDC_STATUSLINE);
    StatusLine.SetSimple(true);
    events_[0].Attach(Memo1, escape);
    events_[1].Attach(Recipient.PersonButton(), escape);
    events_[2].Attach(Recipient.WorkgroupButton(), escape);
    events_[3].Attach(Recipient.Field(), fieldKey, leaveField);
}

void MainControls::Layout(HWND form, int top) const {
    RECT client;
    GetClientRect(form, &client);
    const int memoTop = top + kPanelHeight;
    const int statusTop = client.bottom - kStatusLineHeight;
    const int memoHeight = statusTop > memoTop ? statusTop - memoTop : 0;
    constexpr UINT kPlace = SWP_NOZORDER | SWP_NOACTIVATE;
    HDWP batch = BeginDeferWindowPos(3);
    batch = DeferWindowPos(batch, Panel1.Handle(), nullptr, 0, top, client.right, kPanelHeight, kPlace);
    batch = DeferWindowPos(batch, Memo1, nullptr, 0, memoTop, client.right, memoHeight, kPlace);
    batch = DeferWindowPos(batch, StatusLine, nullptr, 0, statusTop, client.right, kStatusLineHeight, kPlace);
    EndDeferWindowPos(batch);
    // The recipient field keeps its distance to the window's right edge.
    Recipient.Stretch(tk::WindowWidth(form) - settings::kWindowWidth);
}

}  // namespace app
