// TMainForm: the program's one long-lived visible window.
#pragma once

#include <windows.h>

#include <string>

#include "app/command_table.h"
#include "app/command_ids.h"
#include "app/main_bars.h"
#include "app/main_controls.h"
#include "app/main_menu.h"
#include "app/main_settings.h"
#include "app/main_tray.h"
#include "app/running_instance.h"
#include "messaging/last_message.h"
#include "messaging/messenger.h"
#include "settings/settings_session.h"
#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/handles.h"

namespace app {

class TMainForm : public tk::Form {
public:
    explicit TMainForm(tk::Application& application) : application_(application) {}
    ~TMainForm() override;

    // Creates the window and its controls and runs FormCreate; false when Windows refuses.
    // `program` is the owner the start made: the form hands it to every subsystem, dialog and box.
    bool Create(const tk::Owner& program);

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
    tk::BandLayout Bands() const { return Bars.Layout(); }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool CanClose() override;

private:
    void CreateComponents();
    void ApplyTrayOption();
    void FormCloseQuery(bool& canClose);
    void RunFileCommand(bool forSaving, void (*transfer)(HWND editor, const std::string& path));
    void RunCommand(Command command);
    void FormCreate();
    void FormDestroy();
    // Flips the option's check mark and stores the new state at once.
    void FlipOption(Command command);
    void AfterSettings(bool allRead);
    void ApplyMinimizedStart();
    void EndSession();
    void KeepLastMessage();
    // The parts the settings sequences read into and save from.
    MainSettings Settings();
    void LayoutControls();

    LRESULT OnSendDone();
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnNotify(LPARAM lParam);
    LRESULT OnMenuSelect(WPARAM wParam, LPARAM lParam);

    tk::Application& application_;
    tk::Owner program_;
    MainMenu MainMenu1;
    MainBars Bars;
    MainControls Controls;
    // The message on its way, if any.
    messaging::Sender sender_;
    std::string sentText_;  // the editor's text as the last send took it
    tk::FontHandle font_;
    bool created_ = false;        // the controls are laid out once creation is over
    bool endingSession_ = false;  // the session ends: the exit shows nothing
    RunningInstance running_;     // its marks for a second start, from creation to destruction
    settings::SettingsSession settings_;
    MainTray Tray{this};
    // The file last opened or saved through the dialogs, proposed by the next one.
    std::string LastFileName;
    // The last-message file, as far as the start got to look at it.
    messaging::LastMessage lastMessage_;
};

}  // namespace app
