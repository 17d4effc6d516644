// The program's fixed-size dialog window: dialog frame, centred on the screen, button-face
// background, the windows' font, and an OK button that is the default and the cancel button, so
// Enter and Esc press it wherever the focus is. ShowModal keeps the program's other windows
// disabled until the dialog closes.
#pragma once

#include <windows.h>

#include "toolkit/form.h"
#include "toolkit/handles.h"
#include "toolkit/owner.h"

namespace dialogs {

struct Bounds {
    int x, y, width, height;
};

struct DialogLayout {
    const char* className;
    const char* caption;
    SIZE client;
    Bounds okButton;
};

class ModalDialog : public tk::Form {
public:
    ~ModalDialog() override;

    // Creates the window, its controls and the OK button, and runs FormCreate; false when Windows refuses.
    bool Create(HWND owner);
    // Shows the window and runs until it closes, modal for `program`: IDOK for the OK button, Enter
    // and Esc, IDCANCEL for the close box.
    int ShowModal(const tk::Owner& program);

protected:
    explicit ModalDialog(const DialogLayout& layout) : layout_(layout) {}

    // The controls before the OK button, in focus order.
    virtual void CreateControls() = 0;
    // Runs once the window's font is on every control.
    virtual void FormCreate() {}
    virtual COLORREF TextColor(HWND) const { return GetSysColor(COLOR_WINDOWTEXT); }
    // The window the dialog was created for.
    HWND Owner() const { return GetWindow(Handle(), GW_OWNER); }

    // Destroys the window while the derived object's fonts and icons still exist.
    void DestroyHandle();
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool PreTranslate(const MSG& msg);
    void EndModal(int result) { modalResult_ = result; }
    LRESULT OnCommand(WPARAM wParam);
    LRESULT OnCtlColor(HDC dc, HWND control) const;

    DialogLayout layout_;
    tk::FontHandle font_;
    int modalResult_ = 0;
};

// Creates a new dialog owned by the program's window, runs it modally and frees it.
template <typename Dialog>
int RunFresh(const tk::Owner& program) {
    Dialog dialog;
    return dialog.Create(program.window) ? dialog.ShowModal(program) : IDCANCEL;
}

}  // namespace dialogs
