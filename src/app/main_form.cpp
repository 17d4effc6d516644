#include "app/main_form.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>

#include "dialogs/about_box.h"
#include "dialogs/help_form.h"
#include "messaging/messenger.h"
#include "toolkit/application.h"
#include "toolkit/controls.h"
#include "toolkit/fonts.h"
#include "toolkit/message_box.h"
#include "toolkit/navigation.h"

namespace app {

namespace {

constexpr char kMainFormClass[] = "PebblewireMainForm";
constexpr char kCaption[] = "Brantel Pebblewire pro Windows 2000/NT";
constexpr int kMinWidth = 340, kMinHeight = 250;
constexpr int kPanelHeight = 42;
// The recipient field keeps its distance to the window's right edge.
constexpr int kEdit1WidthAtMinimum = 201;

struct CommandBinding {
    Command command;
    void (TMainForm::*handler)();
};

constexpr CommandBinding kCommands[] = {
    {IDM_POSLAT, &TMainForm::Poslat1Click},
    {IDM_VYMAZAT, &TMainForm::Vymazat1Click},
    {IDM_OBSAH_NAPOVEDY, &TMainForm::Obsahnapovedy1Click},
    {IDM_O_PROGRAMU, &TMainForm::Oprogramu1Click},
};

constexpr ACCEL kShortcuts[] = {
    {FVIRTKEY | FCONTROL, 'S', IDM_POSLAT},
    {FVIRTKEY | FCONTROL, 'N', IDM_NOVA},
    {FVIRTKEY, VK_F1, IDM_OBSAH_NAPOVEDY},  // ActionHelp
};

}  // namespace

TMainForm::TMainForm() = default;

TMainForm::~TMainForm() {
    if (Handle()) DestroyWindow(Handle());
    if (accelerators_) DestroyAcceleratorTable(accelerators_);
    if (font_) DeleteObject(font_);
}

bool TMainForm::Create() {
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
    if (!RegisterWindowClass(kMainFormClass, GetSysColorBrush(COLOR_BTNFACE), icon)) return false;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - kMinWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - kMinHeight) / 2;
    if (!tk::Form::Create(WS_EX_CONTROLPARENT, kMainFormClass, kCaption,
                          WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME | WS_CLIPCHILDREN,
                          x, y, kMinWidth, kMinHeight, tk::Application::Instance().Handle()))
        return false;
    CreateControls();
    CreateAccelerators();
    FormCreate();
    LayoutControls();
    return true;
}

void TMainForm::CreateControls() {
    HWND form = Handle();
    // Creation order is the tab order: the editor first, then the recipient controls.
    Memo1 = tk::CreateControl(WS_EX_CLIENTEDGE, "EDIT", "",
                              WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL, 0,
                              0, 0, 0, form, IDC_MEMO1);
    SendMessageA(Memo1, EM_SETLIMITTEXT, 0, 0);
    Panel1.Create(form, IDC_PANEL1, 0, 0, kMinWidth, kPanelHeight);
    HWND panel = Panel1.Handle();
    RadioButton1 = tk::CreateControl(0, "BUTTON", "Uživatel nebo počítač:", WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON,
                                     3, 4, 130, 17, panel, IDC_RADIOBUTTON1);
    RadioButton2 = tk::CreateControl(0, "BUTTON", "Pracovní skupina:", BS_AUTORADIOBUTTON, 3, 21, 130, 17, panel,
                                     IDC_RADIOBUTTON2);
    Edit1 = tk::CreateControl(WS_EX_CLIENTEDGE, "EDIT", "", WS_GROUP | WS_TABSTOP | ES_AUTOHSCROLL, 133, 10,
                              kEdit1WidthAtMinimum, 21, panel, IDC_EDIT1);
    tk::SetChecked(RadioButton1, true);
    tk::UpdateRadioTabStops(RadioButton1);
    StatusLine = tk::CreateControl(0, STATUSCLASSNAMEA, "", SBARS_SIZEGRIP | SBT_TOOLTIPS, 0, 0, 0, 0, form,
                                   IDC_STATUSLINE);
    SendMessageA(StatusLine, SB_SIMPLE, TRUE, 0);
    SetActiveControl(Memo1);
}

void TMainForm::CreateAccelerators() {
    ACCEL table[std::size(kShortcuts)];
    std::copy(std::begin(kShortcuts), std::end(kShortcuts), table);
    accelerators_ = CreateAcceleratorTableA(table, int(std::size(table)));
    tk::Application::Instance().SetAccelerators(accelerators_);
}

void TMainForm::FormCreate() {
    font_ = tk::CreateFormFont();
    tk::ApplyFont(Handle(), font_);
}

void TMainForm::FormDestroy() {}

void TMainForm::FormResize() {
    SetWindowPos(Edit1, nullptr, 0, 0, tk::WindowWidth(Handle()) - kMinWidth + kEdit1WidthAtMinimum, 21,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TMainForm::LayoutControls() {
    if (!Memo1) return;  // WM_SIZE during creation, before the controls exist
    RECT client;
    GetClientRect(Handle(), &client);
    SendMessageA(StatusLine, WM_SIZE, 0, 0);
    const int statusHeight = tk::WindowHeight(StatusLine);
    const int top = 0;
    const int memoTop = top + kPanelHeight;
    const int memoHeight = client.bottom - memoTop - statusHeight;
    SetWindowPos(Panel1.Handle(), nullptr, 0, top, client.right, kPanelHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(Memo1, nullptr, 0, memoTop, client.right, memoHeight > 0 ? memoHeight : 0,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    FormResize();
}

void TMainForm::Poslat1Click() {
    const messaging::SendPlan plan = messaging::PlanSend(
        {tk::GetText(Memo1), tk::GetText(Edit1), tk::IsChecked(RadioButton2), messaging::WindowsDirectory()});
    tk::Application& application = tk::Application::Instance();
    messaging::LaunchMessenger(application.Handle(), plan);
    if (MainMenu1.Checked(IDM_VYMAZAT)) tk::SetText(Memo1, "");
    tk::ShowMessageBox(plan.confirmation, application.Title(), MB_OK | MB_ICONINFORMATION);
}

void TMainForm::Vymazat1Click() { MainMenu1.Toggle(IDM_VYMAZAT); }

void TMainForm::Obsahnapovedy1Click() { dialogs::ShowHelpForm(); }

void TMainForm::Oprogramu1Click() { dialogs::ShowAboutBox(); }

LRESULT TMainForm::OnCommand(WPARAM wParam, LPARAM) {
    for (const CommandBinding& binding : kCommands)
        if (binding.command == LOWORD(wParam)) {
            (this->*binding.handler)();
            return 0;
        }
    return 0;
}

LRESULT TMainForm::OnGetMinMaxInfo(LPARAM lParam) {
    auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
    info->ptMinTrackSize = {kMinWidth, kMinHeight};
    return 0;
}

LRESULT TMainForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: return OnCommand(wParam, lParam);
    case WM_SIZE: LayoutControls(); return 0;
    case WM_GETMINMAXINFO: return OnGetMinMaxInfo(lParam);
    case WM_ERASEBKGND: return 1;
    case WM_DESTROY: FormDestroy(); return 0;
    }
    return tk::Form::HandleMessage(message, wParam, lParam);
}

}  // namespace app
