// TMainForm: the program's one long-lived visible window.
#pragma once

#include <windows.h>

#include <memory>

#include "app/commands.h"
#include "app/main_menu.h"
#include "toolkit/form.h"
#include "toolkit/panel.h"
#include "toolkit/popup_menu.h"
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
    void Dotraybaru1Click();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool CanClose() override;

private:
    void CreateControls();
    void CreateAccelerators();
    void CreateComponents();
    void ApplyTrayOption();
    void FormCloseQuery(bool& canClose);
    void RunCommand(Command command);
    void FormCreate();
    void FormDestroy();
    void FormResize();
    void LayoutControls();

    LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetMinMaxInfo(LPARAM lParam);

    MainMenu MainMenu1;
    tk::Panel Panel1;
    HWND RadioButton1 = nullptr;
    HWND RadioButton2 = nullptr;
    HWND Edit1 = nullptr;
    HWND Memo1 = nullptr;
    HWND StatusLine = nullptr;
    HFONT font_ = nullptr;
    HACCEL accelerators_ = nullptr;
    tk::PopupMenu PopupTray{this};
    // Made once the window exists: it hooks the window's procedure.
    std::unique_ptr<trayicon::TCoolTrayIcon> TrayIcon1;
};

}  // namespace app
