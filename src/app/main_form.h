// TMainForm: the program's one long-lived visible window.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "app/command_table.h"
#include "app/commands.h"
#include "app/main_menu.h"
#include "messaging/message_file.h"
#include "messaging/messenger.h"
#include "messaging/recipient_field.h"
#include "settings/settings_store.h"
#include "settings/window_settings.h"
#include "settings/window_values.h"
#include "toolkit/control_events.h"
#include "toolkit/form.h"
#include "toolkit/handles.h"
#include "toolkit/image_list.h"
#include "toolkit/menu_bar.h"
#include "toolkit/panel.h"
#include "toolkit/popup_menu.h"
#include "toolkit/rebar.h"
#include "toolkit/tool_bar.h"
#include "trayicon/cool_tray_icon.h"

namespace app {

class TMainForm : public tk::Form {
public:
    TMainForm();
    ~TMainForm() override;

    // Creates the window and its controls and runs FormCreate; false when Windows refuses.
    bool Create();

    // Handlers bound to menu items, tool buttons and shortcuts.
    void Poslat1Click();
    void Vymazat1Click();
    void Obsahnapovedy1Click();
    void Oprogramu1Click();
    void ShowWindow1Click();
    void HideWindow1Click();
    void Konec1Click();
    // Option toggles: each flips its check mark and stores the new state at once.
    void Dotraybaru1Click();
    void Zaviratdotraybaru1Click();
    void Ukladatnastaveni1Click();
    void Poslednizpravu1Click();
    // Message files.
    void Nova1Click();
    void Otevrit1Click();
    void Ulozitjako1Click();
    // Start at log-on, the Start-menu shortcut and the registry clean-up.
    void Spoustetswindows1Click();
    void Pridatzastupce1Click();
    void Odstranitzregistru1Click();

    // Key presses in the editor, the mode buttons and the recipient field, and leaving the field;
    // a key set to 0 never reaches the control.
    void Memo1KeyPress(char& key);
    void Edit1KeyPress(char& key);
    void Edit1Exit();

    // Shows the application's current hint in the status line.
    void ShowHint();

    // The tool-bar arrangement as shown now, after whatever the user dragged.
    tk::BandLayout Bands() const { return CoolBar1.Layout(); }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool CanClose() override;

private:
    void CreateControls();
    void CreateBars();
    void CreateComponents();
    void BindControlEvents();
    void ApplyTrayOption();
    void FormCloseQuery(bool& canClose);
    void RunFileCommand(bool forSaving, void (*transfer)(HWND editor, const std::string& path));
    void RunCommand(Command command);
    void FormCreate();
    void FormDestroy();
    void LoadSettings();
    void LoadOptionMark(const OptionSpec& option);
    void PlaceWindow(bool firstRun);
    void SetPlacement(const settings::WindowValues& placement);
    // Flips the option's check mark and stores the new state at once.
    void FlipOption(Command command);
    void ApplyMinimizedStart();
    void SaveSettings();
    // The values saved at exit, as the window shows them now.
    settings::WindowValues ShownValues() const;
    void EndSession();
    void FormResize();
    void LayoutControls();

    LRESULT OnSendDone();
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetMinMaxInfo(LPARAM lParam);
    LRESULT OnNotify(LPARAM lParam);
    LRESULT OnMenuSelect(WPARAM wParam, LPARAM lParam);
    LRESULT OnMeasureItem(LPARAM lParam);
    LRESULT OnDrawItem(LPARAM lParam);
    void OnActivate(WPARAM wParam);

    MainMenu MainMenu1;
    tk::ImageList ImageList1;
    tk::Rebar CoolBar1;
    tk::ToolBar ToolBar1;  // the menu bar
    tk::ToolBar ToolBar2;  // the buttons
    tk::MenuBar menuBar_;  // ToolBar1's menu behaviour
    tk::Panel Panel1;
    HWND RadioButton1 = nullptr;
    HWND RadioButton2 = nullptr;
    HWND Edit1 = nullptr;
    HWND Memo1 = nullptr;
    HWND StatusLine = nullptr;
    messaging::RecipientField Recipient;
    // The message on its way, if any.
    messaging::Sender sender_;
    // Memo1, RadioButton1, RadioButton2, Edit1.
    tk::ControlEvents controlEvents_[4];
    tk::FontHandle font_;
    tk::AcceleratorTable accelerators_;
    bool created_ = false;  // the controls are laid out once creation is over
    ATOM runningAtom_ = 0;  // the running-instance marker, from creation to destruction
    std::unique_ptr<settings::SettingsStore> store_;
    tk::PopupMenu PopupTray{this};
    // Made once the window exists: it hooks the window's procedure.
    std::unique_ptr<trayicon::TCoolTrayIcon> TrayIcon1;
    // The file last opened or saved through the dialogs, proposed by the next one.
    std::string LastFileName;
    // The last-message file, as far as the start got to look at it.
    messaging::LastMessage lastMessage_;
    // The stored values the start has read; the exit saves only these.
    settings::LoadedValues loaded_;
};

}  // namespace app
