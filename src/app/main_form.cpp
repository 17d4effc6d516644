#include "app/main_form.h"

#include <commctrl.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/command_table.h"
#include "app/startup.h"
#include "dialogs/about_box.h"
#include "dialogs/help_form.h"
#include "messaging/file_dialog.h"
#include "messaging/message_file.h"
#include "messaging/messenger.h"
#include "messaging/recipient_rules.h"
#include "settings/window_settings.h"
#include "shell/logon_start.h"
#include "shell/registry_cleanup.h"
#include "shell/relocation.h"
#include "toolkit/application.h"
#include "toolkit/controls.h"
#include "toolkit/fonts.h"
#include "toolkit/guarded.h"
#include "toolkit/hint_text.h"
#include "toolkit/image_strip.h"
#include "toolkit/menu_images.h"
#include "toolkit/message_box.h"
#include "toolkit/navigation.h"

namespace app {

namespace {

constexpr char kMainFormClass[] = "PebblewireMainForm";
constexpr char kCaption[] = "Brantel Pebblewire pro Windows 2000/NT";
constexpr char kTrayHint[] = "Brantel Pebblewire";
constexpr int kMinWidth = settings::kWindowWidth, kMinHeight = settings::kWindowHeight;
constexpr int kPanelHeight = 42;
constexpr int kStatusLineHeight = 19;
// The recipient field keeps its distance to the window's right edge.
constexpr int kEdit1WidthAtMinimum = 201;

constexpr char kToolBarImages[] = "TOOLIMAGES";
constexpr COLORREF kImageMask = RGB(255, 0, 255);
constexpr int kMenuButtonHeight = 21;
constexpr int kToolButtonWidth = 23, kToolButtonHeight = 22;

// Bands as designed, in display order: the menu bar starts the row, the buttons follow on it.
constexpr tk::BandState kDesignBands[] = {
    {IDC_TOOLBAR1, true, 185, 172, 21},
    {IDC_TOOLBAR2, false, 141, 128, 22},
};

constexpr char kEscape = 27;

// The design size in the middle of the primary screen.
settings::WindowValues CentredPlacement() {
    settings::WindowValues placement;
    settings::CentreOnScreen(placement, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    return placement;
}

// A command id that reaches the window without a handler: never silently dropped.
class UnhandledCommand : public std::runtime_error {
public:
    explicit UnhandledCommand(Command command)
        : std::runtime_error("Příkaz " + std::to_string(unsigned(command)) + " zatím nemá obsluhu") {}
};

// A menu item's check mark, for the shell commands that keep it.
shell::CheckMark MarkOf(MainMenu& menu, Command command) {
    return {[&menu, command] { return menu.Checked(command); },
            [&menu, command](bool checked) { menu.SetChecked(command, checked); }};
}

// The program as the subsystems that act for it see it.
tk::Owner Program() { return tk::Application::Instance().AsOwner(); }

}  // namespace

TMainForm::TMainForm() = default;

TMainForm::~TMainForm() {
    tk::Application::Instance().SetOnHint(nullptr);
    tk::Application::Instance().SetOnShowRequest(nullptr);
    tk::Application::Instance().SetMenuBar(nullptr);
    if (Handle()) DestroyWindow(Handle());
}

bool TMainForm::Create() {
    if (!RegisterWindowClass(kMainFormClass, GetSysColorBrush(COLOR_BTNFACE), tk::LoadProgramIcons())) return false;
    // Where the window opens when the settings cannot say otherwise.
    const settings::WindowValues design = CentredPlacement();
    if (!tk::Form::Create(WS_EX_CONTROLPARENT, kMainFormClass, kCaption,
                          WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME | WS_CLIPCHILDREN,
                          design.left, design.top, design.width, design.height, tk::Application::Instance().Handle()))
        return false;
    CreateControls();
    CreateBars();
    CreateComponents();
    tk::Guarded([this] { FormCreate(); });
    created_ = true;
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
    Recipient.Attach(RadioButton1, RadioButton2, Edit1);
    // Placed by the layout at its designed height, not at the height its font would give it. No
    // tooltip window: the line never has tip text for one to show.
    StatusLine = tk::CreateControl(0, STATUSCLASSNAMEA, "", CCS_NOPARENTALIGN | CCS_NORESIZE | SBARS_SIZEGRIP, 0, 0, 0,
                                   0, form, IDC_STATUSLINE);
    SendMessageA(StatusLine, SB_SIMPLE, TRUE, 0);
    SetActiveControl(Memo1);
    BindControlEvents();
}

void TMainForm::BindControlEvents() {
    const auto escapeRule = [this](char& key) { Memo1KeyPress(key); };
    controlEvents_[0].Attach(Memo1, escapeRule);
    controlEvents_[1].Attach(RadioButton1, escapeRule);
    controlEvents_[2].Attach(RadioButton2, escapeRule);
    controlEvents_[3].Attach(
        Edit1, [this](char& key) { Edit1KeyPress(key); }, [this] { Edit1Exit(); });
}

void TMainForm::CreateBars() {
    HWND form = Handle();
    tk::AddImageStrip(ImageList1, kToolBarImages, kImageMask);
    CoolBar1.Create(form, IDC_COOLBAR1);
    ToolBar1.Create(CoolBar1.Handle(), IDC_TOOLBAR1, {true, 0, kMenuButtonHeight, nullptr}, MenuBarButtons());
    ToolBar2.Create(CoolBar1.Handle(), IDC_TOOLBAR2, {false, kToolButtonWidth, kToolButtonHeight, &ImageList1},
                    ToolBar2Buttons());
    for (const tk::BandState& band : kDesignBands)
        CoolBar1.AddBand(band.id == IDC_TOOLBAR1 ? ToolBar1.Handle() : ToolBar2.Handle(), band);
    menuBar_.Attach(ToolBar1, form, MainMenu1.Submenus());
    tk::Application::Instance().SetMenuBar(&menuBar_);
    std::vector<ACCEL> shortcuts = Accelerators();
    accelerators_.reset(CreateAcceleratorTableA(shortcuts.data(), int(shortcuts.size())));
    tk::Application::Instance().SetAccelerators(accelerators_.get());
}

// The tray icon's stored properties in their stored order, then the components' loaded
// notification: the icon is absent until the options say otherwise.
void TMainForm::CreateComponents() {
    BuildTrayMenu(PopupTray, [this](Command command) { RunCommand(command); });
    TrayIcon1 = std::make_unique<trayicon::TCoolTrayIcon>(tk::Application::Instance(), this);
    TrayIcon1->SetCycleInterval(0);
    TrayIcon1->SetHint(kTrayHint);
    TrayIcon1->SetShowHint(true);
    TrayIcon1->SetIconVisible(false);
    TrayIcon1->SetIconIndex(0);
    TrayIcon1->SetPopupMenu(&PopupTray);
    NotifyLoaded();
}

// An error stops the sequence where it is raised: the window opens as far as it got, but the icon
// still follows the tray option, so that a hidden start stays within reach.
void TMainForm::FormCreate() {
    runningAtom_ = GlobalAddAtomA(kRunningInstanceAtom);
    tk::Application::Instance().SetOnHint([this] { ShowHint(); });
    tk::Application::Instance().SetOnShowRequest([this] { ShowWindow1Click(); });
    TrayIcon1->SetIcon(tk::LoadProgramIcons().icon);
    font_.reset(tk::CreateFormFont());
    tk::ApplyFont(Handle(), font_.get());
    ToolBar1.FitButtonHeight();
    // Not a stored setting: the mark shows whether the Run value exists.
    MainMenu1.SetChecked(IDM_SPOUSTET, shell::RunValueExists());
    try {
        LoadSettings();
    } catch (...) {
        ApplyTrayOption();
        throw;
    }
    ApplyTrayOption();
    ApplyMinimizedStart();
    lastMessage_.Load(Memo1, MainMenu1.Checked(IDM_POSLEDNI_ZPRAVU), tk::Application::ExeName());
}

// A failed save is reported, and costs neither the marker nor the last message.
void TMainForm::FormDestroy() {
    tk::Guarded([this] { SaveSettings(); });
    GlobalDeleteAtom(runningAtom_);
    lastMessage_.Keep(Memo1, MainMenu1.Checked(IDM_POSLEDNI_ZPRAVU));
}

void TMainForm::LoadSettings() {
    store_ = std::make_unique<settings::SettingsStore>();
    settings::RecordRunningInstance(*store_, tk::Application::Instance().Handle());
    LoadOptionMark(*FindOption(IDM_UKLADAT_NASTAVENI));
    const bool firstRun = settings::IsFirstRun(*store_);
    PlaceWindow(firstRun);
    // A first run switches start at log-on on as the menu command does, when settings are kept.
    if (firstRun && !MainMenu1.Checked(IDM_SPOUSTET) && MainMenu1.Checked(IDM_UKLADAT_NASTAVENI))
        Spoustetswindows1Click();
    for (const OptionSpec& option : Options())
        if (option.command != IDM_UKLADAT_NASTAVENI) LoadOptionMark(option);
    Recipient.Restore(*store_, loaded_);
    CoolBar1.Apply(settings::LoadBands(*store_, CoolBar1.Layout(), IDC_TOOLBAR1, loaded_));
    shell::RepairAfterMove(Program(), *store_, MarkOf(MainMenu1, IDM_SPOUSTET));
}

// The check mark as it is counts as the default.
void TMainForm::LoadOptionMark(const OptionSpec& option) {
    MainMenu1.SetChecked(option.command,
                         store_->LoadFlag(settings::kSection, option.valueName, MainMenu1.Checked(option.command)));
}

// A first run opens in the middle of the screen; later runs where they were, at least at the minimum size.
void TMainForm::PlaceWindow(bool firstRun) {
    if (firstRun) loaded_.Mark(settings::LoadStep::Placement);  // the centred place is this run's own
    SetPlacement(firstRun ? CentredPlacement() : settings::LoadPlacement(*store_, loaded_));
}

void TMainForm::SetPlacement(const settings::WindowValues& placement) {
    SetWindowPos(Handle(), nullptr, placement.left, placement.top, placement.width, placement.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// With the tray option on, the entry routine has already arranged a hidden start.
void TMainForm::ApplyMinimizedStart() {
    if (StartsMinimized(GetCommandLineA()) && !MainMenu1.Checked(IDM_DO_TRAYBARU)) SetState(tk::WindowState::Minimized);
}

void TMainForm::SaveSettings() {
    if (!store_) return;
    if (MainMenu1.Checked(IDM_UKLADAT_NASTAVENI)) settings::SaveValues(*store_, ShownValues(), loaded_);
    settings::DropRunningInstance(*store_);
    store_.reset();
}

settings::WindowValues TMainForm::ShownValues() const {
    RECT frame{};
    GetWindowRect(Handle(), &frame);
    settings::WindowValues values;
    values.left = frame.left;
    values.top = frame.top;
    values.width = frame.right - frame.left;
    values.height = frame.bottom - frame.top;
    Recipient.Record(values);
    settings::ReadBands(CoolBar1.Layout(), IDC_TOOLBAR1, values);
    return values;
}

void TMainForm::FormResize() {
    SetWindowPos(Edit1, nullptr, 0, 0, tk::WindowWidth(Handle()) - kMinWidth + kEdit1WidthAtMinimum, 21,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TMainForm::LayoutControls() {
    // Creation sizes the window, fills the bands and changes the font: one layout at its end serves.
    if (!created_) return;
    RECT client;
    GetClientRect(Handle(), &client);
    // The band container takes the height its rows need; the rest is placed in one batch below it.
    const int panelTop = CoolBar1.FitToParent();
    const int memoTop = panelTop + kPanelHeight;
    const int statusTop = client.bottom - kStatusLineHeight;
    const int memoHeight = statusTop > memoTop ? statusTop - memoTop : 0;
    constexpr UINT kPlace = SWP_NOZORDER | SWP_NOACTIVATE;
    HDWP batch = BeginDeferWindowPos(3);
    batch = DeferWindowPos(batch, Panel1.Handle(), nullptr, 0, panelTop, client.right, kPanelHeight, kPlace);
    batch = DeferWindowPos(batch, Memo1, nullptr, 0, memoTop, client.right, memoHeight, kPlace);
    batch = DeferWindowPos(batch, StatusLine, nullptr, 0, statusTop, client.right, kStatusLineHeight, kPlace);
    EndDeferWindowPos(batch);
    FormResize();
}

// The window goes on while the messenger runs; OnSendDone tells the outcome.
void TMainForm::Poslat1Click() {
    sender_.Start({tk::GetText(Memo1), tk::GetText(Edit1), tk::IsChecked(RadioButton2), messaging::WindowsDirectory(),
                   messaging::MessengerBesideProgram(tk::Application::ExeName())},
                  Handle());
    ShowHint();
}

// Only a delivered message is confirmed, and only then may the editor be emptied.
LRESULT TMainForm::OnSendDone() {
    const messaging::SendOutcome outcome = sender_.Finish();
    ShowHint();
    if (MainMenu1.Checked(IDM_VYMAZAT)) messaging::ClearAfterDelivery(Memo1, outcome);
    messaging::ReportOutcome(Program(), outcome);
    return 0;
}

// The mark flips first, so that it stays flipped when storing fails.
void TMainForm::FlipOption(Command command) {
    const bool checked = MainMenu1.Toggle(command);
    if (store_) store_->StoreFlag(settings::kSection, FindOption(command)->valueName, checked);
}

void TMainForm::Vymazat1Click() { FlipOption(IDM_VYMAZAT); }

void TMainForm::Zaviratdotraybaru1Click() { FlipOption(IDM_ZAVIRAT_DO_TRAYBARU); }

void TMainForm::Ukladatnastaveni1Click() { FlipOption(IDM_UKLADAT_NASTAVENI); }

void TMainForm::Poslednizpravu1Click() { FlipOption(IDM_POSLEDNI_ZPRAVU); }

void TMainForm::Spoustetswindows1Click() { shell::ToggleStartAtLogon(Program(), MarkOf(MainMenu1, IDM_SPOUSTET)); }

void TMainForm::Pridatzastupce1Click() { shell::WriteStartMenuShortcut(Program()); }

// The program quits whether or not everything could be removed.
void TMainForm::Odstranitzregistru1Click() {
    shell::RemoveRegistryEntries(Program(), *store_, MarkOf(MainMenu1, IDM_SPOUSTET),
                                 MarkOf(MainMenu1, IDM_UKLADAT_NASTAVENI));
    Konec1Click();
}

void TMainForm::Obsahnapovedy1Click() { dialogs::ShowHelpForm(tk::Application::Instance().Handle()); }

void TMainForm::Oprogramu1Click() { dialogs::ShowAboutBox(tk::Application::Instance().Handle()); }

// With the option on the icon always shows, and minimising hides the program behind it.
void TMainForm::ApplyTrayOption() {
    const bool inTray = MainMenu1.Checked(IDM_DO_TRAYBARU);
    TrayIcon1->SetIconVisible(inTray);
    TrayIcon1->SetMinimizeToTray(inTray);
}

void TMainForm::ShowWindow1Click() {
    TrayIcon1->ShowMainWindow();
    if (!MainMenu1.Checked(IDM_DO_TRAYBARU)) TrayIcon1->SetIconVisible(false);
}

void TMainForm::HideWindow1Click() { TrayIcon1->HideMainWindow(); }

// No question about unsaved text: the program keeps no record of changes. The remembered name stays.
void TMainForm::Nova1Click() { tk::SetText(Memo1, ""); }

void TMainForm::Otevrit1Click() { RunFileCommand(false, messaging::LoadMessage); }

void TMainForm::Ulozitjako1Click() { RunFileCommand(true, messaging::SaveMessage); }

// The dialog proposes the last name; a name is remembered only once its file was read or written.
void TMainForm::RunFileCommand(bool forSaving, void (*transfer)(HWND editor, const std::string& path)) {
    const std::string path = messaging::RunFileDialog(tk::Application::Instance().Handle(), LastFileName, forSaving);
    if (path.empty()) return;
    transfer(Memo1, path);
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
        tk::Application::Instance().Minimize();
    key = 0;
}

void TMainForm::Edit1KeyPress(char& key) {
    key = messaging::TypedKey(key);
    Memo1KeyPress(key);
}

void TMainForm::Edit1Exit() { Recipient.Leave(); }

// Windows may end the process as soon as the session's end is confirmed: the window goes now,
// and saves as it goes.
void TMainForm::EndSession() {
    tk::Application::Instance().Terminate();
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
    if (canClose) return;
    TrayIcon1->HideMainWindow();
    TrayIcon1->SetIconVisible(true);
}

void TMainForm::RunCommand(Command command) {
    const CommandSpec* row = FindCommand(command);
    if (!row || !row->handler) throw UnhandledCommand(command);
    (this->*row->handler)();
}

// While a message is on its way the status line says so instead.
void TMainForm::ShowHint() {
    const std::string& text = sender_.Busy() ? sender_.Status() : tk::Application::Instance().Hint();
    SendMessageA(StatusLine, SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(text.c_str()));
}

// Menus and shortcuts send commands without a control, the buttons from their bar; what the
// other controls send are notifications, not commands.
LRESULT TMainForm::OnCommand(WPARAM wParam, LPARAM lParam) {
    const auto from = reinterpret_cast<HWND>(lParam);
    if (from && from != ToolBar2.Handle()) return 0;
    RunCommand(Command(LOWORD(wParam)));
    return 0;
}

LRESULT TMainForm::OnGetMinMaxInfo(LPARAM lParam) {
    auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
    info->ptMinTrackSize = {kMinWidth, kMinHeight};
    return 0;
}

LRESULT TMainForm::OnNotify(LPARAM lParam) {
    NMHDR& header = *reinterpret_cast<NMHDR*>(lParam);
    LRESULT result = 0;
    if (ToolBar1.HandleNotify(header, result) || ToolBar2.HandleNotify(header, result) ||
        menuBar_.HandleNotify(header, result))
        return result;
    // The panel and the editor follow the band container's rows.
    if (header.hwndFrom == CoolBar1.Handle() && (header.code == RBN_HEIGHTCHANGE || header.code == RBN_LAYOUTCHANGED))
        LayoutControls();
    return 0;
}

LRESULT TMainForm::OnMenuSelect(WPARAM wParam, LPARAM lParam) {
    menuBar_.MenuSelected(wParam, lParam);
    // Closing the menu, a submenu or a separator: no hint.
    const bool isItem =
        !(HIWORD(wParam) & (MF_POPUP | MF_SEPARATOR)) && MainMenu1.Owns(reinterpret_cast<HMENU>(lParam));
    const CommandSpec* item = isItem ? FindCommand(Command(LOWORD(wParam))) : nullptr;
    tk::Application::Instance().SetHint(item ? tk::LongHint(item->hint) : std::string_view());
    return 0;
}

LRESULT TMainForm::OnMeasureItem(LPARAM lParam) {
    return tk::MeasureMenuImage(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam), ImageList1);
}

LRESULT TMainForm::OnDrawItem(LPARAM lParam) {
    return tk::DrawMenuImage(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), ImageList1);
}

void TMainForm::OnActivate(WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) menuBar_.CancelKeyboardMode();
}

LRESULT TMainForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: return OnCommand(wParam, lParam);
    case WM_NOTIFY: return OnNotify(lParam);
    case WM_MENUSELECT: return OnMenuSelect(wParam, lParam);
    case WM_MEASUREITEM: return OnMeasureItem(lParam);
    case WM_DRAWITEM: return OnDrawItem(lParam);
    case WM_ACTIVATE: OnActivate(wParam); break;
    case WM_SIZE: LayoutControls(); return 0;
    case WM_GETMINMAXINFO: return OnGetMinMaxInfo(lParam);
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
