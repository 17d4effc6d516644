#include "app/main_form.h"

#include <string>

#include "app/command_line.h"
#include "app/command_table.h"
#include "app/main_settings.h"
#include "dialogs/about_box.h"
#include "dialogs/help_form.h"
#include "messaging/file_dialog.h"
#include "messaging/message_file.h"
#include "messaging/messenger.h"
#include "messaging/recipient_rules.h"
#include "shell/logon_start.h"
#include "shell/registry_cleanup.h"
#include "shell/shell_link.h"
#include "toolkit/fonts.h"
#include "toolkit/guarded.h"

namespace app {

namespace {

constexpr char kMainFormClass[] = "PebblewireMainForm";
constexpr char kCaption[] = "Brantel Pebblewire pro Windows 2000/NT";
constexpr char kEscape = 27;

}  // namespace

TMainForm::~TMainForm() {
    application_.SetOnHint(nullptr);
    application_.SetOnShowRequest(nullptr);
    application_.SetMenuBar(nullptr);
    // Here and not in the base: the base's destructor detaches the window first, and WM_DESTROY
    // must still reach FormDestroy (settings saved, running instance dropped, last message kept)
    // while the members it reads exist.
    if (Handle()) DestroyWindow(Handle());
}

bool TMainForm::Create(const tk::Owner& program) {
    program_ = program;
    if (!RegisterWindowClass(kMainFormClass, GetSysColorBrush(COLOR_BTNFACE), tk::LoadProgramIcons())) return false;
    // Where the window opens when the settings cannot say otherwise.
    const settings::WindowValues design = CentredPlacement();
    if (!tk::Form::Create(WS_EX_CONTROLPARENT, kMainFormClass, kCaption,
                          WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME | WS_CLIPCHILDREN,
                          design.left, design.top, design.width, design.height, program_.window))
        return false;
    SetMinimumSize(settings::kWindowWidth, settings::kWindowHeight);
    Controls.Create(
        Handle(), [this](char& key) { Memo1KeyPress(key); }, [this](char& key) { Edit1KeyPress(key); },
        [this] { Edit1Exit(); });
    SetActiveControl(Controls.Memo1);
    Bars.Create(Handle(), MainMenu1, application_);
    CreateComponents();
    tk::Guarded([this] { FormCreate(); });
    created_ = true;
    LayoutControls();
    return true;
}

// The components' stored properties, then their loaded notification.
void TMainForm::CreateComponents() {
    Tray.Create(application_, this, [this](Command command) { RunCommand(command); });
    NotifyLoaded();
}

// An error stops the sequence where it is raised: the window opens as far as it got, but the icon
// still follows the tray option, so that a hidden start stays within reach, and the last message
// is shown once its option was read.
void TMainForm::FormCreate() {
    running_.AddMarker();
    application_.SetOnHint([this] { ShowHint(); });
    application_.SetOnShowRequest([this] { ShowWindow1Click(); });
    Tray.SetIcon(tk::LoadProgramIcons().icon);
    font_.reset(tk::CreateFormFont());
    tk::ApplyFont(Handle(), font_.get());
    Bars.FitMenuButtons();
    // Not a stored setting: the mark shows whether the Run value exists.
    MainMenu1.SetChecked(IDM_SPOUSTET, shell::RunValueExists());
    try {
        LoadMainSettings(Settings());
    } catch (...) {
        AfterSettings(false);
        throw;
    }
    AfterSettings(true);
}

// The icon, the minimised start when the settings were all read, and the last message.
void TMainForm::AfterSettings(bool allRead) {
    ApplyTrayOption();
    if (allRead) ApplyMinimizedStart();
    // Where the program's folder takes none, the last message lives in the application data.
    if (settings_.HasRead(settings::LoadStep::Options))
        lastMessage_.Load(Controls.Memo1, MainMenu1.Checked(IDM_POSLEDNI_ZPRAVU), program_.exeName,
                          shell::FolderLocationIfKnown(shell::ShellFolderKind::AppData));
}

// A failed save is reported, and costs neither the marker nor the last message. While the session
// ends, Windows may end the process at any moment and no one answers a box: the last message goes
// first, and a failure shows nothing.
void TMainForm::FormDestroy() {
    if (endingSession_) {
        tk::Quietly([this] { KeepLastMessage(); });
        tk::Quietly([this] { SaveMainSettings(Settings()); });
        running_.DropMarker();
        return;
    }
    tk::Guarded([this] { SaveMainSettings(Settings()); });
    running_.DropMarker();
    KeepLastMessage();
}

MainSettings TMainForm::Settings() { return {settings_, running_, Handle(), program_, MainMenu1, Controls, Bars}; }

void TMainForm::KeepLastMessage() { lastMessage_.Keep(Controls.Memo1, MainMenu1.Checked(IDM_POSLEDNI_ZPRAVU)); }

// With the tray option on, the entry routine has already arranged a hidden start.
void TMainForm::ApplyMinimizedStart() {
    if (StartsMinimized(GetCommandLineA()) && !MainMenu1.Checked(IDM_DO_TRAYBARU)) SetState(tk::WindowState::Minimized);
}

// Creation sizes the window, fills the bands and changes the font: one layout at its end serves.
void TMainForm::LayoutControls() {
    if (created_) Controls.Layout(Handle(), Bars.FitToForm());
}

// The window goes on while the messenger runs; OnSendDone tells the outcome.
void TMainForm::Poslat1Click() {
    const std::string text = Controls.Memo1.Text();
    if (sender_.Start(program_, text, Controls.Recipient.Target(), Handle())) sentText_ = text;
    ShowHint();
}

// Only a message delivered whole may empty the editor, and only while it holds the text sent.
LRESULT TMainForm::OnSendDone() {
    const std::optional<messaging::Verdict> verdict = sender_.Finish();
    ShowHint();
    if (!verdict) return 0;
    if (!verdict->keepText && MainMenu1.Checked(IDM_VYMAZAT) && Controls.Memo1.Text() == sentText_)
        Controls.Memo1.SetText("");
    messaging::ReportOutcome(program_, *verdict);
    return 0;
}

// The mark flips first, so that it stays flipped when storing fails.
void TMainForm::FlipOption(Command command) {
    settings_.StoreFlag(FindOption(command)->valueName, MainMenu1.Toggle(command));
}

void TMainForm::Vymazat1Click() { FlipOption(IDM_VYMAZAT); }
void TMainForm::Zaviratdotraybaru1Click() { FlipOption(IDM_ZAVIRAT_DO_TRAYBARU); }
void TMainForm::Ukladatnastaveni1Click() { FlipOption(IDM_UKLADAT_NASTAVENI); }
void TMainForm::Poslednizpravu1Click() { FlipOption(IDM_POSLEDNI_ZPRAVU); }
void TMainForm::Spoustetswindows1Click() { shell::ToggleStartAtLogon(program_, MainMenu1.Mark(IDM_SPOUSTET)); }
void TMainForm::Pridatzastupce1Click() { shell::WriteStartMenuShortcut(program_); }

// The program quits whether or not everything could be removed.
void TMainForm::Odstranitzregistru1Click() {
    shell::RemoveRegistryEntries(program_, settings_.Store(), MainMenu1.Mark(IDM_SPOUSTET),
                                 MainMenu1.Mark(IDM_UKLADAT_NASTAVENI));
    Konec1Click();
}

void TMainForm::Obsahnapovedy1Click() { dialogs::ShowHelpForm(program_); }
void TMainForm::Oprogramu1Click() { dialogs::ShowAboutBox(program_); }

void TMainForm::ApplyTrayOption() { Tray.ApplyOption(MainMenu1.Checked(IDM_DO_TRAYBARU)); }
void TMainForm::ShowWindow1Click() { Tray.ShowWindow(MainMenu1.Checked(IDM_DO_TRAYBARU)); }
void TMainForm::HideWindow1Click() { Tray.HideWindow(); }

// No question about unsaved text: the program keeps no record of changes. The remembered name stays.
void TMainForm::Nova1Click() { Controls.Memo1.SetText(""); }
void TMainForm::Otevrit1Click() { RunFileCommand(false, messaging::LoadMessage); }
void TMainForm::Ulozitjako1Click() { RunFileCommand(true, messaging::SaveMessage); }

// The dialog proposes the last name; a name is remembered only once its file was read or written.
void TMainForm::RunFileCommand(bool forSaving, void (*transfer)(HWND editor, const std::string& path)) {
    const std::string path = messaging::RunFileDialog(program_, LastFileName, forSaving);
    if (path.empty()) return;
    transfer(Controls.Memo1, path);
    LastFileName = path;
}

// The close-to-tray mark is cleared but not stored, so it is on again at the next start.
void TMainForm::Konec1Click() {
    MainMenu1.SetChecked(IDM_ZAVIRAT_DO_TRAYBARU, false);
    Close();
}

void TMainForm::Dotraybaru1Click() {
    FlipOption(IDM_DO_TRAYBARU);
    ApplyTrayOption();
}

// Esc hides the program behind its icon or minimises it, and goes no further.
void TMainForm::Memo1KeyPress(char& key) {
    if (key != kEscape) return;
    if (MainMenu1.Checked(IDM_DO_TRAYBARU))
        HideWindow1Click();
    else
        application_.Minimize();
    key = 0;
}

void TMainForm::Edit1KeyPress(char& key) {
    key = messaging::TypedKey(key);
    Memo1KeyPress(key);
}

void TMainForm::Edit1Exit() { Controls.Recipient.Leave(); }

// Windows may end the process as soon as the session's end is confirmed: the window goes now,
// and saves as it goes.
void TMainForm::EndSession() {
    endingSession_ = true;
    application_.Terminate();
    DestroyWindow(Handle());
}

bool TMainForm::CanClose() {
    bool canClose = true;
    FormCloseQuery(canClose);
    return canClose;
}

// With close-to-tray on, closing only hides the program behind its icon.
void TMainForm::FormCloseQuery(bool& canClose) {
    canClose = !MainMenu1.Checked(IDM_ZAVIRAT_DO_TRAYBARU);
    if (!canClose) Tray.CloseToTray();
}

void TMainForm::RunCommand(Command command) { (this->*HandlerOf(command))(); }

// While a message is on its way the status line says so instead.
void TMainForm::ShowHint() {
    Controls.StatusLine.SetSimpleText(sender_.Busy() ? sender_.Status() : application_.Hint());
}

// Menus and shortcuts send commands without a control, the buttons from their bar; what the
// other controls send are notifications, not commands.
LRESULT TMainForm::OnCommand(WPARAM wParam, LPARAM lParam) {
    const auto from = reinterpret_cast<HWND>(lParam);
    if (from && !Bars.SendsCommands(from)) return 0;
    RunCommand(Command(LOWORD(wParam)));
    return 0;
}

LRESULT TMainForm::OnNotify(LPARAM lParam) {
    NMHDR& header = *reinterpret_cast<NMHDR*>(lParam);
    LRESULT result = 0;
    if (Bars.HandleNotify(header, result)) return result;
    // The panel and the editor follow the band container's rows.
    if (Bars.RowsChanged(header)) LayoutControls();
    return 0;
}

LRESULT TMainForm::OnMenuSelect(WPARAM wParam, LPARAM lParam) {
    Bars.MenuSelected(wParam, lParam);
    application_.SetHint(MainMenu1.SelectedHint(wParam, lParam));
    return 0;
}

LRESULT TMainForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: return OnCommand(wParam, lParam);
    case WM_NOTIFY: return OnNotify(lParam);
    case WM_MENUSELECT: return OnMenuSelect(wParam, lParam);
    case WM_MEASUREITEM: return Bars.MeasureItem(lParam);
    case WM_DRAWITEM: return Bars.DrawItem(lParam);
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) Bars.Deactivated();
        break;
    case WM_SIZE: LayoutControls(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_QUERYENDSESSION: Konec1Click(); return TRUE;  // never in the way of the session's end
    case WM_ENDSESSION:
        if (wParam) EndSession();
        return 0;
    case WM_DESTROY: FormDestroy(); return 0;
    case messaging::WM_SEND_DONE: return OnSendDone();
    }
    return tk::Form::HandleMessage(message, wParam, lParam);
}

}  // namespace app
